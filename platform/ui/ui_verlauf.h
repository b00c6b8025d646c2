#pragma once
// Undo history of a window's edits (over Qt's undo stack): each step knows how to take itself back and do
// itself again; the window's "Rückgängig" and "Wiederholen" items follow it, and the saved state is marked.

#include <functional>

// Gives a panel its history, tied to two items of its menu bar that are dimmed while there is nothing to
// undo or redo. sauberGeaendert(true) is called when the history comes back to the position marked clean,
// sauberGeaendert(false) when it leaves it. The history goes with the panel. 0, or negative for an unknown
// panel or item.
int UI_VerlaufEinrichten(int panel, int rueckgaengigItem, int wiederholenItem,
                         std::function<void(bool sauber)> sauberGeaendert);
// Records an edit that is already done: `zurueck` takes it back, `vor` does it again. Undone steps after
// the current position are dropped. Steps beyond UI_VERLAUF_SCHRITTE_MAX drop the oldest.
constexpr int UI_VERLAUF_SCHRITTE_MAX = 200;
int UI_VerlaufSchritt(int panel, const char* text, std::function<void()> zurueck, std::function<void()> vor);
// Undoes / redoes one step: 1 when a step was taken, 0 when there was none, negative without a history.
int UI_VerlaufRueckgaengig(int panel);
int UI_VerlaufWiederholen(int panel);
// A fresh history (load, new, download): nothing to undo or redo, the current state is the clean one.
int UI_VerlaufLeeren(int panel);
// The current state is the saved one.
int UI_VerlaufSauberSetzen(int panel);
