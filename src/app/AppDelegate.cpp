#include "app/AppDelegate.h"

#include "app/AcetateWindow.h"
#include "app/FatController.h"
#include "app/MeasurementDocument.h"

#include <QGuiApplication>
#include <QSessionManager>

AppDelegate::AppDelegate(AcetateWindow& w) : window(&w) {
    connect(qApp, &QCoreApplication::aboutToQuit, this, &AppDelegate::terminate);
    // A session that ends may not give the event loop another turn.
    connect(qApp, &QGuiApplication::commitDataRequest, this, &AppDelegate::commitData);
}

// Unsaved work is saved or let go before the session may end; the answer
// stands for the quit that follows, which asks no more.
void AppDelegate::commitData(QSessionManager& manager) {
    if (window && manager.allowsInteraction()) {
        FatController& controller = window->getController();
        const bool settled = controller.getDocument().maySetAside();
        manager.release();
        if (!settled) {
            manager.cancel();
            return;
        }
        controller.setChangesMade(false);
    }
    terminate();
}

// Saving twice (a session's end, then its quit) costs nothing and keeps
// what changed in between.
void AppDelegate::terminate() {
    if (window)
        window->getController().applicationWillTerminate();
}
