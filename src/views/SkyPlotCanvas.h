#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

namespace trakora {

// The drawing surface of the sky plot. Rings and track dots go into an
// off-screen picture that paintEvent copies to the screen, so the drawing
// survives being covered by other windows and is only lost when cleared.
class SkyPlotCanvas : public QWidget {
    Q_OBJECT

public:
    explicit SkyPlotCanvas(QWidget* parent = nullptr);

    // Starts a blank picture of side `side` pixels in the background colour.
    void Clear(int side);
    // Black circles around (radius, radius), pen width 1.
    void DrawRings(int radius);
    // A black dot of diameter `width` pixels centred on `at`.
    void DrawDot(QPoint at, int width);

    const QImage& Picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
};

} // namespace trakora
