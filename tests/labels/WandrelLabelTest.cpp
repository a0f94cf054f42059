#include "labels/WandrelLabel.h"

#include <QFontMetricsF>
#include <QImage>
#include <gtest/gtest.h>

#include <cmath>

namespace {

class Caption : public ::testing::Test {
protected:
    Caption() {
        window.setGeometry(0, 0, 1200, 400);
        label = new WandrelLabel(QRectF(10, 10, 500, 20), &window);
    }

    QImage paint() const {
        QImage image(label->size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        label->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
        return image;
    }
    static bool blank(const QImage& image) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y).alpha() != 0)
                    return false;
        return true;
    }
    double advance(const QString& text) const {
        return std::ceil(QFontMetricsF(label->font()).horizontalAdvance(text));
    }

    QWidget window;
    WandrelLabel* label = nullptr;
};

TEST_F(Caption, FrameIsMeasuredFromTheBottomLeft) {
    EXPECT_EQ(label->frame(), QRectF(10, 10, 500, 20));
    EXPECT_EQ(label->geometry(), QRect(10, 400 - 30, 500, 20));
    EXPECT_FALSE(label->accessibleName().isEmpty());
}

TEST_F(Caption, TextIsPaddedAndTheWidthFitted) {
    label->setString("Scale is 1 mile");
    EXPECT_EQ(label->string(), " Scale is 1 mile ");
    EXPECT_EQ(label->width(), advance("  Scale is 1 mile  "));
    EXPECT_LE(label->height(), 20) << "never taller than before";
    EXPECT_EQ(label->frame().topLeft(), QPointF(10, 10)) << "the bottom-left corner stays";
}

TEST_F(Caption, EmptyTextDrawsNothing) {
    label->setString("");
    EXPECT_EQ(label->string(), "  ");
    EXPECT_TRUE(blank(paint()));
}

TEST_F(Caption, LongTextIsCappedAtAThousand) {
    label->setString(QString(600, QLatin1Char('W')));
    EXPECT_EQ(label->width(), 1000);
    label->setString("x");
    EXPECT_EQ(label->width(), advance("  x  "));
}

TEST_F(Caption, PillHasRoundCapsInsetOnePixel) {
    label->setString("x");
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::transparent); // only the pill shows
    label->setPalette(palette);
    label->setFrameSize(QSizeF(101, 21));
    const QImage image = paint();
    const QColor middle = image.pixelColor(50, 10);
    EXPECT_NEAR(middle.alpha(), 51, 2);
    EXPECT_NEAR(middle.red(), 64, 3);
    EXPECT_GT(image.pixelColor(1, 10).alpha(), 40) << "left cap reaches x = 0";
    EXPECT_GT(image.pixelColor(98, 10).alpha(), 40);
    EXPECT_EQ(image.pixelColor(100, 10).alpha(), 0) << "right column left free";
    EXPECT_EQ(image.pixelColor(50, 20).alpha(), 0) << "one row left free";
    EXPECT_EQ(image.pixelColor(1, 1).alpha(), 0) << "corner outside the cap";
    EXPECT_EQ(image.pixelColor(99, 19).alpha(), 0);
    EXPECT_GT(image.pixelColor(10, 0).alpha(), 40) << "cap top at its centre";
}

} // namespace
