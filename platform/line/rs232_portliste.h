#pragma once
// The serial ports an operator can choose: COM 1..8 and every port the system reports (USB adapters),
// without duplicates, each with a stable path that finds the same adapter again after re-plugging.

#include <string>
#include <vector>

constexpr const char* RS232_BY_ID_ORDNER = "/dev/serial/by-id";

struct Rs232_PortInfo {
    int nummer = 0;           // 1..8 for COM n, a device port number for the others, 0 when none is free
    std::string name;         // "COM 1", "ttyUSB0"
    std::string pfad;         // the device it opens now, e.g. /dev/ttyUSB0
    std::string stabilerPfad; // /dev/serial/by-id/... where such a link exists, else the device path
    std::string beschreibung; // "FT232R USB UART", may be empty
    int vendorId = -1;        // USB ids, -1 when unknown
    int productId = -1;
};

// The ports the system reports right now (not numbered yet). Pseudo-terminals are never among them.
std::vector<Rs232_PortInfo> Rs232_GemeldetePorts(const std::string& byIdOrdner = RS232_BY_ID_ORDNER);

// The link in `byIdOrdner` that points at `pfad` (a device path or a link to it), else `pfad` itself.
std::string Rs232_StabilerPfad(const std::string& pfad, const std::string& byIdOrdner = RS232_BY_ID_ORDNER);

// COM 1..8 first, then every reported port that is none of them and not listed already, numbered as a
// device port: a port seen for the first time gets its number here (Rs232_GeraeteportVergeben), so that
// listing fills the port table. A reported port that is COM n lends COM n its description and ids.
std::vector<Rs232_PortInfo> Rs232_PortlisteBilden(const std::vector<Rs232_PortInfo>& gemeldet,
                                                  const std::string& byIdOrdner = RS232_BY_ID_ORDNER);

// The device port number a stable path (or network address) has been given, 0 when it has none. Changes
// nothing.
int Rs232_GeraeteportSuchen(const std::string& stabilerPfad);
// The path's device port number, given now with its path set for opening where it has none yet: the same
// number for the same path during the whole run. 0 when all device port numbers are taken or the path is
// empty.
int Rs232_GeraeteportVergeben(const std::string& stabilerPfad);
// A device port's stable path, empty for COM 1..8 and unused numbers.
std::string Rs232_StabilerPfadVon(int port);
bool Rs232_IstGeraeteport(int port);

// "ttyUSB0 – FT232R USB UART"; COM n stays "COM n".
std::string Rs232_Anzeigename(const Rs232_PortInfo& port);
// Name for a device port in the connection display: its device name, "ttyUSB0"; for a network address
// "HOST:PORT".
std::string Rs232_Kurzname(const std::string& pfad);
// A device port in the port selector: "ttyUSB0 – /dev/serial/by-id/…"; a network address as it is.
std::string Rs232_Listenname(const std::string& pfad);

// Extra text for a port the user may not open: the device and, where joining the group that owns it gives
// access (never root's group), that group and how to join it.
std::string Rs232_ZugriffHinweis(const std::string& pfad);
// Extra text for a port that another program holds open.
std::string Rs232_BelegtHinweis(const std::string& pfad);

// Back to no device ports (tests).
void Rs232_GeraeteportsZuruecksetzen();
