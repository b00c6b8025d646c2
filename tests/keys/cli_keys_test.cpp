// plm1 keys upload/download run as a process against the simulated unit: exit codes, messages on standard
// error, the unit's memory and the written file.

#include "keys/Tasten_Block.h"
#include "keys/Tasten_Dateibild.h"
#include "platform/files/Datei_Kopf.h"
#include "platform/files/le_bytes.h"
#include "sim/plm1sim_server.h"

#include "tests/common/programmlauf.h"
#include "tests/common/testdatei.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

class CliKeysTest : public ::testing::Test {
  protected:
    testdatei::Ordner ordner;
    const fs::path dir = ordner.pfad();
    plm1sim::Server server;
    std::string fehlerausgabe;

    void SetUp() override { ASSERT_TRUE(server.starten()); }
    void TearDown() override { server.stoppen(); }

    std::string pfad(const std::string& name) const { return (dir / name).string(); }

    // Runs plm1 in the temporary folder (so no settings file of the developer is read); returns its exit
    // code.
    int plm1(const std::string& argumente) {
        programmlauf::Aufruf a;
        a.ordner = dir;
        const programmlauf::Ergebnis e = programmlauf::ausfuehren(
            PLM1_PROGRAMM, programmlauf::woerter("--port " + server.pfad() + " " + argumente), a);
        fehlerausgabe = e.fehler;
        return e.exitCode;
    }

    static std::vector<std::uint8_t> speicherBild(const TastenTabelle& t, const Ventilarten& a, bool inv) {
        std::vector<std::uint8_t> d(TASTENSPEICHER_GROESSE);
        for (int n = 0; n < TASTEN_ANZAHL; ++n)
            TastenBlock_Kodieren(t[n], a, inv, &d[20 * n]);
        return d;
    }
};

TastenTabelle cliBeispiel() {
    TastenTabelle t{};
    for (int n = 0; n < TASTEN_ANZAHL; ++n) {
        t[n][TASTE_VENTIL1 + n] = 1;
        t[n][TASTE_VENTIL1 + 1] = 1;
        t[n][TASTE_PUMPE1] = n % 2 ? -30 - 10 * n : 30 + 5 * n;
        t[n][TASTE_DRUCK1CHECKB] = 1;
        t[n][TASTE_DRUCK1] = n % 2 ? -400 : 650;
        t[n][TASTE_ZEIT1] = 11 * n;
        t[n][TASTE_ZEIT2] = 500;
    }
    return t;
}

TEST_F(CliKeysTest, UploadSendsBothCopiesWithTheValveKindsOfTheGivenFile) {
    std::vector<unsigned char> plt(TASTENDATEI_GROESSE);
    TastenDatei_BildErstellen(cliBeispiel(), plt.data());
    testdatei::bytesSchreiben(pfad("k.plt"), plt);
    const Ventilarten arten = {2, 1, 2, 2, 0, 2, 2, 2, 2, 2, 1};
    std::vector<unsigned char> plc(124, 0);
    DateiKopf_Schreiben(plc.data(), "Konfig", 1);
    for (int j = 0; j < 11; ++j) {
        le32_setzen(&plc[36 + 4 * j], arten[j]);
        le32_setzen(&plc[80 + 4 * j], 3 + j);
    }
    testdatei::bytesSchreiben(pfad("v.plc"), plc);

    ASSERT_EQ(plm1("--valves v.plc keys upload k.plt"), 0) << fehlerausgabe;
    EXPECT_EQ(server.bus().speicher('1', 0x0000, 180), speicherBild(cliBeispiel(), arten, false));
    EXPECT_EQ(server.bus().speicher('1', 0x4000, 180), speicherBild(cliBeispiel(), arten, true));

    // Verified: clean, then one byte of key 4 changed in the unit between write and read-back.
    ASSERT_EQ(plm1("--valves v.plc keys upload --verify k.plt"), 0) << fehlerausgabe;
    EXPECT_EQ(fehlerausgabe, "");
    server.bus().speicherAendernVorLesen('1', 3 * 20 + 6);
    EXPECT_EQ(plm1("--valves v.plc keys upload --verify k.plt"), 1);
    EXPECT_EQ(fehlerausgabe, "Fehler #404503: Fehlerhafte Antwort vom Gerät\nPrüfung: Abweichung bei Adresse "
                             "0x0042 (Taste 4)\n");
    EXPECT_EQ(plm1("keys download --verify k.plt"), 2);
}

TEST_F(CliKeysTest, DownloadWritesTheValidKeysAndNamesTheOthers) {
    const Ventilarten nc = {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
    auto d = speicherBild(cliBeispiel(), nc, false);
    d[20 * 2 + 14] ^= 0x01;
    d[20 * 5 + 19] ^= 0x80;
    server.bus().speicherSetzen('1', 0, d);
    EXPECT_EQ(plm1("keys download d.plt"), 3);
    EXPECT_NE(fehlerausgabe.find("Taste 3: Speicher ungültig\nTaste 6: Speicher ungültig\n"),
              std::string::npos)
        << fehlerausgabe;
    EXPECT_EQ(fehlerausgabe.find("Taste 1:"), std::string::npos);
    TastenTabelle gelesen{};
    const auto bild = testdatei::bytesLesen(pfad("d.plt"));
    ASSERT_EQ(TastenDatei_BildAuswerten(bild.data(), bild.size(), gelesen), 0);
    for (int n = 0; n < TASTEN_ANZAHL; ++n) {
        if (n == 2 || n == 5)
            EXPECT_EQ(gelesen[n], TastenEintrag{}) << n;
        else
            EXPECT_EQ(gelesen[n], cliBeispiel()[n]) << n;
    }
    server.bus().speicherSetzen('1', 0, speicherBild(cliBeispiel(), nc, false));
    ASSERT_EQ(plm1("keys download e.plt"), 0) << fehlerausgabe;
    EXPECT_EQ(fehlerausgabe.find("Taste"), std::string::npos);
}

// Keys the unit does not hold validly never replace an existing file (it may be the only good copy) unless
// --force says so; a new file is written with the warning.
TEST_F(CliKeysTest, InvalidKeysKeepAnExistingFile) {
    const Ventilarten nc = {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
    auto d = speicherBild(cliBeispiel(), nc, false);
    d[20 * 4 + 3] ^= 0x10;
    server.bus().speicherSetzen('1', 0, d);
    std::vector<unsigned char> alt(TASTENDATEI_GROESSE);
    TastenDatei_BildErstellen(TastenTabelle{}, alt.data());
    struct Fall {
        const char* argumente;
        bool vorhanden;
        int exit;
        bool ersetzt;
    };
    const Fall faelle[] = {
        {"keys download k.plt", true, 1, false},        {"keys download --force k.plt", true, 3, true},
        {"keys download k.plt --force", true, 3, true}, {"keys download k.plt", false, 3, true},
        {"keys upload --force k.plt", true, 2, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.argumente);
        fs::remove(pfad("k.plt"));
        if (f.vorhanden) testdatei::bytesSchreiben(pfad("k.plt"), alt);
        EXPECT_EQ(plm1(f.argumente), f.exit) << fehlerausgabe;
        if (f.exit == 2) continue;
        EXPECT_NE(fehlerausgabe.find("Taste 5: Speicher ungültig\n"), std::string::npos) << fehlerausgabe;
        const auto bild = testdatei::bytesLesen(pfad("k.plt"));
        if (!f.ersetzt) {
            EXPECT_EQ(bild, alt);
            EXPECT_NE(
                fehlerausgabe.find("Fehler #301521: Fehler beim Schreiben auf Datei\nUngültige Tasten im "
                                   "PLM-1; k.plt bleibt unverändert"),
                std::string::npos)
                << fehlerausgabe;
            continue;
        }
        TastenTabelle gelesen{};
        ASSERT_EQ(TastenDatei_BildAuswerten(bild.data(), bild.size(), gelesen), 0);
        EXPECT_EQ(gelesen[0], cliBeispiel()[0]);
        EXPECT_EQ(gelesen[4], TastenEintrag{});
    }
}

TEST_F(CliKeysTest, FailuresExitWithTheirErrorLine) {
    server.bus().fehlerSetzen("BDR", plm1sim::Fehlerart::Nak);
    EXPECT_EQ(plm1("keys download f.plt"), 1);
    EXPECT_NE(fehlerausgabe.find("Fehler #"), std::string::npos) << fehlerausgabe;
    EXPECT_FALSE(fs::exists(pfad("f.plt")));

    EXPECT_EQ(plm1("keys upload fehlt.plt"), 1);
    EXPECT_NE(fehlerausgabe.find("Fehler #308523"), std::string::npos) << fehlerausgabe;

    testdatei::bytesSchreiben(pfad("k.plt"), std::vector<unsigned char>(TASTENDATEI_GROESSE, 0));
    EXPECT_EQ(plm1("keys upload k.plt"), 1);
    EXPECT_NE(fehlerausgabe.find("Fehler #302526"), std::string::npos) << fehlerausgabe;

    server.bus().fehlerSetzen("BDW", plm1sim::Fehlerart::Stille);
    std::vector<unsigned char> plt(TASTENDATEI_GROESSE);
    TastenDatei_BildErstellen(cliBeispiel(), plt.data());
    testdatei::bytesSchreiben(pfad("k.plt"), plt);
    EXPECT_EQ(plm1("keys upload k.plt"), 1);
    EXPECT_NE(fehlerausgabe.find("Fehler #"), std::string::npos) << fehlerausgabe;

    // Not regular files: refused before the port is opened, without waiting on them, and left as they are.
    ASSERT_EQ(::mkfifo(pfad("f.plt").c_str(), 0644), 0);
    EXPECT_EQ(plm1("keys upload f.plt"), 1);
    EXPECT_NE(fehlerausgabe.find("Fehler #308524: Fehler beim Öffnen der Datei\nDatei ist eine FIFO"),
              std::string::npos)
        << fehlerausgabe;
    EXPECT_EQ(plm1("keys download f.plt"), 1);
    EXPECT_NE(fehlerausgabe.find("Fehler #301521: Fehler beim Schreiben auf Datei\nZiel ist eine FIFO"),
              std::string::npos)
        << fehlerausgabe;
    EXPECT_TRUE(fs::is_fifo(pfad("f.plt")));
    EXPECT_EQ(plm1("keys upload ."), 1);
    EXPECT_NE(fehlerausgabe.find("Fehler #308524: "), std::string::npos) << fehlerausgabe;

    EXPECT_EQ(plm1("keys upload"), 2);
    EXPECT_EQ(plm1("keys sideways k.plt"), 2);

    // A value outside its field's range is refused whole, naming key, field, value and range, and nothing
    // goes to the unit (once cut to 16 bits: 99999 mbar became -31073, 70000 became 4464).
    server.bus().fehlerLoeschen();
    struct Fall {
        int taste, feld, wert;
        std::string zeile;
    };
    const Fall faelle[] = {
        {2, TASTE_DRUCK1, 99999, "Taste 3, DRUCK1: 99999 (erlaubt -1000 bis 1000)"},
        {0, TASTE_DRUCK1, -70000, "Taste 1, DRUCK1: -70000 (erlaubt -1000 bis 1000)"},
        {8, TASTE_ZEIT1, 70000, "Taste 9, ZEIT1: 70000 (erlaubt 0 bis 500)"},
        {4, TASTE_ZEIT2, -1, "Taste 5, ZEIT2: -1 (erlaubt 0 bis 500)"},
        {1, TASTE_PUMPE2, 1000, "Taste 2, PUMPE2: 1000 (erlaubt -100 bis 100)"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.zeile);
        TastenTabelle t = cliBeispiel();
        t[f.taste][f.feld] = f.wert;
        TastenDatei_BildErstellen(t, plt.data());
        testdatei::bytesSchreiben(pfad("g.plt"), plt);
        server.bus().protokollLeeren();
        EXPECT_EQ(plm1("keys upload g.plt"), 1);
        EXPECT_EQ(fehlerausgabe, "Fehler #500504: Parameter außerhalb der Grenzwerte\n" + f.zeile + "\n");
        EXPECT_TRUE(server.bus().empfangeneZeilen().empty());
    }
}

} // namespace
