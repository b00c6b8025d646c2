// Traffic log of the serial line: collects the pieces of one transaction into a line and writes it out
// as soon as the transaction ends, so that a technician reads one command and its answer a line.

#include "platform/line/rs232_trace.h"

#include "platform/files/datei_sicher.h"

#include <QDateTime>

#include <array>
#include <chrono>
#include <cstdio>

namespace rs232trace {
bool gProtokollLaeuft = false;
}

namespace {

constexpr char GESENDET = '>';
constexpr char EMPFANGEN = '<';
constexpr char EREIGNIS = '!';

// Names of the control bytes 0x00..0x1F.
constexpr std::array<const char*, 32> STEUERZEICHEN = {"NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL",
                                                       "BS",  "HT",  "LF",  "VT",  "FF",  "CR",  "SO",  "SI",
                                                       "DLE", "DC1", "DC2", "DC3", "DC4", "NAK", "SYN", "ETB",
                                                       "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS",  "US"};
constexpr unsigned char DEL = 0x7F;
constexpr int COM_PORTS = 8;

struct Protokoll {
    DateiFortlaufend datei;
    std::function<long long()> uhr;
    std::chrono::steady_clock::time_point beginn;
    std::string zeile; // the transaction collected so far
    char richtung = 0; // of the last piece in `zeile`
    long long ms = -1; // time of the last piece in `zeile`
};

Protokoll gProtokoll;

long long jetztMs() {
    if (gProtokoll.uhr) return gProtokoll.uhr();
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 gProtokoll.beginn)
        .count();
}

void zeileSchreiben() {
    if (gProtokoll.zeile.empty()) return;
    gProtokoll.zeile += '\n';
    // On the disk a line at a time: the log must hold everything up to a crash or a pulled plug. A line
    // that does not arrive is not worth stopping the transfer for.
    (void)gProtokoll.datei.anhaengen(gProtokoll.zeile);
    gProtokoll.zeile.clear();
    gProtokoll.richtung = 0;
    gProtokoll.ms = -1;
}

// Appends to the open line; a new piece begins when the direction or the millisecond changes.
void stueck(char richtung, const std::string& text) {
    const long long t = jetztMs();
    if (richtung != gProtokoll.richtung || t != gProtokoll.ms) {
        if (!gProtokoll.zeile.empty()) gProtokoll.zeile += "  ";
        gProtokoll.zeile += "[" + std::to_string(t) + "] " + richtung + ' ';
        gProtokoll.richtung = richtung;
        gProtokoll.ms = t;
    }
    gProtokoll.zeile += text;
}

void eigeneZeile(const std::string& text) {
    zeileSchreiben();
    gProtokoll.zeile = "[" + std::to_string(jetztMs()) + "] " + text;
    zeileSchreiben();
}

// COM n by its number; a port opened by its path is named by that path on the same line.
std::string portName(int port) {
    return port >= 1 && port <= COM_PORTS ? "COM " + std::to_string(port) : "Gerät";
}

} // namespace

namespace rs232trace {

void transaktion() {
    zeileSchreiben();
}

void gesendet(const char* daten, int n) {
    stueck(GESENDET, Rs232Trace_Text(daten, n));
}

void empfangen(const char* daten, int n) {
    stueck(EMPFANGEN, Rs232Trace_Text(daten, n));
}

void ereignis(const char* text) {
    stueck(EREIGNIS, text);
}

void verworfen(const char* daten, int n) {
    stueck(EMPFANGEN, Rs232Trace_Text(daten, n));
    stueck(EREIGNIS, std::to_string(n) + (n == 1 ? " Byte verworfen" : " Bytes verworfen"));
}

void transaktionEnde() {
    zeileSchreiben();
}

void geoeffnet(int port, const std::string& pfad) {
    eigeneZeile(portName(port) + " geöffnet: " + pfad);
}

void geschlossen(int port) {
    eigeneZeile(portName(port) + " geschlossen");
}

} // namespace rs232trace

bool Rs232Trace_Starten(const std::string& datei, std::string* grund) {
    Rs232Trace_Beenden();
    if (!gProtokoll.datei.oeffnen(datei, grund)) return false;
    gProtokoll.beginn = std::chrono::steady_clock::now();
    const QString beginn = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    (void)gProtokoll.datei.anhaengen("# PLM-1 Verkehrsprotokoll ab " + beginn.toStdString() +
                                     "; [ms seit Beginn] > gesendet, < empfangen, ! Ereignis\n");
    rs232trace::gProtokollLaeuft = true;
    return true;
}

void Rs232Trace_Beenden() {
    if (!gProtokoll.datei.offen()) return;
    zeileSchreiben();
    gProtokoll.datei.schliessen();
    rs232trace::gProtokollLaeuft = false;
}

void Rs232Trace_UhrSetzen(std::function<long long()> msUhr) {
    gProtokoll.uhr = std::move(msUhr);
}

std::string Rs232Trace_Text(const char* daten, int n) {
    std::string text;
    for (int i = 0; i < n; ++i) {
        const auto b = static_cast<unsigned char>(daten[i]);
        if (b < STEUERZEICHEN.size()) {
            text += '<';
            text += STEUERZEICHEN[b];
            text += '>';
        } else if (b == DEL) {
            text += "<DEL>";
        } else if (b > DEL || b == '<') {
            char hex[8];
            std::snprintf(hex, sizeof hex, "<x%02X>", b);
            text += hex;
        } else {
            text += static_cast<char>(b);
        }
    }
    return text;
}
