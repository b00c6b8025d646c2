// The simulated unit runs the cycle the program sent and a stored key: read back through the real driver
// that valves and pumps follow the steps in order, that pause holds and stop clears, and that a damaged
// copy in memory gives the memory fault instead of a run.

#include "hilfen.h"

#include "cycle/Kurven_Com.h"
#include "device/Vkr_Com.h"
#include "device/vkrplm1.h"
#include "keys/Tasten_Block.h"
#include "platform/line/rs232.h"
#include "sim/plm1sim_server.h"
#include "valves/Ventilarten.h"

#include <chrono>
#include <set>

using namespace zyklus_test;

namespace {

constexpr int LAUF_PORT = 4;
constexpr int SCHRITTE = 10;
constexpr double SCHRITTZEIT_S = 0.05;
constexpr auto FRIST = std::chrono::seconds(20);
constexpr int STATUS_LAEUFT = 0x0004;
constexpr int STATUS_SPEICHERFEHLER = 0x0008;
constexpr int STATUS_PAUSE = 0x0100;

// Step i opens valve i+1, valve 11 on odd steps; pump 1 at 30 + 5 i percent, pump 2 the negative.
int maskeVon(int i) {
    return (1 << i) | (i % 2 ? 0x400 : 0);
}
int pumpeVon(int i) {
    return 30 + 5 * i;
}

struct Lesung {
    int maske = -1;
    double pumpe1 = 0, pumpe2 = 0;
    int status = 0;
};

class ZyklusLauf : public ::testing::Test {
  protected:
    plm1sim::Server server;

    void SetUp() override {
        ASSERT_TRUE(server.starten());
        server.bus().schrittzeitSetzen(SCHRITTZEIT_S);
        Rs232_GeraetepfadSetzen(LAUF_PORT, server.pfad());
        VkrCom_Zuruecksetzen();
        ASSERT_EQ(VkrCom_Open(LAUF_PORT), KEIN_FEHLER);
        ASSERT_EQ(VkrCom_AdresseSet('1'), KEIN_FEHLER);
        frischesModell(SCHRITTE);
        for (int i = 0; i < SCHRITTE; ++i) {
            for (int v = 1; v <= 11; ++v)
                gKurven[Kurvenarrays_VentilKanal(v)].values[i] = (maskeVon(i) >> (v - 1)) & 1;
            gKurven[Kurvenarrays_PumpenKanal(1)].values[i] = pumpeVon(i);
            gKurven[Kurvenarrays_PumpenKanal(2)].values[i] = -pumpeVon(i);
        }
        gKurveneckdaten[KE_DRUCKHIGH1CHECK] = 1;
        gKurveneckdaten[KE_DRUCKHIGH1] = 1500;
    }
    void TearDown() override {
        (void)VkrCom_Close();
        VkrCom_Zuruecksetzen();
        Rs232_GeraetepfadSetzen(LAUF_PORT, "");
        server.stoppen();
    }

    void senden(int laeufe) {
        gKurveneckdaten[KE_ZYKLENUNBEGRENZT] = laeufe == 0 ? 1 : 0;
        gKurveneckdaten[KE_ZYKLEN] = laeufe;
        ASSERT_EQ(KurvenCom_Plm1Upload(), KEIN_FEHLER);
        ASSERT_EQ(VkrCom_LetzterFehlerGet(), 0);
    }
    static void funktion(const char* wort) {
        ASSERT_EQ(VKRPLM1_DeviceFunction(LAUF_PORT, '1', wort), KEIN_FEHLER);
    }
    // Valves, pumps and status. The valves are read before and after: maske is -1 when a step changed in
    // between.
    static Lesung lesen() {
        Lesung l;
        double real = 0;
        int ganz = 0, vorher = -2;
        char text[VKRPLM1_ID_LAENGE] = {};
        EXPECT_EQ(VKRPLM1_ParameterLesen(LAUF_PORT, '1', "alleventile", &real, &vorher, text), KEIN_FEHLER);
        EXPECT_EQ(VKRPLM1_ParameterLesen(LAUF_PORT, '1', "pumpe1", &l.pumpe1, &ganz, text), KEIN_FEHLER);
        EXPECT_EQ(VKRPLM1_ParameterLesen(LAUF_PORT, '1', "pumpe2", &l.pumpe2, &ganz, text), KEIN_FEHLER);
        EXPECT_EQ(VKRPLM1_ParameterLesen(LAUF_PORT, '1', "status", &real, &l.status, text), KEIN_FEHLER);
        EXPECT_EQ(VKRPLM1_ParameterLesen(LAUF_PORT, '1', "alleventile", &real, &l.maske, text), KEIN_FEHLER);
        if (l.maske != vorher) l.maske = -1;
        return l;
    }
    static Lesung stabilLesen() {
        const auto ende = std::chrono::steady_clock::now() + FRIST;
        Lesung l = lesen();
        while (l.maske < 0 && !::testing::Test::HasFailure() && std::chrono::steady_clock::now() < ende)
            l = lesen();
        return l;
    }
    // Reads again and again for `schritte` step times of the unit, each reading checked; reading instead of
    // sleeping catches a change at any moment of that time.
    template <class Pruefen> static void lesenWaehrend(int schritte, Pruefen pruefen) {
        const auto bis =
            std::chrono::steady_clock::now() + std::chrono::duration<double>(schritte * SCHRITTZEIT_S);
        int lesungen = 0;
        while ((std::chrono::steady_clock::now() < bis || lesungen < 2) && !::testing::Test::HasFailure()) {
            pruefen(stabilLesen());
            ++lesungen;
        }
    }
    static int schrittVon(int maske) {
        for (int i = 0; i < SCHRITTE; ++i)
            if (maskeVon(i) == maske) return i;
        return -1;
    }
};

} // namespace

TEST_F(ZyklusLauf, VentileUndPumpenFolgenDenSchrittenInIhrerReihenfolge) {
    senden(0); // without end: every step comes round again until each was seen
    funktion("start");
    std::set<int> gesehen;
    int vorher = -1;
    const auto ende = std::chrono::steady_clock::now() + FRIST;
    while (gesehen.size() < SCHRITTE && std::chrono::steady_clock::now() < ende && !HasFailure()) {
        const Lesung l = lesen();
        if (l.maske < 0) continue;
        const int i = schrittVon(l.maske);
        ASSERT_GE(i, 0) << "valves " << std::hex << l.maske << " belong to no step";
        ASSERT_EQ(l.status & (STATUS_LAEUFT | STATUS_PAUSE | STATUS_SPEICHERFEHLER), STATUS_LAEUFT);
        EXPECT_EQ(l.pumpe1, pumpeVon(i)) << "step " << i;
        EXPECT_EQ(l.pumpe2, -pumpeVon(i)) << "step " << i;
        if (i == vorher) continue;
        if (vorher >= 0) {
            // Forward only (a busy machine may miss a step or two between reads, never go back).
            const int vor = (i - vorher + SCHRITTE) % SCHRITTE;
            EXPECT_LE(vor, SCHRITTE / 2) << "step " << vorher << " -> " << i;
        }
        vorher = i;
        gesehen.insert(i);
    }
    EXPECT_EQ(gesehen.size(), std::size_t(SCHRITTE));
}

TEST_F(ZyklusLauf, PauseHaeltStartSetztFortStoppLoescht) {
    senden(0);
    funktion("start");
    funktion("pause");
    const Lesung gehalten = stabilLesen();
    EXPECT_EQ(gehalten.status & (STATUS_LAEUFT | STATUS_PAUSE), STATUS_PAUSE);
    const int i = schrittVon(gehalten.maske);
    ASSERT_GE(i, 0);
    lesenWaehrend(6, [&](const Lesung& spaeter) {
        EXPECT_EQ(spaeter.maske, gehalten.maske) << "pause holds the step";
        EXPECT_EQ(spaeter.pumpe1, pumpeVon(i));
        EXPECT_EQ(spaeter.status & (STATUS_LAEUFT | STATUS_PAUSE), STATUS_PAUSE);
    });

    funktion("start");
    const auto ende = std::chrono::steady_clock::now() + FRIST;
    Lesung weiter = stabilLesen();
    while (weiter.maske == gehalten.maske && std::chrono::steady_clock::now() < ende)
        weiter = stabilLesen();
    EXPECT_NE(weiter.maske, gehalten.maske) << "start resumes";
    EXPECT_EQ(weiter.status & (STATUS_LAEUFT | STATUS_PAUSE), STATUS_LAEUFT);

    funktion("stopp");
    const Lesung aus = stabilLesen();
    EXPECT_EQ(aus.maske, 0);
    EXPECT_EQ(aus.pumpe1, 0);
    EXPECT_EQ(aus.pumpe2, 0);
    EXPECT_EQ(aus.status & (STATUS_LAEUFT | STATUS_PAUSE), 0);
}

TEST_F(ZyklusLauf, EndlicheLaeufeEndenVonSelbstMitGeloeschtenAusgaengen) {
    senden(2);
    funktion("start");
    const auto ende = std::chrono::steady_clock::now() + FRIST;
    Lesung l = stabilLesen();
    while ((l.status & STATUS_LAEUFT) && std::chrono::steady_clock::now() < ende)
        l = stabilLesen();
    EXPECT_EQ(l.status & (STATUS_LAEUFT | STATUS_SPEICHERFEHLER), 0);
    EXPECT_EQ(l.maske, 0);
    EXPECT_EQ(l.pumpe1, 0);
}

TEST_F(ZyklusLauf, BeschaedigteKopieGibtSpeicherfehlerUndKeinenLauf) {
    senden(0);
    // One byte of the inverted copy of record 3, written through the driver like any memory block.
    const unsigned char falsch = 0x5A;
    ASSERT_EQ(VKRPLM1_SpeicherSchreiben(LAUF_PORT, '1', VKRPLM1_SPEICHERTYP,
                                        KURVENSATZ_ADRESSE_SAETZE_INVERTIERT + 3 * 16 + 4, 1, &falsch),
              KEIN_FEHLER);
    funktion("start");
    lesenWaehrend(3, [](const Lesung& l) {
        EXPECT_EQ(l.status & (STATUS_LAEUFT | STATUS_SPEICHERFEHLER), STATUS_SPEICHERFEHLER);
        EXPECT_EQ(l.maske, 0);
        EXPECT_EQ(l.pumpe1, 0);
    });

    senden(0); // sent again, it runs
    funktion("start");
    EXPECT_EQ(stabilLesen().status & (STATUS_LAEUFT | STATUS_SPEICHERFEHLER), STATUS_LAEUFT);
}

TEST_F(ZyklusLauf, TasteFuehrtIhreGespeicherteEinstellungAus) {
    TastenEintrag t{};
    t[TASTE_VENTIL1 + 2] = 1;
    t[TASTE_VENTIL1 + 8] = 1;
    t[TASTE_PUMPE1] = -70;
    t[TASTE_PUMPE2] = 40;
    t[TASTE_ZEIT1] = 200; // 10 s at this step time: the key still runs when read
    t[TASTE_ZEIT2] = 200;
    Ventilarten nc;
    std::fill(std::begin(nc), std::end(nc), VENTILART_NC);
    unsigned char klar[TASTENBLOCK_GROESSE], inv[TASTENBLOCK_GROESSE];
    TastenBlock_Kodieren(t, nc, false, klar);
    TastenBlock_Kodieren(t, nc, true, inv);
    const int taste = 6;
    ASSERT_EQ(VKRPLM1_SpeicherSchreiben(LAUF_PORT, '1', VKRPLM1_SPEICHERTYP,
                                        TASTENSPEICHER_ADRESSE + (taste - 1) * TASTENBLOCK_GROESSE,
                                        TASTENBLOCK_GROESSE, klar),
              KEIN_FEHLER);
    ASSERT_EQ(VKRPLM1_SpeicherSchreiben(LAUF_PORT, '1', VKRPLM1_SPEICHERTYP,
                                        TASTENSPEICHER_INVERTIERT_ADRESSE + (taste - 1) * TASTENBLOCK_GROESSE,
                                        TASTENBLOCK_GROESSE, inv),
              KEIN_FEHLER);
    ASSERT_TRUE(server.bus().tasteDruecken('1', taste));
    const Lesung l = stabilLesen();
    EXPECT_EQ(l.maske, 0x0104);
    EXPECT_EQ(l.pumpe1, -70);
    EXPECT_EQ(l.pumpe2, 40);
    EXPECT_EQ(l.status & STATUS_SPEICHERFEHLER, 0);
    ASSERT_TRUE(server.bus().tasteDruecken('1', 12)) << "stop";
    EXPECT_EQ(stabilLesen().maske, 0);
}
