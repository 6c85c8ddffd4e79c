#pragma once

#include "common/LocalTime.h"
#include "common/TrackedWindow.h"
#include "longterm/LongTermSampler.h"

#include <array>
#include <memory>

class QCheckBox;
class QString;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace trakora {

class LongTermDetailsPane;

// "Where Am I ?": the long-term position averages, ten rows and the altitude,
// and beside them how good the average of a chosen row is.
class frmLongTerm : public TrackedWindow, private ILongTermView {
public:
    // hooks answers the Clear Stats question and lets events run; when null
    // the window uses message boxes and the application's event loop.
    frmLongTerm(ProgramContext& context, IClock& clock, ILongTermHooks* hooks = nullptr, QWidget* parent = nullptr);
    ~frmLongTerm() override;

    void TimerPop();
    void UpdateTots(int row) { m_sampler->UpdateTots(row); }
    void SaveAllData() { m_sampler->SaveAllData(); }

    LongTermSampler& Sampler() { return *m_sampler; }

    // The row shown in the details pane.
    int DetailRow() const;
    // Writes the detail row's average as a GPX waypoint; false with the reason
    // when the file cannot be written or the row has no sample.
    bool ExportTo(const QString& path, QString& error);
    // Puts the detail row's average on the clipboard in the degree format.
    void CopyPosition();

protected:
    void BeforeClose() override;

private:
    void BuildControls();
    void ConnectControls();
    void ShowDetails();
    void ChooseExportFile();

    // ILongTermView
    void ShowStatus(std::string_view text, StatusColour colour) override;
    void ShowNow(std::string_view text) override;
    void ShowTopDOP(std::string_view text) override;
    void ShowStartTime(std::string_view text) override;
    void ShowSamples(int row, std::string_view text) override;
    void ShowSamplesTip(int row, std::string_view tip) override;
    void ShowAverages(int row, std::string_view latitude, std::string_view longitude) override;
    void ShowRowChoices(int row, bool enabled, std::string_view interval, std::string_view type) override;
    void UntickRow(int row) override;
    void ShowAltitude(std::string_view average, std::string_view samples) override;
    void ShowThreshold(std::string_view text) override;
    void DisableStart() override;
    void ShowSpread(int row) override;
    void ShowAltitudeSpread(std::string_view sigmaUp) override;
    void ShowHeldCounts(const HeldCounts& counts) override;

    std::unique_ptr<ILongTermHooks> m_ownHooks;
    std::unique_ptr<LongTermSampler> m_sampler;

    std::array<QCheckBox*, LongTermRows> m_chkEnabled{};
    std::array<QComboBox*, LongTermRows> m_cboInterval{};
    std::array<QComboBox*, LongTermRows> m_cboIntType{};
    std::array<QLabel*, LongTermRows> m_lblSamples{};
    std::array<QLabel*, LongTermRows> m_lblLat{};
    std::array<QLabel*, LongTermRows> m_lblLon{};
    QLabel* m_lblAltSamps = nullptr;
    QLabel* m_lblAlt = nullptr;
    QLabel* m_lblAltSigma = nullptr;
    QLineEdit* m_txtTopDOP = nullptr;
    QLabel* m_lblTopDOP = nullptr;
    QLabel* m_lblStatus = nullptr;
    QLabel* m_lblStartTime = nullptr;
    QLabel* m_lblNow = nullptr;
    QPushButton* m_cmdStart = nullptr;
    QPushButton* m_cmdClose = nullptr;
    QPushButton* m_cmdClear = nullptr;
    LongTermDetailsPane* m_details = nullptr;
};

} // namespace trakora
