// The heat-balance check table: the exchanged heat recomputed from each
// independent group of results (overall coefficient and area, shell-side
// sensible heat, tube-side sensible heat, latent heat of the condensate,
// enthalpy drop of a wet gas) as a ratio to the base heat Qba. The screen
// version is shown by key "6" of the results menu; the printed versions
// are returned as lines for the report.
//
// Every heat is taken from the held values in the working engineering units
// (kcal/h, kg/h, m3/h, ℃), whatever the presentation.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/case/run_inputs.h"
#include "calc/solver/solution.h"
#include "console/text_console.h"
#include "report/screen/presentation.h"

namespace hx {

// One row of a table: its picture, with the one ratio field "#.####", and
// the ratio it shows. A ratio that is not defined (a base heat of 0, or a
// quotient that is not a finite number) is left empty.
struct CheckRow {
    const char* picture;
    std::optional<float> ratio;
};

// The base heat Qba, kcal/h: the exchanged heat Q, or for a wet-gas case
// the shell-side sensible heat QK of the wet-gas balance.
float checkBaseHeat(const DesignCase& dc, const Solution& shown);

// heat/base, or nothing when the base is 0 or the quotient is not finite.
std::optional<float> checkRatio(float heat, float base);

// The rows of the screen table between its frames, by fluid mode and the
// wet-gas flag (the screen has no row numbered 2).
std::vector<CheckRow> screenCheckRows(const DesignCase& dc, const Solution& shown);

// A row as printed: the picture through its ratio, or with "－" centred in
// the place of the field when the ratio is not defined, so the frame stays
// aligned.
std::string checkRowText(const CheckRow& row);

// The screen table, always in English, on a window the caller has cleared:
// the heading, the rows, the prompt "<1> Return <2> printout" and its one
// answer. Whatever the answer, the table ends and the caller shows its
// presentation again; true when the answer was "2", the printout.
bool showCheckTable(const RunInputs& in, const Solution& shown, TextConsole& console);

// The printed check section as lines, for the report of presentation p: the
// SI version for English SI; the engineering version, with the English
// heading for English engineering and the Japanese heading for both
// Japanese reports. The humidity table that a wet-gas report prints before
// it is not part of these lines.
std::vector<std::string> printedCheckTable(Presentation p, const RunInputs& in,
                                           const Solution& shown);

}  // namespace hx
