#include "app/frmMDI.h"

#include "app/QtStatusIndicator.h"
#include "common/LeadingNumber.h"
#include "common/LoadProgramSettings.h"
#include "common/NumberFormat.h"
#include "common/TrackedWindow.h"
#include "common/WindowRoutines.h"
#include "common/WindowTiling.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace trakora {

namespace {

constexpr const char* MainSection = "MDIForm";
constexpr int WidthTwips = 3825;

std::int32_t ProgramSettings::*ShowingFlag(WindowKind kind)
{
    switch (kind) {
    case WindowKind::DataStat:
        return &ProgramSettings::ShowingDataStat;
    case WindowKind::ShowPos:
        return &ProgramSettings::ShowingShowPos;
    case WindowKind::NMEARaw:
        return &ProgramSettings::ShowingNMEARaw;
    case WindowKind::SatInfo:
        return &ProgramSettings::ShowingSatInfo;
    case WindowKind::SatPos:
        return &ProgramSettings::ShowingSatPos;
    case WindowKind::LongTerm:
        return &ProgramSettings::ShowingLongTerm;
    case WindowKind::Health:
        return &ProgramSettings::ShowingHealth;
    }
    return &ProgramSettings::ShowingDataStat;
}

// A stored coordinate beyond the screen, or negative, puts the bar at 0.
int StoredCoordinate(ISettingsStore& store, const char* key, int screenTwips)
{
    const int value = LeadingWholeNumber(store.Get(MainSection, key, "0"));
    return (value > screenTwips || value < 0) ? 0 : value;
}

TileRect Tile(const QRect& rect)
{
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

QMargins FrameMargins(const QWidget& window)
{
    const QRect frame = window.frameGeometry(), client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

// The window's outer rectangle; where the window system has not told its
// frame yet (it does so a moment after showing), the window stands where
// it was moved to and `assumed` stands for its frame.
QRect Outer(const QWidget& window, const QMargins& assumed)
{
    return window.frameGeometry() != window.geometry() ? window.frameGeometry()
                                                        : QRect(window.pos(), window.size().grownBy(assumed));
}

std::size_t Index(WindowKind kind)
{
    return static_cast<std::size_t>(kind);
}

} // namespace

frmMDI::frmMDI(ProgramContext& context, WindowRegistry& registry, Hooks hooks, QWidget* parent)
    : QMainWindow(parent), m_context(context), m_registry(registry), m_hooks(std::move(hooks))
{
    setObjectName(QStringLiteral("frmMDI"));
    BuildMenus();
    auto* rows = new QWidget(this);
    rows->setObjectName(QStringLiteral("rows"));
    m_rows = new QVBoxLayout(rows);
    m_rows->setContentsMargins(0, 0, 0, 0);
    m_rows->setSpacing(0);
    m_status = new QtStatusIndicator(rows);
    m_rows->addWidget(m_status);
    setCentralWidget(rows);
}

void frmMDI::Load()
{
    Call(m_hooks.OpenSplash);
    QApplication::processEvents();
    LoadProgramSettings(m_context.Settings, m_context.Gps, m_context.Store);
    m_lastWindowState = -100;
    setWindowTitle(CaptionFor(QCoreApplication::applicationFilePath(), m_context.Settings.ProgramVersion));
    move(TwipsToPixelsX(StoredCoordinate(m_context.Store, "Left", ScreenWidthTwips())),
         TwipsToPixelsY(StoredCoordinate(m_context.Store, "Top", ScreenHeightTwips())));
    resize(TwipsToPixelsX(WidthTwips), height());
    FitToBars();
}

// Measured by its parts: asking the main window's own layout before the
// window is shown would make the window system place the client area,
// not the frame, where the window was moved to. The menu bar, one row for
// each tool bar shown, and the rows shown; wide enough for the widest tool
// bar, whose controls would otherwise hide behind its extension button.
void frmMDI::FitToBars()
{
    int bars = 0;
    int wide = TwipsToPixelsX(WidthTwips);
    for (QToolBar* bar : findChildren<QToolBar*>()) {
        if (!bar->isVisibleTo(this))
            continue;
        bar->ensurePolished(); // its controls' sizes follow the style
        bars += bar->sizeHint().height();
        wide = std::max(wide, bar->sizeHint().width());
    }
    // The layout's smallest size must know of a bar just hidden before the resize.
    if (layout() != nullptr)
        layout()->activate();
    // The menu bar takes more lines when the window is too narrow for one.
    const QSize fitting(wide, menuBar()->heightForWidth(wide) + bars + centralWidget()->sizeHint().height());
    if (size() != fitting)
        resize(fitting);
}

bool frmMDI::event(QEvent* event)
{
    const bool handled = QMainWindow::event(event);
    // A row or bar shown, hidden, added or grown.
    if (event->type() == QEvent::LayoutRequest)
        FitToBars();
    return handled;
}

QString frmMDI::CaptionFor(const QString& executablePath, float version)
{
    QString word = QFileInfo(executablePath).completeBaseName();
    if (!word.isEmpty())
        word[0] = word[0].toUpper();
    return word + QStringLiteral(" vers. ") + Q(ShortestFloatText(version));
}

void frmMDI::BuildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));

    QMenu* input = bar->addMenu(QStringLiteral("&Input"));
    input->setObjectName(QStringLiteral("mnuInput"));
    m_inputMenu = input;
    AddAction(input, "mnuStart", QStringLiteral("&Start New"), QKeySequence(Qt::Key_F2), [this] { Call(m_hooks.Start); });
    AddAction(input, "mnuContinue", QStringLiteral("&Continue"), QKeySequence(Qt::SHIFT | Qt::Key_F2),
              [this] { Call(m_hooks.Continue); });
    input->addSeparator()->setObjectName(QStringLiteral("mnuSep2"));
    AddAction(input, "mnuStop", QStringLiteral("Sto&p"), QKeySequence(Qt::Key_F3), [this] { Call(m_hooks.Stop); });
    m_exitSeparator = input->addSeparator();
    m_exitSeparator->setObjectName(QStringLiteral("mnySep3"));
    AddAction(input, "mnuExit", QStringLiteral("E&xit"), QKeySequence(Qt::SHIFT | Qt::Key_F3), [this] { Exit(); });

    QMenu* display = bar->addMenu(QStringLiteral("&Display"));
    display->setObjectName(QStringLiteral("mnuDisplay"));
    AddAction(display, "mnuShowPosition", QStringLiteral("&Position Information"), QKeySequence(Qt::CTRL | Qt::Key_P),
              [this] { ShowShowPos(); });
    AddAction(display, "mnuShowSats", QStringLiteral("&Satellite Information"), QKeySequence(Qt::CTRL | Qt::Key_S),
              [this] { ShowSatInfo(); });
    AddAction(display, "mnuSatPos", QStringLiteral("Sa&tellite Positions"), QKeySequence(Qt::CTRL | Qt::Key_T),
              [this] { ShowSatPos(); });
    AddAction(display, "mnuLongTerm", QStringLiteral("&Long Term Position"), QKeySequence(Qt::CTRL | Qt::Key_L),
              [this] { Show_LT(); });
    AddAction(display, "mnuDataStat", QStringLiteral("D&ata Status"), QKeySequence(Qt::CTRL | Qt::Key_A),
              [this] { ShowDataStat(); });
    AddAction(display, "mnuNMEARaw", QStringLiteral("&NMEA Input data from GPS"), QKeySequence(Qt::CTRL | Qt::Key_N),
              [this] { Show_NMEA(); });
    AddAction(display, "mnuHealth", QStringLiteral("Receiver &Health"), QKeySequence(Qt::CTRL | Qt::Key_H),
              [this] { ShowHealth(); });
    AddAction(display, "mnuShowAll", QStringLiteral("Sho&w All"), QKeySequence(Qt::Key_F12), [this] { ShowAll(); });

    AddAction(bar, "mnuSettings", QStringLiteral("&Settings"), QKeySequence(), [this] { Call(m_hooks.OpenSettings); });

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    AddAction(help, "mnuHelpAbout", QStringLiteral("&About"), QKeySequence(), [this] { Call(m_hooks.OpenSplash); });
}

// The shortcuts work from every window of the program, not only from this bar.
QAction* frmMDI::AddAction(QWidget* menu, const char* name, const QString& caption, const QKeySequence& shortcut,
                           std::function<void()> action)
{
    auto* item = new QAction(caption, this);
    item->setObjectName(QString::fromLatin1(name));
    item->setShortcut(shortcut);
    item->setShortcutContext(Qt::ApplicationShortcut);
    connect(item, &QAction::triggered, this, std::move(action));
    menu->addAction(item);
    return item;
}

void frmMDI::ShowWindow(WindowKind kind)
{
    if (!OpenWindow(kind))
        m_forThisRun[Index(kind)] = false;
    OpenOrRaise(kind);
}

void frmMDI::ShowForThisRun(WindowKind kind)
{
    if (!OpenWindow(kind))
        m_forThisRun[Index(kind)] = true;
    OpenOrRaise(kind);
}

void frmMDI::OpenOrRaise(WindowKind kind)
{
    QPointer<QWidget>& slot = m_windows[Index(kind)];
    std::optional<QPoint> place;
    if (slot && !slot->isVisible())
        slot = nullptr; // closed, waiting to be deleted
    if (!slot) {
        const DisplayWindowEntry& entry = m_registry.Entry(kind);
        if (!entry.Create)
            return;
        m_context.Settings.OpeningForThisRun = m_forThisRun[Index(kind)] ? FlagSet : FlagClear;
        slot = entry.Create();
        m_context.Settings.OpeningForThisRun = FlagClear;
        if (!slot)
            return;
        place = FreePlace(*slot);
        if (place)
            slot->move(*place);
        slot->show();
    } else {
        slot->show();
        slot->raise();
        slot->activateWindow();
    }
    QApplication::processEvents();
    // Some window systems take a position given before the window is shown
    // for the client area's; once the frame is known, it is put there.
    if (place && slot && slot->frameGeometry() != slot->geometry() && slot->frameGeometry().topLeft() != *place)
        slot->move(*place);
    if (slot && slot->isMinimized()) {
        slot->showNormal();
        QApplication::processEvents();
    }
}

// Where a window with no stored place of its own goes (none for a window
// that has one): where it covers none of the program's windows on the
// screen, beside and below the main window and the windows open. A frame
// not known yet is taken to be as wide as the main window's.
std::optional<QPoint> frmMDI::FreePlace(const QWidget& window) const
{
    const auto* tracked = dynamic_cast<const TrackedWindow*>(&window);
    if (tracked == nullptr || tracked->HasStoredPlace())
        return std::nullopt;
    const QMargins frame = FrameMargins(*this);
    std::vector<TileRect> taken{Tile(frameGeometry())};
    for (const QPointer<QWidget>& open : m_windows)
        if (open && open->isVisible() && open != &window)
            taken.push_back(Tile(Outer(*open, frame)));
    const QSize outer = window.size().grownBy(frame);
    const TileRect place =
        TileWindows(Tile(AvailableArea(frameGeometry())), std::move(taken), {{outer.width(), outer.height()}}).front();
    return QPoint(place.Left, place.Top);
}

QWidget* frmMDI::OpenWindow(WindowKind kind) const
{
    QWidget* window = m_windows[Index(kind)];
    return (window && window->isVisible()) ? window : nullptr;
}

void frmMDI::ShowAll()
{
    for (WindowKind kind : {WindowKind::ShowPos, WindowKind::SatInfo, WindowKind::SatPos, WindowKind::DataStat,
                            WindowKind::LongTerm, WindowKind::NMEARaw, WindowKind::Health})
        ShowWindow(kind);
}

void frmMDI::showEvent(QShowEvent* event)
{
    FitOnScreen(*this);
    FitOnScreenOnceFramed(*this);
    QMainWindow::showEvent(event);
    WindowStateChanged();
}

void frmMDI::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        WindowStateChanged();
}

// Minimising the bar puts the display windows away; restoring brings back
// every window whose Showing flag is still set (also at start-up).
void frmMDI::WindowStateChanged()
{
    const int state = isMinimized() ? 1 : (isMaximized() ? 2 : 0);
    if (state == m_lastWindowState)
        return;
    m_lastWindowState = state;
    ProgramSettings& settings = m_context.Settings;

    if (state != 1) {
        for (WindowKind kind : {WindowKind::DataStat, WindowKind::ShowPos, WindowKind::NMEARaw, WindowKind::SatInfo,
                                WindowKind::SatPos, WindowKind::LongTerm, WindowKind::Health}) {
            if (settings.*ShowingFlag(kind))
                OpenOrRaise(kind);
        }
    } else {
        settings.AppClosing = FlagSet;
        for (WindowKind kind : {WindowKind::DataStat, WindowKind::ShowPos, WindowKind::NMEARaw, WindowKind::SatInfo,
                                WindowKind::SatPos, WindowKind::LongTerm, WindowKind::Health}) {
            QWidget* window = OpenWindow(kind);
            if (!(settings.*ShowingFlag(kind)) || window == nullptr)
                continue;
            if (kind == WindowKind::NMEARaw || kind == WindowKind::LongTerm)
                window->showMinimized();
            else
                window->close();
        }
        settings.AppClosing = FlagClear;
    }
    SavePlacement();
}

void frmMDI::Exit()
{
    SavePlacement();
    close();
}

void frmMDI::closeEvent(QCloseEvent* event)
{
    // The input stops first: a replay running underneath (this close may come
    // from one of its yields) must not read on while the program ends.
    Call(m_hooks.Stop);
    const bool minimized = isMinimized();
    // Windows closed by the program keep their Showing entries, also when
    // the bar is closed while minimised.
    m_context.Settings.AppClosing = FlagSet;
    CloseProgramWindows();
    if (!minimized)
        SavePlacement();
    event->accept();
    Call(m_hooks.EndProgram);
}

void frmMDI::CloseProgramWindows()
{
    for (QPointer<QWidget>& window : m_windows) {
        if (window && window->isVisible())
            window->close();
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible())
            window->close();
    }
}

void frmMDI::DestroyWindows()
{
    for (QPointer<QWidget>& window : m_windows)
        delete window.data();
}

void frmMDI::SavePlacement()
{
    SaveWindowPlacement(m_context.Store, MainSection, *this);
}

void frmMDI::Call(const std::function<void()>& hook)
{
    if (hook)
        hook();
}

} // namespace trakora
