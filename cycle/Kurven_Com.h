#pragma once
// Transfer of the cycle to and from the unit's memory (area 4): the head at 0x0400, the step records at
// 0x0420, and their bit-inverted copies at 0x4400 and 0x4420; encoding and decoding of both images.

#include "cycle/Kurven_Satz.h"
#include "cycle/Kurvenarrays.h"
#include "errors/VKR_Fehlercodes.h"
#include "platform/sprache/textmarke.h"
#include "valves/Ventilarten.h"

constexpr const char* KURVENCOM_SPEICHERFEHLER_TEXT =
    QT_TRANSLATE_NOOP("Plm1", "Speicherfehler im PLM-1.\nSenden Sie die Kurven erneut zum PLM-1");
constexpr const char* KURVENCOM_WARNUNG_TITEL = QT_TRANSLATE_NOOP("Plm1", "Warnung");
constexpr const char* KURVENCOM_WARNUNG_TEXT = QT_TRANSLATE_NOOP(
    "Plm1",
    "Warnung:\nIm Zyklus auf dem PLM-1 sind mehrere verschiedene Grenzdrücke gespeichert.\n"
    "Dies wird von PLM1-Steuerung nicht unterstützt.\nAlle Grenzdrücke wurden daher auf den gleichen Wert "
    "gesetzt.");

// Sends the cycle (head, records, each plain then inverted). A failed block transfer is shown in the
// error controls and 0 is returned; other failures are returned.
[[nodiscard]] Fehlercode KurvenCom_Plm1Upload();
// Reads the unit's cycle into gKurven and gKurveneckdaten; transfer failures as for the upload.
[[nodiscard]] Fehlercode KurvenCom_Plm1Download();

// Encodes the head of the cycle held in gKurveneckdaten.
void KurvenCom_KopfErstellen(unsigned char kopf[KURVENSATZ_KOPFGROESSE], int invertiert);
// Encodes the N records (N = ANZAHLSCHRITTE) with the valve kinds of the valve configuration into
// 16 * N bytes; returns N.
int KurvenCom_PunkteErstellen(unsigned char* punkte, int invertiert);
// Checks the head and takes over step count and runs (-9407, -9408; the cycle is then unchanged).
[[nodiscard]] Fehlercode KurvenCom_KopfAuswerten(const unsigned char kopf[KURVENSATZ_KOPFGROESSE]);
// Checks and decodes `anzahl` records (at most ANZAHLSCHRITTE) into steps 0 .. anzahl-1 (-9409 at the first
// bad record; the steps before keep what was decoded). Shows the "Warnung" popup once when the records
// carry different limits.
[[nodiscard]] Fehlercode KurvenCom_PunkteAuswerten(const unsigned char* punkte, int anzahl);

// Pure parts, with the valve kinds given.
void KurvenCom_SatzErstellen(unsigned char satz[KURVENSATZ_SATZGROESSE], int schritt,
                             const Ventilarten& arten, int invertiert);
// Percent -> -255..255: a cycle record holds at most the unit's full scale (see PumpenFeld).
int KurvenCom_PumpeZuGeraet(int32_t prozent);
