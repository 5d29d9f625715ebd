// The thermal solver: nested fixed-point iterations over the outlet
// temperatures (or the length) and the thermal efficiency, with the
// properties of both streams re-evaluated at the current mean
// temperatures. It shows its progress in fixed rows of the text window and
// asks the user at its iteration limits.
#pragma once

#include "calc/design_case.h"
#include "console/text_console.h"

namespace hx {

// Solves the prepared case: on return `r` holds the converged solution in
// the working units (and `dc.T2`/`dc.T4` are left as entered). A run that
// cannot go on has printed its message and halted, and throws RunEnded.
void runThermalSolver(DesignCase& dc, RunResult& r, TextConsole& console);

// Iteration limits.
inline constexpr int kEfficiencyLoopLimit = 4501;  // Calc. Limit 1
inline constexpr int kOuterRestartLimit = 51;      // Calc. Limit 3
inline constexpr int kGasOutletRestartLimit = 51;
inline constexpr int kTotalPassLimit = 10000;

// The tolerance multiplier of the efficiency loop after `passes` passes:
// 1, then 10 after 100, 50 after 500, 100 after 700, 500 after 1000.
float toleranceMultiplier(int passes);

}  // namespace hx
