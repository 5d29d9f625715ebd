// The number a typed text stands for, as the forms and the console read it.
#pragma once

#include <string_view>

namespace hx {

// Reads a field's text as a number, leniently: leading blanks are skipped and
// the longest numeric prefix is taken ("  12.5mm" is 12.5, "1e3" is 1000); an
// empty text or one that starts with anything else (the placeholders "━",
// "―", "－", "correlation", " Sat.temp.") reads as 0.
float readNumber(std::string_view text);

}  // namespace hx
