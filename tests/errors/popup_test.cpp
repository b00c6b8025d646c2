// Error popups: title and message as the operator sees them, captured instead of shown.

#include "errors/VKR_errorV3.h"
#include "platform/ui/ui_test.h"

#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct Popup {
    std::string titel, text;
};

class Fehlerpopup : public ::testing::Test {
  protected:
    void SetUp() override {
        VKR_Fehlersprache(VKR_SPRACHE_DEUTSCH);
        VKR_Fehlermeldung(-2000);
        UI_MeldungsabfangSetzen([this](const std::string& t, const std::string& m) {
            gezeigt.push_back({t, m});
        });
    }
    void TearDown() override {
        UI_MeldungsabfangSetzen(nullptr);
        VKR_Fehlersprache(VKR_SPRACHE_DEUTSCH);
    }
    std::vector<Popup> gezeigt;
};

TEST_F(Fehlerpopup, TitelUndMeldung) {
    struct Fall {
        int code;
        int sprache;
        std::string titel, text;
    } faelle[] = {
        {-5999, 1, "Fehler #5999", "Datum/Zeit Funktion fehlgeschlagen"},
        {-122304, 1, "Fehler #122304", "Serielle Schnittstelle ist nicht geöffnet"},
        {0, 1, "Fehler #0", "Es ist kein Fehler aufgetreten"},
        {-122304, 2, "Error #122304", "COM-port not open"},
        {-5000, 1, "Fehler #5000", "Datum/Zeit Funktion fehlgeschlagen"},
        {INT_MIN, 1, "Fehler #2147483648", "Ein unbekannter Fehler ist aufgetreten"},
    };
    for (const auto& f : faelle) {
        gezeigt.clear();
        VKR_Fehlersprache(f.sprache);
        VKR_Fehlerpopup(f.code);
        ASSERT_EQ(gezeigt.size(), 1u) << f.code;
        EXPECT_EQ(gezeigt[0].titel, f.titel);
        EXPECT_EQ(gezeigt[0].text, f.text);
    }
}

TEST_F(Fehlerpopup, StillerTypZeigtNichtsUndLaesstZusatztext) {
    VKR_Fehleruserstring("V 2 (erwartet V 1)");
    VKR_Fehlerpopup(-6000);
    VKR_Fehlerpopup(-6999);
    VKR_Fehlerpopup2(-6000, "Titel");
    EXPECT_TRUE(gezeigt.empty());
    VKR_Fehlerpopup(-303527);
    ASSERT_EQ(gezeigt.size(), 1u);
    EXPECT_EQ(gezeigt[0].text, "Die Datei hat die falsche Versionsnummer\nV 2 (erwartet V 1)");
}

TEST_F(Fehlerpopup, EigenerTitelMitNummer) {
    VKR_Fehlersprache(VKR_SPRACHE_ENGLISCH);
    VKR_Fehlerpopup2(-122304, "Verbindung");
    ASSERT_EQ(gezeigt.size(), 1u);
    EXPECT_EQ(gezeigt[0].titel, "Verbindung #122304"); // the title has no language of its own
    EXPECT_EQ(gezeigt[0].text, "COM-port not open");
}

// Title, suffix and terminating zero share 100 bytes: an overlong title loses its end, never the number.
TEST_F(Fehlerpopup, EigenerTitelPasstImmerInHundertBytes) {
    const std::string suffix = " #122304"; // 8 bytes: 91 bytes of title fit
    struct Fall {
        std::string titel, erwartet;
    } faelle[] = {
        {std::string(91, 't'), std::string(91, 't')},
        {std::string(92, 't'), std::string(91, 't')},
        {std::string(500, 't'), std::string(91, 't')},
        {std::string(90, 't') + "ü", std::string(90, 't')},
        {"", ""},
    };
    for (const auto& f : faelle) {
        gezeigt.clear();
        VKR_Fehlerpopup2(-122304, f.titel.c_str());
        ASSERT_EQ(gezeigt.size(), 1u);
        EXPECT_EQ(gezeigt[0].titel, f.erwartet + suffix);
        EXPECT_LE(gezeigt[0].titel.size(), 99u);
    }
    gezeigt.clear();
    VKR_Fehlerpopup2(-122304, nullptr);
    ASSERT_EQ(gezeigt.size(), 1u);
    EXPECT_EQ(gezeigt[0].titel, suffix);
}

} // namespace
