#include "views/LargeTextLabel.h"
#include "views/ReadoutLabels.h"

#include <gtest/gtest.h>

#include <QImage>

namespace trakora {
namespace {

// The box around the dark pixels of a widget drawn on white.
QRect InkBox(QLabel& label)
{
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    label.setPalette(palette);
    label.setAutoFillBackground(true);
    const QImage image = label.grab().toImage();
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                box |= QRect(x, y, 1, 1);
    return box;
}

TEST(LargeTextLabel, DrawsTheTextWhereAPlainLabelWould)
{
    for (const char* text : {"360°", "7°", "°", "12345"}) {
        SCOPED_TRACE(text);
        QLabel plain;
        LargeTextLabel cached;
        for (QLabel* label : {static_cast<QLabel*>(&plain), static_cast<QLabel*>(&cached)}) {
            label->setFont(FixedPitchFont(60));
            label->setAlignment(Qt::AlignCenter);
            label->resize(194, 83);
            label->setText(QString::fromUtf8(text));
        }
        const QRect expected = InkBox(plain);
        const QRect drawn = InkBox(cached);
        ASSERT_FALSE(expected.isEmpty());
        EXPECT_NEAR(drawn.left(), expected.left(), 2);
        EXPECT_NEAR(drawn.right(), expected.right(), 2);
        EXPECT_NEAR(drawn.top(), expected.top(), 2);
        EXPECT_NEAR(drawn.bottom(), expected.bottom(), 2);
    }
}

TEST(LargeTextLabel, FollowsAChangeOfTextColour)
{
    LargeTextLabel label;
    label.setFont(FixedPitchFont(60));
    label.resize(194, 83);
    label.setText(QStringLiteral("8"));
    label.grab(); // fills the glyph cache in the first colour
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    label.setPalette(palette);
    const QImage image = label.grab().toImage();
    bool blue = false;
    for (int y = 0; y < image.height() && !blue; ++y)
        for (int x = 0; x < image.width() && !blue; ++x)
            blue = image.pixel(x, y) == qRgb(0, 0, 255);
    EXPECT_TRUE(blue);
}

} // namespace
} // namespace trakora
