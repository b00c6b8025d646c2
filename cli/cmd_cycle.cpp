// plm1 cycle: sends a *.plk cycle file into the unit's cycle memory or reads the unit's cycle into a
// *.plk file.

#include "cli/befehle.h"
#include "cycle/Kurven_Com.h"
#include "cycle/Kurven_Datei.h"
#include "cycle/Kurvenarrays.h"
#include "device/Vkr_Com.h"
#include "platform/ui_test.h"

#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

constexpr const char* AUFRUF = "Aufruf: plm1 [--valves DATEI.plc] cycle upload|download DATEI.plk";
constexpr int EXIT_OK = 0;
constexpr int EXIT_FEHLER = 1;
constexpr int EXIT_AUFRUF = 2;
constexpr int EXIT_GRENZDRUCK_WARNUNG = 3;
constexpr int BALKEN_BREITE = 30;

// A progress bar on standard error, only when a person watches it.
void fortschrittAnzeigen() {
    if (!isatty(STDERR_FILENO)) return;
    UI_FortschrittsbeobachterSetzen([](const std::string& titel, int prozent) {
        if (prozent < 0) {
            std::fputc('\n', stderr);
            return;
        }
        const int voll = prozent * BALKEN_BREITE / 100;
        std::fprintf(stderr, "\r%-14s [%s%s] %3d%%", titel.c_str(), std::string(voll, '#').c_str(),
                     std::string(BALKEN_BREITE - voll, ' ').c_str(), prozent);
        std::fflush(stderr);
    });
}

int fehlerAusgeben(Fehlercode fehler) {
    Cli_FehlerAusgeben(fehler);
    return EXIT_FEHLER;
}

// A failed block transfer is not returned but shown in the error controls; the connection manager keeps it.
int uebertragungsFehler(Fehlercode ergebnis) {
    const Fehlercode fehler = ergebnis != 0 ? ergebnis : VkrCom_LetzterFehlerGet();
    return fehler == 0 ? EXIT_OK : fehlerAusgeben(fehler);
}

int hochladen(const std::string& pfad) {
    if (const Fehlercode f = KurvenDatei_LadenAus(pfad); f != 0) return fehlerAusgeben(f);
    return uebertragungsFehler(KurvenCom_Plm1Upload());
}

int herunterladen(const std::string& pfad) {
    std::string warnung;
    UI_MeldungsabfangSetzen([&](const std::string&, const std::string& text) { warnung += text; });
    const Fehlercode ergebnis = KurvenCom_Plm1Download();
    UI_MeldungsabfangSetzen(nullptr);
    if (const int code = uebertragungsFehler(ergebnis); code != EXIT_OK) return code;

    if (const Fehlercode f = KurvenDatei_SpeichernNach(pfad); f != 0) return fehlerAusgeben(f);
    if (warnung.empty()) return EXIT_OK;
    // The file holds the last step's limits; say that the unit had several.
    std::fprintf(stderr, "%s\n", warnung.c_str());
    return EXIT_GRENZDRUCK_WARNUNG;
}

} // namespace

int Cli_Cycle(CliKontext& k) {
    if (k.args.size() != 2 || (k.args[0] != "upload" && k.args[0] != "download")) {
        std::fprintf(stderr, "%s\n", AUFRUF);
        return EXIT_AUFRUF;
    }
    if (const Fehlercode f = Kurvenarrays_Initialisieren(); f != 0) return fehlerAusgeben(f);
    KurvenDatei_DateinameZuruecksetzen();
    fortschrittAnzeigen();
    const int code = k.args[0] == "upload" ? hochladen(k.args[1]) : herunterladen(k.args[1]);
    UI_FortschrittsbeobachterSetzen(nullptr);
    Kurvenarrays_Freigeben();
    return code;
}
