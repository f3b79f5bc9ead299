#include "ui/quit_signals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QWidget>
#include <csignal>

namespace {

int quitPipe[2] = {-1, -1};

// A signal handler may only do async-signal-safe things: it wakes the event loop and returns.
extern "C" void OnQuitSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(quitPipe[0], &byte, 1);
}

}  // namespace

void CloseOnQuitSignals(QWidget* window) {
    if (quitPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, quitPipe) != 0) return;
    auto* notifier = new QSocketNotifier(quitPipe[1], QSocketNotifier::Read, window);
    QObject::connect(notifier, &QSocketNotifier::activated, window, [window, notifier] {
        char byte;
        [[maybe_unused]] const ssize_t n = ::read(quitPipe[1], &byte, 1);
        // A second signal while the closing sound plays must not close twice.
        notifier->setEnabled(false);
        // The credits splash may still be up and refuses to close: leave without asking it.
        if (window->close()) QCoreApplication::exit(0);
    });
    struct sigaction action {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) sigaction(sig, &action, nullptr);
}
