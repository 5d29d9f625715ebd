// Display columns of text in the text window and the printed reports.
//
// Texts are UTF-8 in the source but laid out with the widths of the Japanese
// double-byte code page: ASCII and half-width katakana (U+FF61..U+FF9F) take
// one column, every other character two.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace hx {

// Columns taken by one code point.
int charWidth(char32_t cp);

// Columns taken by a UTF-8 text.
int displayWidth(std::string_view utf8);

// Splits UTF-8 text into whole characters (each element one code point's
// bytes). Invalid bytes are kept as single-byte characters.
// The character that starts at byte `pos`, advancing `pos` past it; the
// same split as splitChars, without building the list.
std::string_view nextChar(std::string_view utf8, std::size_t& pos);

std::vector<std::string_view> splitChars(std::string_view utf8);

// Decodes the code point of one character as returned by splitChars.
char32_t codePoint(std::string_view oneChar);

}  // namespace hx
