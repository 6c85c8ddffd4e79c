#include "common/LoadProgramSettings.h"
#include "dialogs/QtFileChooser.h"
#include "dialogs/frmSettings.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <memory>

using namespace trakora;
using Texts = std::vector<std::string>;

namespace {

// The dialog's surroundings: a clock on 17 March 2004 (default log GP040317.TKL), recorded messages,
// and file dialogs answered from a script of choices (cancelled once the script runs out).
class Fakes : public IClock, public IMessageSink, public IFileChooser {
public:
    LocalTime Now() override { return ToLocalTime({2004, 3, 17, 10, 30, 0}); }
    void ShowMessage(std::string_view text) override { Messages.emplace_back(text); }
    FileChoice ChooseOpen(const FileDialogRequest& request) override { return Answer(request); }
    FileChoice ChooseSave(const FileDialogRequest& request) override { return Answer(request); }

    Texts Messages;
    std::deque<FileChoice> Answers;
    std::vector<FileDialogRequest> Requests;

    FileChoice Answer(const FileDialogRequest& request)
    {
        Requests.push_back(request);
        const FileChoice choice = Answers.empty() ? FileChoice::Cancelled() : Answers.front();
        if (!Answers.empty())
            Answers.pop_front();
        return choice;
    }
};

// Fresh for each test; relative (default) log names land in its own temporary folder.
struct World {
    World()
    {
        MemorySettingsStore empty;
        LoadProgramSettings(Settings, Gps, empty);
        QDir::setCurrent(Temp.path());
    }
    std::string Path(const char* name) const { return (Temp.path() + "/" + name).toStdString(); }

    QTemporaryDir Temp;
    GpsState Gps;
    ProgramSettings Settings;
    MemorySettingsStore Store;
    ProgramContext Context{Gps, Settings, Store};
    LogFile Log;
    Fakes Fake;
};

} // namespace

class TestFrmSettings : public QObject {
    Q_OBJECT

    std::unique_ptr<World> m_w;
    QPointer<frmSettings> m_dialog;

    void Open(PortDeviceLookup devices = {})
    {
        delete m_dialog;
        m_dialog = new frmSettings(m_w->Context, m_w->Log, m_w->Fake, m_w->Fake, m_w->Fake, std::move(devices));
        m_dialog->show();
    }
    template <typename T = QWidget>
    T* Find(const char* name)
    {
        T* control = m_dialog->findChild<T*>(name);
        if (control == nullptr)
            qFatal("no control %s", name);
        return control;
    }
    bool Ticked(const char* name) { return Find<QAbstractButton>(name)->isChecked(); }
    void Tick(const char* name, bool on = true) { Find<QAbstractButton>(name)->setChecked(on); }
    void Pick(const char* list, int index) { Find<QComboBox>(list)->setCurrentIndex(index); }
    QString Shown(const char* list) { return Find<QComboBox>(list)->currentText(); }
    void Accept() { Find<QPushButton>("cmdOK")->click(); }
    std::string Stored(const char* section, const char* key) { return m_w->Store.Get(section, key, "<missing>"); }
    // The stored values of `keys` in `section`, joined by '|'.
    std::string StoredIn(const char* section, std::initializer_list<const char*> keys)
    {
        std::string joined;
        for (const char* key : keys)
            joined += (key == *keys.begin() ? "" : "|") + Stored(section, key);
        return joined;
    }
    // Opens the dialog, ticks recording (and `option`) and accepts, answering the save dialog with `answer`.
    void Record(const FileChoice& answer, const char* option = "chkWriteData")
    {
        Open();
        Tick("chkWriteData");
        Tick(option);
        m_w->Fake.Answers.push_back(answer);
        Accept();
    }

private slots:
    void init() { m_w = std::make_unique<World>(); }
    void cleanup()
    {
        delete m_dialog;
        m_w.reset();
    }

    void LoadsTheChoicesAndKeepsOutOfRangeFormats()
    {
        ProgramSettings& s = m_w->Settings;
        s.UTCOffsetDirection = s.WriteData = 1;
        s.FileInput = -1;
        s.SavePositionInfo = 0;
        s.SmallUnit = "me"; // a unit code matches its entry in any case
        s.UTCOffsetHour = 5;
        s.DateFormat = 0; // outside the list: no entry shown, and Accept keeps it
        s.DegreeFormat = 2;
        Open();
        QCOMPARE(Find<QLabel>("lblUseDefaultFN")->text(), QString("(currently GP040317.TKL)"));
        QCOMPARE(Find<QComboBox>("cboDegreeDisp")->itemText(0), QString("DD\u00B0 MM SS.d"));
        QCOMPARE(QList<bool>({Ticked("optUTC_Plus_East"), Ticked("optFileInput"), Ticked("chkWriteData"),
                              Ticked("chkRecordPosInfo")}),
                 QList<bool>({true, true, true, false}));
        QCOMPARE(QStringList({Shown("cboSmallUnit"), Shown("cboDateFmt"), Shown("cboDegreeDisp"),
                              Find<QLineEdit>("txtUTCHour")->text()}),
                 QStringList({"Meters", "", "DD.dddd", "5"}));
        Accept();
        QCOMPARE(Stored("FormatOptions", "Date"), std::string("0"));
    }

    void SourceFrameIsLockedWhileInputRuns()
    {
        m_w->Settings.InputRunning = m_w->Settings.FileInput = -1;
        m_w->Settings.InputFileName = "/logs/old.TKL";
        Open();
        for (const char* name : {"fraSource", "optFileInput", "chkReadRealTime"})
            QVERIFY2(!Find(name)->isEnabled(), name);
        m_w->Fake.Answers.push_back(FileChoice::Chosen("/logs/new.TKL"));
        Accept();
        QVERIFY(m_w->Fake.Requests.empty());
        QCOMPARE(m_w->Settings.InputFileName, std::string("/logs/old.TKL"));
        QVERIFY(!m_dialog->isVisible());
    }

    void ChoicesEnableTheirDependentControls()
    {
        Open();
        for (bool on : {true, false}) {
            QTest::mouseClick(Find(on ? "optFileInput" : "optCommInput"), Qt::LeftButton);
            QTest::mouseClick(Find("chkWriteData"), Qt::LeftButton);
            QCOMPARE(Find("chkReadRealTime")->isEnabled(), on);
            QCOMPARE(Find("optSpecifyFN")->isEnabled() && Find("chkRecordPRNInfo")->isEnabled(), on);
        }
    }

    void FileInputAsksForTheInputLogAndCancelKeepsIt()
    {
        m_w->Settings.InputFilePath = "/var/logs";
        Open();
        Tick("optFileInput");
        m_w->Fake.Answers.push_back(FileChoice::Chosen("/data/trips/day1.TKL"));
        Accept();
        const FileDialogRequest& request = m_w->Fake.Requests.at(0);
        QCOMPARE(request.Title, std::string("Choose Input Filename"));
        QCOMPARE(request.InitialName + " in " + request.Folder, std::string("*.TKL in /var/logs"));
        QCOMPARE(m_w->Settings.InputFilePath, std::string("/data/trips"));
        QCOMPARE(StoredIn("InputOptions", {"FileInput", "CommInput"}), std::string("-1|0"));

        Open();
        Accept(); // cancelled: silent, the name is kept, the pointer comes back
        QCOMPARE(m_w->Fake.Requests.back().InitialName, std::string("/data/trips/day1.TKL"));
        QCOMPARE(m_w->Settings.InputFileName, std::string("/data/trips/day1.TKL"));
        QVERIFY(m_w->Fake.Messages.empty());
        QCOMPARE(m_dialog->cursor().shape(), Qt::ArrowCursor);
    }

    void DefaultLogIsOfferedAppendedAndKeptOnReopening()
    {
        const std::string log = m_w->Path("GP040317.TKL");
        QFile earlier(QString::fromStdString(log));
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("$GPGGA,earlier*00\r\n") > 0);
        earlier.close();
        m_w->Settings.OutputFileName = "/somewhere/else.TKL";
        Record(FileChoice::Chosen(log), "optUseDefaultFN");
        QCOMPARE(m_w->Fake.Requests.at(0).Title, std::string("Choose Output Filename (append if present)"));
        QCOMPARE(m_w->Fake.Requests.at(0).InitialName, std::string("GP040317.TKL"));
        QCOMPARE(StoredIn("Output File", {"WriteData", "UseDefaultFN"}), std::string("1|-1"));
        QVERIFY(m_w->Log.WriteLine("$GPGGA,first*00"));

        // Reopened after a log was opened, the box shows clear and "0" is stored, but recording goes on.
        Open();
        QVERIFY(!Ticked("chkWriteData"));
        Accept();
        QCOMPARE(m_w->Fake.Requests.size(), std::size_t(1));
        QCOMPARE(Stored("Output File", "WriteData"), std::string("0"));
        QVERIFY(m_w->Log.WriteLine("$GPGGA,still*00"));

        // Choosing the same log again appends, never truncates.
        Record(FileChoice::Chosen(log), "optSpecifyFN");
        QCOMPARE(Stored("Output File", "UseDefaultFN"), std::string("0"));
        QVERIFY(m_w->Log.WriteLine("$GPGGA,second*00"));
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("$GPGGA,earlier*00\r\n$GPGGA,first*00\r\n$GPGGA,still*00\r\n"
                                               "$GPGGA,second*00\r\n"));
    }

    void CancelledOutputChoiceFallsBackToTheDefaultName()
    {
        Record(FileChoice::Cancelled(), "optSpecifyFN");
        QCOMPARE(m_w->Fake.Messages, Texts{"User Cancel, using default filename: GP040317.TKL"});
        QCOMPARE(m_w->Settings.OutputFileName, std::string("GP040317.TKL"));
        QVERIFY(!m_w->Log.IsOpen());
        QVERIFY(!QFile::exists(QString::fromStdString(m_w->Path("GP040317.TKL"))));
        QCOMPARE(StoredIn("Output File", {"WriteData", "UseDefaultFN"}), std::string("1|-1"));
        QVERIFY(!m_dialog->isVisible());
    }

    void SameInputAndOutputNameKeepsTheDialogOpen()
    {
        m_w->Settings.InputFileName = m_w->Path("trip.TKL");
        Record(FileChoice::Chosen(m_w->Path("trip.TKL")));
        QCOMPARE(m_w->Fake.Messages, Texts{"The input and output filename are the same, please change one of them."});
        QVERIFY(m_dialog->isVisible());
        QVERIFY(!m_w->Log.IsOpen());
        QVERIFY(!m_w->Store.Contains("Comm", "CommPort"));
    }

    void OutputFailuresTurnRecordingOffAndReleaseTheLog()
    {
        const FileChoice unopenable = FileChoice::Chosen(m_w->Path("no-such-folder/bad.TKL"));
        // {answer, double line break in force, message}; the About box switches breaks to CR.
        const std::tuple<FileChoice, std::string, std::string> cases[] = {
            {unopenable, "\n\n", "Error during file processing.\n\nError # 2 - No such file or directory"},
            {unopenable, "\r\r", "Error during file processing.\r\rError # 2 - No such file or directory"},
            {{FileChoice::Outcome::Failed, "", 32755, "Dialog failed"}, "\n\n",
             "Error during file processing.\n\nError # 32755 - Dialog failed"},
        };
        for (const auto& [answer, doubleBreak, message] : cases) {
            // A log already open from an earlier choice is released, not left half-open.
            Record(FileChoice::Chosen(m_w->Path("earlier.TKL")));
            QVERIFY(m_w->Log.IsOpen());
            m_w->Fake.Messages.clear();
            m_w->Settings.DoubleLineBreak = doubleBreak;
            Record(answer);
            QCOMPARE(m_w->Fake.Messages, Texts{message});
            QVERIFY(!m_w->Log.IsOpen());
            QCOMPARE(m_w->Settings.OutputFileNumber, -1);
            QCOMPARE(Stored("Output File", "WriteData"), std::string("0"));
        }
    }

    void UtcBoxesTakeDigitsAndStoreThemAsTyped()
    {
        Open();
        m_dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog));
        auto* hour = Find<QLineEdit>("txtUTCHour");
        auto* minute = Find<QLineEdit>("txtUTCMin");
        hour->setFocus();
        QTRY_COMPARE(Find("lblUTCHour")->property("tag").toString(), QString("HI")); // label lit with its box
        QTest::keyClicks(hour, "\b-1.aZ 29"); // digits and backspace only, two at most
        QTest::keyClicks(minute, "\b4\b3x0");
        QCOMPARE(hour->text() + ":" + minute->text(), QString("12:30"));
        Tick("optUTC_Minus_West");
        Accept();
        const ProgramSettings& s = m_w->Settings;
        QCOMPARE(StoredIn("UTC Offset", {"Hour", "Minute", "Direction"}), std::string("12|30|-1"));
        QCOMPARE((std::vector<int>{s.UTCOffsetHour, s.UTCOffsetMinute, s.UTCOffsetDirection}),
                 (std::vector<int>{12, 30, -1}));
    }

    void StoredChoicesSurviveARestart()
    {
        m_w->Settings.CommPort = 4;
        Open([](int port) { return port == 3 ? std::string() : "/dev/ttyUSB" + std::to_string(port - 1); });
        // The port list may name each port's device; the number alone is stored, with its leading blank.
        QCOMPARE(Find<QComboBox>("cboCommPort")->itemText(2), QString(" 3"));
        QCOMPARE(Shown("cboCommPort"), QString(" 4  /dev/ttyUSB3"));
        const std::pair<const char*, int> picks[] = {{"cboCommPort", 1}, {"cboLargeUnit", 2}, {"cboSmallUnit", 1},
                                                     {"cboDateFmt", 2},  {"cboDegreeDisp", 1}, {"cboBeepCount", 42}};
        for (const auto& [list, index] : picks)
            Pick(list, index);
        Tick("chkRecordPosInfo", false);
        Accept();
        QCOMPARE(Stored("Comm", "CommPort") + "|" + Stored("Options", "SmallUnit"), std::string(" 2|Meters"));
        // The beep count is neither applied nor stored.
        QCOMPARE(m_w->Settings.ArrivalBeepCount, 0);
        for (const auto& [address, value] : m_w->Store.Values())
            QVERIFY(value != "42");

        ProgramSettings restarted;
        LoadProgramSettings(restarted, m_w->Gps, m_w->Store);
        QCOMPARE(restarted.SmallUnit + restarted.LargeUnit, std::string("FEKi")); // small unit back to feet
        QCOMPARE((std::vector<int>{restarted.CommPort, restarted.DateFormat, restarted.DegreeFormat,
                                   restarted.SavePositionInfo}),
                 (std::vector<int>{2, 3, 2, 0}));
    }

    void PlacementIsSavedUnderNMEASetsEvenOnCancel()
    {
        Open();
        m_dialog->showMinimized();
        m_dialog->close();
        QVERIFY(!m_w->Store.Contains("NMEASets", "Left")); // not while minimised
        m_w->Store.Save("NMEASets", "Left", "1500");
        m_w->Store.Save("NMEASets", "Top", "750");
        Open();
        QCOMPARE(m_dialog->pos(), QPoint(100, 50));
        m_dialog->move(30, 45);
        Pick("cboCommPort", 3);
        Tick("chkWriteData");
        Find<QPushButton>("cmdCancel")->click();
        QCOMPARE(StoredIn("NMEASets", {"Left", "Top"}), std::string("450|675"));
        // Cancel stores nothing else and applies nothing.
        for (const auto& [address, value] : m_w->Store.Values())
            QCOMPARE(address.first, std::string("NMEASets"));
        QCOMPARE(m_w->Settings.CommPort, 1);
        QTRY_VERIFY(m_dialog.isNull()); // deletes itself once the event loop runs
    }

    void FiltersAreTranslatedForTheToolkit()
    {
        QCOMPARE(QtNameFilters("All Text (*.TKL)|*.TKL|All Files (*.*)|*.*"),
                 QStringList({"All Text (*.TKL *.tkl)", "All Files (*)"}));
        QCOMPARE(QtNameFilters("Logs|*.log;*.TXT"), QStringList({"Logs (*.log *.LOG *.TXT *.txt)"}));
    }
};

// Headless unless a display platform is asked for.
const bool headless = qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qputenv("QT_QPA_PLATFORM", "offscreen");
QTEST_MAIN(TestFrmSettings)

#include "tst_frmSettings.moc"
