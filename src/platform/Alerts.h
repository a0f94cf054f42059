#pragma once

#include <QList>
#include <QString>

#include <initializer_list>

class QWidget;

// Modal alert panels. Tests script the answers, so no test ever waits on a
// modal loop.
class Alerts {
public:
    // The button that closed the panel, with the classic return values.
    enum class Answer : int { Default = 1, Alternate = 0, Other = -1 };
    struct Record {
        QString title;
        QString message;
        Answer answer;
    };

    // Shows the panel and waits for a button. An empty default button reads
    // "OK"; empty alternate and other buttons are not shown. Closing the
    // panel without a button counts as the alternate button if there is
    // one, else as the default button.
    static Answer run(QWidget* parent, const QString& title, const QString& message,
                      const QString& defaultButton, const QString& alternateButton = {},
                      const QString& otherButton = {});

    // From now until reset(), run() shows nothing: it answers with the next
    // scripted answer (Default once they are used up) and records the alert.
    static void scriptAnswers(std::initializer_list<Answer> answers);
    // The alerts answered by script, oldest first.
    static QList<Record> answered();
    // Back to showing real panels; forgets the script and the records.
    static void reset();
};
