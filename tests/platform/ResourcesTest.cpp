#include "platform/Resources.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

class ResourcesTest : public ::testing::Test {
protected:
    void SetUp() override { saved = Resources::root(); }
    void TearDown() override { Resources::setRoot(saved); }
    QString saved;
};

TEST_F(ResourcesTest, NamesMapIntoTheImagesResourceFolder) {
    EXPECT_EQ(Resources::path(QStringLiteral("camera"), QStringLiteral("tif")),
              QStringLiteral(":/images/camera.tif"));
}

TEST_F(ResourcesTest, FindsImagesUnderARedirectedRoot) {
    QTemporaryDir dir;
    QImage dot(4, 3, QImage::Format_ARGB32);
    dot.fill(Qt::red);
    ASSERT_TRUE(dot.save(dir.filePath(QStringLiteral("dot.png"))));
    Resources::setRoot(dir.path());

    const QImage found = Resources::image(QStringLiteral("dot"), QStringLiteral("png"));
    ASSERT_FALSE(found.isNull());
    EXPECT_EQ(found.size(), QSize(4, 3));
    EXPECT_EQ(found.pixelColor(2, 1), QColor(Qt::red));

    EXPECT_TRUE(Resources::image(QStringLiteral("missing"), QStringLiteral("png")).isNull());
    EXPECT_TRUE(Resources::image(QStringLiteral("dot"), QStringLiteral("tif")).isNull());
    EXPECT_TRUE(Resources::image(QString(), QStringLiteral("png")).isNull());
}
