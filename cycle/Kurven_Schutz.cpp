// The question before the cycle's unsaved work is replaced.

#include "cycle/Kurven_Schutz.h"

#include "cycle/Kurven_Datei.h"
#include "errors/VKR_errorV3.h"
#include "platform/ui_fragen.h"

bool KurvenSchutz_Weiter() {
    if (!KurvenDatei_IstGeaendert()) return true;
    switch (UI_SpeichernFrage(KURVENSCHUTZ_TITEL, KURVENSCHUTZ_FRAGE)) {
    case UI_ANTWORT_VERWERFEN:
        return true;
    case UI_ANTWORT_SPEICHERN: {
        const Fehlercode f = KurvenDatei_Speichern(0);
        if (f != KEIN_FEHLER) VKR_Fehlerpopup(f); // nothing is shown for a cancelled file dialog
        return f == KEIN_FEHLER && !KurvenDatei_IstGeaendert();
    }
    default:
        return false;
    }
}
