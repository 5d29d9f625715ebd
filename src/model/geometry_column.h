// The geometry column of the main window: the data fields from the two flows
// down to the bypass sealing plates, and the captions of the fields whose
// meaning changes between the shell-and-tube and the double-tube exchanger.
#pragma once

#include <span>

#include "model/form_store.h"

namespace hx {

// The data fields of the main window's geometry column, top to bottom, from
// the two flows down to the bypass sealing plates.
std::span<const char* const> geometryColumnFields();

// Captions the geometry labels TEXT1-TEXT5, TEXT20 and TEXT21 for an
// exchanger type (1 shell-and-tube, 2 double tube) in the language of a unit
// code. In the double tube the tube fields describe the inner tube, the
// pitch field the outer tube, and the flows are in kg/h.
void captionGeometry(FormStore& forms, int exchangerType, int unitCode);

}  // namespace hx
