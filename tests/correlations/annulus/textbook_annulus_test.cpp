// The textbook annulus correlations against hand values of their
// published forms.
#include <gtest/gtest.h>

#include <cmath>

#include "correlations/annulus/annulus.h"
#include "correlations/tube_side/tube_side.h"

namespace hx {
namespace {

TEST(TextbookAnnulus, ShahLondonTableAndItsInterpolation) {
    EXPECT_FLOAT_EQ(shahLondonInnerWallNusselt(0.5f), 5.74f);
    EXPECT_FLOAT_EQ(shahLondonInnerWallNusselt(1.0f), 4.86f);
    EXPECT_NEAR(shahLondonInnerWallNusselt(0.375f), 6.555f, 1e-5f);
    EXPECT_FLOAT_EQ(shahLondonInnerWallNusselt(0.01f), 17.46f);  // the table's end
}

TEST(TextbookAnnulus, LaminarWithTheDevelopingTerms) {
    // Re 50, Pr 10, Dh 0.02 m, L 20 m: x = 0.5; Nu2 = 1.615·(1 + 0.14/√0.5)·x^(1/3)
    // = 1.53562, Nu3 = (2/221)^(1/6)·√x = 0.322793; (5.74³ + Nu2³ + Nu3³)^(1/3) = 5.77674.
    EXPECT_NEAR(laminarAnnulusNusselt(50.0f, 10.0f, 0.5f, 0.02f, 20.0f), 5.77674f, 1e-4f);
    const AnnulusNusselt n = textbookAnnulusNusselt(2300.0f, 10.0f, 0.5f, 0.02f, 20.0f);
    EXPECT_EQ(n.card, &kShahLondonAnnulusCard);
}

TEST(TextbookAnnulus, TurbulentGnielinskiWithTheInnerWallFactor) {
    // 58.6180·0.86·0.5^−0.16 = 56.3241.
    EXPECT_NEAR(turbulentAnnulusNusselt(1.0e4f, 3.2f, 0.5f), 56.3241f, 0.003f);
    EXPECT_EQ(textbookAnnulusNusselt(1.0e4f, 3.2f, 0.5f, 0.02f, 2.0f).card,
              &kGnielinskiAnnulusCard);
    EXPECT_EQ(textbookAnnulusNusselt(5000.0f, 3.2f, 0.5f, 0.02f, 2.0f).card,
              &kAnnulusTransitionCard);
}

TEST(TextbookAnnulus, CoefficientOnTheHydraulicDiameter) {
    AnnulusInput in;
    in.DS = 0.04f;
    in.D0 = 0.02f;
    in.VS = 0.5f;
    in.Vs = 0.2f;  // a viscous oil, m2/h: Res = (0.5/Sa)·0.02/0.2 ≈ 53
    in.KS = 0.12f;
    in.Prs = 500.0f;
    const TextbookAnnulusResult t = textbookAnnulus(in, 6.0f);
    ASSERT_TRUE(t.flow.ok());
    EXPECT_FLOAT_EQ(t.flow.De, 0.02f);
    EXPECT_EQ(t.nusselt.card, &kShahLondonAnnulusCard);
    EXPECT_NEAR(t.flow.Xs, 0.12f / 0.02f * t.nusselt.Nu, 1e-4f);
}

}  // namespace
}  // namespace hx
