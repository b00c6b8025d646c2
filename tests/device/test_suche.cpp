// Reading the identification and searching the addresses 1 to 9, through the window's buttons.

#include "vkrcom_hilfen.h"

#include "device/Gemeinsam_Com.h"
#include "device/Gemeinsam_Mehrere.h"
#include "platform/ui/ui_fragen.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace {

// Notes the text of a control each time it is painted.
class Malbeobachter : public QObject {
  public:
    Malbeobachter(int panel, int ctrl) : panel_(panel), ctrl_(ctrl) {
        UI_CtrlWidget(panel, ctrl)->installEventFilter(this);
    }
    std::vector<std::string> texte;

  protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) texte.push_back(textVon(panel_, ctrl_));
        return false;
    }

  private:
    int panel_, ctrl_;
};

class Suche : public VkrComBank {};

TEST_F(Suche, OhneOffenenPortWirdKeinControlBeruehrt) {
    SetCtrlVal(panel, KONFIGPNL_ID, "alt");
    SetCtrlVal(panel, KONFIGPNL_SCANNTEXT, "alt");
    SetCtrlVal(panel, KONFIGPNL_LED4, 1);
    EXPECT_EQ(VkrCom_IdAnzeigen(), FEHLER_ID_KEIN_PORT);
    EXPECT_EQ(VkrCom_GeraeteSuchen(), FEHLER_SUCHE_KEIN_PORT);
    EXPECT_EQ(textVon(panel, KONFIGPNL_ID), "alt");
    EXPECT_EQ(textVon(panel, KONFIGPNL_SCANNTEXT), "alt");
    EXPECT_EQ(wertVon(panel, KONFIGPNL_LED4), 1);

    // Through the buttons the codes reach the error controls.
    ereignis(panel, KONFIGPNL_SCANN, EVENT_COMMIT);
    EXPECT_EQ(wertVon(panel, KONFIGPNL_FEHLERNUMMER), FEHLER_SUCHE_KEIN_PORT);
    ereignis(panel, KONFIGPNL_IDLESEN, EVENT_COMMIT);
    EXPECT_EQ(wertVon(panel, KONFIGPNL_FEHLERNUMMER), FEHLER_ID_KEIN_PORT);
    EXPECT_EQ(wertVon(panel, KONFIGPNL_FEHLERLED), 1);
}

TEST_F(Suche, IdLesenZeigtDieKennungOderLeert) {
    einheitenStarten({plm1sim::Einheit{'1', "VKR-PLM1-V2.3"}});
    ASSERT_EQ(VkrCom_Open(1), 0);

    ereignis(panel, KONFIGPNL_IDLESEN, EVENT_COMMIT);
    EXPECT_EQ(textVon(panel, KONFIGPNL_ID), "VKR-PLM1-V2.3");
    EXPECT_EQ(wertVon(panel, KONFIGPNL_FEHLERLED), 0);

    // No unit at address 2: the display is emptied and the driver's code shown.
    ASSERT_EQ(VkrCom_AdresseSet('2'), 0);
    ereignis(panel, KONFIGPNL_IDLESEN, EVENT_COMMIT);
    EXPECT_EQ(textVon(panel, KONFIGPNL_ID), "");
    EXPECT_EQ(wertVon(panel, KONFIGPNL_FEHLERLED), 1);
    EXPECT_LT(wertVon(panel, KONFIGPNL_FEHLERNUMMER), 0);

    // A unit that refuses the command.
    ASSERT_EQ(VkrCom_AdresseSet('1'), 0);
    server->bus().fehlerSetzen("IDR", plm1sim::Fehlerart::Nak, 1);
    EXPECT_NE(VkrCom_IdAnzeigen(), 0);
    EXPECT_EQ(textVon(panel, KONFIGPNL_ID), "");
    EXPECT_EQ(VkrCom_IdAnzeigen(), 0);
}

TEST_F(Suche, PlmGruenFremdesGeraetRotRestAus) {
    einheitenStarten({plm1sim::Einheit{'3', "VKR-PLM1-DREI"}, plm1sim::Einheit{'5', "ANDERES-GERAET"}});
    ASSERT_EQ(VkrCom_Open(1), 0);
    for (int led = KONFIGPNL_LED1; led <= KONFIGPNL_LED9; ++led)
        SetCtrlVal(panel, led, 1);
    SetCtrlVal(panel, KONFIGPNL_ID, "alt");

    DisplayPanel(panel);
    QCoreApplication::processEvents(); // the window is on screen before the operator clicks
    Malbeobachter status(panel, KONFIGPNL_SCANNTEXT);
    ereignis(panel, KONFIGPNL_SCANN, EVENT_COMMIT);

    // The status text was drawn for every address while the search ran, without an event loop; when the
    // search is over the window may be painted again, with the status empty.
    std::vector<std::string> erwartet;
    for (char a = '1'; a <= '9'; ++a)
        erwartet.push_back(std::string("Suche nach Gerät ") + a);
    while (!status.texte.empty() && status.texte.back().empty())
        status.texte.pop_back();
    EXPECT_EQ(status.texte, erwartet);

    for (int k = 1; k <= 9; ++k) {
        const int led = KONFIGPNL_LED1 + k - 1;
        EXPECT_EQ(wertVon(panel, led), k == 3 || k == 5 ? 1 : 0) << "LED " << k;
    }
    EXPECT_EQ(farbeAn(panel, KONFIGPNL_LED3), 0x00FF00);
    EXPECT_EQ(farbeAn(panel, KONFIGPNL_LED5), 0xFF0000);
    EXPECT_EQ(wertVon(panel, KONFIGPNL_ADRESSE), '3');
    EXPECT_EQ(textVon(panel, KONFIGPNL_ID), "VKR-PLM1-DREI");
    EXPECT_EQ(textVon(panel, KONFIGPNL_SCANNTEXT), "");
    EXPECT_EQ(wertVon(panel, KONFIGPNL_FEHLERLED), 0);
    // The search commits what it selects: the commands go to the unit whose identification is shown.
    EXPECT_EQ(VkrCom_AdresseGet(), '3');
    // Choosing another address never leaves the found unit's identification beside it; back at 3 it shows.
    SetCtrlVal(panel, KONFIGPNL_ADRESSE, static_cast<int>('5'));
    ereignis(panel, KONFIGPNL_ADRESSE, EVENT_COMMIT);
    EXPECT_EQ(VkrCom_AdresseGet(), '5');
    EXPECT_EQ(textVon(panel, KONFIGPNL_ID), "");
    ASSERT_EQ(VkrCom_AdresseSet('3'), 0);
    EXPECT_EQ(textVon(panel, KONFIGPNL_ID), "VKR-PLM1-DREI");

    // Every address was asked once, in order.
    std::string gefragt;
    for (const std::string& zeile : server->bus().empfangeneZeilen())
        if (zeile.size() > 2 && zeile.compare(2, 3, "IDR") == 0) gefragt += zeile[1];
    EXPECT_EQ(gefragt, "123456789");

    // What was found belongs to the line: closing the port clears identification and lamps.
    ASSERT_EQ(VkrCom_Close(), 0);
    EXPECT_EQ(textVon(panel, KONFIGPNL_ID), "");
    for (int led = KONFIGPNL_LED1; led <= KONFIGPNL_LED9; ++led)
        EXPECT_EQ(wertVon(panel, led), 0) << led;
}

TEST_F(Suche, MehrerePlmGeraeteDasHoechsteBleibtAusgewaehlt) {
    einheitenStarten({plm1sim::Einheit{'2', "VKR-PLM1-ZWEI"}, plm1sim::Einheit{'7', "VKR-PLM1-SIEBEN"}});
    ASSERT_EQ(VkrCom_Open(1), 0);
    // Only the first four addresses have a lamp: the search stops there.
    VkrCom_Zuruecksetzen();
    ASSERT_EQ(VkrCom_Open(1), 0);
    VkrCom_RegisterAdressControl(panel, KONFIGPNL_ADRESSE);
    VkrCom_RegisterIdTextdisplay(panel, KONFIGPNL_ID);
    VkrCom_RegisterScanStringControl(panel, KONFIGPNL_SCANNTEXT);
    for (int led = KONFIGPNL_LED1; led <= KONFIGPNL_LED4; ++led)
        VkrCom_RegisterAdressLeds(panel, led);
    server->bus().protokollLeeren();
    EXPECT_EQ(VkrCom_GeraeteSuchen(), 0);
    EXPECT_EQ(server->bus().empfangeneZeilen().size(), 4u);
    EXPECT_EQ(wertVon(panel, KONFIGPNL_ADRESSE), '2');

    for (int led = KONFIGPNL_LED5; led <= KONFIGPNL_LED9; ++led)
        VkrCom_RegisterAdressLeds(panel, led);
    EXPECT_EQ(VkrCom_GeraeteSuchen(), 0);
    EXPECT_EQ(wertVon(panel, KONFIGPNL_ADRESSE), '7');
    EXPECT_EQ(textVon(panel, KONFIGPNL_ID), "VKR-PLM1-SIEBEN");
    EXPECT_EQ(farbeAn(panel, KONFIGPNL_LED2), 0x00FF00);
    EXPECT_EQ(farbeAn(panel, KONFIGPNL_LED7), 0x00FF00);
}

// "Upload an mehrere…": the units of the last search, ticked; a unit that no longer answers is reported and
// the next one still gets its data; one progress dialog; the address is the same afterwards.
TEST_F(Suche, UploadAnMehrereMeldetJedesGeraet) {
    einheitenStarten({plm1sim::Einheit{'1', "VKR-PLM1-A"}, plm1sim::Einheit{'3', "VKR-PLM1-B"},
                      plm1sim::Einheit{'5', "VKR-PLM1-C"}, plm1sim::Einheit{'7', "VKR-PLM1-D"}});
    ASSERT_EQ(VkrCom_Open(1), 0);
    ASSERT_EQ(VkrCom_AdresseSet('7'), 0);
    EXPECT_TRUE(GemMehrere_Senden([](bool) { return KEIN_FEHLER; }).empty()); // nothing searched yet
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_EQ(popups[0].second, GEMMEHRERE_KEINE_GERAETE);
    ASSERT_EQ(VkrCom_GeraeteSuchen(), 0);

    std::vector<std::string> angeboten;
    std::vector<int> vorgabe;
    UI_AuswahlabfangSetzen(
        [&](const std::string& titel, const std::vector<std::string>& e, std::vector<int>& g) {
            EXPECT_EQ(titel, "Upload an mehrere");
            angeboten = e;
            vorgabe = g;
            g[3] = 0; // not to unit 7
            return 1;
        });
    std::vector<std::pair<std::string, int>> fortschritt;
    UI_FortschrittsbeobachterSetzen(
        [&](const std::string& t, int prozent) { fortschritt.emplace_back(t, prozent); });
    server->bus().fehlerSetzen("IDR", plm1sim::Fehlerart::Stille, -1, '3'); // unit 3 has gone
    const std::string summe = GemMehrere_Senden([](bool) {
        const unsigned char daten[2] = {0x12, 0x34};
        return GemCom_SpeicherdatenZuPLM1Senden(0x0100, 2, daten, 0, 100);
    });
    UI_AuswahlabfangSetzen(nullptr);

    EXPECT_EQ(angeboten, (std::vector<std::string>{"Adresse 1  VKR-PLM1-A", "Adresse 3  VKR-PLM1-B",
                                                   "Adresse 5  VKR-PLM1-C", "Adresse 7  VKR-PLM1-D"}));
    EXPECT_EQ(vorgabe, (std::vector<int>{1, 1, 1, 1}));
    EXPECT_EQ(summe, "Adresse 1 (VKR-PLM1-A): geprüft\n"
                     "Adresse 3 (VKR-PLM1-B): Fehler #403012: Keine Antwort vom Gerät\n"
                     "Adresse 5 (VKR-PLM1-C): geprüft\n");
    ASSERT_EQ(popups.size(), 2u);
    EXPECT_EQ(popups[1], (std::pair<std::string, std::string>{"Upload an mehrere", summe}));
    for (const char a : {'1', '5'})
        EXPECT_EQ(server->bus().speicher(a, 0x0100, 2), (std::vector<std::uint8_t>{0x12, 0x34})) << a;
    for (const char a : {'3', '7'})
        EXPECT_EQ(server->bus().speicher(a, 0x0100, 2), (std::vector<std::uint8_t>{0xFF, 0xFF})) << a;
    for (const auto& [t, prozent] : fortschritt)
        EXPECT_EQ(t, "Upload an mehrere") << prozent;
    ASSERT_GE(fortschritt.size(), 2u);
    EXPECT_EQ(fortschritt.front().second, 0);
    EXPECT_EQ(fortschritt.back().second, -1);
    EXPECT_EQ(VkrCom_AdresseGet(), '7');
    EXPECT_EQ(wertVon(panel, KONFIGPNL_FEHLERNUMMER), FEHLER_ID_KEINE_ANTWORT);

    // Two units failing differently: the error display keeps the first failure, not the last.
    server->bus().fehlerLoeschen();
    server->bus().fehlerSetzen("BDW", plm1sim::Fehlerart::Nak, -1, '1');
    server->bus().fehlerSetzen("IDR", plm1sim::Fehlerart::Stille, -1, '5');
    UI_AuswahlabfangSetzen(
        [](const std::string&, const std::vector<std::string>&, std::vector<int>&) { return 1; });
    const std::string zweite = GemMehrere_Senden([](bool) {
        const unsigned char daten[2] = {0x56, 0x78};
        return GemCom_SpeicherdatenZuPLM1Senden(0x0100, 2, daten, 0, 100);
    });
    UI_AuswahlabfangSetzen(nullptr);
    EXPECT_EQ(zweite.rfind("Adresse 1 (VKR-PLM1-A): Fehler #402157: ", 0), 0u) << zweite;
    EXPECT_NE(zweite.find("Adresse 5 (VKR-PLM1-C): Fehler #403012: "), std::string::npos) << zweite;
    EXPECT_EQ(VkrCom_LetzterFehlerGet(), FEHLER_SS_NAK);
    EXPECT_EQ(wertVon(panel, KONFIGPNL_FEHLERNUMMER), FEHLER_SS_NAK);
}

} // namespace
