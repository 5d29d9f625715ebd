// The calculation trace: every quantity of the converged pass, in the order
// it is computed, grouped by step, each with its formula written twice (for
// people, and as a plain expression a formula parser evaluates from the
// substituted inputs), the inputs with their values and units, the
// correlation's card and whether its inputs lie in its range.
//
// A solve reports into the trace its progress carries. The trace is off by
// default: a recording site asks `enabled()` first, so a solve that keeps no
// trace builds no strings. A step clears its own entries when it starts
// again, so the trace holds the last evaluation of each step, the one the
// solution reports; the iteration history keeps every pass.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace hx {

// The steps of a trace, in the order they are shown.
enum class TraceStep : int {
    Properties,
    TubeFilm,
    ShellFilm,
    WallTemperature,
    Resistances,
    Overall,
    MeanTemperature,
    Duty,
    PressureDrop,
    WetGas,
    EndChecks,
    Count
};

// The heading of a step, in English or Japanese; its key for the JSON.
const char* traceStepHeading(TraceStep step, bool japanese);
const char* traceStepKey(TraceStep step);

// A name in both languages.
struct TraceName {
    const char* en = "";
    const char* ja = "";
};

// One substituted input: the variable of the expression, its value in the
// units the expression uses, and that unit.
struct TraceVar {
    std::string name;
    float value = 0.0f;
    std::string unit;
};

struct TraceEntry {
    TraceStep step = TraceStep::Properties;
    std::string symbol;  // "Re_t"
    TraceName name;
    float value = 0.0f;
    std::string unit;     // the working unit of the value and of the expression
    std::string formula;  // for people
    std::string expr;     // for the formula parser; empty when looked up or chosen
    std::vector<TraceVar> vars;
    std::string source;       // where a looked-up value comes from, or the correlation's source
    std::string correlation;  // the correlation (and branch) that gave the value
    std::string range;        // its validity range, "Re 3000 to 5e+06"
    std::optional<bool> inRange;
};

// One pass of the efficiency loop (or of the balance loop of a design).
struct TraceIteration {
    int pass = 0;
    float Q = 0.0f;       // kcal/h
    float T2 = 0.0f;      // shell outlet, ℃
    float T4 = 0.0f;      // tube outlet, ℃
    float KI = 0.0f;      // kcal/m2h℃
    float change = 0.0f;  // |ΔQ| from the pass before over Q, -
};

class CalcTrace {
public:
    explicit CalcTrace(bool enabled = false) : enabled_(enabled) {}

    bool enabled() const { return enabled_; }

    // The step the next entries belong to; its earlier entries are dropped.
    void beginStep(TraceStep step);
    TraceStep step() const { return step_; }
    // The step the next entries belong to, keeping the entries it has.
    void continueStep(TraceStep step) { step_ = step; }

    // An entry of the current step.
    TraceEntry& add(std::string symbol, TraceName name, float value, std::string unit,
                    std::string formula, std::string expr, std::vector<TraceVar> vars);
    // A value looked up or chosen (no expression): `source` says where from.
    TraceEntry& addLookup(std::string symbol, TraceName name, float value, std::string unit,
                          std::string source);

    void addIteration(float Q, float T2, float T4, float KI);
    // The message a run ended with; the entries up to it stay.
    void endWith(std::vector<std::string> lines) { message_ = std::move(lines); }

    // The entries, step by step in the order of the steps, each step's in
    // the order they were computed.
    std::vector<TraceEntry> entries() const;
    const std::vector<TraceIteration>& iterations() const { return iterations_; }
    const std::vector<std::string>& message() const { return message_; }

private:
    bool enabled_ = false;
    TraceStep step_ = TraceStep::Properties;
    std::vector<TraceEntry> entries_;
    std::vector<TraceIteration> iterations_;
    std::vector<std::string> message_;
};

}  // namespace hx
