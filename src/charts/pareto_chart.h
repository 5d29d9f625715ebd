// The charts of a design search: the Pareto set of surface against the
// tube-side and the shell-side pressure drop (one panel each), with the
// ranked designs behind it and the chosen design marked.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "charts/chart_data.h"
#include "program/batch/design_search.h"
#include "report/screen/presentation.h"

namespace hx::charts {

// `chosen`: the grid index of the design to mark (none: the best ranked).
std::vector<ChartData> paretoCharts(const DesignSearchResult& result, Presentation p,
                                    std::optional<std::size_t> chosen = std::nullopt);

}  // namespace hx::charts
