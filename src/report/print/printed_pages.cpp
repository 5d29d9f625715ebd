#include "report/print/printed_pages.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace hx {

namespace {

constexpr std::size_t kHeadingLines = 5;  // at most, kept over a table

bool has(std::string_view line, std::string_view mark) {
    return line.find(mark) != std::string_view::npos;
}
bool isTop(std::string_view line) { return has(line, "┌") || has(line, "┏"); }
bool isBottom(std::string_view line) { return has(line, "└") || has(line, "┗"); }
bool isRule(std::string_view line) { return has(line, "├") || has(line, "┣"); }
bool isBlank(std::string_view line) { return line.find_first_not_of(" 　") == std::string::npos; }
// A line of a table's frame or rows (a heading has no rules).
bool isBoxed(std::string_view line) {
    for (std::string_view mark : {"│", "┃", "─", "━", "├", "┣", "└", "┗", "┌", "┏"})
        if (has(line, mark)) return true;
    return false;
}

// The rows from `first` that must stand together on one page: a whole table
// (with its heading) that fits on a page, else its heading, heads and first
// rows. One row for a line that starts no table.
std::size_t rowsKeptTogether(const std::vector<std::string>& lines, std::size_t first,
                             std::size_t rowsPerPage) {
    // The heading lines directly over the top frame (a title, a note on the
    // columns) go with their table.
    std::size_t top = first;
    while (top < lines.size() && top - first < kHeadingLines && !isTop(lines[top]) &&
           !isBoxed(lines[top]) && !isBlank(lines[top]))
        ++top;
    if (top >= lines.size() || !isTop(lines[top])) return 1;
    std::size_t bottom = top;
    while (bottom + 1 < lines.size() && !isBottom(lines[bottom])) ++bottom;
    const std::size_t whole = bottom - first + 1;
    if (whole <= rowsPerPage) return whole;
    std::size_t heads = top;
    while (heads <= bottom && !isRule(lines[heads])) ++heads;
    if (heads > bottom) heads = top;  // no rule under the heads: the top frame alone
    return std::min(rowsPerPage, heads - first + 1 + kRowsKeptWithHeads);
}

}  // namespace

std::vector<std::vector<std::string>> printedPages(const std::vector<std::string>& lines,
                                                   int rowsPerPage) {
    const auto rows = static_cast<std::size_t>(std::max(1, rowsPerPage));
    std::vector<std::vector<std::string>> pages(1);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto& page = pages.back();
        if (page.size() >= rows && isBlank(lines[i])) continue;
        const std::size_t together = rowsKeptTogether(lines, i, rows);
        if (!page.empty() && page.size() + together > rows) pages.emplace_back();
        pages.back().push_back(lines[i]);
    }
    return pages;
}

}  // namespace hx
