// The questions asked before the program ends.

#include "shell/Plm1_Beenden.h"

#include "platform/ui/ui.h"

namespace {
BeendenFrage gFragen[MAX_BEENDEN_FRAGEN];
int gAnzahl = 0;
} // namespace

void Beenden_FrageRegistrieren(BeendenFrage frage) {
    for (int i = 0; i < gAnzahl; ++i)
        if (gFragen[i] == frage) return;
    if (frage && gAnzahl < MAX_BEENDEN_FRAGEN) gFragen[gAnzahl++] = frage;
}

bool Beenden_Anfordern() {
    for (int i = 0; i < gAnzahl; ++i)
        if (!gFragen[i]()) return false;
    QuitUserInterface(0);
    return true;
}

void Beenden_Zuruecksetzen() {
    gAnzahl = 0;
}
