#pragma once
// Unsaved work of a window with a file: before its data is replaced or left the operator is asked
// "Speichern", "Verwerfen" or "Abbrechen".

#include "errors/VKR_Fehlercodes.h"

// What a window tells the question: the box's title and text, its changed flag and its save.
struct UngesicherteArbeit {
    const char* titel;
    const char* frage;
    bool (*istGeaendert)();
    Fehlercode (*speichern)(unsigned char immerFragen);
};

// True when the data may be replaced or left: nothing unsaved, saved now, or discarded. Cancelling, or a
// failed or cancelled save, gives false; a failed save is shown, a cancelled file dialog is not.
bool Schutz_Weiter(const UngesicherteArbeit& arbeit);
