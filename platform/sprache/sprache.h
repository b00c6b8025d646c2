#pragma once
// The program's language: German (the source texts) or English (the catalogue built into the program), and
// the look-up of a source text in it. Qt Core only, for the windows and the command-line tool alike.

#include <QString>

#include <string>

// The numbers are those of the error table's languages and of the settings key.
enum class Sprache { Deutsch = 1, Englisch = 2 };

// Context of every text in the catalogue: the texts are marked with QT_TRANSLATE_NOOP("Plm1", "...").
constexpr const char* SPRACHE_KONTEXT = "Plm1";
// Settings key (section "konfig") of the chosen language: 1 German, 2 English.
constexpr const char* SPRACHE_SCHLUESSEL = "sprache";

// Where no settings key decides: PLM1_SPRACHE ("de" or "en") when set, else the locale of the
// environment (LC_ALL, LC_MESSAGES, LANG, the first one set): "de..." German, anything else English.
[[nodiscard]] Sprache Sprache_AusUmgebung();
// A settings value (1, 2) as a language; false for any other value.
[[nodiscard]] bool Sprache_AusWert(int wert, Sprache* sprache);

// Installs the language in the running Qt application: the program's catalogue for English, Qt's own
// (qtbase_de or qtbase_en from the system's translations folder) for its dialogs and standard buttons.
// Needs a QCoreApplication; false (and German) when the program's catalogue cannot be loaded.
// The numbers shown and typed follow too (QLocale's default: German decimal comma, English point).
bool Sprache_Einstellen(Sprache sprache);
// The installed language (German until Sprache_Einstellen).
[[nodiscard]] Sprache Sprache_Aktuell();

// A source text in the installed language (the text itself when the catalogue has none for it).
[[nodiscard]] QString Sprache_Text(const char* text);
[[nodiscard]] QString Sprache_Text(const std::string& text);
[[nodiscard]] std::string Sprache_TextUtf8(const char* text);
