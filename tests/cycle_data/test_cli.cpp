// plm1 cycle upload|download against the simulated unit: round trip, the limits warning with exit 3,
// rejected records and transfer errors with their "Fehler #" lines and exit 1, usage errors.

#include "platform/files/le_bytes.h"
#include "sim/plm1sim_server.h"

#include "tests/common/programmlauf.h"
#include "tests/common/ser2net_server.h"
#include "tests/common/testdatei.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

namespace {

using Lauf = programmlauf::Ergebnis;
using testdatei::bytesLesen;
using testdatei::bytesSchreiben;

// A *.plk image of n steps: pumps step through -100..100 in tens, valves alternate, upper limit of pump 1 on.
Bytes plk(int n) {
    Bytes b(184 + 52 * n, 0);
    const std::string tag = "VKRPLM1 Kurven";
    std::copy(tag.begin(), tag.end(), b.begin());
    le32_setzen(&b[32], 1);
    const int32_t eck[11] = {1, 0, 0, 0, 1500, 0, 0, 0, 4, 0, n};
    for (int i = 0; i < 11; ++i)
        le32_setzen(&b[36 + 4 * i], eck[i]);
    for (int k = 0; k < 13; ++k) {
        le32_setzen(&b[80 + 8 * k], n);
        for (int i = 0; i < n; ++i)
            le32_setzen(&b[184 + 4 * (k * n + i)], k < 2 ? (i * 10 + k * 50) % 210 - 100 : (i + k) % 2);
    }
    return b;
}

using Satz = std::vector<uint8_t>;

// Records as the unit stores them: only the upper limit of pump 1 set, to 1000 or 1200. Sums
// 1 + 0xE8 + 0x03 + 0x30 + 0xF8 + 0xD0 + 0x07 + 0x30 + 0xF8 = 0x0413 and with 0xB0 0x04 0x03DC.
const Satz SATZ_1000{0, 0, 0, 0, 0, 0, 0xE8, 0x03, 0x30, 0xF8, 0xD0, 0x07, 0x30, 0xF8, 0x13, 0x04};
const Satz SATZ_1200{0, 0, 0, 0, 0, 0, 0xB0, 0x04, 0x30, 0xF8, 0xD0, 0x07, 0x30, 0xF8, 0xDC, 0x03};
const Satz SATZ_1000_SUMME_DANEBEN{0,    0,    0,    0,    0,    0,    0xE8, 0x03,
                                   0x30, 0xF8, 0xD0, 0x07, 0x30, 0xF8, 0x14, 0x04};

// Heads of one run: steps, 1, sum 1 + steps' bytes + 1.
const Satz KOPF_2{0x02, 0x00, 0x01, 0x00, 0x04, 0x00};
const Satz KOPF_3{0x03, 0x00, 0x01, 0x00, 0x05, 0x00};
const Satz KOPF_601{0x59, 0x02, 0x01, 0x00, 0x5D, 0x00};

class ZyklusCli : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(server.starten()); }
    void TearDown() override { server.stoppen(); }
    Lauf plm1(const std::vector<std::string>& args, const std::vector<std::string>& optionen = {}) {
        std::vector<std::string> alle{"--port", port.empty() ? server.pfad() : port};
        alle.insert(alle.end(), optionen.begin(), optionen.end());
        alle.push_back("cycle");
        alle.insert(alle.end(), args.begin(), args.end());
        programmlauf::Aufruf a;
        a.ordner = dir;
        return programmlauf::ausfuehren(PLM1_PROGRAMM, alle, a);
    }
    void geraetBeschreiben(const Satz& kopf, const std::vector<Satz>& saetze) {
        server.bus().speicherSetzen('1', 0x0400, kopf);
        std::vector<uint8_t> alle;
        for (const auto& s : saetze)
            alle.insert(alle.end(), s.begin(), s.end());
        server.bus().speicherSetzen('1', 0x0420, alle);
    }
    testdatei::Ordner ordner;
    const fs::path dir = ordner.pfad();
    plm1sim::Server server;
    std::string port; // what --port names when not the unit's own line
};

} // namespace

TEST_F(ZyklusCli, HochUndWiederHerunterladen) {
    const Bytes a = plk(21);
    bytesSchreiben(dir / "a.plk", a);
    Lauf l = plm1({"upload", "a.plk"});
    ASSERT_EQ(l.exitCode, 0) << l.fehler;
    EXPECT_EQ(l.fehler, "");
    EXPECT_EQ(server.bus().speicher('1', 0x0400, 6), (std::vector<uint8_t>{21, 0, 4, 0, 26, 0}));
    l = plm1({"download", "b.plk"});
    ASSERT_EQ(l.exitCode, 0) << l.fehler;
    EXPECT_EQ(l.fehler, "");
    EXPECT_EQ(bytesLesen(dir / "b.plk"), a);
    // Any path the system takes, also one far beyond 259 characters.
    const fs::path tief = dir / std::string(100, 'o') / std::string(100, 'p') / std::string(100, 'q');
    fs::create_directories(tief);
    l = plm1({"download", (tief / "b.plk").string()});
    ASSERT_EQ(l.exitCode, 0) << l.fehler;
    EXPECT_GT((tief / "b.plk").string().size(), 300u);
    EXPECT_EQ(bytesLesen(tief / "b.plk"), a);

    // Verified: the unit's memory is read back after the writes, and the clean comparison is reported.
    server.bus().protokollLeeren();
    l = plm1({"upload", "--verify", "a.plk"});
    ASSERT_EQ(l.exitCode, 0) << l.fehler;
    EXPECT_EQ(l.fehler, "");
    EXPECT_EQ(l.aus, "geprüft\n");
    const auto zeilen = server.bus().empfangeneZeilen();
    ASSERT_FALSE(zeilen.empty());
    EXPECT_EQ(zeilen.front().substr(2, 3), "BDW");
    EXPECT_EQ(zeilen.back().substr(2, 3), "BDR");
}

TEST_F(ZyklusCli, SechshundertSchritteGeprueftUeberEinenGeraeteserver) {
    const Bytes a = plk(600);
    bytesSchreiben(dir / "a.plk", a);
    for (const bool rfc2217 : {false, true}) {
        Ser2netServer ser2net;
        ASSERT_TRUE(ser2net.starten(server.pfad(), rfc2217));
        port = ser2net.adresse(rfc2217);
        server.bus().speicherSetzen('1', 0x0400, std::vector<uint8_t>(6, 0));
        Lauf l = plm1({"upload", "--verify", "a.plk"});
        EXPECT_EQ(l.exitCode, 0) << port << ": " << l.fehler;
        EXPECT_EQ(l.aus, "geprüft\n") << port;
        l = plm1({"download", "b.plk"});
        EXPECT_EQ(l.exitCode, 0) << port << ": " << l.fehler;
        EXPECT_EQ(bytesLesen(dir / "b.plk"), a) << port;
    }
}

TEST_F(ZyklusCli, DreiGeraeteDasMittlereFehlt) {
    server.stoppen();
    ASSERT_TRUE(
        server.starten({plm1sim::Einheit{'1', "VKR-PLM1-EINS"}, plm1sim::Einheit{'5', "VKR-PLM1-FUENF"}}));
    bytesSchreiben(dir / "a.plk", plk(12));
    // On the unit's own line and behind a device server, raw TCP and RFC 2217: the same lines.
    for (const int weg : {0, 1, 2}) {
        Ser2netServer ser2net;
        port.clear();
        if (weg > 0) {
            ASSERT_TRUE(ser2net.starten(server.pfad(), weg == 2));
            port = ser2net.adresse(weg == 2);
        }
        const std::vector<uint8_t> leer(6, 0);
        server.bus().speicherSetzen('1', 0x0400, leer);
        server.bus().speicherSetzen('5', 0x0400, leer);
        server.bus().speicherSetzen('5', 0x4420, std::vector<uint8_t>(16 * 12, 0));
        Lauf l = plm1({"upload", "--verify", "a.plk"}, {"--address", "1,3,5"});
        EXPECT_EQ(l.exitCode, 1) << port;
        EXPECT_EQ(l.aus, "1 VKR-PLM1-EINS geprüft\n3 - Fehler #403012: Keine Antwort vom Gerät\n"
                         "5 VKR-PLM1-FUENF geprüft\n")
            << port << ": " << l.fehler;
        const std::vector<uint8_t> kopf{12, 0, 4, 0, 17, 0};
        EXPECT_EQ(server.bus().speicher('1', 0x0400, 6), kopf) << port;
        EXPECT_EQ(server.bus().speicher('5', 0x0400, 6), kopf) << port;
        EXPECT_EQ(server.bus().speicher('5', 0x4420, 16 * 12), server.bus().speicher('1', 0x4420, 16 * 12))
            << port;
    }
    port.clear();

    // A difference at one unit is that unit's failure; without --verify the result is "ok".
    server.bus().speicherAendernVorLesen('1', 0x0421);
    Lauf l = plm1({"upload", "--verify", "a.plk"}, {"--address", "1,5"});
    EXPECT_EQ(l.exitCode, 1);
    EXPECT_EQ(l.aus, "1 VKR-PLM1-EINS Fehler #404410: Fehlerhafte Antwort vom Gerät Prüfung: Abweichung bei "
                     "Adresse 0x0421 (Schritt 1)\n5 VKR-PLM1-FUENF geprüft\n");
    l = plm1({"upload", "a.plk"}, {"--address", "5,1"});
    EXPECT_EQ(l.exitCode, 0) << l.fehler;
    EXPECT_EQ(l.aus, "5 VKR-PLM1-FUENF ok\n1 VKR-PLM1-EINS ok\n");
    EXPECT_EQ(plm1({"download", "b.plk"}, {"--address", "1,5"}).exitCode, 2);
}

TEST_F(ZyklusCli, VerschiedeneGrenzdrueckeSchreibenDieDateiUndEndenMitDrei) {
    geraetBeschreiben(KOPF_3, {SATZ_1000, SATZ_1000, SATZ_1200});
    const Lauf l = plm1({"download", "w.plk"});
    EXPECT_EQ(l.exitCode, 3);
    EXPECT_NE(
        l.fehler.find("Warnung:\nIm Zyklus auf dem PLM-1 sind mehrere verschiedene Grenzdrücke gespeichert."),
        std::string::npos)
        << l.fehler;
    const Bytes w = bytesLesen(dir / "w.plk");
    ASSERT_EQ(w.size(), 184u + 3 * 52);
    EXPECT_EQ(le32_lesen(&w[36 + 4 * 4]), 1200); // the last step's limit
}

TEST_F(ZyklusCli, FehlerEndenMitEinsUndIhrerZeile) {
    bytesSchreiben(dir / "a.plk", plk(10));
    const auto mitWert = [](std::size_t versatz, int32_t wert) {
        Bytes b = plk(10);
        le32_setzen(&b[versatz], wert);
        return b;
    };
    Bytes taste = plk(10);
    std::copy_n("VKRPLM1 Tasten", 15, taste.begin());
    bytesSchreiben(dir / "taste.plk", taste);
    struct Fall {
        const char* name;
        std::function<void()> vorher;
        std::vector<std::string> args;
        std::string zeile;
        bool stumm = false; // refused before anything goes to the unit
    };
    const Fall faelle[] = {
        {"Satz mit falscher Summe",
         [&] {
             geraetBeschreiben(KOPF_2, {SATZ_1000, SATZ_1000_SUMME_DANEBEN});
         },
         {"download", "x.plk"},
         "Fehler #9409: \nSpeicherfehler im PLM-1.\nSenden Sie die Kurven erneut zum PLM-1\n"},
        {"Kopf mit 601 Schritten",
         [&] { geraetBeschreiben(KOPF_601, {}); },
         {"download", "x.plk"},
         "Fehler #9408: "},
        {"NAK beim Schreiben",
         [&] { server.bus().fehlerSetzen("BDW", plm1sim::Fehlerart::Nak); },
         {"upload", "a.plk"},
         "Fehler #402157: "},
        {"keine Antwort beim Lesen",
         [&] { server.bus().fehlerSetzen("BDR", plm1sim::Fehlerart::Stille); },
         {"download", "x.plk"},
         "Fehler #403134: "},
        {"Datei fehlt", [] {}, {"upload", "fehlt.plk"}, "Fehler #308425: "},
        {"ein Byte nach dem Schreiben verändert",
         [&] { server.bus().speicherAendernVorLesen('1', 0x4420 + 16 * 4 + 2); },
         {"upload", "--verify", "a.plk"},
         "Fehler #404410: Fehlerhafte Antwort vom Gerät\nPrüfung: Abweichung bei Adresse 0x4462 (Schritt 5, "
         "invertierte Kopie)\n"},
        {"Tastendatei", [] {}, {"upload", "taste.plk"}, "Fehler #302427: "},
        {"NAK beim Zurücklesen",
         [&] { server.bus().fehlerSetzen("BDR", plm1sim::Fehlerart::Nak); },
         {"upload", "--verify", "a.plk"},
         "Fehler #402132: "},
        // A value outside its range never reaches the unit, cut to 16 bits or otherwise.
        {"Grenze 70000",
         [&] { bytesSchreiben(dir / "g.plk", mitWert(36 + 4 * 4, 70000)); },
         {"upload", "g.plk"},
         "Fehler #500411: Parameter außerhalb der Grenzwerte\nDRUCKHIGH1: 70000 (erlaubt -2000 bis 2000)\n",
         true},
        {"Zyklen 70000",
         [&] { bytesSchreiben(dir / "g.plk", mitWert(36 + 4 * 8, 70000)); },
         {"upload", "--verify", "g.plk"},
         "Fehler #500411: Parameter außerhalb der Grenzwerte\nZYKLEN: 70000 (erlaubt 1 bis 65535)\n",
         true},
        {"Pumpe 1 mit 1000 % in Schritt 4",
         [&] { bytesSchreiben(dir / "g.plk", mitWert(184 + 4 * 3, 1000)); },
         {"upload", "g.plk"},
         "Fehler #500411: Parameter außerhalb der Grenzwerte\nSchritt 4, Pumpe 1: 1000 (erlaubt -100 bis "
         "100)\n",
         true},
        {"Ventil 2 mit 2 im letzten Schritt",
         [&] { bytesSchreiben(dir / "g.plk", mitWert(184 + 4 * (3 * 10 + 9), 2)); },
         {"upload", "g.plk"},
         "Fehler #500411: Parameter außerhalb der Grenzwerte\nSchritt 10, Ventil 2: 2 (erlaubt 0 bis 1)\n",
         true},
        // Files that are not regular files are refused before the port is opened, and nothing waits on them.
        {"FIFO als Eingabe",
         [&] { mkfifo((dir / "f.plk").c_str(), 0644); },
         {"upload", "f.plk"},
         "Fehler #308425: Fehler beim Öffnen der Datei\nDatei ist eine FIFO",
         true},
        {"FIFO als Ziel",
         [&] { mkfifo((dir / "f.plk").c_str(), 0644); },
         {"download", "f.plk"},
         "Fehler #301421: Fehler beim Schreiben auf Datei\nZiel ist eine FIFO",
         true},
        {"Ordner als Ziel",
         [&] { fs::create_directories(dir / "o.plk"); },
         {"download", "o.plk"},
         "Fehler #301421: Fehler beim Schreiben auf Datei\nZiel ist ein Ordner",
         true},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        f.vorher();
        const std::size_t zeilen = server.bus().empfangeneZeilen().size();
        const Lauf l = plm1(f.args);
        if (f.stumm) {
            EXPECT_EQ(server.bus().empfangeneZeilen().size(), zeilen);
        }
        EXPECT_EQ(l.exitCode, 1);
        EXPECT_EQ(l.fehler.rfind(f.zeile, 0), 0u) << l.fehler;
        EXPECT_EQ(l.aus, ""); // never "geprüft"
        EXPECT_FALSE(fs::exists(dir / "x.plk"));
        server.bus().fehlerLoeschen();
    }
    EXPECT_TRUE(fs::is_fifo(dir / "f.plk"));
    EXPECT_TRUE(fs::is_directory(dir / "o.plk"));
}

TEST_F(ZyklusCli, FalscherAufrufEndetMitZwei) {
    for (const auto& args : std::vector<std::vector<std::string>>{{},
                                                                  {"upload"},
                                                                  {"senden", "a.plk"},
                                                                  {"download", "a.plk", "b.plk"},
                                                                  {"download", "--verify", "a.plk"}}) {
        const Lauf l = plm1(args);
        EXPECT_EQ(l.exitCode, 2);
        EXPECT_NE(l.fehler.find("Aufruf: plm1"), std::string::npos);
    }
    EXPECT_TRUE(server.bus().empfangeneZeilen().empty());
}
