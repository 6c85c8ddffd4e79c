#include "views/LargeTextLabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

namespace trakora {

namespace {

// Room around each glyph for strokes that reach past their advance.
int GlyphMargin(const QFontMetrics& metrics)
{
    return metrics.height() / 8 + 1;
}

} // namespace

void LargeTextLabel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        m_glyphs.clear();
    QLabel::changeEvent(event);
}

const QPixmap& LargeTextLabel::Glyph(QChar c)
{
    const QColor color = palette().color(foregroundRole());
    if (color != m_glyphColor) {
        m_glyphs.clear();
        m_glyphColor = color;
    }
    auto found = m_glyphs.constFind(c.unicode());
    if (found != m_glyphs.constEnd())
        return *found;

    const QFontMetrics metrics(font());
    const int margin = GlyphMargin(metrics);
    const qreal ratio = devicePixelRatioF();
    QPixmap glyph(QSize(metrics.horizontalAdvance(c) + 2 * margin, metrics.height() + 2 * margin) * ratio);
    glyph.setDevicePixelRatio(ratio);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    painter.setFont(font());
    painter.setPen(color);
    painter.drawText(QPointF(margin, margin + metrics.ascent()), QString(c));
    painter.end();
    return *m_glyphs.insert(c.unicode(), glyph);
}

void LargeTextLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawFrame(&painter);
    const QString shown = text();
    if (shown.isEmpty())
        return;

    const QFontMetrics metrics(font());
    int width = 0;
    for (QChar c : shown)
        width += metrics.horizontalAdvance(c);
    const QRect area = contentsRect();
    const int margin = GlyphMargin(metrics);
    int x = area.left() + (area.width() - width) / 2;
    const int y = area.top() + (area.height() - metrics.height()) / 2;
    for (QChar c : shown) {
        painter.drawPixmap(x - margin, y - margin, Glyph(c));
        x += metrics.horizontalAdvance(c);
    }
}

} // namespace trakora
