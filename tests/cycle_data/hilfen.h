#pragma once
// Shared set-up of the cycle data tests: a fresh model, valve kinds, temporary files.

#include "cycle/Kurven_Datei.h"
#include "cycle/Kurvenarrays.h"
#include "platform/ui/ui_melden.h"
#include "valves/Konfigarray.h"

#include "tests/common/testdatei.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace zyklus_test {

inline void ventilartenSetzen(const std::array<int, 11>& arten) {
    for (int v = 0; v < 11; ++v)
        gKonfig[v] = arten[v];
}
inline void alleVentileNC() {
    ventilartenSetzen({2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2});
}

// Fresh model of n steps (all values 0, initial key data), no file name, no window hook.
inline void frischesModell(int n = 10) {
    Kurven_FensterAnpassenSetzen(nullptr);
    Kurvenarrays_SpeicherfehlerSimulieren(0);
    Kurvenarrays_Freigeben();
    ASSERT_EQ(Kurvenarrays_Initialisieren(), KEIN_FEHLER);
    gKurveneckdaten[KE_ANZAHLSCHRITTE] = n;
    ASSERT_EQ(Kurven_KurvenlaengenAendern(n), KEIN_FEHLER);
    KurvenDatei_DateinameZuruecksetzen();
    alleVentileNC();
}

// Everything of the model, for "nothing changed" checks.
struct Abbild {
    std::vector<int32_t> eckdaten;
    std::vector<std::vector<int32_t>> kurven;
    std::vector<int32_t> counts;
    bool operator==(const Abbild&) const = default;
};
inline Abbild abbild() {
    Abbild a;
    a.eckdaten.assign(gKurveneckdaten, gKurveneckdaten + KURVENECKDATEN_ANZAHL);
    for (const auto& k : gKurven) {
        a.kurven.push_back(k.values);
        a.counts.push_back(k.count);
    }
    return a;
}

// A cycle with a recognisable value in every channel and step.
inline void musterFuellen() {
    for (int k = 0; k < KURVEN_ANZAHL; ++k)
        for (int i = 0; i < gKurven[k].count; ++i)
            gKurven[k].values[i] =
                Kurvenarrays_IstVentilkanal(k) ? (i + k) % 2 : ((i * 10 + k * 30) % 201) - 100;
}

inline std::filesystem::path tempVerzeichnis() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "plm1_cycle_" + std::string(info->test_suite_name()) + "_" + info->name();
    for (char& c : name)
        if (c == '/' || c == '<' || c == '>' || c == ',') c = '_';
    const auto p = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(p);
    std::filesystem::create_directories(p);
    return p;
}

using testdatei::bytesLesen;
using testdatei::bytesSchreiben;

} // namespace zyklus_test
