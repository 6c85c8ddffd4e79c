#pragma once

#include <cstdint>

namespace trakora {

struct ProgramSettings;

// How fast a log is replayed: in step with the receiver's clock, a few
// times faster, or as fast as the machine can read it.
enum class ReplaySpeed { RealTime, X2, X5, X10, X60, Max };

constexpr ReplaySpeed AllReplaySpeeds[] = {ReplaySpeed::RealTime, ReplaySpeed::X2,  ReplaySpeed::X5,
                                           ReplaySpeed::X10,      ReplaySpeed::X60, ReplaySpeed::Max};

// Receiver seconds per wall-clock second; 0 for Max (no pacing).
int SpeedFactor(ReplaySpeed speed);

// The speed a replay runs at. "Time Sync File Read" (ReadRealTime) is ticked
// for every speed but Max, so a cleared box means Max whatever was chosen.
ReplaySpeed EffectiveReplaySpeed(const ProgramSettings& settings);
void ChooseReplaySpeed(ProgramSettings& settings, ReplaySpeed speed);
// The Settings dialog's box: ticking it (from Max) selects Real time, a box
// left ticked keeps the chosen factor, clearing it selects Max.
void ApplyTimeSyncBox(ProgramSettings& settings, bool ticked);

} // namespace trakora
