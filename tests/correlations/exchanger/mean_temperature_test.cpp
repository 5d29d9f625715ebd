#include "correlations/exchanger/mean_temperature.h"

#include <gtest/gtest.h>

#include <cmath>

namespace hx {
namespace {

struct EffectivenessCase {
    int arrangement;
    float NTU, R;
    float expected;
};

// Expected values computed by hand (in double precision) from the ε-NTU
// formulas; R = 1 in counter-current flow is evaluated at R = 0.9999.
// The rows near R = 1 hold the digits that the written form
// 1 − e^(−x) loses in single precision.
TEST(Effectiveness, CounterAndParallelFlow) {
    const EffectivenessCase cases[] = {
        {1, 2.0f, 0.5f, 0.77460033f},     {1, 0.5f, 0.2f, 0.38072093f},
        {1, 2.0f, 0.999f, 0.66688889f},   {1, 2.0f, 0.9999f, 0.66668889f},
        {1, 2.0f, 1.0f, 0.66668889f},     {1, 2.0f, 1.5f, 0.66668889f},
        {1, 3.0f, 0.99999f, 0.75000281f}, {2, 2.0f, 0.5f, 0.63347529f},
        {2, 1.0f, 1.0f, 0.43233236f},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(effectiveness(c.arrangement, c.NTU, c.R), c.expected, 2e-6f)
            << "arrangement " << c.arrangement << " NTU " << c.NTU << " R " << c.R;
    }
}

TEST(Effectiveness, NeverReachesOne) {
    EXPECT_FLOAT_EQ(effectiveness(1, 200.0f, 0.1f), 0.9999f);
    EXPECT_LT(counterFlowEffectiveness(1e-3f, 0.9999f), 1e-3f);
}

struct LogMeanCase {
    float dT1, dT2, expected, tolerance;
};

// Expected values computed by hand: (ΔT1 − ΔT2)/ln(ΔT1/ΔT2).
TEST(LogMeanDifference, Values) {
    const LogMeanCase cases[] = {
        {40.0f, 20.0f, 28.853901f, 2e-5f},
        {20.0f, 40.0f, 28.853901f, 2e-5f},
        {30.0f, 10.0f, 18.204785f, 2e-5f},
        {10.001f, 10.0f, 10.0005f, 2e-5f},  // nearly equal ends keep their digits
        {12.5f, 12.5f, 12.5f, 0.0f},        // equal ends: the difference itself
    };
    for (const auto& c : cases) {
        const auto lm = logMeanDifference(c.dT1, c.dT2);
        ASSERT_TRUE(lm.has_value());
        EXPECT_NEAR(*lm, c.expected, c.tolerance) << c.dT1 << " " << c.dT2;
    }
}

TEST(LogMeanDifference, TouchingStreamsAreReported) {
    EXPECT_FALSE(logMeanDifference(10.0f, 0.0f).has_value());
    EXPECT_FALSE(logMeanDifference(0.0f, 10.0f).has_value());
    EXPECT_FALSE(logMeanDifference(-1.0f, 10.0f).has_value());
    EXPECT_FALSE(logMeanDifference(NAN, NAN).has_value());
}

TEST(MeanTemperaturePath, EffectivenessOnlyWhenRatingSensibleHeat) {
    EXPECT_TRUE(usesEffectivenessPath(false, 1, false));
    EXPECT_FALSE(usesEffectivenessPath(true, 1, false));
    EXPECT_FALSE(usesEffectivenessPath(false, 2, true));
    EXPECT_FALSE(usesEffectivenessPath(false, 3, false));
    EXPECT_FALSE(usesEffectivenessPath(false, 4, false));
}

TEST(DirectMeanTemperature, EndDifferencesByArrangementAndDirection) {
    // Tube heated 20 → 60, shell cooled 120 → 95: counter ends 60 and 75,
    // parallel ends 100 and 35.
    auto counter = directMeanTemperature(1, 120.0f, 95.0f, 20.0f, 60.0f);
    ASSERT_TRUE(counter.has_value());
    EXPECT_NEAR(counter->TM, 15.0f / std::log(75.0f / 60.0f), 1e-4f);
    EXPECT_FLOAT_EQ(counter->F, 1.0f);
    auto parallel = directMeanTemperature(2, 120.0f, 95.0f, 20.0f, 60.0f);
    ASSERT_TRUE(parallel.has_value());
    EXPECT_NEAR(parallel->TM, 65.0f / std::log(100.0f / 35.0f), 1e-4f);
    // Tube cooled: the same pairs seen from the other stream.
    auto cooled = directMeanTemperature(1, 20.0f, 60.0f, 120.0f, 95.0f);
    ASSERT_TRUE(cooled.has_value());
    EXPECT_NEAR(cooled->TM, 35.0f / std::log(75.0f / 60.0f) * 15.0f / 35.0f, 1e-4f);
    // Equal end differences: TM is that difference.
    auto equal = directMeanTemperature(1, 100.0f, 80.0f, 50.0f, 70.0f);
    ASSERT_TRUE(equal.has_value());
    EXPECT_FLOAT_EQ(equal->TM, 30.0f);
    // A condensing tube side (T4 = T3) with the shell reaching it: reported.
    EXPECT_FALSE(directMeanTemperature(1, 20.0f, 100.0f, 100.0f, 100.0f).has_value());
}

RatingInputs rating(float tubeRate, float shellRate, int arrangement) {
    RatingInputs in;
    in.KI = 300.0f;
    in.Ai = 10.0f;
    in.previousAt = 10.0f;
    in.rates = capacityRates(tubeRate, shellRate);
    in.shellRateForF = shellRate;
    in.arrangement = arrangement;
    in.T1 = 120.0f;
    in.T3 = 20.0f;
    return in;
}

// Cross-check of two independent routes: the heat from the effectiveness,
// ε·Cmin·(T1 − T3), must equal KI·A·ΔTlm of the outlets it gives, so that
// with the previous area equal to the actual one F comes out 1.
TEST(RatingMeanTemperature, EffectivenessAgreesWithTheLogarithmicMean) {
    struct Row {
        float tubeRate, shellRate;
        int arrangement;
    };
    const Row rows[] = {{5000.0f, 8000.0f, 1}, {8000.0f, 5000.0f, 1}, {5000.0f, 8000.0f, 2},
                        {5000.0f, 5005.0f, 1}, {5000.0f, 5000.0f, 1}, {3000.0f, 3000.0f, 2}};
    for (const Row& r : rows) {
        const auto out = ratingMeanTemperature(rating(r.tubeRate, r.shellRate, r.arrangement));
        ASSERT_TRUE(out.has_value()) << r.tubeRate << " " << r.shellRate;
        const float Qeps = out->eps * std::fmin(r.tubeRate, r.shellRate) * 100.0f;
        EXPECT_NEAR(out->Q, Qeps, 1e-4f * Qeps);
        EXPECT_NEAR(300.0f * 10.0f * out->mean.TM, Qeps, 2e-4f * Qeps)
            << r.tubeRate << " " << r.shellRate << " " << r.arrangement;
        EXPECT_NEAR(out->mean.F, 1.0f, 2e-4f);
    }
}

// Hand calculation for the first row: NTU 0.6, R 0.625, ε = 0.4022216,
// T4 = 60.22216, T2 = 94.86115, ΔTlm = 67.03693.
TEST(RatingMeanTemperature, HandCalculatedCounterFlow) {
    const auto out = ratingMeanTemperature(rating(5000.0f, 8000.0f, 1));
    ASSERT_TRUE(out.has_value());
    EXPECT_NEAR(out->eps, 0.4022216f, 1e-6f);
    EXPECT_NEAR(out->T4, 60.22216f, 1e-4f);
    EXPECT_NEAR(out->T2, 94.86115f, 1e-4f);
    EXPECT_NEAR(out->mean.TM, 67.03693f, 1e-3f);
    EXPECT_NEAR(out->Q, 201110.8f, 0.5f);
}

TEST(RatingMeanTemperature, NoHeatIsReported) {
    RatingInputs in = rating(5000.0f, 8000.0f, 1);
    in.KI = 0.0f;  // no exchange: T2 = T1, F would divide by zero
    EXPECT_FALSE(ratingMeanTemperature(in).has_value());
}

}  // namespace
}  // namespace hx
