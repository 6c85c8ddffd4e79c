#include "views/frmSatPositions.h"

#include "common/LeadingNumber.h"
#include "common/LoadProgramSettings.h"
#include "common/SkyPlotGeometry.h"
#include "common/WindowRoutines.h"
#include "views/CircleShape.h"
#include "views/SkyPlotCanvas.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <string>

namespace trakora {

namespace {

const QColor LightCyan(192, 255, 255);
const QColor Grey(128, 128, 128);
constexpr int DefaultDotSize = 3;
constexpr int DefaultWidthTwips = 3708;

QString DotSizeText(int size)
{
    if (size == 0)
        return QStringLiteral("&No Track Dots");
    const QString digits = QString::number(size);
    return digits.left(digits.size() - 1) + QLatin1Char('&') + digits.right(1);
}

QLabel* MakeLabel(const QString& text, QWidget* parent, const QColor& back, const QColor* fore, QSize size)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, back);
    if (fore)
        palette.setColor(QPalette::WindowText, *fore);
    label->setPalette(palette);
    label->resize(size);
    label->hide();
    return label;
}

// A slot is drawn when it holds a PRN at a place on the sky.
bool Plotted(const GpsState& gps, int slot)
{
    return gps.SatPRN[slot] >= 1 && OnSky(gps.SatElevation[slot], gps.SatAzimuth[slot]);
}

} // namespace

frmSatPositions::frmSatPositions(ProgramContext& context, QWidget* parent)
    : TrackedWindow(context, "SatPos", "SatPos", &ProgramSettings::ShowingSatPos, parent)
{
    setWindowTitle(QStringLiteral("Satellite Positions"));
    setObjectName(QStringLiteral("frmSatPositions"));
    QFont bold = font();
    bold.setPointSizeF(8.25);
    bold.setBold(true);
    setFont(bold);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, LightCyan);
    setPalette(palette);
    setMinimumWidth(TwipsToPixelsX(1440));

    m_canvas = new SkyPlotCanvas(this);
    m_canvas->setObjectName(QStringLiteral("SkyPlot"));
    m_canvas->setAccessibleName(QStringLiteral("Sky plot"));
    m_canvas->setAccessibleDescription(QStringLiteral("No satellites"));
    BuildMenus();
    BuildMarks();
    BuildSystemsMenu();
    EnableDragMove(this);

    // Load: the window counts as open from here on.
    MarkOpen();
    RestorePosition();
    int dotSize = LeadingWholeNumber(m_context.Store.Get("SatPos", "DotSize", std::to_string(DefaultDotSize)));
    // A stored size that names no menu entry falls back to the usual size.
    if (dotSize < 0 || dotSize > 20)
        dotSize = DefaultDotSize;
    m_dotSize = dotSize;
    m_dotActions[dotSize]->setChecked(true);
    const int width = FittingWidth(StoredLengthPixelsX(m_context.Store, "SatPos", "Width", DefaultWidthTwips));
    resize(width, MenuBarHeight(width) + width);
    if (ReadTruthValue(m_context.Store.Get("Showing", "Circular", "0")))
        MakeItCircular();
    else
        MakeItSquare();
    m_inLoad = false;
}

void frmSatPositions::BuildMenus()
{
    m_menuBar = new QMenuBar(this);
    m_menuBar->setNativeMenuBar(false);
    // Menus keep the ordinary weight of the desktop, not the plot's bold.
    QFont menuFont = QApplication::font();
    menuFont.setBold(false);
    m_menuBar->setFont(menuFont);
    m_dotSizeMenu = m_menuBar->addMenu(QStringLiteral("&Sat Track Dot Size"));
    m_dotSizeMenu->setObjectName(QStringLiteral("mnuDotSize"));
    auto* group = new QActionGroup(this);
    group->setExclusive(true);
    for (int i = 0; i <= 20; ++i) {
        QAction* action = m_dotSizeMenu->addAction(DotSizeText(i));
        action->setObjectName(QStringLiteral("mnuDot_%1").arg(i));
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, i] { ChooseDotSize(i); });
        m_dotActions[i] = action;
    }
    m_circularAction = m_menuBar->addAction(QStringLiteral("&Make Circular"));
    m_circularAction->setObjectName(QStringLiteral("mnuMakeCircular"));
    connect(m_circularAction, &QAction::triggered, this, [this] { ChangeCircularity(); });
}

void frmSatPositions::BuildMarks()
{
    const QColor red(Qt::red);
    const QSize poleSize(TwipsToPixelsX(165), TwipsToPixelsY(195));
    m_north = MakeLabel(QStringLiteral("N"), m_canvas, LightCyan, &red, poleSize);
    m_north->setObjectName(QStringLiteral("lblNorth"));
    m_north->setAccessibleName(QStringLiteral("North celestial pole"));
    m_south = MakeLabel(QStringLiteral("S"), m_canvas, LightCyan, &red, poleSize);
    m_south->setObjectName(QStringLiteral("lblSouth"));
    m_south->setAccessibleName(QStringLiteral("South celestial pole"));
    for (int p = 1; p <= 32; ++p) {
        m_tracked[p - 1] = MakeSatLabel(p, true);
        m_notTracked[p - 1] = MakeSatLabel(p, false);
    }
    m_me = new CircleShape(m_canvas);
    m_me->setObjectName(QStringLiteral("shpMe"));
    m_me->setAccessibleName(QStringLiteral("Observer"));
    m_me->hide();
}

QLabel* frmSatPositions::MakeSatLabel(std::int32_t prn, bool tracked)
{
    const QString text = prn <= 32 ? QStringLiteral("%1").arg(prn, 2, 10, QLatin1Char('0')) : QString::number(prn);
    // Wide enough for the number in this font, never narrower than the usual size.
    QSize size(TwipsToPixelsX(228), TwipsToPixelsY(192));
    size.setWidth(std::max(size.width(), QFontMetrics(font()).horizontalAdvance(text) + 2));
    const QColor white(Qt::white);
    QLabel* label = MakeLabel(text, m_canvas, tracked ? LightCyan : Grey, tracked ? nullptr : &white, size);
    label->setObjectName(QStringLiteral("%1_%2").arg(tracked ? "lblSatTracked" : "lblSatNotTracked").arg(prn));
    label->setAccessibleName(QStringLiteral("Satellite %1").arg(prn));
    label->setAccessibleDescription(tracked ? QStringLiteral("used in the fix") : QStringLiteral("not used in the fix"));
    return label;
}

QLabel* frmSatPositions::SatLabel(std::int32_t prn, bool tracked)
{
    if (prn <= 32)
        return tracked ? m_tracked[prn - 1] : m_notTracked[prn - 1];
    auto it = m_extraLabels.find(prn);
    if (it == m_extraLabels.end()) {
        if (m_extraLabels.size() >= MaxExtraPrns)
            ForgetIdleExtraLabels();
        it = m_extraLabels.emplace(prn, std::array<QLabel*, 2>{MakeSatLabel(prn, true), MakeSatLabel(prn, false)}).first;
    }
    return it->second[tracked ? 0 : 1];
}

// A receiver reporting ever new PRNs would otherwise add two labels each for
// the rest of the run. Labels on the plot, or about to be placed, are kept.
void frmSatPositions::ForgetIdleExtraLabels()
{
    const auto inUse = [this](const std::array<QLabel*, 2>& pair) {
        for (QLabel* label : pair) {
            if (std::find(m_shownLabels.begin(), m_shownLabels.end(), label) != m_shownLabels.end() ||
                std::any_of(m_wantedLabels.begin(), m_wantedLabels.end(),
                            [label](const auto& entry) { return entry.first == label; }))
                return true;
        }
        return false;
    };
    for (auto it = m_extraLabels.begin(); it != m_extraLabels.end();) {
        if (inUse(it->second)) {
            ++it;
            continue;
        }
        for (QLabel* label : it->second)
            delete label;
        it = m_extraLabels.erase(it);
    }
}

void frmSatPositions::TimerPop()
{
    UpdateModel();
    Paint();
}

void frmSatPositions::UpdateModel()
{
    if (m_context.Gps.SatViewComplete)
        TakeSky();
}

void frmSatPositions::ResetModel()
{
    if (m_lastWidth > 0) {
        m_canvas->Clear(m_lastWidth);
        m_canvas->DrawRings(m_plotRadius);
    }
    m_lastDots.fill({});
    m_lastSystemDots.fill({});
    m_sky.clear();
    m_pole = {};
    m_skyChanged = true;
}

// The plot is square, so its side must fit the screen both ways.
int frmSatPositions::FittingWidth(int wanted) const
{
    const QSize room = AvailableClientSize();
    const int width = std::min(wanted, room.width());
    return std::max(minimumWidth(), std::min(width, room.height() - MenuBarHeight(width)));
}

int frmSatPositions::MenuBarHeight(int width) const
{
    const int height = m_menuBar->heightForWidth(width);
    return height > 0 ? height : m_menuBar->sizeHint().height();
}

void frmSatPositions::resizeEvent(QResizeEvent* event)
{
    TrackedWindow::resizeEvent(event);
    Layout();
}

// The menu bar is the non-client part: the plot below it is kept exactly as
// tall as the window is wide.
void frmSatPositions::Layout()
{
    if (isMinimized() || m_inLoad || m_inResize)
        return;
    m_inResize = true;
    const int width = FittingWidth(this->width());
    if (width != m_lastWidth) {
        m_canvas->Clear(width);
        m_lastWidth = width;
    }
    const int menuHeight = MenuBarHeight(width);
    const QSize outer(width, menuHeight + width);
    if (size() != outer)
        resize(outer);
    m_menuBar->setGeometry(0, 0, width, menuHeight);
    m_canvas->setGeometry(0, menuHeight, width, width);
    SetOutline(m_circular, outer);
    m_inResize = false;

    m_plotRadius = static_cast<int>(std::lround(width / 2.0));
    m_lastDots.fill({});
    m_lastSystemDots.fill({});
    m_canvas->DrawRings(m_plotRadius);
    if (m_context.Settings.InputRunning) {
        PlotSats();
    } else {
        // Input stopped: keep the last picture, re-placed at the new scale.
        if (m_systemsView)
            PlaceMarkers();
        else
            PlaceLabels(m_lastSky);
        if (m_pole.Known)
            PlacePoleMarker(m_pole);
    }
    PlaceLegend();
    SavePlacement();

    const int side = static_cast<int>(std::lround(ObserverMarkSide(m_plotRadius, TwipsToPixelsX(40))));
    m_me->setGeometry(m_plotRadius - side / 2, m_plotRadius - side / 2, side, side);
    m_me->show();
}

void frmSatPositions::PlotSats()
{
    TakeSky();
    Paint();
}

void frmSatPositions::TakeSky()
{
    if (!m_context.Settings.InputRunning || m_plotRadius <= 0)
        return;
    const GpsState& gps = m_context.Gps;
    const char direction = gps.LatDir[0];
    if (direction == 'N' || direction == 'S')
        m_pole = {gps.Latitude, direction == 'S', true};
    const bool systemsView = SystemsViewWanted();
    if (systemsView != m_systemsView)
        ShowSystemsView(systemsView);
    if (m_systemsView) {
        TakeAllSystems();
        m_skyChanged = true;
        return;
    }
    m_sky.clear();
    for (int k = 0; k < SatSlots; ++k) {
        if (Plotted(gps, k))
            m_sky.push_back({gps.SatPRN[k], gps.SatElevation[k], gps.SatAzimuth[k], gps.SatUsed[k]});
    }
    DrawTrackDots();
    m_skyChanged = true;
}

void frmSatPositions::Paint()
{
    if (!m_skyChanged)
        return;
    m_skyChanged = false;
    if (m_pole.Known) {
        PlacePoleMarker(m_pole);
    } else {
        m_north->hide();
        m_south->hide();
    }
    if (m_systemsView) {
        PlaceMarkers();
        DescribeSystemsSky();
        return;
    }
    PlaceLabels(m_sky);
    if (m_sky != m_lastSky) {
        m_lastSky = m_sky;
        DescribeSky();
    }
}

void frmSatPositions::PlacePoleMarker(const PoleFix& pole)
{
    QLabel* marker = pole.South ? m_south : m_north;
    QLabel* other = pole.South ? m_north : m_south;
    const double radius = m_plotRadius;
    const QPoint at(static_cast<int>(std::lround(radius - marker->width() / 2.0)),
                    static_cast<int>(std::lround(PoleMarkerTop(radius, m_canvas->height(), pole.Latitude, pole.South,
                                                               marker->height()))));
    if (marker->pos() != at)
        marker->move(at);
    // Shown and hidden by state, not only on a move: a fix that returns to a
    // hemisphere at the same latitude must bring its marker back.
    if (marker->isHidden())
        marker->show();
    if (!other->isHidden())
        other->hide();
}

void frmSatPositions::DrawTrackDots()
{
    if (m_dotSize <= 0)
        return;
    const GpsState& gps = m_context.Gps;
    for (int k = 0; k < SatSlots; ++k) {
        if (!Plotted(gps, k) || !gps.SatUsed[k])
            continue;
        const SkyPoint p = SkyPosition(m_plotRadius, gps.SatElevation[k], gps.SatAzimuth[k]);
        const QPoint at(static_cast<int>(std::lround(p.X)), static_cast<int>(std::lround(p.Y)));
        // A dot already drawn at the same place and size is not drawn again.
        DrawnDot& last = m_lastDots[k];
        if (last.At == at && last.Width == m_dotSize)
            continue;
        m_canvas->DrawDot(at, m_dotSize);
        last = {at, m_dotSize};
    }
}

void frmSatPositions::PlaceLabels(const std::vector<PlottedSat>& sky)
{
    m_wantedLabels.clear();
    for (const PlottedSat& sat : sky) {
        QLabel* label = SatLabel(sat.Prn, sat.Used);
        const SkyPoint p = SkyPosition(m_plotRadius, sat.Elevation, sat.Azimuth);
        const QPoint at(static_cast<int>(std::lround(p.X - label->width() / 2.0)),
                        static_cast<int>(std::lround(p.Y - label->height() / 2.0)));
        m_wantedLabels.emplace_back(label, at);
    }
    for (QLabel* label : m_shownLabels) {
        const bool wanted = std::any_of(m_wantedLabels.begin(), m_wantedLabels.end(),
                                        [label](const auto& entry) { return entry.first == label; });
        if (!wanted)
            label->hide();
    }
    m_shownLabels.clear();
    for (const auto& [label, at] : m_wantedLabels) {
        if (label->pos() != at)
            label->move(at);
        if (label->isHidden())
            label->show();
        m_shownLabels.push_back(label);
    }
}

void frmSatPositions::DescribeSky()
{
    QStringList parts;
    for (const PlottedSat& sat : m_lastSky) {
        parts << QStringLiteral("PRN %1 %2, elevation %3, azimuth %4")
                     .arg(sat.Prn)
                     .arg(sat.Used ? QStringLiteral("used") : QStringLiteral("not used"))
                     .arg(sat.Elevation)
                     .arg(sat.Azimuth);
    }
    m_canvas->setAccessibleDescription(parts.isEmpty() ? QStringLiteral("No satellites") : parts.join(QStringLiteral("; ")));
}

void frmSatPositions::ChooseDotSize(int size)
{
    m_dotActions[size]->setChecked(true);
    m_dotSize = size;
    m_context.Store.Save("SatPos", "DotSize", std::to_string(size));
}

void frmSatPositions::MakeItCircular()
{
    SetOutline(true, size());
}

void frmSatPositions::MakeItSquare()
{
    SetOutline(false, size());
}

// The round outline starts below the menu bar and reaches the right and
// bottom edges, so it circles the square plot. A round window has no frame
// and is moved by dragging its body.
void frmSatPositions::SetOutline(bool circular, QSize outer)
{
    // Set first: changing the frame below re-shows the window, whose layout
    // re-applies the outline from this flag.
    m_circular = circular;
    if (m_legend != nullptr)
        PlaceLegend();
    if (circular) {
        const int top = MenuBarHeight(outer.width());
        setMask(QRegion(QRect(0, top, outer.width(), outer.height() - top), QRegion::Ellipse));
    } else {
        setMask(QRegion(QRect(QPoint(0, 0), outer)));
    }
    if (windowFlags().testFlag(Qt::FramelessWindowHint) != circular) {
        const bool wasVisible = isVisible();
        const QRect place = geometry();
        setWindowFlag(Qt::FramelessWindowHint, circular);
        setGeometry(place);
        if (wasVisible)
            show();
    }
    m_context.Store.Save("Showing", "Circular", FlagText(circular));
}

void frmSatPositions::ChangeCircularity()
{
    if (m_circular)
        MakeItSquare();
    else
        MakeItCircular();
    KeepOnScreen();
    // A frame given back is only known once the window system has placed it.
    if (!m_circular)
        QTimer::singleShot(0, this, [this] { KeepOnScreen(); });
}

void frmSatPositions::KeepOnScreen()
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    // A round window has no frame; the toolkit's idea of the frame lags
    // behind a change between framed and frameless, so it is not asked then.
    const QRect frame = m_circular ? geometry() : frameGeometry();
    const QPoint clientOffset = geometry().topLeft() - frame.topLeft();
    int left = frame.x();
    int top = frame.y();
    if (left < area.left())
        left = area.left();
    if (top < area.top())
        top = area.top();
    if (left + frame.width() > area.left() + area.width())
        left = area.left() + area.width() - frame.width();
    if (top + frame.height() > area.top() + area.height())
        top = area.top() + area.height() - frame.height();
    if (left != frame.x() || top != frame.y())
        setGeometry(QRect(QPoint(left, top) + clientOffset, size()));
}

void frmSatPositions::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Only the background toggles; a double click on a label does not.
    QWidget* hit = childAt(event->position().toPoint());
    if (hit == nullptr || hit == m_canvas)
        ChangeCircularity();
}

// The menu bar is cut away by the round outline; the same menus stay at hand here.
void frmSatPositions::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addMenu(m_dotSizeMenu);
    menu.addAction(m_circularAction);
    if (m_systemsView) {
        menu.addSeparator();
        menu.addAction(m_legendAction);
        for (QAction* system : m_systemActions)
            menu.addAction(system);
    }
    menu.exec(event->globalPos());
}

} // namespace trakora
