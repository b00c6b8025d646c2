#pragma once
// Ending the program from a window: every window with unsaved work may ask first and hold the end back.

constexpr int MAX_BEENDEN_FRAGEN = 8;

// A window's question: true when the program may end (nothing unsaved, saved, or discarded).
using BeendenFrage = bool (*)();

void Beenden_FrageRegistrieren(BeendenFrage frage);
// Asks every registered window in turn; ends the event loop (QuitUserInterface) only when all agree.
// Returns whether it did.
bool Beenden_Anfordern();
// Forgets the registered questions (tests).
void Beenden_Zuruecksetzen();
