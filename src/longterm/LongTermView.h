#pragma once

#include <cstdint>
#include <string_view>

namespace trakora {

enum class StatusColour { Unchanged, LightRed, LightGrey };

// New positions held back by each gate since the window opened, each position
// counted once, at the first gate that held it; and altitudes not summed
// because no place on Earth has them.
struct HeldCounts {
    std::int64_t Quality = 0;
    std::int64_t Dop = 0;
    std::int64_t NotThreeD = 0;
    std::int64_t AltitudesRejected = 0;
};

// What the long-term averaging shows; the window implements it.
class ILongTermView {
public:
    virtual ~ILongTermView() = default;
    virtual void ShowStatus(std::string_view text, StatusColour colour) = 0;
    virtual void ShowNow(std::string_view text) = 0;
    virtual void ShowTopDOP(std::string_view text) = 0;
    virtual void ShowStartTime(std::string_view text) = 0;
    virtual void ShowSamples(int row, std::string_view text) = 0;
    virtual void ShowSamplesTip(int row, std::string_view tip) = 0;
    virtual void ShowAverages(int row, std::string_view latitude, std::string_view longitude) = 0;
    virtual void ShowRowChoices(int row, bool enabled, std::string_view interval, std::string_view type) = 0;
    virtual void UntickRow(int row) = 0;
    virtual void ShowAltitude(std::string_view average, std::string_view samples) = 0;
    virtual void ShowThreshold(std::string_view text) = 0;
    // The row's spread, its cloud of latest samples or its last sample changed.
    virtual void ShowSpread(int row) = 0;
    virtual void ShowAltitudeSpread(std::string_view sigmaUp) = 0;
    virtual void ShowHeldCounts(const HeldCounts& counts) = 0;
    virtual void DisableStart() = 0;
};

// The user-interface services the averaging needs besides its view.
class ILongTermHooks {
public:
    virtual ~ILongTermHooks() = default;
    // Lets pending window events run.
    virtual void Yield() = 0;
    // Asks a question with Yes and No, No being the default; true for Yes.
    virtual bool AskYesNo(std::string_view title, std::string_view question) = 0;
};

} // namespace trakora
