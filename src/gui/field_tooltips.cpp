#include "gui/field_tooltips.h"

namespace hx::gui {

// The descriptions are read from the catalogue of fields in the model, which
// the case files share, once it is there; until then no field has one.
QString fieldToolTip(const std::string&, const std::string&, bool) { return {}; }

}  // namespace hx::gui
