// The starting cases that `hxcalc sample` writes: the two samples of the
// OPEN button, entered through the dialogs as a user would (English SI,
// sensible heat, water by correlation on both sides, counter-current, the
// tube length given) and read back as a case file holds them.
#pragma once

#include <optional>
#include <string_view>

#include "program/session/case_file.h"

namespace hx {

// "shell-and-tube" or "double-tube"; nothing for another name.
std::optional<CaseValues> startingCase(std::string_view kind);

}  // namespace hx
