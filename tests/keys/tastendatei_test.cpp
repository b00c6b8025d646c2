// The key file with its dialogs: load failures and their codes, nothing changed on failure, saving with and
// without asking, a failed save keeping the earlier file, and the window title text.

#include "errors/VKR_errorV3.h"
#include "keys/Tasten_Datei.h"
#include "platform/files/le_bytes.h"
#include "platform/ui/ui.h"
#include "platform/ui/ui_test.h"
#include "tests/common/testdatei.h"

#include <gtest/gtest.h>

#include <climits>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

class TastenDateiTest : public ::testing::Test {
  protected:
    fs::path dir;
    std::string antwort; // path the next file dialog chooses; empty: cancel
    int dialoge = 0;
    DateiauswahlAnfrage letzte;

    void SetUp() override {
        dir = fs::temp_directory_path() / ("tasten_datei_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        UI_DateiauswahlSetzen([this](const DateiauswahlAnfrage& a) {
            ++dialoge;
            letzte = a;
            return antwort;
        });
        Tastenarrays_Initialisieren();
        TastenDatei_DateinameZuruecksetzen();
    }
    void TearDown() override {
        UI_DateiauswahlSetzen(nullptr);
        fs::remove_all(dir);
    }

    std::string pfad(const std::string& name) const { return (dir / name).string(); }

    static std::vector<unsigned char> gutesBild(const TastenTabelle& t,
                                                std::size_t laenge = TASTENDATEI_GROESSE) {
        std::vector<unsigned char> d(std::max<std::size_t>(laenge, TASTENDATEI_GROESSE), 0);
        TastenDatei_BildErstellen(t, d.data());
        d.resize(laenge);
        return d;
    }
};

TastenTabelle negativeTabelle() {
    TastenTabelle t{};
    for (int n = 0; n < TASTEN_ANZAHL; ++n)
        for (int k = 0; k < TASTEN_FELDER; ++k)
            t[n][k] = (k % 3 == 0 ? -1 : 1) * (n * 100 + k * 7 + 1);
    // Switches and check words are 0 or 1 once loaded.
    for (int n = 0; n < TASTEN_ANZAHL; ++n) {
        for (int v = 0; v < ANZAHL_VENTILE; ++v)
            t[n][TASTE_VENTIL1 + v] = (n + v) % 2;
        t[n][TASTE_DRUCK1CHECKB] = n % 2;
        t[n][TASTE_DRUCK2CHECKB] = (n + 1) % 2;
    }
    t[2][TASTE_PUMPE1] = -100;
    t[5][TASTE_DRUCK2] = -1000;
    t[8][TASTE_ZEIT2] = INT_MIN;
    return t;
}

TEST_F(TastenDateiTest, SaveThenLoadGivesAll171ValuesBack) {
    gTaste = negativeTabelle();
    antwort = pfad("Hub.plt");
    ASSERT_EQ(TastenDatei_Speichern(0), 0);
    EXPECT_EQ(dialoge, 1); // an unnamed table always asks
    EXPECT_EQ(letzte.titel, "Speichern");
    EXPECT_EQ(letzte.filter, "*.plt");
    EXPECT_EQ(letzte.knopf, VAL_SAVE_BUTTON);
    EXPECT_EQ(letzte.neueVerzeichnisse, 1);
    EXPECT_EQ(fs::file_size(antwort), 720u);
    EXPECT_EQ(TastenDatei_PfadGet(), antwort);
    EXPECT_EQ(TastenDatei_Fenstertitel(), "Tasten-Programmierung - [Hub.plt]");

    Tastenarrays_Initialisieren();
    TastenDatei_DateinameZuruecksetzen();
    ASSERT_EQ(TastenDatei_Laden(), 0);
    EXPECT_EQ(letzte.titel, "Öffnen");
    EXPECT_EQ(letzte.knopf, VAL_LOAD_BUTTON);
    EXPECT_EQ(letzte.neueVerzeichnisse, 0);
    EXPECT_EQ(gTaste, negativeTabelle());
    EXPECT_EQ(TastenDatei_Fenstertitel(), "Tasten-Programmierung - [Hub.plt]");
    TastenDatei_WurdeGeaendert();
    EXPECT_EQ(TastenDatei_Fenstertitel(), "Tasten-Programmierung - [Hub.plt *]");
}

TEST_F(TastenDateiTest, SpeichernAsksOnlyWhenUnnamedAndSpeichernUnterAlways) {
    antwort = pfad("a.plt");
    ASSERT_EQ(TastenDatei_Speichern(0), 0);
    ASSERT_EQ(dialoge, 1);
    gTaste[0][TASTE_ZEIT1] = 42;
    TastenDatei_WurdeGeaendert();
    antwort = pfad("nicht_gefragt.plt");
    ASSERT_EQ(TastenDatei_Speichern(0), 0);
    EXPECT_EQ(dialoge, 1);
    EXPECT_FALSE(fs::exists(antwort));
    EXPECT_FALSE(TastenDatei_IstGeaendert());
    EXPECT_EQ(le32_lesen(&testdatei::bytesLesen(pfad("a.plt"))[36 + 4 * TASTE_ZEIT1]), 42);

    antwort = pfad("b.plt");
    ASSERT_EQ(TastenDatei_Speichern(1), 0);
    EXPECT_EQ(dialoge, 2);
    EXPECT_EQ(TastenDatei_PfadGet(), antwort);

    antwort.clear();
    EXPECT_EQ(TastenDatei_Speichern(1), FEHLER_ABBRUCH_DURCH_BENUTZER);
    EXPECT_EQ(TastenDatei_PfadGet(), pfad("b.plt"));

    // An existing file is replaced only when the question is answered with Ja; Nein leaves it as it was.
    std::vector<std::string> fragen;
    int ja = 0;
    UI_BestaetigungsabfangSetzen([&](const std::string& titel, const std::string& text) {
        fragen.push_back(titel + "|" + text);
        return ja;
    });
    const auto altesA = testdatei::bytesLesen(pfad("a.plt"));
    gTaste[0][TASTE_ZEIT1] = 77;
    antwort = pfad("a.plt");
    EXPECT_EQ(TastenDatei_Speichern(1), FEHLER_ABBRUCH_DURCH_BENUTZER);
    EXPECT_EQ(fragen, std::vector<std::string>{"Datei ersetzen|a.plt existiert bereits. Ersetzen?"});
    EXPECT_EQ(testdatei::bytesLesen(pfad("a.plt")), altesA);
    EXPECT_EQ(TastenDatei_PfadGet(), pfad("b.plt"));
    ja = 1;
    ASSERT_EQ(TastenDatei_Speichern(1), 0);
    EXPECT_EQ(le32_lesen(&testdatei::bytesLesen(pfad("a.plt"))[36 + 4 * TASTE_ZEIT1]), 77);
    EXPECT_EQ(TastenDatei_PfadGet(), pfad("a.plt"));
    antwort = pfad("c.plt"); // a new name is not asked about
    ASSERT_EQ(TastenDatei_Speichern(1), 0);
    EXPECT_EQ(fragen.size(), 2u);
    UI_BestaetigungsabfangSetzen(nullptr);
}

TEST_F(TastenDateiTest, EveryLoadFailureHasItsCodeAndChangesNothing) {
    const TastenTabelle andere = negativeTabelle();
    auto mitTag = [&](const char* tag) {
        auto d = gutesBild(andere);
        std::fill(d.begin(), d.begin() + 32, 0);
        std::copy(tag, tag + std::strlen(tag), d.begin());
        return d;
    };
    auto mitVersion = [&](int v) {
        auto d = gutesBild(andere);
        le32_setzen(&d[32], v);
        return d;
    };
    testdatei::bytesSchreiben(pfad("kurz.plt"), gutesBild(andere, 719));
    testdatei::bytesSchreiben(pfad("leer.plt"), {});
    testdatei::bytesSchreiben(pfad("tag.plt"), mitTag("VKRPLM1 Tasten2"));
    testdatei::bytesSchreiben(pfad("kurve.plt"), mitTag("VKRPLM1 Kurven"));
    testdatei::bytesSchreiben(pfad("v2.plt"), mitVersion(2));
    fs::create_directories(pfad("verzeichnis.plt"));

    struct Fall {
        std::string datei; // empty: cancel
        Fehlercode code;
    };
    const Fall faelle[] = {
        {"", FEHLER_ABBRUCH_DURCH_BENUTZER},      {"gibtesnicht.plt", FEHLER_TASTENDATEI_FEHLT},
        {"kurz.plt", FEHLER_TASTENDATEI_ZU_KURZ}, {"leer.plt", FEHLER_TASTENDATEI_ZU_KURZ},
        {"tag.plt", FEHLER_TASTENDATEI_TYP},      {"kurve.plt", FEHLER_TASTENDATEI_TYP},
        {"v2.plt", FEHLER_TASTENDATEI_VERSION},
    };
    // A named, changed table before every attempt.
    testdatei::bytesSchreiben(pfad("alt.plt"), gutesBild(TastenTabelle{}));
    antwort = pfad("alt.plt");
    ASSERT_EQ(TastenDatei_Laden(), 0);
    gTaste[3][TASTE_PUMPE2] = 70;
    TastenDatei_WurdeGeaendert();
    const TastenTabelle vorher = gTaste;
    for (const Fall& f : faelle) {
        antwort = f.datei.empty() ? "" : pfad(f.datei);
        EXPECT_EQ(TastenDatei_Laden(), f.code) << f.datei;
        EXPECT_EQ(gTaste, vorher) << f.datei;
        EXPECT_EQ(TastenDatei_PfadGet(), pfad("alt.plt")) << f.datei;
        EXPECT_TRUE(TastenDatei_IstGeaendert()) << f.datei;
    }
    TastenTabelle t{};
    EXPECT_EQ(TastenDatei_AusDateiLesen(pfad("verzeichnis.plt"), t), FEHLER_TASTENDATEI_OEFFNEN);
    VKR_Fehlersprache(VKR_SPRACHE_DEUTSCH);
    antwort = pfad("v2.plt");
    ASSERT_EQ(TastenDatei_Laden(), FEHLER_TASTENDATEI_VERSION);
    EXPECT_NE(std::string(VKR_Fehlermeldung(FEHLER_TASTENDATEI_VERSION)).find("V 2 (erwartet V 1)"),
              std::string::npos);
}

TEST_F(TastenDateiTest, LongerFilesAndBytesAfterTheTagsZeroLoad) {
    auto d = gutesBild(negativeTabelle(), 721);
    d[720] = 0x55;
    for (int i = 15; i < 32; ++i)
        d[i] = static_cast<unsigned char>(i * 13);
    testdatei::bytesSchreiben(pfad("lang.plt"), d);
    antwort = pfad("lang.plt");
    ASSERT_EQ(TastenDatei_Laden(), 0);
    EXPECT_EQ(gTaste, negativeTabelle());
}

TEST_F(TastenDateiTest, FailedSaveKeepsTheEarlierFile) {
    gTaste = negativeTabelle();
    antwort = pfad("Hub.plt");
    ASSERT_EQ(TastenDatei_Speichern(0), 0);
    const auto alt = testdatei::bytesLesen(antwort);
    gTaste[0][TASTE_ZEIT1] = 9;
    TastenDatei_WurdeGeaendert();

    // Files may not grow beyond 500 bytes: the 720-byte write comes up short.
    rlimit vorher{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &vorher), 0);
    auto alteAktion = std::signal(SIGXFSZ, SIG_IGN);
    rlimit grenze = vorher;
    grenze.rlim_cur = 500;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &grenze), 0);
    const Fehlercode code = TastenDatei_Speichern(0);
    setrlimit(RLIMIT_FSIZE, &vorher);
    std::signal(SIGXFSZ, alteAktion);

    EXPECT_EQ(code, FEHLER_TASTENDATEI_SCHREIBEN);
    EXPECT_EQ(testdatei::bytesLesen(antwort), alt);
    EXPECT_TRUE(TastenDatei_IstGeaendert());
    EXPECT_EQ(TastenDatei_PfadGet(), antwort);
    // No temporary file is left beside the target.
    int dateien = 0;
    for (const auto& e : fs::directory_iterator(dir))
        dateien += e.is_regular_file();
    EXPECT_EQ(dateien, 1);

    antwort = pfad("fehlt/x.plt");
    EXPECT_EQ(TastenDatei_Speichern(1), FEHLER_TASTENDATEI_OEFFNEN_SCHREIBEN);
}

} // namespace
