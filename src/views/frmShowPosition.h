#pragma once

#include "common/FixedText.h"
#include "common/TrackedWindow.h"
#include "views/ReadoutLabels.h"

#include <array>
#include <optional>
#include <string>

namespace trakora {

// "Position Information": local and UTC date and time, position, speed,
// altitude and the magnetic course in large type, on a background that is
// white while the receiver reports valid data and red while it does not.
class frmShowPosition : public TrackedWindow {
    Q_OBJECT

public:
    explicit frmShowPosition(ProgramContext& context, QWidget* parent = nullptr);

    // Refreshes the window from the receiver state; the input pump's call.
    void TimerPop();
    // The texts and colour to show, from the receiver state.
    void UpdateModel();
    void Paint();
    // Back to the look of a window just opened.
    void ResetModel();

private:
    // The receiver values the figures are made from, as the last refresh found them.
    struct Inputs {
        FixedText<6> UtcTime;
        FixedText<6> UtcDate;
        float Latitude = 0;
        FixedText<1> LatDir;
        float Longitude = 0;
        FixedText<1> LonDir;
        float Altitude = 0;
        FixedText<2> AltUnit;
        float Speed = 0;
        FixedText<2> SpeedUnit;
        float CourseMag = 0;
    };

    // Does nothing while input is stopped, unless evenIfStopped.
    void RefreshPosition(bool evenIfStopped = false);
    void ShowFigures();
    // A coordinate in the chosen degree format, or nothing for an unknown one.
    std::optional<std::string> CoordinateText(float degrees, std::string_view hemisphere) const;

    Readout m_localDate;
    Readout m_localTime;
    Readout m_utcDate;
    Readout m_utcTime;
    Readout m_lat;
    Readout m_lon;
    Readout m_speed;
    Readout m_alt;
    Readout m_cmg;
    ValidityBackground m_background;
    Inputs m_inputs;
    bool m_inputsTaken = false; // since the last paint

    std::array<Readout*, 9> Readouts() { return {&m_localDate, &m_localTime, &m_utcDate, &m_utcTime, &m_lat, &m_lon, &m_speed, &m_alt, &m_cmg}; }
};

} // namespace trakora
