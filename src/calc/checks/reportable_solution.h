// The last guard before a solution is reported: every quantity the reports
// print is a finite number, and none is physically impossible (a negative
// length, area, flow, velocity, pressure drop or duty, fewer than one tube,
// a sensible-heat efficiency above 1). The checks of the fluid modes catch
// the causes they know with their own messages first; whatever gets past
// them ends in the calculation-failed message rather than on a report.
#pragma once

#include "calc/case/run_inputs.h"
#include "calc/solver/solution.h"
#include "console/text_console.h"

namespace hx {

// Whether the solution of these inputs may be reported.
bool solutionIsReportable(const RunInputs& in, const Solution& r);

// Ends the run with the calculation-failed message when it may not.
void checkReportable(const RunInputs& in, const Solution& r, TextConsole& console);

// The checks of a solution once the solver and any area adjustment are
// done, in their order: the condensate against the areas (checkShellAreas),
// the outlets of modes 1 and 2 (checkSensibleSolution), heat exchanged at
// all (checkHeatExchanged), then reportable. The start button and the
// headless runs both call it, so that no path reports what the other ends.
void checkSolution(const RunInputs& in, const Solution& r, TextConsole& console);

}  // namespace hx
