// Menu bars: built from the resource's menu tables, items added at run time, dimming, names, callbacks.

#include "platform/ui/ui_intern.h"
#include "platform/ui/ui_widgets.h"

#include <QKeySequence>
#include <QList>
#include <QMenu>
#include <QMenuBar>

namespace uiint {
namespace {

int g_naechsteMenuBar = 1;

MenuItem* eintrag(int menuBar, int item, Panel** panelAus = nullptr) {
    Panel* p = panel(menuBarPanel(menuBar));
    if (!p) return nullptr;
    auto it = p->menuItems.find(item);
    if (it == p->menuItems.end()) return nullptr;
    if (panelAus) *panelAus = p;
    return &it->second;
}

QAction* neueAktion(Panel& p, QMenu* menu, QAction* vor, int id, const std::string& label) {
    auto* a = new QAction(Sprache_Text(label), menu);
    menu->insertAction(vor, a);
    const int bar = p.menuBarHandle, ph = p.handle;
    QObject::connect(a, &QAction::triggered, a, [bar, id, ph] { rufeMenu(bar, id, ph); });
    return a;
}

} // namespace

void menuBarAufbauen(Panel& p, const MenuBarDef& def) {
    p.menuBar = new QMenuBar(p.fenster);
    p.menuBarHandle = g_naechsteMenuBar++;
    int maxId = 0;
    for (const MenuDef& m : def.menus) {
        QMenu* menu = p.menuBar->addMenu(Sprache_Text(m.label));
        p.menuItems[m.id] = MenuItem{m.id, 0, menu->menuAction(), menu, m.label, nullptr, nullptr};
        maxId = std::max(maxId, m.id);
        for (const MenuItemDef& i : m.items) {
            QAction* a = neueAktion(p, menu, nullptr, i.id, i.label);
            QList<QKeySequence> kuerzel;
            for (const std::string& k : i.kuerzel)
                kuerzel.append(QKeySequence(QString::fromStdString(k), QKeySequence::PortableText));
            a->setShortcuts(kuerzel);
            p.menuItems[i.id] = MenuItem{i.id, m.id, a, nullptr, i.label, menuCallback(i.callback), nullptr};
            maxId = std::max(maxId, i.id);
        }
    }
    p.naechsteMenuId = maxId + 1;
}

} // namespace uiint

using namespace uiint;

int GetPanelMenuBar(int handle) {
    Panel* p = panel(handle);
    return p ? p->menuBarHandle : 0;
}

int NewMenuItem(int menuBar, int menuId, const char* itemName, int beforeItemId, int /*shortcutKey*/,
                MenuCallbackPtr fn, void* callbackData) {
    Panel* p = nullptr;
    MenuItem* m = eintrag(menuBar, menuId, &p);
    if (!m || !m->menu || !itemName) return FEHLER_MENU;
    QAction* vor = nullptr;
    if (beforeItemId > 0)
        if (MenuItem* v = eintrag(menuBar, beforeItemId); v && v->menuId == menuId) vor = v->action;
    const int id = p->naechsteMenuId++;
    QAction* a = neueAktion(*p, m->menu, vor, id, itemName);
    p->menuItems[id] = MenuItem{id, menuId, a, nullptr, itemName, fn, callbackData};
    return id;
}

int SetMenuBarAttribute(int menuBar, int itemId, int attribute, int value) {
    MenuItem* m = eintrag(menuBar, itemId);
    if (!m) return FEHLER_MENU;
    switch (attribute) {
    case ATTR_DIMMED:
        m->action->setEnabled(!value);
        return 0;
    case ATTR_CHECKED:
        m->action->setCheckable(true);
        m->action->setChecked(value != 0);
        return 0;
    case ATTR_VISIBLE:
        m->action->setVisible(value != 0);
        return 0;
    default:
        return FEHLER_ATTRIBUT;
    }
}

int SetMenuBarAttribute(int menuBar, int itemId, int attribute, MenuCallbackPtr value) {
    MenuItem* m = eintrag(menuBar, itemId);
    if (!m) return FEHLER_MENU;
    if (attribute != ATTR_CALLBACK_FUNCTION_POINTER) return FEHLER_ATTRIBUT;
    m->cb = value;
    return 0;
}

int SetMenuBarAttribute(int menuBar, int itemId, int attribute, const char* value) {
    MenuItem* m = eintrag(menuBar, itemId);
    if (!m) return FEHLER_MENU;
    if (attribute != ATTR_ITEM_NAME || !value) return FEHLER_ATTRIBUT;
    m->name = value;
    if (m->menu)
        m->menu->setTitle(Sprache_Text(value));
    else
        m->action->setText(Sprache_Text(value));
    return 0;
}

int GetMenuBarAttribute(int menuBar, int itemId, int attribute, int* value) {
    MenuItem* m = eintrag(menuBar, itemId);
    if (!m) return FEHLER_MENU;
    if (!value) return FEHLER_WERT;
    switch (attribute) {
    case ATTR_DIMMED:
        *value = m->action->isEnabled() ? 0 : 1;
        return 0;
    case ATTR_CHECKED:
        *value = m->action->isChecked() ? 1 : 0;
        return 0;
    case ATTR_VISIBLE:
        *value = m->action->isVisible() ? 1 : 0;
        return 0;
    default:
        return FEHLER_ATTRIBUT;
    }
}

int GetMenuBarAttribute(int menuBar, int itemId, int attribute, std::string* value) {
    MenuItem* m = eintrag(menuBar, itemId);
    if (!m) return FEHLER_MENU;
    if (attribute != ATTR_ITEM_NAME || !value) return FEHLER_ATTRIBUT;
    *value = m->name;
    return 0;
}

int GetMenuBarAttribute(int menuBar, int itemId, int attribute, MenuCallbackPtr* value) {
    MenuItem* m = eintrag(menuBar, itemId);
    if (!m) return FEHLER_MENU;
    if (attribute != ATTR_CALLBACK_FUNCTION_POINTER || !value) return FEHLER_ATTRIBUT;
    *value = m->cb;
    return 0;
}

QAction* UI_MenuAktion(int menuBar, int itemId) {
    MenuItem* m = eintrag(menuBar, itemId);
    return m ? m->action : nullptr;
}
