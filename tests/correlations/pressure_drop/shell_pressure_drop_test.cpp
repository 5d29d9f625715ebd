#include "correlations/pressure_drop/shell_pressure_drop.h"

#include <gtest/gtest.h>

#include <cmath>

#include "correlations/common/geometry.h"

namespace hx {
namespace {

void expectClose(float actual, double expected, double rel, const char* what) {
    EXPECT_NEAR(actual, expected, std::fabs(expected) * rel) << what;
}

// Expected values computed by hand from the fits; the neighbouring fits
// differ at each threshold by more than the tolerance.
TEST(CrossFlowFriction, Branches) {
    struct Row {
        float Res, expected;
    };
    const Row rows[] = {
        {99.5f, 0.55606f},      // 47.1·Res^−0.965 below 100
        {100.0f, 0.5545534f},   // 100 takes 13·Res^−0.685
        {300.0f, 0.2612855f},   // up to 300 inclusive
        {300.5f, 0.2599551f},   // 3.2·Res^−0.44
        {1000.0f, 0.1531616f},  // up to 1000 inclusive
        {1000.5f, 0.1497108f},  // 0.505·Res^−0.176
    };
    for (const Row& r : rows) expectClose(crossFlowFriction(r.Res), r.expected, 2e-6, "f_s");
}

// Leak areas against a cross-flow area of 1 m2; by hand.
TEST(LeakageDropFactor, BranchesAndFloor) {
    EXPECT_NEAR(leakageDropFactor(0.25f, 0.0f, 1.0f), 1.0f - (0.26f + 0.5714286f * 0.25f), 1e-6f);
    EXPECT_NEAR(leakageDropFactor(0.2f, 0.0f, 1.0f), 0.6270331f, 1e-6f);  // 1 − 0.71·0.2^0.4
    EXPECT_EQ(leakageDropFactor(0.0f, 2.0f, 1.0f), 1.0f);  // 1 − 1.4029·2 < 0: taken as 1
    EXPECT_EQ(leakageDropFactor(0.0f, 0.0f, 1.0f), 1.0f);
}

// The plain sample bundle of the coefficient tests (NT 100, D0 19 mm,
// pitch 23.75 mm, B 0.2 m, TL 3 m, cut 0.25, 4 cut-line tubes at 60°, one
// strip pair), 20 t/h of water at 995 kg/m3, ν 0.0036 m2/h, ν_w 0.003 m2/h.
BellDropInput sampleDrop(float Res) {
    BellInput in;
    in.NT = 100.0f;
    in.ND = tubesOnCentreLine(100.0f);
    in.D0 = 0.019f;
    in.P = 1.25f * 0.019f;
    in.DS = shellDiameter(in.ND, in.P);
    in.B = 0.2f;
    in.TL = 3.0f;
    in.cutLevel = 0.25f;
    in.Fw = windowFraction(0.25f);
    in.cutLineTubes = 4.0f;
    in.cutEdgeAngle = 60.0f;
    in.shellBaffleGap = 0.003f;
    in.baffleHoleGap = 0.0004f;
    in.sealingStrips = 1.0f;
    in.shellFlow = 20000.0f;
    in.Res = Res;
    in.Cs = 1.0f;
    in.Prs = 5.0f;
    in.bulkViscosity = 0.0036f;
    in.wallViscosity = 0.003f;
    const BellResult bell = bellMethod(in);
    EXPECT_TRUE(bell.ok());
    BellDropInput d;
    d.geometry = bell.geometry;
    d.Res = Res;
    d.P = in.P;
    d.D0 = in.D0;
    d.B = in.B;
    d.sealingStrips = 1.0f;
    d.shellFlow = 20000.0f;
    d.Ds = 995.0f;
    d.Vs = 0.0036f;
    d.wallViscosity = 0.003f;
    return d;
}

// Every step computed by hand (double precision) from the formulas.
TEST(BellDrop, TurbulentSampleStepByStep) {
    const BellDrop d = bellDrop(sampleDrop(5457.7888f));
    ASSERT_TRUE(d.ok()) << d.fault;
    EXPECT_EQ(d.cf, 1.0f);
    expectClose(d.fs, 0.1110648, 1e-5, "f_s");
    expectClose(d.Rb, 0.73951062, 2e-4, "R_b");
    expectClose(d.dPc, 11.46247, 5e-4, "dP_c");
    expectClose(d.dPe, 84.31928, 5e-4, "dP_e");
    expectClose(d.gt, 0.00475, 1e-5, "g_t");
    expectClose(d.um, 1279.803, 2e-4, "u_m");
    expectClose(d.uw, 1735.1005, 2e-4, "u_w");
    expectClose(d.uz, 1490.1634, 2e-4, "u_z");
    expectClose(d.Dw, 0.01134072, 2e-4, "D_w");
    expectClose(d.dPw, 22.616765, 5e-4, "dP_w");
    expectClose(d.Rl, 0.27657349, 5e-4, "R_l");
    expectClose(d.DPs, 0.030684954, 5e-4, "DPs");
}

// Res exactly 100: laminar window, k = 3.8 and 13·Res^−0.685; by hand.
// The window drop in kg/m2: the tube-gap term 23·R_b·ρ·ν·u_z/(g·g_t)·N_w'
// = 23·0.73951·0.0088483·33.692 = 5.0707, the span term
// 26·ρ·ν·u_z/(g·D_w)·B/D_w = 26·0.065359 = 1.6993, two velocity heads
// 17.3975: 24.1675. (The viscous terms without the density were heads in
// metres and added 0.0068 kg/m2 only.)
TEST(BellDrop, Res100TakesTheLaminarWindow) {
    const BellDrop d = bellDrop(sampleDrop(100.0f));
    ASSERT_TRUE(d.ok()) << d.fault;
    expectClose(d.fs, 0.55455337, 1e-5, "f_s");
    expectClose(d.Rb, 0.73951062, 2e-4, "R_b");
    expectClose(d.dPc, 57.232817, 5e-4, "dP_c");
    expectClose(d.dPw, 24.167481, 5e-4, "dP_w");
    expectClose(d.DPs, 0.11638911, 5e-4, "DPs");
    // Just below 100 the bypass factor steepens to k = 4.5.
    const BellDrop below = bellDrop(sampleDrop(99.9f));
    EXPECT_LT(below.Rb, d.Rb);
}

TEST(BellDrop, NoSealingStripsGivesPlainExponential) {
    BellDropInput in = sampleDrop(5457.7888f);
    in.sealingStrips = 0.0f;
    expectClose(bellDrop(in).Rb, 0.33663352, 2e-4, "R_b");  // exp(−3.8·F_sbp)
}

TEST(BellDrop, MissingAreasAreReported) {
    BellDropInput in = sampleDrop(5457.7888f);
    in.geometry.Sw = 0.0f;
    EXPECT_FALSE(bellDrop(in).ok());
    BellDropInput still = sampleDrop(5457.7888f);
    still.wallViscosity = 0.0f;
    EXPECT_STREQ(bellDrop(still).fault, "Bell drop: wall viscosity");
}

// Annulus of 50 mm around a 25 mm tube, 3 m long, Us 0.3 m/s, 995 kg/m3,
// ν 0.0036 m2/h, ν_w 0.003 m2/h; by hand: φ = 1.48828376.
TEST(AnnulusDrop, PlainLaminarAndTurbulent) {
    AnnulusDropInput in;
    in.DS = 0.05f;
    in.D0 = 0.025f;
    in.TL = 3.0f;
    in.Us = 0.3f;
    in.Ds = 995.0f;
    in.Vs = 0.0036f;
    in.wallViscosity = 0.003f;
    struct Row {
        float Res;
        double DPs;
    };
    const Row rows[] = {
        {943.6f, 0.0053948972},   // (16/Res)·φ
        {2000.0f, 0.0025453125},  // 2000 still laminar
        {9436.0f, 0.0016484736},  // 0.076·Res^−0.25
    };
    for (const Row& r : rows) {
        in.Res = r.Res;
        const ShellDrop d = annulusDrop(in);
        ASSERT_TRUE(d.ok()) << d.fault;
        expectClose(d.DPs, r.DPs, 1e-4, "annulus DPs");
    }
    in.D0 = 0.05f;  // no gap: ln q = 0
    EXPECT_FALSE(annulusDrop(in).ok());
}

TEST(AnnulusDrop, LowFinOutsideTheFinTips) {
    AnnulusDropInput in;
    in.lowFin = true;
    in.DS = 0.05f;
    in.D0 = 0.019f;
    in.FH = 0.0014f;
    in.TL = 3.0f;
    in.Us = 0.3f;
    in.Ds = 995.0f;
    in.Vs = 0.0036f;
    in.wallViscosity = 0.003f;
    const ShellDrop d = annulusDrop(in);
    ASSERT_TRUE(d.ok()) << d.fault;
    expectClose(d.DPs, 0.0075808215, 1e-4, "DPs");  // by hand, De = 0.0282 m
}

}  // namespace
}  // namespace hx
