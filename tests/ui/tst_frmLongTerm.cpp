#include "common/LoadProgramSettings.h"
#include "common/WindowRoutines.h"
#include "longterm/frmLongTerm.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace trakora;

namespace {

class FixedClock : public IClock {
public:
    LocalTime Now() override { return time; }
    LocalTime time = ToLocalTime({2026, 12, 6, 8, 30, 0});
};

struct AnswerYes : ILongTermHooks {
    void Yield() override { QCoreApplication::processEvents(); }
    bool AskYesNo(std::string_view, std::string_view) override { return true; }
};

class LongTermWindowTest : public ::testing::Test {
protected:
    LongTermWindowTest() { LoadProgramSettings(settings, gps, store); }
    void TearDown() override { if (window) window->close(); }

    void Open() { (window = new frmLongTerm(context, clock, &hooks))->show(); }
    // A missing control throws, which fails the test with its name.
    template <typename T = QLabel> T* Child(const char* name) const
    {
        T* child = window->findChild<T*>(name);
        return child ? child : throw std::runtime_error(std::string("no control ") + name);
    }
    QString Texts(std::initializer_list<const char*> names) const
    {
        QStringList texts;
        for (const char* name : names) texts << Child(name)->text();
        return texts.join(" | ");
    }
    // Row 0 sampling every second, started from a 3D fix with HDOP 0.9.
    void StartRowZero()
    {
        Child<QCheckBox>("chkEnabled_0")->setChecked(true);
        Child<QComboBox>("cboInterval_0")->setCurrentIndex(0); // "1"
        Child<QComboBox>("cboIntType_0")->setCurrentIndex(0);  // "Secs"
        std::tie(gps.FixQuality, gps.FixMode, gps.HDOP, gps.NewPosition) = std::tuple("1", "3", 0.9f, true);
        Child<QPushButton>("cmdStart")->click();
    }

    GpsState gps;
    ProgramSettings settings;
    MemorySettingsStore store;
    GnssState gnss;
    ProgramContext context{gps, settings, store, gnss};
    FixedClock clock;
    AnswerYes hooks;
    QPointer<frmLongTerm> window;
};

TEST_F(LongTermWindowTest, OpensStoppedWithStoredRowsInTheirControlsAndTheThresholdBoxFiltersKeys)
{
    for (const auto& [section, value] : {std::pair("LTEnab", "1"), {"LTTime", "15"}, {"LTInt", "Mins"}, {"Samps", "4"}, {"Lats", "180.5"}})
        store.Save(section, "0", value);
    settings.DegreeFormat = 2;
    Open();
    EXPECT_EQ(window->windowTitle(), "Where Am I ?");
    EXPECT_EQ(window->size(), QSize(TwipsToPixelsX(11385), TwipsToPixelsY(5985)));
    EXPECT_EQ(Texts({"lblStatus", "lblNow", "lblLat_0"}), QString::fromUtf8("Stopped | Not yet started | 45.12500\xC2\xB0"));
    EXPECT_EQ(Child("lblSamples_9")->toolTip(), "Sampling not started.");
    EXPECT_EQ(std::tuple(Child<QComboBox>("cboInterval_9")->currentIndex(), Child<QCheckBox>("chkEnabled_0")->isChecked(),
                         Child<QComboBox>("cboInterval_0")->currentText(), Child<QComboBox>("cboIntType_0")->currentText()),
              std::tuple(-1, true, QString("15"), QString("Mins")));
    EXPECT_EQ(window->Sampler().Row(0).RowIntervalSecs, 900);
    EXPECT_EQ(store.Get("Showing", "LongTerm", ""), "-1");

    auto* box = Child<QLineEdit>("txtTopDOP");
    box->setFocus();
    box->clear();
    QTest::keyClicks(box, "1a-.5");
    EXPECT_EQ(std::pair(box->text(), store.Get("LTTime", "DOPMax", "")), std::pair(QString("1.5"), std::string("1.5")));
}

TEST_F(LongTermWindowTest, StartSamplesThroughTheControlsAndCloseSavesFirst)
{
    Open();
    gps.Latitude = 47.5f;
    StartRowZero();
    EXPECT_FALSE(Child<QPushButton>("cmdStart")->isEnabled());
    EXPECT_EQ(Child("lblStartTime")->text(), "2026-12-06 08:30:00");

    const auto pass = [&](const char* quality) {
        clock.time += 2;
        std::tie(gps.FixQuality, gps.NewPosition) = std::tuple(quality, true);
        window->TimerPop();
        return Child("lblStatus");
    };
    EXPECT_EQ(pass("1")->palette().color(QPalette::Window), QColor(192, 192, 192));
    EXPECT_EQ(Texts({"lblSamples_0", "lblTopDOP"}), "1 | 0.9");
    EXPECT_EQ(Child("lblSamples_0")->toolTip(), "Next update at 2026-12-06 08:30:03");
    const QLabel* held = pass("0");
    EXPECT_EQ(std::pair(held->text(), held->palette().color(QPalette::Window)), std::pair(QString("Quality Hold"), QColor(255, 128, 128)));

    Child<QPushButton>("cmdClose")->click();
    EXPECT_EQ(store.Get("Samps", "0", "") + " " + store.Get("Lats", "0", "") + " " + store.Get("Showing", "LongTerm", ""), "1 47.5 0");
}

// Pixels of the plot close in hue to one of the three drawn colours.
int CountPixels(const QImage& image, int hue)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y).saturation() > 120 && std::abs(image.pixelColor(x, y).hsvHue() - hue) < 20;
    return count;
}

TEST_F(LongTermWindowTest, DetailsTellHowGoodTheAverageIsAndExportIt)
{
    std::tie(settings.SmallUnit, settings.DegreeFormat) = std::tuple("ME", 2);
    Open();
    auto* plot = Child<QWidget>("picScatter");
    EXPECT_FALSE(plot->isVisible()) << "no painting until asked for";
    EXPECT_FALSE(Child<QPushButton>("cmdExport")->isEnabled());
    std::tie(gps.LatDir, gps.LonDir, gps.Longitude, gps.UtcDate, gps.UtcTime, gps.AltUnit) =
        std::tuple("N", "E", 7.5f, "061226", "083000", "FE");
    StartRowZero();
    // 6.78 m north and south of 45 degrees (see the sampler's tests), and altitudes one foot apart.
    for (float lat : {45.0f, 45.0f + 1.0f / 16384, 45.0f - 1.0f / 16384}) {
        clock.time += 2;
        std::tie(gps.Latitude, gps.Altitude, gps.NewPosition, gps.NewAltitude) = std::tuple(lat, lat == 45.0f ? 100.5f : 101.5f, true, true);
        window->TimerPop();
    }
    std::tie(gps.FixQuality, gps.NewPosition) = std::tuple("0", true);
    window->TimerPop();

    EXPECT_EQ(Texts({"lblSigmaNorth", "lblSigmaEast", "lblCEP50", "lblSpreadSamples", "lblHeldQuality", "lblAltSigma"}),
              QString::fromUtf8("6.78 Meters | 0.00 Meters | 3.99 Meters | 3 | 1 | \xCF\x83 0.18 Meters"));
    EXPECT_TRUE(Child("lblCEP95")->toolTip().contains("approximation"));

    Child<QPushButton>("cmdPlot")->click();
    ASSERT_TRUE(plot->isVisible());
    const QImage image = plot->grab().toImage();
    for (const auto& [hue, least, what] : {std::tuple(225, 3, "the samples"), {120, 20, "the CEP50 circle"}, {0, 20, "the CEP95 circle"}})
        EXPECT_GT(CountPixels(image, hue), least) << what;
    EXPECT_TRUE(plot->accessibleDescription().contains("CEP50 3.99 m"));

    Child<QPushButton>("cmdCopy")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("45.00000\xC2\xB0 N, 7.50000\xC2\xB0 E"));

    QTemporaryDir dir;
    const QString path = dir.filePath("point.gpx");
    QString error;
    ASSERT_TRUE(window->ExportTo(path, error)) << error.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    // Each element with what it carries: namespace and version, coordinates, or text.
    QXmlStreamReader xml(&file);
    QStringList read;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const QString name = xml.name().toString();
        const QXmlStreamAttributes a = xml.attributes();
        if (name == "gpx") read << name + " " + xml.namespaceUri().toString() + " " + a.value("version").toString();
        else if (name == "wpt") read << name + " " + a.value("lat").toString() + " " + a.value("lon").toString();
        else if (name == "time" || name == "ele") read << name + " " + xml.readElementText();
        else read << name;
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    // Elevation 304 / 3 feet: summed in whole feet, halves to even.
    EXPECT_EQ(read.join(" | "), "gpx http://www.topografix.com/GPX/1/1 1.1 | wpt 45.00000000 7.50000000 | ele 30.89 | "
                                "time 2026-12-06T08:30:00Z | name | desc");
#ifdef TRAKORA_GPX_SCHEMA
    QProcess xmllint;
    xmllint.start(TRAKORA_XMLLINT, {"--noout", "--schema", TRAKORA_GPX_SCHEMA, path});
    ASSERT_TRUE(xmllint.waitForFinished(20000));
    EXPECT_EQ(xmllint.exitCode(), 0) << xmllint.readAllStandardError().toStdString();
#endif

    Child<QComboBox>("cboDetailRow")->setCurrentIndex(1);
    EXPECT_EQ(Child("lblSigmaNorth")->text(), "") << "a row without samples shows blanks";
    EXPECT_FALSE(Child<QPushButton>("cmdExport")->isEnabled() || window->ExportTo(path, error));
}

} // namespace
