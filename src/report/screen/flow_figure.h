// The flow figure FORM3 of a sensible or wet-gas run: beside the drawing
// of the exchanger the nozzle temperatures Tsi, Tso, Tti, Tto, the tube and
// shell flows, and for a wet gas the tube drain and the water
// vapour content of the gas at inlet and outlet, in the language and units
// of a presentation.
#pragma once

#include "calc/case/run_inputs.h"
#include "calc/solver/solution.h"
#include "model/form_store.h"
#include "model/platform.h"
#include "report/screen/presentation.h"

namespace hx {

// Whether the run has a flow figure: fluid modes 1 and 2 (the phase-change
// modes leave it as it was).
bool hasFlowFigure(const DesignCase& dc);

// Writes the labels of FORM3 from the values a presentation shows
// (engineering units, as the ResultsView holds them).
void fillFlowFigure(FormStore& forms, Presentation p, const RunInputs& in, const Solution& shown);

// Whether the tube stream leaves at the return head (an odd number of
// passes), which the drawings show.
bool oddTubePasses(const DesignCase& dc);

// Shows FORM3 with "vornfig1.bmp" ("vornfig1_odd.bmp" for odd passes).
// False when the drawing could not be read.
bool showFlowFigure(FormStore& forms, Platform& platform, const DesignCase& dc);

}  // namespace hx
