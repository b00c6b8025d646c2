// Graph: axis ranges, line and rectangle plots, deleting and refreshing, and the one cursor.

#include "platform/ui/ui_intern.h"
#include "platform/ui/ui_widgets.h"

#include <cmath>

using namespace uiint;

namespace {
GraphWidget* graph(int panel, int control) {
    Ctrl* c = ctrl(panel, control);
    return c ? c->graph : nullptr;
}

int plot(int panel, int control, bool rechteck, double x1, double y1, double x2, double y2, int f,
         int fuellung) {
    GraphWidget* g = graph(panel, control);
    if (!g) return ctrlFehler(panel, control);
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return FEHLER_WERT;
    const int h = g->naechsterPlot++;
    g->plots.push_back({h, rechteck, x1, y1, x2, y2, f, fuellung});
    g->schmutzig = true;
    g->update();
    return h;
}
} // namespace

int SetAxisRange(int panel, int control, int xMode, double xMin, double xMax, int yMode, double yMin,
                 double yMax) {
    GraphWidget* g = graph(panel, control);
    if (!g) return ctrlFehler(panel, control);
    // Only manual ranges exist here; an autoscaled axis keeps its range.
    if (xMode == VAL_MANUAL && !(xMin < xMax)) return FEHLER_WERT;
    if (yMode == VAL_MANUAL && !(yMin < yMax)) return FEHLER_WERT;
    if (xMode == VAL_MANUAL) {
        g->xMin = xMin;
        g->xMax = xMax;
    }
    if (yMode == VAL_MANUAL) {
        g->yMin = yMin;
        g->yMax = yMax;
    }
    g->schmutzig = true;
    g->update();
    return 0;
}

int PlotLine(int panel, int control, double x1, double y1, double x2, double y2, int color) {
    return plot(panel, control, false, x1, y1, x2, y2, color, VAL_TRANSPARENT);
}

int PlotRectangle(int panel, int control, double x1, double y1, double x2, double y2, int color,
                  int fillColor) {
    return plot(panel, control, true, x1, y1, x2, y2, color, fillColor);
}

int DeleteGraphPlot(int panel, int control, int plotHandle, int refresh) {
    GraphWidget* g = graph(panel, control);
    if (!g) return ctrlFehler(panel, control);
    if (plotHandle == -1) {
        g->plots.clear();
    } else {
        auto it = std::find_if(g->plots.begin(), g->plots.end(),
                               [&](const auto& p) { return p.handle == plotHandle; });
        if (it == g->plots.end()) return FEHLER_WERT;
        g->plots.erase(it);
    }
    g->schmutzig = true;
    if (refresh == VAL_IMMEDIATE_DRAW) g->update();
    return 0;
}

int RefreshGraph(int panel, int control) {
    GraphWidget* g = graph(panel, control);
    if (!g) return ctrlFehler(panel, control);
    g->schmutzig = true;
    g->update();
    return 0;
}

int SetGraphCursor(int panel, int control, int cursor, double x, double y) {
    GraphWidget* g = graph(panel, control);
    if (!g) return ctrlFehler(panel, control);
    if (cursor != 1) return FEHLER_WERT;
    g->cursorX = std::clamp(x, std::min(g->xMin, g->xMax), std::max(g->xMin, g->xMax));
    g->cursorY = std::clamp(y, std::min(g->yMin, g->yMax), std::max(g->yMin, g->yMax));
    g->update();
    return 0;
}

int GetGraphCursor(int panel, int control, int cursor, double* x, double* y) {
    GraphWidget* g = graph(panel, control);
    if (!g) return ctrlFehler(panel, control);
    if (cursor != 1) return FEHLER_WERT;
    if (x) *x = g->cursorX;
    if (y) *y = g->cursorY;
    return 0;
}

int SetCursorAttribute(int panel, int control, int cursor, int attribute, int value) {
    GraphWidget* g = graph(panel, control);
    if (!g) return ctrlFehler(panel, control);
    if (cursor != 1) return FEHLER_WERT;
    switch (attribute) {
    case ATTR_CURSOR_COLOR:
        g->cursorFarbe = value;
        g->update();
        return 0;
    case ATTR_CURSOR_MODE:
        return 0; // the cursor always follows the mouse while a button is held
    default:
        return FEHLER_ATTRIBUT;
    }
}
