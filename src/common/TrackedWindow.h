#pragma once

#include "common/ProgramContext.h"

#include <QPoint>
#include <QSize>
#include <QWidget>

#include <cstdint>
#include <string>

namespace trakora {

// A display window that remembers whether it was open and where it stood:
// it writes "-1" under Showing/<key> when it opens and "0" when the user
// closes it (not when the program closes it at exit, and never when it was
// opened for this run only), and saves its placement
// under its section whenever it is activated, deactivated or closed while not
// minimised. It can be dragged by any surface handed to EnableDragMove.
class TrackedWindow : public QWidget {
public:
    TrackedWindow(ProgramContext& context, std::string section, std::string showingKey,
                  std::int32_t ProgramSettings::*showingFlag, QWidget* parent = nullptr);

    const std::string& Section() const { return m_section; }
    // False when the store held no Left or Top for the window: it stands
    // wherever the program puts it.
    bool HasStoredPlace() const { return m_hasStoredPlace; }

protected:
    // Writes the open-window entry and sets the window's flag; call on load.
    void MarkOpen();
    // Moves the window to its stored Left and Top (a Left or Top beyond the
    // screen gives 0). When the window opens it is fitted onto its screen.
    void RestorePosition();
    void SavePlacement();
    // True once a sentence has filled what the display windows show: a
    // window opened then refreshes at once, even with input stopped.
    bool ReceiverHasReported() const;
    // The largest client size that fits the screen the window stands on.
    QSize AvailableClientSize() const;

    // Pressing any mouse button on `surface` and moving drags the window.
    void EnableDragMove(QWidget* surface);

    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Runs before the open-window entry is updated on close (for windows
    // that save their own data first).
    virtual void BeforeClose() {}

    ProgramContext& m_context;

private:
    std::string m_section;
    std::string m_showingKey;
    std::int32_t ProgramSettings::*m_showingFlag;
    QPoint m_dragOrigin;
    bool m_dragActive = false;
    bool m_opened = false;
    bool m_hasStoredPlace = false;
    bool m_forThisRunOnly = false;
};

} // namespace trakora
