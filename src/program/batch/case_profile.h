// The profile of a solved case: both streams' temperatures along the
// exchanger and the heat transferred, in the units of a presentation, on
// the flow the run rated: co-current, counter-current (the counter-current
// cross flow is rated as counter-current), or the 1-2N shell where the
// textbook basis uses it.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "correlations/exchanger/temperature_profile.h"
#include "program/batch/headless_run.h"
#include "report/screen/presentation.h"
#include "report/screen/result_profile.h"

namespace hx {

// Absent for a run that ended, a wet gas (the water condensing out makes
// the heat no longer proportional to the gas temperature) or ends that make
// no profile; `why` then says which.
std::optional<CaseProfile> caseProfile(const HeadlessOutcome& outcome, Presentation p,
                                       std::string& why, int points = 51);

// "x,tube [℃],tube_return [℃],shell [℃],duty [kcal/h]" and a line a place;
// the return pass is empty unless the flow is the 1-2N shell.
void writeProfileCsv(std::ostream& out, const CaseProfile& profile);

}  // namespace hx
