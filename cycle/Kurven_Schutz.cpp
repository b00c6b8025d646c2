// The question before the cycle's unsaved work is replaced.

#include "cycle/Kurven_Schutz.h"

#include "cycle/Kurven_Datei.h"
#include "shell/Plm1_Schutz.h"

bool KurvenSchutz_Weiter() {
    return Schutz_Weiter(
        {KURVENSCHUTZ_TITEL, KURVENSCHUTZ_FRAGE, &KurvenDatei_IstGeaendert, &KurvenDatei_Speichern});
}
