#pragma once

#include "app/PumpInterfaces.h"

#include <QTimer>

#include <functional>

namespace trakora {

// A timer of the main window on QTimer. Precise timing: the receiver
// command is due 10 s after Start, not "about" then.
class QtTimer : public ITimer {
public:
    QtTimer(const QString& name, std::function<void()> onTick);

    void Arm(int milliseconds) override;
    void Disarm() override;
    int Interval() const override { return m_timer.isActive() ? m_timer.interval() : 0; }

private:
    QTimer m_timer;
};

} // namespace trakora
