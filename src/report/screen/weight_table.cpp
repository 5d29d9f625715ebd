#include "report/screen/weight_table.h"

#include <charconv>
#include <cmath>

#include "console/number_picture.h"

namespace hx {

namespace {

constexpr const char* kForm = "FORM4";
constexpr const char* kNotComputed = "    ― ";

void setText(FormStore& forms, const char* control, const std::string& text) {
    forms.setText(kForm, control, text);
}

// The fields of one row: weight, thickness, density, outside diameter, and
// which of the weight and diameter are whole-number fields.
struct RowFields {
    const char *weight, *thickness, *density, *diameter;
    bool wholeWeight, wholeDiameter;
};

void fillRow(FormStore& forms, const RowFields& f, const WeightRow& row, bool sound) {
    const auto number = [](float v, bool whole) {
        return whole ? wholeNumberText(v) : freeNumber(v);
    };
    setText(forms, f.weight, sound ? number(row.weight, f.wholeWeight) : kNotComputed);
    setText(forms, f.thickness, freeNumber(row.thickness));
    setText(forms, f.density, freeNumber(row.density));
    setText(forms, f.diameter, number(row.outsideDiameter, f.wholeDiameter));
}

}  // namespace

std::string wholeNumberText(float value) {
    if (!std::isfinite(value)) return freeNumber(value);
    // + 0.0f turns a rounded −0 into 0.
    const float rounded = std::round(value) + 0.0f;
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, rounded, std::chars_format::fixed, 0);
    return std::string(text, end.ptr);
}

void fillWeightTable(FormStore& forms, const WeightEstimate& w) {
    fillRow(forms, {"EDIT134", "EDIT140", "EDIT145", "EDIT152", false, false}, w.tubes, w.sound);
    fillRow(forms, {"EDIT135", "EDIT142", "EDIT146", "EDIT151", true, false}, w.tubeSheets,
            w.sound);
    fillRow(forms, {"EDIT136", "EDIT143", "EDIT147", "EDIT153", true, true}, w.baffles, w.sound);
    fillRow(forms, {"EDIT137", "EDIT144", "EDIT148", "EDIT154", true, true}, w.shell, w.sound);
    setText(forms, "EDIT155", freeNumber(w.other));
    setText(forms, "EDIT138", w.sound ? wholeNumberText(w.total) : kNotComputed);
}

std::string weightFailedLine(Presentation p) {
    return isJapanese(p) ? " 重量計算不能：管穴が板より大きいか、重量パネルの値が範囲外です。"
                         : " Weight calculation failed: tube holes larger than a plate, or an "
                           "entry out of range.";
}

}  // namespace hx
