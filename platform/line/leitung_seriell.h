#pragma once
// A serial port of this PC as a line: QSerialPort used synchronously, reply lines read in the kernel's
// line mode where the system has one.

#include "platform/line/leitung.h"

#include <memory>

namespace rs232 {

struct Linienparameter {
    long baud = 0;
    int parity = 0; // RS232_PARITY_*
    int dataBits = 0;
    int stopBits = 0;
};

// Opens `pfad` with `p`; the line, or nullptr with `fehler` set to an RS232_FEHLER_* code.
std::unique_ptr<Leitung> Leitung_SeriellOeffnen(const std::string& pfad, const Linienparameter& p,
                                                int& fehler);

} // namespace rs232
