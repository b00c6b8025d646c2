// The cycle before a stroke, and the question before unsaved work is replaced.

#include "cycle/Kurven_Schutz.h"

#include "cycle/Kurven_Datei.h"
#include "cycle/Kurvenarrays.h"
#include "errors/VKR_errorV3.h"
#include "platform/ui_fragen.h"

#include <cstdint>
#include <vector>

namespace {

std::vector<std::vector<int32_t>> kurvenwerte() {
    std::vector<std::vector<int32_t>> w;
    w.reserve(KURVEN_ANZAHL);
    for (const auto& k : gKurven)
        w.push_back(k.values);
    return w;
}

std::vector<std::vector<int32_t>> gVorDemStrich;
bool gStrichLaeuft = false;

} // namespace

void KurvenSchutz_StrichBeginnen() {
    gVorDemStrich = kurvenwerte();
    gStrichLaeuft = true;
}

void KurvenSchutz_StrichBeenden() {
    if (!gStrichLaeuft) return;
    gStrichLaeuft = false;
    if (kurvenwerte() != gVorDemStrich) KurvenDatei_WurdeGeaendert();
    gVorDemStrich.clear();
}

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
