// Trend history, recording file and their controls in the direct-operation window: the ring's bound, the
// CSV lines and their flushing, a failing write, and polls against the simulated unit feeding both.

#include "tests/direct/direkt_testumgebung.h"

#include "direct/Direkt_Aufzeichnung.h"
#include "direct/Direkt_Com.h"
#include "direct/Direkt_Messreihe.h"
#include "direct/Direkt_Trend.h"
#include "direct/Direktarrays.h"
#include "platform/sprache/sprache.h"
#include "platform/ui/ui.h"
#include "platform/ui/ui_streifen.h"
#include "platform/ui/ui_test.h"
#include "resources/Plm1SteuerungGui.h"
#include "tests/common/testdatei.h"

#include <QImage>
#include <QTemporaryDir>
#include <QWidget>
#include <clocale>
#include <cmath>
#include <csignal>
#include <fstream>
#include <regex>
#include <sys/resource.h>

namespace {

const std::regex ISO_ZEIT(R"(\d{4}-\d{2}-\d{2}T\d{2}:\d{2}:\d{2}\.\d{3}[+-]\d{2}:\d{2})");

// Lets writes to regular files fail beyond `bytes` (EFBIG instead of a signal) for the life of the object.
class Dateigrenze {
  public:
    explicit Dateigrenze(rlim_t bytes) {
        alt_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &vorher_);
        rlimit neu = vorher_;
        neu.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &neu);
    }
    ~Dateigrenze() {
        setrlimit(RLIMIT_FSIZE, &vorher_);
        std::signal(SIGXFSZ, alt_);
    }

  private:
    rlimit vorher_{};
    void (*alt_)(int) = nullptr;
};

} // namespace

TEST(DirektMessreihe, RingBehaeltDieNeuestenInZeitfolge) {
    struct Fall {
        double zeit;
        long anzahl; // afterwards
        double aeltesteZeit, neuesteZeit;
    };
    const std::vector<Fall> faelle = {
        {10, 1, 10, 10},   {11, 2, 10, 11}, {12, 3, 10, 12}, {13, 3, 11, 13}, // capacity 3: the oldest goes
        {12.5, 3, 12, 13},                                                    // a clock set back counts as 13
        {NAN, 3, 12, 13},                                                     // not a time: ignored
        {20, 3, 13, 20},
    };
    DirektMessreihe v(3);
    for (std::size_t i = 0; i < faelle.size(); ++i) {
        const Fall& f = faelle[i];
        double werte[MESSREIHE_SPUREN];
        for (int s = 0; s < MESSREIHE_SPUREN; ++s)
            werte[s] = s == MESSREIHE_OBEN2 ? NAN : 100.0 * s + f.zeit;
        v.hinzufuegen(f.zeit, werte);
        ASSERT_EQ(v.anzahl(), f.anzahl) << i;
        EXPECT_EQ(v.zeit(0), f.aeltesteZeit) << i;
        EXPECT_EQ(v.zeit(v.anzahl() - 1), f.neuesteZeit) << i;
        for (long k = 1; k < v.anzahl(); ++k)
            EXPECT_LE(v.zeit(k - 1), v.zeit(k)) << i;
    }
    EXPECT_FLOAT_EQ(v.wert(2, MESSREIHE_DRUCK2), 120);
    EXPECT_TRUE(std::isnan(v.wert(2, MESSREIHE_OBEN2))) << "a limit that is off stays a gap";
    EXPECT_TRUE(std::isnan(v.wert(3, MESSREIHE_DRUCK1)));
    EXPECT_TRUE(std::isnan(v.wert(0, MESSREIHE_SPUREN)));
    EXPECT_TRUE(std::isnan(v.zeit(-1)));
    EXPECT_EQ(DirektMessreihe().kapazitaet(), 8 * 3600 * 2) << "8 hours at the 0.5 s poll";
}

TEST(DirektAufzeichnung, ZeilenSindGeschriebenSobaldSieDaSind) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string pfad = dir.filePath("lauf.csv").toStdString();
    DirektAufzeichnung a;
    ASSERT_EQ(a.starten(pfad), KEIN_FEHLER);
    const auto t = std::chrono::system_clock::now();
    const DirektMesswerte werte[] = {{{812.4, -452}, 24.1, 36.8, 0x0105}, {{0, 1e-3}, 0, -5.5, 0xFFFF}};
    for (const auto& w : werte)
        ASSERT_EQ(a.schreiben(t, w), KEIN_FEHLER);
    // Read while the file is still open: every line is on the disk already.
    const auto z = testdatei::zeilenLesen(pfad);
    ASSERT_EQ(z.size(), 3u);
    EXPECT_EQ(z[0], "zeit,druck1,druck2,spannung,temperatur,status");
    const std::string zeit = DirektAufzeichnung_Zeit(t);
    EXPECT_TRUE(std::regex_match(zeit, ISO_ZEIT)) << zeit;
    EXPECT_EQ(z[1], zeit + ",812.4,-452,24.1,36.8,0105");
    EXPECT_EQ(z[2], zeit + ",0,0.001,0,-5.5,FFFF");
    EXPECT_EQ(a.zeilen(), 2);
    EXPECT_TRUE(a.laeuft());
    // A new recording counts its own lines from 0.
    ASSERT_EQ(a.starten(dir.filePath("zweiter.csv").toStdString()), KEIN_FEHLER);
    EXPECT_EQ(a.zeilen(), 0);
    ASSERT_EQ(a.schreiben(t, werte[0]), KEIN_FEHLER);
    EXPECT_EQ(a.zeilen(), 1);
    EXPECT_EQ(testdatei::zeilenLesen(pfad).size(), 3u) << "the first file keeps its lines";

    // Milliseconds are those of the time given, also just before a full second.
    const auto volle = std::chrono::system_clock::time_point(std::chrono::seconds(1700000000));
    EXPECT_EQ(DirektAufzeichnung_Zeit(volle - std::chrono::milliseconds(1)).substr(19, 4), ".999");
    EXPECT_EQ(DirektAufzeichnung_Zeit(volle + std::chrono::milliseconds(7)).substr(19, 4), ".007");
}

TEST(DirektAufzeichnung, SchreibfehlerBeendetUndBehaeltDasGeschriebene) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    DirektAufzeichnung a;
    EXPECT_EQ(a.starten(dir.filePath("fehlt/lauf.csv").toStdString()), FEHLER_AUFZEICHNUNG_OEFFNEN);
    EXPECT_FALSE(a.laeuft());

    const std::string pfad = dir.filePath("voll.csv").toStdString();
    ASSERT_EQ(a.starten(pfad), KEIN_FEHLER);
    const DirektMesswerte w{{1, 2}, 3, 4, 5};
    ASSERT_EQ(a.schreiben(std::chrono::system_clock::now(), w), KEIN_FEHLER);
    const auto vorher = testdatei::zeilenLesen(pfad);
    {
        Dateigrenze grenze(std::filesystem::file_size(pfad) + 10); // not room for a whole line
        EXPECT_EQ(a.schreiben(std::chrono::system_clock::now(), w), FEHLER_AUFZEICHNUNG_SCHREIBEN);
    }
    EXPECT_FALSE(a.laeuft());
    EXPECT_EQ(a.zeilen(), 1);
    EXPECT_EQ(a.schreiben(std::chrono::system_clock::now(), w), KEIN_FEHLER) << "stopped: nothing happens";
    EXPECT_EQ(testdatei::zeilenLesen(pfad), vorher) << "the part of the failed line is cut off";
}

// ---- in the window, against the simulated unit ------------------------------------------------------------

class DirektTrend : public DirektGeraet {
  protected:
    void SetUp() override {
        DirektGeraet::SetUp();
        ASSERT_TRUE(dir.isValid());
        gDirekt.abfragen = 1;
    }
    void TearDown() override {
        UI_DateiauswahlSetzen(nullptr);
        SetCtrlVal(panel, DIREKTPNL_AUFZEICHNEN, 0);
        Callback_Direkt_Aufzeichnen(panel, DIREKTPNL_AUFZEICHNEN, EVENT_COMMIT, nullptr, 0, 0);
        SetCtrlVal(panel, DIREKTPNL_TRENDANHALTEN, 0);
        Callback_Direkt_Trend(panel, DIREKTPNL_TRENDANHALTEN, EVENT_COMMIT, nullptr, 0, 0);
        DirektGeraet::TearDown();
    }
    void abfragen(int n) {
        for (int i = 0; i < n; ++i)
            ASSERT_EQ(DirektCom_ArrayDownload(), KEIN_FEHLER);
    }
    // Switches the recording on as the operator does; the file dialog answers `wahl` ("" cancels).
    void aufzeichnenEin(const std::string& wahl) {
        UI_DateiauswahlSetzen([wahl](const DateiauswahlAnfrage& a) {
            EXPECT_EQ(a.filter, "*.csv");
            return wahl;
        });
        SetCtrlVal(panel, DIREKTPNL_AUFZEICHNEN, 1);
        Callback_Direkt_Aufzeichnen(panel, DIREKTPNL_AUFZEICHNEN, EVENT_COMMIT, nullptr, 0, 0);
    }
    std::string text(int control) const {
        std::string s;
        GetCtrlVal(panel, control, &s);
        return s;
    }
    QTemporaryDir dir;
};

TEST_F(DirektTrend, JedeAbfrageKommtInDieMessreiheMitDenAktivenGrenzen) {
    plm1sim::Zustand z = server.bus().zustand('1');
    z.istDruck[0] = 640;
    z.istDruck[1] = -310;
    z.druckHigh[0] = 700;
    server.bus().zustandSetzen('1', z);
    gDirekt.monitorModus = 1; // the limits come back from the unit
    const long vorher = DirektTrend_Messreihe().anzahl();
    abfragen(3);
    const DirektMessreihe& v = DirektTrend_Messreihe();
    ASSERT_EQ(v.anzahl(), vorher + 3);
    const long n = v.anzahl() - 1;
    EXPECT_NEAR(v.wert(n, MESSREIHE_DRUCK1), gDirekt.druck[0], 0.01);
    EXPECT_NEAR(v.wert(n, MESSREIHE_DRUCK2), gDirekt.druck[1], 0.01);
    EXPECT_EQ(v.wert(n, MESSREIHE_OBEN1), 700);
    EXPECT_TRUE(std::isnan(v.wert(n, MESSREIHE_UNTEN1))) << "no lower limit: no line";
    EXPECT_TRUE(std::isnan(v.wert(n, MESSREIHE_OBEN2)));

    double ende = 0;
    ASSERT_EQ(GetStripChartViewEnd(panel, DIREKTPNL_TREND, &ende), 0);
    EXPECT_EQ(ende, v.zeit(n)) << "the chart follows the newest poll";
    // The window gives the chart its unit: text in the corner over the value labels.
    const QImage bild = UI_CtrlWidget(panel, DIREKTPNL_TREND)->grab().toImage();
    int dunkel = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 48; ++x)
            dunkel += qGray(bild.pixel(x, y)) < 128;
    EXPECT_GT(dunkel, 10) << "mbar";
    SetCtrlVal(panel, DIREKTPNL_TRENDANHALTEN, 1);
    Callback_Direkt_Trend(panel, DIREKTPNL_TRENDANHALTEN, EVENT_COMMIT, nullptr, 0, 0);
    abfragen(2);
    double gehalten = 0;
    ASSERT_EQ(GetStripChartViewEnd(panel, DIREKTPNL_TREND, &gehalten), 0);
    EXPECT_EQ(gehalten, ende) << "held while paused";
    SetCtrlVal(panel, DIREKTPNL_TRENDANHALTEN, 0);
    Callback_Direkt_Trend(panel, DIREKTPNL_TRENDANHALTEN, EVENT_COMMIT, nullptr, 0, 0);
    ASSERT_EQ(GetStripChartViewEnd(panel, DIREKTPNL_TREND, &ende), 0);
    EXPECT_EQ(ende, v.zeit(v.anzahl() - 1));
}

TEST_F(DirektTrend, AufzeichnenSchreibtJeAbfrageEineZeileUndZeigtDateiUndZeilen) {
    // The file is the same in both languages (a point in every number, whatever the system's locale);
    // the count under the switch is in the language.
    const struct {
        Sprache sprache;
        const char *vier, *beendet, *keine, *eine, *zwei;
    } sprachen[] = {
        {Sprache::Deutsch, "4 Zeilen", "4 Zeilen (beendet)", "0 Zeilen", "1 Zeile", "2 Zeilen"},
        {Sprache::Englisch, "4 lines", "4 lines (ended)", "0 lines", "1 line", "2 lines"},
    };
    std::vector<std::string> dateien;
    for (const auto& s : sprachen) {
        std::setlocale(LC_NUMERIC, "C.UTF-8"); // as the application object leaves it on a system
        ASSERT_TRUE(Sprache_Einstellen(s.sprache));
        EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
        const std::string name = s.sprache == Sprache::Deutsch ? "messung" : "recording";
        aufzeichnenEin("");
        EXPECT_EQ(ctrlInt(DIREKTPNL_AUFZEICHNEN), 0) << "cancelled: no recording";
        EXPECT_FALSE(DirektTrend_Aufzeichnung().laeuft());

        plm1sim::Zustand z = server.bus().zustand('1');
        z.spannung = 23.7;
        z.status = 0x0100;
        server.bus().zustandSetzen('1', z);
        const std::string pfad = dir.filePath(QString::fromStdString(name + ".csv")).toStdString();
        aufzeichnenEin(pfad);
        EXPECT_EQ(ctrlInt(DIREKTPNL_AUFZEICHNEN), 1);
        abfragen(4);
        const auto zeilen = testdatei::zeilenLesen(pfad);
        ASSERT_EQ(zeilen.size(), 5u);
        EXPECT_EQ(zeilen[0], "zeit,druck1,druck2,spannung,temperatur,status");
        const std::regex zeile(R"((\S+),[-0-9.e]+,[-0-9.e]+,23\.7,31\.5,010[0-3])");
        std::string ohneZeit;
        for (std::size_t i = 1; i < zeilen.size(); ++i) {
            std::smatch m;
            ASSERT_TRUE(std::regex_match(zeilen[i], m, zeile)) << zeilen[i];
            EXPECT_TRUE(std::regex_match(m[1].str(), ISO_ZEIT)) << zeilen[i];
            ohneZeit += zeilen[i].substr(m[1].length()) + "\n";
        }
        dateien.push_back(zeilen[0] + "\n" + ohneZeit);
        EXPECT_EQ(text(DIREKTPNL_AUFZEICHNUNGSTEXT), name + ".csv\n" + s.vier);

        SetCtrlVal(panel, DIREKTPNL_AUFZEICHNEN, 0);
        Callback_Direkt_Aufzeichnen(panel, DIREKTPNL_AUFZEICHNEN, EVENT_COMMIT, nullptr, 0, 0);
        abfragen(1);
        EXPECT_EQ(testdatei::zeilenLesen(pfad).size(), 5u) << "switched off: no more lines";
        EXPECT_EQ(text(DIREKTPNL_AUFZEICHNUNGSTEXT), name + ".csv\n" + s.beendet);
        // Switched on again into another file: its count starts at 0.
        aufzeichnenEin(dir.filePath(QString::fromStdString(name + "2.csv")).toStdString());
        EXPECT_EQ(text(DIREKTPNL_AUFZEICHNUNGSTEXT), name + "2.csv\n" + s.keine);
        abfragen(1);
        EXPECT_EQ(text(DIREKTPNL_AUFZEICHNUNGSTEXT), name + "2.csv\n" + s.eine);
        abfragen(1);
        EXPECT_EQ(text(DIREKTPNL_AUFZEICHNUNGSTEXT), name + "2.csv\n" + s.zwei);
        SetCtrlVal(panel, DIREKTPNL_AUFZEICHNEN, 0);
        Callback_Direkt_Aufzeichnen(panel, DIREKTPNL_AUFZEICHNEN, EVENT_COMMIT, nullptr, 0, 0);
    }
    Sprache_Einstellen(Sprache::Deutsch);
    ASSERT_EQ(dateien.size(), 2u);
    EXPECT_EQ(dateien[0], dateien[1]);
}

TEST_F(DirektTrend, SchreibfehlerBeendetDieAufzeichnungMitDemDateifehler) {
    const std::string pfad = dir.filePath("voll.csv").toStdString();
    aufzeichnenEin(pfad);
    abfragen(2);
    ASSERT_EQ(testdatei::zeilenLesen(pfad).size(), 3u);
    {
        Dateigrenze grenze(std::filesystem::file_size(pfad) + 5);
        ASSERT_EQ(DirektCom_ArrayDownload(), KEIN_FEHLER) << "polling goes on";
    }
    EXPECT_EQ(fehlernummer(), FEHLER_AUFZEICHNUNG_SCHREIBEN);
    EXPECT_NE(text(DIREKTPNL_FEHLERSTRING).find("Fehler beim Schreiben auf Datei"), std::string::npos)
        << text(DIREKTPNL_FEHLERSTRING);
    EXPECT_EQ(ctrlInt(DIREKTPNL_AUFZEICHNEN), 0);
    EXPECT_FALSE(DirektTrend_Aufzeichnung().laeuft());
    const auto geschrieben = testdatei::zeilenLesen(pfad);
    abfragen(1);
    EXPECT_EQ(geschrieben.size(), 3u) << "what was written stays, without a part of the failed line";
    EXPECT_EQ(testdatei::zeilenLesen(pfad), geschrieben);
}
