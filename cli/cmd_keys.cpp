// plm1 keys: sends a *.plt key file into the unit's key memory or reads the key memory into a *.plt file;
// keys the unit holds invalidly never replace an existing file unless --force says so.

#include "cli/befehle.h"
#include "errors/VKR_errorV3.h"
#include "keys/Tasten_Bereich.h"
#include "keys/Tasten_Com.h"
#include "keys/Tasten_Datei.h"
#include "keys/Tasten_Pruefen.h"
#include "platform/sprache/sprache.h"
#include "platform/sprache/textmarke.h"
#include "platform/ui/ui_melden.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace {

constexpr const char* TASTEN_AUFRUF =
    "Aufruf: plm1 [--valves DATEI.plc] keys upload [--verify] DATEI.plt | keys download [--force] DATEI.plt";
constexpr const char* ERZWINGEN = "--force";

int tastenHochladen(CliKontext& k, const std::string& pfad, bool pruefen) {
    TastenTabelle tabelle{};
    Fehlercode fehler = TastenDatei_AusDateiLesen(pfad, tabelle);
    // A value the unit cannot take refuses the file once, before any unit is addressed.
    if (fehler == 0) fehler = TastenBereich_Pruefen(tabelle);
    if (fehler != 0) {
        Cli_FehlerAusgeben(fehler);
        return CLI_EXIT_FEHLER;
    }
    gTaste = tabelle;
    if (!k.adressen.empty())
        return Cli_JeAdresse(
            k, [pruefen] { return TastenPruefen_Plm1Upload(pruefen); }, pruefen);
    return Cli_GesendetMelden(TastenPruefen_Plm1Upload(pruefen), pruefen);
}

// The words after "keys": the direction, the file and, before or after it, "--force" for a download or
// "--verify" for an upload.
bool argumenteLesen(const std::vector<std::string>& args, std::string* richtung, std::string* pfad,
                    bool* erzwingen, bool* pruefen) {
    std::vector<std::string> rest = args;
    *pruefen = Cli_PruefoptionNehmen(rest);
    *erzwingen = std::erase(rest, std::string(ERZWINGEN)) > 0;
    if (rest.size() != 2 || (rest[0] != "upload" && rest[0] != "download")) return false;
    if ((*erzwingen && rest[0] != "download") || (*pruefen && rest[0] != "upload")) return false;
    *richtung = rest[0];
    *pfad = rest[1];
    return true;
}

int herunterladen(const std::string& pfad, bool erzwingen) {
    Tastenarrays_Initialisieren();
    std::string ungueltig;
    const Fehlercode ergebnis = [&] {
        const UiMeldungsabfang abfang(
            [&](const std::string&, const std::string& text) { ungueltig += text; });
        return TastenCom_Plm1Download();
    }();
    if (const int code = Cli_UebertragungsFehler(ergebnis); code != CLI_EXIT_OK) return code;

    if (!ungueltig.empty())
        std::fprintf(stderr, "%s:\n%s\n", Textmarke_Text(TASTEN_SPEICHERFEHLER_TITEL).c_str(),
                     Sprache_TextUtf8(ungueltig.c_str()).c_str());
    // Keys the unit does not hold validly never replace a file that exists: it may hold the only good copy.
    std::error_code ec;
    if (!ungueltig.empty() && !erzwingen && std::filesystem::exists(pfad, ec)) {
        VKR_Fehleruserstring(
            Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1",
                                             "Ungültige Tasten im PLM-1; %1 bleibt unverändert (%2 ersetzt "
                                             "sie dennoch)"),
                           pfad, ERZWINGEN)
                .substr(0, 299)
                .c_str());
        Cli_FehlerAusgeben(FEHLER_TASTENDATEI_OEFFNEN_SCHREIBEN);
        return CLI_EXIT_FEHLER;
    }
    const Fehlercode fehler = TastenDatei_InDateiSchreiben(pfad, gTaste);
    if (fehler != 0) {
        Cli_FehlerAusgeben(fehler);
        return CLI_EXIT_FEHLER;
    }
    // The keys with a valid block are in the file; the others were named above.
    return ungueltig.empty() ? CLI_EXIT_OK : CLI_EXIT_WARNUNG;
}

} // namespace

int Cli_KeysPruefen(const CliKontext& k) {
    std::string richtung, pfad;
    bool erzwingen = false, pruefen = false;
    if (!argumenteLesen(k.args, &richtung, &pfad, &erzwingen, &pruefen)) return CLI_EXIT_OK; // told later
    return Cli_DateienPruefen(richtung, pfad, FEHLER_TASTENDATEI_OEFFNEN,
                              FEHLER_TASTENDATEI_OEFFNEN_SCHREIBEN);
}

int Cli_Keys(CliKontext& k) {
    std::string richtung, pfad;
    bool erzwingen = false, pruefen = false;
    if (!argumenteLesen(k.args, &richtung, &pfad, &erzwingen, &pruefen)) {
        std::fprintf(stderr, "%s\n", TASTEN_AUFRUF);
        return CLI_EXIT_AUFRUF;
    }
    Cli_FortschrittAnzeigen();
    const int code =
        richtung == "upload" ? tastenHochladen(k, pfad, pruefen) : herunterladen(pfad, erzwingen);
    Cli_FortschrittBeenden();
    return code;
}
