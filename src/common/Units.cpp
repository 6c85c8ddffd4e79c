#include "common/Units.h"

#include <array>

namespace trakora {

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
        if (upper(a[i]) != upper(b[i]))
            return false;
    }
    return true;
}

// Position of code in codes, or -1.
template <std::size_t N>
int IndexOf(std::string_view code, const std::array<std::string_view, N>& codes, bool ignoreCase)
{
    for (std::size_t i = 0; i < N; ++i)
        if (ignoreCase ? SameIgnoringCase(code, codes[i]) : code == codes[i])
            return static_cast<int>(i);
    return -1;
}

constexpr std::array<std::string_view, 3> SmallCodes{"FE", "ME", "FA"};
constexpr std::array<std::string_view, 3> LargeCodes{"ST", "NA", "KI"};

// Rows: source FE, ME (a fathom source has no row). Columns: target FE, ME, FA.
constexpr double SmallFactors[2][3] = {
    {1.0, 0.3048, 0.16666666667},
    {3.2808399, 1.0, 0.54680665},
};

// Rows: source ST, NA, KI. Columns: target ST, NA, KI.
constexpr double LargeFactors[3][3] = {
    {1.0, 0.86897624, 1.609344},
    {1.150779448, 1.0, 1.852},
    {0.62137119, 0.5399568, 1.0},
};

} // namespace

float ConvertSmallUnit(float value, std::string_view from, const ProgramSettings& settings)
{
    return ConvertSmallUnitTo(value, from, settings.SmallUnit);
}

float ConvertSmallUnitTo(float value, std::string_view from, std::string_view to)
{
    const int source = IndexOf(from, SmallCodes, true);
    const int target = IndexOf(to, SmallCodes, true);
    if (source < 0 || source > 1 || target < 0)
        return 0.0f;
    return static_cast<float>(static_cast<double>(value) * SmallFactors[source][target]);
}

float ConvertLargeUnit(float value, std::string_view from, const ProgramSettings& settings)
{
    const int source = IndexOf(from, LargeCodes, false);
    const int target = IndexOf(settings.LargeUnit, LargeCodes, true);
    if (source < 0 || target < 0)
        return 0.0f;
    return static_cast<float>(static_cast<double>(value) * LargeFactors[source][target]);
}

std::string UnitSuffix(std::string_view unitCode)
{
    constexpr std::array<std::string_view, 6> codes{"FE", "ME", "FA", "ST", "KI", "NA"};
    constexpr std::array<std::string_view, 6> suffixes{" Feet", " Meters", " Fathoms", " MPH", " KPH", " Knots"};
    const int index = IndexOf(unitCode, codes, true);
    return index < 0 ? std::string() : std::string(suffixes[static_cast<std::size_t>(index)]);
}

std::string AltitudeUnitCode(std::string_view unitLetter)
{
    return unitLetter == "f" ? "FE" : "  ";
}

} // namespace trakora
