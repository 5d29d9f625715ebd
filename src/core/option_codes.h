// Option codes: the small whole numbers the input dialogs keep in form
// fields and the run branches on. Held as int; values as the forms write them.
#pragma once

namespace hx {

// Unit system and report language, one code.
enum UnitCode : int {
    kEnglishSI = 1,
    kEnglishEngineering = 2,
    kJapaneseSI = 3,
    kJapaneseEngineering = 4,
};
inline bool isSI(int unitCode) { return unitCode == kEnglishSI || unitCode == kJapaneseSI; }
inline bool isJapanese(int unitCode) {
    return unitCode == kJapaneseSI || unitCode == kJapaneseEngineering;
}

enum ExchangerType : int { kShellAndTube = 1, kDoubleTube = 2 };

enum FluidMode : int {
    kSensible = 1,          // sensible heat on both sides
    kTubeWetGas = 2,        // tube side wet gas (dehumidification)
    kTubePhaseChange = 3,   // condensation or evaporation inside the tubes
    kShellPhaseChange = 4,  // condensation or evaporation on the shell side
};

enum PropertyMethod : int {
    kLiquidByHand = 1,
    kGasByHand = 2,
    kWaterCorrelation = 3,
    kGasCorrelation = 4,  // tube side only: gas mixture at 1 atm
};

enum SolveFor : int {
    kLengthGiven = 1,       // rating: outlet temperatures found
    kShellOutletGiven = 2,  // design: T2 given, TL found
    kTubeOutletGiven = 3,   // design: T4 given, TL found
};

enum FlowArrangement : int { kCounterCrossFlow = 1, kParallelFlow = 2 };
enum TubeSurface : int { kPlainTube = 1, kLowFinTube = 2 };
enum TwistedTape : int { kTapeUsed = 1, kTapeNotUsed = 2 };
enum CutLineTubes : int { kNoCutLineTubes = 1, kCutLineTubes = 2 };
enum WaterContentUnit : int { kPercentByVolume = 1, kKgPerKgDryGas = 2 };
enum GasComposition : int { kAllComponents = 4, kStandardAirWithWater = 5, kStandardAir = 6 };
enum CompositionAdjustment : int { kFixCO2O2AdjustN2 = 1, kMixAllComponents = 2 };
enum PhaseChange : int { kCondensation = 1, kEvaporation = 2 };
enum HumidityBasis : int { kFromDewPoint = 1, kFromComposition = 2 };
enum CoefficientSetting : int { kByFormula = 1, kByHand = 2 };
enum ManualSide : int { kManualTube = 1, kManualShell = 2, kManualBoth = 3 };
// The method of the shell side and the mean temperature difference: the
// program's original one, or the textbook Bell–Delaware method with the
// 1-2N shell. An empty field (0) is the original.
enum CalculationBasis : int { kOriginalBasis = 1, kTextbookBasis = 2 };

}  // namespace hx
