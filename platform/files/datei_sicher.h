#pragma once
// The one writer of every file the program saves and the one check of every file it reads: links are
// followed, anything but a regular file is refused, and the earlier file stays whole until the new one is.

#include <cstddef>
#include <string>
#include <vector>

constexpr int DATEI_OK = 0;
constexpr int DATEI_FEHLER_OEFFNEN = -1;   // refused or not openable: the caller's open code
constexpr int DATEI_FEHLER_SCHREIBEN = -2; // not every byte reached the disk: the caller's write code
constexpr int DATEI_FEHLER_LESEN = -3;     // opened, but reading failed: the caller's read code
constexpr int DATEI_FEHLT = -4;            // nothing of that name (a dangling link counts as missing)

// Saves `anzahl` bytes to `pfad`. A symbolic link is followed and its target replaced beside it. The new
// content goes to a temporary file in the target's folder that replaces the target only once it is
// complete and synced; it keeps the target's permission bits. Refused with DATEI_FEHLER_OEFFNEN: a target
// that is not a regular file, and a file that may not be written. `vorlage` names the temporary file
// ("XXXXXX" is replaced, e.g. "ini$$XXXXXX.TMP"); without it ".<name>.XXXXXX". On failure `grund` (when
// given) holds a short German text naming why, and no temporary file is left.
[[nodiscard]] int Datei_SicherSchreiben(const std::string& pfad, const void* daten, std::size_t anzahl,
                                        std::string* grund = nullptr, const char* vorlage = nullptr);

// The checks the writer makes before any byte is written: DATEI_OK when it would take the target (also
// when it does not exist yet), else DATEI_FEHLER_OEFFNEN with the reason.
[[nodiscard]] int Datei_ZielPruefen(const std::string& pfad, std::string* grund = nullptr);

// Opens a log or recording that is written as it goes (no temporary file): a descriptor open for writing,
// or -1 with the reason in `grund`. A regular file is created or emptied, unless it is read-only (refused
// even for a privileged user) or is the file one of the standard streams already writes to (then appended
// to). A FIFO is taken only when a reader waits on it, and of devices only the terminal of a standard
// stream and /dev/null; opening never blocks.
[[nodiscard]] int Datei_FortlaufendOeffnen(const std::string& pfad, std::string* grund = nullptr);

// Opens a file for reading without ever blocking (a FIFO or device is refused, not opened for good): a
// descriptor, or -1 with `*fehler` set to DATEI_FEHLT or DATEI_FEHLER_OEFFNEN and the reason in `grund`.
[[nodiscard]] int Datei_LesenOeffnen(const std::string& pfad, int* fehler, std::string* grund = nullptr);

// DATEI_OK when `pfad` is a regular file this process can read, else as Datei_LesenOeffnen.
[[nodiscard]] int Datei_LesbarPruefen(const std::string& pfad, std::string* grund = nullptr);

// Reads at most `hoechstens` bytes of a regular file: DATEI_OK, DATEI_FEHLT, DATEI_FEHLER_OEFFNEN or
// DATEI_FEHLER_LESEN.
[[nodiscard]] int Datei_Lesen(const std::string& pfad, std::size_t hoechstens,
                              std::vector<unsigned char>* daten, std::string* grund = nullptr);
