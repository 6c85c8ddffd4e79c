// $GPGSV,2,1,08,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45*75
//  1 number of sentences in the group    4 + 4(j-1) PRN of satellite j (j = 1..4)
//  2 number of this sentence             5 + 4(j-1) elevation, degrees
//  3 satellites in view                  6 + 4(j-1) azimuth, degrees true
//                                        7 + 4(j-1) signal-to-noise ratio, dB (empty: not tracked)
// Satellite j of sentence m goes to slot (m - 1) x 4 + j.
#include "nmea/Decoders.h"
#include "nmea/FieldReaders.h"

#include <cstdint>

namespace trakora {

namespace {

void ClearSatelliteSlots(GpsState& gps)
{
    gps.SatPRN.fill(0);
    gps.SatElevation.fill(0);
    gps.SatAzimuth.fill(0);
    gps.SatSNR.fill(0);
}

} // namespace

void DecodeGSV(GpsState& gps)
{
    DecodeGSV(gps, ReadGsvBlocks(gps));
}

void DecodeGSV(GpsState& gps, const GsvBlocks& blocks)
{
    const std::string& groupSize = gps.Field(1);
    const std::string& sentenceNumber = gps.Field(2);

    double first = 0;
    if (ReadNumber(sentenceNumber, first) && first == 1)
        ClearSatelliteSlots(gps);
    if (sentenceNumber != groupSize)
        gps.SatViewComplete = false;
    WholeNumberKept(gps.SatsInView, gps.Field(3));

    // Without a sentence number there is no slot to start from. Groups of
    // more than three sentences address slots the table does not have; those
    // satellites are dropped.
    std::int32_t number = 0;
    if (ReadWholeNumber(sentenceNumber, number)) {
        const std::int64_t start = (static_cast<std::int64_t>(number) - 1) * 4 + 1;
        for (int j = 1; j <= 4; ++j) {
            const std::int64_t slot = start + j - 1;
            if (slot < 1 || slot > SatSlots)
                continue;
            const std::size_t i = static_cast<std::size_t>(slot - 1);
            const auto& satellite = blocks.Satellite[static_cast<std::size_t>(j - 1)];
            std::int32_t* const targets[4] = {&gps.SatPRN[i], &gps.SatElevation[i], &gps.SatAzimuth[i],
                                              &gps.SatSNR[i]};
            for (std::size_t k = 0; k < 4; ++k)
                if (satellite[k].Read)
                    *targets[k] = satellite[k].Number;
        }
    }

    if (sentenceNumber == groupSize)
        gps.SatViewComplete = true;
}

} // namespace trakora
