// $PGRME,15.0,M,45.0,M,25.0,M*1C
//  1 estimated horizontal position error   4 its unit letter
//  2 its unit letter                       5 overall error estimate (not used)
//  3 estimated vertical position error     6 its unit letter (not used)
#include "nmea/Decoders.h"
#include "nmea/FieldReaders.h"


namespace trakora {

namespace {

// The unit letter followed by "E": "M" gives "ME". At most two characters
// matter, so no text is built on the heap.
void AssignErrorUnit(FixedText<2>& target, std::string_view letter)
{
    char code[2] = {'E', ' '};
    if (!letter.empty()) {
        code[0] = letter[0];
        code[1] = letter.size() > 1 ? letter[1] : 'E';
    }
    target = std::string_view(code, 2);
}

} // namespace

void DecodePGRME(GpsState& gps)
{
    NumberZeroed(gps.HorizErrorEstimate, gps.Field(1));
    AssignErrorUnit(gps.HorizErrorUnit, gps.Field(2));
    NumberZeroed(gps.VertErrorEstimate, gps.Field(3));
    AssignErrorUnit(gps.VertErrorUnit, gps.Field(4));
}

} // namespace trakora
