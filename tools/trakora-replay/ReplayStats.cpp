#include "ReplayStats.h"

#include <string>

namespace trakora {

void ReplayStats::Count(const DispatchResult& result)
{
    ++Lines;
    switch (result.Outcome) {
    case DispatchResult::NoChecksum:
        ++NoChecksum;
        break;
    case DispatchResult::BadChecksum:
        ++BadChecksum;
        break;
    case DispatchResult::UnknownType:
        ++UnknownType;
        break;
    case DispatchResult::Damaged:
        ++Damaged;
        break;
    case DispatchResult::Decoded:
        if (result.TableRow >= 0 && result.TableRow < static_cast<int>(Decoded.size()))
            ++Decoded[result.TableRow];
        break;
    }
    if (result.Recorded)
        ++Recorded;
}

Json ReplayStats::ToJson() const
{
    Json decoded = Json::object();
    for (std::size_t row = 0; row < SentenceTable.size(); ++row)
        decoded[std::string(SentenceTable[row].Identifier)] = Decoded[row];

    Json stats = Json::object();
    stats["lines"] = Lines;
    stats["no_checksum"] = NoChecksum;
    stats["bad_checksum"] = BadChecksum;
    stats["unknown_type"] = UnknownType;
    stats["damaged"] = Damaged;
    stats["decoded"] = std::move(decoded);
    stats["recorded"] = Recorded;
    return stats;
}

} // namespace trakora
