// plm1 cycle: sends a *.plk cycle file into the unit's cycle memory or reads the unit's cycle into a
// *.plk file.

#include "cli/befehle.h"
#include "cycle/Kurven_Com.h"
#include "cycle/Kurven_Datei.h"
#include "cycle/Kurvenarrays.h"
#include "device/Vkr_Com.h"
#include "platform/ui_melden.h"

#include <cstdio>
#include <string>

namespace {

constexpr const char* AUFRUF = "Aufruf: plm1 [--valves DATEI.plc] cycle upload|download DATEI.plk";

int fehlerAusgeben(Fehlercode fehler) {
    Cli_FehlerAusgeben(fehler);
    return CLI_EXIT_FEHLER;
}

int hochladen(const std::string& pfad) {
    if (const Fehlercode f = KurvenDatei_LadenAus(pfad); f != 0) return fehlerAusgeben(f);
    return Cli_UebertragungsFehler(KurvenCom_Plm1Upload());
}

int herunterladen(const std::string& pfad) {
    std::string warnung;
    UI_MeldungsabfangSetzen([&](const std::string&, const std::string& text) { warnung += text; });
    const Fehlercode ergebnis = KurvenCom_Plm1Download();
    UI_MeldungsabfangSetzen(nullptr);
    if (const int code = Cli_UebertragungsFehler(ergebnis); code != CLI_EXIT_OK) return code;

    if (const Fehlercode f = KurvenDatei_SpeichernNach(pfad); f != 0) return fehlerAusgeben(f);
    if (warnung.empty()) return CLI_EXIT_OK;
    // The file holds the last step's limits; say that the unit had several.
    std::fprintf(stderr, "%s\n", warnung.c_str());
    return CLI_EXIT_WARNUNG;
}

} // namespace

int Cli_Cycle(CliKontext& k) {
    if (k.args.size() != 2 || (k.args[0] != "upload" && k.args[0] != "download")) {
        std::fprintf(stderr, "%s\n", AUFRUF);
        return CLI_EXIT_AUFRUF;
    }
    if (const Fehlercode f = Kurvenarrays_Initialisieren(); f != 0) return fehlerAusgeben(f);
    KurvenDatei_DateinameZuruecksetzen();
    Cli_FortschrittAnzeigen();
    const int code = k.args[0] == "upload" ? hochladen(k.args[1]) : herunterladen(k.args[1]);
    Cli_FortschrittBeenden();
    Kurvenarrays_Freigeben();
    return code;
}
