#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into an orderly QCoreApplication::quit(),
// so that everything hooked to aboutToQuit still runs when the session ends
// or the user presses Ctrl+C. A signal handler may do next to nothing: it
// writes a byte into a pipe that the event loop watches.
class SignalQuit : public QObject {
    Q_OBJECT
public:
    explicit SignalQuit(QObject* parent = nullptr);
    ~SignalQuit() override;
    SignalQuit(const SignalQuit&) = delete;
    SignalQuit& operator=(const SignalQuit&) = delete;

    // The signals caught so far and acted on.
    int caught() const { return count; }

private:
    void readSignal();

    std::unique_ptr<QSocketNotifier> notifier;
    int count = 0;
};
