#pragma once

#include "QStringPrinter.h"

#include <QComboBox>
#include <QTest>
#include <gtest/gtest.h>

// Picks a title with the keyboard, as a user without a mouse would; every
// step on the way is reported to the pop-up's listeners as a choice.
inline void choose(QComboBox* box, const QString& title) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Home);
    while (box->currentText() != title && box->currentIndex() < box->count() - 1)
        QTest::keyClick(box, Qt::Key_Down);
    ASSERT_EQ(box->currentText(), title);
}
