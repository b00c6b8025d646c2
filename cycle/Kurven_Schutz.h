#pragma once
// Unsaved work in the cycle window: a canvas stroke that changed the curves marks the cycle as changed,
// and replacing or leaving a changed cycle asks "Speichern", "Verwerfen" or "Abbrechen" first.

constexpr const char* KURVENSCHUTZ_TITEL = "Zyklus-Programmierung";
constexpr const char* KURVENSCHUTZ_FRAGE =
    "Der Zyklus wurde geändert.\nSollen die Änderungen gespeichert werden?";

// Press and release of a mouse stroke on a canvas; the release marks the cycle as changed when the stroke
// changed any value.
void KurvenSchutz_StrichBeginnen();
void KurvenSchutz_StrichBeenden();
// True when the cycle may be replaced or left: nothing unsaved, saved now, or discarded. Cancelling or a
// failed or cancelled save give false.
bool KurvenSchutz_Weiter();
