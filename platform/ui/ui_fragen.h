#pragma once
// Modal questions beyond the message box: a list of entries to tick, the three-way question before
// unsaved work is replaced, and one line of text to type. Each can be answered by a handler instead (tests,
// screenshots).

#include "platform/sprache/textmarke.h"
#include <functional>
#include <string>
#include <vector>

// Shows `eintraege` as check boxes (ticked where gewaehlt[i] != 0) under `text`, with "OK" and
// "Abbrechen". Returns 1 and the ticks in *gewaehlt on OK, 0 on cancel (the ticks unchanged).
int UI_AuswahlPopup(const char* titel, const char* text, const std::vector<std::string>& eintraege,
                    std::vector<int>* gewaehlt);
// The handler gets title, entries and the ticks to change; its return value is the popup's.
void UI_AuswahlabfangSetzen(
    std::function<int(const std::string& titel, const std::vector<std::string>& eintraege,
                      std::vector<int>& gewaehlt)>
        handler);

enum : int { UI_ANTWORT_ABBRECHEN = 0, UI_ANTWORT_SPEICHERN = 1, UI_ANTWORT_VERWERFEN = 2 };
constexpr const char* UI_KNOPF_SPEICHERN = QT_TRANSLATE_NOOP("Plm1", "Speichern");
constexpr const char* UI_KNOPF_VERWERFEN = QT_TRANSLATE_NOOP("Plm1", "Verwerfen");
constexpr const char* UI_KNOPF_ABBRECHEN = QT_TRANSLATE_NOOP("Plm1", "Abbrechen");
// Asks "Speichern", "Verwerfen" or "Abbrechen" (default Speichern; Escape and closing the box cancel).
int UI_SpeichernFrage(const char* titel, const char* text);
void UI_FrageabfangSetzen(std::function<int(const std::string& titel, const std::string& text)> handler);

// Asks for one line of text under `hinweis`, `*antwort` filled in at first, with "OK" and "Abbrechen".
// Returns 1 and the text in *antwort on OK, 0 on cancel (*antwort unchanged).
int UI_EingabePopup(const char* titel, const char* hinweis, std::string* antwort);
// The handler gets title and the text to change; its return value is the popup's.
void UI_EingabeabfangSetzen(std::function<int(const std::string& titel, std::string& antwort)> handler);
