#include "program/batch/sweep_writers.h"

#include <charconv>
#include <nlohmann/json.hpp>

#include "model/field_catalogue.h"
#include "program/batch/result_quantities.h"

namespace hx {

namespace {

using nlohmann::json;

constexpr const char* kStatusLongName = "solved, or the message the run ended with";

std::string longNameOf(const std::string& key) {
    const CatalogueField* f = findCatalogueField(key);
    return f ? f->english : key;
}

std::vector<std::string> keysOf(const std::vector<Variation>& variations) {
    std::vector<std::string> keys;
    for (const Variation& v : variations) keys.push_back(v.key);
    return keys;
}

// What both tables are written with: the stream, the varied inputs, the
// units of the results, the second header of long names and the part of a
// sharded sweep.
class TableWriter : public SweepWriter {
public:
    TableWriter(std::ostream& out, const std::vector<Variation>& variations, Presentation p,
                bool longNames, std::optional<ShardMark> shard)
        : out_(out),
          variations_(variations),
          p_(p),
          longNames_(longNames),
          shard_(std::move(shard)) {}

protected:
    std::ostream& out_;
    const std::vector<Variation>& variations_;
    Presentation p_;
    bool longNames_;
    std::optional<ShardMark> shard_;
};

class CsvWriter : public TableWriter {
public:
    using TableWriter::TableWriter;

    void begin() override {
        if (shard_) out_ << shardMarkCsvLine(*shard_);
        for (const Variation& v : variations_) out_ << v.key << ',';
        out_ << "status";
        for (const ResultQuantity& q : resultQuantities())
            out_ << ',' << q.name << " [" << resultUnit(q, p_) << ']';
        out_ << '\n';
        if (longNames_) out_ << sweepCsvLongNames(keysOf(variations_));
    }

    void row(const SweepRow& row) override {
        line_.clear();
        for (float v : row.varied) {
            appendNumber(v);
            line_ += ',';
        }
        line_ += csvField(row.status);
        if (row.solved) {
            for (float r : row.results) {
                line_ += ',';
                appendNumber(r);
            }
        } else {
            line_.append(resultQuantities().size(), ',');
        }
        line_ += '\n';
        out_ << line_;
    }

    void end() override {}

private:
    // As numberText() writes it, without a string of its own (a sweep of a
    // million rows writes 60 million numbers).
    void appendNumber(float value) {
        char text[32];
        const auto result = std::to_chars(text, text + sizeof text, value);
        line_.append(text, result.ptr);
    }

    std::string line_;
};

// Every line of `text` after `indent` blanks.
std::string indented(const std::string& text, const std::string& indent, bool firstLine) {
    std::string out = firstLine ? indent : "";
    for (char c : text) {
        out += c;
        if (c == '\n') out += indent;
    }
    return out;
}

// The document {"rows": [...], "units": {...}} as nlohmann::json lays it
// out with an indent of one (its keys in order, so "rows" comes first),
// written a row at a time.
class JsonWriter : public TableWriter {
public:
    using TableWriter::TableWriter;

    void begin() override {
        out_ << '{';
        if (shard_)
            out_ << "\n \"shard\": " << indented(shardMarkJson(*shard_).dump(1), " ", false) << ',';
        if (longNames_) {
            json names = json::object();
            for (const Variation& v : variations_) names[v.key] = longNameOf(v.key);
            names["status"] = kStatusLongName;
            for (const ResultQuantity& q : resultQuantities()) names[q.name] = q.english;
            out_ << "\n \"names\": " << indented(names.dump(1), " ", false) << ',';
        }
        out_ << "\n \"rows\": [";
    }

    void row(const SweepRow& row) override {
        json item;
        json varied = json::object();
        for (std::size_t v = 0; v < variations_.size(); ++v)
            varied[variations_[v].key] = jsonNumber(row.varied[v]);
        item["inputs"] = varied;
        item["status"] = row.status;
        if (row.solved) {
            json results = json::object();
            for (std::size_t i = 0; i < row.results.size(); ++i)
                results[resultQuantities()[i].name] = jsonNumber(row.results[i]);
            item["results"] = results;
        }
        out_ << (any_ ? ",\n" : "\n") << indented(item.dump(1), "  ", true);
        any_ = true;
    }

    void end() override {
        json units = json::object();
        for (const ResultQuantity& q : resultQuantities()) units[q.name] = resultUnit(q, p_);
        out_ << (any_ ? "\n ],\n" : "],\n") << " \"units\": " << indented(units.dump(1), " ", false)
             << "\n}\n";
    }

private:
    bool any_ = false;
};

void writeAll(SweepWriter& writer, const std::vector<SweepRow>& rows) {
    writer.begin();
    for (const SweepRow& row : rows) writer.row(row);
    writer.end();
}

}  // namespace

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::unique_ptr<SweepWriter> csvSweepWriter(std::ostream& out,
                                            const std::vector<Variation>& variations,
                                            Presentation p, bool longNames,
                                            std::optional<ShardMark> shard) {
    return std::make_unique<CsvWriter>(out, variations, p, longNames, std::move(shard));
}

std::unique_ptr<SweepWriter> jsonSweepWriter(std::ostream& out,
                                             const std::vector<Variation>& variations,
                                             Presentation p, bool longNames,
                                             std::optional<ShardMark> shard) {
    return std::make_unique<JsonWriter>(out, variations, p, longNames, std::move(shard));
}

std::string sweepCsvLongNames(const std::vector<std::string>& keys) {
    std::string row;
    for (const std::string& key : keys) row += csvField(longNameOf(key)) + ',';
    row += csvField(kStatusLongName);
    for (const ResultQuantity& q : resultQuantities()) row += ',' + csvField(q.english);
    return row + '\n';
}

void writeSweepCsv(std::ostream& out, const std::vector<Variation>& variations,
                   const std::vector<SweepRow>& rows, Presentation p) {
    writeAll(*csvSweepWriter(out, variations, p), rows);
}

void writeSweepJson(std::ostream& out, const std::vector<Variation>& variations,
                    const std::vector<SweepRow>& rows, Presentation p) {
    writeAll(*jsonSweepWriter(out, variations, p), rows);
}

}  // namespace hx
