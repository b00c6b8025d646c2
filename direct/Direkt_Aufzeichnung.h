#pragma once
// Recording of the polled actual values as CSV, one line per poll with the columns of `plm1 monitor`,
// each line handed to the disk as it is written. Used by the direct window and the command line. No Qt.

#include "errors/VKR_Fehlercodes.h"
#include "platform/files/datei_sicher.h"

#include <chrono>
#include <string>

constexpr const char* DIREKTAUFZEICHNUNG_KOPFZEILE = "zeit,druck1,druck2,spannung,temperatur,status";

struct DirektMesswerte {
    double druck[2] = {0, 0};
    double spannung = 0;
    double temperatur = 0;
    int status = 0;
};

using DirektZeitpunkt = std::chrono::system_clock::time_point;

// ISO 8601 local time with milliseconds and the offset from UTC, e.g. 2026-12-08T12:19:03.123+01:00.
std::string DirektAufzeichnung_Zeit(DirektZeitpunkt t);
// One CSV line without its line end.
std::string DirektAufzeichnung_Zeile(DirektZeitpunkt t, const DirektMesswerte& w);

class DirektAufzeichnung {
  public:
    DirektAufzeichnung() = default;
    ~DirektAufzeichnung();
    DirektAufzeichnung(const DirektAufzeichnung&) = delete;
    DirektAufzeichnung& operator=(const DirektAufzeichnung&) = delete;

    // Creates (or empties) the file and writes the header line; FEHLER_AUFZEICHNUNG_OEFFNEN or
    // FEHLER_AUFZEICHNUNG_SCHREIBEN (no recording then).
    [[nodiscard]] Fehlercode starten(const std::string& pfad);
    // Appends one line and flushes it to the disk. A failed write ends the recording (what was written
    // stays) and returns FEHLER_AUFZEICHNUNG_SCHREIBEN; without a recording nothing happens.
    [[nodiscard]] Fehlercode schreiben(DirektZeitpunkt t, const DirektMesswerte& w);
    void beenden();

    bool laeuft() const { return datei_.offen(); }
    long zeilen() const { return zeilen_; } // data lines written, header not counted
    const std::string& pfad() const { return pfad_; }

  private:
    [[nodiscard]] bool zeileAusgeben(const std::string& zeile);
    DateiFortlaufend datei_;
    std::string pfad_;
    long zeilen_ = 0;
};
