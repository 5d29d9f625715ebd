// The textbook tube-side drop: the Darcy factor by regime and the return
// losses of four velocity heads a pass, against hand values.
#include <gtest/gtest.h>

#include "correlations/pressure_drop/tube_pressure_drop.h"
#include "correlations/tube_side/tube_side.h"

namespace hx {
namespace {

TEST(TextbookTubeDrop, DarcyFactorAtTheRegimeLimits) {
    EXPECT_FLOAT_EQ(darcyTubeFriction(1000.0f), 0.064f);
    EXPECT_NEAR(darcyTubeFriction(2300.0f), 0.0278261f, 1e-7f);
    EXPECT_NEAR(darcyTubeFriction(3000.0f), 0.0455591f, 1e-6f);  // Petukhov at 3000
    EXPECT_NEAR(darcyTubeFriction(2650.0f), (0.0278261f + 0.0455591f) / 2.0f, 1e-6f);
}

TEST(TextbookTubeDrop, ReturnLossesAreFourVelocityHeadsAPass) {
    // 4·2·1000·1²/2/9.8 kg/m2 = 408.163 kg/m2 = 0.0408163 kg/cm2.
    EXPECT_NEAR(returnLossDrop(2.0f, 1000.0f, 1.0f), 0.0408163f, 1e-7f);
    const PlainTubeDropInputs in{2.0f, 3.0f, 0.02f, 1000.0f, 1.0f, 2.0e4f};
    const std::optional<TextbookTubeDrop> d = textbookTubePressureDrop(in);
    ASSERT_TRUE(d);
    // Friction: 2 passes·(f·3/0.02)·1000·1/2/9.8 × 1e-4 with f = Petukhov(2e4).
    EXPECT_NEAR(d->friction, 2.0f * petukhovFriction(2.0e4f) * 150.0f * 500.0f / 9.8f * 1e-4f,
                1e-6f);
    EXPECT_FLOAT_EQ(d->total, d->friction + d->returns);
    EXPECT_FALSE(
        textbookTubePressureDrop(PlainTubeDropInputs{2.0f, 3.0f, 0.02f, 1000.0f, 1.0f, 0.0f}));
}

// Nozzle losses by hand: 36000 kg/h of water (1000 kg/m3) through a 100 mm
// inlet, u = 10/(1000·0.785·0.01) = 1.27389 m/s, one velocity head
// 811.39 Pa = 0.0082795 kg/cm2; a 200 mm outlet, u = 0.318471 m/s, half a
// head 0.0002587 kg/cm2. A bore left blank (0) adds nothing.
TEST(TextbookTubeDrop, NozzleLossesOnTheirOwnBores) {
    EXPECT_NEAR(nozzleLossDrop(36000.0f, 1000.0f, 0.1f, 0.2f), 0.00853824f, 1e-7f);
    EXPECT_NEAR(nozzleLossDrop(36000.0f, 1000.0f, 0.1f, 0.0f), 0.00827951f, 1e-7f);
    EXPECT_EQ(nozzleLossDrop(36000.0f, 1000.0f, 0.0f, 0.0f), 0.0f);
}

}  // namespace
}  // namespace hx
