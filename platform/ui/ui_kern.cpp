// Core of the windows layer: panel table, callback names, the one-at-a-time dispatch, key codes and the
// event loop with its quit request.

#include "platform/ui/ui_intern.h"
#include "platform/ui/ui_test.h"
#include "platform/ui/ui_widgets.h"

#include <QApplication>
#include <QColor>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPointer>

namespace uiint {
namespace {

std::map<std::string, CtrlCallbackPtr>& ctrlNamen() {
    static std::map<std::string, CtrlCallbackPtr> m;
    return m;
}
std::map<std::string, PanelCallbackPtr>& panelNamen() {
    static std::map<std::string, PanelCallbackPtr> m;
    return m;
}
std::map<std::string, MenuCallbackPtr>& menuNamen() {
    static std::map<std::string, MenuCallbackPtr> m;
    return m;
}

// The popups and progress that data code raises are shown by this layer as soon as it is in the program:
// every window program uses this file, so its start-up hands them over.
const UiMeldeFenster g_meldeFenster{meldungZeigen,     dateiauswahlZeigen,    fortschrittZeigen,
                                    fortschrittSetzen, fortschrittSchliessen, beendenAngefordert,
                                    bestaetigungZeigen};
[[maybe_unused]] const bool g_meldeFensterGesetzt = (UI_MeldeFensterSetzen(&g_meldeFenster), true);

// True while a callback runs and no modal popup of its own is open.
bool g_laeuft = false;
bool g_beenden = false;
int g_rueckgabe = 0;
QPointer<QEventLoop> g_schleife;

// Waiting for the unit: nesting depth, the dispatch block it replaced, and whether input made meanwhile
// still has to be thrown away (with the wait cursor shown until then).
int g_warten = 0;
bool g_wartenAlt = false;
bool g_wartenOffen = false;

// Eats mouse and key input while what queued up during the work is drained.
class EingabeSperre : public QObject {
  protected:
    bool eventFilter(QObject*, QEvent* e) override {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Wheel:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::ContextMenu:
            return true;
        default:
            return false;
        }
    }
};

constexpr int ABLASSEN_MS = 50; // the window system hands over what it queued within this time

// Throws away the input that came in while the operator waited and restores the cursor. Runs with the
// dispatch block held, so that no tick that falls due now runs a callback.
void wartenAbschliessen() {
    if (!g_wartenOffen) return;
    g_wartenOffen = false;
    if (!appDa()) return;
    const bool alt = g_laeuft;
    g_laeuft = true;
    EingabeSperre sperre;
    qApp->installEventFilter(&sperre);
    QCoreApplication::processEvents(QEventLoop::AllEvents, ABLASSEN_MS);
    qApp->removeEventFilter(&sperre);
    QApplication::restoreOverrideCursor();
    g_laeuft = alt;
}

// Runs one callback under the dispatch rule.
template <class F> bool einzeln(F f) {
    if (g_laeuft) return false;
    g_laeuft = true;
    f();
    if (g_warten == 0) wartenAbschliessen();
    g_laeuft = false;
    return true;
}

} // namespace

bool appDa() {
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

std::map<int, std::unique_ptr<Panel>>& panels() {
    static std::map<int, std::unique_ptr<Panel>> m;
    return m;
}

Panel* panel(int handle) {
    auto it = panels().find(handle);
    return it == panels().end() ? nullptr : it->second.get();
}

Ctrl* ctrl(int p, int c) {
    Panel* pp = panel(p);
    if (!pp) return nullptr;
    auto it = pp->ctrls.find(c);
    return it == pp->ctrls.end() ? nullptr : it->second.get();
}

int ctrlFehler(int p, int c) {
    return ctrl(p, c) ? FEHLER_TYP : FEHLER_CTRL;
}

Panel* panelVonFenster(const QWidget* w) {
    if (!w) return nullptr;
    for (auto& [h, p] : panels())
        if (p->fenster && p->fenster.data() == w) return p.get();
    return nullptr;
}

int menuBarPanel(int menuBar) {
    if (menuBar <= 0) return 0;
    for (auto& [h, p] : panels())
        if (p->menuBarHandle == menuBar) return h;
    return 0;
}

CtrlCallbackPtr ctrlCallback(const std::string& name) {
    auto it = ctrlNamen().find(name);
    return it == ctrlNamen().end() ? nullptr : it->second;
}
PanelCallbackPtr panelCallback(const std::string& name) {
    auto it = panelNamen().find(name);
    return it == panelNamen().end() ? nullptr : it->second;
}
MenuCallbackPtr menuCallback(const std::string& name) {
    auto it = menuNamen().find(name);
    return it == menuNamen().end() ? nullptr : it->second;
}

bool rufeCtrl(int p, int c, int event, int d1, int d2, int* rueckgabe) {
    Ctrl* cc = ctrl(p, c);
    if (!cc || !cc->cb) return false;
    CtrlCallbackPtr fn = cc->cb;
    void* data = cc->cbData;
    return einzeln([&] {
        int r = fn(p, c, event, data, d1, d2);
        if (rueckgabe) *rueckgabe = r;
    });
}

bool rufePanel(int p, int event, int d1, int d2) {
    Panel* pp = panel(p);
    if (!pp || !pp->cb) return false;
    PanelCallbackPtr fn = pp->cb;
    void* data = pp->cbData;
    return einzeln([&] { fn(p, event, data, d1, d2); });
}

bool rufeMenu(int menuBar, int item, int p) {
    Panel* pp = panel(p);
    if (!pp) return false;
    auto it = pp->menuItems.find(item);
    if (it == pp->menuItems.end() || !it->second.cb) return false;
    MenuCallbackPtr fn = it->second.cb;
    void* data = it->second.cbData;
    return einzeln([&] { fn(menuBar, item, data, p); });
}

PopupFreigabe::PopupFreigabe() : alt_(g_laeuft) {
    // What was typed while the unit was busy must not land in the popup.
    if (g_warten == 0) wartenAbschliessen();
    g_laeuft = false;
}
PopupFreigabe::~PopupFreigabe() {
    g_laeuft = alt_;
}

MausZustand& maus() {
    static MausZustand m;
    return m;
}

int modifierBits(Qt::KeyboardModifiers m) {
    int r = 0;
    if (m & Qt::ShiftModifier) r |= VAL_SHIFT_MODIFIER;
    if (m & Qt::ControlModifier) r |= VAL_MENUKEY_MODIFIER;
    if (m & Qt::AltModifier) r |= VAL_UNDERLINE_MODIFIER;
    return r;
}

int tastenCode(const QKeyEvent* e) {
    int code = 0;
    switch (e->key()) {
    case Qt::Key_Tab:
        code = VAL_TAB_VKEY;
        break;
    case Qt::Key_Backtab:
        code = VAL_TAB_VKEY;
        break;
    case Qt::Key_Up:
        code = VAL_UP_ARROW_VKEY;
        break;
    case Qt::Key_Down:
        code = VAL_DOWN_ARROW_VKEY;
        break;
    case Qt::Key_Left:
        code = VAL_LEFT_ARROW_VKEY;
        break;
    case Qt::Key_Right:
        code = VAL_RIGHT_ARROW_VKEY;
        break;
    case Qt::Key_Home:
        code = VAL_HOME_VKEY;
        break;
    case Qt::Key_End:
        code = VAL_END_VKEY;
        break;
    case Qt::Key_PageUp:
        code = VAL_PAGE_UP_VKEY;
        break;
    case Qt::Key_PageDown:
        code = VAL_PAGE_DOWN_VKEY;
        break;
    case Qt::Key_Escape:
        code = VAL_ESC_VKEY;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        code = VAL_ENTER_VKEY;
        break;
    default: {
        const QString t = e->text();
        if (t.isEmpty() || !t.at(0).isPrint()) return 0;
        // Characters carry their own case; only Ctrl and Alt are added.
        return (t.at(0).unicode() & VAL_VKEY_MASK) | (modifierBits(e->modifiers()) & ~VAL_SHIFT_MODIFIER);
    }
    }
    int mod = modifierBits(e->modifiers());
    if (e->key() == Qt::Key_Backtab) mod |= VAL_SHIFT_MODIFIER;
    return code | mod;
}

QColor farbe(int rgb) {
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}
int rgb(const QColor& c) {
    return MakeColor(c.red(), c.green(), c.blue());
}

bool beendenAngefordert() {
    return g_beenden;
}

void modaleFensterSchliessen() {
    if (!appDa()) return;
    RemovePopup(1); // installed popups ignore the close box: take them down directly
    for (int i = 0; i < 50; ++i) {
        QWidget* w = QApplication::activeModalWidget();
        if (!w) break;
        if (!w->close()) break; // refuses: give up rather than loop
    }
}

} // namespace uiint

using namespace uiint;

void UI_CallbackRegistrieren(const char* name, CtrlCallbackPtr fn) {
    if (name) ctrlNamen()[name] = fn;
}
void UI_CallbackRegistrieren(const char* name, PanelCallbackPtr fn) {
    if (name) panelNamen()[name] = fn;
}
void UI_CallbackRegistrieren(const char* name, MenuCallbackPtr fn) {
    if (name) menuNamen()[name] = fn;
}

bool UI_CallbackLaeuft() {
    return g_laeuft;
}

void UI_WartenBeginnen() {
    if (g_warten++ > 0) return;
    g_wartenAlt = g_laeuft;
    g_laeuft = true; // events handled while the work paints its progress start no callback
    if (!g_wartenOffen && appDa()) {
        g_wartenOffen = true;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
}

void UI_WartenBeenden() {
    if (g_warten == 0 || --g_warten > 0) return;
    g_laeuft = g_wartenAlt;
    // Inside a callback the end of the callback drains, so that work done in several steps is one wait.
    if (!g_laeuft) wartenAbschliessen();
}

int RunUserInterface() {
    if (!appDa()) return FEHLER_KEINE_APP;
    if (!g_beenden) {
        QEventLoop schleife;
        g_schleife = &schleife;
        schleife.exec();
        g_schleife = nullptr;
    }
    g_beenden = false;
    return g_rueckgabe;
}

int QuitUserInterface(int returnCode) {
    g_rueckgabe = returnCode;
    g_beenden = true;
    if (g_schleife) g_schleife->exit(returnCode);
    // A modal popup runs its own loop: close it so that control returns to the main loop.
    modaleFensterSchliessen();
    return 0;
}

bool UI_CallbackRegistriert(UiCallbackArt art, const std::string& name) {
    switch (art) {
    case UiCallbackArt::Ctrl:
        return uiint::ctrlCallback(name) != nullptr;
    case UiCallbackArt::Panel:
        return uiint::panelCallback(name) != nullptr;
    case UiCallbackArt::Menu:
        return uiint::menuCallback(name) != nullptr;
    }
    return false;
}
