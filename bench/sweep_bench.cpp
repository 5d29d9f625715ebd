// Timing of `hxcalc sweep`: the sample's 10,000-case grid of tube lengths
// (500 to 5000 mm) by shell flows (1 to 20 t/h), each case prepared, solved
// and checked headless with its row of results, on 1 and on 2 threads
// (the argument). The wall time is the measure: real time is used.
#include <benchmark/benchmark.h>

#include "program/batch/batch_run.h"
#include "program/session/starting_cases.h"

namespace {

void BM_Sweep10000(benchmark::State& state) {
    const hx::CaseValues values = *hx::startingCase("shell-and-tube");
    const std::vector<hx::Variation> grid = {
        hx::parseVariation("tube_length_mm=500:5000:100", values),
        hx::parseVariation("shell_flow_t_h=1:20:100", values)};
    const hx::EnteredCase base = hx::enteredCaseOf(values, "sample");
    const int jobs = static_cast<int>(state.range(0));
    std::size_t solved = 0;
    for (auto _ : state) {
        const std::vector<hx::SweepRow> rows = hx::runSweep(
            base, {}, grid, jobs, hx::LimitPolicy{}, hx::Presentation::EnglishEngineering, nullptr);
        solved = 0;
        for (const hx::SweepRow& row : rows) solved += row.solved ? 1 : 0;
        benchmark::DoNotOptimize(rows.data());
    }
    state.counters["solved"] = static_cast<double>(solved);
}
BENCHMARK(BM_Sweep10000)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
