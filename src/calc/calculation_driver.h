// The start button: one whole calculation inside one event, from reading
// the fields to the end-of-run reset.
#pragma once

#include <functional>

#include "model/session.h"
#include "calc/design_case.h"

namespace hx {

// What follows a converged solution: the result screens and their menu,
// which live above the calculation. Returns when the user restarts.
using ResultsStage = std::function<void(Session&, const DesignCase&, RunResult&)>;

// Runs one calculation: reading and checking the case, the solver, the
// phase-change limits, then the results stage. Every halt and the restart
// end in the end-of-run reset.
void BUTTON1_ON(Session& session, const ResultsStage& results);

// Everything before the solver: the fields read into a fresh case, the
// presence, range and order checks, the banner and console questions, gas
// composition and humidity, the unit conversions and the hand-entered
// properties in working units. A failed check halts and throws RunEnded.
void prepareCalculation(Session& session, DesignCase& dc, RunResult& r);

// The end-of-run reset: console cleared, forms enabled again.
void endOfRunReset(Session& session);

void registerCalculationHandlers(DispatchTable& table, ResultsStage results);

}  // namespace hx
