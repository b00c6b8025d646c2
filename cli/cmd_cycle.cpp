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

constexpr const char* ZYKLUS_AUFRUF =
    "Aufruf: plm1 [--valves DATEI.plc] cycle upload [--verify]|download DATEI.plk";

// The words after "cycle": the direction and the file, with "--verify" anywhere for an upload.
struct Aufruf {
    std::string richtung, pfad;
    bool pruefen = false;
    bool zweiWorte = false; // two words besides "--verify": the files can be checked
    bool gueltig = false;
};

Aufruf aufrufLesen(std::vector<std::string> args) {
    Aufruf a;
    a.pruefen = Cli_PruefoptionNehmen(args);
    if (args.size() != 2) return a;
    a.zweiWorte = true;
    a.richtung = args[0];
    a.pfad = args[1];
    a.gueltig =
        (a.richtung == "upload" || a.richtung == "download") && (!a.pruefen || a.richtung == "upload");
    return a;
}

int fehlerAusgeben(Fehlercode fehler) {
    Cli_FehlerAusgeben(fehler);
    return CLI_EXIT_FEHLER;
}

int zyklusHochladen(CliKontext& k, const std::string& pfad, bool pruefen) {
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
    const Fehlercode ergebnis = [&] {
        const UiMeldungsabfang abfang([&](const std::string&, const std::string& text) { warnung += text; });
        return KurvenCom_Plm1Download();
    }();
    if (const int code = Cli_UebertragungsFehler(ergebnis); code != CLI_EXIT_OK) return code;

    if (const Fehlercode f = KurvenDatei_SpeichernNach(pfad); f != 0) return fehlerAusgeben(f);
    if (warnung.empty()) return CLI_EXIT_OK;
    // The file holds the last step's limits; say that the unit had several.
    std::fprintf(stderr, "%s\n", warnung.c_str());
    return CLI_EXIT_WARNUNG;
}

} // namespace

int Cli_CyclePruefen(const CliKontext& k) {
    const Aufruf a = aufrufLesen(k.args);
    if (!a.zweiWorte) return CLI_EXIT_OK; // the usage is told by the command itself
    return Cli_DateienPruefen(a.richtung, a.pfad, FEHLER_KURVENDATEI_OEFFNEN,
                              FEHLER_KURVENDATEI_OEFFNEN_SCHREIBEN);
}

int Cli_Cycle(CliKontext& k) {
    const Aufruf a = aufrufLesen(k.args);
    if (!a.gueltig) {
        std::fprintf(stderr, "%s\n", ZYKLUS_AUFRUF);
        return CLI_EXIT_AUFRUF;
    }
    if (const Fehlercode f = Kurvenarrays_Initialisieren(); f != 0) return fehlerAusgeben(f);
    KurvenDatei_DateinameZuruecksetzen();
    Cli_FortschrittAnzeigen();
    const int code = a.richtung == "upload" ? zyklusHochladen(k, a.pfad, a.pruefen) : herunterladen(a.pfad);
    Cli_FortschrittBeenden();
    Kurvenarrays_Freigeben();
    return code;
}
