#include "longterm/LongTermTexts.h"

#include "common/Formatting.h"
#include "common/NumberFormat.h"
#include "common/Units.h"

#include <cmath>
#include <cstdlib>

namespace trakora {

namespace {

// The hemisphere letter after a format-3 average; nothing before the first
// sentence has set one.
std::string HemisphereText(char letter)
{
    return static_cast<unsigned char>(letter) < ' ' ? std::string() : std::string(1, letter);
}

// Format 1 starts with a blank that pads the degrees; a position text needs none.
std::string TrimmedLeft(std::string text)
{
    text.erase(0, text.find_first_not_of(' '));
    return text;
}

} // namespace

std::string AverageText(double degrees, char hemisphere, const ProgramSettings& settings)
{
    if (!(degrees >= 0 && degrees <= 180))
        return {};
    const char point = static_cast<char>(settings.DecimalPointChar);
    switch (settings.DegreeFormat) {
    case 1:
        return FormatDMS(degrees, point);
    case 2:
        return FormatNumber(degrees, "##0.00000", point) + DegreeSign;
    case 3:
        return FormatDegreesMinutes(degrees, "#0.00000", point) + HemisphereText(hemisphere);
    default:
        return {};
    }
}

std::string PositionText(double latitude, double longitude, const ProgramSettings& settings)
{
    const char latLetter = latitude < 0 ? 'S' : 'N';
    const char lonLetter = longitude < 0 ? 'W' : 'E';
    const double lat = std::fabs(latitude), lon = std::fabs(longitude);
    if (settings.DegreeFormat == 3)
        return AverageText(lat, latLetter, settings) + ", " + AverageText(lon, lonLetter, settings);
    ProgramSettings shown = settings;
    if (shown.DegreeFormat != 1)
        shown.DegreeFormat = 2;
    return TrimmedLeft(AverageText(lat, latLetter, shown)) + " " + latLetter + ", " +
           TrimmedLeft(AverageText(lon, lonLetter, shown)) + " " + lonLetter;
}

std::string SmallUnitText(double metres, const ProgramSettings& settings)
{
    const float value = ConvertSmallUnitTo(static_cast<float>(metres), "ME", settings.SmallUnit);
    return FormatNumber(value, "#0.00", static_cast<char>(settings.DecimalPointChar)) +
           UnitSuffix(settings.SmallUnit);
}

SpreadTexts SpreadTextsOf(const PositionSpread& spread, const ProgramSettings& settings)
{
    SpreadTexts texts;
    texts.Samples = std::to_string(spread.Count());
    if (const std::optional<AccuracyFigures> figures = AccuracyOf(spread)) {
        texts.SigmaNorth = SmallUnitText(figures->SigmaNorth, settings);
        texts.SigmaEast = SmallUnitText(figures->SigmaEast, settings);
        texts.Cep50 = SmallUnitText(figures->Cep50, settings);
        texts.Cep95 = SmallUnitText(figures->Cep95, settings);
        texts.TwoDrms = SmallUnitText(figures->TwoDrms, settings);
    }
    return texts;
}

std::string SigmaUpText(const ValueSpread& altitude, const ProgramSettings& settings)
{
    const std::optional<double> sigma = altitude.Offsets.StandardDeviation();
    return sigma ? "\xCF\x83 " + SmallUnitText(*sigma, settings) : std::string();
}

} // namespace trakora
