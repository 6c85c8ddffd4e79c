#include "nmea/FixValidity.h"

namespace trakora {

namespace {

bool StatusValid(const GpsState& gps)
{
    return gps.RMCStatus == "A" || gps.GLLStatus == "A";
}

} // namespace

bool FixQualityCountsAsFix(char quality, TalkerFilter talkers)
{
    if (quality == '1' || quality == '2')
        return true;
    return talkers == TalkerFilter::AllGnss && (quality == '4' || quality == '5');
}

bool CountsAsFix(const GpsState& gps, const GnssState& gnss)
{
    if (gnss.FaaMode == "N")
        return false;
    const char quality = gps.FixQuality[0];
    if (quality >= '0' && quality <= '9')
        return FixQualityCountsAsFix(quality, TalkerFilter::AllGnss);
    return StatusValid(gps);
}

bool DataCountsAsValid(const GpsState& gps, const GnssState& gnss, TalkerFilter talkers)
{
    return talkers == TalkerFilter::AllGnss ? CountsAsFix(gps, gnss) : StatusValid(gps);
}

bool QualityCountsAsFix(const GpsState& gps, const GnssState& gnss, TalkerFilter talkers)
{
    return talkers == TalkerFilter::AllGnss ? CountsAsFix(gps, gnss)
                                            : FixQualityCountsAsFix(gps.FixQuality[0], TalkerFilter::GpsOnly);
}

} // namespace trakora
