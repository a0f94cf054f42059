#include "platform/SignalQuit.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// One pair for the process: [0] is written by the handler, [1] read by Qt.
int pair[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(pair[0], &byte, 1);
}

} // namespace

SignalQuit::SignalQuit(QObject* parent) : QObject(parent) {
    if (pair[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM, 0, pair) != 0)
        return;
    ::fcntl(pair[0], F_SETFL, O_NONBLOCK);
    notifier = std::make_unique<QSocketNotifier>(pair[1], QSocketNotifier::Read);
    connect(notifier.get(), &QSocketNotifier::activated, this, &SignalQuit::readSignal);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

SignalQuit::~SignalQuit() {
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

void SignalQuit::readSignal() {
    char byte = 0;
    if (::read(pair[1], &byte, 1) != 1)
        return;
    ++count;
    QCoreApplication::quit();
}
