// The calculation trace as a printed report (the print menu's key "7"):
// each step with its entries, the formula, the inputs substituted and the
// correlation with its range, then the iteration history and the message a
// run ended with. Lines of at most kTraceReportWidth columns.
#pragma once

#include <string>
#include <vector>

#include "core/calc_trace.h"
#include "report/screen/presentation.h"

namespace hx {

inline constexpr std::size_t kTraceReportWidth = 96;

std::vector<std::string> printedTrace(const CalcTrace& trace, Presentation p);

}  // namespace hx
