// The memory-image rules shared by key blocks and cycle records: where the two formats differ (pump
// settings beyond full scale) and where they agree (check sum, inverted copy, limits, valve word).

#include "device/Speicherbild.h"
#include "platform/files/le_bytes.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

namespace {

TEST(Speicherbild, PumpeJeFormat) {
    struct Fall {
        std::int64_t prozent;
        int zyklus, taste;
    };
    const Fall faelle[] = {
        {0, 0, 0},
        {30, 77, 77},
        {-30, -77, -77},
        {50, 128, 128},
        {100, 255, 255},
        {-100, -255, -255},
        {101, 255, 258},
        {-101, -255, -258},
        {12850, 255, 32767},
        {12900, 255, 32767},
        {-12851, -255, -32768},
        {INT_MAX, 255, 32767},
        {INT_MIN, -255, -32768},
        {INT64_MAX, 255, 32767},
        {INT64_MIN, -255, -32768},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(Speicherbild_PumpeZuGeraet(f.prozent, PumpenFeld::Zyklus), f.zyklus) << f.prozent;
        EXPECT_EQ(Speicherbild_PumpeZuGeraet(f.prozent, PumpenFeld::Taste), f.taste) << f.prozent;
    }
    const std::pair<int, int> zurueck[] = {{0, 0},           {77, 30},         {-77, -30},
                                           {255, 100},       {-255, -100},     {32767, 12850},
                                           {-32768, -12850}, {INT_MAX, 12850}, {INT_MIN, -12850}};
    for (const auto& [roh, prozent] : zurueck)
        EXPECT_EQ(Speicherbild_PumpeVonGeraet(roh), prozent) << roh;
}

TEST(Speicherbild, PruefsummeUndInvertierteKopie) {
    unsigned char b[6] = {0x01, 0x02, 0xFF, 0xFF, 0, 0};
    Speicherbild_PruefsummeSetzen(b, 4);
    EXPECT_EQ(le16u_lesen(b + 4), 1 + 1 + 2 + 255 + 255);
    EXPECT_TRUE(Speicherbild_PruefsummeStimmt(b, 4));
    Speicherbild_Invertieren(b, 4);
    EXPECT_EQ(b[0], 0xFE);
    EXPECT_EQ(b[2], 0x00);
    EXPECT_FALSE(Speicherbild_PruefsummeStimmt(b, 4)) << "the sum is taken again over the inverted bytes";
    Speicherbild_PruefsummeSetzen(b, 4);
    EXPECT_EQ(le16u_lesen(b + 4), 1 + 0xFE + 0xFD);
    // The sum keeps to 16 bits.
    unsigned char gross[302] = {};
    for (int i = 0; i < 300; ++i)
        gross[i] = 0xFF;
    EXPECT_EQ(Speicherbild_Pruefsumme(gross, 300), (1 + 300 * 255) & 0xFFFF);
}

TEST(Speicherbild, GrenzenUndVentilwort) {
    EXPECT_EQ(Speicherbild_ObereGrenze(1, 700), 700);
    EXPECT_EQ(Speicherbild_ObereGrenze(0, 700), 2000);
    EXPECT_EQ(Speicherbild_UntereGrenze(1, -300), -300);
    EXPECT_EQ(Speicherbild_UntereGrenze(0, -300), -2000);
    EXPECT_TRUE(Speicherbild_ObereGrenzeGesetzt(1999));
    EXPECT_FALSE(Speicherbild_ObereGrenzeGesetzt(2000));
    EXPECT_TRUE(Speicherbild_UntereGrenzeGesetzt(-1999));
    EXPECT_FALSE(Speicherbild_UntereGrenzeGesetzt(-2000));

    Ventilarten arten = {VENTILART_NC, VENTILART_NO, VENTILART_NV, VENTILART_NC, VENTILART_NO, VENTILART_NC,
                         VENTILART_NC, VENTILART_NC, VENTILART_NC, VENTILART_NC, VENTILART_NO};
    const int offen[ANZAHL_VENTILE] = {1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 1};
    // NC open: coil on; NO open: off; n.v.: never; NC closed: off; NO closed: on.
    EXPECT_EQ(Speicherbild_VentilwortKodieren(offen, arten), 0x0001 | 0x0010);
    int zurueck[ANZAHL_VENTILE];
    Speicherbild_VentilwortDekodieren(0x0001 | 0x0010, arten, zurueck);
    const int erwartet[ANZAHL_VENTILE] = {1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1};
    for (int v = 0; v < ANZAHL_VENTILE; ++v)
        EXPECT_EQ(zurueck[v], erwartet[v]) << "valve " << v + 1;
}

} // namespace
