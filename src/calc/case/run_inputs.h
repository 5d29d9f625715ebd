// The first two records of a run. The EnteredCase is what the forms say,
// read once when the start button is pressed, as typed. prepare() turns it
// into the RunInputs: the case in the working units, the geometry derived
// from it, the humidity of a gas tube side and the answers given in the
// console. Nothing writes the RunInputs after prepare() has made them: the
// automatic area adjustment of a phase-change rating makes new ones for the
// next solve; the solver and every result screen read them as const.
#pragma once

#include <optional>

#include "calc/case/design_case.h"
#include "calc/case/shell_bundle.h"

namespace hx {

// The fields of the forms as typed: lengths in mm, flows in ton/h (kg/h for
// the double tube), and in the SI codes temperatures in K and the SI units
// of the hand-entered properties.
struct EnteredCase {
    DesignCase values;
};

// Geometry derived from the entered bundle, m.
struct DerivedGeometry {
    float P = 0.0f;               // tube pitch: TP·D0, or TP·(D0 + 2·FH) for low-fin tubes
    float finPitch = 0.0f;        // (25.4/FN)·0.001
    float ND = 0.0f;              // tubes on the shell centre line
    float shellDiameter = 0.0f;   // DS, inside shell diameter (double tube: the outer tube's)
    float wallThickness = 0.0f;   // (D0 − DI)/2
    float windowFraction = 0.0f;  // baffle window as a fraction of the shell section
};

// The humidity set-up of a gas tube side.
struct TubeGasHumidity {
    float Xi = 0.0f;       // inlet absolute humidity, kg/kgda
    float MAW = 0.0f;      // molar mass of water / that of the dry gas
    float Density = 0.0f;  // normal density of the gas, kg/Nm3
    // The inlet saturation (a gas with water): the vapour partial pressure
    // kgf/cm2 and the saturation temperature ℃, which a wet gas enters at.
    float Pi = 0.0f;
    float Tzi = 0.0f;
    float Pt = 1.033f;  // total gas pressure, kgf/cm2 (1 atm unless entered)
};

struct RunInputs {
    DesignCase dc;  // working units, flags derived
    DerivedGeometry geometry;
    ShellBundle bundle;                       // the bundle in its shell, both bases
    std::optional<TubeGasHumidity> humidity;  // a gas tube side only
    // A phase-change exchanger rated as built (the third answer to the
    // excess-area question): the tube length it has, m. dc.TL is then the
    // length the phase change needs, found by the length adjustment.
    std::optional<float> builtLength;
};

}  // namespace hx
