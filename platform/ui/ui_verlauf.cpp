// Undo history of a window's edits: a QUndoStack per panel, its steps, and the menu items it dims.

#include "platform/ui/ui_verlauf.h"

#include "platform/ui/ui.h"
#include "platform/ui/ui_intern.h"
#include "platform/ui/ui_widgets.h"

#include <QPointer>
#include <QUndoCommand>
#include <QUndoStack>

#include <map>
#include <utility>

namespace {

// A step pushed after its edit is done: the push's first redo has nothing left to do.
class Schritt : public QUndoCommand {
  public:
    Schritt(const char* text, std::function<void()> zurueck, std::function<void()> vor)
        : QUndoCommand(QString::fromUtf8(text ? text : "")), zurueck_(std::move(zurueck)),
          vor_(std::move(vor)) {}
    void undo() override {
        if (zurueck_) zurueck_();
    }
    void redo() override {
        if (erstesMal_) {
            erstesMal_ = false;
            return;
        }
        if (vor_) vor_();
    }

  private:
    std::function<void()> zurueck_, vor_;
    bool erstesMal_ = true;
};

std::map<int, QPointer<QUndoStack>>& verlaeufe() {
    static std::map<int, QPointer<QUndoStack>> v;
    return v;
}

QUndoStack* verlauf(int panel) {
    if (!uiint::panel(panel)) return nullptr;
    auto it = verlaeufe().find(panel);
    return it == verlaeufe().end() ? nullptr : it->second.data();
}

} // namespace

int UI_VerlaufEinrichten(int panel, int rueckgaengigItem, int wiederholenItem,
                         std::function<void(bool sauber)> sauberGeaendert) {
    uiint::Panel* p = uiint::panel(panel);
    if (!p || !p->fenster) return uiint::FEHLER_PANEL;
    const int leiste = GetPanelMenuBar(panel);
    int dimmed = 0;
    if (GetMenuBarAttribute(leiste, rueckgaengigItem, ATTR_DIMMED, &dimmed) < 0 ||
        GetMenuBarAttribute(leiste, wiederholenItem, ATTR_DIMMED, &dimmed) < 0)
        return uiint::FEHLER_MENU;
    delete verlauf(panel);
    // Owned by the window, so that it goes when the panel is discarded.
    auto* stack = new QUndoStack(p->fenster);
    stack->setUndoLimit(UI_VERLAUF_SCHRITTE_MAX);
    verlaeufe()[panel] = stack;
    QObject::connect(stack, &QUndoStack::canUndoChanged, stack, [leiste, rueckgaengigItem](bool kann) {
        SetMenuBarAttribute(leiste, rueckgaengigItem, ATTR_DIMMED, kann ? 0 : 1);
    });
    QObject::connect(stack, &QUndoStack::canRedoChanged, stack, [leiste, wiederholenItem](bool kann) {
        SetMenuBarAttribute(leiste, wiederholenItem, ATTR_DIMMED, kann ? 0 : 1);
    });
    if (sauberGeaendert)
        QObject::connect(stack, &QUndoStack::cleanChanged, stack, std::move(sauberGeaendert));
    SetMenuBarAttribute(leiste, rueckgaengigItem, ATTR_DIMMED, 1);
    SetMenuBarAttribute(leiste, wiederholenItem, ATTR_DIMMED, 1);
    return 0;
}

int UI_VerlaufSchritt(int panel, const char* text, std::function<void()> zurueck, std::function<void()> vor) {
    QUndoStack* s = verlauf(panel);
    if (!s) return uiint::FEHLER_PANEL;
    s->push(new Schritt(text, std::move(zurueck), std::move(vor)));
    return 0;
}

int UI_VerlaufRueckgaengig(int panel) {
    QUndoStack* s = verlauf(panel);
    if (!s) return uiint::FEHLER_PANEL;
    if (!s->canUndo()) return 0;
    s->undo();
    return 1;
}

int UI_VerlaufWiederholen(int panel) {
    QUndoStack* s = verlauf(panel);
    if (!s) return uiint::FEHLER_PANEL;
    if (!s->canRedo()) return 0;
    s->redo();
    return 1;
}

int UI_VerlaufLeeren(int panel) {
    QUndoStack* s = verlauf(panel);
    if (!s) return uiint::FEHLER_PANEL;
    s->clear();
    s->setClean();
    return 0;
}

int UI_VerlaufSauberSetzen(int panel) {
    QUndoStack* s = verlauf(panel);
    if (!s) return uiint::FEHLER_PANEL;
    s->setClean();
    return 0;
}
