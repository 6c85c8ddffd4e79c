#include "longterm/ScatterPlotWidget.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace trakora {

namespace {

QString Metres(double value)
{
    return QString::number(value, 'g', 3) + " m";
}

} // namespace

ScatterPlotWidget::ScatterPlotWidget(QWidget* parent) : QWidget(parent)
{
    setAccessibleName("Scatter plot of the samples");
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ScatterPlotWidget::ShowRow(const SampleRow& row, const QString& rowName)
{
    m_row = &row;
    m_rowName = rowName;
    Refresh();
}

void ScatterPlotWidget::Refresh()
{
    if (!isVisible())
        return;
    Describe();
    update();
}

void ScatterPlotWidget::showEvent(QShowEvent* event)
{
    Describe();
    QWidget::showEvent(event);
}

void ScatterPlotWidget::Describe()
{
    if (!m_row)
        return;
    const std::optional<AccuracyFigures> figures = AccuracyOf(m_row->Spread);
    if (!figures || m_row->Cloud.Size() < 2) {
        setAccessibleDescription(m_rowName + ": too few samples to plot");
        return;
    }
    const ScatterScale scale = ScaleFor(m_row->Cloud, m_row->Spread.MeanOffset(), figures->Cep95);
    setAccessibleDescription(QStringLiteral("%1: the latest %2 samples around their mean, north up; CEP50 %3, "
                                            "CEP95 %4; scale bar %5")
                                 .arg(m_rowName)
                                 .arg(m_row->Cloud.Size())
                                 .arg(Metres(figures->Cep50), Metres(figures->Cep95), Metres(scale.ScaleBar)));
}

void ScatterPlotWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const std::optional<AccuracyFigures> figures = m_row ? AccuracyOf(m_row->Spread) : std::nullopt;
    if (!figures || m_row->Cloud.Size() < 2) {
        painter.drawText(rect(), Qt::AlignCenter, "Too few samples to plot");
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    const LocalOffset mean = m_row->Spread.MeanOffset();
    const ScatterScale scale = ScaleFor(m_row->Cloud, mean, figures->Cep95);
    const QPointF centre = QRectF(rect()).center();
    const double radius = std::min(width(), height()) / 2.0 - 16;
    const double pixelsPerMetre = radius / scale.HalfWidth;
    auto at = [&](double north, double east) {
        return QPointF(centre.x() + (east - mean.East) * pixelsPerMetre,
                       centre.y() - (north - mean.North) * pixelsPerMetre);
    };

    // Axes through the mean, north marked.
    painter.setPen(QPen(QColor(200, 200, 200), 1));
    painter.drawLine(QPointF(centre.x(), centre.y() - radius), QPointF(centre.x(), centre.y() + radius));
    painter.drawLine(QPointF(centre.x() - radius, centre.y()), QPointF(centre.x() + radius, centre.y()));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(centre.x() - 10, 1, 20, 14), Qt::AlignCenter, "N");

    QPolygonF points;
    points.reserve(static_cast<int>(m_row->Cloud.Size()));
    for (std::size_t i = 0; i < m_row->Cloud.Size(); ++i) {
        const LocalOffset p = m_row->Cloud.At(i);
        points << at(p.North, p.East);
    }
    painter.setPen(QPen(QColor(30, 60, 170), 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawPoints(points);

    // The circles differ by line style and label, not by colour alone.
    const struct {
        double metres;
        QColor colour;
        Qt::PenStyle style;
        const char* label;
    } circles[] = {{figures->Cep50, QColor(0, 140, 0), Qt::SolidLine, "CEP50"},
                   {figures->Cep95, QColor(200, 0, 0), Qt::DashLine, "CEP95"}};
    for (const auto& circle : circles) {
        const double r = circle.metres * pixelsPerMetre;
        painter.setPen(QPen(circle.colour, 2, circle.style));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(centre, r, r);
    }
    // Labels last, on white, so that no sample hides them.
    for (const auto& circle : circles) {
        const double r = circle.metres * pixelsPerMetre;
        QRectF box = painter.boundingRect(QRectF(), Qt::AlignLeft, circle.label).adjusted(-2, 0, 2, 0);
        box.moveBottomLeft(centre + QPointF(r * 0.71, -r * 0.71));
        painter.fillRect(box, QColor(255, 255, 255, 220));
        painter.setPen(circle.colour);
        painter.drawText(box, Qt::AlignCenter, circle.label);
    }

    // Scale bar in the lower left corner.
    const double bar = scale.ScaleBar * pixelsPerMetre;
    const QPointF start(8, height() - 10);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(start, start + QPointF(bar, 0));
    painter.drawLine(start + QPointF(0, -4), start + QPointF(0, 4));
    painter.drawLine(start + QPointF(bar, -4), start + QPointF(bar, 4));
    painter.drawText(start + QPointF(0, -7), Metres(scale.ScaleBar));
}

} // namespace trakora
