// The run header of the results screen: blank lines, the program title, the
// heat-transfer mode, the fluids of both sides, the tube configuration, the
// gas composition (or the dew point) and the property block at the property
// mean temperatures, in one of the four presentations.
#pragma once

#include "calc/design_case.h"
#include "calc/run_inputs.h"
#include "calc/solution.h"
#include "console/text_console.h"
#include "report/presentation.h"

namespace hx {

// Whether the tube gas humidity comes from the atmospheric dew point Ta and
// the gas pressure Pt. The basis is a setting of the wet-gas mode only; a
// code left on the form from an earlier wet-gas case does not count.
bool dewPointBasis(const DesignCase& dc);

// Prints the header lines. `shown` holds the values in the units of the
// presentation (for SI the converted copy of the results).
void printRunHeader(Presentation p, const RunInputs& in, const Solution& shown,
                    TextConsole& console);

}  // namespace hx
