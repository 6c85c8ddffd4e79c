#include "SkyReports.h"
#include "common/WindowRoutines.h"
#include "views/SatelliteRowWidget.h"
#include "views/SignalGauge.h"
#include "views/frmSatInfo.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QScrollArea>

#include <stdexcept>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QColor& color, std::ostream* os) { *os << color.name().toStdString(); }

using namespace trakora;
using namespace trakora::testing;

namespace {

struct Sat { int prn, elevation, azimuth, signal; bool used; };

const QColor Red(255, 0, 0), White(255, 255, 255), Blue(0, 0, 192), Grey(192, 192, 192);

// Sees every paint, of satellite rows and of the rest, while only the window under test is open.
struct PaintCounter : QObject {
    int Rows = 0, Others = 0;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        return e->type() == QEvent::Paint && ++(dynamic_cast<SatelliteRowWidget*>(o) ? Rows : Others), false;
    }
};

class SatInfoTest : public ::testing::Test {
protected:
    void SetUp() override { m_settings.InputRunning = FlagSet, m_settings.GaugeFloor.fill(32); }
    void TearDown() override { delete m_window.data(); }

    // Fills the slots with `sats`, then with made-up satellites up to `inView` (the first `used` of them used),
    // sets the counts as given (even damaged ones, or ones beyond the twelve slots) and refreshes `pops` times.
    void Sky(std::vector<Sat> sats, int inView, int used, int pops = 1)
    {
        for (int i = int(sats.size()); i < std::min(inView, 12); ++i)
            sats.push_back({i + 1, 20 + i, 10 * i, 40, i < used});
        sats.resize(12); // the slots left over are empty
        for (std::size_t i = 0; i < 12; ++i)
            std::tie(m_gps.SatPRN[i], m_gps.SatElevation[i], m_gps.SatAzimuth[i], m_gps.SatSNR[i], m_gps.SatUsed[i]) =
                std::tie(sats[i].prn, sats[i].elevation, sats[i].azimuth, sats[i].signal, sats[i].used);
        std::tie(m_gps.SatsInView, m_gps.SatsUsed) = std::tuple(inView, used);
        Pop(pops);
    }
    void Pop(int times = 1) { while (times-- > 0) m_window->TimerPop(); }

    // A missing control throws, which fails the test with its name.
    template <typename T = QLabel> T* Find(const QString& name) const
    {
        T* found = m_window->findChild<T*>(name);
        return found ? found : throw std::runtime_error("no control " + name.toStdString());
    }
    template <typename... Names> QString Texts(Names... names) const { return QStringList{Find(names)->text()...}.join(" | "); }
    bool Bold(const QString& name) const { return Find(name)->font().bold(); }
    QColor Ink(const QString& name) const { return Find(name)->palette().color(QPalette::WindowText); }

    GpsState m_gps;
    ProgramSettings m_settings;
    MemorySettingsStore m_store;
    GnssState m_gnss;
    ProgramContext m_context{m_gps, m_settings, m_store, m_gnss};
    QPointer<frmSatInfo> m_window{new frmSatInfo(m_context)};
};

TEST_F(SatInfoTest, RefreshWaitsForCompleteGroupsCountsFromTheSecondAndTimesTheMaximum)
{
    EXPECT_EQ(m_window->windowTitle(), "Satellite Information");
    std::tie(m_gps.UtcTime, m_gps.UtcDate, m_gps.HorizErrorUnit, m_settings.SmallUnit) = std::tuple("123519", "230394", "ME", "ME");
    std::tie(m_gps.HDOP, m_gps.VDOP, m_gps.PDOP, m_gps.HorizErrorEstimate) = std::tuple(1.4f, 0.8f, 2.25f, 12.0f);
    std::tie(m_gps.FixQuality, m_gps.FixMode, m_gps.SatViewComplete) = std::tuple("1", "3", false);
    Sky({{17, 45, 120, 45, true}, {4, 12, 300, 38, true}, {9, 5, 30, 0, false}}, 3, 2);
    m_gps.SatViewComplete = true; // the refresh that did nothing left the first one unsampled
    Pop();
    EXPECT_EQ(Texts("lblPRN_1", "lblAz_2", "lblxDFix", "lblSatsInView", "lblSatsTracked"), "17 | 300° | 3D | 0 | 0");
    EXPECT_EQ(Texts("lblHDOP", "lblVDOP", "lblPDOP"), "1.4  or  12.0 Meters | .8  or  .0 Meters | 2.3");
    Pop();
    // Unused satellites count for the mask angle.
    EXPECT_EQ(Texts("lblSatsInView", "lblSatsTracked", "lblMaxViewTime", "lblLoElTracked", "lblMaskAngle"),
              "3 | 2 | 123519 / 230394 | 12° | 5°");

    std::tie(m_gps.UtcTime, m_gps.SatsInView) = std::tuple("123600", 2);
    Pop();
    EXPECT_EQ(Texts("lblSatsInViewMax", "lblMaxViewTime"), "3 | 123519 / 230394");
    std::tie(m_gps.UtcTime, m_gps.UtcDate, m_gps.SatsInView) = std::tuple("124000", "240394", 3);
    Pop();
    EXPECT_EQ(Texts("lblMaxViewTime", "lblMaxTrackedTime"), "124000 / 240394 | 124000 / 240394");

    // Satellites off the sky (elevation outside 0..90, azimuth outside 0..359) move neither extreme.
    Sky({{21, -3, 100, 40, true}, {22, 95, 100, 40, true}, {23, 2, 360, 40, true}, {24, 1, -1, 40, true},
         {9, 4, 30, 40, true}}, 5, 5);
    EXPECT_EQ(Texts("lblLoElTracked", "lblMaskAngle"), "4° | 4°");

    // Opened again with input stopped: the last sky at once, but counted, as at any opening, from the
    // second refresh with input running.
    m_settings.InputRunning = FlagClear;
    frmSatInfo again(m_context);
    QStringList shown;
    for (int pop = 0; pop < 3; m_settings.InputRunning = FlagSet, again.TimerPop(), ++pop)
        shown << again.findChild<QLabel*>("lblPRN_1")->text() + " " + again.findChild<QLabel*>("lblSatsInView")->text();
    EXPECT_EQ(shown.join(" | "), "21 0 | 21 0 | 21 5");
}

TEST_F(SatInfoTest, FiveInViewBlanksTheOtherSlotsAndASteadySkyRepaintsNothing)
{
    Sky({}, 12, 12);
    m_settings.GaugeFloor[11] = 40;
    Sky({}, 5, 5);
    EXPECT_EQ(Texts("lblPRN_5", "lblPRN_6", "lblElev_6", "lblAz_6", "lblSS_6", "lblSS_12"), "5 |  |  |  |  | ");
    // Emptied slots hide their gauges, and their floors go back to the design.
    EXPECT_EQ(std::tuple(Find<SignalGauge>("gagSatSS_5")->isHidden(), Find<SignalGauge>("gagSatSS_6")->isHidden(),
                         Find<SignalGauge>("gagSatSS_12")->isHidden(), m_settings.GaugeFloor[11]),
              std::tuple(false, true, true, 32));

    Find<QCheckBox>("chkExtended")->click();
    m_window->show();
    QCoreApplication::processEvents();
    PaintCounter counter;
    qApp->installEventFilter(&counter);
    auto paintsAfter = [&](int pops) {
        counter.Rows = counter.Others = 0, Pop(pops), QCoreApplication::processEvents();
        return counter.Rows + counter.Others;
    };
    EXPECT_EQ(paintsAfter(3), 0);
    m_gps.SatSNR[1] = 45;
    EXPECT_GT(paintsAfter(1), 0); // the counter does see a change
}

TEST_F(SatInfoTest, GaugesFollowTheSignalUnusedSatellitesAreGreyAndTheFixColoursTheWindow)
{
    const struct { int prn, signal; bool hidden; int minimum, maximum, value; const char* legend; } steps[] = {
        {17, 0, true, 32, 50, 32, "signal 0 hides the gauge"},
        {17, 30, true, 30, 50, 30, "a weak signal lowers the floor but brings no gauge back"},
        {17, 45, false, 30, 50, 45, "the floor stays down for this satellite"},
        {17, 55, false, 30, 55, 55, "a strong signal raises the maximum"},
        {22, 45, false, 32, 50, 45, "a new satellite starts from the design range"},
    };
    for (const auto& s : steps) {
        Sky({{s.prn, 45, 120, s.signal, true}}, 1, 1);
        const SignalGauge* g = Find<SignalGauge>("gagSatSS_1");
        EXPECT_EQ(std::tuple(g->isHidden(), g->Minimum(), g->Maximum(), g->Value(), m_settings.LastGaugePRN[0]),
                  std::tuple(s.hidden, s.minimum, s.maximum, s.value, s.prn)) << s.legend;
    }

    Sky({{1, 40, 0, 40, true}, {2, 40, 0, 44, true}, {3, 40, 0, 50, false}}, 3, 2);
    EXPECT_EQ(Find("lblSigQuality")->text(), "28.0"); // (40 + 44) / 3
    // Unused: grey that reads on the white cells, and italics, which tell it without colour.
    const auto italic = [this](const char* name) { return Find(name)->font().italic(); };
    EXPECT_EQ(std::tuple(Ink("lblPRN_3"), Ink("lblSS_2"), Find<SignalGauge>("gagSatSS_3")->ForeColor()),
              std::tuple(QColor(109, 109, 109), QApplication::palette().color(QPalette::WindowText), Grey));
    EXPECT_EQ(std::tuple(italic("lblPRN_3"), italic("lblAz_3"), italic("lblSS_2")), std::tuple(true, true, false));
    EXPECT_EQ(Find<SignalGauge>("gagSatSS_3")->accessibleDescription(), "PRN 3, signal 50, not used");
    Sky({{1, 40, 0, 40, true}, {2, 40, 0, 44, true}, {3, 40, 0, 50, true}}, 3, 3);
    EXPECT_EQ(std::tuple(Ink("lblPRN_3"), italic("lblPRN_3"), Find<SignalGauge>("gagSatSS_3")->ForeColor()),
              std::tuple(Ink("lblSS_2"), false, Blue));
    Sky({}, 0, 2); // used satellites reported but none in view: nothing to divide by
    EXPECT_EQ(Find("lblSigQuality")->text(), ".0");

    const auto GP = TalkerFilter::GpsOnly, ALL = TalkerFilter::AllGnss;
    const struct { TalkerFilter talkers; const char *quality, *faa, *text; QColor background; } fixes[] = {
        {ALL, "2", "D", "DGPS", White}, {ALL, "0", "N", "?", Red}, {ALL, "4", "R", "RTK", White},
        {GP, "4", "R", "?", Red}, {ALL, "5", "F", "Float", White}, {ALL, "1", "N", "GPS", Red}, // FAA mode N: no fix
        {ALL, "6", "E", "?", Red}, {GP, "1", "N", "GPS", White},
    };
    for (const auto& f : fixes) {
        std::tie(m_settings.Talkers, m_gps.FixQuality, m_gnss.FaaMode) = std::tuple(f.talkers, f.quality, f.faa);
        Pop();
        const bool fix = f.background == White;
        const QImage shown = m_window->grab().toImage();
        EXPECT_EQ(std::tuple(Find("lblFixQuality")->text(), Find<QCheckBox>("chkExtended")->palette().color(QPalette::Window),
                             shown.pixelColor(4, 4), m_window->accessibleDescription()),
                  std::tuple(QString(f.text), f.background, f.background, QString(fix ? "fix" : "no fix")))
            << f.quality << " " << f.faa;
        EXPECT_EQ(shown.pixelColor(Find("lblPRN_1")->geometry().topLeft() + QPoint(2, 2)), White) << "cells stay white";
    }
    EXPECT_EQ(Find("lblFixQuality")->accessibleDescription(), "") << "GPS talkers name no fix beyond the label";
    std::tie(m_settings.Talkers, m_gps.FixQuality) = std::tuple(ALL, "5");
    Pop();
    EXPECT_EQ(Find("lblFixQuality")->accessibleDescription(), "RTK float");
}

TEST_F(SatInfoTest, ExtendedStatsWidenTheWindowAndHistogramTheCountsClampedToTwelve)
{
    m_settings.Talkers = TalkerFilter::GpsOnly;
    Find<QCheckBox>("chkExtended")->click(); // the first refresh is never sampled
    for (int inView : {7, 7, 8})
        Sky({}, inView, 5);
    EXPECT_EQ(std::tuple(Find<SignalGauge>("gagView_7")->Value(), Find<SignalGauge>("gagView_8")->Value()), std::tuple(67, 33));
    EXPECT_EQ(Texts("lblView_7", "lblView_8", "lblTrack_5", "lblSatsInViewAvg"), "66.7% | 33.3% | 100.0% | 7.3");
    EXPECT_EQ(std::tuple(Bold("lblView_8"), Bold("lblView_7"), Bold("lblTrack_5")), std::tuple(true, false, true));

    Sky({}, 14, 13);
    EXPECT_EQ(Texts("lblPRN_12", "lblSatsInView", "lblSatsTrackedMax", "lblView_12"), "12 | 14 | 13 | 25.0%");
    EXPECT_EQ(std::tuple(Bold("lblView_12"), Bold("lblTrack_12")), std::tuple(true, true));
    Sky({}, -3, -1); // damaged counts
    EXPECT_EQ(Texts("lblPRN_1", "lblView_0", "lblSatsInViewMax", "lblSatsInViewAvg"), " | 20.0% | 14 | 6.6");
    EXPECT_EQ(std::tuple(Bold("lblView_0"), Bold("lblView_12")), std::tuple(true, false));

    // However the box is ticked: a click, or a screen reader's toggle action.
    auto* box = Find<QCheckBox>("chkExtended");
    box->click();
    EXPECT_EQ(std::pair(m_window->width(), m_store.Get("SatInfo", "Expanded", "")), std::pair(TwipsToPixelsX(5380), std::string("0")));
    QAccessible::queryAccessibleInterface(box)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(std::pair(m_window->width(), m_store.Get("SatInfo", "Expanded", "")), std::pair(TwipsToPixelsX(9615), std::string("1")));
    // Reopened, the window keeps its extended view and the gauge table but starts its statistics afresh.
    delete m_window.data();
    m_window = new frmSatInfo(m_context);
    EXPECT_EQ(std::tuple(Find<QCheckBox>("chkExtended")->isChecked(), m_window->width(), m_settings.LastGaugePRN[11]),
              std::tuple(true, TwipsToPixelsX(9615), 12));
    Sky({}, 1, 1, 2);
    EXPECT_EQ(Find("lblSatsInViewMax")->text(), "1");
}

// With every talker, a sky beyond twelve satellites or of several systems.
class SatTableTest : public SatInfoTest {
protected:
    void Report(const std::vector<TestSat>& sats, int pops = 1) { ReportSky(m_gnss, m_gps, sats, ++m_second), Pop(pops); }
    std::vector<SatelliteRowWidget*> Rows() const
    {
        std::vector<SatelliteRowWidget*> rows;
        for (int i = 1; QWidget* row = m_window->findChild<QWidget*>(QStringLiteral("SatelliteRow_%1").arg(i)); ++i)
            if (!row->isHidden()) rows.push_back(static_cast<SatelliteRowWidget*>(row));
        return rows;
    }
    // What a screen reader hears of a row: its name, or its description.
    static QString Spoken(QWidget* row, QAccessible::Text what = QAccessible::Name)
    {
        return QAccessible::queryAccessibleInterface(row)->text(what);
    }
    // The satellite of each shown row: "G01 G02 ...".
    QString Names() const
    {
        QStringList names;
        for (const SatelliteRowWidget* row : Rows()) names << QString::fromLatin1(DisplayName(row->Row().Id).data());
        return names.join(' ');
    }
    const std::vector<TestSat> m_forty = Constellations(
        {{GnssSystem::GPS, 12, 8}, {GnssSystem::GLONASS, 10, 6}, {GnssSystem::Galileo, 8, 5}, {GnssSystem::BeiDou, 10, 7}});
    int m_second = 0;
};

TEST_F(SatTableTest, FortySatellitesOfFourSystemsFillATableThatScrollsPastTwelveRows)
{
    Report(m_forty, 2);
    EXPECT_EQ(Names(), "G01 G02 G03 G04 G05 G06 G07 G08 G09 G10 G11 G12 R01 R02 R03 R04 R05 R06 R07 R08 R09 R10 "
                       "E01 E02 E03 E04 E05 E06 E07 E08 C01 C02 C03 C04 C05 C06 C07 C08 C09 C10");
    EXPECT_EQ(Find("lblSatSummary")->text(), "GPS 12/8  GLONASS 10/6  Galileo 8/5  BeiDou 10/7");
    // R03: elevation 10 + 2 * 2, azimuth 15 * 2, used.
    EXPECT_EQ(Spoken(Rows()[14]) + " / " + Spoken(Rows()[9]), "GLONASS R03, elevation 14, azimuth 30, signal 40, used in fix / "
                                                              "GPS G10, elevation 28, azimuth 135, signal 30, not used");
    // Every satellite counts: 26 used of 40, signal quality 26 x 40 / 40.
    EXPECT_EQ(Texts("lblSatsInView", "lblSatsTracked", "lblSigQuality", "lblMaskAngle"), "40 | 26 | 26.0 | 10°");

    // The columns give way; the window keeps its width and grows taller, the rest moving down below the table.
    const QWidget* table = Find<QWidget>("SatelliteTable");
    EXPECT_TRUE(Find("lblPRN_1")->isHidden() && Find<SignalGauge>("gagSatSS_1")->isHidden() && !table->isHidden());
    EXPECT_EQ(m_window->width(), TwipsToPixelsX(5380));
    EXPECT_GE(Find("lblHDOP")->y(), table->geometry().bottom());
    EXPECT_GE(m_window->height(), Find("lblMaskAngle")->geometry().bottom());
    // Twelve rows in sight, the other 28 scrolled to.
    m_window->show();
    QCoreApplication::processEvents();
    const auto* rows = Find<QScrollArea>("SatelliteRows");
    const int rowHeight = Rows()[0]->height();
    EXPECT_EQ(std::pair(rows->viewport()->height(), rows->widget()->height()), std::pair(12 * rowHeight, 40 * rowHeight));

    // A satellite reported on two signals shows its best and lists both.
    std::vector<TestSat> twoSignals = m_forty;
    twoSignals.push_back({GnssSystem::GPS, 1, 10, 0, 44, true, 8});
    Report(twoSignals);
    EXPECT_EQ(std::tuple(Rows()[0]->Row().Snr, Spoken(Rows()[0], QAccessible::Description)),
              std::tuple(44, QString("L1 C/A 40, L5 Q 44")));
    EXPECT_EQ(Rows().size(), 40u);
}

TEST_F(SatTableTest, RowsKeepTheirSatellitesFromEpochToEpochAndOnlyWhatChangedIsRepainted)
{
    Report(m_forty);
    const QString names = Names();
    std::vector<TestSat> reversed(m_forty.rbegin(), m_forty.rend());
    Report(reversed);
    EXPECT_EQ(Names(), names) << "the order the receiver reports in does not matter";

    m_window->show();
    QCoreApplication::processEvents();
    PaintCounter paints;
    qApp->installEventFilter(&paints);
    for (int epoch = 0; epoch < 3; ++epoch)
        Report(reversed);
    QCoreApplication::processEvents();
    EXPECT_EQ(std::pair(paints.Rows, paints.Others), std::pair(0, 0)) << "a steady sky repaints nothing";
    reversed[35].Snr = 22; // G05's signal alone changes
    Report(reversed);
    QCoreApplication::processEvents();
    EXPECT_EQ(paints.Rows, 1);
    EXPECT_EQ(Spoken(Rows()[4]), "GPS G05, elevation 18, azimuth 60, signal 22, used in fix");
    qApp->removeEventFilter(&paints);
}

TEST_F(SatTableTest, HistogramsGrowABinForEveryCountSeenAndKeepTheCurrentOneInSight)
{
    Find<QCheckBox>("chkExtended")->click(); // the first refresh is never sampled
    m_window->show();
    QCoreApplication::processEvents();
    for (const auto& [inView, used] : {std::pair(35, 20), std::pair(40, 26)}) {
        ReportSky(m_gnss, m_gps, m_forty, ++m_second);
        std::tie(m_gps.SatsInView, m_gps.SatsUsed) = std::tuple(inView, used);
        Pop();
    }
    EXPECT_EQ(Texts("lblView_35", "lblView_40", "lblTrack_26", "lblCount_40", "lblView_12"), "50.0% | 50.0% | 50.0% | 40 | 0.0%");
    EXPECT_EQ(std::tuple(Find<SignalGauge>("gagView_40")->Value(), Bold("lblView_40"), Bold("lblView_35"), Bold("lblTrack_26")),
              std::tuple(50, true, false, true));
    EXPECT_EQ(m_window->findChild<QLabel*>("lblView_41"), nullptr) << "no bin beyond the largest count";
    const auto* area = Find<QScrollArea>("Histograms");
    const QRect current(Find("lblView_40")->mapTo(area->viewport(), QPoint(0, 0)), Find("lblView_40")->size());
    EXPECT_TRUE(area->viewport()->rect().contains(current)) << "scrolled into sight";
}

} // namespace
