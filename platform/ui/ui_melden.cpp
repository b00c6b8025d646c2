// Popups and progress without windows: the handlers of tests and tools first, then the windows layer when
// it is in the program, else standard error (messages) or nothing (dialogs cancel, progress is not shown).

#include "platform/ui/ui_melden.h"

#include "platform/sprache/textmarke.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <system_error>

namespace {

std::function<void(const std::string&, const std::string&)> g_meldung;
std::function<std::string(const DateiauswahlAnfrage&)> g_datei;
std::function<void(const std::string&, int)> g_beobachter;
std::function<int(const std::string&, const std::string&)> g_bestaetigung;
const UiMeldeFenster* g_fenster = nullptr;

std::map<int, std::string>& dialoge() {
    static std::map<int, std::string> d;
    return d;
}
int g_naechster = 1;
constexpr int FEHLER_DIALOG = -56; // the windows layer's code for an unknown handle

std::string text(const char* s) {
    return s ? s : "";
}

} // namespace

void UI_MeldungsabfangSetzen(std::function<void(const std::string& title, const std::string& text)> handler) {
    g_meldung = std::move(handler);
}

void UI_BestaetigungsabfangSetzen(std::function<int(const std::string&, const std::string&)> handler) {
    g_bestaetigung = std::move(handler);
}

void UI_DateiauswahlSetzen(std::function<std::string(const DateiauswahlAnfrage&)> handler) {
    g_datei = std::move(handler);
}

void UI_FortschrittsbeobachterSetzen(std::function<void(const std::string& title, int percent)> observer) {
    g_beobachter = std::move(observer);
}

void UI_MeldeFensterSetzen(const UiMeldeFenster* fenster) {
    g_fenster = fenster;
}

bool UI_BeendenAngefordert() {
    return g_fenster && g_fenster->beendenAngefordert && g_fenster->beendenAngefordert();
}

int MessagePopup(const char* title, const char* message) {
    if (g_meldung) {
        g_meldung(text(title), text(message));
        return 0;
    }
    if (g_fenster) return g_fenster->meldung(title ? title : "", message ? message : "");
    std::fprintf(stderr, "%s\n%s\n", text(title).c_str(), text(message).c_str());
    return 0;
}

int ConfirmPopup(const char* title, const char* message) {
    if (g_bestaetigung) return g_bestaetigung(text(title), text(message)) == 1 ? 1 : 0;
    if (g_fenster && g_fenster->bestaetigung)
        return g_fenster->bestaetigung(title ? title : "", message ? message : "");
    return 0;
}

bool UI_ErsetzenBestaetigt(const std::string& pfad) {
    const std::string name = std::filesystem::path(pfad).filename().string();
    return ConfirmPopup(
               UI_TITEL_ERSETZEN,
               Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "%1 existiert bereits. Ersetzen?"), name).c_str()) ==
           1;
}

int FileSelectPopup(const char* defaultDirectory, const char* defaultFileSpec, const char* fileTypeList,
                    const char* title, int buttonLabel, int /*restrictDirectory*/, int restrictExtension,
                    int /*allowCancel*/, int allowMakeDirectory, char* pathName) {
    DateiauswahlAnfrage a;
    a.verzeichnis = text(defaultDirectory);
    a.vorgabe = text(defaultFileSpec);
    a.filter = text(fileTypeList);
    a.titel = text(title);
    a.knopf = buttonLabel;
    a.neueVerzeichnisse = allowMakeDirectory;

    std::string pfad;
    if (g_datei)
        pfad = g_datei(a);
    else if (g_fenster)
        pfad = g_fenster->dateiauswahl(a, restrictExtension);
    if (pfad.empty()) return VAL_NO_FILE_SELECTED;
    // A path that does not fit the caller's buffer is refused rather than cut to a different file.
    if (pfad.size() >= static_cast<std::size_t>(MAX_PATHNAME_LEN)) return VAL_NO_FILE_SELECTED;
    if (pathName) std::memcpy(pathName, pfad.c_str(), pfad.size() + 1);
    std::error_code fehler;
    return std::filesystem::exists(pfad, fehler) ? VAL_EXISTING_FILE_SELECTED : VAL_NEW_FILE_SELECTED;
}

int CreateProgressDialog(const char* title, const char* label, int modal) {
    const int h = g_naechster++;
    dialoge()[h] = text(title);
    if (g_fenster) g_fenster->fortschrittNeu(h, title ? title : "", label ? label : "", modal);
    if (g_beobachter) g_beobachter(dialoge()[h], 0);
    return h;
}

int UpdateProgressDialog(int dialog, int percent) {
    auto it = dialoge().find(dialog);
    if (it == dialoge().end()) return FEHLER_DIALOG;
    percent = std::clamp(percent, 0, 100);
    if (g_fenster) g_fenster->fortschrittSetzen(dialog, percent);
    if (g_beobachter) g_beobachter(it->second, percent);
    return 0;
}

int DiscardProgressDialog(int dialog) {
    auto it = dialoge().find(dialog);
    if (it == dialoge().end()) return FEHLER_DIALOG;
    const std::string titel = it->second;
    dialoge().erase(it);
    if (g_fenster) g_fenster->fortschrittEnde(dialog);
    if (g_beobachter) g_beobachter(titel, -1);
    return 0;
}
