// Where every solve starts: the property defaults of the run and the first
// guesses of the iteration, in working units.
#pragma once

#include "calc/case/run_inputs.h"
#include "calc/solver/solution.h"

namespace hx {

// The defaults depend on the tube phase (gas or liquid) and the shell
// property method; a gas tube side takes its humidity set-up.
Solution startingSolution(const RunInputs& in);

// The normal density of a sensible tube gas, kg/Nm3: the density typed in
// for a gas entered by hand (property method 2, or a wet gas at its own
// pressure, whose properties are typed in), otherwise the composition's
// M/22.4. The normal flow of the Reynolds number, the velocity and the
// tube drop follow from it. A condensing or boiling tube side keeps the
// composition's value: its entered density is that of the vapour.
float tubeGasNormalDensity(const DesignCase& dc, float compositionDensity);

}  // namespace hx
