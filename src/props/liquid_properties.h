// Properties of a liquid stream, shell side and tube side, at the current
// property temperatures of the thermal solver: the built-in water set, or
// the values the user entered by hand. Working engineering units: density
// kg/m3, specific heat kcal/(kg·℃), kinematic viscosity m2/h, conductivity
// kcal/(m·h·℃), temperatures ℃.
//
// Each evaluation runs the reference step first, so the order of calls
// decides what the Vsw slot of the temperatures holds (see
// PropertyTemperatures::Vsw).
#pragma once

#include "console/text_console.h"
#include "props/reference_temperatures.h"

namespace hx {

// Values entered by hand for one side.
struct ManualLiquidValues {
    float density = 0.0f;       // kg/m3
    float specificHeat = 0.0f;  // kcal/(kg·℃)
    float viscosity = 0.0f;     // kinematic, m2/h
    float conductivity = 0.0f;  // kcal/(m·h·℃)
};

// The properties of one side (Ds, Cs, Vs, KS, Prs or Dt, Ct, Vt, Kt, Prt).
struct LiquidState {
    float density = 0.0f;       // kg/m3
    float specificHeat = 0.0f;  // kcal/(kg·℃)
    float viscosity = 0.0f;     // kinematic, m2/h
    float conductivity = 0.0f;  // kcal/(m·h·℃)
    float prandtl = 0.0f;       // -
};

// The options of the run that decide where the properties come from.
struct LiquidPropertySettings {
    int unitCode = 0;     // unit-and-language code 1..4 (language of the limit message)
    int fluidMode = 0;    // 1..4, see FluidMode
    int shellMethod = 0;  // 1, 2 by hand; 3 water
    int tubeMethod = 0;   // 1 liquid by hand, 2 gas by hand, 3 water, 4 gas at 1 atm
    int wetGasBasis = 0;  // 1 saturation at the gas pressure (tube values by hand), 2 at 1 atm
    ManualLiquidValues shellManual;
    ManualLiquidValues tubeManual;
};

// What the liquid evaluations keep during one run: all zero at its start.
// A property that a range rule leaves uncomputed keeps its value here.
struct LiquidPropertyState {
    PropertyTemperatures temperatures;
    LiquidState shell;
    LiquidState tube;
    int shellEvaluations = 0;  // never reset during a run
    int tubeEvaluations = 0;
};

// Evaluations allowed per side and run; the next one ends the run.
inline constexpr int kPropertyEvaluationLimit = 500;

// Texts of the evaluations.
inline constexpr const char* kWaterAboveRangeLine = "     物性規定範囲外です";
inline constexpr const char* kWaterNotCoveredLine = "     物性値のカバー範囲外です。";
inline constexpr const char* kEvaluationLimitJapanese =
    "    物性計算の繰返しが上限(500回)に達しました。入力条件を見直してください。";
inline constexpr const char* kEvaluationLimitEnglish =
    "    Property evaluation limit (500) reached: check the input conditions.";

// Counts one evaluation of a side; the one after the limit prints the
// limit message, halts and throws RunEnded.
void countPropertyEvaluation(int& evaluations, int unitCode, TextConsole& console);

// Prandtl number C·ν·ρ/k from specific heat kcal/(kg·℃), kinematic
// viscosity m2/h, density kg/m3 and conductivity kcal/(m·h·℃).
float prandtlNumber(float specificHeat, float viscosity, float density, float conductivity);

// Shell side at Tsav (bulk) and Twav (wall): the reference step, the water
// set with its range warnings, the evaluation count, then the hand-entered
// values when the shell side is condensing/evaporating (fluid mode 4) or
// its method is 1 or 2. Leaves in temperatures.Vsw the kinematic viscosity
// at the wall (Vs with hand-entered values). With tube method 3 it goes on
// with TubeLiquidProperties. The 501st evaluation of a run prints the limit
// message, halts and throws RunEnded.
void ShellLiquidProperties(const StreamIterate& iterate, const LiquidPropertySettings& settings,
                           LiquidPropertyState& state, TextConsole& console);

// Tube side at Ttav: the same procedure with its own count. The wall step
// only warns; the hand-entered tube values replace the water set when the
// wet-gas basis is 1, the tube side condenses/evaporates (fluid mode 3) or
// the tube method is 1 or 2.
void TubeLiquidProperties(const StreamIterate& iterate, const LiquidPropertySettings& settings,
                          LiquidPropertyState& state, TextConsole& console);

}  // namespace hx
