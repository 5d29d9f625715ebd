#include "correlations/shell_side/bell_method.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "console/scripted_console.h"
#include "correlations/common/geometry.h"

namespace hx {
namespace {

struct Row {
    float in;
    float expected;
    float tol;
};

// Relative closeness for values computed by hand in double precision.
void expectClose(float actual, double expected, double rel, const char* what) {
    EXPECT_NEAR(actual, expected, std::fabs(expected) * rel + 1e-12) << what;
}

// Expected values computed by hand from the fits; at every threshold the two
// neighbouring fits differ by far more than the tolerance, so a boundary on
// the wrong side fails.
TEST(BellCorrelations, FinFactorBranches) {
    const Row lowFin[] = {
        {299.0f, 0.8072307f, 1e-6f},  // cubic fit below 300
        {300.0f, 0.81f, 1e-6f},       // 300 takes (0.055·Res + 64.5)·0.01
        {499.9f, 0.919945f, 1e-6f},
        {500.0f, 0.91985f, 1e-6f},  // 500 takes (0.0235·Res + 80.235)·0.01
        {840.0f, 0.99975f, 1e-6f},  // 840 still on that fit
        {840.5f, 1.0f, 0.0f},       // above 840 the fins are fully effective
    };
    for (const Row& r : lowFin) EXPECT_NEAR(finFactor(true, r.in), r.expected, r.tol) << r.in;
    EXPECT_EQ(finFactor(false, 250.0f), 1.0f);
}

TEST(BellCorrelations, ColburnFactorBranches) {
    const Row rows[] = {
        {200.0f, 0.04840061f, 2e-8f},  // 1.73·Res^−0.675 up to 200 inclusive
        {200.5f, 0.04840356f, 2e-8f},  // 0.65·Res^−0.49
        {600.0f, 0.02828911f, 2e-8f},  // 0.65·Res^−0.49 up to 600 inclusive
        {600.5f, 0.02887008f, 2e-8f},  // 0.35·Res^−0.39
    };
    for (const Row& r : rows) EXPECT_NEAR(colburnFactor(r.in), r.expected, r.tol) << r.in;
}

TEST(BellCorrelations, LaminarCorrectionBelowRes100Only) {
    EXPECT_EQ(laminarCorrection(130.0f, 100.0f), 1.0f);
    EXPECT_NEAR(laminarCorrection(130.0f, 99.0f), 1.513561f, 1e-5f);  // 10^0.18
}

TEST(BellCorrelations, CentreCutGivesHalfShellAndRightAngle) {
    EXPECT_NEAR(baffleCutAngle(0.0f), 180.0f, 1e-3f);
    EXPECT_NEAR(windowFraction(0.0f), 0.5f, 1e-4f);
    // x = 0.25: 360·(1.5708 − atan(0.25/√0.9376))/3.1416
    EXPECT_NEAR(baffleCutAngle(0.25f), 151.04652f, 1e-3f);
}

// Leak areas in m2 against a cross-flow area of 1 m2; by hand.
TEST(BellCorrelations, LeakageCorrection) {
    struct LeakRow {
        float Stb, Ssb, expected;
    };
    const LeakRow rows[] = {
        {0.3f, 0.0f, 0.765f},    // r = 0.3: p = 0.1 + 0.135
        {0.0f, 0.3f, 0.53f},     // shell gap counts twice
        {0.1f, 0.0f, 0.855f},    // r = 0.1 takes the linear branch
        {0.09f, 0.0f, 0.8674f},  // below: p = 0.442·√0.09
        {0.0f, 3.0f, 1.0f},      // 1 − 1.45·2 < 0: taken as 1
        {0.0f, 0.0f, 1.0f},      // no leak area, no leakage
    };
    for (const LeakRow& r : rows)
        EXPECT_NEAR(leakageCorrection(r.Stb, r.Ssb, 1.0f), r.expected, 1e-5f)
            << r.Stb << " " << r.Ssb;
}

TEST(BellCorrelations, BypassWithoutSealingStrips) {
    EXPECT_NEAR(bypassCorrection(1.25f, 0.4f, 0.0f, 5.0f), std::exp(-0.5f), 1e-6f);
}

// A plain bundle: NT 100, D0 19 mm, DI 16 mm, pitch ratio 1.25, TL 3 m,
// baffles every 0.2 m cut at x = 0.25, 4 tubes on the cut line at 60°,
// shell-to-baffle gap 3 mm, baffle-hole gap 0.4 mm, one sealing strip pair,
// 20 t/h of a liquid at 20 m3/h, ν 0.0036 m2/h, Cs 1, Pr 5, μb/μw 1.2.
BundleInput sampleBundle() {
    BundleInput b;
    b.NT = 100.0f;
    b.D0 = 0.019f;
    b.DI = 0.016f;
    b.TL = 3.0f;
    b.P = 1.25f * 0.019f;
    b.B = 0.2f;
    b.Fw = windowFraction(0.25f);
    b.VS = 20.0f;
    b.Vs = 0.0036f;
    return b;
}

BellInput sampleBell(const BundleGeometry& g) {
    BellInput in;
    in.NT = 100.0f;
    in.ND = g.ND;
    in.D0 = 0.019f;
    in.P = 1.25f * 0.019f;
    in.DS = g.DS;
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
    in.Res = g.Res;
    in.Cs = 1.0f;
    in.Prs = 5.0f;
    in.bulkViscosity = 0.0036f;
    in.wallViscosity = 0.003f;
    return in;
}

// Every step of the sample computed by hand (double precision) from the
// formulas of the method.
TEST(BellMethod, PlainBundleStepByStep) {
    const BundleGeometry g = bundleGeometry(sampleBundle());
    ASSERT_TRUE(g.ok()) << g.fault;
    const double rel = 2e-5;
    expectClose(g.ND, 11.5325626, rel, "ND");
    expectClose(g.DS, 0.29764836, rel, "DS");
    expectClose(g.Ao, 17.898, rel, "Ao");
    expectClose(g.wallThickness, 0.0015, rel, "wall");
    expectClose(g.SmCentre, 0.01570593, 1e-4, "Sm'");
    expectClose(g.grossWindow, 0.02381579, rel, "window");
    expectClose(g.S, 0.01934035, 1e-4, "S");
    expectClose(g.Us, 0.28725204, 1e-4, "Us");
    expectClose(g.Res, 5457.7888, 1e-4, "Res");

    BellInput in = sampleBell(g);
    in.Res = 5457.7888f;  // the hand value, so the steps below do not inherit rounding
    const BellResult r = bellMethod(in);
    ASSERT_TRUE(r.ok()) << r.fault;
    const BellGeometry& b = r.geometry;
    expectClose(r.theta, 151.046523, rel, "theta");
    EXPECT_EQ(r.finFactor, 1.0f);
    expectClose(r.j, 0.01220763, rel, "j");
    expectClose(r.cw, 0.23853018, rel, "cw");
    expectClose(r.fc, 0.02862058, 1e-3, "fc");
    expectClose(b.Nw, 33.577635, rel, "Nw");
    expectClose(b.RwEff, 3.9492455, rel, "Rw'");
    expectClose(b.NwEff, 33.692117, rel, "Nw'");
    expectClose(b.Nww, 34.244302, rel, "Nww");
    expectClose(r.Db, 0.29164836, rel, "Db");
    expectClose(b.Sw, 0.01158463, 1e-4, "Sw");
    expectClose(b.Sm, 0.01570593, 1e-4, "Sm");
    expectClose(b.Sb, 0.0045, 1e-4, "Sb");
    expectClose(b.Fsbp, 0.2865159, 2e-4, "Fsbp");
    expectClose(b.G, 1273404.0, 1e-4, "G");
    expectClose(r.Fwt, 0.68488603, rel, "Fw tubes");
    expectClose(r.Jc, 0.78359778, rel, "Jc");
    expectClose(b.Nc, 5.3007382, 1e-4, "Nc");
    expectClose(r.Jb, 0.90550241, 1e-4, "Jb");
    expectClose(b.Nb, 15.0, rel, "Nb");
    expectClose(r.Nt, 151.948986, 1e-4, "Nt");
    EXPECT_EQ(r.Jr, 1.0f);
    expectClose(b.Ssb, 0.00318924, 1e-4, "Ssb");
    expectClose(b.Stb, 0.00161847, 1e-3, "Stb");
    expectClose(r.Jl, 0.6045385, 2e-4, "Jl");
    expectClose(r.Xs, 2341.9405, 5e-4, "Xs");
}

// Low-fin bundle (fins 1.4 mm high, 0.3 mm thick, 19 per inch, pitch on the
// fin tip diameter), no tubes on the cut line, Res 700; by hand.
TEST(BellMethod, LowFinAreasUseTheFinTipDiameter) {
    BellInput in;
    in.NT = 100.0f;
    in.ND = tubesOnCentreLine(100.0f);
    in.D0 = 0.019f;
    in.FH = 0.0014f;
    in.FT = 0.0003f;
    in.FN = 19.0f;
    in.lowFin = true;
    in.P = 1.25f * 0.0218f;
    in.DS = shellDiameter(in.ND, in.P);
    in.B = 0.2f;
    in.TL = 3.0f;
    in.cutLevel = 0.25f;
    in.Fw = windowFraction(0.25f);
    in.shellBaffleGap = 0.003f;
    in.baffleHoleGap = 0.0004f;
    in.shellFlow = 20000.0f;
    in.Res = 700.0f;
    in.Cs = 1.0f;
    in.Prs = 5.0f;
    in.bulkViscosity = 1.0f;
    in.wallViscosity = 1.0f;
    const BellResult r = bellMethod(in);
    ASSERT_TRUE(r.ok()) << r.fault;
    expectClose(r.finFactor, 0.96685, 1e-6, "fin factor");
    expectClose(r.geometry.Sm, 0.02302944, 1e-4, "Sm");
    expectClose(r.geometry.Sw, 0.01504464, 1e-4, "Sw");
    expectClose(r.geometry.Sb, 0.02182944, 1e-4, "Sb");
    expectClose(r.geometry.Stb, 0.00183348, 1e-3, "Stb");
}

TEST(BellMethod, LaminarFlowTakesTheRowCorrection) {
    const BundleGeometry g = bundleGeometry(sampleBundle());
    BellInput in = sampleBell(g);
    in.Res = 99.0f;
    const BellResult laminar = bellMethod(in);
    ASSERT_TRUE(laminar.ok());
    // (Nt/13)^0.18 with Nt = 151.949 from the plain sample.
    expectClose(laminar.Jr, std::pow(151.948986 / 13.0, 0.18), 1e-4, "Jr");
    in.Res = 100.0f;
    EXPECT_EQ(bellMethod(in).Jr, 1.0f);
}

TEST(BellMethod, EnteredWindowCountsReplaceTheDerivedOnes) {
    const BundleGeometry g = bundleGeometry(sampleBundle());
    BellInput in = sampleBell(g);
    in.enteredWindow = WindowTubes{30.0f, 4.0f};
    const BellResult r = bellMethod(in);
    ASSERT_TRUE(r.ok());
    EXPECT_FLOAT_EQ(r.geometry.Nw, 30.0f);
    EXPECT_NEAR(r.geometry.RwEff, 4.0f + 60.0f / 360.0f, 1e-6f);
    EXPECT_NEAR(r.geometry.Nww, 30.0f + 4.0f * 60.0f / 360.0f, 1e-5f);
    EXPECT_NEAR(r.geometry.NwEff, 30.0f + 4.0f * 0.02862058f, 1e-4f);
}

TEST(BellMethod, ImpossibleGeometryIsReportedNotPropagated) {
    const BundleGeometry g = bundleGeometry(sampleBundle());
    BellInput full = sampleBell(g);
    full.enteredWindow = WindowTubes{500.0f, 4.0f};  // more tubes than the window holds
    const BellResult r = bellMethod(full);
    EXPECT_FALSE(r.ok());
    EXPECT_STREQ(r.fault, "Bell: window flow area");

    BellInput still = sampleBell(g);
    still.Res = 0.0f;  // no flow: j is unbounded
    EXPECT_FALSE(bellMethod(still).ok());

    BundleInput noViscosity = sampleBundle();
    noViscosity.Vs = 0.0f;
    EXPECT_STREQ(bundleGeometry(noViscosity).fault, "bundle: viscosity");

    // Fins so dense that they block the centre row: no mean flow area.
    BundleInput blocked = sampleBundle();
    blocked.lowFin = true;
    blocked.FT = 0.001f;
    blocked.FH = 0.01f;
    blocked.FN = 40.0f;
    EXPECT_STREQ(bundleGeometry(blocked).fault, "bundle: mean flow area");
}

TEST(BundleGeometry, EnteredDiameterOfTheDoubleTube) {
    BundleInput b = sampleBundle();
    b.NT = 1.0f;
    b.enteredDS = 0.05f;
    const BundleGeometry g = bundleGeometry(b);
    EXPECT_FLOAT_EQ(g.DS, 0.05f);
    EXPECT_NEAR(g.ND, 1.0f, 1e-6f);
}

}  // namespace
}  // namespace hx
