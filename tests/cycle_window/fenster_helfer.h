#pragma once
// The one curve window of the window tests: set up once (offscreen), back to a fresh 10-step cycle
// before each test, popups caught, and real mouse events for the canvases.

#include "cycle/CanvasFunktionen.h"
#include "cycle/Kurven_Main.h"
#include "cycle/Kurven_Userinterface.h"
#include "cycle/Kurvenarrays.h"
#include "platform/ui/ui.h"
#include "platform/ui/ui_fragen.h"
#include "platform/ui/ui_test.h"
#include "resources/Plm1SteuerungGui.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

struct Meldung {
    std::string titel, text;
};

inline std::vector<Meldung>& gefangeneMeldungen() {
    static std::vector<Meldung> m;
    return m;
}

class KurvenFenster : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        UI_MeldungsabfangSetzen([](const std::string& t, const std::string& x) {
            gefangeneMeldungen().push_back({t, x});
        });
        // Unsaved work left by one test is dropped by the next one's "Neu" without a box.
        UI_FrageabfangSetzen([](const std::string&, const std::string&) { return UI_ANTWORT_VERWERFEN; });
        if (gKurvenPanel <= 0) {
            ASSERT_EQ(KurvenMain_Initialisieren(), 0);
        }
    }
    void SetUp() override {
        ASSERT_GT(gKurvenPanel, 0);
        panel = gKurvenPanel;
        Menu_Kurven_Datei(GetPanelMenuBar(panel), MENUKURVEN_DATEI_NEU, nullptr, panel);
        gefangeneMeldungen().clear();
    }
    // Commits a value in a key data control as the operator would.
    void eingeben(int control, int wert) {
        SetCtrlVal(panel, control, wert);
        Callback_Kurven_Controls(panel, control, EVENT_COMMIT, nullptr, 0, 0);
    }
    int ctrlWert(int control) {
        int v = -1;
        GetCtrlVal(panel, control, &v);
        return v;
    }
    int attribut(int control, int a) {
        int v = -1;
        GetCtrlAttribute(panel, control, a, &v);
        return v;
    }
    std::string titel() {
        std::string t;
        GetPanelAttribute(panel, ATTR_TITLE, &t);
        return t;
    }
    // Real mouse events on a canvas widget.
    void maus(int control, QEvent::Type typ, int x, int y, Qt::MouseButton knopf, Qt::MouseButtons gehalten,
              Qt::KeyboardModifiers mod = Qt::NoModifier) {
        QWidget* w = UI_CtrlWidget(panel, control);
        ASSERT_NE(w, nullptr);
        const QPointF lokal(x, y);
        QMouseEvent e(typ, lokal, w->mapToGlobal(lokal), knopf, gehalten, mod);
        QApplication::sendEvent(w, &e);
    }
    void druecken(int control, int x, int y, Qt::MouseButton knopf = Qt::LeftButton,
                  Qt::KeyboardModifiers mod = Qt::NoModifier) {
        maus(control, QEvent::MouseButtonPress, x, y, knopf, knopf, mod);
    }
    void ziehen(int control, int x, int y, Qt::MouseButton knopf = Qt::LeftButton,
                Qt::KeyboardModifiers mod = Qt::NoModifier) {
        maus(control, QEvent::MouseMove, x, y, Qt::NoButton, knopf, mod);
    }
    void loslassen(int control, int x, int y, Qt::MouseButton knopf = Qt::LeftButton) {
        maus(control, QEvent::MouseButtonRelease, x, y, knopf, Qt::NoButton);
    }
    void klicken(int control, int x, int y, Qt::MouseButton knopf = Qt::LeftButton,
                 Qt::KeyboardModifiers mod = Qt::NoModifier) {
        druecken(control, x, y, knopf, mod);
        loslassen(control, x, y, knopf);
    }
    // x in the middle of step i on the window's canvases (18 pixels per step, first visible step 0).
    static int mitteVon(int i) { return 5 + 18 * i + 9; }
    int panel = 0;
};
