#include "program/batch_run.h"

#include <cstdio>
#include <nlohmann/json.hpp>
#include <thread>

#include "calc/read_design_case.h"
#include "calc/weight_estimate.h"
#include "console/scripted_console.h"
#include "model/field_catalogue.h"
#include "model/platform.h"
#include "program/result_quantities.h"
#include "program/startup.h"
#include "report/results_summary.h"
#include "report/results_view.h"
#include "report/weight_table.h"

namespace hx {

namespace {

using nlohmann::json;

// The shown values of a solved case in the units of p.
Solution shownValues(const HeadlessOutcome& outcome, Presentation p) {
    ResultsView view(outcome.solution);
    view.enter(p, *outcome.inputs);
    return inUnitsOf(p, *outcome.inputs, view.shown());
}

const char* unitOf(const ResultQuantity& q, Presentation p) {
    return isSI(p) ? q.unitSI : q.unitEngineering;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        const auto b = line.find_first_not_of(' ');
        if (b == std::string::npos) continue;
        text += (text.empty() ? "" : " / ") + line.substr(b);
    }
    return text.empty() ? "the run ended" : text;
}

[[noreturn]] void badVariation(const std::string& spec, const std::string& problem) {
    throw CaseFileError("--vary " + spec + ": " + problem);
}

float parseFloat(const std::string& text, const std::string& spec) {
    char* end = nullptr;
    const float v = std::strtof(text.c_str(), &end);
    if (text.empty() || *end != '\0') badVariation(spec, "\"" + text + "\" is not a number");
    return v;
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const auto at = text.find(separator, start);
        parts.push_back(text.substr(start, at - start));
        if (at == std::string::npos) return parts;
        start = at + 1;
    }
}

SweepRow solveRow(const EnteredCase& base, const ConsoleAnswers& answers,
                  const std::vector<Variation>& variations, std::size_t index, LimitPolicy policy,
                  Presentation p) {
    SweepRow row;
    row.varied.resize(variations.size());
    EnteredCase entered = base;
    // The last variation runs fastest.
    for (std::size_t v = variations.size(); v-- > 0;) {
        const std::vector<float>& values = variations[v].values;
        row.varied[v] = values[index % values.size()];
        index /= values.size();
        setEnteredInput(entered, variations[v].key, row.varied[v]);
    }
    const HeadlessOutcome outcome = runHeadless(entered, answers, policy, false);
    row.solved = outcome.solved;
    row.status = outcome.solved ? "solved" : joined(outcome.message);
    if (outcome.solved) {
        const Solution shown = shownValues(outcome, p);
        for (const ResultQuantity& q : resultQuantities()) row.results.push_back(shown.*q.member);
    }
    return row;
}

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

}  // namespace

EnteredCase enteredCaseOf(const CaseValues& values, const std::string& fileName) {
    ScriptedConsole console;
    ScriptedPlatform platform;
    Session session(console, platform);
    startProgram(session);
    enterCase(session, values, fileName);
    return readEnteredCase(session.forms);
}

std::vector<std::string> summaryLines(const HeadlessOutcome& outcome, Presentation p) {
    ScriptedConsole console;
    ResultsView view(outcome.solution);
    view.enter(p, *outcome.inputs);
    showResultsSummary(p, *outcome.inputs, view.shown(), console);
    // With the weight option on, an estimate that fails says so under the
    // summary, as on the results screen.
    if (outcome.inputs->dc.weightCalculation == 1 &&
        !estimateWeight(*outcome.inputs, outcome.solution).sound)
        console.print(weightFailedLine(p));
    console.flushOpenLine();
    std::vector<std::string> lines;
    for (const std::string& line : console.transcript())
        if (line != ScriptedConsole::kClearMark) lines.push_back(line);
    return lines;
}

std::string solveJson(const CaseValues& values, const HeadlessOutcome& outcome, Presentation p) {
    json inputs = json::array();
    for (const CatalogueField& f : fieldCatalogue()) {
        if (f.isChoice()) continue;
        const auto it = values.inputs.find(f.key);
        if (it == values.inputs.end() || !it->second) continue;
        inputs.push_back({{"name", f.key},
                          {"unit", isSICode(values.unitCode) ? f.unitSI : f.unitEngineering},
                          {"value", jsonNumber(*it->second)}});
    }
    json doc;
    doc["status"] = outcome.solved ? "solved" : "ended";
    doc["unit_system"] = isSI(p) ? "si" : "engineering";
    doc["choices"] = values.choices;
    doc["inputs"] = inputs;
    json results = json::array();
    if (outcome.solved) {
        const Solution shown = shownValues(outcome, p);
        for (const ResultQuantity& q : resultQuantities())
            results.push_back(
                {{"name", q.name}, {"unit", unitOf(q, p)}, {"value", jsonNumber(shown.*q.member)}});
    }
    doc["results"] = results;
    doc["warnings"] = outcome.warnings;
    doc["message"] = outcome.message;
    doc["passes"] = outcome.passes;
    doc["limits_loosened"] = outcome.loosened;
    return doc.dump(2) + "\n";
}

Variation parseVariation(const std::string& spec, const CaseValues& base) {
    const auto equals = spec.find('=');
    if (equals == std::string::npos)
        badVariation(spec, "expected KEY=FROM:TO:STEPS or KEY=v1,v2,…");
    Variation v;
    v.key = spec.substr(0, equals);
    const CatalogueField* f = findCatalogueField(v.key);
    if (!f) badVariation(spec, "unknown key " + v.key);
    if (f->isChoice()) badVariation(spec, v.key + " is a choice; only numbers can be varied");
    if (base.inputs.count(v.key) == 0) badVariation(spec, v.key + " does not apply to this case");
    const std::string values = spec.substr(equals + 1);
    const std::vector<std::string> range = split(values, ':');
    if (range.size() == 3) {
        const float from = parseFloat(range[0], spec);
        const float to = parseFloat(range[1], spec);
        char* end = nullptr;
        const long steps = std::strtol(range[2].c_str(), &end, 10);
        if (range[2].empty() || *end != '\0' || steps < 1 || steps > 1000000)
            badVariation(spec, "STEPS must be a whole number from 1 to 1000000");
        for (long i = 0; i < steps; ++i) {
            const float t =
                steps == 1 ? 0.0f : static_cast<float>(i) / static_cast<float>(steps - 1);
            v.values.push_back(i == steps - 1 ? to : from + (to - from) * t);
        }
    } else if (range.size() == 1) {
        for (const std::string& item : split(values, ','))
            v.values.push_back(parseFloat(item, spec));
    } else {
        badVariation(spec, "expected FROM:TO:STEPS or a list v1,v2,…");
    }
    const bool si = isSICode(base.unitCode);
    for (float value : v.values) {
        const float lo = si ? f->minSI : f->minEngineering;
        const float hi = si ? f->maxSI : f->maxEngineering;
        if (!(value >= lo && value <= hi))
            badVariation(
                spec, numberText(value) + " is outside " + numberText(lo) + " … " + numberText(hi));
    }
    return v;
}

void setEnteredInput(EnteredCase& entered, const std::string& key, float value) {
    const CatalogueField& f = *findCatalogueField(key);
    // The value as the field's text reads back.
    const float read = std::strtof(numberText(value).c_str(), nullptr);
    for (const CaseField& c : designCaseFields()) {
        if (c.form != std::string_view(f.form) || c.control != std::string_view(f.control))
            continue;
        if (c.code) entered.values.*c.code = static_cast<int>(read);
        if (c.quantity) entered.values.*c.quantity = read;
        if (c.weight) entered.values.weight.*c.weight = read;
    }
}

std::vector<SweepRow> runSweep(const EnteredCase& base, const ConsoleAnswers& answers,
                               const std::vector<Variation>& variations, int jobs,
                               LimitPolicy policy, Presentation p, std::atomic<std::size_t>* done) {
    std::size_t count = 1;
    for (const Variation& v : variations) count *= v.values.size();
    std::vector<SweepRow> rows(count);
    // Each thread takes every jobs-th case, so the threads share the slow
    // corners of the grid; each writes only its own rows.
    const auto work = [&](std::size_t first, std::size_t stride) {
        for (std::size_t i = first; i < count; i += stride) {
            rows[i] = solveRow(base, answers, variations, i, policy, p);
            if (done) done->fetch_add(1, std::memory_order_relaxed);
        }
    };
    const std::size_t threads = static_cast<std::size_t>(std::max(1, jobs));
    std::vector<std::thread> pool;
    for (std::size_t t = 1; t < threads; ++t) pool.emplace_back(work, t, threads);
    work(0, threads);
    for (std::thread& t : pool) t.join();
    return rows;
}

void writeSweepCsv(std::ostream& out, const std::vector<Variation>& variations,
                   const std::vector<SweepRow>& rows, Presentation p) {
    for (const Variation& v : variations) out << v.key << ',';
    out << "status";
    for (const ResultQuantity& q : resultQuantities())
        out << ',' << q.name << " [" << unitOf(q, p) << ']';
    out << '\n';
    for (const SweepRow& row : rows) {
        for (float v : row.varied) out << numberText(v) << ',';
        out << csvField(row.status);
        if (row.solved) {
            for (float r : row.results) out << ',' << numberText(r);
        } else {
            for (std::size_t i = 0; i < resultQuantities().size(); ++i) out << ',';
        }
        out << '\n';
    }
}

void writeSweepJson(std::ostream& out, const std::vector<Variation>& variations,
                    const std::vector<SweepRow>& rows, Presentation p) {
    json units = json::object();
    for (const ResultQuantity& q : resultQuantities()) units[q.name] = unitOf(q, p);
    json list = json::array();
    for (const SweepRow& row : rows) {
        json item;
        json varied = json::object();
        for (std::size_t v = 0; v < variations.size(); ++v)
            varied[variations[v].key] = jsonNumber(row.varied[v]);
        item["inputs"] = varied;
        item["status"] = row.status;
        if (row.solved) {
            json results = json::object();
            for (std::size_t i = 0; i < row.results.size(); ++i)
                results[resultQuantities()[i].name] = jsonNumber(row.results[i]);
            item["results"] = results;
        }
        list.push_back(item);
    }
    json doc;
    doc["units"] = units;
    doc["rows"] = list;
    out << doc.dump(1) << '\n';
}

}  // namespace hx
