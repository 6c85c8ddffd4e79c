#pragma once

#include "app/LineTimeStamp.h"

#include <cstdint>
#include <optional>

namespace trakora {

// Where a replay stands in its log, for the progress display: the offset
// reached, the file's size, the receiver time of the last line that carried
// a good one, and the time left at the chosen speed.
struct ReplayPosition {
    long long Offset = 0;
    long long Size = 0;
    std::optional<LineTime> ReceiverTime;
    std::optional<double> RemainingSeconds;

    // 0 to 100.
    double Percent() const;
};

// Learns from the lines read how much receiver time a byte of this log
// holds (for the paced speeds) and how fast the machine reads it (for Max),
// and estimates from that the time left.
class ReplayProgress {
public:
    // From the start of the log or a seek: the receiver times read so far no
    // longer count.
    void Restart();
    void LineRead(long long offsetAfter, const std::optional<LineTime>& stamp);
    // A run at Max begins (or goes on after a wait) at `offset`, `now` ms.
    void MaxRunStarted(long long offset, std::int64_t now);

    const std::optional<LineTime>& LastTime() const { return m_lastTime; }
    // factor 0: Max.
    std::optional<double> RemainingSeconds(long long offset, long long size, int factor, std::int64_t now) const;

private:
    std::optional<LineTime> m_lastTime;
    std::optional<long long> m_firstStampOffset;
    long long m_lastStampOffset = 0;
    std::int64_t m_pacedMilliseconds = 0; // receiver time between stamps, as a x1 replay waits it
    long long m_runOffset = -1;
    std::int64_t m_runStart = 0;
};

} // namespace trakora
