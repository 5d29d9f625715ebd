// The trace entries of the baffled bundle's geometry on either basis: the
// cut angle is an arc cosine of the cut and stays a looked-up value; the
// window fraction, the flow and leak areas and the row counts that follow
// from it are expressions with the angle as a variable (the sine of the
// angle written from the cosine of its half, the cut line over the radius).
// Callers ask trace.enabled() first.
#pragma once

#include "core/calc_trace.h"
#include "correlations/shell_side/bell_method.h"
#include "correlations/shell_side/textbook_bell.h"

namespace hx {

// The original Bell method: cut angle, window fraction and tubes, window,
// cross-flow and bypass areas, rows crossed, leak areas.
void traceBellGeometry(CalcTrace& t, const BellInput& in, const BellResult& r);

// The textbook Bell–Delaware method: cut, tube limits, segment angles,
// window share and area, cross-flow area, rows, bypass and leak areas,
// baffles.
void traceTextbookBellGeometry(CalcTrace& t, const TextbookBellInput& in,
                               const TextbookBellGeometry& g);

}  // namespace hx
