// The direct-operation window offscreen: pump value correction, dimming, valve visibility, and timer ticks
// that fall into a running upload.

#include "tests/direct/direkt_testumgebung.h"

#include "direct/Direkt_Main.h"
#include "direct/Direkt_Userinterface.h"
#include "direct/Direktarrays.h"
#include "platform/ui/ui.h"
#include "platform/ui/ui_test.h"
#include "resources/Plm1SteuerungGui.h"
#include "shell/Plm1_GemeinsameFunktionen.h"
#include "valves/Konfig_Main.h"
#include "valves/Konfigarray.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QThread>
#include <QWidget>
#include <algorithm>

namespace {

struct Korrektur {
    int vorher, eingabe, ergebnis;
};
const Korrektur KORREKTUREN[] = {
    {0, 10, 30},     {40, 20, 0},   {0, -10, -30},   {-50, -20, 0}, {-50, -25, -30}, {0, 104, 100},
    {0, 55, 60},     {0, -55, -60}, {0, 15, 30},     {0, 14, 30},   {30, 14, 0},     {20, 25, 30},
    {30, 25, 30},    {30, 24, 0},   {0, -15, -30},   {-30, -24, 0}, {0, 0, 0},       {-100, -105, -100},
    {0, -104, -100}, {70, 35, 40},  {-10, -25, -30}, {29, 29, 30},  {0, 4, 0},       {0, -4, 0},
};

} // namespace

TEST(DirektPumpenwert, KorrekturTabelle) {
    for (const Korrektur& k : KORREKTUREN)
        EXPECT_EQ(DirektGui_PumpenwertKorrigieren(k.eingabe, k.vorher), k.ergebnis)
            << k.vorher << " -> " << k.eingabe;
    EXPECT_EQ(DirektGui_PumpenwertKorrigieren(2147483647, 0), 100);
    EXPECT_EQ(DirektGui_PumpenwertKorrigieren(-2147483647 - 1, 0), -100);
}

TEST(DirektFenster, PumpenwertWirdImFensterKorrigiert) {
    const int panel = DirektTest_Panel();
    ASSERT_GT(panel, 0);
    Direktarrays_Initialisieren();
    DirektGui_ArrayToGui(0);
    for (const Korrektur& k : KORREKTUREN) {
        // Pump 1 changes, pump 2 stays where it is.
        gDirekt.pumpeWert[0] = k.vorher;
        gDirekt.pumpeWert[1] = 50;
        SetCtrlVal(panel, DIREKTPNL_PUMPE1, k.vorher);
        SetCtrlVal(panel, DIREKTPNL_PUMPE2, 50);
        SetCtrlVal(panel, DIREKTPNL_PUMPE1, k.eingabe);
        DirektGui_DimmenUndWerteKorrigieren();
        int v1 = 0, v2 = 0;
        GetCtrlVal(panel, DIREKTPNL_PUMPE1, &v1);
        GetCtrlVal(panel, DIREKTPNL_PUMPE2, &v2);
        EXPECT_EQ(v1, k.ergebnis) << k.vorher << " -> " << k.eingabe;
        EXPECT_EQ(v2, 50);

        // The same through pump 2.
        gDirekt.pumpeWert[1] = k.vorher;
        SetCtrlVal(panel, DIREKTPNL_PUMPE2, k.vorher);
        SetCtrlVal(panel, DIREKTPNL_PUMPE2, k.eingabe);
        DirektGui_DimmenUndWerteKorrigieren();
        GetCtrlVal(panel, DIREKTPNL_PUMPE2, &v2);
        EXPECT_EQ(v2, k.ergebnis) << "pump 2: " << k.vorher << " -> " << k.eingabe;
    }
}

TEST(DirektFenster, DimmenFolgtDenSchalternImFenster) {
    const int panel = DirektTest_Panel();
    ASSERT_GT(panel, 0);
    const int istwerte[] = {DIREKTPNL_DRUCK1IST,   DIREKTPNL_DRUCK2IST,     DIREKTPNL_STATUSLED1,
                            DIREKTPNL_STATUSLED2,  DIREKTPNL_STATUSLED3,    DIREKTPNL_STATUSLED4,
                            DIREKTPNL_STATUSLED5,  DIREKTPNL_TEMPERATURIST, DIREKTPNL_SPANNUNGIST,
                            DIREKTPNL_MONITORMODUS};
    auto gedimmt = [&](int control) {
        int d = -1;
        GetCtrlAttribute(panel, control, ATTR_DIMMED, &d);
        return d;
    };
    for (int an = 0; an <= 1; ++an) {
        SetCtrlVal(panel, DIREKTPNL_DRUCKHIGH1CHECK, an);
        SetCtrlVal(panel, DIREKTPNL_DRUCKLOW1CHECK, 1 - an);
        SetCtrlVal(panel, DIREKTPNL_DRUCKHIGH2CHECK, 1 - an);
        SetCtrlVal(panel, DIREKTPNL_DRUCKLOW2CHECK, an);
        SetCtrlVal(panel, DIREKTPNL_PUMPE1EIN, an);
        SetCtrlVal(panel, DIREKTPNL_PUMPE2EIN, 1 - an);
        SetCtrlVal(panel, DIREKTPNL_VERBINDEN, an);
        // The fields disagree on purpose: dimming follows the controls.
        gDirekt.abfragen = 1 - an;
        gDirekt.pumpeEin[0] = 1 - an;
        DirektGui_Dimmen();
        EXPECT_EQ(gedimmt(DIREKTPNL_DRUCKHIGH1), 1 - an);
        EXPECT_EQ(gedimmt(DIREKTPNL_DRUCKLOW1), an);
        EXPECT_EQ(gedimmt(DIREKTPNL_DRUCKHIGH2), an);
        EXPECT_EQ(gedimmt(DIREKTPNL_DRUCKLOW2), 1 - an);
        EXPECT_EQ(gedimmt(DIREKTPNL_PUMPE1), 1 - an);
        EXPECT_EQ(gedimmt(DIREKTPNL_PUMPE2), an);
        for (int c : istwerte)
            EXPECT_EQ(gedimmt(c), 1 - an) << "control " << c << " polling " << an;
        EXPECT_EQ(gedimmt(DIREKTPNL_VERBINDEN), 0);
        EXPECT_EQ(UI_CtrlWidget(panel, DIREKTPNL_DRUCKHIGH1)->isEnabled(), an == 1)
            << "a dimmed field takes no input";
    }
}

TEST(DirektFenster, NurVorhandeneVentileSindSichtbar) {
    const int panel = DirektTest_Panel();
    ASSERT_GT(panel, 0);
    Konfigarray_Initialisieren();
    gKonfig[1] = VENTILART_NV;
    gKonfig[10] = VENTILART_NV;
    gKonfig[4] = VENTILART_NO;
    DirektMain_KonfigUebernehmen();
    for (int i = 0; i < 11; ++i) {
        int sichtbar = -1;
        GetCtrlAttribute(panel, DIREKTPNL_VENTIL1 + i, ATTR_VISIBLE, &sichtbar);
        EXPECT_EQ(sichtbar, (i == 1 || i == 10) ? 0 : 1) << "valve " << i + 1;
    }
    Konfigarray_Initialisieren();
    DirektMain_KonfigUebernehmen();
    int sichtbar = -1;
    GetCtrlAttribute(panel, DIREKTPNL_VENTIL2, ATTR_VISIBLE, &sichtbar);
    EXPECT_EQ(sichtbar, 1);
}

// ---- a tick never starts a transaction while an upload runs
// ---------------------------------------------------

namespace {
std::vector<std::string> gZeilenWaehrendUpload;
bool gCallbackLiefWaehrendUpload = false;
plm1sim::Server* gServer = nullptr;

void ereignisseVerarbeiten(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(2);
    }
}

// Stands in for the commit callback of VENTIL1: lets the event loop run (ticks due every 10 ms) before,
// and after the real upload, all while the callback is still running.
int uploadMitEreignissen(int panel, int control, int event, void* data, int e1, int e2) {
    if (event != EVENT_COMMIT) return 0;
    gCallbackLiefWaehrendUpload = UI_CallbackLaeuft();
    ereignisseVerarbeiten(60);
    Callback_Direkt_Controls(panel, control, event, data, e1, e2);
    ereignisseVerarbeiten(60);
    gZeilenWaehrendUpload = gServer->bus().empfangeneZeilen();
    return 0;
}
} // namespace

TEST_F(DirektGeraet, TimerTickWaehrendEinesUploadsWirdNichtAusgefuehrt) {
    gServer = &server;
    SetCtrlVal(panel, DIREKTPNL_VERBINDEN, 1);
    gDirekt.abfragen = 1;
    gDirektAbfragenVorher = 1;
    SetCtrlAttribute(panel, DIREKTPNL_TIMER, ATTR_INTERVAL, 0.01);
    SetCtrlAttribute(panel, DIREKTPNL_TIMER, ATTR_ENABLED, 1);
    InstallCtrlCallback(panel, DIREKTPNL_VENTIL1, &uploadMitEreignissen, nullptr);

    QWidget* schalter = UI_CtrlWidget(panel, DIREKTPNL_VENTIL1);
    ASSERT_NE(schalter, nullptr);
    QTest::mouseClick(schalter, Qt::LeftButton, Qt::NoModifier, schalter->rect().center());

    InstallCtrlCallback(panel, DIREKTPNL_VENTIL1, &Callback_Direkt_Controls, nullptr);
    EXPECT_TRUE(gCallbackLiefWaehrendUpload);
    ASSERT_EQ(gZeilenWaehrendUpload.size(), 7u) << "only the seven writes of the set, no read of a tick";
    for (const std::string& z : gZeilenWaehrendUpload)
        EXPECT_EQ(z[4], 'W') << z;

    // Once the callback has returned the ticks run again and poll.
    ereignisseVerarbeiten(100);
    SetCtrlAttribute(panel, DIREKTPNL_TIMER, ATTR_ENABLED, 0);
    SetCtrlAttribute(panel, DIREKTPNL_TIMER, ATTR_INTERVAL, 0.5);
    const std::vector<std::string> danach = zeilen();
    EXPECT_TRUE(std::any_of(danach.begin(), danach.end(), [](const std::string& z) { return z == "#1D1R"; }));
}

TEST(DirektFenster, ZurueckFuehrtZumHauptfenster) {
    const int panel = DirektTest_Panel();
    ASSERT_GT(panel, 0);
    const int haupt = LoadPanel(0, "Plm1SteuerungGui.uir", MAINPANEL);
    ASSERT_GT(haupt, 0);
    GemFunc_HauptpanelSet(haupt);
    DisplayPanel(haupt);
    DirektMain_DisplayPanel(haupt);
    EXPECT_TRUE(UI_PanelWidget(panel)->isVisible());
    EXPECT_FALSE(UI_PanelWidget(haupt)->isVisible());

    QWidget* zurueck = UI_CtrlWidget(panel, DIREKTPNL_ZURUECK);
    ASSERT_NE(zurueck, nullptr);
    QTest::mouseClick(zurueck, Qt::LeftButton, Qt::NoModifier, zurueck->rect().center());
    EXPECT_TRUE(UI_PanelWidget(haupt)->isVisible());
    EXPECT_FALSE(UI_PanelWidget(panel)->isVisible());
    HidePanel(haupt);
    DiscardPanel(haupt);
}
