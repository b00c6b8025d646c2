#pragma once
// Marks a source text for the English catalogue (lupdate finds QT_TRANSLATE_NOOP("Plm1", "...")) and puts
// whole sentences together with their values; without Qt, for the data code as for the windows.

#include <cstddef>
#include <string>
#include <type_traits>
#include <vector>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

// The installed language's look-up of a source text; set when the program installs its language (until
// then, and in code without it, the German source text stands).
inline std::string (*gTextmarke_Uebersetzer)(const char* text) = nullptr;

// A source text in the installed language.
[[nodiscard]] inline std::string Textmarke_Text(const char* text) {
    return gTextmarke_Uebersetzer ? gTextmarke_Uebersetzer(text) : std::string(text);
}

namespace textmarke_intern {
inline std::string wort(const std::string& t) {
    return t;
}
inline std::string wort(const char* t) {
    return t;
}
inline std::string wort(char c) {
    return std::string(1, c);
}
template <typename Zahl, typename = std::enable_if_t<std::is_integral_v<Zahl>>> std::string wort(Zahl n) {
    return std::to_string(n);
}

// %1 to %9 replaced in one pass, so that a value's own "%2" stays as it is.
inline std::string fuellen(const std::string& vorlage, const std::vector<std::string>& werte) {
    std::string text;
    for (std::size_t i = 0; i < vorlage.size(); ++i) {
        const char c = vorlage[i];
        const std::size_t n = i + 1 < vorlage.size() ? static_cast<std::size_t>(vorlage[i + 1] - '0') : 0;
        if (c == '%' && n >= 1 && n <= werte.size()) {
            text += werte[n - 1];
            ++i;
        } else {
            text += c;
        }
    }
    return text;
}
} // namespace textmarke_intern

// A whole sentence of the catalogue with its values (names, whole numbers) in the places %1, %2, ..., so
// that a language may put the values where it needs them.
template <typename... Werte>
[[nodiscard]] std::string Textmarke_Satz(const char* vorlage, const Werte&... werte) {
    return textmarke_intern::fuellen(Textmarke_Text(vorlage), {textmarke_intern::wort(werte)...});
}
