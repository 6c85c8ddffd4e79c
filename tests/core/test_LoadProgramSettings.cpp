#include "common/LoadProgramSettings.h"

#include "common/Formatting.h"
#include "common/SettingsKeys.h"
#include "common/Units.h"

#include <gtest/gtest.h>

#include <string>

namespace trakora {
namespace {

// A settings record and receiver state with every start-up field disturbed,
// so that the loader must set each one itself.
struct Loaded {
    ProgramSettings Settings;
    GpsState Gps;

    Loaded()
    {
        Settings.ProgramVersion = 0.0f;
        Settings.AppClosing = -1;
        Settings.ShowingNMEARaw = -1;
        Settings.LineBreak = "\r";
        Settings.DoubleLineBreak = "\r\r";
        Settings.SmallUnit = "ME";
        Settings.DecimalPointChar = 0;
        Settings.DegreeFormatNames = {"x", "y", "z"};
        Settings.DateFormatNames = {"x", "y", "z"};
        Settings.SyncWaitPending = -1;
        Settings.OutputFileNumber = 3;
        Settings.InputFileNumber = 4;
        Settings.ArrivalBeepCount = 5;
        Settings.GaugeFloor.fill(7);
        Settings.LastGaugePRN.fill(9);
        Settings.CommNeedsOpen = 0;
        Settings.InputRunning = -1;
        Settings.OutputFileChosen = -1;
        Settings.CommPort = 99;
        Settings.RawAutoScroll = 0;
        Settings.UTCOffsetDirection = 1;
        Settings.UseDefaultFN = 0;
        Settings.SavePositionInfo = 0;
        Settings.DegreeFormat = 3;
        Settings.DateFormat = 3;
        Settings.LargeUnit = "KI";
        Gps.NewPosition = true;
        Gps.NewAltitude = true;
        Gps.SatUsed.fill(true);
        Gps.RouteComplete = false;
        Gps.SatViewComplete = false;
    }

    void From(ISettingsStore& store) { LoadProgramSettings(Settings, Gps, store); }
};

void Put(MemorySettingsStore& store, SettingKey key, const char* value)
{
    store.Save(key.Section, key.Key, value);
}

TEST(LoadProgramSettings, FirstRunOnAnEmptyStoreGivesEveryDefault)
{
    MemorySettingsStore store;
    Loaded loaded;
    loaded.From(store);
    const ProgramSettings& s = loaded.Settings;

    EXPECT_EQ(s.ProgramVersion, 1.18f);
    EXPECT_EQ(s.AppClosing, 0);
    EXPECT_EQ(s.LineBreak, "\n");
    EXPECT_EQ(s.DoubleLineBreak, "\n\n");
    EXPECT_EQ(s.SmallUnit, "FE");
    EXPECT_EQ(s.DecimalPointChar, '.'); // the tests run in the C locale
    EXPECT_EQ(s.DegreeFormatNames[0], "DD\xC2\xB0 MM SS.d");
    EXPECT_EQ(s.DegreeFormatNames[1], "DD.dddd");
    EXPECT_EQ(s.DegreeFormatNames[2], "DD\xC2\xB0 MM.mmm");
    EXPECT_EQ(s.DateFormatNames[0], "MM/DD/YY");
    EXPECT_EQ(s.DateFormatNames[1], "DD/MM/YY");
    EXPECT_EQ(s.DateFormatNames[2], "YY/MM/DD");
    EXPECT_EQ(s.SyncWaitPending, 0);
    EXPECT_EQ(s.OutputFileNumber, -1);
    EXPECT_EQ(s.InputFileNumber, -1);
    EXPECT_EQ(s.ArrivalBeepCount, 0);
    for (int slot = 0; slot < 12; ++slot) {
        EXPECT_EQ(s.GaugeFloor[slot], 32);
        EXPECT_EQ(s.LastGaugePRN[slot], 0);
        EXPECT_FALSE(loaded.Gps.SatUsed[slot]);
    }
    EXPECT_EQ(s.CommNeedsOpen, -1);
    EXPECT_EQ(s.InputRunning, 0);
    EXPECT_EQ(s.OutputFileChosen, 0);
    EXPECT_FALSE(loaded.Gps.NewPosition);
    EXPECT_FALSE(loaded.Gps.NewAltitude);
    EXPECT_TRUE(loaded.Gps.RouteComplete);
    EXPECT_TRUE(loaded.Gps.SatViewComplete);

    EXPECT_EQ(s.CommPort, 1);
    EXPECT_EQ(s.FileInput, 0);
    EXPECT_EQ(s.CommInput, 0);
    EXPECT_EQ(s.RawAutoScroll, -1);
    EXPECT_EQ(s.UTCOffsetHour, 0);
    EXPECT_EQ(s.UTCOffsetMinute, 0);
    EXPECT_EQ(s.UTCOffsetDirection, -1);
    EXPECT_EQ(s.WriteData, 0);
    EXPECT_EQ(s.UseDefaultFN, -1);
    EXPECT_EQ(s.SavePositionInfo, 1);
    EXPECT_EQ(s.SaveWaypointInfo, 0);
    EXPECT_EQ(s.SavePRNInfo, 0);
    EXPECT_EQ(s.DegreeFormat, 1);
    EXPECT_EQ(s.DateFormat, 1);
    EXPECT_EQ(s.LargeUnit, "NA");

    EXPECT_EQ(loaded.Settings.ShowingNMEARaw, 0);
    // A fresh record: no window reopens on the first run.
    ProgramSettings fresh;
    LoadProgramSettings(fresh, loaded.Gps, store);
    for (std::int32_t flag : {fresh.ShowingNMEARaw, fresh.ShowingDataStat, fresh.ShowingShowPos,
                              fresh.ShowingSatInfo, fresh.ShowingSatPos, fresh.ShowingLongTerm})
        EXPECT_EQ(flag, 0);
    EXPECT_TRUE(store.Values().empty()) << "loading never writes";
}

TEST(LoadProgramSettings, StoredValuesAreReadUnderTheirOwnKeys)
{
    MemorySettingsStore store;
    Put(store, Keys::CommPort, " 3");
    Put(store, Keys::FileInput, "-1");
    Put(store, Keys::CommInput, "-1");
    Put(store, Keys::RawAutoScroll, "0");
    Put(store, Keys::UTCOffsetHour, "5");
    Put(store, Keys::UTCOffsetMinute, "30");
    Put(store, Keys::UTCOffsetDirection, "1");
    Put(store, Keys::WriteData, "1");
    Put(store, Keys::UseDefaultFN, "0");
    Put(store, Keys::SavePositionInfo, "0");
    Put(store, Keys::SaveWaypointInfo, "1");
    Put(store, Keys::SavePRNInfo, "1");
    Put(store, Keys::DegreeFormat, "2");
    Put(store, Keys::DateFormat, "3");
    Put(store, Keys::LargeUnit, "Ki");
    Put(store, Keys::SmallUnit, "ME");

    Loaded loaded;
    loaded.From(store);
    const ProgramSettings& s = loaded.Settings;
    EXPECT_EQ(s.CommPort, 3);
    EXPECT_EQ(s.FileInput, -1);
    EXPECT_EQ(s.CommInput, -1);
    EXPECT_EQ(s.RawAutoScroll, 0);
    EXPECT_EQ(s.UTCOffsetHour, 5);
    EXPECT_EQ(s.UTCOffsetMinute, 30);
    EXPECT_EQ(s.UTCOffsetDirection, 1);
    EXPECT_EQ(s.WriteData, 1);
    EXPECT_EQ(s.UseDefaultFN, 0);
    EXPECT_EQ(s.SavePositionInfo, 0);
    EXPECT_EQ(s.SaveWaypointInfo, 1);
    EXPECT_EQ(s.SavePRNInfo, 1);
    EXPECT_EQ(s.DegreeFormat, 2);
    EXPECT_EQ(s.DateFormat, 3);
    EXPECT_EQ(s.LargeUnit, "Ki");
    EXPECT_EQ(s.SmallUnit, "FE") << "every run starts with feet";
}

TEST(LoadProgramSettings, MixedCaseLargeUnitSelectsKilometres)
{
    MemorySettingsStore store;
    Put(store, Keys::LargeUnit, "Ki");
    Loaded loaded;
    loaded.From(store);
    EXPECT_EQ(ConvertLargeUnit(10.0f, "NA", loaded.Settings), static_cast<float>(10.0 * 1.852));
    EXPECT_EQ(UnitSuffix(loaded.Settings.LargeUnit), " KPH");
}

TEST(LoadProgramSettings, LargeUnitKeepsTwoCharactersPaddedWithBlanks)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Kilometers", "Ki"}, {"S", "S "}, {"", "  "}, {"st", "st"}};
    for (const auto& [stored, expected] : cases) {
        MemorySettingsStore store;
        Put(store, Keys::LargeUnit, stored);
        Loaded loaded;
        loaded.From(store);
        EXPECT_EQ(loaded.Settings.LargeUnit, expected) << '"' << stored << '"';
    }
}

TEST(LoadProgramSettings, WholeFieldsRoundHalvesToEven)
{
    MemorySettingsStore store;
    Put(store, Keys::UTCOffsetHour, "2.5");
    Put(store, Keys::UTCOffsetMinute, "3.5");
    Put(store, Keys::CommPort, "\t2\n");
    Loaded loaded;
    loaded.From(store);
    EXPECT_EQ(loaded.Settings.UTCOffsetHour, 2);
    EXPECT_EQ(loaded.Settings.UTCOffsetMinute, 4);
    EXPECT_EQ(loaded.Settings.CommPort, 2);
}

TEST(LoadProgramSettings, DamagedNumbersReadAsZero)
{
    MemorySettingsStore store;
    Put(store, Keys::CommPort, "COM3");
    Put(store, Keys::DegreeFormat, "abc");
    Put(store, Keys::DateFormat, "");
    Put(store, Keys::RawAutoScroll, "True");
    Put(store, Keys::UseDefaultFN, "yes");
    Put(store, Keys::UTCOffsetDirection, "east");
    Put(store, Keys::SavePositionInfo, "x1");
    Loaded loaded;
    loaded.From(store);
    EXPECT_EQ(loaded.Settings.CommPort, 0);
    EXPECT_EQ(loaded.Settings.DegreeFormat, 0);
    EXPECT_EQ(loaded.Settings.DateFormat, 0);
    EXPECT_EQ(loaded.Settings.RawAutoScroll, 0);
    EXPECT_EQ(loaded.Settings.UseDefaultFN, 0);
    EXPECT_EQ(loaded.Settings.UTCOffsetDirection, 0);
    EXPECT_EQ(loaded.Settings.SavePositionInfo, 0);
    EXPECT_EQ(FormatDate("051204", loaded.Settings), " ");
}

TEST(LoadProgramSettings, ShowingEntriesAreTruthValues)
{
    const SettingKey keys[] = {Keys::ShowingNMEARaw, Keys::ShowingDataStat, Keys::ShowingShowPos,
                               Keys::ShowingSatInfo, Keys::ShowingSatPos, Keys::ShowingLongTerm};
    auto flags = [](const ProgramSettings& s) {
        return std::array<std::int32_t, 6>{s.ShowingNMEARaw, s.ShowingDataStat, s.ShowingShowPos,
                                           s.ShowingSatInfo, s.ShowingSatPos, s.ShowingLongTerm};
    };
    const std::pair<const char*, std::int32_t> cases[] = {
        {"True", -1}, {"-1", -1}, {"1", -1}, {"true", -1}, {"0", 0}, {"False", 0}, {"garbage", 0}, {"", 0}};
    for (std::size_t i = 0; i < std::size(keys); ++i) {
        for (const auto& [stored, expected] : cases) {
            MemorySettingsStore store;
            Put(store, keys[i], stored);
            ProgramSettings settings;
            GpsState gps;
            LoadProgramSettings(settings, gps, store);
            const auto read = flags(settings);
            for (std::size_t j = 0; j < read.size(); ++j)
                EXPECT_EQ(read[j], j == i ? expected : 0) << keys[i].Key << " = \"" << stored << "\", flag " << j;
        }
    }
}

TEST(LoadProgramSettings, ClearShowingEntriesLeaveTheFlagsAsTheyWere)
{
    MemorySettingsStore store;
    Put(store, Keys::ShowingDataStat, "0");
    Put(store, Keys::ShowingNMEARaw, "0");
    Loaded loaded;
    loaded.Settings.ShowingDataStat = -1;
    loaded.Settings.ShowingLongTerm = -1;
    loaded.From(store);
    EXPECT_EQ(loaded.Settings.ShowingDataStat, -1);
    EXPECT_EQ(loaded.Settings.ShowingLongTerm, -1);
    EXPECT_EQ(loaded.Settings.ShowingNMEARaw, 0) << "the raw window's flag is cleared before the read";
}

TEST(LoadProgramSettings, ReadsTheSchemaNamesWrittenByEarlierRuns)
{
    // Literal names, as files written by earlier versions hold them.
    MemorySettingsStore store;
    store.Save("Comm", "CommPort", "4");
    store.Save("InputOptions", "FileInput", "-1");
    store.Save("InputOptions", "CommInput", "-1");
    store.Save("NMEA_Raw", "Scroll", "0");
    store.Save("Showing", "NMEA_Raw", "-1");
    store.Save("UTC Offset", "Hour", "11");
    store.Save("UTC Offset", "Minute", "45");
    store.Save("UTC Offset", "Direction", "1");
    store.Save("Output File", "WriteData", "1");
    store.Save("Output File", "UseDefaultFN", "0");
    store.Save("Output File", "SavePositionInfo", "0");
    store.Save("Output File", "SaveWaypointInfo", "1");
    store.Save("Output File", "SavePRNInfo", "1");
    store.Save("FormatOptions", "Degrees", "3");
    store.Save("FormatOptions", "Date", "2");
    store.Save("Measure", "LargeUnit", "ST");
    store.Save("Showing", "DataStat", "-1");
    store.Save("Showing", "ShowPos", "-1");
    store.Save("Showing", "SatInfo", "-1");
    store.Save("Showing", "SatPos", "-1");
    store.Save("Showing", "LongTerm", "-1");

    ProgramSettings s;
    GpsState gps;
    LoadProgramSettings(s, gps, store);
    EXPECT_EQ(s.CommPort, 4);
    EXPECT_EQ(s.FileInput, -1);
    EXPECT_EQ(s.CommInput, -1);
    EXPECT_EQ(s.RawAutoScroll, 0);
    EXPECT_EQ(s.ShowingNMEARaw, -1);
    EXPECT_EQ(s.UTCOffsetHour, 11);
    EXPECT_EQ(s.UTCOffsetMinute, 45);
    EXPECT_EQ(s.UTCOffsetDirection, 1);
    EXPECT_EQ(s.WriteData, 1);
    EXPECT_EQ(s.UseDefaultFN, 0);
    EXPECT_EQ(s.SavePositionInfo, 0);
    EXPECT_EQ(s.SaveWaypointInfo, 1);
    EXPECT_EQ(s.SavePRNInfo, 1);
    EXPECT_EQ(s.DegreeFormat, 3);
    EXPECT_EQ(s.DateFormat, 2);
    EXPECT_EQ(s.LargeUnit, "ST");
    EXPECT_EQ(s.ShowingDataStat, -1);
    EXPECT_EQ(s.ShowingShowPos, -1);
    EXPECT_EQ(s.ShowingSatInfo, -1);
    EXPECT_EQ(s.ShowingSatPos, -1);
    EXPECT_EQ(s.ShowingLongTerm, -1);
}

} // namespace
} // namespace trakora
