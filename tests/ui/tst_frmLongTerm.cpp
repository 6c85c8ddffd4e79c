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

    frmLongTerm* Open()
    {
        auto* window = new frmLongTerm(context, clock, &hooks);
        window->show();
        return window;
    }

    template <typename T>
    static T* Child(QWidget* window, const char* name)
    {
        T* child = window->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    GpsState gps;
    ProgramSettings settings;
    MemorySettingsStore store;
    GnssState gnss;
    ProgramContext context{gps, settings, store, gnss};
    FixedClock clock;
    AnswerYes hooks;
};

TEST_F(LongTermWindowTest, OpensStoppedWithStoredRowsInTheirControls)
{
    store.Save("LTEnab", "0", "1");
    store.Save("LTTime", "0", "15");
    store.Save("LTInt", "0", "Mins");
    store.Save("Samps", "0", "4");
    store.Save("Lats", "0", "180.5");
    settings.DegreeFormat = 2;
    QPointer<frmLongTerm> window = Open();
    EXPECT_EQ(window->windowTitle(), "Where Am I ?");
    EXPECT_EQ(window->size(), QSize(TwipsToPixelsX(11385), TwipsToPixelsY(5985)));
    EXPECT_EQ(Child<QLabel>(window, "lblStatus")->text(), "Stopped");
    EXPECT_EQ(Child<QLabel>(window, "lblNow")->text(), "Not yet started");
    EXPECT_EQ(Child<QLabel>(window, "lblSamples_9")->toolTip(), "Sampling not started.");
    EXPECT_EQ(Child<QComboBox>(window, "cboInterval_9")->currentIndex(), -1);
    EXPECT_TRUE(Child<QCheckBox>(window, "chkEnabled_0")->isChecked());
    EXPECT_EQ(Child<QComboBox>(window, "cboInterval_0")->currentText(), "15");
    EXPECT_EQ(Child<QComboBox>(window, "cboIntType_0")->currentText(), "Mins");
    EXPECT_EQ(window->Sampler().Row(0).RowIntervalSecs, 900);
    EXPECT_EQ(Child<QLabel>(window, "lblLat_0")->text(), QString::fromUtf8("45.12500\xC2\xB0"));
    EXPECT_EQ(store.Get("Showing", "LongTerm", ""), "-1");
    window->close();
}

TEST_F(LongTermWindowTest, ThresholdBoxFiltersKeysAndStoresEveryChange)
{
    QPointer<frmLongTerm> window = Open();
    auto* box = Child<QLineEdit>(window, "txtTopDOP");
    box->setFocus();
    box->clear();
    QTest::keyClicks(box, "1a-.5");
    EXPECT_EQ(box->text(), "1.5");
    EXPECT_EQ(store.Get("LTTime", "DOPMax", ""), "1.5");
    window->close();
}

TEST_F(LongTermWindowTest, StartSamplesThroughTheControlsAndCloseSavesFirst)
{
    QPointer<frmLongTerm> window = Open();
    Child<QCheckBox>(window, "chkEnabled_0")->setChecked(true);
    Child<QComboBox>(window, "cboInterval_0")->setCurrentIndex(0); // "1"
    Child<QComboBox>(window, "cboIntType_0")->setCurrentIndex(0);  // "Secs"
    gps.FixQuality = "1";
    gps.FixMode = "3";
    gps.HDOP = 0.9f;
    gps.Latitude = 47.5f;
    gps.NewPosition = true;
    Child<QPushButton>(window, "cmdStart")->click();
    EXPECT_FALSE(Child<QPushButton>(window, "cmdStart")->isEnabled());
    EXPECT_EQ(Child<QLabel>(window, "lblStartTime")->text(), "2026-12-06 08:30:00");

    auto pass = [&](const char* quality) {
        clock.time += 2;
        gps.FixQuality = quality;
        gps.NewPosition = true;
        window->TimerPop();
        return Child<QLabel>(window, "lblStatus");
    };
    EXPECT_EQ(pass("1")->palette().color(QPalette::Window), QColor(192, 192, 192));
    EXPECT_EQ(Child<QLabel>(window, "lblSamples_0")->text(), "1");
    EXPECT_EQ(Child<QLabel>(window, "lblTopDOP")->text(), "0.9");
    EXPECT_EQ(Child<QLabel>(window, "lblSamples_0")->toolTip(), "Next update at 2026-12-06 08:30:03");
    QLabel* held = pass("0");
    EXPECT_EQ(held->text(), "Quality Hold");
    EXPECT_EQ(held->palette().color(QPalette::Window), QColor(255, 128, 128));

    Child<QPushButton>(window, "cmdClose")->click();
    EXPECT_EQ(store.Get("Samps", "0", ""), "1");
    EXPECT_EQ(store.Get("Lats", "0", ""), "47.5");
    EXPECT_EQ(store.Get("Showing", "LongTerm", ""), "0");
}

// Pixels of the plot whose colour is close to one of the three drawn ones.
int CountPixels(const QImage& image, int hue)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.saturation() > 120 && std::abs(c.hsvHue() - hue) < 20)
                ++count;
        }
    return count;
}

TEST_F(LongTermWindowTest, DetailsTellHowGoodTheAverageIsAndExportIt)
{
    settings.SmallUnit = "ME";
    settings.DegreeFormat = 2;
    QPointer<frmLongTerm> window = Open();
    auto* plot = Child<QWidget>(window, "picScatter");
    EXPECT_FALSE(plot->isVisible()) << "no painting until asked for";
    EXPECT_FALSE(Child<QPushButton>(window, "cmdExport")->isEnabled());
    Child<QCheckBox>(window, "chkEnabled_0")->setChecked(true);
    Child<QComboBox>(window, "cboInterval_0")->setCurrentIndex(0);
    Child<QComboBox>(window, "cboIntType_0")->setCurrentIndex(0);
    gps.FixQuality = "1";
    gps.FixMode = "3";
    gps.HDOP = 0.9f;
    gps.LatDir = "N";
    gps.LonDir = "E";
    gps.Longitude = 7.5f;
    gps.UtcDate = "061226";
    gps.UtcTime = "083000";
    gps.AltUnit = "FE";
    gps.NewPosition = true;
    Child<QPushButton>(window, "cmdStart")->click();
    // 6.78 m north and south of 45 degrees (see the sampler's tests), and
    // altitudes one foot apart.
    for (float lat : {45.0f, 45.0f + 1.0f / 16384, 45.0f - 1.0f / 16384}) {
        clock.time += 2;
        gps.Latitude = lat;
        gps.Altitude = lat == 45.0f ? 100.5f : 101.5f;
        gps.NewPosition = gps.NewAltitude = true;
        window->TimerPop();
    }
    gps.FixQuality = "0";
    gps.NewPosition = true;
    window->TimerPop();

    EXPECT_EQ(Child<QLabel>(window, "lblSigmaNorth")->text(), "6.78 Meters");
    EXPECT_EQ(Child<QLabel>(window, "lblSigmaEast")->text(), "0.00 Meters");
    EXPECT_EQ(Child<QLabel>(window, "lblCEP50")->text(), "3.99 Meters");
    EXPECT_EQ(Child<QLabel>(window, "lblSpreadSamples")->text(), "3");
    EXPECT_EQ(Child<QLabel>(window, "lblHeldQuality")->text(), "1");
    EXPECT_EQ(Child<QLabel>(window, "lblAltSigma")->text(), QString::fromUtf8("\xCF\x83 0.18 Meters"));
    EXPECT_TRUE(Child<QLabel>(window, "lblCEP95")->toolTip().contains("approximation"));

    Child<QPushButton>(window, "cmdPlot")->click();
    ASSERT_TRUE(plot->isVisible());
    const QImage image = plot->grab().toImage();
    EXPECT_GT(CountPixels(image, 225), 3) << "the samples";
    EXPECT_GT(CountPixels(image, 120), 20) << "the CEP50 circle";
    EXPECT_GT(CountPixels(image, 0), 20) << "the CEP95 circle";
    EXPECT_TRUE(plot->accessibleDescription().contains("CEP50 3.99 m"));

    Child<QPushButton>(window, "cmdCopy")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("45.00000\xC2\xB0 N, 7.50000\xC2\xB0 E"));

    QTemporaryDir dir;
    const QString path = dir.filePath("point.gpx");
    QString error;
    ASSERT_TRUE(window->ExportTo(path, error)) << error.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QStringList elements;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        elements << xml.name().toString();
        if (xml.name() == u"gpx") {
            EXPECT_EQ(xml.namespaceUri(), u"http://www.topografix.com/GPX/1/1");
            EXPECT_EQ(xml.attributes().value("version"), u"1.1");
        } else if (xml.name() == u"wpt") {
            EXPECT_EQ(xml.attributes().value("lat"), u"45.00000000");
            EXPECT_EQ(xml.attributes().value("lon"), u"7.50000000");
        } else if (xml.name() == u"time") {
            EXPECT_EQ(xml.readElementText(), "2026-12-06T08:30:00Z");
        } else if (xml.name() == u"ele") {
            EXPECT_EQ(xml.readElementText(), "30.89"); // 304 / 3 feet: summed in whole feet, halves to even
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(elements.join(' '), "gpx wpt ele time name desc");
#ifdef TRAKORA_GPX_SCHEMA
    QProcess xmllint;
    xmllint.start(TRAKORA_XMLLINT, {"--noout", "--schema", TRAKORA_GPX_SCHEMA, path});
    ASSERT_TRUE(xmllint.waitForFinished(20000));
    EXPECT_EQ(xmllint.exitCode(), 0) << xmllint.readAllStandardError().toStdString();
#endif

    Child<QComboBox>(window, "cboDetailRow")->setCurrentIndex(1);
    EXPECT_EQ(Child<QLabel>(window, "lblSigmaNorth")->text(), "") << "a row without samples shows blanks";
    EXPECT_FALSE(Child<QPushButton>(window, "cmdExport")->isEnabled());
    EXPECT_FALSE(window->ExportTo(path, error));
    window->close();
}

} // namespace
