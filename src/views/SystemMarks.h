#pragma once

#include "nmea/GnssSystem.h"

#include <QColor>
#include <QPointF>

class QPainter;

namespace trakora {

// How the sky plot tells the systems apart, by shape as well as by colour.
enum class MarkShape { Circle, Square, Diamond, Triangle, Star, Cross, Hexagon };

// Circle GPS, square GLONASS, diamond Galileo, triangle BeiDou, star QZSS,
// small cross SBAS, hexagon NavIC.
MarkShape ShapeOf(GnssSystem system);
// "circle", "square", ...: the shape in words, for screen readers.
const char* MarkShapeName(MarkShape shape);
QColor SystemColor(GnssSystem system);

// The system's mark of `size` pixels across centred on `centre`: filled
// with the system's colour for a satellite used in the fix, an outline in
// that colour otherwise.
void PaintMark(QPainter& painter, GnssSystem system, QPointF centre, double size, bool filled);

} // namespace trakora
