// Reading the identification and searching the addresses 1 to 9, through the window's buttons.

#include "vkrcom_hilfen.h"

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

    // The status text was drawn for every address while the search ran, without an event loop.
    std::vector<std::string> erwartet;
    for (char a = '1'; a <= '9'; ++a)
        erwartet.push_back(std::string("Suche nach Gerät ") + a);
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
    // Only the selector moved; the commands still go to the address the operator committed.
    EXPECT_EQ(VkrCom_AdresseGet(), '1');

    // Every address was asked once, in order.
    std::string gefragt;
    for (const std::string& zeile : server->bus().empfangeneZeilen())
        if (zeile.size() > 2 && zeile.compare(2, 3, "IDR") == 0) gefragt += zeile[1];
    EXPECT_EQ(gefragt, "123456789");
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

} // namespace
