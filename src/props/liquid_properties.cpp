#include "props/liquid_properties.h"

#include <optional>

#include "core/option_codes.h"
#include "core/run_ended.h"
#include "props/water_properties.h"

namespace hx {

namespace {

constexpr int kSaturationAtGasPressure = 1;  // wet-gas basis whose tube values are hand-entered

// The water set for one side: its new values (Prandtl number included) and
// the kinematic viscosity at the wall, m2/h, empty where not covered.
struct WaterEvaluation {
    LiquidState side;
    std::optional<float> wallViscosity;
};

// Water at bulk temperature t and wall temperature tw (℃), printing the
// range warnings as lines of their own. Specific heat and viscosity below
// 0 ℃ are not covered: they keep the values of `side`.
WaterEvaluation evaluateWater(float t, float tw, LiquidState side, TextConsole& console) {
    WaterEvaluation result;
    side.density = waterDensity(t);
    if (t > kWaterDensityHighestTemperature) console.print(kWaterAboveRangeLine);
    if (t < kWaterLowestTemperature) console.print(kWaterNotCoveredLine);

    if (const auto c = waterSpecificHeat(t)) {
        side.specificHeat = *c;
    } else {
        console.print(kWaterNotCoveredLine);
    }
    // Dynamic over density: kg/(m·h) ÷ kg/m3 = m2/h.
    if (const auto mu = waterViscosity(t)) {
        side.viscosity = *mu / side.density;
    } else {
        console.print(kWaterNotCoveredLine);
    }
    // The bulk density divides the wall viscosity too.
    if (const auto muWall = waterViscosity(tw)) {
        result.wallViscosity = *muWall / side.density;
    } else {
        console.print(kWaterNotCoveredLine);
    }
    side.conductivity = waterConductivity(t);
    side.prandtl =
        prandtlNumber(side.specificHeat, side.viscosity, side.density, side.conductivity);
    result.side = side;
    return result;
}

LiquidState manualState(const ManualLiquidValues& manual) {
    LiquidState s;
    s.density = manual.density;
    s.specificHeat = manual.specificHeat;
    s.viscosity = manual.viscosity;
    s.conductivity = manual.conductivity;
    s.prandtl = prandtlNumber(s.specificHeat, s.viscosity, s.density, s.conductivity);
    return s;
}

bool enteredByHand(int method) { return method == kLiquidByHand || method == kGasByHand; }

}  // namespace

void countPropertyEvaluation(int& evaluations, int unitCode, TextConsole& console) {
    if (evaluations == kPropertyEvaluationLimit) {
        endRun(console, isJapanese(unitCode) ? kEvaluationLimitJapanese : kEvaluationLimitEnglish);
    }
    ++evaluations;
}

float prandtlNumber(float specificHeat, float viscosity, float density, float conductivity) {
    return specificHeat * viscosity * density / conductivity;
}

void ShellLiquidProperties(const StreamIterate& iterate, const LiquidPropertySettings& settings,
                           LiquidPropertyState& state, TextConsole& console) {
    state.temperatures = ReferenceTemperatures(iterate, state.shell.density);
    PropertyTemperatures& temps = state.temperatures;

    const WaterEvaluation water = evaluateWater(temps.Tsav, temps.Twav, state.shell, console);
    state.shell = water.side;
    if (water.wallViscosity) temps.Vsw = *water.wallViscosity;

    countPropertyEvaluation(state.shellEvaluations, settings.unitCode, console);

    if (settings.fluidMode == kShellPhaseChange || enteredByHand(settings.shellMethod)) {
        state.shell = manualState(settings.shellManual);
        temps.Vsw = state.shell.viscosity;  // no wall correction for hand-entered values
    }

    if (settings.tubeMethod == kWaterCorrelation) {
        TubeLiquidProperties(iterate, settings, state, console);
    }
}

void TubeLiquidProperties(const StreamIterate& iterate, const LiquidPropertySettings& settings,
                          LiquidPropertyState& state, TextConsole& console) {
    state.temperatures = ReferenceTemperatures(iterate, state.shell.density);
    const PropertyTemperatures& temps = state.temperatures;

    // The wall value has no use on the tube side; its range is still checked.
    state.tube = evaluateWater(temps.Ttav, temps.Twav, state.tube, console).side;

    countPropertyEvaluation(state.tubeEvaluations, settings.unitCode, console);

    if (settings.wetGasBasis == kSaturationAtGasPressure ||
        settings.fluidMode == kTubePhaseChange || enteredByHand(settings.tubeMethod)) {
        state.tube = manualState(settings.tubeManual);
    }
}

}  // namespace hx
