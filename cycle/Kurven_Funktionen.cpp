// The curve window's side of the cycle's length.

#include "cycle/Kurven_Funktionen.h"

#include "cycle/CanvasFunktionen.h"
#include "cycle/Kurvenarrays.h"
#include "platform/ui/ui.h"
#include "resources/Plm1SteuerungGui.h"
#include "scrollbar/Scrollbar.h"

void Kurven_PanelsInitialisieren() {
    if (gKurvenPanel <= 0) return;
    SetCtrlAttribute(gKurvenPanel, KURVPANEL_ANZAHLSCHRITTE, ATTR_MIN_VALUE, KURVEN_SCHRITTE_MIN);
    SetCtrlAttribute(gKurvenPanel, KURVPANEL_ANZAHLSCHRITTE, ATTR_MAX_VALUE, KURVEN_SCHRITTE_MAX);
    SetCtrlVal(gKurvenPanel, KURVPANEL_ANZAHLSCHRITTE, KURVEN_SCHRITTE_START);
    SetCtrlAttribute(gKurvenPanel, KURVPANEL_YWERTANZEIGE, ATTR_VISIBLE, 0);
}

void Kurven_FensterAnpassen(int n) {
    if (gKurvenPanel <= 0) return;
    Scrollbar_KurvenlaengeEinstellen(n);
    SetCtrlVal(gKurvenPanel, KURVPANEL_ANZAHLSCHRITTE, n);
    // The scroll bar has taken its new range; the canvases start where it now stands.
    Canvas_ErstenSchrittAnpassen(Scrollbar_PositionGet());
    Canvas_AlleKurvenNeuZeichnen();
}
