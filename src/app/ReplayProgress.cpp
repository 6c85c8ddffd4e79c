#include "app/ReplayProgress.h"

#include "app/ReplayPacer.h"

#include <algorithm>

namespace trakora {

double ReplayPosition::Percent() const
{
    if (Size <= 0)
        return 0;
    return std::clamp(100.0 * static_cast<double>(Offset) / static_cast<double>(Size), 0.0, 100.0);
}

void ReplayProgress::Restart()
{
    m_lastTime.reset();
    m_firstStampOffset.reset();
    m_pacedMilliseconds = 0;
    m_runOffset = -1;
}

void ReplayProgress::LineRead(long long offsetAfter, const std::optional<LineTime>& stamp)
{
    if (!stamp)
        return;
    if (m_lastTime) {
        std::int64_t step = stamp->Milliseconds - m_lastTime->Milliseconds;
        if (step < -MillisecondsPerDay / 2)
            step += MillisecondsPerDay;
        m_pacedMilliseconds += std::clamp<std::int64_t>(step, 0, ReplayPacer::LongestWait);
    } else {
        m_firstStampOffset = offsetAfter;
    }
    m_lastStampOffset = offsetAfter;
    m_lastTime = stamp;
}

void ReplayProgress::MaxRunStarted(long long offset, std::int64_t now)
{
    m_runOffset = offset;
    m_runStart = now;
}

std::optional<double> ReplayProgress::RemainingSeconds(long long offset, long long size, int factor,
                                                       std::int64_t now) const
{
    const double left = static_cast<double>(std::max(0LL, size - offset));
    if (factor == 0) {
        const long long read = offset - m_runOffset;
        if (m_runOffset < 0 || read <= 0 || now <= m_runStart)
            return std::nullopt;
        return left * static_cast<double>(now - m_runStart) / 1000.0 / static_cast<double>(read);
    }
    if (!m_firstStampOffset || m_lastStampOffset <= *m_firstStampOffset || m_pacedMilliseconds <= 0)
        return std::nullopt;
    const double perByte = static_cast<double>(m_pacedMilliseconds) /
                           static_cast<double>(m_lastStampOffset - *m_firstStampOffset);
    return left * perByte / 1000.0 / factor;
}

} // namespace trakora
