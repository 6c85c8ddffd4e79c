#include "views/SignalGauge.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace trakora {

SignalGauge::SignalGauge(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent), m_orientation(orientation)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SignalGauge::SetMinimum(int minimum)
{
    if (minimum == m_minimum)
        return;
    m_minimum = minimum;
    update();
}

void SignalGauge::SetMaximum(int maximum)
{
    if (maximum == m_maximum)
        return;
    m_maximum = maximum;
    update();
}

void SignalGauge::SetValue(int value)
{
    if (value == m_value)
        return;
    m_value = value;
    update();
}

void SignalGauge::SetForeColor(const QColor& color)
{
    if (color == m_foreColor)
        return;
    m_foreColor = color;
    update();
}

void SignalGauge::SetBackColor(const QColor& color)
{
    if (color == m_backColor)
        return;
    m_backColor = color;
    update();
}

double SignalGauge::FilledFraction() const
{
    if (m_maximum <= m_minimum)
        return m_value >= m_maximum ? 1.0 : 0.0;
    const double fraction = static_cast<double>(m_value - m_minimum) / (m_maximum - m_minimum);
    return std::clamp(fraction, 0.0, 1.0);
}

void SignalGauge::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect frame = rect();
    const QRect inner = frame.adjusted(1, 1, -1, -1);
    painter.fillRect(frame, m_backColor);

    const double fraction = FilledFraction();
    QRect bar;
    if (m_orientation == Qt::Vertical) {
        const int filled = static_cast<int>(std::lround(inner.height() * fraction));
        bar = QRect(inner.left(), inner.bottom() - filled + 1, inner.width(), filled);
    } else {
        const int filled = static_cast<int>(std::lround(inner.width() * fraction));
        bar = QRect(inner.left(), inner.top(), filled, inner.height());
    }
    if (!bar.isEmpty())
        painter.fillRect(bar, m_foreColor);

    // A sunken edge: dark above and left, light below and right. Filled
    // rectangles are much cheaper to draw than pen lines.
    const QColor shadow(128, 128, 128);
    const QColor light(224, 224, 224);
    painter.fillRect(QRect(frame.left(), frame.top(), frame.width(), 1), shadow);
    painter.fillRect(QRect(frame.left(), frame.top(), 1, frame.height()), shadow);
    painter.fillRect(QRect(frame.left() + 1, frame.bottom(), frame.width() - 1, 1), light);
    painter.fillRect(QRect(frame.right(), frame.top() + 1, 1, frame.height() - 1), light);
}

} // namespace trakora
