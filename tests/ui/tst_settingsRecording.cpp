// A user's first session: pick a saved log in Program Settings and replay
// it, then turn recording on and record a receiver (a pseudo-terminal) into
// the log chosen in the dialog, which the input shares with the dialog.
#include "app/TrakoraApplication.h"
#include "dialogs/frmSettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <pty.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

using namespace trakora;

namespace {

class ScriptedFiles : public IFileChooser {
public:
    FileChoice ChooseOpen(const FileDialogRequest&) override { return FileChoice::Chosen(OpenAnswer); }
    FileChoice ChooseSave(const FileDialogRequest&) override { return FileChoice::Chosen(SaveAnswer); }
    std::string OpenAnswer, SaveAnswer;
};

class Messages : public IMessageSink {
public:
    void ShowMessage(std::string_view text) override { Shown.emplace_back(text); }
    std::vector<std::string> Shown;
};

bool WaitFor(const std::function<bool()>& done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 8000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string LastTimeOfGGA(const std::string& log)
{
    const std::size_t at = log.rfind("$GPGGA,");
    return log.substr(at + 7, 6);
}

// Opens the dialog as the Settings menu does, lets `choose` set it and
// presses Accept.
void AcceptSettings(TrakoraApplication& app, ScriptedFiles& files, Messages& messages,
                    const std::function<void(QWidget&)>& choose)
{
    SystemClock clock;
    ProgramContext context{app.Gps(), app.Settings(), app.Store(), app.Gnss()};
    auto* dialog = new frmSettings(context, app.OutputLog(), files, messages, clock);
    dialog->show();
    choose(*dialog);
    dialog->findChild<QPushButton*>("cmdOK")->click();
    QApplication::processEvents();
}

TEST(SettingsToInput, ReplayTheChosenLogThenRecordAReceiverIntoTheChosenLog)
{
    QTemporaryDir dir;
    Messages messages;
    TrakoraApplication app(std::make_unique<MemorySettingsStore>(), &messages);
    ScriptedFiles files;

    // Replay a saved log chosen in the dialog.
    const std::string sample = TRAKORA_TEST_DATA "/sample.TKL";
    files.OpenAnswer = sample;
    AcceptSettings(app, files, messages, [](QWidget& dialog) {
        dialog.findChild<QRadioButton*>("optFileInput")->click();
    });
    ASSERT_EQ(app.Settings().FileInput, -1);
    ASSERT_EQ(app.Settings().InputFileName, sample);
    app.Pump().Start();
    ASSERT_TRUE(WaitFor([&] { return !messages.Shown.empty(); }));
    EXPECT_EQ(messages.Shown.back(), "End of file.");
    EXPECT_EQ(app.Gps().UtcTime.Str(), LastTimeOfGGA(ReadAll(sample)));
    app.Pump().Stop();

    // Record a receiver into a log that already holds a line: it is appended to.
    const std::string recording = dir.filePath("session.TKL").toStdString();
    std::ofstream(recording, std::ios::binary) << "$GPGGA,earlier line*00\r\n";
    files.SaveAnswer = recording;
    AcceptSettings(app, files, messages, [](QWidget& dialog) {
        dialog.findChild<QRadioButton*>("optCommInput")->click();
        dialog.findChild<QCheckBox*>("chkWriteData")->setChecked(true);
        dialog.findChild<QRadioButton*>("optSpecifyFN")->click();
    });
    ASSERT_EQ(app.Settings().WriteData, 1);
    ASSERT_TRUE(app.OutputLog().IsOpen());

    int master = -1, slave = -1;
    char device[256] = {};
    ASSERT_EQ(openpty(&master, &slave, device, nullptr, nullptr), 0);
    close(slave);
    app.Port().SetDeviceOverride(device);
    messages.Shown.clear();
    app.Pump().Start();
    ASSERT_TRUE(messages.Shown.empty()) << messages.Shown.front();

    const std::string gga = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";
    const std::string gsv = "$GPGSV,1,1,01,05,40,120,45*4F"; // satellites are not recorded by default
    const std::string bytes = gga + "\r\n" + gsv + "\r\n" + gga + "\r\n";
    ASSERT_EQ(write(master, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    ASSERT_TRUE(WaitFor([&] { return ReadAll(recording).size() > 24 + 2 * (gga.size() + 2) - 1; }));
    app.Pump().Stop();
    close(master);

    EXPECT_EQ(ReadAll(recording), "$GPGGA,earlier line*00\r\n" + gga + "\r\n" + gga + "\r\n");
    EXPECT_EQ(app.Gps().UtcTime, "123519");
}

} // namespace
