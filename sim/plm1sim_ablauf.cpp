// The unit's run of its stored cycle and keys: both decoded with the program's own image rules, so the
// simulated unit runs exactly what a transfer wrote.

#include "sim/plm1sim_ablauf.h"

#include "cycle/Kurven_Satz.h"
#include "cycle/Kurvenarrays.h"
#include "device/Speicherbild.h"
#include "keys/Tasten_Block.h"
#include "valves/Ventilarten.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>

namespace plm1sim {
namespace {

double prozent(int geraet) {
    return Speicherbild_PumpeVonGeraet(geraet);
}

bool passt(const std::vector<std::uint8_t>& speicher, int start, int laenge) {
    return start >= 0 && laenge >= 0 && static_cast<std::size_t>(start) + laenge <= speicher.size();
}

// The key block n (0..8) with its inverted copy: both check sums right, every used byte (those before the
// check sum) inverted.
bool tastenkopieStimmt(const std::vector<std::uint8_t>& speicher, int n) {
    const int a = TASTENSPEICHER_ADRESSE + n * TASTENBLOCK_GROESSE;
    const int b = TASTENSPEICHER_INVERTIERT_ADRESSE + n * TASTENBLOCK_GROESSE;
    if (!passt(speicher, a, TASTENBLOCK_GROESSE) || !passt(speicher, b, TASTENBLOCK_GROESSE)) return false;
    const unsigned char* klar = speicher.data() + a;
    const unsigned char* inv = speicher.data() + b;
    if (!Speicherbild_PruefsummeStimmt(klar, BLOCK_CHECKSUMME) ||
        !Speicherbild_PruefsummeStimmt(inv, BLOCK_CHECKSUMME))
        return false;
    for (int i = 0; i < BLOCK_CHECKSUMME; ++i)
        if (klar[i] != static_cast<unsigned char>(~inv[i])) return false;
    return true;
}

} // namespace

bool schrittzeitLesen(const char* text, double* sekunden) {
    if (!text || !sekunden) return false;
    char* ende = nullptr;
    const double s = std::strtod(text, &ende);
    if (ende == text || *ende != '\0' || !std::isfinite(s) || s <= 0) return false;
    *sekunden = s;
    return true;
}

void Ablauf::schrittzeitSetzen(double s) {
    if (std::isfinite(s) && s > 0) schrittzeit_ = s;
}

void Ablauf::setzen(Zustand& z, const Schritt& s) {
    z.ventile = s.ventile;
    for (int k = 0; k < 2; ++k) {
        z.pumpe[k] = s.pumpe[k];
        z.druckHigh[k] = s.oben[k];
        z.druckLow[k] = s.unten[k];
    }
}

void Ablauf::ausgaengeLoeschen(Zustand& z) {
    setzen(z, Schritt{});
}

void Ablauf::starten(Zustand& z, const std::vector<std::uint8_t>& speicher) {
    if (modus_ == Modus::Pause) {
        modus_ = Modus::Zyklus;
        z.status = (z.status | STATUS_ZYKLUS_LAEUFT) & ~STATUS_ZYKLUS_PAUSE;
        return;
    }
    const auto fehler = [&] {
        if (modus_ != Modus::Aus) ausgaengeLoeschen(z);
        modus_ = Modus::Aus;
        zyklus_.clear();
        z.status = (z.status | STATUS_SPEICHERFEHLER) & ~(STATUS_ZYKLUS_LAEUFT | STATUS_ZYKLUS_PAUSE);
    };
    KurvenKopf kopf;
    if (!passt(speicher, KURVENSATZ_ADRESSE_KOPF_INVERTIERT, KURVENSATZ_KOPFGROESSE) ||
        !KurvenSatz_KopieStimmt(&speicher[KURVENSATZ_ADRESSE_KOPF],
                                &speicher[KURVENSATZ_ADRESSE_KOPF_INVERTIERT], KURVENSATZ_KOPFGROESSE,
                                KURVENSATZ_KOPF_NUTZBYTES, 1) ||
        !KurvenSatz_KopfLesen(&speicher[KURVENSATZ_ADRESSE_KOPF], kopf) || kopf.schritte < 1 ||
        kopf.schritte > KURVEN_SCHRITTE_MAX)
        return fehler();
    const int laenge = kopf.schritte * KURVENSATZ_SATZGROESSE;
    if (!passt(speicher, KURVENSATZ_ADRESSE_SAETZE_INVERTIERT, laenge) ||
        !KurvenSatz_KopieStimmt(&speicher[KURVENSATZ_ADRESSE_SAETZE],
                                &speicher[KURVENSATZ_ADRESSE_SAETZE_INVERTIERT], KURVENSATZ_SATZGROESSE,
                                KURVENSATZ_SATZ_NUTZBYTES, kopf.schritte))
        return fehler();
    std::vector<Schritt> zyklus;
    for (int i = 0; i < kopf.schritte; ++i) {
        KurvenSatz satz;
        if (!KurvenSatz_Lesen(&speicher[KURVENSATZ_ADRESSE_SAETZE + i * KURVENSATZ_SATZGROESSE], satz))
            return fehler();
        Schritt s;
        s.ventile = satz.ventilbits;
        for (int k = 0; k < 2; ++k) {
            s.pumpe[k] = prozent(satz.pumpe[k]);
            s.oben[k] = satz.oben[k];
            s.unten[k] = satz.unten[k];
        }
        zyklus.push_back(s);
    }
    zyklus_ = std::move(zyklus);
    laeufe_ = kopf.laeufe;
    lauf_ = 0;
    index_ = 0;
    zeit_ = 0;
    modus_ = Modus::Zyklus;
    z.status = (z.status | STATUS_ZYKLUS_LAEUFT) & ~(STATUS_ZYKLUS_PAUSE | STATUS_SPEICHERFEHLER);
    setzen(z, zyklus_.front());
}

void Ablauf::anhalten(Zustand& z) {
    if (modus_ != Modus::Zyklus) return;
    modus_ = Modus::Pause;
    z.status = (z.status & ~STATUS_ZYKLUS_LAEUFT) | STATUS_ZYKLUS_PAUSE;
}

void Ablauf::stoppen(Zustand& z) {
    modus_ = Modus::Aus;
    z.status &= ~(STATUS_ZYKLUS_LAEUFT | STATUS_ZYKLUS_PAUSE);
    ausgaengeLoeschen(z);
}

bool Ablauf::tasteDruecken(int taste, Zustand& z, const std::vector<std::uint8_t>& speicher) {
    switch (taste) {
    case TASTE_START:
        starten(z, speicher);
        return true;
    case TASTE_PAUSE:
        anhalten(z);
        return true;
    case TASTE_STOPP:
        stoppen(z);
        return true;
    default:
        break;
    }
    if (taste < 1 || taste > TASTEN_ANZAHL) return false;
    if (modus_ == Modus::Zyklus || modus_ == Modus::Pause) return false;
    if (!passt(speicher, TASTENSPEICHER_ADRESSE, TASTENSPEICHER_GROESSE) ||
        !tastenkopieStimmt(speicher, taste - 1)) {
        if (modus_ == Modus::Taste) ausgaengeLoeschen(z);
        modus_ = Modus::Aus;
        z.status |= STATUS_SPEICHERFEHLER;
        return true;
    }
    Ventilarten arten;
    std::fill(std::begin(arten), std::end(arten), VENTILART_NC); // the bits are the coils themselves
    TastenTabelle tabelle{};
    (void)TastenBlock_Dekodieren(&speicher[TASTENSPEICHER_ADRESSE], arten, tabelle);
    const TastenEintrag& t = tabelle[static_cast<std::size_t>(taste - 1)];
    Schritt s;
    for (int j = 0; j < ANZAHL_VENTILE; ++j)
        if (t[TASTE_VENTIL1 + j]) s.ventile |= 1 << j;
    const int pumpen[2] = {t[TASTE_PUMPE1], t[TASTE_PUMPE2]};
    const int aktiv[2] = {t[TASTE_DRUCK1CHECKB], t[TASTE_DRUCK2CHECKB]};
    const int druck[2] = {t[TASTE_DRUCK1], t[TASTE_DRUCK2]};
    const int zeiten[2] = {t[TASTE_ZEIT1], t[TASTE_ZEIT2]};
    for (int k = 0; k < 2; ++k) {
        s.pumpe[k] = pumpen[k];
        s.oben[k] = pumpen[k] >= 0 && aktiv[k] ? druck[k] : SPEICHERBILD_KEINE_GRENZE;
        s.unten[k] = pumpen[k] < 0 && aktiv[k] ? druck[k] : -SPEICHERBILD_KEINE_GRENZE;
        tastenzeit_[k] = zeiten[k] * schrittzeit_;
    }
    taste_ = s;
    zeit_ = 0;
    modus_ = Modus::Taste;
    z.status &= ~STATUS_SPEICHERFEHLER;
    setzen(z, taste_);
    weiter(0, z); // a pump with time 0 does not run at all
    return true;
}

void Ablauf::weiter(double dt, Zustand& z) {
    if (!(dt >= 0) || !std::isfinite(dt)) return;
    if (modus_ == Modus::Taste) {
        zeit_ += dt;
        for (int k = 0; k < 2; ++k)
            if (zeit_ >= tastenzeit_[k]) z.pumpe[k] = 0;
        if (zeit_ >= std::max(tastenzeit_[0], tastenzeit_[1])) {
            modus_ = Modus::Aus;
            ausgaengeLoeschen(z);
        }
        return;
    }
    if (modus_ != Modus::Zyklus || zyklus_.empty()) return;
    zeit_ += dt;
    if (zeit_ < schrittzeit_) return;
    // Whole steps passed; a long gap (a suspended machine) skips ahead instead of looping step by step.
    const double schritte = std::floor(zeit_ / schrittzeit_);
    zeit_ -= schritte * schrittzeit_;
    const double n = static_cast<double>(zyklus_.size());
    const double position = static_cast<double>(index_) + schritte;
    const double laeufeWeiter = std::floor(position / n);
    if (laeufe_ > 0 && lauf_ + laeufeWeiter >= laeufe_) {
        stoppen(z);
        return;
    }
    lauf_ = laeufe_ > 0 ? lauf_ + static_cast<int>(laeufeWeiter) : 0;
    index_ = static_cast<std::size_t>(position - laeufeWeiter * n);
    setzen(z, zyklus_[index_]);
}

std::string tastenbefehlAusfuehren(Bus& bus, const std::string& zeile, char adresse) {
    std::istringstream ein(zeile);
    std::string wort, rest;
    if (!(ein >> wort)) return {};
    int taste = 0;
    if (wort == "start")
        taste = TASTE_START;
    else if (wort == "pause")
        taste = TASTE_PAUSE;
    else if (wort == "stop")
        taste = TASTE_STOPP;
    else if (wort != "press" || !(ein >> taste) || taste < 1 || taste > TASTE_STOPP)
        taste = 0;
    std::string andere;
    if (ein >> andere) adresse = andere.size() == 1 ? andere[0] : '\0';
    if (taste == 0 || adresse == '\0' || (ein >> rest)) return "unknown command: " + zeile;
    if (!bus.tasteDruecken(adresse, taste))
        return "key " + std::to_string(taste) + " not taken by unit " + std::string(1, adresse);
    return {};
}

} // namespace plm1sim
