#pragma once

#include "app/LineTimeStamp.h"

#include <cstdint>
#include <optional>

namespace trakora {

// When each line of a paced replay is due, from the time stamps of the
// lines: the receiver time between two stamps, divided by the speed factor,
// is waited between them. Stamps that repeat, go backwards or are missing
// cost no wait; a jump forward (hours skipped) waits at most LongestWait; a
// replay that falls behind the clock (a busy machine) catches up without
// rushing through more than LongestWait of backlog.
class ReplayPacer {
public:
    static constexpr std::int64_t LongestWait = 2000; // milliseconds

    // Forgets the anchor: the next stamped line is due at once (start,
    // resume, seek, new speed).
    void Restart() { m_last.reset(); }

    // The wall-clock time (milliseconds of a steady clock) at which a line
    // with `stamp` is due, asked at `now`, for a speed factor of 1 or more.
    std::int64_t DueAt(const std::optional<LineTime>& stamp, std::int64_t now, int factor);

private:
    struct Anchor {
        std::int64_t Stamp;
        std::int64_t Due;
    };
    std::optional<Anchor> m_last;
};

} // namespace trakora
