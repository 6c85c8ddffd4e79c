#include "views/frmSatInfo.h"

#include "common/SkyPlotGeometry.h"
#include "common/WindowRoutines.h"
#include "views/SatInfoGeometry.h"
#include "views/SatelliteTablePanel.h"
#include "views/SignalGauge.h"

#include <QLabel>

namespace trakora {

using namespace SatInfoGeometry;

// Once shown, the table stays while the window is open, so a sky on the edge
// of twelve satellites does not flip between the two views.
bool frmSatInfo::TableWanted()
{
    if (m_context.Settings.Talkers != TalkerFilter::AllGnss)
        return false;
    return m_tableShown || SatelliteRows::NeedsTable(m_context.Gnss.Satellites);
}

void frmSatInfo::ShowTable(bool shown)
{
    if (m_table == nullptr) {
        m_table = new SatelliteTablePanel(this);
        m_table->move(TwipsToPixelsX(TableLeft), TwipsToPixelsY(TableTop));
        m_table->hide();
        // Everything on the left is either part of the twelve columns or lies below them.
        const int gridBottom = TwipsToPixelsY(GridBottom);
        const int right = TwipsToPixelsX(SmallShapeLeft);
        for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child == m_table || child->x() >= right)
                continue;
            (child->y() < gridBottom ? m_gridControls : m_lowerControls).push_back(child);
        }
    }
    const int extra =
        shown ? m_table->y() + m_table->height() + TwipsToPixelsY(TableGap) - TwipsToPixelsY(GridBottom) : 0;
    const int shift = extra - m_tableExtraHeight;
    m_tableExtraHeight = extra;
    for (QWidget* control : m_lowerControls)
        control->move(control->x(), control->y() + shift);
    ShowGrid(!shown);
    m_table->setVisible(shown);
    m_tableShown = shown;
    if (!shown)
        m_rows.Clear();
    ShowHideExtended();
    FitHistogramArea();
}

// The columns come back empty and are filled afresh by the next refresh;
// their gauges show again as their signals do.
void frmSatInfo::ShowGrid(bool shown)
{
    for (QWidget* control : m_gridControls)
        control->setVisible(shown && dynamic_cast<SignalGauge*>(control) == nullptr);
    if (!shown)
        return;
    for (int i = 0; i < SatSlots; ++i)
        for (QLabel* caption : {m_lblPRN[i], m_lblElev[i], m_lblAz[i], m_lblSS[i]})
            caption->clear();
    m_painted.Slots.fill({});
}

void frmSatInfo::ShowTableRows(std::int64_t& signalTotal)
{
    m_rows.Update(m_context.Gnss.Satellites);
    for (int i = 0; i < m_rows.Count(); ++i) {
        const SatelliteRow& row = m_rows.Row(i);
        if (row.Used && row.Snr >= 1)
            signalTotal += row.Snr;
        if (!OnSky(row.Elevation, row.Azimuth))
            continue;
        if (row.Elevation < m_maskAngle)
            m_maskAngle = row.Elevation;
        if (row.Used && row.Snr > 0 && row.Elevation < m_lowestTrackedElevation)
            m_lowestTrackedElevation = row.Elevation;
    }
}

} // namespace trakora
