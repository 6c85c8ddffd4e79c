#include "views/SystemMarks.h"

#include <QPainter>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace trakora {

namespace {

// Corners of a regular shape (or of a star, alternating two radii) around
// `centre`, the first pointing up.
QPolygonF Corners(QPointF centre, int corners, double outer, double inner = 0)
{
    QPolygonF polygon;
    const int points = inner > 0 ? 2 * corners : corners;
    for (int i = 0; i < points; ++i) {
        const double radius = inner > 0 && i % 2 == 1 ? inner : outer;
        const double angle = -std::numbers::pi / 2 + 2 * std::numbers::pi * i / points;
        polygon << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return polygon;
}

QPolygonF Plus(QPointF c, double half)
{
    const double arm = half * 0.3;
    return QPolygonF({c + QPointF(-arm, -half), c + QPointF(arm, -half), c + QPointF(arm, -arm), c + QPointF(half, -arm),
                      c + QPointF(half, arm), c + QPointF(arm, arm), c + QPointF(arm, half), c + QPointF(-arm, half),
                      c + QPointF(-arm, arm), c + QPointF(-half, arm), c + QPointF(-half, -arm), c + QPointF(-arm, -arm)});
}

} // namespace

MarkShape ShapeOf(GnssSystem system)
{
    switch (system) {
    case GnssSystem::GPS:
        return MarkShape::Circle;
    case GnssSystem::GLONASS:
        return MarkShape::Square;
    case GnssSystem::Galileo:
        return MarkShape::Diamond;
    case GnssSystem::BeiDou:
        return MarkShape::Triangle;
    case GnssSystem::QZSS:
        return MarkShape::Star;
    case GnssSystem::SBAS:
        return MarkShape::Cross;
    case GnssSystem::NavIC:
        return MarkShape::Hexagon;
    }
    return MarkShape::Circle;
}

const char* MarkShapeName(MarkShape shape)
{
    static const char* const Names[] = {"circle", "square", "diamond", "triangle", "star", "cross", "hexagon"};
    return Names[static_cast<int>(shape)];
}

QColor SystemColor(GnssSystem system)
{
    switch (system) {
    case GnssSystem::GPS:
        return {0, 80, 220};
    case GnssSystem::SBAS:
        return {100, 100, 100};
    case GnssSystem::GLONASS:
        return {210, 0, 0};
    case GnssSystem::Galileo:
        return {0, 140, 0};
    case GnssSystem::BeiDou:
        return {225, 110, 0};
    case GnssSystem::QZSS:
        return {150, 0, 190};
    case GnssSystem::NavIC:
        return {120, 70, 20};
    }
    return Qt::black;
}

void PaintMark(QPainter& painter, GnssSystem system, QPointF centre, double size, bool filled)
{
    const QColor color = SystemColor(system);
    const double half = size / 2;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (filled) {
        painter.setPen(QPen(color.darker(160), 1));
        painter.setBrush(color);
    } else {
        // Drawn inside its size, so a hollow mark is as large as a filled one.
        painter.setPen(QPen(color, 2));
        painter.setBrush(Qt::NoBrush);
    }
    const double r = filled ? half - 0.5 : half - 1;
    switch (ShapeOf(system)) {
    case MarkShape::Circle:
        painter.drawEllipse(centre, r, r);
        break;
    case MarkShape::Square:
        painter.drawRect(QRectF(centre - QPointF(r * 0.85, r * 0.85), QSizeF(r * 1.7, r * 1.7)));
        break;
    case MarkShape::Diamond:
        painter.drawPolygon(Corners(centre, 4, r));
        break;
    case MarkShape::Triangle:
        painter.drawPolygon(Corners(centre + QPointF(0, r * 0.15), 3, r * 1.1));
        break;
    case MarkShape::Star:
        painter.drawPolygon(Corners(centre, 5, r * 1.1, r * 0.45));
        break;
    case MarkShape::Cross:
        painter.drawPolygon(Plus(centre, r * 0.8));
        break;
    case MarkShape::Hexagon:
        painter.drawPolygon(Corners(centre, 6, r));
        break;
    }
    painter.restore();
}

} // namespace trakora
