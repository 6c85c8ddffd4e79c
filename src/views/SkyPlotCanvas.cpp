#include "views/SkyPlotCanvas.h"

#include "common/SkyPlotGeometry.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace trakora {

namespace {

const QColor Background(192, 255, 255);

} // namespace

SkyPlotCanvas::SkyPlotCanvas(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SkyPlotCanvas::Clear(int side)
{
    m_picture = QImage(side, side, QImage::Format_RGB32);
    m_picture.fill(Background);
    update();
}

void SkyPlotCanvas::DrawRings(int radius)
{
    if (m_picture.isNull())
        return;
    QPainter painter(&m_picture);
    painter.setPen(QPen(Qt::black, 1));
    const QPointF centre(radius, radius);
    painter.drawEllipse(centre, InnerRingFactor * radius, InnerRingFactor * radius);
    painter.drawEllipse(centre, HorizonRingFactor * radius, HorizonRingFactor * radius);
    update();
}

void SkyPlotCanvas::DrawDot(QPoint at, int width)
{
    if (m_picture.isNull() || width <= 0)
        return;
    // A disc of `width` pixels across: centred on the middle of the pixel
    // for odd widths and on its corner for even ones, so it spreads evenly.
    const double half = width / 2.0;
    const double cx = at.x() + (width % 2 ? 0.5 : 0.0);
    const double cy = at.y() + (width % 2 ? 0.5 : 0.0);
    const int x0 = std::max(0, static_cast<int>(std::floor(cx - half)));
    const int x1 = std::min(m_picture.width(), static_cast<int>(std::ceil(cx + half)));
    const int y0 = std::max(0, static_cast<int>(std::floor(cy - half)));
    const int y1 = std::min(m_picture.height(), static_cast<int>(std::ceil(cy + half)));
    for (int py = y0; py < y1; ++py) {
        auto* line = reinterpret_cast<QRgb*>(m_picture.scanLine(py));
        const double dy = py + 0.5 - cy;
        for (int px = x0; px < x1; ++px) {
            const double dx = px + 0.5 - cx;
            if (dx * dx + dy * dy <= half * half)
                line[px] = qRgb(0, 0, 0);
        }
    }
    const int reach = width / 2 + 1;
    update(QRect(at.x() - reach, at.y() - reach, 2 * reach + 1, 2 * reach + 1));
}

void SkyPlotCanvas::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    painter.fillRect(area, Background);
    if (!m_picture.isNull())
        painter.drawImage(area.topLeft(), m_picture, area);
}

} // namespace trakora
