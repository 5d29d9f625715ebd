// A flow sweep of the shell-and-tube sample, solved headless as a parameter
// study does: 100 tube flows by 100 shell flows from 2 to 40 t/h, each
// entered, prepared and solved with the null progress. Every case
// converges: none ends in a message (the property evaluation limit among
// them), and each closes its heat balance.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc/case/prepare.h"
#include "calc/solver/solver_progress.h"
#include "calc/solver/thermal_solver.h"
#include "console/null_console.h"
#include "core/run_ended.h"
#include "program/session/demo.h"

namespace hx {
namespace {

// The flows entered, t/h.
struct Flows {
    float Wt = 0.0f;
    float Ws = 0.0f;
};

// Solves the sample at the flows given; false when the run ends in a message.
bool solvesAt(const EnteredCase& sample, Flows f, Solution& out) {
    EnteredCase entered = sample;
    entered.values.Wt = f.Wt;
    entered.values.Ws = f.Ws;
    NullConsole console;
    NullProgress progress;
    try {
        out = solve(prepare(entered, console), progress);
        return true;
    } catch (const RunEnded&) {
        return false;
    }
}

void expectBalanced(const Solution& s, Flows f) {
    const float tube = f.Wt * s.Ct * std::fabs(s.T3 - s.T4);
    const float shell = f.Ws * s.Cs * std::fabs(s.T1 - s.T2);
    EXPECT_NEAR(tube / shell, 1.0f, 1e-3f) << f.Wt << " / " << f.Ws;
}

// Cases whose mean-temperature loop flipped between two property means
// (the last with a jitter of a few units in the last place on each flip):
// each converges and its outlets lie within the swing of the flip, close to
// the outlets at which the properties were taken.
TEST(FlowSweep, OscillatingCasesConverge) {
    const EnteredCase sample = demoEnteredCase();
    for (Flows f :
         {Flows{8.5f, 5.8f}, Flows{9.75f, 6.6f}, Flows{13.78f, 9.22f}, Flows{20.24f, 13.4f}}) {
        Solution s;
        ASSERT_TRUE(solvesAt(sample, f, s)) << f.Wt << " / " << f.Ws;
        expectBalanced(s, f);
        EXPECT_NEAR(s.tubeFluidMean, (s.T3 + s.T4) / 2.0f, 0.005f) << f.Wt << " / " << f.Ws;
    }
}

TEST(FlowSweep, EveryCaseOfTheSweepConverges) {
    const EnteredCase sample = demoEnteredCase();
    int failed = 0;
    std::string first;
    for (int i = 0; i < 100; ++i) {
        for (int j = 0; j < 100; ++j) {
            const Flows f{2.0f + 0.38f * static_cast<float>(i),
                          2.0f + 0.38f * static_cast<float>(j)};
            Solution s;
            if (!solvesAt(sample, f, s)) {
                if (failed++ == 0) first = std::to_string(f.Wt) + " / " + std::to_string(f.Ws);
                continue;
            }
            expectBalanced(s, f);
        }
    }
    EXPECT_EQ(failed, 0) << "first: " << first;
}

}  // namespace
}  // namespace hx
