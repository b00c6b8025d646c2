// RS-232 calls over QSerialPort used synchronously (no event loop): every call clears the sticky error
// state first and decides by return values; a read or resource error means the line is gone. Reply lines
// are read from the descriptor in the kernel's line mode, so that a line costs one wake-up, not one a byte.

#include "platform/line/rs232.h"

#include "platform/line/rs232_trace.h"

#include <QSerialPort>

#include <array>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#ifdef _WIN32
#include <windows.h>
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

namespace {

using Uhr = std::chrono::steady_clock;

constexpr int STANDARD_ZEITLIMIT_MS = 10000; // until SetComTime is called
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
#endif

struct Port {
    std::unique_ptr<QSerialPort> seriell;
    int zeitlimitMs = STANDARD_ZEITLIMIT_MS;
    double zeichenzeitS = 0; // wire time of one character with the line's settings
#ifndef _WIN32
    std::unique_ptr<Zeilenmodus> zeilenmodus; // line mode left on after the last reply, if it is
#endif
};

constexpr int PLAETZE = RS232_ERSTER_GERAETEPORT + RS232_MAX_GERAETEPORTE;
std::array<Port, PLAETZE> gPorts;
std::array<std::string, PLAETZE> gPfade;

bool nummerGueltig(int port) {
    return (port >= 1 && port <= RS232_MAX_PORT) || (port >= RS232_ERSTER_GERAETEPORT && port < PLAETZE);
}

// The open port with its error state cleared, or nullptr.
QSerialPort* offen(int port) {
    if (!nummerGueltig(port)) return nullptr;
    QSerialPort* p = gPorts[port].seriell.get();
    if (!p || !p->isOpen()) {
#ifndef _WIN32
        if (auto& m = gPorts[port].zeilenmodus) m->verwerfen(); // its descriptor is gone
        gPorts[port].zeilenmodus.reset();
#endif
        return nullptr;
    }
    // Clearing builds an error text and signals it: only when there is something to clear.
    if (p->error() != QSerialPort::NoError) p->clearError();
    return p;
}

// Back to raw mode, where every byte is readable as it comes.
void rohmodus([[maybe_unused]] int port) {
#ifndef _WIN32
    gPorts[port].zeilenmodus.reset();
#endif
}

int fehlerFuer(int port) {
    return nummerGueltig(port) ? RS232_FEHLER_NICHT_OFFEN : RS232_FEHLER_PORTNUMMER;
}

bool leitungVerloren(const QSerialPort* p) {
    return p->error() == QSerialPort::ReadError || p->error() == QSerialPort::ResourceError;
}

int restMs(Uhr::time_point ende) {
    const auto rest = std::chrono::duration_cast<std::chrono::milliseconds>(ende - Uhr::now()).count();
    return rest > 0 ? static_cast<int>(rest) : 0;
}

// Bytes the operating system still holds for sending; negative when it cannot tell.
long kernelAusgang(QSerialPort* p) {
#ifdef _WIN32
    // FlushFileBuffers returns once the driver has sent everything.
    return FlushFileBuffers(reinterpret_cast<HANDLE>(p->handle())) ? 0 : -1;
#else
    int n = 0;
    if (ioctl(static_cast<int>(p->handle()), TIOCOUTQ, &n) != 0) return -1;
    return n;
#endif
}

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

#ifndef _WIN32
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

// Reads the rest of a line in line mode (the caller has taken what Qt held). `n` bytes are in the buffer.
// Bytes that were queued before line mode began come as one piece that may run past the terminator: what
// follows it goes to `rest` for the caller to put back.
// With `erstes` >= 0 a reply that begins with another byte ends after that byte.
int zeileLesen(Zeilenmodus& modus, int fd, int zeitlimitMs, char* puffer, int count, int terminator,
               int erstes, int& n, std::string& rest) {
    // A first byte other than the expected one ends the reply there; what came with it goes back.
    const auto fremdesErstes = [&](int vorher) {
        if (erstes < 0 || vorher > 0 || n == 0 || static_cast<unsigned char>(puffer[0]) == erstes)
            return false;
        rest.assign(puffer + 1, static_cast<std::size_t>(n - 1));
        n = 1;
        return true;
    };
    const auto grenze = std::chrono::milliseconds(zeitlimitMs);
    const auto fenster = std::chrono::milliseconds(std::max(FENSTER_MIN_MS, zeitlimitMs / FENSTER_TEILER));
    auto fortschritt = Uhr::now();
    while (n < count) {
        const auto ablauf = std::min(fortschritt + grenze, Uhr::now() + fenster);
        pollfd pf{fd, POLLIN, 0};
        const int r = poll(&pf, 1, restMs(ablauf + std::chrono::microseconds(999)));
        if (r < 0 && errno != EINTR) return RS232_FEHLER_ALLGEMEIN;
        bool neu = false;
        if (r > 0 && (pf.revents & (POLLHUP | POLLERR | POLLNVAL))) return RS232_FEHLER_LEITUNG;
        if (r > 0) {
            int k = 0;
            const Gelesen g = lesenEinmal(fd, puffer + n, count - n, k, false);
            if (g == Gelesen::Fehler) return RS232_FEHLER_LEITUNG;
            // A line read ends at its terminator (or at a line feed, which the kernel always ends on).
            if (g == Gelesen::Daten) {
                neu = true;
                const char* ende = static_cast<const char*>(std::memchr(puffer + n, terminator, k));
                const int vorher = n;
                n += k;
                if (fremdesErstes(vorher)) return n;
                if (ende) {
                    const int zeilenende = static_cast<int>(ende - puffer) + 1;
                    rest.assign(puffer + zeilenende, static_cast<std::size_t>(n - zeilenende));
                    n = zeilenende;
                    return n;
                }
            }
        } else if (r == 0) {
            // No line end yet: take what has come, one byte at a time so that nothing past a terminator
            // that arrived just now is taken.
            if (!modus.roh()) return RS232_FEHLER_ALLGEMEIN;
            while (n < count) {
                int k = 0;
                const Gelesen g = lesenEinmal(fd, puffer + n, 1, k, true);
                if (g == Gelesen::Fehler) return RS232_FEHLER_LEITUNG;
                if (g == Gelesen::Nichts) break;
                neu = true;
                if (fremdesErstes(n++) || static_cast<unsigned char>(puffer[n - 1]) == terminator) {
                    // The next reply starts in line mode again.
                    if (!modus.zeile()) return RS232_FEHLER_ALLGEMEIN;
                    return n;
                }
            }
            if (!modus.zeile()) return RS232_FEHLER_ALLGEMEIN;
        }
        if (neu)
            fortschritt = Uhr::now();
        else if (Uhr::now() >= fortschritt + grenze)
            return RS232_FEHLER_ZEITLIMIT;
    }
    return n;
}
#endif

} // namespace

bool Rs232_PortGueltig(int port) {
    return Rs232_IstComPort(port) || (nummerGueltig(port) && !gPfade[port].empty());
}

std::string Rs232_Geraetepfad(int port) {
    if (!nummerGueltig(port)) return {};
    if (!gPfade[port].empty() || port > RS232_MAX_PORT) return gPfade[port];
#ifdef _WIN32
    return "COM" + std::to_string(port);
#else
    const std::string variable = "PLM1_COM" + std::to_string(port);
    if (const char* wert = std::getenv(variable.c_str()); wert && *wert) return wert;
    return "/dev/ttyS" + std::to_string(port - 1);
#endif
}

void Rs232_GeraetepfadSetzen(int port, const std::string& path) {
    if (nummerGueltig(port)) gPfade[port] = path;
}

int OpenComConfig(int port, const char* deviceName, long baudRate, int parity, int dataBits, int stopBits,
                  int /*inputQueueSize*/, int /*outputQueueSize*/) {
    // The queue sizes are the operating system's; Qt's own buffers grow as needed.
    if (!nummerGueltig(port)) return RS232_FEHLER_PORTNUMMER;
    static constexpr QSerialPort::Parity paritaeten[] = {QSerialPort::NoParity, QSerialPort::OddParity,
                                                         QSerialPort::EvenParity};
    if (baudRate <= 0 || baudRate > 4'000'000 || parity < 0 || parity > 2 || dataBits < 5 || dataBits > 8 ||
        (stopBits != 1 && stopBits != 2))
        return RS232_FEHLER_PARAMETER;
    CloseCom(port);

    auto p = std::make_unique<QSerialPort>();
    const std::string pfad = deviceName && *deviceName ? std::string(deviceName) : Rs232_Geraetepfad(port);
    if (pfad.empty()) return RS232_FEHLER_PORTNUMMER;
    p->setPortName(QString::fromStdString(pfad));
    if (!p->open(QIODevice::ReadWrite)) {
        if (keinZugriff(*p, pfad)) return RS232_FEHLER_ZUGRIFF;
        // Refused although the user may use the device: it is locked by another program.
        return p->error() == QSerialPort::PermissionError ? RS232_FEHLER_BELEGT : RS232_FEHLER_ALLGEMEIN;
    }
    niedrigeLatenzAnfordern(p.get());
    // A pseudo-terminal carries bytes without framing and refuses character size and parity.
    const bool pty = pseudoterminal(p.get());
    const bool ok = p->setBaudRate(static_cast<qint32>(baudRate)) &&
                    (p->setDataBits(static_cast<QSerialPort::DataBits>(dataBits)) || pty) &&
                    (p->setParity(paritaeten[parity]) || pty) &&
                    (p->setStopBits(stopBits == 1 ? QSerialPort::OneStop : QSerialPort::TwoStop) || pty) &&
                    p->setFlowControl(QSerialPort::NoFlowControl);
    // Nothing sent before the open belongs to us.
    if (!ok || !p->clear()) {
        p->close();
        return RS232_FEHLER_PARAMETER;
    }
    Port& eintrag = gPorts[port];
    eintrag.seriell = std::move(p);
    eintrag.zeitlimitMs = STANDARD_ZEITLIMIT_MS;
    eintrag.zeichenzeitS = (1.0 + dataBits + (parity ? 1 : 0) + stopBits) / static_cast<double>(baudRate);
    Rs232Trace_Geoeffnet(port, pfad);
    return 0;
}

int CloseCom(int port) {
    QSerialPort* p = offen(port);
    if (!p) return fehlerFuer(port);
    rohmodus(port); // while the descriptor is still ours
    p->close();
    gPorts[port].seriell.reset();
    Rs232Trace_Geschlossen(port);
    return 0;
}

int SetComTime(int port, double timeoutSeconds) {
    if (!offen(port)) return fehlerFuer(port);
    if (!std::isfinite(timeoutSeconds) || timeoutSeconds < 0 || timeoutSeconds > 1e6)
        return RS232_FEHLER_PARAMETER;
    gPorts[port].zeitlimitMs = static_cast<int>(std::ceil(timeoutSeconds * 1000));
    return 0;
}

namespace {

// With the log on, what is about to be thrown away is logged first: bytes already read from the line and,
// with `auchLeitung`, what the line holds now (a line begun in line mode is handed over by raw mode).
void verworfeneProtokollieren(int port, QSerialPort* p, bool auchLeitung) {
    if (!rs232trace::gProtokollLaeuft) return;
    if (auchLeitung) {
        rohmodus(port);
        p->waitForReadyRead(0);
        if (p->error() != QSerialPort::NoError) p->clearError();
    }
    if (p->bytesAvailable() == 0) return;
    const QByteArray weg = p->readAll();
    Rs232Trace_Verworfen(weg.constData(), static_cast<int>(weg.size()));
}

} // namespace

int FlushInQ(int port) {
    QSerialPort* p = offen(port);
    if (!p) return fehlerFuer(port);
    // Every transaction begins here: the log starts its next line.
    Rs232Trace_Transaktion();
    verworfeneProtokollieren(port, p, true);
    Rs232Trace_TransaktionEnde();
    return p->clear(QSerialPort::Input) ? 0 : RS232_FEHLER_ALLGEMEIN;
}

void Rs232_TransaktionBeenden(int port, bool fehlgeschlagen) {
    if (!rs232trace::gProtokollLaeuft) return;
    if (QSerialPort* p = offen(port)) verworfeneProtokollieren(port, p, fehlgeschlagen);
    Rs232Trace_TransaktionEnde();
}

int FlushOutQ(int port) {
    QSerialPort* p = offen(port);
    if (!p) return fehlerFuer(port);
    // Only when something is waiting: on a pseudo-terminal the kernel cannot tell what the other end
    // has not read yet, and flushing would throw away a command that has in fact been sent.
    if (p->bytesToWrite() == 0 && kernelAusgang(p) == 0) return 0;
    return p->clear(QSerialPort::Output) ? 0 : RS232_FEHLER_ALLGEMEIN;
}

int ComWrt(int port, const char* buffer, int count) {
    QSerialPort* p = offen(port);
    if (!p) return fehlerFuer(port);
    if (count < 0 || (count > 0 && !buffer)) return RS232_FEHLER_PARAMETER;
    if (count == 0) return 0;
    const qint64 n = p->write(buffer, count);
    if (n < 0) return RS232_FEHLER_ALLGEMEIN;
    Rs232Trace_Gesendet(buffer, static_cast<int>(n));
    // Without an event loop nothing moves until we push: hand what the kernel takes now to it.
    p->waitForBytesWritten(0);
    if (leitungVerloren(p)) return RS232_FEHLER_LEITUNG;
    return static_cast<int>(n);
}

int GetOutQLen(int port) {
    QSerialPort* p = offen(port);
    if (!p) return fehlerFuer(port);
#ifdef _WIN32
    return static_cast<int>(p->bytesToWrite());
#else
    const long kernel = kernelAusgang(p);
    if (kernel < 0) return RS232_FEHLER_ALLGEMEIN;
    return static_cast<int>(p->bytesToWrite() + kernel);
#endif
}

int ComWaitUntilSent(int port, double maxSeconds) {
    QSerialPort* p = offen(port);
    if (!p) return fehlerFuer(port);
    if (!std::isfinite(maxSeconds) || maxSeconds < 0) return RS232_FEHLER_PARAMETER;
    const auto ende =
        Uhr::now() + std::chrono::duration_cast<Uhr::duration>(std::chrono::duration<double>(maxSeconds));
    const double zeichenzeit = gPorts[port].zeichenzeitS;
    for (;;) {
        if (p->bytesToWrite() > 0) {
            // Blocks in poll() until the kernel takes more or the bound runs out.
            const int rest = restMs(ende);
            if (rest <= 0) return RS232_FEHLER_ZEITLIMIT;
            p->waitForBytesWritten(rest);
            if (leitungVerloren(p)) return RS232_FEHLER_LEITUNG;
            continue;
        }
        const long kernel = kernelAusgang(p);
        if (kernel < 0) return RS232_FEHLER_ALLGEMEIN;
        if (kernel == 0) return 0;
        const double rest = std::chrono::duration<double>(ende - Uhr::now()).count();
        if (rest <= 0) return RS232_FEHLER_ZEITLIMIT;
        // Sleep for the wire time of what is left, then look again.
        schlafen(std::min(rest, std::max(zeichenzeit, static_cast<double>(kernel) * zeichenzeit)));
    }
}

namespace {

void fehlerProtokollieren(int fehler) {
    Rs232Trace_Ereignis(fehler == RS232_FEHLER_ZEITLIMIT ? "Zeitlimit"
                        : fehler == RS232_FEHLER_LEITUNG ? "Leitung unterbrochen"
                                                         : "Fehler beim Lesen");
}

int byteLesen(int port) {
    QSerialPort* p = offen(port);
    if (!p) return fehlerFuer(port);
    rohmodus(port); // a lone byte never ends a line
    // Bytes already buffered do not wake waitForReadyRead: look first.
    const auto ende = Uhr::now() + std::chrono::milliseconds(gPorts[port].zeitlimitMs);
    while (p->bytesAvailable() == 0) {
        const int rest = restMs(ende);
        if (rest <= 0) return RS232_FEHLER_ZEITLIMIT;
        if (!p->waitForReadyRead(rest) && p->bytesAvailable() == 0) {
            if (leitungVerloren(p)) return RS232_FEHLER_LEITUNG;
            return p->error() == QSerialPort::TimeoutError || restMs(ende) <= 0 ? RS232_FEHLER_ZEITLIMIT
                                                                                : RS232_FEHLER_ALLGEMEIN;
        }
    }
    char c = 0;
    if (p->read(&c, 1) != 1) return RS232_FEHLER_ALLGEMEIN;
    return static_cast<unsigned char>(c);
}

// ComRdTerm with `n` counting the bytes in the buffer even when it fails; with `erstes` >= 0 a first byte
// other than that one ends the read after it.
int terminiertLesen(int port, QSerialPort* p, char* buffer, int count, int terminator, int erstes, int& n) {
    // What Qt already holds comes first.
    while (n < count && p->bytesAvailable() > 0) {
        if (!p->getChar(buffer + n)) return RS232_FEHLER_ALLGEMEIN;
        const auto byte = static_cast<unsigned char>(buffer[n++]);
        if (byte == terminator || (n == 1 && erstes >= 0 && byte != erstes)) return n;
    }
#ifndef _WIN32
    if (n < count && terminator != _POSIX_VDISABLE && count - n <= ZEILENMODUS_MAX) {
        auto& modus = gPorts[port].zeilenmodus;
        const int fd = static_cast<int>(p->handle());
        if (!modus || !modus->aktiv() || modus->terminator() != terminator) {
            modus.reset();
            modus = std::make_unique<Zeilenmodus>(fd, terminator);
        }
        if (!modus->aktiv()) {
            modus.reset();
            return RS232_FEHLER_ALLGEMEIN;
        }
        std::string rest;
        const int gelesen =
            zeileLesen(*modus, fd, gPorts[port].zeitlimitMs, buffer, count, terminator, erstes, n, rest);
        if (gelesen < 0) modus.reset();
        for (auto it = rest.rbegin(); it != rest.rend(); ++it)
            p->ungetChar(*it);
        return gelesen;
    }
#endif
    while (n < count) {
        const int byte = byteLesen(port);
        if (byte < 0) return byte;
        buffer[n++] = static_cast<char>(byte);
        if (byte == terminator || (n == 1 && erstes >= 0 && byte != erstes)) break;
    }
    return n;
}

int lesenMitProtokoll(int port, char* buffer, int count, int terminator, int erstes, int* erhalten) {
    QSerialPort* p = offen(port);
    if (!p) return fehlerFuer(port);
    if (count < 0 || (count > 0 && !buffer) || terminator < 0 || terminator > 255 || erstes > 255)
        return RS232_FEHLER_PARAMETER;
    int n = 0;
    const int ergebnis = terminiertLesen(port, p, buffer, count, terminator, erstes, n);
    Rs232Trace_Empfangen(buffer, n);
    if (ergebnis < 0) fehlerProtokollieren(ergebnis);
    if (erhalten) *erhalten = n;
    return ergebnis;
}

} // namespace

int ComRdByte(int port) {
    const int byte = byteLesen(port);
    if (byte >= 0) {
        const char c = static_cast<char>(byte);
        Rs232Trace_Empfangen(&c, 1);
    } else if (nummerGueltig(port) && gPorts[port].seriell) {
        fehlerProtokollieren(byte);
    }
    return byte;
}

int ComRdTerm(int port, char* buffer, int count, int terminator) {
    return lesenMitProtokoll(port, buffer, count, terminator, -1, nullptr);
}

int Rs232_AntwortLesen(int port, int quittung, char* buffer, int count, int terminator, int* erhalten) {
    if (erhalten) *erhalten = 0;
    if (quittung < 0) return RS232_FEHLER_PARAMETER;
    return lesenMitProtokoll(port, buffer, count, terminator, quittung, erhalten);
}
