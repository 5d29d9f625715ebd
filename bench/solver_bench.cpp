// Timing of the thermal solver headless, console output kept in memory:
// the worked example (the sample rated at 1000 mm), and a balanced
// counter-current exchanger at NTU = 3 whose efficiency loop never settles
// and runs to its 4501-pass limit (the dialog answered "2").
#include <benchmark/benchmark.h>

#include "program/demo.h"
#include "model/platform.h"
#include "calc/calculation_driver.h"
#include "core/option_codes.h"
#include "core/run_ended.h"
#include "calc/thermal_solver.h"
#include "console/scripted_console.h"
#include "program/startup.h"

namespace {

struct PreparedCase {
    hx::DesignCase dc;
    hx::RunResult r;
};

PreparedCase prepareExample() {
    hx::ScriptedConsole console;
    hx::ScriptedPlatform platform;
    hx::Session session(console, platform);
    hx::startProgram(session);
    hx::enterDemoCase(session);
    PreparedCase p;
    hx::prepareCalculation(session, p.dc, p.r);
    return p;
}

// Equal hand-entered liquids at equal flows (R = 1) in 15.27 m tubes: the
// damped efficiency iteration of a balanced exchanger has the factor
// (1 − NTU)/2 = −1 here and alternates for ever.
PreparedCase prepareLimitCase() {
    PreparedCase p = prepareExample();
    hx::DesignCase& dc = p.dc;
    dc.TL = 15.27f;
    dc.tubeMethod = hx::kLiquidByHand;
    dc.shellMethod = hx::kLiquidByHand;
    dc.Dt = dc.Ds = 1000.0f;
    dc.Ct = dc.Cs = 1.0f;
    dc.Vt = dc.Vs = 0.002f;
    dc.Kt = dc.KS = 0.55f;
    dc.shellBulkViscosity = dc.shellWallViscosity = dc.Vs;
    dc.tubeCorrectionViscosity = dc.Vt;
    return p;
}

void BM_ExampleSolve(benchmark::State& state) {
    const PreparedCase p = prepareExample();
    for (auto _ : state) {
        hx::ScriptedConsole console;
        hx::DesignCase dc = p.dc;
        hx::RunResult r = p.r;
        hx::runThermalSolver(dc, r, console);
        benchmark::DoNotOptimize(r.Q);
    }
}
BENCHMARK(BM_ExampleSolve)->Unit(benchmark::kMicrosecond);

void BM_EfficiencyLoopLimit(benchmark::State& state) {
    const PreparedCase p = prepareLimitCase();
    for (auto _ : state) {
        hx::ScriptedConsole console;
        console.queueAnswer("2");  // give up at the limit dialog
        hx::DesignCase dc = p.dc;
        hx::RunResult r = p.r;
        bool reachedLimit = false;
        try {
            hx::runThermalSolver(dc, r, console);
        } catch (const hx::RunEnded&) {
            reachedLimit = true;
        }
        if (!reachedLimit) state.SkipWithError("the limit case converged");
    }
}
BENCHMARK(BM_EfficiencyLoopLimit)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
