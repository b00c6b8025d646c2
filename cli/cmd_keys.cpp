// plm1 keys: sends a *.plt key file into the unit's key memory or reads the key memory into a *.plt file.

#include "cli/befehle.h"
#include "device/Vkr_Com.h"
#include "keys/Tasten_Com.h"
#include "keys/Tasten_Datei.h"
#include "platform/ui_test.h"

#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

constexpr const char* AUFRUF = "Aufruf: plm1 [--valves DATEI.plc] keys upload|download DATEI.plt";
constexpr int EXIT_OK = 0;
constexpr int EXIT_FEHLER = 1;
constexpr int EXIT_AUFRUF = 2;
constexpr int EXIT_TASTEN_UNGUELTIG = 3;
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

// Transfer errors are not returned but shown in the error controls; the connection manager keeps the last.
int uebertragungsFehler(Fehlercode ergebnis) {
    const Fehlercode fehler = ergebnis != 0 ? ergebnis : VkrCom_LetzterFehlerGet();
    if (fehler == 0) return EXIT_OK;
    Cli_FehlerAusgeben(fehler);
    return EXIT_FEHLER;
}

int hochladen(const std::string& pfad) {
    TastenTabelle tabelle{};
    const Fehlercode fehler = TastenDatei_AusDateiLesen(pfad, tabelle);
    if (fehler != 0) {
        Cli_FehlerAusgeben(fehler);
        return EXIT_FEHLER;
    }
    gTaste = tabelle;
    return uebertragungsFehler(TastenCom_Plm1Upload());
}

int herunterladen(const std::string& pfad) {
    Tastenarrays_Initialisieren();
    std::string ungueltig;
    UI_MeldungsabfangSetzen([&](const std::string&, const std::string& text) { ungueltig += text; });
    const Fehlercode ergebnis = TastenCom_Plm1Download();
    UI_MeldungsabfangSetzen(nullptr);
    if (const int code = uebertragungsFehler(ergebnis); code != EXIT_OK) return code;

    const Fehlercode fehler = TastenDatei_InDateiSchreiben(pfad, gTaste);
    if (fehler != 0) {
        Cli_FehlerAusgeben(fehler);
        return EXIT_FEHLER;
    }
    if (ungueltig.empty()) return EXIT_OK;
    // The keys with a valid block are in the file; name the others.
    std::fprintf(stderr, "%s:\n%s\n", TASTEN_SPEICHERFEHLER_TITEL, ungueltig.c_str());
    return EXIT_TASTEN_UNGUELTIG;
}

} // namespace

int Cli_Keys(CliKontext& k) {
    if (k.args.size() != 2 || (k.args[0] != "upload" && k.args[0] != "download")) {
        std::fprintf(stderr, "%s\n", AUFRUF);
        return EXIT_AUFRUF;
    }
    fortschrittAnzeigen();
    const int code = k.args[0] == "upload" ? hochladen(k.args[1]) : herunterladen(k.args[1]);
    UI_FortschrittsbeobachterSetzen(nullptr);
    return code;
}
