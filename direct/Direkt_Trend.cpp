// Direct-operation window: trend and recording. The history lives here for the life of the program, so
// switching windows or polling off and on keeps what was seen.

#include "direct/Direkt_Trend.h"
#include "platform/sprache/textmarke.h"

#include "device/Vkr_Com.h"
#include "direct/Direkt_Userinterface.h"
#include "direct/Direktarrays.h"
#include "platform/ui/ui.h"
#include "platform/ui/ui_streifen.h"
#include "resources/Plm1SteuerungGui.h"

#include <chrono>
#include <cmath>
#include <filesystem>
#include <limits>
#include <string>

namespace {

constexpr double KEIN_WERT = std::numeric_limits<double>::quiet_NaN();
constexpr int FARBE_KREIS[DIREKT_KREISE] = {0x1F5FBF, 0xC03A20};
constexpr int FARBE_GRENZE[DIREKT_KREISE] = {0x6F9FE8, 0xE8906F};

DirektMessreihe gMessreihe;
const StripChartQuelleVon<DirektMessreihe> gChartQuelle(gMessreihe);
DirektAufzeichnung gAufzeichnung;

void aufzeichnungAnzeigen() {
    const int p = gDirektPanelHandle;
    if (p <= 0) return;
    SetCtrlVal(p, DIREKTPNL_AUFZEICHNEN, gAufzeichnung.laeuft() ? 1 : 0);
    std::string text = QT_TRANSLATE_NOOP("Plm1", "keine Aufzeichnung");
    if (!gAufzeichnung.pfad().empty()) {
        const long n = gAufzeichnung.zeilen();
        std::string zeilen = Textmarke_Satz(
            n == 1 ? QT_TRANSLATE_NOOP("Plm1", "%1 Zeile") : QT_TRANSLATE_NOOP("Plm1", "%1 Zeilen"), n);
        if (!gAufzeichnung.laeuft())
            zeilen = Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "%1 (beendet)"), zeilen);
        text = std::filesystem::path(gAufzeichnung.pfad()).filename().string() + "\n" + zeilen;
    }
    SetCtrlVal(p, DIREKTPNL_AUFZEICHNUNGSTEXT, text.c_str());
}

void spanneUebernehmen(int panel) {
    int minuten = DIREKTTREND_STANDARD_MINUTEN;
    GetCtrlVal(panel, DIREKTPNL_TRENDSPANNE, &minuten);
    SetStripChartSpan(panel, DIREKTPNL_TREND, 60.0 * minuten);
}

} // namespace

void DirektTrend_Initialisieren(int panel) {
    SetStripChartSource(panel, DIREKTPNL_TREND, &gChartQuelle, MESSREIHE_SPUREN);
    SetStripChartUnit(panel, DIREKTPNL_TREND, DIREKTTREND_EINHEIT);
    SetStripChartTrace(panel, DIREKTPNL_TREND, MESSREIHE_DRUCK1, FARBE_KREIS[0], 0,
                       QT_TRANSLATE_NOOP("Plm1", "Druck 1"));
    SetStripChartTrace(panel, DIREKTPNL_TREND, MESSREIHE_DRUCK2, FARBE_KREIS[1], 0,
                       QT_TRANSLATE_NOOP("Plm1", "Druck 2"));
    SetStripChartTrace(panel, DIREKTPNL_TREND, MESSREIHE_OBEN1, FARBE_GRENZE[0], 1,
                       QT_TRANSLATE_NOOP("Plm1", "Grenzen 1"));
    SetStripChartTrace(panel, DIREKTPNL_TREND, MESSREIHE_UNTEN1, FARBE_GRENZE[0], 1, "");
    SetStripChartTrace(panel, DIREKTPNL_TREND, MESSREIHE_OBEN2, FARBE_GRENZE[1], 1,
                       QT_TRANSLATE_NOOP("Plm1", "Grenzen 2"));
    SetStripChartTrace(panel, DIREKTPNL_TREND, MESSREIHE_UNTEN2, FARBE_GRENZE[1], 1, "");
    SetCtrlVal(panel, DIREKTPNL_TRENDSPANNE, DIREKTTREND_STANDARD_MINUTEN);
    spanneUebernehmen(panel);
    aufzeichnungAnzeigen();
}

void DirektTrend_Freigeben() {
    gAufzeichnung.beenden();
}

void DirektTrend_Abgefragt(int status) {
    const DirektArrays& a = gDirekt;
    const auto jetzt = std::chrono::system_clock::now();
    const double zeit = std::chrono::duration<double>(jetzt.time_since_epoch()).count();
    double werte[MESSREIHE_SPUREN];
    for (int n = 0; n < DIREKT_KREISE; ++n) {
        werte[MESSREIHE_DRUCK1 + n] = a.druck[n];
        werte[MESSREIHE_OBEN1 + 2 * n] = a.druckHighEin[n] ? a.druckHigh[n] : KEIN_WERT;
        werte[MESSREIHE_UNTEN1 + 2 * n] = a.druckLowEin[n] ? a.druckLow[n] : KEIN_WERT;
    }
    gMessreihe.hinzufuegen(zeit, werte);
    if (gDirektPanelHandle > 0) RefreshStripChart(gDirektPanelHandle, DIREKTPNL_TREND);

    if (!gAufzeichnung.laeuft()) return;
    const DirektMesswerte m{{a.druck[0], a.druck[1]}, a.spannung, a.temperatur, status};
    if (Fehlercode f = gAufzeichnung.schreiben(jetzt, m)) VkrCom_FehlermeldungSet(f);
    aufzeichnungAnzeigen();
}

const DirektMessreihe& DirektTrend_Messreihe() {
    return gMessreihe;
}

const DirektAufzeichnung& DirektTrend_Aufzeichnung() {
    return gAufzeichnung;
}

int Callback_Direkt_Trend(int panel, int control, int event, void*, int, int) {
    if (event != EVENT_COMMIT) return 0;
    if (control == DIREKTPNL_TRENDSPANNE) spanneUebernehmen(panel);
    if (control == DIREKTPNL_TRENDANHALTEN) {
        int angehalten = 0;
        GetCtrlVal(panel, DIREKTPNL_TRENDANHALTEN, &angehalten);
        SetStripChartPaused(panel, DIREKTPNL_TREND, angehalten);
    }
    return 0;
}

int Callback_Direkt_Aufzeichnen(int panel, int control, int event, void*, int, int) {
    if (event != EVENT_COMMIT) return 0;
    int an = 0;
    GetCtrlVal(panel, control, &an);
    if (!an) {
        gAufzeichnung.beenden();
        aufzeichnungAnzeigen();
        return 0;
    }
    char pfad[MAX_PATHNAME_LEN] = {};
    const std::string verzeichnis = gAufzeichnung.pfad().empty()
                                        ? std::string()
                                        : std::filesystem::path(gAufzeichnung.pfad()).parent_path().string();
    const int r = FileSelectPopup(verzeichnis.c_str(), DIREKTTREND_CSV_FILTER, DIREKTTREND_CSV_FILTER,
                                  "Aufzeichnen", VAL_SAVE_BUTTON, 0, 1, 1, 1, pfad);
    if (r != VAL_NO_FILE_SELECTED) {
        VkrCom_FehlermeldungSet(KEIN_FEHLER);
        if (Fehlercode f = gAufzeichnung.starten(pfad)) VkrCom_FehlermeldungSet(f);
    }
    aufzeichnungAnzeigen();
    return 0;
}
