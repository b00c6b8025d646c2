// The settings window: section "konfig" read and written, selector changes passed on at once, and the
// connection controls it registers.

#include "valves_hilfen.h"

#include "platform/files/inifile.h"

#include <map>

namespace {

class KonfigFenster : public KonfigBank {};

int gEmpfangen = 0;
std::vector<int> gGesehen; // valve kinds when the key window was told
void tastenEmpfaenger() {
    ++gEmpfangen;
    gGesehen.assign(gKonfig, gKonfig + 11);
}

std::map<std::string, int> vollstaendig() {
    std::map<std::string, int> w;
    for (int i = 1; i <= 11; ++i)
        w["v" + std::to_string(i)] = 2;
    w["com"] = 0;
    w["lcom"] = 0;
    w["adresse"] = '1';
    return w;
}

TEST_F(KonfigFenster, AbschnittKonfigLesen) {
    struct Fall {
        const char* name;
        std::map<std::string, int> schluessel; // written into the section; -999 removes the key
        Fehlercode erwartet;
        std::vector<int> arten;
        int lcom;
        char adresse;
    };
    const std::vector<int> nc(11, 2);
    const Fall faelle[] = {
        {"leer",
         {{"v1", -999},
          {"v2", -999},
          {"v3", -999},
          {"v4", -999},
          {"v5", -999},
          {"v6", -999},
          {"v7", -999},
          {"v8", -999},
          {"v9", -999},
          {"v10", -999},
          {"v11", -999},
          {"com", -999},
          {"lcom", -999},
          {"adresse", -999}},
         FEHLER_INI_VENTIL_FEHLT,
         nc,
         0,
         '1'},
        {"v3 = 7 wird übergangen", {{"v3", 7}}, 0, nc, 0, '1'},
        {"Arten, lcom und Adresse",
         {{"v1", 0}, {"v2", 1}, {"v11", 0}, {"lcom", 4}, {"adresse", '&'}},
         0,
         {0, 1, 2, 2, 2, 2, 2, 2, 2, 2, 0},
         4,
         '&'},
        {"com fehlt", {{"com", -999}, {"v1", -1}}, FEHLER_INI_COM_FEHLT, nc, 0, '1'},
        {"lcom fehlt", {{"lcom", -999}}, FEHLER_INI_LCOM_FEHLT, nc, 0, '1'},
        {"adresse fehlt", {{"adresse", -999}, {"lcom", 9}}, FEHLER_INI_ADRESSE_FEHLT, nc, 0, '1'},
        {"erster Fehler zählt", {{"v5", -999}, {"adresse", -999}}, FEHLER_INI_VENTIL_FEHLT, nc, 0, '1'},
        {"Adresse außerhalb", {{"adresse", 48}}, 0, nc, 0, '1'},
        {"Adresse über ein Byte", {{"adresse", 256 + '3'}}, 0, nc, 0, '1'},
    };
    for (const Fall& f : faelle) {
        VkrCom_Zuruecksetzen();
        Konfigarray_Initialisieren();
        IniText ini = Ini_New(1);
        auto werte = vollstaendig();
        for (const auto& [k, v] : f.schluessel) {
            if (v == -999)
                werte.erase(k);
            else
                werte[k] = v;
        }
        for (const auto& [k, v] : werte)
            ASSERT_EQ(Ini_PutInt(ini, "konfig", k.c_str(), v), 0);
        EXPECT_EQ(KonfigMain_ReadIni(ini), f.erwartet) << f.name;
        Ini_Dispose(ini);
        EXPECT_EQ(arten(), f.arten) << f.name;
        EXPECT_EQ(VkrCom_LastComPortGet(), f.lcom) << f.name;
        EXPECT_EQ(VkrCom_AdresseGet(), f.adresse) << f.name;
        EXPECT_EQ(VkrCom_ComPortGet(), 0) << f.name;
        for (int i = 0; i < 11; ++i) {
            int wert = -1;
            GetCtrlVal(konfigPanelHandle, KONFIGPNL_VENTILART1 + i, &wert);
            EXPECT_EQ(wert, f.arten[i]) << f.name << " V" << i + 1;
        }
    }
}

TEST_F(KonfigFenster, NichtZuOeffnenderPortImAbschnittWirdAngezeigt) {
    IniText ini = Ini_New(1);
    auto werte = vollstaendig();
    werte["com"] = 8; // no such device here
    for (const auto& [k, v] : werte)
        ASSERT_EQ(Ini_PutInt(ini, "konfig", k.c_str(), v), 0);
    EXPECT_EQ(KonfigMain_ReadIni(ini), 0);
    Ini_Dispose(ini);
    EXPECT_EQ(VkrCom_ComPortGet(), 0);
    int lampe = 0, nummer = 0;
    GetCtrlVal(konfigPanelHandle, KONFIGPNL_FEHLERLED, &lampe);
    GetCtrlVal(konfigPanelHandle, KONFIGPNL_FEHLERNUMMER, &nummer);
    EXPECT_EQ(lampe, 1);
    EXPECT_LT(nummer, 0);
}

TEST_F(KonfigFenster, AbschnittKonfigSchreiben) {
    gKonfig[3] = 0;
    gKonfig[4] = 1;
    ASSERT_EQ(VkrCom_LastComPortSet(6), 0);
    ASSERT_EQ(VkrCom_AdresseSet('7'), 0);
    IniText ini = Ini_New(1);
    KonfigMain_WriteIni(ini);
    auto erwartet = vollstaendig();
    erwartet["v4"] = 0;
    erwartet["v5"] = 1;
    erwartet["lcom"] = 6;
    erwartet["adresse"] = '7';
    for (const auto& [k, v] : erwartet) {
        int wert = -1;
        EXPECT_EQ(Ini_GetInt(ini, "konfig", k.c_str(), &wert), 1) << k;
        EXPECT_EQ(wert, v) << k;
    }
    Ini_Dispose(ini);
}

TEST_F(KonfigFenster, AuswahlAenderungGehtSofortAnAlleFenster) {
    gEmpfangen = 0;
    GemFunc_KonfigEmpfaengerSetzen(tastenEmpfaenger, nullptr, nullptr);
    SetCtrlVal(konfigPanelHandle, KONFIGPNL_VENTILART3, VENTILART_NV);
    SetCtrlVal(konfigPanelHandle, KONFIGPNL_VENTILART9, VENTILART_NO);
    CtrlCallbackPtr cb = nullptr;
    GetCtrlAttribute(konfigPanelHandle, KONFIGPNL_VENTILART3, ATTR_CALLBACK_FUNCTION_POINTER, &cb);
    ASSERT_NE(cb, nullptr);
    cb(konfigPanelHandle, KONFIGPNL_VENTILART3, EVENT_COMMIT, nullptr, 0, 0);
    EXPECT_EQ(gEmpfangen, 1);
    EXPECT_EQ(gGesehen, (std::vector<int>{2, 2, 0, 2, 2, 2, 2, 2, 1, 2, 2}));
    EXPECT_EQ(KonfigMain_VentilVorhanden(2), 0);
    EXPECT_EQ(KonfigMain_VentilIstNO(8), 1);

    // Back to NC: the valve is there again.
    SetCtrlVal(konfigPanelHandle, KONFIGPNL_VENTILART3, VENTILART_NC);
    cb(konfigPanelHandle, KONFIGPNL_VENTILART3, EVENT_VAL_CHANGED, nullptr, 0, 0);
    EXPECT_EQ(gEmpfangen, 1) << "only a commit counts";
    cb(konfigPanelHandle, KONFIGPNL_VENTILART3, EVENT_COMMIT, nullptr, 0, 0);
    EXPECT_EQ(gEmpfangen, 2);
    EXPECT_EQ(KonfigMain_VentilVorhanden(2), 1);

    // Loading passes the configuration on even when it fails.
    antwort = pfad("fehlt.plc");
    menu("Laden...");
    EXPECT_EQ(gEmpfangen, 3);
    EXPECT_EQ(popups.size(), 1u);

    // A kind outside 0..2 (from a *.plc file) is shown as its own item and survives a commit elsewhere.
    gKonfig[5] = 7;
    KonfigGui_ArrayToGui();
    int gezeigt = -1;
    GetCtrlVal(konfigPanelHandle, KONFIGPNL_VENTILART6, &gezeigt);
    EXPECT_EQ(gezeigt, 7);
    cb(konfigPanelHandle, KONFIGPNL_VENTILART3, EVENT_COMMIT, nullptr, 0, 0);
    EXPECT_EQ(gKonfig[5], 7);
    gKonfig[5] = VENTILART_NC;
    KonfigGui_ArrayToGui();
    GetCtrlVal(konfigPanelHandle, KONFIGPNL_VENTILART6, &gezeigt);
    EXPECT_EQ(gezeigt, VENTILART_NC);
}

TEST_F(KonfigFenster, FensterUndVerbindungsControls) {
    // The window is in the list with its menu, and its selectors offer the three kinds.
    ASSERT_EQ(GemFunc_AnzahlGet(), 1);
    EXPECT_STREQ(GemFunc_NameGet(0), "PLM-1 Einstellungen");
    std::string titel;
    GetPanelAttribute(konfigPanelHandle, ATTR_TITLE, &titel);
    EXPECT_EQ(titel, "PLM-1 Einstellungen");
    for (int art : {VENTILART_NV, VENTILART_NO, VENTILART_NC}) {
        SetCtrlVal(konfigPanelHandle, KONFIGPNL_VENTILART11, art);
        int wert = -1;
        GetCtrlVal(konfigPanelHandle, KONFIGPNL_VENTILART11, &wert);
        EXPECT_EQ(wert, art);
    }
    // The connection controls carry the connection manager's callbacks.
    for (int ctrl : {KONFIGPNL_COMPORT, KONFIGPNL_COMPICTURERING, KONFIGPNL_IDLESEN, KONFIGPNL_ADRESSE,
                     KONFIGPNL_SCANN}) {
        CtrlCallbackPtr cb = nullptr;
        GetCtrlAttribute(konfigPanelHandle, ctrl, ATTR_CALLBACK_FUNCTION_POINTER, &cb);
        EXPECT_NE(cb, nullptr) << ctrl;
    }
    // The error controls are registered: a code shows in this window.
    VkrCom_FehlermeldungSet(FEHLER_PORT_UNGUELTIG);
    int nummer = 0;
    GetCtrlVal(konfigPanelHandle, KONFIGPNL_FEHLERNUMMER, &nummer);
    EXPECT_EQ(nummer, FEHLER_PORT_UNGUELTIG);
    // The port selector and the ring show the open port; the address selector the address.
    VkrCom_PortAnzeigen(3);
    int ring = -1;
    GetCtrlVal(konfigPanelHandle, KONFIGPNL_COMPICTURERING, &ring);
    EXPECT_EQ(ring, 3);
    ASSERT_EQ(VkrCom_AdresseSet('4'), 0);
    int adresse = 0;
    GetCtrlVal(konfigPanelHandle, KONFIGPNL_ADRESSE, &adresse);
    EXPECT_EQ(adresse, '4');
}

} // namespace
