#include "common/LoadProgramSettings.h"

#include "common/Formatting.h"
#include "common/Units.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace trakora {
namespace {

using P = ProgramSettings;

// Every whole-number entry of the store, under the literal names files of earlier runs hold, with its
// first-run default and a stored value with what it reads as.
const struct Entry { const char* Section; const char* Key; std::int32_t P::*Field; std::int32_t Default;
                     const char* Stored; std::int32_t Read; } Schema[] = {
    {"Comm", "CommPort", &P::CommPort, 1, "\t 3\n", 3}, // blanks, tabs and line feeds are ignored
    {"InputOptions", "FileInput", &P::FileInput, 0, "-1", -1},
    {"InputOptions", "CommInput", &P::CommInput, 0, "-1", -1},
    {"NMEA_Raw", "Scroll", &P::RawAutoScroll, -1, "0", 0},
    {"UTC Offset", "Hour", &P::UTCOffsetHour, 0, "2.5", 2}, // halves round to even
    {"UTC Offset", "Minute", &P::UTCOffsetMinute, 0, "3.5", 4},
    {"UTC Offset", "Direction", &P::UTCOffsetDirection, -1, "1", 1},
    {"Output File", "WriteData", &P::WriteData, 0, "1", 1},
    {"Output File", "UseDefaultFN", &P::UseDefaultFN, -1, "0", 0},
    {"Output File", "SavePositionInfo", &P::SavePositionInfo, 1, "0", 0},
    {"Output File", "SaveWaypointInfo", &P::SaveWaypointInfo, 0, "1", 1},
    {"Output File", "SavePRNInfo", &P::SavePRNInfo, 0, "1", 1},
    {"FormatOptions", "Degrees", &P::DegreeFormat, 1, "3", 3},
    {"FormatOptions", "Date", &P::DateFormat, 1, "2", 2},
    // A window flag is only ever set by a true entry and otherwise left as it was (open, in Loaded), but
    // the raw window's flag is cleared before the read.
    {"Showing", "NMEA_Raw", &P::ShowingNMEARaw, 0, "True", -1},
    {"Showing", "DataStat", &P::ShowingDataStat, -1, "-1", -1},
    {"Showing", "ShowPos", &P::ShowingShowPos, -1, "1", -1},
    {"Showing", "SatInfo", &P::ShowingSatInfo, -1, "true", -1},
    {"Showing", "SatPos", &P::ShowingSatPos, -1, "True", -1},
    {"Showing", "LongTerm", &P::ShowingLongTerm, -1, "True", -1},
};

bool IsShowing(const Entry& entry)
{
    return entry.Section == std::string_view("Showing");
}

// A settings record and receiver state with the start-up fields disturbed, so that the loader must set
// each one itself.
struct Loaded {
    P Settings;
    GpsState Gps;

    explicit Loaded(MemorySettingsStore& store)
    {
        Settings.AppClosing = Settings.SyncWaitPending = Settings.InputRunning = Settings.OutputFileChosen = -1;
        Settings.CommNeedsOpen = 0;
        Settings.OutputFileNumber = Settings.InputFileNumber = Settings.ArrivalBeepCount = 3;
        Settings.LineBreak = Settings.DoubleLineBreak = "\r";
        Settings.SmallUnit = "ME";
        Settings.DegreeFormatNames = Settings.DateFormatNames = {"x", "y", "z"};
        Settings.GaugeFloor.fill(7);
        Settings.LastGaugePRN.fill(9);
        for (const Entry& entry : Schema)
            Settings.*entry.Field = IsShowing(entry) ? -1 : 7;
        Gps.NewPosition = Gps.NewAltitude = true;
        Gps.RouteComplete = Gps.SatViewComplete = false;
        Gps.SatUsed.fill(true);
        LoadProgramSettings(Settings, Gps, store);
    }
};

TEST(LoadProgramSettings, FirstRunOnAnEmptyStoreGivesEveryDefault)
{
    MemorySettingsStore store;
    const Loaded loaded(store);
    const P& s = loaded.Settings;
    for (const Entry& entry : Schema)
        EXPECT_EQ(s.*entry.Field, entry.Default) << entry.Section << "/" << entry.Key;
    EXPECT_EQ(s.ProgramVersion, 1.18f);
    EXPECT_EQ(std::tie(s.AppClosing, s.SyncWaitPending, s.InputRunning, s.OutputFileChosen, s.ArrivalBeepCount),
              std::make_tuple(0, 0, 0, 0, 0));
    EXPECT_EQ(std::tie(s.OutputFileNumber, s.InputFileNumber, s.CommNeedsOpen), std::make_tuple(-1, -1, -1));
    EXPECT_EQ(std::tie(s.LineBreak, s.DoubleLineBreak, s.SmallUnit, s.LargeUnit), std::make_tuple("\n", "\n\n", "FE", "NA"));
    EXPECT_EQ(s.DecimalPointChar, '.'); // the tests run in the C locale
    EXPECT_EQ(s.DegreeFormatNames, (std::array<std::string, 3>{"DD\xC2\xB0 MM SS.d", "DD.dddd", "DD\xC2\xB0 MM.mmm"}));
    EXPECT_EQ(s.DateFormatNames, (std::array<std::string, 3>{"MM/DD/YY", "DD/MM/YY", "YY/MM/DD"}));
    for (int slot = 0; slot < 12; ++slot)
        EXPECT_TRUE(s.GaugeFloor[slot] == 32 && s.LastGaugePRN[slot] == 0 && !loaded.Gps.SatUsed[slot]) << slot;
    EXPECT_FALSE(loaded.Gps.NewPosition || loaded.Gps.NewAltitude);
    EXPECT_TRUE(loaded.Gps.RouteComplete && loaded.Gps.SatViewComplete);
    EXPECT_TRUE(store.Values().empty()) << "loading never writes";
}

TEST(LoadProgramSettings, StoredValuesAreReadUnderTheirNames)
{
    MemorySettingsStore store;
    for (const Entry& entry : Schema)
        store.Save(entry.Section, entry.Key, entry.Stored);
    store.Save("Options", "SmallUnit", "ME");
    store.Save("Measure", "LargeUnit", "Kilometers");
    const Loaded loaded(store);
    for (const Entry& entry : Schema)
        EXPECT_EQ(loaded.Settings.*entry.Field, entry.Read) << entry.Section << "/" << entry.Key;
    EXPECT_EQ(loaded.Settings.SmallUnit, "FE") << "every run starts with feet";
    EXPECT_EQ(ConvertLargeUnit(10.0f, "NA", loaded.Settings), static_cast<float>(10.0 * 1.852)); // any case of "Ki"
    EXPECT_EQ(UnitSuffix(loaded.Settings.LargeUnit), " KPH");
}

TEST(LoadProgramSettings, DamagedNumbersReadAsZeroAndFalseTruthValuesChangeNothing)
{
    for (const char* damaged : {"COM3", "x1", "", "False", "0", "garbage"}) {
        MemorySettingsStore store;
        for (const Entry& entry : Schema)
            store.Save(entry.Section, entry.Key, damaged);
        const Loaded loaded(store);
        for (const Entry& entry : Schema)
            EXPECT_EQ(loaded.Settings.*entry.Field, IsShowing(entry) ? entry.Default : 0) << entry.Key << " = \"" << damaged << '"';
        EXPECT_EQ(FormatDate("051204", loaded.Settings), " "); // date format 0 is none of the three
    }
}

TEST(LoadProgramSettings, LargeUnitKeepsTwoCharactersPaddedWithBlanks)
{
    const std::pair<const char*, const char*> cases[] = {{"Kilometers", "Ki"}, {"S", "S "}, {"", "  "}, {"st", "st"}};
    for (const auto& [stored, expected] : cases) {
        MemorySettingsStore store;
        store.Save("Measure", "LargeUnit", stored);
        const Loaded loaded(store);
        EXPECT_EQ(loaded.Settings.LargeUnit, expected) << '"' << stored << '"';
    }
}

} // namespace
} // namespace trakora
