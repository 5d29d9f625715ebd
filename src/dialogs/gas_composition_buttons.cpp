// The tube-side gas composition block of FORM7: the three composition
// choices (typed in full, standard air with H2O, standard air) and the two
// ways of making room for the H2O of standard air (CO2 and O2 fixed with N2
// adjusted, or the H2O mixed with all components). Contents in % by volume;
// the H2O content in kg/kg of dry gas when the H2O unit code EDIT22 is 2.
#include <string>

#include "core/option_codes.h"
#include "dialogs/control_groups.h"
#include "dialogs/main_data_form.h"

namespace hx {

using controls::code;
using controls::enable;
using controls::put;

namespace {

constexpr const char* kMain = "MAINFORM";
constexpr const char* kData = "FORM7";
constexpr const char* kArrow = "→";

constexpr const char* kCompositionButtons[] = {"RADIO4", "RADIO5", "RADIO6"};
constexpr const char* kCompositionFields[] = {"EDIT87", "EDIT88", "EDIT89", "EDIT90"};
constexpr const char* kAdjustmentButtons[] = {"BUTTON37", "BUTTON38"};

// Standard air as the program defines it, % by volume.
constexpr const char* kStandardCO2 = "0.03";
constexpr const char* kStandardO2 = "20.95";
constexpr const char* kStandardN2 = "79.02";
// N2 makes up the rest of a composition given in part (reads as 0).
constexpr const char* kRemainder = "  remain";
constexpr const char* kNoEntry = "    －";

// What every composition button reads and writes first.
int chooseComposition(FormStore& f, int choice) {
    f.setText(kMain, "EDIT91", std::to_string(choice));
    return code(f, kMain, "EDIT39");
}

// In the modes other than the sensible one the three choices stay open.
void reopenChoices(FormStore& f, int mode) {
    if (mode != kSensible) enable(f, kData, kCompositionButtons, true);
}

// The H2O field of the chosen unit is the one to fill.
void openWaterField(FormStore& f) {
    if (code(f, kMain, "EDIT22") == kKgPerKgDryGas) {
        put(f, kData, "EDIT89", kNoEntry, false);
        enable(f, kData, {"EDIT113", "TEXT164"}, true);
    } else {
        put(f, kData, "EDIT113", kNoEntry, false);
        f.setText(kData, "TEXT139", "(%)");
        f.setEnabled(kData, "EDIT89", true);
    }
}

// The markers in front of the H2O row and of the two adjustment buttons.
void markAdjustment(FormStore& f, bool mixAll) {
    f.setText(kData, "TEXT143", kArrow);
    f.setText(kData, "TEXT144", mixAll ? kArrow : "");
    f.setText(kData, "TEXT145", mixAll ? "" : kArrow);
}

}  // namespace

void RADIO4_ON(Session& session) {
    FormStore& f = session.forms;
    const int mode = chooseComposition(f, kAllComponents);
    enable(f, kData, kCompositionFields, true);
    controls::write(f, kData, {"EDIT87", "EDIT88", "EDIT89"}, "");
    f.setText(kData, "EDIT90", kRemainder);
    enable(f, kData, kAdjustmentButtons, false);
    reopenChoices(f, mode);
    controls::write(f, kData, {"TEXT141", "TEXT142", "TEXT144", "TEXT145"}, "");
    controls::write(f, kData, {"TEXT143", "TEXT150", "TEXT151"}, kArrow);
    // A wet gas is never standard air.
    if (mode == kTubeWetGas) f.setEnabled(kData, "RADIO6", false);
    openWaterField(f);
}

void RADIO5_ON(Session& session) {
    FormStore& f = session.forms;
    const int mode = chooseComposition(f, kStandardAirWithWater);
    if (mode == kTubeWetGas) f.setEnabled(kData, "RADIO6", false);
    f.setText(kData, "EDIT87", kStandardCO2);
    f.setText(kData, "EDIT88", kStandardO2);
    f.setText(kData, "EDIT89", "");
    f.setText(kData, "EDIT90", kRemainder);
    enable(f, kData, kCompositionFields, true);
    enable(f, kData, kAdjustmentButtons, true);
    reopenChoices(f, mode);
    markAdjustment(f, true);
    controls::write(f, kData, {"TEXT150", "TEXT151"}, "");
    if (mode == kTubeWetGas) f.setEnabled(kData, "RADIO6", false);
    openWaterField(f);
}

void RADIO6_ON(Session& session) {
    FormStore& f = session.forms;
    const int mode = chooseComposition(f, kStandardAir);
    f.setText(kData, "EDIT87", kStandardCO2);
    f.setText(kData, "EDIT88", kStandardO2);
    f.setText(kData, "EDIT89", "0");
    f.setText(kData, "EDIT113", "0");
    f.setText(kData, "EDIT90", kStandardN2);
    enable(f, kData, kCompositionFields, false);
    enable(f, kData, kAdjustmentButtons, false);
    reopenChoices(f, mode);
    controls::write(f, kData, {"TEXT150", "TEXT151", "TEXT143", "TEXT144", "TEXT145"}, "");
    f.setEnabled(kData, "EDIT113", false);
    f.setText(kData, "TEXT139", "");
}

void BUTTON37_ON(Session& session) {
    session.forms.setText(kMain, "EDIT92", std::to_string(kFixCO2O2AdjustN2));
    markAdjustment(session.forms, false);
}

void BUTTON38_ON(Session& session) {
    session.forms.setText(kMain, "EDIT92", std::to_string(kMixAllComponents));
    markAdjustment(session.forms, true);
}

}  // namespace hx
