#include "program/batch/design_report.h"

#include <algorithm>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "model/field_catalogue.h"
#include "program/batch/result_quantities.h"

namespace hx {

namespace {

using nlohmann::json;

struct Text {
    const char* english;
    const char* japanese;
};

const char* in(Presentation p, const Text& t) { return isJapanese(p) ? t.japanese : t.english; }

// What each limit holds a design to, by limit.
constexpr Text kLimitTexts[kLimitCount] = {
    {"the rating ended with a message", "計算が途中で終了"},
    {"the target outlet temperature not reached", "目標出口温度に未達"},
    {"tube-side pressure drop above --max-dpt", "管内側圧力損失が --max-dpt を超過"},
    {"shell-side pressure drop above --max-dps", "シェル側圧力損失が --max-dps を超過"},
    {"tube-side velocity below its least", "管内流速が下限未満"},
    {"tube-side velocity above its most", "管内流速が上限超過"},
    {"shell-side velocity below its least", "シェル側流速が下限未満"},
    {"shell-side velocity above its most", "シェル側流速が上限超過"},
    {"F of the 1-2N shell below its least", "1-2N シェルの F が下限未満"},
    {"baffle spacing below 1/5 of the shell diameter or 2 in",
     "バッフル間隔がシェル径の 1/5 又は 2 in 未満"},
    {"baffle spacing above the TEMA longest unsupported span",
     "バッフル間隔が TEMA 最大無支持長さを超過"},
    {"tube length below its least ratio to the shell diameter", "管長さ／シェル径が下限未満"},
    {"tube length above its most ratio to the shell diameter", "管長さ／シェル径が上限超過"},
};

constexpr Text kRanked{"Designs, best first", "設計案（良い順）"};
constexpr Text kPareto{"Pareto front: surface against tube- and shell-side pressure drop",
                       "パレート前線：伝熱面積と管内側・シェル側圧力損失"};
constexpr Text kRejected{"Candidates rejected by each limit (one candidate may break several)",
                         "制限ごとの不採用数（一つの候補が複数の制限に該当することがあります）"};
constexpr Text kSearched{"candidates searched", "探索した候補"};
constexpr Text kFeasible{"feasible", "適合"};
constexpr Text kCancelled{"(cancelled: the counts cover the candidates searched)",
                          "（中止：探索済みの候補のみ）"};
constexpr Text kNothingFits{"No design meets the target within the limits.",
                            "制限内で目標を満たす設計案がありません。"};
constexpr Text kMost{"Most candidates were rejected by ", "最も多くの候補を退けた制限："};
constexpr Text kNearest{"Nearest miss: ", "最も近い候補："};
constexpr Text kTarget{"target ", "目標 "};
constexpr Text kNoMiss{"No candidate could be rated: change the space or the case.",
                       "評価できた候補がありません。探索範囲またはケースを見直してください。"};
constexpr Text kOriginalBasis{"Basis: the program's original method", "計算基準：従来方式"};
constexpr Text kTextbookBasis{"Basis: textbook correlations (Bell-Delaware shell side)",
                              "計算基準：教科書ベル・デラウェア法"};
constexpr Text kObjectives[] = {{"Objective: least outside area Asf", "目的：伝熱面積 Asf 最小"},
                                {"Objective: least steel weight", "目的：重量最小"},
                                {"Objective: shortest tubes", "目的：管長さ最短"},
                                {"Objective: least shell diameter", "目的：シェル径最小"}};
constexpr const char* kObjectiveNames[] = {"area", "weight", "length", "shell-diameter"};

// The short heading of an input column of the text table.
struct InputColumn {
    const char* key;
    const char* heading;
};
constexpr InputColumn kInputColumns[] = {
    {"tube_outside_diameter_mm", "OD mm"},
    {"tube_inside_diameter_mm", "ID mm"},
    {"tube_count", "NT"},
    {"shell_inside_diameter_mm", "DSi mm"},
    {"tube_passes", "PN"},
    {"tube_layout_deg", "layout"},
    {"tube_pitch_ratio", "TP"},
    {"baffle_cut", "cut"},
    {"baffle_spacing_mm", "B mm"},
    {"tube_length_mm", "L mm"},
};
// Derived inputs of the weight estimate: in the case, not in the table.
bool tableInput(const std::string& key) {
    return key != "tube_sheet_diameter_mm" && key != "baffle_count";
}

// The result columns of the text table.
constexpr const char* kResultColumns[] = {"Asf", "DS", "TL", "DPt", "DPs", "Ut",
                                          "Us",  "Q",  "T2", "T4",  "KO"};

std::string shortNumber(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4g", static_cast<double>(value));
    return text;
}

std::size_t resultIndex(const char* name) {
    const auto q = resultQuantities();
    for (std::size_t i = 0; i < q.size(); ++i)
        if (std::string_view(q[i].name) == name) return i;
    return q.size();
}

const char* unitOf(const ResultQuantity& q, Presentation p) {
    return isSI(p) ? q.unitSI : q.unitEngineering;
}

std::vector<std::string> inputKeys(const DesignProblem& problem) {
    std::vector<std::string> keys;
    for (const auto& [key, value] : candidateInputs(problem.space, 0, problem.rating).inputs)
        keys.push_back(key);
    return keys;
}

std::string inputsText(const DesignProblem& problem, std::size_t index) {
    std::string text;
    for (const auto& [key, value] : candidateInputs(problem.space, index, problem.rating).inputs) {
        if (!tableInput(key)) continue;
        text += (text.empty() ? "" : ", ") + key + "=" + numberText(value);
    }
    return text;
}

void writeTable(std::ostream& out, const DesignProblem& problem,
                const std::vector<DesignRecord>& designs, Presentation p) {
    std::vector<std::string> heading{"#"};
    std::vector<std::string> units{""};
    for (const std::string& key : inputKeys(problem)) {
        if (!tableInput(key)) continue;
        const auto* c = std::find_if(std::begin(kInputColumns), std::end(kInputColumns),
                                     [&](const InputColumn& col) { return key == col.key; });
        heading.push_back(c != std::end(kInputColumns) ? c->heading : key);
        units.push_back("");
    }
    // The tubes counted from the layout, where the shell is searched.
    if (problem.space.shellsSearched) {
        heading.push_back("NT");
        units.push_back("-");
    }
    for (const char* name : kResultColumns) {
        heading.push_back(name);
        units.push_back(unitOf(resultQuantities()[resultIndex(name)], p));
    }
    heading.push_back("F(1-2N)");
    units.push_back("-");
    if (problem.weightOn) {
        heading.push_back("weight");
        units.push_back("kg");
    }
    std::vector<std::vector<std::string>> rows{heading, units};
    for (std::size_t rank = 0; rank < designs.size(); ++rank) {
        const DesignRecord& d = designs[rank];
        std::vector<std::string> row{std::to_string(rank + 1)};
        for (const auto& [key, value] :
             candidateInputs(problem.space, d.index, problem.rating).inputs)
            if (tableInput(key)) row.push_back(numberText(value));
        if (problem.space.shellsSearched) row.push_back(shortNumber(d.tubes));
        for (const char* name : kResultColumns)
            row.push_back(shortNumber(d.results[resultIndex(name)]));
        row.push_back(shortNumber(d.correction));
        if (problem.weightOn) row.push_back(shortNumber(d.weight));
        rows.push_back(std::move(row));
    }
    std::vector<std::size_t> width(heading.size(), 0);
    for (const auto& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c) width[c] = std::max(width[c], row[c].size());
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c)
            line += std::string(width[c] - row[c].size() + (c == 0 ? 0 : 2), ' ') + row[c];
        out << line << '\n';
    }
}

json resultsJson(const DesignProblem& problem, const DesignRecord& d) {
    json results = json::object();
    const auto q = resultQuantities();
    for (std::size_t i = 0; i < q.size(); ++i) results[q[i].name] = jsonNumber(d.results[i]);
    results["NT"] = jsonNumber(d.tubes);
    results["F_1_2N"] = jsonNumber(d.correction);
    if (problem.weightOn) results["weight"] = jsonNumber(d.weight);
    return results;
}

json designsJson(const DesignProblem& problem, const std::vector<DesignRecord>& designs) {
    json list = json::array();
    for (const DesignRecord& d : designs)
        list.push_back(
            {{"inputs", changedInputs(problem, d.index)}, {"results", resultsJson(problem, d)}});
    return list;
}

std::string csvRow(const std::string& list, std::size_t rank, const DesignProblem& problem,
                   const DesignRecord& d) {
    std::string row = list + "," + std::to_string(rank);
    for (const auto& [key, value] : candidateInputs(problem.space, d.index, problem.rating).inputs)
        row += "," + numberText(value);
    for (float r : d.results) row += "," + numberText(r);
    row += "," + numberText(d.tubes) + "," + numberText(d.correction);
    if (problem.weightOn) row += "," + numberText(d.weight);
    return row;
}

}  // namespace

float limitBound(const DesignLimits& limits, Limit limit) {
    switch (limit) {
        case Limit::MaxDPt: return limits.maxDPt.value_or(0.0f);
        case Limit::MaxDPs: return limits.maxDPs.value_or(0.0f);
        case Limit::MinTubeVelocity: return limits.minUt.value_or(0.0f);
        case Limit::MaxTubeVelocity: return limits.maxUt.value_or(0.0f);
        case Limit::MinShellVelocity: return limits.minUs.value_or(0.0f);
        case Limit::MaxShellVelocity: return limits.maxUs.value_or(0.0f);
        case Limit::MinF: return limits.minF;
        case Limit::MinLengthRatio: return limits.minLengthRatio;
        case Limit::MaxLengthRatio: return limits.maxLengthRatio;
        default: return 0.0f;
    }
}

std::vector<std::string> nothingFitsLines(const DesignProblem& problem,
                                          const DesignSearchResult& result, Presentation p) {
    if (result.feasible > 0) return {};
    std::vector<std::string> lines{in(p, kNothingFits)};
    const auto most = std::max_element(result.rejected.begin(), result.rejected.end());
    const std::size_t at = static_cast<std::size_t>(most - result.rejected.begin());
    lines.push_back(in(p, kMost) + std::string(limitName(static_cast<Limit>(at))) + " (" +
                    in(p, kLimitTexts[at]) + "): " + std::to_string(*most) + " / " +
                    std::to_string(result.candidates));
    if (!result.nearestMiss) {
        lines.push_back(in(p, kNoMiss));
        return lines;
    }
    const NearMiss& miss = *result.nearestMiss;
    // What it broke, in the case's units: "max_dps 0.012 MPa > 0.01".
    const bool si = isSICode(problem.original.unitCode);
    std::string broken;
    for (const auto& [limit, value] : miss.broken) {
        std::string unit;
        if (limit == Limit::Duty) unit = si ? " K" : " ℃";
        if (limit == Limit::MaxDPt || limit == Limit::MaxDPs) unit = si ? " MPa" : " kgf/cm2";
        if (limit >= Limit::MinTubeVelocity && limit <= Limit::MaxShellVelocity) unit = " m/s";
        const bool least = limit == Limit::MinTubeVelocity || limit == Limit::MinShellVelocity ||
                           limit == Limit::MinF;
        const float bound =
            limit == Limit::Duty ? problem.target : limitBound(problem.limits, limit);
        broken += (broken.empty() ? "" : "; ") + std::string(limitName(limit)) + " " +
                  shortNumber(value) + unit +
                  (limit == Limit::Duty ? ", " + std::string(in(p, kTarget)) : std::string()) +
                  (limit == Limit::Duty ? std::string()
                   : least              ? " < "
                                        : " > ") +
                  shortNumber(bound) + unit;
    }
    lines.push_back(in(p, kNearest) + inputsText(problem, miss.index));
    lines.push_back("  " + broken);
    return lines;
}

void writeDesignText(std::ostream& out, const DesignProblem& problem,
                     const DesignSearchResult& result, Presentation p) {
    out << in(p, problem.textbookBasis ? kTextbookBasis : kOriginalBasis) << '\n';
    out << in(p, kObjectives[static_cast<int>(problem.objective)]) << '\n';
    out << in(p, kSearched) << ": " << result.candidates << ", " << in(p, kFeasible) << ": "
        << result.feasible << (result.cancelled ? std::string(" ") + in(p, kCancelled) : "")
        << "\n\n";
    if (result.feasible == 0) {
        for (const std::string& line : nothingFitsLines(problem, result, p)) out << line << '\n';
        out << '\n';
    } else {
        out << in(p, kRanked) << '\n';
        writeTable(out, problem, result.ranked, p);
        out << '\n' << in(p, kPareto) << '\n';
        writeTable(out, problem, result.pareto, p);
        out << '\n';
    }
    out << in(p, kRejected) << '\n';
    for (std::size_t i = 0; i < kLimitCount; ++i) {
        char line[160];
        std::snprintf(line, sizeof line, "  %-20s %10zu  ", limitName(static_cast<Limit>(i)),
                      result.rejected[i]);
        out << line << in(p, kLimitTexts[i]) << '\n';
    }
}

void writeDesignCsv(std::ostream& out, const DesignProblem& problem,
                    const DesignSearchResult& result, Presentation p) {
    out << "list,rank";
    for (const std::string& key : inputKeys(problem)) out << ',' << key;
    for (const ResultQuantity& q : resultQuantities())
        out << ',' << q.name << " [" << unitOf(q, p) << ']';
    out << ",NT [-],F_1_2N [-]" << (problem.weightOn ? ",weight [kg]" : "") << '\n';
    for (std::size_t i = 0; i < result.ranked.size(); ++i)
        out << csvRow("ranked", i + 1, problem, result.ranked[i]) << '\n';
    for (std::size_t i = 0; i < result.pareto.size(); ++i)
        out << csvRow("pareto", i + 1, problem, result.pareto[i]) << '\n';
    for (std::size_t i = 0; i < kLimitCount; ++i)
        out << "rejected," << limitName(static_cast<Limit>(i)) << ',' << result.rejected[i] << '\n';
    out << "candidates,," << result.candidates << '\n';
    out << "basis,," << (problem.textbookBasis ? "textbook" : "original") << '\n';
}

void writeDesignJson(std::ostream& out, const DesignProblem& problem,
                     const DesignSearchResult& result, Presentation p) {
    json doc;
    doc["designs"] = designsJson(problem, result.ranked);
    doc["pareto"] = designsJson(problem, result.pareto);
    json rejected = json::object();
    for (std::size_t i = 0; i < kLimitCount; ++i)
        rejected[limitName(static_cast<Limit>(i))] = result.rejected[i];
    doc["rejected"] = rejected;
    doc["candidates"] = result.candidates;
    doc["feasible"] = result.feasible;
    doc["basis"] = problem.textbookBasis ? "textbook" : "original";
    doc["objective"] = kObjectiveNames[static_cast<int>(problem.objective)];
    json units = json::object();
    for (const ResultQuantity& q : resultQuantities()) units[q.name] = unitOf(q, p);
    units["NT"] = "-";
    units["F_1_2N"] = "-";
    if (problem.weightOn) units["weight"] = "kg";
    doc["units"] = units;
    if (result.feasible == 0) doc["message"] = nothingFitsLines(problem, result, p);
    if (result.cancelled) doc["cancelled"] = true;
    out << doc.dump(1) << '\n';
}

}  // namespace hx
