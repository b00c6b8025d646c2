#pragma once
// The cycle window's undo history: every edit (a canvas stroke from press to release, a change in a key
// data control) is one step holding the cycle before and after it; undo and redo put either back into the
// model and the window. Loading, "Neu" and a download start a fresh history.

// Sets up the history with the "Bearbeiten" items once the panel is loaded.
void KurvenVerlauf_Einrichten();
// An edit begins: the cycle as it is now is kept. A running edit is ended first.
void KurvenVerlauf_BearbeitungBeginnen();
// The edit ends: when it changed the cycle it becomes one step and the cycle is marked changed.
// Nothing happens without a running edit.
void KurvenVerlauf_BearbeitungBeenden();
bool KurvenVerlauf_BearbeitungLaeuft();
void KurvenVerlauf_Rueckgaengig();
void KurvenVerlauf_Wiederholen();
// A fresh history: nothing to undo or redo, the cycle as it is now is the clean state.
void KurvenVerlauf_Leeren();
// Follows the file's changed flag: a cycle that is no longer changed (saved, loaded) is the clean state.
void KurvenVerlauf_DateistandUebernehmen();
