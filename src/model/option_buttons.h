// Which option button shows the choice in force: every option button stands
// for one value of an option code kept in a code field, and is shown
// selected exactly while that field holds its value. Choosing the sample
// case, a mode or a unit system rewrites the codes, and with them the
// buttons.
#pragma once

#include <span>
#include <string_view>

#include "model/form_store.h"

namespace hx {

struct OptionButton {
    const char* form;
    const char* button;
    const char* codeForm;  // where the code field is
    const char* codeField;
    int value;  // the code the button stands for
};

// Every option button with its code.
std::span<const OptionButton> optionButtons();

// The entry of an option button; nullptr for a control that is none.
const OptionButton* findOptionButton(std::string_view form, std::string_view button);

// Whether the button's code field holds its value, read as the handlers
// read a code (an empty field selects none).
bool optionChosen(const FormStore& forms, const OptionButton& option);
bool optionChosen(const FormStore& forms, std::string_view form, std::string_view button);

// Whether a change of this field can change which option buttons are chosen.
bool isOptionCodeField(std::string_view form, std::string_view field);

}  // namespace hx
