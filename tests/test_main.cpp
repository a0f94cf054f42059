#include "DefaultsSandbox.h"

#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    // Widget tests need no display; a caller may still choose a real one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale::c());
    QApplication app(argc, argv);
    // No test reads or writes the user's own preferences.
    const TemporaryDefaults store;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
