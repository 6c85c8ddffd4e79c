#include "views/SkyMarker.h"

#include "common/WindowRoutines.h"
#include "views/SystemMarks.h"

#include <QPainter>

#include <algorithm>

namespace trakora {

namespace {

const QColor UsedText(0, 0, 0);
const QColor UnusedText(90, 90, 90);

} // namespace

SkyMarker::SkyMarker(QWidget* parent) : QWidget(parent), m_markSize(std::max(9, TwipsToPixelsX(165)))
{
    const QFontMetrics metrics(font());
    resize(m_markSize + 2 + metrics.horizontalAdvance(QStringLiteral("G00")), std::max(m_markSize, metrics.height()));
}

void SkyMarker::SetSatellite(const SatelliteRow& row)
{
    if (!m_shown || row.Id != m_id || row.Used != m_used) {
        m_id = row.Id;
        m_used = row.Used;
        m_shown = true;
        update();
    }
    std::string description = DescribeSatellite(row);
    if (description != m_description) {
        m_description = std::move(description);
        setAccessibleName(QString::fromStdString(m_description));
    }
}

void SkyMarker::paintEvent(QPaintEvent*)
{
    if (!m_shown)
        return;
    QPainter painter(this);
    PaintMark(painter, m_id.System, QPointF(m_markSize / 2.0, height() / 2.0), m_markSize, m_used);
    painter.setPen(m_used ? UsedText : UnusedText);
    painter.drawText(QRect(m_markSize + 2, 0, width() - m_markSize - 2, height()), Qt::AlignLeft | Qt::AlignVCenter,
                     QLatin1String(DisplayName(m_id).data()));
}

} // namespace trakora
