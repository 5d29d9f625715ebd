// A sweep that streams: the cases are solved on several threads and handed
// to a sink one by one in grid order, through a reorder window of bounded
// size, so memory does not grow with the grid. A shard solves every N-th
// case of the grid from the K-th on; the N parts interleave back into the
// whole (sweep_merge.h).
#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "program/batch/batch_run.h"

namespace hx {

// The K-th (1-based) of N interleaved parts of a grid: cases K-1, K-1+N, ...
struct Shard {
    std::size_t k = 1;
    std::size_t n = 1;
};

// "K/N" with 1 ≤ K ≤ N ≤ 1,000,000. Throws CaseFileError.
Shard parseShard(const std::string& text);

// The cases of the whole grid, and of one shard of it.
std::size_t gridCaseCount(const std::vector<Variation>& variations);
std::size_t shardCaseCount(std::size_t gridCases, Shard shard);

struct StreamSettings {
    int jobs = 1;
    LimitPolicy policy;
    Presentation p = Presentation::EnglishEngineering;
    Shard shard;
    // Rows solved ahead of the one the sink waits for, at most; 0: 256 a
    // thread.
    std::size_t window = 0;
    std::atomic<std::size_t>* done = nullptr;   // counts finished cases
    const std::atomic<bool>* cancel = nullptr;  // set: no case is started any more
};

// Solves the shard's cases and calls `sink` with each row in grid order on
// the calling thread. An exception of the sink or of a case stops the
// threads and is thrown on. Returns the rows handed over (fewer than the
// shard's cases only when cancelled).
std::size_t streamSweep(const EnteredCase& base, const ConsoleAnswers& answers,
                        const std::vector<Variation>& variations, const StreamSettings& settings,
                        const std::function<void(const SweepRow&)>& sink);

}  // namespace hx
