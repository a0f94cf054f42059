#include "platform/PopUpTitles.h"

#include <QComboBox>

QString PopUpTitles::selected(const QComboBox* box) {
    return box && box->currentIndex() >= 0 ? box->currentText() : QString();
}

bool PopUpTitles::select(QComboBox* box, const QString& title) {
    const int index = box ? box->findText(title, Qt::MatchExactly | Qt::MatchCaseSensitive) : -1;
    if (index < 0)
        return false;
    if (index != box->currentIndex())
        box->setCurrentIndex(index);
    return true;
}
