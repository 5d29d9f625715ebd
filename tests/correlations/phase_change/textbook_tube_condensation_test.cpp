// Akers, Deans and Crosser's in-tube condensation against hand values of
// its published form, in both branches and averaged over a quality range.
#include <gtest/gtest.h>

#include "correlations/phase_change/tube_phase_change.h"

namespace hx {
namespace {

TEST(TextbookTubeCondensation, BothBranchesOfTheEquivalentReynoldsNumber) {
    // G = 0.35 kg/s over π/4·0.03² m2 (× 3600: per hour), x = 0.85, ρl/ρv =
    // 582.9/6.36, μl = 0.000159 Pa s (× 3600: kg/mh), Prl = 4.08857:
    // Re_eq = 774247, Nu = 0.0265·Re_eq^0.8·Prl^(1/3) = 2178.75.
    const float G = 0.35f / (0.785398f * 0.03f * 0.03f) * 3600.0f;
    EXPECT_NEAR(akersDeansCrosserNusselt(G, 0.03f, 0.85f, 582.9f, 6.36f, 0.5724f, 4.088571f),
                2178.75f, 0.5f);
    // G = 50 kg/m2s, x = 0.1, ρl/ρv = 90, μl = 0.0002 Pa s: Re_eq = 9243.42 < 5e4,
    // Nu = 5.03·Re_eq^(1/3)·4^(1/3) = 167.571.
    EXPECT_NEAR(akersDeansCrosserNusselt(50.0f * 3600.0f, 0.02f, 0.1f, 900.0f, 10.0f, 0.72f, 4.0f),
                167.571f, 0.01f);
}

TEST(TextbookTubeCondensation, MeanOverTheQualityRange) {
    // One tube of 0.02 m, G = 100 kg/m2s (W = 360000·0.785·0.0004 = 113.04 kg/h),
    // half of it condensed: x from 1 to 0.5; the mean of ten midpoint values is
    // Nu = 328.635, Xt = (0.18/0.02)·Nu = 2957.71 kcal/m2h℃.
    TubeTwoPhaseProperties p;
    p.Ltv = 500.0f;
    p.Dtv = 10.0f;
    p.Dtlv = 900.0f;
    p.Ctlv = 1.0f;
    p.Vtl = 0.0008f;
    p.Ktl = 0.18f;
    TubeTwoPhaseFlow f;
    f.DI = 0.02f;
    f.NT = 1.0f;
    f.PN = 1.0f;
    f.V = 11.304f;
    f.Wcon = 56.52f;
    const TubeCondensingFilm t = akersDeansCrosserCondensation(p, f);
    EXPECT_EQ(t.card, &kAkersDeansCrosserCard);
    EXPECT_NEAR(t.PrL, 4.0f, 1e-5f);
    EXPECT_NEAR(t.Nu, 328.635f, 0.05f);
    EXPECT_NEAR(t.Xt, 2957.71f, 0.5f);
}

}  // namespace
}  // namespace hx
