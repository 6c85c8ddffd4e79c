#include "common/ProgramContext.h"
#include "common/WindowRoutines.h"
#include "views/SatCountStatistics.h"
#include "views/SignalGauge.h"
#include "views/frmSatInfo.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QTest>

#include <optional>
#include <ostream>
#include <vector>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QColor& color, std::ostream* os) { *os << color.name().toStdString(); }
QT_END_NAMESPACE

using namespace trakora;

namespace {

struct Sat {
    int prn;
    int elevation;
    int azimuth;
    int signal;
    bool used;
};

// Counts paint events of every child of the window.
class PaintCounter : public QObject {
public:
    int Paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++Paints;
        return false;
    }
};

class SatInfoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_settings.GaugeFloor.fill(32);
        m_settings.LastGaugePRN.fill(0);
        m_settings.InputRunning = FlagSet;
        m_settings.SmallUnit = "ME";
        m_gps.SatViewComplete = true;
        m_gps.UtcTime = "123519";
        m_gps.UtcDate = "230394";
        m_window = new frmSatInfo(m_context);
    }

    void TearDown() override { delete m_window.data(); }

    // Counts left out follow the satellites given.
    void SetSky(const std::vector<Sat>& sats, std::optional<int> inView = {}, std::optional<int> used = {})
    {
        m_gps.SatsInView = inView.value_or(static_cast<int>(sats.size()));
        int usedCount = 0;
        for (std::size_t i = 0; i < 12; ++i) {
            const Sat s = i < sats.size() ? sats[i] : Sat{0, 0, 0, 0, false};
            m_gps.SatPRN[i] = s.prn;
            m_gps.SatElevation[i] = s.elevation;
            m_gps.SatAzimuth[i] = s.azimuth;
            m_gps.SatSNR[i] = s.signal;
            m_gps.SatUsed[i] = s.used;
            usedCount += s.used ? 1 : 0;
        }
        m_gps.SatsUsed = used.value_or(usedCount);
    }

    // Only satellite counts matter to the histograms.
    void SetCounts(int inView, int used)
    {
        std::vector<Sat> sats;
        for (int i = 0; i < std::min(inView, 12); ++i)
            sats.push_back({i + 1, 20 + i, 10 * i, 40, i < used});
        SetSky(sats, inView, used);
    }

    QString Text(const char* name) const
    {
        auto* label = m_window->findChild<QLabel*>(QLatin1String(name));
        EXPECT_NE(label, nullptr) << name;
        return label ? label->text() : QStringLiteral("<missing>");
    }

    QLabel* Label(const QString& name) const { return m_window->findChild<QLabel*>(name); }

    SignalGauge* Gauge(const QString& name) const
    {
        auto* gauge = m_window->findChild<SignalGauge*>(name);
        EXPECT_NE(gauge, nullptr) << name.toStdString();
        return gauge;
    }

    QCheckBox* Extended() const { return m_window->findChild<QCheckBox*>(QStringLiteral("chkExtended")); }

    GpsState m_gps;
    ProgramSettings m_settings;
    MemorySettingsStore m_store;
    ProgramContext m_context{m_gps, m_settings, m_store};
    QPointer<frmSatInfo> m_window;
};

const QString Deg = QStringLiteral("\u00B0");

TEST_F(SatInfoTest, DesignTextsToolTipsAndGeometry)
{
    EXPECT_EQ(m_window->windowTitle(), "Satellite Information");
    EXPECT_EQ(Text("lblFixQuality"), "?");
    EXPECT_EQ(Text("lblxDFix"), "?");
    EXPECT_EQ(Text("lblSigQuality"), "0");
    EXPECT_EQ(Text("lblLoElTracked"), "90" + Deg);
    EXPECT_EQ(Text("lblView_12"), "0.0%");
    EXPECT_EQ(Extended()->text(), "&Extended Stats");
    EXPECT_EQ(Label("lblElev_4")->toolTip(), QStringLiteral("Elevation above the horizon (0\u00BA is lowest)"));
    EXPECT_EQ(Label("lblFixQuality")->toolTip(), "Either GPS (standard), DGPS (differential) or \"?\"");
    EXPECT_EQ(Label("lblSatsTrackedAvg")->toolTip(), "Average count of satellites being tracked");
    EXPECT_EQ(Gauge("gagSatSS_1")->toolTip(), "Signal level for satellite in PRN, below.");
    EXPECT_EQ(Label("lblTrack_3")->toolTip(), "Percentage of time this number of satellites were being tracked");

    EXPECT_EQ(Gauge("gagSatSS_12")->geometry(), TwipsRect(4890, 0, 300, 1125));
    EXPECT_EQ(Label("lblPRN_1")->geometry(), TwipsRect(530, 1110, 405, 210));
    EXPECT_EQ(Label("lblSS_12")->geometry(), TwipsRect(930 + 390 * 10, 1740, 390, 210));
    EXPECT_EQ(Gauge("gagTrack_12")->geometry(), TwipsRect(8300, 420 + 270 * 12, 1005, 225));
    EXPECT_EQ(m_window->findChild<QWidget*>("shpSizeBig")->geometry(), TwipsRect(7560, 0, 1815, 4035));
    EXPECT_FALSE(Label("lblPRN_1")->font().bold());
    EXPECT_TRUE(Label("lblSatsInView")->font().bold());
    EXPECT_EQ(m_window->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(m_window->width(), TwipsToPixelsX(5380));
}

TEST_F(SatInfoTest, FirstRefreshFillsTheGridButCountsNothing)
{
    SetSky({{17, 45, 120, 45, true}, {4, 12, 300, 38, true}, {9, 5, 30, 0, false}});
    m_gps.HDOP = 1.4f;
    m_gps.VDOP = 0.8f;
    m_gps.PDOP = 2.25f;
    m_gps.HorizErrorEstimate = 12;
    m_gps.HorizErrorUnit = "ME";
    m_gps.FixQuality = "1";
    m_gps.FixMode = "3";
    m_window->TimerPop();

    EXPECT_EQ(Text("lblPRN_1"), "17");
    EXPECT_EQ(Text("lblElev_1"), "45" + Deg);
    EXPECT_EQ(Text("lblAz_2"), "300" + Deg);
    EXPECT_EQ(Text("lblSS_2"), "38");
    EXPECT_EQ(Text("lblHDOP"), "1.4  or  12.0 Meters");
    EXPECT_EQ(Text("lblVDOP"), ".8  or  .0 Meters"); // no error estimate received
    EXPECT_EQ(Text("lblPDOP"), "2.3");
    EXPECT_EQ(Text("lblFixQuality"), "GPS");
    EXPECT_EQ(Text("lblxDFix"), "3D");
    for (const char* name : {"lblSatsInView", "lblSatsInViewMax", "lblSatsInViewAvg", "lblSatsTracked", "lblSigQuality"})
        EXPECT_EQ(Text(name), "0") << name;
    EXPECT_EQ(Text("lblMaxViewTime"), "");
    EXPECT_EQ(Text("lblLoElTracked"), "90" + Deg);
    EXPECT_EQ(Text("lblMaskAngle"), "90" + Deg);

    m_window->TimerPop();
    EXPECT_EQ(Text("lblSatsInView"), "3");
    EXPECT_EQ(Text("lblSatsTracked"), "2");
    EXPECT_EQ(Text("lblSatsInViewAvg"), "3.0");
    EXPECT_EQ(Text("lblMaxViewTime"), "123519 / 230394");
    EXPECT_EQ(Text("lblLoElTracked"), "12" + Deg);
    EXPECT_EQ(Text("lblMaskAngle"), "5" + Deg); // unused satellites count for the mask angle
    EXPECT_EQ(Text("lblSigQuality"), "27.7");   // (45 + 38) / 3
}

TEST_F(SatInfoTest, EmptySlotsAreBlankedAndTheirGaugesReset)
{
    std::vector<Sat> twelve;
    for (int i = 0; i < 12; ++i)
        twelve.push_back({i + 1, 30, 90, 40 + i, true});
    SetSky(twelve);
    m_window->TimerPop();
    EXPECT_EQ(Text("lblPRN_8"), "8");
    EXPECT_FALSE(Gauge("gagSatSS_8")->isHidden());
    EXPECT_EQ(Gauge("gagSatSS_12")->Maximum(), 51); // raised by the strong signal

    m_settings.GaugeFloor[11] = 40;
    twelve.resize(5);
    SetSky(twelve);
    m_window->TimerPop();
    for (int k = 1; k <= 12; ++k) {
        const bool filled = k <= 5;
        for (const char* prefix : {"lblPRN", "lblElev", "lblAz", "lblSS"})
            EXPECT_EQ(Label(QStringLiteral("%1_%2").arg(prefix).arg(k))->text().isEmpty(), !filled) << prefix << k;
        EXPECT_EQ(Gauge(QStringLiteral("gagSatSS_%1").arg(k))->isHidden(), !filled) << k;
    }
    EXPECT_EQ(Gauge("gagSatSS_12")->Maximum(), 50);
    EXPECT_EQ(Gauge("gagSatSS_12")->Minimum(), 32);
    EXPECT_EQ(m_settings.GaugeFloor[11], 32);
    EXPECT_EQ(Gauge("gagSatSS_9")->accessibleDescription(), "no satellite");
}

TEST_F(SatInfoTest, SignalGaugeFollowsSignalLevel)
{
    SignalGauge* gauge = Gauge("gagSatSS_1");
    SetSky({{17, 45, 120, 0, true}});
    m_window->TimerPop();
    EXPECT_EQ(Text("lblSS_1"), "0");
    EXPECT_EQ(Text("lblPRN_1"), "17");
    EXPECT_TRUE(gauge->isHidden());
    EXPECT_EQ(m_settings.LastGaugePRN[0], 17);

    // A weak signal lowers the floor but does not bring back a hidden gauge.
    SetSky({{17, 45, 120, 30, true}});
    m_window->TimerPop();
    EXPECT_TRUE(gauge->isHidden());
    EXPECT_EQ(gauge->Minimum(), 30);
    EXPECT_EQ(gauge->Value(), 30);

    SetSky({{17, 45, 120, 45, true}});
    m_window->TimerPop();
    EXPECT_FALSE(gauge->isHidden());
    EXPECT_EQ(gauge->Value(), 45);
    EXPECT_EQ(gauge->Minimum(), 30); // the floor stays down for this satellite
    EXPECT_EQ(gauge->Maximum(), 50);
    EXPECT_EQ(gauge->accessibleDescription(), "PRN 17, signal 45, used");

    SetSky({{17, 45, 120, 31, true}});
    m_window->TimerPop();
    EXPECT_FALSE(gauge->isHidden());
    EXPECT_EQ(gauge->Value(), gauge->Minimum());
    EXPECT_DOUBLE_EQ(gauge->FilledFraction(), 0.0);

    SetSky({{17, 45, 120, 55, true}});
    m_window->TimerPop();
    EXPECT_EQ(gauge->Maximum(), 55);
    EXPECT_DOUBLE_EQ(gauge->FilledFraction(), 1.0);

    // A new satellite in the slot starts from the design range again.
    SetSky({{22, 45, 120, 45, true}});
    m_window->TimerPop();
    EXPECT_EQ(gauge->Minimum(), 32);
    EXPECT_EQ(gauge->Maximum(), 50);
    EXPECT_DOUBLE_EQ(gauge->FilledFraction(), (45.0 - 32) / 18);
    EXPECT_EQ(m_settings.LastGaugePRN[0], 22);
}

TEST_F(SatInfoTest, UnusedSatellitesAreGreyAndAddNoSignal)
{
    SetSky({{1, 40, 0, 40, true}, {2, 40, 0, 44, true}, {3, 40, 0, 50, false}});
    m_window->TimerPop();
    m_window->TimerPop();
    EXPECT_EQ(Text("lblSigQuality"), "28.0"); // (40 + 44) / 3
    const QColor grey = QApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
    const QColor normal = QApplication::palette().color(QPalette::WindowText);
    ASSERT_NE(grey, normal);
    for (const char* name : {"lblPRN_3", "lblElev_3", "lblAz_3", "lblSS_3"})
        EXPECT_EQ(Label(name)->palette().color(QPalette::WindowText), grey) << name;
    EXPECT_EQ(Label("lblSS_2")->palette().color(QPalette::WindowText), normal);
    EXPECT_EQ(Gauge("gagSatSS_3")->ForeColor(), QColor(192, 192, 192));
    EXPECT_EQ(Gauge("gagSatSS_2")->ForeColor(), QColor(0, 0, 192));
    EXPECT_EQ(Gauge("gagSatSS_3")->accessibleDescription(), "PRN 3, signal 50, not used");

    // Once used, the satellite turns normal and counts.
    m_gps.SatUsed[2] = true;
    m_gps.SatsUsed = 3;
    m_window->TimerPop();
    EXPECT_EQ(Label("lblPRN_3")->palette().color(QPalette::WindowText), normal);
    EXPECT_EQ(Gauge("gagSatSS_3")->ForeColor(), QColor(0, 0, 192));
    EXPECT_EQ(Text("lblSigQuality"), "44.7");
}

TEST_F(SatInfoTest, SignalQualityWithoutSatellitesInUse)
{
    SetSky({{1, 40, 0, 40, false}});
    m_window->TimerPop();
    m_window->TimerPop();
    EXPECT_EQ(Text("lblSigQuality"), "0.00");
    SetSky({}, 0, 2); // receiver reports used satellites but none in view
    m_window->TimerPop();
    EXPECT_EQ(Text("lblSigQuality"), ".0");
}

TEST_F(SatInfoTest, FixQualityColoursWindowAndCheckBox)
{
    auto backgroundPixel = [this] { return m_window->grab().toImage().pixelColor(4, 4); };
    SetSky({{1, 40, 0, 40, true}});
    m_gps.FixQuality = "2";
    m_window->TimerPop();
    EXPECT_EQ(Text("lblFixQuality"), "DGPS");
    EXPECT_EQ(m_window->palette().color(QPalette::Window), QColor(255, 255, 255));
    EXPECT_EQ(Extended()->palette().color(QPalette::Window), QColor(255, 255, 255));
    EXPECT_EQ(backgroundPixel(), QColor(255, 255, 255));
    EXPECT_EQ(m_window->accessibleDescription(), "fix");

    m_gps.FixQuality = "0";
    m_window->TimerPop();
    EXPECT_EQ(Text("lblFixQuality"), "?");
    EXPECT_EQ(m_window->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(Extended()->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(backgroundPixel(), QColor(255, 0, 0));
    EXPECT_EQ(m_window->accessibleDescription(), "no fix");

    m_gps.FixQuality = "1";
    m_gps.FixMode = "2";
    m_window->TimerPop();
    EXPECT_EQ(Text("lblFixQuality"), "GPS");
    EXPECT_EQ(Text("lblxDFix"), "2D");
    EXPECT_EQ(m_window->palette().color(QPalette::Window), QColor(255, 255, 255));
}

TEST_F(SatInfoTest, MaximumTimeShowsWhenTheMaximumWasLastReached)
{
    SetCounts(8, 6);
    m_window->TimerPop(); // not sampled
    m_window->TimerPop();
    EXPECT_EQ(Text("lblSatsInViewMax"), "8");
    EXPECT_EQ(Text("lblMaxViewTime"), "123519 / 230394");

    m_gps.UtcTime = "123600";
    SetCounts(6, 4);
    m_window->TimerPop();
    EXPECT_EQ(Text("lblSatsInView"), "6");
    EXPECT_EQ(Text("lblSatsInViewMax"), "8");
    EXPECT_EQ(Text("lblMaxViewTime"), "123519 / 230394");
    EXPECT_EQ(Text("lblSatsTrackedMax"), "6");

    m_gps.UtcTime = "124000";
    m_gps.UtcDate = "240394";
    SetCounts(8, 6);
    m_window->TimerPop();
    EXPECT_EQ(Text("lblMaxViewTime"), "124000 / 240394");
    EXPECT_EQ(Text("lblMaxTrackedTime"), "124000 / 240394");
    EXPECT_EQ(Text("lblSatsInViewAvg"), "7.3");
}

TEST_F(SatInfoTest, HistogramOfSevenSevenEight)
{
    Extended()->click(); // the first refresh is never sampled
    for (int inView : {7, 7, 8}) {
        SetCounts(inView, 5);
        m_window->TimerPop();
    }
    EXPECT_EQ(Gauge("gagView_7")->Value(), 67);
    EXPECT_EQ(Text("lblView_7"), "66.7%");
    EXPECT_EQ(Gauge("gagView_8")->Value(), 33);
    EXPECT_EQ(Text("lblView_8"), "33.3%");
    EXPECT_EQ(Text("lblView_6"), "0.0%");
    EXPECT_EQ(Gauge("gagTrack_5")->Value(), 100);
    EXPECT_EQ(Text("lblTrack_5"), "100.0%");
    EXPECT_EQ(Text("lblSatsInViewAvg"), "7.3");
    EXPECT_TRUE(Label("lblView_8")->font().bold());
    EXPECT_FALSE(Label("lblView_7")->font().bold());
    EXPECT_FALSE(Label("lblView_0")->font().bold());
    EXPECT_TRUE(Label("lblTrack_5")->font().bold());
    EXPECT_EQ(Gauge("gagView_7")->accessibleDescription(), "66.7%");
}

TEST_F(SatInfoTest, CheckingExtendedFillsTheHistogramAtOnce)
{
    SetCounts(7, 4);
    m_window->TimerPop();
    m_window->TimerPop();
    EXPECT_EQ(Text("lblView_7"), "0.0%"); // hidden histograms are not drawn

    SetCounts(8, 4);
    Extended()->click(); // takes the second sample
    EXPECT_EQ(Text("lblView_7"), "50.0%");
    EXPECT_EQ(Text("lblView_8"), "50.0%");
    EXPECT_TRUE(Label("lblView_8")->font().bold());
    EXPECT_FALSE(Label("lblView_7")->font().bold());
    EXPECT_EQ(Text("lblSatsInView"), "8");
}

TEST_F(SatInfoTest, ExtendedWidensAndNarrowsAndIsStored)
{
    Extended()->click();
    EXPECT_EQ(m_window->width(), TwipsToPixelsX(9615));
    EXPECT_EQ(m_store.Get("SatInfo", "Expanded", ""), "1");
    Extended()->click();
    EXPECT_EQ(m_window->width(), TwipsToPixelsX(5380));
    EXPECT_EQ(m_store.Get("SatInfo", "Expanded", ""), "0");

    const int height = m_window->height();
    m_store.Save("SatInfo", "Expanded", "1");
    frmSatInfo reopened(m_context);
    EXPECT_TRUE(reopened.findChild<QCheckBox*>("chkExtended")->isChecked());
    EXPECT_EQ(reopened.width(), TwipsToPixelsX(9615));
    EXPECT_EQ(reopened.height(), height);
}

TEST_F(SatInfoTest, CountsBeyondTheHistogramAreClamped)
{
    Extended()->click();
    SetCounts(14, 13);
    m_window->TimerPop();
    EXPECT_EQ(Text("lblPRN_12"), "12");
    EXPECT_EQ(Text("lblSatsInView"), "14");
    EXPECT_EQ(Text("lblSatsInViewMax"), "14");
    EXPECT_EQ(Text("lblSatsTrackedMax"), "13");
    EXPECT_EQ(Gauge("gagView_12")->Value(), 100);
    EXPECT_TRUE(Label("lblView_12")->font().bold());
    EXPECT_TRUE(Label("lblTrack_12")->font().bold());

    SetCounts(-3, -1); // damaged counts
    m_window->TimerPop();
    EXPECT_TRUE(Label("lblPRN_1")->text().isEmpty());
    EXPECT_EQ(Text("lblView_0"), "50.0%");
    EXPECT_TRUE(Label("lblView_0")->font().bold());
    EXPECT_FALSE(Label("lblView_12")->font().bold());
    EXPECT_EQ(Text("lblSatsInViewMax"), "14");
    EXPECT_EQ(Text("lblSatsInViewAvg"), "5.5");
}

TEST(SatCountStatistics, BinsAreClampedAndShared)
{
    SatCountStatistics statistics;
    EXPECT_DOUBLE_EQ(statistics.InViewPercent(3), 0.0);
    EXPECT_DOUBLE_EQ(statistics.InViewAverage(), 0.0);
    EXPECT_EQ(SatCountStatistics::Bin(-5), 0);
    EXPECT_EQ(SatCountStatistics::Bin(12), 12);
    EXPECT_EQ(SatCountStatistics::Bin(40), 12);
    statistics.AddSample(40, 3);
    statistics.AddSample(12, 3);
    statistics.AddSample(-1, 0);
    statistics.AddSample(6, 3);
    EXPECT_EQ(statistics.InViewCount(12), 2);
    EXPECT_EQ(statistics.InViewCount(0), 1);
    EXPECT_EQ(statistics.TrackedCount(3), 3);
    EXPECT_DOUBLE_EQ(statistics.InViewPercent(12), 50.0);
    EXPECT_DOUBLE_EQ(statistics.InViewAverage(), 57.0 / 4);
    statistics.Clear();
    EXPECT_EQ(statistics.SampleCount(), 0);
    EXPECT_EQ(statistics.InViewCount(12), 0);
}

TEST_F(SatInfoTest, TimerPopWaitsForCompleteGroupsAndRunningInput)
{
    SetSky({{17, 45, 120, 45, true}});
    m_gps.SatViewComplete = false;
    m_window->TimerPop();
    EXPECT_TRUE(Label("lblPRN_1")->text().isEmpty());

    m_gps.SatViewComplete = true;
    m_settings.InputRunning = FlagClear;
    m_window->TimerPop();
    Extended()->click();
    EXPECT_TRUE(Label("lblPRN_1")->text().isEmpty());

    // The refreshes that did nothing did not use up the unsampled first one.
    m_settings.InputRunning = FlagSet;
    m_window->TimerPop();
    EXPECT_EQ(Text("lblPRN_1"), "17");
    EXPECT_EQ(Text("lblSatsInView"), "0");
    m_window->TimerPop();
    EXPECT_EQ(Text("lblSatsInView"), "1");
}

TEST_F(SatInfoTest, SteadySkyRepaintsNothing)
{
    Extended()->click();
    SetSky({{1, 40, 0, 40, true}, {2, 30, 90, 44, true}, {3, 10, 180, 0, false}, {4, 5, 270, 36, false}});
    m_gps.HDOP = 1.2f;
    m_gps.FixQuality = "1";
    m_window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window));
    for (int i = 0; i < 4; ++i)
        m_window->TimerPop();
    QCoreApplication::processEvents();

    PaintCounter counter;
    const auto children = m_window->findChildren<QWidget*>();
    for (QWidget* child : children)
        child->installEventFilter(&counter);
    for (int i = 0; i < 5; ++i)
        m_window->TimerPop();
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.Paints, 0);

    m_gps.SatSNR[1] = 45;
    m_window->TimerPop();
    QCoreApplication::processEvents();
    EXPECT_GT(counter.Paints, 0);
}

TEST_F(SatInfoTest, GaugeTablesOutliveTheWindow)
{
    SetSky({{17, 45, 120, 45, true}, {5, 20, 10, 40, true}});
    m_settings.GaugeFloor[2] = 40;
    m_window->TimerPop();
    m_window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(m_window.isNull());
    EXPECT_EQ(m_settings.LastGaugePRN[0], 17);
    EXPECT_EQ(m_settings.LastGaugePRN[1], 5);
    EXPECT_EQ(m_settings.GaugeFloor[2], 32);

    m_window = new frmSatInfo(m_context);
    EXPECT_EQ(m_settings.LastGaugePRN[0], 17);
    m_window->TimerPop();
    m_window->TimerPop();
    EXPECT_EQ(Text("lblSatsInViewMax"), "2"); // statistics started afresh
}

TEST_F(SatInfoTest, ShowingEntryFollowsOpenAndClose)
{
    EXPECT_EQ(m_store.Get("Showing", "SatInfo", ""), "-1");
    EXPECT_EQ(m_settings.ShowingSatInfo, FlagSet);
    m_window->close();
    EXPECT_EQ(m_store.Get("Showing", "SatInfo", ""), "0");
    EXPECT_EQ(m_settings.ShowingSatInfo, FlagClear);

    auto* second = new frmSatInfo(m_context);
    m_settings.AppClosing = FlagSet;
    second->close();
    delete second;
    EXPECT_EQ(m_store.Get("Showing", "SatInfo", ""), "-1");
    EXPECT_EQ(m_settings.ShowingSatInfo, FlagSet);
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
