// The results menu: after the summary table the run reads one key at a time
// and closes the program, prints, switches units or language, shows the
// wet-gas data or the heat-balance check, or restarts for new input.
#pragma once

#include "calc/case/run_inputs.h"
#include "calc/solver/solution.h"
#include "model/session.h"

namespace hx {

// Shows the first presentation (English, engineering units) and runs the
// menu until the restart key; returns then, and the caller performs the
// end-of-run reset. "0" answered with "y" throws ProgramExit.
void runResultsMenu(Session& session, const RunInputs& in, const Solution& solution);

}  // namespace hx
