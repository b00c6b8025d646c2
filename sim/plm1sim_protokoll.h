#pragma once
// The simulated unit's own spelling of the line protocol: control bytes, the check sum of a memory line
// and the status bits. Written apart from the driver's (device/) on purpose: the tests check the driver
// against this independent peer, and a constant or rule both shared would agree with itself when wrong.

#include <cstdint>
#include <span>

namespace plm1sim {

constexpr char ACK = 0x06;
constexpr char NAK = 0x15;
constexpr char CAN = 0x18;
constexpr char CR = 0x0D;
constexpr char START = '#';
constexpr char BROADCAST = '&';

// A pressure limit at this value (upper) or its negative (lower) is no limit at all; also the range of
// a limit parameter.
constexpr int KEINE_DRUCKGRENZE = 2000;

constexpr int STATUS_ABSCHALTUNG1 = 0x0001;
constexpr int STATUS_ABSCHALTUNG2 = 0x0002;
constexpr int STATUS_ZYKLUS_LAEUFT = 0x0004;
constexpr int STATUS_SPEICHERFEHLER = 0x0008;
constexpr int STATUS_ZYKLUS_PAUSE = 0x0100;

// The check sum of a memory line: 1 plus the sum of its data bytes, of which the line carries the low
// 16 bits.
inline long speicherPruefsumme(std::span<const std::uint8_t> daten) {
    long summe = 1;
    for (const std::uint8_t b : daten)
        summe += b;
    return summe & 0xFFFF;
}

} // namespace plm1sim
