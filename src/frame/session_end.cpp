#include "frame/session_end.h"

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>
#include <csignal>

#include "frame/main_window.h"

namespace slyders {

namespace {

// A signal handler may do almost nothing; it writes one byte into a pipe that the event
// loop watches, and the close happens there.
int g_pipe[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(g_pipe[1], &byte, 1);
}

void endSession(TMainWnd& window) {
    char drain[16];
    while (::read(g_pipe[0], drain, sizeof drain) > 0) {
    }
    closeWithoutQuestion(window);
}

}  // namespace

void closeWithoutQuestion(TMainWnd& window) {
    window.gra().running = false;  // so the close does not ask "Exit Slyders?"
    window.close();
    // Dialogs and message boxes run loops of their own; they all end, then the main one.
    QCoreApplication::exit(0);
}

void closeOnSessionEnd(TMainWnd& window) {
    if (g_pipe[0] < 0 && ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    auto* notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window,
                     [&window] { endSession(window); });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP}) ::sigaction(signal, &action, nullptr);
}

}  // namespace slyders
