// The fix sentences of any talker: the GPS decoders, then the receiver's
// time of day for the satellite table, the fraction of the second and the
// NMEA 2.3 and 4.11 status fields.
//   RMC  12 FAA mode indicator   13 navigational status (4.11)
//   GLL   7 FAA mode indicator
#include "nmea/Decoders.h"
#include "nmea/GnssDecoders.h"

namespace trakora {

namespace {

bool TwoDigits(std::string_view text, std::size_t at, int limit, int& value)
{
    if (text.size() < at + 2 || text[at] < '0' || text[at] > '9' || text[at + 1] < '0' || text[at + 1] > '9')
        return false;
    value = (text[at] - '0') * 10 + (text[at + 1] - '0');
    return value < limit;
}

// The time the state holds already (RMC, GGA and GLL of one epoch repeat it).
bool TimeKnown(std::string_view field, const GpsState& gps, const GnssState& gnss)
{
    return field.size() >= 6 && field.substr(0, 6) == gps.UtcTime.View() &&
           field.substr(6) == gnss.UtcFraction.Trimmed();
}

// The receiver's own clock drives the ageing of satellites.
void TakeTimeOfDay(std::string_view field, GnssState& gnss)
{
    std::int32_t ms = 0;
    if (ReadTimeOfDay(field, ms))
        gnss.Satellites.SetTime(ms);
}

// The fraction goes wherever UtcTime is written.
void TakeFraction(std::string_view field, GnssState& gnss)
{
    const bool fraction = field.size() > 6 && field[6] == '.';
    gnss.UtcFraction = fraction ? field.substr(6) : std::string_view();
}

// Called before the GPS decoder writes UtcTime from the same field.
void TakeTime(std::string_view field, const GpsState& gps, GnssState& gnss)
{
    if (TimeKnown(field, gps, gnss))
        return;
    TakeTimeOfDay(field, gnss);
    TakeFraction(field, gnss);
}

} // namespace

bool ReadTimeOfDay(std::string_view field, std::int32_t& msOfDay)
{
    int hours = 0, minutes = 0, seconds = 0;
    if (!TwoDigits(field, 0, 24, hours) || !TwoDigits(field, 2, 60, minutes) || !TwoDigits(field, 4, 61, seconds))
        return false;
    int ms = 0;
    if (field.size() > 6) {
        if (field[6] != '.')
            return false;
        int scale = 100;
        for (std::size_t i = 7; i < field.size(); ++i, scale /= 10) {
            if (field[i] < '0' || field[i] > '9')
                return false;
            ms += (field[i] - '0') * scale;
        }
    }
    msOfDay = ((hours * 60 + minutes) * 60 + seconds) * 1000 + ms;
    return true;
}

std::string_view FixQualityName(const FixedText<1>& quality)
{
    static constexpr std::string_view Names[] = {"No fix",    "GPS fix",        "Differential GPS fix",
                                                 "PPS fix",   "RTK fixed",      "RTK float",
                                                 "Dead reckoning", "Manual input", "Simulation"};
    const char q = quality[0];
    return q >= '0' && q <= '8' ? Names[q - '0'] : std::string_view();
}

void DecodeRMCAllTalkers(GpsState& gps, GnssState& gnss)
{
    TakeTime(gps.Field(1), gps, gnss);
    DecodeRMC(gps);
    gnss.FaaMode = gps.Field(12);
    gnss.NavStatus = gps.Field(13);
}

void DecodeGLLAllTalkers(GpsState& gps, GnssState& gnss)
{
    // The time of day counts whatever the status; the fraction goes with UtcTime.
    const std::string& time = gps.Field(5);
    const std::string& status = gps.Field(6);
    const bool timeTaken =
        gps.SentenceFieldCount >= 6 && (gps.SentenceFieldCount <= 6 || (status.size() == 1 && status[0] == 'A'));
    if (!TimeKnown(time, gps, gnss)) {
        TakeTimeOfDay(time, gnss);
        if (timeTaken)
            TakeFraction(time, gnss);
    }
    DecodeGLL(gps);
    gnss.FaaMode = gps.Field(7);
}

void DecodeGGAAllTalkers(GpsState& gps, GnssState& gnss)
{
    TakeTime(gps.Field(1), gps, gnss);
    DecodeGGA(gps);
    // The GGA count stops at 12 on many receivers; the satellites named by
    // the GSAs of every system are the count.
    const SatelliteTable& table = gnss.Satellites;
    if (table.GroupCount() > 1 && table.GsaSeen())
        gps.SatsUsed = table.UsedCount();
}

} // namespace trakora
