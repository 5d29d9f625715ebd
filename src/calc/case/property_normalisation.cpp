#include "calc/case/property_normalisation.h"

#include "core/option_codes.h"
#include "core/units.h"

namespace hx {

float kilojouleToKcal(float kJ) { return kJ / units::kKJPerKcal; }

float condensateKilojouleToKcal(float kJ) { return kJ / units::kKJPerKcalCondensate; }

float perSecondToPerHour(float m2PerSecond) { return m2PerSecond * units::kSecondsPerHour; }

float wattToKcalPerHour(float wPerMK) { return wPerMK / units::kWattPerKcalH; }

PropertyGroup tubeGroup(int tubeMethod, int fluidMode) {
    if (tubeMethod == kGasByHand)
        return fluidMode == kTubePhaseChange ? PropertyGroup::TubeVapourAndCondensate
                                             : PropertyGroup::TubeGas;
    if (tubeMethod == kLiquidByHand) return PropertyGroup::TubeLiquid;
    return PropertyGroup::None;
}

PropertyGroup shellGroup(int shellMethod, int fluidMode) {
    if (shellMethod != kLiquidByHand && shellMethod != kGasByHand) return PropertyGroup::None;
    return fluidMode == kShellPhaseChange ? PropertyGroup::ShellVapourAndCondensate
                                          : PropertyGroup::ShellFluid;
}

namespace {

// Specific heat, kinematic viscosity and conductivity of a single-phase
// fluid or of a vapour; its density is the same in both systems.
void convertFluid(float& cp, float& viscosity, float& conductivity) {
    cp = kilojouleToKcal(cp);
    viscosity = perSecondToPerHour(viscosity);
    conductivity = wattToKcalPerHour(conductivity);
}

// The condensate film: its specific heat with 4.18, as for liquid water.
void convertCondensate(float& cp, float& viscosity, float& conductivity) {
    cp = condensateKilojouleToKcal(cp);
    viscosity = perSecondToPerHour(viscosity);
    conductivity = wattToKcalPerHour(conductivity);
}

bool isTubeGroup(PropertyGroup g) {
    return g == PropertyGroup::TubeVapourAndCondensate || g == PropertyGroup::TubeGas ||
           g == PropertyGroup::TubeLiquid;
}

// One side's step: clears the window where a group applies, converts it
// under the SI codes. Code 4 does nothing. Returns whether a group applied.
bool normaliseSide(DesignCase& dc, PropertyGroup group, TextConsole& console) {
    if (group == PropertyGroup::None) return false;
    if (dc.unitCode == kJapaneseEngineering) return true;
    console.clear();
    if (isSI(dc.unitCode)) convertGroup(dc, group);
    return true;
}

}  // namespace

void convertGroup(DesignCase& dc, PropertyGroup group) {
    switch (group) {
        case PropertyGroup::TubeVapourAndCondensate:
            dc.Ltv = kilojouleToKcal(dc.Ltv);
            convertFluid(dc.Ct, dc.Vt, dc.Kt);
            convertCondensate(dc.Ctlv, dc.Vtl, dc.Ktl);
            break;
        case PropertyGroup::TubeGas:
        case PropertyGroup::TubeLiquid: convertFluid(dc.Ct, dc.Vt, dc.Kt); break;
        case PropertyGroup::ShellVapourAndCondensate:
            dc.Lsv = kilojouleToKcal(dc.Lsv);
            convertFluid(dc.Cs, dc.Vs, dc.KS);
            convertCondensate(dc.Cslv, dc.Vsl, dc.Ksl);
            break;
        case PropertyGroup::ShellFluid: convertFluid(dc.Cs, dc.Vs, dc.KS); break;
        case PropertyGroup::None: break;
    }
}

void normaliseManualProperties(DesignCase& dc, TextConsole& console) {
    const PropertyGroup tube = tubeGroup(dc.tubeMethod, dc.fluidMode);
    const bool tubeByHand = normaliseSide(dc, tube, console);

    const PropertyGroup shell = shellGroup(dc.shellMethod, dc.fluidMode);
    if (normaliseSide(dc, shell, console)) {
        dc.shellBulkViscosity = dc.Vs;
        dc.shellWallViscosity = dc.Vs;
        dc.shellReferenceViscosity = dc.Vs;
    }

    // A wet gas whose humidity comes from its dew point and pressure is
    // entered by hand at that pressure (method 4); its gas group is
    // converted here, once, unless the tube group above already was.
    bool wetGasByHand = false;
    if (dc.fluidMode == kTubeWetGas && dc.humidityBasis == kFromDewPoint && !isTubeGroup(tube)) {
        wetGasByHand = true;
        if (isSI(dc.unitCode)) convertGroup(dc, PropertyGroup::TubeGas);
    }
    if (tubeByHand || wetGasByHand) dc.tubeCorrectionViscosity = dc.Vt;
}

}  // namespace hx
