#include "program/batch/sweep_merge.h"

#include <algorithm>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>

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
    // Once a part has run out, every later part must run out in the same
    // round and no part may have a row in the next.
    bool ended = false;
    bool first = !named;  // the records already read are the first rows
    for (;;) {
        for (std::size_t k = 0; k < files.size(); ++k) {
            const bool read = first ? !(record = firsts[k]).empty() : readRecord(*files[k], record);
            if (read && ended) notShards(parts[k] + " has more rows than the parts before it");
            if (!read) {
                ended = true;
                continue;
            }
            out << record;
        }
        first = false;
        if (ended) return;
    }
}

void mergeJson(const std::vector<std::string>& parts, std::ostream& out) {
    auto files = openParts(parts);
    std::vector<json> docs;
    for (std::size_t k = 0; k < files.size(); ++k) {
        try {
            docs.push_back(json::parse(*files[k]));
        } catch (const json::exception&) {
            notShards(parts[k] + " is not a sweep's JSON");
        }
        if (!docs.back().contains("rows") || !docs.back()["rows"].is_array() ||
            !docs.back().contains("units"))
            notShards(parts[k] + " is not a sweep's JSON");
        if (docs.back()["units"] != docs.front()["units"])
            notShards(parts[k] + " has other units than " + parts[0]);
    }
    const std::size_t most = docs.front()["rows"].size();
    json rows = json::array();
    for (std::size_t k = 0; k < docs.size(); ++k) {
        const std::size_t n = docs[k]["rows"].size();
        if (n > most || n + 1 < most || (k > 0 && n > docs[k - 1]["rows"].size()))
            notShards(parts[k] + " has " + std::to_string(n) + " rows");
    }
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
