#pragma once

#include <string_view>

namespace trakora {

// The address of one entry in the settings store.
struct SettingKey {
    std::string_view Section;
    std::string_view Key;
};

// Every section and key the program reads or writes, kept in one place so
// that the loader, the windows and the Settings dialog agree on the names.
namespace Keys {

// Preferences
constexpr SettingKey CommPort{"Comm", "CommPort"};
constexpr SettingKey FileInput{"InputOptions", "FileInput"};
constexpr SettingKey CommInput{"InputOptions", "CommInput"};
constexpr SettingKey RawAutoScroll{"NMEA_Raw", "Scroll"};
constexpr SettingKey UTCOffsetHour{"UTC Offset", "Hour"};
constexpr SettingKey UTCOffsetMinute{"UTC Offset", "Minute"};
constexpr SettingKey UTCOffsetDirection{"UTC Offset", "Direction"};
constexpr SettingKey WriteData{"Output File", "WriteData"};
constexpr SettingKey UseDefaultFN{"Output File", "UseDefaultFN"};
constexpr SettingKey SavePositionInfo{"Output File", "SavePositionInfo"};
constexpr SettingKey SaveWaypointInfo{"Output File", "SaveWaypointInfo"};
constexpr SettingKey SavePRNInfo{"Output File", "SavePRNInfo"};
constexpr SettingKey DegreeFormat{"FormatOptions", "Degrees"};
constexpr SettingKey DateFormat{"FormatOptions", "Date"};
constexpr SettingKey LargeUnit{"Measure", "LargeUnit"};
constexpr SettingKey SmallUnit{"Options", "SmallUnit"}; // written only; every run starts in feet
constexpr SettingKey Talkers{"Options", "Talkers"};
constexpr SettingKey CommBaud{"Comm", "Baud"};
constexpr SettingKey CommDevice{"Comm", "Device"};

// Windows open at the end of the last run ("-1" open, "0" closed)
constexpr std::string_view ShowingSection = "Showing";
constexpr SettingKey ShowingNMEARaw{ShowingSection, "NMEA_Raw"};
constexpr SettingKey ShowingDataStat{ShowingSection, "DataStat"};
constexpr SettingKey ShowingShowPos{ShowingSection, "ShowPos"};
constexpr SettingKey ShowingSatInfo{ShowingSection, "SatInfo"};
constexpr SettingKey ShowingSatPos{ShowingSection, "SatPos"};
constexpr SettingKey ShowingLongTerm{ShowingSection, "LongTerm"};
constexpr SettingKey ShowingHealth{ShowingSection, "Health"};
constexpr SettingKey SatPosCircular{ShowingSection, "Circular"};

// Window placement sections; each holds Left, Top, Width and Height.
constexpr std::string_view MainWindowSection = "MDIForm";
constexpr std::string_view NMEARawSection = "NMEA_Raw";
constexpr std::string_view SatInfoSection = "SatInfo";
constexpr std::string_view DataStatSection = "DataStat";
constexpr std::string_view SatPosSection = "SatPos";
constexpr std::string_view ShowPosSection = "ShowPos";
constexpr std::string_view LongTermSection = "LongTerm";
constexpr std::string_view HealthSection = "Health";
constexpr std::string_view SettingsDialogSection = "NMEASets";
constexpr std::string_view Left = "Left";
constexpr std::string_view Top = "Top";
constexpr std::string_view Width = "Width";
constexpr std::string_view Height = "Height";

// Window options
constexpr SettingKey MaxNMEA{NMEARawSection, "MaxNMEA"};
constexpr SettingKey SatInfoExpanded{SatInfoSection, "Expanded"};
constexpr SettingKey SatPosDotSize{SatPosSection, "DotSize"};
constexpr SettingKey LongTermDOPMax{"LTTime", "DOPMax"};

// Long-term accumulators: one entry per row, keyed "0" to "9".
constexpr SettingKey LongTermAltitudeSum{"Altitude", "TotAlt"};
constexpr SettingKey LongTermAltitudeSamples{"Altitude", "AltSamps"};
constexpr std::string_view LatsSection = "Lats";
constexpr std::string_view LonsSection = "Lons";
constexpr std::string_view SampsSection = "Samps";
constexpr std::string_view LTIntSection = "LTInt";
constexpr std::string_view LTEnabSection = "LTEnab";
constexpr std::string_view LTTimeSection = "LTTime";

} // namespace Keys

} // namespace trakora
