// Timing of the run stages headless:
//  - BM_ExampleSolve: the worked example (the sample rated at 1000 mm)
//    solved with its progress screen drawn into a scripted console kept in
//    memory, as a replay does;
//  - BM_SolveHeadless: the same prepared inputs solved with the null
//    progress, the physics alone;
//  - BM_Sweep1000: 1000 variations of the example's two flows, each read,
//    prepared and solved headless, as a parameter sweep does;
//  - BM_EfficiencyLoopLimit: a balanced counter-current exchanger at
//    NTU = 3 whose efficiency loop never settles and runs to its 4501-pass
//    limit (the dialog answered "2").
#include <benchmark/benchmark.h>

#include "calc/case/prepare.h"
#include "calc/solver/solver_progress.h"
#include "calc/solver/thermal_solver.h"
#include "console/null_console.h"
#include "console/scripted_console.h"
#include "core/option_codes.h"
#include "core/run_ended.h"
#include "program/session/demo.h"

namespace {

hx::RunInputs preparedExample() {
    hx::NullConsole console;
    return hx::prepare(hx::demoEnteredCase(), console);
}

// Equal hand-entered liquids at equal flows (R = 1) in 15.27 m tubes: the
// damped efficiency iteration of a balanced exchanger has the factor
// (1 − NTU)/2 = −1 here and alternates for ever.
hx::RunInputs preparedLimitCase() {
    hx::RunInputs in = preparedExample();
    hx::DesignCase& dc = in.dc;
    dc.TL = 15.27f;
    dc.tubeMethod = hx::kLiquidByHand;
    dc.shellMethod = hx::kLiquidByHand;
    dc.Dt = dc.Ds = 1000.0f;
    dc.Ct = dc.Cs = 1.0f;
    dc.Vt = dc.Vs = 0.002f;
    dc.Kt = dc.KS = 0.55f;
    dc.shellBulkViscosity = dc.shellWallViscosity = dc.Vs;
    dc.tubeCorrectionViscosity = dc.Vt;
    return in;
}

void BM_ExampleSolve(benchmark::State& state) {
    const hx::RunInputs in = preparedExample();
    for (auto _ : state) {
        hx::ScriptedConsole console;
        hx::ConsoleProgress progress(console);
        const hx::Solution s = hx::solve(in, progress);
        benchmark::DoNotOptimize(s.Q);
    }
}
BENCHMARK(BM_ExampleSolve)->Unit(benchmark::kMicrosecond);

void BM_SolveHeadless(benchmark::State& state) {
    const hx::RunInputs in = preparedExample();
    for (auto _ : state) {
        hx::NullProgress progress;
        const hx::Solution s = hx::solve(in, progress);
        benchmark::DoNotOptimize(s.Q);
    }
}
BENCHMARK(BM_SolveHeadless)->Unit(benchmark::kMicrosecond);

// Tube and shell flows from 5 to 15 t/h (the example has 10 on both
// sides): 40 tube flows by 25 shell flows. A variation that ends in a
// message would count as run; the counter `solved` says how many converged
// (all of them).
void BM_Sweep1000(benchmark::State& state) {
    const hx::EnteredCase example = hx::demoEnteredCase();
    int solved = 0;
    for (auto _ : state) {
        solved = 0;
        for (int i = 0; i < 40; ++i) {
            for (int j = 0; j < 25; ++j) {
                hx::EnteredCase entered = example;
                entered.values.Wt = 5.0f + 0.25f * static_cast<float>(i);
                entered.values.Ws = 5.0f + 0.4f * static_cast<float>(j);
                hx::NullConsole console;
                hx::NullProgress progress;
                try {
                    const hx::Solution s = hx::solve(hx::prepare(entered, console), progress);
                    benchmark::DoNotOptimize(s.Q);
                    ++solved;
                } catch (const hx::RunEnded&) {
                }
            }
        }
    }
    state.counters["solved"] = solved;
}
BENCHMARK(BM_Sweep1000)->Unit(benchmark::kMillisecond);

void BM_EfficiencyLoopLimit(benchmark::State& state) {
    const hx::RunInputs in = preparedLimitCase();
    for (auto _ : state) {
        hx::ScriptedConsole console;
        console.queueAnswer("2");  // give up at the limit dialog
        hx::ConsoleProgress progress(console);
        bool reachedLimit = false;
        try {
            hx::solve(in, progress);
        } catch (const hx::RunEnded&) {
            reachedLimit = true;
        }
        if (!reachedLimit) state.SkipWithError("the limit case converged");
    }
}
BENCHMARK(BM_EfficiencyLoopLimit)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
