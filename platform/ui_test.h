#pragma once
// Hooks for tests, screenshots and the command-line tool: answer popups without a person, watch progress,
// reach the Qt widgets behind panels and controls.

#include <functional>
#include <string>

class QWidget;
class QImage;
class QAction;
struct PanelDef;
struct MenuBarDef;

// Popups: when a handler is set, MessagePopup calls it instead of showing a box.
void UI_MeldungsabfangSetzen(std::function<void(const std::string& title, const std::string& text)> handler);

struct DateiauswahlAnfrage {
    std::string verzeichnis, vorgabe, filter, titel;
    int knopf = 0;             // VAL_SAVE_BUTTON, VAL_LOAD_BUTTON, ...
    int neueVerzeichnisse = 0; // allowMakeDirectory
};
// File dialogs: when a handler is set, FileSelectPopup calls it instead of showing a dialog; it returns the
// path to choose, or an empty text for cancel. FileSelectPopup itself reports whether the file exists.
void UI_DateiauswahlSetzen(std::function<std::string(const DateiauswahlAnfrage&)> handler);

// Progress: called with (title, percent) on every create (percent 0), update and discard (percent -1).
void UI_FortschrittsbeobachterSetzen(std::function<void(const std::string& title, int percent)> observer);

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

// Loads a panel from a table of one's own (tests, tools) like LoadPanel does from the resource; hidden;
// returns its handle (> 0) or a negative value (no QApplication).
int UI_PanelDefLaden(const PanelDef& def);
int UI_PanelDefLaden(const PanelDef& def, const MenuBarDef& menuBar);
// The Qt action behind a menu item (tests trigger it as the operator would).
QAction* UI_MenuAktion(int menuBar, int itemId);
