// The serial line over QSerialPort used synchronously (no event loop): every call clears the sticky error
// state first and decides by return values; a read or resource error means the line is gone. Reply lines
// are read from the descriptor in the kernel's line mode, so that a line costs one wake-up, not one a byte.

#include "platform/line/leitung_seriell.h"

#include "platform/line/rs232.h"

#include <QSerialPort>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX // std::min and std::max, not the macros
#endif
#include <windows.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#else
#include <cerrno>
#include <ctime>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#endif
#ifdef __linux__
#include <linux/serial.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

namespace rs232 {
namespace {

#ifndef _WIN32
// The kernel keeps the start of an over-long line; longer reads go byte by byte.
constexpr int ZEILENMODUS_MAX = 4000;
// How often a line that has not ended yet is looked at: the time-out between bytes then holds to within
// this share of itself, at a few extra wake-ups per long reply.
constexpr int FENSTER_TEILER = 8;
constexpr int FENSTER_MIN_MS = 10;
#endif
#ifdef __linux__
constexpr unsigned PTY_SLAVE_MAJOR_ERSTE = 136; // Unix98 pseudo-terminal slaves
constexpr unsigned PTY_SLAVE_MAJOR_LETZTE = 143;
#endif

#ifndef _WIN32
// While alive, the line discipline collects bytes into lines ended by the terminator and wakes the reader
// once per line instead of once per byte. Every other special character is switched off, so that bytes
// arrive as they were sent. A port keeps it from one reply to the next (each switch costs three system
// calls) and drops it before a single byte is read.
class Zeilenmodus {
  public:
    Zeilenmodus(int fd, int terminator) : fd_(fd), terminator_(terminator) {
        if (tcgetattr(fd_, &roh_) != 0) return;
        zeile_ = roh_;
        zeile_.c_lflag |= ICANON;
        zeile_.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ISIG | IEXTEN);
        for (const int zeichen : {VEOF, VERASE, VKILL, VEOL2, VWERASE, VREPRINT, VLNEXT})
            zeile_.c_cc[zeichen] = _POSIX_VDISABLE;
        zeile_.c_cc[VEOL] = static_cast<cc_t>(terminator);
        aktiv_ = tcsetattr(fd_, TCSANOW, &zeile_) == 0;
    }
    ~Zeilenmodus() {
        if (aktiv_) tcsetattr(fd_, TCSANOW, &roh_);
    }
    Zeilenmodus(const Zeilenmodus&) = delete;
    Zeilenmodus& operator=(const Zeilenmodus&) = delete;
    bool aktiv() const { return aktiv_; }
    int terminator() const { return terminator_; }
    // The port has been closed under it: nothing to restore.
    void verwerfen() { aktiv_ = false; }
    // Switching back and forth hands over a line that has begun but not ended.
    bool roh() { return tcsetattr(fd_, TCSANOW, &roh_) == 0; }
    bool zeile() { return tcsetattr(fd_, TCSANOW, &zeile_) == 0; }

  private:
    int fd_;
    int terminator_;
    termios roh_{};
    termios zeile_{};
    bool aktiv_ = false;
};

enum class Gelesen { Nichts, Daten, Fehler };

// One read() into `ziel`. Raw mode reads 0 when nothing is there; after poll() reported a line, 0 means
// the line hung up. Any other failure is a lost line too.
Gelesen lesenEinmal(int fd, char* ziel, int maximal, int& n, bool nullIstLeer) {
    const ssize_t k = ::read(fd, ziel, static_cast<std::size_t>(maximal));
    if (k > 0) {
        n = static_cast<int>(k);
        return Gelesen::Daten;
    }
    if (k == 0) return nullIstLeer ? Gelesen::Nichts : Gelesen::Fehler;
    return errno == EAGAIN || errno == EINTR ? Gelesen::Nichts : Gelesen::Fehler;
}

// Reads the rest of one reply line in line mode into the caller's request (the caller has taken what Qt
// held). Bytes that were queued before line mode began come as one piece that may run past the
// terminator: what follows it is kept in `rest()` for the caller to put back.
class Zeilenleser {
  public:
    Zeilenleser(Zeilenmodus& modus, int fd, int zeitlimitMs, Leseauftrag& auftrag)
        : modus_(modus), fd_(fd), zeitlimitMs_(zeitlimitMs), a_(auftrag) {}

    int lesen();
    const std::string& rest() const { return rest_; }

  private:
    // A first byte other than the expected one ends the reply there; what came with it goes back.
    bool fremdesErstes(int vorher) {
        if (a_.erstes < 0 || vorher > 0 || a_.n == 0 || static_cast<unsigned char>(a_.puffer[0]) == a_.erstes)
            return false;
        rest_.assign(a_.puffer + 1, static_cast<std::size_t>(a_.n - 1));
        a_.n = 1;
        return true;
    }
    // Takes a piece that poll() reported; true when the reply has ended.
    bool zeileNehmen(int k, int vorher);
    // No line end yet: takes what has come, one byte at a time so that nothing past a terminator that
    // arrived just now is taken. 1 when the reply has ended, 0 to go on, negative on a fault.
    int rohNehmen(bool& neu);

    Zeilenmodus& modus_;
    int fd_;
    int zeitlimitMs_;
    Leseauftrag& a_;
    std::string rest_;
};

bool Zeilenleser::zeileNehmen(int k, int vorher) {
    // A line read ends at its terminator (or at a line feed, which the kernel always ends on).
    const char* ende = static_cast<const char*>(std::memchr(a_.puffer + vorher, a_.terminator, k));
    a_.n = vorher + k;
    if (fremdesErstes(vorher)) return true;
    if (!ende) return false;
    const int zeilenende = static_cast<int>(ende - a_.puffer) + 1;
    rest_.assign(a_.puffer + zeilenende, static_cast<std::size_t>(a_.n - zeilenende));
    a_.n = zeilenende;
    return true;
}

int Zeilenleser::rohNehmen(bool& neu) {
    if (!modus_.roh()) return RS232_FEHLER_ALLGEMEIN;
    while (a_.n < a_.count) {
        int k = 0;
        const Gelesen g = lesenEinmal(fd_, a_.puffer + a_.n, 1, k, true);
        if (g == Gelesen::Fehler) return RS232_FEHLER_LEITUNG;
        if (g == Gelesen::Nichts) break;
        neu = true;
        if (fremdesErstes(a_.n++) || static_cast<unsigned char>(a_.puffer[a_.n - 1]) == a_.terminator) {
            // The next reply starts in line mode again.
            return modus_.zeile() ? 1 : RS232_FEHLER_ALLGEMEIN;
        }
    }
    return modus_.zeile() ? 0 : RS232_FEHLER_ALLGEMEIN;
}

int Zeilenleser::lesen() {
    const auto grenze = std::chrono::milliseconds(zeitlimitMs_);
    const auto fenster = std::chrono::milliseconds(std::max(FENSTER_MIN_MS, zeitlimitMs_ / FENSTER_TEILER));
    auto fortschritt = Uhr::now();
    while (a_.n < a_.count) {
        const auto ablauf = std::min(fortschritt + grenze, Uhr::now() + fenster);
        pollfd pf{fd_, POLLIN, 0};
        const int r = poll(&pf, 1, restMs(ablauf + std::chrono::microseconds(999)));
        if (r < 0 && errno != EINTR) return RS232_FEHLER_ALLGEMEIN;
        bool neu = false;
        if (r > 0 && (pf.revents & (POLLHUP | POLLERR | POLLNVAL))) return RS232_FEHLER_LEITUNG;
        if (r > 0) {
            int k = 0;
            const int vorher = a_.n;
            const Gelesen g = lesenEinmal(fd_, a_.puffer + vorher, a_.count - vorher, k, false);
            if (g == Gelesen::Fehler) return RS232_FEHLER_LEITUNG;
            if (g == Gelesen::Daten) {
                neu = true;
                if (zeileNehmen(k, vorher)) return a_.n;
            }
        } else if (r == 0) {
            const int ergebnis = rohNehmen(neu);
            if (ergebnis < 0) return ergebnis;
            if (ergebnis > 0) return a_.n;
        }
        if (neu)
            fortschritt = Uhr::now();
        else if (Uhr::now() >= fortschritt + grenze)
            return RS232_FEHLER_ZEITLIMIT;
    }
    return a_.n;
}
#endif

bool pseudoterminal([[maybe_unused]] QSerialPort* p) {
#ifdef __linux__
    struct stat st {};
    if (fstat(static_cast<int>(p->handle()), &st) != 0 || !S_ISCHR(st.st_mode)) return false;
    const unsigned haupt = major(st.st_rdev);
    return haupt >= PTY_SLAVE_MAJOR_ERSTE && haupt <= PTY_SLAVE_MAJOR_LETZTE;
#else
    return false;
#endif
}

// USB-serial adapters hold received bytes back for their latency timer (16 ms on the common chips) unless
// their buffer fills; a short reply then costs that much on top of its wire time. The serial driver's
// low-latency flag makes ftdi_sio and the other usb-serial drivers that take it use 1 ms instead. Where
// the flag does not apply (pseudo-terminals, on-board ports of some drivers, other systems) the request
// is refused and nothing else changes, so a refusal is not an error.
void niedrigeLatenzAnfordern([[maybe_unused]] QSerialPort* p) {
#ifdef __linux__
    const int fd = static_cast<int>(p->handle());
    serial_struct info{};
    if (ioctl(fd, TIOCGSERIAL, &info) != 0) return;
    if (info.flags & ASYNC_LOW_LATENCY) return;
    info.flags |= ASYNC_LOW_LATENCY;
    (void)ioctl(fd, TIOCSSERIAL, &info);
#endif
}

// An open that failed because the user may not use the device (not because another program holds it).
bool keinZugriff([[maybe_unused]] const QSerialPort& p, [[maybe_unused]] const std::string& pfad) {
#ifdef _WIN32
    return false;
#else
    return p.error() == QSerialPort::PermissionError && access(pfad.c_str(), R_OK | W_OK) != 0 &&
           errno == EACCES;
#endif
}

void schlafen(double sekunden) {
#ifdef _WIN32
    Sleep(static_cast<DWORD>(std::ceil(sekunden * 1000)));
#else
    const auto ns = static_cast<long long>(sekunden * 1e9);
    timespec ts{static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
    while (nanosleep(&ts, &ts) != 0 && errno == EINTR) {
    }
#endif
}

bool leitungVerloren(const QSerialPort* p) {
    return p->error() == QSerialPort::ReadError || p->error() == QSerialPort::ResourceError;
}

class SerielleLeitung final : public Leitung {
  public:
    explicit SerielleLeitung(std::unique_ptr<QSerialPort> p) : p_(std::move(p)) {}
    ~SerielleLeitung() override { schliessen(); }

    bool offen() override {
        if (!p_ || !p_->isOpen()) {
#ifndef _WIN32
            if (zeilenmodus_) zeilenmodus_->verwerfen(); // its descriptor is gone
            zeilenmodus_.reset();
#endif
            return false;
        }
        // Clearing builds an error text and signals it: only when there is something to clear.
        if (p_->error() != QSerialPort::NoError) p_->clearError();
        return true;
    }

    void schliessen() override {
        if (!p_) return;
        rohmodus(); // while the descriptor is still ours
        p_->close();
        p_.reset();
    }

    QByteArray gepuffertAbholen(bool auchLeitung) override {
        if (auchLeitung) {
            rohmodus();
            p_->waitForReadyRead(0);
            if (p_->error() != QSerialPort::NoError) p_->clearError();
        }
        return p_->bytesAvailable() > 0 ? p_->readAll() : QByteArray();
    }

    bool eingangVerwerfen() override {
        return p_->clear(QSerialPort::Input);
    }

    int ausgangVerwerfen() override {
        // Only when something is waiting: on a pseudo-terminal the kernel cannot tell what the other end
        // has not read yet, and flushing would throw away a command that has in fact been sent.
        if (p_->bytesToWrite() == 0 && kernelAusgang() == 0) return 0;
        return p_->clear(QSerialPort::Output) ? 0 : RS232_FEHLER_ALLGEMEIN;
    }

    int schreiben(const char* daten, int anzahl) override {
        const qint64 n = p_->write(daten, anzahl);
        if (n < 0) return RS232_FEHLER_ALLGEMEIN;
        // Without an event loop nothing moves until we push: hand what the kernel takes now to it.
        p_->waitForBytesWritten(0);
        if (leitungVerloren(p_.get())) return RS232_FEHLER_LEITUNG;
        return static_cast<int>(n);
    }

    int ausgangLaenge() override {
#ifdef _WIN32
        return static_cast<int>(p_->bytesToWrite());
#else
        const long kernel = kernelAusgang();
        if (kernel < 0) return RS232_FEHLER_ALLGEMEIN;
        return static_cast<int>(p_->bytesToWrite() + kernel);
#endif
    }

    int wartenBisGesendet(Uhr::time_point ende, double zeichenzeit) override;
    int byteLesen(int zeitlimitMs) override;
    int terminiertLesen(Leseauftrag& a, int zeitlimitMs) override;

  private:
    // Back to raw mode, where every byte is readable as it comes.
    void rohmodus() {
#ifndef _WIN32
        zeilenmodus_.reset();
#endif
    }

    // Bytes the operating system still holds for sending; negative when it cannot tell.
    long kernelAusgang() {
#ifdef _WIN32
        return 0; // the wait below asks the driver itself
#else
        int n = 0;
        if (ioctl(static_cast<int>(p_->handle()), TIOCOUTQ, &n) != 0) return -1;
        return n;
#endif
    }

    std::unique_ptr<QSerialPort> p_;
#ifndef _WIN32
    std::unique_ptr<Zeilenmodus> zeilenmodus_; // line mode left on after the last reply, if it is
#endif
};

#ifdef _WIN32
// FlushFileBuffers returns once the driver has sent everything, with no bound of its own: it runs on a
// helper thread and the wait gives up at `ende`. The thread keeps its state alive and ends with the flush
// (or fails at once when the port is closed under it).
int treiberLeeren(HANDLE h, Uhr::time_point ende) {
    struct Zustand {
        std::mutex m;
        std::condition_variable cv;
        bool fertig = false;
        bool ok = false;
    };
    auto z = std::make_shared<Zustand>();
    std::thread([h, z] {
        const bool ok = FlushFileBuffers(h) != 0;
        const std::lock_guard<std::mutex> sperre(z->m);
        z->ok = ok;
        z->fertig = true;
        z->cv.notify_one();
    }).detach();
    std::unique_lock<std::mutex> sperre(z->m);
    if (!z->cv.wait_until(sperre, ende, [&z] { return z->fertig; })) return RS232_FEHLER_ZEITLIMIT;
    return z->ok ? 0 : RS232_FEHLER_ALLGEMEIN;
}
#endif

int SerielleLeitung::wartenBisGesendet(Uhr::time_point ende, [[maybe_unused]] double zeichenzeit) {
    for (;;) {
        if (p_->bytesToWrite() > 0) {
            // Blocks in poll() until the kernel takes more or the bound runs out.
            const int rest = restMs(ende);
            if (rest <= 0) return RS232_FEHLER_ZEITLIMIT;
            p_->waitForBytesWritten(rest);
            if (leitungVerloren(p_.get())) return RS232_FEHLER_LEITUNG;
            continue;
        }
#ifdef _WIN32
        return treiberLeeren(reinterpret_cast<HANDLE>(p_->handle()), ende);
#else
        const long kernel = kernelAusgang();
        if (kernel < 0) return RS232_FEHLER_ALLGEMEIN;
        if (kernel == 0) return 0;
        const double rest = std::chrono::duration<double>(ende - Uhr::now()).count();
        if (rest <= 0) return RS232_FEHLER_ZEITLIMIT;
        // Sleep for the wire time of what is left, then look again.
        schlafen(std::min(rest, std::max(zeichenzeit, static_cast<double>(kernel) * zeichenzeit)));
#endif
    }
}

int SerielleLeitung::byteLesen(int zeitlimitMs) {
    rohmodus(); // a lone byte never ends a line
    // Bytes already buffered do not wake waitForReadyRead: look first.
    const auto ende = Uhr::now() + std::chrono::milliseconds(zeitlimitMs);
    while (p_->bytesAvailable() == 0) {
        const int rest = restMs(ende);
        if (rest <= 0) return RS232_FEHLER_ZEITLIMIT;
        if (!p_->waitForReadyRead(rest) && p_->bytesAvailable() == 0) {
            if (leitungVerloren(p_.get())) return RS232_FEHLER_LEITUNG;
            return p_->error() == QSerialPort::TimeoutError || restMs(ende) <= 0 ? RS232_FEHLER_ZEITLIMIT
                                                                                 : RS232_FEHLER_ALLGEMEIN;
        }
    }
    char c = 0;
    if (p_->read(&c, 1) != 1) return RS232_FEHLER_ALLGEMEIN;
    return static_cast<unsigned char>(c);
}

int SerielleLeitung::terminiertLesen(Leseauftrag& a, int zeitlimitMs) {
    // What Qt already holds comes first.
    while (a.n < a.count && p_->bytesAvailable() > 0) {
        if (!p_->getChar(a.puffer + a.n)) return RS232_FEHLER_ALLGEMEIN;
        const auto byte = static_cast<unsigned char>(a.puffer[a.n++]);
        if (byte == a.terminator || (a.n == 1 && a.erstes >= 0 && byte != a.erstes)) return a.n;
    }
#ifndef _WIN32
    if (a.n < a.count && a.terminator != _POSIX_VDISABLE && a.count - a.n <= ZEILENMODUS_MAX) {
        const int fd = static_cast<int>(p_->handle());
        if (!zeilenmodus_ || !zeilenmodus_->aktiv() || zeilenmodus_->terminator() != a.terminator) {
            zeilenmodus_.reset();
            zeilenmodus_ = std::make_unique<Zeilenmodus>(fd, a.terminator);
        }
        if (!zeilenmodus_->aktiv()) {
            zeilenmodus_.reset();
            return RS232_FEHLER_ALLGEMEIN;
        }
        Zeilenleser leser(*zeilenmodus_, fd, zeitlimitMs, a);
        const int gelesen = leser.lesen();
        if (gelesen < 0) zeilenmodus_.reset();
        const std::string& rest = leser.rest();
        for (auto it = rest.rbegin(); it != rest.rend(); ++it)
            p_->ungetChar(*it);
        return gelesen;
    }
#endif
    while (a.n < a.count) {
        const int byte = byteLesen(zeitlimitMs);
        if (byte < 0) return byte;
        a.puffer[a.n++] = static_cast<char>(byte);
        if (byte == a.terminator || (a.n == 1 && a.erstes >= 0 && byte != a.erstes)) break;
    }
    return a.n;
}

} // namespace

std::unique_ptr<Leitung> Leitung_SeriellOeffnen(const std::string& pfad, const Linienparameter& l,
                                                int& fehler) {
    static constexpr QSerialPort::Parity paritaeten[] = {QSerialPort::NoParity, QSerialPort::OddParity,
                                                         QSerialPort::EvenParity};
    auto p = std::make_unique<QSerialPort>();
    p->setPortName(QString::fromStdString(pfad));
    if (!p->open(QIODevice::ReadWrite)) {
        if (keinZugriff(*p, pfad))
            fehler = RS232_FEHLER_ZUGRIFF;
        else // refused although the user may use the device: it is locked by another program
            fehler =
                p->error() == QSerialPort::PermissionError ? RS232_FEHLER_BELEGT : RS232_FEHLER_ALLGEMEIN;
        return nullptr;
    }
    niedrigeLatenzAnfordern(p.get());
    // A pseudo-terminal carries bytes without framing and refuses character size and parity.
    const bool pty = pseudoterminal(p.get());
    const bool ok = p->setBaudRate(static_cast<qint32>(l.baud)) &&
                    (p->setDataBits(static_cast<QSerialPort::DataBits>(l.dataBits)) || pty) &&
                    (p->setParity(paritaeten[l.parity]) || pty) &&
                    (p->setStopBits(l.stopBits == 1 ? QSerialPort::OneStop : QSerialPort::TwoStop) || pty) &&
                    p->setFlowControl(QSerialPort::NoFlowControl);
    // Nothing sent before the open belongs to us.
    if (!ok || !p->clear()) {
        p->close();
        fehler = RS232_FEHLER_PARAMETER;
        return nullptr;
    }
    fehler = 0;
    return std::make_unique<SerielleLeitung>(std::move(p));
}

} // namespace rs232
