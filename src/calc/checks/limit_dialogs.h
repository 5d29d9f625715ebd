// The dialogs of the solver's iteration limits: the efficiency loop
// (loop 1), the outer restarts (loop 3), the gas outlet restarts (loop 4)
// and the wet-gas balance (loop 5). Each clears the window and asks whether to loosen the
// tolerance and go on, or to give up and re-enter the data.
#pragma once

#include "console/text_console.h"

namespace hx {

enum class LimitLoop { Efficiency = 1, OuterRestart = 3, GasOutlet = 4, WetGasBalance = 5 };

// Shows the dialog of the loop in the run's language and returns when the
// user chooses to continue; giving up ends the run (throws RunEnded). A
// Japanese answer other than "1" or "2" leads to the English dialog, where
// only "2" gives up.
void askAtIterationLimit(TextConsole& console, int unitCode, LimitLoop loop);

}  // namespace hx
