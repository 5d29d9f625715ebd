// The results screen of a converged run: the run header (title, mode and
// material sentences, gas composition, property block) and the summary
// table "Summary of caluculation results", one row per result quantity with
// its tube-side and shell-side value, in one of the four presentations.
#pragma once

#include "calc/case/run_inputs.h"
#include "calc/solver/solution.h"
#include "console/text_console.h"
#include "report/screen/presentation.h"

namespace hx {

// Clears the window and prints the header and the table of presentation p
// from `shown` (engineering units: the solution, or a ResultsView of it
// after the presentation's entry steps). An SI presentation prints from a
// converted copy.
void showResultsSummary(Presentation p, const RunInputs& in, const Solution& shown,
                        TextConsole& console);

// The results converted to the SI units of the screens (mm, W, W/m2K,
// kg/s, MPa, kJ/kgK, m2/s, K); the inverse is never needed. Differences
// (TM), areas, velocities and ratios are the same in both systems. The
// outlet wet-gas flow GWo stays in kg/h: the English SI humidity table
// prints it so, the Japanese SI one divides it by 3600 itself.
Solution convertedToSI(const Solution& r);

// The values a presentation shows, in its units: the engineering values as
// they are, or for SI the converted copy with the finned area of low-fin
// tubes taken from the tube geometry.
Solution inUnitsOf(Presentation p, const RunInputs& in, const Solution& r);

}  // namespace hx
