#include "app/ReplayPacer.h"

#include <algorithm>

namespace trakora {

std::int64_t ReplayPacer::DueAt(const std::optional<LineTime>& stamp, std::int64_t now, int factor)
{
    if (!m_last)
        return stamp ? (m_last = Anchor{stamp->Milliseconds, now})->Due : now;
    if (!stamp)
        return m_last->Due;

    std::int64_t step = stamp->Milliseconds - m_last->Stamp;
    // Midnight: 23:59:59 to 00:00:00 is one second on, not a day back.
    if (step < -MillisecondsPerDay / 2)
        step += MillisecondsPerDay;
    const std::int64_t wait = std::clamp<std::int64_t>(step / std::max(factor, 1), 0, LongestWait);
    std::int64_t due = m_last->Due + wait;
    if (due < now - LongestWait)
        due = now;
    m_last = Anchor{stamp->Milliseconds, due};
    return due;
}

} // namespace trakora
