#pragma once

#include "common/LocalTime.h"
#include "common/ProgramSettings.h"
#include "common/SettingsStore.h"
#include "longterm/AveragedPoint.h"
#include "longterm/LongTermView.h"
#include "longterm/SampleRow.h"
#include "nmea/GpsState.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace trakora {

constexpr int LongTermRows = 10;

// Long-term position averaging: ten independently timed rows of latitude and
// longitude sums with their spread, one altitude sum with its spread, the
// gated sampling pass and the actions of the "Where Am I ?" window. The sums
// and spreads persist in the settings store.
class LongTermSampler {
public:
    LongTermSampler(GpsState& gps, ProgramSettings& settings, ISettingsStore& store, IClock& clock,
                    ILongTermView& view, ILongTermHooks& hooks);

    // Reads the sums, the row choices and the threshold from the store and
    // shows them; sampling waits for Start.
    void Load();

    // One sampling pass; called by the input pump while the window is open.
    void TimerPop();
    // Adds the current position to a row that has just counted a sample.
    void UpdateTots(int row);
    void SaveAllData();

    void Start();
    void ClearStats();
    // Stops sampling before the window closes (the close saves everything).
    void Close();

    // Choices changed in the window.
    void SetEnabled(int row, bool enabled);
    void SetInterval(int row, std::string_view intervalText);
    void SetType(int row, std::string_view typeText);
    void SetThreshold(std::string_view text);

    const SampleRow& Row(int row) const { return m_rows[row]; }
    // The row's average as a waypoint; nothing while the row has no sample.
    std::optional<AveragedPoint> PointOf(int row) const;
    const ValueSpread& AltitudeSpread() const { return m_altSpread; }
    const HeldCounts& Held() const { return m_held; }
    std::int64_t AltSum() const { return m_altSum; }
    std::int32_t AltSampleCount() const { return m_altSampleCount; }
    bool SamplingStarted() const { return m_samplingStarted; }
    bool AwaitingFirstPosition() const { return m_awaitingFirstPosition; }
    const std::string& Threshold() const { return m_threshold; }

private:
    void RecomputeInterval(int row);
    void ShowRowAverages(int row);
    void ShowNextUpdateTip(int row);
    void ShowAltitudeAverage();
    void Hold(std::string_view status, bool newPosition, std::int64_t& heldCount);
    void SampleAltitude();
    void LoadRowSums(int row);
    void LoadAltitude();
    float ThresholdValue() const;

    GpsState& m_gps;
    ProgramSettings& m_settings;
    ISettingsStore& m_store;
    IClock& m_clock;
    ILongTermView& m_view;
    ILongTermHooks& m_hooks;

    std::array<SampleRow, LongTermRows> m_rows{};
    // Feet; 64 bits, since a 32-bit sum overflows after a week at 1000 m.
    std::int64_t m_altSum = 0;
    std::int32_t m_altSampleCount = 0;
    bool m_samplingStarted = false;
    bool m_awaitingFirstPosition = false;
    bool m_passInProgress = false;
    bool m_clearQuestionOpen = false;
    // A position the gates held, still to be tested by the next passes.
    bool m_positionHeld = false;
    ValueSpread m_altSpread; // metres
    HeldCounts m_held;
    std::int32_t m_passesSinceSave = 0;
    std::string m_threshold = "2.0";
};

} // namespace trakora
