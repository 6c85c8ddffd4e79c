#include "views/frmDataStat.h"

#include "common/Formatting.h"
#include "common/NumberFormat.h"
#include "common/SatelliteRows.h"
#include "common/WindowRoutines.h"
#include "nmea/FixValidity.h"
#include "nmea/GnssDecoders.h"

#include <QLabel>

#include <algorithm>

namespace trakora {

namespace {

constexpr int WindowWidth = 3990;
constexpr int WindowHeight = 795;
constexpr int ReceiverRowsHeight = 765; // the two rows a receiver of today adds

std::string_view TrimBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

frmDataStat::frmDataStat(ProgramContext& context, QWidget* parent)
    : TrackedWindow(context, "DataStat", "DataStat", &ProgramSettings::ShowingDataStat, parent),
      m_datum(AddValueLabel(this, "lblDatum", "Datum", 795, 120, 1050, 225)),
      m_validity(AddValueLabel(this, "lblValidity", "Data", 2565, 120, 1050, 225)),
      m_magVar(AddValueLabel(this, "lblMagVar", "Magnetic variation", 2370, 480, 1050, 225)),
      m_fixQuality(AddValueLabel(this, "lblFixQuality", "Fix Quality", 990, 840, 2910, 225)),
      m_systems(AddValueLabel(this, "lblSystems", "Systems used in the fix", 990, 1200, 2910, 225)),
      m_background(this, {&m_datum, &m_validity, &m_magVar, &m_fixQuality, &m_systems})
{
    setObjectName(QStringLiteral("frmDataStat"));
    setWindowTitle(QStringLiteral("Data Status"));
    setFont(DialogFont(8.25));
    setFixedSize(TwipsToPixelsX(WindowWidth), TwipsToPixelsY(WindowHeight));

    AddCaptionLabel(this, "lblDatumHeading", "Datum", 30, 120, 660, 195);
    AddCaptionLabel(this, "lblDataHeading", "Data", 1950, 120, 540, 195);
    AddCaptionLabel(this, "lblMagVarHeading", "Magnetic Variation", 510, 480, 1695, 195);
    m_receiverRows = {AddCaptionLabel(this, "lblFixQualityHeading", "Fix", 30, 840, 870, 195), m_fixQuality.Label(),
                      AddCaptionLabel(this, "lblSystemsHeading", "Systems", 30, 1200, 870, 195), m_systems.Label()};
    for (QWidget* control : m_receiverRows)
        control->hide();

    EnableDragMove(this);
    MarkOpen();
    RestorePosition();
    // Reopened after a minimise or while input is stopped, the window shows
    // the last state at once.
    if (ReceiverHasReported()) {
        RefreshDataStat(true);
        Paint();
    }
}

void frmDataStat::TimerPop()
{
    UpdateModel();
    Paint();
}

void frmDataStat::UpdateModel()
{
    RefreshDataStat();
}

void frmDataStat::Paint()
{
    for (Readout* readout : {&m_datum, &m_validity, &m_magVar, &m_fixQuality, &m_systems})
        readout->Paint();
    m_background.Paint();
}

void frmDataStat::ResetModel()
{
    for (Readout* readout : {&m_datum, &m_validity, &m_magVar, &m_fixQuality, &m_systems})
        readout->Show("");
    m_shownSystems = 0;
    m_background.Show(false);
}

void frmDataStat::RefreshDataStat(bool evenIfStopped)
{
    if (!m_context.Settings.InputRunning && !evenIfStopped)
        return;
    const GpsState& gps = m_context.Gps;

    const bool valid = DataCountsAsValid(gps, m_context.Gnss, m_context.Settings.Talkers);
    m_validity.Show(valid ? "Valid" : "Invalid");
    m_background.Show(valid);

    if (gps.MagVar == 0.0f) {
        m_magVar.Show("True North");
    } else {
        std::string text = ShortestFloatText(gps.MagVar);
        std::replace(text.begin(), text.end(), '.', DisplayDecimalPoint(m_context.Settings));
        text += DegreeSign;
        text += ' ';
        text += gps.MagVarDir.View();
        m_magVar.Show(text);
    }

    m_datum.Show(TrimBlanks(gps.MapDatum));

    const bool receiverRows = ReceiverRowsWanted();
    if (receiverRows != m_receiverRowsShown)
        ShowReceiverRows(receiverRows);
    if (receiverRows) {
        m_fixQuality.Show(FixQualityName(gps.FixQuality));
        ShowSystems(UsedSystems(m_context.Gnss.Satellites));
    }
}

// Five or more systems do not fit the box by their full names; the short
// ones do, and the tooltip keeps the full ones.
void frmDataStat::ShowSystems(GnssSystemSet systems)
{
    if (systems == m_shownSystems)
        return;
    m_shownSystems = systems;
    const std::string full = SystemsText(systems);
    QLabel* label = m_systems.Label();
    const bool fits = label->fontMetrics().horizontalAdvance(Q(full)) <= label->contentsRect().width() - 8;
    m_systems.Show(fits ? full : SystemsText(systems, true));
    label->setToolTip(Q(full));
}

// The rows appear once the receiver reports more than a GPS receiver of old
// (satellites of another system, more than twelve, an RTK fix), and stay
// while the window is open; an old receiver's window looks as it always did.
bool frmDataStat::ReceiverRowsWanted() const
{
    if (m_context.Settings.Talkers != TalkerFilter::AllGnss)
        return false;
    const char quality = m_context.Gps.FixQuality[0];
    return m_receiverRowsShown || quality == '4' || quality == '5' ||
           SatelliteRows::NeedsTable(m_context.Gnss.Satellites);
}

void frmDataStat::ShowReceiverRows(bool shown)
{
    for (QWidget* control : m_receiverRows)
        control->setVisible(shown);
    setFixedSize(TwipsToPixelsX(WindowWidth), TwipsToPixelsY(WindowHeight + (shown ? ReceiverRowsHeight : 0)));
    // Below the old window's bottom the rows had no room to be fitted at open.
    FitLabelsToLineHeight(*this);
    m_receiverRowsShown = shown;
}

} // namespace trakora
