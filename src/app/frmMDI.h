#pragma once

#include "app/QtWindowRegistry.h"
#include "common/ProgramContext.h"

#include <QMainWindow>
#include <QPointer>

class QMenu;
class QVBoxLayout;

#include <array>
#include <optional>
#include <functional>

namespace trakora {

class QtStatusIndicator;

// The main window: a small bar with the program's menus. It opens the
// display windows (through the registry), closes them while it is
// minimised and reopens them on restore, and ends the program. Under the
// menu bar a row shows the input's status.
class frmMDI : public QMainWindow {
public:
    // What the menus do beyond opening display windows.
    struct Hooks {
        std::function<void()> OpenSplash;   // at load and by Help > About
        std::function<void()> OpenSettings; // Settings menu
        std::function<void()> Start, Continue, Stop; // Stop also runs first when the bar closes
        std::function<void()> EndProgram; // after the windows are closed at exit
    };

    frmMDI(ProgramContext& context, WindowRegistry& registry, Hooks hooks, QWidget* parent = nullptr);

    // The load steps: splash, settings, caption, position and size.
    void Load();

    // Each opens its window without waiting for it, or brings it forward.
    void ShowWindow(WindowKind kind);
    // Opens the window for this run only (asked for on the command line): it
    // writes no Showing entry, also when it comes back after a minimise.
    // Opened again by the user after closing it, it is an ordinary window.
    void ShowForThisRun(WindowKind kind);
    void Show_NMEA() { ShowWindow(WindowKind::NMEARaw); }
    void Show_LT() { ShowWindow(WindowKind::LongTerm); }
    void ShowDataStat() { ShowWindow(WindowKind::DataStat); }
    void ShowShowPos() { ShowWindow(WindowKind::ShowPos); }
    void ShowSatInfo() { ShowWindow(WindowKind::SatInfo); }
    void ShowSatPos() { ShowWindow(WindowKind::SatPos); }
    void ShowHealth() { ShowWindow(WindowKind::Health); }

    // The window of that kind while it is open, else null.
    QWidget* OpenWindow(WindowKind kind) const;

    // "Trakora vers. 1.18": the executable's name with a capital, then the version.
    static QString CaptionFor(const QString& executablePath, float version);

    // Deletes every display window at once (the program is ending).
    void DestroyWindows();

    int LastWindowState() const { return m_lastWindowState; }

    // The rows below the menu bar, top to bottom. A widget added here makes
    // the window taller by its height while it is shown: the client area is
    // the tool bars shown, the menu bar and the rows shown, no more.
    QVBoxLayout* Rows() const { return m_rows; }
    QtStatusIndicator& Status() const { return *m_status; }
    // The Input menu, and its separator before Exit (more commands go above it).
    QMenu* InputMenu() const { return m_inputMenu; }
    QAction* ExitSeparator() const { return m_exitSeparator; }
    // Menu bar, one row for each tool bar shown and the rows shown; wide
    // enough for the widest tool bar.
    void FitToBars();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    QAction* AddAction(QWidget* menu, const char* name, const QString& caption, const QKeySequence& shortcut,
                       std::function<void()> action);
    void OpenOrRaise(WindowKind kind);
    std::optional<QPoint> FreePlace(const QWidget& window) const;
    void WindowStateChanged();
    void ShowAll();
    void Exit();
    void CloseProgramWindows();
    void SavePlacement();
    static void Call(const std::function<void()>& hook);

    ProgramContext& m_context;
    WindowRegistry& m_registry;
    Hooks m_hooks;
    QMenu* m_inputMenu = nullptr;
    QAction* m_exitSeparator = nullptr;
    int m_lastWindowState = -100;
    std::array<QPointer<QWidget>, WindowKindCount> m_windows;
    std::array<bool, WindowKindCount> m_forThisRun{};
    QVBoxLayout* m_rows = nullptr;
    QtStatusIndicator* m_status = nullptr;
};

} // namespace trakora
