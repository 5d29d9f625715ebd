// The two worked examples that OPEN (BUTTON35) loads into the geometry
// column of the main window, one for the shell-and-tube and one for the
// double-tube exchanger, and CLOSE (BUTTON23) that empties them again.
// EDIT77 remembers which sample is loaded: 0 shell-and-tube or none,
// 1 double tube.
#pragma once

#include <span>

#include "app/session.h"

namespace hx {

void BUTTON35_ON(Session& session);  // OPEN: load the sample of the exchanger type
void BUTTON23_ON(Session& session);  // CLOSE: empty the sample

// The data fields of the main window's geometry column, top to bottom, from
// the two flows down to the bypass sealing plates.
std::span<const char* const> geometryColumnFields();

// Captions the geometry labels TEXT1-TEXT5, TEXT20 and TEXT21 for an
// exchanger type (1 shell-and-tube, 2 double tube) in the language of a unit
// code. In the double tube the tube fields describe the inner tube, the
// pitch field the outer tube, and the flows are in kg/h.
void captionGeometry(FormStore& forms, int exchangerType, int unitCode);

void registerSampleCaseHandlers(DispatchTable& table);

}  // namespace hx
