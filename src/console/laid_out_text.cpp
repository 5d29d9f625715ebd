// Printing through a picture, and printing text repeated unchanged, in the
// text window. The literal text of each picture, and each repeated text, is
// laid out in cells once for the whole program, so printing a line costs its
// numbers and a copy of cells, not the decoding of its characters; the page
// shows exactly what printing the formatted text character by character
// shows.
#include <bit>
#include <memory>
#include <mutex>
#include <optional>
#include <unordered_map>

#include "console/display_width.h"
#include "console/number_picture.h"
#include "console/text_console.h"

namespace hx {

struct TextConsole::Layout {
    Layout(std::string_view text, LayoutKind kind);
    std::vector<Cell> cellsOf(std::string_view literal);

    std::string text;
    LayoutKind kind;
    std::optional<CompiledPicture> picture;
    // The cells of the text before the first field (all of a text printed
    // as it is), and of the text after each field.
    std::vector<Cell> leading;
    std::vector<std::vector<Cell>> after;
    // No tab, newline or carriage return: the cells can be copied. Otherwise
    // the text is printed character by character.
    bool plain = true;
};

TextConsole::Layout::Layout(std::string_view text, LayoutKind kind) : text(text), kind(kind) {
    if (kind == LayoutKind::Text) {
        leading = cellsOf(text);
        return;
    }
    picture.emplace(text);
    leading = cellsOf(picture->leading());
    for (std::size_t f = 0; f < picture->fieldCount(); ++f) {
        after.push_back(cellsOf(picture->after(f)));
    }
}

// The cells that printing `literal` writes, a wide character followed by its
// empty right half.
std::vector<TextConsole::Cell> TextConsole::Layout::cellsOf(std::string_view literal) {
    std::vector<Cell> cells;
    for (std::size_t pos = 0; pos < literal.size();) {
        const std::string_view ch = nextChar(literal, pos);
        if (ch == "\t" || ch == "\n" || ch == "\r") plain = false;
        cells.push_back(Cell::of(ch));
        if (charWidth(codePoint(ch)) == 2) cells.push_back(Cell::rightHalf());
    }
    return cells;
}

// The layout of `text`, made at its first use; nullptr once the program has
// laid out so many texts that it keeps no more (a caller making up pictures
// as it goes). Throws PictureError for a picture without a field.
const TextConsole::Layout* TextConsole::layoutOf(std::string_view text, LayoutKind kind) {
    constexpr std::size_t kMaxLayouts = 1024;
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const {
            return std::hash<std::string_view>{}(s);
        }
    };
    using Layouts =
        std::unordered_map<std::string, std::unique_ptr<const Layout>, TextHash, std::equal_to<>>;
    static std::mutex mutex;
    static Layouts texts;
    static Layouts pictures;
    Layouts& layouts = kind == LayoutKind::Text ? texts : pictures;
    const std::lock_guard lock(mutex);
    if (const auto it = layouts.find(text); it != layouts.end()) return it->second.get();
    if (texts.size() + pictures.size() >= kMaxLayouts) {
        if (kind == LayoutKind::Picture) CompiledPicture{text};  // one in error still throws
        return nullptr;
    }
    auto layout = std::make_unique<const Layout>(text, kind);
    return layouts.emplace(text, std::move(layout)).first->second.get();
}

// The layout of `text` as layoutOf gives it, with what this console printed
// through it last; found first among those printed lately, which takes no
// hashing of the text, only a comparison. Nullptr where layoutOf gives none.
TextConsole::RecentLayout* TextConsole::recentLayoutOf(std::string_view text, LayoutKind kind) {
    const std::size_t kept = std::min(recentCount_, recentLayouts_.size());
    auto matches = [&](const RecentLayout& recent) {
        return recent.text == text.data() && recent.layout->kind == kind &&
               recent.layout->text == text;
    };
    // A screen prints its rows in the same order each time: the one after
    // the last found is tried first.
    if (recentNext_ < kept && matches(recentLayouts_[recentNext_])) {
        return &recentLayouts_[recentNext_++];
    }
    for (std::size_t i = 0; i < kept; ++i) {
        if (matches(recentLayouts_[i])) {
            recentNext_ = i + 1;
            return &recentLayouts_[i];
        }
    }
    const Layout* layout = layoutOf(text, kind);
    if (layout == nullptr) return nullptr;
    const std::size_t slot = recentCount_++ % recentLayouts_.size();
    recentNext_ = slot + 1;
    RecentLayout& recent = recentLayouts_[slot];
    recent.text = text.data();
    recent.layout = layout;
    recent.numbers.assign(layout->after.size(), {});
    recent.line.clear();
    recent.line.reserve(kWidth);
    recent.lineText.reserve(2 * kWidth);
    return &recent;
}

void TextConsole::printUsing(std::string_view picture, std::span<const float> values, LineEnd end) {
    RecentLayout* recent = recentLayoutOf(picture, LayoutKind::Picture);
    if (recent == nullptr || !recent->layout->plain || !putLaidOut(*recent, values)) {
        print(formatUsing(picture, values), end);
        return;
    }
    if (end == LineEnd::End) endLine();
    pageChanged();
}

void TextConsole::printUsing(std::string_view picture, std::initializer_list<float> values,
                             LineEnd end) {
    printUsing(picture, std::span<const float>(values.begin(), values.size()), end);
}

void TextConsole::printRepeated(std::string_view text, LineEnd end) {
    const RecentLayout* recent = recentLayoutOf(text, LayoutKind::Text);
    const auto room = static_cast<std::size_t>(kWidth - col_);
    if (recent == nullptr || !recent->layout->plain || recent->layout->leading.size() > room) {
        print(text, end);
        return;
    }
    putCells(recent->layout->leading.data(), recent->layout->leading.size(), text);
    if (end == LineEnd::End) endLine();
    pageChanged();
}

// Writes the line of `values` through the layout at the cursor when it fits
// on the cursor's row; false, with nothing written, when it would wrap.
bool TextConsole::putLaidOut(RecentLayout& recent, std::span<const float> values) {
    if (!updateLine(recent, values)) composeLine(recent, values);
    if (recent.line.size() > static_cast<std::size_t>(kWidth - col_)) return false;
    putCells(recent.line.data(), recent.line.size(), recent.lineText);
    return true;
}

// Makes the last line through the layout the line of `values` by rewriting
// the numbers that changed, when it showed as many values, each field at
// most once, and every new number is as wide as the one it replaces.
bool TextConsole::updateLine(RecentLayout& recent, std::span<const float> values) {
    if (recent.line.empty() || values.size() != recent.lineValues ||
        values.size() > recent.numbers.size()) {
        return false;
    }
    for (std::size_t field = 0; field < values.size(); ++field) {
        RecentLayout::Number& number = recent.numbers[field];
        const auto bits = std::bit_cast<std::uint32_t>(values[field]);
        if (number.bits == bits) continue;
        const std::size_t width = number.text.size();
        number.text.clear();
        recent.layout->picture->appendField(number.text, field, values[field]);
        number.bits = bits;
        if (number.text.size() != width) return false;
        Cell* cells = recent.line.data() + number.column;
        for (const char c : number.text) *cells++ = Cell::ascii(static_cast<unsigned char>(c));
        recent.lineText.replace(number.offset, width, number.text);
    }
    return true;
}

// Lays out the line of `values` through the layout anew; a number is
// formatted only when it differs from the last through its field.
void TextConsole::composeLine(RecentLayout& recent, std::span<const float> values) {
    const Layout& layout = *recent.layout;
    std::vector<Cell>& line = recent.line;
    std::string& text = recent.lineText;
    line.clear();
    text.clear();
    // With no numbers at all only the text before the first field is printed.
    if (values.empty()) {
        line = layout.leading;
        text = layout.picture->leading();
    }
    const std::size_t fieldCount = layout.after.size();
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::size_t field = i % fieldCount;
        if (field == 0) {
            line.insert(line.end(), layout.leading.begin(), layout.leading.end());
            text += layout.picture->leading();
        }
        RecentLayout::Number& number = recent.numbers[field];
        const auto bits = std::bit_cast<std::uint32_t>(values[i]);
        if (!number.known || number.bits != bits) {
            number.text.clear();
            layout.picture->appendField(number.text, field, values[i]);
            number.bits = bits;
            number.known = true;
        }
        number.column = line.size();
        number.offset = text.size();
        for (const char c : number.text) line.push_back(Cell::ascii(static_cast<unsigned char>(c)));
        text += number.text;
        line.insert(line.end(), layout.after[field].begin(), layout.after[field].end());
        text += layout.picture->after(field);
    }
    recent.lineValues = values.size();
}

// Writes `width` cells at the cursor, on its row (they fit), as printing
// `text`, their characters, one by one does.
void TextConsole::putCells(const Cell* cells, std::size_t width, std::string_view text) {
    if (width == 0) return;
    Row& row = rowAt(row_);
    // Written whole from its first column, the row shows `text` alone.
    row.textKnown = col_ == 0 && row.used <= width;
    if (row.textKnown) {
        while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
        row.text.assign(text);
    }
    Cell* at = row.cells.data() + col_;
    // Only the ends can cover half of a wide character outside the cells.
    if (at[0].empty() && col_ > 0) at[-1] = Cell::blank();
    if (col_ + width < kWidth && at[width].empty()) at[width] = Cell::blank();
    std::copy(cells, cells + width, at);
    col_ += static_cast<int>(width);
    lineOpen_ = true;
    row.used = std::max(row.used, static_cast<std::size_t>(col_));
}

}  // namespace hx
