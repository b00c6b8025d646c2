// The program in English: every text of every window and menu differs from the German one unless it
// reads the same in both, the popup texts, the error texts, and the language from the settings file, the
// "Sprache / Language" menu and the environment.

#include "shell_hilfen.h"

#include "cycle/Kurven_Com.h"
#include "cycle/Kurven_Pruefen.h"
#include "cycle/Kurven_Schutz.h"
#include "device/Gemeinsam_Com.h"
#include "device/Gemeinsam_Mehrere.h"
#include "device/Gemeinsam_Pruefen.h"
#include "device/Gemeinsam_Vergleich.h"
#include "device/Wertebereich.h"
#include "device/vkrplm1_antwort.h"
#include "errors/VKR_errorV3.h"
#include "keys/Tasten_Bereich.h"
#include "keys/Tasten_Com.h"
#include "keys/Tasten_Schutz.h"
#include "platform/files/datei_sicher.h"
#include "platform/line/rs232_portliste.h"
#include "platform/sprache/sprache.h"
#include "platform/sprache/textmarke.h"
#include "platform/ui/ui_fragen.h"
#include "platform/ui/ui_widgets.h"
#include "valves/Konfig_Sprache.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>

#include <cstdlib>
#include <optional>

namespace {

// Sets environment variables for one test and puts back what was there.
class Umgebung {
  public:
    void setzen(const char* name, const char* wert) {
        if (!alt_.count(name)) {
            const char* vorher = std::getenv(name);
            alt_[name] = vorher ? std::optional<std::string>(vorher) : std::nullopt;
        }
        if (wert)
            setenv(name, wert, 1);
        else
            unsetenv(name);
    }
    ~Umgebung() {
        for (const auto& [name, wert] : alt_)
            if (wert)
                setenv(name.c_str(), wert->c_str(), 1);
            else
                unsetenv(name.c_str());
    }

  private:
    std::map<std::string, std::optional<std::string>> alt_;
};

// Texts that read the same in both languages.
bool gleichInBeiden(const QString& t) {
    static const QStringList gleich = {"PLM-1",
                                       "Info",
                                       "Status",
                                       "Monitor",
                                       "Download",
                                       "Upload",
                                       "Version",
                                       "OK",
                                       "ok",
                                       "NO",
                                       "NC",
                                       "V 1.0",
                                       "7/2009",
                                       "Deutsch",
                                       "English",
                                       QString::fromUtf8(KONFIGSPRACHE_TITEL),
                                       QString::fromUtf8(KONFIGSPRACHE_HINWEIS)};
    static const QRegularExpression muster(QStringLiteral("^(V\\d+|COM \\d+|\\d+ min|-?[\\d.,]*)$"));
    return gleich.contains(t) || muster.match(t).hasMatch();
}

// Every text a window shows: title, menus and their items, buttons and switches, labels, frames, ring
// items, tool tips; in the order the window holds them.
QStringList fenstertexte(int panel) {
    QWidget* fenster = UI_PanelWidget(panel);
    QStringList t{fenster->windowTitle()};
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        t << w->toolTip();
        if (auto* s = dynamic_cast<uiint::SchalterWidget*>(w)) t << s->textAn << s->textAus;
        if (auto* b = qobject_cast<QAbstractButton*>(w)) t << b->text();
        if (auto* l = qobject_cast<QLabel*>(w)) t << l->text();
        if (auto* g = qobject_cast<QGroupBox*>(w)) t << g->title();
        if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i)
                t << c->itemText(i);
    }
    for (QAction* a : fenster->findChildren<QAction*>())
        t << a->text();
    t.removeAll(QString());
    return t;
}

std::vector<int> allePanels() {
    std::vector<int> p{GemFunc_MainpanelGet()};
    for (const char* name : {"Zyklus", "Tasten", "Direktbetrieb", "PLM-1 Einstellungen"})
        p.push_back(panelNamens(name));
    return p;
}

class Sprachen : public ProgrammBank {
  protected:
    void TearDown() override {
        Sprache_Einstellen(Sprache::Deutsch);
        VKR_Fehlersprache(1);
        ProgrammBank::TearDown();
    }

    // The texts of every window (and the info popup) in a run of the program in this language.
    std::vector<QStringList> alleTexte(const char* sprache, const std::function<void()>& dazu = {}) {
        umgebung.setzen("PLM1_SPRACHE", sprache);
        std::vector<QStringList> texte;
        EXPECT_EQ(starten({},
                          [&] {
                              for (int p : allePanels())
                                  texte.push_back(fenstertexte(p));
                              if (dazu) dazu();
                              QuitUserInterface(0);
                          }),
                  0);
        return texte;
    }

    Umgebung umgebung;
};

TEST_F(Sprachen, JederFenstertextIstUebersetzt) {
    // Texts the code puts together from a sentence and its values: German as it was, English whole.
    const struct {
        std::string deutsch, englisch;
        std::function<std::string()> satz;
    } zusammengesetzt[] = {
        {"Taste 2, ZEIT1: 700 (erlaubt 0 bis 500)", "Key 2, ZEIT1: 700 (allowed 0 to 500)",
         [] {
             return Wertebereich_Text(TastenBereich_Ort(1, TASTE_ZEIT1), 700,
                                      TastenBereich_Feld(TASTE_ZEIT1));
         }},
        {"Werte außerhalb ihres Bereichs wurden angepasst:\na\nb\n… und 1 weitere\n",
         "Values outside their range have been adjusted:\na\nb\n… and 1 more\n",
         [] { return Wertebereich_Hinweis("a\nb\nc\n", 2); }},
        {"Adresse 0x0010 (Kopf)", "Address 0x0010 (header)",
         [] { return KurvenPruefen_OrtBeschreiben(0x10); }},
        {"Adresse 0x1234 (x, invertierte Kopie)", "Address 0x1234 (x, inverted copy)",
         [] { return GemVergleich_OrtText(0x1234, "x", true); }},
        {"-100 bis 100", "-100 to 100", [] { return VKRPLM1_Wertebereich("pumpe1"); }},
        {"0 oder 1", "0 or 1", [] { return VKRPLM1_Wertebereich("ventil3"); }},
        {"/dev/ttyS0 wird von einem anderen Programm benutzt", "/dev/ttyS0 is in use by another program",
         [] { return Rs232_BelegtHinweis("/dev/ttyS0"); }},
        {"Ziel ist ein Ordner", "target is a folder",
         [] {
             std::string grund;
             (void)Datei_ZielPruefen("/", &grund);
             return grund;
         }},
        {"a.plk existiert bereits. Ersetzen?", "a.plk already exists. Replace it?",
         [] {
             return Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "%1 existiert bereits. Ersetzen?"), "a.plk");
         }},
    };
    for (const auto& z : zusammengesetzt)
        EXPECT_EQ(z.satz(), z.deutsch);
    einstellungenSchreiben("[konfig]\r\n");
    const std::vector<QStringList> deutsch = alleTexte("de");
    EXPECT_EQ(Sprache_Aktuell(), Sprache::Deutsch);
    std::vector<std::string> fehler;
    const std::vector<QStringList> englisch = alleTexte("en", [&] {
        EXPECT_EQ(Sprache_Aktuell(), Sprache::Englisch);
        // The popups' own texts, as they are raised.
        for (const char* t :
             {KURVENCOM_SPEICHERFEHLER_TEXT, KURVENCOM_WARNUNG_TITEL, KURVENCOM_WARNUNG_TEXT,
              KURVENSCHUTZ_FRAGE, TASTENSCHUTZ_FRAGE, TASTEN_SPEICHERFEHLER_TITEL,
              TASTEN_SPEICHERFEHLER_SCHLUSS, GEMMEHRERE_TITEL, GEMMEHRERE_HINWEIS, GEMMEHRERE_KEINE_GERAETE,
              GEMPRUEFEN_STATUS, WERTEBEREICH_HINWEIS_TITEL, UI_TITEL_ERSETZEN, UI_KNOPF_SPEICHERN,
              UI_KNOPF_VERWERFEN, UI_KNOPF_ABBRECHEN, "Daten senden", "Daten lesen", "Daten prüfen"})
            if (Sprache_Text(t) == QString::fromUtf8(t)) fehler.push_back(t);
        for (const auto& z : zusammengesetzt)
            EXPECT_EQ(z.satz(), z.englisch);
        // Put together from a number, and lines added to a message.
        EXPECT_EQ(Sprache_Text("Suche nach Gerät 7"), "Searching for device 7");
        EXPECT_EQ(Sprache_Text("Taste 3: Speicher ungültig\nSpeicher im PLM-1 ist ungültig."),
                  "Key 3: memory invalid\nThe memory of the PLM-1 is invalid.");
        EXPECT_EQ(Sprache_Text("zyklus.plk"), "zyklus.plk"); // a name stays as it is
        // The error table speaks English too.
        EXPECT_STREQ(VKR_Fehlermeldung(FEHLER_ID_KEIN_PORT), "COM-port not open");
        VKR_Fehlerpopup(FEHLER_ID_KEIN_PORT);
    });
    ASSERT_EQ(englisch.size(), deutsch.size());
    for (std::size_t f = 0; f < deutsch.size(); ++f) {
        ASSERT_EQ(englisch[f].size(), deutsch[f].size()) << deutsch[f].join('|').toStdString();
        for (qsizetype i = 0; i < deutsch[f].size(); ++i)
            if (englisch[f][i] == deutsch[f][i] && !gleichInBeiden(deutsch[f][i]))
                fehler.push_back(deutsch[f][i].toStdString());
    }
    EXPECT_TRUE(fehler.empty()) << "untranslated: " << ::testing::PrintToString(fehler);
    ASSERT_FALSE(popups.empty());
    EXPECT_EQ(popups.back().first, "Error #122304");
}

TEST_F(Sprachen, SpracheAusEinstellungenMenueUndUmgebung) {
    umgebung.setzen("PLM1_SPRACHE", nullptr);
    umgebung.setzen("LC_ALL", nullptr);
    umgebung.setzen("LC_MESSAGES", nullptr);
    umgebung.setzen("LANG", "en_US.UTF-8");
    // No key: the locale decides; the menu's choice is noted and kept in the file.
    einstellungenSchreiben("[konfig]\r\nadresse = 49\r\n");
    Sprache waehrend = Sprache::Deutsch;
    ASSERT_EQ(starten({},
                      [&] {
                          waehrend = Sprache_Aktuell();
                          const int konfig = panelNamens("PLM-1 Einstellungen");
                          QAction* deutsch = fensterEintrag(konfig, "Deutsch");
                          ASSERT_NE(deutsch, nullptr);
                          EXPECT_TRUE(fensterEintrag(konfig, "English")->isChecked());
                          popups.clear(); // the start-up popup names the keys the file lacks
                          deutsch->trigger();
                          EXPECT_TRUE(deutsch->isChecked());
                          QuitUserInterface(0);
                      }),
              0);
    EXPECT_EQ(waehrend, Sprache::Englisch);
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_EQ(popups[0].first, KONFIGSPRACHE_TITEL);
    EXPECT_NE(einstellungen().find("sprache = 1\r\n"), std::string::npos) << einstellungen();

    // The key beats the locale at the next start; a choice of the language already shown says nothing.
    ASSERT_EQ(starten({},
                      [&] {
                          waehrend = Sprache_Aktuell();
                          popups.clear();
                          fensterEintrag(panelNamens("PLM-1 Einstellungen"), "Deutsch")->trigger();
                          QuitUserInterface(0);
                      }),
              0);
    EXPECT_EQ(waehrend, Sprache::Deutsch);
    EXPECT_TRUE(popups.empty());

    // The environment: PLM1_SPRACHE, then LC_ALL, LC_MESSAGES, LANG (the first one set); "de..." German.
    const struct {
        const char *vorgabe, *lcAll, *lcMessages, *lang;
        Sprache erwartet;
    } zeilen[] = {
        {nullptr, nullptr, nullptr, "C", Sprache::Englisch},
        {nullptr, nullptr, nullptr, "C.UTF-8", Sprache::Englisch},
        {nullptr, nullptr, nullptr, "de_DE.UTF-8", Sprache::Deutsch},
        {nullptr, nullptr, nullptr, "de_AT", Sprache::Deutsch},
        {nullptr, nullptr, nullptr, "fr_FR.UTF-8", Sprache::Englisch},
        {nullptr, nullptr, nullptr, nullptr, Sprache::Englisch},
        {nullptr, "C", nullptr, "de_DE.UTF-8", Sprache::Englisch},
        {nullptr, nullptr, "de_CH.UTF-8", "en_GB.UTF-8", Sprache::Deutsch},
        {nullptr, "", "", "de_DE.UTF-8", Sprache::Deutsch},
        {"de", nullptr, nullptr, "C", Sprache::Deutsch},
        {"en", "de_DE.UTF-8", nullptr, nullptr, Sprache::Englisch},
    };
    for (const auto& z : zeilen) {
        umgebung.setzen("PLM1_SPRACHE", z.vorgabe);
        umgebung.setzen("LC_ALL", z.lcAll);
        umgebung.setzen("LC_MESSAGES", z.lcMessages);
        umgebung.setzen("LANG", z.lang);
        EXPECT_EQ(Sprache_AusUmgebung(), z.erwartet) << (z.lang ? z.lang : "-");
    }
}

} // namespace
