// A rating never reports crossed outlets: a converged solution whose tube
// outlet lies beyond the shell inlet (or the shell outlet beyond the tube
// inlet, or an efficiency above 1) takes the efficiency limit dialog
// instead of going to the results. Over a grid of flows, lengths and both
// flow arrangements every result has uncrossed temperatures, efficiencies
// within 0 and 1, and KI·At·TM = Q.
#include <gtest/gtest.h>

#include <string>

#include "calc/case/prepare.h"
#include "calc/solver/solver_progress.h"
#include "calc/solver/thermal_solver.h"
#include "console/null_console.h"
#include "console/scripted_console.h"
#include "core/option_codes.h"
#include "core/run_ended.h"
#include "program/session/demo.h"

namespace hx {
namespace {

// Equal hand-entered liquids at equal flows (R = 1): in tubes of 15.3 to
// 16 m the efficiency iteration settled on crossed outlets (Et up to 1.04).
RunInputs balancedCase(float length) {
    NullConsole console;
    RunInputs in = prepare(demoEnteredCase(), console);
    DesignCase& dc = in.dc;
    dc.TL = length;
    dc.tubeMethod = kLiquidByHand;
    dc.shellMethod = kLiquidByHand;
    dc.Dt = dc.Ds = 1000.0f;
    dc.Ct = dc.Cs = 1.0f;
    dc.Vt = dc.Vs = 0.002f;
    dc.Kt = dc.KS = 0.55f;
    dc.shellBulkViscosity = dc.shellWallViscosity = dc.Vs;
    dc.tubeCorrectionViscosity = dc.Vt;
    return in;
}

bool uncrossed(const Solution& s) {
    const bool tubeHeated = s.T3 < s.T1;
    return tubeHeated ? s.T4 <= s.T1 && s.T2 >= s.T3 : s.T4 >= s.T1 && s.T2 <= s.T3;
}

void expectSound(const Solution& s, const std::string& what) {
    EXPECT_TRUE(uncrossed(s)) << what << " T2=" << s.T2 << " T4=" << s.T4;
    EXPECT_GE(s.Et, 0.0f) << what;
    EXPECT_LE(s.Et, 1.0f) << what;
    EXPECT_GE(s.Es, 0.0f) << what;
    EXPECT_LE(s.Es, 1.0f) << what;
    EXPECT_NEAR(s.KI * s.At * s.TM / s.Q, 1.0f, 1e-3f) << what;
}

TEST(CrossedRating, BalancedLongTubesNeverReportCrossedOutlets) {
    int dialogs = 0;
    for (int k = 0; k <= 7; ++k) {
        const float length = 15.3f + 0.1f * static_cast<float>(k);
        NullProgress progress;  // gives up at a limit
        try {
            expectSound(solve(balancedCase(length), progress), std::to_string(length));
        } catch (const RunEnded& e) {
            EXPECT_EQ(std::string(e.what()), "iteration limit of loop 1 reached");
            ++dialogs;
        }
    }
    EXPECT_GT(dialogs, 0);
}

// On the console the crossed solution asks the efficiency limit question;
// "2" ends the run in the English dialog's reset.
TEST(CrossedRating, CrossedSolutionAsksTheEfficiencyLimitQuestion) {
    for (int k = 0; k <= 7; ++k) {
        const float length = 15.3f + 0.1f * static_cast<float>(k);
        RunInputs in = balancedCase(length);
        ScriptedConsole console;
        for (int i = 0; i < 8; ++i) console.queueAnswer("2");
        ConsoleProgress progress(console);
        try {
            expectSound(solve(in, progress), std::to_string(length));
        } catch (const RunEnded&) {
            bool asked = false;
            for (const auto& line : console.transcript())
                asked = asked || line == "      Roop restriction(5)";
            EXPECT_TRUE(asked) << length;
        }
    }
}

TEST(CrossedRating, GridOfFlowsLengthsAndArrangementsIsSound) {
    const EnteredCase sample = demoEnteredCase();
    int solved = 0;
    for (int arrangement : {kCounterCrossFlow, kParallelFlow}) {
        for (float length : {500.0f, 1000.0f, 4000.0f, 15000.0f, 40000.0f}) {
            for (float Wt : {1.0f, 5.0f, 10.0f, 30.0f}) {
                for (float Ws : {1.0f, 5.0f, 10.0f, 30.0f}) {
                    EnteredCase entered = sample;
                    entered.values.flowArrangement = arrangement;
                    entered.values.TL = length;
                    entered.values.Wt = Wt;
                    entered.values.Ws = Ws;
                    NullConsole console;
                    NullProgress progress;
                    const std::string what = std::to_string(arrangement) + " " +
                                             std::to_string(length) + " " + std::to_string(Wt) +
                                             " " + std::to_string(Ws);
                    try {
                        expectSound(solve(prepare(entered, console), progress), what);
                        ++solved;
                    } catch (const RunEnded& e) {
                        ADD_FAILURE() << what << ": " << e.what();
                    }
                }
            }
        }
    }
    EXPECT_EQ(solved, 2 * 5 * 4 * 4);
}

}  // namespace
}  // namespace hx
