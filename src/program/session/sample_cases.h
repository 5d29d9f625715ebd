// The two worked examples that OPEN (BUTTON35) loads into the geometry
// column of the main window, one for the shell-and-tube and one for the
// double-tube exchanger, and CLOSE (BUTTON23) that empties them again.
// EDIT77 remembers which sample is loaded: 0 shell-and-tube or none,
// 1 double tube.
#pragma once

#include "model/session.h"

namespace hx {

void BUTTON35_ON(Session& session);  // OPEN: load the sample of the exchanger type
void BUTTON23_ON(Session& session);  // CLOSE: empty the sample

void registerSampleCaseHandlers(DispatchTable& table);

}  // namespace hx
