// The question before a window's unsaved work is replaced or left.

#include "shell/Plm1_Schutz.h"

#include "errors/VKR_errorV3.h"
#include "platform/ui/ui_fragen.h"

bool Schutz_Weiter(const UngesicherteArbeit& arbeit) {
    if (!arbeit.istGeaendert()) return true;
    switch (UI_SpeichernFrage(arbeit.titel, arbeit.frage)) {
    case UI_ANTWORT_VERWERFEN:
        return true;
    case UI_ANTWORT_SPEICHERN: {
        const Fehlercode f = arbeit.speichern(0);
        if (f != KEIN_FEHLER) VKR_Fehlerpopup(f); // nothing is shown for a cancelled file dialog
        return f == KEIN_FEHLER && !arbeit.istGeaendert();
    }
    default:
        return false;
    }
}
