#pragma once

#include "nmea/GpsState.h"

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
void DecodeGSV(GpsState& gps);
void DecodePGRME(GpsState& gps);

} // namespace trakora
