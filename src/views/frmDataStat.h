#pragma once

#include "common/TrackedWindow.h"
#include "views/ReadoutLabels.h"

namespace trakora {

// "Data Status": whether the receiver reports valid data (the whole window
// white or red), the magnetic variation and the map datum.
class frmDataStat : public TrackedWindow {
    Q_OBJECT

public:
    explicit frmDataStat(ProgramContext& context, QWidget* parent = nullptr);

    // Refreshes the window from the receiver state; the input pump's call.
    void TimerPop();
    // The texts and colour to show, from the receiver state.
    void UpdateModel();
    void Paint();
    // Back to the look of a window just opened.
    void ResetModel();

private:
    void RefreshDataStat();

    Readout m_datum;
    Readout m_validity;
    Readout m_magVar;
    ValidityBackground m_background;
};

} // namespace trakora
