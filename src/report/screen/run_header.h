// The run header of the results screen: blank lines, the program title, the
// heat-transfer mode, the fluids of both sides, the tube configuration, the
// gas composition (or the dew point) and the property block at the property
// mean temperatures, in one of the four presentations.
#pragma once

#include <string_view>

#include "calc/case/design_case.h"
#include "calc/case/run_inputs.h"
#include "calc/solver/solution.h"
#include "console/text_console.h"
#include "report/screen/presentation.h"

namespace hx {

// Whether the tube gas humidity comes from the atmospheric dew point Ta and
// the gas pressure Pt. The basis is a setting of the wet-gas mode only; a
// code left on the form from an earlier wet-gas case does not count.
bool dewPointBasis(const DesignCase& dc);

// The sentences of the header in the column of presentation p (English
// engineering, English SI, Japanese): the fluid of each side by its
// property method, the inside tube (twisted tape or bare) and the outside
// tube (low fin or bare). Empty for a method code out of range.
std::string_view tubeFluidSentence(Presentation p, int tubeMethod);
std::string_view shellFluidSentence(Presentation p, int shellMethod);
std::string_view insideTubeSentence(Presentation p, bool tapeUsed);
std::string_view shellTubeSentence(Presentation p, bool lowFin);

// Prints the header lines. `shown` holds the values in the units of the
// presentation (for SI the converted copy of the results).
void printRunHeader(Presentation p, const RunInputs& in, const Solution& shown,
                    TextConsole& console);

}  // namespace hx
