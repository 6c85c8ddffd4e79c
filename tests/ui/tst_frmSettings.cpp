#include "common/LoadProgramSettings.h"
#include "dialogs/QtFileChooser.h"
#include "dialogs/frmSettings.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <memory>
#include <sstream>

using namespace trakora;
using Texts = std::vector<std::string>;

namespace {

// The dialog's surroundings, fresh for each test: a clock on 17 March 2004 (default log GP040317.TKL),
// recorded messages, file dialogs answered from a script (the n-th dialog gets the n-th answer, cancelled
// once it runs out), and a temporary folder where relative (default) log names land.
struct World : IClock, IMessageSink, IFileChooser {
    World() { LoadProgramSettings(Settings, Gps, Store), QDir::setCurrent(Temp.path()); }
    std::string Path(const char* name) const { return (Temp.path() + "/" + name).toStdString(); }
    LocalTime Now() override { return ToLocalTime({2004, 3, 17, 10, 30, 0}); }
    void ShowMessage(std::string_view text) override { Messages.emplace_back(text); }
    FileChoice ChooseOpen(const FileDialogRequest& request) override { return ChooseSave(request); }
    FileChoice ChooseSave(const FileDialogRequest& request) override
    {
        Requests.push_back(request);
        return Requests.size() <= Answers.size() ? Answers[Requests.size() - 1] : FileChoice::Cancelled();
    }

    Texts Messages;
    std::vector<FileChoice> Answers;
    std::vector<FileDialogRequest> Requests;
    QTemporaryDir Temp;
    GpsState Gps;
    ProgramSettings Settings;
    MemorySettingsStore Store;
    GnssState Gnss;
    ProgramContext Context{Gps, Settings, Store, Gnss};
    LogFile Log;
};

} // namespace

class TestFrmSettings : public QObject {
    Q_OBJECT

    std::unique_ptr<World> m_w;
    QPointer<frmSettings> m_dialog;

    void Open(SerialDeviceLister devices = {})
    {
        delete m_dialog;
        (m_dialog = new frmSettings(m_w->Context, m_w->Log, *m_w, *m_w, *m_w, std::move(devices)))->show();
    }
    template <typename T = QWidget> T* Find(const char* name)
    {
        T* control = m_dialog->findChild<T*>(name);
        return control ? control : (qFatal("no control %s", name), nullptr);
    }
    bool Ticked(const char* name) { return Find<QAbstractButton>(name)->isChecked(); }
    void Tick(const char* name, bool on = true) { Find<QAbstractButton>(name)->setChecked(on); }
    QString Shown(const char* list) { return Find<QComboBox>(list)->currentText(); }
    void Accept() { Find<QPushButton>("cmdOK")->click(); }
    // The stored values of `keys` in `section`, joined by '|'.
    std::string Stored(const char* section, std::initializer_list<const char*> keys)
    {
        std::string joined;
        for (const char* key : keys)
            joined += (key == *keys.begin() ? "" : "|") + m_w->Store.Get(section, key, "<missing>");
        return joined;
    }
    // Opens the dialog, ticks recording (and `option`) and accepts, answering the save dialog with `answer`.
    void Record(const FileChoice& answer, const char* option = "chkWriteData")
    {
        Open();
        Tick("chkWriteData");
        Tick(option);
        m_w->Answers.push_back(answer);
        Accept();
    }

private slots:
    void init() { m_w = std::make_unique<World>(); }
    void cleanup() { delete m_dialog, m_w.reset(); }

    void LoadsTheChoicesAndLocksTheSourceWhileInputRuns()
    {
        ProgramSettings& s = m_w->Settings;
        std::tie(s.UTCOffsetDirection, s.WriteData, s.FileInput, s.SavePositionInfo) = std::tuple(1, 1, -1, 0);
        // A unit code matches its entry in any case; a date format outside the list shows no entry and is kept.
        std::tie(s.SmallUnit, s.UTCOffsetHour, s.DateFormat, s.DegreeFormat, s.InputRunning) = std::tuple("me", 5, 0, 2, -1);
        Open();
        QCOMPARE(Find<QLabel>("lblUseDefaultFN")->text(), QString("(currently GP040317.TKL)"));
        QCOMPARE(QList<bool>({Ticked("optUTC_Plus_East"), Ticked("optFileInput"), Ticked("chkWriteData"),
                              Ticked("chkRecordPosInfo")}),
                 QList<bool>({true, true, true, false}));
        QCOMPARE(QStringList({Shown("cboSmallUnit"), Shown("cboDateFmt"), Shown("cboDegreeDisp"),
                              Find<QLineEdit>("txtUTCHour")->text()}),
                 QStringList({"Meters", "", "DD.dddd", "5"}));
        QVERIFY(!Find("fraSource")->isEnabled()); // and with it the source choices inside
        Accept();
        QCOMPARE(m_w->Requests.size(), std::size_t(1)); // the output log's only: no input log while input runs
        QCOMPARE(Stored("FormatOptions", {"Date"}), std::string("0"));
    }

    void FileInputAsksForTheInputLogAndCancelKeepsIt()
    {
        m_w->Settings.InputFilePath = "/var/logs";
        Open();
        Tick("optFileInput");
        m_w->Answers = {FileChoice::Chosen("/data/trips/day1.TKL")};
        Accept();
        const FileDialogRequest& request = m_w->Requests.at(0);
        QCOMPARE(request.InitialName + " in " + request.Folder, std::string("*.TKL in /var/logs"));
        // Linux names are case-sensitive, so the filter offers both spellings of the extension.
        QCOMPARE(QtNameFilters(request.Filter), QStringList({"All Text (*.TKL *.tkl)", "All Files (*)"}));
        QCOMPARE(m_w->Settings.InputFilePath, std::string("/data/trips"));
        QCOMPARE(Stored("InputOptions", {"FileInput", "CommInput"}), std::string("-1|0"));

        Open();
        Accept(); // cancelled: silent, the name is kept, the pointer comes back
        QCOMPARE(m_w->Settings.InputFileName, std::string("/data/trips/day1.TKL"));
        QVERIFY(m_w->Messages.empty() && m_dialog->cursor().shape() == Qt::ArrowCursor);
    }

    void DefaultLogIsOfferedAppendedAndKeptOnReopening()
    {
        const std::string log = m_w->Path("GP040317.TKL");
        m_w->Settings.OutputFileName = "/somewhere/else.TKL";
        Record(FileChoice::Chosen(log), "optUseDefaultFN");
        QCOMPARE(m_w->Requests.at(0).InitialName, std::string("GP040317.TKL"));
        QCOMPARE(Stored("Output File", {"WriteData", "UseDefaultFN"}), std::string("1|-1"));
        QVERIFY(m_w->Log.WriteLine("$GPGGA,first*00"));

        // Reopened after a log was opened, the box shows clear and "0" is stored, but recording goes on.
        Open();
        QVERIFY(!Ticked("chkWriteData"));
        Accept();
        QCOMPARE(Stored("Output File", {"WriteData"}), std::string("0"));
        QVERIFY(m_w->Log.WriteLine("$GPGGA,still*00"));

        // Choosing the same log again appends, never truncates.
        Record(FileChoice::Chosen(log), "optSpecifyFN");
        QVERIFY(m_w->Log.WriteLine("$GPGGA,second*00"));
        m_w->Log.Close();
        QCOMPARE((std::stringstream() << std::ifstream(log).rdbuf()).str(),
                 std::string("$GPGGA,first*00\r\n$GPGGA,still*00\r\n$GPGGA,second*00\r\n"));
    }

    void SameNameKeepsTheDialogOpenAndCancelFallsBackToTheDefaultName()
    {
        m_w->Settings.InputFileName = m_w->Path("trip.TKL");
        Record(FileChoice::Chosen(m_w->Path("trip.TKL")), "optSpecifyFN");
        QCOMPARE(m_w->Messages, Texts{"The input and output filename are the same, please change one of them."});
        QVERIFY(m_dialog->isVisible() && !m_w->Log.IsOpen());
        QVERIFY(!m_w->Store.Contains("Comm", "CommPort"));

        m_w->Messages.clear();
        Accept(); // again, cancelling the file dialog this time
        QCOMPARE(m_w->Messages, Texts{"User Cancel, using default filename: GP040317.TKL"});
        QCOMPARE(m_w->Settings.OutputFileName, std::string("GP040317.TKL"));
        QVERIFY(!std::ifstream(m_w->Path("GP040317.TKL")).is_open());
        QCOMPARE(Stored("Output File", {"WriteData", "UseDefaultFN"}), std::string("1|-1"));
        QVERIFY(!m_dialog->isVisible());
    }

    void OutputFailuresTurnRecordingOffAndReleaseTheLog()
    {
        // {answer, double line break in force, message}; the About box switches breaks to CR.
        const std::tuple<FileChoice, std::string, std::string> cases[] = {
            {FileChoice::Chosen(m_w->Path("no-such-folder/bad.TKL")), "\r\r", "\r\rError # 2 - No such file or directory"},
            {{FileChoice::Outcome::Failed, "", 32755, "Dialog failed"}, "\n\n", "\n\nError # 32755 - Dialog failed"},
        };
        for (const auto& [answer, doubleBreak, message] : cases) {
            // A log already open from an earlier choice is released, not left half-open.
            Record(FileChoice::Chosen(m_w->Path("earlier.TKL")));
            QVERIFY(m_w->Log.IsOpen());
            m_w->Messages.clear();
            m_w->Settings.DoubleLineBreak = doubleBreak;
            Record(answer);
            QCOMPARE(m_w->Messages, Texts{"Error during file processing." + message});
            QCOMPARE(std::pair(m_w->Log.IsOpen(), m_w->Settings.OutputFileNumber), std::pair(false, -1));
            QCOMPARE(Stored("Output File", {"WriteData"}), std::string("0"));
        }
    }

    void ChoicesAreStoredAsTypedAndSurviveARestart()
    {
        m_w->Settings.CommPort = 4;
        Open([] { return std::vector<SerialDeviceInfo>{{"/dev/ttyUSB0", ""}, {"/dev/ttyUSB1", ""}, {"/dev/ttyUSB2", ""},
                                                       {"/dev/ttyUSB3", ""}}; });
        // The port list may name each port's device; the number alone is stored, with its leading blank.
        QCOMPARE(Shown("cboCommPort"), QString(" 4  /dev/ttyUSB3"));
        for (const auto& [list, index] : {std::pair("cboCommPort", 1), {"cboLargeUnit", 2}, {"cboSmallUnit", 1},
                                          {"cboDateFmt", 2}, {"cboDegreeDisp", 1}})
            Find<QComboBox>(list)->setCurrentIndex(index);
        Tick("chkRecordPosInfo", false);
        QTest::keyClicks(Find("txtUTCHour"), "\b-1.aZ 29"); // digits and backspace only, two at most
        QTest::keyClicks(Find("txtUTCMin"), "\b4\b3x0");
        QCOMPARE(Find<QLineEdit>("txtUTCHour")->text() + ":" + Find<QLineEdit>("txtUTCMin")->text(), QString("12:30"));
        Tick("optUTC_Minus_West");
        Accept();
        QCOMPARE(Stored("UTC Offset", {"Hour", "Minute", "Direction"}), std::string("12|30|-1"));
        QCOMPARE(Stored("Comm", {"CommPort"}) + "|" + Stored("Options", {"SmallUnit"}), std::string(" 2|Meters"));

        ProgramSettings restarted;
        LoadProgramSettings(restarted, m_w->Gps, m_w->Store);
        QCOMPARE(restarted.SmallUnit + restarted.LargeUnit, std::string("FEKi")); // small unit back to feet
        QCOMPARE(QList<int>({restarted.CommPort, restarted.DateFormat, restarted.DegreeFormat, restarted.SavePositionInfo,
                             restarted.UTCOffsetHour, restarted.UTCOffsetMinute, restarted.UTCOffsetDirection}),
                 QList<int>({2, 3, 2, 0, 12, 30, -1}));
    }

    void ReceiverChoicesAreStoredAndTheSameReceiverIsFoundAgain()
    {
        const SerialDeviceInfo receiver{"/dev/ttyACM0", "u-blox GNSS receiver"}, adaptor{"/dev/ttyUSB0", ""};
        ProgramSettings& s = m_w->Settings;
        std::tie(s.CommPort, s.CommBaud, s.Talkers, s.CommNeedsOpen) = std::tuple(2, 9600, TalkerFilter::GpsOnly, 0);
        Open([&] { return std::vector{receiver, adaptor}; });
        // Every device by name and description, and at least the four port numbers.
        QCOMPARE(Find<QComboBox>("cboCommPort")->count(), 4);
        QCOMPARE(Find<QComboBox>("cboCommPort")->itemText(0), QString(" 1  /dev/ttyACM0 \u2014 u-blox GNSS receiver"));
        QCOMPARE(QStringList({Shown("cboCommPort"), Shown("cboBaud"), Shown("cboTalkers")}),
                 QStringList({" 2  /dev/ttyUSB0", "9600", "GPS only"}));

        Find<QComboBox>("cboCommPort")->setCurrentIndex(0);
        Find<QComboBox>("cboBaud")->setCurrentText("Auto");
        Find<QComboBox>("cboTalkers")->setCurrentText("All GNSS");
        Accept();
        QCOMPARE(Stored("Comm", {"CommPort", "Device", "Baud"}) + "|" + Stored("Options", {"Talkers"}),
                 std::string(" 1|/dev/ttyACM0|Auto|ALL"));
        QCOMPARE(s.CommNeedsOpen, FlagSet); // the open port is set up anew at the next Start

        // Renumbered: the receiver is now the second device, and the list still picks it.
        s.DetectedBaud = 38400;
        Open([&] { return std::vector{adaptor, receiver}; });
        QCOMPARE(QStringList({Shown("cboCommPort"), Shown("cboBaud"), Shown("cboTalkers")}),
                 QStringList({" 2  /dev/ttyACM0 \u2014 u-blox GNSS receiver", "Auto (found 38400)", "All GNSS"}));
        ProgramSettings restarted;
        LoadProgramSettings(restarted, m_w->Gps, m_w->Store);
        QCOMPARE(std::tuple(restarted.CommDevice, restarted.CommBaud, restarted.Talkers),
                 std::tuple(std::string("/dev/ttyACM0"), AutoBaud, TalkerFilter::AllGnss));
    }

    void PastedOrDroppedTextPassesTheKeyFilterWhole()
    {
        Open();
        auto* hours = Find<QLineEdit>("txtUTCHour");
        const auto paste = [hours](const QString& text) {
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(hours, Qt::Key_V, Qt::ControlModifier);
        };
        const auto drop = [hours](const QString& text) {
            QMimeData data;
            data.setText(text);
            QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QDragMoveEvent move(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QDropEvent dropped(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            for (QEvent* step : std::initializer_list<QEvent*>{&enter, &move, &dropped})
                QApplication::sendEvent(hours, step);
        };
        const struct { bool dropped; const char* text; const char* shown; } cases[] = {
            {false, "-7", ""}, {false, "7", "7"}, {false, "1a", ""}, {true, "1.5", ""}, {true, "12", "12"},
        };
        for (const auto& c : cases) {
            hours->clear();
            c.dropped ? drop(QString::fromLatin1(c.text)) : paste(QString::fromLatin1(c.text));
            QCOMPARE(hours->text(), QString::fromLatin1(c.shown));
        }
    }

    void ChoicesEnableTheirControlsAndCancelKeepsOnlyThePlacement()
    {
        Open();
        m_dialog->showMinimized();
        m_dialog->close();
        QVERIFY(!m_w->Store.Contains("NMEASets", "Left")); // not saved while minimised
        Open();
        for (bool on : {true, false}) {
            QTest::mouseClick(Find(on ? "optFileInput" : "optCommInput"), Qt::LeftButton);
            QTest::mouseClick(Find("chkWriteData"), Qt::LeftButton);
            QCOMPARE(Find("chkReadRealTime")->isEnabled(), on);
            QCOMPARE(Find("optSpecifyFN")->isEnabled() && Find("chkRecordPRNInfo")->isEnabled(), on);
        }
        m_dialog->move(30, 45);
        Find<QComboBox>("cboCommPort")->setCurrentIndex(3);
        Find<QPushButton>("cmdCancel")->click();
        QCOMPARE(Stored("NMEASets", {"Left", "Top"}), std::string("450|675"));
        // Cancel stores nothing else and applies nothing.
        for (const auto& [address, value] : m_w->Store.Values())
            QCOMPARE(address.first, std::string("NMEASets"));
        QCOMPARE(m_w->Settings.CommPort, 1);
        QTRY_VERIFY(m_dialog.isNull()); // deletes itself once the event loop runs
    }
};

// Headless unless a display platform is asked for.
const bool headless = qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qputenv("QT_QPA_PLATFORM", "offscreen");
QTEST_MAIN(TestFrmSettings)

#include "tst_frmSettings.moc"
