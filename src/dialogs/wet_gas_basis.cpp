// FORM10: the saturation basis of a wet gas in the tubes. At the gas
// pressure (basis 1) the humidity follows from the atmospheric dew point
// EDIT124 and the gas pressure EDIT123, and the gas properties are typed in
// at that pressure; at 1 atm (basis 2) it follows from the composition and
// the built-in gas correlations apply.
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
constexpr const char* kForm = "FORM10";
constexpr const char* kArrow = "→";
constexpr const char* kWetFieldClosed = "\u3000  ━ ";

// The composition controls, which a pressurised gas does not use.
constexpr const char* kComposition[] = {"BUTTON37", "BUTTON38", "TEXT144", "TEXT145",
                                        "RADIO4",   "RADIO5",   "RADIO6"};

// The two tube-side gas buttons that only the basis decides between; both
// are closed until OK reopens the tube-side row.
void captionGasButtons(FormStore& f) {
    put(f, kMain, "BUTTON16", " 気体物性値手動入力 ", false);
    put(f, kMain, "BUTTON15", " 1at.気体物性相関式自動", false);
    f.setEnabled(kMain, "BUTTON25", false);
}

// The dew-point and pressure labels: ℃ and kg/cm2 for code 4, K and MPa
// for code 3.
void captionDewPointRows(FormStore& f, int unitCode) {
    if (unitCode == kJapaneseEngineering) {
        f.setText(kData, "TEXT180", "大気圧露点温度(℃)");
        f.setText(kData, "TEXT178", "管内気体圧力(kg/cm2)");
    } else if (unitCode == kJapaneseSI) {
        f.setText(kData, "TEXT180", "大気圧露点温度(K)");
        f.setText(kData, "TEXT178", "管内気体圧力(MPa)");
    } else {
        f.setText(kData, "TEXT180", "Atom.Sat.Temp.(K)");
        f.setText(kData, "TEXT178", "air pressure in tube(kg/cm2)");
    }
}

// A notice label of the main window that some layouts carry; the form
// model has it only where the inventory does.
void closeNotice(FormStore& f) {
    if (f.hasControl(kMain, "TEXT175")) put(f, kMain, "TEXT175", "", false);
}

}  // namespace

void RADIO16_ON(Session& session) {
    FormStore& f = session.forms;
    f.setText(kForm, "EDIT125", std::to_string(kFromDewPoint));
    f.setVisible(kData, "TEXT149", false);
    put(f, kData, "TEXT181", kArrow, true);
    enable(f, kData, {"TEXT180", "TEXT178", "EDIT123"}, true);
    captionDewPointRows(f, code(f, kMain, "EDIT74"));
    // A dew point of 30 ℃ at atmospheric pressure.
    put(f, kData, "EDIT124", "30 ", true);
    captionGasButtons(f);
    put(f, kData, "EDIT113", kWetFieldClosed, false);
    enable(f, kData, kComposition, false);
    put(f, kMain, "EDIT22", kWetFieldClosed, false);
    put(f, kMain, "EDIT28", kWetFieldClosed, false);
    f.setText(kData, "TEXT179", kArrow);
}

void RADIO17_ON(Session& session) {
    FormStore& f = session.forms;
    f.setText(kForm, "EDIT125", std::to_string(kFromComposition));
    for (const char* label : {"TEXT181", "TEXT180", "TEXT178"}) put(f, kData, label, "", false);
    // The tube inlet marker comes back, empty, if the other basis hid it.
    f.setText(kData, "TEXT149", "");
    f.setVisible(kData, "TEXT149", true);
    put(f, kData, "EDIT124", "\u3000  ― ", false);
    captionGasButtons(f);
    enable(f, kData, kComposition, true);
    controls::write(f, kData, {"TEXT144", "TEXT145"}, "");
    put(f, kMain, "EDIT22", "", true);
    put(f, kMain, "EDIT28", "", true);
    f.setText(kData, "TEXT179", "");
}

void BUTTON48_ON(Session& session) {
    FormStore& f = session.forms;
    const int basis = code(f, kForm, "EDIT125");
    // Without a basis the wet gas cannot be prepared: the form stays.
    if (basis != kFromDewPoint && basis != kFromComposition) return;
    f.hideForm(kForm);
    closeNotice(f);
    enable(f, kMain, {"BUTTON25", "EDIT75", "EDIT76"}, true);
    put(f, kMain, "EDIT22", basis == kFromComposition ? "" : kWetFieldClosed, true);
    put(f, kMain, "EDIT28", basis == kFromComposition ? "" : "    ", true);
}

}  // namespace hx
