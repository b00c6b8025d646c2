// The cycle window's undo history: snapshots of the cycle around each edit, as steps of the panel's history.

#include "cycle/Kurven_Verlauf.h"

#include "cycle/Kurven_Datei.h"
#include "cycle/Kurven_Userinterface.h"
#include "cycle/Kurvenarrays.h"
#include "errors/VKR_errorV3.h"
#include "platform/ui/ui_verlauf.h"
#include "resources/Plm1SteuerungGui.h"

#include <array>
#include <cstdint>
#include <memory>
#include <new>
#include <vector>

namespace {

struct Zyklusstand {
    std::array<int32_t, KURVENECKDATEN_ANZAHL> eckdaten{};
    std::array<std::vector<int32_t>, KURVEN_ANZAHL> werte;
};
using Stand = std::shared_ptr<const Zyklusstand>;

bool gLaeuft = false; // an edit runs
Stand gVorher;        // the cycle before it; null when the memory for the copy could not be had
Stand gLetzter;       // the cycle after the last step; the next step shares it as its "before"

bool istModell(const Zyklusstand& s) {
    for (int i = 0; i < KURVENECKDATEN_ANZAHL; ++i)
        if (s.eckdaten[i] != gKurveneckdaten[i]) return false;
    for (int k = 0; k < KURVEN_ANZAHL; ++k)
        if (s.werte[k] != gKurven[k].values) return false;
    return true;
}

// The cycle as it is now; null when the memory for the copy could not be had.
Stand standNehmen() {
    if (gLetzter && istModell(*gLetzter)) return gLetzter;
    try {
        auto s = std::make_shared<Zyklusstand>();
        for (int i = 0; i < KURVENECKDATEN_ANZAHL; ++i)
            s->eckdaten[i] = gKurveneckdaten[i];
        for (int k = 0; k < KURVEN_ANZAHL; ++k)
            s->werte[k] = gKurven[k].values;
        return s;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

// Model, controls, scroll bar and canvases as the snapshot holds them.
void standSetzen(const Stand& s) {
    std::array<std::vector<int32_t>, KURVEN_ANZAHL> werte;
    try {
        werte = s->werte;
    } catch (const std::bad_alloc&) {
        VKR_Fehlerpopup(FEHLER_KURVEN_SPEICHER_LAENGE);
        return;
    }
    for (int i = 0; i < KURVENECKDATEN_ANZAHL; ++i)
        gKurveneckdaten[i] = s->eckdaten[i];
    for (int k = 0; k < KURVEN_ANZAHL; ++k) {
        gKurven[k].values.swap(werte[k]);
        gKurven[k].count = static_cast<int32_t>(gKurven[k].values.size());
    }
    gLetzter = s;
    // The curves have their length already; this lets scroll bar, step count and canvases follow.
    if (const Fehlercode f = Kurven_KurvenlaengenAendern(gKurven[0].count); f != KEIN_FEHLER)
        VKR_Fehlerpopup(f);
    KurvenGui_ArrayToGui();
}

} // namespace

void KurvenVerlauf_Einrichten() {
    (void)UI_VerlaufEinrichten(gKurvenPanel, MENUKURVEN_BEARBEITEN_RUECKGAENGIG,
                               MENUKURVEN_BEARBEITEN_WIEDERHOLEN,
                               [](bool sauber) { KurvenDatei_GeaendertSetzen(!sauber); });
    gLaeuft = false;
    gVorher = nullptr;
    gLetzter = nullptr;
}

void KurvenVerlauf_BearbeitungBeginnen() {
    KurvenVerlauf_BearbeitungBeenden();
    gVorher = standNehmen();
    gLaeuft = true;
}

bool KurvenVerlauf_BearbeitungLaeuft() {
    return gLaeuft;
}

void KurvenVerlauf_BearbeitungBeenden() {
    if (!gLaeuft) return;
    gLaeuft = false;
    const Stand vorher = std::move(gVorher);
    gVorher = nullptr;
    if (vorher && istModell(*vorher)) return;
    // Without a copy the edit is still marked, it only cannot be undone.
    const Stand nachher = standNehmen();
    if (vorher && nachher) {
        gLetzter = nachher;
        UI_VerlaufSchritt(
            gKurvenPanel, "Zyklus bearbeiten", [vorher] { standSetzen(vorher); },
            [nachher] { standSetzen(nachher); });
    }
    KurvenDatei_WurdeGeaendert();
}

void KurvenVerlauf_Rueckgaengig() {
    UI_VerlaufRueckgaengig(gKurvenPanel);
}

void KurvenVerlauf_Wiederholen() {
    UI_VerlaufWiederholen(gKurvenPanel);
}

void KurvenVerlauf_Leeren() {
    gLaeuft = false;
    gVorher = nullptr;
    gLetzter = nullptr;
    UI_VerlaufLeeren(gKurvenPanel);
}

void KurvenVerlauf_DateistandUebernehmen() {
    if (!KurvenDatei_IstGeaendert()) UI_VerlaufSauberSetzen(gKurvenPanel);
}
