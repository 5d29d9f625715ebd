// The start button: one whole calculation inside one event, from reading
// the fields to the end-of-run reset.
#pragma once

#include <functional>

#include "calc/case/run_inputs.h"
#include "calc/solver/solution.h"
#include "model/session.h"

namespace hx {

// What follows a converged solution: the result screens and their menu,
// which live above the calculation. Returns when the user restarts.
using ResultsStage = std::function<void(Session&, const RunInputs&, const Solution&)>;

// Runs one calculation: the fields read once (EnteredCase), prepared
// (RunInputs), solved with the progress screen (Solution), the phase-change
// limits, then the results stage. Every halt and the restart end in the
// end-of-run reset.
void BUTTON1_ON(Session& session, const ResultsStage& results);

// The end-of-run reset: console cleared, forms enabled again.
void endOfRunReset(Session& session);

// The enabling step of the reset alone: the controls a run froze are given
// back, with the flow arrangement and twisted tape as the mode allows.
void enableInputs(Session& session);

void registerCalculationHandlers(DispatchTable& table, ResultsStage results);

}  // namespace hx
