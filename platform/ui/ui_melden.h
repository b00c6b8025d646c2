#pragma once
// Popups and progress that data code raises without knowing windows: message box, file dialog, progress
// dialog. The windows layer shows them once it is in the program; tests and the command-line tool take
// them over with handlers. No Qt.

#include "platform/sprache/textmarke.h"
#include <functional>
#include <string>
#include <utility>

// ---- popups ----------------------------------------------------------------------------------------------
// A modal box with the text and an OK button (default and Escape); returns when it is closed. Timer
// callbacks run meanwhile. With the handler of UI_MeldungsabfangSetzen set it only calls the handler;
// without the windows layer or a QApplication it prints title and text to standard error.
int MessagePopup(const char* title, const char* message);

// A question with "Ja" and "Nein" (default, Escape and closing the box: Nein); 1 for Ja, 0 for Nein. With
// the handler of UI_BestaetigungsabfangSetzen set it only asks the handler; without the windows layer the
// answer is Nein.
int ConfirmPopup(const char* title, const char* message);
// Before a save replaces `pfad`: "Datei ersetzen", "<name> existiert bereits. Ersetzen?"; true for Ja.
constexpr const char* UI_TITEL_ERSETZEN = QT_TRANSLATE_NOOP("Plm1", "Datei ersetzen");
bool UI_ErsetzenBestaetigt(const std::string& pfad);

enum : int { VAL_OK_BUTTON = 0, VAL_SAVE_BUTTON = 1, VAL_SELECT_BUTTON = 2, VAL_LOAD_BUTTON = 3 };
enum : int { VAL_NO_FILE_SELECTED = 0, VAL_EXISTING_FILE_SELECTED = 1, VAL_NEW_FILE_SELECTED = 2 };
constexpr int MAX_PATHNAME_LEN = 260;
// Returns VAL_NO_FILE_SELECTED when cancelled, else whether the chosen file exists; the full path goes to
// pathName (room for MAX_PATHNAME_LEN bytes). A path too long for that is refused (cancel) rather than
// cut. The dialog is Qt's own (not the desktop's): VAL_SAVE_BUTTON asks for any name without confirming
// an overwrite, VAL_LOAD_BUTTON for an existing file; restrictExtension adds the filter's extension to a
// typed name without one; allowMakeDirectory 0 forbids making folders; the filter list "*.plt" or
// "*.plt;*.plk" offers those patterns and "Alle Dateien (*)". The handler of UI_DateiauswahlSetzen
// replaces the dialog; without either the call cancels.
int FileSelectPopup(const char* defaultDirectory, const char* defaultFileSpec, const char* fileTypeList,
                    const char* title, int buttonLabel, int restrictDirectory, int restrictExtension,
                    int allowCancel, int allowMakeDirectory, char* pathName);

// Progress dialog: title, label over a percentage bar with scale marks, no cancel button; modal when asked.
// UpdateProgressDialog clamps to 0..100 and repaints the dialog directly, without dispatching any event.
// The observer of UI_FortschrittsbeobachterSetzen sees every create, update and discard; without the
// windows layer (command-line tool) only the observer runs. Handles are > 0.
// In the windows layer the dialog is painted on the screen when it is created and at every update (it
// waits, bounded, until the window system shows it); meanwhile only paint and window events are handled,
// and a progress dialog counts as waiting (UI_WartenBeginnen, ui.h) for as long as it exists.
int CreateProgressDialog(const char* title, const char* label, int modal);
int UpdateProgressDialog(int dialog, int percent);
int DiscardProgressDialog(int dialog);

// True from the windows layer's QuitUserInterface until its RunUserInterface has returned (always false
// without the windows layer): long work (a transfer) stops at its next step instead of holding up the end
// of the program.
bool UI_BeendenAngefordert();

// ---- handlers (tests, the command-line tool)
// --------------------------------------------------------------- Popups: when a handler is set, MessagePopup
// calls it instead of showing a box.
void UI_MeldungsabfangSetzen(std::function<void(const std::string& title, const std::string& text)> handler);
// The same for one scope: the handler takes the popups while the guard lives; then none is set again.
class UiMeldungsabfang {
  public:
    explicit UiMeldungsabfang(
        std::function<void(const std::string& title, const std::string& text)> handler) {
        UI_MeldungsabfangSetzen(std::move(handler));
    }
    ~UiMeldungsabfang() { UI_MeldungsabfangSetzen(nullptr); }
    UiMeldungsabfang(const UiMeldungsabfang&) = delete;
    UiMeldungsabfang& operator=(const UiMeldungsabfang&) = delete;
};

// Questions: when a handler is set, ConfirmPopup returns its answer (1 Ja, 0 Nein) instead of asking.
void UI_BestaetigungsabfangSetzen(
    std::function<int(const std::string& title, const std::string& text)> handler);

struct DateiauswahlAnfrage {
    std::string verzeichnis, vorgabe, filter, titel;
    int knopf = 0;             // VAL_SAVE_BUTTON, VAL_LOAD_BUTTON, ...
    int neueVerzeichnisse = 0; // allowMakeDirectory
};
// File dialogs: when a handler is set, FileSelectPopup calls it instead of showing a dialog; it returns the
// path to choose, or an empty text for cancel. FileSelectPopup itself reports whether the file exists.
void UI_DateiauswahlSetzen(std::function<std::string(const DateiauswahlAnfrage&)> handler);

// Progress: called with (title, percent) on every create (percent 0), update and discard (percent -1).
void UI_FortschrittsbeobachterSetzen(std::function<void(const std::string& title, int percent)> observer);

// ---- the windows layer's side
// ------------------------------------------------------------------------------ How the windows layer shows
// the popups; it sets this once it is linked into a program.
struct UiMeldeFenster {
    int (*meldung)(const char* title, const char* message);
    // The chosen path, or an empty text for cancel.
    std::string (*dateiauswahl)(const DateiauswahlAnfrage& anfrage, int restrictExtension);
    void (*fortschrittNeu)(int dialog, const char* title, const char* label, int modal);
    void (*fortschrittSetzen)(int dialog, int percent);
    void (*fortschrittEnde)(int dialog);
    bool (*beendenAngefordert)();
    int (*bestaetigung)(const char* title, const char* message); // 1 Ja, 0 Nein
};
void UI_MeldeFensterSetzen(const UiMeldeFenster* fenster);
