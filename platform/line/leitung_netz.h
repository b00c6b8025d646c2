#pragma once
// A unit behind a serial device server: "tcp://HOST:PORT" (raw bytes; the server's own configuration sets
// the line) or "rfc2217://HOST:PORT" (telnet with the COM-port option; the line is set from here).

#include "platform/line/leitung.h"
#include "platform/line/leitung_seriell.h"

#include <memory>
#include <string>

// How long an open may take: name lookup, connection and, with RFC 2217, the server's answers to the
// line settings. Beyond it the server counts as not answering.
constexpr int RS232_NETZ_VERBINDEN_MS = 2000;
constexpr const char* RS232_SCHEMA_TCP = "tcp://";
constexpr const char* RS232_SCHEMA_RFC2217 = "rfc2217://";

struct Rs232_Netzadresse {
    bool rfc2217 = false;
    std::string rechner; // host name or address, without brackets
    int port = 0;        // 1..65535
};

// A port name that asks for a network line (its form is checked on opening).
bool Rs232_IstNetzadresse(const std::string& pfad);
// "tcp://HOST:PORT" or "rfc2217://HOST:PORT" with a host and a port 1..65535, nothing else.
bool Rs232_NetzadresseLesen(const std::string& pfad, Rs232_Netzadresse* adresse);

namespace rs232 {

// Connects within RS232_NETZ_VERBINDEN_MS; the line, or nullptr with `fehler` (RS232_FEHLER_*) and `grund`
// (the network's reason) set.
std::unique_ptr<Leitung> Leitung_NetzOeffnen(const Rs232_Netzadresse& adresse, const Linienparameter& l,
                                             int& fehler, std::string& grund);

} // namespace rs232
