#include "common/FramePaintThrottle.h"

#include <algorithm>

namespace trakora {

bool FramePaintThrottle::Changed(std::int64_t now)
{
    m_pending = true;
    switch (m_pace) {
    case PaintPace::EveryRefresh:
        return true;
    case PaintPace::OncePerFrame:
        return now - m_lastPaint >= FrameMilliseconds;
    case PaintPace::Suspended:
        return false;
    }
    return false;
}

std::int64_t FramePaintThrottle::DueIn(std::int64_t now) const
{
    if (!m_pending || m_pace == PaintPace::Suspended)
        return -1;
    return std::max<std::int64_t>(0, m_lastPaint + FrameMilliseconds - now);
}

void FramePaintThrottle::Painted(std::int64_t now)
{
    m_pending = false;
    m_lastPaint = now;
}

} // namespace trakora
