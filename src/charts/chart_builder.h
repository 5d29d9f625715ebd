// A QChart drawn from a ChartData: lines or scatters per series, a red
// cross at each marked point, translucent bands for the shaded ranges,
// value axes fitted to the data with a margin.
#pragma once

#include <QtCharts/QChart>

#include "charts/chart_data.h"

namespace hx::charts {

// A new chart the caller owns (or hands to a QChartView).
QChart* buildChart(const ChartData& data);

}  // namespace hx::charts
