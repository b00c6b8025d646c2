// Ranges of the cycle's values: the check before an upload and the correction after a load.

#include "cycle/Kurven_Bereich.h"
#include "platform/sprache/textmarke.h"

#include "errors/VKR_errorV3.h"

#include <cstddef>

namespace {
constexpr const char* ECKDATEN_NAMEN[KURVENECKDATEN_ANZAHL] = {
    "DRUCKHIGH1CHECK", "DRUCKHIGH2CHECK", "DRUCKLOW1CHECK", "DRUCKLOW2CHECK",   "DRUCKHIGH1",    "DRUCKHIGH2",
    "DRUCKLOW1",       "DRUCKLOW2",       "ZYKLEN",         "ZYKLENUNBEGRENZT", "ANZAHLSCHRITTE"};

std::string kanalOrt(int kanal, std::size_t schritt) {
    return Kurvenarrays_IstPumpenkanal(kanal)
               ? Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "Schritt %1, Pumpe %2"), schritt + 1,
                                Kurvenarrays_PumpenNummer(kanal))
               : Textmarke_Satz(QT_TRANSLATE_NOOP("Plm1", "Schritt %1, Ventil %2"), schritt + 1,
                                Kurvenarrays_VentilNummer(kanal));
}

// Whether a key data word goes to the unit: a limit only while its check word is set, the runs only while
// the cycle is not without end. The others keep any number, as the window keeps them.
bool wirdGesendet(const int32_t eckdaten[KURVENECKDATEN_ANZAHL], int i) {
    switch (i) {
    case KE_DRUCKHIGH1:
    case KE_DRUCKHIGH2:
    case KE_DRUCKLOW1:
    case KE_DRUCKLOW2:
        return eckdaten[i - (KE_DRUCKHIGH1 - KE_DRUCKHIGH1CHECK)] != 0;
    case KE_ZYKLEN:
        return eckdaten[KE_ZYKLENUNBEGRENZT] == 0;
    default:
        return true;
    }
}
} // namespace

Fehlercode KurvenBereich_Pruefen(const int32_t eckdaten[KURVENECKDATEN_ANZAHL],
                                 const Kurvenarray kurven[KURVEN_ANZAHL]) {
    for (int i = 0; i < KURVENECKDATEN_ANZAHL; ++i)
        if (wirdGesendet(eckdaten, i) && !Wertebereich_Enthaelt(KurvenBereich_Eckdatum(i), eckdaten[i])) {
            VKR_Fehleruserstring(
                Wertebereich_Text(ECKDATEN_NAMEN[i], eckdaten[i], KurvenBereich_Eckdatum(i)).c_str());
            return FEHLER_KURVEN_WERT_BEREICH;
        }
    for (int k = 0; k < KURVEN_ANZAHL; ++k)
        for (std::size_t s = 0; s < kurven[k].values.size(); ++s)
            if (!Wertebereich_Enthaelt(KurvenBereich_Kanal(k), kurven[k].values[s])) {
                VKR_Fehleruserstring(
                    Wertebereich_Text(kanalOrt(k, s), kurven[k].values[s], KurvenBereich_Kanal(k)).c_str());
                return FEHLER_KURVEN_WERT_BEREICH;
            }
    return KEIN_FEHLER;
}

std::string KurvenBereich_Einpassen(int32_t eckdaten[KURVENECKDATEN_ANZAHL],
                                    Kurvenarray kurven[KURVEN_ANZAHL]) {
    std::string zeilen;
    for (int i = 0; i < KURVENECKDATEN_ANZAHL; ++i) {
        const int32_t neu = Wertebereich_Einpassen(KurvenBereich_Eckdatum(i), eckdaten[i]);
        if (neu == eckdaten[i]) continue;
        zeilen += Wertebereich_AenderungText(ECKDATEN_NAMEN[i], eckdaten[i], neu) + "\n";
        eckdaten[i] = neu;
    }
    for (int k = 0; k < KURVEN_ANZAHL; ++k)
        for (std::size_t s = 0; s < kurven[k].values.size(); ++s) {
            int32_t& v = kurven[k].values[s];
            const int32_t neu = Wertebereich_Einpassen(KurvenBereich_Kanal(k), v);
            if (neu == v) continue;
            zeilen += Wertebereich_AenderungText(kanalOrt(k, s), v, neu) + "\n";
            v = neu;
        }
    return zeilen;
}
