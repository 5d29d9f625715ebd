// Preparing a run: everything between reading the forms and the solver.
#pragma once

#include "calc/case/run_inputs.h"
#include "console/text_console.h"

namespace hx {

// The presence, range and order checks of the entered case, the banner and
// the console questions, gas composition and humidity, the unit conversions
// and the hand-entered properties in working units. A failed check halts
// and throws RunEnded.
RunInputs prepare(const EnteredCase& entered, TextConsole& console);

}  // namespace hx
