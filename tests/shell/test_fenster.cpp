// Switching windows through the main window's buttons and the "Fenster" menus, with position, size and
// the maximised state carried over; closing a window; the info popup; errors in every window.

#include "shell_hilfen.h"

#include "platform/line/rs232.h"

namespace {

class Fenster : public ProgrammBank {};

// Every key of the unit's settings: no popup at the start.
const char* const NUR_KONFIG = "[konfig]\r\nadresse = 49\r\ncom = 0\r\nlcom = 0\r\nv1 = 2\r\nv10 = 2\r\n"
                               "v11 = 2\r\nv2 = 2\r\nv3 = 2\r\nv4 = 2\r\nv5 = 2\r\nv6 = 2\r\nv7 = 2\r\n"
                               "v8 = 2\r\nv9 = 2\r\n";

TEST_F(Fenster, KnoepfeUndFenstermenues) {
    einstellungenSchreiben("[konfig]\r\n");
    const int rc = starten({}, [&] {
        const int haupt = GemFunc_MainpanelGet();
        const int konfig = panelNamens("PLM-1 Einstellungen");
        ASSERT_GT(konfig, 0);

        // Every working window is part of the program: it has its window and its button is live.
        const std::pair<const char*, int> knoepfe[] = {{"Zyklus", MAINPANEL_ZYKLUSPROG},
                                                       {"Tasten", MAINPANEL_TASTATURPROG},
                                                       {"Direktbetrieb", MAINPANEL_DIREKTBETRIEB},
                                                       {"PLM-1 Einstellungen", MAINPANEL_KONFIGURATION}};
        for (const auto& [name, knopf] : knoepfe) {
            EXPECT_GT(panelNamens(name), 0) << name;
            int gedimmt = -1;
            GetCtrlAttribute(haupt, knopf, ATTR_DIMMED, &gedimmt);
            EXPECT_EQ(gedimmt, 0) << name;
        }

        // Main window -> settings: same place, but each window its own size.
        SetPanelAttribute(haupt, ATTR_TOP, 90);
        SetPanelAttribute(haupt, ATTR_LEFT, 140);
        const int konfigBreite = panelWert(konfig, ATTR_WIDTH), konfigHoehe = panelWert(konfig, ATTR_HEIGHT);
        const int hauptBreite = panelWert(haupt, ATTR_WIDTH), hauptHoehe = panelWert(haupt, ATTR_HEIGHT);
        ereignis(haupt, MAINPANEL_KONFIGURATION, EVENT_COMMIT);
        EXPECT_FALSE(sichtbar(haupt));
        EXPECT_TRUE(sichtbar(konfig));
        EXPECT_EQ(panelWert(konfig, ATTR_TOP), 90);
        EXPECT_EQ(panelWert(konfig, ATTR_LEFT), 140);
        EXPECT_EQ(panelWert(konfig, ATTR_WIDTH), konfigBreite);
        EXPECT_EQ(panelWert(konfig, ATTR_HEIGHT), konfigHoehe);

        // Its "Fenster" menu names every window in order, its own entry dimmed.
        std::vector<std::string> namen;
        for (int i = 0; i < GemFunc_AnzahlGet(); ++i) {
            namen.push_back(GemFunc_NameGet(i));
            QAction* a = fensterEintrag(konfig, GemFunc_NameGet(i));
            ASSERT_NE(a, nullptr) << GemFunc_NameGet(i);
            EXPECT_EQ(a->isEnabled(), GemFunc_PanelGet(i) != konfig) << GemFunc_NameGet(i);
        }
        EXPECT_EQ(namen.front(), "Hauptfenster");
        EXPECT_EQ(namen.back(), "PLM-1 Einstellungen");
        fensterEintrag(konfig, "PLM-1 Einstellungen")->trigger(); // dimmed: nothing happens
        EXPECT_TRUE(sichtbar(konfig));

        // Back through the menu: the main window takes the settings window's place, and keeps its size.
        SetPanelAttribute(konfig, ATTR_LEFT, 60);
        fensterEintrag(konfig, "Hauptfenster")->trigger();
        EXPECT_TRUE(sichtbar(haupt));
        EXPECT_FALSE(sichtbar(konfig));
        EXPECT_EQ(panelWert(haupt, ATTR_LEFT), 60);
        EXPECT_EQ(panelWert(haupt, ATTR_WIDTH), hauptBreite);
        EXPECT_EQ(panelWert(haupt, ATTR_HEIGHT), hauptHoehe);

        // A size the operator dragged a window to stays with it; smaller than it was built, it is built size.
        struct Groesse {
            int breite, hoehe, erwartetB, erwartetH;
        };
        const Groesse groessen[] = {
            {konfigBreite + 120, konfigHoehe + 40, konfigBreite + 120, konfigHoehe + 40},
            {konfigBreite - 100, konfigHoehe - 50, konfigBreite, konfigHoehe}};
        for (const Groesse& g : groessen) {
            ereignis(haupt, MAINPANEL_KONFIGURATION, EVENT_COMMIT);
            SetPanelAttribute(konfig, ATTR_WIDTH, g.breite);
            SetPanelAttribute(konfig, ATTR_HEIGHT, g.hoehe);
            fensterEintrag(konfig, "Hauptfenster")->trigger();
            EXPECT_EQ(panelWert(haupt, ATTR_WIDTH), hauptBreite);
            EXPECT_EQ(panelWert(haupt, ATTR_HEIGHT), hauptHoehe);
            ereignis(haupt, MAINPANEL_KONFIGURATION, EVENT_COMMIT);
            EXPECT_EQ(panelWert(konfig, ATTR_WIDTH), g.erwartetB) << g.breite;
            EXPECT_EQ(panelWert(konfig, ATTR_HEIGHT), g.erwartetH) << g.hoehe;
            fensterEintrag(konfig, "Hauptfenster")->trigger();
        }

        // Every other working window through its button and back through its back button.
        const std::pair<const char*, int> zurueck[] = {{"Zyklus", KURVPANEL_ZURUECK},
                                                       {"Tasten", TASTPANEL_ZURUECK},
                                                       {"Direktbetrieb", DIREKTPNL_ZURUECK},
                                                       {"PLM-1 Einstellungen", KONFIGPNL_ZURUECK}};
        for (int i = 0; i < 4; ++i) {
            const int ziel = panelNamens(knoepfe[i].first);
            if (!ziel) continue;
            ereignis(haupt, knoepfe[i].second, EVENT_COMMIT);
            EXPECT_TRUE(sichtbar(ziel)) << knoepfe[i].first;
            EXPECT_FALSE(sichtbar(haupt)) << knoepfe[i].first;
            ereignis(ziel, zurueck[i].second, EVENT_COMMIT);
            EXPECT_TRUE(sichtbar(haupt)) << knoepfe[i].first;
            EXPECT_FALSE(sichtbar(ziel)) << knoepfe[i].first;
        }

        // A maximised window hands its state on.
        SetPanelAttribute(haupt, ATTR_WINDOW_ZOOM, VAL_MAXIMIZE);
        ereignis(haupt, MAINPANEL_KONFIGURATION, EVENT_COMMIT);
        EXPECT_EQ(panelWert(konfig, ATTR_WINDOW_ZOOM), VAL_MAXIMIZE);
        fensterEintrag(konfig, "Hauptfenster")->trigger();
        EXPECT_EQ(panelWert(haupt, ATTR_WINDOW_ZOOM), VAL_MAXIMIZE);

        // Info popup, centred over the window that opened it.
        SetPanelAttribute(haupt, ATTR_WINDOW_ZOOM, VAL_NO_ZOOM);
        SetPanelAttribute(haupt, ATTR_LEFT, 200);
        SetPanelAttribute(haupt, ATTR_TOP, 150);
        ereignis(haupt, MAINPANEL_INFO, EVENT_COMMIT);
        QWidget* info = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->windowTitle() == "Info") info = w;
        ASSERT_NE(info, nullptr);
        const QPoint abstand =
            info->frameGeometry().center() - UI_PanelWidget(haupt)->frameGeometry().center();
        EXPECT_LE(abstand.manhattanLength(), 2) << abstand.x() << "," << abstand.y();
        QuitUserInterface(0);
    });
    EXPECT_EQ(rc, 0);
}

// Each window's place and size come back from the settings file's own section, inside the screen and never
// smaller than the window's controls; the file keeps them after the unit's settings.
TEST_F(Fenster, LageUndGroesseUeberDenNeustart) {
    const QRect frei = QGuiApplication::primaryScreen()->availableGeometry();
    struct Fall {
        const char* name;
        std::string lage; // items of the section
        QRect haupt;      // main window expected (left, top, width, height); empty: as built
        bool amRand;      // pushed into the screen's upper right corner
        bool konfigGross; // the settings window comes larger than built (else as built)
    };
    const Fall faelle[] = {
        {"remembered",
         "hauptfenster breite = 600\r\nhauptfenster hoehe = 380\r\nhauptfenster links = 30\r\n"
         "hauptfenster oben = 40\r\neinstellungen breite = 2000\r\neinstellungen hoehe = 2000\r\n"
         "einstellungen links = 5\r\neinstellungen oben = 5\r\n",
         QRect(30, 40, 600, 380), false, true},
        {"off the screen",
         "hauptfenster breite = 600\r\nhauptfenster hoehe = 380\r\n"
         "hauptfenster links = 9000\r\nhauptfenster oben = -500\r\n",
         QRect(0, 0, 600, 380), true, false},
        {"smaller than the controls",
         "hauptfenster breite = 100\r\nhauptfenster hoehe = 50\r\n"
         "hauptfenster links = 10\r\nhauptfenster oben = 10\r\n",
         QRect(10, 10, 0, 0), false, false},
        {"incomplete", "hauptfenster breite = 600\r\nhauptfenster links = 10\r\nhauptfenster oben = 10\r\n",
         QRect(), false, false},
        {"no number",
         "hauptfenster breite = gross\r\nhauptfenster hoehe = 380\r\nhauptfenster links = 10\r\n"
         "hauptfenster oben = 10\r\n",
         QRect(), false, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        einstellungenSchreiben(std::string(NUR_KONFIG) + "[Lage]\r\n" + f.lage);
        QRect nachher;
        const int rc = starten({}, [&] {
            const int haupt = GemFunc_MainpanelGet();
            const int konfig = panelNamens("PLM-1 Einstellungen");
            const PanelDef* hauptDef = Resource_Panel(MAINPANEL);
            const PanelDef* konfigDef = Resource_Panel(KONFIGPNL);
            const QRect h(panelWert(haupt, ATTR_LEFT), panelWert(haupt, ATTR_TOP),
                          panelWert(haupt, ATTR_WIDTH), panelWert(haupt, ATTR_HEIGHT));
            if (f.haupt.isNull() && f.haupt.x() == 0) {
                EXPECT_EQ(h.size(), QSize(hauptDef->width, hauptDef->height));
            } else if (f.amRand) {
                EXPECT_EQ(UI_PanelWidget(haupt)->frameGeometry().topRight(), frei.topRight());
            } else {
                EXPECT_EQ(h.topLeft(), f.haupt.topLeft());
                EXPECT_EQ(h.size(), f.haupt.size().expandedTo(QSize(hauptDef->width, hauptDef->height)));
            }
            EXPECT_TRUE(frei.contains(UI_PanelWidget(haupt)->frameGeometry()));
            ereignis(haupt, MAINPANEL_KONFIGURATION, EVENT_COMMIT);
            // The settings window comes at the main window's place; its remembered size, kept on the screen.
            const QSize k(panelWert(konfig, ATTR_WIDTH), panelWert(konfig, ATTR_HEIGHT));
            if (f.konfigGross) {
                EXPECT_TRUE(frei.contains(UI_PanelWidget(konfig)->frameGeometry()));
                EXPECT_GT(k.width(), konfigDef->width);
            } else {
                EXPECT_EQ(k, QSize(konfigDef->width, konfigDef->height));
            }
            SetPanelAttribute(konfig, ATTR_LEFT, 15);
            SetPanelAttribute(konfig, ATTR_TOP, 25);
            nachher = QRect(15, 25, k.width(), k.height());
            QuitUserInterface(0);
        });
        EXPECT_EQ(rc, 0);
        // Written after the unit's settings: the window on the screen at exit with its place and size.
        const std::string s = einstellungen();
        EXPECT_LT(s.find("[konfig]"), s.find("[Lage]")) << s;
        for (const auto& [schluessel, wert] :
             {std::pair{"einstellungen links", nachher.x()}, std::pair{"einstellungen oben", nachher.y()},
              std::pair{"einstellungen breite", nachher.width()},
              std::pair{"einstellungen hoehe", nachher.height()}})
            EXPECT_NE(s.find(std::string(schluessel) + " = " + std::to_string(wert) + "\r\n"),
                      std::string::npos)
                << schluessel << "\n"
                << s;
    }
}

TEST_F(Fenster, SchliessenEinesArbeitsfenstersBeendetUndSpeichert) {
    einstellungenSchreiben("[konfig]\r\nv2=0\r\n");
    const int rc = starten({}, [&] {
        const int konfig = panelNamens("PLM-1 Einstellungen");
        ereignis(GemFunc_MainpanelGet(), MAINPANEL_KONFIGURATION, EVENT_COMMIT);
        UI_PanelWidget(konfig)->close(); // the title bar's close box
    });
    EXPECT_EQ(rc, 0);
    const std::string s = einstellungen();
    EXPECT_NE(s.find("v2=0\r\n"), std::string::npos) << s; // as it stood: the operator did not change it
    EXPECT_NE(s.find("adresse = 49\r\n"), std::string::npos) << s;
}

TEST_F(Fenster, VerbindungsfehlerInAllenFenstern) {
    Rs232_GeraetepfadSetzen(8, "/nonexistent/plm1-tty");
    einstellungenSchreiben("[konfig]\r\n");
    const int rc = starten({}, [&] {
        const int konfig = panelNamens("PLM-1 Einstellungen");
        // The operator picks a port that cannot be opened.
        SetCtrlVal(konfig, KONFIGPNL_COMPORT, 8);
        ereignis(konfig, KONFIGPNL_COMPORT, EVENT_COMMIT);
        const int code = VkrCom_LetzterFehlerGet();
        EXPECT_LT(code, 0);
        int fenster = 0;
        for (const auto& [name, ids] : fehlerIds()) {
            const int p = panelNamens(name);
            if (!p) continue;
            ++fenster;
            EXPECT_EQ(ctrlWert(p, ids.led), 1) << name;
            EXPECT_EQ(ctrlWert(p, ids.nummer), code) << name;
            EXPECT_EQ(ctrlWert(p, ids.ring), 0) << name;
        }
        EXPECT_GE(fenster, 1);
        // An address outside the offered ones, as a damaged settings file could carry it.
        VkrCom_FehlermeldungSet(VkrCom_AdresseSet('0'));
        for (const auto& [name, ids] : fehlerIds())
            if (const int p = panelNamens(name)) {
                EXPECT_EQ(ctrlWert(p, ids.nummer), FEHLER_ADRESSE_UNGUELTIG) << name;
            }
        // The address selector commits its value: the lamps go out again.
        SetCtrlVal(konfig, KONFIGPNL_ADRESSE, '4');
        ereignis(konfig, KONFIGPNL_ADRESSE, EVENT_COMMIT);
        EXPECT_EQ(VkrCom_AdresseGet(), '4');
        for (const auto& [name, ids] : fehlerIds())
            if (const int p = panelNamens(name)) {
                EXPECT_EQ(ctrlWert(p, ids.led), 0) << name;
            }
        QuitUserInterface(0);
    });
    Rs232_GeraetepfadSetzen(8, "");
    EXPECT_EQ(rc, 0);
    EXPECT_NE(einstellungen().find("adresse = 52\r\n"), std::string::npos);
}

} // namespace
