// The port selector beyond COM 1..8 and the stable-path settings keys: a port opened by its path is found
// again through the settings file, an adapter that is gone leaves "nicht geöffnet" with the open error,
// and the old keys of a file with the new ones read as before.

#include "valves_hilfen.h"

#include "valves/Konfig_Ports.h"

#include "device/VkrCom_Userinterface.h"
#include "platform/files/inifile.h"
#include "platform/line/rs232.h"
#include "platform/line/rs232_portliste.h"
#include "platform/ui/ui_fragen.h"
#include "sim/plm1sim_server.h"
#include "tests/common/ser2net_server.h"

#include <QComboBox>

#include <map>

namespace {

class KonfigPorts : public KonfigBank {
  protected:
    void SetUp() override {
        Rs232_GeraeteportsZuruecksetzen();
        KonfigBank::SetUp();
        ASSERT_TRUE(server.starten());
    }
    void TearDown() override {
        KonfigBank::TearDown();
        Rs232_GeraeteportsZuruecksetzen();
        server.stoppen();
    }
    // The settings as the program writes them at exit, as the file's text.
    std::string geschrieben() {
        IniText ini = Ini_New(1);
        KonfigMain_WriteIni(ini);
        std::string text;
        EXPECT_EQ(Ini_WriteToBuffer(ini, &text), 0);
        Ini_Dispose(ini);
        return text;
    }
    // A new start: nothing open, no device numbers, then the file read.
    Fehlercode neuStarten(const std::string& text) {
        VkrCom_Zuruecksetzen();
        KonfigMain_Freigeben();
        Rs232_GeraeteportsZuruecksetzen();
        EXPECT_EQ(KonfigMain_Initialisieren(), 0);
        IniText ini = Ini_New(1);
        EXPECT_EQ(Ini_ReadFromBuffer(ini, text.data(), text.size()), 0);
        const Fehlercode f = KonfigMain_ReadIni(ini);
        Ini_Dispose(ini);
        return f;
    }
    int wert(int ctrl) {
        int w = -1;
        GetCtrlVal(konfigPanelHandle, ctrl, &w);
        return w;
    }
    std::string textVon(int ctrl) {
        std::string t;
        GetCtrlVal(konfigPanelHandle, ctrl, &t);
        return t;
    }
    plm1sim::Server server;
};

std::map<std::string, int> alteSchluessel(const std::string& text) {
    IniText ini = Ini_New(1);
    EXPECT_EQ(Ini_ReadFromBuffer(ini, text.data(), text.size()), 0);
    std::map<std::string, int> w;
    for (std::string k : {"v1", "v5", "v11", "com", "lcom", "adresse"}) {
        int zahl = -99;
        EXPECT_EQ(Ini_GetInt(ini, "konfig", k.c_str(), &zahl), 1) << k << " is an integer for every build";
        w[k] = zahl;
    }
    Ini_Dispose(ini);
    return w;
}

TEST_F(KonfigPorts, APortChosenByPathIsFoundAgainThroughTheSettingsFile) {
    // The operator chooses the unit's line (a pseudo-terminal: never reported, so listed once in use).
    const int port = Rs232_GeraeteportVergeben(server.pfad());
    ASSERT_NE(port, 0);
    ASSERT_EQ(VkrCom_Open(3), FEHLER_OPEN_PLATTFORM) << "no COM 3 here";
    ASSERT_EQ(VkrCom_Open(port), KEIN_FEHLER);
    ASSERT_EQ(VkrCom_Close(), KEIN_FEHLER);
    ASSERT_EQ(VkrCom_Umschalten(), KEIN_FEHLER);
    gKonfig[4] = VENTILART_NO;
    ASSERT_EQ(VkrCom_AdresseSet('5'), 0);
    const std::string text = geschrieben();
    EXPECT_NE(text.find("compfad = " + server.pfad() + "\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("lcompfad = " + server.pfad() + "\r\n"), std::string::npos) << text;
    // The old keys read as a build without the new ones reads them: no COM port open, no last COM port.
    EXPECT_EQ(alteSchluessel(text),
              (std::map<std::string, int>{
                  {"v1", 2}, {"v5", 1}, {"v11", 2}, {"com", 0}, {"lcom", 0}, {"adresse", '5'}}));

    EXPECT_EQ(neuStarten(text), KEIN_FEHLER);
    const int wieder = VkrCom_ComPortGet();
    EXPECT_TRUE(Rs232_IstGeraeteport(wieder));
    EXPECT_EQ(Rs232_Geraetepfad(wieder), server.pfad());
    EXPECT_EQ(VkrCom_LastComPortGet(), wieder);
    EXPECT_EQ(wert(KONFIGPNL_COMPORT), wieder) << "the selector lists the port in use and shows it";
    EXPECT_EQ(wert(KONFIGPNL_FEHLERLED), 0);
    EXPECT_EQ(geschrieben(), text) << "written back unchanged";
    // And the unit answers on it.
    ASSERT_EQ(VkrCom_AdresseSet('1'), 0);
    std::string id;
    EXPECT_EQ(VkrCom_IdAnzeigen(), KEIN_FEHLER);
    GetCtrlVal(konfigPanelHandle, KONFIGPNL_ID, &id);
    EXPECT_EQ(id, "VKR-PLM1-SIM");
}

TEST_F(KonfigPorts, AnAdapterThatIsGoneLeavesTheLineClosedWithTheOpenError) {
    struct Fall {
        std::string name;
        std::string com; // value of "com"
        std::string pfad;
        int offenErwartet; // -1: a device port
        Fehlercode fehlerErwartet;
    };
    const std::vector<Fall> faelle = {
        {"adapter gone", "0", "/dev/serial/by-id/usb-plm1-gibt-es-nicht-if00-port0", 0,
         FEHLER_OPEN_PLATTFORM},
        {"the unit's line", "0", server.pfad(), -1, KEIN_FEHLER},
        {"COM port wins over a path", "8", server.pfad(), 0, FEHLER_OPEN_PLATTFORM},
        {"no com key", "", server.pfad(), -1, KEIN_FEHLER},
    };
    for (const Fall& f : faelle) {
        std::string text = "[konfig]\r\nadresse = 49\r\nlcom = 0\r\ncompfad = " + f.pfad + "\r\n";
        if (!f.com.empty()) text += "com = " + f.com + "\r\n";
        (void)neuStarten(text);
        const int offen = VkrCom_ComPortGet();
        if (f.offenErwartet < 0)
            EXPECT_TRUE(Rs232_IstGeraeteport(offen)) << f.name;
        else
            EXPECT_EQ(offen, f.offenErwartet) << f.name;
        EXPECT_EQ(wert(KONFIGPNL_COMPORT), offen) << f.name;
        EXPECT_EQ(wert(KONFIGPNL_COMPICTURERING), offen) << f.name;
        EXPECT_EQ(wert(KONFIGPNL_FEHLERNUMMER), f.fehlerErwartet) << f.name;
        EXPECT_EQ(VkrCom_LetzterFehlerGet(), f.fehlerErwartet) << f.name;
    }
    // The adapter that was missing is written back while nothing else was chosen: plugged in again,
    // it is opened at the next start.
    (void)neuStarten("[konfig]\r\ncom = 0\r\ncompfad = /dev/serial/by-id/usb-weg\r\n");
    EXPECT_NE(geschrieben().find("compfad = /dev/serial/by-id/usb-weg\r\n"), std::string::npos);
    ASSERT_EQ(VkrCom_Open(Rs232_GeraeteportVergeben(server.pfad())), KEIN_FEHLER);
    ASSERT_EQ(VkrCom_Close(), KEIN_FEHLER);
    EXPECT_EQ(geschrieben().find("compfad = /dev/serial/by-id/usb-weg"), std::string::npos)
        << "once the operator chose another port";
}

TEST_F(KonfigPorts, TheSelectorOffersComPortsThenReportedPorts) {
    std::vector<std::string> texte;
    auto* auswahl = qobject_cast<QComboBox*>(UI_CtrlWidget(konfigPanelHandle, KONFIGPNL_COMPORT));
    ASSERT_NE(auswahl, nullptr);
    for (int i = 0; i < auswahl->count(); ++i)
        texte.push_back(auswahl->itemText(i).toStdString());
    ASSERT_GE(texte.size(), 9u);
    EXPECT_EQ(texte[0], "nicht geöffnet");
    for (int n = 1; n <= 8; ++n)
        EXPECT_EQ(texte[n], "COM " + std::to_string(n));
    // What the system reports here follows, each once.
    const auto liste = Rs232_PortlisteBilden(Rs232_GemeldetePorts());
    ASSERT_EQ(texte.size(), 1 + liste.size() + 1);
    EXPECT_EQ(texte.back(), "Netzwerk\u2026") << "the last entry asks for a device server";
    for (std::size_t i = 8; i < liste.size(); ++i)
        EXPECT_EQ(texte[1 + i], Rs232_Anzeigename(liste[i]));
    // Choosing a port in the selector opens it; the rings name the device.
    const int port = Rs232_GeraeteportVergeben(server.pfad());
    KonfigPorts_ListeAktualisieren(konfigPanelHandle, KONFIGPNL_COMPORT);
    ASSERT_EQ(VkrCom_Open(port), KEIN_FEHLER);
    KonfigPorts_ListeAktualisieren(konfigPanelHandle, KONFIGPNL_COMPORT);
    EXPECT_EQ(auswahl->currentText().toStdString(),
              Rs232_Kurzname(server.pfad()) + " \u2013 " + server.pfad());
    ASSERT_EQ(VkrCom_Close(), KEIN_FEHLER);
    SetCtrlVal(konfigPanelHandle, KONFIGPNL_COMPORT, port);
    CtrlCallbackPtr cb = nullptr;
    GetCtrlAttribute(konfigPanelHandle, KONFIGPNL_COMPORT, ATTR_CALLBACK_FUNCTION_POINTER, &cb);
    ASSERT_NE(cb, nullptr);
    cb(konfigPanelHandle, KONFIGPNL_COMPORT, EVENT_COMMIT, nullptr, 0, 0);
    EXPECT_EQ(VkrCom_ComPortGet(), port);
    std::string name;
    GetCtrlAttribute(konfigPanelHandle, KONFIGPNL_COMPICTURERING, ATTR_LABEL_TEXT, &name);
    EXPECT_EQ(name, Rs232_Kurzname(server.pfad()));
}

TEST_F(KonfigPorts, ANetworkPortIsAskedForKeptLikeALocalPortAndFoundAgain) {
    Ser2netServer ser2net;
    ASSERT_TRUE(ser2net.starten(server.pfad(), true));
    const std::string adresse = ser2net.adresse(true);
    auto* auswahl = qobject_cast<QComboBox*>(UI_CtrlWidget(konfigPanelHandle, KONFIGPNL_COMPORT));
    ASSERT_NE(auswahl, nullptr);
    CtrlCallbackPtr cb = nullptr;
    GetCtrlAttribute(konfigPanelHandle, KONFIGPNL_COMPORT, ATTR_CALLBACK_FUNCTION_POINTER, &cb);
    ASSERT_NE(cb, nullptr);
    const auto netzwerkWaehlen = [&](int antwort, const std::string& text) {
        UI_EingabeabfangSetzen([&](const std::string&, std::string& a) {
            a = text;
            return antwort;
        });
        SetCtrlVal(konfigPanelHandle, KONFIGPNL_COMPORT, VKRCOM_PORT_NETZWERK);
        cb(konfigPanelHandle, KONFIGPNL_COMPORT, EVENT_COMMIT, nullptr, 0, 0);
        UI_EingabeabfangSetzen(nullptr);
    };
    // Cancelled, then no address: nothing opens, the selector shows "nicht geöffnet" again.
    netzwerkWaehlen(0, adresse);
    EXPECT_EQ(VkrCom_ComPortGet(), 0);
    netzwerkWaehlen(1, "rfc2217://127.0.0.1");
    EXPECT_EQ(VkrCom_ComPortGet(), 0);
    EXPECT_EQ(wert(KONFIGPNL_COMPORT), 0);
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_NE(popups[0].second.find("keine Adresse"), std::string::npos) << popups[0].second;

    netzwerkWaehlen(1, adresse);
    const int port = VkrCom_ComPortGet();
    ASSERT_TRUE(Rs232_IstGeraeteport(port)) << textVon(KONFIGPNL_FEHLERSTRING);
    EXPECT_EQ(Rs232_Geraetepfad(port), adresse);
    EXPECT_EQ(auswahl->currentText().toStdString(), adresse);
    std::string id;
    ASSERT_EQ(VkrCom_AdresseSet('1'), 0);
    EXPECT_EQ(VkrCom_IdAnzeigen(), KEIN_FEHLER);
    GetCtrlVal(konfigPanelHandle, KONFIGPNL_ID, &id);
    EXPECT_EQ(id, "VKR-PLM1-SIM");
    // Kept like a local adapter, and opened again at the next start.
    const std::string text = geschrieben();
    EXPECT_NE(text.find("compfad = " + adresse + "\r\n"), std::string::npos) << text;
    EXPECT_EQ(neuStarten(text), KEIN_FEHLER);
    const int wieder = VkrCom_ComPortGet();
    EXPECT_EQ(Rs232_Geraetepfad(wieder), adresse);
    EXPECT_EQ(wert(KONFIGPNL_COMPORT), wieder) << "listed once, and shown";
    // The selector of the panel loaded by the last start.
    const auto eintraege = [&](const std::string& name) {
        const auto* jetzt = qobject_cast<QComboBox*>(UI_CtrlWidget(konfigPanelHandle, KONFIGPNL_COMPORT));
        int mal = 0;
        for (int i = 0; jetzt && i < jetzt->count(); ++i)
            mal += jetzt->itemText(i).toStdString() == name;
        return mal;
    };
    EXPECT_EQ(eintraege(adresse), 1);
    // A server that is gone at the start: the start goes on, the reason is in the error display.
    VkrCom_Zuruecksetzen();
    ser2net.stoppen();
    (void)neuStarten(text);
    EXPECT_EQ(wert(KONFIGPNL_FEHLERNUMMER), FEHLER_OPEN_PLATTFORM);
    EXPECT_NE(textVon(KONFIGPNL_FEHLERSTRING).find("abgelehnt"), std::string::npos)
        << textVon(KONFIGPNL_FEHLERSTRING);
    // Every device server the file names stays choosable, whether it opened or not.
    const std::string zweite = "tcp://127.0.0.1:" + std::to_string(Ser2netServer::freierPort());
    VkrCom_Zuruecksetzen();
    (void)neuStarten("[konfig]\r\ncom = 0\r\ncompfad = " + adresse + "\r\nlcom = 0\r\nlcompfad = " + zweite +
                     "\r\n");
    EXPECT_EQ(VkrCom_ComPortGet(), 0);
    EXPECT_EQ(eintraege(adresse), 1);
    EXPECT_EQ(eintraege(zweite), 1);
}

} // namespace
