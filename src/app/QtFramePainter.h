#pragma once

#include "app/PumpInterfaces.h"
#include "common/FramePaintThrottle.h"

#include <QElapsedTimer>
#include <QTimer>

#include <functional>

namespace trakora {

// The steady clock of the program, for the pump's pacing and for painting.
class QtElapsedClock : public IElapsedClock {
public:
    QtElapsedClock() { m_clock.start(); }
    std::int64_t Milliseconds() override { return m_clock.elapsed(); }

private:
    QElapsedTimer m_clock;
};

// Paints the windows (through `paintAll`) when the throttle says so; a
// paint held back for the frame to pass is made by a timer, so the last
// change is always shown even when no refresh follows it.
class QtFramePainter {
public:
    QtFramePainter(IElapsedClock& clock, std::function<void()> paintAll);

    void SetPace(PaintPace pace);
    void Changed();
    void PaintNow();

private:
    void ScheduleLater();

    IElapsedClock& m_clock;
    std::function<void()> m_paintAll;
    FramePaintThrottle m_throttle;
    QTimer m_later;
};

} // namespace trakora
