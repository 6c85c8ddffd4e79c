#pragma once

#include "app/PumpInterfaces.h"

#include <QElapsedTimer>

#include <functional>

class QWidget;

namespace trakora {

// Messages in a box with an OK button, titled with the program's name.
class QtMessageBox : public IMessageSink {
public:
    explicit QtMessageBox(std::function<QWidget*()> parent) : m_parent(std::move(parent)) {}
    void ShowMessage(std::string_view text) override;

private:
    std::function<QWidget*()> m_parent;
};

// The pump's view of the user interface: yielding runs pending Qt events.
// A fast replay asks to yield after every line; running the events (and so
// repainting the raw window) more often than once a frame would only slow
// the replay, so yields closer together than MinimumYieldInterval are
// skipped. Menus and Stop still act within that interval.
class QtPumpUserInterface : public IPumpUserInterface {
public:
    static constexpr qint64 MinimumYieldInterval = 20; // milliseconds

    QtPumpUserInterface(IMessageSink& messages, std::function<void()> openSettings)
        : m_messages(messages), m_openSettings(std::move(openSettings))
    {
    }

    void ShowMessage(std::string_view text) override { m_messages.ShowMessage(text); }
    void Yield() override;
    void OpenSettingsDialog() override;

private:
    IMessageSink& m_messages;
    std::function<void()> m_openSettings;
    QElapsedTimer m_sinceYield;
};

} // namespace trakora
