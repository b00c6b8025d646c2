#pragma once
// Decoding of the PLM-1's reply lines (identification, parameter, memory block): pure functions over the
// bytes received after the ACK, CR included; no I/O, so tests and the fuzzer can feed them anything.

#include "device/vkrplm1.h"

#include <cstddef>
#include <string>

constexpr int VKRPLM1_MAX_ANTWORT = 29; // identification and parameter replies
constexpr int VKRPLM1_ECHO_LAENGE = 5;  // '#', address, three code bytes

// Length of the reply line to a memory read of `groesse` bytes: head 14, data, checksum 4, CR.
constexpr std::size_t VKRPLM1_SpeicherAntwortLaenge(std::size_t groesse) {
    return 2 * groesse + 19;
}

enum class VKRPLM1_Werttyp { Reell, Dezimal, Hex };
// The kind of value a parameter word reads and writes, from the driver's word table (for tools that parse
// and print it); false for a word the unit does not know.
bool VKRPLM1_WortTyp(const char* word, VKRPLM1_Werttyp* typ);
// Whether a parameter write of `word` with these values would go on the line; the values it takes as text
// ("-100 bis 100", empty for a word that cannot be written); the words that can be read or written,
// separated by ", ".
bool VKRPLM1_WertZulaessig(const char* word, double realValue, int intValue);
std::string VKRPLM1_Wertebereich(const char* word);
std::string VKRPLM1_Woerter(bool schreibbar);

// '#', the address, a run of printable non-blank characters (1..26), CR as the last byte. The text is
// copied with its terminating zero into idText (room for VKRPLM1_ID_LAENGE) only on success.
[[nodiscard]] Fehlercode VKRPLM1_IDAntwortAuswerten(const char* antwort, std::size_t laenge, char adresse,
                                                    char* idText);

// The first five bytes must repeat `befehl`; "err" CR is the unit's refusal; otherwise exactly one value of
// the given kind followed by CR. The value is stored only on success (a null target is skipped).
[[nodiscard]] Fehlercode VKRPLM1_ParameterAntwortAuswerten(const char* antwort, std::size_t laenge,
                                                           const char* befehl, VKRPLM1_Werttyp typ,
                                                           double* realOut, int* intOut);

// Checks length, head, data digits and checksum of a memory reply; data bytes decoded before a failing
// check stay in puffer (room for groesse bytes; null: decode and check only).
[[nodiscard]] Fehlercode VKRPLM1_SpeicherAntwortAuswerten(const char* antwort, std::size_t laenge,
                                                          char adresse, int speichertyp, int start,
                                                          int groesse, unsigned char* puffer);
