// The question before the key table's unsaved work is replaced.

#include "keys/Tasten_Schutz.h"

#include "keys/Tasten_Datei.h"
#include "shell/Plm1_Schutz.h"

bool TastenSchutz_Weiter() {
    return Schutz_Weiter(
        {TASTENSCHUTZ_TITEL, TASTENSCHUTZ_FRAGE, &TastenDatei_IstGeaendert, &TastenDatei_Speichern});
}
