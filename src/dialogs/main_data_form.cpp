#include "dialogs/main_data_form.h"

#include <optional>
#include <string>

#include "calc/case/read_design_case.h"
#include "core/option_codes.h"
#include "dialogs/control_groups.h"
#include "dialogs/property_panels.h"

namespace hx {

using controls::code;
using controls::enable;
using controls::put;

namespace {

constexpr const char* kMain = "MAINFORM";
constexpr const char* kData = "FORM7";

constexpr const char* kArrow = "→";
// A closed field of the temperature block: four blanks and a dash (reads as 0).
constexpr const char* kClosed = "    ―";

constexpr const char* kCompositionButtons[] = {"RADIO4", "RADIO5", "RADIO6"};
constexpr const char* kCompositionFields[] = {"EDIT87", "EDIT88", "EDIT89", "EDIT90"};
// CO2, O2, H2O, N2 names, then their "（％）" labels.
constexpr const char* kCompositionNames[] = {"TEXT133", "TEXT134", "TEXT135", "TEXT136"};
constexpr const char* kPercentLabels[] = {"TEXT137", "TEXT138", "TEXT139", "TEXT140"};
// The markers in front of CO2, O2, H2O, BUTTON38 and BUTTON37.
constexpr const char* kCompositionMarkers[] = {"TEXT150", "TEXT151", "TEXT143", "TEXT144",
                                               "TEXT145"};
constexpr const char* kTubeTwoPhaseFields[] = {"EDIT93", "EDIT98", "EDIT99", "EDIT100", "EDIT101"};
constexpr const char* kShellTwoPhaseFields[] = {"EDIT102", "EDIT107", "EDIT108", "EDIT109",
                                                "EDIT110"};
constexpr const char* kShellSinglePhaseFields[] = {"EDIT103", "EDIT104", "EDIT105", "EDIT106"};

// The selection panel of the main window: the three rows and their choice
// buttons, closed while the main data form is open.
constexpr const char* kSelectionPanel[] = {
    "BUTTON24", "BUTTON25", "BUTTON29", "BUTTON4",  "BUTTON2",  "BUTTON22", "BUTTON28", "BUTTON12",
    "BUTTON16", "BUTTON14", "BUTTON15", "BUTTON17", "BUTTON18", "BUTTON19", "RADIO7",   "RADIO8"};

// Which field and markers a solve-for choice opens. The tube count and the
// two inlet temperatures are always needed.
struct SolveForLayout {
    const char* openField;   // EDIT83 length, EDIT85 shell outlet, EDIT84 tube outlet
    const char* openMarker;  // TEXT146, TEXT142, TEXT141
};
constexpr SolveForLayout kSolveForLayouts[] = {
    {"EDIT83", "TEXT146"},
    {"EDIT85", "TEXT142"},
    {"EDIT84", "TEXT141"},
};

// The captions MAIN INPUT gives the option buttons.
constexpr const char* kRadioJapanese[] = {"伝熱管長さ指定",
                                          "シェル出側温度指定",
                                          "伝熱管出側温度指定",
                                          "組成入力(管内)【 CO2,O2,H2O,N2(残部）】 ",
                                          "標準空気と水分の混合(管内)",
                                          "標準空気(管内)【組込値】"};
constexpr const char* kRadioEnglish[] = {
    "Fix tube length",          "Fix shell outlet temp.",          "Fix tube outlet temp.",
    "Tube side gas components", "Tube side standard air with H2O", "Tube side standard air"};
constexpr const char* kRadios[] = {"RADIO1", "RADIO2", "RADIO3", "RADIO4", "RADIO5", "RADIO6"};

// Temperature labels of the sensible and wet-gas modes: shell inlet, tube
// inlet, tube outlet, shell outlet.
struct TemperatureLabels {
    const char* shellInlet;
    const char* tubeInlet;
    const char* tubeOutlet;
    const char* shellOutlet;
};
constexpr TemperatureLabels kLabelsCode1 = {"Shell side inlet Temp.(K)", "Tube side inlet Temp.(K)",
                                            "Tube outlet temp.(K)", "Shell outlet temp.(K)"};
constexpr TemperatureLabels kLabelsCode3 = {"シェル入側温度(K)", "管内入側温度(K)",
                                            "伝熱管出側温度(K)", "シェル出側温度(K)"};
constexpr TemperatureLabels kLabelsCode4 = {"シェル入側温度(℃)", "管内入側温度(℃)",
                                            "伝熱管出側温度(℃)", "シェル出側温度(℃)"};

const TemperatureLabels& temperatureLabels(int unitCode) {
    if (unitCode == kJapaneseEngineering) return kLabelsCode4;
    if (unitCode == kJapaneseSI) return kLabelsCode3;
    return kLabelsCode1;
}

// What MAIN INPUT reads before it lays the form out.
struct MainInputCodes {
    int mode, tubeMethod, shellMethod, unit, tape, solveFor, waterUnit, exchanger, phase, basis;
};

MainInputCodes readCodes(const FormStore& f) {
    return {code(f, kMain, "EDIT39"),    code(f, kMain, "EDIT40"),  code(f, kMain, "EDIT41"),
            code(f, kMain, "EDIT74"),    code(f, kMain, "EDIT73"),  code(f, kData, "EDIT122"),
            code(f, kMain, "EDIT22"),    code(f, kMain, "EDIT114"), code(f, "FORM9", "EDIT121"),
            code(f, "FORM10", "EDIT125")};
}

// A pressurised wet gas: its humidity comes from the atmospheric dew point
// and the gas pressure, not from the composition block. The basis code of
// an earlier wet-gas case may linger in FORM10, so the mode decides too.
bool pressurisedWetGas(const MainInputCodes& c) {
    return c.mode == kTubeWetGas && c.basis == kFromDewPoint;
}

bool shellEvaporation(const MainInputCodes& c) {
    return c.mode == kShellPhaseChange && c.phase == kEvaporation;
}

bool evaporation(const MainInputCodes& c) {
    return (c.mode == kTubePhaseChange || c.mode == kShellPhaseChange) && c.phase == kEvaporation;
}

// Step 3: the dew-point row of a pressurised wet gas.
void layoutDewPointRow(FormStore& f, const MainInputCodes& c) {
    f.setText(kData, "TEXT149", kArrow);
    if (pressurisedWetGas(c)) {
        enable(f, kData, {"TEXT180", "TEXT181", "EDIT124"}, true);
        f.setText(kData, "TEXT181", kArrow);
        if (isSI(c.unit)) f.setText(kData, "EDIT124", "303");
        enable(f, kData, {"BUTTON37", "BUTTON38", "TEXT144", "TEXT145"}, false);
        enable(f, kData, kCompositionButtons, false);
    } else {
        put(f, kData, "TEXT181", "", false);
        put(f, kData, "TEXT180", "", false);
        put(f, kData, "EDIT124", "    \u3000―", false);
    }
}

// Step 4: the twisted-tape dimensions, 100 mm between necks and 1 mm thick.
void layoutTapeFields(FormStore& f, int tape) {
    if (tape == kTapeUsed) {
        enable(f, kData, {"EDIT111", "EDIT112", "TEXT165", "TEXT166"}, true);
        f.setText(kData, "EDIT111", "100");
        f.setText(kData, "EDIT112", "1");
    } else if (tape == kTapeNotUsed) {
        controls::write(f, kData, {"EDIT111", "EDIT112"}, kClosed);
        enable(f, kData, {"EDIT111", "EDIT112", "TEXT165", "TEXT166"}, false);
    }
}

// Step 6: open everything, then close what the mode and methods exclude.
void enableByMode(FormStore& f, const MainInputCodes& c) {
    f.setEnabled(kData, "EDIT81", true);
    f.setEnabled(kData, "EDIT82", c.mode != kTubeWetGas);
    enable(f, kData, {"EDIT83", "EDIT84", "EDIT85"}, true);
    enable(f, kData, kCompositionFields, true);
    enable(f, kData, propertyFields(PanelSide::Tube), true);
    enable(f, kData, propertyFields(PanelSide::Shell), true);
    enable(f, kData, kRadios, true);
    enable(f, kData, kCompositionNames, true);
    enable(f, kData, kPercentLabels, true);
    f.setEnabled(kData, "BUTTON39", true);

    if (c.tubeMethod == kWaterCorrelation || c.tubeMethod == kGasCorrelation)
        enable(f, kData, propertyFields(PanelSide::Tube), false);
    if (c.shellMethod == kWaterCorrelation) enable(f, kData, kShellSinglePhaseFields, false);
    // The latent-heat and condensate rows belong to the side that changes phase.
    if (c.mode != kTubePhaseChange) enable(f, kData, kTubeTwoPhaseFields, false);
    if (c.mode != kShellPhaseChange) enable(f, kData, kShellTwoPhaseFields, false);

    switch (c.mode) {
        case kTubeWetGas:
            f.setEnabled(kData, "RADIO6", false);
            enable(f, kData, {"RADIO4", "RADIO5", "EDIT84", "EDIT85", "EDIT87", "EDIT88", "EDIT89"},
                   true);
            break;
        case kTubePhaseChange:
        case kShellPhaseChange:
            enable(f, kData, kRadios, false);
            enable(f, kData, kCompositionFields, false);
            if (c.mode == kShellPhaseChange) {
                enable(f, kData, kShellTwoPhaseFields, true);
                enable(f, kData, {"EDIT84", "EDIT85"}, true);
                if (c.phase == kEvaporation) enable(f, kData, {"EDIT84", "EDIT85"}, false);
            }
            break;
        case kSensible:
            enable(f, kData, {"RADIO1", "RADIO2", "RADIO3", "RADIO6", "EDIT84", "EDIT85"}, true);
            break;
        default: break;
    }
    // Without a gas mixture on the tube side the composition does not apply.
    if (c.tubeMethod == kLiquidByHand || c.tubeMethod == kGasByHand ||
        c.tubeMethod == kWaterCorrelation) {
        enable(f, kData, kCompositionNames, false);
        enable(f, kData, kPercentLabels, false);
        f.setEnabled(kData, "RADIO6", false);
    }
}

// Steps 7 and 8: captions for the language.
void captionForLanguage(FormStore& f, const MainInputCodes& c) {
    const bool english = !isJapanese(c.unit);
    for (int i = 3; i < 6; ++i) f.setText(kData, kRadios[i], kRadioJapanese[i]);
    if (english) {
        f.setText(kData, "TEXT132", "Number of tubes.(-)");
        f.setText(kData, "TEXT129", "Tube length.(mm)");
        for (int i = 0; i < 6; ++i) f.setText(kData, kRadios[i], kRadioEnglish[i]);
        f.setText(kData, "TEXT161", "Tube side physical prop.");
        f.setText(kData, "TEXT162", "Shell side physical prop.");
        if (c.mode == kTubePhaseChange || c.mode == kShellPhaseChange) {
            f.setText("FORM9", "RADIO14", "Condensation");
            f.setText("FORM9", "RADIO15", "Evaporation");
            labelPropertyRows(f, c.unit, true);
        }
        f.setText(kData, "TEXT165", "          Twist tape pitch               (neck to neck)");
        f.setText(kData, "TEXT166", "     Twist tape thickness");
    } else {
        f.setText(kData, "TEXT165", " 捻りﾃｰﾌﾟﾋﾟｯﾁ（節間長さ)");
        f.setText(kData, "TEXT166", "\u3000\u3000\u3000\u3000   \u3000捻りﾃｰﾌﾟ板厚");
    }
    // In evaporation the outlet rows hold other quantities, captioned by FORM9.
    if (!evaporation(c)) {
        if (c.unit == kJapaneseSI) {
            f.setText(kData, "TEXT130", "伝熱管出側温度(K)");
            f.setText(kData, "TEXT131", "シェル出側温度(K)");
        } else if (c.unit == kJapaneseEngineering) {
            f.setText(kData, "TEXT130", "伝熱管出側温度(℃)");
            f.setText(kData, "TEXT131", "シェル出側温度(℃)");
        } else {
            f.setText(kData, "TEXT130", "Tube outlet Temp.(K)");
            f.setText(kData, "TEXT131", "Shell outlet Temp.(K)");
        }
    }
}

void writeSolveFor(FormStore& f, int solveFor) {
    f.setText(kData, "EDIT122", std::to_string(solveFor));
    f.setText(kMain, "EDIT86", std::to_string(solveFor));
}

// Step 9: the temperature block by mode.
void layoutTemperatureBlock(FormStore& f, const MainInputCodes& c) {
    const TemperatureLabels& labels = temperatureLabels(c.unit);
    switch (c.mode) {
        case kSensible:
            layoutSolveFor(f, c.solveFor, false);
            f.setText(kMain, "EDIT86", std::to_string(c.solveFor));
            f.setText(kData, "TEXT127", labels.shellInlet);
            f.setText(kData, "TEXT128", labels.tubeInlet);
            f.setText(kData, "TEXT130", labels.tubeOutlet);
            f.setText(kData, "TEXT131", labels.shellOutlet);
            break;
        case kTubeWetGas:
            // A wet gas is always rated for a given length.
            writeSolveFor(f, kLengthGiven);
            enable(f, kData, {"EDIT84", "EDIT85"}, false);
            f.setText(kData, "TEXT127", labels.shellInlet);
            f.setText(kData, "TEXT128", labels.tubeInlet);
            controls::write(f, kData, {"TEXT130", "TEXT131"}, "");
            break;
        case kTubePhaseChange:
        case kShellPhaseChange:
            f.setText(kData, "TEXT149", kArrow);
            if (shellEvaporation(c)) {
                if (c.unit == kEnglishSI) {
                    f.setText(kData, "TEXT178", "Inlet liquid temperature");
                    f.setText(kData, "TEXT131", "Vapor pressure");
                }
                f.setEnabled(kData, "EDIT123", true);
                put(f, kData, "TEXT179", kArrow, true);
            }
            break;
        default: break;
    }
}

// Step 10: the gas pressure row of a pressurised wet gas, 8 kg/cm2 or 0.8 MPa.
void layoutPressureRow(FormStore& f, const MainInputCodes& c) {
    if (pressurisedWetGas(c)) {
        put(f, kData, "EDIT123", isSI(c.unit) ? "0.8" : "8", true);
        if (c.unit == kJapaneseEngineering) {
            f.setText(kData, "TEXT178", "管内気体圧力(kg/cm2)");
            f.setText(kData, "TEXT180", "大気圧露点温度(℃)");
        } else if (c.unit == kJapaneseSI) {
            f.setText(kData, "TEXT178", "管内気体圧力(MPa)");
            f.setText(kData, "TEXT180", "大気圧露点温度(K)");
        }
        controls::write(f, kData, kCompositionFields, "     ―");
        enable(f, kData, kCompositionFields, false);
        // The mode rule of step 6 opened the composition choices again; a
        // pressurised gas takes its humidity from the dew point, not from them.
        enable(f, kData, kCompositionButtons, false);
    } else if (!shellEvaporation(c)) {
        // The row holds the shell liquid inlet temperature in shell evaporation.
        controls::write(f, kData, {"TEXT178", "TEXT179"}, "");
        put(f, kData, "EDIT123", "     ― ", false);
    }
}

// Step 11: the H2O content as a percentage or in kg/kg of dry gas.
void layoutWaterUnit(FormStore& f, int waterUnit) {
    if (waterUnit == kKgPerKgDryGas) {
        f.setText(kData, "EDIT89", "     ―");
        f.setText(kData, "EDIT113", "    \u3000―");
        enable(f, kData, {"EDIT89", "EDIT113", "TEXT139"}, false);
        f.setEnabled(kData, "TEXT164", true);
    } else {
        put(f, kData, "EDIT113", "    －", false);
        enable(f, kData, {"EDIT89", "TEXT139"}, true);
    }
}

bool byHand(int method) { return method == kLiquidByHand || method == kGasByHand; }

}  // namespace

void layoutSolveFor(FormStore& f, int solveFor, bool writeTexts) {
    if (solveFor < kLengthGiven || solveFor > kTubeOutletGiven) return;
    const SolveForLayout& open = kSolveForLayouts[solveFor - 1];
    for (const SolveForLayout& l : kSolveForLayouts) {
        const bool isOpen = l.openField == open.openField;
        f.setEnabled(kData, l.openField, isOpen);
        if (writeTexts) f.setText(kData, l.openField, isOpen ? "" : kClosed);
        f.setText(kData, l.openMarker, isOpen ? kArrow : "");
    }
    controls::write(f, kData, {"TEXT147", "TEXT148", "TEXT149"}, kArrow);
    // Only a rating for a given length knows both outlets and so the flow arrangement.
    enable(f, kMain, {"EDIT53", "BUTTON27"}, solveFor == kLengthGiven);
}

void BUTTON41_ON(Session& session) {
    FormStore& f = session.forms;
    f.hideForm("FORM9");
    const MainInputCodes c = readCodes(f);

    enable(f, kMain, {"RADIO7", "RADIO8", "BUTTON1"}, false);
    f.showForm(kData);

    layoutDewPointRow(f, c);
    layoutTapeFields(f, c.tape);
    if (c.exchanger == kDoubleTube) f.setText(kData, "EDIT80", "1");
    enableByMode(f, c);

    f.setEnabled(kMain, "BUTTON1", true);
    enable(f, kData, {"BUTTON37", "BUTTON38"}, false);
    captionForLanguage(f, c);
    layoutTemperatureBlock(f, c);
    layoutPressureRow(f, c);
    layoutWaterUnit(f, c.waterUnit);

    enable(f, kMain, kSelectionPanel, false);
    f.setEnabled(kMain, "BUTTON35", true);
    if (byHand(c.tubeMethod) || byHand(c.shellMethod))
        enable(f, kData, {"EDIT89", "EDIT113"}, false);
}

namespace {

void chooseSolveFor(Session& session, int solveFor) {
    FormStore& f = session.forms;
    writeSolveFor(f, solveFor);
    layoutSolveFor(f, solveFor, true);
    enable(f, kData, {"BUTTON37", "BUTTON38"}, false);
    controls::write(f, kData, kCompositionMarkers, "");
}

}  // namespace

void RADIO1_ON(Session& session) { chooseSolveFor(session, kLengthGiven); }
void RADIO2_ON(Session& session) { chooseSolveFor(session, kShellOutletGiven); }
void RADIO3_ON(Session& session) { chooseSolveFor(session, kTubeOutletGiven); }

void BUTTON39_ON(Session& session) {
    FormStore& f = session.forms;
    const int mode = code(f, kMain, "EDIT39");
    if (mode == kTubePhaseChange) {
        controls::write(f, kData, propertyFields(PanelSide::Tube), "");
        controls::write(f, kData, propertyFields(PanelSide::Shell), "");
        controls::write(f, kData, {"EDIT80", "EDIT81", "EDIT82", "EDIT83"}, "");
        return;
    }
    if (code(f, kMain, "EDIT40") == kLiquidByHand) enable(f, kData, kCompositionButtons, false);
    controls::write(f, kData, {"TEXT141", "TEXT142"}, "");
    controls::write(f, kData, {"EDIT84", "EDIT85", "EDIT80", "EDIT81", "EDIT82", "EDIT83"}, "");
    controls::write(f, kData, {"TEXT146", "TEXT147", "TEXT148", "TEXT149"}, kArrow);
    controls::write(f, kData, {"EDIT84", "EDIT85"}, kClosed);
    if (mode == kTubeWetGas) f.setEnabled(kData, "RADIO6", false);
}

void BUTTON40_ON(Session& session) {
    FormStore& f = session.forms;
    MainDataEntries e;
    e.solveFor = code(f, kData, "EDIT122");
    e.phaseChange = code(f, "FORM9", "EDIT121");
    e.shellInlet = f.number(kData, "EDIT81");
    e.tubeInlet = f.number(kData, "EDIT82");
    e.length = f.number(kData, "EDIT83");
    e.shellOutlet = f.number(kData, "EDIT85");
    e.tubeOutlet = f.number(kData, "EDIT84");
    e.fluidMode = code(f, kMain, "EDIT39");

    const bool arrangementOpen = e.solveFor == kLengthGiven && e.fluidMode == kSensible;
    enable(f, kMain, {"EDIT53", "BUTTON26", "BUTTON27"}, arrangementOpen);
    f.setText(kData, "TEXT177", " ");

    // Each field of the form read whole and in its range before the
    // temperature checks; a refused field is selected for retyping.
    std::optional<FieldRefusal> refusal = findPartlyReadField(f, kData);
    if (!refusal) refusal = findEntryOutOfRange(readDesignCase(f), kData);
    if (refusal) {
        f.setText(kData, "TEXT177", refusal->message);
        // Selected once the notice is acknowledged, so that the field keeps
        // the focus for retyping.
        session.console.halt();
        selectRefusedField(f, *refusal);
        return;
    }

    const MainDataVerdict verdict = checkMainData(e);
    if (verdict.stage != MainDataStage::PhaseChange) {
        f.hideForm(kData);
        f.showForm("FORM8");
        f.setEnabled(kMain, "BUTTON1", false);
    }
    if (verdict.stage == MainDataStage::Passed) return;
    f.setText(kData, "TEXT177", std::string(verdict.message));
    if (verdict.stage == MainDataStage::Duty) {
        f.showForm(kData);
        f.hideForm("FORM8");
    }
    session.console.halt();
}

void BUTTON42_ON(Session& session) {
    session.forms.hideForm(kData);
    enable(session.forms, kMain, {"BUTTON41", "BUTTON24"}, true);
}

void registerMainDataFormHandlers(DispatchTable& table) {
    table.add(kMain, "BUTTON41", BUTTON41_ON);
    table.add(kData, "RADIO1", RADIO1_ON);
    table.add(kData, "RADIO2", RADIO2_ON);
    table.add(kData, "RADIO3", RADIO3_ON);
    table.add(kData, "RADIO4", RADIO4_ON);
    table.add(kData, "RADIO5", RADIO5_ON);
    table.add(kData, "RADIO6", RADIO6_ON);
    table.add(kData, "BUTTON37", BUTTON37_ON);
    table.add(kData, "BUTTON38", BUTTON38_ON);
    table.add(kData, "BUTTON39", BUTTON39_ON);
    table.add(kData, "BUTTON40", BUTTON40_ON);
    table.add(kData, "BUTTON42", BUTTON42_ON);
}

}  // namespace hx
