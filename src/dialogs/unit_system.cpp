#include "dialogs/unit_system.h"

#include <string>

#include "core/option_codes.h"
#include "model/geometry_column.h"
#include "model/inventory.h"

namespace hx {

namespace {

constexpr const char* kMain = "MAINFORM";

constexpr std::string_view kTitle = "        + SHELL AND TUBE HEAT EXCHANGER COMPUTER PROGRAM +";

// An empty row of the box: a blank, a vertical bar, thirty ideographic
// spaces and a second bar (65 columns, as wide as the frame).
constexpr std::string_view kBlankLine =
    " │"
    "\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000"
    "\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000"
    "\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000"
    "│";

// The four steps of a case: data columns and MAIN INPUT, the main data and
// the start button, the range of the built-in property correlations, and
// what may be entered by hand.
constexpr std::string_view kGuidanceEnglish[] = {
    " ┌──────────────────────────────┐",
    " │ ⅰ. After setting for the data columns of fluid properties │",
    " │\u3000\u3000 and each data then click the button [MAIN INPUT] on end│",
    kBlankLine,
    " │ ⅱ. After input to the main data window, then click the    │",
    " │\u3000\u3000 [calcu.on] button on end        \u3000  \u3000\u3000\u3000\u3000 "
    "\u3000\u3000\u3000  \u3000│",
    kBlankLine,
    " │ ⅲ. Correration formulas of physical propertyies are range │ ",
    " │     of 1atm                                                │",
    " │\u3000\u3000  <Inside tube>：Water、Gases(CO2,O2,H2O,N2)、Wet air \u3000│",
    " │\u3000\u3000\u3000<Shell side> ：Water\u3000                                │",
    kBlankLine,
    " │ ⅳ. Physical propertyies of manual entry conditions are \u3000 │",
    " │\u3000\u3000 dry gases and saturated gas(not include wet air)\u3000\u3000\u3000 │",
    " └──────────────────────────────┘",
};

constexpr std::string_view kGuidanceJapanese[] = {
    " ┌──────────────────────────────┐",
    " │ ⅰ．上段及び右側カラムに流体及び緒元設定後[MAIN INPUT]   \u3000│",
    " │\u3000\u3000 のボタンクリックし、メインデータウィンドウに進む\u3000 \u3000\u3000│",
    kBlankLine,
    " │ ⅱ. メインデータウィンドウに主要データ入力後、[計算開始] \u3000│",
    " │\u3000\u3000 ボタンをクリックすると計算が開始される。\u3000\u3000\u3000\u3000\u3000 "
    "\u3000\u3000│",
    kBlankLine,
    " │ ⅲ. 相関式組込物性利用範囲(1気圧)                          │",
    " │\u3000\u3000  <管内側>：水、ガス(CO2,O2,H2O,N2)、乾き空気\u3000\u3000\u3000 \u3000\u3000│",
    " │\u3000\u3000\u3000<管外側>：水\u3000                                        │",
    kBlankLine,
    " │ ⅳ. "
    "マニュアル物性入力条件\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000"
    "\u3000\u3000\u3000\u3000 │",
    " │\u3000\u3000\u3000飽和湿り気体以外の任意物性値手入力 "
    "\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000 │",
    " └──────────────────────────────┘",
};

// The selection buttons of the tube-side and shell-side rows, which wait
// until the fluid mode is chosen.
constexpr const char* kPropertyRowButtons[] = {"BUTTON25", "BUTTON29", "BUTTON12",
                                               "BUTTON16", "BUTTON14", "BUTTON15",
                                               "BUTTON17", "BUTTON18", "BUTTON19"};
// The four fluid-mode buttons, shown when the fluid-mode row is opened.
constexpr const char* kFluidModeButtons[] = {"BUTTON4", "BUTTON2", "BUTTON22", "BUTTON28"};

// Main-window buttons a unit choice makes available: tube surface, flow
// arrangement, twisted tape, exchanger type, figure, CLOSE, OPEN and the
// fluid-mode row.
constexpr const char* kEditingButtons[] = {"BUTTON6",  "BUTTON7",  "BUTTON26", "BUTTON27",
                                           "BUTTON30", "BUTTON31", "RADIO7",   "BUTTON20",
                                           "BUTTON23", "BUTTON35", "BUTTON24"};

void setEnabled(FormStore& f, const char* form, std::span<const char* const> controls, bool on) {
    for (const char* c : controls) f.setEnabled(form, c, on);
}

// Engineering units: the FORM7 temperature labels in ℃ with the default
// inlet temperatures of a sensible case, shell 20 ℃ and tube 80 ℃.
void captionEngineeringJapanese(FormStore& f) {
    f.setText("FORM7", "TEXT127", "シェル入側温度(℃)");
    f.setText("FORM7", "TEXT128", "伝熱管入側温度(℃)");
    f.setText("FORM7", "TEXT130", "伝熱管出側温度(℃)");
    f.setText("FORM7", "TEXT131", "シェル出側温度(℃)");
    f.setText("FORM7", "EDIT81", "20");
    f.setText("FORM7", "EDIT82", "80");
}

// English: the FORM7 labels that keep their short form until MAIN INPUT
// captions the form for the fluid mode.
void captionEnglishMainData(FormStore& f) {
    f.setText("FORM7", "TEXT132", "Tubes number");
    f.setText("FORM7", "TEXT129", "Tube length");
    f.setText("FORM7", "BUTTON42", "Window close");
    f.setText("FORM7", "GROUP6", "Twisted tape spec.inside of tubes");
}

}  // namespace

std::span<const std::string_view> guidanceBox(int unitCode) {
    if (isJapanese(unitCode)) return kGuidanceJapanese;
    return kGuidanceEnglish;
}

void printGuidance(TextConsole& console, int unitCode) {
    console.clear();
    console.print("");
    console.print("");
    console.print(kTitle);
    for (std::string_view line : guidanceBox(unitCode)) console.print(line);
}

void applyCaptions(FormStore& forms, int unitCode) {
    for (const FormSpec& form : formInventory()) {
        for (const ControlSpec& c : form.controls) {
            // A text field holds data, not a caption.
            if (kindFromName(c.name) == ControlKind::Edit) continue;
            if (!followsLanguage(c)) continue;
            forms.setText(form.name, c.name, captionFor(c, unitCode));
        }
    }
}

void chooseUnitSystem(Session& session, int unitCode) {
    FormStore& f = session.forms;
    f.setText(kMain, "EDIT74", std::to_string(unitCode));

    f.setEnabled("FORM6", "BUTTON43", true);
    applyCaptions(f, unitCode);
    // A double tube chosen before the units keeps its own geometry labels.
    if (static_cast<int>(f.number(kMain, "EDIT114")) == kDoubleTube)
        captionGeometry(f, kDoubleTube, unitCode);
    if (unitCode == kJapaneseEngineering) captionEngineeringJapanese(f);
    if (unitCode == kEnglishSI) captionEnglishMainData(f);

    setEnabled(f, kMain, geometryColumnFields(), true);
    setEnabled(f, kMain, kEditingButtons, true);
    setEnabled(f, kMain, kPropertyRowButtons, false);
    setEnabled(f, kMain, kFluidModeButtons, false);
    // The fluid-mode row is the current step.
    f.setText(kMain, "EDIT42", " ■");
    f.setEnabled(kMain, "EDIT42", true);
    for (const char* marker : {"EDIT43", "EDIT44"}) {
        f.setText(kMain, marker, "");
        f.setEnabled(kMain, marker, false);
    }
    f.setText(kMain, "EDIT77", "0");
    f.setText(kMain, "EDIT53", "    ");
    f.setEnabled(kMain, "EDIT53", true);

    printGuidance(session.console, unitCode);
}

void BUTTON32_ON(Session& session) { chooseUnitSystem(session, kEnglishSI); }
void BUTTON33_ON(Session& session) { chooseUnitSystem(session, kJapaneseEngineering); }
void BUTTON34_ON(Session& session) { chooseUnitSystem(session, kJapaneseSI); }

void BUTTON43_ON(Session& session) {
    session.forms.hideForm("FORM6");
    session.forms.setEnabled(kMain, "BUTTON20", true);
}

void registerUnitSystemHandlers(DispatchTable& table) {
    table.add("FORM6", "BUTTON32", BUTTON32_ON);
    table.add("FORM6", "BUTTON33", BUTTON33_ON);
    table.add("FORM6", "BUTTON34", BUTTON34_ON);
    table.add("FORM6", "BUTTON43", BUTTON43_ON);
}

}  // namespace hx
