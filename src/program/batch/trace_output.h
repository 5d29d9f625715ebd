// The calculation trace of a headless solve written out: JSON (the entries
// in a top-level array `trace`, the iteration history, the message a run
// ended with, and the summary's key results), Markdown, and one
// self-contained HTML page with the formulas typeset in MathML, a table of
// contents by step and the entries outside their correlation's range
// marked. Values are in the working units of the calculation (the
// engineering units), the pressure drops also in Pa; an SI presentation
// shows each value in SI beside them (`si_value`, `si_unit` in the JSON).
#pragma once

#include <string>

#include "core/calc_trace.h"
#include "program/batch/headless_run.h"
#include "report/screen/presentation.h"

namespace hx {

std::string traceJson(const CalcTrace& trace, const HeadlessOutcome& outcome, Presentation p);
std::string traceMarkdown(const CalcTrace& trace, Presentation p);
std::string traceHtml(const CalcTrace& trace, Presentation p);

// An expression of the trace as MathML (fractions, powers, roots), for
// the HTML page; an expression it cannot read comes back as plain text.
std::string expressionMathMl(const std::string& expr);

}  // namespace hx
