#include "platform/Log.h"

#include <QLoggingCategory>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

struct Logged {
    QtMsgType type;
    QString category;
    QString text;
};

QList<Logged>* logged = nullptr;

void capture(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    logged->append({type, QString::fromUtf8(context.category), text});
}

class LogTest : public ::testing::Test {
protected:
    void SetUp() override {
        logged = &lines;
        previous = qInstallMessageHandler(capture);
    }
    void TearDown() override {
        qInstallMessageHandler(previous);
        QLoggingCategory::setFilterRules(QString());
        logged = nullptr;
    }
    QList<Logged> lines;
    QtMessageHandler previous = nullptr;
};

} // namespace

TEST_F(LogTest, ALineGoesOutUnchangedAsInformationOfTheWandrelCategory) {
    wlog(QStringLiteral("Could not write \"prefs\": 50% full"));
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0].type, QtInfoMsg);
    EXPECT_EQ(lines[0].category, QStringLiteral("wandrel"));
    EXPECT_EQ(lines[0].text, QStringLiteral("Could not write \"prefs\": 50% full"));
}

TEST_F(LogTest, TheUsersLoggingRulesTurnTheLinesOff) {
    QLoggingCategory::setFilterRules(QStringLiteral("wandrel.info=false"));
    wlog(QStringLiteral("not wanted"));
    EXPECT_TRUE(lines.isEmpty());
}

TEST_F(LogTest, RulesForOtherCategoriesLeaveTheLinesOn) {
    QLoggingCategory::setFilterRules(QStringLiteral("default.info=false\nqt.*=false"));
    wlog(QStringLiteral("still wanted"));
    EXPECT_EQ(lines.size(), 1);
}
