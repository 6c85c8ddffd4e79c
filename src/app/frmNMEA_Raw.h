#pragma once

#include "app/QtRawLineModel.h"
#include "app/RawLineBuffer.h"
#include "common/TrackedWindow.h"
#include "nmea/LogSink.h"

#include <deque>

class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QRadioButton;
class QSortFilterProxyModel;

namespace trakora {

// "NMEA Input from GPS": every line the dispatcher receives, newest at the
// bottom, kept to the length chosen in cboMaxNMEA. Lines that failed the
// checksum or were ignored are marked. Above the list: Pause, which holds
// new lines back until Resume; a filter that shows only the lines holding
// its text (or matching /a regular expression/); and Copy, which puts the
// selected lines on the clipboard as received.
class frmNMEA_Raw : public TrackedWindow, public IRawLineSink {
public:
    static constexpr int DefaultLimit = 6000;

    explicit frmNMEA_Raw(ProgramContext& context, QWidget* parent = nullptr);

    // Lines wait to be shown until Paint, which the frame painter calls.
    void AddRawLine(std::string_view line) override;
    void LineChecked(const DispatchResult& result) override;
    void Paint();
    // Empties the list (a seek replays the log from its start).
    void ClearLines();

    // Lines shown in the list.
    int LineCount() const { return m_lines.Count(); }
    // The limit now in force: the number in cboMaxNMEA, or the last valid one
    // while it holds text that is not a number.
    int Limit() const { return m_limit; }
    const QtRawLineModel& Lines() const { return m_lines; }

    bool Paused() const { return m_paused; }
    void SetPaused(bool paused);
    // Lines held back while paused (at most the limit).
    int HeldCount() const { return static_cast<int>(m_held.size()); }
    // The selected lines shown, oldest first, each ended by a line feed.
    QString SelectedText() const;
    void CopySelection() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildTools();
    void ChooseScroll(bool autoScroll);
    void LimitTextChanged(const QString& text);
    void LimitChosen(int index);
    void SelectStoredLimit();
    void SelectNewest();
    void ShowPausedCount();
    void FilterChanged(const QString& text);
    void LayOut();

    QtRawLineModel m_lines;
    QSortFilterProxyModel* m_filtered;
    QWidget* m_tools;
    QPushButton* m_cmdPause;
    QLabel* m_lblPaused;
    QLabel* m_lblFilter;
    QLineEdit* m_txtFilter;
    QLabel* m_lblFilterStatus;
    QPushButton* m_cmdCopy;
    RawLineBuffer m_pending;
    QListView* m_txtNMEA;
    QRadioButton* m_optAutoScroll;
    QRadioButton* m_optFixed;
    QLabel* m_lblKeep;
    QComboBox* m_cboMaxNMEA;
    int m_limit = DefaultLimit;
    bool m_loading = true;
    bool m_selectPending = false;
    bool m_checkPending = false; // the last line added awaits its outcome

    bool m_paused = false;
    std::deque<RawLine> m_held;
    long long m_arrivedWhilePaused = 0;
    bool m_pausedCountPending = false;
};

} // namespace trakora
