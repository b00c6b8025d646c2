#pragma once
// The cycle's memory image without model, device or window: the head and step records and their inverted
// copies, in the unit's own numbers (check sum and inversion: device/Speicherbild). Shared by the transfer
// and the simulated unit.

// Where the cycle stands in the unit's memory: the head, the step records, and their inverted copies.
constexpr int KURVENSATZ_ADRESSE_KOPF = 0x0400;
constexpr int KURVENSATZ_ADRESSE_SAETZE = 0x0420;
constexpr int KURVENSATZ_ADRESSE_KOPF_INVERTIERT = 0x4400;
constexpr int KURVENSATZ_ADRESSE_SAETZE_INVERTIERT = 0x4420;
constexpr int KURVENSATZ_KOPFGROESSE = 6;
constexpr int KURVENSATZ_KOPF_NUTZBYTES = 4; // bytes 0..3, then the check sum
constexpr int KURVENSATZ_SATZGROESSE = 16;
constexpr int KURVENSATZ_SATZ_NUTZBYTES = 14;
constexpr int KURVENSATZ_PUMPEN = 2;

struct KurvenKopf {
    int schritte = 0;
    int laeufe = 0; // 0: without end
};

// One step as the unit holds it: coil bits of valves 1..11, pump settings -255..255, limits in mbar
// (2000 / -2000: none).
struct KurvenSatz {
    int ventilbits = 0;
    int pumpe[KURVENSATZ_PUMPEN] = {0, 0};
    int oben[KURVENSATZ_PUMPEN] = {0, 0};
    int unten[KURVENSATZ_PUMPEN] = {0, 0};
};

// `anzahl` images of `groesse` bytes each, plain and inverted copy: every check sum right and every used
// byte of the copy the inverse of the plain one.
bool KurvenSatz_KopieStimmt(const unsigned char* bild, const unsigned char* invertiert, int groesse,
                            int nutzbytes, int anzahl);

// Writes a head / record, plain or bit-inverted, with its check sum.
void KurvenSatz_KopfSchreiben(const KurvenKopf& k, bool invertiert, unsigned char* kopf);
void KurvenSatz_Schreiben(const KurvenSatz& s, bool invertiert, unsigned char* satz);

// Reads a plain head / record; false (and `ziel` unchanged) when its check sum is wrong.
[[nodiscard]] bool KurvenSatz_KopfLesen(const unsigned char* kopf, KurvenKopf& ziel);
[[nodiscard]] bool KurvenSatz_Lesen(const unsigned char* satz, KurvenSatz& ziel);
