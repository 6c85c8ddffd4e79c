#include "views/frmShowPosition.h"

#include "common/Formatting.h"
#include "common/LocalClockTime.h"
#include "common/NumberFormat.h"
#include "common/Units.h"
#include "common/WindowRoutines.h"
#include "nmea/FixValidity.h"
#include "views/LargeTextLabel.h"

#include <QLabel>

#include <utility>

namespace trakora {

namespace {

QLabel* AddLocalValue(QWidget* parent, const char* name, const char* accessibleName, double left, double top,
                      double width, double height)
{
    QLabel* label = AddValueLabel(parent, name, accessibleName, left, top, width, height);
    label->setFont(DialogFont(9.75));
    return label;
}

QLabel* AddCourse(QWidget* parent)
{
    QLabel* label = PlaceTwipsLabel(new LargeTextLabel(parent), "lblCMG", QString(), 720, 1950, 2910, 1245,
                                    Qt::AlignCenter, true);
    label->setAccessibleName(QStringLiteral("Magnetic course"));
    label->setFont(FixedPitchFont(60));
    return label;
}

} // namespace

frmShowPosition::frmShowPosition(ProgramContext& context, QWidget* parent)
    : TrackedWindow(context, "ShowPos", "ShowPos", &ProgramSettings::ShowingShowPos, parent),
      m_localDate(AddLocalValue(this, "lblLocalDate", "Local date", 1290, 45, 1170, 330)),
      m_localTime(AddLocalValue(this, "lblLocalTime", "Local time", 2445, 45, 1170, 330)),
      m_utcDate(AddValueLabel(this, "lblUTCDate", "UTC date", 1770, 450, 930, 225)),
      m_utcTime(AddValueLabel(this, "lblUTCTime", "UTC time", 2685, 450, 930, 225)),
      m_lat(AddValueLabel(this, "lblLat", "Latitude", 1950, 750, 1665, 225)),
      m_lon(AddValueLabel(this, "lblLon", "Longitude", 1950, 1050, 1665, 225)),
      m_speed(AddValueLabel(this, "lblSpeed", "Speed", 1950, 1350, 1170, 225)),
      m_alt(AddValueLabel(this, "lblAlt", "Altitude", 1950, 1650, 1170, 225)),
      m_cmg(AddCourse(this)),
      m_background(this, {&m_localDate, &m_localTime, &m_utcDate, &m_utcTime, &m_lat, &m_lon, &m_speed, &m_alt, &m_cmg})
{
    setObjectName(QStringLiteral("frmShowPosition"));
    setWindowTitle(QStringLiteral("Position Information"));
    setFont(DialogFont(8.25));
    setFixedSize(TwipsToPixelsX(3705), TwipsToPixelsY(3285));

    AddCaptionLabel(this, "Label1_6", "Local", 735, 45, 465, 195);
    AddCaptionLabel(this, "Label1_0", "UTC", 630, 450, 1080, 225);
    AddCaptionLabel(this, "Label1_2", "Current Latitude", 180, 750, 1650, 225);
    AddCaptionLabel(this, "Label1_1", "Current Longitude", 180, 1050, 1650, 225);
    AddCaptionLabel(this, "Label1_3", "Current Speed", 180, 1350, 1650, 225);
    AddCaptionLabel(this, "Label1_4", "Altitude", 180, 1650, 1650, 225);
    QLabel* courseCaption = AddCaptionLabel(this, "Label1_13", "Current Course (Mag)", 0, 2190, 675, 705);
    courseCaption->setWordWrap(true);

    EnableDragMove(this);
    MarkOpen();
    RestorePosition();
    // Reopened after a minimise or while input is stopped, the window shows
    // the last fix at once rather than empty labels on red.
    if (ReceiverHasReported()) {
        RefreshPosition(true);
        Paint();
    }
}

void frmShowPosition::TimerPop()
{
    UpdateModel();
    Paint();
}

void frmShowPosition::UpdateModel()
{
    RefreshPosition();
}

void frmShowPosition::Paint()
{
    if (std::exchange(m_inputsTaken, false))
        ShowFigures();
    for (Readout* readout : Readouts())
        readout->Paint();
    m_background.Paint();
}

void frmShowPosition::ResetModel()
{
    for (Readout* readout : Readouts())
        readout->Show("");
    m_background.Show(false);
    m_inputsTaken = false;
}

std::optional<std::string> frmShowPosition::CoordinateText(float degrees, std::string_view hemisphere) const
{
    const char point = DisplayDecimalPoint(m_context.Settings);
    std::string text;
    switch (m_context.Settings.DegreeFormat) {
    case 1:
        text = FormatDMS(degrees, point);
        break;
    case 2:
        text = FormatNumber(degrees, "##0.00000", point);
        text += DegreeSign;
        break;
    case 3:
        text = FormatDegreesMinutes(degrees, "##.#####", point);
        break;
    default:
        return std::nullopt;
    }
    text += hemisphere;
    return text;
}

void frmShowPosition::RefreshPosition(bool evenIfStopped)
{
    const ProgramSettings& settings = m_context.Settings;
    if (!settings.InputRunning && !evenIfStopped)
        return;
    const GpsState& gps = m_context.Gps;

    const bool valid = DataCountsAsValid(gps, m_context.Gnss, settings.Talkers);
    if (valid) {
        if (const auto localDate = LocalDateDDMMYY(gps.UtcDate.View(), gps.UtcTime.View(), settings))
            m_localDate.Show(FormatDate(*localDate, settings));
        // A time that is not six digits (a receiver reporting valid status
        // with an empty time) leaves the local time as it was.
        if (const auto localTime = LocalTimeText(gps.UtcTime.View(), settings))
            m_localTime.Show(*localTime);
    }

    // The figures follow the latest values only: they are formatted when painted.
    m_inputs = {gps.UtcTime, gps.UtcDate, gps.Latitude, gps.LatDir, gps.Longitude, gps.LonDir,
                gps.Altitude, gps.AltUnit, gps.Speed, gps.SpeedUnit, gps.CourseMag};
    m_inputsTaken = true;
    m_background.Show(valid);
}

void frmShowPosition::ShowFigures()
{
    const ProgramSettings& settings = m_context.Settings;
    const Inputs& in = m_inputs;
    m_utcDate.Show(FormatDate(in.UtcDate.View(), settings));
    m_utcTime.Show(FormatTime(in.UtcTime.View()));

    if (const auto lat = CoordinateText(in.Latitude, in.LatDir.View()))
        m_lat.Show(*lat);
    if (const auto lon = CoordinateText(in.Longitude, in.LonDir.View()))
        m_lon.Show(*lon);

    const char point = DisplayDecimalPoint(settings);
    m_alt.Show(FormatNumber(ConvertSmallUnit(in.Altitude, in.AltUnit.View(), settings), "#####.0", point) +
               UnitSuffix(settings.SmallUnit));
    m_speed.Show(FormatNumber(ConvertLargeUnit(in.Speed, in.SpeedUnit.View(), settings), "###.0", point) +
                 UnitSuffix(settings.LargeUnit));
    m_cmg.Show(FormatNumber(in.CourseMag, "###") + DegreeSign);
}

} // namespace trakora
