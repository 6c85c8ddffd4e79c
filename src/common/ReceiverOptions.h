#pragma once

#include "common/SettingsStore.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace trakora {

struct ProgramSettings;

// Which talkers the dispatcher accepts: the "$GP" sentences only (and the
// proprietary "$PGRM" ones), or the standard sentences of any talker.
enum class TalkerFilter { GpsOnly, AllGnss };

// Stored as "GP" or "ALL"; anything else, and a missing entry, reads as ALL.
TalkerFilter ParseTalkerFilter(std::string_view stored);
std::string_view TalkerFilterText(TalkerFilter filter);

// The serial rates a receiver may talk at, in the order Auto tries them.
inline constexpr std::array<std::int32_t, 6> SerialBaudRates = {4800, 9600, 19200, 38400, 57600, 115200};
// The baud setting's value for "Auto".
inline constexpr std::int32_t AutoBaud = 0;
inline constexpr std::int32_t DefaultBaud = 4800;

// Stored as the rate ("9600") or "Auto"; anything else reads as 4800.
std::int32_t ParseBaudSetting(std::string_view stored);
std::string BaudSettingText(std::int32_t baud);

// Reads the receiver options (talkers, baud rate, serial device) from the store.
void LoadReceiverOptions(ProgramSettings& settings, ISettingsStore& store);

} // namespace trakora
