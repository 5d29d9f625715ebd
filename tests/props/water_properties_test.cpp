#include "props/water_properties.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace hx {
namespace {

TEST(EvaluatePolynomial, AddsTermsOfAscendingCoefficients) {
    const std::array<float, 4> c{1.0f, -2.0f, 0.5f, 0.25f};  // 1 − 2x + 0.5x² + 0.25x³
    EXPECT_FLOAT_EQ(evaluatePolynomial(c, 2.0f), 1.0f - 4.0f + 2.0f + 2.0f);
    EXPECT_FLOAT_EQ(evaluatePolynomial(c, 0.0f), 1.0f);
    EXPECT_FLOAT_EQ(evaluatePolynomial({}, 3.0f), 0.0f);
}

struct WaterRow {
    float t;             // ℃
    float density;       // kg/m3
    float specificHeat;  // kcal/(kg·℃)
    float viscosity;     // kg/(m·h)
    float conductivity;  // kcal/(m·h·℃)
};

// Expected values computed by hand (double precision) from the fits with
// x = (273 + t)/100, on both sides of every range threshold. Neighbouring
// fits differ there by far more than the tolerances (27 ℃: specific heat
// 1.0000 from the middle fit, 0.99688 from the lowest).
constexpr std::array<WaterRow, 11> kWaterRows{{
    {0.0f, 1008.832526f, 1.006430f, 6.509400f, 0.485025f},
    {26.9f, 996.475588f, 0.996904f, 3.125582f, 0.524971f},
    {27.0f, 996.428500f, 1.000000f, 3.119000f, 0.525100f},
    {36.9f, 991.703380f, 0.999185f, 2.540331f, 0.537216f},
    {37.0f, 991.654952f, 0.999180f, 2.414344f, 0.537331f},
    {96.9f, 958.672291f, 1.006411f, 1.060244f, 0.583605f},
    {97.0f, 958.608497f, 1.006440f, 1.041555f, 0.583646f},
    {166.9f, 903.202229f, 1.041230f, 0.586481f, 0.587076f},
    {167.0f, 903.104640f, 1.047372f, 0.586101f, 0.587047f},
    {300.0f, 706.085940f, 1.343637f, 0.247302f, 0.488022f},
    {310.0f, 684.652533f, 1.387535f, 0.205765f, 0.476908f},
}};

TEST(WaterProperties, FitsAtRangeThresholds) {
    for (const WaterRow& row : kWaterRows) {
        SCOPED_TRACE(row.t);
        EXPECT_NEAR(waterDensity(row.t), row.density, 2e-3f);
        ASSERT_TRUE(waterSpecificHeat(row.t).has_value());
        EXPECT_NEAR(*waterSpecificHeat(row.t), row.specificHeat, 2e-5f);
        ASSERT_TRUE(waterViscosity(row.t).has_value());
        // The cold fit cancels terms of ~3000: single precision keeps ~3e-4.
        EXPECT_NEAR(*waterViscosity(row.t), row.viscosity, 1e-3f);
        EXPECT_NEAR(waterConductivity(row.t), row.conductivity, 2e-6f);
    }
}

TEST(WaterProperties, BelowZeroOnlyDensityAndConductivity) {
    // Hand computation at −2 ℃ (x = 2.71).
    EXPECT_NEAR(waterDensity(-2.0f), 1009.736358f, 2e-3f);
    EXPECT_NEAR(waterConductivity(-2.0f), 0.481633f, 2e-6f);
    EXPECT_FALSE(waterSpecificHeat(-2.0f).has_value());
    EXPECT_FALSE(waterViscosity(-2.0f).has_value());
    EXPECT_FALSE(waterSpecificHeat(-0.01f).has_value());
    EXPECT_FALSE(waterViscosity(std::nanf("")).has_value());
}

struct WallRow {
    float t;          // ℃
    float viscosity;  // kg/(m·h)
    float tolerance;
};

// Expected values computed by hand (double precision) from the three fits
// in t. The wrong neighbouring fit would give 1.28582 at 80 ℃, 1.28533 at
// 80.1 ℃, 0.606442 at 160 ℃ and 0.606041 at 160.1 ℃.
constexpr std::array<WallRow, 8> kWallRows{{
    {-5.0f, 7.645815f, 2e-5f},  // lowest fit extends below 0 without a limit
    {0.0f, 6.456900f, 2e-5f},
    {20.0f, 3.606477f, 2e-5f},   // 1.002 mPa·s
    {80.0f, 1.287552f, 2e-5f},   // t ≤ 80: lowest fit
    {80.1f, 1.284293f, 2e-5f},   // middle fit
    {160.0f, 0.606400f, 5e-6f},  // t ≤ 160: middle fit
    {160.1f, 0.606061f, 5e-6f},  // highest fit
    {200.0f, 0.483802f, 5e-6f},
}};

TEST(WaterWallViscosity, ThreeRanges) {
    for (const WallRow& row : kWallRows) {
        SCOPED_TRACE(row.t);
        EXPECT_NEAR(waterWallViscosity(row.t), row.viscosity, row.tolerance);
    }
}

}  // namespace
}  // namespace hx
