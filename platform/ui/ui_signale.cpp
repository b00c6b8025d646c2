// SIGINT/SIGTERM through a socket pair: the handler only writes a byte; a socket notifier on the UI thread
// then asks the event loop to end.

#include "platform/ui/ui_signale.h"

#include "platform/ui/ui.h"
#include "platform/ui/ui_intern.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int g_paar[2] = {-1, -1};

void handler(int) {
    const char c = 1;
    const ssize_t r = ::write(g_paar[0], &c, 1); // async-signal-safe; a full pipe just drops the byte
    (void)r;
}
} // namespace

void UI_BeendenBeiSignal() {
    if (!uiint::appDa() || g_paar[0] >= 0) return;
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_paar) != 0) {
        g_paar[0] = g_paar[1] = -1;
        return;
    }
    for (int fd : g_paar)
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    auto* n = new QSocketNotifier(g_paar[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(n, &QSocketNotifier::activated, n, [] {
        char puffer[16];
        while (::read(g_paar[1], puffer, sizeof puffer) > 0) {
        }
        QuitUserInterface(0);
    });
    struct sigaction sa {};
    sa.sa_handler = handler;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &sa, nullptr);
    ::sigaction(SIGTERM, &sa, nullptr);
}
