#include "common/ProgramContext.h"
#include "common/WindowRoutines.h"
#include "views/SignalGauge.h"
#include "views/frmSatInfo.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QTest>

#include <stdexcept>
#include <tuple>
#include <vector>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QColor& color, std::ostream* os) { *os << color.name().toStdString(); }

using namespace trakora;

namespace {

struct Sat { int prn, elevation, azimuth, signal; bool used; };

const QColor Red(255, 0, 0), White(255, 255, 255), Blue(0, 0, 192), Grey(192, 192, 192);

struct PaintCounter : QObject {
    int Paints = 0;
    bool eventFilter(QObject*, QEvent* event) override { return (Paints += event->type() == QEvent::Paint), false; }
};

class SatInfoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_settings.GaugeFloor.fill(32);
        std::tie(m_settings.InputRunning, m_settings.SmallUnit) = std::tuple(FlagSet, "ME");
        std::tie(m_gps.UtcTime, m_gps.UtcDate, m_gps.HorizErrorUnit) = std::tuple("123519", "230394", "ME");
        m_window = new frmSatInfo(m_context);
    }
    void TearDown() override { delete m_window.data(); }

    // The counts follow the satellites given; tests that need others set them afterwards.
    void SetSky(const std::vector<Sat>& sats)
    {
        std::tie(m_gps.SatsInView, m_gps.SatsUsed) = std::tuple(static_cast<int>(sats.size()), 0);
        for (std::size_t i = 0; i < 12; ++i) {
            const Sat s = i < sats.size() ? sats[i] : Sat{0, 0, 0, 0, false};
            std::tie(m_gps.SatPRN[i], m_gps.SatElevation[i], m_gps.SatAzimuth[i], m_gps.SatSNR[i], m_gps.SatUsed[i]) =
                std::tie(s.prn, s.elevation, s.azimuth, s.signal, s.used);
            m_gps.SatsUsed += s.used ? 1 : 0;
        }
    }

    // Only satellite counts matter to the statistics.
    void SetCounts(int inView, int used)
    {
        std::vector<Sat> sats;
        for (int i = 0; i < std::min(inView, 12); ++i)
            sats.push_back({i + 1, 20 + i, 10 * i, 40, i < used});
        SetSky(sats);
        std::tie(m_gps.SatsInView, m_gps.SatsUsed) = std::tuple(inView, used);
    }

    void Pop(int times = 1) { while (times-- > 0) m_window->TimerPop(); }

    // A missing control throws, which fails the test with its name.
    template <typename T = QLabel> T* Find(const QString& name) const
    {
        T* found = m_window->findChild<T*>(name);
        return found ? found : throw std::runtime_error("no control " + name.toStdString());
    }
    QString Text(const QString& name) const { return Find(name)->text(); }
    SignalGauge* Gauge(const QString& name) const { return Find<SignalGauge>(name); }
    QCheckBox* Extended() const { return Find<QCheckBox>("chkExtended"); }
    template <typename... Names> QString Texts(Names... names) const { return QStringList{Text(names)...}.join(" | "); }
    bool Bold(const QString& name) const { return Find(name)->font().bold(); }
    QColor Ink(const QString& name) const { return Find(name)->palette().color(QPalette::WindowText); }

    GpsState m_gps;
    ProgramSettings m_settings;
    MemorySettingsStore m_store;
    ProgramContext m_context{m_gps, m_settings, m_store};
    QPointer<frmSatInfo> m_window;
};

TEST_F(SatInfoTest, RefreshWaitsForCompleteGroupsCountsFromTheSecondAndTimesTheMaximum)
{
    EXPECT_EQ(m_window->windowTitle(), "Satellite Information");
    SetSky({{17, 45, 120, 45, true}, {4, 12, 300, 38, true}, {9, 5, 30, 0, false}});
    std::tie(m_gps.HDOP, m_gps.VDOP, m_gps.PDOP, m_gps.HorizErrorEstimate) = std::tuple(1.4f, 0.8f, 2.25f, 12.0f);
    std::tie(m_gps.FixQuality, m_gps.FixMode, m_gps.SatViewComplete) = std::tuple("1", "3", false);
    Pop();
    std::tie(m_gps.SatViewComplete, m_settings.InputRunning) = std::tuple(true, FlagClear);
    Pop();
    m_settings.InputRunning = FlagSet; // the refreshes that did nothing left the first one unsampled
    Pop();
    EXPECT_EQ(Texts("lblPRN_1", "lblAz_2", "lblxDFix"), "17 | 300° | 3D");
    EXPECT_EQ(Texts("lblHDOP", "lblVDOP", "lblPDOP"), "1.4  or  12.0 Meters | .8  or  .0 Meters | 2.3");
    EXPECT_EQ(Texts("lblSatsInView", "lblSatsTracked", "lblSigQuality", "lblMaxViewTime"), "0 | 0 | 0 | ");
    Pop();
    EXPECT_EQ(Texts("lblSatsInView", "lblSatsTracked", "lblMaxViewTime"), "3 | 2 | 123519 / 230394");
    // Unused satellites count for the mask angle; signal quality is (45 + 38) / 3.
    EXPECT_EQ(Texts("lblLoElTracked", "lblMaskAngle", "lblSigQuality"), "12° | 5° | 27.7");

    std::tie(m_gps.UtcTime, m_gps.SatsInView) = std::tuple("123600", 2);
    Pop();
    EXPECT_EQ(Texts("lblSatsInViewMax", "lblMaxViewTime"), "3 | 123519 / 230394");
    std::tie(m_gps.UtcTime, m_gps.UtcDate, m_gps.SatsInView) = std::tuple("124000", "240394", 3);
    Pop();
    EXPECT_EQ(Texts("lblMaxViewTime", "lblMaxTrackedTime"), "124000 / 240394 | 124000 / 240394");
}

TEST_F(SatInfoTest, FiveInViewBlanksTheOtherSlotsAndASteadySkyRepaintsNothing)
{
    SetCounts(12, 12);
    Pop();
    m_settings.GaugeFloor[11] = 40;
    SetCounts(5, 5);
    Pop();
    for (int k = 1; k <= 12; ++k) {
        for (const char* prefix : {"lblPRN", "lblElev", "lblAz", "lblSS"})
            EXPECT_EQ(Text(QStringLiteral("%1_%2").arg(prefix).arg(k)).isEmpty(), k > 5) << prefix << k;
        EXPECT_EQ(Gauge(QStringLiteral("gagSatSS_%1").arg(k))->isHidden(), k > 5) << k;
    }
    EXPECT_EQ(m_settings.GaugeFloor[11], 32);

    Extended()->click();
    m_window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window));
    QCoreApplication::processEvents();
    PaintCounter counter;
    for (QWidget* child : m_window->findChildren<QWidget*>())
        child->installEventFilter(&counter);
    auto paintsAfter = [&](int pops) { counter.Paints = 0, Pop(pops), QCoreApplication::processEvents(); return counter.Paints; };
    EXPECT_EQ(paintsAfter(3), 0);
    m_gps.SatSNR[1] = 45;
    EXPECT_GT(paintsAfter(1), 0); // the counter does see a change
}

TEST_F(SatInfoTest, SignalGaugeFollowsSignalLevel)
{
    const struct { int prn, signal; bool hidden; int minimum, maximum, value; const char* legend; } steps[] = {
        {17, 0, true, 32, 50, 32, "signal 0 hides the gauge"},
        {17, 30, true, 30, 50, 30, "a weak signal lowers the floor but brings no gauge back"},
        {17, 45, false, 30, 50, 45, "the floor stays down for this satellite"},
        {17, 31, false, 30, 50, 30, "at or below the stored floor the gauge reads empty"},
        {17, 55, false, 30, 55, 55, "a strong signal raises the maximum"},
        {22, 45, false, 32, 50, 45, "a new satellite starts from the design range"},
    };
    for (const auto& s : steps) {
        SetSky({{s.prn, 45, 120, s.signal, true}});
        Pop();
        const SignalGauge* g = Gauge("gagSatSS_1");
        EXPECT_EQ(std::tuple(g->isHidden(), g->Minimum(), g->Maximum(), g->Value(), m_settings.LastGaugePRN[0]),
                  std::tuple(s.hidden, s.minimum, s.maximum, s.value, s.prn)) << s.legend;
    }
}

TEST_F(SatInfoTest, UnusedSatellitesAreGreyAddNoSignalAndTheFixColoursTheWindow)
{
    SetSky({{1, 40, 0, 40, true}, {2, 40, 0, 44, true}, {3, 40, 0, 50, false}});
    Pop(2);
    EXPECT_EQ(Text("lblSigQuality"), "28.0"); // (40 + 44) / 3
    const QPalette app = QApplication::palette();
    EXPECT_EQ(std::tuple(Ink("lblPRN_3"), Ink("lblSS_2"), Gauge("gagSatSS_3")->ForeColor()),
              std::tuple(app.color(QPalette::Disabled, QPalette::WindowText), app.color(QPalette::WindowText), Grey));
    EXPECT_EQ(Gauge("gagSatSS_3")->accessibleDescription(), "PRN 3, signal 50, not used");
    std::tie(m_gps.SatUsed[2], m_gps.SatsUsed) = std::tuple(true, 3);
    Pop();
    EXPECT_EQ(std::tuple(Ink("lblPRN_3"), Gauge("gagSatSS_3")->ForeColor()), std::tuple(Ink("lblSS_2"), Blue));
    EXPECT_EQ(Text("lblSigQuality"), "44.7");

    for (const auto& [quality, text, background] : {std::tuple("2", "DGPS", White), std::tuple("0", "?", Red)}) {
        m_gps.FixQuality = quality;
        Pop();
        EXPECT_EQ(std::tuple(Text("lblFixQuality"), m_window->palette().color(QPalette::Window),
                             Extended()->palette().color(QPalette::Window), m_window->grab().toImage().pixelColor(4, 4)),
                  std::tuple(QString(text), background, background, background));
        EXPECT_EQ(m_window->accessibleDescription(), background == Red ? "no fix" : "fix");
    }
    SetCounts(0, 2); // used satellites reported but none in view: nothing to divide by
    Pop();
    EXPECT_EQ(Text("lblSigQuality"), ".0");
}

TEST_F(SatInfoTest, HistogramOfSevenSevenEightAndCountsBeyondItClamped)
{
    Extended()->click(); // the first refresh is never sampled
    for (int inView : {7, 7, 8}) {
        SetCounts(inView, 5);
        Pop();
    }
    EXPECT_EQ(std::tuple(Gauge("gagView_7")->Value(), Gauge("gagView_8")->Value()), std::tuple(67, 33));
    EXPECT_EQ(Texts("lblView_7", "lblView_8", "lblTrack_5", "lblSatsInViewAvg"), "66.7% | 33.3% | 100.0% | 7.3");
    EXPECT_EQ(std::tuple(Bold("lblView_8"), Bold("lblView_7"), Bold("lblTrack_5")), std::tuple(true, false, true));

    SetCounts(14, 13);
    Pop();
    EXPECT_EQ(Texts("lblPRN_12", "lblSatsInView", "lblSatsTrackedMax", "lblView_12"), "12 | 14 | 13 | 25.0%");
    EXPECT_EQ(std::tuple(Bold("lblView_12"), Bold("lblTrack_12")), std::tuple(true, true));
    SetCounts(-3, -1); // damaged counts
    Pop();
    EXPECT_EQ(Texts("lblPRN_1", "lblView_0", "lblSatsInViewMax", "lblSatsInViewAvg"), " | 20.0% | 14 | 6.6");
    EXPECT_EQ(std::tuple(Bold("lblView_0"), Bold("lblView_12")), std::tuple(true, false));
}

TEST_F(SatInfoTest, ReopeningKeepsExpandedAndGaugeTablesButNotStatistics)
{
    for (const auto& [twips, stored] : {std::tuple(9615, "1"), std::tuple(5380, "0"), std::tuple(9615, "1")}) {
        Extended()->click();
        EXPECT_EQ(m_window->width(), TwipsToPixelsX(twips));
        EXPECT_EQ(m_store.Get("SatInfo", "Expanded", ""), stored);
    }
    SetSky({{17, 45, 120, 45, true}, {5, 20, 10, 40, true}});
    Pop(2);
    const QSize wide = m_window->size();
    m_window->close();
    delete m_window.data();
    m_window = new frmSatInfo(m_context);
    EXPECT_EQ(std::tuple(Extended()->isChecked(), m_window->width(), m_window->height(), m_settings.LastGaugePRN[1]),
              std::tuple(true, wide.width(), wide.height(), 5));
    SetSky({{17, 45, 120, 45, true}});
    Pop(2);
    EXPECT_EQ(Text("lblSatsInViewMax"), "1"); // the statistics start afresh
}

} // namespace
