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
    case DispatchResult::OtherTalker:
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

namespace {

Json CountsJson(const IdentifierCounts& counts)
{
    Json row = Json::object();
    row["passed"] = counts.Passed;
    row["bad_checksum"] = counts.BadChecksum;
    row["no_checksum"] = counts.NoChecksum;
    row["decoded"] = counts.Decoded;
    row["ignored"] = counts.Ignored;
    row["damaged"] = counts.Damaged;
    row["recorded"] = counts.Recorded;
    return row;
}

} // namespace

Json ReplayStats::ToJson(const StreamCounters& counters) const
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

    Json identifiers = Json::object();
    for (std::size_t row = 0; row < counters.IdentifierCount(); ++row)
        identifiers[std::string(counters.Identifier(row))] = CountsJson(counters.Counts(row));
    identifiers["other"] = CountsJson(counters.Other());
    identifiers["unreadable"] = CountsJson(counters.Unreadable());
    stats["identifiers"] = std::move(identifiers);
    return stats;
}

} // namespace trakora
