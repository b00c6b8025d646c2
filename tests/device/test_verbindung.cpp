// Opening, switching and closing the connection, the address, registration limits and the error controls.

#include "vkrcom_hilfen.h"

#include "errors/VKR_errorV3.h"

namespace {

class Verbindung : public VkrComBank {};

TEST_F(Verbindung, OeffnenUmschaltenUndFehlschlagendesOeffnen) {
    einheitenStarten({plm1sim::Einheit{}});
    const int ring2 = neuesPanel(); // a second window's picture ring
    VkrCom_RegisterPictureringControl(ring2, KONFIGPNL_COMPICTURERING);

    // The operator picks COM 1 in the port selector.
    SetCtrlVal(panel, KONFIGPNL_COMPORT, 1);
    ereignis(panel, KONFIGPNL_COMPORT, EVENT_COMMIT);
    ASSERT_EQ(VkrCom_ComPortGet(), 1);
    EXPECT_EQ(wertVon(panel, KONFIGPNL_COMPICTURERING), 1);
    EXPECT_EQ(wertVon(ring2, KONFIGPNL_COMPICTURERING), 1);
    EXPECT_EQ(wertVon(panel, KONFIGPNL_FEHLERLED), 0);

    // The same port again: nothing happens, not even to the controls.
    SetCtrlVal(panel, KONFIGPNL_COMPORT, 5);
    EXPECT_EQ(VkrCom_Open(1), 0);
    EXPECT_EQ(wertVon(panel, KONFIGPNL_COMPORT), 5);
    VkrCom_PortAnzeigen(1);

    // Out of range: refused, the open port stays open.
    EXPECT_EQ(VkrCom_Open(9), FEHLER_PORT_UNGUELTIG);
    EXPECT_EQ(VkrCom_Open(-1), FEHLER_PORT_UNGUELTIG);
    EXPECT_EQ(VkrCom_ComPortGet(), 1);

    // COM 2 cannot be opened: no port open, last port 1, every control at 0, the failure in the lamp.
    SetCtrlVal(panel, KONFIGPNL_COMPORT, 2);
    ereignis(panel, KONFIGPNL_COMPORT, EVENT_COMMIT);
    EXPECT_EQ(VkrCom_ComPortGet(), 0);
    EXPECT_EQ(VkrCom_LastComPortGet(), 1);
    EXPECT_EQ(wertVon(panel, KONFIGPNL_COMPORT), 0);
    EXPECT_EQ(wertVon(panel, KONFIGPNL_COMPICTURERING), 0);
    EXPECT_EQ(wertVon(ring2, KONFIGPNL_COMPICTURERING), 0);
    EXPECT_EQ(wertVon(panel, KONFIGPNL_FEHLERLED), 1);
    EXPECT_NE(wertVon(panel, KONFIGPNL_FEHLERNUMMER), 0);
    EXPECT_EQ(VkrCom_LetzterFehlerGet(), wertVon(panel, KONFIGPNL_FEHLERNUMMER));

    // A click on a picture ring reopens the last port and clears the error controls.
    ereignis(ring2, KONFIGPNL_COMPICTURERING, EVENT_LEFT_CLICK);
    EXPECT_EQ(VkrCom_ComPortGet(), 1);
    EXPECT_EQ(wertVon(panel, KONFIGPNL_COMPORT), 1);
    EXPECT_EQ(wertVon(panel, KONFIGPNL_FEHLERLED), 0);
    EXPECT_EQ(textVon(panel, KONFIGPNL_FEHLERSTRING), "");

    // A double click closes it again; the port opened before becomes the last port.
    ereignis(panel, KONFIGPNL_COMPICTURERING, EVENT_LEFT_DOUBLE_CLICK);
    EXPECT_EQ(VkrCom_ComPortGet(), 0);
    EXPECT_EQ(VkrCom_LastComPortGet(), 1);
    EXPECT_EQ(wertVon(ring2, KONFIGPNL_COMPICTURERING), 0);

    // Other events on the ring do nothing.
    ereignis(panel, KONFIGPNL_COMPICTURERING, EVENT_RIGHT_CLICK);
    EXPECT_EQ(VkrCom_ComPortGet(), 0);
    EXPECT_TRUE(popups.empty());
}

TEST_F(Verbindung, OhneLetztenPortUndOhneOffenenPortAendertNichts) {
    VkrCom_FehlermeldungSet(FEHLER_PORT_UNGUELTIG);
    SetCtrlVal(panel, KONFIGPNL_COMPORT, 4); // marks the controls: Close must not touch them
    ereignis(panel, KONFIGPNL_COMPICTURERING, EVENT_LEFT_CLICK);
    EXPECT_EQ(VkrCom_ComPortGet(), 0);
    EXPECT_EQ(VkrCom_LastComPortGet(), 0);
    EXPECT_EQ(wertVon(panel, KONFIGPNL_FEHLERLED), 0); // cleared by the click's result 0
    EXPECT_EQ(wertVon(panel, KONFIGPNL_FEHLERNUMMER), 0);
    EXPECT_EQ(VkrCom_Close(), 0);
    EXPECT_EQ(wertVon(panel, KONFIGPNL_COMPORT), 4);
}

TEST_F(Verbindung, LetzterPortUndAdresseMitIhrenGrenzen) {
    struct Fall {
        int port;
        Fehlercode erwartet;
        int danach;
    };
    for (const Fall& f : {Fall{0, 0, 0}, Fall{8, 0, 8}, Fall{9, FEHLER_LETZTER_PORT_UNGUELTIG, 8},
                          Fall{-1, FEHLER_LETZTER_PORT_UNGUELTIG, 8}, Fall{3, 0, 3}}) {
        EXPECT_EQ(VkrCom_LastComPortSet(f.port), f.erwartet) << f.port;
        EXPECT_EQ(VkrCom_LastComPortGet(), f.danach) << f.port;
    }

    struct AdressFall {
        char adresse;
        Fehlercode erwartet;
        char danach;
    };
    for (const AdressFall& f : {AdressFall{'5', 0, '5'}, AdressFall{'0', FEHLER_ADRESSE_UNGUELTIG, '5'},
                                AdressFall{'a', FEHLER_ADRESSE_UNGUELTIG, '5'}, AdressFall{'&', 0, '&'},
                                AdressFall{':', FEHLER_ADRESSE_UNGUELTIG, '&'}, AdressFall{'9', 0, '9'}}) {
        EXPECT_EQ(VkrCom_AdresseSet(f.adresse), f.erwartet) << f.adresse;
        EXPECT_EQ(VkrCom_AdresseGet(), f.danach) << f.adresse;
        EXPECT_EQ(wertVon(panel, KONFIGPNL_ADRESSE), f.danach) << f.adresse;
    }

    // The operator picks "alle" in the address selector.
    SetCtrlVal(panel, KONFIGPNL_ADRESSE, '&');
    ereignis(panel, KONFIGPNL_ADRESSE, EVENT_COMMIT);
    EXPECT_EQ(VkrCom_AdresseGet(), '&');
    EXPECT_EQ(wertVon(panel, KONFIGPNL_FEHLERLED), 0);
}

TEST_F(Verbindung, EineRegistrierungZuVielMeldetInternenFehler) {
    struct Fall {
        const char* text;
        int schonRegistriert; // by SetUp
        int grenze;
        void (*registrieren)(int panel, int ctrl);
    };
    const Fall faelle[] = {
        {"MAX_PICTURERINGCONTROLS ist zu klein", 1, MAX_PICTURERINGCONTROLS,
         [](int p, int c) { VkrCom_RegisterPictureringControl(p, c); }},
        {"MAX_ADRESSLEDS ist zu klein", 9, MAX_ADRESSLEDS,
         [](int p, int c) { VkrCom_RegisterAdressLeds(p, c); }},
        {"MAX_FEHLERCONTROLS ist zu klein", 1, MAX_FEHLERCONTROLS,
         [](int p, int c) {
             VkrCom_RegisterFehlerControls(p, c, KONFIGPNL_FEHLERSTRING, KONFIGPNL_FEHLERNUMMER);
         }},
    };
    for (const Fall& f : faelle) {
        popups.clear();
        const int extra = neuesPanel();
        for (int i = f.schonRegistriert; i < f.grenze; ++i)
            f.registrieren(panel, KONFIGPNL_FEHLERLED);
        EXPECT_TRUE(popups.empty()) << f.text;
        f.registrieren(extra, KONFIGPNL_COMPICTURERING);
        ASSERT_EQ(popups.size(), 1u) << f.text;
        EXPECT_EQ(popups[0].first, "Interner Fehler");
        EXPECT_EQ(popups[0].second, f.text);
    }
    // Nothing of the refused registrations is used: the extra panels' rings stay untouched.
    SetCtrlVal(panels.back(), KONFIGPNL_COMPICTURERING, 7);
    VkrCom_PortAnzeigen(3);
    EXPECT_EQ(wertVon(panels.back(), KONFIGPNL_COMPICTURERING), 7);
    EXPECT_EQ(wertVon(panel, KONFIGPNL_COMPICTURERING), 3);
}

// A pending extra text (the hint for a port the user may not open) shows in every window, whichever
// registered its controls first.
TEST_F(Verbindung, FehlercontrollsAllerFensterMitZusatztext) {
    const int zweites = neuesPanel(), drittes = neuesPanel(), viertes = neuesPanel();
    for (int p : {zweites, drittes, viertes})
        VkrCom_RegisterFehlerControls(p, KONFIGPNL_FEHLERLED, KONFIGPNL_FEHLERSTRING, KONFIGPNL_FEHLERNUMMER);

    VKR_Fehleruserstring("V 2 (erwartet V 1)");
    VkrCom_FehlermeldungSet(FEHLER_ID_KEIN_PORT);
    const std::string meldung = VKR_Fehlermeldung(FEHLER_ID_KEIN_PORT);
    ASSERT_FALSE(meldung.empty());
    for (int p : {panel, zweites, drittes, viertes}) {
        EXPECT_EQ(wertVon(p, KONFIGPNL_FEHLERLED), 1);
        EXPECT_EQ(wertVon(p, KONFIGPNL_FEHLERNUMMER), FEHLER_ID_KEIN_PORT);
        EXPECT_EQ(textVon(p, KONFIGPNL_FEHLERSTRING), meldung + "\nV 2 (erwartet V 1)");
    }
    EXPECT_EQ(VKR_Fehlermeldung(FEHLER_ID_KEIN_PORT), meldung); // used up

    VkrCom_FehlermeldungSet(0);
    for (int p : {panel, zweites, drittes, viertes}) {
        EXPECT_EQ(wertVon(p, KONFIGPNL_FEHLERLED), 0);
        EXPECT_EQ(textVon(p, KONFIGPNL_FEHLERSTRING), "");
        EXPECT_EQ(wertVon(p, KONFIGPNL_FEHLERNUMMER), 0);
    }
    EXPECT_EQ(VkrCom_LetzterFehlerGet(), 0);
}

// A difference found by verified sending names its place in every window, whichever window sent; a clean
// comparison shows its status text with the lamp off.
TEST_F(Verbindung, ZusatztextInAllenFensternUndStatustext) {
    const int zweites = neuesPanel();
    VkrCom_RegisterFehlerControls(zweites, KONFIGPNL_FEHLERLED, KONFIGPNL_FEHLERSTRING,
                                  KONFIGPNL_FEHLERNUMMER);
    VkrCom_FehlermeldungMitZusatzSet(FEHLER_TASTEN_PRUEFUNG,
                                     "Prüfung: Abweichung bei Adresse 0x0042 (Taste 4)");
    const std::string erwartet = std::string(VKR_Fehlermeldung(FEHLER_TASTEN_PRUEFUNG)) +
                                 "\nPrüfung: Abweichung bei Adresse 0x0042 (Taste 4)";
    for (int p : {panel, zweites}) {
        EXPECT_EQ(textVon(p, KONFIGPNL_FEHLERSTRING), erwartet);
        EXPECT_EQ(wertVon(p, KONFIGPNL_FEHLERLED), 1);
        EXPECT_EQ(wertVon(p, KONFIGPNL_FEHLERNUMMER), FEHLER_TASTEN_PRUEFUNG);
    }
    EXPECT_EQ(VkrCom_LetzteFehlermeldungGet(), erwartet);
    EXPECT_EQ(VKR_Fehlermeldung(FEHLER_TASTEN_PRUEFUNG), std::string("Fehlerhafte Antwort vom Gerät"));
    VkrCom_StatusSet("geprüft");
    for (int p : {panel, zweites}) {
        EXPECT_EQ(textVon(p, KONFIGPNL_FEHLERSTRING), "geprüft");
        EXPECT_EQ(wertVon(p, KONFIGPNL_FEHLERLED), 0);
        EXPECT_EQ(wertVon(p, KONFIGPNL_FEHLERNUMMER), 0);
    }
    EXPECT_EQ(VkrCom_LetzterFehlerGet(), 0);
}

TEST_F(Verbindung, OhneRegistrierteFehlercontrollsPassiertNichts) {
    VkrCom_Zuruecksetzen();
    SetCtrlVal(panel, KONFIGPNL_FEHLERNUMMER, 17);
    VkrCom_FehlermeldungSet(FEHLER_PORT_UNGUELTIG);
    EXPECT_EQ(wertVon(panel, KONFIGPNL_FEHLERNUMMER), 17);
    EXPECT_EQ(VkrCom_LetzterFehlerGet(), FEHLER_PORT_UNGUELTIG);
}

} // namespace
