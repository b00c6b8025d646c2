// The cycle model: initial state, length changes that keep and zero the right values, failures that
// leave one common length.

#include "hilfen.h"

#include "resources/Plm1SteuerungGui.h"

using namespace zyklus_test;

namespace {

std::vector<int> gHookAufrufe;
void hook(int n) {
    gHookAufrufe.push_back(n);
}

void kurvenMitSchrittnummerFuellen() {
    for (auto& k : gKurven)
        for (int i = 0; i < k.count; ++i)
            k.values[i] = i + 1;
}

void alleKurvenPruefen(int n, int behalten) {
    for (int k = 0; k < KURVEN_ANZAHL; ++k) {
        ASSERT_EQ(gKurven[k].count, n) << "Kanal " << k;
        ASSERT_EQ(gKurven[k].values.size(), static_cast<size_t>(n)) << "Kanal " << k;
        for (int i = 0; i < n; ++i)
            EXPECT_EQ(gKurven[k].values[i], i < behalten ? i + 1 : 0) << "Kanal " << k << " Schritt " << i;
    }
}

} // namespace

TEST(KurvenModell, AnfangszustandNachInitialisieren) {
    frischesModell();
    for (const auto& k : gKurven) {
        EXPECT_EQ(k.count, 10);
        EXPECT_EQ(k.values, std::vector<int32_t>(10, 0));
    }
    const int32_t erwartet[KURVENECKDATEN_ANZAHL] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 10};
    const int controls[KURVENECKDATEN_ANZAHL] = {
        KURVPANEL_DRUCKHIGH1CHECK,  KURVPANEL_DRUCKHIGH2CHECK, KURVPANEL_DRUCKLOW1CHECK,
        KURVPANEL_DRUCKLOW2CHECK,   KURVPANEL_DRUCKHIGH1,      KURVPANEL_DRUCKHIGH2,
        KURVPANEL_DRUCKLOW1,        KURVPANEL_DRUCKLOW2,       KURVPANEL_ZYKLEN,
        KURVPANEL_ZYKLENUNBEGRENZT, KURVPANEL_ANZAHLSCHRITTE};
    for (int i = 0; i < KURVENECKDATEN_ANZAHL; ++i) {
        EXPECT_EQ(gKurveneckdaten[i], erwartet[i]) << "Wort " << i;
        EXPECT_EQ(gKurvencontrols[i], controls[i]) << "Wort " << i;
    }
}

TEST(KurvenModell, NeuNachAenderungenGibtWiederZehnNullschritte) {
    frischesModell(37);
    musterFuellen();
    gKurveneckdaten[KE_ZYKLEN] = 9;
    gKurveneckdaten[KE_DRUCKHIGH1CHECK] = 1;
    Kurvenarrays_Freigeben();
    for (const auto& k : gKurven) {
        EXPECT_EQ(k.count, 0);
        EXPECT_TRUE(k.values.empty());
    }
    ASSERT_EQ(Kurvenarrays_Initialisieren(), KEIN_FEHLER);
    for (const auto& k : gKurven)
        EXPECT_EQ(k.values, std::vector<int32_t>(10, 0));
    EXPECT_EQ(gKurveneckdaten[KE_ZYKLEN], 1);
    EXPECT_EQ(gKurveneckdaten[KE_DRUCKHIGH1CHECK], 0);
}

// Each row starts from the previous row's state: 10 -> 20 -> 5 -> 10 -> 600 -> 1.
TEST(KurvenModell, LaengenAenderungBehaeltUndNulltDieRichtigenWerte) {
    frischesModell();
    kurvenMitSchrittnummerFuellen();
    struct Zeile {
        int n, behalten;
    };
    const Zeile folge[] = {{20, 10}, {5, 5}, {10, 5}, {600, 5}, {1, 1}};
    for (const auto& z : folge) {
        SCOPED_TRACE(z.n);
        gKurveneckdaten[KE_ANZAHLSCHRITTE] = z.n;
        ASSERT_EQ(Kurven_KurvenlaengenAendern(z.n), KEIN_FEHLER);
        EXPECT_EQ(gKurveneckdaten[KE_ANZAHLSCHRITTE], z.n);
        alleKurvenPruefen(z.n, z.behalten);
    }
}

TEST(KurvenModell, LaengeWirdAufEinsBisSechshundertBegrenztUndDasFensterFolgt) {
    frischesModell();
    gHookAufrufe.clear();
    Kurven_FensterAnpassenSetzen(hook);
    const std::pair<int, int> faelle[] = {{0, 1}, {-7, 1}, {601, 600}, {100000, 600}, {42, 42}};
    for (const auto& [n, erwartet] : faelle) {
        gKurveneckdaten[KE_ANZAHLSCHRITTE] = n;
        ASSERT_EQ(Kurven_KurvenlaengenAendern(n), KEIN_FEHLER);
        EXPECT_EQ(gKurveneckdaten[KE_ANZAHLSCHRITTE], erwartet);
        for (const auto& k : gKurven)
            EXPECT_EQ(k.count, erwartet);
    }
    EXPECT_EQ(gHookAufrufe, (std::vector<int>{1, 1, 600, 600, 42}));
    Kurven_FensterAnpassenSetzen(nullptr);
}

TEST(KurvenModell, EinzelneKurveBleibtBeiSpeichermangelUnveraendert) {
    frischesModell();
    kurvenMitSchrittnummerFuellen();
    Kurvenarrays_SpeicherfehlerSimulieren(1);
    EXPECT_EQ(Kurvenarray_LaengeAendern(gKurven[3], 50), FEHLER_KURVEN_SPEICHER_LAENGE);
    EXPECT_EQ(gKurven[3].count, 10);
    EXPECT_EQ(gKurven[3].values.size(), 10u);
    EXPECT_EQ(gKurven[3].values[9], 10);
    EXPECT_EQ(Kurvenarray_LaengeAendern(gKurven[3], -1), FEHLER_KURVEN_SPEICHER_LAENGE);
    EXPECT_EQ(gKurven[3].count, 10);
}

// A resize that runs out of memory at channel k must leave all 13 curves and ANZAHLSCHRITTE at the old
// length.
TEST(KurvenModell, FehlschlagMittenImVergroessernLaesstEineGemeinsameLaenge) {
    for (const int fehlerBei : {1, 2, 7, 13}) {
        SCOPED_TRACE(fehlerBei);
        frischesModell();
        kurvenMitSchrittnummerFuellen();
        gHookAufrufe.clear();
        Kurven_FensterAnpassenSetzen(hook);
        Kurvenarrays_SpeicherfehlerSimulieren(fehlerBei);
        gKurveneckdaten[KE_ANZAHLSCHRITTE] = 300;
        EXPECT_EQ(Kurven_KurvenlaengenAendern(300), FEHLER_KURVEN_SPEICHER_LAENGE);
        EXPECT_EQ(gKurveneckdaten[KE_ANZAHLSCHRITTE], 10);
        alleKurvenPruefen(10, 10);
        EXPECT_TRUE(gHookAufrufe.empty());
        Kurven_FensterAnpassenSetzen(nullptr);
        // The next growth works again.
        gKurveneckdaten[KE_ANZAHLSCHRITTE] = 300;
        EXPECT_EQ(Kurven_KurvenlaengenAendern(300), KEIN_FEHLER);
        alleKurvenPruefen(300, 10);
    }
}

TEST(KurvenModell, InitialisierenMeldetSpeichermangel) {
    Kurvenarrays_Freigeben();
    Kurvenarrays_SpeicherfehlerSimulieren(1);
    EXPECT_EQ(Kurvenarrays_Initialisieren(), FEHLER_KURVEN_SPEICHER_INIT);
    Kurvenarrays_Freigeben();
    Kurvenarrays_SpeicherfehlerSimulieren(14); // the first growth to 10 values
    EXPECT_EQ(Kurvenarrays_Initialisieren(), FEHLER_KURVEN_SPEICHER_LAENGE);
    Kurvenarrays_SpeicherfehlerSimulieren(0);
}
