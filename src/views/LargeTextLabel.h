#pragma once

#include <QColor>
#include <QHash>
#include <QLabel>
#include <QPixmap>

namespace trakora {

// A one-line label, always centred, for type so large that the toolkit draws
// every glyph as an outline on each repaint (above 64 pixels). Each character
// is drawn once into a pixmap and later repaints copy the pixmaps, which
// keeps a label whose text changes every second cheap. Meant for fixed-pitch
// fonts, where drawing glyph by glyph loses no kerning.
class LargeTextLabel : public QLabel {
public:
    explicit LargeTextLabel(QWidget* parent = nullptr) : QLabel(parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    const QPixmap& Glyph(QChar c);

    QHash<char16_t, QPixmap> m_glyphs;
    QColor m_glyphColor;
};

} // namespace trakora
