#include "program/batch/batch_run.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <thread>

#include "calc/case/read_design_case.h"
#include "calc/case/weight_estimate.h"
#include "console/scripted_console.h"
#include "core/lenient_number.h"
#include "model/field_catalogue.h"
#include "model/platform.h"
#include "program/batch/result_quantities.h"
#include "program/batch/sweep_stream.h"
#include "program/session/startup.h"
#include "report/screen/results_summary.h"
#include "report/screen/results_view.h"
#include "report/screen/weight_table.h"

namespace hx {

namespace {

using nlohmann::json;

// The shown values of a solved case in the units of p.
Solution shownValues(const HeadlessOutcome& outcome, Presentation p) {
    ResultsView view(outcome.solution);
    view.enter(p, *outcome.inputs);
    return inUnitsOf(p, *outcome.inputs, view.shown());
}

const char* unitOf(const ResultQuantity& q, Presentation p) { return resultUnit(q, p); }

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

bool startsWithNumber(std::string_view text) {
    std::size_t i = text.find_first_not_of(" \t");
    if (i == std::string_view::npos) return false;
    if (text[i] == '+' || text[i] == '-') ++i;
    if (i < text.size() && text[i] == '.') ++i;
    return i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) != 0;
}

// A value of a --vary list read whole, as a field's text is read: "0x10",
// "12,5" and "inf" are not numbers, and neither is one too large for a
// float.
float parseFloat(const std::string& text, const std::string& spec) {
    const NumberText read = readWholeNumber(text);
    if (!startsWithNumber(text) || !read.whole)
        badVariation(spec, "\"" + text + "\" is not a number");
    if (!std::isfinite(read.value)) badVariation(spec, "\"" + text + "\" is too large");
    return read.value;
}

// Why a run ended and what to change, for the endings whose own message
// (drawn for the windows) does not say it: an answer to a console question
// and the solver's terse halts. English, then Japanese.
struct EndReason {
    const char* endedBy;  // the question whose answer ended the run, or nullptr
    const char* message;  // a text of the run's message, or nullptr
    const char* english;
    const char* japanese;
};

constexpr EndReason kEndReasons[] = {
    {"dew_point_choice", nullptr,
     "The run ended at the low-humidity notice: the wet gas's saturation temperature is not "
     "5 degrees above the shell inlet temperature, so no water condenses. Raise h2o_percent "
     "or lower shell_inlet_temperature, or solve the gas as a sensible case.",
     "低湿度の注意で計算を終了しました。湿りガスの飽和温度がシェル入口温度より5度以上高くないため、"
     "水分は凝縮しません。h2o_percent を上げるか shell_inlet_temperature を下げるか、"
     "顕熱計算として解いてください。"},
    {"prandtl_force", nullptr,
     "The run ended at the Prandtl-number question (Pr < 0.5 in the twisted-tape tube): give "
     "\"prandtl_force\": \"y\" in the case's answers to go on, or change the tube-side fluid.",
     "プラントル数の問い（ねじりテープ管内で Pr<0.5）で計算を終了しました。続けるには answers に "
     "\"prandtl_force\": \"y\" を与えるか、管側流体を変えてください。"},
    {"excess_area", nullptr,
     "The run ended at the excess-area question (more condensate than flow): give "
     "\"excess_area\": \"1\" in the case's answers to shorten the tubes, or shorten "
     "tube_length_mm.",
     "過大面積の問い（凝縮量が流量を超える）で計算を終了しました。answers に \"excess_area\": "
     "\"1\" を与えて管を短縮するか、tube_length_mm を短くしてください。"},
    {nullptr, "オーバーフロー",
     "The corrected mean temperature difference rose above 1000 degrees (overflow): bring "
     "tube_inlet_temperature and shell_inlet_temperature closer together.",
     "修正平均温度差が1000度を超えました（オーバーフロー）。tube_inlet_temperature と "
     "shell_inlet_temperature の差を小さくしてください。"},
    {nullptr, "収束不可",
     "The solution did not settle in 10000 passes: check the flows and temperatures; a case "
     "that does not settle with its tube length given may settle with an outlet temperature "
     "given instead (solve_for).",
     "10000回の繰り返しで収束しませんでした。流量と温度を見直してください。管長指定で収束しない"
     "場合は、出口温度の指定（solve_for）で収束することがあります。"},
    {nullptr, "given up at an iteration limit",
     "Run it again with --on-limit loosen to loosen the tolerance at the limit, or change "
     "the flows and temperatures.",
     "--on-limit loosen で許容差を緩めて再実行するか、流量と温度を見直してください。"},
    {nullptr, "asked the same question again",
     "Give an answer the question accepts in the case's answers.",
     "answers に問いが受け付ける答えを与えてください。"},
};

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

// Types `value` into the fields of one input, as its text reads back.
void enterValue(EnteredCase& entered, const std::vector<const CaseField*>& fields, float value) {
    const float read = std::strtof(numberText(value).c_str(), nullptr);
    for (const CaseField* c : fields) {
        if (c->code) entered.values.*c->code = static_cast<int>(read);
        if (c->quantity) entered.values.*c->quantity = read;
        if (c->weight) entered.values.weight.*c->weight = read;
    }
}

}  // namespace

SweepRow solveSweepCase(const EnteredCase& base, const ConsoleAnswers& answers,
                        const std::vector<Variation>& variations, std::size_t index,
                        LimitPolicy policy, Presentation p) {
    return solveSweepCase(base, answers, variations, variedFieldsOf(variations), index, policy, p);
}

SweepRow solveSweepCase(const EnteredCase& base, const ConsoleAnswers& answers,
                        const std::vector<Variation>& variations, const VariedFields& fields,
                        std::size_t index, LimitPolicy policy, Presentation p) {
    SweepRow row;
    row.varied.resize(variations.size());
    EnteredCase entered = base;
    // The last variation runs fastest.
    for (std::size_t v = variations.size(); v-- > 0;) {
        const std::vector<float>& values = variations[v].values;
        row.varied[v] = values[index % values.size()];
        index /= values.size();
        enterValue(entered, fields[v], row.varied[v]);
    }
    const HeadlessOutcome outcome = runHeadless(entered, answers, policy, false);
    row.solved = outcome.solved;
    row.status = outcome.solved ? "solved" : joined(endedLines(outcome, p));
    if (outcome.solved) {
        const Solution shown = shownValues(outcome, p);
        for (const ResultQuantity& q : resultQuantities())
            row.results.push_back(resultValue(q, shown, isSI(p)));
    }
    return row;
}

EnteredCase enteredCaseOf(const CaseValues& values, const std::string& fileName) {
    ScriptedConsole console;
    ScriptedPlatform platform;
    Session session(console, platform);
    startProgram(session);
    enterCase(session, values, fileName);
    return readEnteredCase(session.forms);
}

std::vector<std::string> endedLines(const HeadlessOutcome& outcome, Presentation p) {
    std::vector<std::string> lines = outcome.message;
    if (lines.empty()) lines.push_back("run ended");
    std::string text;
    for (const std::string& line : outcome.message) text += line + "\n";
    for (const EndReason& r : kEndReasons) {
        const bool matches =
            r.endedBy ? outcome.endedBy == r.endedBy : text.find(r.message) != std::string::npos;
        if (!matches) continue;
        lines.push_back(isJapanese(p) ? r.japanese : r.english);
        break;
    }
    return lines;
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
            results.push_back({{"name", q.name},
                               {"unit", unitOf(q, p)},
                               {"value", jsonNumber(resultValue(q, shown, isSI(p)))}});
    }
    doc["results"] = results;
    doc["warnings"] = outcome.warnings;
    doc["message"] = outcome.solved ? outcome.message : endedLines(outcome, p);
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
    const bool si = isSICode(base.unitCode);
    const float lo = si ? f->minSI : f->minEngineering;
    const float hi = si ? f->maxSI : f->maxEngineering;
    const auto inRange = [&](float value, const std::string& what) {
        if (!(value >= lo && value <= hi))
            badVariation(spec, what + numberText(value) + " is outside " + numberText(lo) + " … " +
                                   numberText(hi));
    };
    const std::vector<std::string> range = split(values, ':');
    if (range.size() == 3) {
        // Both bounds are checked before the steps between them are made,
        // so a bad bound is named rather than the steps it would spoil.
        const float from = parseFloat(range[0], spec);
        inRange(from, "FROM ");
        const float to = parseFloat(range[1], spec);
        inRange(to, "TO ");
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
        for (const std::string& item : split(values, ',')) {
            v.values.push_back(parseFloat(item, spec));
            inRange(v.values.back(), "");
        }
    } else {
        badVariation(spec, "expected FROM:TO:STEPS or a list v1,v2,…");
    }
    return v;
}

void checkVariationsApply(const std::vector<Variation>& variations, const CaseValues& base,
                          const std::string& fileName) {
    ScriptedConsole console;
    ScriptedPlatform platform;
    Session session(console, platform);
    startProgram(session);
    enterCase(session, base, fileName);
    for (const Variation& v : variations) {
        // The dialogs mark a field the case does not use with a dash (the
        // fins of plain tubes, the gas composition of a liquid) or disable
        // it; its value would be ignored and every row would be the same.
        const CatalogueField& f = *findCatalogueField(v.key);
        const std::string text = session.forms.text(f.form, f.control);
        const bool marked =
            text.find_first_not_of(" \t") != std::string::npos && !startsWithNumber(text);
        if (marked || !session.forms.enabled(f.form, f.control))
            throw CaseFileError("--vary " + v.key + ": " + v.key +
                                " does not apply to this case (its value would be ignored)");
    }
}

VariedFields variedFieldsOf(const std::vector<Variation>& variations) {
    VariedFields fields;
    for (const Variation& v : variations) {
        const CatalogueField& f = *findCatalogueField(v.key);
        fields.emplace_back();
        for (const CaseField& c : designCaseFields())
            if (c.form == std::string_view(f.form) && c.control == std::string_view(f.control))
                fields.back().push_back(&c);
    }
    return fields;
}

void setEnteredInput(EnteredCase& entered, const std::string& key, float value) {
    enterValue(entered, variedFieldsOf({Variation{key, {}}}).front(), value);
}

std::vector<SweepRow> runSweep(const EnteredCase& base, const ConsoleAnswers& answers,
                               const std::vector<Variation>& variations, int jobs,
                               LimitPolicy policy, Presentation p, std::atomic<std::size_t>* done) {
    std::vector<SweepRow> rows;
    StreamSettings settings;
    settings.jobs = jobs;
    settings.policy = policy;
    settings.p = p;
    settings.done = done;
    streamSweep(base, answers, variations, settings,
                [&](const SweepRow& row) { rows.push_back(row); });
    return rows;
}

}  // namespace hx
