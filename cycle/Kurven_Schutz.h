#pragma once
// Unsaved work in the cycle window: replacing or leaving a changed cycle asks "Speichern", "Verwerfen" or
// "Abbrechen" first (edits, canvas strokes too, mark it changed through its history: Kurven_Verlauf.h).

#include "platform/sprache/textmarke.h"

constexpr const char* KURVENSCHUTZ_TITEL = QT_TRANSLATE_NOOP("Plm1", "Zyklus-Programmierung");
constexpr const char* KURVENSCHUTZ_FRAGE =
    QT_TRANSLATE_NOOP("Plm1", "Der Zyklus wurde geändert.\nSollen die Änderungen gespeichert werden?");

// True when the cycle may be replaced or left: nothing unsaved, saved now, or discarded. Cancelling or a
// failed or cancelled save give false.
bool KurvenSchutz_Weiter();
