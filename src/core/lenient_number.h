// The number a typed text stands for, as the forms and the console read it.
#pragma once

#include <string_view>

namespace hx {

// Reads a field's text as a number, leniently: leading blanks are skipped and
// the longest numeric prefix is taken ("  12.5mm" is 12.5, "1e3" is 1000); an
// empty text or one that starts with anything else (the placeholders "━",
// "―", "－", "correlation", " Sat.temp.") reads as 0.
float readNumber(std::string_view text);

// A field's text read whole. `whole` is false when the text starts with a
// number and that number is followed by anything but blanks ("1x0", "12,5",
// "3..4", "0x10", "1e"): the lenient read would silently take its prefix.
// An empty text and one that does not start with a number (the placeholder
// marks) are whole and read as 0, as readNumber reads them. `rest` is the
// text after the number, blanks included, for a message that says what was
// not understood.
struct NumberText {
    float value = 0.0f;
    bool whole = true;
    bool number = false;  // the text starts with a number (not empty, not a mark)
    std::string_view rest;
};
NumberText readWholeNumber(std::string_view text);

}  // namespace hx
