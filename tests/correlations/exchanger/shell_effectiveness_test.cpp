#include "correlations/exchanger/shell_effectiveness.h"

#include <gtest/gtest.h>

#include <cmath>

namespace hx {
namespace {

// ε of the 1-2N shell by hand: R = 1, NTU = 2: √2 = 1.414214,
// e^(−2√2) = 0.059106, ε = 2/(2 + 1.414214·1.059106/0.940894) = 0.556810.
TEST(OneTwoShell, EffectivenessAtEqualRates) {
    EXPECT_NEAR(oneTwoShellEffectiveness(2.0f, 1.0f), 0.5568097f, 2e-6f);
    EXPECT_NEAR(oneTwoShellEffectiveness(1.0f, 0.5f), 0.5399396f, 2e-6f);
    EXPECT_EQ(oneTwoShellEffectiveness(0.0f, 0.7f), 0.0f);
    // One stream at constant temperature: every arrangement gives 1 − e^(−NTU).
    EXPECT_NEAR(oneTwoShellEffectiveness(1.5f, 0.0f), 1.0f - std::exp(-1.5f), 1e-6f);
    // Small NTU keeps its digits: ε ≈ NTU.
    EXPECT_NEAR(oneTwoShellEffectiveness(1e-4f, 1.0f) / 1e-4f, 1.0f, 1e-3f);
}

// Bowman's F: the chart value at R = 1, P = 0.5; the same exchanger seen
// from the other stream (P·R, 1/R); no 1-2N shell beyond the asymptote
// P = 2/(2 + √2) at R = 1.
TEST(OneTwoShell, BowmanCorrection) {
    EXPECT_NEAR(*bowmanCorrection(0.5f, 1.0f), 0.8022782f, 2e-5f);
    EXPECT_NEAR(*bowmanCorrection(0.4f, 0.5f), 0.9716541f, 2e-5f);
    EXPECT_NEAR(*bowmanCorrection(0.2f, 2.0f), 0.9716541f, 2e-5f);
    EXPECT_FALSE(bowmanCorrection(0.6f, 1.0f).has_value());
    EXPECT_FALSE(bowmanCorrection(0.0f, 1.0f).has_value());
    EXPECT_FALSE(bowmanCorrection(0.6f, 2.0f).has_value());  // 1 − P·R < 0
}

// A rating closes on the given area: Q = KI·Ai·TM, both streams carry Q,
// and F is TM over the counter-current mean of the outlets.
// Near equal rates the quotient (1 − P)/(1 − P·R) is close to 1: F must
// keep single-precision digits there (it lost 3e-4 of F at R = 1.001).
TEST(OneTwoShell, BowmanCorrectionKeepsItsDigitsNearEqualRates) {
    for (const float R : {1.001f, 0.9995f, 1.0002f, 1.01f}) {
        const float P = 0.4f;
        const double p = P, r = R, s = std::sqrt(r * r + 1.0);
        const double exact =
            s * std::log((1.0 - p) / (1.0 - p * r)) /
            ((r - 1.0) * std::log((2.0 - p * (r + 1.0 - s)) / (2.0 - p * (r + 1.0 + s))));
        EXPECT_NEAR(*bowmanCorrection(P, R), exact, 2e-6 * exact) << "R = " << R;
    }
}

TEST(OneTwoShell, RatingClosesOnTheGivenArea) {
    RatingInputs in;
    in.KI = 1000.0f;
    in.Ai = 20.0f;
    in.rates = capacityRates(10000.0f, 10000.0f);
    in.T1 = 20.0f;
    in.T3 = 80.0f;
    const std::optional<RatingResult> r = oneTwoShellRating(in);
    ASSERT_TRUE(r.has_value());
    EXPECT_NEAR(r->eps, 0.5568097f, 2e-6f);  // NTU 2, R 1
    EXPECT_NEAR(r->Q, 0.5568097f * 10000.0f * 60.0f, 1.0f);
    EXPECT_NEAR(in.KI * in.Ai * r->mean.TM / r->Q, 1.0f, 1e-6f);
    EXPECT_NEAR(r->T2 - in.T1, in.T3 - r->T4, 1e-4f);
    const std::optional<MeanTemperature> design =
        oneTwoShellMeanTemperature(in.T1, r->T2, in.T3, r->T4);
    ASSERT_TRUE(design.has_value());
    EXPECT_NEAR(design->F, r->mean.F, 1e-4f);
    EXPECT_NEAR(design->TM, r->mean.TM, 1e-3f);
}

TEST(OneTwoShell, DesignBeyondTheShellGivesNoCorrection) {
    // Tube 80 → 45 and shell 20 → 55 (P = 35/60, R = 1) lie just short of
    // the asymptote, F 0.374; 80 → 44 lies beyond it: F 0.
    EXPECT_NEAR(oneTwoShellMeanTemperature(20.0f, 55.0f, 80.0f, 45.0f)->F, 0.3743965f, 1e-3f);
    EXPECT_EQ(oneTwoShellMeanTemperature(20.0f, 56.0f, 80.0f, 44.0f)->F, 0.0f);
}

}  // namespace
}  // namespace hx
