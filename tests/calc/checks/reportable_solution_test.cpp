// The last guard before a report: a non-finite or physically impossible
// quantity ends the run in the calculation-failed message.
#include "calc/checks/reportable_solution.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "console/scripted_console.h"
#include "core/option_codes.h"
#include "core/run_ended.h"

namespace hx {
namespace {

RunInputs sensibleCase() {
    RunInputs in;
    in.dc.fluidMode = kSensible;
    in.dc.unitCode = kEnglishSI;
    in.dc.NT = 100.0f;
    return in;
}

Solution soundSolution() {
    Solution r;
    r.Q = 100000.0f;
    r.KI = 500.0f;
    r.TM = 20.0f;
    r.At = r.As = r.Asf = 10.0f;
    r.TL = r.LT = 2.0f;
    r.Et = 1.0f;
    r.Es = 0.5f;
    return r;
}

TEST(ReportableSolution, SoundSolutionPasses) {
    EXPECT_TRUE(solutionIsReportable(sensibleCase(), soundSolution()));
}

TEST(ReportableSolution, NonFiniteOrNegativeQuantitiesFail) {
    const RunInputs in = sensibleCase();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    for (float Solution::*q : {&Solution::Ut, &Solution::DPs, &Solution::KS, &Solution::Xi}) {
        Solution r = soundSolution();
        r.*q = inf;
        EXPECT_FALSE(solutionIsReportable(in, r));
        r.*q = nan;
        EXPECT_FALSE(solutionIsReportable(in, r));
    }
    for (float Solution::*q : {&Solution::TL, &Solution::As, &Solution::Us, &Solution::Wcon}) {
        Solution r = soundSolution();
        r.*q = -0.001f;
        EXPECT_FALSE(solutionIsReportable(in, r));
    }
}

TEST(ReportableSolution, FewerThanOneTubeFails) {
    RunInputs in = sensibleCase();
    in.dc.NT = 0.9f;
    EXPECT_FALSE(solutionIsReportable(in, soundSolution()));
}

TEST(ReportableSolution, SensibleEfficiencyAboveOneFails) {
    RunInputs in = sensibleCase();
    Solution r = soundSolution();
    r.Et = 1.00004f;  // prints as 1.0000
    EXPECT_TRUE(solutionIsReportable(in, r));
    r.Et = 1.0001f;
    EXPECT_FALSE(solutionIsReportable(in, r));
    in.dc.fluidMode = kShellPhaseChange;  // the saturated side has no such bound
    EXPECT_TRUE(solutionIsReportable(in, r));
}

TEST(ReportableSolution, CheckEndsTheRunWithTheFailedMessage) {
    ScriptedConsole console;
    console.queueAnswer("");
    Solution r = soundSolution();
    r.TL = 0.0f;
    EXPECT_THROW(checkReportable(sensibleCase(), r, console), RunEnded);
    bool shown = false;
    for (const std::string& line : console.transcript())
        shown = shown || line.find("Calculation failed") != std::string::npos;
    EXPECT_TRUE(shown);
}

}  // namespace
}  // namespace hx
