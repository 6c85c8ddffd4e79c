#include "views/SatelliteRowWidget.h"

#include "common/WindowRoutines.h"
#include "views/SatInfoGeometry.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace trakora {

namespace {

using namespace SatInfoGeometry;

// Cell widths in twips; the gauge takes the rest of the row.
constexpr std::array<int, SatelliteRowWidget::GaugeCell> CellWidths{600, 600, 600, 525};
const QColor CellBorder(160, 160, 160);
// Receivers of today report 10 to 50 dB-Hz; one scale for every row lets
// the bars be compared, and a stronger signal fills its bar.
constexpr double GaugeFullScale = 50.0;

QString Angle(std::int16_t degrees)
{
    return degrees == UnknownAngle ? QString() : QString::number(degrees) + QChar(0x00B0);
}

} // namespace

SatelliteRowWidget::SatelliteRowWidget(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    InstallSatelliteAccessibility();
    m_usedFont = font();
    m_usedFont.setBold(false);
    m_unusedFont = m_usedFont;
    m_unusedFont.setItalic(true);
}

std::array<QRect, SatelliteRowWidget::CellCount> SatelliteRowWidget::CellRects(int width, int height)
{
    std::array<QRect, CellCount> cells;
    int left = 0;
    for (int c = 0; c < GaugeCell; ++c) {
        const int w = TwipsToPixelsX(CellWidths[static_cast<std::size_t>(c)]);
        cells[static_cast<std::size_t>(c)] = QRect(left, 0, w, height);
        left += w;
    }
    cells[GaugeCell] = QRect(left, 0, std::max(0, width - left), height);
    return cells;
}

void SatelliteRowWidget::SetRow(const SatelliteRow& row)
{
    if (m_filled && row == m_row)
        return;
    const auto cells = CellRects(width(), height());
    if (!m_filled || row.Id != m_row.Id || row.Used != m_row.Used) {
        update();
    } else {
        if (row.Elevation != m_row.Elevation)
            update(cells[ElevationCell]);
        if (row.Azimuth != m_row.Azimuth)
            update(cells[AzimuthCell]);
        if (row.Snr != m_row.Snr)
            update(cells[SignalCell].united(cells[GaugeCell]));
    }
    m_row = row;
    m_filled = true;
}

double SatelliteRowWidget::GaugeFraction() const
{
    return std::clamp(static_cast<double>(m_row.Snr) / GaugeFullScale, 0.0, 1.0);
}

QString SatelliteRowWidget::CellText(int cell) const
{
    switch (cell) {
    case NameCell:
        return QLatin1String(DisplayName(m_row.Id).data());
    case ElevationCell:
        return Angle(m_row.Elevation);
    case AzimuthCell:
        return Angle(m_row.Azimuth);
    case SignalCell:
        return m_row.Snr == NotTracked ? QString() : QString::number(m_row.Snr);
    default:
        return {};
    }
}

void SatelliteRowWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const auto cells = CellRects(width(), height());
    painter.setFont(m_row.Used ? m_usedFont : m_unusedFont);
    painter.setPen(m_row.Used ? QApplication::palette().color(QPalette::WindowText) : UnusedTextColor);
    for (int c = 0; c < CellCount; ++c) {
        const QRect cell = cells[static_cast<std::size_t>(c)];
        if (!event->rect().intersects(cell))
            continue;
        painter.fillRect(cell, CellColor);
        const QRect inner = cell.adjusted(1, 1, -1, -1);
        if (c == GaugeCell) {
            const int filled = static_cast<int>(std::lround(inner.width() * GaugeFraction()));
            if (filled > 0)
                painter.fillRect(QRect(inner.left(), inner.top() + 1, filled, inner.height() - 2),
                                 m_row.Used ? UsedGaugeColor : UnusedGaugeColor);
        } else if (m_filled) {
            painter.drawText(inner, Qt::AlignCenter, CellText(c));
        }
        // Borders as filled rectangles, which draw much faster than pen lines.
        painter.fillRect(QRect(cell.right(), cell.top(), 1, cell.height()), CellBorder);
        painter.fillRect(QRect(cell.left(), cell.bottom(), cell.width(), 1), CellBorder);
    }
}

bool SatelliteRowWidget::event(QEvent* event)
{
    // The tooltip tells what the screen reader does: the row, then its signals.
    if (event->type() == QEvent::ToolTip) {
        const QString list = SatelliteSignals(m_row);
        const QString text = list.isEmpty() ? SatelliteName(m_row) : SatelliteName(m_row) + QLatin1Char('\n') + list;
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text, this);
        return true;
    }
    return QWidget::event(event);
}

} // namespace trakora
