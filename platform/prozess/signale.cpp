// Ending signals on POSIX: blocked and taken with sigtimedwait/sigwait, or written to a socket pair by a
// handler whose only work is one async-signal-safe write.

#include "platform/prozess/signale.h"

#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <pthread.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int gPaar[2] = {-1, -1}; // [0] written by the handler, [1] read by the event loop

sigset_t menge(Endesignale art) {
    sigset_t m;
    sigemptyset(&m);
    sigaddset(&m, SIGINT);
    if (art == Endesignale::UnterbrechungUndBeenden) sigaddset(&m, SIGTERM);
    return m;
}

void zeichenSchreiben(int) {
    const int alt = errno;
    const char c = 1;
    const ssize_t r = ::write(gPaar[0], &c, 1); // a full socket just drops the byte: one is enough
    (void)r;
    errno = alt;
}

} // namespace

void Signale_Zurueckhalten(Endesignale art) {
    const sigset_t m = menge(art);
    pthread_sigmask(SIG_BLOCK, &m, nullptr);
}

bool Signale_AbwartenBis(Endesignale art, std::chrono::steady_clock::time_point frist) {
    const sigset_t m = menge(art);
    for (;;) {
        const auto rest = frist - std::chrono::steady_clock::now();
        if (rest <= std::chrono::steady_clock::duration::zero()) {
            const timespec null{0, 0};
            return sigtimedwait(&m, nullptr, &null) > 0;
        }
        const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(rest).count();
        const timespec t{static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
        if (sigtimedwait(&m, nullptr, &t) > 0) return true;
    }
}

void Signale_Abwarten(Endesignale art) {
    const sigset_t m = menge(art);
    int signal = 0;
    while (sigwait(&m, &signal) != 0) {
    }
}

int Signale_AlsZeichen(Endesignale art) {
    if (gPaar[1] >= 0) return gPaar[1];
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, gPaar) != 0) {
        gPaar[0] = gPaar[1] = -1;
        return -1;
    }
    for (int fd : gPaar)
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    struct sigaction sa {};
    sa.sa_handler = zeichenSchreiben;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &sa, nullptr);
    if (art == Endesignale::UnterbrechungUndBeenden) ::sigaction(SIGTERM, &sa, nullptr);
    return gPaar[1];
}

void Signale_ZeichenLeeren() {
    char puffer[16];
    while (gPaar[1] >= 0 && ::read(gPaar[1], puffer, sizeof puffer) > 0) {
    }
}
