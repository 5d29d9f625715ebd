#include "gui/forms/field_tooltips.h"

#include "model/field_catalogue.h"

namespace hx::gui {

// The descriptions come from the catalogue of fields that the case files and
// the command line share: the quantity, its symbol and unit.
namespace {

// The buttons that open a row of choices: after a choice the other choices
// are hidden, and the button is how to change it.
struct RowButtonTip {
    const char* control;
    const char* english;
    const char* japanese;
};

constexpr RowButtonTip kRowButtonTips[] = {
    {"BUTTON24",
     "Shows the fluid-mode choices. After a choice the others are hidden:\n"
     "press this button again to change the mode.",
     "流体条件の選択肢を表示します。選んだ後は他の選択肢が隠れます。\n"
     "条件を変えるときは、このボタンをもう一度押して下さい。"},
    {"BUTTON25",
     "Shows how the tube-side properties can be found. After a choice the\n"
     "others are hidden: press this button again to change it.",
     "管内流体の物性の求め方を表示します。選んだ後は他の選択肢が隠れます。\n"
     "変えるときは、このボタンをもう一度押して下さい。"},
    {"BUTTON29",
     "Shows how the shell-side properties can be found. After a choice the\n"
     "others are hidden: press this button again to change it.",
     "シェル側流体の物性の求め方を表示します。選んだ後は他の選択肢が隠れます。\n"
     "変えるときは、このボタンをもう一度押して下さい。"},
};

}  // namespace

QString fieldToolTip(const std::string& form, const std::string& control, bool japanese) {
    if (form == "MAINFORM")
        for (const RowButtonTip& tip : kRowButtonTips)
            if (control == tip.control)
                return QString::fromUtf8(japanese ? tip.japanese : tip.english);
    return QString::fromStdString(fieldTooltip(form, control, japanese));
}

}  // namespace hx::gui
