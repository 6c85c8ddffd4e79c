#include "common/LoadProgramSettings.h"

#include "common/Formatting.h"
#include "common/LeadingNumber.h"
#include "common/ReceiverOptions.h"
#include "common/SettingsKeys.h"

#include <algorithm>
#include <clocale>
#include <string>

namespace trakora {

namespace {

// The user's decimal separator as one character; a separator that takes
// more than one byte cannot be typed through the key filter, so the full
// stop stands in for it.
std::int16_t RegionalDecimalPoint()
{
    const std::lconv* conventions = std::localeconv();
    if (conventions == nullptr || conventions->decimal_point == nullptr)
        return '.';
    const std::string_view point(conventions->decimal_point);
    if (point.size() != 1)
        return '.';
    return static_cast<std::int16_t>(static_cast<unsigned char>(point[0]));
}

std::int32_t ReadWhole(ISettingsStore& store, SettingKey key, std::string_view def)
{
    return LeadingWholeNumber(store.Get(key.Section, key.Key, def));
}

void ReadShowing(ISettingsStore& store, SettingKey key, std::int32_t& flag)
{
    if (ReadTruthValue(store.Get(key.Section, key.Key, "0")))
        flag = FlagSet;
}

} // namespace

void LoadProgramSettings(ProgramSettings& settings, GpsState& gps, ISettingsStore& store)
{
    settings.ProgramVersion = ProgramVersionNumber;
    settings.AppClosing = FlagClear;
    settings.ShowingNMEARaw = FlagClear;

    settings.LineBreak = "\n";
    settings.DoubleLineBreak = "\n\n";

    settings.SmallUnit = "FE";

    gps.NewPosition = false;
    gps.NewAltitude = false;

    settings.DecimalPointChar = RegionalDecimalPoint();

    settings.DateFormatNames = {"MM/DD/YY", "DD/MM/YY", "YY/MM/DD"};
    settings.DegreeFormatNames = {std::string("DD") + DegreeSign + " MM SS.d", "DD.dddd",
                                  std::string("DD") + DegreeSign + " MM.mmm"};

    settings.SyncWaitPending = FlagClear;
    settings.OutputFileNumber = -1;
    settings.InputFileNumber = -1;
    settings.ArrivalBeepCount = 0;
    settings.GaugeFloor.fill(32);
    settings.LastGaugePRN.fill(0);
    gps.SatUsed.fill(false);
    gps.RouteComplete = true;
    gps.SatViewComplete = true;
    settings.CommNeedsOpen = FlagSet;
    settings.InputRunning = FlagClear;
    settings.OutputFileChosen = 0;

    settings.CommPort = ReadWhole(store, Keys::CommPort, "1");
    settings.FileInput = ReadWhole(store, Keys::FileInput, "0");
    settings.CommInput = ReadWhole(store, Keys::CommInput, "0");
    settings.RawAutoScroll = ReadWhole(store, Keys::RawAutoScroll, "-1");
    ReadShowing(store, Keys::ShowingNMEARaw, settings.ShowingNMEARaw);
    // No zone lies further than 14 hours from UTC; a damaged entry is kept
    // within that, and the direction to its sign.
    settings.UTCOffsetHour = std::clamp(ReadWhole(store, Keys::UTCOffsetHour, "0"), -14, 14);
    settings.UTCOffsetMinute = std::clamp(ReadWhole(store, Keys::UTCOffsetMinute, "0"), -59, 59);
    settings.UTCOffsetDirection = std::clamp(ReadWhole(store, Keys::UTCOffsetDirection, "-1"), -1, 1);
    settings.WriteData = ReadWhole(store, Keys::WriteData, "0");
    settings.UseDefaultFN = ReadWhole(store, Keys::UseDefaultFN, "-1");
    settings.SavePositionInfo = ReadWhole(store, Keys::SavePositionInfo, "1");
    settings.SaveWaypointInfo = ReadWhole(store, Keys::SaveWaypointInfo, "0");
    settings.SavePRNInfo = ReadWhole(store, Keys::SavePRNInfo, "0");
    settings.DegreeFormat = ReadWhole(store, Keys::DegreeFormat, "1");
    settings.DateFormat = ReadWhole(store, Keys::DateFormat, "1");

    std::string largeUnit = store.Get(Keys::LargeUnit.Section, Keys::LargeUnit.Key, "NA");
    largeUnit.resize(2, ' ');
    settings.LargeUnit = largeUnit;

    ReadShowing(store, Keys::ShowingDataStat, settings.ShowingDataStat);
    ReadShowing(store, Keys::ShowingShowPos, settings.ShowingShowPos);
    ReadShowing(store, Keys::ShowingSatInfo, settings.ShowingSatInfo);
    ReadShowing(store, Keys::ShowingSatPos, settings.ShowingSatPos);
    ReadShowing(store, Keys::ShowingLongTerm, settings.ShowingLongTerm);
    ReadShowing(store, Keys::ShowingHealth, settings.ShowingHealth);

    LoadReceiverOptions(settings, store);
}

} // namespace trakora
