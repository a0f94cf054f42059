#include "platform/Defaults.h"

#include "FileBytes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cfloat>

TEST(Defaults, BooleansAreYesOrNoAndFloatsSurviveAReload) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("defaults.ini"));
    const float floats[] = {0.1f, 1.0f / 3.0f, FLT_MAX, 1e-40f, 16777215.0f};
    {
        Defaults defaults(path);
        defaults.setBool(QStringLiteral("On"), true);
        defaults.setBool(QStringLiteral("Off"), false);
        defaults.setString(QStringLiteral("Yes"), QStringLiteral("yes"));
        for (float v : floats)
            defaults.setFloat(QString::number(v), v);
        ASSERT_TRUE(defaults.sync());
    }
    const QByteArray ini = contents(path);
    EXPECT_TRUE(ini.contains("On=YES") && ini.contains("Off=NO")) << ini.constData();

    Defaults reloaded(path);
    EXPECT_TRUE(reloaded.boolForKey(QStringLiteral("On")));
    EXPECT_FALSE(reloaded.boolForKey(QStringLiteral("Off")));
    EXPECT_FALSE(reloaded.boolForKey(QStringLiteral("Yes"))); // only "YES" is true
    EXPECT_FALSE(reloaded.boolForKey(QStringLiteral("Missing")));
    EXPECT_EQ(reloaded.floatForKey(QStringLiteral("Missing")), 0.0f);
    EXPECT_EQ(reloaded.floatForKey(QStringLiteral("Yes")), 0.0f); // unreadable
    for (float v : floats)
        EXPECT_EQ(reloaded.floatForKey(QString::number(v)), v) << v;
}
