// The RS-232 calls over one line per port: a serial port of this PC or a socket to a serial device server,
// chosen by the port's path. Port numbers, time-outs and the traffic log are kept here for both.

#include "platform/line/rs232.h"
#include "platform/sprache/textmarke.h"

#include "platform/line/leitung_netz.h"
#include "platform/line/leitung_seriell.h"
#include "platform/line/rs232_trace.h"

#include <array>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>

namespace rs232 {

int restMs(Uhr::time_point ende) {
    const auto rest = std::chrono::duration_cast<std::chrono::milliseconds>(ende - Uhr::now()).count();
    return rest > 0 ? static_cast<int>(rest) : 0;
}

} // namespace rs232

namespace {

using rs232::Uhr;

constexpr int STANDARD_ZEITLIMIT_MS = 10000; // until SetComTime is called

struct Port {
    std::unique_ptr<rs232::Leitung> leitung;
    int zeitlimitMs = STANDARD_ZEITLIMIT_MS;
    double zeichenzeitS = 0; // wire time of one character with the line's settings
    std::string grund;       // why the last open failed, where the network said
};

constexpr int PLAETZE = RS232_ERSTER_GERAETEPORT + RS232_MAX_GERAETEPORTE;
std::array<Port, PLAETZE> gPorts;
std::array<std::string, PLAETZE> gPfade;

bool nummerGueltig(int port) {
    return (port >= 1 && port <= RS232_MAX_PORT) || (port >= RS232_ERSTER_GERAETEPORT && port < PLAETZE);
}

// The open line with its error state cleared, or nullptr.
rs232::Leitung* offen(int port) {
    if (!nummerGueltig(port)) return nullptr;
    rs232::Leitung* l = gPorts[port].leitung.get();
    return l && l->offen() ? l : nullptr;
}

int fehlerFuer(int port) {
    return nummerGueltig(port) ? RS232_FEHLER_NICHT_OFFEN : RS232_FEHLER_PORTNUMMER;
}

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
    if (baudRate <= 0 || baudRate > 4'000'000 || parity < 0 || parity > 2 || dataBits < 5 || dataBits > 8 ||
        (stopBits != 1 && stopBits != 2))
        return RS232_FEHLER_PARAMETER;
    CloseCom(port);
    Port& eintrag = gPorts[port];
    eintrag.grund.clear();

    const std::string pfad = deviceName && *deviceName ? std::string(deviceName) : Rs232_Geraetepfad(port);
    if (pfad.empty()) return RS232_FEHLER_PORTNUMMER;
    const rs232::Linienparameter l{baudRate, parity, dataBits, stopBits};
    int fehler = 0;
    std::unique_ptr<rs232::Leitung> leitung;
    if (Rs232_IstNetzadresse(pfad)) {
        Rs232_Netzadresse adresse;
        if (!Rs232_NetzadresseLesen(pfad, &adresse)) {
            eintrag.grund = Textmarke_Satz(
                QT_TRANSLATE_NOOP("Plm1", "\"%1\" ist keine Netzwerkadresse der Form tcp://RECHNER:PORT "
                                          "oder rfc2217://RECHNER:PORT"),
                pfad);
            return RS232_FEHLER_PARAMETER;
        }
        leitung = rs232::Leitung_NetzOeffnen(adresse, l, fehler, eintrag.grund);
    } else {
        leitung = rs232::Leitung_SeriellOeffnen(pfad, l, fehler);
    }
    if (!leitung) return fehler;
    eintrag.leitung = std::move(leitung);
    eintrag.zeitlimitMs = STANDARD_ZEITLIMIT_MS;
    eintrag.zeichenzeitS = (1.0 + dataBits + (parity ? 1 : 0) + stopBits) / static_cast<double>(baudRate);
    Rs232Trace_Geoeffnet(port, pfad);
    return 0;
}

std::string Rs232_Grund(int port) {
    if (!nummerGueltig(port)) return {};
    const Port& p = gPorts[port];
    return p.leitung ? p.leitung->grund() : p.grund;
}

int CloseCom(int port) {
    rs232::Leitung* l = offen(port);
    if (!l) return fehlerFuer(port);
    l->schliessen();
    gPorts[port].leitung.reset();
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
// with `auchLeitung`, what the line holds now.
void verworfeneProtokollieren(rs232::Leitung* l, bool auchLeitung) {
    if (!rs232trace::gProtokollLaeuft) return;
    const QByteArray weg = l->gepuffertAbholen(auchLeitung);
    if (!weg.isEmpty()) Rs232Trace_Verworfen(weg.constData(), static_cast<int>(weg.size()));
}

} // namespace

int FlushInQ(int port) {
    rs232::Leitung* l = offen(port);
    if (!l) return fehlerFuer(port);
    // Every transaction begins here: the log starts its next line.
    Rs232Trace_Transaktion();
    verworfeneProtokollieren(l, true);
    Rs232Trace_TransaktionEnde();
    return l->eingangVerwerfen() ? 0 : RS232_FEHLER_ALLGEMEIN;
}

void Rs232_TransaktionBeenden(int port, bool fehlgeschlagen) {
    if (!rs232trace::gProtokollLaeuft) return;
    if (rs232::Leitung* l = offen(port)) verworfeneProtokollieren(l, fehlgeschlagen);
    Rs232Trace_TransaktionEnde();
}

int FlushOutQ(int port) {
    rs232::Leitung* l = offen(port);
    if (!l) return fehlerFuer(port);
    return l->ausgangVerwerfen();
}

int ComWrt(int port, const char* buffer, int count) {
    rs232::Leitung* l = offen(port);
    if (!l) return fehlerFuer(port);
    if (count < 0 || (count > 0 && !buffer)) return RS232_FEHLER_PARAMETER;
    if (count == 0) return 0;
    const int n = l->schreiben(buffer, count);
    if (n > 0) Rs232Trace_Gesendet(buffer, n);
    return n;
}

int GetOutQLen(int port) {
    rs232::Leitung* l = offen(port);
    return l ? l->ausgangLaenge() : fehlerFuer(port);
}

int ComWaitUntilSent(int port, double maxSeconds) {
    rs232::Leitung* l = offen(port);
    if (!l) return fehlerFuer(port);
    if (!std::isfinite(maxSeconds) || maxSeconds < 0) return RS232_FEHLER_PARAMETER;
    const auto ende =
        Uhr::now() + std::chrono::duration_cast<Uhr::duration>(std::chrono::duration<double>(maxSeconds));
    return l->wartenBisGesendet(ende, gPorts[port].zeichenzeitS);
}

namespace {

void fehlerProtokollieren(int fehler) {
    Rs232Trace_Ereignis(fehler == RS232_FEHLER_ZEITLIMIT ? "Zeitlimit"
                        : fehler == RS232_FEHLER_LEITUNG ? "Leitung unterbrochen"
                                                         : "Fehler beim Lesen");
}

int lesenMitProtokoll(int port, char* buffer, int count, int terminator, int erstes, int* erhalten) {
    rs232::Leitung* l = offen(port);
    if (!l) return fehlerFuer(port);
    if (count < 0 || (count > 0 && !buffer) || terminator < 0 || terminator > 255 || erstes > 255)
        return RS232_FEHLER_PARAMETER;
    rs232::Leseauftrag auftrag{buffer, count, terminator, erstes, 0};
    const int ergebnis = l->terminiertLesen(auftrag, gPorts[port].zeitlimitMs);
    Rs232Trace_Empfangen(buffer, auftrag.n);
    if (ergebnis < 0) fehlerProtokollieren(ergebnis);
    if (erhalten) *erhalten = auftrag.n;
    return ergebnis;
}

} // namespace

int ComRdByte(int port) {
    rs232::Leitung* l = offen(port);
    if (!l) return fehlerFuer(port);
    const int byte = l->byteLesen(gPorts[port].zeitlimitMs);
    if (byte >= 0) {
        const char c = static_cast<char>(byte);
        Rs232Trace_Empfangen(&c, 1);
    } else {
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
