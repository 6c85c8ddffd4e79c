#include "common/LoadProgramSettings.h"

#include <gtest/gtest.h>

namespace trakora {
namespace {

using P = ProgramSettings;

// Every whole-number entry of the store, under the literal names files of earlier runs hold, with its
// first-run default and a stored value with what it reads as.
const struct Entry { const char* Section; const char* Key; std::int32_t P::*Field; std::int32_t Default;
                     const char* Stored; std::int32_t Read;
                     bool Showing() const { return std::string_view(Section) == "Showing"; } } Schema[] = {
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

// A settings record and receiver state with the start-up fields disturbed, so that the loader must set
// each one itself; the window flags start as `showing`.
struct Loaded {
    P Settings;
    GpsState Gps;
    Loaded(MemorySettingsStore& store, std::int32_t showing)
    {
        Settings.AppClosing = Settings.SyncWaitPending = Settings.InputRunning = Settings.OutputFileChosen = -1;
        Settings.OutputFileNumber = Settings.InputFileNumber = Settings.ArrivalBeepCount = 3, Settings.CommNeedsOpen = 0;
        Settings.LineBreak = Settings.DoubleLineBreak = Settings.SmallUnit = "ME", Settings.LastGaugePRN.fill(9);
        for (const Entry& entry : Schema)
            Settings.*entry.Field = entry.Showing() ? showing : 7;
        Gps.NewPosition = Gps.NewAltitude = true, Gps.RouteComplete = Gps.SatViewComplete = false, Gps.SatUsed.fill(true);
        LoadProgramSettings(Settings, Gps, store);
    }
};

TEST(LoadProgramSettings, ReadsEveryEntryUnderItsNameAndSetsTheStartUpFields)
{
    // Stored goes under every key of the schema (each entry's own value for Own, read into closed
    // windows) and as the large unit ("Kilometers" for Own), which keeps two characters padded with blanks.
    const char* const Own = "own";
    const struct { const char* Stored; const char* LargeUnit; } cases[] = {
        {nullptr, "NA"}, // first run: nothing stored, every default
        {Own, "Ki"},
        {"COM3", "CO"}, // damaged numbers read as 0, false truth values change nothing
        {"", "  "},
        {"False", "Fa"},
        {"0", "0 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Stored ? c.Stored : "nothing stored");
        const bool own = c.Stored == Own;
        MemorySettingsStore store;
        for (const Entry& entry : Schema)
            if (c.Stored)
                store.Save(entry.Section, entry.Key, own ? entry.Stored : c.Stored);
        if (c.Stored)
            store.Save("Measure", "LargeUnit", own ? "Kilometers" : c.Stored);
        const auto& [s, gps] = Loaded(store, own ? FlagClear : FlagSet);
        for (const Entry& entry : Schema)
            EXPECT_EQ(s.*entry.Field, own ? entry.Read : !c.Stored || entry.Showing() ? entry.Default : 0) << entry.Key;
        // The tests run in the C locale; every run starts with feet.
        EXPECT_EQ(std::tie(s.ProgramVersion, s.DecimalPointChar, s.AppClosing, s.SyncWaitPending, s.InputRunning,
                           s.OutputFileChosen, s.ArrivalBeepCount, s.OutputFileNumber, s.InputFileNumber, s.CommNeedsOpen,
                           s.LineBreak, s.DoubleLineBreak, s.SmallUnit, s.LargeUnit),
                  std::make_tuple(ProgramVersionNumber, '.', 0, 0, 0, 0, 0, -1, -1, -1, "\n", "\n\n", "FE", c.LargeUnit));
        EXPECT_EQ(s.DegreeFormatNames, (std::array<std::string, 3>{"DD\xC2\xB0 MM SS.d", "DD.dddd", "DD\xC2\xB0 MM.mmm"}));
        EXPECT_EQ(s.DateFormatNames, (std::array<std::string, 3>{"MM/DD/YY", "DD/MM/YY", "YY/MM/DD"}));
        for (int slot = 0; slot < 12; ++slot)
            EXPECT_TRUE(s.GaugeFloor[slot] == 32 && s.LastGaugePRN[slot] == 0 && !gps.SatUsed[slot]) << slot;
        EXPECT_TRUE(!gps.NewPosition && !gps.NewAltitude && gps.RouteComplete && gps.SatViewComplete);
        EXPECT_EQ(store.Values().size(), c.Stored ? std::size(Schema) + 1 : 0u) << "loading never writes";
    }
}

TEST(LoadProgramSettings, ReceiverOptionsReadWhatTheDialogStoresAndDefaultOtherwise)
{
    const struct { const char* Talkers; const char* Baud; const char* Device; TalkerFilter ReadTalkers;
                   std::int32_t ReadBaud; } cases[] = {
        {nullptr, nullptr, nullptr, TalkerFilter::AllGnss, 4800}, // missing: all talkers, 4800
        {"GP", "9600", "/dev/serial/by-id/usb-x", TalkerFilter::GpsOnly, 9600},
        {"ALL", "Auto", "", TalkerFilter::AllGnss, AutoBaud},
        {" gp ", "115200", "", TalkerFilter::GpsOnly, 115200},
        {"GPS", "1200", "", TalkerFilter::AllGnss, 4800}, // unknown texts: all talkers, 4800
        {"", "auto", "", TalkerFilter::AllGnss, AutoBaud},
    };
    for (const auto& c : cases) {
        MemorySettingsStore store;
        if (c.Talkers)
            store.Save("Options", "Talkers", c.Talkers), store.Save("Comm", "Baud", c.Baud), store.Save("Comm", "Device", c.Device);
        ProgramSettings s;
        GpsState gps;
        s.DetectedBaud = 9600;
        LoadProgramSettings(s, gps, store);
        EXPECT_EQ(std::tuple(s.Talkers, s.CommBaud, s.CommDevice, s.DetectedBaud),
                  std::tuple(c.ReadTalkers, c.ReadBaud, std::string(c.Device ? c.Device : ""), 0))
            << (c.Talkers ? c.Talkers : "nothing stored");
        EXPECT_EQ(ParseTalkerFilter(TalkerFilterText(s.Talkers)), s.Talkers) << "stored as it is read";
        EXPECT_EQ(ParseBaudSetting(BaudSettingText(s.CommBaud)), s.CommBaud) << "stored as it is read";
    }
}

TEST(LoadProgramSettings, KeepsTheUtcOffsetWithinFourteenHoursFiftyNineMinutes)
{
    const struct { const char *Hour, *Minute, *Direction; std::int32_t H, M, D; } cases[] = {
        {"1000000000", "2147483647", "5", 14, 59, 1},
        {"-15", "-60", "-2147483648", -14, -59, -1},
        {"14", "-59", "0", 14, -59, 0},
    };
    for (const auto& c : cases) {
        MemorySettingsStore store;
        store.Save("UTC Offset", "Hour", c.Hour), store.Save("UTC Offset", "Minute", c.Minute);
        store.Save("UTC Offset", "Direction", c.Direction);
        const Loaded loaded(store, FlagClear);
        EXPECT_EQ(std::tie(loaded.Settings.UTCOffsetHour, loaded.Settings.UTCOffsetMinute, loaded.Settings.UTCOffsetDirection),
                  std::tie(c.H, c.M, c.D)) << c.Hour;
    }
}

} // namespace
} // namespace trakora
