#include "views/frmSatInfo.h"

#include "common/WindowRoutines.h"
#include "views/ControlColors.h"
#include "views/SatInfoGeometry.h"
#include "views/SignalGauge.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>

namespace trakora {

namespace {

const QString DegreeZero = QStringLiteral("0\u00BA");

// Design marks behind every control, ignored by the mouse so that tooltips
// and drags reach what lies beneath or the window itself.
void MakeBackdrop(QWidget* mark)
{
    mark->setAttribute(Qt::WA_TransparentForMouseEvents);
    mark->lower();
}

// Only the outline belongs to the frame, so changes to the labels inside do
// not repaint it.
void SetOutline(QFrame* frame, const QRect& geometry)
{
    frame->setGeometry(geometry);
    const QRect outline(QPoint(0, 0), geometry.size());
    frame->setMask(QRegion(outline).subtracted(QRegion(outline.adjusted(1, 1, -1, -1))));
}

const QString CountTip = QStringLiteral("Count of satellites either in view or tracked");

} // namespace

QLabel* frmSatInfo::AddLabel(const QString& name, const QString& text, const QRect& geometry, Qt::Alignment alignment)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

QLabel* frmSatInfo::AddHeading(const QString& text, int leftTwips, int topTwips)
{
    auto* label = new QLabel(text, this);
    label->move(TwipsToPixelsX(leftTwips), TwipsToPixelsY(topTwips));
    label->adjustSize();
    return label;
}

QFrame* frmSatInfo::AddFrame(const QString& name, const QRect& geometry)
{
    auto* frame = new QFrame(this);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Plain);
    SetOutline(frame, geometry);
    return frame;
}

void frmSatInfo::BuildGrid()
{
    using namespace SatInfoGeometry;
    for (int i = 0; i < 4; ++i) {
        auto* line = new QFrame(this);
        line->setObjectName(QStringLiteral("Line1_%1").arg(i));
        const int left = TwipsToPixelsX(LineLeft);
        line->setGeometry(left, TwipsToPixelsY(LineTops[i]) - 1, TwipsToPixelsX(LineRight) - left, 2);
        line->setAutoFillBackground(true);
        SetBackColor(line, QColor(255, 0, 0));
        MakeBackdrop(line);
    }

    QFont gridFont = font();
    gridFont.setBold(false);
    const QString tipPRN = QStringLiteral("Pseudo Random Number (GPS Sat ID#)");
    const QString tipElev = QStringLiteral("Elevation above the horizon (%1 is lowest)").arg(DegreeZero);
    const QString tipAz = QStringLiteral("Angle of satellite (%1 is North)").arg(DegreeZero);
    const QString tipSS = QStringLiteral("Signal level for satellite in PRN, above.");
    for (int i = 0; i < SatSlots; ++i) {
        const int k = i + 1;
        auto* gauge = new SignalGauge(Qt::Vertical, this);
        gauge->setObjectName(QStringLiteral("gagSatSS_%1").arg(k));
        gauge->setGeometry(TwipsRect(GaugeLefts[i], 0, GaugeWidth, GaugeHeight));
        gauge->SetMinimum(SignalFloor);
        gauge->SetMaximum(SignalCeiling);
        gauge->SetValue(SignalFloor);
        gauge->SetForeColor(UsedGaugeColor);
        gauge->SetBackColor(Qt::white);
        gauge->setToolTip(QStringLiteral("Signal level for satellite in PRN, below."));
        gauge->setAccessibleName(QStringLiteral("Signal of satellite in slot %1").arg(k));
        gauge->setAccessibleDescription(QStringLiteral("no satellite"));
        m_gagSatSS[i] = gauge;

        const int x = SlotLeft(k);
        const int width = SlotWidth(k);
        auto makeCell = [&](const char* prefix, int top, const QString& tip) {
            QLabel* cell = AddLabel(QStringLiteral("%1_%2").arg(QLatin1String(prefix)).arg(k), QString(),
                                    TwipsRect(x, top, width, CellHeight), Qt::AlignHCenter);
            cell->setFont(gridFont);
            cell->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            // Opaque: the red of a window without a fix shows around the
            // figures, not behind them.
            cell->setAutoFillBackground(true);
            SetBackColor(cell, CellColor);
            cell->setToolTip(tip);
            return cell;
        };
        m_lblPRN[i] = makeCell("lblPRN", PRNTop, tipPRN);
        m_lblElev[i] = makeCell("lblElev", ElevTop, tipElev);
        m_lblAz[i] = makeCell("lblAz", AzTop, tipAz);
        m_lblSS[i] = makeCell("lblSS", SSTop, tipSS);
    }
    SetForeColor(m_lblSS[0], Qt::black);
    // The gauges overlap the PRN row by a pixel; keeping them on top spares
    // those labels a repaint whenever a bar moves.
    for (SignalGauge* gauge : m_gagSatSS)
        gauge->raise();

    const char* const headings[] = {"PRN", "Elev.", "Az.", "S/S"};
    for (int i = 0; i < 4; ++i)
        AddLabel(QString(), QLatin1String(headings[i]), TwipsRect(RowHeadingLeft, RowHeadingTops[i], RowHeadingWidth, CellHeight),
                 Qt::AlignRight);
}

void frmSatInfo::BuildFixBlock()
{
    using namespace SatInfoGeometry;
    AddHeading(QStringLiteral("H.D.O.P."), 30, 2010);
    m_lblHDOP = AddLabel(QStringLiteral("lblHDOP"), QString(), TwipsRect(1185, 2010, 2205, 225), Qt::AlignHCenter);
    m_lblHDOP->setToolTip(QStringLiteral("Horizontal Dilution of Precision"));
    AddHeading(QStringLiteral("V.D.O.P."), 30, 2250);
    m_lblVDOP = AddLabel(QStringLiteral("lblVDOP"), QString(), TwipsRect(1185, 2250, 2205, 225), Qt::AlignHCenter);
    m_lblVDOP->setToolTip(QStringLiteral("Vertical Dilution of Precision"));
    AddHeading(QStringLiteral("P.D.O.P."), 30, 2490);
    m_lblPDOP = AddLabel(QStringLiteral("lblPDOP"), QString(), TwipsRect(1185, 2490, 660, 225), Qt::AlignRight);
    m_lblPDOP->setToolTip(QStringLiteral("P? Dilution of Precision"));
    for (QLabel* box : {m_lblHDOP, m_lblVDOP, m_lblPDOP})
        box->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    AddHeading(QStringLiteral("Fix Quality"), 3480, 2010);
    m_lblFixQuality = AddLabel(QStringLiteral("lblFixQuality"), QStringLiteral("?"), TwipsRect(4650, 2010, 585, 225));
    m_lblFixQuality->setToolTip(QStringLiteral("Either GPS (standard), DGPS (differential) or \"?\""));
    AddHeading(QStringLiteral("Fix Type"), 3480, 2250);
    m_lblxDFix = AddLabel(QStringLiteral("lblxDFix"), QStringLiteral("?"), TwipsRect(4650, 2250, 585, 225));
    m_lblxDFix->setToolTip(QStringLiteral("Either 2D (horizontal only), 3D (horiz+vertical) or \"?\""));

    m_chkExtended = new QCheckBox(QStringLiteral("&Extended Stats"), this);
    m_chkExtended->setObjectName(QStringLiteral("chkExtended"));
    m_chkExtended->setGeometry(TwipsRect(3450, 2490, 1815, 225));
    m_chkExtended->setToolTip(QStringLiteral("Show/hide viewed & tracked percentages and graphs"));
    m_chkExtended->setAutoFillBackground(true);
}

void frmSatInfo::BuildStatistics()
{
    MakeBackdrop(AddFrame(QStringLiteral("shpStatistics"), TwipsRect(60, 2760, 5205, 1275)));
    AddHeading(QStringLiteral("Cur"), 1665, 2820);
    AddHeading(QStringLiteral("Max"), 2205, 2820);
    AddHeading(QStringLiteral("Avg"), 2760, 2820);
    AddHeading(QStringLiteral("Date/Time of Max."), 3405, 2820);

    struct Row {
        const char* heading;
        int top;
        QLabel** current;
        QLabel** maximum;
        QLabel** average;
        QLabel** time;
        const char* names[4];
        const char* what;
    };
    const Row rows[] = {
        {"Sats in View", 3060, &m_lblSatsInView, &m_lblSatsInViewMax, &m_lblSatsInViewAvg, &m_lblMaxViewTime,
         {"lblSatsInView", "lblSatsInViewMax", "lblSatsInViewAvg", "lblMaxViewTime"}, "satellites in view"},
        {"Tracked", 3285, &m_lblSatsTracked, &m_lblSatsTrackedMax, &m_lblSatsTrackedAvg, &m_lblMaxTrackedTime,
         {"lblSatsTracked", "lblSatsTrackedMax", "lblSatsTrackedAvg", "lblMaxTrackedTime"}, "satellites being tracked"},
    };
    for (const Row& row : rows) {
        AddHeading(QLatin1String(row.heading), 360, row.top);
        const QString what = QLatin1String(row.what);
        *row.current = AddLabel(QLatin1String(row.names[0]), QStringLiteral("0"), TwipsRect(1665, row.top, 480, 225));
        (*row.current)->setToolTip(QStringLiteral("Current count of %1").arg(what));
        *row.maximum = AddLabel(QLatin1String(row.names[1]), QStringLiteral("0"), TwipsRect(2205, row.top, 480, 225));
        (*row.maximum)->setToolTip(QStringLiteral("Maximum count of %1").arg(what));
        *row.average = AddLabel(QLatin1String(row.names[2]), QStringLiteral("0"), TwipsRect(2760, row.top, 600, 225));
        (*row.average)->setToolTip(QStringLiteral("Average count of %1").arg(what));
        *row.time = AddLabel(QLatin1String(row.names[3]), QString(), TwipsRect(3405, row.top, 1800, 225));
        (*row.time)->setToolTip(QStringLiteral("Date & Time maximum was last seen"));
    }

    const QString ninety = QStringLiteral("90\u00B0");
    AddHeading(QStringLiteral("Signal Quality"), 255, 3540);
    m_lblSigQuality = AddLabel(QStringLiteral("lblSigQuality"), QStringLiteral("0"), TwipsRect(1590, 3540, 600, 225));
    m_lblSigQuality->setToolTip(QStringLiteral("Average of total Signal Strengths / sats in view"));
    AddHeading(QStringLiteral("Lowest Elevation Tracked"), 2400, 3540);
    m_lblLoElTracked = AddLabel(QStringLiteral("lblLoElTracked"), ninety, TwipsRect(4695, 3540, 495, 225), Qt::AlignRight);
    m_lblLoElTracked->setToolTip(QStringLiteral("Lowest elevation of a satellite tracked by GPS"));
    AddHeading(QStringLiteral("Lowest Elevation Attempted (Receiver Mask Angle)"), 255, 3780);
    m_lblMaskAngle = AddLabel(QStringLiteral("lblMaskAngle"), ninety, TwipsRect(4695, 3780, 495, 225), Qt::AlignRight);
    m_lblMaskAngle->setToolTip(QStringLiteral("Lowest satellite angle reported by GPS"));
}

void frmSatInfo::BuildExtended()
{
    using namespace SatInfoGeometry;
    MakeBackdrop(AddFrame(QStringLiteral("shpSizeSmall"), TwipsRect(SmallShapeLeft, 0, SmallShapeWidth, ShapeHeight)));
    MakeBackdrop(AddFrame(QStringLiteral("shpSizeBig"), TwipsRect(BigShapeLeft, 0, BigShapeWidth, ShapeHeight)));

    AddHeading(QStringLiteral("Satellites in View"), 5400, 90);
    AddHeading(QStringLiteral("Satellites Tracked"), 7650, 90);
    AddLabel(QString(), QStringLiteral("#"), TwipsRect(7200, 90, 240, 225), Qt::AlignHCenter)->setToolTip(CountTip);

    // The rows lie in an area of their own that scrolls once they outgrow
    // the window; it is see-through, so the window's colour shows as before.
    m_histogram = new QScrollArea(this);
    m_histogram->setObjectName(QStringLiteral("Histograms"));
    m_histogram->setFrameShape(QFrame::NoFrame);
    m_histogram->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_histogram->verticalScrollBar()->setSingleStep(TwipsToPixelsY(HistogramPitch));
    auto* rows = new QWidget;
    m_histogram->setWidget(rows);
    m_histogram->viewport()->setAutoFillBackground(false);
    rows->setAutoFillBackground(false);
    FitHistogramArea();
    for (int n = 0; n < SatCountStatistics::DesignBins; ++n)
        AddHistogramRow(n);
}

void frmSatInfo::FitHistogramArea()
{
    using namespace SatInfoGeometry;
    const int bottom = TwipsToPixelsY(ShapeHeight) + m_tableExtraHeight;
    for (const char* name : {"shpSizeSmall", "shpSizeBig"}) {
        auto* frame = findChild<QFrame*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
        if (frame != nullptr && frame->height() != bottom - frame->y())
            SetOutline(frame, QRect(frame->pos(), QSize(frame->width(), bottom - frame->y())));
    }
    const QRect area = TwipsRect(HistogramLeft, HistogramTop, ExtendedWidth - HistogramLeft, 0);
    m_histogram->setGeometry(area.x(), area.y(), area.width(), bottom - area.y());
    m_histogram->widget()->resize(area.width(), m_histogram->widget()->height());
}

// Row n of both histograms and its count, placed where the design puts
// them in the window.
void frmSatInfo::AddHistogramRow(int n)
{
    using namespace SatInfoGeometry;
    QWidget* rows = m_histogram->widget();
    const QPoint origin = TwipsRect(HistogramLeft, HistogramTop, 0, 0).topLeft();
    const int top = HistogramTop + HistogramPitch * n;
    auto addLabel = [&](const QString& name, const QString& text, int left, int width, Qt::Alignment alignment,
                        const QString& tip) {
        auto* label = new QLabel(text, rows);
        label->setObjectName(name);
        label->setGeometry(TwipsRect(left, top, width, HistogramRowHeight).translated(-origin));
        label->setAlignment(alignment | Qt::AlignVCenter);
        label->setToolTip(tip);
        label->show();
        return label;
    };
    addLabel(QStringLiteral("lblCount_%1").arg(n), QString::number(n), 7200, 240, Qt::AlignHCenter, CountTip);

    const QString viewTip = QStringLiteral("Percentage of time this number of satellites in view");
    const QString trackTip = QStringLiteral("Percentage of time this number of satellites were being tracked");
    auto makeRow = [&](HistogramRow& row, const char* column, int labelLeft, int barLeft, const QColor& color,
                       const QString& tip, const char* meaning) {
        row.Percent = addLabel(QStringLiteral("lbl%1_%2").arg(QLatin1String(column)).arg(n), QStringLiteral("0.0%"),
                               labelLeft, 650, Qt::AlignRight, tip);
        row.Bar = new SignalGauge(Qt::Horizontal, rows);
        row.Bar->setObjectName(QStringLiteral("gag%1_%2").arg(QLatin1String(column)).arg(n));
        row.Bar->setGeometry(TwipsRect(barLeft, top, 1005, HistogramRowHeight).translated(-origin));
        row.Bar->SetMinimum(0);
        row.Bar->SetMaximum(100);
        row.Bar->SetValue(0);
        row.Bar->SetForeColor(color);
        row.Bar->SetBackColor(Qt::white);
        row.Bar->setToolTip(tip);
        row.Bar->setAccessibleName(QStringLiteral("Share of time with %1 satellites %2").arg(n).arg(QLatin1String(meaning)));
        row.Bar->setAccessibleDescription(QStringLiteral("0.0%"));
        row.Bar->show();
    };
    makeRow(m_viewRows[static_cast<std::size_t>(n)], "View", 5370, 6050, QColor(0, 255, 0), viewTip, "in view");
    makeRow(m_trackRows[static_cast<std::size_t>(n)], "Track", 7620, 8300, QColor(0, 0, 255), trackTip, "tracked");
    m_histogramRows = n + 1;
    rows->resize(rows->width(), TwipsToPixelsY(top + HistogramRowHeight) - origin.y());
}

// Rows for every bin in use; those beyond the design's thirteen hide again
// when the bins stop growing (GPS talkers only).
void frmSatInfo::SyncHistogramRows()
{
    using namespace SatInfoGeometry;
    const int bins = m_statistics.Bins();
    while (m_histogramRows < bins)
        AddHistogramRow(m_histogramRows);
    QWidget* rows = m_histogram->widget();
    const int height = TwipsToPixelsY(HistogramTop + HistogramPitch * (bins - 1) + HistogramRowHeight) -
                       TwipsToPixelsY(HistogramTop);
    if (rows->height() == height)
        return;
    rows->resize(rows->width(), height);
    for (int n = SatCountStatistics::DesignBins; n < m_histogramRows; ++n) {
        const bool shown = n < bins;
        for (QWidget* control : rows->findChildren<QWidget*>(QRegularExpression(QStringLiteral("_%1$").arg(n))))
            control->setVisible(shown);
    }
}

} // namespace trakora
