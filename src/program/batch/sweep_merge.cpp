#include "program/batch/sweep_merge.h"

#include <algorithm>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>

#include "program/batch/shard_mark.h"
#include "program/batch/sweep_writers.h"
#include "program/session/case_file.h"

namespace hx {

namespace {

using nlohmann::json;

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

[[noreturn]] void notShards(const std::string& why) {
    throw CaseFileError("merge: " + why + " (give the parts 1/N to N/N of one sweep, in order)");
}

std::string partName(const Shard& part) {
    return "part " + std::to_string(part.k) + " of " + std::to_string(part.n);
}

// The parts given must be those of one sweep, each once, in the order 1 to
// N: a part given twice, left out or out of place would still merge into a
// table of the right length, but with the wrong rows.
void checkMarks(const std::vector<std::string>& parts,
                const std::vector<std::optional<ShardMark>>& marks) {
    for (std::size_t i = 0; i < parts.size(); ++i)
        if (!marks[i])
            notShards(parts[i] +
                      " is not a part of a sharded sweep (sweep --shard K/N writes one)");
    const ShardMark& first = *marks.front();
    for (std::size_t i = 1; i < parts.size(); ++i)
        if (marks[i]->part.n != first.part.n || marks[i]->gridCases != first.gridCases ||
            marks[i]->sweep != first.sweep)
            notShards(parts[i] + " is a part of another sweep than " + parts[0]);
    for (std::size_t i = 0; i < parts.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            if (marks[j]->part.k == marks[i]->part.k)
                notShards(parts[i] + " is " + partName(marks[i]->part) +
                          ", given twice (in places " + std::to_string(j + 1) + " and " +
                          std::to_string(i + 1) +
                          (parts[j] == parts[i] ? ")" : ", also as " + parts[j] + ")"));
    std::string missing;
    for (std::size_t k = 1; k <= first.part.n; ++k)
        if (std::none_of(marks.begin(), marks.end(), [&](const auto& m) { return m->part.k == k; }))
            missing += (missing.empty() ? "" : ", ") + std::to_string(k);
    if (!missing.empty())
        notShards((missing.find(',') == std::string::npos ? "part " + missing + " is"
                                                          : "parts " + missing + " are") +
                  " missing: the sweep has " + std::to_string(first.part.n) + " parts");
    for (std::size_t i = 0; i < parts.size(); ++i)
        if (marks[i]->part.k != i + 1)
            notShards(parts[i] + " is " + partName(marks[i]->part) + " but is given in place " +
                      std::to_string(i + 1));
}

// The rows part `mark` must hold.
std::size_t rowsOf(const ShardMark& mark) { return shardCaseCount(mark.gridCases, mark.part); }

[[noreturn]] void wrongRowCount(const std::string& part, const ShardMark& mark, std::size_t rows) {
    notShards(part + " has " + std::to_string(rows) + " rows where " + partName(mark.part) +
              " of a grid of " + std::to_string(mark.gridCases) + " cases has " +
              std::to_string(rowsOf(mark)) + " (a part not written to its end?)");
}

// One CSV record with its line break; a quoted field may hold a line break.
bool readRecord(std::istream& in, std::string& record) {
    record.clear();
    std::string line;
    bool open = false;
    while (std::getline(in, line)) {
        record += line;
        record += '\n';
        open ^= std::count(line.begin(), line.end(), '"') % 2 == 1;
        if (!open) return true;
    }
    return !record.empty();
}

std::vector<std::unique_ptr<std::ifstream>> openParts(const std::vector<std::string>& parts) {
    std::vector<std::unique_ptr<std::ifstream>> files;
    for (const std::string& path : parts) {
        files.push_back(std::make_unique<std::ifstream>(path, std::ios::binary));
        if (!*files.back()) throw CaseFileError("merge: " + path + ": cannot be read");
    }
    return files;
}

void mergeCsv(const std::vector<std::string>& parts, std::ostream& out) {
    auto files = openParts(parts);
    std::string header, record;
    std::vector<std::optional<ShardMark>> marks;
    for (std::size_t k = 0; k < files.size(); ++k) {
        readRecord(*files[k], record);
        marks.push_back(readShardMarkCsvLine(record));
    }
    checkMarks(parts, marks);
    for (std::size_t k = 0; k < files.size(); ++k) {
        if (!readRecord(*files[k], record)) notShards(parts[k] + " has no header");
        if (k == 0) header = record;
        if (record != header) notShards(parts[k] + " has another header than " + parts[0]);
    }
    out << header;
    // A second header row of long names (--names long), when the parts
    // have one, is written once as well.
    std::vector<std::string> keys;
    for (std::size_t at = 0, next; (next = header.find(',', at)) != std::string::npos;
         at = next + 1) {
        const std::string key = header.substr(at, next - at);
        if (key == "status") break;
        keys.push_back(key);
    }
    const std::string longNames = sweepCsvLongNames(keys);
    std::vector<std::string> firsts(files.size());
    bool named = true;
    for (std::size_t k = 0; k < files.size(); ++k) {
        readRecord(*files[k], firsts[k]);
        named = named && firsts[k] == longNames;
    }
    if (named) out << longNames;
    // Row r of the whole grid is row r / N of part r % N + 1; each part
    // holds exactly the rows its mark says.
    const std::size_t most = rowsOf(*marks.front());
    for (std::size_t r = 0; r < most; ++r) {
        for (std::size_t k = 0; k < files.size(); ++k) {
            if (r >= rowsOf(*marks[k])) continue;
            const bool read =
                r == 0 && !named ? !(record = firsts[k]).empty() : readRecord(*files[k], record);
            if (!read) wrongRowCount(parts[k], *marks[k], r);
            out << record;
        }
    }
    for (std::size_t k = 0; k < files.size(); ++k) {
        const bool unread = rowsOf(*marks[k]) == 0 && !named && !firsts[k].empty();
        if (unread || readRecord(*files[k], record)) {
            std::size_t rows = rowsOf(*marks[k]) + 1;
            while (readRecord(*files[k], record)) ++rows;
            wrongRowCount(parts[k], *marks[k], rows);
        }
    }
}

void mergeJson(const std::vector<std::string>& parts, std::ostream& out) {
    auto files = openParts(parts);
    std::vector<json> docs;
    std::vector<std::optional<ShardMark>> marks;
    for (std::size_t k = 0; k < files.size(); ++k) {
        try {
            docs.push_back(json::parse(*files[k]));
        } catch (const json::exception&) {
            notShards(parts[k] + " is not a sweep's JSON");
        }
        if (!docs.back().is_object() || !docs.back().contains("rows") ||
            !docs.back()["rows"].is_array() || !docs.back().contains("units"))
            notShards(parts[k] + " is not a sweep's JSON");
        const json& doc = docs.back();
        marks.push_back(doc.contains("shard") ? readShardMarkJson(doc["shard"]) : std::nullopt);
    }
    checkMarks(parts, marks);
    for (std::size_t k = 0; k < docs.size(); ++k) {
        if (docs[k]["units"] != docs.front()["units"])
            notShards(parts[k] + " has other units than " + parts[0]);
        if (docs[k]["rows"].size() != rowsOf(*marks[k]))
            wrongRowCount(parts[k], *marks[k], docs[k]["rows"].size());
    }
    const std::size_t most = docs.front()["rows"].size();
    json rows = json::array();
    for (std::size_t r = 0; r < most; ++r)
        for (json& doc : docs)
            if (r < doc["rows"].size()) rows.push_back(std::move(doc["rows"][r]));
    json merged;
    merged["rows"] = std::move(rows);
    merged["units"] = docs.front()["units"];
    if (docs.front().contains("names")) merged["names"] = docs.front()["names"];
    out << merged.dump(1) << '\n';
}

}  // namespace

void mergeSweepParts(const std::vector<std::string>& parts, std::ostream& out) {
    if (parts.empty()) throw CaseFileError("merge: no parts given");
    const bool json = endsWith(parts.front(), ".json");
    for (const std::string& part : parts)
        if (endsWith(part, ".json") != json || (!json && !endsWith(part, ".csv")))
            throw CaseFileError("merge: " + part + ": expected all .csv or all .json parts");
    if (json)
        mergeJson(parts, out);
    else
        mergeCsv(parts, out);
}

}  // namespace hx
