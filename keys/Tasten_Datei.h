#pragma once
// The key table's file: saving and loading *.plt files, the current path with its changed flag, and the
// key window's title that shows both.

#include "errors/VKR_Fehlercodes.h"
#include "keys/Tasten_Dateibild.h"
#include "platform/sprache/textmarke.h"

#include <string>

constexpr const char* TASTENDATEI_UNBENANNT = QT_TRANSLATE_NOOP("Plm1", "Unbenannt");
constexpr const char* TASTEN_FENSTERNAME = QT_TRANSLATE_NOOP("Plm1", "Tasten-Programmierung");

// Saves gTaste; asks for a name when immerFragen is set or the table has none yet. Cancel: -6000.
[[nodiscard]] Fehlercode TastenDatei_Speichern(unsigned char immerFragen);
// Asks for a file and loads it into gTaste. On any failure table, path and changed flag stay as they were.
[[nodiscard]] Fehlercode TastenDatei_Laden();
void TastenDatei_DateinameZuruecksetzen();
// Hands the window title to what the key window registered (nothing without a window).
void TastenDatei_FenstertitelSetzen();
using TastenTitelAnzeigen = void (*)(const char* titel);
void TastenDatei_TitelAnzeigeSetzen(TastenTitelAnzeigen fn);
void TastenDatei_WurdeGeaendert();
// Sets the changed flag and shows the title (undo and redo onto and off the saved state).
void TastenDatei_GeaendertSetzen(bool geaendert);

// Without a dialog (command line): the same checks and codes; the path and title are not touched.
[[nodiscard]] Fehlercode TastenDatei_InDateiSchreiben(const std::string& pfad, const TastenTabelle& tabelle);
[[nodiscard]] Fehlercode TastenDatei_AusDateiLesen(const std::string& pfad, TastenTabelle& ziel);

// State for the window and tests.
const std::string& TastenDatei_PfadGet();
bool TastenDatei_IstGeaendert();
std::string TastenDatei_Fenstertitel(); // "Tasten-Programmierung - [<name>[ *]]"
