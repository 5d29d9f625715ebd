#include "console/text_console.h"

#include <algorithm>

#include "console/display_width.h"
#include "console/number_picture.h"

namespace hx {

namespace {
// A row far past anything a report addresses: a guard against a runaway
// locate filling memory.
constexpr int kMaxRow = 100000;
constexpr int kTab = 8;
}  // namespace

void TextConsole::clear() {
    aboutToClear();
    page_.clear();
    row_ = 0;
    col_ = 0;
    lineOpen_ = false;
    ++pageCount_;
    cleared();
    pageChanged();
}

void TextConsole::locate(int row, int col) {
    row = std::clamp(row, 0, kMaxRow);
    col = std::clamp(col, 0, kWidth - 1);
    if (lineOpen_ && row != row_) endLineWithoutMoving();
    row_ = row;
    col_ = col;
    located();
}

void TextConsole::print(std::string_view text, LineEnd end) {
    Row* row = nullptr;  // the cursor's row while only narrow characters are written
    for (std::size_t pos = 0; pos < text.size();) {
        const auto byte = static_cast<unsigned char>(text[pos]);
        if (byte >= 0x20 && byte < 0x80 && col_ < kWidth) {
            // A printable ASCII character over a narrow one: only its cell changes.
            if (row == nullptr) row = &rowAt(row_);
            Cell& cell = (*row)[static_cast<std::size_t>(col_)];
            if (cell.narrow() && static_cast<unsigned char>(cell.bytes[0]) < 0x80) {
                cell.bytes[0] = static_cast<char>(byte);
                ++col_;
                ++pos;
                lineOpen_ = true;
                continue;
            }
        }
        row = nullptr;  // the slow path may end the line or grow the page
        const std::string_view ch = nextChar(text, pos);
        if (ch == "\t") {
            const int next = (col_ / kTab + 1) * kTab;
            while (col_ < next && col_ < kWidth) putChar(" ");
            if (col_ >= kWidth) endLine();
        } else if (ch == "\n") {
            endLine();
        } else if (ch == "\r") {
            col_ = 0;
        } else {
            putChar(ch);
        }
    }
    if (!text.empty()) lineOpen_ = true;
    if (end == LineEnd::End) endLine();
    pageChanged();
}

void TextConsole::printUsing(std::string_view picture, std::span<const float> values,
                             LineEnd end) {
    print(formatUsing(picture, values), end);
}

void TextConsole::printUsing(std::string_view picture, std::initializer_list<float> values,
                             LineEnd end) {
    print(formatUsing(picture, values), end);
}

std::string TextConsole::input(std::string_view prompt) {
    print(prompt, LineEnd::Keep);
    std::string answer = readLine(std::string(prompt));
    // Keep only the first line of whatever was supplied.
    if (auto nl = answer.find_first_of("\r\n"); nl != std::string::npos) answer.resize(nl);
    print(answer, LineEnd::End);
    return answer;
}

std::string TextConsole::waitKey() { return readKey(); }

void TextConsole::halt() {
    if (lineOpen_ || col_ > 0) endLine();
    print(kHaltLine1);
    print(kHaltLine2);
    readKey();
}

std::vector<std::string> TextConsole::screen() const {
    std::vector<std::string> rows;
    rows.reserve(page_.size());
    for (const auto& r : page_) rows.push_back(rowText(r));
    while (!rows.empty() && rows.back().empty()) rows.pop_back();
    return rows;
}

std::string TextConsole::currentRowText() const { return rowTextAt(row_); }

std::string TextConsole::rowTextAt(int row) const {
    if (row < 0 || row >= static_cast<int>(page_.size())) return {};
    return rowText(page_[static_cast<std::size_t>(row)]);
}

TextConsole::Row& TextConsole::rowAt(int r) {
    if (r >= static_cast<int>(page_.size())) page_.resize(static_cast<std::size_t>(r) + 1);
    Row& row = page_[static_cast<std::size_t>(r)];
    if (row.size() < static_cast<std::size_t>(kWidth)) row.resize(kWidth);
    return row;
}

void TextConsole::putChar(std::string_view ch) {
    const int w = charWidth(codePoint(ch));
    if (w == 1 && col_ < kWidth) {
        // A narrow character over a narrow one: nothing around it changes.
        Row& row = rowAt(row_);
        Cell& cell = row[static_cast<std::size_t>(col_)];
        if (cell.narrow() && static_cast<unsigned char>(cell.bytes[0]) < 0x80) {
            cell.set(ch);
            ++col_;
            lineOpen_ = true;
            return;
        }
    }
    if (col_ + w > kWidth) endLine();  // wrap like a terminal
    Row& row = rowAt(row_);
    auto cell = [&](int c) -> Cell& { return row[static_cast<std::size_t>(c)]; };
    // Overwriting half of a wide character blanks its other half.
    for (int c = col_; c < col_ + w; ++c) {
        if (cell(c).empty() && c > 0) cell(c - 1).set(" ");
        if (c + 1 < kWidth && cell(c + 1).empty() && charWidth(codePoint(cell(c).glyph())) == 2)
            cell(c + 1).set(" ");
    }
    cell(col_).set(ch);
    if (w == 2) cell(col_ + 1).clear();
    col_ += w;
    lineOpen_ = true;
}

void TextConsole::endLineWithoutMoving() {
    lineCompleted(row_);
    lineOpen_ = false;
}

void TextConsole::endLine() {
    rowAt(row_);
    endLineWithoutMoving();
    row_ = std::min(row_ + 1, kMaxRow);
    col_ = 0;
}

std::string TextConsole::rowText(const Row& row) {
    // Trailing blanks are dropped anyway: stop at the last character.
    std::size_t end = row.size();
    while (end > 0 && row[end - 1].blank()) --end;
    char buf[kWidth * 4];
    std::size_t n = 0;
    for (std::size_t i = 0; i < end && i < static_cast<std::size_t>(kWidth); ++i) {
        const Cell& c = row[i];
        for (unsigned char k = 0; k < c.size; ++k) buf[n++] = c.bytes[k];
    }
    return std::string(buf, n);
}

}  // namespace hx
