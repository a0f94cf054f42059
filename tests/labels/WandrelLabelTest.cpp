#include "labels/WandrelLabel.h"

#include <QFontMetricsF>
#include <QImage>
#include <gtest/gtest.h>

#include <cmath>

TEST(CaptionTest, PaddedTextOnAPillFittedAboutTheBottomLeft) {
    QWidget window;
    window.setGeometry(0, 0, 1200, 400);
    auto* label = new WandrelLabel(QRectF(10, 10, 500, 10), &window);
    const auto paint = [label] {
        QImage image(label->size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        label->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
        return image;
    };
    EXPECT_EQ(label->geometry(), QRect(10, 400 - 20, 500, 10));
    label->setString("Scale is 1 mile");
    EXPECT_EQ(label->string(), " Scale is 1 mile ");
    EXPECT_EQ(label->width(),
              std::ceil(QFontMetricsF(label->font()).horizontalAdvance("  Scale is 1 mile  ")));
    EXPECT_EQ(label->height(), 10) << "never taller than before";
    EXPECT_EQ(label->frame().topLeft(), QPointF(10, 10)) << "the bottom-left corner stays";
    label->setString(QString(600, QLatin1Char('W')));
    EXPECT_EQ(label->width(), 1000);

    // A 101 x 21 label backs a short text with a 100 x 20 pill.
    label->setString("x");
    label->setFrameSize(QSizeF(101, 21));
    const QImage pill = paint();
    EXPECT_NEAR(pill.pixelColor(25, 10).alpha(), 51, 2);
    EXPECT_GT(pill.pixelColor(1, 10).alpha(), 40) << "left cap reaches x = 0";
    EXPECT_GT(pill.pixelColor(10, 0).alpha(), 40) << "cap top at its centre";
    EXPECT_EQ(pill.pixelColor(100, 10).alpha(), 0) << "right column left free";
    EXPECT_EQ(pill.pixelColor(25, 20).alpha(), 0) << "bottom row left free";
    EXPECT_EQ(pill.pixelColor(1, 1).alpha(), 0) << "corner outside the cap";

    label->setString("");
    EXPECT_EQ(label->string(), "  ");
    EXPECT_EQ(paint().pixelColor(label->width() / 2, label->height() / 2).alpha(), 0);
}

// Text too wide for the pill keeps its beginning in view, also when only the
// font has grown since the text was fitted.
TEST(CaptionTest, OverflowingTextKeepsItsBeginning) {
    QWidget window;
    window.setGeometry(0, 0, 1200, 400);
    auto* label = new WandrelLabel(QRectF(10, 10, 500, 40), &window);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(palette);
    const auto firstInkColumn = [label] {
        QImage image(label->size(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        label->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
        for (int x = 0; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                if (image.pixelColor(x, y).red() > 160 && image.pixelColor(x, y).green() < 60)
                    return x;
        return -1;
    };
    label->setString("WWWW");
    const int fitted = firstInkColumn();
    EXPECT_GT(fitted, 0);

    QFont big = label->font();
    big.setPixelSize(4 * QFontInfo(big).pixelSize());
    label->setFont(big);
    const double space = QFontMetricsF(big).horizontalAdvance(QLatin1Char(' '));
    EXPECT_GE(firstInkColumn(), space / 2) << "centred, the text would start cut off";
}
