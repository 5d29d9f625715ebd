// A trace entry's correlation: the card's name and source, its range, and
// whether the values the correlation was used at lie inside it.
#pragma once

#include "core/calc_trace.h"
#include "correlations/common/correlation_card.h"

namespace hx {

void describeCard(TraceEntry& entry, const CorrelationCard& card, float firstValue,
                  float secondValue);

}  // namespace hx
