// The chart of a solved case's profile: the tube stream (and its return
// pass in a 1-2N shell) and the shell stream along the exchanger on the
// left axis, the heat transferred up to each place on the right.
#pragma once

#include "charts/chart_data.h"
#include "program/batch/case_profile.h"

namespace hx::charts {

ChartData profileChart(const CaseProfile& profile);

// The heads of the profile's table, named as the chart's series with their
// units: x, the tube (both passes in a 1-2N shell), the shell, the heat.
std::vector<std::string> profileColumnHeads(const CaseProfile& profile);

}  // namespace hx::charts
