// A user's first session: pick a saved log in Program Settings and replay
// it, then turn recording on and record a receiver (a pseudo-terminal) into
// the log chosen in the dialog, which the input shares with the dialog.
#include "app/TrakoraApplication.h"
#include "dialogs/frmSettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <pty.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

using namespace trakora;

namespace {

struct Surroundings : IFileChooser, IMessageSink {
    FileChoice ChooseOpen(const FileDialogRequest&) override { return FileChoice::Chosen(OpenAnswer); }
    FileChoice ChooseSave(const FileDialogRequest&) override { return FileChoice::Chosen(SaveAnswer); }
    void ShowMessage(std::string_view text) override { Shown.emplace_back(text); }
    std::string OpenAnswer, SaveAnswer;
    std::vector<std::string> Shown;
};

std::string ReadAll(const std::string& path) { return (std::stringstream() << std::ifstream(path).rdbuf()).str(); }

// Opens the dialog as the Settings menu does, clicks the `options` and ticks recording if asked, then Accept.
void AcceptSettings(TrakoraApplication& app, Surroundings& w, std::initializer_list<const char*> options, bool record)
{
    SystemClock clock;
    ProgramContext context{app.Gps(), app.Settings(), app.Store(), app.Gnss()};
    auto* dialog = new frmSettings(context, app.OutputLog(), w, w, clock);
    dialog->show();
    for (const char* option : options)
        dialog->findChild<QRadioButton*>(option)->click();
    dialog->findChild<QCheckBox*>("chkWriteData")->setChecked(record);
    dialog->findChild<QPushButton*>("cmdOK")->click();
    QApplication::processEvents();
}

TEST(SettingsToInput, ReplayTheChosenLogThenRecordAReceiverIntoTheChosenLog)
{
    QTemporaryDir dir;
    Surroundings w;
    TrakoraApplication app(std::make_unique<MemorySettingsStore>(), &w);

    // Replay a saved log chosen in the dialog, to its last fix.
    const std::string sample = TRAKORA_TEST_DATA "/sample.TKL";
    w.OpenAnswer = sample;
    AcceptSettings(app, w, {"optFileInput"}, false);
    ASSERT_TRUE(app.Settings().FileInput == -1 && app.Settings().InputFileName == sample);
    app.Pump().Start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.Shown.empty(); }, 8000));
    EXPECT_EQ(w.Shown.back(), "End of file.");
    const std::string log = ReadAll(sample);
    EXPECT_EQ(app.Gps().UtcTime.Str(), log.substr(log.rfind("$GPGGA,") + 7, 6));
    app.Pump().Stop();

    // Record a receiver into a log that already holds a line: it is appended to.
    const std::string recording = dir.filePath("session.TKL").toStdString();
    std::ofstream(recording, std::ios::binary) << "$GPGGA,earlier line*00\r\n";
    w.SaveAnswer = recording;
    AcceptSettings(app, w, {"optCommInput", "optSpecifyFN"}, true);
    ASSERT_TRUE(app.Settings().WriteData == 1 && app.OutputLog().IsOpen());

    int master = -1, slave = -1;
    char device[256] = {};
    ASSERT_EQ(openpty(&master, &slave, device, nullptr, nullptr), 0);
    close(slave);
    app.Port().SetDeviceOverride(device);
    w.Shown.clear();
    app.Pump().Start();
    ASSERT_TRUE(w.Shown.empty()) << w.Shown.front();

    const std::string gga = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";
    const std::string gsv = "$GPGSV,1,1,01,05,40,120,45*4F"; // satellites are not recorded by default
    const std::string bytes = gga + "\r\n" + gsv + "\r\n" + gga + "\r\n";
    const std::string expected = "$GPGGA,earlier line*00\r\n" + gga + "\r\n" + gga + "\r\n";
    ASSERT_EQ(write(master, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return ReadAll(recording).size() >= expected.size(); }, 8000));
    app.Pump().Stop();
    close(master);
    EXPECT_EQ(ReadAll(recording), expected);
    EXPECT_EQ(app.Gps().UtcTime, "123519");
}

} // namespace
