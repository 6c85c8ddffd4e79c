#pragma once

#include "app/SerialDeviceOrder.h"
#include "common/LocalTime.h"
#include "common/ProgramContext.h"
#include "dialogs/FileChooser.h"
#include "nmea/LogFile.h"
#include "nmea/LogSink.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace trakora {

// The machine's serial devices in port-number order (port n is entry n - 1).
using SerialDeviceLister = std::function<std::vector<SerialDeviceInfo>()>;

// The Program Settings dialog: input source, UTC offset, recording, display
// formats, units and serial port. Modeless; deletes itself when closed.
// `outputLog` is the program's one recording log: a log chosen here is opened
// on it, so recording and Start share the same open file.
class frmSettings : public QWidget {
    Q_OBJECT

public:
    frmSettings(ProgramContext& context, LogFile& outputLog, IFileChooser& files, IMessageSink& messages,
                IClock& clock, SerialDeviceLister devices = {}, QWidget* parent = nullptr);

    // Enables the file-name and record choices only while recording is ticked.
    void UpdateOutputOptions();
    // Asks for the log to replay; -1 when one was chosen, else 0.
    std::int32_t ChooseInputFile();
    // 0, after a message, when the output and input names are equal; else -1.
    std::int32_t CheckFileNames();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void LoadFromSettings();
    void LoadReceiverChoices();
    void AcceptReceiverChoices();
    void Accept();
    // Runs the save dialog and opens the chosen log.
    // False when the dialog must stay open.
    bool ChooseAndOpenOutput();
    void RecordingFailed(int errorNumber, const std::string& errorText);
    std::string DefaultName();
    std::string OutputFolder() const;

    ProgramContext& m_context;
    ProgramSettings& m_settings;
    LogFile& m_outputLog;
    IFileChooser& m_files;
    IMessageSink& m_messages;
    IClock& m_clock;
    SerialDeviceLister m_listDevices;
    std::vector<SerialDeviceInfo> m_devices; // as listed when the dialog opened

    QGroupBox* m_fraSource = nullptr;
    QCheckBox* m_chkReadRealTime = nullptr;
    QRadioButton* m_optFileInput = nullptr;
    QRadioButton* m_optCommInput = nullptr;
    QRadioButton* m_optEast = nullptr;
    QRadioButton* m_optWest = nullptr;
    QLabel* m_lblUTCHour = nullptr;
    QLineEdit* m_txtUTCHour = nullptr;
    QLabel* m_lblUTCMin = nullptr;
    QLineEdit* m_txtUTCMin = nullptr;
    QCheckBox* m_chkWriteData = nullptr;
    QRadioButton* m_optSpecifyFN = nullptr;
    QRadioButton* m_optUseDefaultFN = nullptr;
    QLabel* m_lblUseDefaultFN = nullptr;
    QCheckBox* m_chkRecordPosInfo = nullptr;
    QCheckBox* m_chkRecordWPInfo = nullptr;
    QCheckBox* m_chkRecordPRNInfo = nullptr;
    QComboBox* m_cboDateFmt = nullptr;
    QComboBox* m_cboDegreeDisp = nullptr;
    QComboBox* m_cboBeepCount = nullptr;
    QComboBox* m_cboLargeUnit = nullptr;
    QComboBox* m_cboSmallUnit = nullptr;
    QComboBox* m_cboCommPort = nullptr;
    QComboBox* m_cboBaud = nullptr;
    QComboBox* m_cboTalkers = nullptr;
    QPushButton* m_cmdOK = nullptr;
    QPushButton* m_cmdCancel = nullptr;
};

} // namespace trakora
