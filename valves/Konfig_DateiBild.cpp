// Byte image of the *.plc file: header, the 11 valve kinds and the 11 selector identifiers, little-endian.

#include "errors/VKR_Fehlercodes.h"
#include "platform/files/Datei_Kopf.h"
#include "platform/files/le_bytes.h"
#include "valves/Konfig_Datei.h"
#include "valves/Konfigarray.h"

#include <cstring>

namespace {
constexpr const char* DATEIART = "Konfig";
constexpr int VERSATZ_ARTEN = DATEIKOPF_GROESSE;
constexpr int VERSATZ_AUSWAHL = VERSATZ_ARTEN + 4 * ANZAHL_VENTILE;
} // namespace

void KonfigDatei_BildErstellen(unsigned char bild[KONFIGDATEI_GROESSE]) {
    std::memset(bild, 0, KONFIGDATEI_GROESSE);
    DateiKopf_Schreiben(bild, DATEIART, DATEI_VERSION);
    for (int i = 0; i < ANZAHL_VENTILE; ++i) {
        le32_setzen(bild + VERSATZ_ARTEN + 4 * i, gKonfig[i]);
        le32_setzen(bild + VERSATZ_AUSWAHL + 4 * i, gKonfigAuswahl[i]);
    }
}

Fehlercode KonfigDatei_BildAuswerten(const unsigned char* bild, int laenge, Ventilarten& arten) {
    if (bild == nullptr || laenge < KONFIGDATEI_GROESSE) return FEHLER_KONFIGDATEI_ZU_KURZ;
    switch (DateiKopf_Pruefen(bild, DATEIART, DATEI_VERSION)) {
    case KopfPruefung::FalscherTyp:
        return FEHLER_KONFIGDATEI_TYP;
    case KopfPruefung::FalscheVersion:
        return FEHLER_KONFIGDATEI_VERSION;
    case KopfPruefung::Ok:
        break;
    }
    // The selector identifiers that follow are not read back: they belong to this build's window.
    for (int i = 0; i < ANZAHL_VENTILE; ++i)
        arten[i] = le32_lesen(bild + VERSATZ_ARTEN + 4 * i);
    return KEIN_FEHLER;
}
