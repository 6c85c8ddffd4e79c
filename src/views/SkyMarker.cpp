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
    InstallSatelliteAccessibility();
    const QFontMetrics metrics(font());
    resize(m_markSize + 2 + metrics.horizontalAdvance(QStringLiteral("G00")), std::max(m_markSize, metrics.height()));
}

void SkyMarker::SetSatellite(const SatelliteRow& row)
{
    if (!m_shown || row.Id != m_row.Id || row.Used != m_row.Used)
        update();
    m_row = row;
    m_shown = true;
}

void SkyMarker::paintEvent(QPaintEvent*)
{
    if (!m_shown)
        return;
    QPainter painter(this);
    PaintMark(painter, m_row.Id.System, QPointF(m_markSize / 2.0, height() / 2.0), m_markSize, m_row.Used);
    painter.setPen(m_row.Used ? UsedText : UnusedText);
    painter.drawText(QRect(m_markSize + 2, 0, width() - m_markSize - 2, height()), Qt::AlignLeft | Qt::AlignVCenter,
                     QLatin1String(DisplayName(m_row.Id).data()));
}

} // namespace trakora
