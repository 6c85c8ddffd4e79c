#include "app/QtTimer.h"

namespace trakora {

QtTimer::QtTimer(const QString& name, std::function<void()> onTick)
{
    m_timer.setObjectName(name);
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, std::move(onTick));
}

void QtTimer::Arm(int milliseconds)
{
    if (milliseconds <= 0) {
        Disarm();
        return;
    }
    m_timer.start(milliseconds);
}

void QtTimer::Disarm()
{
    m_timer.stop();
}

} // namespace trakora
