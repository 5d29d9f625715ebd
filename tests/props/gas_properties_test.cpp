// Gas mixture properties: the component correlations at their range
// boundaries, the value a range without a formula keeps, the warnings, and
// standard air against published air properties.
#include "props/gas_properties.h"

#include <gtest/gtest.h>

#include "console/scripted_console.h"

namespace hx {
namespace {

float x(float t) { return (273.0f + t) / 100.0f; }

// Expected values from the component formulas by hand.
TEST(GasCorrelations, NitrogenSpecificHeatTakesTheFirstMatchingRange) {
    // 527 ℃ belongs to the highest range, 127 ℃ to the second, −73 ℃ to the lowest.
    const float x527 = x(527.0f);
    EXPECT_FLOAT_EQ(*gasSpecificHeat(GasComponent::N2, 527.0f),
                    ((2e-06f * x527 - 0.0003f) * x527 + 0.0104f) * x527 + 0.203f);
    const float x127 = x(127.0f);
    EXPECT_FLOAT_EQ(*gasSpecificHeat(GasComponent::N2, 127.0f),
                    ((-2e-05f * x127 + 0.0008f) * x127 - 0.0026f) * x127 + 0.2484f);
    const float x73 = x(-73.0f);
    EXPECT_FLOAT_EQ(*gasSpecificHeat(GasComponent::N2, -73.0f),
                    (0.0062f * x73 - 0.0251f) * x73 + 0.2745f);
    // At and below −173 ℃ no formula: the previous value stays.
    EXPECT_FALSE(gasSpecificHeat(GasComponent::N2, -173.0f));
    EXPECT_TRUE(gasSpecificHeat(GasComponent::O2, -173.0f));
    EXPECT_FALSE(gasSpecificHeat(GasComponent::O2, -174.0f));
}

TEST(GasCorrelations, WaterVapourIsZeroAtAndBelowFreezing) {
    EXPECT_EQ(*gasSpecificHeat(GasComponent::H2O, 0.0f), 0.0f);
    EXPECT_EQ(*gasViscosity(GasComponent::H2O, -10.0f), 0.0f);
    EXPECT_EQ(*gasConductivity(GasComponent::H2O, 0.0f), 0.0f);
    EXPECT_GT(*gasSpecificHeat(GasComponent::H2O, 0.5f), 0.0f);
    // 100 ℃ and 207 ℃ start the next ranges of cp.
    const float x100 = x(100.0f);
    EXPECT_FLOAT_EQ(*gasSpecificHeat(GasComponent::H2O, 100.0f),
                    (((-0.4147f * x100 + 6.7899f) * x100 - 36.191f) * x100 + 110.45f) * 0.01f);
}

TEST(GasCorrelations, CarbonDioxideConductivityHasNoValueBelowItsRange) {
    EXPECT_TRUE(gasConductivity(GasComponent::CO2, -73.0f));
    EXPECT_FALSE(gasConductivity(GasComponent::CO2, -73.5f));
    EXPECT_TRUE(gasConductivity(GasComponent::N2, -173.0f));
    EXPECT_FALSE(gasConductivity(GasComponent::N2, -173.5f));
}

TEST(GasCorrelations, RangeChecksAtThePropertyAndTheWallTemperature) {
    using P = GasProperty;
    using C = GasComponent;
    EXPECT_TRUE(gasOutOfRange(P::SpecificHeat, C::CO2, 728.0f, false));
    EXPECT_FALSE(gasOutOfRange(P::SpecificHeat, C::CO2, 727.0f, false));
    EXPECT_FALSE(gasOutOfRange(P::SpecificHeat, C::N2, 1000.0f, false));
    EXPECT_TRUE(gasOutOfRange(P::SpecificHeat, C::N2, 1000.0f, true));
    EXPECT_FALSE(gasOutOfRange(P::SpecificHeat, C::H2O, 600.0f, false));
    EXPECT_TRUE(gasOutOfRange(P::SpecificHeat, C::H2O, 600.0f, true));
    EXPECT_FALSE(gasOutOfRange(P::Conductivity, C::O2, -200.0f, false));
    EXPECT_TRUE(gasOutOfRange(P::Conductivity, C::O2, -200.0f, true));
}

// Standard air at 50 ℃ against the published properties of dry air at
// 323 K (density 1.092 kg/m3, cp 1.007 kJ/kgK = 0.2406 kcal/kg℃, ν 17.9e-6
// m2/s = 0.0644 m2/h, k 0.0279 W/mK = 0.0240 kcal/mh℃), within 2 %.
TEST(GasMixture, StandardAirMatchesPublishedValues) {
    ScriptedConsole console;
    GasComponentState held;
    const GasFractions air{0.0003f, 0.2095f, 0.7902f, 0.0f};
    const GasMixture g = gasMixtureProperties(50.0f, 50.0f, air, held, console);
    EXPECT_NEAR(g.M, 28.85f, 0.01f);
    EXPECT_NEAR(g.Density, g.M / 22.4f, 1e-6f);
    EXPECT_NEAR(g.tube.density, 1.092f, 0.02f * 1.092f);
    EXPECT_NEAR(g.tube.specificHeat, 0.2406f, 0.02f * 0.2406f);
    EXPECT_NEAR(g.tube.viscosity, 0.0644f, 0.02f * 0.0644f);
    EXPECT_NEAR(g.tube.conductivity, 0.0240f, 0.02f * 0.0240f);
    EXPECT_NEAR(g.tube.prandtl, 0.70f, 0.02f);
    EXPECT_TRUE(console.transcript().empty());
}

// −100 ℃: cp, μ and λ of CO2 each warn; λ CO2 keeps the value of the
// previous evaluation; the water vapour terms are 0.
TEST(GasMixture, BelowTheCarbonDioxideRangeWarnsAndKeepsTheLastConductivity) {
    ScriptedConsole console;
    GasComponentState held;
    const GasFractions gas{0.1f, 0.1f, 0.7f, 0.1f};
    gasMixtureProperties(20.0f, 20.0f, gas, held, console);
    const float kCO2 = held.k[0];
    ASSERT_TRUE(console.transcript().empty());
    gasMixtureProperties(-100.0f, 20.0f, gas, held, console);
    EXPECT_EQ(held.k[0], kCO2);
    EXPECT_EQ(held.cp[3], 0.0f);
    int warnings = 0;
    for (const auto& line : console.transcript())
        if (line == kWaterNotCoveredLine) ++warnings;
    EXPECT_EQ(warnings, 3);
}

}  // namespace
}  // namespace hx
