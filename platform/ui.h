#pragma once
// User-interface operations the modules call: panels from the resource, controls addressed by panel handle
// and constant, menus, popups, canvas and graph drawing, timers and the progress dialog (over Qt Widgets).

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
// callback that returns non-zero for a key press swallows the key.
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
    EVENT_MOUSE_POINTER_MOVE = 22, // mouse moved over a canvas or graph (buttons may be held)
    EVENT_LEFT_CLICK_UP = 23,      // left button released over (or after a press on) a canvas or graph
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
    ATTR_ITEM_NAME = 24, // menu item: string
    ATTR_CHECKED = 25,   // menu item
};

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
// Loads a panel of the embedded resource (file name "Plm1SteuerungGui.uir"), hidden; returns its handle
// (> 0) or a negative value.
int LoadPanel(int parentPanel, const char* resourceFile, int panelConstant);
int DisplayPanel(int panel);
int HidePanel(int panel);
int DiscardPanel(int panel);
int GetActivePanel();
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

int InstallCtrlCallback(int panel, int control, CtrlCallbackPtr fn, void* callbackData);
int InsertListItem(int panel, int control, int index, const char* itemLabel, int itemValue); // index -1: end
int ClearListCtrl(int panel, int control);
int NewCtrl(int panel, int style, const char* label, int top, int left); // returns the new control's id
int DiscardCtrl(int panel, int control);

// ---- menus -----------------------------------------------------------------------------------------------
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

// ---- popups ----------------------------------------------------------------------------------------------
int MessagePopup(const char* title, const char* message); // modal; timer callbacks may run meanwhile

enum : int { VAL_OK_BUTTON = 0, VAL_SAVE_BUTTON = 1, VAL_SELECT_BUTTON = 2, VAL_LOAD_BUTTON = 3 };
enum : int { VAL_NO_FILE_SELECTED = 0, VAL_EXISTING_FILE_SELECTED = 1, VAL_NEW_FILE_SELECTED = 2 };
constexpr int MAX_PATHNAME_LEN = 260;
// Returns VAL_NO_FILE_SELECTED when cancelled, else whether the chosen file exists; the full path goes to
// pathName (room for MAX_PATHNAME_LEN bytes).
int FileSelectPopup(const char* defaultDirectory, const char* defaultFileSpec, const char* fileTypeList,
                    const char* title, int buttonLabel, int restrictDirectory, int restrictExtension,
                    int allowCancel, int allowMakeDirectory, char* pathName);

// Progress dialog: title, label over a percentage bar, no cancel button. Updating repaints it without
// dispatching any event. Without a QApplication (command-line tool) updates go to the progress sink.
int CreateProgressDialog(const char* title, const char* label, int modal);
int UpdateProgressDialog(int dialog, int percent);
int DiscardProgressDialog(int dialog);

// ---- event loop ------------------------------------------------------------------------------------------
int RunUserInterface();
int QuitUserInterface(int returnCode);

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

// Drawing goes to the canvas's off-screen image with its pen (ATTR_PEN_COLOR) and fill colour
// (ATTR_PEN_FILL_COLOR); a line includes both end points, a rectangle covers width x height pixels.
int CanvasDrawLine(int panel, int control, Point start, Point end);
int CanvasDrawRect(int panel, int control, Rect rect, int drawMode);
int CanvasStartBatchDraw(int panel, int control);
int CanvasEndBatchDraw(int panel, int control);
int ProcessDrawEvents();

// Pointer position relative to the control and button/modifier state of the mouse event being handled.
int GetRelativeMouseState(int panel, int control, int* x, int* y, int* leftButton, int* rightButton,
                          int* keyModifiers);

// ---- graph (a plain plot surface with axis ranges in plot units, and one cursor)
// ---------------------------- The cursor follows the mouse while a button is held: each move is an
// EVENT_VAL_CHANGED, the release an EVENT_COMMIT. The y axis grows upward.
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
