#include "views/frmDataStat.h"

#include "common/WindowRoutines.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QPointer>

#include <memory>

namespace trakora {
namespace {

class DataStatTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_settings.InputRunning = FlagSet;
        m_window = new frmDataStat(m_context);
        m_window->installEventFilter(&m_paletteWrites);
    }
    void TearDown() override { delete m_window.data(); }

    QString Text(const char* name) const
    {
        auto* label = m_window->findChild<QLabel*>(QString::fromLatin1(name));
        EXPECT_NE(label, nullptr) << name;
        return label ? label->text() : QString();
    }
    QRgb BackgroundPixel() const { return m_window->grab().toImage().pixel(2, 2); }

    // Counts the palette writes the window receives.
    class PaletteWriteCounter : public QObject {
    public:
        int Count = 0;

    protected:
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::PaletteChange)
                ++Count;
            return false;
        }
    };

    std::unique_ptr<GpsState> m_gps = std::make_unique<GpsState>();
    ProgramSettings m_settings;
    MemorySettingsStore m_store;
    ProgramContext m_context{*m_gps, m_settings, m_store};
    PaletteWriteCounter m_paletteWrites;
    QPointer<frmDataStat> m_window;
};

QString U(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

TEST_F(DataStatTest, OpenedWhileStoppedShowsEmptyLabelsOnRed)
{
    m_settings.InputRunning = FlagClear;
    m_gps->RMCStatus = "A";
    m_gps->MagVar = 3.0f;
    m_gps->MapDatum = "WGS 84";
    m_window->TimerPop();
    m_window->TimerPop();
    EXPECT_EQ(Text("lblValidity"), QString());
    EXPECT_EQ(Text("lblMagVar"), QString());
    EXPECT_EQ(Text("lblDatum"), QString());
    EXPECT_EQ(BackgroundPixel(), qRgb(255, 0, 0));
    EXPECT_EQ(m_window->accessibleDescription(), U("invalid"));
    EXPECT_EQ(m_paletteWrites.Count, 0);
}

TEST_F(DataStatTest, BeforeAnySentenceShowsInvalidTrueNorthAndNoDatum)
{
    m_window->TimerPop();
    EXPECT_EQ(Text("lblValidity"), U("Invalid"));
    EXPECT_EQ(Text("lblMagVar"), U("True North"));
    EXPECT_EQ(Text("lblDatum"), QString());
    EXPECT_EQ(BackgroundPixel(), qRgb(255, 0, 0));
}

TEST_F(DataStatTest, EitherStatusMakesTheDataValid)
{
    struct Case {
        const char* rmc;
        const char* gll;
        const char* shown;
    };
    const Case cases[] = {{"V", "A", "Valid"}, {"A", "V", "Valid"}, {"A", "A", "Valid"},
                          {"V", "V", "Invalid"}, {"a", " ", "Invalid"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.rmc) + c.gll);
        m_gps->RMCStatus = c.rmc;
        m_gps->GLLStatus = c.gll;
        m_window->TimerPop();
        const bool valid = std::string_view(c.shown) == "Valid";
        EXPECT_EQ(Text("lblValidity"), U(c.shown));
        EXPECT_EQ(BackgroundPixel(), valid ? qRgb(255, 255, 255) : qRgb(255, 0, 0));
        EXPECT_EQ(m_window->accessibleDescription(), valid ? U("valid") : U("invalid"));
    }
}

TEST_F(DataStatTest, BackgroundIsWrittenOnlyWhenValidityChanges)
{
    m_gps->RMCStatus = "V";
    m_window->TimerPop();
    EXPECT_EQ(m_paletteWrites.Count, 0);
    m_gps->RMCStatus = "A";
    for (int i = 0; i < 4; ++i)
        m_window->TimerPop();
    EXPECT_EQ(m_paletteWrites.Count, 1);
    m_gps->RMCStatus = "V";
    for (int i = 0; i < 4; ++i)
        m_window->TimerPop();
    EXPECT_EQ(m_paletteWrites.Count, 2);

    // A colour the window did not choose survives refreshes that bring no
    // change of validity, so none of them wrote the background.
    QPalette marked = m_window->palette();
    marked.setColor(QPalette::Window, Qt::blue);
    m_window->setPalette(marked);
    m_window->TimerPop();
    EXPECT_EQ(BackgroundPixel(), qRgb(0, 0, 255));
}

TEST_F(DataStatTest, MagneticVariationText)
{
    struct Case {
        float variation;
        const char* direction;
        const char* shown;
    };
    const Case cases[] = {{2.5f, "E", "2.5° E"}, {0.0f, "W", "True North"}, {-0.0f, "E", "True North"},
                          {3.5f, "W", "3.5° W"}, {-1.25f, "E", "-1.25° E"}, {12.3f, "W", "12.3° W"},
                          {0.1f, "E", "0.1° E"}, {100.0f, "W", "100° W"}};
    for (const Case& c : cases) {
        m_gps->MagVar = c.variation;
        m_gps->MagVarDir = c.direction;
        m_window->TimerPop();
        EXPECT_EQ(Text("lblMagVar"), U(c.shown)) << c.variation;
    }
}

TEST_F(DataStatTest, DatumIsTrimmed)
{
    const std::pair<const char*, const char*> cases[] = {
        {"  WGS 84  ", "WGS 84"}, {"NAD27 Canada", "NAD27 Canada"}, {"   ", ""}, {"", ""}};
    for (const auto& [datum, shown] : cases) {
        m_gps->MapDatum = datum;
        m_window->TimerPop();
        EXPECT_EQ(Text("lblDatum"), U(shown)) << datum;
    }
}

TEST_F(DataStatTest, LayoutFollowsTheDesign)
{
    EXPECT_EQ(m_window->windowTitle(), U("Data Status"));
    EXPECT_EQ(m_window->size(), QSize(TwipsToPixelsX(3990), TwipsToPixelsY(795)));
    EXPECT_EQ(m_window->minimumSize(), m_window->maximumSize());

    const std::pair<const char*, QRect> values[] = {{"lblDatum", TwipsRect(795, 120, 1050, 225)},
                                                    {"lblValidity", TwipsRect(2565, 120, 1050, 225)},
                                                    {"lblMagVar", TwipsRect(2370, 480, 1050, 225)}};
    for (const auto& [name, rect] : values) {
        auto* label = m_window->findChild<QLabel*>(QString::fromLatin1(name));
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->geometry(), rect) << name;
        EXPECT_EQ(label->frameShape(), QFrame::Box) << name;
        EXPECT_TRUE(label->alignment() & Qt::AlignHCenter) << name;
        EXPECT_TRUE(label->font().bold()) << name;
    }
    auto* heading = m_window->findChild<QLabel*>(QStringLiteral("lblMagVarHeading"));
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->text(), U("Magnetic Variation"));
    EXPECT_TRUE(heading->alignment() & Qt::AlignRight);
    EXPECT_EQ(heading->geometry(), TwipsRect(510, 480, 1695, 195));
}

TEST_F(DataStatTest, OpenWindowEntryAndPlacementPersist)
{
    EXPECT_EQ(m_store.Get("Showing", "DataStat", ""), "-1");
    EXPECT_EQ(m_settings.ShowingDataStat, FlagSet);

    m_window->show();
    m_window->move(300, 45);
    m_settings.AppClosing = FlagSet; // the program closes it at exit
    m_window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(m_window.isNull());
    EXPECT_EQ(m_store.Get("Showing", "DataStat", ""), "-1");
    EXPECT_EQ(m_settings.ShowingDataStat, FlagSet);
    EXPECT_EQ(m_store.Get("DataStat", "Left", ""), "4500");
    EXPECT_EQ(m_store.Get("DataStat", "Top", ""), "675");

    m_settings.AppClosing = FlagClear;
    m_window = new frmDataStat(m_context);
    EXPECT_EQ(m_window->pos(), QPoint(300, 45));
    m_window->show();
    m_window->close(); // the user closes it
    EXPECT_EQ(m_store.Get("Showing", "DataStat", ""), "0");
    EXPECT_EQ(m_settings.ShowingDataStat, FlagClear);
}

} // namespace
} // namespace trakora
