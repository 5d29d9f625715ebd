// The tube-side humidity table of a wet-gas case: the state of the wet gas
// at the tube inlet and outlet (enthalpy, vapour pressure, absolute
// humidity, saturation temperature, total pressure, water and gas flows,
// the molar-mass ratio and the condensate), on the screen (results menu key
// "5") and as printed lines, in the four presentations.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "calc/case/run_inputs.h"
#include "calc/solver/solution.h"
#include "console/text_console.h"
#include "report/screen/presentation.h"

namespace hx {

// The values of the table in the units of presentation p (SI: kJ/kg, MPa,
// kg/s, K). `Pt` is the total pressure held by the menu, kgf/cm2.
struct HumidityValues {
    float Hi = 0.0f, Ho = 0.0f, Pi = 0.0f, Po = 0.0f, Xi = 0.0f, Xo = 0.0f;
    float Tzi = 0.0f, TZo = 0.0f, Pt = 0.0f;
    float Wti = 0.0f, Wto = 0.0f, GWi = 0.0f, GWo = 0.0f, MAW = 0.0f, Wcon = 0.0f;
};
HumidityValues humidityValues(Presentation p, const RunInputs& in, const Solution& shown, float Pt);

// The screen table of presentation p, as lines.
std::vector<std::string> humidityScreenLines(Presentation p, const HumidityValues& v);

// The printed table of presentation p, as lines, its end line included.
std::vector<std::string> humidityPrintedLines(Presentation p, const RunInputs& in,
                                              const Solution& shown, float Pt);

// Key "5": clears the window, shows the table (English engineering adds the
// heat diagnostics) and asks until "1" (return to the presentation) is
// typed; "2" sends the printed table to `print`, when there is one. The
// Japanese engineering presentation takes the total pressure 1.03 on the
// 1 atm basis, and keeps it in `Pt` for the later tables.
void showHumidityTable(Presentation p, const RunInputs& in, const Solution& shown, float& Pt,
                       TextConsole& console,
                       const std::function<void(const std::vector<std::string>&)>& print = {});

}  // namespace hx
