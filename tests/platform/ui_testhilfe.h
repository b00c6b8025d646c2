#pragma once
// Test panels built from tables of their own, and the bookkeeping of received events.

#include "platform/ui/ui.h"
#include "platform/ui/ui_resource.h"
#include "platform/ui/ui_test.h"

#include <vector>

namespace testui {

struct Ereignis {
    int panel, control, event, d1, d2;
};

inline std::vector<Ereignis>& ereignisse() {
    static std::vector<Ereignis> e;
    return e;
}

inline int zaehle(int control, int event) {
    int n = 0;
    for (const Ereignis& e : ereignisse())
        if (e.control == control && e.event == event) ++n;
    return n;
}

inline int Merken(int panel, int control, int event, void*, int d1, int d2) {
    ereignisse().push_back({panel, control, event, d1, d2});
    return 0;
}

inline CtrlDef ctrlDef(int id, CtrlArt art, int top, int left, int w, int h, const char* label = "") {
    CtrlDef d;
    d.id = id;
    d.art = art;
    d.top = top;
    d.left = left;
    d.width = w;
    d.height = h;
    d.label = label;
    return d;
}

} // namespace testui
