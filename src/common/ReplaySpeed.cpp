#include "common/ReplaySpeed.h"

#include "common/ProgramSettings.h"

namespace trakora {

int SpeedFactor(ReplaySpeed speed)
{
    switch (speed) {
    case ReplaySpeed::RealTime:
        return 1;
    case ReplaySpeed::X2:
        return 2;
    case ReplaySpeed::X5:
        return 5;
    case ReplaySpeed::X10:
        return 10;
    case ReplaySpeed::X60:
        return 60;
    case ReplaySpeed::Max:
        return 0;
    }
    return 0;
}

ReplaySpeed EffectiveReplaySpeed(const ProgramSettings& settings)
{
    if (!settings.ReadRealTime)
        return ReplaySpeed::Max;
    return settings.ChosenReplaySpeed == ReplaySpeed::Max ? ReplaySpeed::RealTime : settings.ChosenReplaySpeed;
}

void ChooseReplaySpeed(ProgramSettings& settings, ReplaySpeed speed)
{
    settings.ChosenReplaySpeed = speed;
    settings.ReadRealTime = speed == ReplaySpeed::Max ? FlagClear : FlagSet;
}

void ApplyTimeSyncBox(ProgramSettings& settings, bool ticked)
{
    if (!ticked)
        ChooseReplaySpeed(settings, ReplaySpeed::Max);
    else if (EffectiveReplaySpeed(settings) == ReplaySpeed::Max)
        ChooseReplaySpeed(settings, ReplaySpeed::RealTime);
}

} // namespace trakora
