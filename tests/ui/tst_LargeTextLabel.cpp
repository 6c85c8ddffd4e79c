#include "views/LargeTextLabel.h"
#include "views/ReadoutLabels.h"

#include <gtest/gtest.h>

#include <QImage>

namespace trakora {

// Shows a course in large type on a filled background and gives the box around the pixels of `color`.
static QRect InkBox(QLabel& label, QRgb color)
{
    label.setAutoFillBackground(true);
    label.setFont(FixedPitchFont(60));
    label.setAlignment(Qt::AlignCenter);
    label.resize(194, 83);
    label.setText(QString::fromUtf8("360°"));
    const QImage image = label.grab().toImage();
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            box |= image.pixel(x, y) == color ? QRect(x, y, 1, 1) : QRect();
    return box;
}

TEST(LargeTextLabel, DrawsTheTextWhereAPlainLabelWouldAndInTheCurrentColour)
{
    QLabel plain;
    LargeTextLabel cached;
    const QRect expected = InkBox(plain, qRgb(0, 0, 0));
    const QRect drawn = InkBox(cached, qRgb(0, 0, 0)); // also fills the glyph cache in black
    // Each edge within two pixels; a null box contains nothing, so an empty drawing fails.
    EXPECT_TRUE(expected.adjusted(-2, -2, 2, 2).contains(drawn) && drawn.adjusted(-2, -2, 2, 2).contains(expected));

    cached.setStyleSheet(QStringLiteral("color: blue"));
    EXPECT_EQ(InkBox(cached, qRgb(0, 0, 255)), drawn) << "a change of text colour redraws the glyphs";
}

} // namespace trakora
