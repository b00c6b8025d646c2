// Saving and loading the *.plc file through the file dialog.

#include "valves/Konfig_Datei.h"

#include "platform/cvifile.h"
#include "platform/ui_melden.h"
#include "valves/Konfigarray.h"

#include <string>

namespace {

constexpr const char* UNBENANNT = "Unbenannt";
constexpr const char* FILTER = "*.plc";

std::string gPfad = UNBENANNT;

std::string verzeichnisDesPfads() {
    std::string laufwerk, verzeichnis, name;
    SplitPath(gPfad, &laufwerk, &verzeichnis, &name);
    return laufwerk + verzeichnis;
}

} // namespace

void KonfigDatei_DateinameZuruecksetzen() {
    gPfad = UNBENANNT;
}

Fehlercode KonfigDatei_Speichern() {
    char pfad[MAX_PATHNAME_LEN] = {};
    const int auswahl = FileSelectPopup(verzeichnisDesPfads().c_str(), FILTER, FILTER, "Speichern",
                                        VAL_SAVE_BUTTON, 0, 1, 1, 1, pfad);
    if (auswahl == VAL_NO_FILE_SELECTED) return FEHLER_ABBRUCH_DURCH_BENUTZER;

    unsigned char bild[KONFIGDATEI_GROESSE];
    KonfigDatei_BildErstellen(bild);
    // Written beside the target and renamed over it, so a failed save leaves the earlier file intact.
    switch (Datei_SicherSchreiben(pfad, bild, KONFIGDATEI_GROESSE)) {
    case 0:
        gPfad = pfad;
        return KEIN_FEHLER;
    case -2:
        return FEHLER_KONFIGDATEI_SCHREIBEN;
    default:
        return FEHLER_KONFIGDATEI_OEFFNEN_SCHREIBEN;
    }
}

Fehlercode KonfigDatei_Laden() {
    char pfad[MAX_PATHNAME_LEN] = {};
    const int auswahl = FileSelectPopup(verzeichnisDesPfads().c_str(), FILTER, FILTER, "Öffnen",
                                        VAL_LOAD_BUTTON, 0, 1, 1, 0, pfad);
    if (auswahl == VAL_NO_FILE_SELECTED) return FEHLER_ABBRUCH_DURCH_BENUTZER;
    if (auswahl != VAL_EXISTING_FILE_SELECTED) return FEHLER_KONFIGDATEI_FEHLT;

    const int datei = CVI_OpenFile(pfad, VAL_READ_ONLY, 0, VAL_BINARY);
    if (datei < 0) return FEHLER_KONFIGDATEI_OEFFNEN;
    unsigned char bild[KONFIGDATEI_GROESSE] = {};
    const int gelesen = CVI_ReadFile(datei, bild, KONFIGDATEI_GROESSE);
    CVI_CloseFile(datei);

    Ventilarten arten;
    const Fehlercode f = KonfigDatei_BildAuswerten(bild, gelesen, arten);
    if (f != KEIN_FEHLER) return f;
    for (int i = 0; i < ANZAHL_VENTILE; ++i)
        gKonfig[i] = arten[i];
    gPfad = pfad;
    return KEIN_FEHLER;
}
