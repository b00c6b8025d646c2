// Program start and end: the settings file, a port that cannot be opened, the demonstration unit.

#include "shell_hilfen.h"

#include "device/Gemeinsam_Pruefen.h"
#include "platform/line/rs232.h"
#include "resources/panels.h"
#include "shell/Plm1_Startoptionen.h"
#include "valves/Konfigarray.h"

#include <QGuiApplication>
#include <QIcon>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr uid_t NIEMAND = 65534;

class Start : public ProgrammBank {};

const char* const NEUE_EINSTELLUNGEN = "[konfig]\r\n"
                                       "adresse = 49\r\n"
                                       "com = 0\r\n"
                                       "lcom = 0\r\n"
                                       "pruefen = 1\r\n"
                                       "v1 = 2\r\n"
                                       "v10 = 2\r\n"
                                       "v11 = 2\r\n"
                                       "v2 = 2\r\n"
                                       "v3 = 2\r\n"
                                       "v4 = 2\r\n"
                                       "v5 = 2\r\n"
                                       "v6 = 2\r\n"
                                       "v7 = 2\r\n"
                                       "v8 = 2\r\n"
                                       "v9 = 2\r\n";

TEST_F(Start, OhneEinstellungsdateiEinPopupUndAmEndeEineVollstaendigeDatei) {
    bool lief = false;
    const int rc = starten({}, [&] {
        lief = true;
        const int haupt = GemFunc_MainpanelGet();
        EXPECT_TRUE(sichtbar(haupt));
        EXPECT_STREQ(GemFunc_NameGet(0), "Hauptfenster");
        // Named and drawn like its menu entry.
        EXPECT_EQ(QGuiApplication::desktopFileName(), "plm1steuerung");
        const QList<QSize> groessen = QGuiApplication::windowIcon().availableSizes();
        EXPECT_TRUE(groessen.contains(QSize(48, 48)) && groessen.contains(QSize(256, 256)))
            << groessen.size();
        ereignis(haupt, MAINPANEL_BEENDEN, EVENT_COMMIT);
    });
    EXPECT_EQ(rc, 0);
    EXPECT_TRUE(lief);
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_EQ(popups[0].first, "Fehler #802201");
    EXPECT_EQ(einstellungenVorLage(), NEUE_EINSTELLUNGEN);
}

// Every callback the resource names is registered once the program has started: a misspelt name would
// bind nothing, and its control would silently do nothing.
TEST_F(Start, JederCallbackDerRessourceIstGebunden) {
    const int rc = starten({}, [&] {
        for (int p = COMPANEL; p <= TASTPANEL; ++p) {
            const PanelDef* def = Resource_Panel(p);
            ASSERT_NE(def, nullptr) << p;
            if (!def->callback.empty()) {
                EXPECT_TRUE(UI_CallbackRegistriert(UiCallbackArt::Panel, def->callback)) << def->callback;
            }
            for (const CtrlDef& c : def->ctrls) {
                if (!c.callback.empty()) {
                    EXPECT_TRUE(UI_CallbackRegistriert(UiCallbackArt::Ctrl, c.callback))
                        << def->name << "_" << c.name << ": " << c.callback;
                }
            }
        }
        for (int m = MENUKURVEN; m <= MENUKONFIG; ++m) {
            const MenuBarDef* bar = Resource_MenuBar(m);
            ASSERT_NE(bar, nullptr) << m;
            for (const MenuDef& menu : bar->menus) {
                for (const MenuItemDef& eintrag : menu.items) {
                    if (!eintrag.callback.empty()) {
                        EXPECT_TRUE(UI_CallbackRegistriert(UiCallbackArt::Menu, eintrag.callback))
                            << eintrag.name << ": " << eintrag.callback;
                    }
                }
            }
        }
        ereignis(GemFunc_MainpanelGet(), MAINPANEL_BEENDEN, EVENT_COMMIT);
    });
    EXPECT_EQ(rc, 0);
}

TEST_F(Start, FehlenderSchluesselMeldetDenErstenUndDieDateiWirdErgaenzt) {
    einstellungenSchreiben("[KONFIG]\r\n v3 = 0 \r\nV7=1\r\ncom=0\r\nlcom=3\r\nadresse=38\r\n");
    const int rc = starten({}, [&] {
        EXPECT_EQ(VkrCom_AdresseGet(), '&');
        EXPECT_EQ(VkrCom_LastComPortGet(), 3);
        QuitUserInterface(0);
    });
    EXPECT_EQ(rc, 0);
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_EQ(popups[0].first, "Fehler #801721");
    // The lines read stay as they stood; the missing keys are added.
    std::string erwartet = NEUE_EINSTELLUNGEN;
    erwartet.replace(erwartet.find("[konfig]"), 8, "[KONFIG]");
    erwartet.replace(erwartet.find("adresse = 49"), 12, "adresse=38");
    erwartet.replace(erwartet.find("com = 0"), 7, "com=0");
    erwartet.replace(erwartet.find("lcom = 0"), 8, "lcom=3");
    erwartet.replace(erwartet.find("v3 = 2"), 6, " v3 = 0 ");
    erwartet.replace(erwartet.find("v7 = 2"), 6, "V7=1");
    EXPECT_EQ(einstellungenVorLage(), erwartet);
}

// The configured port is written back at exit even when its adapter was absent, unless the operator chose
// another one meanwhile.
TEST_F(Start, NichtZuOeffnenderPortHaeltDenStartNichtAuf) {
    struct Fall {
        const char* name;
        int gewaehlt; // -1: the operator chooses nothing
        const char* com;
    };
    const Fall faelle[] = {
        {"ohne Wahl", -1, "com = 5\r\n"},
        {"keinen Port gewaehlt", 0, "com = 0\r\n"},
        {"anderen fehlenden Port gewaehlt", 6, "com = 0\r\n"},
        {"denselben Port noch einmal", 5, "com = 5\r\n"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        popups.clear();
        Rs232_GeraetepfadSetzen(5, "/nonexistent/plm1-tty");
        Rs232_GeraetepfadSetzen(6, "/nonexistent/plm1-tty6");
        std::string s = NEUE_EINSTELLUNGEN;
        s.replace(s.find("com = 0"), 7, "com = 5");
        einstellungenSchreiben(s);
        const int rc = starten({}, [&] {
            EXPECT_EQ(VkrCom_ComPortGet(), 0);
            const int konfig = panelNamens("PLM-1 Einstellungen");
            EXPECT_EQ(ctrlWert(konfig, KONFIGPNL_FEHLERLED), 1);
            EXPECT_LT(ctrlWert(konfig, KONFIGPNL_FEHLERNUMMER), 0);
            EXPECT_EQ(ctrlWert(konfig, KONFIGPNL_COMPORT), 0);
            if (f.gewaehlt >= 0) {
                SetCtrlVal(konfig, KONFIGPNL_COMPORT, f.gewaehlt);
                ereignis(konfig, KONFIGPNL_COMPORT, EVENT_COMMIT);
            }
            QuitUserInterface(0);
        });
        Rs232_GeraetepfadSetzen(5, "");
        Rs232_GeraetepfadSetzen(6, "");
        EXPECT_EQ(rc, 0);
        EXPECT_TRUE(popups.empty());
        EXPECT_NE(einstellungen().find(f.com), std::string::npos) << einstellungen();
    }
}

// A settings file that is there but cannot be read is named in the popup with the reason and is left as
// it is at exit.
TEST_F(Start, UnlesbareEinstellungsdateiBleibtUnveraendert) {
    const std::string datei = ordner.filePath("plm1Steuerung.ini").toStdString();
    struct Fall {
        const char* name;
        std::function<bool()> anlegen; // false: not possible here
        bool alsBenutzer;              // root reads any file: run the program with the rights of nobody
    };
    const std::string inhalt = "[konfig]\r\ncom = 0\r\nv3 = 1\r\n";
    const Fall faelle[] = {
        {"keine Leserechte",
         [&] {
             einstellungenSchreiben(inhalt);
             return ::chmod(datei.c_str(), 0) == 0;
         },
         true},
        // Writable though not readable: only the program itself can keep it from being replaced.
        {"nur Schreibrechte",
         [&] {
             einstellungenSchreiben(inhalt);
             return ::chmod(datei.c_str(), 0200) == 0;
         },
         true},
        {"FIFO", [&] { return ::mkfifo(datei.c_str(), 0644) == 0; }, false},
        {"Ordner", [&] { return ::mkdir(datei.c_str(), 0755) == 0; }, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        popups.clear();
        std::filesystem::remove_all(datei);
        ASSERT_TRUE(f.anlegen());
        struct stat vorher {};
        ASSERT_EQ(::lstat(datei.c_str(), &vorher), 0);
        const std::string bytesVorher = S_ISREG(vorher.st_mode) ? textLesen(datei) : "";
        const bool root = ::geteuid() == 0;
        if (f.alsBenutzer && root) {
            ASSERT_EQ(::chown(ordner.path().toStdString().c_str(), NIEMAND, NIEMAND), 0);
            ASSERT_EQ(::chown(datei.c_str(), NIEMAND, NIEMAND), 0);
            (void)::setfsuid(NIEMAND); // this thread's file accesses only, undone below
            ASSERT_EQ(::setfsuid(static_cast<uid_t>(-1)), NIEMAND);
        }
        const int rc = starten({}, [&] { QuitUserInterface(0); });
        if (f.alsBenutzer && root) {
            (void)::setfsuid(0);
            ASSERT_EQ(::chown(ordner.path().toStdString().c_str(), 0, 0), 0);
        }
        EXPECT_EQ(rc, 0);
        ASSERT_EQ(popups.size(), 1u);
        EXPECT_EQ(popups[0].first, "Fehler #801202");
        EXPECT_NE(popups[0].second.find("plm1Steuerung.ini kann nicht gelesen werden: "), std::string::npos)
            << popups[0].second;
        EXPECT_NE(popups[0].second.find("\nDie Datei bleibt unverändert."), std::string::npos);
        struct stat nachher {};
        ASSERT_EQ(::lstat(datei.c_str(), &nachher), 0);
        EXPECT_EQ(nachher.st_ino, vorher.st_ino);
        EXPECT_EQ(nachher.st_mode, vorher.st_mode);
        if (S_ISREG(vorher.st_mode)) {
            ::chmod(datei.c_str(), 0644);
            EXPECT_EQ(textLesen(datei), bytesVorher);
        }
        std::filesystem::remove_all(datei);
    }
}

std::vector<std::string> zeilenVon(const std::string& text) {
    std::vector<std::string> zeilen;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t ende = text.find("\r\n", pos);
        zeilen.push_back(text.substr(pos, ende - pos));
        pos = ende == std::string::npos ? text.size() : ende + 2;
    }
    std::sort(zeilen.begin(), zeilen.end());
    return zeilen;
}

// "key = value" lines of a long value in the program's own pieces of 80 characters.
std::string inStuecken(const std::string& tag, const std::string& wert) {
    std::string text;
    for (std::size_t i = 0, n = 1; i < wert.size(); i += 80, ++n) {
        char nummer[8];
        std::snprintf(nummer, sizeof nummer, "%04zu", n);
        text += tag + " Line" + nummer + " = " + wert.substr(i, 80) + "\r\n";
    }
    return text;
}

// A start and an exit change nothing the operator did not change: every line stays as it stood, to the
// byte, also those the program does not know or cannot read (it runs on its built-in value then and names
// the key once in the start-up popup).
TEST_F(Start, StartUndEndeLassenJedeZeileStehen) {
    std::string viele = "[viele]\r\n";
    for (int i = 0; i < 60000; ++i)
        viele += "k" + std::to_string(i) + " = " + std::to_string(i * 7) + "\r\n";
    const std::string pfad300 = "/dev/serial/by-id/usb-" + std::string(278, 'x');
    const std::string pfad80 = "/dev/serial/by-id/usb-" + std::string(58, 'y');
    struct Fall {
        const char* name;
        const char* alt; // the line of the base file it replaces, or nullptr to add `neu` at the end
        std::string neu;
        const char* popup;                    // the popup's title, nullptr: none
        const char* genannt;                  // named in the popup's text
        std::function<bool()> voreinstellung; // the program runs on its built-in value
    };
    const auto valve3 = [] { return gKonfig[2] == 2; };
    const auto adresse1 = [] { return VkrCom_AdresseGet() == '1'; };
    const Fall faelle[] = {
        {"unbekannter Schluessel", nullptr, "farbe = blau\r\n", nullptr, nullptr, nullptr},
        {"unbekannte Section", nullptr, "[fenster]\r\nbreite = 800\r\nhoehe=600\r\n", nullptr, nullptr,
         nullptr},
        {"lange Zeile", nullptr, "[notizen]\r\nnotiz = " + std::string(400, 'n') + " Ende\r\n", nullptr,
         nullptr, nullptr},
        {"nicht UTF-8", nullptr,
         "[gr\xF6\xDF"
         "e]\r\nname = M\xFC"
         "ller \xFF\xFE\r\n",
         nullptr, nullptr, nullptr},
        {"in Stuecken", nullptr, "[fenster]\r\n" + inStuecken("liste", std::string(200, 'l')), nullptr,
         nullptr, nullptr},
        {"60000 Schluessel", nullptr, viele, nullptr, nullptr, nullptr},
        {"v3 Buchstaben", "v3 = 2", "v3 = abc", "Fehler #801721", "v3 = abc", valve3},
        {"v3 ausserhalb", "v3 = 2", "v3 = 7", "Fehler #801202", "v3 = 7", valve3},
        {"v3 Rest", "v3 = 2", "v3 = 2x", "Fehler #801721", "v3 = 2x", valve3},
        {"adresse zu gross", "adresse = 49", "adresse = 300", "Fehler #801202", "adresse = 300", adresse1},
        {"adresse hex", "adresse = 49", "adresse = 0x33", "Fehler #801724", "adresse = 0x33", adresse1},
        {"adresse Buchstabe", "adresse = 49", "adresse = 65", "Fehler #801202", "adresse = 65", adresse1},
        {"com Buchstaben", "com = 0", "com = abc", "Fehler #801722", "com = abc",
         [] { return VkrCom_ComPortGet() == 0; }},
        {"pruefen ja", "pruefen = 1", "pruefen = ja", "Fehler #801202", "pruefen = ja",
         [] { return GemPruefen_Eingeschaltet(); }},
        {"compfad 300 Zeichen", nullptr, inStuecken("compfad", pfad300), nullptr, nullptr, nullptr},
        {"compfad 80 Zeichen", nullptr, "compfad = " + pfad80 + "\r\n", nullptr, nullptr, nullptr},
        {"compfad als eine Zeile", nullptr, "compfad = " + pfad300 + "\r\n", nullptr, nullptr, nullptr},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        popups.clear();
        std::string text = NEUE_EINSTELLUNGEN;
        if (f.alt)
            text.replace(text.find(f.alt), std::strlen(f.alt), f.neu);
        else if (f.neu.front() == '[')
            text += f.neu;
        else
            text.insert(text.find("lcom"), f.neu); // inside [konfig]
        einstellungenSchreiben(text);
        bool voreinstellung = true;
        const int rc = starten({}, [&] {
            if (f.voreinstellung) voreinstellung = f.voreinstellung();
            QuitUserInterface(0);
        });
        for (int n = RS232_ERSTER_GERAETEPORT; n < RS232_ERSTER_GERAETEPORT + RS232_MAX_GERAETEPORTE; ++n)
            Rs232_GeraetepfadSetzen(n, "");
        EXPECT_EQ(rc, 0);
        EXPECT_TRUE(voreinstellung);
        // The windows' places are the program's own section, added at exit.
        std::string danach = einstellungen();
        if (const auto lage = danach.find("[Lage]\r\n"); lage != std::string::npos) {
            const auto naechste = danach.find("\r\n[", lage);
            danach.erase(lage, naechste == std::string::npos ? std::string::npos : naechste + 2 - lage);
        }
        EXPECT_EQ(zeilenVon(danach), zeilenVon(text)) << danach.substr(0, 2000);
        if (!f.popup) {
            EXPECT_TRUE(popups.empty()) << popups.front().first << popups.front().second;
            continue;
        }
        ASSERT_EQ(popups.size(), 1u);
        EXPECT_EQ(popups[0].first, f.popup);
        const std::string& meldung = popups[0].second;
        const std::size_t stelle = meldung.find(f.genannt);
        EXPECT_NE(stelle, std::string::npos) << meldung;
        EXPECT_EQ(meldung.find(f.genannt, stelle + 1), std::string::npos) << meldung; // once
    }
}

// A menu start works in the program's own folder, where no settings file yet is the first start: no popup.
// A settings file that cannot be written at exit is said before the program ends, in a popup and on
// standard error, also for root (a folder gone, or locked while the program runs with the rights of nobody).
TEST_F(Start, ErsterMenuestartUndNichtSchreibbareEinstellungen) {
    const std::string basis = ordner.path().toStdString();
    // The test run's own configuration folder (Qt's test mode), never the user's.
    const std::string menuedatei = Startoptionen_Benutzerordner() + "/plm1Steuerung.ini";
    std::filesystem::remove(menuedatei);
    const bool root = ::geteuid() == 0;
    struct Fall {
        const char* name;
        std::vector<std::string> args;
        const char* arbeitsordner; // under the test's folder, made and entered before the start
        const char* datei;         // the settings file there before the start, nullptr: none
        bool gesperrt;             // the folder is read-only and the program runs as nobody
        std::vector<std::string> popups;
    };
    const Fall faelle[] = {
        {"Menuestart ohne Datei", {"--user-dir"}, nullptr, nullptr, false, {}},
        {"Ordner verschwindet", {}, "weg", nullptr, false, {"Fehler #802201", "Fehler #800203"}},
        {"gesperrter Ordner ohne Datei", {}, "zu", nullptr, true, {"Fehler #802201", "Fehler #800203"}},
        {"gesperrter Ordner, Datei nicht beschreibbar",
         {},
         "zu2",
         NEUE_EINSTELLUNGEN,
         true,
         {"Fehler #800203"}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        popups.clear();
        std::string arbeit = basis;
        if (f.arbeitsordner) {
            arbeit = basis + "/" + f.arbeitsordner;
            ASSERT_TRUE(std::filesystem::create_directory(arbeit));
            if (f.datei) std::ofstream(arbeit + "/plm1Steuerung.ini", std::ios::binary) << f.datei;
            ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(arbeit)));
        }
        const bool alsNiemand = f.gesperrt && root;
        if (f.gesperrt) {
            ASSERT_EQ(::chmod(arbeit.c_str(), 0555), 0);
        }
        if (alsNiemand) {
            (void)::setfsuid(NIEMAND); // this thread's file accesses only, undone below
            ASSERT_EQ(::setfsuid(static_cast<uid_t>(-1)), NIEMAND);
        }
        testing::internal::CaptureStderr();
        const int rc = starten(f.args, [&] {
            if (std::string(f.name) == "Ordner verschwindet") std::filesystem::remove_all(arbeit);
            QuitUserInterface(0);
        });
        const std::string fehlerausgabe = testing::internal::GetCapturedStderr();
        if (alsNiemand) (void)::setfsuid(0);
        if (f.gesperrt) ::chmod(arbeit.c_str(), 0755);
        ASSERT_TRUE(QDir::setCurrent(ordner.path()));
        EXPECT_EQ(rc, 0);
        std::vector<std::string> titel;
        for (const auto& p : popups)
            titel.push_back(p.first);
        EXPECT_EQ(titel, f.popups);
        if (f.popups.empty()) {
            const std::string neu = textLesen(menuedatei);
            EXPECT_EQ(neu.substr(0, neu.find("[Lage]\r\n")), NEUE_EINSTELLUNGEN);
            std::filesystem::remove(menuedatei);
            EXPECT_EQ(fehlerausgabe.find("nicht gespeichert"), std::string::npos) << fehlerausgabe;
            continue;
        }
        const std::string erwartet =
            "Die Einstellungen wurden nicht gespeichert: " + arbeit + "/plm1Steuerung.ini: ";
        EXPECT_NE(popups.back().second.find(erwartet), std::string::npos) << popups.back().second;
        EXPECT_NE(fehlerausgabe.find(erwartet), std::string::npos) << fehlerausgabe;
        if (f.datei) {
            EXPECT_EQ(textLesen(arbeit + "/plm1Steuerung.ini"), f.datei);
        }
    }
}

// An editor's byte-order mark in front of the first section costs nothing.
TEST_F(Start, EinstellungsdateiMitByteOrderMark) {
    std::string s = NEUE_EINSTELLUNGEN;
    s.replace(s.find("v3 = 2"), 6, "v3 = 0");
    s.replace(s.find("adresse = 49"), 12, "adresse = 38");
    einstellungenSchreiben("\xEF\xBB\xBF" + s);
    const int rc = starten({}, [&] {
        EXPECT_EQ(VkrCom_AdresseGet(), '&');
        QuitUserInterface(0);
    });
    EXPECT_EQ(rc, 0);
    EXPECT_TRUE(popups.empty()) << popups[0].first;
    EXPECT_EQ(einstellungenVorLage(), s);
}

TEST_F(Start, SimulatorAnCom1MitRingZumUmschalten) {
    const int rc = starten({"--simulator", "--step-time", "0.25"}, [&] {
        EXPECT_EQ(VkrCom_ComPortGet(), 1);
        EXPECT_EQ(Startoptionen_SimulatorSchrittzeit(), 0.25);
        const int konfig = panelNamens("PLM-1 Einstellungen");
        // Identification through the window's button.
        ereignis(konfig, KONFIGPNL_IDLESEN, EVENT_COMMIT);
        std::string id;
        GetCtrlVal(konfig, KONFIGPNL_ID, &id);
        EXPECT_EQ(id.rfind("VKR-PLM1-", 0), 0u) << id;
        // A click on any window's ring closes the line, and every ring shows it; a second reopens it.
        for (int runde = 0; runde < 2; ++runde) {
            const int erwartet = runde == 0 ? 0 : 1;
            const auto& [name, ids] = *fehlerIds().rbegin();
            ereignis(panelNamens(name), ids.ring, EVENT_LEFT_CLICK);
            EXPECT_EQ(VkrCom_ComPortGet(), erwartet);
            EXPECT_EQ(VkrCom_LastComPortGet(), 1);
            for (const auto& [fenster, fids] : fehlerIds())
                if (const int p = panelNamens(fenster)) {
                    EXPECT_EQ(ctrlWert(p, fids.ring), erwartet) << fenster;
                }
        }
        QuitUserInterface(0);
    });
    EXPECT_EQ(rc, 0);
    ASSERT_EQ(popups.size(), 1u); // no settings file yet
    EXPECT_NE(einstellungen().find("com = 1\r\n"), std::string::npos);
}

TEST(Startoptionen, LesenUndAblehnen) {
    struct Fall {
        std::vector<std::string> args;
        bool ok, simulator, beenden;
        std::string bilder;
        double schrittzeit = plm1sim::STANDARD_SCHRITTZEIT_S;
        bool hilfe = false;
        bool version = false;
        std::vector<std::string> qt = {};
    };
    const double standard = plm1sim::STANDARD_SCHRITTZEIT_S;
    const Fall faelle[] = {
        {{}, true, false, false, ""},
        {{"--simulator"}, true, true, false, ""},
        {{"--screenshots", "bilder", "--quit-after-start"}, true, false, true, "bilder"},
        {{"--screenshots"}, false, false, false, ""},
        {{"--simulatr"}, false, false, false, ""},
        {{"--simulator", "--step-time", "0.05"}, true, true, false, "", 0.05},
        {{"--step-time", "2.5", "--simulator"}, true, true, false, "", 2.5},
        {{"--simulator", "--step-time", "0"}, false, false, false, ""},
        {{"--simulator", "--step-time", "-1"}, false, false, false, ""},
        {{"--simulator", "--step-time", "1s"}, false, false, false, ""},
        {{"--simulator", "--step-time", ""}, false, false, false, ""},
        {{"--simulator", "--step-time", "inf"}, false, false, false, ""},
        {{"--simulator", "--step-time", "nan"}, false, false, false, ""},
        {{"--simulator", "--step-time"}, false, false, false, ""},
        {{"--step-time", "0.5"}, false, false, false, ""}, // only the simulated unit has a step time
        {{"--help"}, true, false, false, "", plm1sim::STANDARD_SCHRITTZEIT_S, true},
        {{"--simulator", "-h"}, true, true, false, "", plm1sim::STANDARD_SCHRITTZEIT_S, true},
        {{"--simulatr", "--help"}, false, false, false, ""},
        {{"--version"}, true, false, false, "", standard, false, true},
        {{"--simulator", "--version", "--simulatr"}, true, true, false, "", standard, false, true},
        {{"--simulatr", "--version"}, false, false, false, ""},
        {{"-version"}, false, false, false, ""},
        // Qt's own options go to Qt, with their values; a Qt option without its value is refused.
        {{"-platform", "offscreen", "--simulator"},
         true,
         true,
         false,
         "",
         standard,
         false,
         false,
         {"-platform", "offscreen"}},
        {{"-style=fusion", "-reverse", "-geometry", "800x600+0+0"},
         true,
         false,
         false,
         "",
         standard,
         false,
         false,
         {"-style=fusion", "-reverse", "-geometry", "800x600+0+0"}},
        {{"-display", ":32", "-qwindowtitle", "PLM"},
         true,
         false,
         false,
         "",
         standard,
         false,
         false,
         {"-display", ":32", "-qwindowtitle", "PLM"}},
        {{"-platform"}, false, false, false, ""},
        {{"-platform", ""}, false, false, false, ""},
        {{"-plattform", "offscreen"}, false, false, false, ""},
    };
    for (const Fall& f : faelle) {
        std::vector<std::string> a = f.args;
        a.insert(a.begin(), "Plm1Steuerung");
        std::vector<char*> argv;
        for (std::string& s : a)
            argv.push_back(s.data());
        Startoptionen o;
        EXPECT_EQ(Startoptionen_Lesen(static_cast<int>(argv.size()), argv.data(), &o), f.ok);
        if (!f.ok) continue;
        EXPECT_EQ(o.simulator, f.simulator);
        EXPECT_EQ(o.nachStartBeenden, f.beenden);
        EXPECT_EQ(o.bilderVerzeichnis, f.bilder);
        EXPECT_EQ(o.schrittzeit, f.schrittzeit);
        EXPECT_EQ(o.hilfe, f.hilfe);
        EXPECT_EQ(o.qtArgumente, f.qt);
        EXPECT_EQ(o.version, f.version);
    }
    EXPECT_EQ(Startoptionen_Bildname("PLM-1 Einstellungen"), "einstellungen");
    EXPECT_EQ(Startoptionen_Bildname("Hauptfenster"), "hauptfenster");
}

} // namespace
