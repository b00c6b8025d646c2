// plm1 monitor: polls the unit's actual values like the direct-operation window and prints them as CSV,
// or records them to a file as the window's recording does.

#include "cli/befehle.h"
#include "direct/Direkt_Aufzeichnung.h"
#include "direct/Direkt_Com.h"
#include "platform/prozess/signale.h"

#include <chrono>
#include <climits>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

namespace {

constexpr double STANDARD_INTERVALL_S = 0.5; // the window's timer
constexpr double MAX_INTERVALL_S = 86400.0;
constexpr const char* MONITOR_AUFRUF = "Aufruf: plm1 monitor [--interval SEKUNDEN] [--count N] [--out DATEI]";

struct MonitorOptionen {
    double intervall = STANDARD_INTERVALL_S;
    long anzahl = 0;   // 0: until SIGINT
    std::string datei; // empty: standard output
};

std::optional<MonitorOptionen> optionenLesen(const std::vector<std::string>& args) {
    MonitorOptionen o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (i + 1 >= args.size()) return std::nullopt;
        const std::string& wert = args[++i];
        const std::optional<CliZahl> zahl = Cli_ZahlLesen(wert);
        if (a == "--interval") {
            if (!zahl || zahl->wert <= 0 || zahl->wert > MAX_INTERVALL_S) return std::nullopt;
            o.intervall = zahl->wert;
        } else if (a == "--count") {
            if (!zahl || !zahl->ganz || *zahl->ganz < 1 || *zahl->ganz > LONG_MAX) return std::nullopt;
            o.anzahl = static_cast<long>(*zahl->ganz);
        } else if (a == "--out") {
            if (wert.empty()) return std::nullopt;
            o.datei = wert;
        } else {
            return std::nullopt;
        }
    }
    return o;
}

} // namespace

int Cli_Monitor(CliKontext& k) {
    const auto optionen = optionenLesen(k.args);
    if (!optionen) {
        std::fprintf(stderr, "%s\n", MONITOR_AUFRUF);
        return CLI_EXIT_AUFRUF;
    }
    // Ctrl+C is held back, so it can only arrive while waiting for the next poll and never breaks a
    // transaction in the middle.
    Signale_Zurueckhalten(Endesignale::Unterbrechung);

    DirektAufzeichnung aufzeichnung;
    if (!optionen->datei.empty()) {
        if (Fehlercode f = aufzeichnung.starten(optionen->datei)) {
            Cli_FehlerAusgeben(f);
            return CLI_EXIT_FEHLER;
        }
    } else {
        std::printf("%s\n", DIREKTAUFZEICHNUNG_KOPFZEILE);
        std::fflush(stdout);
    }
    using Uhr = std::chrono::steady_clock;
    const auto start = Uhr::now();
    for (long zeile = 0; optionen->anzahl == 0 || zeile < optionen->anzahl; ++zeile) {
        const auto takt = start + std::chrono::duration_cast<Uhr::duration>(
                                      std::chrono::duration<double>(optionen->intervall * zeile));
        if (zeile > 0 && Signale_AbwartenBis(Endesignale::Unterbrechung, takt)) return CLI_EXIT_OK;
        const auto zeit = std::chrono::system_clock::now();
        DirektArrays werte{};
        int status = 0;
        if (Fehlercode f = DirektCom_IstwerteLesen(k.port, k.adresse, werte, &status)) {
            Cli_FehlerAusgeben(f);
            return CLI_EXIT_FEHLER;
        }
        const DirektMesswerte messung{
            {werte.druck[0], werte.druck[1]}, werte.spannung, werte.temperatur, status};
        if (aufzeichnung.laeuft()) {
            if (Fehlercode f = aufzeichnung.schreiben(zeit, messung)) {
                Cli_FehlerAusgeben(f);
                return CLI_EXIT_FEHLER;
            }
            continue;
        }
        std::printf("%s\n", DirektAufzeichnung_Zeile(zeit, messung).c_str());
        std::fflush(stdout);
    }
    return CLI_EXIT_OK;
}
