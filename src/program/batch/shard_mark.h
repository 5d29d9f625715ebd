// What a part of a sharded sweep says about itself, so that the merge can
// check it was given every part once and in order: which part of how many
// it is, the cases of the whole grid, and a fingerprint of the sweep (the
// case, the grid, the units, the names and the limit policy), so that parts of two
// different sweeps are not put together. A CSV part carries it as a line
// of its own before the header, a JSON part as the key "shard"; the merge
// reads it and leaves it out, so the merged table is the one run's table.
#pragma once

#include <cstddef>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "program/batch/sweep_stream.h"

namespace hx {

struct ShardMark {
    Shard part;
    std::size_t gridCases = 0;
    std::string sweep;  // 16 hexadecimal digits

    bool operator==(const ShardMark&) const = default;
};

// The fingerprint of a sweep's defining text (16 hexadecimal digits,
// FNV-1a over its bytes): equal texts give equal fingerprints on every
// machine and build.
std::string sweepFingerprint(std::string_view identity);

// The text that defines the table of a sweep: the case, the varied inputs
// and their values, the units of the table, its names and the limit policy.
std::string sweepIdentity(const std::string& caseJson, const std::vector<Variation>& variations,
                          Presentation p, bool longNames, LimitPolicy policy);

// The CSV line, with its line break:
// "# hxcalc sweep part 2 of 4, a grid of 21 cases, sweep 0123456789abcdef".
std::string shardMarkCsvLine(const ShardMark& mark);
// The mark of a CSV line as shardMarkCsvLine() writes it (the line break
// may be there or not); nothing for any other line.
std::optional<ShardMark> readShardMarkCsvLine(std::string_view line);

// The JSON object {"grid_cases": 21, "part": 2, "parts": 4, "sweep": "..."},
// and the mark read back from such a value; nothing for any other value.
nlohmann::json shardMarkJson(const ShardMark& mark);
std::optional<ShardMark> readShardMarkJson(const nlohmann::json& value);

}  // namespace hx
