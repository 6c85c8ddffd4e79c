#include "common/LoadProgramSettings.h"
#include "common/WindowRoutines.h"
#include "longterm/frmLongTerm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

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
    ProgramContext context{gps, settings, store};
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
    EXPECT_EQ(window->size(), QSize(TwipsToPixelsX(7185), TwipsToPixelsY(5985)));
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

} // namespace
