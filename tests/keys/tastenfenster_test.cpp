// The key window offscreen: value correction of the pump fields, dimming of the limits, the title with its
// star, hidden valves keeping their values, and DOWNLOAD leaving the table unnamed.

#include "device/Vkr_Com.h"
#include "keys/Tasten_Com.h"
#include "keys/Tasten_Datei.h"
#include "keys/Tasten_Dateibild.h"
#include "keys/Tasten_Main.h"
#include "keys/Tasten_Userinterface.h"
#include "platform/files/le_bytes.h"
#include "platform/line/rs232.h"
#include "platform/ui/ui.h"
#include "platform/ui/ui_fragen.h"
#include "platform/ui/ui_test.h"
#include "resources/Plm1SteuerungGui.h"
#include "shell/Plm1_Beenden.h"
#include "shell/Plm1_GemeinsameFunktionen.h"
#include "sim/plm1sim_server.h"
#include "tests/common/testdatei.h"
#include "valves/Konfig_Main.h"
#include "valves/Konfigarray.h"

#include <QAbstractButton>
#include <QAction>
#include <QDoubleSpinBox>
#include <QWidget>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <unistd.h>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

class TastenFensterTest : public ::testing::Test {
  protected:
    static inline int panel = 0;
    fs::path dir;
    std::string antwort;
    std::vector<std::string> popups;

    static void SetUpTestSuite() {
        GemFunc_Initialisieren();
        VkrCom_Zuruecksetzen();
        Konfigarray_Initialisieren();
        ASSERT_EQ(TastenMain_Initialisieren(), 0);
        panel = tastenPanelHandle;
    }
    static void TearDownTestSuite() { TastenMain_Freigeben(); }

    void SetUp() override {
        ASSERT_GT(panel, 0);
        dir = fs::temp_directory_path() / ("tasten_fenster_" + std::to_string(::getpid()));
        fs::create_directories(dir);
        UI_DateiauswahlSetzen([this](const DateiauswahlAnfrage&) { return antwort; });
        UI_MeldungsabfangSetzen([this](const std::string& t, const std::string&) { popups.push_back(t); });
        // Unsaved work left by one test is dropped by the next one's "Neu" without a box.
        UI_FrageabfangSetzen([](const std::string&, const std::string&) { return UI_ANTWORT_VERWERFEN; });
        Konfigarray_Initialisieren();
        TastenMain_KonfigUebernehmen();
        Menu_Tasten_Datei(0, MENUTASTEN_DATEI_NEU, nullptr, panel);
    }
    void TearDown() override {
        UI_DateiauswahlSetzen(nullptr);
        UI_MeldungsabfangSetzen(nullptr);
        fs::remove_all(dir);
    }

    static int ctrl(int taste, int feld) { return gTastencontrols[taste][feld]; }
    static int wert(int taste, int feld) {
        int v = -12345;
        GetCtrlVal(panel, ctrl(taste, feld), &v);
        return v;
    }
    static int attribut(int taste, int feld, int attr) {
        int v = -1;
        GetCtrlAttribute(panel, ctrl(taste, feld), attr, &v);
        return v;
    }
    // What a committed edit does: the control's new value, then its callback.
    static void eingeben(int taste, int feld, int v) {
        SetCtrlVal(panel, ctrl(taste, feld), v);
        Callback_Tasten_Controls(panel, ctrl(taste, feld), EVENT_COMMIT, nullptr, 0, 0);
    }
    static std::string titel() {
        std::string t;
        GetPanelAttribute(panel, ATTR_TITLE, &t);
        return t;
    }
    static void knopf(int id) { Callback_Tasten_Buttons(panel, id, EVENT_COMMIT, nullptr, 0, 0); }
    // The bytes the file writer would produce for the table in memory.
    static std::vector<unsigned char> dateibild() {
        std::vector<unsigned char> b(TASTENDATEI_GROESSE);
        TastenDatei_BildErstellen(gTaste, b.data());
        return b;
    }
    static int gedimmt(int item) {
        int v = -1;
        EXPECT_EQ(GetMenuBarAttribute(GetPanelMenuBar(panel), item, ATTR_DIMMED, &v), 0);
        return v;
    }
    // A "Bearbeiten" item chosen as the operator would.
    static void bearbeiten(int item) {
        QAction* a = UI_MenuAktion(GetPanelMenuBar(panel), item);
        ASSERT_NE(a, nullptr);
        a->trigger();
    }
};

TEST_F(TastenFensterTest, PumpValuesSnapAndJumpOverTheDeadBand) {
    struct Fall {
        int alt, getippt, erwartet;
    };
    const Fall faelle[] = {
        {0, 14, 30},   {50, 14, 0},     {0, -14, -30},  {-60, -14, 0}, {0, -25, -30},
        {0, 250, 100}, {0, 45, 50},     {0, -45, -50},  {30, 20, 0},   {0, 4, 0},
        {-30, -20, 0}, {0, -250, -100}, {100, 96, 100}, {40, 34, 30},
    };
    for (int feld : {TASTE_PUMPE1, TASTE_PUMPE2})
        for (const Fall& f : faelle) {
            eingeben(6, feld, f.alt);
            ASSERT_EQ(gTaste[6][feld], f.alt);
            eingeben(6, feld, f.getippt);
            EXPECT_EQ(wert(6, feld), f.erwartet) << f.alt << " -> " << f.getippt;
            EXPECT_EQ(gTaste[6][feld], f.erwartet) << f.alt << " -> " << f.getippt;
        }
}

// The callbacks are bound by name when the panel loads: edits on the widgets themselves reach gTaste.
TEST_F(TastenFensterTest, EditsThroughTheWidgetsReachTheTable) {
    auto* pumpe = qobject_cast<QDoubleSpinBox*>(UI_CtrlWidget(panel, ctrl(5, TASTE_PUMPE2)));
    ASSERT_NE(pumpe, nullptr);
    pumpe->stepUp(); // 0 -> 10, corrected over the dead band
    EXPECT_EQ(gTaste[5][TASTE_PUMPE2], 30);
    EXPECT_EQ(pumpe->value(), 30.0);
    pumpe->stepDown(); // 30 -> 20 -> 0
    EXPECT_EQ(gTaste[5][TASTE_PUMPE2], 0);

    auto* ventil = qobject_cast<QAbstractButton*>(UI_CtrlWidget(panel, ctrl(8, TASTE_VENTIL1 + 10)));
    ASSERT_NE(ventil, nullptr);
    ventil->click();
    EXPECT_EQ(gTaste[8][TASTE_VENTIL1 + 10], 1);
    auto* grenze = qobject_cast<QAbstractButton*>(UI_CtrlWidget(panel, ctrl(0, TASTE_DRUCK2CHECKB)));
    ASSERT_NE(grenze, nullptr);
    grenze->click();
    EXPECT_EQ(gTaste[0][TASTE_DRUCK2CHECKB], 1);
    EXPECT_EQ(attribut(0, TASTE_DRUCK2, ATTR_DIMMED), 0);
    EXPECT_TRUE(TastenDatei_IstGeaendert());
}

TEST_F(TastenFensterTest, UncheckedLimitIsDimmedAndKeepsItsValue) {
    EXPECT_EQ(attribut(2, TASTE_DRUCK1, ATTR_DIMMED), 1);
    eingeben(2, TASTE_DRUCK1CHECKB, 1);
    EXPECT_EQ(attribut(2, TASTE_DRUCK1, ATTR_DIMMED), 0);
    EXPECT_EQ(attribut(2, TASTE_DRUCK2, ATTR_DIMMED), 1);
    eingeben(2, TASTE_DRUCK1, 450);
    eingeben(2, TASTE_DRUCK1CHECKB, 0);
    EXPECT_EQ(attribut(2, TASTE_DRUCK1, ATTR_DIMMED), 1);
    EXPECT_EQ(wert(2, TASTE_DRUCK1), 450);
    EXPECT_EQ(gTaste[2][TASTE_DRUCK1], 450);
    eingeben(2, TASTE_DRUCK1CHECKB, 1);
    EXPECT_EQ(attribut(2, TASTE_DRUCK1, ATTR_DIMMED), 0);
    EXPECT_EQ(wert(2, TASTE_DRUCK1), 450);
}

TEST_F(TastenFensterTest, TitleShowsTheFileAndAStarAfterAnEdit) {
    std::vector<unsigned char> dateibildPuffer(TASTENDATEI_GROESSE);
    EXPECT_EQ(titel(), "Tasten-Programmierung - [Unbenannt]");
    eingeben(0, TASTE_ZEIT1, 12);
    EXPECT_EQ(titel(), "Tasten-Programmierung - [Unbenannt *]");
    antwort = (dir / "Hub.plt").string();
    Menu_Tasten_Datei(0, MENUTASTEN_DATEI_SPEICHERNUNTER, nullptr, panel);
    EXPECT_EQ(titel(), "Tasten-Programmierung - [Hub.plt]");
    eingeben(0, TASTE_ZEIT1, 13);
    EXPECT_EQ(titel(), "Tasten-Programmierung - [Hub.plt *]");
    knopf(TASTPANEL_LADEN);
    EXPECT_EQ(titel(), "Tasten-Programmierung - [Hub.plt]");
    EXPECT_EQ(wert(0, TASTE_ZEIT1), 12);
    EXPECT_TRUE(popups.empty());
    // A failed load keeps everything and reports the code in a popup.
    antwort = (dir / "fehlt.plt").string();
    knopf(TASTPANEL_LADEN);
    EXPECT_EQ(popups.size(), 1u);
    EXPECT_EQ(titel(), "Tasten-Programmierung - [Hub.plt]");

    // A file with values outside their ranges loads with each brought into range, the table marked as
    // changed and a note naming what was changed.
    TastenTabelle weit{};
    weit[2][TASTE_DRUCK1] = 99999;
    weit[8][TASTE_ZEIT2] = -1;
    weit[0][TASTE_ZEIT1] = 7;
    TastenDatei_BildErstellen(weit, dateibildPuffer.data());
    std::ofstream(dir / "weit.plt", std::ios::binary)
        .write(reinterpret_cast<const char*>(dateibildPuffer.data()), TASTENDATEI_GROESSE);
    std::string hinweis;
    UI_MeldungsabfangSetzen(
        [&](const std::string& t, const std::string& text) { hinweis += t + ": " + text; });
    antwort = (dir / "weit.plt").string();
    knopf(TASTPANEL_LADEN);
    EXPECT_EQ(hinweis, "Werte angepasst: Werte außerhalb ihres Bereichs wurden angepasst:\n"
                       "Taste 3, DRUCK1: 99999 \xE2\x86\x92 1000\nTaste 9, ZEIT2: -1 \xE2\x86\x92 0\n");
    EXPECT_EQ(gTaste[2][TASTE_DRUCK1], 1000);
    EXPECT_EQ(wert(2, TASTE_DRUCK1), 1000);
    EXPECT_EQ(gTaste[8][TASTE_ZEIT2], 0);
    EXPECT_EQ(gTaste[0][TASTE_ZEIT1], 7);
    EXPECT_EQ(titel(), "Tasten-Programmierung - [weit.plt *]");
    // A file within every range loads without a note and unchanged.
    hinweis.clear();
    antwort = (dir / "Hub.plt").string();
    knopf(TASTPANEL_LADEN);
    EXPECT_EQ(hinweis, "");
    EXPECT_EQ(titel(), "Tasten-Programmierung - [Hub.plt]");
}

// "Neu", "Laden...", "Download" and closing ask first when the table has unsaved changes; each answer is
// followed as given, and cancelling leaves everything as it was.
TEST_F(TastenFensterTest, UnsavedWorkIsNeverDroppedSilently) {
    const std::string gespeichert = (dir / "gespeichert.plt").string();
    const std::string vorlage = (dir / "vorlage.plt").string();
    eingeben(4, TASTE_ZEIT2, 77);
    ASSERT_EQ(TastenDatei_InDateiSchreiben(vorlage, gTaste), 0);

    enum class Aktion { Neu, Laden, Download, Schliessen };
    for (const Aktion aktion : {Aktion::Neu, Aktion::Laden, Aktion::Download, Aktion::Schliessen})
        // The fourth answer is "Speichern" with the save dialog cancelled: nothing goes ahead then.
        for (const int wahl :
             {int{UI_ANTWORT_SPEICHERN}, int{UI_ANTWORT_VERWERFEN}, int{UI_ANTWORT_ABBRECHEN}, -1}) {
            const bool dialogAbgebrochen = wahl < 0;
            const int a = dialogAbgebrochen ? int{UI_ANTWORT_SPEICHERN} : wahl;
            SCOPED_TRACE(testing::Message() << "Aktion " << static_cast<int>(aktion) << ", Antwort " << a
                                            << (dialogAbgebrochen ? ", Dialog abgebrochen" : ""));
            popups.clear();
            Menu_Tasten_Datei(0, MENUTASTEN_DATEI_NEU, nullptr, panel);
            fs::remove(gespeichert);
            eingeben(4, TASTE_ZEIT2, 55);
            ASSERT_TRUE(TastenDatei_IstGeaendert());
            int fragen = 0;
            UI_FrageabfangSetzen([&](const std::string& t, const std::string& text) {
                ++fragen;
                EXPECT_EQ(t, "Tasten-Programmierung");
                EXPECT_EQ(text,
                          "Die Tastenbelegung wurde geändert.\nSollen die Änderungen gespeichert werden?");
                return a;
            });
            UI_DateiauswahlSetzen([&](const DateiauswahlAnfrage& anfrage) {
                if (anfrage.knopf != VAL_SAVE_BUTTON) return vorlage;
                return dialogAbgebrochen ? std::string() : gespeichert;
            });
            bool beendet = false;
            switch (aktion) {
            case Aktion::Neu:
                Menu_Tasten_Datei(0, MENUTASTEN_DATEI_NEU, nullptr, panel);
                break;
            case Aktion::Laden:
                Menu_Tasten_Datei(0, MENUTASTEN_DATEI_LADEN, nullptr, panel);
                break;
            case Aktion::Download:
                knopf(TASTPANEL_DOWNLOAD);
                break;
            case Aktion::Schliessen:
                beendet = Beenden_Anfordern();
                if (beendet) RunUserInterface(); // takes up the pending quit
                break;
            }
            UI_FrageabfangSetzen([](const std::string&, const std::string&) { return UI_ANTWORT_VERWERFEN; });
            UI_DateiauswahlSetzen([this](const DateiauswahlAnfrage&) { return antwort; });

            EXPECT_EQ(fragen, 1);
            const bool speichern = a == UI_ANTWORT_SPEICHERN && !dialogAbgebrochen;
            EXPECT_EQ(fs::exists(gespeichert), speichern);
            if (dialogAbgebrochen) {
                EXPECT_TRUE(popups.empty()) << "a cancelled dialog is no error";
            }
            if (speichern) {
                TastenTabelle t{};
                ASSERT_EQ(TastenDatei_AusDateiLesen(gespeichert, t), 0);
                EXPECT_EQ(t[4][TASTE_ZEIT2], 55);
            }
            const bool weiter = a != UI_ANTWORT_ABBRECHEN && !dialogAbgebrochen;
            switch (aktion) {
            case Aktion::Neu:
                EXPECT_EQ(gTaste[4][TASTE_ZEIT2], weiter ? 0 : 55);
                break;
            case Aktion::Laden:
                EXPECT_EQ(gTaste[4][TASTE_ZEIT2], weiter ? 77 : 55);
                break;
            case Aktion::Download: // no unit: the read fails, yet the table no longer belongs to a file
                EXPECT_EQ(TastenDatei_IstGeaendert(), !weiter);
                EXPECT_EQ(gTaste[4][TASTE_ZEIT2], 55);
                break;
            case Aktion::Schliessen:
                EXPECT_EQ(beendet, weiter);
                break;
            }
            if (!weiter) {
                EXPECT_TRUE(TastenDatei_IstGeaendert());
            }
        }
}

TEST_F(TastenFensterTest, HiddenValvesKeepTheirValues) {
    for (int n = 0; n < TASTEN_ANZAHL; ++n)
        gTaste[n][TASTE_VENTIL1 + 3] = 1;
    TastenGui_ArrayToGui();
    gKonfig[3] = VENTILART_NV;
    TastenMain_KonfigUebernehmen();
    for (int n = 0; n < TASTEN_ANZAHL; ++n) {
        EXPECT_EQ(attribut(n, TASTE_VENTIL1 + 3, ATTR_VISIBLE), 0) << n;
        EXPECT_EQ(attribut(n, TASTE_VENTIL1 + 2, ATTR_VISIBLE), 1) << n;
    }
    int sichtbar = -1;
    GetCtrlAttribute(panel, TASTPANEL_VENTILNAME4, ATTR_VISIBLE, &sichtbar);
    EXPECT_EQ(sichtbar, 0); // the row's name goes with its switches
    GetCtrlAttribute(panel, TASTPANEL_VENTILNAME3, ATTR_VISIBLE, &sichtbar);
    EXPECT_EQ(sichtbar, 1);
    eingeben(4, TASTE_VENTIL1, 1); // any edit reads all controls back
    for (int n = 0; n < TASTEN_ANZAHL; ++n)
        EXPECT_EQ(gTaste[n][TASTE_VENTIL1 + 3], 1) << n;
    antwort = (dir / "nv.plt").string();
    Menu_Tasten_Datei(0, MENUTASTEN_DATEI_SPEICHERN, nullptr, panel);
    const std::vector<unsigned char> d = testdatei::bytesLesen(antwort);
    ASSERT_EQ(d.size(), 720u);
    EXPECT_EQ(le32_lesen(&d[36 + 76 * 8 + 4 * 3]), 1);
    gKonfig[3] = VENTILART_NC;
    TastenMain_KonfigUebernehmen();
    EXPECT_EQ(attribut(8, TASTE_VENTIL1 + 3, ATTR_VISIBLE), 1);
    GetCtrlAttribute(panel, TASTPANEL_VENTILNAME4, ATTR_VISIBLE, &sichtbar);
    EXPECT_EQ(sichtbar, 1);
    EXPECT_EQ(wert(8, TASTE_VENTIL1 + 3), 1);
}

TEST_F(TastenFensterTest, DownloadLeavesTheTableUnnamedEvenWhenTheReadFails) {
    antwort = (dir / "Hub.plt").string();
    Menu_Tasten_Datei(0, MENUTASTEN_DATEI_SPEICHERN, nullptr, panel);
    eingeben(1, TASTE_ZEIT2, 5);
    ASSERT_EQ(titel(), "Tasten-Programmierung - [Hub.plt *]");

    // No port open: the error controls show the failure, the table stays, the name goes.
    knopf(TASTPANEL_DOWNLOAD);
    EXPECT_EQ(titel(), "Tasten-Programmierung - [Unbenannt]");
    EXPECT_FALSE(TastenDatei_IstGeaendert());
    EXPECT_EQ(gTaste[1][TASTE_ZEIT2], 5);
    int nummer = 0;
    GetCtrlVal(panel, TASTPANEL_FEHLERNUMMER, &nummer);
    EXPECT_EQ(nummer, FEHLER_BLOCK_LESEN_KEIN_PORT);

    // From the simulated unit the keys arrive in the controls.
    plm1sim::Server server;
    ASSERT_TRUE(server.starten());
    Rs232_GeraetepfadSetzen(4, server.pfad());
    ASSERT_EQ(VkrCom_Open(4), 0);
    std::vector<std::uint8_t> speicher(TASTENSPEICHER_GROESSE);
    const Ventilarten nc = {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
    for (int n = 0; n < TASTEN_ANZAHL; ++n) {
        TastenEintrag t{};
        t[TASTE_PUMPE1] = -60;
        t[TASTE_DRUCK1CHECKB] = 1;
        t[TASTE_DRUCK1] = -300 - n;
        t[TASTE_ZEIT2] = 400 + n;
        TastenBlock_Kodieren(t, nc, false, &speicher[20 * n]);
    }
    server.bus().speicherSetzen('1', 0, speicher);
    eingeben(1, TASTE_ZEIT2, 6);
    knopf(TASTPANEL_DOWNLOAD);
    EXPECT_EQ(titel(), "Tasten-Programmierung - [Unbenannt]");
    EXPECT_EQ(wert(8, TASTE_ZEIT2), 408);
    EXPECT_EQ(wert(3, TASTE_PUMPE1), -60);
    EXPECT_EQ(wert(3, TASTE_DRUCK1), -303);
    EXPECT_EQ(attribut(3, TASTE_DRUCK1, ATTR_DIMMED), 0);
    GetCtrlVal(panel, TASTPANEL_FEHLERNUMMER, &nummer);
    EXPECT_EQ(nummer, 0);
    EXPECT_TRUE(popups.empty());
    VkrCom_Zuruecksetzen();
    Rs232_GeraetepfadSetzen(4, "");
}

// All nine keys fit a 1280x800 screen; with PLM1_SCREENSHOT_TASTEN set the window is also written there as
// PNG.
TEST_F(TastenFensterTest, WindowFitsTheScreenAndRenders) {
    QWidget* w = UI_PanelWidget(panel);
    ASSERT_NE(w, nullptr);
    EXPECT_LE(w->width(), 1280);
    EXPECT_LE(w->height(), 800 - 60); // title bar and task bar
    for (int k = 0; k < TASTEN_FELDER; ++k) {
        QWidget* c = UI_CtrlWidget(panel, ctrl(8, k));
        ASSERT_NE(c, nullptr);
        const QRect r(c->mapTo(w, QPoint(0, 0)), c->size());
        EXPECT_TRUE(w->rect().contains(r)) << k;
    }
    for (int n = 0; n < TASTEN_ANZAHL; ++n) {
        gTaste[n][TASTE_VENTIL1 + (n % 11)] = 1;
        gTaste[n][TASTE_VENTIL1 + ((n * 3 + 5) % 11)] = 1;
        gTaste[n][TASTE_PUMPE1] = n % 3 == 1 ? -40 - 10 * n / 2 : (n % 3 == 0 ? 30 + 10 * n : 0);
        gTaste[n][TASTE_PUMPE2] = n % 2 ? 100 : -60;
        gTaste[n][TASTE_DRUCK1CHECKB] = n % 2;
        gTaste[n][TASTE_DRUCK1] = gTaste[n][TASTE_PUMPE1] < 0 ? -250 : 600;
        gTaste[n][TASTE_DRUCK2CHECKB] = n % 3 == 0;
        gTaste[n][TASTE_DRUCK2] = n % 2 ? 900 : -800;
        gTaste[n][TASTE_ZEIT1] = 10 * (n + 1);
        gTaste[n][TASTE_ZEIT2] = 500 - 25 * n;
    }
    TastenGui_ArrayToGui();
    antwort = (dir / "Hub.plt").string();
    Menu_Tasten_Datei(0, MENUTASTEN_DATEI_SPEICHERN, nullptr, panel);
    eingeben(0, TASTE_ZEIT1, 15);
    const char* ziel = std::getenv("PLM1_SCREENSHOT_TASTEN");
    const std::string png = ziel ? ziel : (dir / "tasten.png").string();
    EXPECT_GT(UI_PanelAlsPngSpeichern(panel, png), 0);
    EXPECT_GT(fs::file_size(png), 1000u);
}

// Every committed edit is one step: undo gives back the file image from before it, redo the one after,
// with the controls, their dimming, the title's star and the "Bearbeiten" items following.
TEST_F(TastenFensterTest, UndoAndRedoGiveTheTableBackByteForByte) {
    struct Fall {
        const char* name;
        std::function<void()> bearbeiten;
        int taste, feld; // a field whose control shows the change
    };
    const Fall faelle[] = {
        {"Zeit", [] { eingeben(0, TASTE_ZEIT1, 12); }, 0, TASTE_ZEIT1},
        {"Pumpe ueber das Totband", [] { eingeben(3, TASTE_PUMPE1, 14); }, 3, TASTE_PUMPE1},
        {"Ventil", [] { eingeben(8, TASTE_VENTIL1 + 10, 0); }, 8, TASTE_VENTIL1 + 10},
        {"Grenze ein", [] { eingeben(2, TASTE_DRUCK2CHECKB, 1); }, 2, TASTE_DRUCK2CHECKB},
        {"Grenze", [] { eingeben(6, TASTE_DRUCK1, -350); }, 6, TASTE_DRUCK1},
        {"Schalter am Widget",
         [] {
             auto* v = qobject_cast<QAbstractButton*>(UI_CtrlWidget(panel, ctrl(4, TASTE_VENTIL1 + 2)));
             ASSERT_NE(v, nullptr);
             v->click();
         },
         4, TASTE_VENTIL1 + 2},
    };
    // A saved table with a value in every key.
    for (int n = 0; n < TASTEN_ANZAHL; ++n) {
        gTaste[n][TASTE_VENTIL1 + 10] = 1;
        gTaste[n][TASTE_PUMPE1] = 0;
        gTaste[n][TASTE_DRUCK1] = 400 + n;
        gTaste[n][TASTE_ZEIT1] = n + 1;
    }
    antwort = (dir / "Vorlage.plt").string();
    ASSERT_EQ(TastenDatei_InDateiSchreiben(antwort, gTaste), 0);
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        knopf(TASTPANEL_LADEN); // a fresh history
        EXPECT_EQ(titel(), "Tasten-Programmierung - [Vorlage.plt]");
        const auto vorher = dateibild();
        const int wertVorher = wert(f.taste, f.feld);
        EXPECT_EQ(gedimmt(MENUTASTEN_BEARBEITEN_RUECKGAENGIG), 1);
        EXPECT_EQ(gedimmt(MENUTASTEN_BEARBEITEN_WIEDERHOLEN), 1);

        f.bearbeiten();
        const auto nachher = dateibild();
        const int wertNachher = wert(f.taste, f.feld);
        ASSERT_NE(nachher, vorher);
        ASSERT_NE(wertNachher, wertVorher);
        EXPECT_EQ(titel(), "Tasten-Programmierung - [Vorlage.plt *]");
        EXPECT_EQ(gedimmt(MENUTASTEN_BEARBEITEN_RUECKGAENGIG), 0);
        EXPECT_EQ(gedimmt(MENUTASTEN_BEARBEITEN_WIEDERHOLEN), 1);
        for (int runde = 0; runde < 2; ++runde) {
            bearbeiten(MENUTASTEN_BEARBEITEN_RUECKGAENGIG);
            EXPECT_EQ(dateibild(), vorher) << runde;
            EXPECT_EQ(wert(f.taste, f.feld), wertVorher);
            EXPECT_EQ(attribut(2, TASTE_DRUCK2, ATTR_DIMMED), 1);
            EXPECT_EQ(titel(), "Tasten-Programmierung - [Vorlage.plt]");
            EXPECT_FALSE(TastenDatei_IstGeaendert());
            EXPECT_EQ(gedimmt(MENUTASTEN_BEARBEITEN_RUECKGAENGIG), 1);
            EXPECT_EQ(gedimmt(MENUTASTEN_BEARBEITEN_WIEDERHOLEN), 0);
            bearbeiten(MENUTASTEN_BEARBEITEN_WIEDERHOLEN);
            EXPECT_EQ(dateibild(), nachher) << runde;
            EXPECT_EQ(wert(f.taste, f.feld), wertNachher);
            EXPECT_EQ(titel(), "Tasten-Programmierung - [Vorlage.plt *]");
            EXPECT_EQ(gedimmt(MENUTASTEN_BEARBEITEN_RUECKGAENGIG), 0);
            EXPECT_EQ(gedimmt(MENUTASTEN_BEARBEITEN_WIEDERHOLEN), 1);
        }
    }
    // The pump correction after an undo starts from the restored value, not the undone one.
    knopf(TASTPANEL_LADEN);
    eingeben(1, TASTE_PUMPE2, 60);
    bearbeiten(MENUTASTEN_BEARBEITEN_RUECKGAENGIG);
    eingeben(1, TASTE_PUMPE2, 14);
    EXPECT_EQ(gTaste[1][TASTE_PUMPE2], 30);
    EXPECT_TRUE(popups.empty());
}

// Saving moves the clean state; "Neu", loading and a download start a fresh history.
TEST_F(TastenFensterTest, HistoryFollowsTheSavedStateAndStartsAfresh) {
    const auto leer = dateibild();
    eingeben(5, TASTE_ZEIT2, 9);
    EXPECT_EQ(titel(), "Tasten-Programmierung - [Unbenannt *]");
    eingeben(5, TASTE_ZEIT2, 10);
    antwort = (dir / "Zwei.plt").string();
    Menu_Tasten_Datei(0, MENUTASTEN_DATEI_SPEICHERN, nullptr, panel);
    EXPECT_EQ(titel(), "Tasten-Programmierung - [Zwei.plt]");
    bearbeiten(MENUTASTEN_BEARBEITEN_RUECKGAENGIG);
    EXPECT_EQ(gTaste[5][TASTE_ZEIT2], 9);
    EXPECT_EQ(titel(), "Tasten-Programmierung - [Zwei.plt *]");
    bearbeiten(MENUTASTEN_BEARBEITEN_RUECKGAENGIG);
    EXPECT_EQ(dateibild(), leer);
    bearbeiten(MENUTASTEN_BEARBEITEN_WIEDERHOLEN);
    bearbeiten(MENUTASTEN_BEARBEITEN_WIEDERHOLEN);
    EXPECT_EQ(titel(), "Tasten-Programmierung - [Zwei.plt]");
    // A field committed with the value it has already is no edit: no step, no star.
    for (const auto& [taste, feld] : {std::pair{5, TASTE_ZEIT2}, std::pair{0, TASTE_PUMPE1}}) {
        eingeben(taste, feld, wert(taste, feld));
        EXPECT_EQ(titel(), "Tasten-Programmierung - [Zwei.plt]") << taste;
        EXPECT_FALSE(TastenDatei_IstGeaendert()) << taste;
        EXPECT_EQ(gedimmt(MENUTASTEN_BEARBEITEN_WIEDERHOLEN), 1) << taste;
        bearbeiten(MENUTASTEN_BEARBEITEN_RUECKGAENGIG);
        EXPECT_EQ(gTaste[5][TASTE_ZEIT2], 9) << taste << ": the undo takes the last real edit back";
        bearbeiten(MENUTASTEN_BEARBEITEN_WIEDERHOLEN);
    }

    // The history holds the newest 200 steps: the oldest edit can no longer be undone, and with it gone the
    // saved state is out of reach, so the star stays.
    for (int i = 1; i <= 201; ++i)
        eingeben(6, TASTE_ZEIT1, i);
    for (int i = 0; i < 199; ++i)
        bearbeiten(MENUTASTEN_BEARBEITEN_RUECKGAENGIG);
    EXPECT_EQ(gedimmt(MENUTASTEN_BEARBEITEN_RUECKGAENGIG), 0);
    bearbeiten(MENUTASTEN_BEARBEITEN_RUECKGAENGIG);
    EXPECT_EQ(gedimmt(MENUTASTEN_BEARBEITEN_RUECKGAENGIG), 1);
    EXPECT_EQ(gTaste[6][TASTE_ZEIT1], 1);
    EXPECT_EQ(titel(), "Tasten-Programmierung - [Zwei.plt *]");
    for (int i = 0; i < 200; ++i)
        bearbeiten(MENUTASTEN_BEARBEITEN_WIEDERHOLEN);
    EXPECT_EQ(gTaste[6][TASTE_ZEIT1], 201);
    EXPECT_EQ(gedimmt(MENUTASTEN_BEARBEITEN_WIEDERHOLEN), 1);

    enum class Neustart { Neu, Laden, Download };
    for (const Neustart n : {Neustart::Neu, Neustart::Laden, Neustart::Download}) {
        SCOPED_TRACE(static_cast<int>(n));
        eingeben(7, TASTE_ZEIT1, 33);
        EXPECT_EQ(gedimmt(MENUTASTEN_BEARBEITEN_RUECKGAENGIG), 0);
        switch (n) {
        case Neustart::Neu:
            Menu_Tasten_Datei(0, MENUTASTEN_DATEI_NEU, nullptr, panel);
            break;
        case Neustart::Laden:
            knopf(TASTPANEL_LADEN);
            break;
        case Neustart::Download: // no unit: the read fails, the table stays and no longer has a file
            knopf(TASTPANEL_DOWNLOAD);
            break;
        }
        const auto frisch = dateibild();
        EXPECT_EQ(gedimmt(MENUTASTEN_BEARBEITEN_RUECKGAENGIG), 1);
        EXPECT_EQ(gedimmt(MENUTASTEN_BEARBEITEN_WIEDERHOLEN), 1);
        bearbeiten(MENUTASTEN_BEARBEITEN_RUECKGAENGIG);
        EXPECT_EQ(dateibild(), frisch);
        EXPECT_FALSE(TastenDatei_IstGeaendert());
    }
}

} // namespace
