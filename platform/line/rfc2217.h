#pragma once
// The small part of telnet (RFC 854/856) and its COM-port option (RFC 2217) that a client of a serial
// device server needs: option negotiation, the four line settings, 0xFF escaping both ways.

#include <QByteArray>

#include <vector>

// Telnet commands.
constexpr unsigned char TELNET_IAC = 0xFF; // "interpret as command"; doubled in data
constexpr unsigned char TELNET_DONT = 0xFE;
constexpr unsigned char TELNET_DO = 0xFD;
constexpr unsigned char TELNET_WONT = 0xFC;
constexpr unsigned char TELNET_WILL = 0xFB;
constexpr unsigned char TELNET_SB = 0xFA; // subnegotiation begins
constexpr unsigned char TELNET_SE = 0xF0; // subnegotiation ends
// Telnet options.
constexpr unsigned char TELNET_OPT_BINARY = 0;
constexpr unsigned char TELNET_OPT_ECHO = 1;
constexpr unsigned char TELNET_OPT_SGA = 3; // suppress go-ahead
constexpr unsigned char TELNET_OPT_COM_PORT = 44;
// COM-port option commands from the client; the server answers each with its value plus 100.
constexpr unsigned char RFC2217_SET_BAUDRATE = 1;
constexpr unsigned char RFC2217_SET_DATASIZE = 2;
constexpr unsigned char RFC2217_SET_PARITY = 3;
constexpr unsigned char RFC2217_SET_STOPSIZE = 4;
constexpr unsigned char RFC2217_ANTWORT_VERSATZ = 100;
constexpr unsigned char RFC2217_PARITY_NONE = 1;
constexpr unsigned char RFC2217_PARITY_ODD = 2;
constexpr unsigned char RFC2217_PARITY_EVEN = 3;
constexpr unsigned char RFC2217_STOPSIZE_1 = 1;
constexpr unsigned char RFC2217_STOPSIZE_2 = 2;

// One command from the server: WILL/WONT/DO/DONT with its option, or SB with the option and its data.
struct Telnetbefehl {
    unsigned char verb = 0;
    unsigned char option = 0;
    QByteArray daten; // subnegotiation only, unescaped
};

// Data for the wire: every 0xFF doubled.
QByteArray Rfc2217_Maskieren(const char* daten, int anzahl);
// The client's opening: binary both ways, and the COM-port option.
QByteArray Rfc2217_Eroeffnung();
// The four settings, each as its own subnegotiation; `paritaet` is RS232_PARITY_*.
QByteArray Rfc2217_Einstellungen(long baud, int datenbits, int paritaet, int stoppbits);
// The answers a server that took the settings sends back, in the order they were asked for.
std::vector<Telnetbefehl> Rfc2217_ErwarteteAntworten(long baud, int datenbits, int paritaet, int stoppbits);
// The answer to a negotiation request of the server, empty when none is due: binary and the COM-port
// option are taken, suppressing go-ahead is fine, everything else (echo above all) is refused.
QByteArray Rfc2217_Erwidern(const Telnetbefehl& befehl);

// Splits what the server sends into data and commands; a command may be cut anywhere between two reads.
class Rfc2217_Dekoder {
  public:
    void zufuehren(const char* daten, int anzahl, QByteArray& nutzdaten, std::vector<Telnetbefehl>& befehle);

  private:
    enum class Zustand { Daten, Iac, Option, Sb, SbIac };
    Zustand zustand_ = Zustand::Daten;
    unsigned char verb_ = 0;
    Telnetbefehl sb_;
    bool sbOption_ = false; // the option byte of the subnegotiation has come
};
