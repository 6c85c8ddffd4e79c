#include "views/frmDataStat.h"

#include "common/WindowRoutines.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>

namespace trakora {

class DataStatTest : public ::testing::Test {
protected:
    void SetUp() override { m_settings.InputRunning = FlagSet; }
    void TearDown() override { delete m_window.data(); }

    QLabel* Label(const char* name) const { return m_window->findChild<QLabel*>(QString::fromLatin1(name)); }
    QString Text(const char* name) const { return Label(name) ? Label(name)->text() : QStringLiteral("(missing)"); }
    // Refreshes the window, then gives validity, variation and datum joined by '|'.
    std::string Pop()
    {
        m_window->TimerPop();
        return (Text("lblValidity") + '|' + Text("lblMagVar") + '|' + Text("lblDatum")).toStdString();
    }
    QRgb BackgroundPixel() const { return m_window->grab().toImage().pixel(2, 2); }

    GpsState m_gps;
    ProgramSettings m_settings;
    MemorySettingsStore m_store;
    ProgramContext m_context{m_gps, m_settings, m_store};
    QPointer<frmDataStat> m_window{new frmDataStat(m_context)};
};

TEST_F(DataStatTest, ValidityVariationAndDatumAreWrittenOnlyWhenTheyChange)
{
    struct Case { const char *rmc, *gll; float magVar; const char *dir, *datum, *shown; bool white; };
    const Case cases[] = {
        {"V", "A", 2.5f, "E", "  WGS 84  ", "Valid|2.5° E|WGS 84", true}, // either status makes it valid
        {"A", "V", 0.0f, "W", "NAD27 Canada", "Valid|True North|NAD27 Canada", true},
        {"V", "V", -0.0f, "E", "   ", "Invalid|True North|", false},
        {"a", " ", 100.0f, "W", "", "Invalid|100° W|", false},
        {"A", "A", 0.1f, "E", "", "Valid|0.1° E|", true},
    };
    for (const Case& c : cases) {
        m_gps.RMCStatus = c.rmc;
        m_gps.GLLStatus = c.gll;
        m_gps.MagVar = c.magVar;
        m_gps.MagVarDir = c.dir;
        m_gps.MapDatum = c.datum;
        EXPECT_EQ(Pop(), c.shown);
        EXPECT_EQ(BackgroundPixel(), c.white ? qRgb(255, 255, 255) : qRgb(255, 0, 0)) << c.shown;
    }
    // Marks the window never writes, so any rewrite of an unchanged value shows.
    QPalette marked = m_window->palette();
    marked.setColor(QPalette::Window, Qt::blue);
    m_window->setPalette(marked);
    Label("lblDatum")->setText("marker");
    EXPECT_EQ(Pop(), "Valid|0.1° E|marker");
    EXPECT_EQ(BackgroundPixel(), qRgb(0, 0, 255));
}

TEST_F(DataStatTest, NothingChangesWhileStopped)
{
    m_settings.InputRunning = FlagClear;
    m_gps.RMCStatus = "A";
    m_gps.MapDatum = "WGS 84";
    EXPECT_EQ(Pop(), "||");
    EXPECT_EQ(BackgroundPixel(), qRgb(255, 0, 0));
    EXPECT_EQ(m_window->accessibleDescription(), "invalid");
}

TEST_F(DataStatTest, LayoutFollowsTheDesign)
{
    EXPECT_EQ(m_window->windowTitle(), "Data Status");
    EXPECT_EQ(m_window->size(), QSize(TwipsToPixelsX(3990), TwipsToPixelsY(795)));
    EXPECT_EQ(Label("lblMagVar")->geometry(), TwipsRect(2370, 480, 1050, 225));
}

TEST_F(DataStatTest, ClosedAtExitItReopensAtItsPlace)
{
    m_window->show();
    m_window->move(300, 45);
    m_settings.AppClosing = FlagSet;
    m_window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(m_store.Get("Showing", "DataStat", ""), "-1");
    EXPECT_EQ(m_store.Get("DataStat", "Left", "") + "," + m_store.Get("DataStat", "Top", ""), "4500,675");
    m_window = new frmDataStat(m_context);
    EXPECT_EQ(m_window->pos(), QPoint(300, 45));
}

} // namespace trakora
