// Hand-entered physical properties are held as the user typed them: in SI
// units (kJ/kg, kJ/kgK, m2/s, W/mK) under the codes 1 and 3. The solver works
// in engineering units (kcal/kg, kcal/kg℃, m2/h, kcal/mh℃), so before the
// property preparation of a run each hand-entered group is converted once,
// in place. Densities (kg/m3, kg/Nm3 for a gas) are the same in both.
#pragma once

#include "calc/case/design_case.h"
#include "console/text_console.h"

namespace hx {

// Latent heat, vapour, gas or liquid specific heat: kJ/kg(K) ÷ 4.186.
float kilojouleToKcal(float kJ);
// Specific heat of a condensed liquid film: kJ/kgK ÷ 4.18.
float condensateKilojouleToKcal(float kJ);
// Kinematic viscosity: m2/s × 3600 = m2/h.
float perSecondToPerHour(float m2PerSecond);
// Thermal conductivity: W/mK ÷ 1.163 = kcal/mh℃.
float wattToKcalPerHour(float wPerMK);

// The hand-entered property groups of a case.
enum class PropertyGroup {
    None,
    TubeVapourAndCondensate,   // tube gas by hand in the tube phase-change mode
    TubeGas,                   // tube gas by hand otherwise, or a wet gas from its dew point
    TubeLiquid,                // tube liquid by hand
    ShellVapourAndCondensate,  // shell fluid by hand in the shell phase-change mode
    ShellFluid,                // shell liquid or gas by hand otherwise
};

// The group the tube-side method selects (without the wet-gas dew-point
// basis, which converts the tube gas group separately).
PropertyGroup tubeGroup(int tubeMethod, int fluidMode);
// The group the shell-side method selects; None for water by correlation.
PropertyGroup shellGroup(int shellMethod, int fluidMode);

// Converts the values of one group from SI to engineering units.
void convertGroup(DesignCase& dc, PropertyGroup group);

// The whole step of a run: for each side with a hand-entered group the text
// window is cleared (codes 1, 2, 3) and, for the SI codes 1 and 3, the group
// converted; code 4 leaves everything as it is. The converted viscosities
// are then copied into the working values of the viscosity corrections
// (DesignCase::tubeCorrectionViscosity and the three shell ones), so that a
// hand-entered shell fluid has η/ηw = 1.
void normaliseManualProperties(DesignCase& dc, TextConsole& console);

}  // namespace hx
