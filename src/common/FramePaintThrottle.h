#pragma once

#include <cstdint>

namespace trakora {

// How often the windows paint what their models hold: after every refresh,
// at most once per screen frame (fast replays), or not at all (while a seek
// rebuilds the state).
enum class PaintPace { EveryRefresh, OncePerFrame, Suspended };

// Decides when the display windows paint. Their models change with every
// epoch; painting that often during a fast replay would cost far more than
// the decoding, and no one can read faster than the screen shows. Times are
// milliseconds of a steady clock.
class FramePaintThrottle {
public:
    static constexpr std::int64_t FrameMilliseconds = 16; // about 60 a second

    void SetPace(PaintPace pace) { m_pace = pace; }
    PaintPace Pace() const { return m_pace; }

    // The models changed at `now`: true when they are to be painted now.
    bool Changed(std::int64_t now);
    // Milliseconds from `now` until a pending paint is due; -1 when none is
    // pending or painting is suspended.
    std::int64_t DueIn(std::int64_t now) const;
    void Painted(std::int64_t now);
    bool Pending() const { return m_pending; }

private:
    PaintPace m_pace = PaintPace::EveryRefresh;
    bool m_pending = false;
    std::int64_t m_lastPaint = -FrameMilliseconds;
};

} // namespace trakora
