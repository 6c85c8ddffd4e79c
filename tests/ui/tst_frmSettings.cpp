#include "common/LoadProgramSettings.h"
#include "common/WindowRoutines.h"
#include "dialogs/QtFileChooser.h"
#include "dialogs/frmSettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <memory>
#include <vector>

using namespace trakora;

namespace {

// 17 March 2004: the default log is GP040317.TKL.
class FixedClock : public IClock {
public:
    LocalTime Now() override { return ToLocalTime({2004, 3, 17, 10, 30, 0}); }
};

class RecordedMessages : public IMessageSink {
public:
    void ShowMessage(std::string_view text) override { Texts.emplace_back(text); }
    std::vector<std::string> Texts;
};

// Answers each dialog with the next prepared choice, or a cancellation.
class ScriptedFiles : public IFileChooser {
public:
    FileChoice ChooseOpen(const FileDialogRequest& request) override
    {
        OpenRequests.push_back(request);
        return Next(OpenAnswers);
    }
    FileChoice ChooseSave(const FileDialogRequest& request) override
    {
        SaveRequests.push_back(request);
        return Next(SaveAnswers);
    }

    std::deque<FileChoice> OpenAnswers;
    std::deque<FileChoice> SaveAnswers;
    std::vector<FileDialogRequest> OpenRequests;
    std::vector<FileDialogRequest> SaveRequests;

private:
    static FileChoice Next(std::deque<FileChoice>& answers)
    {
        if (answers.empty())
            return FileChoice::Cancelled();
        FileChoice choice = answers.front();
        answers.pop_front();
        return choice;
    }
};

QString ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return QString::fromLatin1(file.readAll());
}

} // namespace

class TestFrmSettings : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void ShowsEveryControlWithItsCaption();
    void LoadsTheChoicesFromTheSettings();
    void FirstRunShowsTheStartValues();
    void OutOfRangeFormatsShowNoEntryAndAreKept();
    void SourceFrameIsLockedWhileInputRuns();
    void SourceOptionsSwitchTheTimeSyncBox();
    void FileInputAsksForTheInputLog();
    void CancelledInputChoiceIsSilentAndKeepsTheName();
    void RecordingBoxEnablesTheOutputOptions();
    void DefaultNameIsOfferedAndOpenedForAppending();
    void ReopeningAfterALogWasOpenedStoresZeroAndKeepsRecording();
    void CancelledOutputChoiceFallsBackToTheDefaultName();
    void SameInputAndOutputNameKeepsTheDialogOpen();
    void UnopenableOutputTurnsRecordingOff();
    void FailedOutputDialogTurnsRecordingOff();
    void StoresTheUtcOffsetAsTyped();
    void StoresThePortItemWithItsLeadingBlank();
    void PortListShowsDevicesButStoresTheNumber();
    void StoresUnitsAndFormats();
    void AcceptedChoicesSurviveARestart();
    void UtcBoxesTakeOnlyDigitsAndBackspace();
    void FocusHighlightsTheHourBoxWithItsLabel();
    void PlacementIsRestoredAndSavedOnClose();
    void CancelStoresOnlyThePlacement();
    void MinimisedDialogDoesNotSaveItsPlacement();
    void FiltersAreTranslatedForTheToolkit();

private:
    frmSettings* Open(PortDeviceLookup devices = {});
    template <typename T>
    T* Find(const char* name)
    {
        T* control = m_dialog->findChild<T*>(name);
        if (control == nullptr)
            qFatal("no control %s", name);
        return control;
    }
    std::string Stored(std::string_view section, std::string_view key)
    {
        return m_store->Get(section, key, "<missing>");
    }
    void Accept() { Find<QPushButton>("cmdOK")->click(); }
    void Tick(const char* name, bool on) { Find<QAbstractButton>(name)->setChecked(on); }
    std::string Path(const char* name) const { return (m_temp->path() + "/" + name).toStdString(); }

    std::unique_ptr<GpsState> m_gps;
    std::unique_ptr<ProgramSettings> m_settings;
    std::unique_ptr<MemorySettingsStore> m_store;
    std::unique_ptr<ProgramContext> m_context;
    std::unique_ptr<LogFile> m_log;
    std::unique_ptr<QTemporaryDir> m_temp;
    ScriptedFiles m_files;
    RecordedMessages m_messages;
    FixedClock m_clock;
    QPointer<frmSettings> m_dialog;
    QString m_previousFolder;
};

void TestFrmSettings::init()
{
    m_gps = std::make_unique<GpsState>();
    m_settings = std::make_unique<ProgramSettings>();
    m_store = std::make_unique<MemorySettingsStore>();
    MemorySettingsStore empty;
    LoadProgramSettings(*m_settings, *m_gps, empty);
    m_context = std::make_unique<ProgramContext>(ProgramContext{*m_gps, *m_settings, *m_store});
    m_log = std::make_unique<LogFile>();
    m_temp = std::make_unique<QTemporaryDir>();
    m_files = ScriptedFiles();
    m_messages = RecordedMessages();
    // A default log name is relative: it must land in the test's own folder.
    m_previousFolder = QDir::currentPath();
    QDir::setCurrent(m_temp->path());
}

void TestFrmSettings::cleanup()
{
    delete m_dialog;
    QDir::setCurrent(m_previousFolder);
    m_log.reset();
    m_temp.reset();
}

frmSettings* TestFrmSettings::Open(PortDeviceLookup devices)
{
    delete m_dialog;
    m_dialog = new frmSettings(*m_context, *m_log, m_files, m_messages, m_clock, std::move(devices));
    m_dialog->show();
    return m_dialog;
}

void TestFrmSettings::ShowsEveryControlWithItsCaption()
{
    Open();
    QCOMPARE(m_dialog->windowTitle(), QString("Program Settings"));
    QVERIFY(!m_dialog->isModal());
    const std::vector<std::pair<const char*, QString>> captions = {
        {"chkReadRealTime", "Time S&ync File Read"},
        {"optFileInput", "Sa&ved '.TKL' File"},
        {"optCommInput", "&GPS on Comm Port"},
        {"optUTC_Plus_East", "&East (Plus)"},
        {"optUTC_Minus_West", "&West (Minus)"},
        {"chkWriteData", "Write &Output File"},
        {"optSpecifyFN", "Specify &Filename"},
        {"optUseDefaultFN", "Append to &Default filename"},
        {"chkRecordPosInfo", "Save Position Information  (&1)"},
        {"chkRecordWPInfo", "Save Waypoint Information  (&2)"},
        {"chkRecordPRNInfo", "Save Satellite Information  (&3)"},
        {"cmdOK", "&Accept"},
        {"cmdCancel", "&Cancel"},
    };
    for (const auto& [name, caption] : captions)
        QCOMPARE(Find<QAbstractButton>(name)->text(), caption);
    QCOMPARE(Find<QGroupBox>("fraSource")->title(), QString("Data Source"));
    QCOMPARE(Find<QLabel>("lblUTCHour")->text(), QString("&Hours"));
    QCOMPARE(Find<QLabel>("lblUTCMin")->text(), QString("Min&utes"));
    QCOMPARE(Find<QLabel>("lblUseDefaultFN")->text(), QString("(currently GP040317.TKL)"));
    for (const char* box : {"txtUTCHour", "txtUTCMin"})
        QCOMPARE(Find<QLineEdit>(box)->maxLength(), 2);

    const auto items = [this](const char* name) {
        QStringList texts;
        auto* list = Find<QComboBox>(name);
        for (int i = 0; i < list->count(); ++i)
            texts << list->itemText(i);
        return texts;
    };
    QCOMPARE(items("cboCommPort"), QStringList({" 1", " 2", " 3", " 4"}));
    QCOMPARE(items("cboSmallUnit"), QStringList({"Feet", "Meters", "Fathoms"}));
    QCOMPARE(items("cboLargeUnit"), QStringList({"Statute Miles", "Nautical", "Kilometers"}));
    QCOMPARE(items("cboDateFmt"), QStringList({"MM/DD/YY", "DD/MM/YY", "YY/MM/DD"}));
    QCOMPARE(items("cboDegreeDisp"),
             QStringList({QString("DD\u00B0 MM SS.d"), "DD.dddd", QString("DD\u00B0 MM.mmm")}));
    const QStringList beeps = items("cboBeepCount");
    QCOMPARE(beeps.size(), 100);
    QCOMPARE(beeps.first(), QString("0"));
    QCOMPARE(beeps.last(), QString("99"));
    for (const char* list : {"cboCommPort", "cboSmallUnit", "cboLargeUnit", "cboDateFmt", "cboDegreeDisp",
                             "cboBeepCount"})
        QVERIFY(!Find<QComboBox>(list)->isEditable());
}

void TestFrmSettings::LoadsTheChoicesFromTheSettings()
{
    ProgramSettings& s = *m_settings;
    s.UTCOffsetDirection = 1;
    s.ReadRealTime = -1;
    s.FileInput = -1;
    s.UseDefaultFN = 0;
    s.WriteData = 1;
    s.CommPort = 3;
    s.SmallUnit = "me";
    s.LargeUnit = "Ki";
    s.ArrivalBeepCount = 7;
    s.UTCOffsetHour = 5;
    s.UTCOffsetMinute = 45;
    s.SavePositionInfo = 0;
    s.SaveWaypointInfo = 1;
    s.SavePRNInfo = 1;
    s.DateFormat = 3;
    s.DegreeFormat = 2;
    Open();

    QVERIFY(Find<QRadioButton>("optUTC_Plus_East")->isChecked());
    QVERIFY(Find<QCheckBox>("chkReadRealTime")->isChecked());
    QVERIFY(Find<QCheckBox>("chkReadRealTime")->isEnabled());
    QVERIFY(Find<QRadioButton>("optFileInput")->isChecked());
    QVERIFY(Find<QRadioButton>("optSpecifyFN")->isChecked());
    QVERIFY(Find<QCheckBox>("chkWriteData")->isChecked());
    QCOMPARE(Find<QComboBox>("cboCommPort")->currentText(), QString(" 3"));
    QCOMPARE(Find<QComboBox>("cboSmallUnit")->currentText(), QString("Meters"));
    QCOMPARE(Find<QComboBox>("cboLargeUnit")->currentText(), QString("Kilometers"));
    QCOMPARE(Find<QComboBox>("cboBeepCount")->currentText(), QString("7"));
    QCOMPARE(Find<QLineEdit>("txtUTCHour")->text(), QString("5"));
    QCOMPARE(Find<QLineEdit>("txtUTCMin")->text(), QString("45"));
    QVERIFY(!Find<QCheckBox>("chkRecordPosInfo")->isChecked());
    QVERIFY(Find<QCheckBox>("chkRecordWPInfo")->isChecked());
    QVERIFY(Find<QCheckBox>("chkRecordPRNInfo")->isChecked());
    QCOMPARE(Find<QComboBox>("cboDateFmt")->currentText(), QString("YY/MM/DD"));
    QCOMPARE(Find<QComboBox>("cboDegreeDisp")->currentText(), QString("DD.dddd"));
}

void TestFrmSettings::FirstRunShowsTheStartValues()
{
    Open();
    QVERIFY(Find<QRadioButton>("optCommInput")->isChecked());
    QVERIFY(Find<QCheckBox>("chkReadRealTime")->isEnabled());
    QVERIFY(Find<QRadioButton>("optUTC_Minus_West")->isChecked());
    QVERIFY(Find<QRadioButton>("optUseDefaultFN")->isChecked());
    QVERIFY(!Find<QCheckBox>("chkWriteData")->isChecked());
    QVERIFY(Find<QCheckBox>("chkRecordPosInfo")->isChecked());
    QCOMPARE(Find<QComboBox>("cboSmallUnit")->currentText(), QString("Feet"));
    QCOMPARE(Find<QComboBox>("cboLargeUnit")->currentText(), QString("Nautical"));
    QCOMPARE(Find<QComboBox>("cboCommPort")->currentText(), QString(" 1"));
    QCOMPARE(Find<QLineEdit>("txtUTCHour")->text(), QString("0"));
}

void TestFrmSettings::OutOfRangeFormatsShowNoEntryAndAreKept()
{
    m_settings->DateFormat = 0;
    m_settings->DegreeFormat = 7;
    m_settings->CommPort = 9;
    Open();
    QCOMPARE(Find<QComboBox>("cboDateFmt")->currentIndex(), -1);
    QCOMPARE(Find<QComboBox>("cboDegreeDisp")->currentIndex(), -1);
    QCOMPARE(Find<QComboBox>("cboCommPort")->currentText(), QString(" 1"));
    Accept();
    QCOMPARE(m_settings->DateFormat, 0);
    QCOMPARE(m_settings->DegreeFormat, 7);
    QCOMPARE(Stored("FormatOptions", "Date"), std::string("0"));
}

void TestFrmSettings::SourceFrameIsLockedWhileInputRuns()
{
    m_settings->InputRunning = -1;
    m_settings->FileInput = -1;
    m_settings->InputFileName = "/logs/old.TKL";
    Open();
    QVERIFY(!Find<QGroupBox>("fraSource")->isEnabled());
    QVERIFY(!Find<QRadioButton>("optFileInput")->isEnabled());
    QVERIFY(!Find<QRadioButton>("optCommInput")->isEnabled());
    QVERIFY(!Find<QCheckBox>("chkReadRealTime")->isEnabled());
    QVERIFY(Find<QRadioButton>("optFileInput")->isChecked());

    m_files.OpenAnswers.push_back(FileChoice::Chosen("/logs/new.TKL"));
    Accept();
    QVERIFY(m_files.OpenRequests.empty());
    QCOMPARE(m_settings->InputFileName, std::string("/logs/old.TKL"));
    QCOMPARE(m_settings->FileInput, -1);
    QCOMPARE(m_settings->CommInput, 0);
    QVERIFY(!m_dialog->isVisible());
}

void TestFrmSettings::SourceOptionsSwitchTheTimeSyncBox()
{
    Open();
    auto* sync = Find<QCheckBox>("chkReadRealTime");
    QVERIFY(sync->isEnabled());
    QTest::mouseClick(Find<QRadioButton>("optFileInput"), Qt::LeftButton);
    QVERIFY(sync->isEnabled());
    QTest::mouseClick(Find<QRadioButton>("optCommInput"), Qt::LeftButton);
    QVERIFY(!sync->isEnabled());
    QTest::mouseClick(Find<QRadioButton>("optFileInput"), Qt::LeftButton);
    QVERIFY(sync->isEnabled());
}

void TestFrmSettings::FileInputAsksForTheInputLog()
{
    m_settings->InputFilePath = "/var/logs";
    Open();
    Tick("optFileInput", true);
    Tick("chkReadRealTime", true);
    m_files.OpenAnswers.push_back(FileChoice::Chosen("/data/trips/day1.TKL"));
    Accept();

    QCOMPARE(m_files.OpenRequests.size(), std::size_t(1));
    const FileDialogRequest& request = m_files.OpenRequests.front();
    QCOMPARE(request.Title, std::string("Choose Input Filename"));
    QCOMPARE(request.Filter, std::string("All Text (*.TKL)|*.TKL|All Files (*.*)|*.*"));
    QCOMPARE(request.DefaultExtension, std::string("TKL"));
    QCOMPARE(request.InitialName, std::string("*.TKL"));
    QCOMPARE(request.Folder, std::string("/var/logs"));
    QCOMPARE(m_settings->InputFileName, std::string("/data/trips/day1.TKL"));
    QCOMPARE(m_settings->InputFilePath, std::string("/data/trips"));
    QCOMPARE(m_settings->FileInput, -1);
    QCOMPARE(m_settings->CommInput, 0);
    QCOMPARE(m_settings->ReadRealTime, -1);
    QCOMPARE(Stored("InputOptions", "FileInput"), std::string("-1"));
    QCOMPARE(Stored("InputOptions", "CommInput"), std::string("0"));
    QVERIFY(m_messages.Texts.empty());
    // The pointer is back to normal once the choice is made.
    QCOMPARE(m_dialog->cursor().shape(), Qt::ArrowCursor);

    // The next time the previous name is offered, trimmed.
    m_settings->InputFileName = "  /data/trips/day1.TKL ";
    Open();
    Accept();
    QCOMPARE(m_files.OpenRequests.back().InitialName, std::string("/data/trips/day1.TKL"));
    QCOMPARE(m_files.OpenRequests.back().Folder, std::string("/data/trips"));
}

void TestFrmSettings::CancelledInputChoiceIsSilentAndKeepsTheName()
{
    m_settings->FileInput = -1;
    m_settings->InputFileName = "/logs/old.TKL";
    m_settings->InputFilePath = "/logs";
    Open();
    Accept(); // the scripted dialog cancels
    QCOMPARE(m_files.OpenRequests.size(), std::size_t(1));
    QCOMPARE(m_settings->InputFileName, std::string("/logs/old.TKL"));
    QVERIFY(m_messages.Texts.empty());
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_dialog->cursor().shape(), Qt::ArrowCursor);

    // An answer that is only blanks counts as no choice.
    Open();
    m_files.OpenAnswers.push_back(FileChoice::Chosen("   "));
    QCOMPARE(m_dialog->ChooseInputFile(), 0);
    QCOMPARE(m_settings->InputFileName, std::string("/logs/old.TKL"));
    QCOMPARE(m_dialog->cursor().shape(), Qt::ArrowCursor);
}

void TestFrmSettings::RecordingBoxEnablesTheOutputOptions()
{
    Open();
    const std::vector<const char*> options = {"lblUseDefaultFN", "optUseDefaultFN", "optSpecifyFN",
                                              "chkRecordPosInfo", "chkRecordWPInfo", "chkRecordPRNInfo"};
    for (const char* name : options)
        QVERIFY2(!Find<QWidget>(name)->isEnabled(), name);
    QTest::mouseClick(Find<QCheckBox>("chkWriteData"), Qt::LeftButton);
    for (const char* name : options)
        QVERIFY2(Find<QWidget>(name)->isEnabled(), name);
    QTest::mouseClick(Find<QCheckBox>("chkWriteData"), Qt::LeftButton);
    for (const char* name : options)
        QVERIFY2(!Find<QWidget>(name)->isEnabled(), name);
}

void TestFrmSettings::DefaultNameIsOfferedAndOpenedForAppending()
{
    const std::string log = Path("GP040317.TKL");
    {
        QFile earlier(QString::fromStdString(log));
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("$GPGGA,earlier*00\r\n");
    }
    m_settings->OutputFileName = "/somewhere/else.TKL";
    Open();
    Tick("chkWriteData", true);
    Tick("optUseDefaultFN", true);
    m_files.SaveAnswers.push_back(FileChoice::Chosen(log));
    Accept();

    QCOMPARE(m_files.SaveRequests.size(), std::size_t(1));
    const FileDialogRequest& request = m_files.SaveRequests.front();
    QCOMPARE(request.Title, std::string("Choose Output Filename (append if present)"));
    QCOMPARE(request.Filter, std::string("TKL Wayscribe|*.TKL|All Files|*.*"));
    QCOMPARE(request.DefaultExtension, std::string("TKL"));
    QCOMPARE(request.InitialName, std::string("GP040317.TKL"));
    QVERIFY(!request.Folder.empty());

    QVERIFY(m_log->IsOpen());
    QCOMPARE(m_log->Path(), log);
    QCOMPARE(m_settings->OutputFileName, log);
    QCOMPARE(m_settings->OutputFilePath, m_temp->path().toStdString());
    QCOMPARE(m_settings->WriteData, 1);
    QCOMPARE(m_settings->OutputFileChosen, std::int16_t(-1));
    QVERIFY(m_settings->OutputFileNumber >= 0);
    QCOMPARE(Stored("Output File", "WriteData"), std::string("1"));
    QCOMPARE(Stored("Output File", "UseDefaultFN"), std::string("-1"));
    QVERIFY(m_messages.Texts.empty());
    QVERIFY(!m_dialog->isVisible());

    QVERIFY(m_log->WriteLine("$GPGGA,first*00"));
    QCOMPARE(ReadAll(QString::fromStdString(log)), QString("$GPGGA,earlier*00\r\n$GPGGA,first*00\r\n"));

    // Choosing the same log again in a later opening appends, never truncates.
    Open();
    Tick("chkWriteData", true);
    m_files.SaveAnswers.push_back(FileChoice::Chosen(log));
    Accept();
    QCOMPARE(m_files.SaveRequests.back().InitialName, std::string("GP040317.TKL"));
    QVERIFY(m_log->IsOpen());
    QVERIFY(m_log->WriteLine("$GPGGA,second*00"));
    QCOMPARE(ReadAll(QString::fromStdString(log)),
             QString("$GPGGA,earlier*00\r\n$GPGGA,first*00\r\n$GPGGA,second*00\r\n"));
}

void TestFrmSettings::ReopeningAfterALogWasOpenedStoresZeroAndKeepsRecording()
{
    Open();
    Tick("chkWriteData", true);
    Tick("optSpecifyFN", true);
    m_files.SaveAnswers.push_back(FileChoice::Chosen(Path("trip.TKL")));
    Accept();
    QVERIFY(m_log->IsOpen());
    QCOMPARE(Stored("Output File", "UseDefaultFN"), std::string("0"));

    Open();
    QVERIFY(!Find<QCheckBox>("chkWriteData")->isChecked());
    QVERIFY(!Find<QCheckBox>("chkRecordPosInfo")->isEnabled());
    Accept();
    QCOMPARE(m_files.SaveRequests.size(), std::size_t(1));
    QCOMPARE(Stored("Output File", "WriteData"), std::string("0"));
    QCOMPARE(m_settings->WriteData, 1);
    QVERIFY(m_log->IsOpen());
    QVERIFY(m_log->WriteLine("$GPGGA,still*00"));
    QCOMPARE(ReadAll(QString::fromStdString(Path("trip.TKL"))), QString("$GPGGA,still*00\r\n"));
}

void TestFrmSettings::CancelledOutputChoiceFallsBackToTheDefaultName()
{
    m_settings->WriteData = 0;
    Open();
    Tick("chkWriteData", true);
    Tick("optSpecifyFN", true);
    Tick("optUTC_Plus_East", true);
    Accept(); // the scripted dialog cancels

    QCOMPARE(m_messages.Texts, std::vector<std::string>{"User Cancel, using default filename: GP040317.TKL"});
    QCOMPARE(m_settings->OutputFileName, std::string("GP040317.TKL"));
    QCOMPARE(m_settings->UseDefaultFN, -1);
    QCOMPARE(m_settings->WriteData, 0);
    QVERIFY(!m_log->IsOpen());
    QVERIFY(!QFile::exists(QString::fromStdString(Path("GP040317.TKL"))));
    QCOMPARE(Stored("Output File", "WriteData"), std::string("1"));
    QCOMPARE(Stored("Output File", "UseDefaultFN"), std::string("-1"));
    // The rest is applied and stored and the dialog closes.
    QCOMPARE(Stored("UTC Offset", "Direction"), std::string("1"));
    QVERIFY(!m_dialog->isVisible());
}

void TestFrmSettings::SameInputAndOutputNameKeepsTheDialogOpen()
{
    const std::string log = Path("trip.TKL");
    m_settings->InputFileName = log;
    Open();
    Tick("chkWriteData", true);
    Find<QComboBox>("cboCommPort")->setCurrentIndex(2);
    m_files.SaveAnswers.push_back(FileChoice::Chosen(log));
    Accept();

    QCOMPARE(m_messages.Texts,
             std::vector<std::string>{"The input and output filename are the same, please change one of them."});
    QVERIFY(m_dialog->isVisible());
    QVERIFY(!m_log->IsOpen());
    QVERIFY(!m_store->Contains("Comm", "CommPort"));
    QVERIFY(!m_store->Contains("Output File", "WriteData"));
    QCOMPARE(m_settings->CommPort, 1);

    // A name differing only in its folder text is another name.
    m_files.SaveAnswers.push_back(FileChoice::Chosen(m_temp->path().toStdString() + "/./trip.TKL"));
    Accept();
    QCOMPARE(m_messages.Texts.size(), std::size_t(1));
    QVERIFY(!m_dialog->isVisible());
    QVERIFY(m_log->IsOpen());
    QCOMPARE(Stored("Comm", "CommPort"), std::string(" 3"));
}

void TestFrmSettings::UnopenableOutputTurnsRecordingOff()
{
    // A log already open from an earlier choice is released, not left half-open.
    Open();
    Tick("chkWriteData", true);
    m_files.SaveAnswers.push_back(FileChoice::Chosen(Path("good.TKL")));
    Accept();
    QVERIFY(m_log->IsOpen());

    Open();
    Tick("chkWriteData", true);
    Find<QComboBox>("cboLargeUnit")->setCurrentIndex(0);
    m_files.SaveAnswers.push_back(FileChoice::Chosen(Path("no-such-folder/bad.TKL")));
    Accept();

    QCOMPARE(m_messages.Texts, std::vector<std::string>{"Error during file processing.\n\nError # 2 - "
                                                        "No such file or directory"});
    QVERIFY(!m_log->IsOpen());
    QCOMPARE(m_settings->WriteData, 0);
    QCOMPARE(m_settings->OutputFileNumber, -1);
    QCOMPARE(m_settings->OutputFileChosen, std::int16_t(0));
    QCOMPARE(Stored("Output File", "WriteData"), std::string("0"));
    QCOMPARE(Stored("Measure", "LargeUnit"), std::string("St"));
    QVERIFY(!m_dialog->isVisible());

    // The message follows the line breaks in force, e.g. after the About box.
    m_settings->DoubleLineBreak = "\r\r";
    m_messages.Texts.clear();
    Open();
    Tick("chkWriteData", true);
    m_files.SaveAnswers.push_back(FileChoice::Chosen(Path("no-such-folder/bad.TKL")));
    Accept();
    QCOMPARE(m_messages.Texts.front(), std::string("Error during file processing.\r\rError # 2 - No such file or directory"));
}

void TestFrmSettings::FailedOutputDialogTurnsRecordingOff()
{
    // Recording to an earlier log stops, and that log is released.
    Open();
    Tick("chkWriteData", true);
    m_files.SaveAnswers.push_back(FileChoice::Chosen(Path("earlier.TKL")));
    Accept();
    QVERIFY(m_log->IsOpen());

    Open();
    Tick("chkWriteData", true);
    FileChoice failure;
    failure.Result = FileChoice::Outcome::Failed;
    failure.ErrorNumber = 32755;
    failure.ErrorText = "Dialog failed";
    m_files.SaveAnswers.push_back(failure);
    QTest::mouseClick(Find<QPushButton>("cmdOK"), Qt::LeftButton);

    QCOMPARE(m_messages.Texts,
             std::vector<std::string>{"Error during file processing.\n\nError # 32755 - Dialog failed"});
    QCOMPARE(m_settings->WriteData, 0);
    QVERIFY(!m_log->IsOpen());
    QCOMPARE(Stored("Output File", "WriteData"), std::string("0"));
    QCOMPARE(Stored("Comm", "CommPort"), std::string(" 1"));
}

void TestFrmSettings::StoresTheUtcOffsetAsTyped()
{
    Open();
    Find<QLineEdit>("txtUTCHour")->setText("12");
    Find<QLineEdit>("txtUTCMin")->setText("30");
    Tick("optUTC_Minus_West", true);
    Accept();
    QCOMPARE(Stored("UTC Offset", "Hour"), std::string("12"));
    QCOMPARE(Stored("UTC Offset", "Minute"), std::string("30"));
    QCOMPARE(Stored("UTC Offset", "Direction"), std::string("-1"));
    QCOMPARE(m_settings->UTCOffsetHour, 12);
    QCOMPARE(m_settings->UTCOffsetMinute, 30);
    QCOMPARE(m_settings->UTCOffsetDirection, -1);

    // No range check; an empty box reads as 0.
    Open();
    Find<QLineEdit>("txtUTCHour")->setText("99");
    Find<QLineEdit>("txtUTCMin")->setText("");
    Tick("optUTC_Plus_East", true);
    Accept();
    QCOMPARE(Stored("UTC Offset", "Hour"), std::string("99"));
    QCOMPARE(Stored("UTC Offset", "Minute"), std::string("0"));
    QCOMPARE(Stored("UTC Offset", "Direction"), std::string("1"));
    QCOMPARE(m_settings->UTCOffsetDirection, 1);
}

void TestFrmSettings::StoresThePortItemWithItsLeadingBlank()
{
    Open();
    Find<QComboBox>("cboCommPort")->setCurrentIndex(1);
    Accept();
    QCOMPARE(Stored("Comm", "CommPort"), std::string(" 2"));
    QCOMPARE(m_settings->CommPort, 2);
}

void TestFrmSettings::PortListShowsDevicesButStoresTheNumber()
{
    m_settings->CommPort = 4;
    Open([](int port) { return port == 3 ? std::string() : "/dev/ttyUSB" + std::to_string(port - 1); });
    auto* ports = Find<QComboBox>("cboCommPort");
    QCOMPARE(ports->itemText(0), QString(" 1  /dev/ttyUSB0"));
    QCOMPARE(ports->itemText(2), QString(" 3"));
    QCOMPARE(ports->currentText(), QString(" 4  /dev/ttyUSB3"));
    ports->setCurrentIndex(1);
    Accept();
    QCOMPARE(Stored("Comm", "CommPort"), std::string(" 2"));
    QCOMPARE(m_settings->CommPort, 2);
}

void TestFrmSettings::StoresUnitsAndFormats()
{
    Open();
    Find<QComboBox>("cboLargeUnit")->setCurrentText("Kilometers");
    Find<QComboBox>("cboSmallUnit")->setCurrentText("Meters");
    Find<QComboBox>("cboDateFmt")->setCurrentIndex(2);
    Find<QComboBox>("cboDegreeDisp")->setCurrentIndex(1);
    Find<QComboBox>("cboBeepCount")->setCurrentIndex(42);
    Tick("chkRecordWPInfo", true);
    Tick("chkRecordPosInfo", false);
    Accept();

    QCOMPARE(Stored("Measure", "LargeUnit"), std::string("Ki"));
    QCOMPARE(m_settings->LargeUnit, std::string("Ki"));
    QCOMPARE(Stored("Options", "SmallUnit"), std::string("Meters"));
    QCOMPARE(m_settings->SmallUnit, std::string("Me"));
    QCOMPARE(Stored("FormatOptions", "Date"), std::string("3"));
    QCOMPARE(Stored("FormatOptions", "Degrees"), std::string("2"));
    QCOMPARE(m_settings->DateFormat, 3);
    QCOMPARE(m_settings->DegreeFormat, 2);
    QCOMPARE(Stored("Output File", "SavePositionInfo"), std::string("0"));
    QCOMPARE(Stored("Output File", "SaveWaypointInfo"), std::string("1"));
    QCOMPARE(Stored("Output File", "SavePRNInfo"), std::string("0"));
    QCOMPARE(m_settings->SavePositionInfo, 0);
    QCOMPARE(m_settings->SaveWaypointInfo, 1);
    QCOMPARE(Stored("InputOptions", "CommInput"), std::string("-1"));
    // The beep count is neither applied nor stored.
    QCOMPARE(m_settings->ArrivalBeepCount, 0);
    for (const auto& [address, value] : m_store->Values())
        QVERIFY(value != "42");
}

void TestFrmSettings::AcceptedChoicesSurviveARestart()
{
    Open();
    Find<QComboBox>("cboCommPort")->setCurrentIndex(2);
    Find<QComboBox>("cboLargeUnit")->setCurrentIndex(2);
    Find<QComboBox>("cboSmallUnit")->setCurrentIndex(2);
    Find<QComboBox>("cboDateFmt")->setCurrentIndex(1);
    Find<QComboBox>("cboDegreeDisp")->setCurrentIndex(2);
    Find<QLineEdit>("txtUTCHour")->setText("3");
    Find<QLineEdit>("txtUTCMin")->setText("15");
    Tick("optUTC_Plus_East", true);
    Tick("optFileInput", true);
    Tick("chkRecordPRNInfo", true);
    m_files.OpenAnswers.push_back(FileChoice::Chosen(Path("in.TKL")));
    Accept();

    ProgramSettings restarted;
    GpsState gps;
    LoadProgramSettings(restarted, gps, *m_store);
    QCOMPARE(restarted.CommPort, 3);
    QCOMPARE(restarted.LargeUnit, std::string("Ki"));
    QCOMPARE(restarted.SmallUnit, std::string("FE"));
    QCOMPARE(restarted.DateFormat, 2);
    QCOMPARE(restarted.DegreeFormat, 3);
    QCOMPARE(restarted.UTCOffsetHour, 3);
    QCOMPARE(restarted.UTCOffsetMinute, 15);
    QCOMPARE(restarted.UTCOffsetDirection, 1);
    QCOMPARE(restarted.FileInput, -1);
    QCOMPARE(restarted.CommInput, 0);
    QCOMPARE(restarted.WriteData, 0);
    QCOMPARE(restarted.UseDefaultFN, -1);
    QCOMPARE(restarted.SavePositionInfo, 1);
    QCOMPARE(restarted.SavePRNInfo, 1);
}

void TestFrmSettings::UtcBoxesTakeOnlyDigitsAndBackspace()
{
    Open();
    m_dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog));
    for (const char* name : {"txtUTCHour", "txtUTCMin"}) {
        auto* box = Find<QLineEdit>(name);
        box->setFocus();
        box->clear();
        for (char refused : {'-', '.', 'a', 'Z', ' '})
            QTest::keyClick(box, refused);
        QCOMPARE(box->text(), QString());
        QTest::keyClick(box, '1');
        QTest::keyClick(box, '2');
        QCOMPARE(box->text(), QString("12"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QString("1"));
        QTest::keyClick(box, '9');
        QTest::keyClick(box, '8');
        QCOMPARE(box->text(), QString("19"));
    }
}

void TestFrmSettings::FocusHighlightsTheHourBoxWithItsLabel()
{
    Open();
    m_dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog));
    auto* hour = Find<QLineEdit>("txtUTCHour");
    auto* label = Find<QLabel>("lblUTCHour");
    hour->setFocus();
    QTRY_COMPARE(hour->property("tag").toString(), QString("HI"));
    QCOMPARE(label->property("tag").toString(), QString("HI"));
    QVERIFY(label->font().bold());
    Find<QRadioButton>("optUseDefaultFN")->setEnabled(true);
    Find<QRadioButton>("optUseDefaultFN")->setFocus();
    QTRY_COMPARE(label->property("tag").toString(), QString("LOW"));
    QCOMPARE(Find<QLabel>("lblUseDefaultFN")->property("tag").toString(), QString("HI"));
}

void TestFrmSettings::PlacementIsRestoredAndSavedOnClose()
{
    m_store->Save("NMEASets", "Left", "1500");
    m_store->Save("NMEASets", "Top", "750");
    Open();
    QCOMPARE(m_dialog->pos(), QPoint(100, 50));

    m_dialog->move(30, 45);
    Accept();
    QCOMPARE(Stored("NMEASets", "Left"), std::string("450"));
    QCOMPARE(Stored("NMEASets", "Top"), std::string("675"));
    QCOMPARE(Stored("NMEASets", "Width"), std::to_string(int(PixelsToTwipsX(m_dialog->width()))));
    QCOMPARE(Stored("NMEASets", "Height"), std::to_string(int(PixelsToTwipsY(m_dialog->height()))));

    // Off the screen to the right: back to the left edge. Negative stays.
    m_store->Save("NMEASets", "Left", std::to_string(ScreenWidthTwips() + 15));
    m_store->Save("NMEASets", "Top", "-300");
    Open();
    QCOMPARE(m_dialog->pos(), QPoint(0, -20));
}

void TestFrmSettings::CancelStoresOnlyThePlacement()
{
    Open();
    Find<QComboBox>("cboCommPort")->setCurrentIndex(3);
    Tick("chkWriteData", true);
    Find<QPushButton>("cmdCancel")->click();
    QVERIFY(!m_dialog->isVisible());
    QVERIFY(m_files.SaveRequests.empty());
    QCOMPARE(m_settings->CommPort, 1);
    for (const auto& [address, value] : m_store->Values())
        QCOMPARE(address.first, std::string("NMEASets"));
    QCOMPARE(m_store->Values().size(), std::size_t(4));

    // The dialog deletes itself once the event loop runs.
    QTRY_VERIFY(m_dialog.isNull());
}

void TestFrmSettings::MinimisedDialogDoesNotSaveItsPlacement()
{
    Open();
    m_dialog->showMinimized();
    QVERIFY(m_dialog->isMinimized());
    m_dialog->close();
    QVERIFY(!m_store->Contains("NMEASets", "Left"));
}

void TestFrmSettings::FiltersAreTranslatedForTheToolkit()
{
    QCOMPARE(QtNameFilters("TKL Wayscribe|*.TKL|All Files|*.*"),
             QStringList({"TKL Wayscribe (*.TKL *.tkl)", "All Files (*)"}));
    QCOMPARE(QtNameFilters("All Text (*.TKL)|*.TKL|All Files (*.*)|*.*"),
             QStringList({"All Text (*.TKL *.tkl)", "All Files (*)"}));
    QCOMPARE(QtNameFilters("Logs|*.log;*.TXT"), QStringList({"Logs (*.log *.LOG *.TXT *.txt)"}));
    QCOMPARE(QtNameFilters(""), QStringList());
}

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestFrmSettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_frmSettings.moc"
