#include "core/noise/noise_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace amp {
namespace {

std::string MessageOf(const Outcome<NoiseSettings>& outcome) {
    return Failed(outcome) ? FailureOf(outcome)->message : std::string("<settings>");
}

TEST(FindOpAmpPart, FindsEachPartByItsExactNameOnly) {
    for (const OpAmpPart& part : kOpAmpParts) EXPECT_EQ(FindOpAmpPart(part.name), &part);
    for (std::string_view name : {kCustomOpAmpName, std::string_view("tl072"), std::string_view()})
        EXPECT_EQ(FindOpAmpPart(name), nullptr) << name;
}

TEST(ReadNoiseSettings, ReadsTheDefaultsInSiUnits) {
    const NoiseTexts texts = DefaultNoiseTexts();
    const auto outcome = ReadNoiseSettings(texts);
    ASSERT_FALSE(Failed(outcome)) << MessageOf(outcome);
    const NoiseSettings& settings = std::get<NoiseSettings>(outcome);
    EXPECT_EQ(settings.part, FindOpAmpPart("TL072"));
    EXPECT_DOUBLE_EQ(settings.en, 18E-9);
    EXPECT_DOUBLE_EQ(settings.in, 0.01E-12);
    EXPECT_DOUBLE_EQ(settings.slewRate, 13E6);
    EXPECT_EQ(settings.margin, 1.5);
    EXPECT_EQ(settings.supply, 15.0);
    EXPECT_EQ(settings.temperature, 25.0);
    EXPECT_EQ(settings.bandLow, 20.0);
    EXPECT_EQ(settings.bandHigh, 20000.0);
    EXPECT_EQ(settings.level, 1.0);
    EXPECT_FALSE(SupplyAboveRating(settings));
}

TEST(WithPart, WritesThePartsFiguresAsPlainDecimals) {
    const NoiseTexts texts = WithPart(DefaultNoiseTexts(), *FindOpAmpPart("OPA2134"));
    EXPECT_EQ(texts.part, "OPA2134");
    EXPECT_EQ(texts.en, "8");
    EXPECT_EQ(texts.in, "0.003");
    EXPECT_EQ(texts.slewRate, "20");
    EXPECT_EQ(texts.margin, "1");
    EXPECT_EQ(WithPart(texts, *FindOpAmpPart("LM358")).slewRate, "0.3");
    EXPECT_EQ(WithPart(texts, *FindOpAmpPart("LM358")).in, "0");
}

TEST(SupplyAboveRating, FlagsOnlyASupplyBeyondTheChosenPartsLargest) {
    NoiseSettings settings{.part = FindOpAmpPart("TL072"), .supply = 18.0};
    EXPECT_FALSE(SupplyAboveRating(settings));
    settings.supply = 18.5;
    EXPECT_TRUE(SupplyAboveRating(settings));
    settings.part = nullptr;
    EXPECT_FALSE(SupplyAboveRating(settings));
}

// Every refusal with its message; the values at the limits pass.
TEST(ReadNoiseSettings, RefusesEachBadFieldWithItsMessage) {
    const std::string tail =
        ". Puoi scrivere soltanto numeri razionali con il punto come separatore decimale, anche in "
        "forma esponenziale. Ad es: 1.23 , 1E-5 , 5E3";
    struct Case {
        NoiseField field;
        std::string text;
        std::string message;
    };
    using enum NoiseField;
    const std::vector<Case> cases{
        {en, "", "Hai dimenticato di scrivere il rumore di tensione en "},
        {in, "1,5", "Errore di inserimento dati per il rumore di corrente in" + tail},
        {slewRate, "", "Hai dimenticato di scrivere lo slew rate SR "},
        {margin, "1 ", "Errore di inserimento dati per il margine di uscita" + tail},
        {supply, "", "Hai dimenticato di scrivere la tensione di alimentazione "},
        {temperature, "1E400", "Errore di inserimento dati per la temperatura" + tail},
        {bandLow, "", "Hai dimenticato di scrivere la frequenza inferiore della banda "},
        {bandHigh, "20k",
         "Errore di inserimento dati per la frequenza superiore della banda" + tail},
        {level, "", "Hai dimenticato di scrivere il livello di riferimento "},
        {en, "-1", "Il rumore di tensione en non può essere negativo!"},
        {in, "-0.1", "Il rumore di corrente in non può essere negativo!"},
        {slewRate, "0", "Lo slew rate SR deve essere maggiore di zero!"},
        {margin, "-1E-3", "Il margine di uscita non può essere negativo!"},
        {supply, "1.5", "La tensione di alimentazione deve essere maggiore del margine di uscita!"},
        {temperature, "-55.1", "La temperatura deve essere compresa tra -55 °C e 150 °C!"},
        {temperature, "151", "La temperatura deve essere compresa tra -55 °C e 150 °C!"},
        {bandLow, "0.5",
         "La frequenza inferiore della banda deve essere compresa tra 1 Hz e 1000000 Hz!"},
        {bandHigh, "1000001",
         "La frequenza superiore della banda deve essere compresa tra 1 Hz e 1000000 Hz!"},
        {bandLow, "20000",
         "La frequenza inferiore della banda deve essere minore della frequenza superiore!"},
        {level, "-", "Il livello di riferimento deve essere maggiore di zero!"},
        {en, "0", "<settings>"},
        {in, "0", "<settings>"},
        {margin, "0", "<settings>"},
        {temperature, "-55", "<settings>"},
        {temperature, "150", "<settings>"},
        {bandLow, "1", "<settings>"},
        {bandHigh, "1E6", "<settings>"},
    };
    for (const Case& c : cases) {
        NoiseTexts texts = DefaultNoiseTexts();
        TextOf(texts, c.field) = c.text;
        EXPECT_EQ(MessageOf(ReadNoiseSettings(texts)), c.message)
            << static_cast<int>(c.field) << " " << c.text;
    }

    NoiseTexts texts = DefaultNoiseTexts();
    texts.part = "TL071";
    EXPECT_EQ(MessageOf(ReadNoiseSettings(texts)), "L'operazionale \"TL071\" non è nell'elenco!");
    texts.part = kCustomOpAmpName;
    texts.level = "0";
    texts.slewRate = "";
    EXPECT_EQ(MessageOf(ReadNoiseSettings(texts)), "Hai dimenticato di scrivere lo slew rate SR ")
        << "the fields' own checks come before the limits";
}

}  // namespace
}  // namespace amp
