#pragma once

#include "longterm/AveragedPoint.h"

#include <QByteArray>

namespace trakora {

// A GPX 1.1 document holding the point as its one waypoint: latitude and
// longitude with 8 decimals, then, in the order GPX requires, the elevation
// in metres, the UTC time of the last sample (when known), the name and the
// description.
QByteArray GpxWaypointDocument(const AveragedPoint& point);

} // namespace trakora
