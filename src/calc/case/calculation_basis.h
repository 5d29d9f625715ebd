// Which method a run follows: the program's original shell side and mean
// temperature difference, or the textbook Bell–Delaware shell side with the
// 1-2N shell for an even number of tube passes; and the checks and messages
// that belong to the textbook basis.
#pragma once

#include "calc/case/design_case.h"
#include "console/text_console.h"
#include "correlations/common/correlation_card.h"

namespace hx {

bool onTextbookBasis(const DesignCase& dc);

// The basis the correlation selectors take for the run.
CorrelationBasis correlationBasis(const DesignCase& dc);

// The shell side takes the textbook method: on that basis, for a baffled
// bundle of plain tubes (low-fin tubes keep the original correlations).
bool usesTextbookShell(const DesignCase& dc);

// The mean temperature difference is that of a 1-2N shell: on the textbook
// basis, sensible heat on both sides of a shell-and-tube exchanger, without
// wet gas, with an even number of tube passes.
bool usesOneTwoShell(const DesignCase& dc);

// On the textbook basis the tube layout of a shell-and-tube bundle must be one
// the fits are given for (30°, 45°, 60°, 90°); otherwise the run ends with a
// message. A double tube needs none.
void checkTubeLayout(const DesignCase& dc, TextConsole& console);

// A design whose correction factor F is below the lowest one used ends
// with the advice to put more shells in series or to use fewer passes.
[[noreturn]] void endOnLowCorrection(TextConsole& console, int unitCode);

}  // namespace hx
