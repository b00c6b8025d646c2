// The *.plk file of the cycle, its path and changed flag, and the curve window's title.

#include "cycle/Kurven_Datei.h"

#include "errors/VKR_errorV3.h"
#include "platform/files/Datei_Kopf.h"
#include "platform/files/cvifile.h"
#include "platform/files/le_bytes.h"
#include "platform/sprache/textmarke.h"
#include "platform/ui/ui_melden.h"

#include <algorithm>
#include <new>

namespace {

constexpr int OFFSET_ECKDATEN = DATEIKOPF_GROESSE;                          // 36
constexpr int OFFSET_KANAELE = OFFSET_ECKDATEN + 4 * KURVENECKDATEN_ANZAHL; // 80
constexpr int KANALEINTRAG = 8;

std::string gPfad = KURVENDATEI_UNBENANNT;
bool gGeaendert = false;
KurvenTitelAnzeigen gTitelAnzeigen = nullptr;

// Reads up to count bytes, as many calls as it takes; returns the bytes read.
int allesLesen(int datei, unsigned char* ziel, int count) {
    int gesamt = 0;
    while (gesamt < count) {
        const int r = CVI_ReadFile(datei, ziel + gesamt, count - gesamt);
        if (r <= 0) break;
        gesamt += r;
    }
    return gesamt;
}

} // namespace

std::vector<unsigned char> KurvenDatei_BildErstellen(const int32_t eckdaten[KURVENECKDATEN_ANZAHL],
                                                     const Kurvenarray kurven[KURVEN_ANZAHL]) {
    std::size_t werte = 0;
    for (int k = 0; k < KURVEN_ANZAHL; ++k)
        werte += kurven[k].values.size();
    std::vector<unsigned char> bild(KURVENDATEI_KOPFGROESSE + 4 * werte, 0);
    DateiKopf_Schreiben(bild.data(), KURVENDATEI_ART, DATEI_VERSION);
    for (int i = 0; i < KURVENECKDATEN_ANZAHL; ++i)
        le32_setzen(&bild[OFFSET_ECKDATEN + 4 * i], eckdaten[i]);
    std::size_t pos = KURVENDATEI_KOPFGROESSE;
    for (int k = 0; k < KURVEN_ANZAHL; ++k) {
        le32_setzen(&bild[OFFSET_KANAELE + KANALEINTRAG * k], static_cast<int32_t>(kurven[k].values.size()));
        for (const int32_t v : kurven[k].values) {
            le32_setzen(&bild[pos], v);
            pos += 4;
        }
    }
    return bild;
}

Fehlercode KurvenDatei_BildAuswerten(const unsigned char* bild, std::size_t laenge,
                                     KurvenDateiInhalt& inhalt) {
    if (laenge < static_cast<std::size_t>(KURVENDATEI_KOPFGROESSE)) return FEHLER_KURVENDATEI_ZU_KURZ;
    switch (DateiKopf_Pruefen(bild, KURVENDATEI_ART, DATEI_VERSION)) {
    case KopfPruefung::FalscherTyp:
        return FEHLER_KURVENDATEI_TYP;
    case KopfPruefung::FalscheVersion:
        return FEHLER_KURVENDATEI_VERSION;
    case KopfPruefung::Ok:
        break;
    }
    int32_t eckdaten[KURVENECKDATEN_ANZAHL];
    for (int i = 0; i < KURVENECKDATEN_ANZAHL; ++i)
        eckdaten[i] = le32_lesen(bild + OFFSET_ECKDATEN + 4 * i);
    // A check word counts as set when it is not 0, as the window shows it; it is then sent as set too.
    for (const int i :
         {KE_DRUCKHIGH1CHECK, KE_DRUCKHIGH2CHECK, KE_DRUCKLOW1CHECK, KE_DRUCKLOW2CHECK, KE_ZYKLENUNBEGRENZT})
        eckdaten[i] = eckdaten[i] != 0 ? 1 : 0;
    const int32_t n = eckdaten[KE_ANZAHLSCHRITTE];
    if (n < KURVEN_SCHRITTE_MIN || n > KURVEN_SCHRITTE_MAX) return FEHLER_KURVENDATEI_SCHRITTE;

    KurvenDateiInhalt neu;
    std::size_t pos = KURVENDATEI_KOPFGROESSE;
    for (int k = 0; k < KURVEN_ANZAHL; ++k) {
        if (le32_lesen(bild + OFFSET_KANAELE + KANALEINTRAG * k) != n) return FEHLER_KURVENDATEI_KANALLAENGE;
        if (laenge - pos < 4 * static_cast<std::size_t>(n)) return FEHLER_KURVENDATEI_WERTE_FEHLEN;
        try {
            neu.werte[k].resize(static_cast<std::size_t>(n));
        } catch (const std::bad_alloc&) {
            return FEHLER_KURVENDATEI_LAENGE_AENDERN;
        }
        for (int32_t i = 0; i < n; ++i, pos += 4)
            neu.werte[k][static_cast<std::size_t>(i)] = le32_lesen(bild + pos);
    }
    for (int i = 0; i < KURVENECKDATEN_ANZAHL; ++i)
        neu.eckdaten[i] = eckdaten[i];
    for (int k = 0; k < KURVEN_ANZAHL; ++k)
        inhalt.werte[k].swap(neu.werte[k]);
    for (int i = 0; i < KURVENECKDATEN_ANZAHL; ++i)
        inhalt.eckdaten[i] = neu.eckdaten[i];
    return KEIN_FEHLER;
}

const std::string& KurvenDatei_PfadGet() {
    return gPfad;
}
bool KurvenDatei_IstGeaendert() {
    return gGeaendert;
}

void KurvenDatei_DateinameZuruecksetzen() {
    gPfad = KURVENDATEI_UNBENANNT;
    gGeaendert = false;
}

std::string KurvenDatei_Fenstertitel() {
    std::string laufwerk, verzeichnis, name;
    SplitPath(gPfad, &laufwerk, &verzeichnis, &name);
    std::string titel = std::string(KURVENFENSTER_NAME) + " - [" + name;
    if (gGeaendert) titel += " *";
    return titel + "]";
}

void KurvenDatei_TitelAnzeigeSetzen(KurvenTitelAnzeigen fn) {
    gTitelAnzeigen = fn;
}

void KurvenDatei_FenstertitelSetzen() {
    if (gTitelAnzeigen) gTitelAnzeigen(KurvenDatei_Fenstertitel().c_str());
}

void KurvenDatei_WurdeGeaendert() {
    KurvenDatei_GeaendertSetzen(true);
}

void KurvenDatei_GeaendertSetzen(bool geaendert) {
    gGeaendert = geaendert;
    KurvenDatei_FenstertitelSetzen();
}

Fehlercode KurvenDatei_SpeichernNach(const std::string& pfad) {
    if (pfad.empty()) return FEHLER_KURVENDATEI_OEFFNEN_SCHREIBEN;
    std::vector<unsigned char> bild;
    try {
        bild = KurvenDatei_BildErstellen(gKurveneckdaten, gKurven);
    } catch (const std::bad_alloc&) {
        return FEHLER_KURVENDATEI_KOPF_SCHREIBEN;
    }
    // Written beside the target and renamed over it, so a failed save leaves the earlier file whole.
    std::string grund;
    switch (Datei_SicherSchreiben(pfad, bild.data(), bild.size(), &grund)) {
    case DATEI_OK:
        break;
    case DATEI_FEHLER_SCHREIBEN:
        VKR_Fehleruserstring(grund.c_str());
        return FEHLER_KURVENDATEI_WERT_SCHREIBEN;
    default:
        VKR_Fehleruserstring(grund.c_str());
        return FEHLER_KURVENDATEI_OEFFNEN_SCHREIBEN;
    }
    gPfad = pfad;
    gGeaendert = false;
    KurvenDatei_FenstertitelSetzen();
    return KEIN_FEHLER;
}

Fehlercode KurvenDatei_Speichern(unsigned char immerFragen) {
    std::string ziel = gPfad;
    if (immerFragen || gPfad == KURVENDATEI_UNBENANNT) {
        std::string laufwerk, verzeichnis, name;
        SplitPath(gPfad, &laufwerk, &verzeichnis, &name);
        char gewaehlt[MAX_PATHNAME_LEN] = {};
        const int wahl = FileSelectPopup((laufwerk + verzeichnis).c_str(), "*.plk", "*.plk", "Speichern",
                                         VAL_SAVE_BUTTON, 0, 1, 1, 1, gewaehlt);
        if (wahl == VAL_NO_FILE_SELECTED ||
            (wahl == VAL_EXISTING_FILE_SELECTED && !UI_ErsetzenBestaetigt(gewaehlt)))
            return FEHLER_ABBRUCH_DURCH_BENUTZER;
        ziel = gewaehlt;
    }
    return KurvenDatei_SpeichernNach(ziel);
}

Fehlercode KurvenDatei_LadenAus(const std::string& pfad) {
    std::string grund;
    if (Datei_LesbarPruefen(pfad, &grund) == DATEI_FEHLER_OEFFNEN) {
        VKR_Fehleruserstring(grund.c_str());
        return FEHLER_KURVENDATEI_OEFFNEN;
    }
    const int datei = CVI_OpenFile(pfad.c_str(), VAL_READ_ONLY, 0, VAL_BINARY);
    if (datei < 0) return FEHLER_KURVENDATEI_OEFFNEN;
    // Header first; then exactly the values it announces (further bytes are not read).
    std::vector<unsigned char> bild(KURVENDATEI_KOPFGROESSE);
    const int gelesen = allesLesen(datei, bild.data(), KURVENDATEI_KOPFGROESSE);
    bild.resize(static_cast<std::size_t>(gelesen));
    if (gelesen == KURVENDATEI_KOPFGROESSE) {
        const int32_t n = le32_lesen(bild.data() + OFFSET_ECKDATEN + 4 * KE_ANZAHLSCHRITTE);
        if (n >= KURVEN_SCHRITTE_MIN && n <= KURVEN_SCHRITTE_MAX) {
            bild.resize(static_cast<std::size_t>(KurvenDatei_Groesse(n)));
            const int rest = KurvenDatei_Groesse(n) - KURVENDATEI_KOPFGROESSE;
            const int weitere = allesLesen(datei, bild.data() + KURVENDATEI_KOPFGROESSE, rest);
            bild.resize(static_cast<std::size_t>(KURVENDATEI_KOPFGROESSE + weitere));
        }
    }
    CVI_CloseFile(datei);

    KurvenDateiInhalt inhalt;
    if (const Fehlercode f = KurvenDatei_BildAuswerten(bild.data(), bild.size(), inhalt); f != KEIN_FEHLER)
        return f;

    // Everything checked: take it over (moves only, nothing here can fail half-way).
    const int32_t n = inhalt.eckdaten[KE_ANZAHLSCHRITTE];
    for (int i = 0; i < KURVENECKDATEN_ANZAHL; ++i)
        gKurveneckdaten[i] = inhalt.eckdaten[i];
    for (int k = 0; k < KURVEN_ANZAHL; ++k) {
        gKurven[k].values.swap(inhalt.werte[k]);
        gKurven[k].count = n;
    }
    // The curves have their length already; this lets the window follow.
    if (Kurven_KurvenlaengenAendern(n) != KEIN_FEHLER) return FEHLER_KURVENDATEI_LAENGE_AENDERN;
    gPfad = pfad;
    gGeaendert = false;
    KurvenDatei_FenstertitelSetzen();
    return KEIN_FEHLER;
}

Fehlercode KurvenDatei_Laden() {
    std::string laufwerk, verzeichnis, name;
    SplitPath(gPfad, &laufwerk, &verzeichnis, &name);
    char gewaehlt[MAX_PATHNAME_LEN] = {};
    const int wahl =
        FileSelectPopup((laufwerk + verzeichnis).c_str(), "*.plk", "*.plk",
                        QT_TRANSLATE_NOOP("Plm1", "Öffnen"), VAL_LOAD_BUTTON, 0, 1, 1, 0, gewaehlt);
    if (wahl == VAL_NO_FILE_SELECTED) return FEHLER_ABBRUCH_DURCH_BENUTZER;
    if (wahl == VAL_NEW_FILE_SELECTED) return FEHLER_KURVENDATEI_FEHLT;
    return KurvenDatei_LadenAus(gewaehlt);
}
