// plm1 keys: sends a *.plt key file into the unit's key memory or reads the key memory into a *.plt file.

#include "cli/befehle.h"
#include "device/Vkr_Com.h"
#include "keys/Tasten_Com.h"
#include "keys/Tasten_Datei.h"
#include "platform/ui_melden.h"

#include <cstdio>
#include <string>

namespace {

constexpr const char* AUFRUF = "Aufruf: plm1 [--valves DATEI.plc] keys upload|download DATEI.plt";

int hochladen(const std::string& pfad) {
    TastenTabelle tabelle{};
    const Fehlercode fehler = TastenDatei_AusDateiLesen(pfad, tabelle);
    if (fehler != 0) {
        Cli_FehlerAusgeben(fehler);
        return CLI_EXIT_FEHLER;
    }
    gTaste = tabelle;
    return Cli_UebertragungsFehler(TastenCom_Plm1Upload());
}

int herunterladen(const std::string& pfad) {
    Tastenarrays_Initialisieren();
    std::string ungueltig;
    UI_MeldungsabfangSetzen([&](const std::string&, const std::string& text) { ungueltig += text; });
    const Fehlercode ergebnis = TastenCom_Plm1Download();
    UI_MeldungsabfangSetzen(nullptr);
    if (const int code = Cli_UebertragungsFehler(ergebnis); code != CLI_EXIT_OK) return code;

    const Fehlercode fehler = TastenDatei_InDateiSchreiben(pfad, gTaste);
    if (fehler != 0) {
        Cli_FehlerAusgeben(fehler);
        return CLI_EXIT_FEHLER;
    }
    if (ungueltig.empty()) return CLI_EXIT_OK;
    // The keys with a valid block are in the file; name the others.
    std::fprintf(stderr, "%s:\n%s\n", TASTEN_SPEICHERFEHLER_TITEL, ungueltig.c_str());
    return CLI_EXIT_WARNUNG;
}

} // namespace

int Cli_Keys(CliKontext& k) {
    if (k.args.size() != 2 || (k.args[0] != "upload" && k.args[0] != "download")) {
        std::fprintf(stderr, "%s\n", AUFRUF);
        return CLI_EXIT_AUFRUF;
    }
    Cli_FortschrittAnzeigen();
    const int code = k.args[0] == "upload" ? hochladen(k.args[1]) : herunterladen(k.args[1]);
    Cli_FortschrittBeenden();
    return code;
}
