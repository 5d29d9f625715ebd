// Every option button stands for one value of an option code, and is chosen
// exactly while its code field holds that value.
#include "model/option_buttons.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "model/inventory.h"

namespace hx {
namespace {

TEST(OptionButtons, EveryOptionButtonHasACodeFieldOfItsOwnValue) {
    FormStore forms;
    buildInventory(forms);
    std::set<std::string> bound;
    std::map<std::string, std::set<int>> valuesOfField;
    for (const OptionButton& o : optionButtons()) {
        SCOPED_TRACE(std::string(o.form) + "." + o.button);
        EXPECT_TRUE(forms.hasControl(o.form, o.button));
        EXPECT_TRUE(forms.hasControl(o.codeForm, o.codeField));
        EXPECT_TRUE(isOptionCodeField(o.codeForm, o.codeField));
        bound.insert(std::string(o.form) + "." + o.button);
        // Two buttons of one code never stand for the same value.
        EXPECT_TRUE(
            valuesOfField[std::string(o.codeForm) + "." + o.codeField].insert(o.value).second);
    }
    for (const FormSpec& form : formInventory()) {
        for (const ControlSpec& control : form.controls) {
            if (kindFromName(control.name) != ControlKind::Radio) continue;
            EXPECT_TRUE(bound.count(std::string(form.name) + "." + control.name))
                << form.name << "." << control.name;
        }
    }
}

TEST(OptionButtons, ChosenWhileTheCodeHoldsTheirValue) {
    FormStore forms;
    buildInventory(forms);
    // The launch codes: shell-and-tube, weight calculation on.
    EXPECT_TRUE(optionChosen(forms, "MAINFORM", "RADIO7"));
    EXPECT_FALSE(optionChosen(forms, "MAINFORM", "RADIO8"));
    EXPECT_TRUE(optionChosen(forms, "MAINFORM", "RADIO18"));
    forms.setText("MAINFORM", "EDIT114", "2");
    EXPECT_FALSE(optionChosen(forms, "MAINFORM", "RADIO7"));
    EXPECT_TRUE(optionChosen(forms, "MAINFORM", "RADIO8"));
    // No phase change chosen yet: neither button.
    forms.setText("FORM9", "EDIT121", "");
    EXPECT_FALSE(optionChosen(forms, "FORM9", "RADIO14"));
    EXPECT_FALSE(optionChosen(forms, "FORM9", "RADIO15"));
    EXPECT_FALSE(optionChosen(forms, "FORM9", "BUTTON47"));  // no option button
    EXPECT_FALSE(isOptionCodeField("MAINFORM", "EDIT75"));
}

}  // namespace
}  // namespace hx
