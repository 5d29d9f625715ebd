#include "program/batch/design_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>

#include "correlations/exchanger/shell_effectiveness.h"
#include "program/batch/design_report.h"
#include "program/batch/result_quantities.h"
#include "program/session/starting_cases.h"

namespace hx {
namespace {

// The shell-and-tube sample (water both sides, SI case units: K, MPa)
// asked to heat the shell water from 20 to 40 ℃, its length found.
CaseValues targetCase(bool textbook) {
    CaseValues c = *startingCase("shell-and-tube");
    c.choices["solve_for"] = "shell_outlet_given";
    c.inputs.erase("tube_length_mm");
    c.inputs["shell_outlet_temperature"] = 313.0f;
    if (textbook) {
        c.choices["calculation_basis"] = "textbook";
        c.choices["head_type"] = "fixed_or_u_tube";
        c.inputs["tube_layout_deg"] = 30.0f;
        for (const char* key :
             {"outer_tube_limit_mm", "bundle_shell_clearance_mm", "baffle_shell_clearance_mm",
              "tube_hole_clearance_mm", "inlet_baffle_spacing_mm", "outlet_baffle_spacing_mm"})
            c.inputs[key] = std::nullopt;
    }
    return c;
}

std::size_t quantity(const char* name) {
    const auto q = resultQuantities();
    return static_cast<std::size_t>(
        std::find_if(q.begin(), q.end(),
                     [&](const auto& r) { return std::string(r.name) == name; }) -
        q.begin());
}

float value(const std::vector<float>& results, const char* name) { return results[quantity(name)]; }

// On a grid of plain case inputs the search's feasible designs are the rows
// of a sweep of the same grid that reach 40 ℃ within every limit, checked
// here by hand, best area first; every listed design keeps the limits; the
// Pareto set is non-dominated and dominates every other feasible row.
TEST(DesignSearch, EqualsABruteForceSweepFilteredByHand) {
    const CaseValues original = targetCase(false);
    const std::vector<std::string> vary = {
        "tube_outside_diameter_mm=19.05", "tube_inside_diameter_mm=15.75",
        "tube_count=37,52,73,100",        "tube_passes=2,4,6",
        "tube_pitch_ratio=1.25,1.5",      "baffle_cut=0.5",
        "baffle_spacing_mm=60,90,150",    "tube_length_mm=2438,3048,3658"};
    DesignLimits limits;
    limits.maxDPs = 0.02f;  // MPa
    limits.maxDPt = 0.05f;
    limits.minUt = 0.5f;
    const DesignProblem problem = designProblem(original, "c", vary, limits, Objective::Area);
    ASSERT_EQ(problem.space.size(), 216u);
    const DesignSearchResult found =
        searchDesigns(problem, 1000, 2, LimitPolicy{}, Presentation::EnglishSI, nullptr, nullptr);
    EXPECT_EQ(found.candidates, 216u);
    ASSERT_GT(found.feasible, 10u);
    EXPECT_EQ(found.ranked.size(), found.feasible);

    // The brute force: the rating case of the same grid through the sweep.
    CaseValues rating = original;
    rating.choices["solve_for"] = "tube_length_given";
    rating.inputs.erase("shell_outlet_temperature");
    rating.inputs["tube_length_mm"] = 2438.0f;
    rating.inputs["tube_inside_diameter_mm"] = 15.75f;
    rating.inputs["tube_outside_diameter_mm"] = 19.05f;
    std::vector<Variation> grid;
    for (const std::string& spec : vary) grid.push_back(parseVariation(spec, rating));
    const std::vector<SweepRow> rows = runSweep(enteredCaseOf(rating, "c"), {}, grid, 2,
                                                LimitPolicy{}, Presentation::EnglishSI, nullptr);
    std::vector<const SweepRow*> feasible;
    for (const SweepRow& row : rows) {
        if (!row.solved) continue;
        const auto& r = row.results;
        const float passes = row.varied[3], spacing = row.varied[6], length = row.varied[7];
        const float DS = value(r, "DS");  // mm in the SI presentation
        float F = 1.0f;
        if (passes > 1.0f) {
            const float P = (value(r, "T4") - value(r, "T3")) / (value(r, "T1") - value(r, "T3"));
            const float R = (value(r, "T1") - value(r, "T2")) / (value(r, "T4") - value(r, "T3"));
            F = bowmanCorrection(P, R).value_or(0.0f);
        }
        const bool fits =
            value(r, "T2") >= 313.0f && value(r, "DPs") <= 0.02f && value(r, "DPt") <= 0.05f &&
            value(r, "Ut") >= 0.5f && value(r, "Ut") <= 4.0f && value(r, "Us") >= 0.3f &&
            value(r, "Us") <= 1.0f && F >= 0.75f && spacing >= std::max(0.2f * DS, 50.8f) &&
            spacing <= 1524.0f && length >= 3.0f * DS && length <= 15.0f * DS;
        if (fits) feasible.push_back(&row);
    }
    std::stable_sort(feasible.begin(), feasible.end(), [](const SweepRow* a, const SweepRow* b) {
        return value(a->results, "Asf") < value(b->results, "Asf");
    });
    ASSERT_EQ(found.ranked.size(), feasible.size());
    for (std::size_t i = 0; i < feasible.size(); ++i) {
        EXPECT_EQ(found.ranked[i].results, feasible[i]->results) << i;
        EXPECT_LE(found.ranked[i].DPs, 0.02f);
        EXPECT_LE(found.ranked[i].DPt, 0.05f);
    }

    const auto dominates = [](const std::vector<float>& a, const std::vector<float>& b) {
        const float aa = value(a, "Asf"), at = value(a, "DPt"), as = value(a, "DPs");
        const float ba = value(b, "Asf"), bt = value(b, "DPt"), bs = value(b, "DPs");
        return aa <= ba && at <= bt && as <= bs && (aa < ba || at < bt || as < bs);
    };
    ASSERT_FALSE(found.pareto.empty());
    for (const DesignRecord& a : found.pareto)
        for (const DesignRecord& b : found.pareto) EXPECT_FALSE(dominates(a.results, b.results));
    for (const SweepRow* row : feasible) {
        const bool kept =
            std::any_of(found.pareto.begin(), found.pareto.end(),
                        [&](const DesignRecord& d) { return d.results == row->results; });
        const bool dominated =
            std::any_of(found.pareto.begin(), found.pareto.end(),
                        [&](const DesignRecord& d) { return dominates(d.results, row->results); });
        EXPECT_TRUE(kept != dominated);
    }
}

// Each listed design, its case written and read back as a file, solves to
// the numbers listed, on both bases (the derived tube ID, baffle spacing,
// tube-sheet diameter and baffle count, and the tubes counted from the
// layout, all in the written case).
TEST(DesignSearch, WrittenCasesSolveToTheListedNumbers) {
    for (const bool textbook : {false, true}) {
        std::vector<std::string> vary = {"tube_outside_diameter_mm=15.88,19.05", "tube_passes=2,4",
                                         "baffle_spacing_ratio=0.3,0.5",
                                         "tube_length_mm=2438,3048"};
        vary.push_back(textbook ? "shell_inside_diameter_mm=254,304.8" : "tube_count=37,52,73");
        const DesignProblem problem =
            designProblem(targetCase(textbook), "c", vary, DesignLimits{}, Objective::Weight);
        const DesignSearchResult found = searchDesigns(
            problem, 4, 1, LimitPolicy{}, Presentation::EnglishEngineering, nullptr, nullptr);
        ASSERT_FALSE(found.ranked.empty()) << textbook;
        for (const DesignRecord& d : found.ranked) {
            const std::string text = caseToJson(candidateCase(problem, d.index));
            const CaseValues written = parseCase(text, "best.json");
            const HeadlessOutcome outcome =
                runHeadless(enteredCaseOf(written, "best.json"), {}, LimitPolicy{}, false);
            ASSERT_TRUE(outcome.solved);
            const auto doc = nlohmann::json::parse(
                solveJson(written, outcome, Presentation::EnglishEngineering));
            std::vector<float> results;
            for (const auto& r : doc["results"]) results.push_back(r["value"].get<float>());
            EXPECT_EQ(results, d.results) << textbook << " " << d.index;
        }
        EXPECT_TRUE(
            std::is_sorted(found.ranked.begin(), found.ranked.end(),
                           [](const auto& a, const auto& b) { return a.weight < b.weight; }));
    }
}

// Limits no candidate meets: the message names the limit that rejected the
// most and the nearest rated candidate with what it broke.
TEST(DesignSearch, NothingFitsNamesTheCommonestLimitAndTheNearestMiss) {
    DesignLimits limits;
    limits.maxDPs = 1.0e-7f;
    const DesignProblem problem = designProblem(
        targetCase(false), "c",
        {"tube_outside_diameter_mm=19.05", "tube_gauge_bwg=14", "tube_count=52,73,100",
         "tube_passes=2,4", "tube_pitch_ratio=1.25", "baffle_cut=0.5",
         "baffle_spacing_ratio=0.3,0.5", "tube_length_mm=2438,3048"},
        limits, Objective::Area);
    const DesignSearchResult found = searchDesigns(
        problem, 10, 2, LimitPolicy{}, Presentation::EnglishEngineering, nullptr, nullptr);
    EXPECT_EQ(found.feasible, 0u);
    const auto most = std::max_element(found.rejected.begin(), found.rejected.end());
    EXPECT_EQ(static_cast<Limit>(most - found.rejected.begin()), Limit::MaxDPs);
    ASSERT_TRUE(found.nearestMiss);
    const std::vector<std::string> lines =
        nothingFitsLines(problem, found, Presentation::EnglishEngineering);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "No design meets the target within the limits.");
    EXPECT_NE(lines[1].find("max_dps (shell-side pressure drop above --max-dps): " +
                            std::to_string(*most) + " / 24"),
              std::string::npos)
        << lines[1];
    EXPECT_EQ(lines[2].rfind("Nearest miss: tube_outside_diameter_mm=19.05, ", 0), 0u) << lines[2];
    EXPECT_NE(lines[3].find("max_dps "), std::string::npos) << lines[3];
    std::ostringstream json;
    writeDesignJson(json, problem, found, Presentation::EnglishEngineering);
    const auto doc = nlohmann::json::parse(json.str());
    EXPECT_EQ(doc["candidates"], 24);
    EXPECT_TRUE(doc["designs"].empty());
    EXPECT_EQ(doc["rejected"]["max_dps"], *most);

    // Cancelled before it began: nothing searched, and it says so.
    const std::atomic<bool> cancel{true};
    const DesignSearchResult none = searchDesigns(
        problem, 10, 2, LimitPolicy{}, Presentation::EnglishEngineering, nullptr, &cancel);
    EXPECT_EQ(none.candidates, 0u);
    EXPECT_TRUE(none.cancelled);
}

// The inputs a candidate derives, by hand: 3/4 in 14 BWG tubes are
// 19.05 − 2 × 2.108 = 14.83 mm inside; 52 tubes at 1.25 pitch sit in a
// shell of (√((4·52 − 1)/3) + 1) × 23.8125 = 221.6 mm, a spacing of 0.3 of
// it is 67 mm (66.49 rounded up), 3048 mm tubes hold 46 spacings and 45
// baffles, and the tube sheets span the shell and two 5 mm walls, 232 mm.
// The TEMA span of a 3/4 in tube is 1524 mm, of 1 in 1880 mm, between them
// interpolated, beyond the table its ends.
TEST(DesignSearch, CandidateInputsResolveTheDerivedInputs) {
    const DesignSpace space = designSpace(false, {{"tube_outside_diameter_mm", {19.05f}},
                                                  {kGaugeKey, {14.0f}},
                                                  {"tube_count", {52.0f}},
                                                  {"tube_pitch_ratio", {1.25f}},
                                                  {kSpacingRatioKey, {0.3f}},
                                                  {"tube_length_mm", {3048.0f}}});
    const CandidateInputs c = candidateInputs(space, 0, targetCase(false));
    std::map<std::string, float> in(c.inputs.begin(), c.inputs.end());
    EXPECT_EQ(in["tube_inside_diameter_mm"], 14.83f);
    EXPECT_NEAR(c.shellDiameterMm, 221.62f, 0.01f);
    EXPECT_EQ(in["baffle_spacing_mm"], 67.0f);
    EXPECT_EQ(in["baffle_count"], 45.0f);
    EXPECT_EQ(in["tube_sheet_diameter_mm"], 232.0f);
    EXPECT_EQ(temaMaxSpanMm(19.05f), 1524.0f);
    EXPECT_NEAR(temaMaxSpanMm((22.225f + 25.4f) / 2.0f), (1753.0f + 1880.0f) / 2.0f, 0.01f);
    EXPECT_EQ(temaMaxSpanMm(3.0f), 660.0f);
    EXPECT_EQ(temaMaxSpanMm(76.2f), 3175.0f);
}

// A case the search cannot take is refused with what it needs.
TEST(DesignSearch, RefusesACaseWithoutAnOutletTarget) {
    const CaseValues rating = *startingCase("shell-and-tube");
    EXPECT_THROW(designProblem(rating, "c", {}, DesignLimits{}, Objective::Area), CaseFileError);
    CaseValues off = targetCase(false);
    off.choices["weight_calculation"] = "off";
    EXPECT_THROW(designProblem(off, "c", {}, DesignLimits{}, Objective::Weight), CaseFileError);
    EXPECT_THROW(designProblem(targetCase(false), "c", {"tube_gauge_bwg=13.5"}, DesignLimits{},
                               Objective::Area),
                 CaseFileError);
    EXPECT_THROW(
        designProblem(targetCase(false), "c", {"tube_gauge_bwg=14", "tube_inside_diameter_mm=15"},
                      DesignLimits{}, Objective::Area),
        CaseFileError);
}

}  // namespace
}  // namespace hx
