// The *.plk file: sizes, round trip, every load failure with nothing changed, dialogs, titles, failed saves.

#include "hilfen.h"

#include "cycle/Kurven_Bereich.h"

#include "errors/VKR_errorV3.h"
#include "platform/files/le_bytes.h"
#include "platform/ui/ui_melden.h"
#include "resources/Plm1SteuerungGui.h"

#include <csignal>
#include <sys/resource.h>

using namespace zyklus_test;
namespace fs = std::filesystem;

namespace {

// A cycle worth saving: pattern values with negative pumps, limits kept while unchecked.
void beispielzyklus(int n) {
    frischesModell(n);
    musterFuellen();
    gKurven[0].values[0] = -100;
    gKurven[1].values[n - 1] = -30;
    const int32_t eck[KURVENECKDATEN_ANZAHL] = {1, 0, 0, 1, 1500, -700, -1200, 250, 77, 1, n};
    std::copy(eck, eck + KURVENECKDATEN_ANZAHL, gKurveneckdaten);
}

struct Dateiwahl {
    std::vector<DateiauswahlAnfrage> anfragen;
    std::string antwort;
    Dateiwahl() {
        UI_DateiauswahlSetzen([this](const DateiauswahlAnfrage& a) {
            anfragen.push_back(a);
            return antwort;
        });
    }
    ~Dateiwahl() { UI_DateiauswahlSetzen(nullptr); }
};

} // namespace

TEST(KurvenDatei, GroesseUndKopfFuerZehnUndSechshundertSchritte) {
    const auto dir = tempVerzeichnis();
    for (const auto& [n, groesse] : {std::pair{10, 704}, std::pair{600, 31384}}) {
        beispielzyklus(n);
        const auto pfad = (dir / ("z" + std::to_string(n) + ".plk")).string();
        ASSERT_EQ(KurvenDatei_SpeichernNach(pfad), KEIN_FEHLER);
        const auto b = bytesLesen(pfad);
        ASSERT_EQ(b.size(), static_cast<size_t>(groesse));
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(b.data())), "VKRPLM1 Kurven");
        for (int i = 15; i < 32; ++i)
            EXPECT_EQ(b[i], 0) << i;
        EXPECT_EQ(le32_lesen(&b[32]), 1);
        for (int i = 0; i < KURVENECKDATEN_ANZAHL; ++i)
            EXPECT_EQ(le32_lesen(&b[36 + 4 * i]), gKurveneckdaten[i]);
        for (int k = 0; k < KURVEN_ANZAHL; ++k) {
            EXPECT_EQ(le32_lesen(&b[80 + 8 * k]), n);
            EXPECT_EQ(le32_lesen(&b[84 + 8 * k]), 0);
        }
        // Channel 0 first, step 0 first; the last value is channel 12, step n-1.
        EXPECT_EQ(le32_lesen(&b[184]), -100);
        EXPECT_EQ(le32_lesen(&b[184 + 4 * (2 * n - 1)]), -30);
        EXPECT_EQ(le32_lesen(&b[groesse - 4]), gKurven[12].values[n - 1]);
    }
}

TEST(KurvenDatei, SpeichernUndLadenGebenAllesZurueck) {
    const auto dir = tempVerzeichnis();
    // The shortest cycle, one step, as well.
    for (const int n : {1, 37}) {
        beispielzyklus(n);
        const Abbild vorher = abbild();
        const auto pfad = (dir / ("Druck" + std::to_string(n) + ".plk")).string();
        ASSERT_EQ(KurvenDatei_SpeichernNach(pfad), KEIN_FEHLER) << n;
        frischesModell(3);
        ASSERT_EQ(KurvenDatei_LadenAus(pfad), KEIN_FEHLER) << n;
        EXPECT_EQ(abbild(), vorher) << n;
    }
    const auto pfad = (dir / "Druck.plk").string();
    beispielzyklus(37);
    const Abbild vorher = abbild();
    ASSERT_EQ(KurvenDatei_SpeichernNach(pfad), KEIN_FEHLER);
    frischesModell(3);
    KurvenDatei_WurdeGeaendert();
    ASSERT_EQ(KurvenDatei_LadenAus(pfad), KEIN_FEHLER);
    EXPECT_EQ(abbild(), vorher);
    EXPECT_EQ(gKurveneckdaten[KE_DRUCKHIGH2], -700); // unchecked limits keep their numbers
    EXPECT_EQ(gKurveneckdaten[KE_ZYKLEN], 77);
    EXPECT_EQ(KurvenDatei_PfadGet(), pfad);
    EXPECT_FALSE(KurvenDatei_IstGeaendert());
    EXPECT_EQ(KurvenDatei_Fenstertitel(), "Zyklus-Programmierung - [Druck.plk]");
    KurvenDatei_WurdeGeaendert();
    EXPECT_EQ(KurvenDatei_Fenstertitel(), "Zyklus-Programmierung - [Druck.plk *]");

    // A check word other than 0 loads as set (as the window shows it and the unit gets it); a run count is
    // taken as it stands: the range table refuses it for sending and brings it into 1..65535 for the window.
    for (const auto& [zyklen, eingepasst] : {std::pair{0, 1}, std::pair{65536, 65535}, std::pair{-5, 1},
                                             std::pair{300, 300}, std::pair{65535, 65535}}) {
        auto bild = KurvenDatei_BildErstellen(gKurveneckdaten, gKurven);
        le32_setzen(&bild[36 + 4 * KE_DRUCKHIGH2CHECK], 2);
        le32_setzen(&bild[36 + 4 * KE_ZYKLENUNBEGRENZT], -1);
        le32_setzen(&bild[36 + 4 * KE_ZYKLEN], zyklen);
        bytesSchreiben(dir / "werte.plk", bild);
        ASSERT_EQ(KurvenDatei_LadenAus((dir / "werte.plk").string()), KEIN_FEHLER);
        EXPECT_EQ(gKurveneckdaten[KE_DRUCKHIGH2CHECK], 1);
        EXPECT_EQ(gKurveneckdaten[KE_ZYKLENUNBEGRENZT], 1);
        EXPECT_EQ(gKurveneckdaten[KE_ZYKLEN], zyklen);
        EXPECT_EQ(KurvenBereich_Pruefen(gKurveneckdaten, gKurven), KEIN_FEHLER); // without end: not sent
        gKurveneckdaten[KE_ZYKLENUNBEGRENZT] = 0;
        const Fehlercode code = KurvenBereich_Pruefen(gKurveneckdaten, gKurven);
        EXPECT_EQ(code, zyklen == eingepasst ? KEIN_FEHLER : FEHLER_KURVEN_WERT_BEREICH) << zyklen;
        if (code != KEIN_FEHLER) (void)VKR_Fehlermeldung(code); // uses up the extra text
        const std::string zeilen = KurvenBereich_Einpassen(gKurveneckdaten, gKurven);
        EXPECT_EQ(gKurveneckdaten[KE_ZYKLEN], eingepasst) << zyklen;
        EXPECT_EQ(zeilen.empty(), zyklen == eingepasst) << zeilen;
    }
}

// Every value the unit takes in a 16-bit field has its range; a value outside it is named for the refusal
// and brought to the nearest end of the range for the window (valves: any value but 0 is open).
TEST(KurvenDatei, WerteAusserhalbIhresBereichs) {
    struct Fall {
        const char* name;
        int eckdatum, kanal, schritt; // eckdatum -1: a curve value
        int32_t wert, eingepasst;
        std::string text;
    };
    const Fall faelle[] = {
        {"Grenze 70000", KE_DRUCKHIGH1, 0, 0, 70000, 2000, "DRUCKHIGH1: 70000 (erlaubt -2000 bis 2000)"},
        {"Grenze -70000", KE_DRUCKLOW2, 0, 0, -70000, -2000, "DRUCKLOW2: -70000 (erlaubt -2000 bis 2000)"},
        {"Grenze 2001", KE_DRUCKHIGH2, 0, 0, 2001, 2000, "DRUCKHIGH2: 2001 (erlaubt -2000 bis 2000)"},
        {"Grenze -2000", KE_DRUCKLOW1, 0, 0, -2000, -2000, ""},
        {"Zyklen 70000", KE_ZYKLEN, 0, 0, 70000, 65535, "ZYKLEN: 70000 (erlaubt 1 bis 65535)"},
        {"Pumpe 1000", -1, 0, 3, 1000, 100, "Schritt 4, Pumpe 1: 1000 (erlaubt -100 bis 100)"},
        {"Pumpe -101", -1, 1, 0, -101, -100, "Schritt 1, Pumpe 2: -101 (erlaubt -100 bis 100)"},
        {"Pumpe 100", -1, 1, 0, 100, 100, ""},
        {"Ventil 3 mit 2", -1, 4, 2, 2, 1, "Schritt 3, Ventil 3: 2 (erlaubt 0 bis 1)"},
        {"Ventil 11 mit -1", -1, 12, 9, -1, 1, "Schritt 10, Ventil 11: -1 (erlaubt 0 bis 1)"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        frischesModell(10);
        for (const int check : {KE_DRUCKHIGH1CHECK, KE_DRUCKHIGH2CHECK, KE_DRUCKLOW1CHECK, KE_DRUCKLOW2CHECK})
            gKurveneckdaten[check] = 1;
        int32_t& wert = f.eckdatum >= 0 ? gKurveneckdaten[f.eckdatum]
                                        : gKurven[f.kanal].values[static_cast<std::size_t>(f.schritt)];
        wert = f.wert;
        const Fehlercode code = KurvenBereich_Pruefen(gKurveneckdaten, gKurven);
        EXPECT_EQ(code, f.text.empty() ? KEIN_FEHLER : FEHLER_KURVEN_WERT_BEREICH);
        if (code != KEIN_FEHLER) {
            EXPECT_EQ(std::string(VKR_Fehlermeldung(code)), "Parameter außerhalb der Grenzwerte\n" + f.text);
        }
        const std::string zeilen = KurvenBereich_Einpassen(gKurveneckdaten, gKurven);
        EXPECT_EQ(wert, f.eingepasst);
        EXPECT_EQ(zeilen.empty(), f.text.empty()) << zeilen;
        EXPECT_EQ(KurvenBereich_Pruefen(gKurveneckdaten, gKurven), KEIN_FEHLER);
    }
    // A limit without its check word is not sent and may keep any number; the window still brings it in.
    frischesModell(10);
    gKurveneckdaten[KE_DRUCKLOW1] = -70000;
    EXPECT_EQ(KurvenBereich_Pruefen(gKurveneckdaten, gKurven), KEIN_FEHLER);
    EXPECT_EQ(KurvenBereich_Einpassen(gKurveneckdaten, gKurven), "DRUCKLOW1: -70000 \xE2\x86\x92 -2000\n");
}

TEST(KurvenDatei, ZusaetzlicheBytesWerdenIgnoriert) {
    const auto dir = tempVerzeichnis();
    beispielzyklus(10);
    const Abbild vorher = abbild();
    auto bild = KurvenDatei_BildErstellen(gKurveneckdaten, gKurven);
    bild.insert(bild.end(), {1, 2, 3, 4, 5, 6, 7});
    bytesSchreiben(dir / "lang.plk", bild);
    frischesModell(5);
    ASSERT_EQ(KurvenDatei_LadenAus((dir / "lang.plk").string()), KEIN_FEHLER);
    EXPECT_EQ(abbild(), vorher);
}

// Every load failure: the code, and model, path and changed flag exactly as before.
TEST(KurvenDatei, JederLadefehlerLaesstAllesWieEsWar) {
    const auto dir = tempVerzeichnis();
    beispielzyklus(10);
    const auto gut = KurvenDatei_BildErstellen(gKurveneckdaten, gKurven);
    struct Fall {
        const char* name;
        std::function<void(std::vector<unsigned char>&)> aendern;
        Fehlercode code;
    };
    const Fall faelle[] = {
        {"leer", [](auto& b) { b.clear(); }, FEHLER_KURVENDATEI_ZU_KURZ},
        {"183 Bytes", [](auto& b) { b.resize(183); }, FEHLER_KURVENDATEI_ZU_KURZ},
        {"Tastendatei", [](auto& b) { std::copy_n("VKRPLM1 Tasten", 15, b.begin()); },
         FEHLER_KURVENDATEI_TYP},
        {"Tag ohne Null", [](auto& b) { b[14] = 'X'; }, FEHLER_KURVENDATEI_TYP},
        {"Tag gekuerzt", [](auto& b) { b[12] = 0; }, FEHLER_KURVENDATEI_TYP},
        {"Kopf nur Nullen", [](auto& b) { std::fill_n(b.begin(), 36, 0); }, FEHLER_KURVENDATEI_TYP},
        {"Version 2", [](auto& b) { le32_setzen(&b[32], 2); }, FEHLER_KURVENDATEI_VERSION},
        {"0 Schritte", [](auto& b) { le32_setzen(&b[76], 0); }, FEHLER_KURVENDATEI_SCHRITTE},
        {"601 Schritte", [](auto& b) { le32_setzen(&b[76], 601); }, FEHLER_KURVENDATEI_SCHRITTE},
        {"negativ", [](auto& b) { le32_setzen(&b[76], INT32_MIN); }, FEHLER_KURVENDATEI_SCHRITTE},
        {"dritter Kanal 9", [](auto& b) { le32_setzen(&b[80 + 16], 9); }, FEHLER_KURVENDATEI_KANALLAENGE},
        {"letzter Kanal 11", [](auto& b) { le32_setzen(&b[80 + 96], 11); }, FEHLER_KURVENDATEI_KANALLAENGE},
        {"endet in den Werten", [](auto& b) { b.resize(b.size() - 1); }, FEHLER_KURVENDATEI_WERTE_FEHLEN},
        {"nur Kopf", [](auto& b) { b.resize(184); }, FEHLER_KURVENDATEI_WERTE_FEHLEN},
        {"mehr Schritte als Werte",
         [](auto& b) {
             le32_setzen(&b[76], 11);
             for (int k = 0; k < 13; ++k)
                 le32_setzen(&b[80 + 8 * k], 11);
         },
         FEHLER_KURVENDATEI_WERTE_FEHLEN},
    };
    const auto fremd = (dir / "alt.plk").string();
    ASSERT_EQ(KurvenDatei_SpeichernNach(fremd), KEIN_FEHLER);
    musterFuellen();
    gKurven[5].values[3] = 1234; // differs from every file below
    KurvenDatei_WurdeGeaendert();
    const Abbild vorher = abbild();
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        auto b = gut;
        f.aendern(b);
        const auto pfad = dir / "kaputt.plk";
        bytesSchreiben(pfad, b);
        EXPECT_EQ(KurvenDatei_LadenAus(pfad.string()), f.code);
        VKR_Fehleruserstring("");
        EXPECT_EQ(abbild(), vorher);
        EXPECT_EQ(KurvenDatei_PfadGet(), fremd);
        EXPECT_TRUE(KurvenDatei_IstGeaendert());
    }
    EXPECT_EQ(KurvenDatei_LadenAus((dir / "fehlt.plk").string()), FEHLER_KURVENDATEI_OEFFNEN);
    EXPECT_EQ(abbild(), vorher);
}

TEST(KurvenDatei, FalscheVersionNenntGefundeneUndErwarteteVersion) {
    const auto dir = tempVerzeichnis();
    beispielzyklus(10);
    auto b = KurvenDatei_BildErstellen(gKurveneckdaten, gKurven);
    le32_setzen(&b[32], 2);
    bytesSchreiben(dir / "v2.plk", b);
    ASSERT_EQ(KurvenDatei_LadenAus((dir / "v2.plk").string()), FEHLER_KURVENDATEI_VERSION);
    EXPECT_NE(std::string(VKR_Fehlermeldung(FEHLER_KURVENDATEI_VERSION)).find("V 2 (erwartet V 1)"),
              std::string::npos);
}

TEST(KurvenDatei, DialogeBeimSpeichernUndLaden) {
    const auto dir = tempVerzeichnis();
    Dateiwahl wahl;
    beispielzyklus(10);
    // Unnamed: "Speichern" asks; cancel changes nothing.
    wahl.antwort = "";
    EXPECT_EQ(KurvenDatei_Speichern(0), FEHLER_ABBRUCH_DURCH_BENUTZER);
    ASSERT_EQ(wahl.anfragen.size(), 1u);
    EXPECT_EQ(wahl.anfragen[0].titel, "Speichern");
    EXPECT_EQ(wahl.anfragen[0].filter, "*.plk");
    EXPECT_EQ(wahl.anfragen[0].knopf, VAL_SAVE_BUTTON);
    EXPECT_EQ(wahl.anfragen[0].neueVerzeichnisse, 1);
    EXPECT_EQ(KurvenDatei_PfadGet(), "Unbenannt");

    const auto a = (dir / "a.plk").string();
    wahl.antwort = a;
    ASSERT_EQ(KurvenDatei_Speichern(0), KEIN_FEHLER);
    EXPECT_EQ(KurvenDatei_PfadGet(), a);
    // Named: "Speichern" writes without a dialog, "Speichern unter..." asks again.
    gKurven[0].values[1] = 50;
    ASSERT_EQ(KurvenDatei_Speichern(0), KEIN_FEHLER);
    EXPECT_EQ(wahl.anfragen.size(), 2u);
    EXPECT_EQ(le32_lesen(&bytesLesen(a)[188]), 50);
    const auto b = (dir / "b.plk").string();
    wahl.antwort = b;
    ASSERT_EQ(KurvenDatei_Speichern(1), KEIN_FEHLER);
    ASSERT_EQ(wahl.anfragen.size(), 3u);
    EXPECT_EQ(wahl.anfragen[2].verzeichnis, dir.string() + "/");
    EXPECT_EQ(KurvenDatei_PfadGet(), b);
    // "Speichern unter..." onto an existing file asks first; Nein (the default) leaves the file alone.
    std::vector<std::string> fragen;
    int ja = 0;
    UI_BestaetigungsabfangSetzen([&](const std::string& titel, const std::string& text) {
        fragen.push_back(titel + "|" + text);
        return ja;
    });
    gKurven[0].values[1] = 60;
    wahl.antwort = a;
    EXPECT_EQ(KurvenDatei_Speichern(1), FEHLER_ABBRUCH_DURCH_BENUTZER);
    EXPECT_EQ(fragen, std::vector<std::string>{"Datei ersetzen|a.plk existiert bereits. Ersetzen?"});
    EXPECT_EQ(le32_lesen(&bytesLesen(a)[188]), 50);
    EXPECT_EQ(KurvenDatei_PfadGet(), b);
    ja = 1;
    ASSERT_EQ(KurvenDatei_Speichern(1), KEIN_FEHLER);
    EXPECT_EQ(le32_lesen(&bytesLesen(a)[188]), 60);
    gKurven[0].values[1] = 50;
    ASSERT_EQ(KurvenDatei_Speichern(0), KEIN_FEHLER); // the cycle's own file: no question
    EXPECT_EQ(le32_lesen(&bytesLesen(a)[188]), 50);
    wahl.antwort = b;
    ASSERT_EQ(KurvenDatei_Speichern(1), KEIN_FEHLER);
    EXPECT_EQ(fragen.size(), 3u);
    UI_BestaetigungsabfangSetzen(nullptr);

    // Loading: cancel, a name that does not exist, a file.
    wahl.antwort = "";
    EXPECT_EQ(KurvenDatei_Laden(), FEHLER_ABBRUCH_DURCH_BENUTZER);
    EXPECT_EQ(wahl.anfragen.back().titel, "Öffnen");
    EXPECT_EQ(wahl.anfragen.back().knopf, VAL_LOAD_BUTTON);
    EXPECT_EQ(wahl.anfragen.back().neueVerzeichnisse, 0);
    wahl.antwort = (dir / "gibtsnicht.plk").string();
    EXPECT_EQ(KurvenDatei_Laden(), FEHLER_KURVENDATEI_FEHLT);
    EXPECT_EQ(KurvenDatei_PfadGet(), b);
    frischesModell(4);
    wahl.antwort = a;
    ASSERT_EQ(KurvenDatei_Laden(), KEIN_FEHLER);
    EXPECT_EQ(gKurven[0].values[1], 50);
    EXPECT_EQ(KurvenDatei_PfadGet(), a);
}

// An unnamed cycle shows its changes like a named one; taking the flag back clears the star.
TEST(KurvenDatei, UnbenannterZyklusZeigtDenSternWieEinBenannter) {
    frischesModell();
    EXPECT_EQ(KurvenDatei_Fenstertitel(), "Zyklus-Programmierung - [Unbenannt]");
    KurvenDatei_WurdeGeaendert();
    EXPECT_TRUE(KurvenDatei_IstGeaendert());
    EXPECT_EQ(KurvenDatei_Fenstertitel(), "Zyklus-Programmierung - [Unbenannt *]");
    KurvenDatei_GeaendertSetzen(false);
    EXPECT_FALSE(KurvenDatei_IstGeaendert());
    EXPECT_EQ(KurvenDatei_Fenstertitel(), "Zyklus-Programmierung - [Unbenannt]");
}

// A save that cannot write everything (here: the file size limit) leaves the earlier file as it was.
TEST(KurvenDatei, FehlgeschlagenesSpeichernBehaeltDieAlteDatei) {
    const auto dir = tempVerzeichnis();
    const auto pfad = (dir / "alt.plk").string();
    beispielzyklus(10);
    ASSERT_EQ(KurvenDatei_SpeichernNach(pfad), KEIN_FEHLER);
    const auto alt = bytesLesen(pfad);
    beispielzyklus(600);
    KurvenDatei_WurdeGeaendert();
    const Abbild vorher = abbild();

    const auto altesSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit altesLimit{};
    getrlimit(RLIMIT_FSIZE, &altesLimit);
    rlimit klein = altesLimit;
    klein.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &klein);
    const Fehlercode f = KurvenDatei_SpeichernNach(pfad);
    setrlimit(RLIMIT_FSIZE, &altesLimit);
    std::signal(SIGXFSZ, altesSignal);

    EXPECT_EQ(f, FEHLER_KURVENDATEI_WERT_SCHREIBEN);
    EXPECT_EQ(bytesLesen(pfad), alt);
    EXPECT_EQ(abbild(), vorher);
    EXPECT_EQ(KurvenDatei_PfadGet(), "Unbenannt");
    EXPECT_TRUE(KurvenDatei_IstGeaendert());
    EXPECT_EQ(KurvenDatei_SpeichernNach((dir / "gibt/es/nicht.plk").string()),
              FEHLER_KURVENDATEI_OEFFNEN_SCHREIBEN);
    EXPECT_EQ(KurvenDatei_PfadGet(), "Unbenannt");
}
