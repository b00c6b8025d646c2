#pragma once
// Traffic log of the serial line for service: every byte sent and received with its time, control bytes
// by name, one transaction a line. The calls below cost one test of a flag while the log is off.

#include <functional>
#include <string>

namespace rs232trace {
extern bool gProtokollLaeuft; // the log is running
void transaktion();
void gesendet(const char* daten, int n);
void empfangen(const char* daten, int n);
void ereignis(const char* text);
void verworfen(const char* daten, int n);
void transaktionEnde();
void geoeffnet(int port, const std::string& pfad);
void geschlossen(int port);
} // namespace rs232trace

// Starts the log into `datei` (created or emptied, by the rules of the one file writer: never a read-only
// file, never waiting on a FIFO); false when the file cannot be written, with the reason in `grund`.
bool Rs232Trace_Starten(const std::string& datei, std::string* grund = nullptr);
// Ends the line that is open and closes the file.
void Rs232Trace_Beenden();
// Milliseconds since the start of the log for every entry; an empty function restores the steady clock
// (tests fix the times with it).
void Rs232Trace_UhrSetzen(std::function<long long()> msUhr);
// The bytes as a technician reads them: printable ASCII as it is, every other byte by name ("<ACK>",
// "<CR>") or as "<xHH>"; "<" itself is "<x3C>" so that a name is never ambiguous.
std::string Rs232Trace_Text(const char* daten, int n);

// Hooks of the serial layer: a new transaction begins (the input queue is emptied), bytes went out or
// came in, a read ended without data (time-out, lost line), a port was opened or closed.
inline void Rs232Trace_Transaktion() {
    if (rs232trace::gProtokollLaeuft) rs232trace::transaktion();
}
inline void Rs232Trace_Gesendet(const char* daten, int n) {
    if (rs232trace::gProtokollLaeuft && n > 0) rs232trace::gesendet(daten, n);
}
inline void Rs232Trace_Empfangen(const char* daten, int n) {
    if (rs232trace::gProtokollLaeuft && n > 0) rs232trace::empfangen(daten, n);
}
// Bytes the serial layer had read and throws away (after an unexpected handshake, a reply cut short).
inline void Rs232Trace_Verworfen(const char* daten, int n) {
    if (rs232trace::gProtokollLaeuft && n > 0) rs232trace::verworfen(daten, n);
}
// The transaction is over: its line goes to the file now, not when the next one begins.
inline void Rs232Trace_TransaktionEnde() {
    if (rs232trace::gProtokollLaeuft) rs232trace::transaktionEnde();
}
inline void Rs232Trace_Ereignis(const char* text) {
    if (rs232trace::gProtokollLaeuft) rs232trace::ereignis(text);
}
inline void Rs232Trace_Geoeffnet(int port, const std::string& pfad) {
    if (rs232trace::gProtokollLaeuft) rs232trace::geoeffnet(port, pfad);
}
inline void Rs232Trace_Geschlossen(int port) {
    if (rs232trace::gProtokollLaeuft) rs232trace::geschlossen(port);
}
