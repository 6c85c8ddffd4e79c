#include "views/frmSatInfo.h"

#include "common/LeadingNumber.h"
#include "common/NumberFormat.h"
#include "common/SkyPlotGeometry.h"
#include "common/Units.h"
#include "common/WindowRoutines.h"
#include "nmea/FixValidity.h"
#include "nmea/GnssDecoders.h"
#include "views/ControlColors.h"
#include "views/SatInfoGeometry.h"
#include "views/SatelliteTablePanel.h"
#include "views/SignalGauge.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QScrollArea>

namespace trakora {

using namespace SatInfoGeometry;

namespace {

const char* const SatInfoSection = "SatInfo";

QString Degrees(std::int32_t degrees)
{
    return QString::number(degrees) + QChar(0x00B0);
}

// The receiver's raw time and date, time first. A field never received holds
// NULs, which are left out rather than drawn.
QString TimeOfMaximum(const GpsState& gps)
{
    std::string text;
    text.reserve(15);
    auto append = [&text](std::string_view raw) {
        for (char c : raw)
            if (c != '\0')
                text += c;
    };
    append(gps.UtcTime.View());
    text += " / ";
    append(gps.UtcDate.View());
    return Q(text);
}

bool WriteText(QLabel* label, std::string& shown, std::string text)
{
    if (text == shown)
        return false;
    shown = std::move(text);
    label->setText(Q(shown));
    return true;
}

void WriteText(QLabel* label, const QString& text)
{
    if (label->text() != text)
        label->setText(text);
}

void SetBold(QWidget* control, bool bold)
{
    QFont font = control->font();
    font.setBold(bold);
    control->setFont(font);
}

// The fix quality as the label shows it: "?" for every quality that is no
// fix, so the text agrees with the window's colour.
const char* FixQualityText(char quality, TalkerFilter talkers)
{
    if (!FixQualityCountsAsFix(quality, talkers))
        return "?";
    static const char* const Names[] = {"?", "GPS", "DGPS", "?", "RTK", "Float"};
    return Names[quality - '0'];
}

} // namespace

frmSatInfo::frmSatInfo(ProgramContext& context, QWidget* parent)
    : TrackedWindow(context, SatInfoSection, "SatInfo", &ProgramSettings::ShowingSatInfo, parent)
{
    setObjectName(QStringLiteral("frmSatInfo"));
    setWindowTitle(QStringLiteral("Satellite Information"));
    // The layout was drawn for MS Sans Serif; where it is missing, a face of
    // similar width keeps the long headings clear of their values.
    QFont windowFont;
    windowFont.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                            QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans")});
    windowFont.setPointSizeF(8.25);
    windowFont.setBold(true);
    setFont(windowFont);
    setAutoFillBackground(true);
    SetBackColor(this, NoFixColor);
    setAccessibleDescription(QStringLiteral("no fix"));

    BuildGrid();
    BuildFixBlock();
    BuildStatistics();
    BuildExtended();
    SetBackColor(m_chkExtended, NoFixColor);

    MarkOpen();
    m_chkExtended->setChecked(LeadingWholeNumber(m_context.Store.Get(SatInfoSection, "Expanded", "0")) == 1);
    ShowHideExtended();
    // Whatever ticks the box (a click, a key, a screen reader's action).
    connect(m_chkExtended, &QCheckBox::toggled, this, &frmSatInfo::ExtendedToggled);
    RestorePosition();
    m_lowestTrackedElevation = 90;
    m_maskAngle = 90;
    SetUpForm();
    EnableDragMove(this);
    // Reopened after a minimise or while input is stopped, the window shows
    // the last satellites at once rather than an empty grid.
    if (ReceiverHasReported() && m_context.Gps.SatViewComplete)
        RefreshSatInfo(RefreshKind::AtOpen);
}

void frmSatInfo::TimerPop()
{
    if (m_context.Gps.SatViewComplete)
        RefreshSatInfo();
}

void frmSatInfo::SetUpForm()
{
    m_statistics.Clear();
    m_skipNextSample = true;
}

void frmSatInfo::ShowHideExtended()
{
    const int width = m_chkExtended->isChecked() ? ExtendedWidth : NormalWidth;
    setFixedSize(TwipsToPixelsX(width), TwipsToPixelsY(ClientHeight) + m_tableExtraHeight);
    // Widened while open, it must still fit its screen (opening fits it anyway).
    if (isVisible())
        FitOnScreen(*this);
}

void frmSatInfo::ExtendedToggled(bool checked)
{
    m_context.Store.Save(SatInfoSection, "Expanded", checked ? "1" : "0");
    ShowHideExtended();
    if (checked)
        RefreshSatInfo();
}

void frmSatInfo::RefreshSatInfo(RefreshKind kind)
{
    if (!m_context.Settings.InputRunning && kind != RefreshKind::AtOpen)
        return;
    ShowPrecision();
    std::int64_t signalTotal = 0;
    const bool table = TableWanted();
    if (table != m_tableShown)
        ShowTable(table);
    if (table) {
        ShowTableRows(signalTotal);
    } else {
        for (int slot = 1; slot <= SatSlots; ++slot) {
            if (slot <= m_context.Gps.SatsInView)
                ShowFilledSlot(slot, signalTotal);
            else
                ShowEmptySlot(slot);
        }
    }
    ShowFix();
    // What was there before the window opened is shown, not counted: the
    // statistics are of what arrives while it is open.
    if (kind == RefreshKind::AtOpen)
        return;
    if (m_skipNextSample) {
        m_skipNextSample = false;
        return;
    }
    TakeSample(signalTotal);
}

void frmSatInfo::ShowPrecision()
{
    const GpsState& gps = m_context.Gps;
    const ProgramSettings& settings = m_context.Settings;
    const std::string suffix = UnitSuffix(settings.SmallUnit);
    auto withError = [&](float dop, float error, const FixedText<2>& unit) {
        return FormatNumber(dop, "###.0") + "  or  " +
               FormatNumber(ConvertSmallUnit(error, unit.View(), settings), "#####.0") + suffix;
    };
    WriteText(m_lblHDOP, m_shownHDOP, withError(gps.HDOP, gps.HorizErrorEstimate, gps.HorizErrorUnit));
    WriteText(m_lblVDOP, m_shownVDOP, withError(gps.VDOP, gps.VertErrorEstimate, gps.VertErrorUnit));
    WriteText(m_lblPDOP, m_shownPDOP, FormatNumber(gps.PDOP, "###.0"));
}

void frmSatInfo::ShowFilledSlot(int slot, std::int64_t& signalTotal)
{
    const int i = slot - 1;
    const GpsState& gps = m_context.Gps;
    ProgramSettings& settings = m_context.Settings;
    SignalGauge* gauge = m_gagSatSS[i];
    SlotShown& shown = m_slotShown[i];
    const std::int32_t prn = gps.SatPRN[i];
    const std::int32_t elevation = gps.SatElevation[i];
    const std::int32_t azimuth = gps.SatAzimuth[i];
    const std::int32_t signal = gps.SatSNR[i];
    const bool used = gps.SatUsed[i];

    if (prn != settings.LastGaugePRN[i]) {
        gauge->SetMaximum(SignalCeiling);
        gauge->SetMinimum(SignalFloor);
        settings.LastGaugePRN[i] = prn;
    }

    bool describe = !shown.Filled;
    if (!shown.Filled || prn != shown.PRN) {
        m_lblPRN[i]->setText(QString::number(prn));
        shown.PRN = prn;
        describe = true;
    }
    if (!shown.Filled || elevation != shown.Elevation) {
        m_lblElev[i]->setText(Degrees(elevation));
        shown.Elevation = elevation;
    }
    if (!shown.Filled || azimuth != shown.Azimuth) {
        m_lblAz[i]->setText(Degrees(azimuth));
        shown.Azimuth = azimuth;
    }
    if (!shown.Filled || signal != shown.Signal) {
        m_lblSS[i]->setText(QString::number(signal));
        shown.Signal = signal;
        describe = true;
    }
    shown.Filled = true;

    if (signal >= 1 && signal < gauge->Minimum())
        gauge->SetMinimum(signal);
    if (OnSky(elevation, azimuth)) {
        if (prn > 0 && elevation < m_maskAngle)
            m_maskAngle = elevation;
        if (used && signal > 0 && elevation < m_lowestTrackedElevation)
            m_lowestTrackedElevation = elevation;
    }
    const Tint colour = used ? Tint::Used : Tint::Unused;
    if (colour != shown.Colour) {
        ShowSlotColour(slot, colour);
        describe = true;
    }

    if (signal < 1) {
        gauge->SetValue(gauge->Minimum());
        if (!gauge->isHidden()) {
            gauge->hide();
            gauge->lower();
        }
    } else {
        if (used)
            signalTotal += signal;
        if (signal > gauge->Maximum())
            gauge->SetMaximum(signal);
        if (signal - settings.GaugeFloor[i] <= 0) {
            gauge->SetValue(gauge->Minimum());
        } else {
            if (gauge->isHidden()) {
                gauge->show();
                gauge->raise();
            }
            gauge->SetValue(signal);
        }
    }
    if (describe)
        DescribeSlot(slot);
}

void frmSatInfo::ShowEmptySlot(int slot)
{
    const int i = slot - 1;
    SignalGauge* gauge = m_gagSatSS[i];
    if (m_slotShown[i].Filled) {
        for (QLabel* caption : {m_lblPRN[i], m_lblElev[i], m_lblAz[i], m_lblSS[i]})
            caption->clear();
        m_slotShown[i].Filled = false;
        DescribeSlot(slot);
    }
    if (!gauge->isHidden()) {
        gauge->hide();
        gauge->lower();
    }
    gauge->SetMaximum(SignalCeiling);
    gauge->SetMinimum(SignalFloor);
    m_context.Settings.GaugeFloor[i] = SignalFloor;
}

void frmSatInfo::ShowSlotColour(int slot, Tint colour)
{
    const int i = slot - 1;
    const QColor text = colour == Tint::Used ? QApplication::palette().color(QPalette::WindowText) : UnusedTextColor;
    // Italics tell an unused satellite from a used one without the colour.
    for (QLabel* caption : {m_lblPRN[i], m_lblElev[i], m_lblAz[i], m_lblSS[i]}) {
        SetForeColor(caption, text);
        QFont font = caption->font();
        font.setItalic(colour == Tint::Unused);
        caption->setFont(font);
    }
    m_gagSatSS[i]->SetForeColor(colour == Tint::Used ? UsedGaugeColor : UnusedGaugeColor);
    m_slotShown[i].Colour = colour;
}

// Screen readers get in words what the grid shows by position and colour.
void frmSatInfo::DescribeSlot(int slot)
{
    const SlotShown& shown = m_slotShown[slot - 1];
    QString description = QStringLiteral("no satellite");
    if (shown.Filled)
        description = QStringLiteral("PRN %1, signal %2, %3")
                          .arg(shown.PRN)
                          .arg(shown.Signal)
                          .arg(shown.Colour == Tint::Used ? QStringLiteral("used") : QStringLiteral("not used"));
    m_gagSatSS[slot - 1]->setAccessibleDescription(description);
}

void frmSatInfo::ShowFix()
{
    const GpsState& gps = m_context.Gps;
    const std::string_view mode = gps.FixMode.View();
    WriteText(m_lblxDFix, m_shownFixType, mode == "2" ? "2D" : mode == "3" ? "3D" : "?");

    ShowFixQuality();

    const bool hasFix = QualityCountsAsFix(gps, m_context.Gnss, m_context.Settings.Talkers);
    const FixShown fix = hasFix ? FixShown::Fix : FixShown::None;
    if (fix == m_shownFix)
        return;
    const bool hadFix = m_shownFix == FixShown::Fix;
    m_shownFix = fix;
    if (hadFix == hasFix)
        return;
    SetBackColor(this, hasFix ? FixColor : NoFixColor);
    SetBackColor(m_chkExtended, hasFix ? FixColor : NoFixColor);
    setAccessibleDescription(hasFix ? QStringLiteral("fix") : QStringLiteral("no fix"));
}

void frmSatInfo::ShowFixQuality()
{
    const char quality = m_context.Gps.FixQuality[0];
    const TalkerFilter talkers = m_context.Settings.Talkers;
    if (!WriteText(m_lblFixQuality, m_shownFixQuality, FixQualityText(quality, talkers)))
        return;
    // The label has room for a few letters; screen readers get the whole name.
    const std::string_view name = talkers == TalkerFilter::AllGnss ? FixQualityName(m_context.Gps.FixQuality) : std::string_view();
    m_lblFixQuality->setAccessibleDescription(QString::fromUtf8(name.data(), static_cast<int>(name.size())));
}

void frmSatInfo::TakeSample(std::int64_t signalTotal)
{
    const GpsState& gps = m_context.Gps;
    const std::int32_t inView = gps.SatsInView;
    const std::int32_t used = gps.SatsUsed;
    m_statistics.SetGrowing(m_context.Settings.Talkers == TalkerFilter::AllGnss);
    m_statistics.AddSample(inView, used);

    ShowCountAndMaximum(inView, m_shownInView, m_shownInViewMax, m_lblSatsInView, m_lblSatsInViewMax, m_lblMaxViewTime);
    ShowCountAndMaximum(used, m_shownTracked, m_shownTrackedMax, m_lblSatsTracked, m_lblSatsTrackedMax,
                        m_lblMaxTrackedTime);
    if (m_lowestTrackedElevation != m_shownLoElTracked) {
        m_lblLoElTracked->setText(Degrees(m_lowestTrackedElevation));
        m_shownLoElTracked = m_lowestTrackedElevation;
    }
    if (m_maskAngle != m_shownMaskAngle) {
        m_lblMaskAngle->setText(Degrees(m_maskAngle));
        m_shownMaskAngle = m_maskAngle;
    }

    const bool extended = m_chkExtended->isChecked();
    SyncHistogramRows();
    ShowHistogram(m_viewRows, extended, m_statistics.Bin(inView), true);
    ShowHistogram(m_trackRows, extended, m_statistics.Bin(used), false);

    WriteText(m_lblSatsInViewAvg, m_shownInViewAvg, FormatNumber(m_statistics.InViewAverage(), "##.0"));
    WriteText(m_lblSatsTrackedAvg, m_shownTrackedAvg, FormatNumber(m_statistics.TrackedAverage(), "##.0"));

    std::string quality;
    if (used < 1)
        quality = "0.00";
    else if (inView < 1)
        quality = FormatNumber(0.0, "##.0");
    else
        quality = FormatNumber(static_cast<double>(signalTotal) / inView, "##.0");
    WriteText(m_lblSigQuality, m_shownSigQuality, std::move(quality));
}

// The maximum label keeps the highest count sampled; reaching it again
// renews the time beside it, so that time tells when it was last seen.
void frmSatInfo::ShowCountAndMaximum(std::int32_t count, std::int32_t& shownCount, std::int32_t& shownMaximum,
                                     QLabel* current, QLabel* maximum, QLabel* time)
{
    if (count != shownCount) {
        current->setText(QString::number(count));
        shownCount = count;
    }
    if (count < shownMaximum)
        return;
    if (count != shownMaximum) {
        maximum->setText(QString::number(count));
        shownMaximum = count;
    }
    WriteText(time, TimeOfMaximum(m_context.Gps));
}

// Percentages are redrawn only when their rounded bar moves. The row of the
// current count is bold; while the histogram is hidden earlier marks are
// left as they are, and showing it clears them.
void frmSatInfo::ShowHistogram(std::array<HistogramRow, SatCountStatistics::MaxBins>& rows, bool extended,
                               int currentBin, bool viewColumn)
{
    // Where the rows scroll, the current count in view is kept in sight.
    if (extended && viewColumn && currentBin != m_viewBinInSight) {
        m_histogram->ensureWidgetVisible(rows[static_cast<std::size_t>(currentBin)].Percent, 0, 0);
        m_viewBinInSight = currentBin;
    }
    for (int n = 0; n < m_statistics.Bins(); ++n) {
        HistogramRow& row = rows[n];
        if (extended) {
            const double percent = viewColumn ? m_statistics.InViewPercent(n) : m_statistics.TrackedPercent(n);
            const int whole = static_cast<int>(RoundHalfEven(percent));
            if (row.Bar->Value() != whole) {
                row.Bar->SetValue(whole);
                const QString text = Q(FormatNumber(percent, "#0.0") + "%");
                WriteText(row.Percent, text);
                row.Bar->setAccessibleDescription(text);
            }
        }
        const bool bold = n == currentBin || (!extended && row.Bold);
        if (bold != row.Bold) {
            SetBold(row.Percent, bold);
            row.Bold = bold;
        }
    }
}

} // namespace trakora
