#pragma once
// Header shared by the data files (*.plt, *.plk, *.plc): a 32-byte tag "VKRPLM1 <kind>" ended by a zero
// byte, then a 32-bit version, little-endian.

constexpr int DATEIKOPF_TAGLAENGE = 32;
constexpr int DATEIKOPF_GROESSE = 36;
constexpr int DATEI_VERSION = 1;

enum class KopfPruefung { Ok, FalscherTyp, FalscheVersion };

// Writes tag "VKRPLM1 " + art, zero fill, and the version into the first 36 bytes of bild.
void DateiKopf_Schreiben(unsigned char* bild, const char* art, int version);
// Checks the tag (as a zero-terminated text within 32 bytes) and the version. On a wrong version the text
// "V <found> (erwartet V <version>)" becomes the extra text of the next error message.
KopfPruefung DateiKopf_Pruefen(const unsigned char* bild, const char* art, int version);
