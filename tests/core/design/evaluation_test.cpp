#include "core/design/evaluation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "core/checks/messages.h"
#include "core/sweep/response_sweep.h"
#include "tests/support/reference_design.h"

namespace amp {
namespace {

using test_support::ReferenceTexts;

std::string MessageOf(const Outcome<EvaluationCaptions>& outcome) {
    return Failed(outcome) ? std::get<Failure>(outcome).message : std::string("<captions>");
}

TEST(EvaluateResponse, ReferenceSetGivesThePublishedCaptions) {
    const auto outcome = EvaluateResponse(ReferenceTexts(), ".");
    ASSERT_FALSE(Failed(outcome)) << MessageOf(outcome);
    EXPECT_EQ(std::get<EvaluationCaptions>(outcome),
              (EvaluationCaptions{"0.91", "-2.28", "24.3", "13428"}));
}

TEST(EvaluateResponse, CaptionsUseTheGivenDecimalSeparator) {
    const auto outcome = EvaluateResponse(ReferenceTexts(), ",");
    ASSERT_FALSE(Failed(outcome));
    EXPECT_EQ(std::get<EvaluationCaptions>(outcome),
              (EvaluationCaptions{"0,91", "-2,28", "24,3", "13428"}));
}

TEST(CutoffSearch, ReferenceSweepStopsAtTheHalfPowerSamples) {
    const CircuitValues values = ReadCircuitValues(ReferenceTexts());
    const std::vector<double> sweep = SweepModulus(values, 1000);
    ASSERT_EQ(sweep.size(), 1003u);
    EXPECT_EQ(sweep[1001], 0.0);
    EXPECT_EQ(sweep[1002], 0.0);
    const double max = SweepMaximum(sweep, 1000);
    EXPECT_NEAR(max, 0.908, 0.0005);
    EXPECT_EQ(FindLowerCutoffIndex(sweep, max, 1000), 231);
    EXPECT_EQ(FindUpperCutoffIndex(sweep, max, 1000), 688);
}

// The sample-by-sample search keeps the last sample not below the largest so far: of +0 and -0
// the later one, and never a NaN, unless the first sample is one.
TEST(CutoffSearch, TheMaximumIsTheLastOfTheLargestSamples) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::vector<double> zeros{-1.0, -0.0, 0.0, -5.0, -0.0, -2.0, -3.0, 0.0, -0.0, -1.0, 0.0};
    EXPECT_FALSE(std::signbit(SweepMaximum(zeros, 3)));
    EXPECT_TRUE(std::signbit(SweepMaximum(zeros, 4)));
    EXPECT_TRUE(std::signbit(SweepMaximum(zeros, 8)));
    EXPECT_FALSE(std::signbit(SweepMaximum(zeros, 10)));
    std::vector<double> rising{1.0, nan, 3.0, 2.0, 4.0, nan, 7.0, 6.0, 5.0};
    for (int n = 0; n <= 8; ++n) {
        double expected = rising[0];
        for (int i = 0; i <= n; ++i) {
            if (rising[i] >= expected) expected = rising[i];
        }
        EXPECT_EQ(SweepMaximum(rising, n), expected) << n;
    }
    EXPECT_TRUE(std::isnan(SweepMaximum(std::vector{nan, 1.0, 2.0, 3.0, 4.0, 5.0}, 5)));
}

TEST(CutoffSearch, NoQualifyingSampleGivesOnePastTheEnd) {
    const std::vector<double> flat(13, 1.0);
    EXPECT_EQ(FindLowerCutoffIndex(flat, 1.0, 10), 11);
    EXPECT_EQ(FindUpperCutoffIndex(flat, 1.0, 10), 11);
    // The last sample within tolerance counts as falling towards the zero entry after it.
    std::vector<double> falling(13, 1.0);
    falling[10] = 0.7;
    falling[11] = 0.0;
    EXPECT_EQ(FindUpperCutoffIndex(falling, 1.0, 10), 10);
    EXPECT_EQ(FindLowerCutoffIndex(falling, 1.0, 10), 11);
}

TEST(EvaluateResponse, NoCutoffFoundShowsJustAboveOneMegahertz) {
    FieldTexts texts = ReferenceTexts();
    texts[Field::C6] = "1E9";   // no low-frequency corner inside the sweep
    texts[Field::C4] = "1E-9";  // and none at the top either
    texts[Field::C2] = "1E-9";
    texts[Field::fc] = "1E9";
    const auto outcome = EvaluateResponse(texts, ".");
    ASSERT_FALSE(Failed(outcome)) << MessageOf(outcome);
    const auto& captions = std::get<EvaluationCaptions>(outcome);
    EXPECT_EQ(captions.upperCutoff, "1013911");
}

TEST(EvaluateResponse, ChecksSeventeenFieldsThenTheZeroTestsInOrder) {
    FieldTexts texts = ReferenceTexts();
    texts[Field::R4] = "";
    EXPECT_EQ(MessageOf(EvaluateResponse(texts, ".")), MissingValueMessage(Field::R4));
    texts[Field::f] = "1 k";
    EXPECT_EQ(MessageOf(EvaluateResponse(texts, ".")), BadValueMessage(Field::f));
    texts[Field::N] = "";
    EXPECT_EQ(MessageOf(EvaluateResponse(texts, ".")), MissingValueMessage(Field::N));

    texts = ReferenceTexts();
    texts[Field::Avo] = "0E3";
    texts[Field::fc] = "0";
    texts[Field::f] = "0";
    EXPECT_EQ(MessageOf(EvaluateResponse(texts, ".")), "Avo non può essere zero!");
    texts[Field::Avo] = "200000";
    EXPECT_EQ(MessageOf(EvaluateResponse(texts, ".")), "fc non può essere zero!");
    texts[Field::fc] = "0.000001";
    EXPECT_EQ(MessageOf(EvaluateResponse(texts, ".")), "f non può essere zero!");
    texts[Field::f] = "1000";
    EXPECT_FALSE(Failed(EvaluateResponse(texts, ".")));
}

TEST(EvaluateResponse, SampleCountIsRoundedAndBounded) {
    FieldTexts texts = ReferenceTexts();
    const std::string refused = "N deve essere compreso tra 1 e 195576!";
    for (const char* n : {"0", "-5", "-", "0.5", "195576.6", "1E300"}) {
        texts[Field::N] = n;
        EXPECT_EQ(MessageOf(EvaluateResponse(texts, ".")), refused) << n;
    }
    for (const char* n : {"1", "1.5", "999.7", "195576"}) {
        texts[Field::N] = n;
        EXPECT_FALSE(Failed(EvaluateResponse(texts, "."))) << n;
    }
    EXPECT_EQ(std::get<int>(ReadSampleCount("2.5")), 2);
    EXPECT_EQ(std::get<int>(ReadSampleCount("3.5")), 4);
    EXPECT_EQ(std::get<int>(ReadSampleCount("1E3")), 1000);
}

TEST(EvaluateResponse, DegenerateComponentsAreReportedNotShown) {
    FieldTexts texts = ReferenceTexts();
    texts[Field::C6] = "0";
    EXPECT_EQ(MessageOf(EvaluateResponse(texts, ".")),
              "Con questi valori dei componenti Vo/Vi risulta nullo o indefinito!");
    texts = ReferenceTexts();
    texts[Field::R] = "1E308";
    EXPECT_EQ(MessageOf(EvaluateResponse(texts, ".")),
              "Con questi valori dei componenti Vo/Vi risulta nullo o indefinito!");
}

}  // namespace
}  // namespace amp
