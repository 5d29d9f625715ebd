// The text reports of the print menu: a text summary (choice "1") or a text
// detail with every input (choice "2"), in the layout of the active
// presentation, as the lines the print job receives.
//
// Every report has the same structure: title, date, the case lines (mode,
// mean temperatures, fluids, tubes, gas composition), the input sections
// (text detail only), the summary section, the humidity table of a wet-gas
// case, the check section (which ends with the end line), and for a text
// summary nine empty lines.
#pragma once

#include <string>
#include <vector>

#include "calc/case/run_inputs.h"
#include "calc/solver/solution.h"
#include "report/screen/presentation.h"

namespace hx {

enum class ReportContent { Summary, Detail };

// The sections that other tables print for the report, as their printed
// lines. An empty section is left out.
struct ReportSections {
    std::vector<std::string> humidity;  // the printed humidity table (wet gas)
    std::vector<std::string> check;     // the printed check section and end line
};

// The report of presentation p. `shown` holds the results in the working
// engineering units as the screens show them (a ResultsView); an SI report
// prints a converted copy. `date` is the platform's date text.
std::vector<std::string> printedReport(Presentation p, ReportContent content, const RunInputs& in,
                                       const Solution& shown, const std::string& date,
                                       const ReportSections& sections);

}  // namespace hx
