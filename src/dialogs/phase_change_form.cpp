// FORM9: whether the phase-change side condenses or evaporates, and the
// FORM7 temperature block that follows from it. Temperatures in ℃ for
// code 4 and K for codes 1 and 3 (273 K = 0 ℃); the surface tension of an
// evaporating liquid in kgf/m and its saturated vapour pressure in kgf/cm2.
#include <string>

#include "core/option_codes.h"
#include "dialogs/control_groups.h"
#include "dialogs/option_dialogs.h"

namespace hx {

using controls::code;
using controls::enable;
using controls::put;

namespace {

constexpr const char* kMain = "MAINFORM";
constexpr const char* kData = "FORM7";
constexpr const char* kForm = "FORM9";
constexpr const char* kArrow = "→";
constexpr const char* kClosed = "  \u3000 ―";

// A caption per unit code: 4 Japanese ℃, 3 Japanese K, 1 English K.
struct Caption {
    const char* code4;
    const char* code3;
    const char* code1;
};

const char* captionOf(const Caption& c, int unitCode) {
    if (unitCode == kJapaneseEngineering) return c.code4;
    if (unitCode == kJapaneseSI) return c.code3;
    return c.code1;
}

// An inlet default in ℃ (code 4) and in K (codes 1 and 3).
struct Default {
    const char* celsius;
    const char* kelvin;
};

const char* defaultOf(const Default& d, int unitCode) {
    return isSI(unitCode) ? d.kelvin : d.celsius;
}

struct InletRow {
    Caption label;
    Default value;
};

struct PhaseLayout {
    int mode;
    int phase;
    InletRow shell;  // EDIT81 with TEXT127
    InletRow tube;   // EDIT82 with TEXT128
};

// A condensing vapour at 100 ℃ against a 20 ℃ stream; an evaporating
// liquid at 100 ℃ heated by a 150 ℃ stream.
constexpr PhaseLayout kLayouts[] = {
    {kTubePhaseChange,
     kCondensation,
     {{"シェル入側温度(℃)", "シェル入側温度(K)", "Shell side sat.vap.Temp.(K)"}, {"20", "293"}},
     {{"管内側飽和温度(℃)", "管内側飽和温度(K)", "Tube side sat.vap.Temp.(K)"}, {"100", "373"}}},
    {kShellPhaseChange,
     kCondensation,
     {{"シェル側飽和温度(℃)", "シェル側飽和温度(K)", "Shell side sat.vapor Temp.(K)"},
      {"100", "373"}},
     {{"管内入側温度(℃)", "管内入側温度(K)", "Tube sideinlet Temp.(K)"}, {"20", "293"}}},
    {kTubePhaseChange,
     kEvaporation,
     {{"シェル入側温度(℃)", "シェル入側温度(K)", "Shell side inlet Temp.(K)"}, {"150", "423"}},
     {{"管内側飽和温度(℃)", "管内側飽和温度(K)", "Tube side sat.vap.Temp.(K)"}, {"100", "373"}}},
    {kShellPhaseChange,
     kEvaporation,
     {{"シェル側飽和温度(℃)", "シェル側飽和温度(K)", "Shell side sat.vapor Temp.(K)"},
      {"100", "373"}},
     {{"管内入側温度(℃)", "管内入側温度(K)", "Tube side inlet Temp.(K)"}, {"150", "423"}}},
};

constexpr Caption kSurfaceTension = {"蒸発液の表面張力(kgf/m)", "蒸発液の表面張力(kgf/m)",
                                     "Surface tension (kgf/m)"};
constexpr Caption kVapourPressure = {"飽和蒸気圧力(kgf/cm2)", "飽和蒸気圧力(kgf/cm2)",
                                     "Sat.vapour Temp.(K)"};
constexpr Caption kLiquidInlet = {"シェル入側液温度(℃)", "シェル入側液温度(K)",
                                  "Shell side liq. inlet Temp.(K)"};
// The shell liquid of a shell-side evaporation enters at 100 ℃.
constexpr Default kLiquidInletValue = {"100", "373"};

const PhaseLayout* findLayout(int mode, int phase) {
    for (const PhaseLayout& l : kLayouts)
        if (l.mode == mode && l.phase == phase) return &l;
    return nullptr;
}

void captionInlets(FormStore& f, const PhaseLayout& l, int unitCode) {
    f.setText(kData, "TEXT127", captionOf(l.shell.label, unitCode));
    f.setText(kData, "TEXT128", captionOf(l.tube.label, unitCode));
}

// Clicking a choice lays the block out at once, in a first form that OK
// completes.
void choosePhase(Session& session, int phase) {
    FormStore& f = session.forms;
    f.setText(kForm, "EDIT121", std::to_string(phase));
    const int unitCode = code(f, kMain, "EDIT74");
    if (const PhaseLayout* l = findLayout(code(f, kMain, "EDIT39"), phase))
        captionInlets(f, *l, unitCode);
    if (phase == kCondensation) {
        controls::write(f, kData, {"EDIT84", "EDIT85", "TEXT130", "TEXT131"}, "");
        f.setEnabled(kData, "EDIT84", false);
        f.setText(kData, "EDIT85", "1");
    } else {
        f.setText(kData, "EDIT84", ".004");
        f.setText(kData, "EDIT85", "1");
        f.setText(kData, "EDIT123", "100");
        enable(f, kData, {"EDIT84", "EDIT85", "EDIT123"}, true);
    }
}

}  // namespace

void layoutPhaseChange(FormStore& f, int fluidMode, int phaseChange, int unitCode) {
    const PhaseLayout* l = findLayout(fluidMode, phaseChange);
    if (l == nullptr) return;
    captionInlets(f, *l, unitCode);
    f.setText(kData, "EDIT81", defaultOf(l->shell.value, unitCode));
    f.setText(kData, "EDIT82", defaultOf(l->tube.value, unitCode));

    if (phaseChange == kCondensation) {
        for (const char* field : {"EDIT84", "EDIT85", "EDIT123"})
            put(f, kData, field, kClosed, false);
    } else if (fluidMode == kTubePhaseChange) {
        put(f, kData, "EDIT84", "0.004", true);
        f.setText(kData, "TEXT130", captionOf(kSurfaceTension, unitCode));
        put(f, kData, "EDIT85", kClosed, false);
        put(f, kData, "EDIT123", kClosed, false);
    } else {
        put(f, kData, "EDIT84", ".004", true);
        f.setText(kData, "TEXT130", captionOf(kSurfaceTension, unitCode));
        put(f, kData, "EDIT85", "1", true);
        f.setText(kData, "TEXT131", captionOf(kVapourPressure, unitCode));
        put(f, kData, "EDIT123", defaultOf(kLiquidInletValue, unitCode), true);
        f.setText(kData, "TEXT178", captionOf(kLiquidInlet, unitCode));
    }
    controls::write(f, kData, {"TEXT141", "TEXT142"}, kArrow);
    put(f, kData, "EDIT83", "1000", true);
}

void RADIO14_ON(Session& session) { choosePhase(session, kCondensation); }
void RADIO15_ON(Session& session) { choosePhase(session, kEvaporation); }

void BUTTON47_ON(Session& session) {
    FormStore& f = session.forms;
    enable(f, kData, {"EDIT84", "EDIT85", "TEXT130", "TEXT131"}, true);
    f.hideForm(kForm);
    const int phase = code(f, kForm, "EDIT121");
    if (phase == 0) {
        // A phase-change case cannot go on without knowing which.
        f.setEnabled(kMain, "BUTTON41", false);
        f.showForm(kForm);
        return;
    }
    f.setEnabled(kMain, "BUTTON41", true);
    layoutPhaseChange(f, code(f, kMain, "EDIT39"), phase, code(f, kMain, "EDIT74"));
}

}  // namespace hx
