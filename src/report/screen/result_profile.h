// The profile of the result a screen shows: both streams' temperatures
// along the exchanger and the heat transferred, in the units of the
// presentation, on the flow the run rated: co-current, counter-current (the
// counter-current cross flow is rated as counter-current), or the 1-2N
// shell where the textbook basis uses it. The result window's profile tab,
// the printed profile and the profile of a headless solve all come from it.
#pragma once

#include <optional>
#include <string>

#include "calc/case/run_inputs.h"
#include "calc/solver/solution.h"
#include "core/exchanger_profile.h"
#include "report/screen/presentation.h"

namespace hx {

// `shown` holds the results as the screens show them (a ResultsView entered
// for p), in engineering units. Absent for a wet gas (the water condensing
// out makes the heat no longer proportional to the gas temperature) or ends
// that make no profile; `why` then says which, in the language of p.
std::optional<CaseProfile> resultProfile(const RunInputs& in, const Solution& shown, Presentation p,
                                         std::string& why, int points = 51);

// The name of the flow in the profile's title.
const char* profileFlowName(ProfileFlow flow, bool japanese = false);

}  // namespace hx
