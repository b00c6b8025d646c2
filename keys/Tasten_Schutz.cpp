// The question before the key table's unsaved work is replaced.

#include "keys/Tasten_Schutz.h"

#include "errors/VKR_errorV3.h"
#include "keys/Tasten_Datei.h"
#include "platform/ui_fragen.h"

bool TastenSchutz_Weiter() {
    if (!TastenDatei_IstGeaendert()) return true;
    switch (UI_SpeichernFrage(TASTENSCHUTZ_TITEL, TASTENSCHUTZ_FRAGE)) {
    case UI_ANTWORT_VERWERFEN:
        return true;
    case UI_ANTWORT_SPEICHERN: {
        const Fehlercode f = TastenDatei_Speichern(0);
        if (f != KEIN_FEHLER) VKR_Fehlerpopup(f); // nothing is shown for a cancelled file dialog
        return f == KEIN_FEHLER && !TastenDatei_IstGeaendert();
    }
    default:
        return false;
    }
}
