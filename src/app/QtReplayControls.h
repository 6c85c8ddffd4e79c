#pragma once

#include "app/InputPump.h"

#include <QObject>
#include <QTimer>

#include <array>
#include <functional>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QMainWindow;
class QSlider;
class QToolBar;
class QToolButton;

namespace trakora {

// The replay controls: a one-row tool bar under the main window's menu,
// shown while the input is a log file, and the same commands in a submenu
// of the Input menu. Speed, pause and resume, a step of one epoch, and a
// slider that shows where the replay stands (with the receiver time of the
// current line, the percentage read and the time left) and seeks when let go.
// While the input is the serial port the bar is hidden and the commands do
// nothing.
class QtReplayControls : public QObject {
public:
    QtReplayControls(QMainWindow& window, QMenu& inputMenu, QAction* before, InputPump& pump,
                     ProgramSettings& settings);

    QToolBar* Bar() const { return m_bar; }
    // Called when the bar is shown or hidden, so the window can fit it.
    void OnVisibilityChanged(std::function<void()> handler) { m_visibilityChanged = std::move(handler); }

    // Brings the bar up to date (it also does so four times a second).
    void Update();

private:
    bool Replaying() const { return m_settings.FileInput != 0; }
    void ChooseSpeed(ReplaySpeed speed);
    void TogglePause();
    void Step();
    void SeekToSlider();
    void SeekBy(double percent);
    void ShowSpeed();

    InputPump& m_pump;
    ProgramSettings& m_settings;
    QToolBar* m_bar = nullptr;
    QComboBox* m_speed = nullptr;
    QToolButton* m_pause = nullptr;
    QToolButton* m_step = nullptr;
    QSlider* m_position = nullptr;
    QLabel* m_time = nullptr;
    QLabel* m_progress = nullptr;
    QAction* m_pauseAction = nullptr;
    QAction* m_stepAction = nullptr;
    std::array<QAction*, 6> m_speedActions{};
    QTimer m_refresh;
    std::function<void()> m_visibilityChanged;
    bool m_dragging = false;
};

} // namespace trakora
