// The results screen of a converged run: the run header (title, mode and
// material sentences, gas composition, property block) and the summary
// table "Summary of caluculation results", one row per result quantity with
// its tube-side and shell-side value, in one of the four presentations.
#pragma once

#include "calc/design_case.h"
#include "console/text_console.h"
#include "report/presentation.h"

namespace hx {

// Runs the entry steps of the presentation on the held results (engineering
// units), clears the window and prints the header and the table. An SI
// presentation prints from a converted copy, so the held values are never
// converted; the wet-gas replacements (Tzi/TZo for Tti/Tto, QK for Q) stay
// in the held values as the later presentations and the check table expect.
void showResultsSummary(Presentation p, const DesignCase& dc, RunResult& r, TextConsole& console);

// The held results converted to the SI units of the screens (mm, W, W/m2K,
// kg/s, MPa, kJ/kgK, m2/s, K); the inverse is never needed. Differences
// (TM), areas, velocities and ratios are the same in both systems. The
// outlet wet-gas flow GWo stays in kg/h: the English SI humidity table
// prints it so, the Japanese SI one divides it by 3600 itself.
RunResult convertedToSI(const RunResult& r);

}  // namespace hx
