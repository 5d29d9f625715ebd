// The rating of the sample at a high number of transfer units: where the
// effectiveness is capped at 0.9999, or an end difference is lost in the
// rounding of the outlets, TM is the difference the effectiveness implies,
// Q/(KI·Ai), so that At, TL and TM agree; longer tubes give a smaller TM,
// and a long parallel-flow exchanger solves.
#include <gtest/gtest.h>

#include <cmath>

#include "calc/case/prepare.h"
#include "calc/solver/solver_progress.h"
#include "calc/solver/thermal_solver.h"
#include "console/null_console.h"
#include "core/option_codes.h"
#include "correlations/exchanger/mean_temperature.h"
#include "program/session/demo.h"

namespace hx {
namespace {

// The sample with the tube length (mm), the shell flow (t/h) and the flow
// arrangement given, solved headless.
Solution solveSample(float lengthMm, float shellFlow, int arrangement) {
    EnteredCase entered = demoEnteredCase();
    entered.values.TL = lengthMm;
    entered.values.Ws = shellFlow;
    entered.values.flowArrangement = arrangement;
    NullConsole console;
    NullProgress progress;
    return solve(prepare(entered, console), progress);
}

float insideArea(const Solution& s, const DesignCase& dc) { return 3.14f * dc.DI * dc.NT * s.TL; }

// The counter-current mean difference of the outlets at the exact
// effectiveness of the NTU reached: Q/(KI·A) = ε·|T1 − T3|/NTU, in double.
double exactCounterFlowTM(double NTU, double R, double span) {
    const double x = std::exp(-NTU * (1.0 - R));
    const double eps = (1.0 - x) / (1.0 - R * x);
    return eps * span / NTU;
}

TEST(HighNtu, CappedEffectivenessGivesTheImpliedMeanDifference) {
    RatingInputs in;
    in.KI = 1000.0f;
    in.Ai = 20.0f;  // NTU 20 at Cmin 1000
    in.previousAt = 20.0f;
    in.rates = capacityRates(10000.0f, 1000.0f);
    in.shellRateForF = 1000.0f;
    in.arrangement = kCounterCrossFlow;
    in.T1 = 20.0f;
    in.T3 = 80.0f;
    const std::optional<RatingResult> r = ratingMeanTemperature(in);
    ASSERT_TRUE(r);
    EXPECT_FLOAT_EQ(r->eps, 0.9999f);
    EXPECT_NEAR(r->mean.TM, r->Q / (in.KI * in.Ai), 1e-5f);
    EXPECT_NEAR(r->mean.TM, exactCounterFlowTM(20.0, 0.1, 60.0), 1e-3);
    // Twice the area, half the difference.
    in.Ai = 40.0f;
    const std::optional<RatingResult> longer = ratingMeanTemperature(in);
    ASSERT_TRUE(longer);
    EXPECT_NEAR(longer->mean.TM, r->mean.TM / 2.0f, 1e-4f);
}

TEST(HighNtu, ParallelEndDifferenceLostInRoundingStillSolves) {
    RatingInputs in;
    in.KI = 1000.0f;
    in.Ai = 45.0f;  // NTU·(1 + R) = 49.5: T2 and T4 meet in single precision
    in.previousAt = 45.0f;
    in.rates = capacityRates(10000.0f, 1000.0f);
    in.shellRateForF = 1000.0f;
    in.arrangement = kParallelFlow;
    in.T1 = 20.0f;
    in.T3 = 80.0f;
    const std::optional<RatingResult> r = ratingMeanTemperature(in);
    ASSERT_TRUE(r);
    EXPECT_NEAR(r->mean.TM, r->Q / (in.KI * in.Ai), 1e-5f);
}

TEST(HighNtu, LongerTubesGiveASmallerMeanDifferenceWithinHalfAPercent) {
    const DesignCase dc = [] {
        NullConsole console;
        return prepare(demoEnteredCase(), console).dc;
    }();
    float previousTM = 0.0f;
    for (float length : {20000.0f, 40000.0f}) {
        const Solution s = solveSample(length, 1.0f, kCounterCrossFlow);
        const double tube = s.tubeMassFlowTonH * 1000.0 * static_cast<double>(s.Ct);
        const double shell = s.shellMassFlowTonH * 1000.0 * static_cast<double>(s.Cs);
        const double cmin = std::min(tube, shell);
        const double NTU = static_cast<double>(s.KI * insideArea(s, dc)) / cmin;
        const double exact =
            exactCounterFlowTM(NTU, cmin / std::max(tube, shell), std::fabs(s.T1 - s.T3));
        EXPECT_NEAR(static_cast<double>(s.TM) / exact, 1.0, 0.005) << length;
        EXPECT_NEAR(s.KI * s.At * s.TM / s.Q, 1.0f, 1e-3f) << length;
        EXPECT_NE(s.TM, previousTM) << length;
        previousTM = s.TM;
    }
}

TEST(HighNtu, LongParallelFlowExchangerSolves) {
    const Solution s = solveSample(60000.0f, 1.0f, kParallelFlow);
    EXPECT_NEAR(s.KI * s.At * s.TM / s.Q, 1.0f, 1e-3f);
    EXPECT_LE(s.Et, 1.0f);
    EXPECT_LE(s.Es, 1.0f);
}

}  // namespace
}  // namespace hx
