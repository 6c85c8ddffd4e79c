#include "nmea/TalkerMatch.h"

#include "nmea/SentenceDispatcher.h"

#include <array>
#include <cstdint>

namespace trakora {

namespace {

// Every identifier in the table has six characters; packing them into one
// number makes the lookup a few integer compares.
constexpr std::size_t IdentifierLength = 6;

std::uint64_t Pack(std::string_view text)
{
    std::uint64_t key = 0;
    for (char c : text)
        key = (key << 8) | static_cast<unsigned char>(c);
    return key;
}

struct RowKeys {
    std::array<std::uint64_t, SentenceTypeCount> Exact{};
    std::array<std::uint64_t, SentenceTypeCount> Type{}; // 0 for the proprietary rows
};

const RowKeys Keys = [] {
    RowKeys keys;
    for (std::size_t row = 0; row < SentenceTable.size(); ++row) {
        const std::string_view id = SentenceTable[row].Identifier;
        keys.Exact[row] = Pack(id);
        keys.Type[row] = id.starts_with("$GP") ? Pack(id.substr(3)) : 0;
    }
    return keys;
}();

bool UpperCase(char c)
{
    return c >= 'A' && c <= 'Z';
}

int GgaRow()
{
    static const int row = MatchSentenceRow("$GPGGA", TalkerFilter::GpsOnly);
    return row;
}

} // namespace

int MatchSentenceRow(std::string_view identifier, TalkerFilter filter)
{
    if (identifier.size() != IdentifierLength)
        return -1;
    const std::uint64_t exact = Pack(identifier);
    for (std::size_t row = 0; row < Keys.Exact.size(); ++row)
        if (Keys.Exact[row] == exact)
            return static_cast<int>(row);

    if (filter != TalkerFilter::AllGnss || identifier[0] != '$' || !UpperCase(identifier[1]) ||
        !UpperCase(identifier[2]) || identifier[1] == 'P')
        return -1;
    const std::uint64_t type = Pack(identifier.substr(3));
    for (std::size_t row = 0; row < Keys.Type.size(); ++row)
        if (Keys.Type[row] == type)
            return static_cast<int>(row);
    return -1;
}

bool IsAcceptedGga(std::string_view identifier, TalkerFilter filter)
{
    return MatchSentenceRow(identifier, filter) == GgaRow();
}

} // namespace trakora
