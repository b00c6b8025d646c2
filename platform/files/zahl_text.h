#pragma once
// Numbers in text, one grammar for the settings store, the unit's replies and the command line: the whole
// text is the number, no blanks; from_chars, so the locale never turns a decimal point into a comma.

#include <charconv>
#include <cmath>
#include <string_view>

// A leading '+' as a formatted scan takes it: dropped before a digit or point, never before another sign.
inline std::string_view ZahlText_OhnePlus(std::string_view text) {
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
    return text;
}

// A whole number in `basis`, a '-' only for a signed T; false for anything else or out of T's range.
template <class T> bool ZahlText_GanzLesen(std::string_view text, T* wert, int basis = 10) {
    T zahl{};
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), zahl, basis);
    if (text.empty() || fehler != std::errc() || ende != text.data() + text.size()) return false;
    *wert = zahl;
    return true;
}

// A finite real number with a digit, '-' or '.' first (never "inf" or "nan").
inline bool ZahlText_ReellLesen(std::string_view text, double* wert) {
    if (text.empty()) return false;
    const char c = text.front();
    if (!((c >= '0' && c <= '9') || c == '-' || c == '.')) return false;
    double zahl = 0;
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), zahl);
    if (fehler != std::errc() || ende != text.data() + text.size() || !std::isfinite(zahl)) return false;
    *wert = zahl;
    return true;
}
