#pragma once
// The cycle's *.plk file (184 bytes of header plus 52 per step): save and load, the current path and
// changed flag, the curve window's title; and the pure byte image for the command line and fuzzing.

#include "cycle/Kurvenarrays.h"
#include "errors/VKR_Fehlercodes.h"
#include "platform/sprache/textmarke.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr int KURVENDATEI_KOPFGROESSE = 184;
constexpr int KURVENDATEI_BYTES_JE_SCHRITT = 4 * KURVEN_ANZAHL;
constexpr const char* KURVENDATEI_ART = "Kurven";
constexpr const char* KURVENDATEI_UNBENANNT = QT_TRANSLATE_NOOP("Plm1", "Unbenannt");
constexpr const char* KURVENFENSTER_NAME = QT_TRANSLATE_NOOP("Plm1", "Zyklus-Programmierung");

constexpr int KurvenDatei_Groesse(int schritte) {
    return KURVENDATEI_KOPFGROESSE + KURVENDATEI_BYTES_JE_SCHRITT * schritte;
}

// Saves the cycle; with immerFragen set (or an unnamed cycle) the file dialog asks for the name.
[[nodiscard]] Fehlercode KurvenDatei_Speichern(unsigned char immerFragen);
// Asks for a file and loads it. On any failure cycle, path and changed flag stay as they were.
[[nodiscard]] Fehlercode KurvenDatei_Laden();
void KurvenDatei_DateinameZuruecksetzen();
// Hands the window title to what the cycle window registered (nothing without a window).
void KurvenDatei_FenstertitelSetzen();
using KurvenTitelAnzeigen = void (*)(const char* titel);
void KurvenDatei_TitelAnzeigeSetzen(KurvenTitelAnzeigen fn);
void KurvenDatei_WurdeGeaendert();
// Sets the changed flag and shows the title (undo and redo onto and off the saved state).
void KurvenDatei_GeaendertSetzen(bool geaendert);

// The same without a dialog (command line, tests).
[[nodiscard]] Fehlercode KurvenDatei_SpeichernNach(const std::string& pfad);
[[nodiscard]] Fehlercode KurvenDatei_LadenAus(const std::string& pfad);

// Current path ("Unbenannt" without a file), changed flag, and the title text the window gets.
const std::string& KurvenDatei_PfadGet();
bool KurvenDatei_IstGeaendert();
std::string KurvenDatei_Fenstertitel();

// A decoded file: the 11 key data words and N values per channel (N = ANZAHLSCHRITTE).
struct KurvenDateiInhalt {
    int32_t eckdaten[KURVENECKDATEN_ANZAHL] = {};
    std::vector<int32_t> werte[KURVEN_ANZAHL];
};

// Image of the given cycle (every curve must hold count values).
std::vector<unsigned char> KurvenDatei_BildErstellen(const int32_t eckdaten[KURVENECKDATEN_ANZAHL],
                                                     const Kurvenarray kurven[KURVEN_ANZAHL]);
// Checks a whole image of `laenge` bytes (bytes past the values are ignored) and decodes it; the codes
// are those of the load (-304426, -302427, -303428, -304429, -304430, -304431, -304432).
[[nodiscard]] Fehlercode KurvenDatei_BildAuswerten(const unsigned char* bild, std::size_t laenge,
                                                   KurvenDateiInhalt& inhalt);
