// plm1 cycle: sends a *.plk cycle file into the unit's cycle memory or reads the unit's cycle into a
// *.plk file.

#include "cli/befehle.h"
#include "cycle/Kurven_Bereich.h"
#include "cycle/Kurven_Com.h"
#include "cycle/Kurven_Datei.h"
#include "cycle/Kurven_Pruefen.h"
#include "cycle/Kurvenarrays.h"
#include "platform/ui/ui_melden.h"

#include <cstdio>
#include <string>

namespace {

constexpr const char* AUFRUF = "Aufruf: plm1 [--valves DATEI.plc] cycle upload [--verify]|download DATEI.plk";

int fehlerAusgeben(Fehlercode fehler) {
    Cli_FehlerAusgeben(fehler);
    return CLI_EXIT_FEHLER;
}

int hochladen(CliKontext& k, const std::string& pfad, bool pruefen) {
    if (const Fehlercode f = KurvenDatei_LadenAus(pfad); f != 0) return fehlerAusgeben(f);
    // A value the unit cannot take refuses the file once, before any unit is addressed.
    if (const Fehlercode f = KurvenBereich_Pruefen(gKurveneckdaten, gKurven); f != 0)
        return fehlerAusgeben(f);
    if (!k.adressen.empty())
        return Cli_JeAdresse(
            k, [pruefen] { return KurvenPruefen_Plm1Upload(pruefen); }, pruefen);
    return Cli_GesendetMelden(KurvenPruefen_Plm1Upload(pruefen), pruefen);
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

int Cli_CyclePruefen(const CliKontext& k) {
    std::vector<std::string> args = k.args;
    (void)Cli_PruefoptionNehmen(args);
    if (args.size() != 2) return CLI_EXIT_OK; // the usage is told by the command itself
    return Cli_DateienPruefen(args[0], args[1], FEHLER_KURVENDATEI_OEFFNEN,
                              FEHLER_KURVENDATEI_OEFFNEN_SCHREIBEN);
}

int Cli_Cycle(CliKontext& k) {
    const bool pruefen = Cli_PruefoptionNehmen(k.args);
    if (k.args.size() != 2 || (k.args[0] != "upload" && k.args[0] != "download") ||
        (pruefen && k.args[0] != "upload")) {
        std::fprintf(stderr, "%s\n", AUFRUF);
        return CLI_EXIT_AUFRUF;
    }
    if (const Fehlercode f = Kurvenarrays_Initialisieren(); f != 0) return fehlerAusgeben(f);
    KurvenDatei_DateinameZuruecksetzen();
    Cli_FortschrittAnzeigen();
    const int code = k.args[0] == "upload" ? hochladen(k, k.args[1], pruefen) : herunterladen(k.args[1]);
    Cli_FortschrittBeenden();
    Kurvenarrays_Freigeben();
    return code;
}
