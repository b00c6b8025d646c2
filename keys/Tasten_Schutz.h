#pragma once
// Unsaved work in the key window: replacing or leaving a changed key table asks "Speichern",
// "Verwerfen" or "Abbrechen" first.

#include "platform/sprache/textmarke.h"

constexpr const char* TASTENSCHUTZ_TITEL = QT_TRANSLATE_NOOP("Plm1", "Tasten-Programmierung");
constexpr const char* TASTENSCHUTZ_FRAGE = QT_TRANSLATE_NOOP(
    "Plm1", "Die Tastenbelegung wurde geändert.\nSollen die Änderungen gespeichert werden?");

// True when the key table may be replaced or left: nothing unsaved, saved now, or discarded. Cancelling
// or a failed or cancelled save give false.
bool TastenSchutz_Weiter();
