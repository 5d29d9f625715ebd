// The lines of a printed report cut into pages: a ruled table (from its top
// frame to its bottom frame, with the heading lines just above it) that fits
// on a page is never split, and a longer one starts where its column heads and at
// least its first rows fit under them. Empty lines left over at the foot of
// a page start no page of their own.
#pragma once

#include <string>
#include <vector>

namespace hx {

// Rows of a table kept on the page of its column heads at the least.
inline constexpr int kRowsKeptWithHeads = 3;

std::vector<std::vector<std::string>> printedPages(const std::vector<std::string>& lines,
                                                   int rowsPerPage);

}  // namespace hx
