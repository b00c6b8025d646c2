#pragma once
// The curve window's side of the cycle's length: ANZAHLSCHRITTE limits, and what follows a length
// change (scroll bar, step control, first visible step, canvases).

// ANZAHLSCHRITTE := 10 with the limits 1 .. 600; YWERTANZEIGE hidden.
void Kurven_PanelsInitialisieren();
// Registered with the model: after the curves took the length n, the window follows.
void Kurven_FensterAnpassen(int n);
