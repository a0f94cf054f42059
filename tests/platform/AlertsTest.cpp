#include "platform/Alerts.h"

#include <gtest/gtest.h>

TEST(Alerts, ScriptedAnswersComeInOrderThenTheDefault) {
    using Answer = Alerts::Answer;
    Alerts::scriptAnswers({Answer::Alternate, Answer::Other});
    for (Answer expected : {Answer::Alternate, Answer::Other, Answer::Default})
        EXPECT_EQ(Alerts::run(nullptr, QStringLiteral("Delete?"), QStringLiteral("In use."),
                              QStringLiteral("Delete"), QStringLiteral("Cancel")),
                  expected);
    const QList<Alerts::Record> answered = Alerts::answered();
    ASSERT_EQ(answered.size(), 3);
    EXPECT_EQ(answered[1].title + answered[1].message, QStringLiteral("Delete?In use."));
    EXPECT_EQ(answered[1].answer, Answer::Other);
    Alerts::reset();
    EXPECT_TRUE(Alerts::answered().isEmpty());
}
