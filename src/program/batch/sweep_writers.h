// The tables of a sweep, written row by row as the rows come: CSV (a
// header, one line a case) or JSON ({"rows": [...], "units": {...}}, laid
// out as the whole document would be). The bytes do not depend on how the
// rows were solved, so the parts of a sharded sweep merge into the same
// file as one run. A part of a sharded sweep begins with its mark
// (shard_mark.h), which the merge checks and leaves out.
#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <vector>

#include "program/batch/batch_run.h"
#include "program/batch/shard_mark.h"

namespace hx {

class SweepWriter {
public:
    virtual ~SweepWriter() = default;
    virtual void begin() = 0;
    virtual void row(const SweepRow& row) = 0;
    virtual void end() = 0;
};

// With `longNames` the CSV has a second header row of long names (the
// field's description, the quantity's), and the JSON a "names" object.
// With `shard` the table is that part of a sharded sweep.
std::unique_ptr<SweepWriter> csvSweepWriter(std::ostream& out,
                                            const std::vector<Variation>& variations,
                                            Presentation p, bool longNames = false,
                                            std::optional<ShardMark> shard = std::nullopt);
std::unique_ptr<SweepWriter> jsonSweepWriter(std::ostream& out,
                                             const std::vector<Variation>& variations,
                                             Presentation p, bool longNames = false,
                                             std::optional<ShardMark> shard = std::nullopt);

// The CSV row of long names under the header of a sweep over `keys`, with
// its line break.
std::string sweepCsvLongNames(const std::vector<std::string>& keys);

// Whole tables of rows already solved.
void writeSweepCsv(std::ostream& out, const std::vector<Variation>& variations,
                   const std::vector<SweepRow>& rows, Presentation p);
void writeSweepJson(std::ostream& out, const std::vector<Variation>& variations,
                    const std::vector<SweepRow>& rows, Presentation p);

// A text field of a CSV line, quoted when it holds a comma, a quote or a
// line break.
std::string csvField(const std::string& text);

}  // namespace hx
