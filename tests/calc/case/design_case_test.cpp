#include "calc/case/design_case.h"

#include <gtest/gtest.h>

#include "calc/solver/starting_solution.h"
#include "core/option_codes.h"
#include "correlations/common/geometry.h"

namespace hx {
namespace {

RunInputs inputsOf(const DesignCase& dc) {
    RunInputs in;
    in.dc = dc;
    return in;
}

// Expected values computed by hand from the geometry rules.
TEST(Geometry, CentreLineTubesShellDiameterAndWindow) {
    EXPECT_NEAR(tubesOnCentreLine(7.0f), 3.0f, 1e-6f);  // √((28 − 1)/3)
    EXPECT_NEAR(shellDiameter(3.0f, 0.025f), 0.1f, 1e-7f);
    EXPECT_NEAR(tubesOnCentreLine(0.0f), 0.57735f, 1e-5f);  // |−1/3| under the root
    // Cut at the centre: (1/3.14)·(3.14 − 1.57) — half the shell.
    EXPECT_NEAR(windowFraction(0.0f), 0.5f, 1e-4f);
    // x = 0.5: a = atan(0.5/√0.7501) = 0.523541, x√(1−x²) = 0.433013.
    EXPECT_NEAR(windowFraction(0.5f), 0.3184713f * (3.14f - (0.433013f + 0.523541f + 1.57f)),
                1e-5f);
    EXPECT_NEAR(tubePitch(1.25f, 0.0254f, 0.0f, false), 0.03175f, 1e-7f);
    EXPECT_NEAR(tubePitch(1.25f, 0.019f, 0.0015f, true), 1.25f * 0.022f, 1e-7f);
    EXPECT_NEAR(finPitch(19.0f), 25.4f / 19.0f * 0.001f, 1e-8f);
}

TEST(DesignCase, FlagsFollowTheOptionCodes) {
    DesignCase dc;
    dc.tubeMethod = kGasCorrelation;
    dc.fluidMode = kTubeWetGas;
    dc.solveFor = kTubeOutletGiven;
    dc.exchangerType = kDoubleTube;
    dc.twistedTape = kTapeNotUsed;
    dc.tubeSurface = kLowFinTube;
    deriveFlags(dc);
    EXPECT_EQ(dc.tubePhase, TubePhase::Gas);
    EXPECT_TRUE(dc.wetGas);
    EXPECT_FALSE(dc.lengthGiven);
    EXPECT_EQ(dc.outletGiven, OutletGiven::Tube);
    EXPECT_FALSE(dc.bellMethod);
    EXPECT_FALSE(dc.tapeUsed);
    EXPECT_TRUE(dc.lowFin);

    // In the phase-change modes a given length counts as given.
    DesignCase pc;
    pc.fluidMode = kShellPhaseChange;
    pc.solveFor = kShellOutletGiven;
    pc.TL = 3.0f;
    deriveFlags(pc);
    EXPECT_TRUE(pc.lengthGiven);
    EXPECT_EQ(pc.tubePhase, TubePhase::Liquid);
}

TEST(DesignCase, RunDefaultsDependOnTheTubePhase) {
    DesignCase gas;
    gas.tubeMethod = kGasByHand;
    gas.shellMethod = kGasByHand;
    deriveFlags(gas);
    const Solution r = startingSolution(inputsOf(gas));
    EXPECT_FLOAT_EQ(r.Dt, 1.0f);
    EXPECT_FLOAT_EQ(r.Ct, 0.24f);
    EXPECT_FLOAT_EQ(r.Density, 1.284f);
    EXPECT_FLOAT_EQ(r.Ds, 1.0f);

    DesignCase liquid;
    liquid.tubeMethod = kWaterCorrelation;
    liquid.shellMethod = kWaterCorrelation;
    deriveFlags(liquid);
    const Solution l = startingSolution(inputsOf(liquid));
    EXPECT_FLOAT_EQ(l.Dt, 1000.0f);
    EXPECT_FLOAT_EQ(l.Ct, 1.1f);
    EXPECT_FLOAT_EQ(l.Ds, 1000.0f);
    EXPECT_FLOAT_EQ(l.Xs, 200.0f);
    EXPECT_FLOAT_EQ(l.Xt, 50.0f);
}

}  // namespace
}  // namespace hx
