#include "props/reference_temperatures.h"

#include <gtest/gtest.h>

namespace hx {
namespace {

StreamIterate sampleIterate() {
    StreamIterate it;
    it.Tsi = 80.0f;
    it.Tso = 60.0f;
    it.Tti = 20.0f;
    it.Tto = 30.0f;
    it.Xs = 1000.0f;
    it.As = 10.0f;
    it.Xt = 3000.0f;
    it.At = 10.0f;
    return it;
}

// Expected values computed by hand: Tsm = 70, Ttm = 25, wall weighted 1:3
// by the film conductances, Twav = (10000·70 + 30000·25)/40000 = 36.25;
// MUsb, MUsw from the lowest Celsius viscosity fit (t ≤ 80).
TEST(ReferenceTemperatures, MeansWallAndFilmTemperatures) {
    const PropertyTemperatures r = ReferenceTemperatures(sampleIterate(), 980.0f);
    EXPECT_FLOAT_EQ(r.Tsm, 70.0f);
    EXPECT_FLOAT_EQ(r.Ttm, 25.0f);
    EXPECT_FLOAT_EQ(r.Twav, 36.25f);
    EXPECT_FLOAT_EQ(r.Tsav, 53.125f);
    EXPECT_FLOAT_EQ(r.Ttav, 30.625f);
    EXPECT_NEAR(r.MUsb, 1.473892f, 2e-5f);
    EXPECT_NEAR(r.MUsw, 2.549921f, 2e-5f);
    EXPECT_NEAR(r.Vsw, 0.00150397f, 2e-8f);  // MUsb/Ds
    EXPECT_NEAR(r.VSW, 0.00260196f, 2e-8f);  // MUsw/Ds
    EXPECT_FLOAT_EQ(r.wallKelvin, 309.25f);
    EXPECT_FLOAT_EQ(r.tubeMeanKelvin, 298.0f);
}

TEST(ReferenceTemperatures, WallFollowsTheStrongerFilm) {
    StreamIterate it = sampleIterate();
    it.Xt = 0.0f;  // no tube film conductance: the wall takes the shell temperature
    EXPECT_FLOAT_EQ(ReferenceTemperatures(it, 980.0f).Twav, 70.0f);
    it = sampleIterate();
    it.As = 0.0f;
    EXPECT_FLOAT_EQ(ReferenceTemperatures(it, 980.0f).Twav, 25.0f);
}

TEST(ReferenceTemperatures, NoShellDensityYetGivesZeroRatios) {
    const PropertyTemperatures r = ReferenceTemperatures(sampleIterate(), 0.0f);
    EXPECT_EQ(r.Vsw, 0.0f);
    EXPECT_EQ(r.VSW, 0.0f);
    EXPECT_NEAR(r.MUsb, 1.473892f, 2e-5f);
}

}  // namespace
}  // namespace hx
