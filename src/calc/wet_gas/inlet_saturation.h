// The saturation (dew-point) temperature of the inlet gas of a gas tube
// side, shown in a box in the text window. In the wet-gas mode it is the
// tube inlet temperature.
#pragma once

#include <optional>

#include "console/text_console.h"

namespace hx {

struct InletSaturationInput {
    int unitCode = 0;
    int tubeMethod = 0;          // tube-side property method
    bool pressureBasis = false;  // saturation at the gas pressure (dew point Ta and Pt entered)
    float H2O = 0.0f;            // water vapour, vol % (or any value > 0 when present)
    float Xi = 0.0f;             // inlet absolute humidity of the set-up, kg/kgda
    float MAW = 0.0f;            // molar-mass ratio of the set-up
    float Ta = 0.0f;             // atmospheric dew point, ℃
    float Pt = 0.0f;             // gas pressure, kgf/cm2
};

struct InletSaturationResult {
    float Pi = 0.0f;   // partial pressure of the vapour at the inlet, kgf/cm2
    float Tzi = 0.0f;  // saturation temperature of the inlet gas, ℃
    float MAW = 0.0f;  // molar-mass ratio (0.622 on the gas-pressure basis)
    float Xi = 0.0f;   // inlet absolute humidity, kg/kgda
};

// At 1 atm: Pi = Xi·1.033/(MAW + Xi) and Tzi the saturation temperature of
// Pi. On the gas-pressure basis: Tzi the dew point at the gas pressure Pt,
// Pi its saturation pressure (1 atm = 1.03), MAW = 0.622 and Xi =
// 0.622·Pi/(Pt − Pi). Prints the saturation box at rows 15 to 18 in the
// run's language. Absent for a gas entered by hand, and at 1 atm for a gas
// without water (no box). A Pt beyond the dew-point table ends the run, and
// so does a Pt at or below the vapour pressure (the calculation-failed line).
std::optional<InletSaturationResult> InletSaturation(const InletSaturationInput& in,
                                                     TextConsole& console);

}  // namespace hx
