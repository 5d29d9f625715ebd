// Timing of `hxcalc design`: 100,000 candidates of the standard space for
// the sample asked to heat its shell water to 40 ℃ (25 tube counts from 10
// to 2118, two baffle cuts, the other lists standard), the length-ratio
// limits opened so that every candidate is rated; on 1 and on 2 threads
// (the argument). The wall time is the measure: real time is used.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "program/batch/design_search.h"
#include "program/session/starting_cases.h"

namespace {

void BM_DesignSearch100000(benchmark::State& state) {
    hx::CaseValues values = *hx::startingCase("shell-and-tube");
    values.choices["solve_for"] = "shell_outlet_given";
    values.inputs.erase("tube_length_mm");
    values.inputs["shell_outlet_temperature"] = 313.0f;
    std::string counts = "tube_count=";
    for (int i = 0; i < 25; ++i)
        counts += (i ? "," : "") + std::to_string(std::lround(10.0 * std::pow(1.25, i)));
    hx::DesignLimits limits;
    limits.minLengthRatio = 0.0f;
    limits.maxLengthRatio = 1.0e6f;
    limits.maxDPt = limits.maxDPs = 0.5f;
    const hx::DesignProblem problem = hx::designProblem(
        values, "sample", {counts, "baffle_cut=0.5,0.3"}, limits, hx::Objective::Area);
    const int jobs = static_cast<int>(state.range(0));
    std::size_t feasible = 0;
    for (auto _ : state) {
        const hx::DesignSearchResult result =
            hx::searchDesigns(problem, 10, jobs, hx::LimitPolicy{},
                              hx::Presentation::EnglishEngineering, nullptr, nullptr);
        feasible = result.feasible;
        benchmark::DoNotOptimize(result.ranked.data());
    }
    state.counters["candidates"] = static_cast<double>(problem.space.size());
    state.counters["feasible"] = static_cast<double>(feasible);
}
BENCHMARK(BM_DesignSearch100000)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
