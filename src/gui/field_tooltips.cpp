#include "gui/field_tooltips.h"

#include "model/field_catalogue.h"

namespace hx::gui {

// The descriptions come from the catalogue of fields that the case files and
// the command line share: the quantity, its symbol and unit.
QString fieldToolTip(const std::string& form, const std::string& control, bool japanese) {
    return QString::fromStdString(fieldTooltip(form, control, japanese));
}

}  // namespace hx::gui
