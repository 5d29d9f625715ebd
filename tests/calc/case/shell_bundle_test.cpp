// The bundle in its shell: derived as the method always derived it, entered
// on the textbook basis, and the clearances of the standards for an
// entered shell.
#include "calc/case/shell_bundle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "calc/case/prepare.h"
#include "calc/case/tema_clearances.h"
#include "calc/solver/solver_progress.h"
#include "calc/solver/thermal_solver.h"
#include "console/null_console.h"
#include "core/option_codes.h"
#include "core/run_ended.h"
#include "correlations/common/geometry.h"
#include "program/session/demo.h"

namespace hx {
namespace {

constexpr float kInch = 0.0254f;

EnteredCase sampleOn(int basis) {
    EnteredCase e = demoEnteredCase();
    e.values.calculationBasis = basis;
    e.values.tubeLayout = 30.0f;
    return e;
}

RunInputs prepared(const EnteredCase& e) {
    NullConsole console;
    return prepare(e, console);
}

Solution solved(const EnteredCase& e) {
    NullProgress progress;
    return solve(prepared(e), progress);
}

// The original basis takes none of the entries: the shell (ND + 1)·P, the
// limit (ND − 1)·P + D0, the main form's gaps and strips.
TEST(ShellBundle, OriginalBasisDerivesEverythingAsBefore) {
    EnteredCase e = sampleOn(kOriginalBasis);
    e.values.enteredDS = 2000.0f;
    e.values.enteredLsb = 9.0f;
    const RunInputs in = prepared(e);
    const ShellBundle& b = in.bundle;
    EXPECT_EQ(b.DS, shellDiameter(in.geometry.ND, in.geometry.P));
    EXPECT_EQ(b.Dotl, (in.geometry.ND - 1.0f) * in.geometry.P + in.dc.D0);
    EXPECT_EQ(b.shellBaffleGap, in.dc.shellBaffleGap);
    EXPECT_EQ(b.baffleHoleGap, in.dc.baffleHoleGap);
    EXPECT_EQ(b.sealingStrips, in.dc.sealingStrips);
    EXPECT_EQ(b.Bin, in.dc.B);
    EXPECT_EQ(b.Bout, in.dc.B);
    EXPECT_FALSE(b.shellDiameterEntered);
}

// Entering on the textbook basis the very values it derives gives the
// same run (to the rounding of a millimetre entry).
TEST(ShellBundle, EnteredAsDerivedGivesTheSameRun) {
    const EnteredCase derived = sampleOn(kTextbookBasis);
    const ShellBundle b = prepared(derived).bundle;
    EnteredCase entered = derived;
    entered.values.enteredDS = b.DS * 1000.0f;
    entered.values.enteredDotl = b.Dotl * 1000.0f;
    entered.values.enteredLsb = 2.0f * b.shellBaffleGap * 1000.0f;
    entered.values.enteredLtb = 2.0f * b.baffleHoleGap * 1000.0f;
    entered.values.enteredBin = b.Bin * 1000.0f;
    entered.values.enteredBout = b.Bout * 1000.0f;
    const Solution a = solved(derived);
    const Solution c = solved(entered);
    for (auto [x, y] : {std::pair{a.Xs, c.Xs},
                        {a.DPs, c.DPs},
                        {a.Q, c.Q},
                        {a.T2, c.T2},
                        {a.T4, c.T4},
                        {a.shellDiameter, c.shellDiameter}}) {
        EXPECT_NEAR(x, y, 2e-5f * std::fabs(x));
    }
}

// An exchanger specified as engineers specify it: a 25 in shell, its
// clearances left to the standards. The run solves with that shell.
TEST(ShellBundle, EnteredShellTakesTheStandardClearances) {
    EnteredCase e = sampleOn(kTextbookBasis);
    e.values.enteredDS = 635.0f;
    const RunInputs in = prepared(e);
    const ShellBundle& b = in.bundle;
    EXPECT_TRUE(b.shellDiameterEntered);
    EXPECT_FLOAT_EQ(b.DS, 0.635f);
    EXPECT_FLOAT_EQ(2.0f * b.shellBaffleGap, 3.0f / 16.0f * kInch);  // 18–39 in
    EXPECT_NEAR(b.Lbb, 0.010f, 1e-6f);  // fixed tube sheet, 450–650 mm
    NullProgress progress;
    const Solution r = solve(in, progress);
    EXPECT_FLOAT_EQ(r.shellDiameter, 0.635f);
    EXPECT_GT(r.Q, 0.0f);
}

TEST(ShellBundle, LimitOutsideTheShellEndsTheRun) {
    EnteredCase e = sampleOn(kTextbookBasis);
    e.values.enteredDS = 300.0f;
    e.values.enteredDotl = 320.0f;
    EXPECT_THROW(prepared(e), RunEnded);
}

// TEMA RCB-4.3 by the nominal diameter (the inside diameter to the nearest
// inch) and RCB-4.2 by the unsupported span, twice the baffle spacing.
TEST(TemaClearances, BaffleToShellAndTubeHole) {
    EXPECT_FLOAT_EQ(temaBaffleToShellClearance(17.25f * kInch), 1.0f / 8.0f * kInch);
    EXPECT_FLOAT_EQ(temaBaffleToShellClearance(17.6f * kInch), 3.0f / 16.0f * kInch);
    EXPECT_FLOAT_EQ(temaBaffleToShellClearance(39.0f * kInch), 3.0f / 16.0f * kInch);
    EXPECT_FLOAT_EQ(temaBaffleToShellClearance(54.0f * kInch), 1.0f / 4.0f * kInch);
    EXPECT_FLOAT_EQ(temaBaffleToShellClearance(120.0f * kInch), 7.0f / 16.0f * kInch);
    EXPECT_FLOAT_EQ(temaTubeToHoleClearance(0.019f, 0.457f), 1.0f / 32.0f * kInch);
    EXPECT_FLOAT_EQ(temaTubeToHoleClearance(0.019f, 0.458f), 1.0f / 64.0f * kInch);
    EXPECT_FLOAT_EQ(temaTubeToHoleClearance(0.0381f, 1.0f), 1.0f / 32.0f * kInch);
    EXPECT_FLOAT_EQ(bundleToShellClearance(0.635f, HeadType::PullThrough), 0.135f);
}

}  // namespace
}  // namespace hx
