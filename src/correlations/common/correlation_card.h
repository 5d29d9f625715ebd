// The card of a correlation: its name, its published source, its formula
// and the range of the dimensionless groups it was fitted or derived on.
// The card sits beside its function as a constant, so the out-of-range
// warning (and a trace of the calculation) read the same range the code
// was written to.
#pragma once

#include <optional>
#include <string>

namespace hx {

// The basis a run's correlations follow: the program's original
// correlations, or those of the standard textbooks and handbooks.
enum class CorrelationBasis : int { Original = 1, Textbook = 2 };

// One group's validity range, low ≤ value ≤ high.
struct ValidityRange {
    const char* quantity = nullptr;  // "Re", "Pr", "DS/D0", ...; nullptr: no range
    float low = 0.0f;
    float high = 0.0f;
};

struct CorrelationCard {
    const char* name;     // "Gnielinski", shown in the warning and the trace
    const char* source;   // author, journal or book, year
    const char* formula;  // the form evaluated, in the program's symbols
    ValidityRange first;
    ValidityRange second;
};

// The range of the card the values leave, as a warning line in the run's
// language: "  ** Gnielinski: Re = 1500 outside 2300 to 5000000". Absent
// when both values lie inside their ranges (a range without a quantity
// holds anything).
std::optional<std::string> outOfRangeLine(const CorrelationCard& card, float firstValue,
                                          float secondValue, bool japanese);

}  // namespace hx
