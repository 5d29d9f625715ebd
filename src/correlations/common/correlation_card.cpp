#include "correlations/common/correlation_card.h"

#include <array>
#include <charconv>

namespace hx {

namespace {

// The warning's words in English and Japanese.
struct RangeWords {
    const char* outside;
    const char* to;
};
constexpr RangeWords kEnglishWords{" outside ", " to "};
constexpr RangeWords kJapaneseWords{" 適用範囲外 ", "〜"};

// The shortest text that reads back as the same float.
std::string numberText(float v) {
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v).ptr;
    return std::string(buffer.data(), end);
}

bool inside(const ValidityRange& range, float v) {
    return range.quantity == nullptr || (v >= range.low && v <= range.high);
}

std::string rangeText(const ValidityRange& range, float v, const RangeWords& words) {
    return std::string(range.quantity) + " = " + numberText(v) + words.outside +
           numberText(range.low) + words.to + numberText(range.high);
}

}  // namespace

std::optional<std::string> outOfRangeLine(const CorrelationCard& card, float firstValue,
                                          float secondValue, bool japanese) {
    const bool firstInside = inside(card.first, firstValue);
    const bool secondInside = inside(card.second, secondValue);
    if (firstInside && secondInside) return std::nullopt;
    const RangeWords& words = japanese ? kJapaneseWords : kEnglishWords;
    std::string line = std::string("  ** ") + card.name + ":";
    if (!firstInside) line += " " + rangeText(card.first, firstValue, words);
    if (!secondInside) line += " " + rangeText(card.second, secondValue, words);
    return line;
}

}  // namespace hx
