#pragma once
// Hooks for tests and screenshots: reach the Qt widgets behind panels and controls, render panels, load
// panels of one's own (answering popups and watching progress: platform/ui_melden.h).

#include "platform/ui/ui_melden.h"

#include <string>

class QWidget;
class QImage;
class QAction;
struct PanelDef;
struct MenuBarDef;

// The panel's top-level window (menu bar and content), and a control's own widget (nullptr for a timer or
// an unknown handle). QTest clicks and keys on these reach the callbacks as an operator's would.
QWidget* UI_PanelWidget(int panel);
QWidget* UI_CtrlWidget(int panel, int control);
// Canvas off-screen image (as drawn so far).
const QImage* UI_CanvasBild(int panel, int control);
// Renders a panel (shown or not, with its menu bar) to a PNG file; 1 on success, negative on failure.
int UI_PanelAlsPngSpeichern(int panel, const std::string& pngPfad);
// True while a control, panel, menu or timer callback is running and no modal popup is open in it: no
// further callback is dispatched then (events that arrive are dropped).
// Note for tests: a QuitUserInterface stays pending (popups return at once) until RunUserInterface has
// consumed it, so a test that quits also runs the loop.
bool UI_CallbackLaeuft();

// Whether a callback of the kind is registered under the name (the resource's names are checked against
// this: an unknown name would bind nothing).
enum class UiCallbackArt { Ctrl, Panel, Menu };
bool UI_CallbackRegistriert(UiCallbackArt art, const std::string& name);

// Loads a panel from a table of one's own (tests, tools) like LoadPanel does from the resource; hidden;
// returns its handle (> 0) or a negative value (no QApplication).
int UI_PanelDefLaden(const PanelDef& def);
int UI_PanelDefLaden(const PanelDef& def, const MenuBarDef& menuBar);
// The Qt action behind a menu item (tests trigger it as the operator would).
QAction* UI_MenuAktion(int menuBar, int itemId);
