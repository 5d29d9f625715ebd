// Display columns of text in the text window and the printed reports.
//
// Texts are UTF-8 in the source but laid out with the widths of the Japanese
// double-byte code page: ASCII and half-width katakana (U+FF61..U+FF9F) take
// one column, every other character two.
//
// The splitting and decoding are inline: the text window runs them for every
// character it prints.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace hx {

// Columns taken by one code point.
inline int charWidth(char32_t cp) {
    if (cp < 0x80) return 1;                     // ASCII
    if (cp >= 0xFF61 && cp <= 0xFF9F) return 1;  // half-width katakana
    return 2;                                    // everything else is double-byte
}

// Columns taken by a UTF-8 text.
int displayWidth(std::string_view utf8);

// The character that starts at byte `pos`, advancing `pos` past it: a whole
// UTF-8 sequence, or a single byte where no valid sequence starts.
inline std::string_view nextChar(std::string_view utf8, std::size_t& pos) {
    const std::size_t i = pos;
    const auto lead = static_cast<unsigned char>(utf8[i]);
    // 110xxxxx, 1110xxxx and 11110xxx start sequences of two to four bytes.
    std::size_t len = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF8 ? 4 : 1;
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

// Splits UTF-8 text into whole characters as nextChar does, each element one
// code point's bytes; invalid bytes are kept as single-byte characters.
std::vector<std::string_view> splitChars(std::string_view utf8);

// Decodes the code point of one character as returned by nextChar (a single
// invalid byte decodes as its own value).
inline char32_t codePoint(std::string_view c) {
    auto byte = [&](std::size_t k) {
        return static_cast<char32_t>(static_cast<unsigned char>(c[k]));
    };
    switch (c.size()) {
        case 0: return 0;
        case 1: return byte(0);
        case 2: return (byte(0) & 0x1Fu) << 6 | (byte(1) & 0x3Fu);
        case 3: return (byte(0) & 0x0Fu) << 12 | (byte(1) & 0x3Fu) << 6 | (byte(2) & 0x3Fu);
        default:
            char32_t cp = byte(0) & 0x07u;
            for (std::size_t k = 1; k < c.size(); ++k) cp = (cp << 6) | (byte(k) & 0x3Fu);
            return cp;
    }
}

}  // namespace hx
