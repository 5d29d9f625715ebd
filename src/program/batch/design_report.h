// The output of a design search: the ranked designs and the Pareto set as a
// text table, CSV or JSON, the rejection counts, and the message when no
// candidate fits.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "program/batch/design_search.h"
#include "report/screen/presentation.h"

namespace hx {

// The limit's bound as the search applied it, in the case's units.
float limitBound(const DesignLimits& limits, Limit limit);

// When nothing fits: which limit rejected the most candidates and how near
// the nearest miss came, in the language of p. Empty when a design fits.
std::vector<std::string> nothingFitsLines(const DesignProblem& problem,
                                          const DesignSearchResult& result, Presentation p);

void writeDesignText(std::ostream& out, const DesignProblem& problem,
                     const DesignSearchResult& result, Presentation p);
void writeDesignCsv(std::ostream& out, const DesignProblem& problem,
                    const DesignSearchResult& result, Presentation p);
// One object: designs (best first; each with inputs, the case-file keys
// that differ from the case, and results, name → value), pareto (the same
// shape), rejected (limit → count) and candidates, with the basis, the
// objective and the units of the results.
void writeDesignJson(std::ostream& out, const DesignProblem& problem,
                     const DesignSearchResult& result, Presentation p);

}  // namespace hx
