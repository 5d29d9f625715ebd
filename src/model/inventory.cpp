// Lookups over the form inventory and the filling of the form model.
#include "model/inventory.h"

#include <array>

#include "model/inventory_tables.h"

namespace hx {

std::span<const FormSpec> formInventory() {
    using namespace inventory;
    static const std::array<FormSpec, 9> forms = {{
        {"MAINFORM", "", 856, 795, mainFormControls(), mainFormLabels()},
        {"FORM2", "", 780, 510, form2Controls()},
        {"FORM3", "", 0, 0, form3Controls(), form3Labels()},
        {"FORM4", "計算結果一覧表", 0, 0, form4Controls(), form4Labels(),
         "Table of calclation datas"},
        {"FORM6", "単位系選択", 0, 0, form6Controls()},
        {"FORM7", "", 0, 0, form7Controls(), form7Labels()},
        {"FORM8", "", 0, 0, form8Controls()},
        {"FORM9", "", 378, 169, form9Controls()},
        {"FORM10", "", 360, 200, form10Controls()},
    }};
    return forms;
}

const FormSpec* findFormSpec(std::string_view form) {
    for (const FormSpec& spec : formInventory())
        if (form == spec.name) return &spec;
    return nullptr;
}

const ControlSpec* findControlSpec(std::string_view form, std::string_view control) {
    const FormSpec* formSpec = findFormSpec(form);
    if (!formSpec) return nullptr;
    for (const ControlSpec& spec : formSpec->controls)
        if (control == spec.name) return &spec;
    return nullptr;
}

bool followsLanguage(const ControlSpec& spec) {
    return spec.english || spec.japanese || spec.code4;
}

bool isEnglishCode(int unitCode) { return unitCode == 1 || unitCode == 2; }

namespace {
bool isJapaneseCode(int unitCode) { return unitCode == 3 || unitCode == 4; }
}  // namespace

std::string captionFor(const ControlSpec& spec, int unitCode) {
    if (unitCode == 4 && spec.code4) return spec.code4;
    if (isEnglishCode(unitCode) && spec.english) return spec.english;
    if (isJapaneseCode(unitCode) && spec.japanese) return spec.japanese;
    return spec.resource;
}

std::string captionFor(std::string_view form, std::string_view control, int unitCode) {
    const ControlSpec* spec = findControlSpec(form, control);
    if (!spec)
        throw UnknownControl("no control " + std::string(control) + " on form " +
                             std::string(form) + " in the inventory");
    return captionFor(*spec, unitCode);
}

std::string captionFor(const LabelSpec& label, int unitCode) {
    const char* english = label.english ? label.english : label.japanese;
    const char* japanese = label.japanese ? label.japanese : label.english;
    const char* text = isEnglishCode(unitCode) ? english : japanese;
    return text ? text : "";
}

void buildInventory(FormStore& forms) {
    for (const FormSpec& form : formInventory()) {
        forms.addForm(form.name, false);
        for (const ControlSpec& spec : form.controls) {
            ControlState state;
            state.kind = kindFromName(spec.name);
            state.text = spec.resource;
            state.enabled = spec.enabled;
            state.visible = spec.visible;
            forms.addControl(form.name, spec.name, std::move(state));
        }
    }
}

}  // namespace hx
