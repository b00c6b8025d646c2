// PLM-1 driver: argument checks, command formatting and the one transaction every command runs
// (flush, write, wait until sent, handshake, reply line). Reply decoding lives in vkrplm1_antwort.

#include "device/vkrplm1.h"
#include "platform/sprache/textmarke.h"

#include "device/vkrplm1_antwort.h"
#include "errors/VKR_errorV3.h"
#include "platform/line/rs232.h"
#include "platform/line/rs232_portliste.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <vector>

namespace {

constexpr int PARITAET_UNGERADE = RS232_PARITY_ODD;
constexpr int DATENBITS = 7;
constexpr int STOPPBITS = 1;
constexpr int QUEUE_GROESSE = 512;
constexpr int BITS_PRO_ZEICHEN = 10; // start, 7 data, parity, stop
constexpr int MAX_SPEICHERADRESSE = 65535;
constexpr int MAX_LESEGROESSE = 65536;
constexpr int MAX_MASKE = 0xFFFF;
constexpr int MAX_VENTIL = 16;

// The codes one operation reports for each way its transaction can fail.
struct Transaktionscodes {
    Fehlercode flush; // 0: the flush code itself
    Fehlercode schreiben;
    Fehlercode unvollstaendig;
    Fehlercode nak;
    Fehlercode can;
    Fehlercode keineAntwort;
    Fehlercode handshake;
    Fehlercode abgebrochen = 0;
    Fehlercode keinSpeicher = 0;
};

constexpr Transaktionscodes ID_CODES{0,
                                     FEHLER_ID_SCHREIBEN,
                                     FEHLER_ID_UNVOLLSTAENDIG,
                                     FEHLER_ID_NAK,
                                     FEHLER_ID_CAN,
                                     FEHLER_ID_KEINE_ANTWORT,
                                     FEHLER_ID_FALSCHES_HANDSHAKE,
                                     FEHLER_ID_ANTWORT_ABGEBROCHEN};
constexpr Transaktionscodes DF_CODES{0,
                                     FEHLER_DF_SCHREIBEN,
                                     FEHLER_DF_UNVOLLSTAENDIG,
                                     FEHLER_DF_NAK,
                                     FEHLER_DF_CAN,
                                     FEHLER_DF_KEINE_ANTWORT,
                                     FEHLER_DF_FALSCHES_HANDSHAKE};
constexpr Transaktionscodes PS_CODES{
    FEHLER_PS_FLUSH, FEHLER_PS_SCHREIBEN,     FEHLER_PS_UNVOLLSTAENDIG,    FEHLER_PS_NAK,
    FEHLER_PS_CAN,   FEHLER_PS_KEINE_ANTWORT, FEHLER_PS_FALSCHES_HANDSHAKE};
constexpr Transaktionscodes PL_CODES{
    FEHLER_PL_FLUSH, FEHLER_PL_SCHREIBEN,     FEHLER_PL_UNVOLLSTAENDIG,     FEHLER_PL_NAK,
    FEHLER_PL_CAN,   FEHLER_PL_KEINE_ANTWORT, FEHLER_PL_FALSCHES_HANDSHAKE, FEHLER_PL_ANTWORT_ABGEBROCHEN};
constexpr Transaktionscodes SL_CODES{0,
                                     FEHLER_SL_SCHREIBEN,
                                     FEHLER_SL_UNVOLLSTAENDIG,
                                     FEHLER_SL_NAK,
                                     FEHLER_SL_CAN,
                                     FEHLER_SL_KEINE_ANTWORT,
                                     FEHLER_SL_FALSCHES_HANDSHAKE,
                                     FEHLER_SL_ANTWORT_ABGEBROCHEN,
                                     FEHLER_SL_KEIN_SPEICHER};
constexpr Transaktionscodes SS_CODES{0,
                                     FEHLER_SS_SCHREIBEN,
                                     FEHLER_SS_UNVOLLSTAENDIG,
                                     FEHLER_SS_NAK,
                                     FEHLER_SS_CAN,
                                     FEHLER_SS_KEINE_ANTWORT,
                                     FEHLER_SS_FALSCHES_HANDSHAKE};

bool adresseGueltig(char a) {
    return (a >= '1' && a <= '9') || (a >= 'a' && a <= 'f');
}
bool adresseOderSammel(char a) {
    return adresseGueltig(a) || a == VKRPLM1_BROADCAST;
}

double drahtzeit(std::size_t zeichen) {
    return static_cast<double>(zeichen) * BITS_PRO_ZEICHEN / VKRPLM1_BAUDRATE;
}

// Valve character of valve 1..16: 1..9, a..g.
char ventilzeichen(int n) {
    return n <= 9 ? static_cast<char>('0' + n) : static_cast<char>('a' + n - 10);
}

std::string kopf(char adresse, const char* code) {
    return std::string(1, VKRPLM1_START) + adresse + code;
}

// Runs one transaction. Without `antwort` the command is write-type and ends with the handshake. The
// reply is read until CR or `maxAntwort` bytes.
Fehlercode transaktionOhneEnde(int port, const std::string& befehl, const Transaktionscodes& c,
                               std::string* antwort, std::size_t maxAntwort) {
    if (const Fehlercode f = FlushInOut(port)) return c.flush ? c.flush : f;
    const int geschrieben = ComWrt(port, befehl.data(), static_cast<int>(befehl.size()));
    if (geschrieben < 0) return c.schreiben;
    if (geschrieben != static_cast<int>(befehl.size())) return c.unvollstaendig;
    // Bounded: a line that never drains is a failed write, not a hang.
    if (ComWaitUntilSent(port, VKRPLM1_TIMEOUT_S + drahtzeit(befehl.size())) != 0) return c.schreiben;
    if (befehl[1] == VKRPLM1_BROADCAST) return KEIN_FEHLER;

    const auto quittungPruefen = [&c](int handshake) -> Fehlercode {
        if (handshake < 0) return c.keineAntwort;
        if (handshake == VKRPLM1_NAK) return c.nak;
        if (handshake == VKRPLM1_CAN) return c.can;
        if (handshake != VKRPLM1_ACK) return c.handshake;
        return KEIN_FEHLER;
    };
    if (!antwort) return quittungPruefen(ComRdByte(port));

    // Handshake and reply line in one read: a poll costs one wake-up, not two.
    try {
        antwort->assign(maxAntwort + 1, '\0');
    } catch (const std::bad_alloc&) {
        return c.keinSpeicher ? c.keinSpeicher : c.abgebrochen;
    }
    int erhalten = 0;
    const int gelesen = Rs232_AntwortLesen(port, VKRPLM1_ACK, antwort->data(),
                                           static_cast<int>(maxAntwort + 1), VKRPLM1_CR, &erhalten);
    if (const Fehlercode f = quittungPruefen(erhalten > 0 ? static_cast<unsigned char>((*antwort)[0]) : -1))
        return f;
    if (gelesen < 0) return c.abgebrochen;
    antwort->erase(0, 1);
    antwort->resize(static_cast<std::size_t>(gelesen - 1));
    return KEIN_FEHLER;
}

Fehlercode transaktion(int port, const std::string& befehl, const Transaktionscodes& c,
                       std::string* antwort = nullptr, std::size_t maxAntwort = 0) {
    const Fehlercode f = transaktionOhneEnde(port, befehl, c, antwort, maxAntwort);
    Rs232_TransaktionBeenden(port, f != KEIN_FEHLER);
    // A network line says why it failed (the server dropped the connection); a serial one has no more to say.
    if (f != KEIN_FEHLER)
        if (const std::string grund = Rs232_Grund(port); !grund.empty()) VKR_Fehleruserstring(grund.c_str());
    return f;
}

enum class Schreibart { Ganzzahl, Maske, Schalter };

struct Schreibwort {
    std::string wort;
    std::string code;
    Schreibart art;
    double grenze; // |value| bound of whole numbers
    Fehlercode bereich;
};

const std::vector<Schreibwort>& schreibwoerter() {
    static const std::vector<Schreibwort> tabelle = [] {
        std::vector<Schreibwort> t = {
            {"pumpe1", "P1W", Schreibart::Ganzzahl, 100.0001, FEHLER_PS_PUMPE1_BEREICH},
            {"pumpe2", "P2W", Schreibart::Ganzzahl, 100.0001, FEHLER_PS_PUMPE2_BEREICH},
            {"druckhigh1", "H1W", Schreibart::Ganzzahl, 2000.0001, FEHLER_PS_DRUCKHIGH1_BEREICH},
            {"druckhigh2", "H2W", Schreibart::Ganzzahl, 2000.0001, FEHLER_PS_DRUCKHIGH2_BEREICH},
            {"drucklow1", "L1W", Schreibart::Ganzzahl, 2000.0001, FEHLER_PS_DRUCKLOW1_BEREICH},
            {"drucklow2", "L2W", Schreibart::Ganzzahl, 2000.0001, FEHLER_PS_DRUCKLOW2_BEREICH},
            {"alleventile", "V0W", Schreibart::Maske, 0, FEHLER_PS_ALLEVENTILE_BEREICH},
        };
        for (int n = 1; n <= MAX_VENTIL; ++n)
            t.push_back({"ventil" + std::to_string(n), std::string("V") + ventilzeichen(n) + "W",
                         Schreibart::Schalter, 0, FEHLER_PS_VENTIL1_BEREICH - (n - 1)});
        return t;
    }();
    return tabelle;
}

struct Lesewort {
    std::string wort;
    std::string code;
    VKRPLM1_Werttyp typ;
};

const std::vector<Lesewort>& lesewoerter() {
    static const std::vector<Lesewort> tabelle = [] {
        using T = VKRPLM1_Werttyp;
        std::vector<Lesewort> t = {
            {"istspannung", "U1R", T::Reell}, {"isttemperatur", "T1R", T::Reell},
            {"istdruck1", "D1R", T::Reell},   {"istdruck2", "D2R", T::Reell},
            {"pumpe1", "P1R", T::Reell},      {"pumpe2", "P2R", T::Reell},
            {"druckhigh1", "H1R", T::Reell},  {"druckhigh2", "H2R", T::Reell},
            {"drucklow1", "L1R", T::Reell},   {"drucklow2", "L2R", T::Reell},
            {"status", "S1R", T::Hex},        {"alleventile", "V0R", T::Hex},
        };
        for (int n = 1; n <= MAX_VENTIL; ++n)
            t.push_back(
                {"ventil" + std::to_string(n), std::string("V") + ventilzeichen(n) + "R", T::Dezimal});
        return t;
    }();
    return tabelle;
}

template <typename Tabelle> const auto* suchen(const Tabelle& tabelle, const char* wort) {
    for (const auto& eintrag : tabelle)
        if (wort && eintrag.wort == wort) return &eintrag;
    return static_cast<const typename Tabelle::value_type*>(nullptr);
}

// Appends the value field of a parameter write; false when the value is outside the word's range.
bool wertAnhaengen(const Schreibwort& w, double realValue, int intValue, std::string& befehl) {
    char feld[16];
    switch (w.art) {
    case Schreibart::Ganzzahl:
        if (!(realValue >= -w.grenze && realValue <= w.grenze)) return false; // NaN fails too
        befehl += std::to_string(std::lround(realValue));
        return true;
    case Schreibart::Maske:
        if (intValue < 0 || intValue > MAX_MASKE) return false;
        std::snprintf(feld, sizeof feld, "%04X", static_cast<unsigned>(intValue));
        befehl += feld;
        return true;
    case Schreibart::Schalter:
        if (intValue != 0 && intValue != 1) return false;
        befehl += static_cast<char>('0' + intValue);
        return true;
    }
    return false;
}

} // namespace

bool VKRPLM1_WertZulaessig(const char* word, double realValue, int intValue) {
    const Schreibwort* w = suchen(schreibwoerter(), word);
    std::string befehl;
    return w && wertAnhaengen(*w, realValue, intValue, befehl);
}

std::string VKRPLM1_Wertebereich(const char* word) {
    const Schreibwort* w = suchen(schreibwoerter(), word);
    if (!w) return {};
    switch (w->art) {
    case Schreibart::Ganzzahl: {
        const long grenze = std::lround(std::floor(w->grenze));
        return Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "%1 bis %2"), -grenze, grenze);
    }
    case Schreibart::Maske:
        return Textmarke_Text(QT_TRANSLATE_NOOP("Plm1", "0 bis 65535 (0x0 bis 0xFFFF)"));
    case Schreibart::Schalter:
        return Textmarke_Text(QT_TRANSLATE_NOOP("Plm1", "0 oder 1"));
    }
    return {};
}

std::string VKRPLM1_Woerter(bool schreibbar) {
    std::string liste;
    auto anhaengen = [&](const std::string& wort) { liste += (liste.empty() ? "" : ", ") + wort; };
    if (schreibbar) {
        for (const Schreibwort& w : schreibwoerter())
            anhaengen(w.wort);
    } else {
        for (const Lesewort& w : lesewoerter())
            anhaengen(w.wort);
    }
    return liste;
}

bool VKRPLM1_WortTyp(const char* word, VKRPLM1_Werttyp* typ) {
    const Lesewort* w = suchen(lesewoerter(), word);
    if (!w) return false;
    if (typ) *typ = w->typ;
    return true;
}

Fehlercode VKRPLM1_Open(int port, int baud) {
    if (baud != VKRPLM1_BAUDRATE) return FEHLER_OPEN_BAUDRATE;
    if (!Rs232_PortGueltig(port)) return FEHLER_OPEN_PORTNUMMER;
    const int ergebnis =
        OpenComConfig(port, "", baud, PARITAET_UNGERADE, DATENBITS, STOPPBITS, QUEUE_GROESSE, QUEUE_GROESSE);
    // Lack of permission has a fix the operator can be told.
    if (ergebnis == RS232_FEHLER_ZUGRIFF)
        VKR_Fehleruserstring(Rs232_ZugriffHinweis(Rs232_Geraetepfad(port)).c_str());
    else if (ergebnis == RS232_FEHLER_BELEGT)
        VKR_Fehleruserstring(Rs232_BelegtHinweis(Rs232_Geraetepfad(port)).c_str());
    else if (const std::string grund = Rs232_Grund(port); ergebnis != 0 && !grund.empty())
        VKR_Fehleruserstring(grund.c_str());
    if (ergebnis != 0) return FEHLER_OPEN_PLATTFORM;
    return KEIN_FEHLER;
}

Fehlercode VKRPLM1_Close(int port) {
    return CloseCom(port) != 0 ? FEHLER_CLOSE : KEIN_FEHLER;
}

Fehlercode VKRPLM1_Timeout(int port, double seconds) {
    return SetComTime(port, seconds) != 0 ? FEHLER_TIMEOUT_SETZEN : KEIN_FEHLER;
}

Fehlercode FlushInOut(int port) {
    if (FlushInQ(port) != 0) return FEHLER_FLUSH_EINGANG;
    if (FlushOutQ(port) != 0) return FEHLER_FLUSH_AUSGANG;
    return KEIN_FEHLER;
}

Fehlercode VKRPLM1_IDLesen(int port, char address, char* idText) {
    if (!adresseGueltig(address)) return FEHLER_ID_ADRESSE;
    const std::string befehl = kopf(address, "IDR") + VKRPLM1_CR;
    std::string antwort;
    if (const Fehlercode f = transaktion(port, befehl, ID_CODES, &antwort, VKRPLM1_MAX_ANTWORT)) return f;
    return VKRPLM1_IDAntwortAuswerten(antwort.data(), antwort.size(), address, idText);
}

Fehlercode VKRPLM1_DeviceFunction(int port, char address, const char* word) {
    if (!adresseOderSammel(address)) return FEHLER_DF_ADRESSE;
    static constexpr const char* woerter[] = {"start", "pause", "stopp"};
    static constexpr const char* codes[] = {"DF1", "DF2", "DF3"};
    for (int i = 0; i < 3; ++i)
        if (word && std::strcmp(word, woerter[i]) == 0)
            return transaktion(port, kopf(address, codes[i]) + VKRPLM1_CR, DF_CODES);
    return FEHLER_DF_WORT;
}

Fehlercode VKRPLM1_ParameterSchreiben(int port, char address, const char* word, double realValue,
                                      int intValue) {
    if (!adresseOderSammel(address)) return FEHLER_PS_ADRESSE;
    const Schreibwort* w = suchen(schreibwoerter(), word);
    if (!w) return FEHLER_PS_WORT;
    std::string befehl = kopf(address, w->code.c_str());
    if (!wertAnhaengen(*w, realValue, intValue, befehl)) return w->bereich;
    befehl += VKRPLM1_CR;
    return transaktion(port, befehl, PS_CODES);
}

Fehlercode VKRPLM1_ParameterLesen(int port, char address, const char* word, double* realOut, int* intOut,
                                  char* /*textOut: no word answers with text*/) {
    if (!adresseGueltig(address)) return FEHLER_PL_ADRESSE;
    const Lesewort* w = suchen(lesewoerter(), word);
    if (!w) return FEHLER_PL_WORT;
    const std::string befehl = kopf(address, w->code.c_str()) + VKRPLM1_CR;
    std::string antwort;
    if (const Fehlercode f = transaktion(port, befehl, PL_CODES, &antwort, VKRPLM1_MAX_ANTWORT)) return f;
    return VKRPLM1_ParameterAntwortAuswerten(antwort.data(), antwort.size(), befehl.data(), w->typ, realOut,
                                             intOut);
}

Fehlercode VKRPLM1_SpeicherLesen(int port, char address, int memoryType, int startAddress, int size,
                                 unsigned char* buffer) {
    if (!adresseGueltig(address)) return FEHLER_SL_ADRESSE;
    if (startAddress < 0 || startAddress > MAX_SPEICHERADRESSE) return FEHLER_SL_STARTADRESSE;
    if (size < 1 || size > MAX_LESEGROESSE) return FEHLER_SL_GROESSE;
    if (startAddress + size > MAX_SPEICHERADRESSE + 1) return FEHLER_SL_GROESSE; // past the end
    if (memoryType != VKRPLM1_SPEICHERTYP) return FEHLER_SL_SPEICHERTYP;
    // The size field has four digits: 65536 cannot be asked for.
    if (size > MAX_SPEICHERADRESSE) return FEHLER_SL_FORMATIEREN;
    char befehl[32];
    const int laenge =
        std::snprintf(befehl, sizeof befehl, "%c%cBDR%d%04X%04X%c", VKRPLM1_START, address, memoryType,
                      static_cast<unsigned>(startAddress), static_cast<unsigned>(size), VKRPLM1_CR);
    if (laenge != 15) return FEHLER_SL_FORMATIEREN;
    const std::size_t erwartet = VKRPLM1_SpeicherAntwortLaenge(static_cast<std::size_t>(size));
    std::string antwort;
    if (const Fehlercode f = transaktion(port, std::string(befehl, 15), SL_CODES, &antwort, erwartet))
        return f;
    return VKRPLM1_SpeicherAntwortAuswerten(antwort.data(), antwort.size(), address, memoryType, startAddress,
                                            size, buffer);
}

Fehlercode VKRPLM1_SpeicherSchreiben(int port, char address, int memoryType, int startAddress, int size,
                                     const unsigned char* data) {
    if (!adresseOderSammel(address)) return FEHLER_SS_ADRESSE;
    if (startAddress < 0 || startAddress > MAX_SPEICHERADRESSE) return FEHLER_SS_STARTADRESSE;
    if (size < 0 || size > VKRPLM1_MAX_BLOCK) return FEHLER_SS_GROESSE;
    if (startAddress + size > MAX_SPEICHERADRESSE + 1) return FEHLER_SS_GROESSE; // past the end
    if (memoryType != VKRPLM1_SPEICHERTYP) return FEHLER_SS_SPEICHERTYP;
    char feld[16];
    if (std::snprintf(feld, sizeof feld, "%d%04X%04X", memoryType, static_cast<unsigned>(startAddress),
                      static_cast<unsigned>(size)) != 9)
        return FEHLER_SS_FORMATIEREN_KOPF;
    std::string befehl = kopf(address, "BDW") + feld;
    if (size > 0 && !data) return FEHLER_SS_FORMATIEREN_DATEN;
    unsigned summe = 1;
    for (int i = 0; i < size; ++i) {
        std::snprintf(feld, sizeof feld, "%02X", data[i]);
        befehl += feld;
        summe += data[i];
    }
    if (std::snprintf(feld, sizeof feld, "%04X", summe & 0xFFFF) != 4)
        return FEHLER_SS_FORMATIEREN_CHECKSUMME;
    befehl += feld;
    befehl += VKRPLM1_CR;
    return transaktion(port, befehl, SS_CODES);
}
