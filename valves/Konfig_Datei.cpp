// Saving and loading the *.plc file through the file dialog.

#include "valves/Konfig_Datei.h"

#include "errors/VKR_errorV3.h"
#include "platform/files/cvifile.h"
#include "platform/sprache/textmarke.h"
#include "platform/ui/ui_melden.h"
#include "valves/Konfigarray.h"

#include <string>
#include <vector>

namespace {

constexpr const char* UNBENANNT = QT_TRANSLATE_NOOP("Plm1", "Unbenannt");
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

Fehlercode KonfigDatei_SpeichernNach(const std::string& pfad) {
    unsigned char bild[KONFIGDATEI_GROESSE];
    KonfigDatei_BildErstellen(bild);
    // Written beside the target and renamed over it, so a failed save leaves the earlier file intact.
    std::string grund;
    switch (Datei_SicherSchreiben(pfad, bild, KONFIGDATEI_GROESSE, &grund)) {
    case DATEI_OK:
        gPfad = pfad;
        return KEIN_FEHLER;
    case DATEI_FEHLER_SCHREIBEN:
        VKR_Fehleruserstring(grund.c_str());
        return FEHLER_KONFIGDATEI_SCHREIBEN;
    default:
        VKR_Fehleruserstring(grund.c_str());
        return FEHLER_KONFIGDATEI_OEFFNEN_SCHREIBEN;
    }
}

Fehlercode KonfigDatei_LadenAus(const std::string& pfad) {
    std::vector<unsigned char> bild;
    std::string grund;
    switch (Datei_Lesen(pfad, KONFIGDATEI_GROESSE, &bild, &grund)) {
    case DATEI_OK:
        break;
    case DATEI_FEHLT:
        return FEHLER_KONFIGDATEI_FEHLT;
    default:
        VKR_Fehleruserstring(grund.c_str());
        return FEHLER_KONFIGDATEI_OEFFNEN;
    }
    Ventilarten arten;
    const Fehlercode f = KonfigDatei_BildAuswerten(bild.data(), static_cast<int>(bild.size()), arten);
    if (f != KEIN_FEHLER) return f;
    for (int i = 0; i < ANZAHL_VENTILE; ++i)
        gKonfig[i] = arten[i];
    gPfad = pfad;
    return KEIN_FEHLER;
}

Fehlercode KonfigDatei_Speichern() {
    char pfad[MAX_PATHNAME_LEN] = {};
    const int auswahl = FileSelectPopup(verzeichnisDesPfads().c_str(), FILTER, FILTER, "Speichern",
                                        VAL_SAVE_BUTTON, 0, 1, 1, 1, pfad);
    if (auswahl == VAL_NO_FILE_SELECTED) return FEHLER_ABBRUCH_DURCH_BENUTZER;
    return KonfigDatei_SpeichernNach(pfad);
}

Fehlercode KonfigDatei_Laden() {
    char pfad[MAX_PATHNAME_LEN] = {};
    const int auswahl =
        FileSelectPopup(verzeichnisDesPfads().c_str(), FILTER, FILTER, QT_TRANSLATE_NOOP("Plm1", "Öffnen"),
                        VAL_LOAD_BUTTON, 0, 1, 1, 0, pfad);
    if (auswahl == VAL_NO_FILE_SELECTED) return FEHLER_ABBRUCH_DURCH_BENUTZER;
    if (auswahl != VAL_EXISTING_FILE_SELECTED) return FEHLER_KONFIGDATEI_FEHLT;
    return KonfigDatei_LadenAus(pfad);
}
