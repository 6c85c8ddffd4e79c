#pragma once

#include "common/ReceiverOptions.h"
#include "common/ReplaySpeed.h"
#include "common/Version.h"

#include <array>
#include <cstdint>
#include <string>

namespace trakora {

// Flags are 32-bit values: -1 when set, 0 when clear.
constexpr std::int32_t FlagSet = -1;
constexpr std::int32_t FlagClear = 0;

// The program-wide preferences and run-time switches. One instance is owned
// by the application object and handed to every part by reference.
struct ProgramSettings {
    // Persisted preferences
    std::int32_t CommPort = 1;
    std::int32_t FileInput = 0;
    std::int32_t CommInput = 0;
    std::int32_t RawAutoScroll = FlagSet;
    std::int32_t ShowingNMEARaw = 0;
    std::int32_t ShowingDataStat = 0;
    std::int32_t ShowingShowPos = 0;
    std::int32_t ShowingSatInfo = 0;
    std::int32_t ShowingSatPos = 0;
    std::int32_t ShowingLongTerm = 0;
    std::int32_t ShowingHealth = 0; // Receiver Health window open
    std::int32_t UTCOffsetHour = 0;
    std::int32_t UTCOffsetMinute = 0;
    std::int32_t UTCOffsetDirection = -1;
    std::int32_t WriteData = 0;
    std::int32_t UseDefaultFN = FlagSet;
    std::int32_t SavePositionInfo = 1;
    std::int32_t SaveWaypointInfo = 0;
    std::int32_t SavePRNInfo = 0;
    std::int32_t DegreeFormat = 1;
    std::int32_t DateFormat = 1;
    std::string LargeUnit = "NA"; // two characters
    std::string SmallUnit = "FE"; // two characters

    // Receiver options
    TalkerFilter Talkers = TalkerFilter::AllGnss;
    std::int32_t CommBaud = DefaultBaud; // AutoBaud: tried in turn
    std::string CommDevice;              // the chosen receiver's stable device path; empty: by port number
    std::int32_t DetectedBaud = 0;       // the rate Auto found in this run; 0 until then

    // Not persisted
    float ProgramVersion = ProgramVersionNumber;
    std::int16_t DecimalPointChar = '.';
    std::array<std::string, 3> DegreeFormatNames; // entries 1..3 at [0..2]
    std::array<std::string, 3> DateFormatNames;
    std::int32_t ReadRealTime = 0;
    ReplaySpeed ChosenReplaySpeed = ReplaySpeed::Max; // see EffectiveReplaySpeed
    std::int32_t ArrivalBeepCount = 0;
    std::string InputFileName;
    std::string InputFilePath;
    std::int32_t InputFileNumber = -1;
    std::string OutputFileName;
    std::string OutputFilePath;
    std::int32_t OutputFileNumber = -1;
    std::int16_t OutputFileChosen = 0;
    std::int32_t AppClosing = 0;
    // Set by the main window while it opens a window asked for on the command
    // line: such a window leaves its Showing entry alone, opened or closed.
    std::int32_t OpeningForThisRun = 0;

    // Texts used to build multi-line messages.
    std::string LineBreak = "\n";
    std::string DoubleLineBreak = "\n\n";

    // Input pump state
    std::int32_t InputRunning = 0;
    std::int32_t CommNeedsOpen = FlagSet;
    std::int32_t SyncWaitPending = 0;

    // Signal gauge ranges of the satellite grid; they outlive its window.
    std::array<std::int32_t, 12> GaugeFloor{};
    std::array<std::int32_t, 12> LastGaugePRN{};
};

} // namespace trakora
