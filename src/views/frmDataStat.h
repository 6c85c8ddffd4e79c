#pragma once

#include "common/TrackedWindow.h"
#include "nmea/GnssSystem.h"
#include "views/ReadoutLabels.h"

#include <vector>

namespace trakora {

// "Data Status": whether the receiver reports valid data (the whole window
// white or red), the magnetic variation and the map datum. A receiver of
// today, heard with every talker, also gets the name of its fix quality and
// the systems used in the fix, on two rows below.
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
    // Does nothing while input is stopped, unless evenIfStopped.
    void RefreshDataStat(bool evenIfStopped = false);
    bool ReceiverRowsWanted() const;
    void ShowReceiverRows(bool shown);
    void ShowSystems(GnssSystemSet systems);

    Readout m_datum;
    Readout m_validity;
    Readout m_magVar;
    Readout m_fixQuality;
    Readout m_systems;
    std::vector<QWidget*> m_receiverRows;
    bool m_receiverRowsShown = false;
    GnssSystemSet m_shownSystems = 0;
    ValidityBackground m_background;
};

} // namespace trakora
