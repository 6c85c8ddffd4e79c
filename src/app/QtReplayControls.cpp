#include "app/QtReplayControls.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QSlider>
#include <QToolBar>
#include <QToolButton>

#include <cmath>
#include <iterator>

namespace trakora {

namespace {

constexpr int SliderSteps = 1000;

// What each speed of AllReplaySpeeds is called, in the same order: in the
// speed box, in the menu, and as the menu item's object name.
struct SpeedTexts {
    const char* Name;
    const char* MenuCaption;
    const char* ObjectName;
};
constexpr SpeedTexts SpeedTextsInOrder[] = {
    {"Real time", "&Real Time", "mnuSpeedRealTime"}, {"x2", "x&2", "mnuSpeedX2"},   {"x5", "x&5", "mnuSpeedX5"},
    {"x10", "x1&0", "mnuSpeedX10"},                  {"x60", "x&60", "mnuSpeedX60"}, {"Max", "&Max", "mnuSpeedMax"},
};
static_assert(std::size(SpeedTextsInOrder) == std::size(AllReplaySpeeds));

QString Duration(double seconds)
{
    const long long whole = std::llround(seconds);
    if (whole >= 3600)
        return QStringLiteral("%1:%2:%3")
            .arg(whole / 3600)
            .arg(whole / 60 % 60, 2, 10, QLatin1Char('0'))
            .arg(whole % 60, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2").arg(whole / 60).arg(whole % 60, 2, 10, QLatin1Char('0'));
}

QAction* MenuAction(QMenu& menu, const char* name, const QString& caption, const QKeySequence& shortcut)
{
    auto* action = menu.addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    // From every window of the program, as the other Input commands.
    action->setShortcutContext(Qt::ApplicationShortcut);
    return action;
}

} // namespace

QtReplayControls::QtReplayControls(QMainWindow& window, QMenu& inputMenu, QAction* before, InputPump& pump,
                                   ProgramSettings& settings)
    : QObject(&window), m_pump(pump), m_settings(settings)
{
    QMenu* menu = new QMenu(QStringLiteral("Re&play"), &inputMenu);
    menu->setObjectName(QStringLiteral("mnuReplay"));
    inputMenu.insertMenu(before, menu);

    // Space belongs to a text box that has the focus: a line edit takes the
    // key before any shortcut sees it.
    m_pauseAction = MenuAction(*menu, "mnuPause", QStringLiteral("&Pause"), QKeySequence(Qt::Key_Space));
    connect(m_pauseAction, &QAction::triggered, this, [this] { TogglePause(); });
    m_stepAction = MenuAction(*menu, "mnuStepEpoch", QStringLiteral("S&tep One Epoch"), QKeySequence(Qt::Key_F6));
    connect(m_stepAction, &QAction::triggered, this, [this] { Step(); });
    menu->addSeparator();
    auto* speeds = new QActionGroup(this);
    for (std::size_t k = 0; k < std::size(AllReplaySpeeds); ++k) {
        const ReplaySpeed speed = AllReplaySpeeds[k];
        QAction* action = MenuAction(*menu, SpeedTextsInOrder[k].ObjectName,
                                     QString::fromLatin1(SpeedTextsInOrder[k].MenuCaption),
                                     QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + static_cast<int>(k))));
        action->setCheckable(true);
        speeds->addAction(action);
        connect(action, &QAction::triggered, this, [this, speed] { ChooseSpeed(speed); });
        m_speedActions[k] = action;
    }
    menu->addSeparator();
    connect(MenuAction(*menu, "mnuSeekBack", QStringLiteral("Go &Back 5%"), QKeySequence(Qt::CTRL | Qt::Key_Left)),
            &QAction::triggered, this, [this] { SeekBy(-5); });
    connect(MenuAction(*menu, "mnuSeekForward", QStringLiteral("Go &Forward 5%"),
                       QKeySequence(Qt::CTRL | Qt::Key_Right)),
            &QAction::triggered, this, [this] { SeekBy(5); });

    m_bar = new QToolBar(QStringLiteral("Replay"), &window);
    m_bar->setObjectName(QStringLiteral("tlbReplay"));
    m_bar->setMovable(false);
    m_bar->setFloatable(false);
    m_bar->setIconSize(QSize(12, 12));
    m_bar->setContextMenuPolicy(Qt::PreventContextMenu);
    m_bar->toggleViewAction()->setVisible(false);

    m_speed = new QComboBox(m_bar);
    m_speed->setObjectName(QStringLiteral("cboReplaySpeed"));
    m_speed->setAccessibleName(QStringLiteral("Replay speed"));
    m_speed->setToolTip(QStringLiteral("Replay speed (Ctrl+1 to Ctrl+6)"));
    m_speed->setFocusPolicy(Qt::TabFocus);
    for (const SpeedTexts& texts : SpeedTextsInOrder)
        m_speed->addItem(QString::fromLatin1(texts.Name));
    connect(m_speed, &QComboBox::activated, this,
            [this](int index) { ChooseSpeed(AllReplaySpeeds[static_cast<std::size_t>(index)]); });
    m_bar->addWidget(m_speed);

    m_pause = new QToolButton(m_bar);
    m_pause->setObjectName(QStringLiteral("cmdPause"));
    // As wide as its longer caption, so the bar does not shift when it changes.
    m_pause->setText(QStringLiteral("Resume"));
    m_pause->setMinimumWidth(m_pause->sizeHint().width());
    m_pause->setText(QStringLiteral("Pause"));
    m_pause->setToolTip(QStringLiteral("Pause or resume the replay (Space)"));
    connect(m_pause, &QToolButton::clicked, this, [this] { TogglePause(); });
    m_bar->addWidget(m_pause);

    m_step = new QToolButton(m_bar);
    m_step->setObjectName(QStringLiteral("cmdStepEpoch"));
    m_step->setText(QStringLiteral("Step"));
    m_step->setToolTip(QStringLiteral("Read up to and including the next GGA, then pause (F6)"));
    connect(m_step, &QToolButton::clicked, this, [this] { Step(); });
    m_bar->addWidget(m_step);

    m_position = new QSlider(Qt::Horizontal, m_bar);
    m_position->setObjectName(QStringLiteral("sldReplayPosition"));
    m_position->setAccessibleName(QStringLiteral("Position in the log"));
    m_position->setToolTip(QStringLiteral("Where the replay stands in the log; let go to continue from there"));
    m_position->setRange(0, SliderSteps);
    m_position->setPageStep(SliderSteps / 20);
    m_position->setMinimumWidth(80);
    connect(m_position, &QSlider::sliderPressed, this, [this] { m_dragging = true; });
    connect(m_position, &QSlider::sliderReleased, this, [this] {
        m_dragging = false;
        SeekToSlider();
    });
    // Keys and clicks beside the handle move it by steps; each lands as a seek.
    connect(m_position, &QSlider::actionTriggered, this, [this](int action) {
        if (action != QAbstractSlider::SliderMove)
            QTimer::singleShot(0, this, [this] { SeekToSlider(); });
    });
    m_bar->addWidget(m_position);

    m_time = new QLabel(m_bar);
    m_time->setObjectName(QStringLiteral("lblReplayTime"));
    m_time->setAccessibleName(QStringLiteral("Receiver time of the current line"));
    m_time->setToolTip(QStringLiteral("Receiver time (UTC) of the last line read that carried a good one"));
    m_bar->addWidget(m_time);

    m_progress = new QLabel(m_bar);
    m_progress->setObjectName(QStringLiteral("lblReplayProgress"));
    m_progress->setAccessibleName(QStringLiteral("Replay progress"));
    m_progress->setToolTip(QStringLiteral("Share of the log read, and the time left at the chosen speed"));
    m_bar->addWidget(m_progress);
    // Room for the longest texts, so the bar keeps its width as they change.
    m_time->setMinimumWidth(m_time->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00.0 ")));
    m_progress->setMinimumWidth(
        m_progress->fontMetrics().horizontalAdvance(QStringLiteral("100.0%, 00:00:00 left ")));

    window.addToolBar(Qt::TopToolBarArea, m_bar);
    m_bar->setVisible(false);

    m_refresh.setObjectName(QStringLiteral("tmrReplayControls"));
    connect(&m_refresh, &QTimer::timeout, this, [this] { Update(); });
    m_refresh.start(250);
}

void QtReplayControls::Update()
{
    const bool wanted = Replaying();
    if (m_bar->isVisibleTo(m_bar->parentWidget()) != wanted) {
        m_bar->setVisible(wanted);
        if (m_visibilityChanged)
            m_visibilityChanged();
    }
    ShowSpeed();
    const bool paused = m_pump.Paused();
    const QString pauseCaption = paused ? QStringLiteral("Resume") : QStringLiteral("Pause");
    if (m_pause->text() != pauseCaption) {
        m_pause->setText(pauseCaption);
        m_pauseAction->setText(paused ? QStringLiteral("&Resume") : QStringLiteral("&Pause"));
    }
    if (!wanted)
        return;

    const ReplayPosition position = m_pump.Position();
    if (!m_dragging) {
        const int value = static_cast<int>(std::lround(position.Percent() * SliderSteps / 100.0));
        if (m_position->value() != value) {
            const QSignalBlocker quiet(m_position);
            m_position->setValue(value);
        }
    }
    const QString time = position.ReceiverTime ? QString::fromStdString(FormatReceiverTime(*position.ReceiverTime))
                                               : QStringLiteral("--:--:--");
    if (m_time->text() != time) {
        m_time->setText(time);
        m_position->setAccessibleDescription(time);
    }
    QString progress = QStringLiteral("%1%").arg(position.Percent(), 0, 'f', 1);
    if (m_pump.Rebuilding())
        progress += QStringLiteral(" seeking");
    else if (position.RemainingSeconds && !paused && m_settings.InputRunning)
        progress += QStringLiteral(", %1 left").arg(Duration(*position.RemainingSeconds));
    if (m_progress->text() != progress) {
        m_progress->setText(progress);
        m_position->setAccessibleName(QStringLiteral("Position in the log, %1").arg(progress));
    }
}

void QtReplayControls::ShowSpeed()
{
    const ReplaySpeed speed = EffectiveReplaySpeed(m_settings);
    const int index = static_cast<int>(speed);
    if (m_speed->currentIndex() != index)
        m_speed->setCurrentIndex(index);
    if (!m_speedActions[static_cast<std::size_t>(index)]->isChecked())
        m_speedActions[static_cast<std::size_t>(index)]->setChecked(true);
}

void QtReplayControls::ChooseSpeed(ReplaySpeed speed)
{
    if (!Replaying()) {
        ShowSpeed();
        return;
    }
    m_pump.SetSpeed(speed);
    Update();
}

void QtReplayControls::TogglePause()
{
    if (!Replaying())
        return;
    if (m_pump.Paused())
        m_pump.Resume();
    else
        m_pump.Pause();
    Update();
}

void QtReplayControls::Step()
{
    if (!Replaying())
        return;
    m_pump.Step();
    Update();
}

void QtReplayControls::SeekToSlider()
{
    if (!Replaying())
        return;
    const ReplayPosition position = m_pump.Position();
    m_pump.SeekTo(std::llround(static_cast<double>(position.Size) * m_position->value() / SliderSteps));
    Update();
}

void QtReplayControls::SeekBy(double percent)
{
    if (!Replaying())
        return;
    const ReplayPosition position = m_pump.Position();
    const double target = std::clamp(position.Percent() + percent, 0.0, 100.0);
    m_pump.SeekTo(std::llround(static_cast<double>(position.Size) * target / 100.0));
    Update();
}

} // namespace trakora
