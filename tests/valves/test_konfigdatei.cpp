// The *.plc file: its bytes, saving and loading through the menu, and every way loading can fail.

#include "valves_hilfen.h"

#include "errors/VKR_errorV3.h"
#include "valves/Konfig_Datei.h"

#include <csignal>
#include <sys/resource.h>

namespace {

// The file of the built-in configuration, byte by byte.
std::vector<unsigned char> erwartetesBild(const std::vector<int>& arten, int version = 1) {
    std::vector<unsigned char> b(32, 0);
    const std::string tag = "VKRPLM1 Konfig";
    std::copy(tag.begin(), tag.end(), b.begin());
    auto wort = [&b](int v) {
        for (int i = 0; i < 4; ++i)
            b.push_back(static_cast<unsigned char>((static_cast<unsigned>(v) >> (8 * i)) & 0xFF));
    };
    wort(version);
    for (int a : arten)
        wort(a);
    for (int id = 3; id <= 13; ++id)
        wort(id);
    return b;
}

class KonfigDatei : public KonfigBank {};

TEST_F(KonfigDatei, SpeichernSchreibt124BytesMitDenSelektorKennungen) {
    gKonfig[0] = 0;
    gKonfig[1] = 1;
    KonfigGui_ArrayToGui();
    antwort = pfad("ventile.plc");
    menu("Speichern unter...");
    EXPECT_TRUE(popups.empty());
    const auto bild = bytesLesen(antwort);
    ASSERT_EQ(bild.size(), 124u);
    EXPECT_EQ(bild, erwartetesBild({0, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2}));
    EXPECT_EQ(bild[80], 3);
    EXPECT_EQ(bild[120], 13);

    // The dialog asked for "*.plc"; the next one starts in the file's folder.
    ASSERT_EQ(anfragen.size(), 1u);
    EXPECT_EQ(anfragen[0].filter, "*.plc");
    EXPECT_EQ(anfragen[0].titel, "Speichern");
    EXPECT_EQ(anfragen[0].knopf, VAL_SAVE_BUTTON);
    antwort.clear();
    menu("Laden...");
    ASSERT_EQ(anfragen.size(), 2u);
    EXPECT_EQ(anfragen[1].titel, "Öffnen");
    EXPECT_EQ(anfragen[1].knopf, VAL_LOAD_BUTTON);
    EXPECT_EQ(anfragen[1].verzeichnis, verzeichnis.path().toStdString() + "/");
    EXPECT_TRUE(popups.empty()) << "cancel is never shown";
}

TEST_F(KonfigDatei, LadenNimmtDieArtenUndUebergehtDieKennungen) {
    auto bild = erwartetesBild({2, 0, 1, 5, 2, 2, 2, 2, 2, 2, 0});
    for (int i = 80; i < 124; ++i)
        bild[i] = 0x77; // other numbers there load the same way
    bytesSchreiben(pfad("fremd.plc"), bild);
    antwort = pfad("fremd.plc");
    menu("Laden...");
    EXPECT_TRUE(popups.empty());
    EXPECT_EQ(arten(), (std::vector<int>{2, 0, 1, 5, 2, 2, 2, 2, 2, 2, 0}));
    // Kind 5 is kept: fitted, not normally open.
    EXPECT_EQ(KonfigMain_VentilVorhanden(3), 1);
    EXPECT_EQ(KonfigMain_VentilIstNO(3), 0);
    EXPECT_EQ(KonfigMain_VentilVorhanden(1), 0);
    EXPECT_EQ(KonfigMain_VentilIstNO(2), 1);
    EXPECT_EQ(KonfigMain_VentilVorhanden(11), 0);
    EXPECT_EQ(KonfigMain_VentilIstNO(-1), 0);
    // The selectors follow the loaded kinds.
    int wert = -1;
    GetCtrlVal(konfigPanelHandle, KONFIGPNL_VENTILART2, &wert);
    EXPECT_EQ(wert, 0);
    // The file's own numbers are not taken over as selector identifiers.
    EXPECT_EQ(gKonfigAuswahl[0], KONFIGPNL_VENTILART1);
}

TEST_F(KonfigDatei, FehlerhafteDateienAendernNichts) {
    const auto gut = erwartetesBild({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    auto falscherTyp = gut;
    falscherTyp[8] = 'k';
    auto version2 = erwartetesBild({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 2);
    const std::vector<unsigned char> kurz(gut.begin(), gut.begin() + 123);
    auto ohneNull = gut;
    for (int i = 14; i < 32; ++i)
        ohneNull[i] = 'x';
    auto gekuerzt = gut;
    gekuerzt[12] = 0; // "VKRPLM1 Konf"
    auto nullen = gut;
    std::fill(nullen.begin(), nullen.begin() + 36, 0);

    struct Fall {
        const char* name;
        const std::vector<unsigned char>* inhalt; // nullptr: the file does not exist
        Fehlercode code;
        const char* zusatz;
    };
    const Fall faelle[] = {
        {"typ.plc", &falscherTyp, FEHLER_KONFIGDATEI_TYP, nullptr},
        {"ohnenull.plc", &ohneNull, FEHLER_KONFIGDATEI_TYP, nullptr},
        {"gekuerzt.plc", &gekuerzt, FEHLER_KONFIGDATEI_TYP, nullptr},
        {"nullen.plc", &nullen, FEHLER_KONFIGDATEI_TYP, nullptr},
        {"v2.plc", &version2, FEHLER_KONFIGDATEI_VERSION, "V 2 (erwartet V 1)"},
        {"kurz.plc", &kurz, FEHLER_KONFIGDATEI_ZU_KURZ, nullptr},
        {"fehlt.plc", nullptr, FEHLER_KONFIGDATEI_FEHLT, nullptr},
    };
    for (const Fall& f : faelle) {
        popups.clear();
        if (f.inhalt) bytesSchreiben(pfad(f.name), *f.inhalt);
        antwort = pfad(f.name);
        menu("Laden...");
        ASSERT_EQ(popups.size(), 1u) << f.name;
        EXPECT_EQ(popups[0].first, "Fehler #" + std::to_string(-f.code)) << f.name;
        std::string meldung = VKR_Fehlermeldung(f.code);
        if (f.zusatz) meldung += std::string("\n") + f.zusatz;
        EXPECT_EQ(popups[0].second, meldung) << f.name;
        EXPECT_EQ(arten(), std::vector<int>(11, 2)) << f.name;
    }
    // None of the failures changed the path: the dialog still starts in the working folder.
    EXPECT_EQ(anfragen.back().verzeichnis, "");
}

TEST_F(KonfigDatei, FehlgeschlagenesSpeichernLaesstDieAlteDateiStehen) {
    const std::string ziel = pfad("alt.plc");
    const auto alt = erwartetesBild({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    bytesSchreiben(ziel, alt);
    antwort = ziel;

    // Files may not grow past 100 bytes: the write of 124 bytes comes up short.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit vorher{};
    getrlimit(RLIMIT_FSIZE, &vorher);
    rlimit klein = vorher;
    klein.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &klein), 0);
    const Fehlercode f = KonfigDatei_Speichern();
    setrlimit(RLIMIT_FSIZE, &vorher);
    EXPECT_EQ(f, FEHLER_KONFIGDATEI_SCHREIBEN);
    EXPECT_EQ(bytesLesen(ziel), alt);

    // A folder that does not exist cannot be written at all.
    antwort = pfad("gibtsnicht/neu.plc");
    EXPECT_EQ(KonfigDatei_Speichern(), FEHLER_KONFIGDATEI_OEFFNEN_SCHREIBEN);
    antwort.clear();
    EXPECT_EQ(KonfigDatei_Speichern(), FEHLER_ABBRUCH_DURCH_BENUTZER);
    EXPECT_EQ(KonfigDatei_Laden(), FEHLER_ABBRUCH_DURCH_BENUTZER);
}

TEST(KonfigDateiBild, AuswertenPrueftLaengeTypUndVersion) {
    unsigned char bild[KONFIGDATEI_GROESSE];
    Konfigarray_Initialisieren();
    KonfigDatei_BildErstellen(bild);
    int arten[11] = {};
    EXPECT_EQ(KonfigDatei_BildAuswerten(bild, KONFIGDATEI_GROESSE, arten), 0);
    EXPECT_EQ(arten[10], 2);
    EXPECT_EQ(KonfigDatei_BildAuswerten(bild, KONFIGDATEI_GROESSE - 1, arten), FEHLER_KONFIGDATEI_ZU_KURZ);
    EXPECT_EQ(KonfigDatei_BildAuswerten(nullptr, 0, arten), FEHLER_KONFIGDATEI_ZU_KURZ);
}

} // namespace
