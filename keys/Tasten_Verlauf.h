#pragma once
// The key window's undo history: every committed edit of a key field, switch or check box is one step
// holding the key table before and after it. Loading, "Neu" and a download start a fresh history.

#include "keys/Tastenarrays.h"

// Sets up the history with the "Bearbeiten" items once the panel is loaded.
void TastenVerlauf_Einrichten();
// After an edit: when gTaste differs from `vorher` the edit becomes one step and the table is marked
// changed.
void TastenVerlauf_Aenderung(const TastenTabelle& vorher);
void TastenVerlauf_Rueckgaengig();
void TastenVerlauf_Wiederholen();
// A fresh history: nothing to undo or redo, the table as it is now is the clean state.
void TastenVerlauf_Leeren();
// Follows the file's changed flag: a table that is no longer changed (saved, loaded) is the clean state.
void TastenVerlauf_DateistandUebernehmen();
