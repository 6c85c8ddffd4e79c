#pragma once

#include "app/PumpInterfaces.h"
#include "common/FramePaintThrottle.h"

#include <QTimer>

#include <functional>

namespace trakora {

// Paints the windows (through `paintAll`) when the throttle says so; a
// paint held back for the frame to pass is made by a timer, so the last
// change is always shown even when no refresh follows it.
class QtFramePainter {
public:
    QtFramePainter(IMonotonicClock& clock, std::function<void()> paintAll);

    void SetPace(PaintPace pace);
    void Changed();
    void PaintNow();

private:
    void ScheduleLater();

    IMonotonicClock& m_clock;
    std::function<void()> m_paintAll;
    FramePaintThrottle m_throttle;
    QTimer m_later;
};

} // namespace trakora
