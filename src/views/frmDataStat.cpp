#include "views/frmDataStat.h"

#include "common/Formatting.h"
#include "common/NumberFormat.h"
#include "common/WindowRoutines.h"

#include <QLabel>

#include <algorithm>

namespace trakora {

namespace {

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
      m_magVar(AddValueLabel(this, "lblMagVar", "Magnetic Variation", 2370, 480, 1050, 225)),
      m_background(this)
{
    setObjectName(QStringLiteral("frmDataStat"));
    setWindowTitle(QStringLiteral("Data Status"));
    setFont(DialogFont(8.25));
    setFixedSize(TwipsToPixelsX(3990), TwipsToPixelsY(795));

    AddCaptionLabel(this, "lblDatumHeading", "Datum", 30, 120, 660, 195);
    AddCaptionLabel(this, "lblDataHeading", "Data", 1950, 120, 540, 195);
    AddCaptionLabel(this, "lblMagVarHeading", "Magnetic Variation", 510, 480, 1695, 195);

    EnableDragMove(this);
    MarkOpen();
    RestorePosition();
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
    for (Readout* readout : {&m_datum, &m_validity, &m_magVar})
        readout->Paint();
    m_background.Paint();
}

void frmDataStat::ResetModel()
{
    for (Readout* readout : {&m_datum, &m_validity, &m_magVar})
        readout->Show("");
    m_background.Show(false);
}

void frmDataStat::RefreshDataStat()
{
    if (!m_context.Settings.InputRunning)
        return;
    const GpsState& gps = m_context.Gps;

    const bool valid = gps.RMCStatus == "A" || gps.GLLStatus == "A";
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
}

} // namespace trakora
