#include "app/AcetateWindow.h"
#include "app/AppDelegate.h"
#include "platform/StringTables.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Wandrel"));
    QApplication::setOrganizationName(QStringLiteral("Wandrel"));
    StringTables::installTranslations(app);
    AcetateWindow window;
    AppDelegate delegate(window);
    window.show();
    delegate.applicationDidFinishLaunching();
    return QApplication::exec();
}
