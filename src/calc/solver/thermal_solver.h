// The thermal solver: nested fixed-point iterations over the outlet
// temperatures (or the length) and the thermal efficiency, with the
// properties of both streams re-evaluated at the current mean
// temperatures. It shows its progress in fixed rows of the text window and
// asks the user at its iteration limits.
#pragma once

#include "calc/case/run_inputs.h"
#include "calc/solver/solution.h"
#include "calc/solver/solver_progress.h"

namespace hx {

// Solves the prepared case and returns the converged solution in the
// working units. Passes, balance lines and iteration limits go to
// `progress`; the warnings and questions of the correlations to its
// console. A run that cannot go on has shown its message and halted there,
// and throws RunEnded (carrying the message).
Solution solve(const RunInputs& in, SolverProgress& progress);

// Iteration limits.
inline constexpr int kEfficiencyLoopLimit = 4501;  // Calc. Limit 1
inline constexpr int kOuterRestartLimit = 51;      // Calc. Limit 3
inline constexpr int kGasOutletRestartLimit = 51;
inline constexpr int kTotalPassLimit = 10000;

// The tolerance multiplier of the efficiency loop after `passes` passes:
// 1, then 10 after 100, 50 after 500, 100 after 700, 500 after 1000.
float toleranceMultiplier(int passes);

}  // namespace hx
