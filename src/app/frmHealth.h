#pragma once

#include "common/MonotonicClock.h"
#include "common/TrackedWindow.h"
#include "nmea/StreamDiagnosis.h"

class QLabel;
class QTableWidget;

namespace trakora {

class StreamCounters;
struct IdentifierCounts;

// "Receiver Health": one line naming the likeliest problem of the input, a
// table of what became of the lines of each sentence identifier, and the
// totals. It shows the counters the dispatcher keeps whether the window is
// open or not, so closed it costs nothing.
class frmHealth : public TrackedWindow {
public:
    // The columns of grdHealth.
    enum Column { Identifier, Passed, BadChecksum, NoChecksum, Ignored, Rate, Age, ColumnCount };

    frmHealth(ProgramContext& context, const StreamCounters& counters, IMonotonicClock& clock,
              QWidget* parent = nullptr);

    // Refreshes the window, at most once a second: calling it more often is cheap.
    void TimerPop();
    // Refreshes the window now.
    void Refresh();

    const StreamDiagnosis& Diagnosis() const { return m_diagnosis; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowRows();
    void SetRow(int row, const QString& identifier, const IdentifierCounts& counts, const QString& rate,
                const QString& age);
    void SetCell(int row, int column, const QString& text);
    void ShowTotals();

    const StreamCounters& m_counters;
    IMonotonicClock& m_clock;
    QLabel* m_lblHealth;
    QTableWidget* m_grdHealth;
    QLabel* m_lblTotals;
    StreamDiagnosis m_diagnosis;
    std::int64_t m_refreshedSecond = -1;
    bool m_loading = true;
};

} // namespace trakora
