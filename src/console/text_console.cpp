#include "console/text_console.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "console/display_width.h"

namespace hx {

namespace {
// A row far past anything a report addresses: a guard against a runaway
// locate filling memory.
constexpr int kMaxRow = 100000;
constexpr int kTab = 8;
// Rows whose storage a clear keeps for the next page; a page longer than
// this (a runaway locate) gives its storage back.
constexpr std::size_t kKeptRows = 1000;

bool isLineControl(unsigned char byte) { return byte == '\t' || byte == '\n' || byte == '\r'; }
bool isPrintableAscii(char c) { return static_cast<unsigned char>(c - 0x20) < 0x60; }
}  // namespace

void TextConsole::clear() {
    aboutToClear();
    rowCount_ = 0;
    if (page_.size() > kKeptRows) page_ = {};
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
    for (std::size_t pos = 0; pos < text.size();) {
        pos = putRun(text, pos);
        if (pos == text.size()) break;
        const char c = text[pos];
        if (c == '\t') {
            putTab();
            ++pos;
        } else if (c == '\n') {
            endLine();
            ++pos;
        } else if (c == '\r') {
            col_ = 0;
            ++pos;
        } else {
            endLine();  // the character does not fit: wrap like a terminal
        }
    }
    if (!text.empty()) lineOpen_ = true;
    if (end == LineEnd::End) endLine();
    pageChanged();
}

// Writes the characters from `pos` on the cursor's row, up to a tab, newline
// or carriage return or one that does not fit; returns where it stopped.
std::size_t TextConsole::putRun(std::string_view text, std::size_t pos) {
    Row& row = rowAt(row_);
    Cell* cells = row.cells.data();
    const int start = col_;
    int col = col_;
    while (pos < text.size()) {
        if (isPrintableAscii(text[pos])) {
            const auto c = static_cast<std::size_t>(col);
            const std::size_t fit =
                std::min(text.size() - pos, static_cast<std::size_t>(kWidth) - c);
            const std::size_t written = row.used > c ? row.used - c : 0;
            const std::size_t k = putAscii(text.data() + pos, fit, cells + col, written);
            pos += k;
            col += static_cast<int>(k);
            if (pos == text.size()) break;
        }
        if (isLineControl(static_cast<unsigned char>(text[pos]))) break;
        // Any other character, with its neighbours when it covers half of a wide one.
        std::size_t next = pos;
        const std::string_view ch = nextChar(text, next);
        const int width = charWidth(codePoint(ch));
        if (col + width > kWidth) break;
        if (!cells[col].isAscii() || (width == 2 && !cells[col + 1].isAscii())) {
            unpairNeighbours(cells, col, width);
        }
        cells[col] = Cell::of(ch);
        if (width == 2) cells[col + 1] = Cell::rightHalf();
        col += width;
        pos = next;
    }
    if (col != start) {
        col_ = col;
        lineOpen_ = true;
        row.used = std::max(row.used, static_cast<std::size_t>(col));
        row.textKnown = false;
    }
    return pos;
}

// Writes up to `count` characters of `text` while they are printable ASCII
// and the cells they cover hold ASCII, the usual case, where only their own
// cells change; returns how many it wrote. Only the first `written` cells
// can hold anything but a blank.
std::size_t TextConsole::putAscii(const char* text, std::size_t count, Cell* cells,
                                  std::size_t written) {
    std::size_t k = 0;
    for (const std::size_t checked = std::min(count, written); k < checked; ++k) {
        if (!isPrintableAscii(text[k]) || !cells[k].isAscii()) return k;
        cells[k] = Cell::ascii(static_cast<unsigned char>(text[k]));
    }
    // Over blanks: find the run, then write it.
    std::size_t end = k;
    while (end < count && isPrintableAscii(text[end])) ++end;
    for (; k < end; ++k) cells[k] = Cell::ascii(static_cast<unsigned char>(text[k]));
    return end;
}

// A character of `width` columns is about to cover columns col.. of a row:
// the other half of any wide character it covers half of becomes a blank.
void TextConsole::unpairNeighbours(Cell* cells, int col, int width) {
    if (cells[col].empty() && col > 0) cells[col - 1] = Cell::blank();
    if (col + width < kWidth && cells[col + width].empty()) cells[col + width] = Cell::blank();
}

void TextConsole::putTab() {
    const int next = (col_ / kTab + 1) * kTab;
    if (col_ < kWidth) {
        Row& row = rowAt(row_);
        for (; col_ < next && col_ < kWidth; ++col_) {
            Cell& cell = row.cells[static_cast<std::size_t>(col_)];
            if (!cell.isAscii()) unpairNeighbours(row.cells.data(), col_, 1);
            cell = Cell::blank();
        }
        row.used = std::max(row.used, static_cast<std::size_t>(col_));
        row.textKnown = false;
        lineOpen_ = true;
    }
    if (col_ >= kWidth) endLine();
}

std::string TextConsole::input(std::string_view prompt) {
    print(prompt, LineEnd::Keep);
    return showAnswer(readLine(std::string(prompt)));
}

std::string TextConsole::inputKey(std::string_view prompt) {
    print(prompt, LineEnd::Keep);
    return showAnswer(readKeyAnswer(std::string(prompt)));
}

std::string TextConsole::showAnswer(std::string answer) {
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
    rows.reserve(rowCount_);
    for (std::size_t r = 0; r < rowCount_; ++r) rows.push_back(rowText(page_[r]));
    while (!rows.empty() && rows.back().empty()) rows.pop_back();
    return rows;
}

std::string TextConsole::currentRowText() const { return rowTextAt(row_); }

std::string TextConsole::rowTextAt(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= rowCount_) return {};
    return rowText(page_[static_cast<std::size_t>(row)]);
}

int TextConsole::writtenColumns(int r) const {
    if (r < 0 || static_cast<std::size_t>(r) >= rowCount_) return 0;
    return static_cast<int>(page_[static_cast<std::size_t>(r)].used);
}

TextConsole::Row& TextConsole::rowAt(int r) {
    const auto index = static_cast<std::size_t>(r);
    if (index >= rowCount_) extendPage(index + 1);
    Row& row = page_[index];
    if (row.cells.empty()) row.cells.resize(kWidth);
    return row;
}

// The page grows to `rows` rows; rows left from an earlier page are blanked,
// keeping their cells.
void TextConsole::extendPage(std::size_t rows) {
    if (page_.size() < rows) page_.resize(rows);
    for (std::size_t r = rowCount_; r < rows; ++r) {
        Row& row = page_[r];
        std::fill_n(row.cells.begin(), row.used, Cell::blank());
        row.used = 0;
        row.text.clear();
        row.textKnown = true;
    }
    rowCount_ = rows;
}

void TextConsole::endLineWithoutMoving() {
    lineCompleted(row_);
    lineOpen_ = false;
}

void TextConsole::endLine() {
    lastLineEnd_ = col_;
    rowAt(row_);
    endLineWithoutMoving();
    row_ = std::min(row_ + 1, kMaxRow);
    col_ = 0;
}

TextConsole::Cell TextConsole::Cell::of(std::string_view ch) {
    std::uint64_t code = static_cast<std::uint64_t>(ch.size()) << 32;
    for (std::size_t i = 0; i < ch.size(); ++i) {
        code |= static_cast<std::uint64_t>(static_cast<unsigned char>(ch[i])) << (8 * i);
    }
    return {code ^ kBlankCode};
}

std::string TextConsole::rowText(const Row& row) {
    if (row.textKnown) return row.text;
    // Trailing blanks are dropped anyway: stop at the last character.
    std::size_t end = row.used;
    while (end > 0 && row.cells[end - 1].isBlank()) --end;
    // Each cell's four bytes are written whole (the lowest first) and the
    // text advanced by its size, hence the spare bytes at the end.
    char buf[kWidth * 4 + 4];
    std::size_t n = 0;
    for (std::size_t i = 0; i < end; ++i) {
        const std::uint64_t code = row.cells[i].code();
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(buf + n, &code, 4);
        } else {
            for (int k = 0; k < 4; ++k) buf[n + k] = static_cast<char>(code >> (8 * k));
        }
        n += static_cast<std::size_t>(code >> 32);
    }
    return std::string(buf, n);
}

}  // namespace hx
