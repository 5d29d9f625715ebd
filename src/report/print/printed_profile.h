// The temperature profile as printed lines (key "8" of the print menu):
// a title naming the flow, the meaning of the position, and a table of the
// position, the tube stream (and its return pass in a 1-2N shell), the
// shell stream and the heat transferred up to each place, at every tenth
// of the heat-transfer area, in the units of the presentation. A result
// without a profile prints the title and the reason.
#pragma once

#include <string>
#include <vector>

#include "calc/case/run_inputs.h"
#include "calc/solver/solution.h"
#include "report/screen/presentation.h"

namespace hx {

// `shown` holds the results as the screens of p show them (a ResultsView).
// True in `drawn` when there is a profile whose chart can follow.
std::vector<std::string> printedProfile(const RunInputs& in, const Solution& shown, Presentation p,
                                        bool& drawn);

}  // namespace hx
