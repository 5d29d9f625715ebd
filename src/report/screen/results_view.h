// What the result screens show: the solution, as the entry steps of the
// presentations shown so far leave it. A wet gas shows its saturation
// temperatures for the tube inlet and outlet and its sensible heat QK for
// Q, and the Japanese screens of a dew-point case re-weight the wall
// temperature; these replacements stay in force for the later screens, as
// the check table expects. The solution itself is never written: the view
// holds its own copy.
#pragma once

#include "calc/case/run_inputs.h"
#include "calc/solver/solution.h"
#include "report/screen/presentation.h"

namespace hx {

class ResultsView {
public:
    explicit ResultsView(const Solution& solution) : shown_(solution) {}

    // The entry steps of presentation p, applied before it is shown.
    void enter(Presentation p, const RunInputs& in);

    // The values to show, in the working (engineering) units.
    const Solution& shown() const { return shown_; }

private:
    Solution shown_;
};

}  // namespace hx
