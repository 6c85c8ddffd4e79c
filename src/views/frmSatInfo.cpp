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

#include <tuple>

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
std::string TimeOfMaximum(const GpsState& gps)
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
    return text;
}

void SetBold(QWidget* control, bool bold)
{
    QFont font = control->font();
    font.setBold(bold);
    control->setFont(font);
}

void Write(QLabel* label, const std::string& text, const std::string& painted)
{
    if (text != painted)
        label->setText(Q(text));
}

void Write(QLabel* label, std::int32_t number, std::int32_t painted, bool degrees = false)
{
    if (number != painted)
        label->setText(degrees ? Degrees(number) : QString::number(number));
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
    if (ReceiverHasReported() && m_context.Gps.SatViewComplete) {
        RefreshSatInfo(RefreshKind::AtOpen);
        Paint();
    }
}

void frmSatInfo::TimerPop()
{
    UpdateModel();
    Paint();
}

void frmSatInfo::UpdateModel()
{
    if (m_context.Gps.SatViewComplete)
        RefreshSatInfo();
}

void frmSatInfo::ResetModel()
{
    m_model = Model{};
    m_viewBinInSight = -1;
    m_lowestTrackedElevation = 90;
    m_maskAngle = 90;
    SetUpForm();
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
    if (checked) {
        RefreshSatInfo();
        Paint();
    }
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
    m_model.Dilution = {true, gps.HDOP, gps.HorizErrorEstimate, gps.VDOP, gps.VertErrorEstimate, gps.PDOP,
                        gps.HorizErrorUnit, gps.VertErrorUnit, m_context.Settings.SmallUnit};
}

void frmSatInfo::ShowFilledSlot(int slot, std::int64_t& signalTotal)
{
    const int i = slot - 1;
    const GpsState& gps = m_context.Gps;
    ProgramSettings& settings = m_context.Settings;
    SlotModel& shown = m_model.Slots[i];
    const std::int32_t prn = gps.SatPRN[i];
    const std::int32_t elevation = gps.SatElevation[i];
    const std::int32_t signal = gps.SatSNR[i];
    const bool used = gps.SatUsed[i];

    if (prn != settings.LastGaugePRN[i]) {
        shown.GaugeMaximum = SignalCeiling;
        shown.GaugeMinimum = SignalFloor;
        settings.LastGaugePRN[i] = prn;
    }
    shown.Filled = true;
    shown.PRN = prn;
    shown.Elevation = elevation;
    shown.Azimuth = gps.SatAzimuth[i];
    shown.Signal = signal;

    if (signal >= 1 && signal < shown.GaugeMinimum)
        shown.GaugeMinimum = signal;
    if (OnSky(elevation, shown.Azimuth)) {
        if (prn > 0 && elevation < m_maskAngle)
            m_maskAngle = elevation;
        if (used && signal > 0 && elevation < m_lowestTrackedElevation)
            m_lowestTrackedElevation = elevation;
    }
    shown.Colour = used ? Tint::Used : Tint::Unused;

    if (signal < 1) {
        shown.GaugeValue = shown.GaugeMinimum;
        shown.GaugeVisible = false;
        return;
    }
    if (used)
        signalTotal += signal;
    if (signal > shown.GaugeMaximum)
        shown.GaugeMaximum = signal;
    if (signal - settings.GaugeFloor[i] <= 0) {
        shown.GaugeValue = shown.GaugeMinimum;
    } else {
        shown.GaugeVisible = true;
        shown.GaugeValue = signal;
    }
}

void frmSatInfo::ShowEmptySlot(int slot)
{
    SlotModel& shown = m_model.Slots[slot - 1];
    shown.Filled = false;
    shown.GaugeVisible = false;
    shown.GaugeMaximum = SignalCeiling;
    shown.GaugeMinimum = SignalFloor;
    m_context.Settings.GaugeFloor[slot - 1] = SignalFloor;
}

void frmSatInfo::ShowFix()
{
    const GpsState& gps = m_context.Gps;
    const std::string_view mode = gps.FixMode.View();
    m_model.FixType = mode == "2" ? "2D" : mode == "3" ? "3D" : "?";
    const TalkerFilter talkers = m_context.Settings.Talkers;
    m_model.FixQuality = FixQualityText(gps.FixQuality[0], talkers);
    m_model.Fix = QualityCountsAsFix(gps, m_context.Gnss, talkers) ? FixShown::Fix : FixShown::None;
}

void frmSatInfo::TakeSample(std::int64_t signalTotal)
{
    const GpsState& gps = m_context.Gps;
    const std::int32_t inView = gps.SatsInView;
    const std::int32_t used = gps.SatsUsed;
    m_statistics.SetGrowing(m_context.Settings.Talkers == TalkerFilter::AllGnss);
    m_statistics.AddSample(inView, used);

    ShowCountAndMaximum(inView, m_model.InView, m_model.InViewMax, m_model.MaxViewTime);
    ShowCountAndMaximum(used, m_model.Tracked, m_model.TrackedMax, m_model.MaxTrackedTime);
    m_model.LoElTracked = m_lowestTrackedElevation;
    m_model.MaskAngle = m_maskAngle;

    const bool extended = m_chkExtended->isChecked();
    SyncHistogramRows();
    ShowHistogram(m_model.View, extended, m_statistics.Bin(inView), true);
    ShowHistogram(m_model.Track, extended, m_statistics.Bin(used), false);

    m_model.Means = {true, m_statistics.InViewAverage(), m_statistics.TrackedAverage(),
                     used < 1 ? 0 : inView < 1 ? 1 : 2,
                     used < 1 || inView < 1 ? 0.0 : static_cast<double>(signalTotal) / inView};
}

// The maximum keeps the highest count sampled; reaching it again renews the
// time beside it, so that time tells when it was last seen.
void frmSatInfo::ShowCountAndMaximum(std::int32_t count, std::int32_t& shownCount, std::int32_t& shownMaximum,
                                     std::string& time)
{
    shownCount = count;
    if (count < shownMaximum)
        return;
    shownMaximum = count;
    time = TimeOfMaximum(m_context.Gps);
}

// Percentages change only when their rounded bar moves. The row of the
// current count is bold; while the histogram is hidden earlier marks are
// left as they are, and showing it clears them.
void frmSatInfo::ShowHistogram(std::array<HistogramModel, SatCountStatistics::MaxBins>& rows, bool extended,
                               int currentBin, bool viewColumn)
{
    for (int n = 0; n < m_statistics.Bins(); ++n) {
        HistogramModel& row = rows[n];
        if (extended) {
            const double percent = viewColumn ? m_statistics.InViewPercent(n) : m_statistics.TrackedPercent(n);
            const int whole = static_cast<int>(RoundHalfEven(percent));
            if (row.Value != whole) {
                row.Value = whole;
                row.Percent = FormatNumber(percent, "#0.0") + "%";
            }
        }
        row.Bold = n == currentBin || (!extended && row.Bold);
    }
}

void frmSatInfo::Paint()
{
    if (m_tableShown) {
        m_table->Show(m_rows);
    } else {
        for (int slot = 1; slot <= SatSlots; ++slot)
            PaintSlot(slot);
    }
    PaintPrecision();
    Write(m_lblxDFix, m_model.FixType, m_painted.FixType);
    PaintFix();

    Write(m_lblSatsInView, m_model.InView, m_painted.InView);
    Write(m_lblSatsInViewMax, m_model.InViewMax, m_painted.InViewMax);
    Write(m_lblMaxViewTime, m_model.MaxViewTime, m_painted.MaxViewTime);
    Write(m_lblSatsTracked, m_model.Tracked, m_painted.Tracked);
    Write(m_lblSatsTrackedMax, m_model.TrackedMax, m_painted.TrackedMax);
    Write(m_lblMaxTrackedTime, m_model.MaxTrackedTime, m_painted.MaxTrackedTime);
    Write(m_lblLoElTracked, m_model.LoElTracked, m_painted.LoElTracked, true);
    Write(m_lblMaskAngle, m_model.MaskAngle, m_painted.MaskAngle, true);
    PaintAverages();
    PaintHistogram(m_viewRows, m_model.View, m_painted.View);
    PaintHistogram(m_trackRows, m_model.Track, m_painted.Track);
    // Where the rows scroll, the current count in view is kept in sight.
    const int currentBin = m_statistics.Bin(m_model.InView);
    if (m_chkExtended->isChecked() && currentBin != m_viewBinInSight) {
        m_histogram->ensureWidgetVisible(m_viewRows[static_cast<std::size_t>(currentBin)].Percent, 0, 0);
        m_viewBinInSight = currentBin;
    }
    m_painted = m_model;
}

void frmSatInfo::PaintPrecision()
{
    const Precision& p = m_model.Dilution;
    if (p == m_painted.Dilution)
        return;
    std::string hdop, vdop, pdop;
    if (p.Known) {
        const std::string suffix = UnitSuffix(p.SmallUnit);
        auto withError = [&](float dop, float error, const FixedText<2>& unit) {
            return FormatNumber(dop, "###.0") + "  or  " +
                   FormatNumber(ConvertSmallUnit(error, unit.View(), m_context.Settings), "#####.0") + suffix;
        };
        hdop = withError(p.HDOP, p.HorizError, p.HorizUnit);
        vdop = withError(p.VDOP, p.VertError, p.VertUnit);
        pdop = FormatNumber(p.PDOP, "###.0");
    }
    for (auto [label, text, shown] : {std::tuple{m_lblHDOP, &hdop, &m_hdopText}, {m_lblVDOP, &vdop, &m_vdopText},
                                      {m_lblPDOP, &pdop, &m_pdopText}}) {
        Write(label, *text, *shown);
        *shown = *text;
    }
}

void frmSatInfo::PaintAverages()
{
    const Averages& a = m_model.Means;
    if (a == m_painted.Means)
        return;
    std::string inView = "0", tracked = "0", quality = "0";
    if (a.Known) {
        inView = FormatNumber(a.InView, "##.0");
        tracked = FormatNumber(a.Tracked, "##.0");
        quality = a.SignalKind == 0 ? std::string("0.00") : FormatNumber(a.Signal, "##.0");
    }
    for (auto [label, text, shown] : {std::tuple{m_lblSatsInViewAvg, &inView, &m_inViewAvgText},
                                      {m_lblSatsTrackedAvg, &tracked, &m_trackedAvgText},
                                      {m_lblSigQuality, &quality, &m_sigQualityText}}) {
        Write(label, *text, *shown);
        *shown = *text;
    }
}

void frmSatInfo::PaintSlot(int slot)
{
    const int i = slot - 1;
    const SlotModel& wanted = m_model.Slots[i];
    const SlotModel& painted = m_painted.Slots[i];
    if (wanted == painted)
        return;
    if (!wanted.Filled) {
        if (painted.Filled)
            for (QLabel* caption : {m_lblPRN[i], m_lblElev[i], m_lblAz[i], m_lblSS[i]})
                caption->clear();
    } else {
        const bool all = !painted.Filled;
        if (all || wanted.PRN != painted.PRN)
            m_lblPRN[i]->setText(QString::number(wanted.PRN));
        if (all || wanted.Elevation != painted.Elevation)
            m_lblElev[i]->setText(Degrees(wanted.Elevation));
        if (all || wanted.Azimuth != painted.Azimuth)
            m_lblAz[i]->setText(Degrees(wanted.Azimuth));
        if (all || wanted.Signal != painted.Signal)
            m_lblSS[i]->setText(QString::number(wanted.Signal));
    }
    if (wanted.Colour != painted.Colour)
        PaintSlotColour(slot, wanted.Colour);

    SignalGauge* gauge = m_gagSatSS[i];
    gauge->SetMinimum(wanted.GaugeMinimum);
    gauge->SetMaximum(wanted.GaugeMaximum);
    gauge->SetValue(wanted.GaugeValue);
    if (wanted.GaugeVisible && gauge->isHidden()) {
        gauge->show();
        gauge->raise();
    } else if (!wanted.GaugeVisible && !gauge->isHidden()) {
        gauge->hide();
        gauge->lower();
    }
    if (wanted.Filled != painted.Filled || wanted.PRN != painted.PRN || wanted.Signal != painted.Signal ||
        wanted.Colour != painted.Colour)
        DescribeSlot(slot);
}

void frmSatInfo::PaintSlotColour(int slot, Tint colour)
{
    const int i = slot - 1;
    const QColor text = colour == Tint::Unused ? UnusedTextColor : QApplication::palette().color(QPalette::WindowText);
    // Italics tell an unused satellite from a used one without the colour.
    for (QLabel* caption : {m_lblPRN[i], m_lblElev[i], m_lblAz[i], m_lblSS[i]}) {
        SetForeColor(caption, text);
        QFont font = caption->font();
        font.setItalic(colour == Tint::Unused);
        caption->setFont(font);
    }
    if (slot == 1 && colour == Tint::Design)
        SetForeColor(m_lblSS[0], Qt::black);
    m_gagSatSS[i]->SetForeColor(colour == Tint::Unused ? UnusedGaugeColor : UsedGaugeColor);
}

// Screen readers get in words what the grid shows by position and colour.
void frmSatInfo::DescribeSlot(int slot)
{
    const SlotModel& shown = m_model.Slots[slot - 1];
    QString description = QStringLiteral("no satellite");
    if (shown.Filled)
        description = QStringLiteral("PRN %1, signal %2, %3")
                          .arg(shown.PRN)
                          .arg(shown.Signal)
                          .arg(shown.Colour == Tint::Used ? QStringLiteral("used") : QStringLiteral("not used"));
    m_gagSatSS[slot - 1]->setAccessibleDescription(description);
}

void frmSatInfo::PaintFix()
{
    if (m_model.FixQuality != m_painted.FixQuality) {
        m_lblFixQuality->setText(Q(m_model.FixQuality));
        // The label has room for a few letters; screen readers get the whole name.
        const std::string_view name = m_context.Settings.Talkers == TalkerFilter::AllGnss
                                          ? FixQualityName(m_context.Gps.FixQuality)
                                          : std::string_view();
        m_lblFixQuality->setAccessibleDescription(Q(name));
    }
    const FixShown fix = m_model.Fix;
    if (fix == m_painted.Fix)
        return;
    const bool hadFix = m_painted.Fix == FixShown::Fix;
    const bool hasFix = fix == FixShown::Fix;
    if (hadFix == hasFix)
        return;
    SetBackColor(this, hasFix ? FixColor : NoFixColor);
    SetBackColor(m_chkExtended, hasFix ? FixColor : NoFixColor);
    setAccessibleDescription(hasFix ? QStringLiteral("fix") : QStringLiteral("no fix"));
}

void frmSatInfo::PaintHistogram(std::array<HistogramRow, SatCountStatistics::MaxBins>& rows,
                                const std::array<HistogramModel, SatCountStatistics::MaxBins>& wanted,
                                std::array<HistogramModel, SatCountStatistics::MaxBins>& painted)
{
    for (int n = 0; n < m_histogramRows; ++n) {
        if (wanted[n] == painted[n])
            continue;
        HistogramRow& row = rows[n];
        if (wanted[n].Value != painted[n].Value)
            row.Bar->SetValue(wanted[n].Value);
        if (wanted[n].Percent != painted[n].Percent) {
            const QString text = Q(wanted[n].Percent);
            row.Percent->setText(text);
            row.Bar->setAccessibleDescription(text);
        }
        if (wanted[n].Bold != painted[n].Bold)
            SetBold(row.Percent, wanted[n].Bold);
    }
}

} // namespace trakora
