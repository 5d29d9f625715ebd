// The parts of a sharded sweep put back together: part K of N holds the
// grid's cases K-1, K-1+N, ..., so the merge takes one row of each part in
// turn, giving the table one run over the whole grid writes, byte for byte.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace hx {

// `parts` are the files of shards 1/N .. N/N in that order, all CSV or all
// JSON as `sweep --out` writes them. Throws CaseFileError when a part
// cannot be read, the headers (or units) differ, or the row counts are not
// those of the N shards of one grid.
void mergeSweepParts(const std::vector<std::string>& parts, std::ostream& out);

}  // namespace hx
