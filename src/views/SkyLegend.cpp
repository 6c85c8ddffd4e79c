#include "views/SkyLegend.h"

#include "views/SystemMarks.h"

#include <QPainter>

#include <algorithm>

namespace trakora {

namespace {

constexpr int Margin = 3;

QString Name(GnssSystem system)
{
    const std::string_view name = SystemName(system);
    return QString::fromLatin1(name.data(), static_cast<int>(name.size()));
}

} // namespace

SkyLegend::SkyLegend(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Legend"));
    hide();
}

int SkyLegend::LineHeight() const
{
    return fontMetrics().height();
}

void SkyLegend::SetSystems(GnssSystemSet systems)
{
    if (systems == m_systems)
        return;
    m_systems = systems;
    int lines = 0;
    int textWidth = 0;
    QStringList names;
    for (int s = 0; s < GnssSystemCount; ++s) {
        const auto system = static_cast<GnssSystem>(s);
        if ((systems & SystemBit(system)) == 0)
            continue;
        ++lines;
        textWidth = std::max(textWidth, fontMetrics().horizontalAdvance(Name(system)));
        names << QStringLiteral("%1 %2").arg(Name(system), QLatin1String(MarkShapeName(ShapeOf(system))));
    }
    const int line = LineHeight();
    resize(2 * Margin + line + 4 + textWidth, 2 * Margin + lines * line);
    setAccessibleDescription(names.join(QStringLiteral(", ")));
    update();
}

void SkyLegend::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const int line = LineHeight();
    int top = Margin;
    for (int s = 0; s < GnssSystemCount; ++s) {
        const auto system = static_cast<GnssSystem>(s);
        if ((m_systems & SystemBit(system)) == 0)
            continue;
        PaintMark(painter, system, QPointF(Margin + line / 2.0, top + line / 2.0), line * 0.7, true);
        painter.setPen(Qt::black);
        painter.drawText(QRect(Margin + line + 4, top, width(), line), Qt::AlignLeft | Qt::AlignVCenter, Name(system));
        top += line;
    }
}

} // namespace trakora
