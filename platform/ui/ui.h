#pragma once
// User-interface operations the modules call: panels from the resource, controls addressed by panel handle
// and constant, menus, popups, canvas and graph drawing, timers and the progress dialog (over Qt Widgets).

// All calls belong to the one user-interface thread.

#include "platform/ui/ui_melden.h"

#include <string>

// ---- callbacks -------------------------------------------------------------------------------------------
using CtrlCallbackPtr = int (*)(int panel, int control, int event, void* callbackData, int eventData1,
                                int eventData2);
using PanelCallbackPtr = int (*)(int panel, int event, void* callbackData, int eventData1, int eventData2);
using MenuCallbackPtr = void (*)(int menuBar, int menuItem, void* callbackData, int panel);

// Callbacks named in the resource are bound by name when a panel is loaded; a module registers its
// callbacks under their names before it loads its panel. A name without a registration binds nothing.
void UI_CallbackRegistrieren(const char* name, CtrlCallbackPtr fn);
void UI_CallbackRegistrieren(const char* name, PanelCallbackPtr fn);
void UI_CallbackRegistrieren(const char* name, MenuCallbackPtr fn);

// ---- events ----------------------------------------------------------------------------------------------
// Mouse events carry eventData1 = y and eventData2 = x, relative to the control's top left corner.
// EVENT_KEYPRESS carries the key code (VAL_* key codes ORed with modifier bits) in eventData1; a control
// callback that returns non-zero for a key press swallows the key. Printable keys carry their character
// (with Ctrl/Alt bits, never the Shift bit); Shift+Tab is VAL_TAB_VKEY | VAL_SHIFT_MODIFIER.
//
// Which control sends what:
// - EVENT_COMMIT only from the operator, never from SetCtrlVal or attribute changes: button click; switch
//   and check box toggled; numeric edit finished with a new value (Enter, focus out, step arrows or keys,
//   wheel); string input edited and finished (Enter, focus out); ring item chosen; graph: mouse release.
// - EVENT_LEFT_CLICK / EVENT_RIGHT_CLICK on a mouse press and EVENT_LEFT_DOUBLE_CLICK /
//   EVENT_RIGHT_DOUBLE_CLICK on the second press of a double click, for every control (a picture ring
//   gets LEFT_CLICK, then LEFT_DOUBLE_CLICK for a double click). A canvas also gets EVENT_LEFT_CLICK for
//   that second press, then the double click.
// - Canvas: EVENT_MOUSE_POINTER_MOVE whenever the mouse moves over it (or drags from it), and
//   EVENT_LEFT_CLICK_UP / EVENT_RIGHT_CLICK_UP on release.
// - Graph: press -> EVENT_LEFT_CLICK (or RIGHT), then EVENT_VAL_CHANGED with the cursor at the mouse; each
//   move with a button held -> EVENT_VAL_CHANGED; release -> EVENT_COMMIT. Keys -> EVENT_KEYPRESS.
// - EVENT_GOT_FOCUS / EVENT_LOST_FOCUS to controls that take the keyboard focus, and to the panel callback
//   when its window becomes active or inactive; EVENT_CLOSE to the panel callback from the close box.
// - EVENT_TIMER_TICK from a timer control at its interval while it is enabled (also on a hidden panel).
// - EVENT_DISCARD from DiscardCtrl and DiscardPanel (to each control, then the panel).
//
// One callback at a time: while any control, panel, menu or timer callback runs, no other callback is
// started; events arriving meanwhile (ticks, clicks, keys) are dropped, not queued. The exception is a
// modal popup that the running callback opens (MessagePopup, FileSelectPopup): while it waits, timer and
// other callbacks run as usual. EVENT_DISCARD is always delivered (owners free their records on it).
enum : int {
    EVENT_NONE = 0,
    EVENT_COMMIT = 1,
    EVENT_VAL_CHANGED = 2,
    EVENT_LEFT_CLICK = 3,
    EVENT_LEFT_DOUBLE_CLICK = 4,
    EVENT_RIGHT_CLICK = 5,
    EVENT_RIGHT_DOUBLE_CLICK = 6,
    EVENT_KEYPRESS = 7,
    EVENT_GOT_FOCUS = 8,
    EVENT_LOST_FOCUS = 9,
    EVENT_CLOSE = 11,
    EVENT_DISCARD = 14,
    EVENT_TIMER_TICK = 15,
    EVENT_MOUSE_POINTER_MOVE = 22, // mouse moved over a canvas (buttons may be held)
    EVENT_LEFT_CLICK_UP = 23,      // left button released over (or after a press on) a canvas
    EVENT_RIGHT_CLICK_UP = 24,
};

// Key codes and modifier bits of EVENT_KEYPRESS.
enum : int {
    VAL_TAB_VKEY = 0x0400,
    VAL_UP_ARROW_VKEY = 0x0600,
    VAL_DOWN_ARROW_VKEY = 0x0700,
    VAL_LEFT_ARROW_VKEY = 0x0800,
    VAL_RIGHT_ARROW_VKEY = 0x0900,
    VAL_HOME_VKEY = 0x0B00,
    VAL_END_VKEY = 0x0C00,
    VAL_PAGE_UP_VKEY = 0x0D00,
    VAL_PAGE_DOWN_VKEY = 0x0E00,
    VAL_ESC_VKEY = 0x0F00,
    VAL_ENTER_VKEY = 0x0500,
    VAL_SHIFT_MODIFIER = 0x10000,
    VAL_MENUKEY_MODIFIER = 0x20000,   // Ctrl
    VAL_UNDERLINE_MODIFIER = 0x40000, // Alt
    VAL_VKEY_MASK = 0xFFFF,
};

// ---- attributes ------------------------------------------------------------------------------------------
enum : int {
    ATTR_DIMMED = 1,
    ATTR_VISIBLE = 2,
    ATTR_TOP = 3,
    ATTR_LEFT = 4,
    ATTR_WIDTH = 5,
    ATTR_HEIGHT = 6,
    ATTR_MIN_VALUE = 7,
    ATTR_MAX_VALUE = 8,
    ATTR_INCR_VALUE = 9,
    ATTR_ON_COLOR = 10,       // LED lamp colour when on
    ATTR_OFF_COLOR = 11,      // LED lamp colour when off
    ATTR_PEN_COLOR = 12,      // canvas pen
    ATTR_PEN_FILL_COLOR = 13, // canvas fill
    ATTR_PLOT_BGCOLOR = 14,   // graph plot area
    ATTR_LABEL_TEXT = 15,     // string
    ATTR_CTRL_STYLE = 16,     // read-only: CTRL_* below
    ATTR_CALLBACK_FUNCTION_POINTER = 17,
    ATTR_CALLBACK_DATA = 18,
    ATTR_TITLE = 19,       // panel: string
    ATTR_WINDOW_ZOOM = 20, // panel: VAL_NO_ZOOM, VAL_MINIMIZE, VAL_MAXIMIZE
    ATTR_ENABLED = 21,     // timer control
    ATTR_INTERVAL = 22,    // timer control, seconds (double)
    ATTR_TEXT_COLOR = 23,
    ATTR_ITEM_NAME = 24,       // menu item: string
    ATTR_CHECKED = 25,         // menu item
    ATTR_TEXT_BOLD = 26,       // control text: 0 or 1
    ATTR_TEXT_POINT_SIZE = 27, // control text: points
    ATTR_TEXT_JUSTIFY = 28,    // text message: VAL_LEFT_JUSTIFIED, ...
};
enum : int { VAL_LEFT_JUSTIFIED = 0, VAL_RIGHT_JUSTIFIED = 1, VAL_CENTER_JUSTIFIED = 2 };

enum : int { VAL_NO_ZOOM = 0, VAL_MINIMIZE = 1, VAL_MAXIMIZE = 2 };

// Control kinds as ATTR_CTRL_STYLE reports them.
enum : int {
    CTRL_COMMAND_BUTTON = 1,
    CTRL_TOGGLE_SWITCH = 2,
    CTRL_CHECK_BOX = 3,
    CTRL_ROUND_LED = 4,
    CTRL_NUMERIC = 5,
    CTRL_NUMERIC_DISPLAY_7SEG = 6,
    CTRL_STRING = 7,
    CTRL_TEXT_MSG = 8,
    CTRL_RING = 9,
    CTRL_PICTURE_RING = 10,
    CTRL_TIMER = 11,
    CTRL_CANVAS = 12,
    CTRL_GRAPH = 13,
    CTRL_DECORATION = 14,
    CTRL_PICTURE = 15,
    CTRL_STRIP_CHART = 16, // platform/ui_streifen.h
};

// Colours are 0xRRGGBB.
enum : int {
    VAL_BLACK = 0x000000,
    VAL_WHITE = 0xFFFFFF,
    VAL_RED = 0xFF0000,
    VAL_GREEN = 0x00FF00,
    VAL_BLUE = 0x0000FF,
    VAL_TRANSPARENT = 0x1000000,
};
inline int MakeColor(int r, int g, int b) {
    return ((r & 0xFF) << 16) | ((g & 0xFF) << 8) | (b & 0xFF);
}

// ---- panels ----------------------------------------------------------------------------------------------
// A panel is a top-level window: its menu bar on top, below it the content area of the panel's width and
// height with every control at its absolute position (ATTR_WIDTH/ATTR_HEIGHT are the content's size,
// ATTR_TOP/ATTR_LEFT the content's position on the screen). The close box only sends EVENT_CLOSE to the
// panel callback; the window stays. Calls on unknown handles or controls return a negative value, as do
// attributes a control does not have; 0 is success.
// Loads a panel of the embedded resource (file name "Plm1SteuerungGui.uir"), hidden; returns its handle
// (> 0) or a negative value.
int LoadPanel(int parentPanel, const char* resourceFile, int panelConstant);
int DisplayPanel(int panel);
int HidePanel(int panel);
int DiscardPanel(int panel);
int GetActivePanel(); // the panel whose window is active, else the topmost popup or last shown; 0 if none
int InstallPopup(int panel);    // shows the panel as a modal popup and returns at once
int RemovePopup(int allPopups); // removes the topmost popup (all of them when non-zero)

int SetPanelAttribute(int panel, int attribute, int value);
int SetPanelAttribute(int panel, int attribute, const char* value);
int GetPanelAttribute(int panel, int attribute, int* value);
int GetPanelAttribute(int panel, int attribute, std::string* value);

// ---- controls --------------------------------------------------------------------------------------------
// Values of switches, check boxes and LEDs are 0 or 1; rings take the value of the chosen item; numeric
// controls are clamped to their limits; a string control holds text.
int SetCtrlVal(int panel, int control, int value);
int SetCtrlVal(int panel, int control, double value);
int SetCtrlVal(int panel, int control, const char* value);
int GetCtrlVal(int panel, int control, int* value);
int GetCtrlVal(int panel, int control, double* value);
int GetCtrlVal(int panel, int control, std::string* value);

int SetCtrlAttribute(int panel, int control, int attribute, int value);
int SetCtrlAttribute(int panel, int control, int attribute, double value);
int SetCtrlAttribute(int panel, int control, int attribute, const char* value);
int SetCtrlAttribute(int panel, int control, int attribute, CtrlCallbackPtr value);
int SetCtrlAttribute(int panel, int control, int attribute, void* value);
int GetCtrlAttribute(int panel, int control, int attribute, int* value);
int GetCtrlAttribute(int panel, int control, int attribute, double* value);
int GetCtrlAttribute(int panel, int control, int attribute, std::string* value);
int GetCtrlAttribute(int panel, int control, int attribute, CtrlCallbackPtr* value);
int GetCtrlAttribute(int panel, int control, int attribute, void** value);

// 1 while the operator is editing the control: it has the keyboard focus and holds typed text that is not
// committed yet (a numeric or string input); else 0. Values polled from the unit leave such a field alone.
int UI_CtrlWirdBearbeitet(int panel, int control);
int InstallCtrlCallback(int panel, int control, CtrlCallbackPtr fn, void* callbackData);
// Draws the control at once, without dispatching any event (progress shown during blocking work).
int DrawCtrlNow(int panel, int control);
int InsertListItem(int panel, int control, int index, const char* itemLabel, int itemValue); // index -1: end
int ClearListCtrl(int panel, int control);
// The open list of a ring as wide as its widest item, so that long items (descriptions, paths) show whole.
int UI_ListeGanzZeigen(int panel, int control);
int NewCtrl(int panel, int style, const char* label, int top, int left); // returns the new control's id
int DiscardCtrl(int panel, int control);

// ---- menus -----------------------------------------------------------------------------------------------
// Items with key sequences in the resource (MenuItemDef::kuerzel) are chosen by them while their window is
// active. In a numeric or string field Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z undo and redo typing that is not
// committed yet; otherwise they reach the menu. Undo history of a window: platform/ui_verlauf.h.
int GetPanelMenuBar(int panel); // 0 when the panel has none
int NewMenuItem(int menuBar, int menuId, const char* itemName, int beforeItemId, int shortcutKey,
                MenuCallbackPtr fn, void* callbackData); // returns the new item's id
int SetMenuBarAttribute(int menuBar, int itemId, int attribute, int value);
int SetMenuBarAttribute(int menuBar, int itemId, int attribute, MenuCallbackPtr value);
int GetMenuBarAttribute(int menuBar, int itemId, int attribute, int* value);
int GetMenuBarAttribute(int menuBar, int itemId, int attribute, std::string* value);
// Renames an item (ATTR_ITEM_NAME); reads an item's callback (ATTR_CALLBACK_FUNCTION_POINTER).
int SetMenuBarAttribute(int menuBar, int itemId, int attribute, const char* value);
int GetMenuBarAttribute(int menuBar, int itemId, int attribute, MenuCallbackPtr* value);

// ---- popups and progress: platform/ui_melden.h (no Qt Widgets, so data code can raise them) ---------------

// ---- waiting for the unit --------------------------------------------------------------------------------
// Work that makes the operator wait for the unit (transfers, search, identification, a set of commands)
// runs between UI_WartenBeginnen and UI_WartenBeenden (nesting allowed). Meanwhile the wait cursor shows
// and no callback is dispatched. Mouse and key input made meanwhile is thrown away, not run afterwards:
// at the end of the callback that did the work (or at UI_WartenBeenden outside any callback, or before a
// popup opens) the queued input is drained and the cursor restored.
void UI_WartenBeginnen();
void UI_WartenBeenden();
// Scope form of the two calls above.
class UI_Warten {
  public:
    UI_Warten() { UI_WartenBeginnen(); }
    ~UI_Warten() { UI_WartenBeenden(); }
    UI_Warten(const UI_Warten&) = delete;
    UI_Warten& operator=(const UI_Warten&) = delete;
};

// ---- event loop ------------------------------------------------------------------------------------------
// RunUserInterface dispatches callbacks until QuitUserInterface and returns its code. QuitUserInterface
// may be called from any callback, also inside a modal popup's own loop, and before the loop starts: it
// closes every modal popup (message box, file dialog, installed popup), and the loop returns at once (or
// does not start). Until RunUserInterface has returned, new MessagePopup / FileSelectPopup calls return
// at once (cancel) so that nothing can hold up the end. Signals: platform/ui_signale.h.
int RunUserInterface();
int QuitUserInterface(int returnCode);
// UI_BeendenAngefordert (true from QuitUserInterface until RunUserInterface has returned): ui_melden.h.

// ---- canvas ----------------------------------------------------------------------------------------------
struct Point {
    int x, y;
};
struct Rect {
    int top, left, height, width;
};
inline Point MakePoint(int x, int y) {
    return {x, y};
}
inline Rect MakeRect(int top, int left, int height, int width) {
    return {top, left, height, width};
}
enum : int { VAL_DRAW_FRAME = 0, VAL_DRAW_INTERIOR = 1, VAL_DRAW_FRAME_AND_INTERIOR = 2 };

// Drawing goes to the canvas's off-screen image (white at first, the control's size) with its pen
// (ATTR_PEN_COLOR, default black) and fill colour (ATTR_PEN_FILL_COLOR, default white), without
// antialiasing: a line is one pixel wide and includes both end points; a rectangle covers the
// columns left .. left+width-1 and rows top .. top+height-1: VAL_DRAW_INTERIOR fills all of them with the
// fill colour, VAL_DRAW_FRAME sets only its outermost pixels in the pen colour, VAL_DRAW_FRAME_AND_INTERIOR
// both. A rectangle of zero width or height draws nothing; a colour VAL_TRANSPARENT draws nothing.
// Drawing outside the image is clipped. The control shows the image: outside a batch it is repainted at
// the next pass of the event loop; between CanvasStartBatchDraw and CanvasEndBatchDraw not before the
// batch ends; ProcessDrawEvents repaints every changed canvas and graph at once without dispatching any
// event (no callback can run inside it).
int CanvasDrawLine(int panel, int control, Point start, Point end);
int CanvasDrawRect(int panel, int control, Rect rect, int drawMode);
int CanvasStartBatchDraw(int panel, int control);
int CanvasEndBatchDraw(int panel, int control);
int ProcessDrawEvents();

// Pointer position relative to the control and button/modifier state (VAL_SHIFT_MODIFIER, ...) of the
// mouse event being handled: on a press the pressed button is down, on a release it is up. Outside a mouse
// event it reads the pointer and buttons as they are now.
int GetRelativeMouseState(int panel, int control, int* x, int* y, int* leftButton, int* rightButton,
                          int* keyModifiers);

// ---- graph: a plain plot surface with axis ranges in plot units, and one cursor --------------------------
// No axes, labels or frame are drawn: the plot area is the whole control. A manual range maps linearly
// onto the control's pixels, xMin to column 0 and xMax to column width-1, yMin to row height-1 and yMax to
// row 0 (the y axis grows upward); so ranges 0..width-1 and 0..height-1 make one unit one pixel. Points are
// rounded to the nearest pixel; a line includes both ends, a rectangle both corners (outline in color,
// interior in fillColor; VAL_TRANSPARENT leaves either out). An autoscaled axis keeps its last range.
// Plots are kept until deleted and drawn in the order made, over ATTR_PLOT_BGCOLOR (default white).
// Cursor 1 is the only cursor: SetGraphCursor places it (clamped to the ranges), a mouse press and each
// move with a button held move it to the mouse (in axis units). It is drawn as a dotted cross in
// ATTR_CURSOR_COLOR; it is hidden (VAL_TRANSPARENT) until given a colour. Plot handles are > 0.
enum : int { VAL_MANUAL = 0, VAL_AUTOSCALE = 1 };
enum : int { VAL_IMMEDIATE_DRAW = 0, VAL_DELAYED_DRAW = 1 };
enum : int { ATTR_CURSOR_COLOR = 40, ATTR_CURSOR_MODE = 41 };
int SetAxisRange(int panel, int control, int xMode, double xMin, double xMax, int yMode, double yMin,
                 double yMax);
int PlotLine(int panel, int control, double x1, double y1, double x2, double y2, int color);
int PlotRectangle(int panel, int control, double x1, double y1, double x2, double y2, int color,
                  int fillColor); // fillColor VAL_TRANSPARENT for none
int DeleteGraphPlot(int panel, int control, int plotHandle, int refresh); // plotHandle -1: all
int RefreshGraph(int panel, int control);
int SetGraphCursor(int panel, int control, int cursor, double x, double y);
int GetGraphCursor(int panel, int control, int cursor, double* x, double* y);
int SetCursorAttribute(int panel, int control, int cursor, int attribute, int value);
