#include "console/number_picture.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <vector>

#include "console/display_width.h"

namespace hx {

PictureError::PictureError(const std::string& picture)
    : std::logic_error("picture has no numeric field: \"" + picture + "\"") {}

namespace {

constexpr int kTab = 8;

// ---------------------------------------------------------------------------
// Decimal digits of a float

// A non-negative decimal number: value = 0.d1d2d3... x 10^point. `digits`
// holds the significant digits without leading or trailing zeros; it is
// empty for zero.
struct Decimal {
    std::string digits;
    int point = 0;
};

// The exact decimal value of |value| (value must be finite). A float is
// m·2^e with an integer m below 2^24: for e ≥ 0 the value is the integer
// m·2^e (below 2^128), and for −44 ≤ e < 0 it is m·5^−e / 10^−e with
// m·5^−e below 2^127, both exact in 128-bit integers. Smaller magnitudes
// go through the C library with 120 digits, which are exact for a float.
Decimal exactDecimal(float value) {
    Decimal d;
    if (value == 0.0f) return d;
    int e = 0;
    const float fraction = std::frexp(std::fabs(value), &e);  // in [0.5, 1)
    const auto m = static_cast<unsigned long>(std::ldexp(fraction, 24));
    const int shift = e - 24;
    if (shift >= -44) {
        unsigned __int128 n = m;
        int places = 0;
        if (shift >= 0) {
            n <<= shift;
        } else {
            places = -shift;
            for (int i = 0; i < places; ++i) n *= 5u;
        }
        char buf[48];
        int len = 0;
        for (; n != 0; n /= 10u) buf[len++] = static_cast<char>('0' + static_cast<int>(n % 10u));
        d.digits.assign(std::make_reverse_iterator(buf + len), std::make_reverse_iterator(buf));
        d.point = len - places;
    } else {
        char buf[160];
        std::snprintf(buf, sizeof buf, "%.120e", static_cast<double>(std::fabs(value)));
        // "d.ddd...e+XX"; the point may be a locale's comma, so only digits count.
        const char* p = buf;
        for (; *p != '\0' && *p != 'e'; ++p) {
            if (*p >= '0' && *p <= '9') d.digits += *p;
        }
        const int exponent = (*p == 'e') ? std::atoi(p + 1) : 0;
        d.point = exponent + 1;
    }
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    return d;
}

// Keeps the first `keep` significant digits, rounding half away from zero on
// the digits themselves (the value is exact, so a 5 followed by anything is
// at least half). `keep` may be zero or negative: the value then rounds to
// one unit of the first dropped place or to zero.
Decimal roundTo(Decimal d, int keep) {
    if (d.digits.empty()) return d;
    if (keep < 0) return {};
    if (static_cast<int>(d.digits.size()) <= keep) return d;
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        while (!d.digits.empty() && d.digits.back() == '9') d.digits.pop_back();
        if (d.digits.empty()) {
            d.digits = "1";
            ++d.point;
        } else {
            ++d.digits.back();
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    if (d.digits.empty()) d.point = 0;
    return d;
}

// The digit of `d` in the place 10^(point - 1 - index) counted from its
// first significant digit; zero outside the stored digits.
char digitAt(const Decimal& d, int index) {
    if (index < 0 || index >= static_cast<int>(d.digits.size())) return '0';
    return d.digits[static_cast<std::size_t>(index)];
}

// Renders a rounded decimal in the free number form.
std::string freeText(const Decimal& d, bool negative) {
    if (d.digits.empty()) return "0";
    std::string out = negative ? "-" : "";
    const int exponent = d.point - 1;
    if (exponent < -4 || exponent >= 7) {
        out += d.digits[0];
        if (d.digits.size() > 1) out += "." + d.digits.substr(1);
        const int mag = std::abs(exponent);
        out += exponent < 0 ? "E-" : "E+";
        if (mag < 10) out += '0';
        out += std::to_string(mag);
        return out;
    }
    const int size = static_cast<int>(d.digits.size());
    if (d.point <= 0) {
        out += "0." + std::string(static_cast<std::size_t>(-d.point), '0') + d.digits;
    } else {
        for (int i = 0; i < d.point; ++i) out += digitAt(d, i);
        if (size > d.point) out += "." + d.digits.substr(static_cast<std::size_t>(d.point));
    }
    return out;
}

bool readsBackAs(const std::string& text, float value) {
    float back = 0.0f;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), back);
    return ec == std::errc{} && end == text.data() + text.size() && back == value;
}

// ---------------------------------------------------------------------------
// Pictures

enum class SignMode {
    Default,        // '-' in one of the integer positions when negative
    LeadingPlus,    // '+' or '-' always, before the digits
    TrailingPlus,   // '+' or '-' always, after the number
    TrailingMinus,  // '-' after a negative number, a blank after others
};

struct Field {
    int intPositions = 0;   // positions before the point, a leading '+' included
    int fracPositions = 0;  // positions after the point
    bool hasPoint = false;
    bool asteriskFill = false;
    bool currency = false;
    bool thousands = false;
    SignMode sign = SignMode::Default;
    int exponentDigits = 0;  // 0 for the fixed form, else 2 or 3
};

struct ParsedPicture {
    std::string leading;  // literal text before the first field
    struct Slot {
        Field field;
        std::string after;  // literal text up to the next field or the end
    };
    std::vector<Slot> slots;
    std::size_t pictureSize = 0;  // bytes of the picture: about those of a line through it
};

using Chars = std::vector<std::string_view>;

// The ASCII character at `i`, or '\0' past the end or for a double-byte one.
char asciiAt(const Chars& cs, std::size_t i) {
    if (i >= cs.size() || cs[i].size() != 1) return '\0';
    return cs[i][0];
}

bool isIntegerRunChar(char c) { return c == '#' || c == '*' || c == '\\' || c == ','; }

// Scans a numeric field starting at `i`; returns the field and the index just
// past it, or nothing when no field starts there.
//
// Where a field may start: '#' always; '+', '*', '\' and '.' only when the
// field they would begin has at least one digit position '#' (so '.' needs a
// '#' right after it). Text such as "Calc. Limit", "(*)", "*****" or a lone
// "+" therefore stays literal. Within a field:
//  - after the point only '#' continues the field, so a ',' or '.' after the
//    decimals is literal text ("A=#.##, B=#.##" keeps its comma);
//  - commas ending the integer run are literal text ("N=###, M=###"); a comma
//    counts as a separator position only when more of the field follows it;
//  - "^^^^" (and a fifth '^') directly after the field selects the exponent
//    form, and then a '+' or '-' directly after selects a trailing sign
//    (unless the field began with '+').
std::optional<std::pair<Field, std::size_t>> scanField(const Chars& cs, std::size_t i) {
    const char first = asciiAt(cs, i);
    if (first != '#' && first != '*' && first != '+' && first != '\\' && first != '.') {
        return std::nullopt;
    }
    Field f;
    std::size_t j = i;
    if (first == '+') {
        f.sign = SignMode::LeadingPlus;
        f.intPositions = 1;
        ++j;
    }
    f.asteriskFill = asciiAt(cs, j) == '*';
    int digitPositions = 0;
    for (;;) {
        const char c = asciiAt(cs, j);
        if (f.hasPoint) {
            if (c != '#') break;
            ++f.fracPositions;
            ++digitPositions;
        } else if (c == ',') {
            std::size_t k = j;
            while (asciiAt(cs, k) == ',') ++k;
            const char next = asciiAt(cs, k);
            if (!isIntegerRunChar(next) && next != '.') break;
            f.intPositions += static_cast<int>(k - j);
            f.thousands = true;
            j = k;
            continue;
        } else if (c == '#') {
            ++f.intPositions;
            ++digitPositions;
        } else if (c == '*') {
            ++f.intPositions;
        } else if (c == '\\') {
            ++f.intPositions;
            f.currency = true;
        } else if (c == '.') {
            f.hasPoint = true;
        } else {
            break;
        }
        ++j;
    }
    if (digitPositions == 0) return std::nullopt;

    if (asciiAt(cs, j) == '^' && asciiAt(cs, j + 1) == '^' && asciiAt(cs, j + 2) == '^' &&
        asciiAt(cs, j + 3) == '^') {
        j += 4;
        f.exponentDigits = 2;
        if (asciiAt(cs, j) == '^') {
            f.exponentDigits = 3;
            ++j;
        }
    }
    if (f.sign == SignMode::Default) {
        if (asciiAt(cs, j) == '+') {
            f.sign = SignMode::TrailingPlus;
            ++j;
        } else if (asciiAt(cs, j) == '-') {
            f.sign = SignMode::TrailingMinus;
            ++j;
        }
    }
    return std::make_pair(f, j);
}

ParsedPicture parsePicture(std::string_view picture) {
    const Chars cs = splitChars(picture);
    ParsedPicture parsed;
    std::string literal;
    auto flushLiteral = [&] {
        if (parsed.slots.empty()) {
            parsed.leading += literal;
        } else {
            parsed.slots.back().after += literal;
        }
        literal.clear();
    };
    std::size_t i = 0;
    while (i < cs.size()) {
        if (asciiAt(cs, i) == '_') {
            // '_' makes the next character literal; a '_' ending the picture
            // has nothing to escape and is printed itself.
            literal += (i + 1 < cs.size()) ? cs[i + 1] : cs[i];
            i += 2;
            continue;
        }
        if (auto scanned = scanField(cs, i)) {
            flushLiteral();
            parsed.slots.push_back({scanned->first, {}});
            i = scanned->second;
            continue;
        }
        literal += cs[i];
        ++i;
    }
    flushLiteral();
    if (parsed.slots.empty()) throw PictureError(std::string(picture));
    parsed.pictureSize = picture.size();
    return parsed;
}

// ---------------------------------------------------------------------------
// Formatting one number

void appendTrailingSign(std::string& out, const Field& f, bool negative) {
    if (f.sign == SignMode::TrailingPlus) out += negative ? '-' : '+';
    if (f.sign == SignMode::TrailingMinus) out += negative ? '-' : ' ';
}

// Writes the fixed form of a value through field `f` from its rounded
// digits: those before the point (none below 1) and the field's decimals;
// `zero` tells that the value rounded to zero.
void appendFixedDigits(std::string& out, float value, const Field& f, std::string_view intDigits,
                       std::string_view decimals, bool zero) {
    // A value that rounds to zero is printed without a minus sign.
    const bool negative = value < 0.0f && !zero;
    const int digitCount = static_cast<int>(intDigits.size());
    const bool signInField =
        f.sign == SignMode::LeadingPlus || (f.sign == SignMode::Default && negative);
    const int separators = f.thousands && digitCount > 0 ? (digitCount - 1) / 3 : 0;
    const int needed = digitCount + (signInField ? 1 : 0) + (f.currency ? 1 : 0) + separators;
    if (needed > f.intPositions) {
        out += '%';
        out += freeNumber(value);
        return;
    }
    // Below 1: a single zero before the point when the field has a position
    // before it left over by the sign and currency, so the field keeps its
    // width and columns of numbers stay aligned ("#.##" prints -0.5 as "-.50").
    const bool leadingZero = digitCount == 0 && f.intPositions > needed;
    const int used = needed + (leadingZero ? 1 : 0);
    // The field takes exactly its positions, and a trailing sign: written
    // whole, then appended.
    const std::size_t width =
        static_cast<std::size_t>(f.intPositions) + (f.hasPoint ? 1 + decimals.size() : 0) + 1;
    char local[64];
    std::string wide;  // for a field too wide for `local`
    if (width > sizeof local) wide.resize(width);
    char* const begin = width > sizeof local ? wide.data() : local;
    char* p = std::fill_n(begin, f.intPositions - used, f.asteriskFill ? '*' : ' ');
    if (signInField) *p++ = negative ? '-' : '+';
    if (f.currency) *p++ = '\\';
    for (int i = 0; i < digitCount; ++i) {
        if (separators > 0 && i > 0 && (digitCount - i) % 3 == 0) *p++ = ',';
        *p++ = intDigits[static_cast<std::size_t>(i)];
    }
    if (leadingZero) *p++ = '0';
    if (f.hasPoint) {
        *p++ = '.';
        p = std::copy(decimals.begin(), decimals.end(), p);
    }
    if (f.sign == SignMode::TrailingPlus) *p++ = negative ? '-' : '+';
    if (f.sign == SignMode::TrailingMinus) *p++ = negative ? '-' : ' ';
    out.append(begin, p);
}

// The fixed form through the exact decimal value, for any number of decimals.
void appendFixedExactly(std::string& out, float value, const Field& f) {
    Decimal d = exactDecimal(value);
    d = roundTo(d, d.point + f.fracPositions);
    std::string intDigits;
    for (int i = 0; i < d.point; ++i) intDigits += digitAt(d, i);
    std::string decimals;
    for (int k = 0; k < f.fracPositions; ++k) decimals += digitAt(d, d.point + k);
    appendFixedDigits(out, value, f, intDigits, decimals, d.digits.empty());
}

// The fixed form of `value` through field `f`, rounded half away from zero
// on its exact value. Up to 12 decimals this needs no 120-digit conversion:
// a float is m·2^e with m below 2^24, and 10^places = 5^places·2^places with
// 5^places below 2^29, so |value|·10^places below 2^53 is exact in a
// double, and so are its whole part and fraction.
void appendFixed(std::string& out, float value, const Field& f) {
    static constexpr double kPowers[] = {1e0, 1e1, 1e2, 1e3,  1e4,  1e5, 1e6,
                                         1e7, 1e8, 1e9, 1e10, 1e11, 1e12};
    const int places = f.fracPositions;
    if (places > 12) return appendFixedExactly(out, value, f);
    const double scaled = std::fabs(static_cast<double>(value)) * kPowers[places];
    if (!(scaled < 9007199254740992.0)) return appendFixedExactly(out, value, f);  // 2^53
    // Below 2^53 the conversion to an integer is the exact floor.
    auto whole = static_cast<unsigned long long>(scaled);
    if (scaled - static_cast<double>(whole) >= 0.5) ++whole;
    // The digits of the rounded integer, the last `places` of them the
    // decimals, with zeros put before them for a value below 0.1.
    char buf[32];
    char* const first = buf + 12;
    char* const last = whole == 0 ? first : std::to_chars(first, buf + sizeof buf, whole).ptr;
    char* const decimals = last - places;
    if (decimals < first) std::fill(decimals, first, '0');
    const std::string_view intDigits(first,
                                     static_cast<std::size_t>(std::max(first, decimals) - first));
    appendFixedDigits(out, value, f, intDigits,
                      std::string_view(decimals, static_cast<std::size_t>(places)), whole == 0);
}

std::string formatExponent(float value, const Field& f) {
    const bool negative = value < 0.0f;
    const bool signInField =
        f.sign == SignMode::LeadingPlus || (f.sign == SignMode::Default && negative);
    // Mantissa digits before the point: every integer position that the sign
    // and the currency sign leave free. Separators are not printed here.
    const int spareInt = f.intPositions - (signInField ? 1 : 0) - (f.currency ? 1 : 0);
    const int mantInt = std::max(0, spareInt);
    // With no position before the point left for the sign, the sign takes
    // the first mantissa position after it, so that the field keeps its
    // width as the fixed form does; with no digit left the field overflows.
    const int fracDigits = f.fracPositions + std::min(0, spareInt);
    const int significant = mantInt + std::max(0, fracDigits);
    if (significant == 0) return "%" + freeNumber(value);

    const Decimal d = roundTo(exactDecimal(value), significant);
    std::string intPart;
    int exponent = 0;
    if (d.digits.empty()) {
        if (mantInt > 0) intPart = "0";
    } else {
        for (int i = 0; i < mantInt; ++i) intPart += digitAt(d, i);
        exponent = mantInt > 0 ? d.point - mantInt : d.point;
    }

    std::string out(static_cast<std::size_t>(mantInt - static_cast<int>(intPart.size())),
                    f.asteriskFill ? '*' : ' ');
    if (signInField) out += negative ? '-' : '+';
    if (f.currency) out += '\\';
    out += intPart;
    if (f.hasPoint) {
        out += '.';
        for (int k = 0; k < fracDigits; ++k) out += digitAt(d, mantInt + k);
    }

    std::string expDigits = std::to_string(std::abs(exponent));
    const auto width = static_cast<std::size_t>(f.exponentDigits);
    // An exponent too long for its digits is printed in full, marked by '%'.
    const bool tooLong = expDigits.size() > width;
    if (!tooLong) expDigits.insert(0, width - expDigits.size(), '0');
    out += exponent < 0 ? "E-" : "E+";
    out += expDigits;
    appendTrailingSign(out, f, negative);
    return tooLong ? "%" + out : out;
}

// The columns a field takes for a number that fits it.
int fieldWidth(const Field& f) {
    const bool trailingSign = f.sign == SignMode::TrailingPlus || f.sign == SignMode::TrailingMinus;
    return f.intPositions + (f.hasPoint ? 1 + f.fracPositions : 0) +
           (f.exponentDigits > 0 ? 2 + f.exponentDigits : 0) + (trailingSign ? 1 : 0);
}

void appendField(std::string& out, float value, const Field& f) {
    if (!std::isfinite(value)) {
        // No number to show: the overflow mark and the field filled with
        // stars, so that a screen or report never shows "inf" or "nan".
        out += '%';
        out.append(static_cast<std::size_t>(std::max(1, fieldWidth(f))), '*');
    } else if (f.exponentDigits > 0) {
        out += formatExponent(value, f);
    } else {
        appendFixed(out, value, f);
    }
}

std::string formatParsed(const ParsedPicture& parsed, std::span<const float> values) {
    // With no numbers at all only the text before the first field is printed.
    if (values.empty()) return parsed.leading;
    std::string out;
    out.reserve(parsed.pictureSize + 8);
    const std::size_t fieldCount = parsed.slots.size();
    for (std::size_t i = 0; i < values.size(); ++i) {
        const auto& slot = parsed.slots[i % fieldCount];
        if (i % fieldCount == 0) out += parsed.leading;
        appendField(out, values[i], slot.field);
        out += slot.after;
    }
    return out;
}

}  // namespace

std::string formatUsing(std::string_view picture, std::span<const float> values) {
    return CompiledPicture(picture).format(values);
}

struct CompiledPicture::Parsed {
    ParsedPicture picture;
};

CompiledPicture::CompiledPicture(std::string_view picture) : parsed_(parsedOnce(picture)) {}
// The parsed pictures, shared by the whole program: it prints through a
// fixed set of pictures, so each is parsed once. A caller that makes up
// pictures as it goes fills the cache only up to its bound; past it the
// pictures are parsed each time. A picture in error is never kept.
std::shared_ptr<const CompiledPicture::Parsed> CompiledPicture::parsedOnce(
    std::string_view picture) {
    constexpr std::size_t kMaxPictures = 1024;
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const {
            return std::hash<std::string_view>{}(s);
        }
    };
    static std::mutex mutex;
    static std::unordered_map<std::string, std::shared_ptr<const Parsed>, TextHash, std::equal_to<>>
        cache;
    {
        const std::lock_guard lock(mutex);
        if (const auto it = cache.find(picture); it != cache.end()) return it->second;
    }
    auto parsed = std::make_shared<const Parsed>(Parsed{parsePicture(picture)});
    const std::lock_guard lock(mutex);
    if (cache.size() < kMaxPictures) cache.emplace(picture, parsed);
    return parsed;
}

CompiledPicture::~CompiledPicture() = default;
CompiledPicture::CompiledPicture(CompiledPicture&&) noexcept = default;
CompiledPicture& CompiledPicture::operator=(CompiledPicture&&) noexcept = default;

std::string CompiledPicture::format(std::span<const float> values) const {
    return formatParsed(parsed_->picture, values);
}

std::size_t CompiledPicture::fieldCount() const { return parsed_->picture.slots.size(); }

std::string_view CompiledPicture::leading() const { return parsed_->picture.leading; }

std::string_view CompiledPicture::after(std::size_t field) const {
    return parsed_->picture.slots[field].after;
}

void CompiledPicture::appendField(std::string& out, std::size_t field, float value) const {
    hx::appendField(out, value, parsed_->picture.slots[field].field);
}

std::string formatUsing(std::string_view picture, std::initializer_list<float> values) {
    return formatUsing(picture, std::span<const float>(values.begin(), values.size()));
}

std::string freeNumber(float value) {
    if (!std::isfinite(value)) return "*";  // no number: one star, never "inf" or "nan"
    const bool negative = value < 0.0f;
    const Decimal exact = exactDecimal(value);
    for (int digits = 1; digits < 7; ++digits) {
        std::string text = freeText(roundTo(exact, digits), negative);
        if (readsBackAs(text, value)) return text;
    }
    return freeText(roundTo(exact, 7), negative);
}

std::string expandTabs(std::string_view text, int startColumn) {
    std::string out;
    int column = startColumn;
    for (auto ch : splitChars(text)) {
        if (ch == "\t") {
            const int next = (column / kTab + 1) * kTab;
            out.append(static_cast<std::size_t>(next - column), ' ');
            column = next;
        } else if (ch == "\n" || ch == "\r") {
            out += ch;
            column = 0;
        } else {
            out += ch;
            column += charWidth(codePoint(ch));
        }
    }
    return out;
}

}  // namespace hx
