// Curve canvases offscreen: a full redraw of all 13 canvases and one drag step (a mouse move while the
// left button is held), against their limits of 8 ms and 1 ms.

#include "cycle/CanvasFunktionen.h"
#include "cycle/Kurven_Main.h"
#include "cycle/Kurven_Userinterface.h"
#include "cycle/Kurvenarrays.h"
#include "platform/ui/ui.h"
#include "platform/ui/ui_test.h"
#include "resources/Plm1SteuerungGui.h"
#include "resources/panels.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Uhr = std::chrono::steady_clock;

struct Ergebnis {
    double median, maximum;
};

template <class F> Ergebnis messen(int runden, F&& f) {
    std::vector<double> ms;
    ms.reserve(runden);
    for (int i = 0; i < runden; ++i) {
        const auto t0 = Uhr::now();
        f(i);
        ms.push_back(std::chrono::duration<double, std::milli>(Uhr::now() - t0).count());
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

void mausEreignis(QWidget* w, QEvent::Type typ, int x, int y, Qt::MouseButton knopf,
                  Qt::MouseButtons gehalten) {
    const QPointF p(x, y);
    QMouseEvent e(typ, p, w->mapToGlobal(p), knopf, gehalten, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void zeile(const char* name, Ergebnis e, double grenze) {
    std::printf("%-28s median %7.3f ms  max %7.3f ms  limit %5.1f ms  ratio %.3f  %s\n", name, e.median,
                e.maximum, grenze, e.median / grenze, e.median <= grenze ? "ok" : "OVER");
}

} // namespace

// The window as an operator sees it: a 120-step cycle, partly drawn with the mouse, saved as PNG.
int bildSpeichern(const char* pfad) {
    gKurveneckdaten[KE_ANZAHLSCHRITTE] = 120;
    gKurveneckdaten[KE_ZYKLEN] = 5;
    gKurveneckdaten[KE_DRUCKHIGH1CHECK] = 1;
    gKurveneckdaten[KE_DRUCKHIGH1] = 800;
    if (Kurven_KurvenlaengenAendern(120) != 0) return 1;
    for (int i = 0; i < 120; ++i) {
        const int phase = i % 40;
        gKurven[0].values[i] = phase < 12   ? 30 + phase * 70 / 12 / 10 * 10
                               : phase < 20 ? 100
                               : phase < 30 ? -60
                                            : 0;
        for (int v = 0; v < 11; ++v)
            gKurven[2 + v].values[i] =
                v < 6 ? ((i + 3 * v) / (4 + v)) % 2 : (i % 40 >= 10 + 2 * v && i % 40 < 20 + 2 * v);
    }
    Canvas_AlleKurvenNeuZeichnen();
    // Pump 2 and valve 9 drawn by hand: a drag with the left button, a right click clears a step.
    QWidget* p2 = UI_CtrlWidget(gKurvenPanel, KURVPANEL_CANVAS_P2);
    const int h = gKurvenCanvas[1].height;
    mausEreignis(p2, QEvent::MouseButtonPress, 5 + 9, h / 2 - 10, Qt::LeftButton, Qt::LeftButton);
    for (int i = 0; i < 50; ++i) {
        const int y = h / 2 - static_cast<int>((h / 2 - 8) *
                                               ((i % 25) < 12 ? (i % 25) / 12.0 : -((i % 25) - 12) / 13.0));
        mausEreignis(p2, QEvent::MouseMove, 5 + 18 * i + 9, y, Qt::NoButton, Qt::LeftButton);
    }
    mausEreignis(p2, QEvent::MouseButtonRelease, 5 + 18 * 49 + 9, h / 2, Qt::LeftButton, Qt::NoButton);
    QWidget* v9 = UI_CtrlWidget(gKurvenPanel, KURVPANEL_CANVAS_V9);
    mausEreignis(v9, QEvent::MouseButtonPress, 5 + 18 * 5 + 9, 10, Qt::LeftButton, Qt::LeftButton);
    for (int i = 6; i < 30; ++i)
        mausEreignis(v9, QEvent::MouseMove, 5 + 18 * i + 9, 10, Qt::NoButton, Qt::LeftButton);
    mausEreignis(v9, QEvent::MouseButtonRelease, 5 + 18 * 29 + 9, 10, Qt::LeftButton, Qt::NoButton);
    mausEreignis(v9, QEvent::MouseButtonPress, 5 + 18 * 15 + 9, 10, Qt::RightButton, Qt::RightButton);
    mausEreignis(v9, QEvent::MouseButtonRelease, 5 + 18 * 15 + 9, 10, Qt::RightButton, Qt::NoButton);
    KurvenGui_ArrayToGui();
    // A left press held on pump 1 shows the value above the canvas.
    QWidget* p1 = UI_CtrlWidget(gKurvenPanel, KURVPANEL_CANVAS_P1);
    mausEreignis(p1, QEvent::MouseButtonPress, 5 + 18 * 16 + 9, 20, Qt::LeftButton, Qt::LeftButton);
    QApplication::processEvents();
    const int r = UI_PanelAlsPngSpeichern(gKurvenPanel, pfad);
    mausEreignis(p1, QEvent::MouseButtonRelease, 5 + 18 * 16 + 9, 20, Qt::LeftButton, Qt::NoButton);
    return r > 0 ? 0 : 1;
}

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    QApplication::setStyle("Fusion");
    Resource_Registrieren();
    UI_MeldungsabfangSetzen([](const std::string&, const std::string&) {});
    if (KurvenMain_Initialisieren() != 0) {
        std::fprintf(stderr, "curve window could not be set up\n");
        return 1;
    }
    if (argc == 3 && std::string(argv[1]) == "--png") {
        DisplayPanel(gKurvenPanel);
        QApplication::processEvents();
        return bildSpeichern(argv[2]);
    }
    // Shown (offscreen), so that each drag step also repaints the canvas widget from its image.
    DisplayPanel(gKurvenPanel);
    QApplication::processEvents();
    gKurveneckdaten[KE_ANZAHLSCHRITTE] = 120;
    if (Kurven_KurvenlaengenAendern(120) != 0) return 1;
    // Worst case: every visible step differs from its neighbours on all 13 canvases.
    for (int k = 0; k < KURVEN_ANZAHL; ++k)
        for (int i = 0; i < 120; ++i)
            gKurven[k].values[i] = Canvas_IstVentildiagramm(k) ? i % 2 : ((i * 7 + k * 30) % 201) - 100;
    const Ergebnis schlimmst = messen(200, [](int) { Canvas_AlleKurvenNeuZeichnen(); });
    // A cycle as drawn by hand: runs of equal values.
    for (int k = 0; k < KURVEN_ANZAHL; ++k)
        for (int i = 0; i < 120; ++i)
            gKurven[k].values[i] = Canvas_IstVentildiagramm(k) ? (i / (k + 3)) % 2 : ((i / 6) % 3 - 1) * 60;
    const Ergebnis voll = messen(200, [](int) { Canvas_AlleKurvenNeuZeichnen(); });

    QWidget* w = UI_CtrlWidget(gKurvenPanel, KURVPANEL_CANVAS_P1);
    const int hoehe = gKurvenCanvas[0].height;
    mausEreignis(w, QEvent::MouseButtonPress, 14, 20, Qt::LeftButton, Qt::LeftButton);
    const Ergebnis ziehen = messen(2000, [&](int i) {
        const int x = 5 + (i % 900), y = 5 + (i * 13) % (hoehe - 10);
        mausEreignis(w, QEvent::MouseMove, x, y, Qt::NoButton, Qt::LeftButton);
    });
    mausEreignis(w, QEvent::MouseButtonRelease, 14, 20, Qt::LeftButton, Qt::NoButton);

    std::printf("bench_canvas: 13 canvases of %dx%d / %dx%d pixels, 50 visible steps, offscreen\n",
                gKurvenCanvas[0].width, gKurvenCanvas[0].height, gKurvenCanvas[2].width,
                gKurvenCanvas[2].height);
    zeile("full redraw, worst case", schlimmst, 8.0);
    zeile("full redraw, typical cycle", voll, 8.0);
    zeile("one drag step", ziehen, 1.0);
    KurvenMain_Freigeben();
    return 0;
}
