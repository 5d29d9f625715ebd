// The print menu of the results (key "1"): a text summary or a text detail
// of the run, a hard copy of the result form with its drawing, a hard copy
// of the text window, the calculation trace of the run (key "7"), the
// temperature profile (key "8": its table and chart), return, and in the
// Japanese menus the program end. Everything printed goes to the one print job of the program run.
#pragma once

#include "calc/case/run_inputs.h"
#include "calc/solver/solution.h"
#include "model/session.h"
#include "report/screen/presentation.h"

namespace hx {

// Runs the menu of presentation p until "5"; the caller then shows the
// presentation again. "6" in the Japanese menus throws ProgramExit. `shown`
// holds the results as the screens show them (a ResultsView).
void runPrintMenu(Session& session, Presentation p, const RunInputs& in, const Solution& shown);

}  // namespace hx
