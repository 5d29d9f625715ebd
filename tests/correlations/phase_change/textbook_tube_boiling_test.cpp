// Gungor and Winterton's simplified flow boiling against hand values of its
// published form, with and without the Froude correction of a horizontal tube.
#include <gtest/gtest.h>

#include "correlations/phase_change/tube_phase_change.h"

namespace hx {
namespace {

TEST(TextbookTubeBoiling, GungorWintertonOnBothSidesOfTheFroudeLimit) {
    // DI 0.02 m, ρl/ρv = 900/10, μl = 0.72 kg/mh, Prl 4, kl 0.18, Bo = 2e-4.
    // G = 500 kg/m2s, x = 0.3: Re_l = G·(1 − x)·DI/μl = 35000, h_l = 0.023·Re_l^0.8·4^0.4·9,
    // E = 1 + 3000·Bo^0.86 + 1.12·(0.3/0.7)^0.75·90^0.41 = 6.73083, Fr_l = 1.575
    // (no correction): h = 10474.1 kcal/m2h℃.
    EXPECT_NEAR(gungorWintertonCoefficient(500.0f * 3600.0f, 0.02f, 0.3f, 2.0e-4f, 900.0f, 10.0f,
                                           0.72f, 4.0f, 0.18f),
                10474.1f, 1.0f);
    // G = 50 kg/m2s, x = 0.1: Re_l = 4500, E = 4.34088, Fr_l = 0.015748 < 0.05, E·Fr_l^(0.1 −
    // 2·Fr_l): h = 985.020.
    EXPECT_NEAR(gungorWintertonCoefficient(50.0f * 3600.0f, 0.02f, 0.1f, 2.0e-4f, 900.0f, 10.0f,
                                           0.72f, 4.0f, 0.18f),
                985.020f, 0.1f);
}

TEST(TextbookTubeBoiling, MeanOverTheQualityRangeNamesItsCard) {
    TubeTwoPhaseProperties p;
    p.Dtv = 10.0f;
    p.Dtlv = 900.0f;
    p.Ctlv = 1.0f;
    p.Vtl = 0.0008f;
    p.Ktl = 0.18f;
    TubeTwoPhaseFlow f;
    f.DI = 0.02f;
    f.NT = 1.0f;
    f.PN = 1.0f;
    f.V = 11.304f;     // 113.04 kg/h of feed: G = 100 kg/m2s
    f.Wcon = 22.608f;  // x from 0 to 0.2
    const TubeBoilingFilm t = gungorWintertonEvaporation(p, f, 2.0f);
    EXPECT_EQ(t.card, &kGungorWintertonCard);
    EXPECT_NEAR(t.xOut, 0.2f, 1e-6f);
    // Bounded by the local values at the ends of the range.
    const float G = 360000.0f;
    const float Bo = 22.608f / (3.14f * 0.02f * 2.0f * G);
    const float low =
        gungorWintertonCoefficient(G, 0.02f, 0.01f, Bo, 900.0f, 10.0f, 0.72f, 4.0f, 0.18f);
    const float high =
        gungorWintertonCoefficient(G, 0.02f, 0.19f, Bo, 900.0f, 10.0f, 0.72f, 4.0f, 0.18f);
    EXPECT_GT(t.Xt, low);
    EXPECT_LT(t.Xt, high);
    EXPECT_NEAR(t.Nu, t.Xt * 0.02f / 0.18f, 1e-3f);
}

}  // namespace
}  // namespace hx
