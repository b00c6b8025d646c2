// Telnet framing and the COM-port option's settings for a device server; bytes only, no socket.

#include "platform/line/rfc2217.h"

#include "platform/line/rs232.h"

namespace {

QByteArray befehl(unsigned char verb, unsigned char option) {
    const char b[] = {static_cast<char>(TELNET_IAC), static_cast<char>(verb), static_cast<char>(option)};
    return QByteArray(b, sizeof b);
}

QByteArray unterverhandlung(unsigned char kommando, const QByteArray& wert) {
    QByteArray b = befehl(TELNET_SB, TELNET_OPT_COM_PORT);
    b.append(static_cast<char>(kommando));
    b.append(Rfc2217_Maskieren(wert.constData(), static_cast<int>(wert.size())));
    b.append(static_cast<char>(TELNET_IAC));
    b.append(static_cast<char>(TELNET_SE));
    return b;
}

// Network byte order.
QByteArray baudWert(long baud) {
    QByteArray w;
    for (int shift = 24; shift >= 0; shift -= 8)
        w.append(static_cast<char>((static_cast<unsigned long>(baud) >> shift) & 0xFF));
    return w;
}

unsigned char paritaetWert(int paritaet) {
    return paritaet == RS232_PARITY_ODD    ? RFC2217_PARITY_ODD
           : paritaet == RS232_PARITY_EVEN ? RFC2217_PARITY_EVEN
                                           : RFC2217_PARITY_NONE;
}

struct Einstellung {
    unsigned char kommando;
    QByteArray wert;
};

std::vector<Einstellung> einstellungen(long baud, int datenbits, int paritaet, int stoppbits) {
    return {{RFC2217_SET_BAUDRATE, baudWert(baud)},
            {RFC2217_SET_DATASIZE, QByteArray(1, static_cast<char>(datenbits))},
            {RFC2217_SET_PARITY, QByteArray(1, static_cast<char>(paritaetWert(paritaet)))},
            {RFC2217_SET_STOPSIZE,
             QByteArray(1, static_cast<char>(stoppbits == 2 ? RFC2217_STOPSIZE_2 : RFC2217_STOPSIZE_1))}};
}

} // namespace

QByteArray Rfc2217_Maskieren(const char* daten, int anzahl) {
    QByteArray b;
    b.reserve(anzahl);
    for (int i = 0; i < anzahl; ++i) {
        b.append(daten[i]);
        if (static_cast<unsigned char>(daten[i]) == TELNET_IAC) b.append(static_cast<char>(TELNET_IAC));
    }
    return b;
}

QByteArray Rfc2217_Eroeffnung() {
    return befehl(TELNET_WILL, TELNET_OPT_BINARY) + befehl(TELNET_DO, TELNET_OPT_BINARY) +
           befehl(TELNET_WILL, TELNET_OPT_COM_PORT);
}

QByteArray Rfc2217_Einstellungen(long baud, int datenbits, int paritaet, int stoppbits) {
    QByteArray b;
    for (const Einstellung& e : einstellungen(baud, datenbits, paritaet, stoppbits))
        b.append(unterverhandlung(e.kommando, e.wert));
    return b;
}

std::vector<Telnetbefehl> Rfc2217_ErwarteteAntworten(long baud, int datenbits, int paritaet, int stoppbits) {
    std::vector<Telnetbefehl> antworten;
    for (const Einstellung& e : einstellungen(baud, datenbits, paritaet, stoppbits))
        antworten.push_back(
            {TELNET_SB, TELNET_OPT_COM_PORT,
             QByteArray(1, static_cast<char>(e.kommando + RFC2217_ANTWORT_VERSATZ)) + e.wert});
    return antworten;
}

QByteArray Rfc2217_Erwidern(const Telnetbefehl& b) {
    const bool gewollt = b.option == TELNET_OPT_BINARY || b.option == TELNET_OPT_COM_PORT;
    switch (b.verb) {
    case TELNET_DO: // what we offered already needs no answer
        return gewollt ? QByteArray() : befehl(TELNET_WONT, b.option);
    case TELNET_WILL:
        if (b.option == TELNET_OPT_BINARY) return {};
        return b.option == TELNET_OPT_SGA ? befehl(TELNET_DO, b.option) : befehl(TELNET_DONT, b.option);
    default: // a refusal is taken as it is, and acknowledging it could loop
        return {};
    }
}

void Rfc2217_Dekoder::zufuehren(const char* daten, int anzahl, QByteArray& nutzdaten,
                                std::vector<Telnetbefehl>& befehle) {
    for (int i = 0; i < anzahl; ++i) {
        const auto c = static_cast<unsigned char>(daten[i]);
        switch (zustand_) {
        case Zustand::Daten:
            if (c == TELNET_IAC)
                zustand_ = Zustand::Iac;
            else
                nutzdaten.append(static_cast<char>(c));
            break;
        case Zustand::Iac:
            if (c == TELNET_IAC) {
                nutzdaten.append(static_cast<char>(c));
                zustand_ = Zustand::Daten;
            } else if (c == TELNET_SB) {
                sb_ = Telnetbefehl{TELNET_SB, 0, {}};
                sbOption_ = false;
                zustand_ = Zustand::Sb;
            } else if (c >= TELNET_WILL && c <= TELNET_DONT) {
                verb_ = c;
                zustand_ = Zustand::Option;
            } else { // NOP, go-ahead and the like carry nothing for us
                zustand_ = Zustand::Daten;
            }
            break;
        case Zustand::Option:
            befehle.push_back({verb_, c, {}});
            zustand_ = Zustand::Daten;
            break;
        case Zustand::Sb:
            if (c == TELNET_IAC) {
                zustand_ = Zustand::SbIac;
            } else if (!sbOption_) {
                sb_.option = c;
                sbOption_ = true;
            } else {
                sb_.daten.append(static_cast<char>(c));
            }
            break;
        case Zustand::SbIac:
            if (c == TELNET_SE) {
                befehle.push_back(sb_);
                zustand_ = Zustand::Daten;
            } else { // a doubled 0xFF inside the subnegotiation
                sb_.daten.append(static_cast<char>(c));
                zustand_ = Zustand::Sb;
            }
            break;
        }
    }
}
