#include "correlations/common/card_trace.h"

#include <sstream>

namespace hx {

namespace {

void appendRange(std::ostringstream& out, const ValidityRange& r) {
    if (r.quantity == nullptr) return;
    if (out.tellp() > 0) out << ", ";
    out << r.quantity << ' ' << r.low << " to " << r.high;
}

}  // namespace

void describeCard(TraceEntry& entry, const CorrelationCard& card, float firstValue,
                  float secondValue) {
    entry.correlation = card.name;
    entry.source = card.source;
    if (entry.formula.empty()) entry.formula = card.formula;
    std::ostringstream range;
    appendRange(range, card.first);
    appendRange(range, card.second);
    entry.range = range.str();
    if (entry.range.empty()) return;
    // The same judgement as the out-of-range warning of the run.
    entry.inRange = !outOfRangeLine(card, firstValue, secondValue, false).has_value();
}

}  // namespace hx
