// The worked example run without a display: the shell-and-tube sample in
// the English SI code, water by correlation on both sides, sensible heat,
// counter-current, the tube length given.
#pragma once

#include <ostream>

#include "calc/case/run_inputs.h"
#include "model/session.h"

namespace hx {

// Enters the example through the dialogs as a user would, up to the point
// where the start button is enabled.
void enterDemoCase(Session& session);

// The example as the forms hold it then, read as a run reads it: the start
// of headless runs, sweeps and benchmarks.
EnteredCase demoEnteredCase();

// `hxcalc --demo`: solves the example and prints its results summary in
// English engineering and then English SI units. Returns the exit status.
int runDemo(std::ostream& out);

}  // namespace hx
