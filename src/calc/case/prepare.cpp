// Preparing a run: from the fields as typed to the inputs of the solver.
#include "calc/case/prepare.h"

#include <string_view>

#include "calc/case/calculation_basis.h"
#include "calc/case/property_normalisation.h"
#include "calc/case/read_design_case.h"
#include "calc/case/shell_bundle.h"
#include "calc/checks/console_questions.h"
#include "calc/checks/entry_checks.h"
#include "calc/checks/input_checks.h"
#include "calc/wet_gas/inlet_saturation.h"
#include "core/option_codes.h"
#include "core/units.h"
#include "correlations/common/geometry.h"

namespace hx {

namespace {

constexpr std::string_view kBannerTitle =
    "      ++ SHELL AND TUBE HEAT EXCHANGER COMPUTER PROGRAM ++";
constexpr std::string_view kBannerRule1 = "         〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓";
constexpr std::string_view kBannerRule2 = "　    　 〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓";
constexpr std::string_view kEntryEnglish = "                       + MAIN DATA ENTRY +";
constexpr std::string_view kEntryJapanese = "                      　+ 主要緒元入力 +    ";

constexpr std::string_view kWetRule =
    "   =========================================================== ";
constexpr std::string_view kWetNoteJapanese1 =
    "   !! 注) 本湿り計算は、以降入力する水分量の飽和温度を管側入";
constexpr std::string_view kWetNoteJapanese2 = "          り側温度として計算します。";
constexpr std::string_view kWetNoteEnglish =
    "   !! note) Tube side inlet temperature is depend by humidity ";

constexpr std::string_view kTooDry =
    "  /// 高温側飽和水分量が低すぎます。顕熱計算で実行して下さい。///";

constexpr std::string_view kDryBlock = "                        Dry gas components";
constexpr std::string_view kNitrogenBlock =
    "                    Wet gas components (H2O mixture with N2)  ";
constexpr std::string_view kAverageBlock =
    "                     Wet gas components (Av.mixturte)  ";

// Standard air, vol %.
constexpr float kAirCO2 = 0.03f;
constexpr float kAirO2 = 20.95f;

void printBanner(TextConsole& console, int unitCode) {
    console.clear();
    console.print("");
    console.print("");
    console.print(kBannerTitle);
    console.print(kBannerRule1);
    console.print(isJapanese(unitCode) ? kEntryJapanese : kEntryEnglish);
    console.print(kBannerRule2);
}

void printWetGasNote(TextConsole& console, int unitCode) {
    console.clear();
    console.print(kWetRule);
    if (isJapanese(unitCode)) {
        console.print(kWetNoteJapanese1);
        console.print(kWetNoteJapanese2);
    } else {
        console.print(kWetNoteEnglish);
    }
    console.print(kWetRule);
}

// Phases 17 to 20: composition of a gas tube side, its water content and
// the humidity set-up. Leaves the mole fractions in dc.CO2..N2 and returns
// the humidity.
TubeGasHumidity prepareTubeGas(DesignCase& dc, TextConsole& console) {
    const bool byHand = dc.tubeMethod == kGasByHand;
    const bool dryAir = !byHand && dc.gasComposition == kStandardAir;
    TubeGas gas;
    // 17. Composition: all components as entered, else standard air.
    if (!byHand && dc.gasComposition == kAllComponents) {
        gas.CO2 = dc.CO2;
        gas.O2 = dc.O2;
        gas.H2O = dc.H2O;
        checkCompositionLimits(gas.CO2, gas.O2, gas.H2O, console);
    } else {
        gas.CO2 = kAirCO2;
        gas.O2 = kAirO2;
    }
    // 18. Water content: presets for a gas entered by hand and for dry air;
    // otherwise the entered percent, or the absolute humidity X as percent.
    const bool absoluteEntered = !byHand && !dryAir && dc.waterContentUnit == kKgPerKgDryGas;
    float X = dc.waterContent;
    if (byHand) {
        X = 0.001f;
        gas.H2O = 2.0f;
    } else if (dryAir) {
        X = 0.0f;
        gas.H2O = 0.0f;
    } else if (absoluteEntered) {
        gas.H2O = 100.0f * X / (X + 0.622f);
    } else {
        gas.H2O = dc.H2O;
    }
    gas = nitrogenBalance(gas);
    gas.xH2O = gas.H2O / 100.0f;

    // 19. Molar masses, normal density and the molar-mass ratio.
    const HumidityResult h = humiditySetup(gas, absoluteEntered, X);
    gas.xH2O = h.xH2O;
    gas.H2O = 100.0f * h.xH2O;
    const TubeGasHumidity humidity{h.Xi, h.MAW, h.Density};

    // 20. Balance the wet composition (dry air stays as it is).
    const auto blankLines = [&] {
        for (int i = 0; i < 4; ++i) console.print(" ");
    };
    if (dryAir) {
        blankLines();
        printComposition(console, kDryBlock, gas);
        console.print("");
        dc.gasComposition = kStandardAirWithWater;  // treated as air with water from here
    } else if (byHand || dc.compositionAdjustment == kFixCO2O2AdjustN2) {
        blankLines();
        console.print("");
        gas = nitrogenBalance(gas);
        checkCompositionLimits(gas.CO2, gas.O2, gas.H2O, console);
        printComposition(console, kNitrogenBlock, gas);
    } else {
        console.print("");
        console.print("");
        gas = averageMixture(gas);
        blankLines();
        printComposition(console, kAverageBlock, gas);
        checkCompositionLimits(gas.CO2, gas.O2, gas.H2O, console);
        console.print("");
    }
    dc.CO2 = gas.xCO2;
    dc.O2 = gas.xO2;
    dc.H2O = gas.xH2O;
    dc.N2 = gas.xN2;
    return humidity;
}

// The saturation of the inlet gas, and for a wet gas the tube inlet
// temperature it sets: the gas enters at its saturation temperature.
void saturateInletGas(DesignCase& dc, TubeGasHumidity& humidity, TextConsole& console) {
    const bool pressureBasis = dc.wetGas && dc.humidityBasis == kFromDewPoint;
    InletSaturationInput s;
    s.unitCode = dc.unitCode;
    s.tubeMethod = dc.tubeMethod;
    s.pressureBasis = pressureBasis;
    s.H2O = dc.H2O;
    s.Xi = humidity.Xi;
    s.MAW = humidity.MAW;
    s.Ta = dc.Ta;  // ℃ and kgf/cm2 since the case was read
    s.Pt = dc.Pt;
    if (pressureBasis) humidity.Pt = dc.Pt;
    const std::optional<InletSaturationResult> r = InletSaturation(s, console);
    if (!r) return;
    humidity.Pi = r->Pi;
    humidity.Tzi = r->Tzi;
    humidity.MAW = r->MAW;
    humidity.Xi = r->Xi;
    if (dc.wetGas) dc.T3 = r->Tzi;
}

// Phase 21: a wet gas whose saturation temperature is not clearly above the
// shell inlet cannot condense. Returns true to repeat the entry after the
// banner (answer "2"); answer "1" ends the run.
bool dewPointTooClose(const DesignCase& dc, const TubeGasHumidity& humidity, TextConsole& console) {
    float tsat = gasSaturationTemperature(humidity.Xi);
    if (isSI(dc.unitCode)) tsat += units::kKelvinOffset;  // compared with T1 as entered, K
    if (dc.T1 + 5.0f < tsat) return false;
    console.clear();
    console.print(kTooDry);
    askDewPointChoice(console, tsat);
    return true;
}

}  // namespace

RunInputs prepare(const EnteredCase& entered, TextConsole& console) {
    RunInputs in;
    DesignCase& dc = in.dc;
    DerivedGeometry& g = in.geometry;
    dc = entered.values;
    const bool doubleTube = dc.exchangerType == kDoubleTube || dc.doubleTubeGeometry == 1;

    // 2. Flows: ton/h; the double tube takes kg/h.
    if (doubleTube) {
        dc.Wt /= units::kKgPerTon;
        dc.Ws /= units::kKgPerTon;
    }
    dc.shellMassFlow = dc.Ws * units::kKgPerTon;

    // 3-4. Presence of the codes and dimensions that cannot be 0.
    checkPresence(dc, console);
    checkEnteredValues(dc, doubleTube, console);
    checkEntryRanges(dc, console);
    checkShellEvaporationGeometry(doubleTube, dc.fluidMode, dc.phaseChange, dc.unitCode, console);
    checkTubeLayout(dc, console);

    // 6. Property methods and the tube fluid phase.
    const bool tubePhaseKnown = decodePropertyMethods(dc, console);

    // 7. The defaults of the run depend on the tube phase just decoded; the
    // solver sets them when it starts.

    // 8. Millimetres to metres and SI entries to working units.
    const float rawFinThickness = dc.FT;
    convertMillimetres(dc);
    convertSIEntries(dc);

    // 10. Order of the entered temperatures.
    checkTemperatureOrder(dc.fluidMode, dc.solveFor, dc.T1, dc.T2, dc.T3, dc.T4, console);
    // The main data form's checks, for a case that reached here without its OK.
    checkMainDataEntries(dc, console);

    // 11. Baffle window; the double-tube annulus has no baffles.
    g.windowFraction = windowFraction(dc.baffleCut);
    dc.bellMethod = !doubleTube;
    if (doubleTube) dc.cutLineTubesCode = kNoCutLineTubes;

    // 12. Banner.
    printBanner(console, dc.unitCode);

    // 13 to 21, repeated from the banner while the dew-point question says so.
    const RunInputs afterBanner = in;
    for (;;) {
        in = afterBanner;
        // 13.
        dc.tubeColder = dc.T3 < dc.T1;
        // 14. Tube surface and pitch.
        checkTubeSurface(dc.tubeSurface, console);
        dc.lowFin = dc.tubeSurface == kLowFinTube;
        g.P = tubePitch(dc.TP, dc.D0, dc.FH, dc.lowFin);
        if (dc.lowFin) g.finPitch = finPitch(dc.FN);
        // 15. Tubes on the baffle cut line.
        if (dc.bellMethod) {
            checkCutLineCode(dc.cutLineTubesCode, console);
            if (dc.cutLineTubesCode == kCutLineTubes) {
                dc.windowTubes = askWindowCount(console, QuestionId::WindowTubes);
                dc.windowRows = askWindowCount(console, QuestionId::WindowRows);
            }
        }
        // 16. Heat-transfer path.
        const HeatTransferPath path =
            chooseHeatTransferPath(tubePhaseKnown, dc.tubePhase, dc.fluidMode, console);
        dc.wetGas = path == HeatTransferPath::WetGas;
        if (dc.wetGas) printWetGasNote(console, dc.unitCode);
        dc.filmThickness = dc.wetGas ? dc.filmThickness * units::kMetresPerMm : 0.0f;
        // 17-20. Composition, water content and humidity of a gas tube side.
        if (dc.tubePhase == TubePhase::Gas) {
            in.humidity = prepareTubeGas(dc, console);
            saturateInletGas(dc, *in.humidity, console);
        }
        // 21. Dew point of the wet gas.
        if (dc.wetGas && dc.humidityBasis != kFromDewPoint &&
            dewPointTooClose(dc, in.humidity.value_or(TubeGasHumidity{}), console)) {
            continue;
        }
        break;
    }

    // 22. Correction factors: the formula setting applies the entered ones
    // when the overall coefficient is formed.
    dc.tubeFactor = 1.0f;
    dc.shellFactor = 1.0f;

    // 24. Double tube: one inner tube in an outer tube whose diameter the
    // pitch field holds (mm).
    if (doubleTube) {
        dc.NT = 1.0f;
        g.shellDiameter = dc.TP * units::kMetresPerMm;
        dc.annulusFactor = rawFinThickness;
        checkDoubleTubeFit(dc.lowFin, dc.D0, dc.FH, g.shellDiameter, dc.unitCode, console);
    } else {
        dc.annulusFactor = 1.0f;
    }

    // 25. Tubes on the shell centre line.
    g.ND = tubesOnCentreLine(dc.NT);
    if (!doubleTube) g.shellDiameter = shellDiameter(g.ND, g.P);
    g.wallThickness = (dc.D0 - dc.DI) / 2.0f;

    // 26. Twisted tape: the correlations use the full-turn pitch, twice the
    // neck-to-neck length.
    dc.tapeUsed = dc.twistedTape == kTapeUsed;
    if (dc.tapeUsed) {
        dc.tapePitch = 2.0f * dc.tapePitch * units::kMetresPerMm;
        dc.tapeThickness *= units::kMetresPerMm;
        checkTapeLeavesFlowArea(dc.tapeThickness, dc.DI, dc.unitCode, console);
    }

    // 27. Shell inlet temperature.
    const bool si = isSI(dc.unitCode);
    if (dc.shellMethod == kWaterCorrelation)
        checkWaterTemperature(dc.T1, dc.unitCode, "T1", console);
    if (si) dc.T1 -= units::kKelvinOffset;

    // 28. Whether the length is given; tube inlet temperature (the wet gas
    // enters at its saturation temperature, found later).
    dc.lengthGiven = dc.fluidMode != kSensible || dc.solveFor == kLengthGiven;
    if (dc.tubeMethod == kWaterCorrelation)
        checkWaterTemperature(dc.T3, dc.unitCode, "T3", console);
    if (si && !dc.wetGas) dc.T3 -= units::kKelvinOffset;
    // A dehumidifying coolant must enter colder than the wet gas it cools.
    if (dc.wetGas) checkCoolantColder(dc.T1, dc.T3, dc.unitCode, console);

    // 29. The given length, or the given outlet temperature.
    dc.outletGiven = OutletGiven::None;
    if (dc.lengthGiven) {
        dc.TL *= units::kMetresPerMm;
    } else if (dc.solveFor == kShellOutletGiven) {
        dc.outletGiven = OutletGiven::Shell;
        if (si) dc.T2 -= units::kKelvinOffset;
    } else if (dc.solveFor == kTubeOutletGiven) {
        dc.outletGiven = OutletGiven::Tube;
        if (si) dc.T4 -= units::kKelvinOffset;
    }
    if (dc.tubePhase == TubePhase::Gas) dc.tubeMassFlow = dc.Wt * units::kKgPerTon;

    // The bundle in its shell, read by both bases; on the textbook basis
    // with the count option the tubes are first counted from the layout.
    if (!doubleTube) {
        dc.NT = tubeCountOf(dc, g.P, console);
        g.ND = tubesOnCentreLine(dc.NT);
    }
    in.bundle = shellBundle(dc, g.P, g.shellDiameter, console);
    g.shellDiameter = in.bundle.DS;

    // 30. The hand-entered properties were read with the rest; bring the
    // SI entries to the working units before the properties are prepared.
    normaliseManualProperties(dc, console);
    return in;
}

}  // namespace hx
