// Direct operation against the simulated unit: the set sent on a change, polling, monitor read-back and
// how failures stop a set or the polling.

#include "tests/direct/direkt_testumgebung.h"

#include "device/Vkr_Com.h"
#include "direct/Direkt_Com.h"
#include "direct/Direkt_Main.h"
#include "direct/Direkt_Userinterface.h"
#include "direct/Direktarrays.h"
#include "platform/ui/ui.h"
#include "platform/ui/ui_test.h"
#include "resources/Plm1SteuerungGui.h"
#include "valves/Konfig_Main.h"
#include "valves/Konfigarray.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QTest>
#include <QWidget>
#include <algorithm>

using Zeilen = std::vector<std::string>;

namespace {

const Zeilen ISTWERT_ZEILEN = {"#1D1R", "#1D2R", "#1U1R", "#1T1R", "#1S1R"};
const Zeilen SOLLWERT_ZEILEN = {"#1V0R", "#1P1R", "#1P2R", "#1H1R", "#1H2R", "#1L1R", "#1L2R"};

Zeilen verbunden(Zeilen a, const Zeilen& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

void ventilarten(std::initializer_list<int> arten) {
    int i = 0;
    for (int a : arten)
        gKonfig[i++] = a;
}

} // namespace

// ---- sending the set
// ----------------------------------------------------------------------------------------

TEST_F(DirektGeraet, EineAenderungSendetSiebenBefehleInFesterReihenfolge) {
    DirektArrays& a = gDirekt;
    a.ventil[0] = 1;
    a.ventil[4] = 1;
    a.pumpeWert[0] = 50;
    a.druckHighEin[0] = 1;
    a.druckHigh[0] = 1500;
    a.druckLow[0] = -500; // unchecked: the fixed value goes out
    a.pumpeEin[1] = 0;
    a.pumpeWert[1] = 70; // pump off: 0 goes out
    a.druckHigh[1] = 300;
    a.druckLowEin[1] = 1;
    a.druckLow[1] = -800;

    ASSERT_EQ(DirektCom_ArrayUpload(), 0);
    EXPECT_EQ(zeilen(), (Zeilen{"#1V0W0011", "#1P1W50", "#1H1W1500", "#1L1W-2000", "#1P2W0", "#1H2W2000",
                                "#1L2W-800"}));
    const plm1sim::Zustand z = server.bus().zustand('1');
    EXPECT_EQ(z.ventile, 0x0011);
    EXPECT_EQ(z.pumpe[0], 50);
    EXPECT_EQ(z.druckLow[1], -800);
}

TEST_F(DirektGeraet, CommitKorrigiertDenPumpenwertUndSendetIhn) {
    VkrCom_FehlermeldungSet(-122601);
    SetCtrlVal(panel, DIREKTPNL_PUMPE1, 10); // from 0: the pump starts at 30
    SetCtrlVal(panel, DIREKTPNL_DRUCKHIGH2CHECK, 1);
    SetCtrlVal(panel, DIREKTPNL_DRUCKHIGH2, 900);
    Callback_Direkt_Controls(panel, DIREKTPNL_PUMPE1, EVENT_COMMIT, nullptr, 0, 0);

    EXPECT_EQ(zeilen(), (Zeilen{"#1V0W0000", "#1P1W30", "#1H1W2000", "#1L1W-2000", "#1P2W0", "#1H2W900",
                                "#1L2W-2000"}));
    EXPECT_EQ(ctrlInt(DIREKTPNL_PUMPE1), 30);
    EXPECT_EQ(gDirekt.pumpeWert[0], 30);
    EXPECT_EQ(fehlernummer(), 0) << "the error controls are cleared before sending";
    EXPECT_EQ(ctrlInt(DIREKTPNL_FEHLERLED), 0);

    Callback_Direkt_Controls(panel, DIREKTPNL_PUMPE1, EVENT_VAL_CHANGED, nullptr, 0, 0);
    EXPECT_TRUE(zeilen().empty()) << "only a commit sends";
}

TEST(DirektVentilmaske, FitNoUndNichtVorhandenBestimmenDieBits) {
    constexpr int NV = 0, NO = 1, NC = 2;
    struct Fall {
        const char* name;
        int arten[11];
        int ventil[11];
        int maske;
    };
    const Fall faelle[] = {
        {"1 und 3 vorhanden, 3 NO; 1 offen, 3 zu",
         {NC, NV, NO, NV, NV, NV, NV, NV, NV, NV, NV},
         {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
         0x0005},
        {"nicht vorhandenes Ventil eingeschaltet", {NV, NC, NC, NC, NC, NC, NC, NC, NC, NC, NC}, {1}, 0x0000},
        {"alle NC offen",
         {NC, NC, NC, NC, NC, NC, NC, NC, NC, NC, NC},
         {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
         0x07FF},
        {"alle NO zu", {NO, NO, NO, NO, NO, NO, NO, NO, NO, NO, NO}, {}, 0x07FF},
        {"alle NO offen",
         {NO, NO, NO, NO, NO, NO, NO, NO, NO, NO, NO},
         {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
         0x0000},
        {"Ventil 11 allein",
         {NC, NC, NC, NC, NC, NC, NC, NC, NC, NC, NC},
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1},
         0x0400},
        {"unbekannte Art 5 zaehlt als NC",
         {5, NV, NV, NV, NV, NV, NV, NV, NV, NV, 5},
         {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1},
         0x0401},
    };
    for (const Fall& f : faelle) {
        DirektArrays a{};
        for (int i = 0; i < 11; ++i) {
            gKonfig[i] = f.arten[i];
            a.ventil[i] = f.ventil[i];
        }
        EXPECT_EQ(DirektCom_Ventilmaske(a), f.maske) << f.name;
    }
    Konfigarray_Initialisieren();
}

TEST_F(DirektGeraet, FehlgeschlagenerBefehlBeendetDenSatz) {
    struct Fall {
        const char* code;
        plm1sim::Fehlerart art;
        std::size_t gesendet;
        int fehler;
    };
    const Fall faelle[] = {
        {"V0W", plm1sim::Fehlerart::Nak, 1, -402073}, {"P1W", plm1sim::Fehlerart::Can, 2, -405074},
        {"H1W", plm1sim::Fehlerart::Nak, 3, -402073}, {"L1W", plm1sim::Fehlerart::FremdesByte, 4, -404076},
        {"P2W", plm1sim::Fehlerart::Nak, 5, -402073}, {"H2W", plm1sim::Fehlerart::Can, 6, -405074},
        {"L2W", plm1sim::Fehlerart::Nak, 7, -402073},
    };
    for (const Fall& f : faelle) {
        server.bus().fehlerLoeschen();
        server.bus().fehlerSetzen(f.code, f.art, 1);
        zeilen();
        SetCtrlVal(panel, DIREKTPNL_DRUCKLOW2CHECK, 1);
        SetCtrlVal(panel, DIREKTPNL_DRUCKLOW2, -700);
        Callback_Direkt_Controls(panel, DIREKTPNL_DRUCKLOW2, EVENT_COMMIT, nullptr, 0, 0);
        const Zeilen z = zeilen();
        EXPECT_EQ(z.size(), f.gesendet) << f.code;
        if (!z.empty()) {
            EXPECT_EQ(z.back().substr(2, 3), f.code);
        }
        EXPECT_EQ(fehlernummer(), f.fehler) << f.code;
        EXPECT_EQ(ctrlInt(DIREKTPNL_FEHLERLED), 1) << f.code;
        EXPECT_EQ(gDirekt.druckLow[1], -700) << "the fields keep the new set values";
    }
}

TEST_F(DirektGeraet, OhneOffenenPortWirdNichtsGesendet) {
    ASSERT_EQ(VkrCom_Close(), 0);
    SetCtrlVal(panel, DIREKTPNL_VENTIL2, 1);
    Callback_Direkt_Controls(panel, DIREKTPNL_VENTIL2, EVENT_COMMIT, nullptr, 0, 0);
    EXPECT_EQ(fehlernummer(), -122601);
    EXPECT_EQ(gDirekt.ventil[1], 1);
    EXPECT_TRUE(zeilen().empty());
}

// ---- polling
// ------------------------------------------------------------------------------------------------

TEST_F(DirektGeraet, AbfrageLiestIstwerteInDerReihenfolgeUndZeigtSie) {
    plm1sim::Zustand z = server.bus().zustand('1');
    // The simulated pressures follow the pumps: a pump aimed at the pressure holds it.
    z.istDruck[0] = 812.5;
    z.pumpe[0] = 812.5 / 20.0;
    z.istDruck[1] = -310.5;
    z.pumpe[1] = -310.5 / 20.0;
    z.spannung = 23.9;
    z.temperatur = 41.5;
    z.status = 0x0108;
    server.bus().zustandSetzen('1', z);

    Callback_Direkt_Timer(panel, DIREKTPNL_TIMER, EVENT_TIMER_TICK, nullptr, 0, 0);
    EXPECT_TRUE(zeilen().empty()) << "polling off: a tick reads nothing";

    SetCtrlVal(panel, DIREKTPNL_VERBINDEN, 1);
    Callback_Direkt_Controls_Abfragen(panel, DIREKTPNL_VERBINDEN, EVENT_COMMIT, nullptr, 0, 0);
    EXPECT_TRUE(zeilen().empty()) << "switching polling on sends nothing";
    VkrCom_FehlermeldungSet(-402073);
    Callback_Direkt_Timer(panel, DIREKTPNL_TIMER, EVENT_TIMER_TICK, nullptr, 0, 0);

    EXPECT_EQ(zeilen(), ISTWERT_ZEILEN);
    EXPECT_EQ(fehlernummer(), 0) << "the first tick after switching on clears the error controls";
    EXPECT_DOUBLE_EQ(ctrlDouble(DIREKTPNL_DRUCK1IST), 812.5);
    EXPECT_DOUBLE_EQ(ctrlDouble(DIREKTPNL_DRUCK2IST), -310.5);
    EXPECT_DOUBLE_EQ(ctrlDouble(DIREKTPNL_SPANNUNGIST), 23.9);
    EXPECT_DOUBLE_EQ(ctrlDouble(DIREKTPNL_TEMPERATURIST), 41.5);
    const int leds[] = {DIREKTPNL_STATUSLED1, DIREKTPNL_STATUSLED2, DIREKTPNL_STATUSLED3,
                        DIREKTPNL_STATUSLED4, DIREKTPNL_STATUSLED5};
    const int erwartet[] = {0, 0, 0, 1, 1};
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(ctrlInt(leds[k]), erwartet[k]) << "lamp " << k + 1;
    EXPECT_EQ(ctrlInt(DIREKTPNL_VERBINDEN), 1);

    // A later tick does not clear an error shown meanwhile (only the switch-on does).
    VkrCom_FehlermeldungSet(-402073);
    Callback_Direkt_Timer(panel, DIREKTPNL_TIMER, EVENT_TIMER_TICK, nullptr, 0, 0);
    EXPECT_EQ(zeilen(), ISTWERT_ZEILEN);
    EXPECT_EQ(fehlernummer(), -402073);
}

TEST(DirektStatuslampen, BitsAufLampen) {
    struct Fall {
        int status;
        int leds[5];
    };
    const Fall faelle[] = {
        {0x0000, {0, 0, 0, 0, 0}}, {0x0108, {0, 0, 0, 1, 1}}, {0x0001, {1, 0, 0, 0, 0}},
        {0x0002, {0, 1, 0, 0, 0}}, {0x0004, {0, 0, 1, 0, 0}}, {0xFFF0, {0, 0, 0, 0, 1}},
        {0xFEF7, {1, 1, 1, 0, 0}}, {0xFFFF, {1, 1, 1, 1, 1}}, {0x00F0, {0, 0, 0, 0, 0}},
    };
    for (const Fall& f : faelle) {
        int leds[5] = {9, 9, 9, 9, 9};
        DirektCom_StatusbitsZuLeds(f.status, leds);
        EXPECT_TRUE(std::equal(leds, leds + 5, f.leds)) << std::hex << f.status;
    }
}

TEST_F(DirektGeraet, MonitormodusLiestDieSollwerteZurueck) {
    ventilarten({VENTILART_NC, VENTILART_NV, VENTILART_NO, VENTILART_NC, VENTILART_NC, VENTILART_NC,
                 VENTILART_NC, VENTILART_NC, VENTILART_NC, VENTILART_NC, VENTILART_NO});
    plm1sim::Zustand z = server.bus().zustand('1');
    z.ventile = 0x0009; // coils 1 and 4: valve 3 (NO) without current is open, valve 11 (NO) too
    z.pumpe[0] = -60;
    z.pumpe[1] = 40;
    z.druckHigh[0] = 2000.0;
    z.druckHigh[1] = 1500.7;
    z.druckLow[0] = -300.9;
    z.druckLow[1] = -2000.0;
    server.bus().zustandSetzen('1', z);
    gDirekt.druckHigh[0] = 700; // an unchecked limit keeps its number
    gDirekt.druckHighEin[0] = 1;
    gDirekt.druckLowEin[1] = 1;
    gDirekt.pumpeEin[1] = 0;
    gDirekt.abfragen = 1;
    gDirekt.monitorModus = 1;

    ASSERT_EQ(DirektCom_ArrayDownload(), 0);
    EXPECT_EQ(zeilen(), verbunden(ISTWERT_ZEILEN, SOLLWERT_ZEILEN));

    const int ventile[11] = {1, 0, 1, 1, 0, 0, 0, 0, 0, 0, 1};
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(gDirekt.ventil[i], ventile[i]) << "valve " << i + 1;
    EXPECT_EQ(ctrlInt(DIREKTPNL_VENTIL3), 1);
    EXPECT_EQ(ctrlInt(DIREKTPNL_VENTIL4), 1);
    EXPECT_EQ(ctrlInt(DIREKTPNL_PUMPE1), -60);
    EXPECT_EQ(ctrlInt(DIREKTPNL_PUMPE2), 40);
    EXPECT_EQ(ctrlInt(DIREKTPNL_PUMPE2EIN), 1);
    EXPECT_EQ(ctrlInt(DIREKTPNL_DRUCKHIGH1CHECK), 0) << "2000.0 read back means no upper limit";
    EXPECT_EQ(ctrlInt(DIREKTPNL_DRUCKHIGH1), 700);
    EXPECT_EQ(ctrlInt(DIREKTPNL_DRUCKHIGH2CHECK), 1);
    EXPECT_EQ(ctrlInt(DIREKTPNL_DRUCKHIGH2), 1500) << "1500.7 is truncated";
    EXPECT_EQ(ctrlInt(DIREKTPNL_DRUCKLOW1CHECK), 1);
    EXPECT_EQ(ctrlInt(DIREKTPNL_DRUCKLOW1), -300);
    EXPECT_EQ(ctrlInt(DIREKTPNL_DRUCKLOW2CHECK), 0);

    // Sending the window's set now reproduces the unit's set: the round trip is lossless for whole values.
    ASSERT_EQ(DirektCom_ArrayUpload(), 0);
    EXPECT_EQ(zeilen(), (Zeilen{"#1V0W0009", "#1P1W-60", "#1H1W2000", "#1L1W-300", "#1P2W40", "#1H2W1500",
                                "#1L2W-2000"}));

    // The operator is typing in pump 2 when the next poll comes: that field keeps what is typed until it is
    // committed or left, the others follow the unit.
    DisplayPanel(panel);
    QApplication::setActiveWindow(UI_PanelWidget(panel));
    QWidget* feld = UI_CtrlWidget(panel, DIREKTPNL_PUMPE2);
    feld->setFocus();
    QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(feld, "7");
    z.pumpe[0] = -80;
    z.pumpe[1] = 90;
    server.bus().zustandSetzen('1', z);
    ASSERT_EQ(DirektCom_ArrayDownload(), 0);
    EXPECT_EQ(static_cast<QAbstractSpinBox*>(feld)->text(), "7");
    EXPECT_EQ(ctrlInt(DIREKTPNL_PUMPE1), -80);
    feld->clearFocus(); // left: the edit is committed (7 corrected to 0 and sent); polls write it again
    EXPECT_EQ(server.bus().zustand('1').pumpe[1], 0);
    z = server.bus().zustand('1');
    z.pumpe[1] = 90;
    server.bus().zustandSetzen('1', z);
    (void)zeilen();
    ASSERT_EQ(DirektCom_ArrayDownload(), 0);
    EXPECT_EQ(ctrlInt(DIREKTPNL_PUMPE2), 90);
}

TEST_F(DirektGeraet, FehlgeschlageneAbfrageStopptDasAbfragen) {
    struct Fall {
        const char* code;
        plm1sim::Fehlerart art;
        bool monitor;
        std::size_t gelesen;
        int fehler;
    };
    const Fall faelle[] = {
        {"D1R", plm1sim::Fehlerart::Nak, false, 1, -402112},
        {"U1R", plm1sim::Fehlerart::Err, false, 3, -409118},
        {"S1R", plm1sim::Fehlerart::FalschesEcho, false, 5, -404117},
        {"V0R", plm1sim::Fehlerart::Can, true, 6, -405113},
        {"H2R", plm1sim::Fehlerart::Err, true, 10, -409118},
        {"L2R", plm1sim::Fehlerart::AntwortAbgebrochen, true, 12, -404116},
    };
    plm1sim::Zustand z = server.bus().zustand('1');
    z.istDruck[0] = 55.5;
    z.pumpe[0] = 55.5 / 20.0;
    server.bus().zustandSetzen('1', z);
    for (const Fall& f : faelle) {
        server.bus().fehlerLoeschen();
        server.bus().fehlerSetzen(f.code, f.art, 1);
        gDirekt.druck[0] = 0;
        SetCtrlVal(panel, DIREKTPNL_DRUCK1IST, 0.0);
        SetCtrlVal(panel, DIREKTPNL_VERBINDEN, 1);
        SetCtrlVal(panel, DIREKTPNL_MONITORMODUS, f.monitor ? 1 : 0);
        Callback_Direkt_Controls_Abfragen(panel, DIREKTPNL_VERBINDEN, EVENT_COMMIT, nullptr, 0, 0);
        zeilen();
        Callback_Direkt_Timer(panel, DIREKTPNL_TIMER, EVENT_TIMER_TICK, nullptr, 0, 0);

        const Zeilen z = zeilen();
        EXPECT_EQ(z.size(), f.gelesen) << f.code;
        EXPECT_EQ(fehlernummer(), f.fehler) << f.code;
        EXPECT_EQ(ctrlInt(DIREKTPNL_FEHLERLED), 1) << f.code;
        EXPECT_EQ(gDirekt.abfragen, 0) << f.code;
        EXPECT_EQ(ctrlInt(DIREKTPNL_VERBINDEN), 0) << f.code;
        if (f.gelesen > 1) {
            EXPECT_DOUBLE_EQ(ctrlDouble(DIREKTPNL_DRUCK1IST), 55.5) << "values read before stay";
        }

        Callback_Direkt_Timer(panel, DIREKTPNL_TIMER, EVENT_TIMER_TICK, nullptr, 0, 0);
        EXPECT_TRUE(zeilen().empty()) << "polling stays off";
    }

    // Switching polling on again clears the error at the next good tick.
    server.bus().fehlerLoeschen();
    SetCtrlVal(panel, DIREKTPNL_VERBINDEN, 1);
    Callback_Direkt_Controls_Abfragen(panel, DIREKTPNL_VERBINDEN, EVENT_COMMIT, nullptr, 0, 0);
    Callback_Direkt_Timer(panel, DIREKTPNL_TIMER, EVENT_TIMER_TICK, nullptr, 0, 0);
    EXPECT_EQ(fehlernummer(), 0);
    EXPECT_EQ(ctrlInt(DIREKTPNL_VERBINDEN), 1);
}

TEST_F(DirektGeraet, AbfrageOhneOffenenPortZeigtFehlerUndStoppt) {
    ASSERT_EQ(VkrCom_Close(), 0);
    SetCtrlVal(panel, DIREKTPNL_VERBINDEN, 1);
    Callback_Direkt_Controls_Abfragen(panel, DIREKTPNL_VERBINDEN, EVENT_COMMIT, nullptr, 0, 0);
    EXPECT_EQ(fehlernummer(), 0);
    Callback_Direkt_Timer(panel, DIREKTPNL_TIMER, EVENT_TIMER_TICK, nullptr, 0, 0);
    EXPECT_EQ(fehlernummer(), -122602);
    EXPECT_EQ(ctrlInt(DIREKTPNL_FEHLERLED), 1);
    EXPECT_EQ(ctrlInt(DIREKTPNL_VERBINDEN), 0);
    EXPECT_EQ(gDirekt.abfragen, 0);
}
