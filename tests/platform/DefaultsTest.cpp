#include "platform/Defaults.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cfloat>

class DefaultsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("defaults.ini")); }
};

TEST_F(DefaultsTest, StringsSurviveAReloadAndMissingIsNull) {
    const QString awkward = QStringLiteral("Über; a=b \"quoted\" \\ / , @Variant");
    {
        Defaults defaults(path());
        EXPECT_TRUE(defaults.stringForKey(QStringLiteral("Nothing")).isNull());
        defaults.setString(QStringLiteral("WandrelAnswerUnits"), awkward);
        defaults.setString(QStringLiteral("Empty"), QString());
        ASSERT_TRUE(defaults.sync());
    }
    Defaults reloaded(path());
    EXPECT_EQ(reloaded.stringForKey(QStringLiteral("WandrelAnswerUnits")), awkward);
    const QString empty = reloaded.stringForKey(QStringLiteral("Empty"));
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_FALSE(empty.isNull());
}

TEST_F(DefaultsTest, BooleansAreStoredAsYesAndNo) {
    {
        Defaults defaults(path());
        defaults.setBool(QStringLiteral("On"), true);
        defaults.setBool(QStringLiteral("Off"), false);
        for (const char* text : {"yes", "1", "true", "YES "})
            defaults.setString(QString::fromLatin1(text), QString::fromLatin1(text));
        ASSERT_TRUE(defaults.sync());
    }
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray ini = file.readAll();
    EXPECT_TRUE(ini.contains("On=YES")) << ini.constData();
    EXPECT_TRUE(ini.contains("Off=NO")) << ini.constData();

    Defaults reloaded(path());
    EXPECT_TRUE(reloaded.boolForKey(QStringLiteral("On")));
    EXPECT_FALSE(reloaded.boolForKey(QStringLiteral("Off")));
    EXPECT_FALSE(reloaded.boolForKey(QStringLiteral("Missing")));
    for (const char* text : {"yes", "1", "true", "YES "})
        EXPECT_FALSE(reloaded.boolForKey(QString::fromLatin1(text))) << text;
}

TEST_F(DefaultsTest, FloatsRoundTripExactly) {
    const float values[] = {0.1f,   1.0f / 3.0f, -123.456f, FLT_MAX,    FLT_MIN,
                            1e-40f, 16777215.0f, 0.0f,      3.4028e38f, 0.7f * 0.3f};
    {
        Defaults defaults(path());
        int i = 0;
        for (float v : values)
            defaults.setFloat(QString::number(i++), v);
        ASSERT_TRUE(defaults.sync());
    }
    Defaults reloaded(path());
    int i = 0;
    for (float v : values)
        EXPECT_EQ(reloaded.floatForKey(QString::number(i++)), v) << v;
}

TEST_F(DefaultsTest, FloatsReadLeniently) {
    Defaults defaults(path());
    EXPECT_EQ(defaults.floatForKey(QStringLiteral("Missing")), 0.0f);
    defaults.setString(QStringLiteral("Junk"), QStringLiteral("abc"));
    EXPECT_EQ(defaults.floatForKey(QStringLiteral("Junk")), 0.0f);
    defaults.setString(QStringLiteral("Unit"), QStringLiteral(" 2.5m"));
    EXPECT_EQ(defaults.floatForKey(QStringLiteral("Unit")), 2.5f);
    defaults.setBool(QStringLiteral("Flag"), true);
    EXPECT_EQ(defaults.floatForKey(QStringLiteral("Flag")), 0.0f);
}

TEST_F(DefaultsTest, HasKeyAndRemove) {
    Defaults defaults(path());
    EXPECT_FALSE(defaults.hasKey(QStringLiteral("Key")));
    defaults.setFloat(QStringLiteral("Key"), 1.5f);
    EXPECT_TRUE(defaults.hasKey(QStringLiteral("Key")));
    defaults.remove(QStringLiteral("Key"));
    EXPECT_FALSE(defaults.hasKey(QStringLiteral("Key")));
    EXPECT_EQ(defaults.floatForKey(QStringLiteral("Key")), 0.0f);
}

TEST_F(DefaultsTest, SyncReportsAFileThatCannotBeWritten) {
    // A regular file where the folder should be stops even root.
    QFile blocker(dir.filePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Defaults defaults(dir.filePath(QStringLiteral("blocker/defaults.ini")));
    defaults.setBool(QStringLiteral("On"), true);
    EXPECT_FALSE(defaults.sync());
}

TEST(DefaultsLocation, DefaultsToTheUsersIniFile) {
    Defaults defaults;
    EXPECT_TRUE(defaults.fileName().endsWith(QStringLiteral("Wandrel/Wandrel.ini")))
        << defaults.fileName().toStdString();
}
