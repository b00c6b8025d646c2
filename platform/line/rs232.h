#pragma once
// Ports COM1..COM8 behind the RS-232 calls of the driver; the one place that touches the line, a serial port
// or, for a path "tcp://HOST:PORT" or "rfc2217://HOST:PORT", a serial device server on the network.
// COMn is "COMn" on Windows; elsewhere the device named by PLM1_COM<n>, else /dev/ttyS<n-1>. Ports the
// system reports (USB adapters) get numbers of their own from RS232_ERSTER_GERAETEPORT on, with their path.

#include <string>

enum : int { RS232_PARITY_NONE = 0, RS232_PARITY_ODD = 1, RS232_PARITY_EVEN = 2 };

// Negative results of the calls below.
enum : int {
    RS232_FEHLER_ALLGEMEIN = -1,   // the port refused the request
    RS232_FEHLER_PORTNUMMER = -2,  // port number outside 1..8
    RS232_FEHLER_NICHT_OFFEN = -3, // port not open
    RS232_FEHLER_PARAMETER = -4,   // invalid line setting or argument
    RS232_FEHLER_LEITUNG = -5,     // the line is gone (device unplugged, peer hung up)
    RS232_FEHLER_ZUGRIFF = -6,     // the user may not open the device
    RS232_FEHLER_BELEGT = -7,      // another program holds the device
    RS232_FEHLER_ZEITLIMIT = -99,  // nothing arrived / not drained within the time-out
};
constexpr int RS232_MAX_PORT = 8;
// COM 1..8, the numbers the settings file and the command line name a port by.
constexpr bool Rs232_IstComPort(int port) {
    return port >= 1 && port <= RS232_MAX_PORT;
}
// Numbers of ports opened by their path; far from COM 1..8 so that a slip of one is never a valid port.
constexpr int RS232_ERSTER_GERAETEPORT = 101;
constexpr int RS232_MAX_GERAETEPORTE = 32;

// COM 1..8, or a device port whose path has been set.
bool Rs232_PortGueltig(int port);

int OpenComConfig(int port, const char* deviceName, long baudRate, int parity, int dataBits, int stopBits,
                  int inputQueueSize, int outputQueueSize); // 0 or negative
int CloseCom(int port);
// Why the port's last open or its line failed, where the network gave a reason ("Verbindung zu … abgelehnt");
// empty for serial ports, whose error codes say it all.
std::string Rs232_Grund(int port);
int SetComTime(int port, double timeoutSeconds);
int FlushInQ(int port);
// The caller's transaction is over: the traffic log writes it now, with the bytes that were read beyond
// its end and will be thrown away (after a failure also those the line holds already).
void Rs232_TransaktionBeenden(int port, bool fehlgeschlagen);
int FlushOutQ(int port); // discards what still waits to be sent (a socket has handed everything on already)
int ComWrt(int port, const char* buffer, int count); // bytes queued, or negative
int ComRdByte(int port);                             // 0..255, or negative on time-out or port fault
// Reads until `terminator` (kept in the buffer) or until `count` bytes, whichever comes first; the
// time-out applies to each byte as with ComRdByte. The number of bytes read, or negative on time-out or
// port fault (what had arrived is then dropped). Bytes after the terminator stay queued.
int ComRdTerm(int port, char* buffer, int count, int terminator);
// A reply that begins with the handshake byte `quittung` and runs to `terminator`, read like ComRdTerm but
// in one piece, handshake included (one wake-up instead of two). Another first byte is returned alone, as
// ComRdByte would return it; alone on the line it is noticed within an eighth of the time-out (10 ms at
// least). `erhalten` (may be null) gets the bytes that had arrived, also when the read fails.
int Rs232_AntwortLesen(int port, int quittung, char* buffer, int count, int terminator, int* erhalten);
int GetOutQLen(int port); // bytes still waiting to be sent, or negative

// Blocks (without spinning) until every queued byte has left the port, at most maxSeconds.
// 0 when drained, negative on a port error or when the bound ran out.
int ComWaitUntilSent(int port, double maxSeconds);

// The device path that COM n (or device port n) opens; setting one overrides the environment for this run
// (the built-in simulator, a path given on the command line). An empty path restores the default.
std::string Rs232_Geraetepfad(int port);
void Rs232_GeraetepfadSetzen(int port, const std::string& path);
