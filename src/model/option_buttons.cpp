#include "model/option_buttons.h"

#include <array>
#include <string>

namespace hx {

namespace {

// One button a line, its code beside it.
constexpr std::array<OptionButton, 21> kOptionButtons = {{
    {"MAINFORM", "RADIO7", "MAINFORM", "EDIT114", 1},   // shell-and-tube
    {"MAINFORM", "RADIO8", "MAINFORM", "EDIT114", 2},   // double tube
    {"MAINFORM", "RADIO18", "MAINFORM", "EDIT139", 1},  // weight calculation on
    {"MAINFORM", "RADIO19", "MAINFORM", "EDIT139", 2},  // weight calculation off
    {"FORM7", "RADIO1", "MAINFORM", "EDIT86", 1},       // tube length given
    {"FORM7", "RADIO2", "MAINFORM", "EDIT86", 2},       // shell outlet given
    {"FORM7", "RADIO3", "MAINFORM", "EDIT86", 3},       // tube outlet given
    {"FORM7", "RADIO4", "MAINFORM", "EDIT91", 4},       // all components typed in
    {"FORM7", "RADIO5", "MAINFORM", "EDIT91", 5},       // standard air with H2O
    {"FORM7", "RADIO6", "MAINFORM", "EDIT91", 6},       // standard air
    {"FORM8", "RADIO9", "FORM8", "EDIT117", 1},         // coefficients by formula
    {"FORM8", "RADIO10", "FORM8", "EDIT117", 2},        // coefficients by hand
    {"FORM8", "RADIO11", "FORM8", "EDIT118", 1},        // tube side by hand
    {"FORM8", "RADIO12", "FORM8", "EDIT118", 2},        // shell side by hand
    {"FORM8", "RADIO13", "FORM8", "EDIT118", 3},        // both sides by hand
    {"FORM8", "RADIO20", "FORM8", "EDIT157", 1},        // original calculation basis
    {"FORM8", "RADIO21", "FORM8", "EDIT157", 2},        // textbook Bell-Delaware basis
    {"FORM9", "RADIO14", "FORM9", "EDIT121", 1},        // condensation
    {"FORM9", "RADIO15", "FORM9", "EDIT121", 2},        // evaporation
    {"FORM10", "RADIO16", "FORM10", "EDIT125", 1},      // saturation at the gas pressure
    {"FORM10", "RADIO17", "FORM10", "EDIT125", 2},      // saturation at 1 atm
}};

}  // namespace

std::span<const OptionButton> optionButtons() { return kOptionButtons; }

const OptionButton* findOptionButton(std::string_view form, std::string_view button) {
    for (const OptionButton& o : kOptionButtons)
        if (form == o.form && button == o.button) return &o;
    return nullptr;
}

bool optionChosen(const FormStore& forms, const OptionButton& option) {
    if (!forms.hasControl(option.codeForm, option.codeField)) return false;
    return static_cast<int>(forms.number(option.codeForm, option.codeField)) == option.value;
}

bool optionChosen(const FormStore& forms, std::string_view form, std::string_view button) {
    const OptionButton* option = findOptionButton(form, button);
    return option && optionChosen(forms, *option);
}

bool isOptionCodeField(std::string_view form, std::string_view field) {
    for (const OptionButton& o : kOptionButtons)
        if (form == o.codeForm && field == o.codeField) return true;
    return false;
}

}  // namespace hx
