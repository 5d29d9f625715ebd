#include "console/display_width.h"

namespace hx {

namespace {

// Length in bytes of the UTF-8 sequence that starts with `lead`, or 1 for a
// byte that cannot start one.
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;
}

}  // namespace

int charWidth(char32_t cp) {
    if (cp < 0x80) return 1;                       // ASCII
    if (cp >= 0xFF61 && cp <= 0xFF9F) return 1;    // half-width katakana
    return 2;                                      // everything else is double-byte
}

std::string_view nextChar(std::string_view utf8, std::size_t& pos) {
    const std::size_t i = pos;
    std::size_t len = sequenceLength(static_cast<unsigned char>(utf8[i]));
    if (i + len > utf8.size()) len = 1;
    for (std::size_t k = 1; k < len; ++k) {
        if ((static_cast<unsigned char>(utf8[i + k]) & 0xC0) != 0x80) {
            len = 1;
            break;
        }
    }
    pos += len;
    return utf8.substr(i, len);
}

std::vector<std::string_view> splitChars(std::string_view utf8) {
    std::vector<std::string_view> chars;
    for (std::size_t i = 0; i < utf8.size();) chars.push_back(nextChar(utf8, i));
    return chars;
}

char32_t codePoint(std::string_view c) {
    if (c.empty()) return 0;
    const auto b0 = static_cast<unsigned char>(c[0]);
    if (c.size() == 1) return b0;
    char32_t cp = (c.size() == 2) ? (b0 & 0x1Fu) : (c.size() == 3) ? (b0 & 0x0Fu) : (b0 & 0x07u);
    for (std::size_t k = 1; k < c.size(); ++k) {
        cp = (cp << 6) | (static_cast<unsigned char>(c[k]) & 0x3Fu);
    }
    return cp;
}

int displayWidth(std::string_view utf8) {
    int width = 0;
    for (std::size_t i = 0; i < utf8.size();) width += charWidth(codePoint(nextChar(utf8, i)));
    return width;
}

}  // namespace hx
