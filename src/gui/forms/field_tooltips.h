// The tooltip of a field or button: the quantity it holds, its symbol and
// its unit, in the language of the presentation ("Baffle spacing B, mm").
#pragma once

#include <QString>
#include <string>

namespace hx::gui {

// Empty where the field has no description.
QString fieldToolTip(const std::string& form, const std::string& control, bool japanese);

}  // namespace hx::gui
