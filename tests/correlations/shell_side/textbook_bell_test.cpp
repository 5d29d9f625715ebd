// The textbook Bell–Delaware functions beyond the sample (which the
// validation suite checks step by step against an independent calculation):
// the ranges of the Taborek fits, the laminar branches, the sealing strips
// and the direction of the wall-viscosity correction.
#include "correlations/shell_side/textbook_bell.h"

#include <gtest/gtest.h>

#include <cmath>

#include "correlations/common/geometry.h"

namespace hx {
namespace {

TEST(TaborekFits, RangesAndLayouts) {
    EXPECT_EQ(taborekCoefficients(30.0f, 1.0e4f).b1, 0.372f);  // 1e4 and above
    EXPECT_EQ(taborekCoefficients(30.0f, 9999.0f).b1, 0.486f);
    EXPECT_EQ(taborekCoefficients(30.0f, 100.0f).a1, 0.593f);
    EXPECT_EQ(taborekCoefficients(30.0f, 99.9f).a1, 1.360f);
    EXPECT_EQ(taborekCoefficients(30.0f, 9.9f).b2, -1.000f);
    EXPECT_EQ(taborekCoefficients(90.0f, 5000.0f).b2, 0.022f);
    EXPECT_EQ(taborekCoefficients(45.0f, 5000.0f).a3, 1.930f);
    // The rotated triangle takes the triangle's fits.
    EXPECT_EQ(taborekCoefficients(60.0f, 50.0f).b1, taborekCoefficients(30.0f, 50.0f).b1);
    EXPECT_TRUE(isTubeLayout(60.0f));
    EXPECT_FALSE(isTubeLayout(50.0f));
    EXPECT_FALSE(isTubeLayout(0.0f));
}

// j by hand at Re 3592, 30°, P/D0 1.25: a = 1.45/(1 + 0.14·3592^0.519) = 0.17355,
// j = 0.321·1.064^0.17355·3592^−0.388 = 0.013509.
TEST(TaborekFits, IdealBankOfTheSample) {
    const IdealBank b = taborekIdealBank(30.0f, 3592.42f, 1.25f);
    EXPECT_NEAR(b.j, 0.013509f, 2e-6f);
    EXPECT_NEAR(b.f, 0.14666f, 2e-5f);
}

// The sample bundle: 100 tubes of 27 mm at pitch ratio 1.25, cut 0.4,
// 250 mm spacing, 1 m tubes, water.
TextbookBellInput sample(float flowKgH) {
    TextbookBellInput in;
    in.NT = 100.0f;
    in.ND = tubesOnCentreLine(100.0f);
    in.D0 = 0.027f;
    in.P = 1.25f * 0.027f;
    in.DS = shellDiameter(in.ND, in.P);
    in.B = 0.25f;
    in.TL = 1.0f;
    in.cutLevel = 0.4f;
    in.shellBaffleGap = 0.0005f;
    in.baffleHoleGap = 0.0002f;
    in.shellFlow = flowKgH;
    in.Ds = 993.0f;
    in.Vs = 0.0027f;
    in.Cs = 1.0f;
    in.Prs = 5.0f;
    in.wallViscosity = 0.0027f;
    return in;
}

TEST(TextbookBell, LaminarFlowTakesTheLaminarBranches) {
    const TextbookBellResult turbulent = textbookBell(sample(10000.0f));
    const TextbookBellResult laminar = textbookBell(sample(50.0f));  // Re ≈ 18
    ASSERT_TRUE(laminar.ok()) << laminar.fault;
    EXPECT_GT(turbulent.Re, 1000.0f);
    EXPECT_LT(laminar.Re, 20.0f);
    EXPECT_EQ(turbulent.Jr, 1.0f);
    // Rows crossed in the whole bundle (Ntcc + Ntcw)·(Nb + 1) ≈ 33: (10/33)^0.18.
    const float rows = (laminar.geometry.Ntcc + laminar.geometry.Ntcw) * 4.0f;
    EXPECT_NEAR(laminar.Jr, std::pow(10.0f / rows, 0.18f), 1e-6f);
    // The steeper laminar bypass exponents.
    EXPECT_NEAR(laminar.Jb, std::exp(-1.35f * laminar.geometry.Fsbp), 1e-6f);
    EXPECT_NEAR(laminar.Rb, std::exp(-4.5f * laminar.geometry.Fsbp), 1e-6f);
    // The viscous window drop outweighs the two velocity heads at this flow.
    const TextbookBellGeometry& g = laminar.geometry;
    const float heads = 50.0f * 50.0f / (g.Sm * g.Sw * 993.0f * 1.27e+08f);
    EXPECT_GT(laminar.dPwi, 10.0f * heads);
}

TEST(TextbookBell, HalfTheCrossedRowsInSealingStripsRemoveTheBypass) {
    TextbookBellInput in = sample(10000.0f);
    in.sealingStrips = 3.0f;  // N_ss/N_tcc = 3/5.79 ≥ 1/2
    const TextbookBellResult r = textbookBell(in);
    EXPECT_EQ(r.Jb, 1.0f);
    EXPECT_EQ(r.Rb, 1.0f);
    in.sealingStrips = 1.0f;
    const TextbookBellResult one = textbookBell(in);
    EXPECT_GT(one.Jb, textbookBell(sample(10000.0f)).Jb);
    EXPECT_LT(one.Jb, 1.0f);
}

// A heated shell fluid (wall hotter, thinner near the wall) transfers more
// heat and loses less pressure: the correction goes the right way.
TEST(TextbookBell, ThinnerFluidAtTheWallRaisesTheCoefficientAndLowersTheDrop) {
    const TextbookBellResult bulk = textbookBell(sample(10000.0f));
    TextbookBellInput heated = sample(10000.0f);
    heated.wallViscosity = 0.0027f / 1.4f;
    const TextbookBellResult r = textbookBell(heated);
    EXPECT_NEAR(r.viscosityTerm, std::pow(1.4f, 0.14f), 1e-6f);
    EXPECT_NEAR(r.Xs / bulk.Xs, std::pow(1.4f, 0.14f), 1e-5f);
    EXPECT_LT(r.DPs, bulk.DPs);
    EXPECT_EQ(r.dPwindows, bulk.dPwindows);  // the window drop has no viscosity term
}

TEST(TextbookBell, MissingViscosityIsReported) {
    TextbookBellInput in = sample(10000.0f);
    in.wallViscosity = 0.0f;
    EXPECT_FALSE(textbookBell(in).ok());
    in = sample(10000.0f);
    in.B = 0.0f;
    EXPECT_FALSE(textbookBell(in).ok());
}

}  // namespace
}  // namespace hx
