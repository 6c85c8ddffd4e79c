#pragma once

#include "nmea/GpsState.h"
#include "nmea/GsvBlocks.h"

namespace trakora {

// Each decoder reads the split sentence in gps.SentenceField and writes only
// its own fields of gps. None of them can fail.
void DecodeRMC(GpsState& gps);
void DecodeRMB(GpsState& gps);
void DecodeGLL(GpsState& gps);
void DecodePGRMZ(GpsState& gps);
void DecodePGRMM(GpsState& gps);
void DecodeBOD(GpsState& gps);
void DecodeRTE(GpsState& gps);
void DecodeWPL(GpsState& gps);
void DecodeGGA(GpsState& gps);
void DecodeGSA(GpsState& gps);
// DecodeGSA with the channels in use already found (fields 3 to 14 not blank).
void DecodeGSA(GpsState& gps, const std::array<bool, SatSlots>& channelInUse);
void DecodeGSV(GpsState& gps);
// DecodeGSV on blocks already read.
void DecodeGSV(GpsState& gps, const GsvBlocks& blocks);
void DecodePGRME(GpsState& gps);

} // namespace trakora
