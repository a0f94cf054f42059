#include "app/AppDelegate.h"

#include "app/AcetateWindow.h"
#include "app/FatController.h"

#include <QGuiApplication>
#include <QSessionManager>

AppDelegate::AppDelegate(AcetateWindow& w) : window(&w) {
    connect(qApp, &QCoreApplication::aboutToQuit, this, &AppDelegate::terminate);
    // A session that ends may not give the event loop another turn.
    connect(qApp, &QGuiApplication::commitDataRequest, this, &AppDelegate::terminate);
}

// Saving twice (a session's end, then its quit) costs nothing and keeps
// what changed in between.
void AppDelegate::terminate() {
    if (window)
        window->getController().applicationWillTerminate();
}
