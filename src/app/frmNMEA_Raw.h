#pragma once

#include "app/QtRawLineModel.h"
#include "app/RawLineBuffer.h"
#include "common/TrackedWindow.h"
#include "nmea/LogSink.h"

class QComboBox;
class QLabel;
class QListView;
class QRadioButton;

namespace trakora {

// "NMEA Input from GPS": every line the dispatcher receives, newest at the
// bottom, kept to the length chosen in cboMaxNMEA.
class frmNMEA_Raw : public TrackedWindow, public IRawLineSink {
public:
    static constexpr int DefaultLimit = 6000;

    explicit frmNMEA_Raw(ProgramContext& context, QWidget* parent = nullptr);

    // Lines wait to be shown until Paint, which the frame painter calls.
    void AddRawLine(std::string_view line) override;
    void Paint();
    // Empties the list (a seek replays the log from its start).
    void ClearLines();

    // Lines shown in the list.
    int LineCount() const { return m_lines.Count(); }
    // The limit now in force: the number in cboMaxNMEA, or the last valid one
    // while it holds text that is not a number.
    int Limit() const { return m_limit; }
    const QtRawLineModel& Lines() const { return m_lines; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ChooseScroll(bool autoScroll);
    void LimitTextChanged(const QString& text);
    void LimitChosen(int index);
    void SelectStoredLimit();
    void SelectNewest();
    void LayOut();

    QtRawLineModel m_lines;
    RawLineBuffer m_pending;
    QListView* m_txtNMEA;
    QRadioButton* m_optAutoScroll;
    QRadioButton* m_optFixed;
    QLabel* m_lblKeep;
    QComboBox* m_cboMaxNMEA;
    int m_limit = DefaultLimit;
    bool m_loading = true;
    bool m_selectPending = false;
};

} // namespace trakora
