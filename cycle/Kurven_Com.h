#pragma once
// Transfer of the cycle to and from the unit's memory (area 4): the head at 0x0400, the step records at
// 0x0420, and their bit-inverted copies at 0x4400 and 0x4420; encoding and decoding of both images.

#include "cycle/Kurvenarrays.h"
#include "errors/VKR_Fehlercodes.h"

constexpr int KURVENCOM_ADRESSE_KOPF = 0x0400;
constexpr int KURVENCOM_ADRESSE_PUNKTE = 0x0420;
constexpr int KURVENCOM_ADRESSE_KOPF_INVERTIERT = 0x4400;
constexpr int KURVENCOM_ADRESSE_PUNKTE_INVERTIERT = 0x4420;
constexpr int KURVENCOM_KOPFGROESSE = 6;
constexpr int KURVENCOM_SATZGROESSE = 16;
constexpr int KURVENCOM_KEIN_OBERER_GRENZDRUCK = 2000;
constexpr int KURVENCOM_KEIN_UNTERER_GRENZDRUCK = -2000;
constexpr int KURVENCOM_PUMPE_MAX = 255; // unit's pump setting for 100 percent

constexpr const char* KURVENCOM_SPEICHERFEHLER_TEXT =
    "Speicherfehler im PLM-1.\nSenden Sie die Kurven erneut zum PLM-1";
constexpr const char* KURVENCOM_WARNUNG_TITEL = "Warnung";
constexpr const char* KURVENCOM_WARNUNG_TEXT =
    "Warnung:\nIm Zyklus auf dem PLM-1 sind mehrere verschiedene Grenzdrücke gespeichert.\n"
    "Dies wird von PLM1-Steuerung nicht unterstützt.\nAlle Grenzdrücke wurden daher auf den gleichen Wert "
    "gesetzt.";

// Sends the cycle (head, records, each plain then inverted). A failed block transfer is shown in the
// error controls and 0 is returned; other failures are returned.
[[nodiscard]] Fehlercode KurvenCom_Plm1Upload();
// Reads the unit's cycle into gKurven and gKurveneckdaten; transfer failures as for the upload.
[[nodiscard]] Fehlercode KurvenCom_Plm1Download();

// Encodes the head of the cycle held in gKurveneckdaten.
void KurvenCom_KopfErstellen(unsigned char kopf[KURVENCOM_KOPFGROESSE], int invertiert);
// Encodes the N records (N = ANZAHLSCHRITTE) with the valve kinds of the valve configuration into
// 16 * N bytes; returns N.
int KurvenCom_PunkteErstellen(unsigned char* punkte, int invertiert);
// Checks the head and takes over step count and runs (-9407, -9408; the cycle is then unchanged).
[[nodiscard]] Fehlercode KurvenCom_KopfAuswerten(const unsigned char kopf[KURVENCOM_KOPFGROESSE]);
// Checks and decodes `anzahl` records (at most ANZAHLSCHRITTE) into steps 0 .. anzahl-1 (-9409 at the first
// bad record; the steps before keep what was decoded). Shows the "Warnung" popup once when the records
// carry different limits.
[[nodiscard]] Fehlercode KurvenCom_PunkteAuswerten(const unsigned char* punkte, int anzahl);

// Pure parts, with the valve kinds given (0 n.v., 1 NO, 2 NC for valves 1..11).
void KurvenCom_SatzErstellen(unsigned char satz[KURVENCOM_SATZGROESSE], int schritt, const int arten[11],
                             int invertiert);
int KurvenCom_PumpeZuGeraet(int32_t prozent);   // percent -> -255..255
int32_t KurvenCom_PumpeVonGeraet(int wert);     // -32768..32767 -> percent
void KurvenCom_VentilartenHolen(int arten[11]); // from the valve configuration
