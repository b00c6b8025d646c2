// Serves a simulated line on a pseudo-terminal: one thread reads what the PC sends, hands it to the bus
// and writes the units' answers back, optionally at the speed of a 9600-baud line in both directions.

#include "sim/plm1sim_server.h"

#include "sim/plm1sim_protokoll.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/prctl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace plm1sim {
namespace {

using Uhr = std::chrono::steady_clock; // CLOCK_MONOTONIC
using Dauer = std::chrono::nanoseconds;

// 10 bit times (start, 7 data, parity, stop) at 9600 baud.
constexpr Dauer ZEICHENZEIT{1'000'000'000LL * 10 / 9600};
constexpr int POLL_INTERVALL_MS = 20; // pressure model steps at least this often

void schlafenBis(Uhr::time_point t) {
    const auto ns = std::chrono::duration_cast<Dauer>(t.time_since_epoch()).count();
    timespec ts{static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) == EINTR) {
    }
}

// A timer wake-up here comes up to several hundred microseconds late. The last byte of a reply decides when
// a transaction ends, so it is sent from a short busy wait instead, lest the unit's lateness count as the
// PC's.
constexpr Dauer VORLAUF_LETZTES_ZEICHEN = std::chrono::microseconds(600);

void schlafenGenauBis(Uhr::time_point t) {
    schlafenBis(t - VORLAUF_LETZTES_ZEICHEN);
    while (Uhr::now() < t) {
    }
}

bool rohSetzen(int fd) {
    termios t{};
    if (tcgetattr(fd, &t) != 0) return false;
    cfmakeraw(&t);
    return tcsetattr(fd, TCSANOW, &t) == 0;
}

} // namespace

struct Server::Impl {
    std::unique_ptr<Bus> bus = std::make_unique<Bus>();
    int master = -1;
    int slave = -1; // kept open so that the line survives the PC closing its end
    int stopLesen = -1;
    int stopSchreiben = -1;
    std::string pfad;
    bool takt = false;
    std::atomic<bool> stop{false};
    std::atomic<int> latenzMs{0};
    std::thread thread;
    Uhr::time_point empfangFrei{}; // when the receiving direction of the paced line is free again
    Uhr::time_point sendenFrei{};

    void schliessen() {
        for (int* fd : {&master, &slave, &stopLesen, &stopSchreiben}) {
            if (*fd >= 0) close(*fd);
            *fd = -1;
        }
        pfad.clear();
    }

    // Writes everything unless the server stops meanwhile.
    void schreiben(const char* daten, std::size_t n) {
        while (n > 0 && !stop) {
            const ssize_t r = write(master, daten, n);
            if (r > 0) {
                daten += r;
                n -= static_cast<std::size_t>(r);
            } else if (r < 0 && (errno == EAGAIN || errno == EINTR)) {
                pollfd p{master, POLLOUT, 0};
                poll(&p, 1, POLL_INTERVALL_MS);
            } else {
                return;
            }
        }
    }

    // `ab`: when the unit may start sending (the end of the command it answers), so that a late wake-up
    // of this thread does not delay the answer.
    void senden(const std::string& antwort, Uhr::time_point ab) {
        if (antwort.empty()) return;
        if (latenzMs > 0) {
            ueberAdapterSenden(antwort, ab);
            return;
        }
        if (!takt) {
            schreiben(antwort.data(), antwort.size());
            return;
        }
        // Each character reaches the PC when its last bit is on the line: absolute deadlines, no drift.
        const auto t0 = std::max(ab, sendenFrei);
        for (std::size_t i = 0; i < antwort.size() && !stop; ++i) {
            const auto frist = t0 + ZEICHENZEIT * static_cast<long>(i + 1);
            if (i + 1 == antwort.size())
                schlafenGenauBis(frist);
            else
                schlafenBis(frist);
            schreiben(&antwort[i], 1);
        }
        sendenFrei = t0 + ZEICHENZEIT * static_cast<long>(antwort.size());
    }

    // The adapter passes bytes on in one piece when its timer runs out (counted from the first byte it
    // holds) or when its buffer is full, whichever comes first.
    void ueberAdapterSenden(const std::string& antwort, Uhr::time_point ab) {
        const auto t0 = takt ? std::max(ab, sendenFrei) : Uhr::now();
        const auto am = [&](std::size_t i) {
            return takt ? t0 + ZEICHENZEIT * static_cast<long>(i + 1) : t0;
        };
        const auto zeitgeber = std::chrono::milliseconds(latenzMs.load());
        const std::size_t n = antwort.size();
        for (std::size_t i = 0; i < n && !stop;) {
            const auto ablauf = am(i) + zeitgeber;
            std::size_t j = i;
            while (j < n && j - i < ADAPTER_PUFFER && am(j) <= ablauf)
                ++j;
            schlafenGenauBis(j - i == ADAPTER_PUFFER ? am(j - 1) : ablauf);
            schreiben(&antwort[i], j - i);
            i = j;
        }
        if (takt) sendenFrei = t0 + ZEICHENZEIT * static_cast<long>(n);
    }

    // Bytes from the PC that were there at `ankunft`. On a paced line each command is executed only once its
    // last character could have arrived, so replies never overtake the command on the wire.
    void empfangen(const char* daten, std::size_t n, Uhr::time_point ankunft) {
        if (!takt) {
            senden(bus->empfangen(std::string(daten, n)), Uhr::now());
            return;
        }
        std::size_t anfang = 0;
        while (anfang < n) {
            std::size_t ende = anfang;
            while (ende < n && daten[ende] != CR)
                ++ende;
            ende = std::min(ende + 1, n);
            const auto fertig =
                std::max(ankunft, empfangFrei) + ZEICHENZEIT * static_cast<long>(ende - anfang);
            empfangFrei = fertig;
            schlafenBis(fertig);
            senden(bus->empfangen(std::string(daten + anfang, ende - anfang)), fertig);
            anfang = ende;
        }
    }

    void laufen() {
        // Pacing wants wake-ups at the deadlines, not up to the default 50 us after them.
        if (takt) prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
        auto zuletzt = Uhr::now();
        char puffer[4096];
        while (!stop) {
            pollfd p[2] = {{master, POLLIN, 0}, {stopLesen, POLLIN, 0}};
            const int r = poll(p, 2, POLL_INTERVALL_MS);
            const auto jetzt = Uhr::now();
            bus->schritt(std::chrono::duration<double>(jetzt - zuletzt).count());
            zuletzt = jetzt;
            if (stop || (r > 0 && (p[1].revents & POLLIN))) break;
            if (r <= 0) continue;
            if (p[0].revents & POLLIN) {
                const ssize_t n = read(master, puffer, sizeof puffer);
                if (n > 0) empfangen(puffer, static_cast<std::size_t>(n), jetzt);
            } else if (p[0].revents & (POLLHUP | POLLERR)) {
                // no reader on the other end right now; do not spin
                timespec ts{0, POLL_INTERVALL_MS * 1'000'000L};
                nanosleep(&ts, nullptr);
            }
        }
    }
};

Server::Server() : impl_(std::make_unique<Impl>()) {}

Server::~Server() {
    stoppen();
}

bool Server::starten(std::vector<Einheit> einheiten, bool takt9600) {
    Impl& d = *impl_;
    if (d.thread.joinable()) return false;
    d.bus = std::make_unique<Bus>(std::move(einheiten));
    d.takt = takt9600;
    d.stop = false;
    d.empfangFrei = d.sendenFrei = Uhr::now();
    int pipeFds[2];
    if (openpty(&d.master, &d.slave, nullptr, nullptr, nullptr) != 0 || pipe2(pipeFds, O_CLOEXEC) != 0) {
        d.schliessen();
        return false;
    }
    d.stopLesen = pipeFds[0];
    d.stopSchreiben = pipeFds[1];
    fcntl(d.master, F_SETFD, FD_CLOEXEC);
    fcntl(d.slave, F_SETFD, FD_CLOEXEC);
    const char* name = ttyname(d.slave);
    if (!name || !rohSetzen(d.master) || !rohSetzen(d.slave) ||
        fcntl(d.master, F_SETFL, fcntl(d.master, F_GETFL) | O_NONBLOCK) != 0) {
        d.schliessen();
        return false;
    }
    d.pfad = name;
    d.thread = std::thread([&d] { d.laufen(); });
    return true;
}

void Server::stoppen() {
    Impl& d = *impl_;
    if (!d.thread.joinable()) return;
    d.stop = true;
    const char c = 1;
    (void)!write(d.stopSchreiben, &c, 1);
    d.thread.join();
    d.schliessen();
}

std::string Server::pfad() const {
    return impl_->pfad;
}

Bus& Server::bus() {
    return *impl_->bus;
}

void Server::latenzzeitgeberSetzen(int ms) {
    impl_->latenzMs = std::max(0, ms);
}

bool Server::ausgabeAnhalten(bool anhalten) {
    return impl_->slave >= 0 && tcflow(impl_->slave, anhalten ? TCOOFF : TCOON) == 0;
}

} // namespace plm1sim
