#pragma once

#include "StateJson.h"
#include "nmea/SentenceDispatcher.h"
#include "nmea/StreamCounters.h"

#include <array>
#include <cstdint>
#include <tuple>

namespace trakora {

// What became of the dispatched lines, counted by outcome.
struct ReplayStats {
    std::int64_t Lines = 0;
    std::int64_t NoChecksum = 0;
    std::int64_t BadChecksum = 0;
    std::int64_t UnknownType = 0;
    std::int64_t Damaged = 0;
    std::array<std::int64_t, std::tuple_size_v<decltype(SentenceTable)>> Decoded{}; // per table row
    std::int64_t Recorded = 0;

    void Count(const DispatchResult& result);
    // Every identifier of the table appears, in table order, even when 0;
    // "identifiers" holds the counters' rows in the order they appeared, then
    // "other" and "unreadable".
    Json ToJson(const StreamCounters& counters) const;
};

} // namespace trakora
