#include "platform/Log.h"

#include <QLoggingCategory>
#include <gtest/gtest.h>

namespace {

struct Logged {
    QtMsgType type;
    QString category;
    QString text;
};

QList<Logged> logged;

void capture(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    logged.append({type, QString::fromUtf8(context.category), text});
}

} // namespace

TEST(Log, ALineGoesOutUnchangedAsInformationOfTheWandrelCategory) {
    const QtMessageHandler previous = qInstallMessageHandler(capture);
    wlog(QStringLiteral("Could not write \"prefs\": 50% full"));
    QLoggingCategory::setFilterRules(QStringLiteral("default.info=false\nqt.*=false"));
    wlog(QStringLiteral("still wanted"));
    QLoggingCategory::setFilterRules(QStringLiteral("wandrel.info=false"));
    wlog(QStringLiteral("not wanted"));
    QLoggingCategory::setFilterRules(QString());
    qInstallMessageHandler(previous);

    ASSERT_EQ(logged.size(), 2);
    EXPECT_EQ(logged[0].type, QtInfoMsg);
    EXPECT_EQ(logged[0].category, QStringLiteral("wandrel"));
    EXPECT_EQ(logged[0].text, QStringLiteral("Could not write \"prefs\": 50% full"));
    EXPECT_EQ(logged[1].text, QStringLiteral("still wanted"));
}
