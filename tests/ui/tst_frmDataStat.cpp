#include "SkyReports.h"
#include "common/WindowRoutines.h"
#include "views/frmDataStat.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QCoreApplication>
#include <QLabel>
#include <QPointer>

namespace trakora {

class DataStatTest : public ::testing::Test {
protected:
    void TearDown() override { delete m_window.data(); }

    QLabel* Label(const char* name) const { return m_window->findChild<QLabel*>(QString::fromLatin1(name)); }
    QString Text(const char* name) const { return Label(name) ? Label(name)->text() : QStringLiteral("(missing)"); }
    // Refreshes the window, then gives validity, variation and datum joined by '|', and the background colour.
    std::string Pop()
    {
        m_window->TimerPop();
        return (Text("lblValidity") + '|' + Text("lblMagVar") + '|' + Text("lblDatum") +
                m_window->grab().toImage().pixelColor(2, 2).name()).toStdString();
    }

    GpsState m_gps;
    ProgramSettings m_settings;
    MemorySettingsStore m_store;
    GnssState m_gnss;
    ProgramContext m_context{m_gps, m_settings, m_store, m_gnss};
    QPointer<frmDataStat> m_window{new frmDataStat(m_context)};
};

TEST_F(DataStatTest, WritesValidityVariationAndDatumWhileRunningAndOnlyWhenTheyChange)
{
    std::tie(m_gps.RMCStatus, m_gps.MapDatum) = std::tuple("A", "WGS 84");
    EXPECT_EQ(Pop(), "||#ff0000") << "nothing changes while input is stopped";
    EXPECT_EQ(m_window->accessibleDescription(), "invalid data");

    m_settings.InputRunning = FlagSet;
    const struct { const char *rmc, *gll; float magVar; const char *dir, *datum, *shown; } cases[] = {
        {"V", "A", 2.5f, "E", "  WGS 84  ", "Valid|2.5° E|WGS 84#ffffff"}, // either status makes it valid
        {"V", "V", -0.0f, "E", "   ", "Invalid|True North|#ff0000"},
        {"a", " ", 100.0f, "W", "", "Invalid|100° W|#ff0000"},
        {"A", "V", 0.1f, "E", "", "Valid|0.1° E|#ffffff"},
    };
    for (const auto& c : cases) {
        std::tie(m_gps.RMCStatus, m_gps.GLLStatus, m_gps.MagVar, m_gps.MagVarDir, m_gps.MapDatum) =
            std::tuple(c.rmc, c.gll, c.magVar, c.dir, c.datum);
        EXPECT_EQ(Pop(), c.shown);
        // A screen reader hears the state in words, with the name of what it reads.
        EXPECT_EQ(QAccessible::queryAccessibleInterface(Label("lblValidity"))->text(QAccessible::Name), "Data " + Text("lblValidity"))
            << c.shown;
    }
    // Marks the window never writes, so any rewrite of an unchanged value shows.
    m_window->setPalette(QPalette(Qt::blue));
    Label("lblDatum")->setText("marker");
    EXPECT_EQ(Pop(), "Valid|0.1° E|marker#0000ff");
}

TEST_F(DataStatTest, WithEveryTalkerTheFixDecidesAndAReceiverOfTodayGetsItsFixAndSystemsShown)
{
    m_settings.InputRunning = FlagSet;
    const auto GP = TalkerFilter::GpsOnly, ALL = TalkerFilter::AllGnss;
    const struct { TalkerFilter talkers; const char *rmc, *quality, *faa, *validity; } cases[] = {
        {GP, "A", "0", "N", "Valid"},   // GPS talkers: the status alone
        {ALL, "A", "0", "A", "Invalid"}, // every talker: the fix quality once a GGA gave one
        {ALL, "V", "2", "D", "Valid"},
        {ALL, "A", "1", "N", "Invalid"}, // FAA mode N is no fix
        {ALL, "A", "6", "E", "Invalid"}, // dead reckoning
    };
    for (const auto& c : cases) {
        std::tie(m_settings.Talkers, m_gps.RMCStatus, m_gps.FixQuality, m_gnss.FaaMode) =
            std::tuple(c.talkers, c.rmc, c.quality, c.faa);
        EXPECT_EQ(Pop().substr(0, std::string(c.validity).size() + 1), std::string(c.validity) + "|") << c.quality << c.faa;
        EXPECT_TRUE(Label("lblFixQuality")->isHidden()) << "a receiver of GPS only keeps the two rows";
    }
    const int height = m_window->height();

    // Satellites of two systems, or an RTK fix, bring the rows with the fix's name and the systems used.
    testing::ReportSky(m_gnss, m_gps, testing::Constellations({{GnssSystem::GPS, 9, 7}, {GnssSystem::Galileo, 5, 4},
                                                               {GnssSystem::BeiDou, 3, 0}}), 1);
    std::tie(m_gps.FixQuality, m_gnss.FaaMode) = std::tuple("4", "R");
    EXPECT_EQ(Pop().substr(0, 6), "Valid|");
    EXPECT_EQ(std::tuple(Text("lblFixQuality"), Text("lblSystems"), Label("lblSystems")->isHidden()),
              std::tuple(QString("RTK fixed"), QString("GPS, Galileo"), false));
    EXPECT_EQ(m_window->height() - height, TwipsToPixelsY(765));
    m_gps.FixQuality = "5";
    EXPECT_EQ(Pop().substr(0, 6), "Valid|");
    EXPECT_EQ(Text("lblFixQuality"), "RTK float");

    // Five systems do not fit by their full names; the tooltip keeps them.
    testing::ReportSky(m_gnss, m_gps, testing::Constellations({{GnssSystem::GPS, 9, 7}, {GnssSystem::SBAS, 2, 1},
                                                               {GnssSystem::GLONASS, 5, 4}, {GnssSystem::Galileo, 5, 4},
                                                               {GnssSystem::BeiDou, 3, 2}}), 2);
    Pop();
    const QLabel* systems = Label("lblSystems");
    EXPECT_EQ(systems->toolTip(), "GPS, SBAS, GLONASS, Galileo, BeiDou");
    EXPECT_LE(systems->fontMetrics().horizontalAdvance(systems->text()), systems->contentsRect().width());
    EXPECT_TRUE(systems->text().startsWith("GPS, SBAS, GLO")) << systems->text().toStdString();
}

TEST_F(DataStatTest, ClosedAtExitItReopensAtItsPlace)
{
    EXPECT_EQ(m_window->windowTitle(), "Data Status");
    m_window->move(300, 45);
    m_settings.AppClosing = FlagSet;
    m_window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(m_store.Get("Showing", "DataStat", "") + " " + m_store.Get("DataStat", "Left", "") + "," + m_store.Get("DataStat", "Top", ""),
              "-1 4500,675");
    m_window = new frmDataStat(m_context);
    EXPECT_EQ(m_window->pos(), QPoint(300, 45));
}

TEST_F(DataStatTest, NoLabelIsLowerThanItsFontsLine)
{
    m_window->show();
    for (const bool receiverRows : {false, true}) {
        if (receiverRows) { // an RTK fix brings the rows below the window's first bottom
            std::tie(m_settings.InputRunning, m_settings.Talkers, m_gps.FixQuality) =
                std::tuple(FlagSet, TalkerFilter::AllGnss, "5");
            Pop();
        }
        for (const QLabel* label : m_window->findChildren<QLabel*>())
            EXPECT_TRUE(!label->isVisibleTo(m_window.data()) || label->height() >= label->fontMetrics().height() + 2 * label->frameWidth())
                << label->objectName().toStdString() << (receiverRows ? " with the receiver rows" : "");
    }
}

} // namespace trakora
