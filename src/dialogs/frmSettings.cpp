#include "dialogs/frmSettings.h"

#include "common/LeadingNumber.h"
#include "common/SettingsKeys.h"
#include "common/WindowRoutines.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QAbstractItemView>
#include <QRadioButton>

#include <algorithm>

namespace trakora {

namespace {

const char* const OutputDialogTitle = "Choose Output Filename (append if present)";
const char* const OutputFilter = "TKL Wayscribe|*.TKL|All Files|*.*";
const char* const InputDialogTitle = "Choose Input Filename";
const char* const InputFilter = "All Text (*.TKL)|*.TKL|All Files (*.*)|*.*";
const char* const LogExtension = "TKL";

template <typename T>
T* Place(T* control, const char* name, QRect twips)
{
    control->setObjectName(name);
    control->setGeometry(twips);
    return control;
}

QRect Tw(double left, double top, double width, double height)
{
    return TwipsRect(left, top, width, height);
}

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// The folder part of a path; `current` when the name has no separator.
std::string FolderOf(const std::string& name, const std::string& current)
{
    const auto separator = name.rfind('/');
    return separator == std::string::npos ? current : name.substr(0, separator);
}

void Save(ISettingsStore& store, SettingKey key, const std::string& value)
{
    store.Save(key.Section, key.Key, value);
}

std::int32_t BoxState(const QCheckBox* box)
{
    return box->isChecked() ? 1 : 0;
}

// The 1-based position of `text` among `names`, 0 when it is not there.
std::int32_t PositionIn(const std::array<std::string, 3>& names, const QString& text)
{
    const std::string wanted = text.toStdString();
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == wanted)
            return static_cast<std::int32_t>(i + 1);
    return 0;
}

void FillNames(QComboBox* list, const std::array<std::string, 3>& names, std::int32_t selected)
{
    for (const std::string& name : names)
        list->addItem(Q(name));
    // A stored index outside the list shows no entry, and Accept then keeps it.
    list->setCurrentIndex(selected >= 1 && selected <= 3 ? selected - 1 : -1);
}

void SelectByPrefix(QComboBox* list, const std::string& code)
{
    list->setCurrentIndex(0);
    for (int i = 0; i < list->count(); ++i) {
        if (list->itemText(i).left(2).compare(Q(code), Qt::CaseInsensitive) == 0) {
            list->setCurrentIndex(i);
            return;
        }
    }
}

} // namespace

frmSettings::frmSettings(ProgramContext& context, LogFile& outputLog, IFileChooser& files, IMessageSink& messages,
                         IClock& clock, SerialDeviceLister devices, QWidget* parent)
    : QWidget(parent, Qt::Dialog), m_context(context), m_settings(context.Settings), m_outputLog(outputLog),
      m_files(files), m_messages(messages), m_clock(clock), m_listDevices(std::move(devices))
{
    setObjectName("frmSettings");
    setWindowTitle("Program Settings");
    setAttribute(Qt::WA_DeleteOnClose);
    CreateControls();
    LoadFromSettings();
}

void frmSettings::CreateControls()
{
    setFixedSize(Tw(0, 0, 7560, 5490).size());

    m_fraSource = Place(new QGroupBox("Data Source", this), "fraSource", Tw(120, 60, 3480, 1380));
    m_optFileInput = Place(new QRadioButton("Sa&ved '.TKL' File", m_fraSource), "optFileInput",
                           Tw(120, 300, 3000, 300));
    m_optCommInput = Place(new QRadioButton("&GPS on Comm Port", m_fraSource), "optCommInput",
                           Tw(120, 630, 3000, 300));
    m_chkReadRealTime = Place(new QCheckBox("Time S&ync File Read", m_fraSource), "chkReadRealTime",
                              Tw(120, 960, 3000, 300));
    m_optCommInput->setChecked(true);

    auto* fraUTC = Place(new QGroupBox("Offset from UTC", this), "fraUTCOffset", Tw(120, 1500, 3480, 1380));
    m_optEast = Place(new QRadioButton("&East (Plus)", fraUTC), "optUTC_Plus_East", Tw(120, 330, 1500, 300));
    m_optWest = Place(new QRadioButton("&West (Minus)", fraUTC), "optUTC_Minus_West", Tw(120, 780, 1500, 300));
    m_optWest->setChecked(true);
    m_lblUTCHour = Place(new QLabel("&Hours", fraUTC), "lblUTCHour", Tw(1740, 345, 900, 270));
    m_txtUTCHour = Place(new QLineEdit("00", fraUTC), "txtUTCHour", Tw(2700, 300, 600, 360));
    m_lblUTCMin = Place(new QLabel("Min&utes", fraUTC), "lblUTCMin", Tw(1740, 795, 900, 270));
    m_txtUTCMin = Place(new QLineEdit("00", fraUTC), "txtUTCMin", Tw(2700, 750, 600, 360));
    for (QLineEdit* box : {m_txtUTCHour, m_txtUTCMin})
        box->setMaxLength(2);
    m_lblUTCHour->setBuddy(m_txtUTCHour);
    m_lblUTCMin->setBuddy(m_txtUTCMin);

    auto* fraOutput = Place(new QGroupBox("Save Data to File Options", this), "fraOutput", Tw(3720, 60, 3720, 2820));
    m_chkWriteData = Place(new QCheckBox("Write &Output File", fraOutput), "chkWriteData", Tw(120, 300, 3240, 300));
    m_optSpecifyFN = Place(new QRadioButton("Specify &Filename", fraOutput), "optSpecifyFN", Tw(360, 660, 3000, 300));
    m_optUseDefaultFN = Place(new QRadioButton("Append to &Default filename", fraOutput), "optUseDefaultFN",
                              Tw(360, 990, 3000, 300));
    m_optUseDefaultFN->setChecked(true);
    m_lblUseDefaultFN = Place(new QLabel("(currently GPmmddyy.TKL)", fraOutput), "lblUseDefaultFN",
                              Tw(660, 1290, 2700, 270));
    m_chkRecordPosInfo = Place(new QCheckBox("Save Position Information  (&1)", fraOutput), "chkRecordPosInfo",
                               Tw(120, 1710, 3240, 300));
    m_chkRecordWPInfo = Place(new QCheckBox("Save Waypoint Information  (&2)", fraOutput), "chkRecordWPInfo",
                              Tw(120, 2040, 3240, 300));
    m_chkRecordPRNInfo = Place(new QCheckBox("Save Satellite Information  (&3)", fraOutput), "chkRecordPRNInfo",
                               Tw(120, 2370, 3240, 300));
    m_chkRecordPosInfo->setChecked(true);

    const auto addList = [this](const char* caption, const char* labelName, const char* listName, double left,
                                double top, double labelWidth, double listWidth) {
        auto* label = Place(new QLabel(caption, this), labelName, Tw(left, top + 45, labelWidth, 270));
        auto* list = Place(new QComboBox(this), listName, Tw(left + labelWidth, top, listWidth, 360));
        label->setBuddy(list);
        return list;
    };
    m_cboDateFmt = addList("Date Fo&rmat", "lblDateFmt", "cboDateFmt", 120, 3030, 1800, 1680);
    m_cboDegreeDisp = addList("Degree Dis&play", "lblDegreeDisp", "cboDegreeDisp", 120, 3480, 1800, 1680);
    m_cboBeepCount = addList("Arrival &Beep Count", "lblBeepCount", "cboBeepCount", 120, 3930, 1800, 1680);
    m_cboLargeUnit = addList("&Large Unit", "lblLargeUnit", "cboLargeUnit", 3720, 3030, 1320, 2400);
    m_cboSmallUnit = addList("&Small Unit", "lblSmallUnit", "cboSmallUnit", 3720, 3480, 1320, 2400);
    m_cboCommPort = addList("Co&mm Port", "lblCommPort", "cboCommPort", 3720, 3930, 1320, 2400);
    m_cboTalkers = addList("Tal&kers", "lblTalkers", "cboTalkers", 120, 4380, 1800, 1680);
    m_cboBaud = addList("Baud ra&te", "lblBaud", "cboBaud", 3720, 4380, 1320, 2400);

    m_cmdOK = Place(new QPushButton("&Accept", this), "cmdOK", Tw(3720, 4920, 1800, 420));
    m_cmdCancel = Place(new QPushButton("&Cancel", this), "cmdCancel", Tw(5640, 4920, 1800, 420));

    for (QWidget* control : std::initializer_list<QWidget*>{
             m_optFileInput, m_optCommInput, m_chkReadRealTime, m_optEast, m_optWest, m_chkWriteData,
             m_optSpecifyFN, m_chkRecordPosInfo, m_chkRecordWPInfo, m_chkRecordPRNInfo, m_cmdOK, m_cmdCancel})
        InstallFocusHighlight(control);
    InstallFocusHighlight(m_txtUTCHour, m_lblUTCHour);
    InstallFocusHighlight(m_txtUTCMin, m_lblUTCMin);
    InstallFocusHighlight(m_optUseDefaultFN, m_lblUseDefaultFN);
    InstallNumericKeyFilter(m_txtUTCHour, false, false, m_settings);
    InstallNumericKeyFilter(m_txtUTCMin, false, false, m_settings);

    // Connected after the start selections so that only later changes act.
    connect(m_optFileInput, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_chkReadRealTime->setEnabled(true);
    });
    connect(m_optCommInput, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_chkReadRealTime->setEnabled(false);
    });
    connect(m_chkWriteData, &QCheckBox::toggled, this, [this] { UpdateOutputOptions(); });
    connect(m_cmdOK, &QPushButton::clicked, this, [this] { Accept(); });
    connect(m_cmdCancel, &QPushButton::clicked, this, [this] { close(); });
}

void frmSettings::LoadFromSettings()
{
    const ProgramSettings& s = m_settings;
    if (s.InputRunning) {
        m_fraSource->setEnabled(false);
        m_optFileInput->setEnabled(false);
        m_optCommInput->setEnabled(false);
        m_chkReadRealTime->setEnabled(false);
    }
    if (s.UTCOffsetDirection == 1)
        m_optEast->setChecked(true);
    m_chkReadRealTime->setChecked(s.ReadRealTime != 0);
    m_lblUseDefaultFN->setText(Q("(currently " + DefaultName() + ")"));

    m_chkWriteData->setChecked((s.WriteData & 1) != 0);
    // A log chosen earlier in this run stays open; ticking again chooses anew.
    if (s.OutputFileChosen)
        m_chkWriteData->setChecked(false);
    UpdateOutputOptions();

    if (s.FileInput)
        m_optFileInput->setChecked(true);
    (s.UseDefaultFN ? m_optUseDefaultFN : m_optSpecifyFN)->setChecked(true);

    move(RestoredPosition(m_context.Store, Keys::SettingsDialogSection));

    LoadReceiverChoices();

    m_cboSmallUnit->addItems({"Feet", "Meters", "Fathoms"});
    SelectByPrefix(m_cboSmallUnit, s.SmallUnit);
    m_cboLargeUnit->addItems({"Statute Miles", "Nautical", "Kilometers"});
    SelectByPrefix(m_cboLargeUnit, s.LargeUnit);

    for (int count = 0; count <= 99; ++count)
        m_cboBeepCount->addItem(QString::number(count));
    m_cboBeepCount->setCurrentIndex(s.ArrivalBeepCount >= 0 && s.ArrivalBeepCount <= 99 ? s.ArrivalBeepCount : 0);

    m_txtUTCHour->setText(QString::number(s.UTCOffsetHour));
    m_txtUTCMin->setText(QString::number(s.UTCOffsetMinute));

    m_chkRecordPosInfo->setChecked((s.SavePositionInfo & 1) != 0);
    m_chkRecordWPInfo->setChecked((s.SaveWaypointInfo & 1) != 0);
    m_chkRecordPRNInfo->setChecked((s.SavePRNInfo & 1) != 0);

    FillNames(m_cboDateFmt, s.DateFormatNames, s.DateFormat);
    FillNames(m_cboDegreeDisp, s.DegreeFormatNames, s.DegreeFormat);
}

// The ports (every serial device found, at least the four numbers), the
// rates and the talkers.
void frmSettings::LoadReceiverChoices()
{
    const ProgramSettings& s = m_settings;
    m_devices = m_listDevices ? m_listDevices() : std::vector<SerialDeviceInfo>();
    const int ports = std::max<int>(4, static_cast<int>(m_devices.size()));
    int chosen = -1;
    for (int port = 1; port <= ports; ++port) {
        std::string text = " " + std::to_string(port);
        if (port <= static_cast<int>(m_devices.size())) {
            const SerialDeviceInfo& device = m_devices[static_cast<std::size_t>(port - 1)];
            text += "  " + device.Path + (device.Description.empty() ? "" : " \u2014 " + device.Description);
            // The receiver chosen before is found again wherever the system numbers it now.
            if (!s.CommDevice.empty() && (device.Path == s.CommDevice || StableDevicePath(device.Path) == s.CommDevice))
                chosen = port - 1;
        }
        m_cboCommPort->addItem(QString::fromUtf8(text.c_str()), port);
    }
    if (chosen < 0)
        chosen = std::max(0, m_cboCommPort->findData(s.CommPort));
    m_cboCommPort->setCurrentIndex(chosen);
    m_cboCommPort->view()->setMinimumWidth(m_cboCommPort->view()->sizeHintForColumn(0));

    for (std::int32_t rate : SerialBaudRates)
        m_cboBaud->addItem(QString::number(rate), rate);
    m_cboBaud->addItem(s.DetectedBaud != 0 ? QString("Auto (found %1)").arg(s.DetectedBaud) : QString("Auto"), AutoBaud);
    m_cboBaud->setCurrentIndex(std::max(0, m_cboBaud->findData(s.CommBaud)));

    m_cboTalkers->addItem("GPS only", static_cast<int>(TalkerFilter::GpsOnly));
    m_cboTalkers->addItem("All GNSS", static_cast<int>(TalkerFilter::AllGnss));
    m_cboTalkers->setCurrentIndex(s.Talkers == TalkerFilter::GpsOnly ? 0 : 1);
}

void frmSettings::AcceptReceiverChoices()
{
    ProgramSettings& s = m_settings;
    ISettingsStore& store = m_context.Store;
    const std::int32_t port = m_cboCommPort->currentData().toInt();
    const std::string device = port <= static_cast<int>(m_devices.size())
                                   ? StableDevicePath(m_devices[static_cast<std::size_t>(port - 1)].Path)
                                   : std::string();
    const std::int32_t baud = m_cboBaud->currentData().toInt();
    // A port already open is set up again at the next Start.
    if (port != s.CommPort || device != s.CommDevice || baud != s.CommBaud)
        s.CommNeedsOpen = FlagSet;
    s.CommPort = port;
    s.CommDevice = device;
    s.CommBaud = baud;
    Save(store, Keys::CommPort, " " + std::to_string(s.CommPort));
    Save(store, Keys::CommDevice, s.CommDevice);
    Save(store, Keys::CommBaud, BaudSettingText(s.CommBaud));

    s.Talkers = static_cast<TalkerFilter>(m_cboTalkers->currentData().toInt());
    Save(store, Keys::Talkers, std::string(TalkerFilterText(s.Talkers)));
}

void frmSettings::UpdateOutputOptions()
{
    const bool on = m_chkWriteData->isChecked();
    for (QWidget* control : std::initializer_list<QWidget*>{m_lblUseDefaultFN, m_optUseDefaultFN, m_optSpecifyFN,
                                                            m_chkRecordPosInfo, m_chkRecordWPInfo,
                                                            m_chkRecordPRNInfo})
        control->setEnabled(on);
}

std::int32_t frmSettings::ChooseInputFile()
{
    std::string initial = Trimmed(m_settings.InputFileName);
    if (initial.empty())
        initial = "*.TKL";
    const FileDialogRequest request{InputDialogTitle, InputFilter, LogExtension, initial, m_settings.InputFilePath};

    QWidget* active = QApplication::activeWindow();
    if (active == nullptr)
        active = this;
    const QCursor previous = active->cursor();
    active->setCursor(Qt::WaitCursor);
    const FileChoice choice = m_files.ChooseOpen(request);
    // The pointer comes back on every way out, an empty answer included.
    active->setCursor(previous);

    if (choice.Result != FileChoice::Outcome::Chosen || Trimmed(choice.Path).empty())
        return FlagClear;
    m_settings.InputFileName = choice.Path;
    m_settings.InputFilePath = FolderOf(choice.Path, m_settings.InputFilePath);
    return FlagSet;
}

std::int32_t frmSettings::CheckFileNames()
{
    if (m_settings.OutputFileName == m_settings.InputFileName) {
        m_messages.ShowMessage("The input and output filename are the same, please change one of them.");
        return FlagClear;
    }
    return FlagSet;
}

void frmSettings::Accept()
{
    ProgramSettings& s = m_settings;
    if (const std::int32_t degree = PositionIn(s.DegreeFormatNames, m_cboDegreeDisp->currentText()))
        s.DegreeFormat = degree;
    if (const std::int32_t date = PositionIn(s.DateFormatNames, m_cboDateFmt->currentText()))
        s.DateFormat = date;

    // The box is ticked for every replay speed but Max.
    ApplyTimeSyncBox(s, m_chkReadRealTime->isChecked());

    const bool fileInput = m_optFileInput->isChecked();
    s.FileInput = fileInput ? FlagSet : FlagClear;
    s.CommInput = fileInput ? FlagClear : FlagSet;
    if (s.FileInput && !s.InputRunning)
        ChooseInputFile();

    s.UseDefaultFN = m_optUseDefaultFN->isChecked() ? FlagSet : FlagClear;

    if (m_chkWriteData->isChecked() && !ChooseAndOpenOutput())
        return;

    ISettingsStore& store = m_context.Store;
    const QString smallUnit = m_cboSmallUnit->currentText();
    s.SmallUnit = smallUnit.left(2).toStdString();
    Save(store, Keys::SmallUnit, smallUnit.toStdString());

    s.LargeUnit = m_cboLargeUnit->currentText().left(2).toStdString();
    Save(store, Keys::LargeUnit, s.LargeUnit);

    AcceptReceiverChoices();

    s.UTCOffsetHour = LeadingWholeNumber(m_txtUTCHour->text().toStdString());
    s.UTCOffsetMinute = LeadingWholeNumber(m_txtUTCMin->text().toStdString());
    s.UTCOffsetDirection = m_optWest->isChecked() ? -1 : 1;
    Save(store, Keys::UTCOffsetHour, std::to_string(s.UTCOffsetHour));
    Save(store, Keys::UTCOffsetMinute, std::to_string(s.UTCOffsetMinute));
    Save(store, Keys::UTCOffsetDirection, std::to_string(s.UTCOffsetDirection));

    // WriteData itself changes only when a log is opened or fails; the box
    // decides what the next run starts with.
    Save(store, Keys::WriteData, std::to_string(BoxState(m_chkWriteData)));
    Save(store, Keys::UseDefaultFN, std::to_string(s.UseDefaultFN));
    s.SavePositionInfo = BoxState(m_chkRecordPosInfo);
    Save(store, Keys::SavePositionInfo, std::to_string(s.SavePositionInfo));
    s.SaveWaypointInfo = BoxState(m_chkRecordWPInfo);
    Save(store, Keys::SaveWaypointInfo, std::to_string(s.SaveWaypointInfo));
    s.SavePRNInfo = BoxState(m_chkRecordPRNInfo);
    Save(store, Keys::SavePRNInfo, std::to_string(s.SavePRNInfo));

    Save(store, Keys::FileInput, std::to_string(s.FileInput));
    Save(store, Keys::CommInput, std::to_string(s.CommInput));
    Save(store, Keys::DateFormat, std::to_string(s.DateFormat));
    Save(store, Keys::DegreeFormat, std::to_string(s.DegreeFormat));

    // The window goes away and the others repaint before it is closed:
    // closing deletes it, which must not happen inside this handler.
    hide();
    QCoreApplication::processEvents();
    close();
}

bool frmSettings::ChooseAndOpenOutput()
{
    ProgramSettings& s = m_settings;
    if (s.UseDefaultFN)
        s.OutputFileName = DefaultName();

    std::string initial = Trimmed(s.OutputFileName);
    if (initial.empty())
        initial = DefaultName();
    const FileDialogRequest request{OutputDialogTitle, OutputFilter, LogExtension, initial, OutputFolder()};
    const FileChoice choice = m_files.ChooseSave(request);

    if (choice.Result == FileChoice::Outcome::Cancelled) {
        s.UseDefaultFN = FlagSet;
        s.OutputFileName = DefaultName();
        m_messages.ShowMessage("User Cancel, using default filename: " + s.OutputFileName);
        return true;
    }
    if (choice.Result == FileChoice::Outcome::Failed) {
        RecordingFailed(choice.ErrorNumber, choice.ErrorText);
        return true;
    }

    s.OutputFileName = choice.Path;
    if (!CheckFileNames())
        return false;
    s.OutputFilePath = FolderOf(s.OutputFileName, s.OutputFilePath);
    s.InputFilePath = FolderOf(s.InputFileName, s.InputFilePath);

    // The number only marks that the program's log has been allocated; the
    // log object itself is the handle, shared with Start.
    if (s.OutputFileNumber < 0)
        s.OutputFileNumber = 1;
    m_outputLog.Close();
    const FileResult opened = m_outputLog.OpenAppend(s.OutputFileName);
    if (!opened.Ok) {
        RecordingFailed(opened.ErrorNumber, opened.ErrorText);
        return true;
    }
    s.WriteData = 1;
    s.OutputFileChosen = FlagSet;
    return true;
}

void frmSettings::RecordingFailed(int errorNumber, const std::string& errorText)
{
    ProgramSettings& s = m_settings;
    m_messages.ShowMessage("Error during file processing." + s.DoubleLineBreak + "Error # " +
                           std::to_string(errorNumber) + " - " + errorText);
    // Recording is off now: no handle is left open or counted as allocated,
    // so a later choice or Start opens the log afresh.
    m_outputLog.Close();
    s.OutputFileNumber = -1;
    s.OutputFileChosen = 0;
    m_chkWriteData->setChecked(false);
    s.WriteData = 0;
    UpdateOutputOptions();
}

std::string frmSettings::DefaultName()
{
    return DefaultLogFileName(m_clock.Now());
}

std::string frmSettings::OutputFolder() const
{
    // An installed program's folder is usually not writable; the save dialog
    // then starts where Start puts the default log, the current folder.
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (QFileInfo(programFolder).isWritable())
        return programFolder.toStdString();
    return QDir::currentPath().toStdString();
}

void frmSettings::closeEvent(QCloseEvent* event)
{
    if (!isMinimized())
        SaveWindowPlacement(m_context.Store, Keys::SettingsDialogSection, *this);
    event->accept();
}

} // namespace trakora
