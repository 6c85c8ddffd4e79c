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

private:
    // Does nothing while input is stopped, unless evenIfStopped.
    void RefreshDataStat(bool evenIfStopped = false);

    Readout m_datum;
    Readout m_validity;
    Readout m_magVar;
    ValidityBackground m_background;
};

} // namespace trakora
