#include "calc/calculation_driver.h"

#include <optional>
#include <string_view>

#include "calc/console_questions.h"
#include "calc/design_case.h"
#include "calc/geometry.h"
#include "calc/input_checks.h"
#include "core/option_codes.h"
#include "calc/phase_change_limits.h"
#include "calc/thermal_solver.h"
#include "calc/property_normalisation.h"
#include "calc/read_design_case.h"
#include "core/run_ended.h"
#include "core/units.h"

namespace hx {

namespace {

constexpr const char* kMain = "MAINFORM";

// Main-form controls a run freezes and the end-of-run reset gives back:
// the selection panel (fluid mode and property buttons), the option, fin,
// twisted-tape and flow-arrangement buttons, OPEN, CLOSE, the figure
// button, MAIN INPUT, the start button and the data fields of the geometry
// column. The two flow fields EDIT75 and EDIT76 stay enabled.
constexpr const char* kFrozenMain[] = {
    "BUTTON24", "BUTTON25", "BUTTON29", "BUTTON4",  "BUTTON2",  "BUTTON22", "BUTTON28",
    "BUTTON12", "BUTTON16", "BUTTON14", "BUTTON15", "BUTTON17", "BUTTON18", "BUTTON19",
    "RADIO7",   "RADIO8",   "RADIO18",  "RADIO19",  "BUTTON6",  "BUTTON7",  "BUTTON30",
    "BUTTON31", "BUTTON26", "BUTTON27", "BUTTON35", "BUTTON23", "BUTTON20", "BUTTON41",
    "BUTTON1",  "EDIT22",   "EDIT28",   "EDIT2",    "EDIT1",    "EDIT3",    "EDIT25",
    "EDIT4",    "EDIT5",    "EDIT16",   "EDIT6",    "EDIT15",   "EDIT73",   "EDIT17",
    "EDIT18",   "EDIT53",   "EDIT19",   "EDIT45",   "EDIT29",   "EDIT46",   "EDIT47",
    "EDIT48",   "EDIT49",   "EDIT50",   "EDIT51",   "EDIT52",
};

// Main data form controls frozen during a run: the composition block. The
// form is hidden for the run; MAIN INPUT lays these out again when it
// reopens the form.
constexpr const char* kFrozenData[] = {"EDIT87", "EDIT88", "EDIT89", "EDIT90", "EDIT113",
                                       "RADIO4", "RADIO5", "RADIO6", "BUTTON37", "BUTTON38"};

constexpr std::string_view kBannerTitle = "      ++ SHELL AND TUBE HEAT EXCHANGER COMPUTER PROGRAM ++";
constexpr std::string_view kBannerRule1 = "         〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓";
constexpr std::string_view kBannerRule2 = "　    　 〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓";
constexpr std::string_view kEntryEnglish = "                       + MAIN DATA ENTRY +";
constexpr std::string_view kEntryJapanese = "                      　+ 主要緒元入力 +    ";

constexpr std::string_view kWetRule = "   =========================================================== ";
constexpr std::string_view kWetNoteJapanese1 = "   !! 注) 本湿り計算は、以降入力する水分量の飽和温度を管側入";
constexpr std::string_view kWetNoteJapanese2 = "          り側温度として計算します。";
constexpr std::string_view kWetNoteEnglish = "   !! note) Tube side inlet temperature is depend by humidity ";

constexpr std::string_view kTooDry = "  /// 高温側飽和水分量が低すぎます。顕熱計算で実行して下さい。///";

constexpr std::string_view kDryBlock = "                        Dry gas components";
constexpr std::string_view kNitrogenBlock = "                    Wet gas components (H2O mixture with N2)  ";
constexpr std::string_view kAverageBlock = "                     Wet gas components (Av.mixturte)  ";

// Standard air, vol %.
constexpr float kAirCO2 = 0.03f;
constexpr float kAirO2 = 20.95f;

// Phase 1: hide the main data form, clear the window, disable the inputs,
// caption the start button for the language.
void freezeForms(Session& s) {
    FormStore& f = s.forms;
    f.hideForm("FORM7");
    s.console.clear();
    const int unitCode = static_cast<int>(f.number(kMain, "EDIT74"));
    for (const char* c : kFrozenMain) f.setEnabled(kMain, c, false);
    for (const char* c : kFrozenData) f.setEnabled("FORM7", c, false);
    f.setText(kMain, "BUTTON1", isJapanese(unitCode) ? " 計算開始" : " START");
}

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
// the humidity set-up. Leaves the mole fractions in dc.CO2..N2 and the
// humidity in r.Xi, r.MAW, r.Density.
void prepareTubeGas(DesignCase& dc, RunResult& r, TextConsole& console) {
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
    r.Xi = h.Xi;
    r.MAW = h.MAW;
    r.Density = h.Density;

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
}

// Phase 21: a wet gas whose saturation temperature is not clearly above the
// shell inlet cannot condense. Returns true to repeat the entry after the
// banner (answer "2"); answer "1" ends the run.
bool dewPointTooClose(const DesignCase& dc, const RunResult& r, TextConsole& console) {
    float tsat = gasSaturationTemperature(r.Xi);
    if (isSI(dc.unitCode)) tsat += units::kKelvinOffset;  // compared with T1 as entered, K
    if (dc.T1 + 5.0f < tsat) return false;
    console.clear();
    console.print(kTooDry);
    askDewPointChoice(console, tsat);
    return true;
}

}  // namespace

void prepareCalculation(Session& s, DesignCase& dc, RunResult& r) {
    TextConsole& console = s.console;
    dc = readDesignCase(s.forms);
    const bool doubleTube = dc.exchangerType == kDoubleTube || dc.doubleTubeGeometry == 1;

    // 2. Flows: ton/h; the double tube takes kg/h.
    if (doubleTube) {
        dc.Wt /= units::kKgPerTon;
        dc.Ws /= units::kKgPerTon;
    }
    dc.shellMassFlow = dc.Ws * units::kKgPerTon;

    // 3-4. Presence of the codes and dimensions that cannot be 0.
    checkPresence(dc, console);

    // 6. Property methods and the tube fluid phase.
    const bool tubePhaseKnown = decodePropertyMethods(dc, console);

    // 7. Defaults of the run.
    applyRunDefaults(dc, r);

    // 8. Millimetres to metres and SI entries to working units.
    const float rawFinThickness = dc.FT;
    convertMillimetres(dc);
    convertSIEntries(dc);

    // 10. Order of the entered temperatures.
    checkTemperatureOrder(dc.fluidMode, dc.solveFor, dc.T1, dc.T2, dc.T3, dc.T4, console);

    // 11. Baffle window; the double-tube annulus has no baffles.
    r.windowFraction = windowFraction(dc.baffleCut);
    dc.bellMethod = !doubleTube;
    if (doubleTube) dc.cutLineTubesCode = kNoCutLineTubes;

    // 12. Banner.
    printBanner(console, dc.unitCode);

    // 13 to 21, repeated from the banner while the dew-point question says so.
    const DesignCase dcAfterBanner = dc;
    const RunResult rAfterBanner = r;
    for (;;) {
        dc = dcAfterBanner;
        r = rAfterBanner;
        // 13.
        dc.tubeColder = dc.T3 < dc.T1;
        // 14. Tube surface and pitch.
        checkTubeSurface(dc.tubeSurface, console);
        dc.lowFin = dc.tubeSurface == kLowFinTube;
        r.P = tubePitch(dc.TP, dc.D0, dc.FH, dc.lowFin);
        if (dc.lowFin) r.finPitch = finPitch(dc.FN);
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
        if (dc.tubePhase == TubePhase::Gas) prepareTubeGas(dc, r, console);
        // 21. Dew point of the wet gas.
        if (dc.wetGas && dc.humidityBasis != kFromDewPoint && dewPointTooClose(dc, r, console)) {
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
        r.DS = dc.TP * units::kMetresPerMm;
        dc.annulusFactor = rawFinThickness;
        checkDoubleTubeFit(dc.lowFin, dc.D0, dc.FH, r.DS, dc.unitCode, console);
    } else {
        dc.annulusFactor = 1.0f;
    }

    // 25. Tubes on the shell centre line.
    r.ND = tubesOnCentreLine(dc.NT);
    if (!doubleTube) r.DS = shellDiameter(r.ND, r.P);
    r.wallThickness = (dc.D0 - dc.DI) / 2.0f;

    // 26. Twisted tape: the correlations use the full-turn pitch, twice the
    // neck-to-neck length.
    dc.tapeUsed = dc.twistedTape == kTapeUsed;
    if (dc.tapeUsed) {
        dc.tapePitch = 2.0f * dc.tapePitch * units::kMetresPerMm;
        dc.tapeThickness *= units::kMetresPerMm;
    }

    // 27. Shell inlet temperature.
    const bool si = isSI(dc.unitCode);
    if (dc.shellMethod == kWaterCorrelation) checkWaterTemperature(dc.T1, dc.unitCode, "T1", console);
    if (si) dc.T1 -= units::kKelvinOffset;

    // 28. Whether the length is given; tube inlet temperature (the wet gas
    // enters at its saturation temperature, found later).
    dc.lengthGiven = dc.fluidMode != kSensible || dc.solveFor == kLengthGiven;
    if (dc.tubeMethod == kWaterCorrelation) checkWaterTemperature(dc.T3, dc.unitCode, "T3", console);
    if (si && !dc.wetGas) dc.T3 -= units::kKelvinOffset;

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

    // 30. The hand-entered properties were read with the rest; bring the
    // SI entries to the working units before the properties are prepared.
    normaliseManualProperties(dc, s.console);
}

namespace {

// The wall of a phase-change run must stay on the right side of the
// saturation temperature.
void checkPhaseChangeLimits(const DesignCase& dc, const RunResult& r, TextConsole& console) {
    if (dc.fluidMode != kTubePhaseChange && dc.fluidMode != kShellPhaseChange) return;
    const std::optional<WallLimit> limit = wallLimit(dc.fluidMode, dc.phaseChange, r.T1, r.T3, r.Twav);
    if (limit) endRunAtWallLimit(console, *limit, dc.exchangerType);
}

}  // namespace

void BUTTON1_ON(Session& session, const ResultsStage& results) {
    freezeForms(session);
    try {
        DesignCase dc;
        RunResult r;
        prepareCalculation(session, dc, r);
        runThermalSolver(dc, r, session.console);
        checkPhaseChangeLimits(dc, r, session.console);
        if (results) results(session, dc, r);
    } catch (const RunEnded&) {
        // The step that ended the run has shown its message and halted.
    }
    endOfRunReset(session);
}

void endOfRunReset(Session& session) {
    FormStore& f = session.forms;
    session.console.clear();
    for (const char* c : kFrozenMain) f.setEnabled(kMain, c, true);
    f.setText(kMain, "TEXT82", "");
    f.setText(kMain, "TEXT74", "");
    f.hideForm("FORM3");
    f.setText("FORM4", "EDIT54", "0");
    f.setText("FORM4", "EDIT72", "0");
    // The flow arrangement is a choice only in the sensible mode with the
    // length given (or not yet chosen); the twisted tape not in the other modes.
    const int solveFor = static_cast<int>(f.number(kMain, "EDIT86"));
    const int fluidMode = static_cast<int>(f.number(kMain, "EDIT39"));
    const bool flowChoice = solveFor != kShellOutletGiven && solveFor != kTubeOutletGiven;
    f.setEnabled(kMain, "EDIT53", flowChoice);
    f.setEnabled(kMain, "BUTTON27", flowChoice);
    if (fluidMode == kTubeWetGas || fluidMode == kTubePhaseChange || fluidMode == kShellPhaseChange) {
        for (const char* c : {"EDIT53", "BUTTON27", "BUTTON30", "BUTTON31"}) f.setEnabled(kMain, c, false);
    }
}

void registerCalculationHandlers(DispatchTable& table, ResultsStage results) {
    table.add("MAINFORM", "BUTTON1", [results](Session& s) { BUTTON1_ON(s, results); });
}

}  // namespace hx
