// The curve window: step count changes, dimming and the title, "Neu", download without a unit, help
// texts, hidden valves, the scroll bar's events, and the close box ending the event loop.

#include "fenster_helfer.h"

#include "cycle/Kurven_Datei.h"
#include "device/Gemeinsam_Pruefen.h"
#include "device/Vkr_Com.h"
#include "platform/files/inifile.h"
#include "scrollbar/Scrollbar.h"
#include "scrollbar/scroll_edited.h"
#include "shell/Plm1_Beenden.h"

#include "tests/common/testdatei.h"
#include "valves/Konfigarray.h"
#include <QAction>

#include <QImage>
#include <QKeySequence>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

namespace {

int scrollAttr(int a) {
    int v = -1;
    EXPECT_EQ(ScrollBar_GetAttribute(gKurvenPanel, KURVPANEL_SCROLLBAR, a, &v), 0);
    return v;
}

// The bytes the file writer would produce for the cycle in memory.
std::vector<unsigned char> dateibild() {
    return KurvenDatei_BildErstellen(gKurveneckdaten, gKurven);
}

std::vector<QImage> canvasBilder() {
    std::vector<QImage> b;
    for (int k = 0; k < KURVEN_ANZAHL; ++k)
        b.push_back(*UI_CanvasBild(gKurvenPanel, Canvas_KanalControl(k)));
    return b;
}

} // namespace

TEST_F(KurvenFenster, StepCountGrowsAndShrinksAllCurves) {
    EXPECT_EQ(ctrlWert(KURVPANEL_ANZAHLSCHRITTE), 10);
    EXPECT_EQ(attribut(KURVPANEL_ANZAHLSCHRITTE, ATTR_MIN_VALUE), 1);
    EXPECT_EQ(attribut(KURVPANEL_ANZAHLSCHRITTE, ATTR_MAX_VALUE), 600);
    for (int k = 0; k < KURVEN_ANZAHL; ++k)
        for (int i = 0; i < 10; ++i)
            gKurven[k].values[i] = Canvas_IstVentildiagramm(k) ? 1 : 40 + i;
    eingeben(KURVPANEL_ANZAHLSCHRITTE, 20);
    for (int k = 0; k < KURVEN_ANZAHL; ++k) {
        ASSERT_EQ(gKurven[k].count, 20) << k;
        EXPECT_EQ(gKurven[k].values[9], Canvas_IstVentildiagramm(k) ? 1 : 49) << k;
        for (int i = 10; i < 20; ++i)
            EXPECT_EQ(gKurven[k].values[i], 0) << k << " " << i;
    }
    EXPECT_EQ(gKurveneckdaten[KE_ANZAHLSCHRITTE], 20);
    eingeben(KURVPANEL_ANZAHLSCHRITTE, 5);
    for (int k = 0; k < KURVEN_ANZAHL; ++k)
        EXPECT_EQ(gKurven[k].count, 5) << k;
    EXPECT_EQ(gKurven[0].values[4], 44);
    EXPECT_EQ(ctrlWert(KURVPANEL_ANZAHLSCHRITTE), 5);
    EXPECT_EQ(attribut(KURVPANEL_SCROLLBAR, ATTR_DIMMED), 1);
    // The control takes only 1..600.
    eingeben(KURVPANEL_ANZAHLSCHRITTE, 900);
    EXPECT_EQ(gKurven[0].count, 600);
    EXPECT_EQ(attribut(KURVPANEL_SCROLLBAR, ATTR_DIMMED), 0);
    EXPECT_EQ(scrollAttr(SCROLLBAR_ATTR_MAXIMUM), 550);
    eingeben(KURVPANEL_ANZAHLSCHRITTE, 0);
    EXPECT_EQ(gKurven[0].count, 1);
    EXPECT_TRUE(gefangeneMeldungen().empty());
}

// The cycle file's title reaches the window through what the window registered.
TEST_F(KurvenFenster, TitelGehtAnDasKurvenfenster) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_EQ(KurvenDatei_SpeichernNach(dir.filePath("T.plk").toStdString()), KEIN_FEHLER);
    KurvenDatei_WurdeGeaendert();
    EXPECT_EQ(titel(), "Zyklus-Programmierung - [T.plk *]");
}

TEST_F(KurvenFenster, LimitsAndRunsDimAndStarANamedTitle) {
    EXPECT_EQ(titel(), "Zyklus-Programmierung - [Unbenannt]");
    struct Paar {
        int check, wert;
    };
    for (const Paar p : {Paar{KURVPANEL_DRUCKHIGH1CHECK, KURVPANEL_DRUCKHIGH1},
                         Paar{KURVPANEL_DRUCKLOW1CHECK, KURVPANEL_DRUCKLOW1},
                         Paar{KURVPANEL_DRUCKHIGH2CHECK, KURVPANEL_DRUCKHIGH2},
                         Paar{KURVPANEL_DRUCKLOW2CHECK, KURVPANEL_DRUCKLOW2}}) {
        EXPECT_EQ(attribut(p.wert, ATTR_DIMMED), 1) << p.check;
        eingeben(p.check, 1);
        EXPECT_EQ(attribut(p.wert, ATTR_DIMMED), 0) << p.check;
    }
    eingeben(KURVPANEL_DRUCKHIGH1, 700);
    eingeben(KURVPANEL_DRUCKHIGH1CHECK, 0);
    EXPECT_EQ(gKurveneckdaten[KE_DRUCKHIGH1], 700); // kept while its box is off
    EXPECT_EQ(gKurveneckdaten[KE_DRUCKHIGH1CHECK], 0);

    const std::filesystem::path pfad = std::filesystem::temp_directory_path() / "kurvenfenster_titel.plk";
    ASSERT_EQ(KurvenDatei_SpeichernNach(pfad.string()), 0);
    const std::string ohneStern = titel();
    EXPECT_EQ(ohneStern.find(" *"), std::string::npos) << ohneStern;
    EXPECT_NE(ohneStern.find("kurvenfenster_titel"), std::string::npos) << ohneStern;
    EXPECT_EQ(attribut(KURVPANEL_ZYKLEN, ATTR_DIMMED), 0);
    eingeben(KURVPANEL_ZYKLENUNBEGRENZT, 1);
    EXPECT_EQ(attribut(KURVPANEL_ZYKLEN, ATTR_DIMMED), 1);
    EXPECT_EQ(gKurveneckdaten[KE_ZYKLENUNBEGRENZT], 1);
    EXPECT_NE(titel().find(" *]"), std::string::npos) << titel();
    std::filesystem::remove(pfad);

    // A file with values outside their ranges loads with each brought into range, the cycle marked as
    // changed and a note naming what was changed.
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const std::string weit = ordner.filePath("weit.plk").toStdString();
    gKurveneckdaten[KE_DRUCKHIGH1] = 70000;
    gKurven[0].values[2] = 1000;
    ASSERT_EQ(KurvenDatei_SpeichernNach(weit), 0);
    Menu_Kurven_Datei(GetPanelMenuBar(panel), MENUKURVEN_DATEI_NEU, nullptr, panel);
    gefangeneMeldungen().clear();
    UI_DateiauswahlSetzen([&](const DateiauswahlAnfrage&) { return weit; });
    Menu_Kurven_Datei(GetPanelMenuBar(panel), MENUKURVEN_DATEI_LADEN, nullptr, panel);
    UI_DateiauswahlSetzen(nullptr);
    ASSERT_EQ(gefangeneMeldungen().size(), 1u);
    EXPECT_EQ(gefangeneMeldungen()[0].titel, "Werte angepasst");
    EXPECT_EQ(gefangeneMeldungen()[0].text, "Werte außerhalb ihres Bereichs wurden angepasst:\n"
                                            "DRUCKHIGH1: 70000 \xE2\x86\x92 2000\n"
                                            "Schritt 3, Pumpe 1: 1000 \xE2\x86\x92 100\n");
    EXPECT_EQ(gKurveneckdaten[KE_DRUCKHIGH1], 2000);
    EXPECT_EQ(ctrlWert(KURVPANEL_DRUCKHIGH1), 2000);
    EXPECT_EQ(gKurven[0].values[2], 100);
    EXPECT_EQ(titel(), "Zyklus-Programmierung - [weit.plk *]");
}

TEST_F(KurvenFenster, NewCycleAgreesWithTenSteps) {
    gKurveneckdaten[KE_ANZAHLSCHRITTE] = 300;
    ASSERT_EQ(Kurven_KurvenlaengenAendern(300), 0);
    ASSERT_EQ(ScrollBar_SetAttribute(panel, KURVPANEL_SCROLLBAR, SCROLLBAR_ATTR_POSITION, 200), 0);
    Callback_Kurven_Graph_Scrollbar(panel, KURVPANEL_SCROLLBAR, SCROLLBAR_EVENT_LOSGELASSEN, nullptr, 200, 0);
    eingeben(KURVPANEL_ZYKLEN, 7);
    ASSERT_EQ(gKurvenCanvas[0].first, 200);
    Menu_Kurven_Datei(GetPanelMenuBar(panel), MENUKURVEN_DATEI_NEU, nullptr, panel);
    EXPECT_EQ(gKurven[0].count, 10);
    EXPECT_EQ(ctrlWert(KURVPANEL_ANZAHLSCHRITTE), 10);
    EXPECT_EQ(ctrlWert(KURVPANEL_ZYKLEN), 1);
    EXPECT_EQ(gKurvenCanvas[0].first, 0);
    EXPECT_EQ(Scrollbar_PositionGet(), 0);
    EXPECT_EQ(scrollAttr(SCROLLBAR_ATTR_POSITION), 0);
    EXPECT_EQ(attribut(KURVPANEL_SCROLLBAR, ATTR_DIMMED), 1);
    EXPECT_EQ(titel(), "Zyklus-Programmierung - [Unbenannt]");
}

TEST_F(KurvenFenster, ScrollBarEventsOneToFourDoNotScroll) {
    gKurveneckdaten[KE_ANZAHLSCHRITTE] = 120;
    ASSERT_EQ(Kurven_KurvenlaengenAendern(120), 0);
    for (int e = 1; e <= 4; ++e)
        Callback_Kurven_Graph_Scrollbar(panel, KURVPANEL_SCROLLBAR, e, nullptr, 30, 0);
    EXPECT_EQ(gKurvenCanvas[0].first, 0);
    Callback_Kurven_Graph_Scrollbar(panel, KURVPANEL_SCROLLBAR, SCROLLBAR_EVENT_SPRUNG, nullptr, 75, 0);
    EXPECT_EQ(gKurvenCanvas[0].first, 70);
}

TEST_F(KurvenFenster, DownloadWithoutUnitLeavesTheWindowUntitled) {
    const std::filesystem::path pfad = std::filesystem::temp_directory_path() / "kurvenfenster_download.plk";
    ASSERT_EQ(KurvenDatei_SpeichernNach(pfad.string()), 0);
    ASSERT_NE(titel().find("kurvenfenster_download"), std::string::npos);
    Callback_Kurven_Buttons(panel, KURVPANEL_DOWNLOAD, EVENT_COMMIT, nullptr, 0, 0);
    EXPECT_EQ(titel(), "Zyklus-Programmierung - [Unbenannt]");
    // The failed read is reported, in a popup or in the error controls.
    EXPECT_TRUE(!gefangeneMeldungen().empty() || VkrCom_LetzterFehlerGet() != 0);
    std::filesystem::remove(pfad);
}

TEST_F(KurvenFenster, HelpTextsWithTheirLineBreaks) {
    const int menu = GetPanelMenuBar(panel);
    Menu_Kurven_Hilfe(menu, MENUKURVEN_HILFE_BEARBEITEN, nullptr, panel);
    Menu_Kurven_Hilfe(menu, MENUKURVEN_HILFE_WERTE, nullptr, panel);
    ASSERT_EQ(gefangeneMeldungen().size(), 2u);
    EXPECT_EQ(gefangeneMeldungen()[0].titel, "Kurven bearbeiten");
    EXPECT_EQ(gefangeneMeldungen()[0].text,
              "Kurvenpunkte setzen: Linke Maustaste\nKurvenpunkte löschen: Rechte Maustaste");
    EXPECT_EQ(gefangeneMeldungen()[1].titel, "Pumpenwerte anzeigen");
    EXPECT_EQ(gefangeneMeldungen()[1].text,
              "Um die Werte vorhandener Pumpen-Kurvenpunkte anzuzeigen,\nkönnen die Punkte bei gedrückter "
              "Umschalttaste angeklickt werden.");
}

TEST_F(KurvenFenster, MenuBarAndCallbacksFromTheResource) {
    const int menu = GetPanelMenuBar(panel);
    ASSERT_GT(menu, 0);
    struct Eintrag {
        int id;
        const char* text;
        const char* kuerzel = ""; // its key sequences, as Qt writes them
    };
    for (const Eintrag e : {Eintrag{MENUKURVEN_DATEI_NEU, "Neu"}, Eintrag{MENUKURVEN_DATEI_LADEN, "Laden..."},
                            Eintrag{MENUKURVEN_DATEI_SPEICHERN, "Speichern"},
                            Eintrag{MENUKURVEN_DATEI_SPEICHERNUNTER, "Speichern unter..."},
                            Eintrag{MENUKURVEN_BEARBEITEN, "Bearbeiten"},
                            Eintrag{MENUKURVEN_BEARBEITEN_RUECKGAENGIG, "Rückgängig", "Ctrl+Z"},
                            Eintrag{MENUKURVEN_BEARBEITEN_WIEDERHOLEN, "Wiederholen", "Ctrl+Y, Ctrl+Shift+Z"},
                            Eintrag{MENUKURVEN_HILFE_BEARBEITEN, "Punkte bearbeiten"},
                            Eintrag{MENUKURVEN_HILFE_WERTE, "Werte anzeigen"}}) {
        std::string name;
        EXPECT_GE(GetMenuBarAttribute(menu, e.id, ATTR_ITEM_NAME, &name), 0) << e.id;
        EXPECT_EQ(name, e.text);
        QAction* a = UI_MenuAktion(menu, e.id);
        ASSERT_NE(a, nullptr) << e.id;
        QStringList kuerzel;
        for (const QKeySequence& k : a->shortcuts())
            kuerzel << k.toString(QKeySequence::PortableText);
        EXPECT_EQ(kuerzel.join(", ").toStdString(), e.kuerzel) << e.text;
    }
    CtrlCallbackPtr fn = nullptr;
    GetCtrlAttribute(panel, KURVPANEL_CANVAS_V7, ATTR_CALLBACK_FUNCTION_POINTER, &fn);
    EXPECT_EQ(fn, &Callback_Kurven_Canvas);
    GetCtrlAttribute(panel, KURVPANEL_UPLOAD, ATTR_CALLBACK_FUNCTION_POINTER, &fn);
    EXPECT_EQ(fn, &Callback_Kurven_Buttons);
    GetCtrlAttribute(panel, KURVPANEL_ZYKLEN, ATTR_CALLBACK_FUNCTION_POINTER, &fn);
    EXPECT_EQ(fn, &Callback_Kurven_Controls);
    GetCtrlAttribute(panel, KURVPANEL_ZURUECK, ATTR_CALLBACK_FUNCTION_POINTER, &fn);
    EXPECT_EQ(fn, &Callback_Kurven_Button_Zurueck);
    // The scroll bar's resource callback became its user callback.
    ScrollBarInfo* s = GetScrollBarPtr(panel, KURVPANEL_SCROLLBAR);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->userCallback, &Callback_Kurven_Graph_Scrollbar);
}

TEST_F(KurvenFenster, AbsentValvesAreHiddenAndKeepTheirCurves) {
    gKurven[4].values[3] = 1; // valve 3
    gKonfig[2] = 0;           // valve 3 not fitted
    KurvenMain_KonfigUebernehmen();
    EXPECT_EQ(attribut(KURVPANEL_CANVAS_V3, ATTR_VISIBLE), 0);
    EXPECT_EQ(attribut(KURVPANEL_CANVAS_V3 + CANVAS_NAMENSLABEL_VERSATZ, ATTR_VISIBLE), 0); // "V3"
    std::string name;
    GetCtrlVal(panel, KURVPANEL_CANVAS_V2 + CANVAS_NAMENSLABEL_VERSATZ, &name);
    EXPECT_EQ(name, "V2");
    EXPECT_EQ(gKurvenCanvas[4].visible, 0);
    EXPECT_EQ(attribut(KURVPANEL_CANVAS_V2, ATTR_VISIBLE), 1);
    EXPECT_EQ(gKurven[4].values[3], 1);
    gKonfig[2] = 2;
    KurvenMain_KonfigUebernehmen();
    EXPECT_EQ(attribut(KURVPANEL_CANVAS_V3, ATTR_VISIBLE), 1);
    EXPECT_EQ(attribut(KURVPANEL_CANVAS_V3 + CANVAS_NAMENSLABEL_VERSATZ, ATTR_VISIBLE), 1);
    EXPECT_EQ(gKurvenCanvas[4].visible, 1);
}

TEST_F(KurvenFenster, ClosingTheWindowEndsTheEventLoop) {
    DisplayPanel(panel);
    bool zeitUeberschritten = false;
    QTimer::singleShot(0, [&] { UI_PanelWidget(panel)->window()->close(); });
    QTimer wache;
    wache.setSingleShot(true);
    QObject::connect(&wache, &QTimer::timeout, [&] {
        zeitUeberschritten = true;
        QuitUserInterface(0);
    });
    wache.start(5000);
    RunUserInterface();
    EXPECT_FALSE(zeitUeberschritten);
    HidePanel(panel);
}

// "Neu", "Laden...", "Download" and closing ask first when the cycle has unsaved changes; each answer is
// followed as given, and cancelling leaves everything as it was.
TEST_F(KurvenFenster, UnsavedWorkIsNeverDroppedSilently) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() /
        ("kurvenfenster_schutz_" + std::to_string(QCoreApplication::applicationPid()));
    std::filesystem::create_directories(dir);
    const std::string gespeichert = (dir / "gespeichert.plk").string();
    const std::string vorlage = (dir / "vorlage.plk").string();
    gKurveneckdaten[KE_ANZAHLSCHRITTE] = 20;
    ASSERT_EQ(Kurven_KurvenlaengenAendern(20), 0);
    ASSERT_EQ(KurvenDatei_SpeichernNach(vorlage), 0);

    enum class Aktion { Neu, Laden, Download, Schliessen };
    struct Fall {
        Aktion aktion;
        int antwort;
        bool dialogAbgebrochen; // "Speichern", then the save dialog is cancelled: nothing goes ahead
    };
    std::vector<Fall> faelle;
    for (const Aktion a : {Aktion::Neu, Aktion::Laden, Aktion::Download, Aktion::Schliessen}) {
        for (const int antwort : {UI_ANTWORT_SPEICHERN, UI_ANTWORT_VERWERFEN, UI_ANTWORT_ABBRECHEN})
            faelle.push_back({a, antwort, false});
        faelle.push_back({a, UI_ANTWORT_SPEICHERN, true});
    }
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << "Aktion " << static_cast<int>(f.aktion) << ", Antwort "
                                        << f.antwort << (f.dialogAbgebrochen ? ", Dialog abgebrochen" : ""));
        Menu_Kurven_Datei(GetPanelMenuBar(panel), MENUKURVEN_DATEI_NEU, nullptr, panel);
        std::filesystem::remove(gespeichert);
        gefangeneMeldungen().clear();
        eingeben(KURVPANEL_ANZAHLSCHRITTE, 33);
        ASSERT_TRUE(KurvenDatei_IstGeaendert());
        ASSERT_EQ(titel(), "Zyklus-Programmierung - [Unbenannt *]");

        int fragen = 0;
        UI_FrageabfangSetzen([&](const std::string& t, const std::string& text) {
            ++fragen;
            EXPECT_EQ(t, "Zyklus-Programmierung");
            EXPECT_EQ(text, "Der Zyklus wurde geändert.\nSollen die Änderungen gespeichert werden?");
            return f.antwort;
        });
        UI_DateiauswahlSetzen([&](const DateiauswahlAnfrage& a) {
            if (a.knopf != VAL_SAVE_BUTTON) return vorlage;
            return f.dialogAbgebrochen ? std::string() : gespeichert;
        });
        bool beendet = false;
        switch (f.aktion) {
        case Aktion::Neu:
            Menu_Kurven_Datei(GetPanelMenuBar(panel), MENUKURVEN_DATEI_NEU, nullptr, panel);
            break;
        case Aktion::Laden:
            Menu_Kurven_Datei(GetPanelMenuBar(panel), MENUKURVEN_DATEI_LADEN, nullptr, panel);
            break;
        case Aktion::Download:
            Callback_Kurven_Buttons(panel, KURVPANEL_DOWNLOAD, EVENT_COMMIT, nullptr, 0, 0);
            break;
        case Aktion::Schliessen:
            beendet = Beenden_Anfordern();
            if (beendet) RunUserInterface(); // takes up the pending quit
            break;
        }
        UI_FrageabfangSetzen([](const std::string&, const std::string&) { return UI_ANTWORT_VERWERFEN; });
        UI_DateiauswahlSetzen(nullptr);

        EXPECT_EQ(fragen, 1);
        const bool speichern = f.antwort == UI_ANTWORT_SPEICHERN && !f.dialogAbgebrochen;
        EXPECT_EQ(std::filesystem::exists(gespeichert), speichern);
        if (f.dialogAbgebrochen) {
            EXPECT_TRUE(gefangeneMeldungen().empty()) << "a cancelled dialog is no error";
        }
        if (speichern) {
            KurvenDateiInhalt inhalt;
            const auto bild = testdatei::bytesLesen(gespeichert);
            ASSERT_EQ(KurvenDatei_BildAuswerten(bild.data(), bild.size(), inhalt), 0);
            EXPECT_EQ(inhalt.eckdaten[KE_ANZAHLSCHRITTE], 33);
        }
        const bool weiter = f.antwort != UI_ANTWORT_ABBRECHEN && !f.dialogAbgebrochen;
        const int schritte = gKurveneckdaten[KE_ANZAHLSCHRITTE];
        switch (f.aktion) {
        case Aktion::Neu:
            EXPECT_EQ(schritte, weiter ? 10 : 33);
            break;
        case Aktion::Laden:
            EXPECT_EQ(schritte, weiter ? 20 : 33);
            break;
        case Aktion::Download: // no unit: the download fails, yet the cycle no longer belongs to a file
            EXPECT_EQ(KurvenDatei_IstGeaendert(), !weiter);
            EXPECT_EQ(schritte, 33);
            break;
        case Aktion::Schliessen:
            EXPECT_EQ(beendet, weiter);
            EXPECT_EQ(schritte, 33);
            break;
        }
        if (!weiter) {
            EXPECT_TRUE(KurvenDatei_IstGeaendert());
        }
    }
    // Without changes nothing is asked.
    Menu_Kurven_Datei(GetPanelMenuBar(panel), MENUKURVEN_DATEI_NEU, nullptr, panel);
    UI_FrageabfangSetzen([](const std::string&, const std::string&) {
        ADD_FAILURE() << "asked without changes";
        return UI_ANTWORT_ABBRECHEN;
    });
    Menu_Kurven_Datei(GetPanelMenuBar(panel), MENUKURVEN_DATEI_NEU, nullptr, panel);
    UI_FrageabfangSetzen([](const std::string&, const std::string&) { return UI_ANTWORT_VERWERFEN; });
    std::filesystem::remove_all(dir);
}

// The check item "Nach dem Senden prüfen" switches verified sending, and the settings key keeps it.
TEST_F(KurvenFenster, VerifiedSendingSwitchInTheFileMenuAndTheSettings) {
    const int leiste = GetPanelMenuBar(panel);
    int item = -1;
    for (int id = 1; id < 200 && item < 0; ++id) {
        std::string name;
        if (GetMenuBarAttribute(leiste, id, ATTR_ITEM_NAME, &name) >= 0 && name == "Nach dem Senden prüfen")
            item = id;
    }
    ASSERT_GT(item, 0);
    QAction* aktion = UI_MenuAktion(leiste, item);
    ASSERT_NE(aktion, nullptr);
    GemPruefen_Einschalten(true);
    EXPECT_TRUE(aktion->isChecked());
    aktion->trigger();
    EXPECT_FALSE(GemPruefen_Eingeschaltet());
    EXPECT_FALSE(aktion->isChecked());

    IniText ini = Ini_New(1);
    KurvenMain_WriteIni(ini);
    std::string text;
    ASSERT_EQ(Ini_WriteToBuffer(ini, &text), 0);
    Ini_Dispose(ini);
    EXPECT_NE(text.find("pruefen = 0"), std::string::npos) << text;
    const std::string an = "[konfig]\npruefen = 1\n";
    ini = Ini_New(1);
    ASSERT_EQ(Ini_ReadFromBuffer(ini, an.data(), an.size()), 0);
    EXPECT_EQ(KurvenMain_ReadIni(ini), 0);
    Ini_Dispose(ini);
    EXPECT_TRUE(GemPruefen_Eingeschaltet());
    EXPECT_TRUE(aktion->isChecked());
    aktion->trigger();
    ini = Ini_New(1);
    EXPECT_EQ(KurvenMain_ReadIni(ini), 0); // a missing key leaves the switch
    Ini_Dispose(ini);
    EXPECT_FALSE(GemPruefen_Eingeschaltet());

    // A window made after the switch was turned off shows it off (and on again with the others).
    const int spaeter = LoadPanel(0, "Plm1SteuerungGui.uir", KURVPANEL);
    ASSERT_GT(spaeter, 0);
    const int spaeterLeiste = GetPanelMenuBar(spaeter);
    const int spaeterItem = GemPruefen_MenuEintragHinzufuegen(spaeter, MENUKURVEN_DATEI);
    ASSERT_GT(spaeterItem, 0);
    int haken = -1;
    EXPECT_EQ(GetMenuBarAttribute(spaeterLeiste, spaeterItem, ATTR_CHECKED, &haken), 0);
    EXPECT_EQ(haken, 0);
    // Any number but 0 is on; what is no number leaves the switch as it is.
    const struct {
        const char* wert;
        bool vorher, nachher;
    } werte[] = {
        {"2", false, true}, {"-1", false, true}, {"0", true, false}, {"x", false, false}, {"x", true, true}};
    for (const auto& w : werte) {
        SCOPED_TRACE(w.wert);
        GemPruefen_Einschalten(w.vorher);
        const std::string text = std::string("[konfig]\npruefen = ") + w.wert + "\n";
        ini = Ini_New(1);
        ASSERT_EQ(Ini_ReadFromBuffer(ini, text.data(), text.size()), 0);
        EXPECT_EQ(KurvenMain_ReadIni(ini), 0);
        Ini_Dispose(ini);
        EXPECT_EQ(GemPruefen_Eingeschaltet(), w.nachher);
        EXPECT_EQ(aktion->isChecked(), w.nachher);
    }
    GemPruefen_Einschalten(true);
    EXPECT_EQ(GetMenuBarAttribute(spaeterLeiste, spaeterItem, ATTR_CHECKED, &haken), 0);
    EXPECT_EQ(haken, 1);
    DiscardPanel(spaeter);
}

// A stroke that changes the curves marks the cycle as changed; one that changes nothing does not.
TEST_F(KurvenFenster, CanvasStrokeMarksTheCycleChanged) {
    const std::filesystem::path pfad =
        std::filesystem::temp_directory_path() /
        ("kurvenfenster_strich_" + std::to_string(QCoreApplication::applicationPid()) + ".plk");
    ASSERT_EQ(KurvenDatei_SpeichernNach(pfad.string()), 0);
    std::filesystem::remove(pfad);
    const std::string name = "Zyklus-Programmierung - [" + pfad.filename().string();
    ASSERT_EQ(titel(), name + "]");
    const int kanal = Kurvenarrays_VentilKanal(2);
    const int control = Canvas_KanalControl(kanal);
    klicken(control, mitteVon(3), 5, Qt::RightButton); // clears step 3, which is 0 already
    EXPECT_EQ(titel(), name + "]");
    druecken(control, mitteVon(2), 5);
    ziehen(control, mitteVon(5), 5);
    EXPECT_EQ(titel(), name + "]"); // marked when the stroke ends
    loslassen(control, mitteVon(5), 5);
    EXPECT_EQ(titel(), name + " *]");
    EXPECT_GT(std::count(gKurven[kanal].values.begin(), gKurven[kanal].values.end(), 1), 0);
}

TEST_F(KurvenFenster, ScrollBarUnderRealMouseScrollsTheCanvasesOnRelease) {
    gKurveneckdaten[KE_ANZAHLSCHRITTE] = 120;
    ASSERT_EQ(Kurven_KurvenlaengenAendern(120), 0);
    QWidget* w = UI_CtrlWidget(panel, KURVPANEL_SCROLLBAR);
    ASSERT_NE(w, nullptr);
    auto senden = [&](QEvent::Type typ, int x, Qt::MouseButton knopf, Qt::MouseButtons gehalten) {
        const QPointF p(x, w->height() / 2);
        QMouseEvent e(typ, p, w->mapToGlobal(p), knopf, gehalten, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    };
    // The maximum-end button steps once; the curves follow when the mouse is released.
    senden(QEvent::MouseButtonPress, w->width() - 6, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(scrollAttr(SCROLLBAR_ATTR_POSITION), 1);
    EXPECT_EQ(gKurvenCanvas[0].first, 0);
    senden(QEvent::MouseButtonRelease, w->width() - 6, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(gKurvenCanvas[0].first, 1);
    // Dragging the thumb to the end jumps there at once.
    const ScrollBarInfo* s = GetScrollBarPtr(panel, KURVPANEL_SCROLLBAR);
    ASSERT_NE(s, nullptr);
    const int mitte = (s->thumbHigh + s->thumbLow) / 2;
    senden(QEvent::MouseButtonPress, mitte, Qt::LeftButton, Qt::LeftButton);
    senden(QEvent::MouseMove, w->width() - 20, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(scrollAttr(SCROLLBAR_ATTR_POSITION), 70);
    EXPECT_EQ(gKurvenCanvas[0].first, 70);
    senden(QEvent::MouseButtonRelease, w->width() - 20, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(gKurvenCanvas[12].first, 70);
    std::string label1;
    GetCtrlVal(panel, KURVPANEL_TEXT_ZEITACHSE_LABEL1, &label1);
    EXPECT_EQ(label1, "70");
}

// Every edit is one step: undo gives back the file image from before it, redo the one after, with
// controls, canvases, the title's star and the dimmed "Bearbeiten" items following.
TEST_F(KurvenFenster, UndoAndRedoGiveTheCycleBackByteForByte) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string vorlage = dir.filePath("vorlage.plk").toStdString();
    const int leiste = GetPanelMenuBar(panel);
    auto dimmed = [&](int item) {
        int v = -1;
        EXPECT_EQ(GetMenuBarAttribute(leiste, item, ATTR_DIMMED, &v), 0);
        return v;
    };
    auto menu = [&](int item) {
        QAction* a = UI_MenuAktion(leiste, item);
        ASSERT_NE(a, nullptr);
        a->trigger();
    };
    const int v2 = Canvas_KanalControl(Kurvenarrays_VentilKanal(2));
    const int p1 = Canvas_KanalControl(Kurvenarrays_PumpenKanal(1));
    struct Fall {
        const char* name;
        std::function<void()> bearbeiten;
    };
    const Fall faelle[] = {
        {"Strich Ventil",
         [&] {
             druecken(v2, mitteVon(2), 5);
             ziehen(v2, mitteVon(4), 5);
             ziehen(v2, mitteVon(9), 5);
             loslassen(v2, mitteVon(9), 5);
         }},
        {"Strich Pumpe",
         [&] {
             druecken(p1, mitteVon(1), 10);
             ziehen(p1, mitteVon(7), 90);
             loslassen(p1, mitteVon(7), 90);
         }},
        {"Strich rechts loescht",
         [&] {
             druecken(p1, mitteVon(12), 50, Qt::RightButton);
             ziehen(p1, mitteVon(16), 50, Qt::RightButton);
             loslassen(p1, mitteVon(16), 50, Qt::RightButton);
         }},
        {"Schritte kuerzen", [&] { eingeben(KURVPANEL_ANZAHLSCHRITTE, 5); }},
        {"Schritte verlaengern", [&] { eingeben(KURVPANEL_ANZAHLSCHRITTE, 130); }},
        {"Grenze", [&] { eingeben(KURVPANEL_DRUCKHIGH1, 700); }},
        {"Grenze ein", [&] { eingeben(KURVPANEL_DRUCKLOW2CHECK, 1); }},
        {"Zyklen", [&] { eingeben(KURVPANEL_ZYKLEN, 9); }},
        {"ohne Ende", [&] { eingeben(KURVPANEL_ZYKLENUNBEGRENZT, 1); }},
    };
    // A saved 20-step cycle with values in every step, so that shortening drops some.
    gKurveneckdaten[KE_ANZAHLSCHRITTE] = 20;
    ASSERT_EQ(Kurven_KurvenlaengenAendern(20), 0);
    for (int k = 0; k < KURVEN_ANZAHL; ++k)
        for (int i = 0; i < 20; ++i)
            gKurven[k].values[i] = Canvas_IstVentildiagramm(k) ? (i + k) % 2 : 10 * ((i + k) % 11) - 50;
    gKurveneckdaten[KE_DRUCKHIGH1] = 300;
    ASSERT_EQ(KurvenDatei_SpeichernNach(vorlage), 0);
    UI_DateiauswahlSetzen([&](const DateiauswahlAnfrage&) { return vorlage; });
    const std::string sauber = "Zyklus-Programmierung - [vorlage.plk]";

    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        menu(MENUKURVEN_DATEI_LADEN); // a fresh history
        ASSERT_EQ(gKurven[0].count, 20);
        const auto vorher = dateibild();
        const auto bilderVorher = canvasBilder();
        EXPECT_EQ(dimmed(MENUKURVEN_BEARBEITEN_RUECKGAENGIG), 1);
        EXPECT_EQ(dimmed(MENUKURVEN_BEARBEITEN_WIEDERHOLEN), 1);

        f.bearbeiten();
        const auto nachher = dateibild();
        ASSERT_NE(nachher, vorher);
        EXPECT_EQ(titel(), "Zyklus-Programmierung - [vorlage.plk *]");
        EXPECT_EQ(dimmed(MENUKURVEN_BEARBEITEN_RUECKGAENGIG), 0);
        EXPECT_EQ(dimmed(MENUKURVEN_BEARBEITEN_WIEDERHOLEN), 1);

        for (int runde = 0; runde < 2; ++runde) {
            menu(MENUKURVEN_BEARBEITEN_RUECKGAENGIG);
            EXPECT_EQ(dateibild(), vorher) << runde;
            EXPECT_TRUE(canvasBilder() == bilderVorher) << runde;
            for (int i = 0; i < KURVENECKDATEN_ANZAHL; ++i)
                EXPECT_EQ(ctrlWert(gKurvencontrols[i]), gKurveneckdaten[i]) << i;
            EXPECT_EQ(attribut(KURVPANEL_DRUCKLOW2, ATTR_DIMMED), 1);
            EXPECT_EQ(attribut(KURVPANEL_ZYKLEN, ATTR_DIMMED), 0);
            EXPECT_EQ(titel(), sauber);
            EXPECT_FALSE(KurvenDatei_IstGeaendert());
            EXPECT_EQ(dimmed(MENUKURVEN_BEARBEITEN_RUECKGAENGIG), 1);
            EXPECT_EQ(dimmed(MENUKURVEN_BEARBEITEN_WIEDERHOLEN), 0);

            menu(MENUKURVEN_BEARBEITEN_WIEDERHOLEN);
            EXPECT_EQ(dateibild(), nachher) << runde;
            for (int i = 0; i < KURVENECKDATEN_ANZAHL; ++i)
                EXPECT_EQ(ctrlWert(gKurvencontrols[i]), gKurveneckdaten[i]) << i;
            EXPECT_EQ(titel(), "Zyklus-Programmierung - [vorlage.plk *]");
            EXPECT_EQ(dimmed(MENUKURVEN_BEARBEITEN_RUECKGAENGIG), 0);
            EXPECT_EQ(dimmed(MENUKURVEN_BEARBEITEN_WIEDERHOLEN), 1);
        }
    }
    UI_DateiauswahlSetzen(nullptr);
    EXPECT_TRUE(gefangeneMeldungen().empty());
}

// Several steps go back one by one; the star follows the saved state wherever it lies; an edit after an
// undo drops what could have been redone; "Neu", loading and a download start a fresh history.
TEST_F(KurvenFenster, HistoryFollowsTheSavedStateAndStartsAfresh) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string pfad = dir.filePath("zwei.plk").toStdString();
    const int leiste = GetPanelMenuBar(panel);
    auto dimmed = [&](int item) {
        int v = -1;
        EXPECT_EQ(GetMenuBarAttribute(leiste, item, ATTR_DIMMED, &v), 0);
        return v;
    };
    auto rueck = [&] { Menu_Kurven_Bearbeiten(leiste, MENUKURVEN_BEARBEITEN_RUECKGAENGIG, nullptr, panel); };
    auto vor = [&] { Menu_Kurven_Bearbeiten(leiste, MENUKURVEN_BEARBEITEN_WIEDERHOLEN, nullptr, panel); };
    const auto leer = dateibild();
    eingeben(KURVPANEL_ZYKLEN, 3);
    const auto eins = dateibild();
    EXPECT_EQ(titel(), "Zyklus-Programmierung - [Unbenannt *]");
    eingeben(KURVPANEL_ANZAHLSCHRITTE, 4);
    const auto zwei = dateibild();
    ASSERT_EQ(KurvenDatei_SpeichernNach(pfad), 0);
    EXPECT_EQ(titel(), "Zyklus-Programmierung - [zwei.plk]");
    rueck();
    EXPECT_EQ(dateibild(), eins);
    EXPECT_EQ(titel(), "Zyklus-Programmierung - [zwei.plk *]");
    rueck();
    EXPECT_EQ(dateibild(), leer);
    EXPECT_EQ(dimmed(MENUKURVEN_BEARBEITEN_RUECKGAENGIG), 1);
    rueck(); // nothing left: nothing changes
    EXPECT_EQ(dateibild(), leer);
    vor();
    vor();
    EXPECT_EQ(dateibild(), zwei);
    EXPECT_EQ(titel(), "Zyklus-Programmierung - [zwei.plk]");
    EXPECT_EQ(dimmed(MENUKURVEN_BEARBEITEN_WIEDERHOLEN), 1);
    rueck();
    eingeben(KURVPANEL_ZYKLEN, 8); // a new edit after an undo: the saved state can no longer be reached
    EXPECT_EQ(dimmed(MENUKURVEN_BEARBEITEN_WIEDERHOLEN), 1);
    rueck();
    EXPECT_EQ(dateibild(), eins);
    EXPECT_EQ(titel(), "Zyklus-Programmierung - [zwei.plk *]");

    enum class Neustart { Neu, Laden, Download };
    UI_DateiauswahlSetzen([&](const DateiauswahlAnfrage&) { return pfad; });
    for (const Neustart n : {Neustart::Neu, Neustart::Laden, Neustart::Download}) {
        SCOPED_TRACE(static_cast<int>(n));
        eingeben(KURVPANEL_DRUCKHIGH2, 500);
        EXPECT_EQ(dimmed(MENUKURVEN_BEARBEITEN_RUECKGAENGIG), 0);
        switch (n) {
        case Neustart::Neu:
            Menu_Kurven_Datei(leiste, MENUKURVEN_DATEI_NEU, nullptr, panel);
            break;
        case Neustart::Laden:
            Menu_Kurven_Datei(leiste, MENUKURVEN_DATEI_LADEN, nullptr, panel);
            break;
        case Neustart::Download: // no unit: the read fails, the cycle stays and no longer has a file
            Callback_Kurven_Buttons(panel, KURVPANEL_DOWNLOAD, EVENT_COMMIT, nullptr, 0, 0);
            break;
        }
        const auto frisch = dateibild();
        EXPECT_EQ(dimmed(MENUKURVEN_BEARBEITEN_RUECKGAENGIG), 1);
        EXPECT_EQ(dimmed(MENUKURVEN_BEARBEITEN_WIEDERHOLEN), 1);
        rueck();
        EXPECT_EQ(dateibild(), frisch);
        EXPECT_FALSE(KurvenDatei_IstGeaendert());
    }
    UI_DateiauswahlSetzen(nullptr);
}

// While the mouse is held on a canvas, undo waits: the stroke becomes a step only when it ends.
TEST_F(KurvenFenster, UndoDuringAStrokeWaitsForItsEnd) {
    const int leiste = GetPanelMenuBar(panel);
    const int v5 = Canvas_KanalControl(Kurvenarrays_VentilKanal(5));
    const auto leer = dateibild();
    eingeben(KURVPANEL_ZYKLEN, 4);
    const auto vorStrich = dateibild();
    druecken(v5, mitteVon(1), 5);
    ziehen(v5, mitteVon(3), 5);
    Menu_Kurven_Bearbeiten(leiste, MENUKURVEN_BEARBEITEN_RUECKGAENGIG, nullptr, panel);
    ziehen(v5, mitteVon(6), 5);
    loslassen(v5, mitteVon(6), 5);
    const auto strich = dateibild();
    EXPECT_EQ(std::count(gKurven[Kurvenarrays_VentilKanal(5)].values.begin(),
                         gKurven[Kurvenarrays_VentilKanal(5)].values.end(), 1),
              6); // every step the stroke passed, 1 to 6: one undo step
    Menu_Kurven_Bearbeiten(leiste, MENUKURVEN_BEARBEITEN_RUECKGAENGIG, nullptr, panel);
    EXPECT_EQ(dateibild(), vorStrich);
    Menu_Kurven_Bearbeiten(leiste, MENUKURVEN_BEARBEITEN_RUECKGAENGIG, nullptr, panel);
    EXPECT_EQ(dateibild(), leer);
    Menu_Kurven_Bearbeiten(leiste, MENUKURVEN_BEARBEITEN_WIEDERHOLEN, nullptr, panel);
    Menu_Kurven_Bearbeiten(leiste, MENUKURVEN_BEARBEITEN_WIEDERHOLEN, nullptr, panel);
    EXPECT_EQ(dateibild(), strich);

    // A stroke whose release never came, then a committed control: the stroke is one step, the control
    // another, and undo takes them back one by one at once.
    Menu_Kurven_Datei(leiste, MENUKURVEN_DATEI_NEU, nullptr, panel);
    druecken(v5, mitteVon(2), 5);
    ziehen(v5, mitteVon(4), 5);
    const auto ohneLoslassen = dateibild();
    ASSERT_NE(ohneLoslassen, leer);
    eingeben(KURVPANEL_ZYKLEN, 6);
    ASSERT_NE(dateibild(), ohneLoslassen);
    Menu_Kurven_Bearbeiten(leiste, MENUKURVEN_BEARBEITEN_RUECKGAENGIG, nullptr, panel);
    EXPECT_EQ(dateibild(), ohneLoslassen);
    Menu_Kurven_Bearbeiten(leiste, MENUKURVEN_BEARBEITEN_RUECKGAENGIG, nullptr, panel);
    EXPECT_EQ(dateibild(), leer);
    EXPECT_FALSE(KurvenDatei_IstGeaendert());
}
