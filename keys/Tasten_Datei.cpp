// Key file: dialogs, reading and writing the 720-byte image, path, changed flag and window title.

#include "keys/Tasten_Datei.h"

#include "errors/VKR_errorV3.h"
#include "platform/files/cvifile.h"
#include "platform/sprache/textmarke.h"
#include "platform/ui/ui_melden.h"

#include <array>

namespace {
std::string gPfad = TASTENDATEI_UNBENANNT;
bool gGeaendert = false;
TastenTitelAnzeigen gTitelAnzeigen = nullptr;

constexpr const char* FILTER = "*.plt";

std::string verzeichnisVon(const std::string& pfad) {
    std::string laufwerk, verzeichnis, name;
    SplitPath(pfad, &laufwerk, &verzeichnis, &name);
    return laufwerk + verzeichnis;
}
} // namespace

const std::string& TastenDatei_PfadGet() {
    return gPfad;
}
bool TastenDatei_IstGeaendert() {
    return gGeaendert;
}

std::string TastenDatei_Fenstertitel() {
    std::string laufwerk, verzeichnis, name;
    SplitPath(gPfad, &laufwerk, &verzeichnis, &name);
    std::string titel = std::string(TASTEN_FENSTERNAME) + " - [" + name;
    if (gGeaendert) titel += " *";
    return titel + "]";
}

void TastenDatei_TitelAnzeigeSetzen(TastenTitelAnzeigen fn) {
    gTitelAnzeigen = fn;
}

void TastenDatei_FenstertitelSetzen() {
    if (gTitelAnzeigen) gTitelAnzeigen(TastenDatei_Fenstertitel().c_str());
}

void TastenDatei_DateinameZuruecksetzen() {
    gPfad = TASTENDATEI_UNBENANNT;
    gGeaendert = false;
}

void TastenDatei_WurdeGeaendert() {
    TastenDatei_GeaendertSetzen(true);
}

void TastenDatei_GeaendertSetzen(bool geaendert) {
    gGeaendert = geaendert;
    TastenDatei_FenstertitelSetzen();
}

Fehlercode TastenDatei_InDateiSchreiben(const std::string& pfad, const TastenTabelle& tabelle) {
    std::array<unsigned char, TASTENDATEI_GROESSE> bild{};
    TastenDatei_BildErstellen(tabelle, bild.data());
    // Written beside the target and renamed over it only when complete: a failed save keeps the old file.
    std::string grund;
    const int r = Datei_SicherSchreiben(pfad, bild.data(), bild.size(), &grund);
    if (r == DATEI_OK) return 0;
    VKR_Fehleruserstring(grund.c_str());
    return r == DATEI_FEHLER_SCHREIBEN ? FEHLER_TASTENDATEI_SCHREIBEN : FEHLER_TASTENDATEI_OEFFNEN_SCHREIBEN;
}

Fehlercode TastenDatei_AusDateiLesen(const std::string& pfad, TastenTabelle& ziel) {
    std::string grund;
    switch (Datei_LesbarPruefen(pfad, &grund)) {
    case DATEI_OK:
        break;
    case DATEI_FEHLT:
        return FEHLER_TASTENDATEI_FEHLT;
    default:
        VKR_Fehleruserstring(grund.c_str());
        return FEHLER_TASTENDATEI_OEFFNEN;
    }
    const int datei = CVI_OpenFile(pfad.c_str(), VAL_READ_ONLY, 0, VAL_BINARY);
    if (datei < 0) return FEHLER_TASTENDATEI_OEFFNEN;
    std::array<unsigned char, TASTENDATEI_GROESSE> bild{};
    const int gelesen = CVI_ReadFile(datei, bild.data(), TASTENDATEI_GROESSE);
    (void)CVI_CloseFile(datei);
    if (gelesen < TASTENDATEI_GROESSE) return FEHLER_TASTENDATEI_ZU_KURZ;
    return TastenDatei_BildAuswerten(bild.data(), bild.size(), ziel);
}

Fehlercode TastenDatei_Speichern(unsigned char immerFragen) {
    std::string ziel = gPfad;
    if (immerFragen || gPfad == TASTENDATEI_UNBENANNT) {
        char auswahl[MAX_PATHNAME_LEN] = {};
        const int r = FileSelectPopup(verzeichnisVon(gPfad).c_str(), FILTER, FILTER, "Speichern",
                                      VAL_SAVE_BUTTON, 0, 1, 1, 1, auswahl);
        if (r == VAL_NO_FILE_SELECTED || (r == VAL_EXISTING_FILE_SELECTED && !UI_ErsetzenBestaetigt(auswahl)))
            return FEHLER_ABBRUCH_DURCH_BENUTZER;
        ziel = auswahl;
    }
    const Fehlercode fehler = TastenDatei_InDateiSchreiben(ziel, gTaste);
    if (fehler != 0) return fehler;
    gPfad = ziel;
    gGeaendert = false;
    TastenDatei_FenstertitelSetzen();
    return 0;
}

Fehlercode TastenDatei_Laden() {
    char auswahl[MAX_PATHNAME_LEN] = {};
    const int r = FileSelectPopup(verzeichnisVon(gPfad).c_str(), FILTER, FILTER,
                                  QT_TRANSLATE_NOOP("Plm1", "Öffnen"), VAL_LOAD_BUTTON, 0, 1, 1, 0, auswahl);
    if (r == VAL_NO_FILE_SELECTED) return FEHLER_ABBRUCH_DURCH_BENUTZER;
    if (r != VAL_EXISTING_FILE_SELECTED) return FEHLER_TASTENDATEI_FEHLT;
    TastenTabelle neu = gTaste;
    const Fehlercode fehler = TastenDatei_AusDateiLesen(auswahl, neu);
    if (fehler != 0) return fehler;
    gTaste = neu;
    gPfad = auswahl;
    gGeaendert = false;
    TastenDatei_FenstertitelSetzen();
    return 0;
}
