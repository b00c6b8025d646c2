// The key window's undo history: the key table before and after each edit, as steps of the panel's history.

#include "keys/Tasten_Verlauf.h"

#include "keys/Tasten_Datei.h"
#include "keys/Tasten_Main.h"
#include "keys/Tasten_Userinterface.h"
#include "platform/ui/ui_verlauf.h"
#include "resources/Plm1SteuerungGui.h"

namespace {

void tabelleSetzen(const TastenTabelle& t) {
    gTaste = t;
    TastenGui_ArrayToGui();
}

} // namespace

void TastenVerlauf_Einrichten() {
    (void)UI_VerlaufEinrichten(tastenPanelHandle, MENUTASTEN_BEARBEITEN_RUECKGAENGIG,
                               MENUTASTEN_BEARBEITEN_WIEDERHOLEN,
                               [](bool sauber) { TastenDatei_GeaendertSetzen(!sauber); });
}

void TastenVerlauf_Aenderung(const TastenTabelle& vorher) {
    if (gTaste == vorher) return;
    const TastenTabelle nachher = gTaste;
    UI_VerlaufSchritt(
        tastenPanelHandle, "Tasten bearbeiten", [vorher] { tabelleSetzen(vorher); },
        [nachher] { tabelleSetzen(nachher); });
    TastenDatei_WurdeGeaendert();
}

void TastenVerlauf_Rueckgaengig() {
    UI_VerlaufRueckgaengig(tastenPanelHandle);
}

void TastenVerlauf_Wiederholen() {
    UI_VerlaufWiederholen(tastenPanelHandle);
}

void TastenVerlauf_Leeren() {
    UI_VerlaufLeeren(tastenPanelHandle);
}

void TastenVerlauf_DateistandUebernehmen() {
    if (!TastenDatei_IstGeaendert()) UI_VerlaufSauberSetzen(tastenPanelHandle);
}
