// The "Calculation" window: the trace of the last run as a tree of steps
// and entries, the chosen entry's formula with its substituted inputs and
// its correlation, a search box that keeps the entries whose symbol, name
// or correlation contain the text, and an export of the whole trace as one
// HTML page.
#pragma once

#include <QWidget>

#include "core/calc_trace.h"

namespace hx::gui {

// Shows the window for `trace` (a copy is kept: a later run does not change
// an open window).
void showCalculationWindow(QWidget* parent, const CalcTrace& trace, bool japanese);

}  // namespace hx::gui
