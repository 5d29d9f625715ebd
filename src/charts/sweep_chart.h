// The charts of a sweep: chosen result quantities against one varied input,
// one curve per value of the other varied inputs, the cases that ended with
// a message marked on the bottom edge, and the flow regime of one side
// shaded along x.
#pragma once

#include <string>
#include <vector>

#include "charts/chart_data.h"
#include "program/batch/batch_run.h"

namespace hx::charts {

enum class RegimeSide { Tube, Shell, None };

struct SweepChartRequest {
    std::string xKey;                     // a varied input; empty: the first
    std::vector<std::string> quantities;  // result names (Q, TL, Ret, ...); empty: Q
    bool textbookBasis = false;           // the correlations' own regime limits
    // The side whose regime is shaded; Tube unless only Res is plotted.
    RegimeSide regime = RegimeSide::Tube;
    bool inputsInSI = false;  // the varied inputs are in the case file's SI units
    // Each point and mark carries its sweepPointText() for a chart on
    // screen; a picture written to a file has no use for them.
    bool hoverTexts = false;
};

// What hovering the point of `row` shows, a line each: every varied input
// with its value and unit (the case file's units), the values of
// `quantities` in the units of p, and the message the run ended with when
// it ended with one (its quantities then have no value). Throws
// std::invalid_argument naming an unknown quantity.
std::string sweepPointText(const std::vector<Variation>& variations, const SweepRow& row,
                           const std::vector<std::string>& quantities, Presentation p,
                           bool inputsInSI);

// Throws std::invalid_argument naming an unknown quantity or an x that is
// not varied. One panel for one or two quantities (the second on the right
// axis), one panel each for more. The regime is shaded where the chart has
// one curve per quantity (with families of curves each would have its own).
std::vector<ChartData> sweepCharts(const std::vector<Variation>& variations,
                                   const std::vector<SweepRow>& rows,
                                   const SweepChartRequest& request, Presentation p);

// The side whose Reynolds number a list of quantities asks for: Shell when
// it holds Res and not Ret, otherwise Tube. The annulus of a double tube
// has limits of its own, not the baffled bundle's: None there.
RegimeSide regimeSideFor(const std::vector<std::string>& quantities, bool doubleTube = false);

// Flow regimes along x from the Reynolds number of each point (x ascending
// or not): a band per run of one regime, the boundary halfway between two
// points of different regimes. Points without a finite Re break no band.
// The labels in Japanese with `japanese`.
std::vector<ShadedRange> regimeBands(const std::vector<double>& x, const std::vector<double>& re,
                                     RegimeSide side, bool textbookBasis, bool japanese = false);

}  // namespace hx::charts
