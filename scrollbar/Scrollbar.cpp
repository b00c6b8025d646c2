// The curve window's scroll bar.

#include "scrollbar/Scrollbar.h"

#include "resources/Plm1SteuerungGui.h"
#include "scrollbar/scroll_edited.h"

namespace {
constexpr int SCROLLBAR_FARBE_KURVEN = 0xD8D8D8; // track a little darker than the window, thumb darker still
int gPanel = 0;
int gPosition = 0;

void Scrollbar_Einstellen(int n) {
    if (gPanel <= 0) return;
    if (n > SCROLLBAR_SEITE) {
        SetCtrlAttribute(gPanel, KURVPANEL_SCROLLBAR, ATTR_DIMMED, 0);
        (void)ScrollBar_SetAttribute(gPanel, KURVPANEL_SCROLLBAR, SCROLLBAR_ATTR_MAXIMUM,
                                     n - SCROLLBAR_SEITE);
        // A shorter range may have pulled the thumb back; the canvases follow the bar.
        int pos = gPosition;
        if (ScrollBar_GetAttribute(gPanel, KURVPANEL_SCROLLBAR, SCROLLBAR_ATTR_POSITION, &pos) == 0)
            gPosition = pos;
    } else {
        SetCtrlAttribute(gPanel, KURVPANEL_SCROLLBAR, ATTR_DIMMED, 1);
        (void)ScrollBar_SetAttribute(gPanel, KURVPANEL_SCROLLBAR, SCROLLBAR_ATTR_POSITION, 0);
        gPosition = 0;
    }
}
} // namespace

void Scrollbar_Initialisieren(int panel) {
    gPanel = panel;
    if (ScrollBar_ConvertFromGraph(panel, KURVPANEL_SCROLLBAR, nullptr, nullptr) < 0) return;
    (void)ScrollBar_SetAttribute(panel, KURVPANEL_SCROLLBAR, SCROLLBAR_ATTR_COLOR, SCROLLBAR_FARBE_KURVEN);
    (void)ScrollBar_SetAttribute(panel, KURVPANEL_SCROLLBAR, SCROLLBAR_ATTR_PROPORTIONAL, 1);
    (void)ScrollBar_SetAttribute(panel, KURVPANEL_SCROLLBAR, SCROLLBAR_ATTR_MINIMUM, 0);
    (void)ScrollBar_SetAttribute(panel, KURVPANEL_SCROLLBAR, SCROLLBAR_ATTR_PAGE_SIZE, SCROLLBAR_SEITE);
    (void)ScrollBar_SetAttribute(panel, KURVPANEL_SCROLLBAR, SCROLLBAR_ATTR_POSITION, 0);
    gPosition = 0;
    Scrollbar_KurvenlaengeEinstellen(10);
}

void Scrollbar_KurvenlaengeEinstellen(int n) {
    Scrollbar_Einstellen(n);
}

void Scrollbar_PositionUebernehmen(int position) {
    gPosition = position;
}

int Scrollbar_PositionGet() {
    return gPosition;
}
