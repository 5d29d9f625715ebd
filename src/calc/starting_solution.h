// Where every solve starts: the property defaults of the run and the first
// guesses of the iteration, in working units.
#pragma once

#include "calc/run_inputs.h"
#include "calc/solution.h"

namespace hx {

// The defaults depend on the tube phase (gas or liquid) and the shell
// property method; a gas tube side takes its humidity set-up.
Solution startingSolution(const RunInputs& in);

}  // namespace hx
