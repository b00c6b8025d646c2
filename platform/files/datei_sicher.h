#pragma once
// The one writer of every file the program saves and the one check of every file it reads: links are
// followed, anything but a regular file is refused, and the earlier file stays whole until the new one is.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
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

// A path as the program holds it (UTF-8, as Qt, the settings file and the command line give it) in the
// system's own form: the same bytes on POSIX, wide characters on Windows. Every path that reaches the
// system from this layer passes through here, and only here.
[[nodiscard]] std::filesystem::path Datei_Systempfad(const std::string& pfad);

// A log or recording that is written as it goes (no temporary file). A regular file is created or
// emptied, unless it is read-only (refused even for a privileged user) or is the file one of the standard
// streams already writes to (then appended to). A FIFO is taken only when a reader waits on it, and of
// devices only the terminal of a standard stream and /dev/null; opening never blocks. Closes itself.
class DateiFortlaufend {
  public:
    DateiFortlaufend() = default;
    ~DateiFortlaufend();
    DateiFortlaufend(const DateiFortlaufend&) = delete;
    DateiFortlaufend& operator=(const DateiFortlaufend&) = delete;

    // False with the reason in `grund` when the file cannot be written; an open file is closed first.
    [[nodiscard]] bool oeffnen(const std::string& pfad, std::string* grund = nullptr);
    // Appends `text` and hands it to the disk before it returns. False when not all of it arrived (a
    // part that did is cut off again where the file allows, so it ends with the last whole piece) or the
    // sync failed; a pipe or terminal has nothing to sync.
    [[nodiscard]] bool anhaengen(std::string_view text);
    void schliessen();
    bool offen() const { return griff_ >= 0; }

  private:
    int griff_ = -1;
};

// A file open for reading, opened without ever blocking (a FIFO or device is refused, not opened for
// good). Closes itself.
class DateiLeser {
  public:
    DateiLeser() = default;
    ~DateiLeser();
    DateiLeser(DateiLeser&& anderer) noexcept;
    DateiLeser& operator=(DateiLeser&& anderer) noexcept;

    // DATEI_OK, DATEI_FEHLT or DATEI_FEHLER_OEFFNEN with the reason in `grund`.
    [[nodiscard]] int oeffnen(const std::string& pfad, std::string* grund = nullptr);
    // Up to `hoechstens` bytes into `ziel`: how many came (0 at the end), -1 when reading failed.
    [[nodiscard]] long lesen(void* ziel, std::size_t hoechstens);
    // False when closing reported a failure.
    bool schliessen();
    bool offen() const { return griff_ >= 0; }

  private:
    int griff_ = -1;
};

// DATEI_OK when `pfad` is a regular file this process can read, else DATEI_FEHLT or DATEI_FEHLER_OEFFNEN.
[[nodiscard]] int Datei_LesbarPruefen(const std::string& pfad, std::string* grund = nullptr);

// Reads at most `hoechstens` bytes of a regular file: DATEI_OK, DATEI_FEHLT, DATEI_FEHLER_OEFFNEN or
// DATEI_FEHLER_LESEN.
[[nodiscard]] int Datei_Lesen(const std::string& pfad, std::size_t hoechstens,
                              std::vector<unsigned char>* daten, std::string* grund = nullptr);
