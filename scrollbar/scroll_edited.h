#pragma once
// Scroll bar control drawn inside a graph control: thumb, end buttons, track, keyboard and auto-repeat.
// The geometry, hit test, key table and repeat schedule are plain functions usable without pixels.

#include "platform/ui/ui.h"

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>

class QTimer;

// Attributes of ScrollBar_SetAttribute / ScrollBar_GetAttribute.
enum : int {
    SCROLLBAR_ATTR_POSITION = 1,
    SCROLLBAR_ATTR_PAGE_SIZE = 2,
    SCROLLBAR_ATTR_MINIMUM = 3,
    SCROLLBAR_ATTR_MAXIMUM = 4,
    SCROLLBAR_ATTR_COLOR = 5,
    SCROLLBAR_ATTR_WIDTH = 6,
    SCROLLBAR_ATTR_HEIGHT = 7,
    SCROLLBAR_ATTR_VERTICAL = 8,
    SCROLLBAR_ATTR_PROPORTIONAL = 9,
};

// Events passed to the user callback as (panel, control, event, user data, new position, 0). A callback
// that returns non-zero refuses the change; one that wants another position sets it with
// ScrollBar_SetAttribute (an int cannot carry the position's address here).
enum : int {
    SCROLLBAR_EVENT_SCHRITT_MIN = 1, // one step toward the minimum
    SCROLLBAR_EVENT_SCHRITT_MAX = 2, // one step toward the maximum
    SCROLLBAR_EVENT_SEITE_MIN = 3,   // one page toward the minimum
    SCROLLBAR_EVENT_SEITE_MAX = 4,   // one page toward the maximum
    SCROLLBAR_EVENT_SPRUNG = 5,      // jump to a position
    SCROLLBAR_EVENT_LOSGELASSEN = 6, // mouse released, gesture ended
};

// Parts of the bar under the mouse (hit test).
enum : int {
    SCROLLBAR_TEIL_KNOPF_MIN = 0,
    SCROLLBAR_TEIL_KNOPF_MAX = 1,
    SCROLLBAR_TEIL_SPUR_MIN = 2,
    SCROLLBAR_TEIL_SPUR_MAX = 3,
    SCROLLBAR_TEIL_DAUMEN = 4,
    SCROLLBAR_TEIL_KEINER = 5,
};

enum : unsigned { SCROLLBAR_FLAG_VERTIKAL = 1u, SCROLLBAR_FLAG_PROPORTIONAL = 2u };

constexpr int SCROLLBAR_OK = 0;
constexpr int SCROLLBAR_FEHLER_KEIN_RECORD = -1;
constexpr int SCROLLBAR_FEHLER_KEIN_GRAPH = -2;
constexpr int SCROLLBAR_FEHLER_WERT = -3;
constexpr int SCROLLBAR_FEHLER_ATTRIBUT = -4;

constexpr int SCROLLBAR_KNOPFLAENGE = 16;
constexpr int SCROLLBAR_FARBE_STANDARD = 0xC0C0C0;

using ScrollBarUhr = std::chrono::steady_clock;

// One converted control. Owned by the control's registry entry; also its graph callback data.
struct ScrollBarInfo {
    unsigned flags = 0;
    int panel = 0, control = 0;
    int height = 0, width = 0;
    int colour = SCROLLBAR_FARBE_STANDARD;
    int pageSize = 10;
    int minimum = 0, maximum = 100;
    int position = 0;
    int thumbHigh = -1, thumbLow = -1;
    CtrlCallbackPtr userCallback = nullptr;
    void* userData = nullptr;
    int pressedPart = SCROLLBAR_TEIL_KEINER;
    double travel = 0;
    double travelStart = 0;
    int grabOffset = 0;
    ScrollBarUhr::time_point pressTime{};
    int repeatsDone = 0; // steps made by the current press (the first one included)
    int valid = 0;
    std::recursive_mutex lock;
    std::unique_ptr<QTimer> repeatTimer;
};

// ---- plain functions -------------------------------------------------------------------------------------

struct ScrollBarMasse {
    bool vertikal = false;
    bool proportional = true;
    int width = 0, height = 0;
    int pageSize = 10, minimum = 0, maximum = 100, position = 0;
};

struct ScrollBarDaumen {
    bool vorhanden = false; // false: no thumb drawn (empty range or page)
    int h = 0;              // half thumb length
    double travel = 0, travelStart = 0;
    int mitte = 0;            // thumb centre along the axis
    int hoch = -1, tief = -1; // thumb ends (centre + h, centre - h)
};

// Thumb geometry for the given sizes and range.
ScrollBarDaumen ScrollBar_DaumenBerechnen(const ScrollBarMasse& m);
// Part under the axis coordinate a (x horizontal, y vertical with y growing upward).
int ScrollBar_Trefferpruefung(const ScrollBarMasse& m, const ScrollBarDaumen& d, double a);
// Position the thumb part gives for the axis coordinate a and the grab offset.
int ScrollBar_DaumenPosition(const ScrollBarMasse& m, const ScrollBarDaumen& d, double a, int grabOffset);
// Highlight and shade colour of a bar colour.
void GetHiliteAndShade(int colour, int* hilite, int* shade);

// A key press: passed on (Tab), swallowed without effect, or a new position with its event.
struct ScrollBarTaste {
    bool weitergeben = false; // return 0 from the callback
    int event = 0;            // 0: nothing to do
    int position = 0;         // requested position (not clamped)
};
ScrollBarTaste ScrollBar_TasteAuswerten(int keyCode, int position, int minimum, int maximum, int pageSize);

// Auto-repeat: a held part steps at once, again after the delay, then at the steady interval.
constexpr std::chrono::milliseconds SCROLLBAR_WIEDERHOLUNG_VERZOEGERUNG{500};
constexpr std::chrono::milliseconds SCROLLBAR_WIEDERHOLUNG_INTERVALL{50};
// Number of steps due by the time `seitDruck` has passed since the press (the immediate one included).
int ScrollBar_WiederholungenFaellig(std::chrono::nanoseconds seitDruck);

// ---- the control -----------------------------------------------------------------------------------------

int ScrollBar_ConvertFromGraph(int panel, int control, CtrlCallbackPtr callback, void* callbackData);
int ScrollBar_Create(int panel, int top, int left, int vertical, CtrlCallbackPtr callback,
                     void* callbackData);
int ScrollBar_RevertToGraph(int panel, int control);
[[nodiscard]] int ScrollBar_SetAttribute(int panel, int control, int attribute, int value);
[[nodiscard]] int ScrollBar_GetAttribute(int panel, int control, int attribute, int* value);
void ScrollBar_Update(int panel, int control);

// The record of a converted control, nullptr when there is none.
ScrollBarInfo* GetScrollBarPtr(int panel, int control);

// Clock used for the press time and auto-repeat (tests set their own; empty: steady_clock::now).
void ScrollBar_UhrSetzen(std::function<ScrollBarUhr::time_point()> uhr);
// One tick of the auto-repeat timer (the control's timer calls it; tests call it with their clock).
void ScrollBar_WiederholungTick(int panel, int control);
// Whether the control's auto-repeat timer is running (a button or the track is held).
bool ScrollBar_WiederholungAktiv(int panel, int control);
// Part currently held by the mouse (SCROLLBAR_TEIL_KEINER when idle).
int ScrollBar_GedrueckterTeil(int panel, int control);
