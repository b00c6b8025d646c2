#pragma once
// Settings store: sections of integer items read from and written to a text file of the INI kind, with
// case-insensitive names kept in sorted order and a temporary file replacing the target on writing.

#include <cstddef>
#include <string>

struct IniStore;
using IniText = IniStore*;

constexpr int INI_FEHLER_KEIN_OBJEKT = -65;
constexpr int INI_FEHLER_KEIN_SPEICHER = -12;
constexpr int INI_FEHLER_DATEI_OEFFNEN = -5001;
constexpr int INI_FEHLER_DATEI_SCHREIBEN = -5002;
constexpr int INI_FEHLER_KEINE_ZAHL = -5021;

IniText Ini_New(int automaticSorting);
void Ini_Dispose(IniText ini);
[[nodiscard]] int Ini_ReadFromFile(IniText ini, const char* path);
[[nodiscard]] int Ini_WriteToFile(IniText ini, const char* path);
// The same; on failure `grund` (when given) names why in German.
[[nodiscard]] int Ini_WriteToFile(IniText ini, const char* path, std::string* grund);
[[nodiscard]] int Ini_GetInt(IniText ini, const char* section, const char* tag, int* value);
[[nodiscard]] int Ini_PutInt(IniText ini, const char* section, const char* tag, int value);
// Text items (device paths): 1 when the item exists and is not blank (value set, white space around it
// removed), 0 when missing or blank; Ini_PutString stores the text as it is, like Ini_PutInt.
[[nodiscard]] int Ini_GetString(IniText ini, const char* section, const char* tag, std::string* value);
[[nodiscard]] int Ini_PutString(IniText ini, const char* section, const char* tag, const char* value);

// Values that could not be taken: Ini_GetInt notes each value that is not an integer, Ini_WertUnbrauchbar
// one the caller found out of its range. Ini_UnbrauchbareWerte lists them once each ("v3 = abc, ...").
[[nodiscard]] int Ini_WertUnbrauchbar(IniText ini, const char* section, const char* tag);
std::string Ini_UnbrauchbareWerte(IniText ini);

// Carries the program's changes into `ziel`, the object read from the file: `vorher` holds what the program
// would have written right after reading, `nachher` what it writes now. An item whose value differs (or
// that `ziel` lacks) is put; one that `vorher` had and `nachher` has not is removed; everything else in
// `ziel`, known or not, stays as it was read, to the byte.
[[nodiscard]] int Ini_AenderungenUebernehmen(IniText ziel, IniText vorher, IniText nachher);

// The same reading and writing rules on memory (tests, fuzzing): the file's bytes in, its text out.
[[nodiscard]] int Ini_ReadFromBuffer(IniText ini, const char* daten, std::size_t laenge);
[[nodiscard]] int Ini_WriteToBuffer(IniText ini, std::string* text);
