#include "correlations/tube_side/tube_side.h"

#include <gtest/gtest.h>

#include <cmath>

namespace hx {
namespace {

struct NusseltCase {
    float Ret, Prt;
    float expected;
    const char* branch;
};

// Expected values computed by hand from the four Nusselt formulas
// (DI = 0.02 m, TL = 3 m). The rows straddle the three thresholds: Ret 2000
// is turbulent, Prt 0.5 and Prt 200 take the middle formula.
TEST(PlainTubeNusselt, BranchesAndThresholds) {
    const NusseltCase cases[] = {
        {1999.9f, 5.0f, 6.568669f, "laminar just below Ret 2000"},
        {2000.0f, 5.0f, 21.466819f, "Ret 2000 is turbulent (middle formula)"},
        {2000.0f, 0.4999f, 9.904790f, "Prt just below 0.5: low-Prandtl formula"},
        {2000.0f, 0.5f, 9.721595f, "Prt 0.5: middle formula"},
        {10000.0f, 200.0f, 268.952987f, "Prt 200: middle formula"},
        {10000.0f, 200.01f, 273.521055f, "Prt above 200: high-Prandtl formula"},
        {10000.0f, 0.3f, 15.371934f, "low Prandtl"},
        {10000.0f, 300.0f, 302.697023f, "high Prandtl"},
        {10000.0f, 5.0f, 81.213280f, "middle"},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(plainTubeNusselt(c.Ret, c.Prt, 0.02f, 3.0f), c.expected, 2e-5f * c.expected)
            << c.branch;
    }
}

// Hand calculation: a = 0.785·0.02² = 3.14e-4 m2; Ret = 2·10·0.02/(0.0036·50·a)
// = 7077.14; Ut = 2·10/a/3600/50 = 0.353857 m/s; Nu from the middle formula.
TEST(PlainTubeFilm, ReynoldsVelocityAndCoefficient) {
    PlainTubeFlow f;
    f.DI = 0.02f;
    f.NT = 50.0f;
    f.TL = 3.0f;
    f.PN = 2.0f;
    f.Vr = 10.0f;
    f.Vt = 0.0036f;
    f.Kt = 0.5f;
    f.Prt = 5.0f;
    f.correction = 0.9f;
    const TubeFilm film = plainTubeFilm(f);
    EXPECT_NEAR(film.Ret, 7077.1408f, 0.01f);
    EXPECT_NEAR(film.Ut, 0.3538570f, 1e-6f);
    ASSERT_TRUE(film.Xt.has_value());
    const float Nu = 0.0396f * std::pow(7077.1408f, 0.75f) * 5.0f /
                     (1.0f + 1.7f * std::pow(5.0f, -0.25f) * std::pow(7077.1408f, -0.125f) * 4.0f);
    EXPECT_NEAR(*film.Xt, 0.5f / 0.02f * Nu * 0.9f, 1e-3f);
}

TEST(PlainTubeFilm, NegativeReynoldsKeepsRetButHasNoCoefficient) {
    PlainTubeFlow f;
    f.DI = 0.02f;
    f.NT = 1.0f;
    f.TL = 1.0f;
    f.PN = 1.0f;
    f.Vr = -1.0f;
    f.Vt = 0.0036f;
    f.Kt = 0.5f;
    f.Prt = 5.0f;
    const TubeFilm film = plainTubeFilm(f);
    EXPECT_LT(film.Ret, 0.0f);
    EXPECT_FALSE(film.Xt.has_value());
}

TEST(TubeFlowBasis, GasUsesNormalFlowUnlessTheOutletIsGiven) {
    EXPECT_FLOAT_EQ(tubeFlowForReynolds(false, false, 12.0f, 1000.0f, 1.25f), 12.0f);
    EXPECT_FLOAT_EQ(tubeFlowForReynolds(true, false, 12.0f, 1000.0f, 1.25f), 800.0f);
    EXPECT_FLOAT_EQ(tubeFlowForReynolds(true, true, 12.0f, 1000.0f, 1.25f), 12.0f);
}

TEST(TubeFlowBasis, ViscositySource) {
    // SI codes (1, 3) with the dew-point humidity basis take the gas correlation.
    EXPECT_FLOAT_EQ(reynoldsViscosity(1, 1, 0.1f, 0.2f), 0.2f);
    EXPECT_FLOAT_EQ(reynoldsViscosity(3, 1, 0.1f, 0.2f), 0.2f);
    EXPECT_FLOAT_EQ(reynoldsViscosity(2, 1, 0.1f, 0.2f), 0.1f);
    EXPECT_FLOAT_EQ(reynoldsViscosity(1, 2, 0.1f, 0.2f), 0.1f);
}

// Hand calculation: 1/(1/(50·8) + 1/(0.55/0.001)) = 1/(0.0025 + 0.00181818) = 231.579.
TEST(WetGasFilm, WaterFilmResistance) {
    const WetFilm wet = wetGasFilm(true, 50.0f, 8.0f, 0.001f);
    ASSERT_TRUE(wet.Xt.has_value());
    EXPECT_NEAR(*wet.Xt, 231.5789f, 1e-3f);
    EXPECT_FLOAT_EQ(wet.ratio, 8.0f);
}

TEST(WetGasFilm, ZeroThicknessLeavesOnlyTheEnhancedGasFilm) {
    const WetFilm wet = wetGasFilm(true, 50.0f, 8.0f, 0.0f);
    ASSERT_TRUE(wet.Xt.has_value());
    EXPECT_NEAR(*wet.Xt, 400.0f, 1e-3f);  // the 1e-09 m film resistance vanishes
}

TEST(WetGasFilm, WithoutTheWetFlagTheRatioIsOne) {
    const WetFilm dry = wetGasFilm(false, 50.0f, 8.0f, 0.001f);
    EXPECT_FLOAT_EQ(*dry.Xt, 50.0f);
    EXPECT_FLOAT_EQ(dry.ratio, 1.0f);
}

TEST(HandEnteredCoefficient, SIEntriesAreConvertedFromWattPerSquareMetreKelvin) {
    EXPECT_NEAR(handEnteredCoefficient(1000.0f, true), 859.8f, 1e-3f);
    EXPECT_FLOAT_EQ(handEnteredCoefficient(1000.0f, false), 1000.0f);
}

}  // namespace
}  // namespace hx
