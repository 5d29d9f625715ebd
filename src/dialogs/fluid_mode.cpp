#include "dialogs/fluid_mode.h"

#include <string>

#include "core/option_codes.h"
#include "dialogs/property_panels.h"

namespace hx {

namespace {

constexpr const char* kMain = "MAINFORM";
constexpr const char* kData = "FORM7";

// A caption in the two languages: the English codes take the English
// text, the Japanese codes the Japanese one.
struct Caption {
    const char* japanese;
    const char* english;
};

const char* pick(const Caption& c, int unitCode) {
    return isJapanese(unitCode) ? c.japanese : c.english;
}

constexpr Caption kFluidRowCaption = {"流体条件選択ボタン □", " Fluid mode 　    □"};
constexpr Caption kTubeRowCaption = {" 管内流体選択ボタン □ ", " Tube side physi. □"};
constexpr Caption kShellRowCaption = {"ｼｪﾙ流体選択ボタン  □", " Shell side physi. □"};

// The four fluid-mode buttons: the caption while the row is open and the
// one the chosen button keeps.
struct ModeButton {
    const char* name;
    int mode;
    Caption open;
    Caption chosen;
};
constexpr ModeButton kModeButtons[] = {
    {"BUTTON4",
     kSensible,
     {" 両流体相変化無し(顕熱)", "  Both side sensible"},
     {" 両流体相変化無し(顕熱)", "  Both side sensible"}},
    {"BUTTON2",
     kTubeWetGas,
     {"  管内側 ： 湿り気体", " Tube side ： Wet air"},
     {" 管内側水分湿りｶﾞｽ", "  Tube side ：Wet air"}},
    {"BUTTON22",
     kTubePhaseChange,
     {" 管内 ： 凝縮／蒸発", "Tube side ：Cond./Vap."},
     {" 管内：凝縮／蒸発", "  Tube side：Sat. gas"}},
    {"BUTTON28",
     kShellPhaseChange,
     {" ｼｪﾙ側 ：凝縮／蒸発　 ", "Shell side：Cond./Vap."},
     {" ｼｪﾙ側：凝縮／蒸発", "  Shell side：Sat. gas"}},
};

// A property-method button: its number, its caption, and on the side that
// changes phase (gas by hand then means the saturated vapour) its caption there.
struct MethodButton {
    const char* name;
    int number;
    Caption caption;
    const char* phaseChangeJapanese;
};
constexpr MethodButton kTubeButtons[] = {
    {"BUTTON12", 12, {" 液体の物性：手動入力", "  Liq. physi.：Manual"}, nullptr},
    {"BUTTON16", 16, {" 気体の物性：手動入力", "  Gas physi.：Manual"}, " 物性値手動入力"},
    {"BUTTON14", 14, {"  水の物性　： 相関式", "  Water physi.：Auto"}, nullptr},
    {"BUTTON15", 15, {" 気体の物性 ： 相関式", "  Gas physi. ：Auto"}, nullptr},
};
constexpr MethodButton kShellButtons[] = {
    {"BUTTON17", 17, {" 液体の物性：手動入力", "  Liq. physi.：Manual"}, nullptr},
    {"BUTTON18", 18, {" 気体の物性：手動入力", "  Gas physi.：Manual"}, " 物性値手動入力"},
    {"BUTTON19", 19, {" 水の物性　：相関式", "  Water physi.：Auto"}, nullptr},
};

constexpr const char* kStepMarkers[] = {"EDIT42", "EDIT43", "EDIT44"};
constexpr const char* kComposition[] = {"EDIT87", "EDIT88", "EDIT89", "EDIT90"};
constexpr const char* kCompositionLabels[] = {"TEXT133", "TEXT134", "TEXT135", "TEXT136",
                                              "TEXT137", "TEXT138", "TEXT139", "TEXT140"};

// Placeholders, exactly as the fields show them.
constexpr const char* kWetNotUsedSensible = "\u3000  ━ ";  // EDIT22/EDIT28, sensible mode
constexpr const char* kWetNotUsed = "\u3000  ━";           // EDIT22/EDIT28, other modes
constexpr const char* kOutletNotGiven = "    ―";
constexpr const char* kSensibleOutletNotGiven = "  \u3000  ―";
constexpr const char* kCompositionNotUsed = "      ―";

struct PanelState {
    int unitCode;
    int fluidMode;
    int wetGasBasis;
    int waterUnit;  // EDIT22: 1 vol %, 2 kg/kg of dry gas
    int solveFor;   // FORM7 EDIT122
    bool doubleTube;
};

int code(const FormStore& f, const char* form, const char* field) {
    return static_cast<int>(f.number(form, field));
}

PanelState readState(const FormStore& f) {
    PanelState s{};
    s.unitCode = code(f, kMain, "EDIT74");
    s.fluidMode = code(f, kMain, "EDIT39");
    s.wetGasBasis = code(f, "FORM10", "EDIT125");
    s.waterUnit = code(f, kMain, "EDIT22");
    s.solveFor = code(f, kData, "EDIT122");
    s.doubleTube = code(f, kMain, "EDIT114") == kDoubleTube || code(f, kMain, "EDIT77") == 1;
    return s;
}

bool phaseChangeMode(int mode) { return mode == kTubePhaseChange || mode == kShellPhaseChange; }

// Inlet temperatures in ℃ for the engineering codes, in K (℃ + 273) for SI.
const char* temperatureText(int unitCode, const char* celsius, const char* kelvin) {
    return isSI(unitCode) ? kelvin : celsius;
}

void setAll(FormStore& f, const char* form, std::span<const char* const> controls, bool on) {
    for (const char* c : controls) f.setEnabled(form, c, on);
}

void setField(FormStore& f, const char* form, const char* field, const char* text, bool on) {
    f.setText(form, field, text);
    f.setEnabled(form, field, on);
}

// The current step's marker shows " ■" and is enabled; the others are
// empty and disabled. row -1: no current step.
void markStep(FormStore& f, int row) {
    for (int i = 0; i < 3; ++i) {
        const bool current = i == row;
        f.setText(kMain, kStepMarkers[i], current ? " ■" : "");
        f.setEnabled(kMain, kStepMarkers[i], current);
    }
}

void closeTubeRow(FormStore& f) {
    f.setEnabled(kMain, "BUTTON25", false);
    for (const MethodButton& b : kTubeButtons) f.setEnabled(kMain, b.name, false);
}

// The shell row and what follows it, MAIN INPUT.
void closeShellRow(FormStore& f) {
    f.setEnabled(kMain, "BUTTON29", false);
    for (const MethodButton& b : kShellButtons) f.setEnabled(kMain, b.name, false);
    f.setEnabled(kMain, "BUTTON41", false);
}

// After a choice the buttons of the row that were not chosen are emptied
// and disabled; the chosen one keeps its caption.
template <typename Button>
void keepOnlyChosen(FormStore& f, std::span<const Button> buttons, const char* chosen) {
    for (const Button& b : buttons) {
        if (std::string_view(b.name) == chosen) continue;
        setField(f, kMain, b.name, "", false);
    }
}

// Opens a property row: the offered buttons captioned and enabled, the
// others emptied and disabled.
void openMethodRow(FormStore& f, std::span<const MethodButton> buttons, int unitCode,
                   int phaseChangeModeOfRow, const PanelState& s,
                   bool (*offered)(const MethodButton&, const PanelState&)) {
    for (const MethodButton& b : buttons) {
        if (!offered(b, s)) {
            setField(f, kMain, b.name, "", false);
            continue;
        }
        const char* caption = pick(b.caption, unitCode);
        if (s.fluidMode == phaseChangeModeOfRow && b.phaseChangeJapanese != nullptr &&
            isJapanese(unitCode))
            caption = b.phaseChangeJapanese;
        setField(f, kMain, b.name, caption, true);
    }
}

bool tubeOffered(const MethodButton& b, const PanelState& s) {
    return tubeMethodOffered(b.number, s.fluidMode, s.wetGasBasis);
}
bool shellOffered(const MethodButton& b, const PanelState& s) {
    return shellMethodOffered(b.number, s.fluidMode);
}

// The flow arrangement is a choice only in the sensible mode.
void flowArrangement(FormStore& f, bool choice) {
    setField(f, kMain, "EDIT53", choice ? "    " : "    ―", choice);
    f.setEnabled(kMain, "BUTTON26", choice);
    f.setEnabled(kMain, "BUTTON27", choice);
}

void setWetFields(FormStore& f, const char* text) {
    f.setText(kMain, "EDIT22", text);
    f.setText(kMain, "EDIT28", text);
}

// Tube count, inlet temperatures and length common to the modes.
void presetDuty(FormStore& f, const PanelState& s, const char* tubes, const char* shellInlet,
                const char* tubeInlet) {
    f.setText(kData, "EDIT80", s.doubleTube ? "1" : tubes);
    f.setText(kData, "EDIT81", shellInlet);
    f.setText(kData, "EDIT82", tubeInlet);
}

// Mode 1: shell 20 ℃ cooling the tube fluid of 80 ℃, standard air ready
// for a gas tube side, the flow arrangement a choice.
void presetSensible(FormStore& f, const PanelState& s) {
    f.hideForm("FORM9");
    f.hideForm("FORM10");
    presetDuty(f, s, "100", temperatureText(s.unitCode, "20", "293"),
               temperatureText(s.unitCode, "80", "353"));
    f.setEnabled(kData, "EDIT82", true);
    layoutSensibleSolveFor(f, s.solveFor);
    constexpr const char* kStandardAir[] = {"0.03", "20.95", "0", "79.02"};
    for (int i = 0; i < 4; ++i) setField(f, kData, kComposition[i], kStandardAir[i], true);
    setWetFields(f, kWetNotUsedSensible);
    f.setText(kData, "EDIT123", "\u3000  \u3000― ");
    flowArrangement(f, true);
}

// Mode 2: the wet gas enters at its saturation temperature; 10 % water
// (0.069 kg/kgda) as the default humidity; the property block holds no
// hand-entered values.
void presetWetGas(FormStore& f, const PanelState& s) {
    f.hideForm("FORM9");
    presetDuty(f, s, "100", temperatureText(s.unitCode, "20", "293"), " Sat.temp.");
    f.setEnabled(kData, "EDIT82", false);
    setField(f, kData, "EDIT83", "1000", true);
    setField(f, kData, "EDIT84", kOutletNotGiven, false);
    setField(f, kData, "EDIT85", kOutletNotGiven, false);
    f.setText(kData, "EDIT89", "10");
    if (s.waterUnit == kKgPerKgDryGas) f.setText(kData, "EDIT113", "0.069");
    setWetFields(f, "    ");
    f.setEnabled(kMain, "EDIT22", true);
    f.setEnabled(kMain, "EDIT28", true);
    f.setText(kData, "EDIT123", "  \u3000 ―");
    flowArrangement(f, false);
    preparePropertyColumn(f, PanelSide::Tube, PanelContent::NotApplicable, s.unitCode);
    closeTwoPhaseRows(f, PanelSide::Shell);

    const bool japanese = isJapanese(s.unitCode);
    f.setText("FORM10", "RADIO16",
              japanese ? " 加圧気体飽和温度選択" : " Sat.TemP.at Pressure air");
    f.setText("FORM10", "RADIO17", japanese ? " 大気圧飽和温度選択" : " Sat.Temp. at 1 atm");
    f.showForm("FORM10");
}

// Mode 3: saturated steam at 80 ℃ condensing in the tubes, cooled by a
// shell fluid at 20 ℃; no gas mixture, no outlet temperatures.
void presetTubePhaseChange(FormStore& f, const PanelState& s) {
    f.hideForm("FORM10");
    presetDuty(f, s, "100", temperatureText(s.unitCode, "20", "293"),
               temperatureText(s.unitCode, "80", "353"));
    f.setEnabled(kData, "EDIT82", true);
    setField(f, kData, "EDIT83", "1000", true);
    for (const char* c : kComposition) setField(f, kData, c, kNotApplicable, false);
    setWetFields(f, kWetNotUsed);
    flowArrangement(f, false);
    labelPropertyRows(f, s.unitCode, true);
    preparePropertyColumn(f, PanelSide::Tube, PanelContent::SaturatedVapour, s.unitCode);
    headPropertyColumn(f, PanelSide::Tube, PanelHeading::Vapour, s.unitCode);
    closeTwoPhaseRows(f, PanelSide::Shell);
    for (const char* radio : {"RADIO1", "RADIO2", "RADIO3", "RADIO4", "RADIO5", "RADIO6"})
        f.setEnabled(kData, radio, false);
    setAll(f, kData, kCompositionLabels, false);
    f.setEnabled(kData, "BUTTON37", false);
    f.setEnabled(kData, "BUTTON38", false);
    f.setEnabled(kData, "EDIT84", false);
    f.setEnabled(kData, "EDIT85", false);
}

// Mode 4: saturated steam at 80 ℃ condensing on the shell side of 200
// tubes (100 in SI), heating a tube fluid of 20 ℃; a double tube gets a
// 10 m length.
void presetShellPhaseChange(FormStore& f, const PanelState& s) {
    f.hideForm("FORM10");
    presetDuty(f, s, isSI(s.unitCode) ? "100" : "200", temperatureText(s.unitCode, "80", "353"),
               temperatureText(s.unitCode, "20", "293"));
    f.setEnabled(kData, "EDIT82", true);
    setField(f, kData, "EDIT83", s.doubleTube ? "10000" : "1000", true);
    setWetFields(f, kWetNotUsed);
    flowArrangement(f, false);
    labelPropertyRows(f, s.unitCode, true);
    preparePropertyColumn(f, PanelSide::Shell, PanelContent::SaturatedVapour, s.unitCode);
    headPropertyColumn(f, PanelSide::Shell, PanelHeading::Vapour, s.unitCode);
}

void chooseFluidMode(Session& session, int mode) {
    FormStore& f = session.forms;
    session.console.clear();
    f.setText(kMain, "EDIT39", " " + std::to_string(mode));
    const PanelState s = readState(f);

    f.setText(kMain, "EDIT40", mode == kTubeWetGas ? "4" : mode == kTubePhaseChange ? "2" : "");
    f.setText(kMain, "EDIT41", mode == kShellPhaseChange ? "2" : "");
    markStep(f, 1);
    for (const ModeButton& b : kModeButtons) {
        if (b.mode == mode)
            setField(f, kMain, b.name, pick(b.chosen, s.unitCode), true);
        else
            setField(f, kMain, b.name, "", false);
    }
    closeTubeRow(f);
    closeShellRow(f);
    // The wet gas first asks for its saturation basis; FORM10's OK opens
    // the tube row.
    f.setEnabled(kMain, "BUTTON25", mode != kTubeWetGas);

    switch (mode) {
        case kSensible: presetSensible(f, s); break;
        case kTubeWetGas: presetWetGas(f, s); break;
        case kTubePhaseChange: presetTubePhaseChange(f, s); break;
        case kShellPhaseChange: presetShellPhaseChange(f, s); break;
        default: break;
    }
}

// A gas mixture by correlation on the tube side: standard air, with the
// water content of the wet gas in the unit EDIT22 names.
void prepareTubeGasMixture(FormStore& f, const PanelState& s) {
    f.setText(kData, "EDIT89", "0");
    if (s.fluidMode == kTubeWetGas) {
        if (s.waterUnit == kKgPerKgDryGas) {
            f.setEnabled(kData, "EDIT89", false);
            f.setText(kData, "TEXT139", "");
            setField(f, kData, "EDIT113", "0.069", true);
            f.setVisible(kData, "TEXT164", true);
            f.setEnabled(kData, "TEXT164", true);
        } else if (s.waterUnit == kPercentByVolume) {
            setField(f, kData, "EDIT113", "", false);
            setField(f, kData, "EDIT89", "10", true);
            f.setEnabled(kData, "TEXT164", false);
        }
    }
    f.setEnabled(kData, "BUTTON39", true);
    f.setText(kData, "EDIT87", "0.03");
    f.setText(kData, "EDIT88", "20.95");
    f.setText(kData, "EDIT90", "79.02");
    setAll(f, kData, kComposition, false);
    for (const char* radio : {"RADIO4", "RADIO5", "RADIO6"}) f.setEnabled(kData, radio, true);
    setAll(f, kData, kCompositionLabels, true);
    if (s.fluidMode == kSensible) {
        f.setText(kMain, "EDIT28", kWetNotUsedSensible);
        f.setText(kMain, "EDIT22", "    1");
    } else if (s.fluidMode == kTubeWetGas) {
        f.setText(kMain, "EDIT28", "    0");
        f.setText(kMain, "EDIT22", "    1");
    }
}

// What the tube column shows for a method button in a fluid mode.
PanelContent tubeContent(int button, int mode) {
    switch (button) {
        case 12: return PanelContent::Liquid;
        case 16:
            if (mode == kTubePhaseChange) return PanelContent::SaturatedVapour;
            if (mode == kShellPhaseChange) return PanelContent::VapourRowsOnly;
            return PanelContent::Gas;
        default: return PanelContent::Correlation;
    }
}

PanelHeading tubeHeading(int button, int mode) {
    switch (button) {
        case 12: return PanelHeading::Liquid;
        case 14: return PanelHeading::Water;
        case 16: return mode == kTubePhaseChange ? PanelHeading::Vapour : PanelHeading::Gas;
        default: return PanelHeading::Gas;
    }
}

const char* tubeCode(int button, int mode) {
    switch (button) {
        case 12: return "1";
        // In the wet-gas mode a gas by hand is the wet gas at its pressure.
        case 16: return mode == kTubeWetGas ? "4" : "2";
        case 14: return "3";
        default: return "4";
    }
}

void chooseTubeMethod(Session& session, const MethodButton& button) {
    FormStore& f = session.forms;
    const PanelState s = readState(f);
    if (!tubeMethodOffered(button.number, s.fluidMode, s.wetGasBasis)) return;
    session.console.clear();
    markStep(f, 2);
    f.setEnabled(kMain, "BUTTON29", true);
    for (const MethodButton& b : kShellButtons) f.setEnabled(kMain, b.name, false);
    f.setEnabled(kMain, "BUTTON41", false);
    keepOnlyChosen<MethodButton>(f, kTubeButtons, button.name);

    if (button.number == 15) {
        prepareTubeGasMixture(f, s);
    } else {
        f.hideForm("FORM9");
        for (const char* c : kComposition) setField(f, kData, c, kCompositionNotUsed, false);
        f.setText(kMain, "EDIT28", kWetNotUsed);
        f.setText(kMain, "EDIT22", kWetNotUsed);
    }

    f.setText(kMain, "EDIT40", tubeCode(button.number, s.fluidMode));
    labelPropertyRows(f, s.unitCode, phaseChangeMode(s.fluidMode));
    preparePropertyColumn(f, PanelSide::Tube, tubeContent(button.number, s.fluidMode), s.unitCode);
    headPropertyColumn(f, PanelSide::Tube, tubeHeading(button.number, s.fluidMode), s.unitCode);
}

void chooseShellMethod(Session& session, const MethodButton& button) {
    FormStore& f = session.forms;
    const PanelState s = readState(f);
    if (!shellMethodOffered(button.number, s.fluidMode)) return;
    const int method = button.number - 16;  // BUTTON17 1, BUTTON18 2, BUTTON19 3
    f.setText(kMain, "EDIT41", std::to_string(method));
    if (phaseChangeMode(s.fluidMode)) f.showForm("FORM9");
    markStep(f, -1);
    f.setEnabled(kMain, "BUTTON29", true);
    f.setEnabled(kMain, "BUTTON41", true);
    keepOnlyChosen<MethodButton>(f, kShellButtons, button.name);

    const bool shellChangesPhase = s.fluidMode == kShellPhaseChange;
    PanelContent content = PanelContent::Correlation;
    PanelHeading heading = PanelHeading::Water;
    if (method == kLiquidByHand) {
        content = PanelContent::Liquid;
        heading = PanelHeading::Liquid;
    } else if (method == kGasByHand) {
        content = shellChangesPhase ? PanelContent::SaturatedVapour : PanelContent::Gas;
        heading = shellChangesPhase ? PanelHeading::Vapour : PanelHeading::Gas;
    }
    labelPropertyRows(f, s.unitCode, phaseChangeMode(s.fluidMode));
    preparePropertyColumn(f, PanelSide::Shell, content, s.unitCode);
    headPropertyColumn(f, PanelSide::Shell, heading, s.unitCode);
}

}  // namespace

bool tubeMethodOffered(int tubeButton, int fluidMode, int wetGasBasis) {
    switch (fluidMode) {
        case kTubeWetGas:
            if (tubeButton == 12 || tubeButton == 14) return false;
            if (wetGasBasis == 1) return tubeButton == 16;
            if (wetGasBasis == 2) return tubeButton == 15;
            return tubeButton == 16 || tubeButton == 15;
        // Only the saturated vapour can be entered by hand.
        case kTubePhaseChange: return tubeButton == 16;
        default:
            return tubeButton == 12 || tubeButton == 16 || tubeButton == 14 || tubeButton == 15;
    }
}

bool shellMethodOffered(int shellButton, int fluidMode) {
    if (fluidMode == kShellPhaseChange) return shellButton == 18;
    return shellButton == 17 || shellButton == 18 || shellButton == 19;
}

void layoutSensibleSolveFor(FormStore& f, int solveFor) {
    const bool shellOutlet = solveFor == kShellOutletGiven;
    const bool tubeOutlet = solveFor == kTubeOutletGiven;
    const bool length = !shellOutlet && !tubeOutlet;
    for (const char* marker : {"TEXT147", "TEXT148", "TEXT149"}) f.setText(kData, marker, "→");
    f.setText(kData, "TEXT146", length ? "→" : "");
    f.setText(kData, "TEXT142", shellOutlet ? "→" : "");
    f.setText(kData, "TEXT141", tubeOutlet ? "→" : "");
    f.setText(kData, "TEXT143", "");
    setField(f, kData, "EDIT83", length ? "1000" : "", length);
    setField(f, kData, "EDIT85", shellOutlet ? "100" : kSensibleOutletNotGiven, shellOutlet);
    setField(f, kData, "EDIT84", tubeOutlet ? "100" : kSensibleOutletNotGiven, tubeOutlet);
}

void BUTTON24_ON(Session& session) {
    FormStore& f = session.forms;
    const int unitCode = code(f, kMain, "EDIT74");
    f.hideForm("FORM6");
    f.setEnabled(kMain, "BUTTON35", true);
    for (const ModeButton& b : kModeButtons)
        setField(f, kMain, b.name, pick(b.open, unitCode), true);
    closeTubeRow(f);
    closeShellRow(f);
    markStep(f, 0);
    f.setText(kMain, "BUTTON24", pick(kFluidRowCaption, unitCode));
    f.setText(kMain, "EDIT39", "0");

    // The temperature block of a given tube length, emptied.
    for (const char* radio : {"RADIO4", "RADIO5", "RADIO6"}) f.setEnabled(kData, radio, true);
    for (const char* marker : {"TEXT141", "TEXT142", "TEXT143"}) f.setText(kData, marker, "");
    for (const char* field : {"EDIT84", "EDIT85", "EDIT80", "EDIT81", "EDIT82", "EDIT83"})
        f.setText(kData, field, "");
    for (const char* marker : {"TEXT146", "TEXT147", "TEXT148", "TEXT149"})
        f.setText(kData, marker, "→");
    f.setText(kData, "EDIT84", kOutletNotGiven);
    f.setText(kData, "EDIT85", kOutletNotGiven);
    f.setEnabled(kData, "TEXT127", true);
    f.setEnabled(kData, "EDIT81", true);
}

void BUTTON4_ON(Session& session) { chooseFluidMode(session, kSensible); }
void BUTTON2_ON(Session& session) { chooseFluidMode(session, kTubeWetGas); }
void BUTTON22_ON(Session& session) { chooseFluidMode(session, kTubePhaseChange); }
void BUTTON28_ON(Session& session) { chooseFluidMode(session, kShellPhaseChange); }

void BUTTON25_ON(Session& session) {
    FormStore& f = session.forms;
    const PanelState s = readState(f);
    f.setEnabled(kMain, "BUTTON24", true);
    markStep(f, 1);
    f.setEnabled(kMain, "BUTTON25", true);
    openMethodRow(f, kTubeButtons, s.unitCode, kTubePhaseChange, s, tubeOffered);
    closeShellRow(f);
    f.setText(kMain, "BUTTON25", pick(kTubeRowCaption, s.unitCode));
    f.setText(kMain, "EDIT40", "0");
}

void BUTTON12_ON(Session& session) { chooseTubeMethod(session, kTubeButtons[0]); }
void BUTTON16_ON(Session& session) { chooseTubeMethod(session, kTubeButtons[1]); }
void BUTTON14_ON(Session& session) { chooseTubeMethod(session, kTubeButtons[2]); }
void BUTTON15_ON(Session& session) { chooseTubeMethod(session, kTubeButtons[3]); }

void BUTTON29_ON(Session& session) {
    FormStore& f = session.forms;
    const PanelState s = readState(f);
    f.setEnabled(kMain, "BUTTON25", true);
    markStep(f, 2);
    f.setEnabled(kMain, "BUTTON29", true);
    openMethodRow(f, kShellButtons, s.unitCode, kShellPhaseChange, s, shellOffered);
    f.setEnabled(kMain, "BUTTON41", false);
    f.setText(kMain, "BUTTON29", pick(kShellRowCaption, s.unitCode));
    f.setText(kMain, "EDIT41", "0");
}

void BUTTON17_ON(Session& session) { chooseShellMethod(session, kShellButtons[0]); }
void BUTTON18_ON(Session& session) { chooseShellMethod(session, kShellButtons[1]); }
void BUTTON19_ON(Session& session) { chooseShellMethod(session, kShellButtons[2]); }

void registerFluidModeHandlers(DispatchTable& table) {
    table.add(kMain, "BUTTON24", BUTTON24_ON);
    table.add(kMain, "BUTTON4", BUTTON4_ON);
    table.add(kMain, "BUTTON2", BUTTON2_ON);
    table.add(kMain, "BUTTON22", BUTTON22_ON);
    table.add(kMain, "BUTTON28", BUTTON28_ON);
    table.add(kMain, "BUTTON25", BUTTON25_ON);
    table.add(kMain, "BUTTON12", BUTTON12_ON);
    table.add(kMain, "BUTTON16", BUTTON16_ON);
    table.add(kMain, "BUTTON14", BUTTON14_ON);
    table.add(kMain, "BUTTON15", BUTTON15_ON);
    table.add(kMain, "BUTTON29", BUTTON29_ON);
    table.add(kMain, "BUTTON17", BUTTON17_ON);
    table.add(kMain, "BUTTON18", BUTTON18_ON);
    table.add(kMain, "BUTTON19", BUTTON19_ON);
}

}  // namespace hx
