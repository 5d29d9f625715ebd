// Saturation of water and the humidity relations.
#include "props/humid_gas.h"

#include <gtest/gtest.h>

#include "props/saturation_pressure.h"

namespace hx {
namespace {

// Water boils at 100 ℃ under 760 mmHg; the Antoine form gives 760.6.
TEST(SaturationPressure, BoilingPointAndConversions) {
    EXPECT_NEAR(saturationPressureMmHg(100.0f), 760.0f, 2.0f);
    EXPECT_NEAR(saturationPressure(100.0f), 1.033f, 0.003f);
    EXPECT_FLOAT_EQ(saturationPressureAt103(40.0f), saturationPressureMmHg(40.0f) * 1.03f / 760.0f);
    EXPECT_FLOAT_EQ(saturationPressureTechnical(40.0f), saturationPressureMmHg(40.0f) / 735.835f);
    // 20 ℃: 17.5 mmHg in the steam tables.
    EXPECT_NEAR(saturationPressureMmHg(20.0f), 17.5f, 0.3f);
}

// The inverse is a fit of its own (with 1 atm = 1.033): it returns the
// temperature within 0.35 ℃ from 10 to 90 ℃.
TEST(SaturationPressure, InverseReturnsTheTemperature) {
    for (float t : {10.0f, 30.0f, 46.0f, 60.0f, 90.0f})
        EXPECT_NEAR(saturationTemperature(saturationPressure(t)), t, 0.35f) << t;
}

TEST(HumidityRelations, RoundTrips) {
    const float MAW = 0.622f;
    const float X = 0.05f;
    const float p = partialPressureFromHumidity(X, 1.033f, MAW);
    EXPECT_NEAR(humidityFromPartialPressure(p, 1.033f, MAW), X, 1e-6f);
    const float y = moleFractionFromHumidity(X, MAW);
    EXPECT_NEAR(humidityFromMoleFraction(y, MAW), X, 1e-6f);
}

// Dry air: (0.311·0.79 + 0.313·0.21)/(1.25·0.79 + 1.429·0.21) = 0.31142/1.28759
// = 0.24186 kcal/kg℃.
TEST(HumidityRelations, DryGasHeatAndEnthalpy) {
    EXPECT_NEAR(dryGasSpecificHeat(0.0f, 0.79f, 0.21f), 0.24186f, 1e-4f);
    // Cpg·t + (597.3 + 0.441·t)·X at 40 ℃, X = 0.05: 9.648 + 30.747 = 40.395.
    EXPECT_NEAR(humidEnthalpy(0.2412f, 40.0f, 0.05f), 40.395f, 1e-3f);
    // Under pressure, at s = 1 (7 ℃): hv = 600.4107, cv = 0.444.
    EXPECT_NEAR(humidEnthalpyUnderPressure(0.25f, 7.0f, 0.01f),
                0.25f * 7.0f + (600.4107f + 0.44396f * 7.0f) * 0.01f, 1e-4f);
}

}  // namespace
}  // namespace hx
