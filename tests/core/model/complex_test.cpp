#include "core/model/complex.h"

#include <gtest/gtest.h>

#include <cmath>

namespace amp {
namespace {

TEST(ComplexArithmetic, ProductQuotientAndModulus) {
    EXPECT_EQ(ComplexMul({3, 4}, {1, -2}), (Complex{11, -2}));
    EXPECT_EQ(ComplexDiv({11, -2}, {1, -2}), (Complex{3, 4}));
    EXPECT_EQ(ComplexDiv({0, 1}, {1, 1}), (Complex{0.5, 0.5}));
    EXPECT_EQ(Modulus({3, 4}), 5.0);
}

TEST(ComplexArithmetic, ZeroDivisorGivesNonFiniteParts) {
    const Complex q = ComplexDiv({1, 1}, {0, 0});
    EXPECT_FALSE(std::isfinite(q.Re));
    EXPECT_FALSE(std::isfinite(q.Im));
}

TEST(PhaseDeg, UsesTheShortPiAndIgnoresTheSignOfTheRealPart) {
    const double quarter = PhaseDeg({1, 1});
    EXPECT_GT(quarter, 45.0);
    EXPECT_NEAR(quarter, 45.0, 1e-12);
    EXPECT_EQ(PhaseDeg({1, -1}), -quarter);
    EXPECT_EQ(PhaseDeg({-1, 1}), -quarter);
    EXPECT_EQ(PhaseDeg({-1, -1}), quarter);
    EXPECT_EQ(PhaseDeg({5, 0}), 0.0);
}

}  // namespace
}  // namespace amp
