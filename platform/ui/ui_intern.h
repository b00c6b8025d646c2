#pragma once
// Inner state of the windows layer: loaded panels with their controls, handle lookup and the one-at-a-time
// callback dispatch shared by the ui_*.cpp files. Not for use outside platform/.

#include "platform/sprache/sprache.h"
#include "platform/ui/ui.h"
#include "platform/ui/ui_resource.h"

#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QLabel;
class QMenuBar;
class QMenu;
class QAction;
class QTimer;
class QKeyEvent;
class QDialog;

namespace uiint {

class PanelFenster;
class CanvasWidget;
class GraphWidget;

struct Ctrl {
    int panel = 0;
    int id = 0;
    CtrlDef def;
    QPointer<QWidget> w;    // the control itself
    QPointer<QLabel> label; // separate label above or right of it, may be null
    CtrlCallbackPtr cb = nullptr;
    void* cbData = nullptr;
    std::vector<ListenEintrag> eintraege; // ring items
    int farbeAn = 0x00FF00, farbeAus = 0x6E6E6E;
    double wert = 0; // seven-segment value
    QTimer* timer = nullptr;
    bool dimmed = false;
    bool sichtbar = true;
    CanvasWidget* canvas = nullptr;
    GraphWidget* graph = nullptr;
};

struct MenuItem {
    int id = 0;
    int menuId = 0; // menu the item belongs to (0 for a menu itself)
    QAction* action = nullptr;
    QMenu* menu = nullptr; // set for a menu
    std::string name;
    MenuCallbackPtr cb = nullptr;
    void* cbData = nullptr;
};

struct Panel {
    int handle = 0;
    PanelDef def;
    QPointer<PanelFenster> fenster;
    QWidget* inhalt = nullptr;
    QMenuBar* menuBar = nullptr;
    int menuBarHandle = 0;
    std::map<int, MenuItem> menuItems; // menus and items by id
    int naechsteMenuId = 1;
    PanelCallbackPtr cb = nullptr;
    void* cbData = nullptr;
    std::map<int, std::unique_ptr<Ctrl>> ctrls;
    bool popup = false;
    int zoomVorAnzeige = VAL_NO_ZOOM; // zoom state asked for while hidden
};

// Error results of the layer's calls.
enum : int {
    FEHLER_KEINE_APP = -1,
    FEHLER_PANEL = -42,
    FEHLER_CTRL = -45,
    FEHLER_ATTRIBUT = -49,
    FEHLER_TYP = -55,
    FEHLER_WERT = -56,
    FEHLER_RESSOURCE = -60,
    FEHLER_MENU = -65,
};

bool appDa();
Panel* panel(int handle);
Ctrl* ctrl(int panel, int control);
// The error of a call on a control of the wrong kind: FEHLER_TYP, or FEHLER_CTRL if there is no such control.
int ctrlFehler(int panel, int control);
std::map<int, std::unique_ptr<Panel>>& panels();
Panel* panelVonFenster(const QWidget* w);
int menuBarPanel(int menuBar);   // panel handle owning a menu bar handle, 0 if none
void panelAktiviert(int handle); // the panel's window became active

// Name tables of UI_CallbackRegistrieren.
CtrlCallbackPtr ctrlCallback(const std::string& name);
PanelCallbackPtr panelCallback(const std::string& name);
MenuCallbackPtr menuCallback(const std::string& name);

// One callback at a time: these return false (and call nothing) while another callback runs outside a
// modal popup. *rueckgabe gets the callback's return value.
bool rufeCtrl(int panel, int control, int event, int d1, int d2, int* rueckgabe = nullptr);
bool rufePanel(int panel, int event, int d1, int d2);
bool rufeMenu(int menuBar, int item, int panel);
// Lifts the dispatch block for the life of a modal popup opened inside a callback.
class PopupFreigabe {
  public:
    PopupFreigabe();
    ~PopupFreigabe();

  private:
    bool alt_;
};

// Mouse state of the event being handled (GetRelativeMouseState).
struct MausZustand {
    int panel = 0, control = 0, x = 0, y = 0, links = 0, rechts = 0, modifier = 0;
    bool gueltig = false;
};
MausZustand& maus();
int modifierBits(Qt::KeyboardModifiers m);
int tastenCode(const QKeyEvent* e); // 0 when the key has no code

// Builds the widget of a control definition inside a panel's content widget.
void ctrlAufbauen(Panel& p, const CtrlDef& d);
void ctrlEntfernen(Panel& p, int id);
// Places a control and its label at the control's rectangle.
void ctrlPlatzieren(Ctrl& c, int top, int left, int width, int height);
void menuBarAufbauen(Panel& p, const MenuBarDef& def);

// The window of the panel in front (the one a popup belongs over), else Qt's active window; may be null.
QWidget* vorderesFenster();
// Moves a top-level window so that it stands centred over `ueber` (kept on that screen); nothing without it.
void zentrieren(QWidget* fenster, QWidget* ueber);
// Shows a popup modal, wide enough for its title, centred over `ueber` once both are on the screen.
void popupZeigen(QWidget* popup, QWidget* ueber);
// Shows a dialog as popupZeigen does and runs it; its result (also when it was closed while coming up).
int popupAusfuehren(QDialog& dialog, QWidget* ueber);
// Makes a popup at least as wide as its title needs in the window manager's title bar.
void titelPlatzSichern(QWidget* popup);
// Handles window-system events (no input) until the shown window is on the screen, at most a second.
void warteAufSichtbar(QWidget* fenster);

// The layer's side of the popups and progress of ui_melden (ui_popup.cpp, ui_fortschritt.cpp).
int meldungZeigen(const char* title, const char* message);
int bestaetigungZeigen(const char* title, const char* message);
std::string dateiauswahlZeigen(const DateiauswahlAnfrage& anfrage, int restrictExtension);
void fortschrittZeigen(int dialog, const char* title, const char* label, int modal);
void fortschrittSetzen(int dialog, int percent);
void fortschrittSchliessen(int dialog);

// Closes every modal window (message boxes, dialogs, installed popups) when quitting.
void modaleFensterSchliessen();
bool beendenAngefordert();

QColor farbe(int rgb);
int rgb(const QColor& c);

} // namespace uiint
