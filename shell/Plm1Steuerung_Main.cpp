// Program start and shutdown: main window and info popup, the working windows in their order, the
// settings file, and the demonstration and screenshot runs.

#include "shell/Plm1Steuerung_Main.h"

#include "cycle/Kurven_Main.h"
#include "device/VkrCom_Einstellungen.h"
#include "device/Vkr_Com.h"
#include "direct/Direkt_Main.h"
#include "errors/VKR_errorV3.h"
#include "keys/Tasten_Main.h"
#include "platform/files/datei_sicher.h"
#include "platform/files/inifile.h"
#include "platform/line/rs232_trace.h"
#include "platform/sprache/sprache.h"
#include "platform/sprache/textmarke.h"
#include "platform/ui/ui.h"
#include "platform/ui/ui_signale.h"
#include "platform/ui/ui_test.h"
#include "resources/Plm1SteuerungGui.h"
#include "resources/panels.h"
#include "shell/Plm1_Beenden.h"
#include "shell/Plm1_Fensterlage.h"
#include "shell/Plm1_GemeinsameFunktionen.h"
#include "shell/Plm1_Startoptionen.h"
#include "valves/Konfig_Main.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr const char* RESSOURCE = "Plm1SteuerungGui.uir";

int gHauptpanel = 0;
int gInfopanel = 0;
bool gEinstellungenUnlesbar = false; // the settings file exists but could not be read at start
// The settings as read at start, and what the program would have written right then: at exit only what
// changed since is put into what was read, so that nothing it does not know or could not read is lost.
IniText gGelesen = nullptr;
IniText gAusgangslage = nullptr;
std::string gDateipfad = INI_DATEINAME; // the file's full name at start, for messages

void einstellungenVergessen() {
    Ini_Dispose(gGelesen);
    Ini_Dispose(gAusgangslage);
    gGelesen = gAusgangslage = nullptr;
}

int Callback_Buttons_Mainbuttons(int panel, int control, int event, void*, int, int) {
    if (event != EVENT_COMMIT) return 0;
    switch (control) {
    case MAINPANEL_TASTATURPROG:
        TastenMain_DisplayPanel(panel);
        break;
    case MAINPANEL_ZYKLUSPROG:
        KurvenMain_DisplayPanel(panel);
        break;
    case MAINPANEL_DIREKTBETRIEB:
        DirektMain_DisplayPanel(panel);
        break;
    case MAINPANEL_KONFIGURATION:
        KonfigMain_DisplayPanel(panel);
        break;
    case MAINPANEL_INFO:
        InstallPopup(gInfopanel);
        break;
    case MAINPANEL_BEENDEN:
        Beenden_Anfordern();
        break;
    default:
        break;
    }
    return 0;
}

int Callback_Panel_Mainpanel(int, int event, void*, int, int) {
    if (event == EVENT_CLOSE) Beenden_Anfordern();
    return 0;
}

int Callback_Panel_Info(int, int event, void*, int, int) {
    if (event == EVENT_CLOSE) RemovePopup(0);
    return 0;
}

int Callback_Info_Button_Ok(int, int, int event, void*, int, int) {
    if (event == EVENT_COMMIT) RemovePopup(0);
    return 0;
}

// The working windows in the order they start, read and write their settings and are released.
struct Modul {
    const char* name;
    int (*initialisieren)();
    int (*readIni)(IniText);
    void (*writeIni)(IniText);
    void (*freigeben)();
};

const Modul gModule[] = {
    {"Zyklus", KurvenMain_Initialisieren, KurvenMain_ReadIni, KurvenMain_WriteIni, KurvenMain_Freigeben},
    {"Tasten", TastenMain_Initialisieren, TastenMain_ReadIni, TastenMain_WriteIni, TastenMain_Freigeben},
    {"Direkt", DirektMain_Initialisieren, DirektMain_ReadIni, DirektMain_WriteIni, DirektMain_Freigeben},
    {"Konfig", KonfigMain_Initialisieren, KonfigMain_ReadIni, KonfigMain_WriteIni, KonfigMain_Freigeben},
};

// Settings are read in the order cycle, keys, unit settings, direct operation.
const Modul* const gLeseReihenfolge[] = {&gModule[0], &gModule[1], &gModule[3], &gModule[2]};

void konfigEmpfaengerSetzen() {
    GemFunc_KonfigEmpfaengerSetzen(TastenMain_KonfigUebernehmen, KurvenMain_KonfigUebernehmen,
                                   DirektMain_KonfigUebernehmen);
}

// The settings as read at start name a port (the file is not read again).
bool einstellungenNennenPort() {
    return gGelesen && VkrCom_EinstellungenLesen(gGelesen).nenntPort();
}

// One PNG per window: the main window, the info popup and every registered working window.
bool fensterBilderSpeichern(const std::string& verzeichnis) {
    std::error_code fehler;
    std::filesystem::create_directories(verzeichnis, fehler);
    std::vector<std::pair<int, std::string>> bilder = {{gInfopanel, "info"}};
    for (int i = 0; i < GemFunc_AnzahlGet(); ++i)
        bilder.emplace_back(GemFunc_PanelGet(i), Startoptionen_Bildname(GemFunc_NameGet(i)));
    bool ok = true;
    for (const auto& [panel, name] : bilder) {
        const std::string pfad = verzeichnis + "/" + name + ".png";
        if (UI_PanelAlsPngSpeichern(panel, pfad) <= 0) {
            std::fprintf(
                stderr, "%s\n",
                Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "Bild %1 konnte nicht gespeichert werden"), pfad)
                    .c_str());
            ok = false;
        }
    }
    return ok;
}

// The program's name over the main window's buttons, larger than the buttons' text.
void titelHervorheben(int panel, int ctrl) {
    int punkte = 0;
    if (GetCtrlAttribute(panel, ctrl, ATTR_TEXT_POINT_SIZE, &punkte) != 0) return;
    SetCtrlAttribute(panel, ctrl, ATTR_TEXT_POINT_SIZE, static_cast<int>(std::lround(punkte * 1.8)));
    SetCtrlAttribute(panel, ctrl, ATTR_TEXT_BOLD, 1);
    SetCtrlAttribute(panel, ctrl, ATTR_TEXT_JUSTIFY, VAL_CENTER_JUSTIFIED);
}

// The language of this run: PLM1_SPRACHE when set, else the settings file's key, else the locale.
Sprache spracheBestimmen() {
    Sprache sprache = Sprache_AusUmgebung();
    if (std::getenv("PLM1_SPRACHE")) return sprache;
    if (IniText ini = Ini_New(1)) {
        int wert = 0;
        if (Ini_ReadFromFile(ini, INI_DATEINAME) >= 0 &&
            Ini_GetInt(ini, INI_SEKTION, SPRACHE_SCHLUESSEL, &wert) == 1)
            (void)Sprache_AusWert(wert, &sprache);
        Ini_Dispose(ini);
    }
    return sprache;
}

// Writes the settings at exit; a file that cannot be written is said, in a popup and on standard error,
// before the program ends. One that could not be read stays as it is, as the start-up popup said.
void einstellungenSichern() {
    std::string grund;
    if (Func_IniDateiSchreiben(&grund) == KEIN_FEHLER || gEinstellungenUnlesbar) return;
    const std::string text = Textmarke_Satz(
        QT_TRANSLATE_NOOP("Plm1", "Die Einstellungen wurden nicht gespeichert: %1: %2"), gDateipfad,
        grund.empty() ? Textmarke_Text(QT_TRANSLATE_NOOP("Plm1", "Schreibfehler")) : grund);
    std::fprintf(stderr, "%s\n", text.c_str());
    VKR_Fehleruserstring(text.c_str());
    VKR_Fehlerpopup(FEHLER_INI_SCHREIBEN);
}

} // namespace

Fehlercode Func_IniDateiLaden() {
    einstellungenVergessen();
    std::error_code fehler;
    const std::filesystem::path ordner = std::filesystem::current_path(fehler);
    gDateipfad = fehler ? INI_DATEINAME : (ordner / INI_DATEINAME).string();
    IniText ini = Ini_New(1);
    if (!ini) return FEHLER_INI_LESEN;
    gEinstellungenUnlesbar = false;
    const int gelesen = Ini_ReadFromFile(ini, INI_DATEINAME);
    if (gelesen < 0) {
        Ini_Dispose(ini);
        if (gelesen != INI_FEHLER_DATEI_OEFFNEN) return FEHLER_INI_LESEN;
        std::string grund;
        if (Datei_LesbarPruefen(INI_DATEINAME, &grund) == DATEI_FEHLT) return FEHLER_INI_NICHT_GEFUNDEN;
        // The file is there but could not be read: say why, and keep it as it is at exit.
        gEinstellungenUnlesbar = true;
        const std::string text = Textmarke_Satz(
            QT_TRANSLATE_NOOP("Plm1", "%1 kann nicht gelesen werden: %2.\nDie Datei bleibt unverändert."),
            INI_DATEINAME, grund.empty() ? Textmarke_Text(QT_TRANSLATE_NOOP("Plm1", "Lesefehler")) : grund);
        VKR_Fehleruserstring(text.c_str());
        return FEHLER_INI_LESEN;
    }
    Fehlercode erster = KEIN_FEHLER;
    for (const Modul* m : gLeseReihenfolge) {
        const Fehlercode f = m->readIni(ini);
        if (erster == KEIN_FEHLER) erster = f;
    }
    // The program runs on its built-in value for each of these; the file keeps what the operator wrote.
    if (const std::string unbrauchbar = Ini_UnbrauchbareWerte(ini); !unbrauchbar.empty()) {
        const std::string text = Textmarke_Satz(
            QT_TRANSLATE_NOOP("Plm1", "Nicht verwendbar, es gilt die Voreinstellung: %1"), unbrauchbar);
        VKR_Fehleruserstring(text.c_str());
        if (erster == KEIN_FEHLER) erster = FEHLER_INI_LESEN;
    }
    Fensterlage_Lesen(ini);
    gGelesen = ini;
    gAusgangslage = Ini_New(1);
    if (gAusgangslage) {
        for (const Modul* m : gLeseReihenfolge)
            m->writeIni(gAusgangslage);
        Fensterlage_Schreiben(gAusgangslage);
    }
    return erster;
}

Fehlercode Func_IniDateiSchreiben(std::string* grund) {
    if (gEinstellungenUnlesbar) return FEHLER_INI_SCHREIBEN; // never replace what could not be read
    IniText ini = Ini_New(1);
    if (!ini) return FEHLER_INI_SCHREIBEN;
    for (const Modul* m : gLeseReihenfolge)
        m->writeIni(ini);
    Fensterlage_Schreiben(ini);
    IniText ziel = ini;
    if (gGelesen && gAusgangslage) {
        ziel = gGelesen;
        if (Ini_AenderungenUebernehmen(ziel, gAusgangslage, ini) < 0) {
            Ini_Dispose(ini);
            return FEHLER_INI_SCHREIBEN;
        }
    }
    const int geschrieben = Ini_WriteToFile(ziel, INI_DATEINAME, grund);
    Ini_Dispose(ini);
    return geschrieben < 0 ? FEHLER_INI_SCHREIBEN : KEIN_FEHLER;
}

namespace {

// The options; the traffic log and the user's folder before anything else. False: end with -1.
bool vorbereiten(const Startoptionen& optionen) {
    // The log's path counts from where the program was started, before a menu start changes folder.
    if (std::string grund; !optionen.trace.empty() && !Rs232Trace_Starten(optionen.trace, &grund)) {
        Startoptionen_SpracheBereit();
        std::fprintf(
            stderr, "%s\n",
            Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "Protokolldatei %1 kann nicht geschrieben werden: %2"),
                           optionen.trace, grund)
                .c_str());
        return false;
    }
    return !optionen.benutzerordner || Startoptionen_BenutzerordnerWechseln();
}

// The run-time: one application object that lives as long as the process, so that nothing the windows
// layer keeps outlives it. Qt's own options go to it; its argument list must live as long as it does.
void anwendungErzeugen(const Startoptionen& optionen) {
    static std::vector<std::string> qtWoerter;
    static std::vector<char*> qtArgv;
    static int qtArgc = 0;
    [[maybe_unused]] static QApplication* app = nullptr;
    if (QApplication::instance()) return;
    qtWoerter = optionen.qtArgumente;
    qtWoerter.insert(qtWoerter.begin(), "Plm1Steuerung");
    for (std::string& w : qtWoerter)
        qtArgv.push_back(w.data());
    qtArgc = static_cast<int>(qtArgv.size());
    qtArgv.push_back(nullptr);
    if (!optionen.bilderVerzeichnis.empty() && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    app = new QApplication(qtArgc, qtArgv.data());
    const bool eigenerStil = std::any_of(qtWoerter.begin(), qtWoerter.end(), [](const std::string& w) {
        return w == "-style" || w.rfind("-style=", 0) == 0;
    });
    if (!eigenerStil) QApplication::setStyle("Fusion");
}

// The language before the first window is built: the windows, Qt's own dialogs and the error texts.
void spracheEinstellen() {
    if (!Sprache_Einstellen(spracheBestimmen()))
        std::fprintf(stderr, "English catalogue missing: German texts\n");
    VKR_Fehlersprache(static_cast<int>(Sprache_Aktuell()));
}

// The menu entry's name and icon, so that desktops group the windows under the entry and show its icon.
void symbolSetzen() {
    QGuiApplication::setDesktopFileName(QStringLiteral("plm1steuerung"));
    QIcon symbol;
    for (const char* groesse : {"48", "256"})
        symbol.addFile(QStringLiteral(":/plm1steuerung/plm1steuerung_%1.png").arg(QLatin1String(groesse)));
    QGuiApplication::setWindowIcon(symbol);
}

// The main window and the info popup, with their callbacks; the main window is shown.
bool hauptfensterLaden() {
    UI_CallbackRegistrieren("Callback_Buttons_Mainbuttons", Callback_Buttons_Mainbuttons);
    UI_CallbackRegistrieren("Callback_Panel_Mainpanel", Callback_Panel_Mainpanel);
    UI_CallbackRegistrieren("Callback_Panel_Info", Callback_Panel_Info);
    UI_CallbackRegistrieren("Callback_Info_Button_Ok", Callback_Info_Button_Ok);

    Resource_Registrieren();
    gHauptpanel = LoadPanel(0, RESSOURCE, MAINPANEL);
    if (gHauptpanel <= 0) return false;
    gInfopanel = LoadPanel(0, RESSOURCE, INFOPANEL);
    if (gInfopanel <= 0) return false;
    titelHervorheben(gHauptpanel, MAINPANEL_TEXTMSG);
    titelHervorheben(gInfopanel, INFOPANEL_TEXTMSG);
    SetCtrlVal(gInfopanel, INFOPANEL_VERSION, "V 1.0");
    SetCtrlVal(gInfopanel, INFOPANEL_DATUM, "7/2009");
    DisplayPanel(gHauptpanel);
    return true;
}

// The window list and the working windows in their order, with their window menus.
bool moduleStarten() {
    GemFunc_Initialisieren();
    GemFunc_HauptpanelSet(gHauptpanel);
    GemFunc_PanelZurListeHinzufuegen(gHauptpanel, QT_TRANSLATE_NOOP("Plm1", "Hauptfenster"), 0);
    GemFunc_KonfigEmpfaengerSetzen(nullptr, nullptr, nullptr);
    for (const Modul& m : gModule)
        if (m.initialisieren() != 0) return false;
    konfigEmpfaengerSetzen();
    GemFunc_FenstermenueintraegeErstellen();
    return true;
}

void einstellungenLaden(const Startoptionen& optionen) {
    const Fehlercode f = Func_IniDateiLaden();
    // In the program's own folder of a menu start, no file yet is simply the first start.
    if (f != KEIN_FEHLER && !(f == FEHLER_INI_NICHT_GEFUNDEN && optionen.benutzerordner)) VKR_Fehlerpopup(f);
    // The demonstration works at once: the built-in unit sits on COM 1.
    if (optionen.simulator && VkrCom_ComPortGet() == 0 && !einstellungenNennenPort())
        VkrCom_FehlermeldungSet(VkrCom_Open(1));
}

// The operator's session until the program ends, with the settings written at its end.
void bedienen(const Startoptionen& optionen) {
    if (optionen.nachStartBeenden) {
        QTimer::singleShot(0, [] {
            Startoptionen_StartzeitMelden();
            QuitUserInterface(0);
        });
    }
    RunUserInterface();
    einstellungenSichern();
}

void beenden() {
    einstellungenVergessen();
    for (const Modul& m : gModule)
        m.freigeben();
    DiscardPanel(gInfopanel);
    DiscardPanel(gHauptpanel);
    gInfopanel = gHauptpanel = 0;
    Startoptionen_SimulatorStoppen();
    Rs232Trace_Beenden();
}

} // namespace

int Plm1Steuerung_Starten(int argc, char** argv) {
    Startoptionen optionen;
    if (!Startoptionen_Lesen(argc, argv, &optionen)) return -1;
    if (optionen.hilfe || optionen.version) return 0;
    if (!vorbereiten(optionen)) return -1;
    anwendungErzeugen(optionen);
    spracheEinstellen();
    symbolSetzen();
    UI_BeendenBeiSignal();
    if (optionen.simulator && !Startoptionen_SimulatorStarten(optionen.schrittzeit)) return -1;
    if (optionen.nachStartBeenden) {
        // A measuring run waits for nobody: messages go to standard error.
        UI_MeldungsabfangSetzen([](const std::string& titel, const std::string& text) {
            std::fprintf(stderr, "%s: %s\n", titel.c_str(), text.c_str());
        });
    }
    VkrCom_Zuruecksetzen();
    if (!hauptfensterLaden() || !moduleStarten()) return -1;

    const bool bilder = !optionen.bilderVerzeichnis.empty();
    if (!bilder) einstellungenLaden(optionen);
    GemFunc_AlleTeilprogrammeKonfigUebernehmen();
    int ergebnis = 0;
    if (bilder)
        ergebnis = fensterBilderSpeichern(optionen.bilderVerzeichnis) ? 0 : -1;
    else
        bedienen(optionen);
    beenden();
    return ergebnis;
}
