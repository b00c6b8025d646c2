// The recording file: a line appended and synced at a time, so a crash or a power cut loses at most the
// line being written.

#include "direct/Direkt_Aufzeichnung.h"

#include "errors/VKR_errorV3.h"
#include "platform/files/datei_sicher.h"

#include <cstdio>
#include <ctime>

namespace {
constexpr std::size_t ZEIT_PUFFER = 64;
}

std::string DirektAufzeichnung_Zeit(DirektZeitpunkt t) {
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(t.time_since_epoch()).count();
    time_t sekunden = static_cast<time_t>(ms / 1000);
    long milli = static_cast<long>(ms % 1000);
    if (milli < 0) {
        milli += 1000;
        --sekunden;
    }
    std::tm lokal{};
    localtime_r(&sekunden, &lokal);
    char datum[ZEIT_PUFFER], zone[16];
    std::strftime(datum, sizeof datum, "%Y-%m-%dT%H:%M:%S", &lokal);
    std::strftime(zone, sizeof zone, "%z", &lokal); // +0100
    std::string z = zone;
    if (z.size() == 5) z = z.substr(0, 3) + ":" + z.substr(3);
    char text[ZEIT_PUFFER + 32];
    std::snprintf(text, sizeof text, "%s.%03ld%s", datum, milli, z.c_str());
    return text;
}

std::string DirektAufzeichnung_Zeile(DirektZeitpunkt t, const DirektMesswerte& w) {
    char werte[160];
    std::snprintf(werte, sizeof werte, ",%.10g,%.10g,%.10g,%.10g,%04X", w.druck[0], w.druck[1], w.spannung,
                  w.temperatur, static_cast<unsigned>(w.status) & 0xFFFFu);
    return DirektAufzeichnung_Zeit(t) + werte;
}

DirektAufzeichnung::~DirektAufzeichnung() {
    beenden();
}

bool DirektAufzeichnung::zeileAusgeben(const std::string& zeile) {
    return datei_.anhaengen(zeile + "\n");
}

Fehlercode DirektAufzeichnung::starten(const std::string& pfad) {
    beenden();
    zeilen_ = 0;
    pfad_ = pfad;
    // By the rules of the one file writer: never a read-only file or a device, never waiting on a FIFO.
    std::string grund;
    if (!datei_.oeffnen(pfad, &grund)) {
        VKR_Fehleruserstring(grund.c_str());
        return FEHLER_AUFZEICHNUNG_OEFFNEN;
    }
    if (!zeileAusgeben(DIREKTAUFZEICHNUNG_KOPFZEILE)) {
        beenden();
        return FEHLER_AUFZEICHNUNG_SCHREIBEN;
    }
    return KEIN_FEHLER;
}

Fehlercode DirektAufzeichnung::schreiben(DirektZeitpunkt t, const DirektMesswerte& w) {
    if (!datei_.offen()) return KEIN_FEHLER;
    if (!zeileAusgeben(DirektAufzeichnung_Zeile(t, w))) {
        beenden();
        return FEHLER_AUFZEICHNUNG_SCHREIBEN;
    }
    ++zeilen_;
    return KEIN_FEHLER;
}

void DirektAufzeichnung::beenden() {
    datei_.schliessen();
}
