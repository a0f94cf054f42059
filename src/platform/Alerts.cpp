#include "platform/Alerts.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace {

struct Script {
    bool active = false;
    QList<Alerts::Answer> answers;
    QList<Alerts::Record> answered;
};

Script& script() {
    static Script instance;
    return instance;
}

Alerts::Answer showPanel(QWidget* parent, const QString& title, const QString& message,
                         const QString& defaultButton, const QString& alternateButton,
                         const QString& otherButton) {
    QMessageBox box(parent);
    box.setWindowTitle(title);
    // Texts may carry names the user typed: never read them as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(title);
    box.setInformativeText(message);
    if (auto* informative = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel")))
        informative->setTextFormat(Qt::PlainText);
    const QString defaultText =
        defaultButton.isEmpty() ? QCoreApplication::translate("Wandrel", "OK") : defaultButton;
    QPushButton* defaultChoice = box.addButton(defaultText, QMessageBox::AcceptRole);
    QPushButton* alternateChoice = nullptr;
    if (!alternateButton.isEmpty())
        alternateChoice = box.addButton(alternateButton, QMessageBox::RejectRole);
    QPushButton* otherChoice = nullptr;
    if (!otherButton.isEmpty())
        otherChoice = box.addButton(otherButton, QMessageBox::DestructiveRole);
    box.setDefaultButton(defaultChoice);
    box.setEscapeButton(alternateChoice ? alternateChoice : defaultChoice);
    box.exec();
    const auto* clicked = box.clickedButton();
    if (clicked != nullptr && clicked == otherChoice)
        return Alerts::Answer::Other;
    if (clicked == defaultChoice || alternateChoice == nullptr)
        return Alerts::Answer::Default;
    return Alerts::Answer::Alternate;
}

} // namespace

Alerts::Answer Alerts::run(QWidget* parent, const QString& title, const QString& message,
                           const QString& defaultButton, const QString& alternateButton,
                           const QString& otherButton) {
    Script& scripted = script();
    if (!scripted.active)
        return showPanel(parent, title, message, defaultButton, alternateButton, otherButton);
    const Answer answer =
        scripted.answers.isEmpty() ? Answer::Default : scripted.answers.takeFirst();
    scripted.answered.append(Record{title, message, answer});
    return answer;
}

void Alerts::scriptAnswers(std::initializer_list<Answer> answers) {
    Script& scripted = script();
    scripted.active = true;
    scripted.answers.append(QList<Answer>(answers));
}

QList<Alerts::Record> Alerts::answered() {
    return script().answered;
}

void Alerts::reset() {
    script() = Script();
}
