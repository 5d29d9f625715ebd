#include "core/lenient_number.h"

#include <cctype>
#include <cstdlib>
#include <string>

namespace hx {

namespace {

// The extent [start, end) of the numeric prefix of a text, after its leading
// blanks; start == end when the text does not start with a number.
struct NumberSpan {
    std::size_t start = 0;
    std::size_t end = 0;
};

NumberSpan numberSpan(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    // Longest prefix of the form [sign] digits [. digits] [e [sign] digits].
    const std::size_t start = i;
    auto digit = [&](std::size_t k) {
        return k < text.size() && std::isdigit(static_cast<unsigned char>(text[k]));
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (digit(i)) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (digit(i)) ++i, ++digits;
    }
    if (digits == 0) return {start, start};
    std::size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t k = i + 1;
        if (k < text.size() && (text[k] == '+' || text[k] == '-')) ++k;
        if (digit(k)) {
            while (digit(k)) ++k;
            end = k;
        }
    }
    return {start, end};
}

}  // namespace

float readNumber(std::string_view text) {
    const NumberSpan span = numberSpan(text);
    if (span.start == span.end) return 0.0f;
    const std::string number(text.substr(span.start, span.end - span.start));
    return std::strtof(number.c_str(), nullptr);
}

NumberText readWholeNumber(std::string_view text) {
    NumberText read;
    read.value = readNumber(text);
    const NumberSpan span = numberSpan(text);
    if (span.start == span.end) return read;
    read.number = true;
    read.rest = text.substr(span.end);
    for (const char c : read.rest) {
        if (c != ' ' && c != '\t') {
            read.whole = false;
            break;
        }
    }
    return read;
}

}  // namespace hx
