#include "views/frmSatPositions.h"

#include "common/LeadingNumber.h"
#include "common/LoadProgramSettings.h"
#include "common/SkyPlotGeometry.h"
#include "common/WindowRoutines.h"
#include "views/SkyLegend.h"
#include "views/SkyMarker.h"
#include "views/SkyPlotCanvas.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include <cmath>
#include <string>

namespace trakora {

namespace {

char SystemLetter(GnssSystem system)
{
    return DisplayName(SatelliteId{system, 1})[0];
}

QString SystemText(GnssSystem system)
{
    const std::string_view name = SystemName(system);
    return QString::fromLatin1(name.data(), static_cast<int>(name.size()));
}

QPoint Rounded(const SkyPoint& p)
{
    return {static_cast<int>(std::lround(p.X)), static_cast<int>(std::lround(p.Y))};
}

} // namespace

void frmSatPositions::BuildSystemsMenu()
{
    m_legend = new SkyLegend(m_canvas);
    m_legend->setObjectName(QStringLiteral("SkyLegend"));
    m_legendWanted = ReadTruthValue(m_context.Store.Get("SatPos", "Legend", "-1"));
    for (char letter : m_context.Store.Get("SatPos", "HiddenSystems", ""))
        for (int s = 0; s < GnssSystemCount; ++s)
            if (SystemLetter(static_cast<GnssSystem>(s)) == letter)
                m_hiddenSystems |= SystemBit(static_cast<GnssSystem>(s));

    m_systemsMenu = m_menuBar->addMenu(QStringLiteral("S&ystems"));
    m_systemsMenu->setObjectName(QStringLiteral("mnuSystems"));
    m_legendAction = m_systemsMenu->addAction(QStringLiteral("Show &Legend"));
    m_legendAction->setObjectName(QStringLiteral("mnuLegend"));
    m_legendAction->setCheckable(true);
    m_legendAction->setChecked(m_legendWanted);
    connect(m_legendAction, &QAction::triggered, this, [this](bool checked) { ShowLegend(checked); });
    m_systemsMenu->addSeparator();
    for (int s = 0; s < GnssSystemCount; ++s) {
        const auto system = static_cast<GnssSystem>(s);
        QAction* action = m_systemsMenu->addAction(SystemText(system));
        action->setObjectName(QStringLiteral("mnuSystem_%1").arg(SystemText(system)));
        action->setCheckable(true);
        action->setChecked((m_hiddenSystems & SystemBit(system)) == 0);
        connect(action, &QAction::triggered, this, [this, system](bool checked) { ShowSystem(system, checked); });
        m_systemActions[static_cast<std::size_t>(s)] = action;
    }
    // A receiver of GPS only never sees the menu, so its window looks as it always did.
    m_systemsMenu->menuAction()->setVisible(false);
}

// Once shown, the view stays while the window is open, so a sky on the edge
// of twelve satellites does not flip between the two.
bool frmSatPositions::SystemsViewWanted()
{
    if (m_context.Settings.Talkers != TalkerFilter::AllGnss)
        return false;
    return m_systemsView || SatelliteRows::NeedsTable(m_context.Gnss.Satellites);
}

void frmSatPositions::ShowSystemsView(bool shown)
{
    m_systemsView = shown;
    if (shown) {
        for (QLabel* label : m_shownLabels)
            label->hide();
        m_shownLabels.clear();
        m_lastSky.clear();
        m_skySummary.clear();
        m_canvas->setAccessibleDescription(QStringLiteral("No satellites"));
    } else {
        for (SkyMarker* marker : m_markers)
            marker->hide();
        m_markerOf.fill(nullptr);
        m_rows.Clear();
        m_legend->hide();
    }
    const int before = MenuBarHeight(width());
    m_systemsMenu->menuAction()->setVisible(shown);
    // A menu bar that wraps onto another line moves the plot down.
    if (MenuBarHeight(width()) != before)
        Layout();
}

bool frmSatPositions::Drawn(const SatelliteRow& row) const
{
    return OnSky(row.Elevation, row.Azimuth) && (m_hiddenSystems & SystemBit(row.Id.System)) == 0;
}

void frmSatPositions::TakeAllSystems()
{
    m_rows.Update(m_context.Gnss.Satellites);
    DrawSystemTrackDots();
}

SkyMarker* frmSatPositions::MarkerFor(SatelliteId id)
{
    SkyMarker*& assigned = m_markerOf[static_cast<std::size_t>(SatelliteKey(id))];
    if (assigned != nullptr)
        return assigned;
    for (SkyMarker* marker : m_markers)
        if (m_markerOf[static_cast<std::size_t>(SatelliteKey(marker->Satellite()))] != marker)
            return assigned = marker;
    auto* marker = new SkyMarker(m_canvas);
    marker->setObjectName(QStringLiteral("SkyMarker_%1").arg(m_markers.size() + 1));
    // A new widget lies on top of its siblings; the key must stay readable.
    marker->stackUnder(m_legend);
    m_markers.push_back(marker);
    return assigned = marker;
}

// Markers of satellites gone (or of systems hidden) are let go first, so
// that the newcomers can take them.
void frmSatPositions::PlaceMarkers()
{
    std::array<bool, SatelliteKeys> drawn{};
    GnssSystemSet systems = 0;
    for (int i = 0; i < m_rows.Count(); ++i) {
        const SatelliteRow& row = m_rows.Row(i);
        if (Drawn(row)) {
            drawn[static_cast<std::size_t>(SatelliteKey(row.Id))] = true;
            systems |= SystemBit(row.Id.System);
        }
    }
    for (SkyMarker* marker : m_markers) {
        SkyMarker*& assigned = m_markerOf[static_cast<std::size_t>(SatelliteKey(marker->Satellite()))];
        if (assigned == marker && !drawn[static_cast<std::size_t>(SatelliteKey(marker->Satellite()))]) {
            assigned = nullptr;
            marker->hide();
        }
    }
    for (int i = 0; i < m_rows.Count(); ++i) {
        const SatelliteRow& row = m_rows.Row(i);
        if (!Drawn(row))
            continue;
        SkyMarker* marker = MarkerFor(row.Id);
        marker->SetSatellite(row);
        const QPoint at = Rounded(SkyPosition(m_plotRadius, row.Elevation, row.Azimuth)) - marker->Anchor();
        if (marker->pos() != at)
            marker->move(at);
        if (marker->isHidden())
            marker->show();
    }
    m_legend->SetSystems(systems);
    const bool legend = m_legendWanted && systems != 0;
    if (legend != m_legend->isVisible()) {
        PlaceLegend();
        m_legend->setVisible(legend);
    }
}

void frmSatPositions::DrawSystemTrackDots()
{
    if (m_dotSize <= 0)
        return;
    for (int i = 0; i < m_rows.Count(); ++i) {
        const SatelliteRow& row = m_rows.Row(i);
        if (!row.Used || !Drawn(row))
            continue;
        const QPoint at = Rounded(SkyPosition(m_plotRadius, row.Elevation, row.Azimuth));
        DrawnDot& last = m_lastSystemDots[static_cast<std::size_t>(SatelliteKey(row.Id))];
        if (last.At == at && last.Width == m_dotSize)
            continue;
        m_canvas->DrawDot(at, m_dotSize);
        last = {at, m_dotSize};
    }
}

// Each mark speaks for its satellite; the plot tells how many of each system it shows.
void frmSatPositions::DescribeSystemsSky()
{
    std::string summary = m_rows.SummaryText();
    if (summary == m_skySummary)
        return;
    m_skySummary = std::move(summary);
    m_canvas->setAccessibleDescription(m_skySummary.empty() ? QStringLiteral("No satellites")
                                                            : QString::fromStdString(m_skySummary));
}

// In a corner of the square plot; inside the circle when the window is round.
void frmSatPositions::PlaceLegend()
{
    const int inset = m_circular ? static_cast<int>(std::lround(m_plotRadius * (1.0 - std::sqrt(0.5)))) : 0;
    const QPoint at(inset + 3, inset + 3);
    if (m_legend->pos() != at)
        m_legend->move(at);
}

void frmSatPositions::ShowLegend(bool shown)
{
    m_legendWanted = shown;
    m_legendAction->setChecked(shown);
    m_context.Store.Save("SatPos", "Legend", FlagText(shown));
    if (m_systemsView) {
        PlaceLegend();
        m_legend->setVisible(shown && m_legend->Systems() != 0);
    }
}

void frmSatPositions::ShowSystem(GnssSystem system, bool shown)
{
    if (shown)
        m_hiddenSystems &= static_cast<GnssSystemSet>(~SystemBit(system));
    else
        m_hiddenSystems |= SystemBit(system);
    m_systemActions[static_cast<std::size_t>(system)]->setChecked(shown);
    std::string hidden;
    for (int s = 0; s < GnssSystemCount; ++s)
        if ((m_hiddenSystems & SystemBit(static_cast<GnssSystem>(s))) != 0)
            hidden += SystemLetter(static_cast<GnssSystem>(s));
    m_context.Store.Save("SatPos", "HiddenSystems", hidden);
    if (m_systemsView && m_plotRadius > 0)
        PlaceMarkers();
}

} // namespace trakora
