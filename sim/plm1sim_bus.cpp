// The simulated line with its PLM-1 units: splits what the PC sends into command lines, lets the
// addressed units execute them and builds their answers, with injectable faults.

#include "sim/plm1sim.h"
#include "sim/plm1sim_ablauf.h"
#include "sim/plm1sim_protokoll.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <mutex>
#include <optional>
#include <span>

namespace plm1sim {
namespace {

constexpr char FREMDES_BYTE = 0x41;
constexpr char STOERUNG[] = {static_cast<char>(0xFE), 0x00, 0x3C, 0x7F, 0x1B}; // noise on the line

constexpr int SPEICHER_GROESSE = 65536;
constexpr std::uint8_t SPEICHER_LEER = 0xFF; // erased EEPROM
constexpr char SPEICHERTYP = '4';
constexpr std::size_t MAX_ZEILENLAENGE = 4096; // garbage without CR is dropped beyond this
constexpr std::size_t MAX_PROTOKOLL = 200000;  // oldest logged lines are dropped beyond this

constexpr int STATUS_ABSCHALTUNG[2] = {STATUS_ABSCHALTUNG1, STATUS_ABSCHALTUNG2};

constexpr double PUMPE_MBAR_PRO_PROZENT = 20.0; // 100 % pumps towards 2000 mbar
constexpr double DRUCK_ZEITKONSTANTE_S = 1.5;

struct Geraet {
    Einheit einheit;
    Zustand zustand;
    std::vector<std::uint8_t> speicher = std::vector<std::uint8_t>(SPEICHER_GROESSE, SPEICHER_LEER);
    Ablauf ablauf;
};

struct Speicheraenderung {
    char adresse;
    int speicherAdresse;
};

struct Fehler {
    std::string code;
    char adresse;
    Fehlerart art;
    int anzahl;
};

int hexziffer(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Exactly `stellen` hexadecimal digits at text[pos..]; -1 when malformed.
long hexzahl(const std::string& text, std::size_t pos, std::size_t stellen) {
    if (pos + stellen > text.size()) return -1;
    long wert = 0;
    for (std::size_t i = 0; i < stellen; ++i) {
        const int z = hexziffer(text[pos + i]);
        if (z < 0) return -1;
        wert = wert * 16 + z;
    }
    return wert;
}

// A whole decimal number with optional '-' within [min, max]; nullopt when malformed or outside.
std::optional<int> ganzzahl(const std::string& text, int min, int max) {
    std::size_t i = 0;
    bool negativ = false;
    if (i < text.size() && text[i] == '-') {
        negativ = true;
        ++i;
    }
    if (i == text.size() || text.size() - i > 6) return std::nullopt;
    int wert = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        wert = wert * 10 + (text[i] - '0');
    }
    if (negativ) wert = -wert;
    if (wert < min || wert > max) return std::nullopt;
    return wert;
}

// Valve character 1..9, a..g -> valve 1..16; 0 for the mask; -1 otherwise.
int ventilnummer(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'g') return c - 'a' + 10;
    return -1;
}

std::string hex4(long wert) {
    char puffer[8];
    std::snprintf(puffer, sizeof puffer, "%04lX", wert & 0xFFFF);
    return puffer;
}

std::string reell(double wert) {
    char puffer[32];
    std::snprintf(puffer, sizeof puffer, "%.1f", wert);
    return puffer;
}

} // namespace

struct Bus::Impl {
    mutable std::mutex mutex;
    std::vector<Geraet> geraete;
    std::string eingang;
    std::vector<std::string> zeilen;
    std::vector<Fehler> fehler;
    std::vector<Speicheraenderung> aenderungen;

    Geraet* finden(char adresse) {
        for (auto& g : geraete)
            if (g.einheit.adresse == adresse) return &g;
        return nullptr;
    }

    std::optional<Fehlerart> fehlerNehmen(const std::string& code, char adresse) {
        for (auto it = fehler.begin(); it != fehler.end(); ++it) {
            if (it->code != code || (it->adresse != '*' && it->adresse != adresse)) continue;
            const Fehlerart art = it->art;
            if (it->anzahl > 0 && --it->anzahl == 0) fehler.erase(it);
            return art;
        }
        return std::nullopt;
    }

    // Executes one command on one unit. nullopt: refused (NAK); empty: accepted without reply line;
    // otherwise the reply line without its CR.
    static std::optional<std::string> ausfuehren(Geraet& g, const std::string& code, const std::string& wert,
                                                 bool checksummeFalsch) {
        Zustand& z = g.zustand;
        const std::string kopf = std::string(1, START) + g.einheit.adresse;
        if (code == "IDR") {
            if (!wert.empty()) return std::nullopt;
            return kopf + g.einheit.id;
        }
        if (code == "DF1" || code == "DF2" || code == "DF3") {
            if (!wert.empty()) return std::nullopt;
            z.funktion = code[2] - '0';
            (void)g.ablauf.tasteDruecken(TASTE_START + z.funktion - 1, z, g.speicher);
            return std::string();
        }
        if (code == "BDR") return speicherLesen(g, kopf, wert, checksummeFalsch);
        if (code == "BDW") return speicherSchreiben(g, wert);
        if (code.size() != 3) return std::nullopt;
        if (code[2] == 'W') return schreiben(z, code, wert);
        if (code[2] == 'R' && wert.empty()) {
            const auto w = lesen(z, code);
            if (!w) return std::nullopt;
            return kopf + code + *w;
        }
        return std::nullopt;
    }

    static int kreis(char c) { return c == '1' ? 0 : c == '2' ? 1 : -1; }

    static std::optional<std::string> schreiben(Zustand& z, const std::string& code,
                                                const std::string& wert) {
        const char art = code[0];
        const int k = kreis(code[1]);
        if ((art == 'P' || art == 'H' || art == 'L') && k >= 0) {
            const int grenze = art == 'P' ? 100 : KEINE_DRUCKGRENZE;
            const auto v = ganzzahl(wert, -grenze, grenze);
            if (!v) return std::nullopt;
            (art == 'P' ? z.pumpe : art == 'H' ? z.druckHigh : z.druckLow)[k] = *v;
            return std::string();
        }
        if (art == 'V') {
            const int n = ventilnummer(code[1]);
            if (n == 0) {
                const long maske = wert.size() == 4 ? hexzahl(wert, 0, 4) : -1;
                if (maske < 0) return std::nullopt;
                z.ventile = static_cast<int>(maske);
                return std::string();
            }
            if (n > 0 && wert.size() == 1 && (wert[0] == '0' || wert[0] == '1')) {
                const int bit = 1 << (n - 1);
                z.ventile = wert[0] == '1' ? (z.ventile | bit) : (z.ventile & ~bit);
                return std::string();
            }
        }
        return std::nullopt;
    }

    static std::optional<std::string> lesen(const Zustand& z, const std::string& code) {
        if (code == "U1R") return reell(z.spannung);
        if (code == "T1R") return reell(z.temperatur);
        if (code == "S1R") return hex4(z.status);
        const int k = kreis(code[1]);
        if (k >= 0) {
            switch (code[0]) {
            case 'D':
                return reell(z.istDruck[k]);
            case 'P':
                return reell(z.pumpe[k]);
            case 'H':
                return reell(z.druckHigh[k]);
            case 'L':
                return reell(z.druckLow[k]);
            default:
                break;
            }
        }
        if (code[0] == 'V') {
            const int n = ventilnummer(code[1]);
            if (n == 0) return hex4(z.ventile);
            if (n > 0) return std::to_string((z.ventile >> (n - 1)) & 1);
        }
        return std::nullopt;
    }

    static std::optional<std::string> speicherLesen(Geraet& g, const std::string& kopf,
                                                    const std::string& wert, bool checksummeFalsch) {
        if (wert.size() != 9 || wert[0] != SPEICHERTYP) return std::nullopt;
        const long start = hexzahl(wert, 1, 4);
        const long n = hexzahl(wert, 5, 4);
        if (start < 0 || n < 1 || start + n > SPEICHER_GROESSE) return std::nullopt;
        std::string zeile = kopf + "BDR" + SPEICHERTYP + hex4(start) + hex4(n);
        const std::span bytes(g.speicher.data() + start, static_cast<std::size_t>(n));
        char paar[4];
        for (const std::uint8_t b : bytes) {
            std::snprintf(paar, sizeof paar, "%02X", b);
            zeile += paar;
        }
        long summe = speicherPruefsumme(bytes);
        if (checksummeFalsch) ++summe;
        return zeile + hex4(summe);
    }

    static std::optional<std::string> speicherSchreiben(Geraet& g, const std::string& wert) {
        if (wert.size() < 13 || wert[0] != SPEICHERTYP) return std::nullopt;
        const long start = hexzahl(wert, 1, 4);
        const long n = hexzahl(wert, 5, 4);
        if (start < 0 || n < 0 || start + n > SPEICHER_GROESSE) return std::nullopt;
        if (wert.size() != static_cast<std::size_t>(9 + 2 * n + 4)) return std::nullopt;
        std::vector<std::uint8_t> daten;
        for (long i = 0; i < n; ++i) {
            const long b = hexzahl(wert, static_cast<std::size_t>(9 + 2 * i), 2);
            if (b < 0) return std::nullopt;
            daten.push_back(static_cast<std::uint8_t>(b));
        }
        if (hexzahl(wert, static_cast<std::size_t>(9 + 2 * n), 4) != speicherPruefsumme(daten))
            return std::nullopt;
        std::copy(daten.begin(), daten.end(), g.speicher.begin() + start);
        return std::string();
    }

    void speicherAendern(Geraet& g) {
        for (auto it = aenderungen.begin(); it != aenderungen.end();) {
            if (it->adresse != g.einheit.adresse) {
                ++it;
                continue;
            }
            g.speicher[static_cast<std::size_t>(it->speicherAdresse)] ^= 0x01;
            it = aenderungen.erase(it);
        }
    }

    // One complete line from the PC (CR included); returns what goes back on the line.
    std::string zeileVerarbeiten(const std::string& roh) {
        const std::size_t anfang = roh.find(START);
        if (anfang == std::string::npos) return {};
        const std::string zeile = roh.substr(anfang, roh.size() - anfang - 1);
        if (zeile.size() < 2) return {};
        const char adresse = zeile[1];
        const std::string code = zeile.substr(2, 3);
        const std::string wert = zeile.size() > 5 ? zeile.substr(5) : std::string();
        if (adresse == BROADCAST) {
            if (code.size() == 3)
                for (auto& g : geraete)
                    (void)ausfuehren(g, code, wert, false);
            return {};
        }
        Geraet* g = finden(adresse);
        if (!g) return {};
        if (code.size() < 3) return std::string(1, NAK);
        if (code == "BDR") speicherAendern(*g);
        const Fehlerart art = fehlerNehmen(code, adresse).value_or(Fehlerart::Keiner);
        switch (art) {
        case Fehlerart::Nak:
            return std::string(1, NAK);
        case Fehlerart::Can:
            return std::string(1, CAN);
        case Fehlerart::Stille:
            return {};
        case Fehlerart::FremdesByte:
            return std::string(1, FREMDES_BYTE);
        case Fehlerart::Stoerung:
            return std::string(STOERUNG, sizeof STOERUNG);
        case Fehlerart::Err:
            return std::string(1, ACK) + START + adresse + code + "err" + CR;
        default:
            break;
        }
        auto antwort = ausfuehren(*g, code, wert, art == Fehlerart::FalscheChecksumme);
        if (!antwort) return std::string(1, NAK);
        std::string aus(1, ACK);
        if (antwort->empty()) return aus;
        if (art == Fehlerart::AntwortAbgebrochen) return aus + antwort->substr(0, (antwort->size() + 1) / 2);
        if (art == Fehlerart::FalschesEcho) {
            // the identification has no echoed code: its address is the echo
            const std::size_t pos = code == "IDR" ? 1 : 3;
            (*antwort)[pos] = (*antwort)[pos] == '1' ? '2' : '1';
        }
        return aus + *antwort + CR;
    }
};

Bus::Bus(std::vector<Einheit> einheiten) : impl_(std::make_unique<Impl>()) {
    for (auto& e : einheiten)
        impl_->geraete.push_back(Geraet{e, Zustand{}, {}, {}});
    for (auto& g : impl_->geraete)
        g.speicher.assign(SPEICHER_GROESSE, SPEICHER_LEER);
}

Bus::~Bus() = default;

std::string Bus::empfangen(const std::string& bytes) {
    std::lock_guard lock(impl_->mutex);
    std::string& eingang = impl_->eingang;
    eingang += bytes;
    std::string aus;
    for (std::size_t cr; (cr = eingang.find(CR)) != std::string::npos;) {
        std::string zeile = eingang.substr(0, cr + 1);
        eingang.erase(0, cr + 1);
        if (impl_->zeilen.size() >= MAX_PROTOKOLL) impl_->zeilen.erase(impl_->zeilen.begin());
        impl_->zeilen.push_back(zeile);
        aus += impl_->zeileVerarbeiten(zeile);
    }
    if (eingang.size() > MAX_ZEILENLAENGE) eingang.erase(0, eingang.size() - MAX_ZEILENLAENGE);
    return aus;
}

void Bus::schritt(double dt) {
    if (!(dt > 0)) return;
    std::lock_guard lock(impl_->mutex);
    const double anteil = 1.0 - std::exp(-dt / DRUCK_ZEITKONSTANTE_S);
    for (auto& g : impl_->geraete) {
        Zustand& z = g.zustand;
        g.ablauf.weiter(dt, z);
        for (int k = 0; k < 2; ++k) {
            const double ziel = z.pumpe[k] * PUMPE_MBAR_PRO_PROZENT;
            double& ist = z.istDruck[k];
            ist += (ziel - ist) * anteil;
            bool abgeschaltet = false;
            if (z.pumpe[k] > 0 && z.druckHigh[k] < KEINE_DRUCKGRENZE && ist >= z.druckHigh[k]) {
                ist = z.druckHigh[k];
                abgeschaltet = true;
            }
            if (z.pumpe[k] < 0 && z.druckLow[k] > -KEINE_DRUCKGRENZE && ist <= z.druckLow[k]) {
                ist = z.druckLow[k];
                abgeschaltet = true;
            }
            z.status =
                abgeschaltet ? (z.status | STATUS_ABSCHALTUNG[k]) : (z.status & ~STATUS_ABSCHALTUNG[k]);
        }
    }
}

void Bus::schrittzeitSetzen(double sekunden) {
    std::lock_guard lock(impl_->mutex);
    for (auto& g : impl_->geraete)
        g.ablauf.schrittzeitSetzen(sekunden);
}

double Bus::schrittzeit() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->geraete.empty() ? STANDARD_SCHRITTZEIT_S : impl_->geraete.front().ablauf.schrittzeit();
}

bool Bus::tasteDruecken(char adresse, int taste) {
    std::lock_guard lock(impl_->mutex);
    Geraet* g = impl_->finden(adresse);
    return g && g->ablauf.tasteDruecken(taste, g->zustand, g->speicher);
}

void Bus::fehlerSetzen(const std::string& code, Fehlerart art, int anzahl, char adresse) {
    std::lock_guard lock(impl_->mutex);
    if (anzahl == 0) return;
    impl_->fehler.push_back(Fehler{code, adresse, art, anzahl});
}

void Bus::fehlerLoeschen() {
    std::lock_guard lock(impl_->mutex);
    impl_->fehler.clear();
}

void Bus::speicherAendernVorLesen(char adresse, int speicherAdresse) {
    std::lock_guard lock(impl_->mutex);
    if (speicherAdresse < 0 || speicherAdresse >= SPEICHER_GROESSE) return;
    impl_->aenderungen.push_back(Speicheraenderung{adresse, speicherAdresse});
}

std::vector<std::string> Bus::empfangeneZeilen() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->zeilen;
}

void Bus::protokollLeeren() {
    std::lock_guard lock(impl_->mutex);
    impl_->zeilen.clear();
}

Zustand Bus::zustand(char adresse) const {
    std::lock_guard lock(impl_->mutex);
    for (const auto& g : impl_->geraete)
        if (g.einheit.adresse == adresse) return g.zustand;
    return Zustand{};
}

void Bus::zustandSetzen(char adresse, const Zustand& z) {
    std::lock_guard lock(impl_->mutex);
    if (Geraet* g = impl_->finden(adresse)) g->zustand = z;
}

std::vector<std::uint8_t> Bus::speicher(char adresse, int start, int laenge) const {
    std::lock_guard lock(impl_->mutex);
    for (const auto& g : impl_->geraete) {
        if (g.einheit.adresse != adresse) continue;
        const int a = std::clamp(start, 0, SPEICHER_GROESSE);
        const int e = std::clamp(start + std::max(laenge, 0), a, SPEICHER_GROESSE);
        return {g.speicher.begin() + a, g.speicher.begin() + e};
    }
    return {};
}

void Bus::speicherSetzen(char adresse, int start, const std::vector<std::uint8_t>& daten) {
    std::lock_guard lock(impl_->mutex);
    Geraet* g = impl_->finden(adresse);
    if (!g || start < 0) return;
    for (std::size_t i = 0; i < daten.size() && start + i < SPEICHER_GROESSE; ++i)
        g->speicher[start + i] = daten[i];
}

} // namespace plm1sim
