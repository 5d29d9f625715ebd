// The checks of a converged solution before its results are reported. In
// fluid modes 1 and 2 an outlet temperature given that the streams cannot
// reach ends the run with its message, and laminar flow on the shell side
// is warned of before the run goes on. In the phase-change modes the two
// streams must keep their temperature order.
#pragma once

#include <optional>
#include <string_view>

#include "calc/case/design_case.h"
#include "calc/solver/solution.h"
#include "console/text_console.h"

namespace hx {

// The message for an outlet temperature given that the streams cannot
// reach, or whose balance puts the other outlet past the other stream's
// inlet (℃: T1, T2 shell inlet and outlet, T3, T4 tube inlet and outlet);
// none when both outlets lie between the inlets or no outlet is given.
std::optional<std::string_view> unreachableOutletMessage(OutletGiven given, float T1, float T2,
                                                         float T3, float T4);

// Shell-side flow below the Reynolds number 1500 is laminar.
bool laminarShellFlow(float Res);

// Fluid modes 1 and 2: the outlet check (clear, four empty lines, the
// message, halt, RunEnded), then the laminar warning (clear, eight empty
// lines, the warning, halt, clear) and the run goes on. Other modes pass.
void checkSensibleSolution(const DesignCase& dc, const Solution& r, TextConsole& console);

// A negative Reynolds number (more condensed than flowed in) on the shell
// side outside fluid mode 3, then on the tube side in every mode: nine
// empty lines, the area-too-large message, halt, RunEnded.
void checkShellAreas(const DesignCase& dc, const Solution& r, TextConsole& console);

// Whether the outlets keep their order (℃; equality passes): with the tube
// side hot (T3 > T1) the tube outlet not below the shell inlet and the
// shell outlet not above the tube inlet; with it cold the tube outlet not
// above the shell inlet and the tube inlet not above the shell outlet.
bool temperatureOrderHolds(float T1, float T2, float T3, float T4);

// Fluid mode 3 with condensation and fluid mode 4: when the order does not
// hold, nine empty lines, the condensation-limit message of the exchanger
// type, halt, RunEnded. Other cases pass.
void checkTemperatureOrder(const DesignCase& dc, const Solution& r, TextConsole& console);

// A run that exchanges no heat: the duty not above a millionth of what the
// larger stream would carry across the inlet difference, or in the wet-gas
// mode a gas outlet below the coolant inlet. Ends the run with a message
// naming the side that carries no heat (the side of the smaller film
// coefficient, or the wall and fouling when both films conduct) and why.
void checkHeatExchanged(const DesignCase& dc, const Solution& r, TextConsole& console);

}  // namespace hx
