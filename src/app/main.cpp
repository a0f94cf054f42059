#include "app/AcetateWindow.h"
#include "app/AppDelegate.h"
#include "platform/StringTables.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    // Answered before QApplication so that it needs no display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("Wandrel %s\n", WANDREL_VERSION);
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Wandrel"));
    QApplication::setOrganizationName(QStringLiteral("Wandrel"));
    QApplication::setApplicationVersion(QStringLiteral(WANDREL_VERSION));
    StringTables::installToolkitTranslations(app);
    StringTables::installTranslations(app);
    AcetateWindow window;
    AppDelegate delegate(window);
    window.show();
    delegate.applicationDidFinishLaunching();
    // WANDREL_QUIT_AFTER_START=1: a full start, then quit after the first
    // event-loop turn, so an installed copy can be tried unattended.
    if (qEnvironmentVariableIntValue("WANDREL_QUIT_AFTER_START") == 1)
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
