#pragma once

#include "platform/SignalQuit.h"

#include <QObject>
#include <QPointer>

class AcetateWindow;
class QSessionManager;

// The application's delegate: it ties the end of the process, however it
// comes (the Quit command, the last window closed, a signal, the end of the
// session), to the controller's one shutdown.
class AppDelegate : public QObject {
    Q_OBJECT
public:
    explicit AppDelegate(AcetateWindow& window);

    AcetateWindow* getWindow() const { return window; }
    void applicationDidFinishLaunching() {}
    // The application may always end at once.
    bool applicationShouldTerminate() const { return true; }

private:
    void commitData(QSessionManager& manager);
    void terminate();

    QPointer<AcetateWindow> window;
    SignalQuit signalQuit;
};
