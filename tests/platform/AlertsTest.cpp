#include "platform/Alerts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Answers the panel that run() is about to show, as soon as its modal loop
// starts.
void answerPanel(const QString& buttonText) {
    QTimer::singleShot(0, [buttonText] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        if (buttonText.isEmpty()) {
            QTest::keyClick(box, Qt::Key_Escape);
            return;
        }
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == buttonText) {
                button->click();
                return;
            }
        }
        box->done(0);
        ADD_FAILURE() << "no button " << buttonText.toStdString();
    });
}

} // namespace

class AlertsTest : public ::testing::Test {
protected:
    void TearDown() override { Alerts::reset(); }
};

TEST_F(AlertsTest, ScriptedAnswersAreGivenInOrderAndRecorded) {
    Alerts::scriptAnswers({Alerts::Answer::Alternate, Alerts::Answer::Other});
    EXPECT_EQ(Alerts::run(nullptr, QStringLiteral("Delete unit?"), QStringLiteral("It is in use."),
                          QStringLiteral("Delete"), QStringLiteral("Cancel")),
              Alerts::Answer::Alternate);
    EXPECT_EQ(Alerts::run(nullptr, QStringLiteral("Second"), QString(), QString()),
              Alerts::Answer::Other);
    // Once the script runs out, the default button answers: nothing blocks.
    EXPECT_EQ(Alerts::run(nullptr, QStringLiteral("Third"), QStringLiteral("m"), QString()),
              Alerts::Answer::Default);

    const QList<Alerts::Record> answered = Alerts::answered();
    ASSERT_EQ(answered.size(), 3);
    EXPECT_EQ(answered[0].title, QStringLiteral("Delete unit?"));
    EXPECT_EQ(answered[0].message, QStringLiteral("It is in use."));
    EXPECT_EQ(answered[1].answer, Alerts::Answer::Other);
    EXPECT_EQ(answered[2].title, QStringLiteral("Third"));

    Alerts::reset();
    EXPECT_TRUE(Alerts::answered().isEmpty());
}

TEST_F(AlertsTest, ClassicReturnValues) {
    EXPECT_EQ(int(Alerts::Answer::Default), 1);
    EXPECT_EQ(int(Alerts::Answer::Alternate), 0);
    EXPECT_EQ(int(Alerts::Answer::Other), -1);
}

TEST_F(AlertsTest, RealPanelsReportTheButtonPressed) {
    const auto ask = [] {
        return Alerts::run(nullptr, QStringLiteral("Save?"), QStringLiteral("Changes"),
                           QStringLiteral("Save"), QStringLiteral("Cancel"),
                           QStringLiteral("Don't Save"));
    };
    answerPanel(QStringLiteral("Save"));
    EXPECT_EQ(ask(), Alerts::Answer::Default);
    answerPanel(QStringLiteral("Cancel"));
    EXPECT_EQ(ask(), Alerts::Answer::Alternate);
    answerPanel(QStringLiteral("Don't Save"));
    EXPECT_EQ(ask(), Alerts::Answer::Other);
    answerPanel(QString());
    EXPECT_EQ(ask(), Alerts::Answer::Alternate);

    answerPanel(QStringLiteral("OK"));
    EXPECT_EQ(Alerts::run(nullptr, QStringLiteral("Done"), QString(), QString()),
              Alerts::Answer::Default);
    EXPECT_TRUE(Alerts::answered().isEmpty());
}
