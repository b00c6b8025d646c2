// Settings store: reading rules, sorted CR LF output, integer items and a write that fails safely.

#include "platform/files/inifile.h"
#include "tests/common/testdatei.h"

#include <climits>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct IniLoeschen {
    void operator()(IniStore* ini) const { Ini_Dispose(ini); }
};
using Ini = std::unique_ptr<IniStore, IniLoeschen>;

Ini ausText(const std::string& text) {
    Ini ini(Ini_New(1));
    EXPECT_EQ(Ini_ReadFromBuffer(ini.get(), text.data(), text.size()), 0);
    return ini;
}

std::string alsText(IniStore* ini) {
    std::string text;
    EXPECT_EQ(Ini_WriteToBuffer(ini, &text), 0);
    return text;
}

using testdatei::textLesen;
using testdatei::textSchreiben;

struct Abfrage {
    const char* name;
    std::string text;
    const char* section;
    const char* tag;
    int ergebnis;
    int wert; // expected value when found, else the value must stay untouched
};

const std::string kLang = "a = 12" + std::string(249, ' ') + "7"; // the 7 is byte 256 of the line

const Abfrage kAbfragen[] = {
    {"gemischte Schreibweise", "[Konfig]\n  Wert  = 5\nWERT=7\n", "KONFIG", " wert ", 1, 5},
    {"Buchstaben", "[k]\nv1 = abc\n", "k", "v1", INI_FEHLER_KEINE_ZAHL, 0},
    {"nur Leerzeichen", "[k]\nv1 =    \n", "k", "v1", 0, 0},
    {"endet nach =", "[k]\nv1=", "k", "v1", 0, 0},
    {"Section fehlt", "[k]\nv1=1\n", "x", "v1", 0, 0},
    {"Item fehlt", "[k]\nv1=1\n", "k", "v2", 0, 0},
    {"vor erster Section", "v1=4\n[k]\n", "k", "v1", 0, 0},
    {"Kommentar", "[k]\n ;v1=4\n", "k", "v1", 0, 0},
    {"Section mit Leerraum", "  [  k  ]  \t\nv1 = 3\n", "k", "v1", 1, 3},
    {"letzte Klammer zaehlt", "[a]b]\nv=1\n", "a]b", "v", 1, 1},
    {"Text hinter Klammer", "[k]\nv=1\n[x] y\nw=2\n", "k", "w", 1, 2},
    {"Text hinter Klammer oeffnet nichts", "[k]\nv=1\n[x] y\nw=2\n", "x", "w", 0, 0},
    {"ohne = ignoriert", "[k]\nv 5\nv=6\n", "k", "v", 1, 6},
    {"leer, dann Wert", "[k]\nv=\nv=5\n", "k", "v", 1, 5},
    {"leerer Tag", "[k]\n=5\n", "k", "", 0, 0},
    {"nur CR", "[k]\rv=8\r", "k", "v", 1, 8},
    {"LF CR", "[k]\n\rv=9\n\r", "k", "v", 1, 9},
    {"NUL als Zeilenende", std::string("[k]\0v=10\0", 9), "k", "v", 1, 10},
    {"255 Zeichen", "[k]\n" + kLang + "\n", "k", "a", 1, 12},
    {"Fortsetzung", "[k]\nv Line0001 = 12\nw = 5\nV Line0002 = 34\n", "k", "v", 1, 1234},
    {"Fortsetzung ohne Anfang", "[k]\nv Line0002 = 34\nv Line0001 = 12\n", "k", "v", 1, 12},
    {"groesste Zahl", "[k]\nv=2147483647\n", "k", "v", 1, INT_MAX},
    {"kleinste Zahl", "[k]\nv=-2147483648\n", "k", "v", 1, INT_MIN},
    {"zu gross", "[k]\nv=2147483648\n", "k", "v", INI_FEHLER_KEINE_ZAHL, 0},
    {"Plus", "[k]\nv=+5\n", "k", "v", 1, 5},
    {"Plus Minus", "[k]\nv=+-5\n", "k", "v", INI_FEHLER_KEINE_ZAHL, 0},
    {"Rest nach Zahl", "[k]\nv=5 5\n", "k", "v", INI_FEHLER_KEINE_ZAHL, 0},
    {"hex", "[k]\nv=0x10\n", "k", "v", INI_FEHLER_KEINE_ZAHL, 0},
    {"Komma", "[k]\nv=1.5\n", "k", "v", INI_FEHLER_KEINE_ZAHL, 0},
    {"Byte-Order-Mark", "\xEF\xBB\xBF[konfig]\r\ncom = 4\r\n", "konfig", "com", 1, 4},
    {"Byte-Order-Mark nur am Anfang", "[k]\r\n\xEF\xBB\xBF[x]\r\nv = 1\r\n", "k", "v", 1, 1},
};

TEST(IniLesen, RegelnDerZeilen) {
    for (const auto& a : kAbfragen) {
        SCOPED_TRACE(a.name);
        Ini ini = ausText(a.text);
        int wert = -4711;
        EXPECT_EQ(Ini_GetInt(ini.get(), a.section, a.tag, &wert), a.ergebnis);
        EXPECT_EQ(wert, a.ergebnis == 1 ? a.wert : -4711);
    }
}

// Read lines are written as they stood, in sorted order; what the program puts is written in its own form.
TEST(IniSchreiben, SortiertMitCrLf) {
    Ini ini = ausText("x=0\n[zeta]\nb=2\nA=1\n[Alpha]\n  c = 3\n[beta]\nZ = 9\n;kommentar\n");
    EXPECT_EQ(alsText(ini.get()), "[Alpha]\r\n  c = 3\r\n[beta]\r\nZ = 9\r\n[zeta]\r\nA=1\r\nb=2\r\n");
    ASSERT_EQ(Ini_PutInt(ini.get(), "zeta", "B", 4), 0);
    ASSERT_EQ(Ini_PutInt(ini.get(), "Gamma", "d", 5), 0);
    EXPECT_EQ(alsText(ini.get()),
              "[Alpha]\r\n  c = 3\r\n[beta]\r\nZ = 9\r\n[Gamma]\r\nd = 5\r\n[zeta]\r\nA=1\r\nB = 4\r\n");
}

TEST(IniSchreiben, LangerWertInStueckenUndZurueck) {
    // 79 letters, a blank at byte 80, then more: no piece may begin or end with the blank.
    const std::string wert = std::string(79, 'a') + " " + std::string(100, 'b') + " ö" + std::string(60, 'c');
    // Pieces read from a file are written back as they stood.
    const std::string gelesenerText =
        "[k]\r\nv Line0001 = " + wert.substr(0, 150) + "\r\nv Line0002 = " + wert.substr(150) + "\r\n";
    EXPECT_EQ(alsText(ausText(gelesenerText).get()), gelesenerText);
    Ini ini(Ini_New(1));
    ASSERT_EQ(Ini_PutString(ini.get(), "k", "v", wert.c_str()), 0);
    const std::string text = alsText(ini.get());
    std::istringstream zeilen(text);
    std::string zeile, zusammen;
    int n = 0;
    std::getline(zeilen, zeile);
    EXPECT_EQ(zeile, "[k]\r");
    while (std::getline(zeilen, zeile)) {
        ++n;
        char erwartet[32];
        std::snprintf(erwartet, sizeof erwartet, "v Line%04d = ", n);
        ASSERT_EQ(zeile.rfind(erwartet, 0), 0u) << zeile;
        ASSERT_EQ(zeile.back(), '\r');
        const std::string stueck =
            zeile.substr(std::strlen(erwartet), zeile.size() - std::strlen(erwartet) - 1);
        EXPECT_LE(stueck.size(), 80u);
        EXPECT_NE(stueck.front(), ' ');
        EXPECT_NE(stueck.back(), ' ');
        zusammen += stueck;
    }
    EXPECT_EQ(n, 4);
    EXPECT_EQ(zusammen, wert);
    EXPECT_EQ(alsText(ausText(text).get()), text);

    // Items that look like pieces but were not joined stay items of their own, round after round.
    const std::string lose = "[k]\nv Line0003 = 36\nv Line0002 Line0005 = 7\nv = " + wert +
                             "\nv Line0002 = " + wert + "\nv Line0003 = 37\n";
    const std::string erste = alsText(ausText(lose).get());
    EXPECT_EQ(alsText(ausText(erste).get()), erste);
    for (const char* stueck : {"v Line0003 = 36\r\n", "v Line0003 = 37\r\n", "v Line0002 Line0005 = 7\r\n"})
        EXPECT_NE(erste.find(stueck), std::string::npos) << stueck;
    std::string gelesen;
    EXPECT_EQ(Ini_GetString(ausText(erste).get(), "k", "v", &gelesen), 1);
    EXPECT_EQ(gelesen, wert);
}

TEST(IniSchreiben, ItemsVorDerErstenSectionGehenVerloren) {
    Ini ini = ausText("a=1\nb=2\n[k]\nc=3\n");
    EXPECT_EQ(alsText(ini.get()), "[k]\r\nc=3\r\n");
    // An empty item followed by one with a value: the value is written, once.
    EXPECT_EQ(alsText(ausText("[k]\nv=\nv=5\n").get()), "[k]\r\nv=5\r\n");
}

TEST(IniPutInt, ErsetztAlleAnDerStelleDesErsten) {
    Ini ini(Ini_New(0)); // unsorted, so the places are visible
    const std::string text = "[k]\nb=1\nv=1\nc=1\nV =2\nd=1\n";
    ASSERT_EQ(Ini_ReadFromBuffer(ini.get(), text.data(), text.size()), 0);
    ASSERT_EQ(Ini_PutInt(ini.get(), " K", "v ", -17), 0);
    EXPECT_EQ(alsText(ini.get()), "[k]\r\nb=1\r\nv  = -17\r\nc=1\r\nd=1\r\n");
}

TEST(IniPutInt, NeueSectionsUndItemsAnIhremPlatz) {
    Ini ini(Ini_New(1));
    for (const char* s : {"m", "b", "z", "B2"})
        for (const char* t : {"v3", "v1", "V2"})
            ASSERT_EQ(Ini_PutInt(ini.get(), s, t, 1), 0);
    ASSERT_EQ(Ini_PutInt(ini.get(), "M", "v1", INT_MIN), 0);
    const std::string items = "v1 = 1\r\nV2 = 1\r\nv3 = 1\r\n";
    EXPECT_EQ(alsText(ini.get()), "[b]\r\n" + items + "[B2]\r\n" + items +
                                      "[m]\r\nv1 = -2147483648\r\nV2 = 1\r\nv3 = 1\r\n" + "[z]\r\n" + items);
    int wert = 0;
    EXPECT_EQ(Ini_GetInt(ini.get(), "m", "V1", &wert), 1);
    EXPECT_EQ(wert, INT_MIN);
}

// Only what the program changed since reading reaches what was read: items kept to the byte, a changed
// value put, a new one added, one the program no longer writes removed, what it never wrote untouched.
TEST(IniAenderungen, NurGeaendertesWirdErsetzt) {
    Ini gelesen = ausText("[k]\n a = 1 \nb=2\nc = x\nd=4\nfremd = ja\n[f]\ng = \xFF\n");
    Ini vorher = ausText("[k]\na=1\nb=2\nc=0\nd=4\n");
    Ini nachher = ausText("[k]\na=1\nb=3\nc=0\ne=5\n");
    ASSERT_EQ(Ini_AenderungenUebernehmen(gelesen.get(), vorher.get(), nachher.get()), 0);
    EXPECT_EQ(alsText(gelesen.get()),
              "[f]\r\ng = \xFF\r\n[k]\r\n a = 1 \r\nb = 3\r\nc = x\r\ne = 5\r\nfremd = ja\r\n");
    // Without the item in what was read, it is written even when unchanged.
    Ini leer(Ini_New(1));
    ASSERT_EQ(Ini_AenderungenUebernehmen(leer.get(), vorher.get(), vorher.get()), 0);
    EXPECT_EQ(alsText(leer.get()), "[k]\r\na = 1\r\nb = 2\r\nc = 0\r\nd = 4\r\n");
    EXPECT_EQ(Ini_AenderungenUebernehmen(nullptr, vorher.get(), vorher.get()), INI_FEHLER_KEIN_OBJEKT);
}

// A value that is not a number, or one the caller finds out of range, is named once.
TEST(IniAenderungen, UnbrauchbareWerteEinmalGenannt) {
    Ini ini = ausText("[k]\nv3 = abc\nV3 = 7\nadresse = 300\nlang = " + std::string(60, 'z') + "\n");
    int wert = 0;
    EXPECT_EQ(Ini_GetInt(ini.get(), "k", "v3", &wert), INI_FEHLER_KEINE_ZAHL);
    EXPECT_EQ(Ini_GetInt(ini.get(), "K", " V3", &wert), INI_FEHLER_KEINE_ZAHL);
    EXPECT_EQ(Ini_GetInt(ini.get(), "k", "adresse", &wert), 1);
    EXPECT_EQ(Ini_UnbrauchbareWerte(ini.get()), "v3 = abc");
    EXPECT_EQ(Ini_WertUnbrauchbar(ini.get(), "k", "adresse"), 0);
    EXPECT_EQ(Ini_GetInt(ini.get(), "k", "lang", &wert), INI_FEHLER_KEINE_ZAHL);
    EXPECT_EQ(Ini_UnbrauchbareWerte(ini.get()),
              "v3 = abc, adresse = 300, lang = " + std::string(40, 'z') + "…");
}

TEST(IniObjekt, FehlendesObjekt) {
    int wert = 0;
    std::string text;
    EXPECT_EQ(Ini_ReadFromFile(nullptr, "x.ini"), INI_FEHLER_KEIN_OBJEKT);
    EXPECT_EQ(Ini_WriteToFile(nullptr, "x.ini"), INI_FEHLER_KEIN_OBJEKT);
    EXPECT_EQ(Ini_GetInt(nullptr, "k", "v", &wert), INI_FEHLER_KEIN_OBJEKT);
    EXPECT_EQ(Ini_PutInt(nullptr, "k", "v", 1), INI_FEHLER_KEIN_OBJEKT);
    EXPECT_EQ(Ini_ReadFromBuffer(nullptr, "", 0), INI_FEHLER_KEIN_OBJEKT);
    EXPECT_EQ(Ini_WriteToBuffer(nullptr, &text), INI_FEHLER_KEIN_OBJEKT);
    Ini_Dispose(nullptr);
}

class IniDatei : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("ini_test_" + std::to_string(::getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::vector<std::string> inhalt() const {
        std::vector<std::string> namen;
        for (const auto& e : fs::directory_iterator(dir))
            namen.push_back(e.path().filename().string());
        std::sort(namen.begin(), namen.end());
        return namen;
    }
    fs::path dir;
};

TEST_F(IniDatei, FehlendeDateiLaesstObjektLeer) {
    Ini ini(Ini_New(1));
    EXPECT_EQ(Ini_ReadFromFile(ini.get(), (dir / "fehlt.ini").c_str()), INI_FEHLER_DATEI_OEFFNEN);
    EXPECT_EQ(Ini_ReadFromFile(ini.get(), dir.c_str()), INI_FEHLER_DATEI_OEFFNEN);
    EXPECT_EQ(alsText(ini.get()), "");
}

TEST_F(IniDatei, SchreibenErsetztZielUndRaeumtAuf) {
    const fs::path ziel = dir / "plm1Steuerung.ini";
    textSchreiben(ziel, "[alt]\r\nx = 1\r\n");
    textSchreiben(dir / "fremd.txt", "bleibt");
    Ini ini(Ini_New(1));
    ASSERT_EQ(Ini_PutInt(ini.get(), "konfig", "com", 3), 0);
    ASSERT_EQ(Ini_PutInt(ini.get(), "konfig", "adresse", 49), 0);
    ASSERT_EQ(Ini_WriteToFile(ini.get(), ziel.c_str()), 0);
    EXPECT_EQ(textLesen(ziel), "[konfig]\r\nadresse = 49\r\ncom = 3\r\n");
    EXPECT_EQ(inhalt(), (std::vector<std::string>{"fremd.txt", "plm1Steuerung.ini"}));

    Ini wieder(Ini_New(1));
    ASSERT_EQ(Ini_ReadFromFile(wieder.get(), ziel.c_str()), 0);
    int com = 0;
    EXPECT_EQ(Ini_GetInt(wieder.get(), "konfig", "com", &com), 1);
    EXPECT_EQ(com, 3);
}

TEST_F(IniDatei, FehlgeschlagenesSchreibenLaesstZielStehen) {
    const fs::path ziel = dir / "plm1Steuerung.ini";
    const std::string alt = "[alt]\r\nx = 1\r\n";
    textSchreiben(ziel, alt);
    Ini ini(Ini_New(1));
    for (int i = 0; i < 2000; ++i)
        ASSERT_EQ(Ini_PutInt(ini.get(), "konfig", ("eintrag" + std::to_string(i)).c_str(), i), 0);

    // Files may grow to 4 KB only: the 16 KB buffer cannot reach the disk.
    struct sigaction ignorieren {
    }, vorher{};
    ignorieren.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignorieren, &vorher);
    rlimit grenze{}, frueher{};
    getrlimit(RLIMIT_FSIZE, &frueher);
    grenze = frueher;
    grenze.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &grenze), 0);
    const int ergebnis = Ini_WriteToFile(ini.get(), ziel.c_str());
    setrlimit(RLIMIT_FSIZE, &frueher);
    sigaction(SIGXFSZ, &vorher, nullptr);

    EXPECT_EQ(ergebnis, INI_FEHLER_DATEI_SCHREIBEN);
    EXPECT_EQ(textLesen(ziel), alt);
    EXPECT_EQ(inhalt(), std::vector<std::string>{"plm1Steuerung.ini"});

    // A directory that does not exist: nothing to open.
    EXPECT_EQ(Ini_WriteToFile(ini.get(), (dir / "fehlt" / "x.ini").c_str()), INI_FEHLER_DATEI_OEFFNEN);
}

} // namespace
