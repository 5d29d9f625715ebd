#include "core/calc_trace.h"

#include <algorithm>
#include <cmath>

namespace hx {

namespace {

struct StepText {
    const char* key;
    const char* en;
    const char* ja;
};

constexpr StepText kStepTexts[] = {
    {"properties", "Properties at the mean temperatures", "平均温度における物性"},
    {"tube_film", "Tube-side film", "管内側境膜"},
    {"shell_film", "Shell-side film", "胴側境膜"},
    {"wall_temperature", "Wall temperature and viscosity correction", "壁温と粘度補正"},
    {"resistances", "Fouling and wall resistances", "汚れ係数と管壁抵抗"},
    {"overall", "Overall coefficients", "総括伝熱係数"},
    {"mean_temperature", "Mean temperature difference and effectiveness", "平均温度差と温度効率"},
    {"duty", "Duty and outlet temperatures", "交換熱量と出口温度"},
    {"pressure_drop", "Pressure drops", "圧力損失"},
    {"wet_gas", "Wet-gas balance and humidity", "湿りガスの収支と湿度"},
    {"end_checks", "End checks", "終了時の検査"},
};
static_assert(std::size(kStepTexts) == static_cast<std::size_t>(TraceStep::Count));

const StepText& textOf(TraceStep step) { return kStepTexts[static_cast<int>(step)]; }

}  // namespace

const char* traceStepHeading(TraceStep step, bool japanese) {
    return japanese ? textOf(step).ja : textOf(step).en;
}

const char* traceStepKey(TraceStep step) { return textOf(step).key; }

void CalcTrace::beginStep(TraceStep step) {
    step_ = step;
    std::erase_if(entries_, [step](const TraceEntry& e) { return e.step == step; });
}

TraceEntry& CalcTrace::add(std::string symbol, TraceName name, float value, std::string unit,
                           std::string formula, std::string expr, std::vector<TraceVar> vars) {
    TraceEntry& e = entries_.emplace_back();
    e.step = step_;
    e.symbol = std::move(symbol);
    e.name = name;
    e.value = value;
    e.unit = std::move(unit);
    e.formula = std::move(formula);
    e.expr = std::move(expr);
    e.vars = std::move(vars);
    return e;
}

TraceEntry& CalcTrace::addLookup(std::string symbol, TraceName name, float value, std::string unit,
                                 std::string source) {
    TraceEntry& e = add(std::move(symbol), name, value, std::move(unit), {}, {}, {});
    e.source = std::move(source);
    return e;
}

void CalcTrace::addIteration(float Q, float T2, float T4, float KI) {
    TraceIteration it{static_cast<int>(iterations_.size()) + 1, Q, T2, T4, KI, 0.0f};
    if (!iterations_.empty() && Q != 0.0f)
        it.change = std::fabs(Q - iterations_.back().Q) / std::fabs(Q);
    iterations_.push_back(it);
}

std::vector<TraceEntry> CalcTrace::entries() const {
    std::vector<TraceEntry> sorted = entries_;
    std::stable_sort(sorted.begin(), sorted.end(), [](const TraceEntry& a, const TraceEntry& b) {
        return static_cast<int>(a.step) < static_cast<int>(b.step);
    });
    return sorted;
}

}  // namespace hx
