// The parts of a sharded sweep put back together: part K of N holds the
// grid's cases K-1, K-1+N, ..., so the merge takes one row of each part in
// turn, giving the table one run over the whole grid writes, byte for byte.
// Each part's mark (shard_mark.h) says which part of which sweep it is, so
// a part given twice, left out or out of place is refused, never merged.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace hx {

// `parts` are the files of shards 1/N .. N/N in that order, all CSV or all
// JSON as `sweep --shard K/N --out` writes them. Throws CaseFileError,
// naming the part, when a part cannot be read or has no mark, belongs to
// another sweep, is given twice, is missing or out of place, the headers
// (or units) differ, or a part does not hold the rows its mark says.
void mergeSweepParts(const std::vector<std::string>& parts, std::ostream& out);

}  // namespace hx
