#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/tolerance/tolerance_draw.h"
#include "core/tolerance/tolerance_settings.h"

namespace amp {
namespace {

ToleranceTexts Valid() {
    return {"1", "10", "0", "0", ToleranceDistribution::Normal, "1000", "12345"};
}

std::string MessageOf(const Outcome<ToleranceSettings>& outcome) {
    return Failed(outcome) ? std::get<Failure>(outcome).message : std::string("<settings>");
}

TEST(ReadToleranceSettings, ReadsPerCentsAndWholeNumbers) {
    ToleranceTexts texts = Valid();
    texts.Avo = "99.5";
    texts.fc = "2.5E-1";
    texts.trials = "1E6";
    texts.seed = "4294967295";
    const auto outcome = ReadToleranceSettings(texts);
    ASSERT_FALSE(Failed(outcome)) << MessageOf(outcome);
    const auto& settings = std::get<ToleranceSettings>(outcome);
    EXPECT_EQ(settings.tolerances.resistors, 0.01);
    EXPECT_EQ(settings.tolerances.capacitors, 0.1);
    EXPECT_EQ(settings.tolerances.Avo, 0.995);
    EXPECT_EQ(settings.tolerances.fc, 0.0025);
    EXPECT_EQ(settings.distribution, ToleranceDistribution::Normal);
    EXPECT_EQ(settings.trials, 1000000);
    EXPECT_EQ(settings.seed, 4294967295u);
}

// Each field outside its range, or no plain number with a point, gives the message that states the
// range; the first such field in the window's order wins.
TEST(ReadToleranceSettings, RefusesValuesOutsideTheirRanges) {
    struct Case {
        std::string ToleranceTexts::*field;
        std::vector<std::string> refused;
        std::string_view message;
    };
    const std::vector<Case> cases{
        {&ToleranceTexts::resistors,
         {"", "-1", "100", "1e3", "1,5", "5 ", "x", "nan", "1.2.3"},
         "La tolleranza dei resistori deve essere un numero da 0 a meno di 100 (%), scritto con il "
         "punto come separatore decimale!"},
        {&ToleranceTexts::capacitors,
         {"100.0", "-0.001"},
         "La tolleranza dei condensatori deve essere un numero da 0 a meno di 100 (%), scritto con "
         "il punto come separatore decimale!"},
        {&ToleranceTexts::Avo,
         {"inf"},
         "La tolleranza di Avo deve essere un numero da 0 a meno di 100 (%), scritto con il punto "
         "come separatore decimale!"},
        {&ToleranceTexts::fc,
         {"200"},
         "La tolleranza di fc deve essere un numero da 0 a meno di 100 (%), scritto con il punto "
         "come separatore decimale!"},
        {&ToleranceTexts::trials,
         {"0", "1000001", "2.5", "", "-3"},
         "Il numero di prove deve essere un numero intero da 1 a 1000000!"},
        {&ToleranceTexts::seed,
         {"-1", "4294967296", "0.5", "abc", ""},
         "Il seme deve essere un numero intero da 0 a 4294967295!"},
    };
    for (const Case& c : cases) {
        for (const std::string& text : c.refused) {
            ToleranceTexts texts = Valid();
            texts.*c.field = text;
            texts.seed = c.field == &ToleranceTexts::seed ? text : "x";
            EXPECT_EQ(MessageOf(ReadToleranceSettings(texts)), c.message) << "'" << text << "'";
        }
    }
}

// Draws that depend only on seed, trial and part, spread as their distribution says and
// unrelated between parts and between trials.
TEST(ToleranceDeviation, SpreadsAsItsDistributionSays) {
    constexpr int kTrials = 20000;
    for (auto distribution : {ToleranceDistribution::Uniform, ToleranceDistribution::Normal}) {
        double sum = 0.0, squares = 0.0, crossParts = 0.0, crossTrials = 0.0;
        for (int trial = 0; trial < kTrials; ++trial) {
            const double x = ToleranceDeviation(distribution, 5, trial, 3);
            ASSERT_EQ(x, ToleranceDeviation(distribution, 5, trial, 3));
            ASSERT_TRUE(x >= -1.0 && x <= 1.0) << x;
            sum += x;
            squares += x * x;
            crossParts += x * ToleranceDeviation(distribution, 5, trial, 4);
            crossTrials += x * ToleranceDeviation(distribution, 5, trial + kTrials, 3);
        }
        // Uniform on -1 ... 1: variance 1/3; normal with sigma 1/3 cut at 3 sigma: 0.973 / 9.
        const double variance =
            distribution == ToleranceDistribution::Uniform ? 1.0 / 3.0 : 0.9733 / 9.0;
        EXPECT_NEAR(sum / kTrials, 0.0, 0.01);
        EXPECT_NEAR(squares / kTrials, variance, 0.03 * variance);
        EXPECT_NEAR(crossParts / kTrials, 0.0, 0.01);
        EXPECT_NEAR(crossTrials / kTrials, 0.0, 0.01);
    }
    EXPECT_NE(ToleranceDeviation(ToleranceDistribution::Uniform, 5, 0, 0),
              ToleranceDeviation(ToleranceDistribution::Uniform, 6, 0, 0));
}

TEST(DrawTrialValues, VariesEveryPartButTheLoadWithinItsTolerance) {
    const CircuitValues nominal{1e4,   1e5,  1e4,   1e3,  1e5,  1e4, 1e4, 1e-6,
                                1e-10, 1e-6, 1e-10, 1e-5, 1e-5, 2e5, 1e6};
    const Tolerances tolerances{0.01, 0.1, 0.2, 0.3};
    const CircuitValues v =
        DrawTrialValues(nominal, tolerances, ToleranceDistribution::Uniform, 1, 17);
    EXPECT_EQ(v.RL, nominal.RL);
    const std::vector<std::pair<double, double>> parts{
        {v.R1 / nominal.R1, 0.01},  {v.R2 / nominal.R2, 0.01}, {v.R / nominal.R, 0.01},
        {v.R3 / nominal.R3, 0.01},  {v.R4 / nominal.R4, 0.01}, {v.R5 / nominal.R5, 0.01},
        {v.C1 / nominal.C1, 0.1},   {v.C2 / nominal.C2, 0.1},  {v.C3 / nominal.C3, 0.1},
        {v.C4 / nominal.C4, 0.1},   {v.C5 / nominal.C5, 0.1},  {v.C6 / nominal.C6, 0.1},
        {v.Avo / nominal.Avo, 0.2}, {v.fc / nominal.fc, 0.3}};
    for (const auto& [ratio, tolerance] : parts) {
        EXPECT_NE(ratio, 1.0);
        EXPECT_LE(std::fabs(ratio - 1.0), tolerance * (1 + 1e-12));
    }
}

}  // namespace
}  // namespace amp
