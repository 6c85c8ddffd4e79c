#include "app/QtFramePainter.h"

namespace trakora {

QtFramePainter::QtFramePainter(IMonotonicClock& clock, std::function<void()> paintAll)
    : m_clock(clock), m_paintAll(std::move(paintAll))
{
    m_later.setSingleShot(true);
    m_later.setObjectName(QStringLiteral("tmrFramePaint"));
    QObject::connect(&m_later, &QTimer::timeout, &m_later, [this] {
        if (m_throttle.Pending() && m_throttle.Pace() != PaintPace::Suspended)
            PaintNow();
    });
}

void QtFramePainter::SetPace(PaintPace pace)
{
    if (pace == m_throttle.Pace())
        return;
    m_throttle.SetPace(pace);
    ScheduleLater();
}

void QtFramePainter::Changed()
{
    if (m_throttle.Changed(m_clock.Milliseconds()))
        PaintNow();
    else
        ScheduleLater();
}

void QtFramePainter::PaintNow()
{
    m_later.stop();
    m_paintAll();
    m_throttle.Painted(m_clock.Milliseconds());
}

void QtFramePainter::ScheduleLater()
{
    const std::int64_t due = m_throttle.DueIn(m_clock.Milliseconds());
    if (due >= 0 && !m_later.isActive())
        m_later.start(static_cast<int>(due));
}

} // namespace trakora
