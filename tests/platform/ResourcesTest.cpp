#include "platform/Resources.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Resources, ARedirectedRootFindsItsImagesAndNothingElse) {
    const QString saved = Resources::root();
    QTemporaryDir dir;
    QImage dot(4, 3, QImage::Format_ARGB32);
    dot.fill(Qt::red);
    ASSERT_TRUE(dot.save(dir.filePath(QStringLiteral("dot.png"))));
    Resources::setRoot(dir.path());
    const QImage found = Resources::image(QStringLiteral("dot"), QStringLiteral("png"));
    EXPECT_EQ(found.size(), QSize(4, 3));
    EXPECT_EQ(found.pixelColor(2, 1), QColor(Qt::red));
    EXPECT_TRUE(Resources::image(QStringLiteral("missing"), QStringLiteral("png")).isNull());
    Resources::setRoot(saved);
}
