#pragma once
// Error messages: the table of error types with German and English texts, the pending extra text, and
// the popups that show a code to the operator.

#include "VKR_Fehlercodes.h"

#include <string>
#include <string_view>

constexpr int VKR_SPRACHE_DEUTSCH = 1;
constexpr int VKR_SPRACHE_ENGLISCH = 2;
constexpr int VKR_MELDUNGSPUFFER_GROESSE = 500;
constexpr int VKR_ZUSATZTEXT_GROESSE = 300;

// Builds the message of a code in the selected language into one static buffer and uses up the pending
// extra text; the pointer stays valid until the next call. Texts are UTF-8.
const char* VKR_Fehlermeldung(int code);
void VKR_Fehlersprache(int sprache);
// The language last set (1 German, 2 English).
int VKR_FehlerspracheGet();
// Sets the extra text appended to the next message; a longer text than 299 bytes is cut at a character
// boundary.
void VKR_Fehleruserstring(const char* text);

// The type of a code: code / 1000, truncated toward zero.
constexpr int VKR_Fehlertyp(int code) {
    return code / 1000;
}

// The code as the operator reads it: "Fehler #<n>" ("Error #<n>" in English), n the code without its sign.
std::string VKR_Fehlernummer(int code, int sprache = VKR_SPRACHE_DEUTSCH);
// The line that reports a code: "Fehler #<n>: <text>"; with `einzeilig` the text's line breaks become
// blanks, so that one unit's result stays on one line.
std::string VKR_Fehlerzeile(int code, std::string_view text, bool einzeilig = false);

// Popups (modal message box). Nothing is shown for type -6.
void VKR_Fehlerpopup(int code);
void VKR_Fehlerpopup2(int code, const char* titel);
