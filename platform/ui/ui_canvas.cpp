// Canvas drawing into each canvas's off-screen image, batch drawing, repainting and the mouse state.

#include "platform/ui/ui_intern.h"
#include "platform/ui/ui_test.h"
#include "platform/ui/ui_widgets.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>

using namespace uiint;

namespace {
CanvasWidget* canvas(int panel, int control) {
    Ctrl* c = ctrl(panel, control);
    return c ? c->canvas : nullptr;
}
} // namespace

int CanvasDrawLine(int panel, int control, Point start, Point end) {
    CanvasWidget* cv = canvas(panel, control);
    if (!cv) return ctrl(panel, control) ? FEHLER_TYP : FEHLER_CTRL;
    if (cv->stift == VAL_TRANSPARENT) return 0;
    QPainter p(&cv->bild);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(farbe(cv->stift), 0));
    p.drawLine(QPoint(start.x, start.y), QPoint(end.x, end.y));
    p.drawPoint(QPoint(end.x, end.y)); // the end point belongs to the line
    cv->gezeichnet();
    return 0;
}

int CanvasDrawRect(int panel, int control, Rect rect, int drawMode) {
    CanvasWidget* cv = canvas(panel, control);
    if (!cv) return ctrl(panel, control) ? FEHLER_TYP : FEHLER_CTRL;
    if (drawMode != VAL_DRAW_FRAME && drawMode != VAL_DRAW_INTERIOR &&
        drawMode != VAL_DRAW_FRAME_AND_INTERIOR)
        return FEHLER_WERT;
    if (rect.width <= 0 || rect.height <= 0) return 0;
    const QRect r(rect.left, rect.top, rect.width, rect.height);
    QPainter p(&cv->bild);
    if (drawMode != VAL_DRAW_FRAME && cv->fuellung != VAL_TRANSPARENT) p.fillRect(r, farbe(cv->fuellung));
    if (drawMode != VAL_DRAW_INTERIOR && cv->stift != VAL_TRANSPARENT) {
        const QColor c = farbe(cv->stift);
        p.fillRect(QRect(r.left(), r.top(), r.width(), 1), c);
        p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), c);
        p.fillRect(QRect(r.left(), r.top(), 1, r.height()), c);
        p.fillRect(QRect(r.right(), r.top(), 1, r.height()), c);
    }
    cv->gezeichnet();
    return 0;
}

int CanvasStartBatchDraw(int panel, int control) {
    CanvasWidget* cv = canvas(panel, control);
    if (!cv) return FEHLER_CTRL;
    ++cv->stapel;
    return cv->stapel;
}

int CanvasEndBatchDraw(int panel, int control) {
    CanvasWidget* cv = canvas(panel, control);
    if (!cv) return FEHLER_CTRL;
    if (cv->stapel > 0) --cv->stapel;
    if (cv->stapel == 0 && cv->schmutzig) cv->update();
    return cv->stapel;
}

int ProcessDrawEvents() {
    if (!appDa()) return 0;
    for (auto& [h, p] : panels())
        for (auto& [id, c] : p->ctrls) {
            if (c->canvas && c->canvas->schmutzig && c->canvas->stapel == 0 && c->canvas->isVisible())
                c->canvas->repaint();
            if (c->graph && c->graph->schmutzig && c->graph->isVisible()) c->graph->repaint();
        }
    return 0;
}

int GetRelativeMouseState(int panel, int control, int* x, int* y, int* leftButton, int* rightButton,
                          int* keyModifiers) {
    Ctrl* c = ctrl(panel, control);
    if (!c || !c->w) return FEHLER_CTRL;
    const MausZustand& m = maus();
    int mx = 0, my = 0, l = 0, r = 0, mod = 0;
    if (m.gueltig) {
        QPoint pos(m.x, m.y);
        if (m.panel != panel || m.control != control)
            if (Ctrl* quelle = ctrl(m.panel, m.control); quelle && quelle->w)
                pos = quelle->w->mapTo(c->w->window(), pos) - c->w->mapTo(c->w->window(), QPoint(0, 0));
        mx = pos.x();
        my = pos.y();
        l = m.links;
        r = m.rechts;
        mod = m.modifier;
    } else {
        const QPoint pos = c->w->mapFromGlobal(QCursor::pos());
        mx = pos.x();
        my = pos.y();
        const Qt::MouseButtons b = QGuiApplication::mouseButtons();
        l = (b & Qt::LeftButton) ? 1 : 0;
        r = (b & Qt::RightButton) ? 1 : 0;
        mod = modifierBits(QGuiApplication::queryKeyboardModifiers());
    }
    if (x) *x = mx;
    if (y) *y = my;
    if (leftButton) *leftButton = l;
    if (rightButton) *rightButton = r;
    if (keyModifiers) *keyModifiers = mod;
    return 0;
}

const QImage* UI_CanvasBild(int panel, int control) {
    CanvasWidget* cv = canvas(panel, control);
    return cv ? &cv->bild : nullptr;
}
