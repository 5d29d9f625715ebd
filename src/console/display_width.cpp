#include "console/display_width.h"

namespace hx {

std::vector<std::string_view> splitChars(std::string_view utf8) {
    std::vector<std::string_view> chars;
    for (std::size_t i = 0; i < utf8.size();) chars.push_back(nextChar(utf8, i));
    return chars;
}

int displayWidth(std::string_view utf8) {
    int width = 0;
    for (std::size_t i = 0; i < utf8.size();) width += charWidth(codePoint(nextChar(utf8, i)));
    return width;
}

}  // namespace hx
