// The weight table of the result form FORM4: the weights of tubes, tube
// sheets, baffles and shell with the thickness, density and outside
// diameter each was computed from, the other weight and the total.
#pragma once

#include <string>

#include "calc/case/weight_estimate.h"
#include "model/form_store.h"
#include "report/screen/presentation.h"

namespace hx {

// A whole-number field: rounded to the nearest whole number, halves away
// from zero, without decimals, at any magnitude ("40000", "-3").
std::string wholeNumberText(float value);

// Writes every field of the table. An estimate that is not sound shows a
// dash in the weight fields and its total; the data columns still show
// what was entered.
void fillWeightTable(FormStore& forms, const WeightEstimate& estimate);

// The line the text window shows under the summary when the estimate is
// not sound; the thermal results above it stand.
std::string weightFailedLine(Presentation p);

}  // namespace hx
