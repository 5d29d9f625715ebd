#include "program/batch/design_search.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <thread>
#include <tuple>

#include "calc/case/read_design_case.h"
#include "calc/case/shell_bundle.h"
#include "calc/case/weight_estimate.h"
#include "console/null_console.h"
#include "core/lenient_number.h"
#include "core/option_codes.h"
#include "core/run_ended.h"
#include "correlations/common/geometry.h"
#include "correlations/exchanger/shell_effectiveness.h"
#include "model/field_catalogue.h"
#include "program/batch/result_quantities.h"
#include "report/screen/results_summary.h"
#include "report/screen/results_view.h"

namespace hx {

namespace {

using nlohmann::json;

constexpr const char* kLimitNames[kLimitCount] = {
    "solve",
    "duty",
    "max_dpt",
    "max_dps",
    "min_tube_velocity",
    "max_tube_velocity",
    "min_shell_velocity",
    "max_shell_velocity",
    "min_f",
    "min_baffle_spacing",
    "max_baffle_spacing",
    "min_length_ratio",
    "max_length_ratio",
};

constexpr float kLeastBaffleSpacingMm = 50.8f;

[[noreturn]] void refuse(const std::string& text) { throw CaseFileError("design: " + text); }

std::string choiceOf(const CaseValues& values, const std::string& key) {
    const auto it = values.choices.find(key);
    return it != values.choices.end() ? it->second : std::string();
}

float inputOf(const CaseValues& values, const std::string& key) {
    const auto it = values.inputs.find(key);
    return it != values.inputs.end() && it->second ? *it->second : 0.0f;
}

bool isLiquid(const std::string& propertyMethod) {
    return propertyMethod == "water" || propertyMethod == "liquid_by_hand";
}

// A list of a key that is no case input: every value a whole number.
Variation listVariation(const std::string& spec, const std::string& key) {
    Variation v{key, {}};
    const std::string list = spec.substr(spec.find('=') + 1);
    std::size_t start = 0;
    for (;;) {
        const auto comma = list.find(',', start);
        const std::string item = list.substr(start, comma - start);
        const NumberText read = readWholeNumber(item);
        if (!read.number || !read.whole || !std::isfinite(read.value) || read.value <= 0.0f)
            refuse("--vary " + spec + ": \"" + item + "\" is not a positive number");
        if (key == kGaugeKey && bwgWallMm(read.value) <= 0.0f)
            refuse("--vary " + spec + ": no wall thickness for gauge " + item + " (10 to 20 BWG)");
        v.values.push_back(read.value);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return v;
}

std::string keyOf(const std::string& spec) { return spec.substr(0, spec.find('=')); }

// The shown values of a solved case in the units of p.
Solution shownValues(const HeadlessOutcome& outcome, Presentation p) {
    ResultsView view(outcome.solution);
    view.enter(p, *outcome.inputs);
    return inUnitsOf(p, *outcome.inputs, view.shown());
}

// Bowman's F of the 1-2N shell for the rated temperatures; 1 for one pass
// (pure counter or parallel flow), 0 where no 1-2N shell reaches them.
float oneTwoShellCorrection(const Solution& s, float passes) {
    if (passes < 2.0f) return 1.0f;
    const float tubeChange = s.T4 - s.T3;
    const float inletDifference = s.T1 - s.T3;
    if (tubeChange == 0.0f || inletDifference == 0.0f) return 0.0f;
    const float P = tubeChange / inletDifference;
    const float R = (s.T1 - s.T2) / tubeChange;
    return bowmanCorrection(P, R).value_or(0.0f);
}

// The result of rating one candidate.
struct Evaluation {
    bool solved = false;
    std::vector<std::pair<Limit, float>> broken;
    float excess = 0.0f;
    DesignRecord record;

    void breakMax(Limit limit, float value, float high) {
        if (value > high) add(limit, value, value / high - 1.0f);
    }
    void breakMin(Limit limit, float value, float low) {
        if (value < low) add(limit, value, value > 0.0f ? low / value - 1.0f : 1.0e6f);
    }
    void add(Limit limit, float value, float by) {
        broken.emplace_back(limit, value);
        excess += by;
    }
};

Presentation casePresentation(const CaseValues& values) {
    return isSICode(values.unitCode) ? Presentation::EnglishSI : Presentation::EnglishEngineering;
}

// The members of the case each candidate input feeds, found once for the
// search (the inputs of every candidate come in the same order): a design
// is entered as setEnteredInput enters a sweep row, without looking the
// key up again.
using InputFields = std::vector<std::vector<const CaseField*>>;

InputFields inputFieldsOf(const DesignProblem& problem) {
    InputFields all;
    for (const auto& [key, value] : candidateInputs(problem.space, 0, problem.rating).inputs) {
        const CatalogueField& f = *findCatalogueField(key);
        std::vector<const CaseField*>& fields = all.emplace_back();
        for (const CaseField& c : designCaseFields())
            if (c.form == std::string_view(f.form) && c.control == std::string_view(f.control))
                fields.push_back(&c);
    }
    return all;
}

void setInput(EnteredCase& entered, const std::vector<const CaseField*>& fields, float value) {
    // The value as the field's text reads back.
    const float read = std::strtof(numberText(value).c_str(), nullptr);
    for (const CaseField* c : fields) {
        if (c->code) entered.values.*c->code = static_cast<int>(read);
        if (c->quantity) entered.values.*c->quantity = read;
        if (c->weight) entered.values.weight.*c->weight = read;
    }
}

// The tubes a shell holds by its layout are the same for every candidate
// that differs only in its gauge, cut, spacing or length: each search
// thread counts them once (as the rating would, tubeCountOf) and enters the
// count as the case's, which the rating then reads as it reads the count
// from the layout. The written case keeps the count from the layout.
class TubeCounts {
public:
    void enter(EnteredCase& entered) {
        if (entered.values.tubeCountFromLayout != 2) return;
        DesignCase dc = entered.values;
        convertMillimetres(dc);
        dc.bellMethod = true;  // a shell-and-tube bundle, as prepare sets it
        const float P = tubePitch(dc.TP, dc.D0, dc.FH, dc.tubeSurface == kLowFinTube);
        const Key key{dc.D0,         P,          dc.tubeLayout, dc.PN, dc.enteredDS, dc.enteredDotl,
                      dc.enteredLbb, dc.headType};
        auto it = counts_.find(key);
        if (it == counts_.end()) {
            NullConsole console;
            float n = 0.0f;  // no count: the rating ends with the count's message
            try {
                n = tubeCountOf(dc, P, console);
            } catch (const RunEnded&) {
            }
            it = counts_.emplace(key, n).first;
        }
        if (!(it->second >= 1.0f)) return;
        entered.values.tubeCountFromLayout = 1;
        entered.values.NT = it->second;
    }

private:
    using Key = std::tuple<float, float, float, float, float, float, float, int>;
    std::map<Key, float> counts_;
};

Evaluation evaluate(const DesignProblem& problem, const InputFields& fields, TubeCounts& counts,
                    std::size_t index, LimitPolicy policy, Presentation p) {
    const DesignLimits& limits = problem.limits;
    const CandidateInputs c = candidateInputs(problem.space, index, problem.rating);
    Evaluation e;
    e.record.index = index;
    // The geometry is judged before the rating: a candidate out of it is
    // not solved.
    // TEMA RCB-4.51: no closer than 1/5 of the shell or 2 in, whichever is
    // greater.
    e.breakMin(Limit::MinBaffleSpacing, c.baffleSpacingMm,
               std::max(limits.minSpacingRatio * c.shellDiameterMm, kLeastBaffleSpacingMm));
    e.breakMax(Limit::MaxBaffleSpacing, c.baffleSpacingMm, temaMaxSpanMm(c.outsideDiameterMm));
    e.breakMin(Limit::MinLengthRatio, c.tubeLengthMm / c.shellDiameterMm, limits.minLengthRatio);
    e.breakMax(Limit::MaxLengthRatio, c.tubeLengthMm / c.shellDiameterMm, limits.maxLengthRatio);
    if (!e.broken.empty()) return e;

    EnteredCase entered = problem.ratingEntered;
    for (std::size_t i = 0; i < c.inputs.size(); ++i)
        setInput(entered, fields[i], c.inputs[i].second);
    counts.enter(entered);
    const HeadlessOutcome outcome = runHeadless(entered, problem.rating.answers, policy, false);
    if (!outcome.solved) {
        e.broken.emplace_back(Limit::Solve, 0.0f);
        e.excess = INFINITY;
        return e;
    }
    e.solved = true;
    const Presentation own = casePresentation(problem.original);
    const Solution s = shownValues(outcome, own);
    const float inlet = problem.targetOnShell ? s.T1 : s.T3;
    const float outlet = problem.targetOnShell ? s.T2 : s.T4;
    const float fraction = (outlet - inlet) / (problem.target - inlet);
    if (!(fraction >= 1.0f)) e.add(Limit::Duty, outlet, 1.0f - fraction);
    if (limits.maxDPt) e.breakMax(Limit::MaxDPt, s.DPt, *limits.maxDPt);
    if (limits.maxDPs) e.breakMax(Limit::MaxDPs, s.DPs, *limits.maxDPs);
    e.breakMin(Limit::MinTubeVelocity, s.Ut, *limits.minUt);
    e.breakMax(Limit::MaxTubeVelocity, s.Ut, *limits.maxUt);
    e.breakMin(Limit::MinShellVelocity, s.Us, *limits.minUs);
    e.breakMax(Limit::MaxShellVelocity, s.Us, *limits.maxUs);
    const RunInputs& in = *outcome.inputs;
    e.record.correction = oneTwoShellCorrection(s, in.dc.PN);
    e.breakMin(Limit::MinF, e.record.correction, limits.minF);
    if (!e.broken.empty()) return e;

    DesignRecord& r = e.record;
    r.area = s.Asf;
    r.DPt = s.DPt;
    r.DPs = s.DPs;
    r.tubes = in.dc.NT;
    if (problem.weightOn) r.weight = estimateWeight(in, outcome.solution).total;
    switch (problem.objective) {
        case Objective::Area: r.objective = s.Asf; break;
        case Objective::Weight: r.objective = r.weight; break;
        case Objective::Length: r.objective = s.TL; break;
        case Objective::ShellDiameter: r.objective = s.shellDiameter; break;
    }
    const Solution shown = p == own ? s : shownValues(outcome, p);
    for (const ResultQuantity& q : resultQuantities())
        r.results.push_back(resultValue(q, shown, isSI(p)));
    return e;
}

bool ranksBefore(const DesignRecord& a, const DesignRecord& b) {
    return std::tie(a.objective, a.area, a.index) < std::tie(b.objective, b.area, b.index);
}

bool dominates(const DesignRecord& a, const DesignRecord& b) {
    return a.area <= b.area && a.DPt <= b.DPt && a.DPs <= b.DPs &&
           (a.area < b.area || a.DPt < b.DPt || a.DPs < b.DPs);
}

// What one thread keeps of the candidates it rated.
class Accumulator {
public:
    explicit Accumulator(std::size_t top) : top_(top) {}

    void add(Evaluation&& e) {
        ++r_.candidates;
        for (const auto& [limit, value] : e.broken) ++r_.rejected[static_cast<std::size_t>(limit)];
        if (!e.broken.empty()) {
            // Only a rated candidate is a miss: one refused for its geometry
            // was not rated, and might break more.
            if (e.solved) keepMiss(NearMiss{e.record.index, e.excess, std::move(e.broken)});
            return;
        }
        ++r_.feasible;
        addPareto(e.record);
        addRanked(std::move(e.record));
    }

    void merge(Accumulator&& other) {
        DesignSearchResult& o = other.r_;
        r_.candidates += o.candidates;
        r_.feasible += o.feasible;
        for (std::size_t i = 0; i < kLimitCount; ++i) r_.rejected[i] += o.rejected[i];
        for (DesignRecord& d : o.pareto) addPareto(d);
        for (DesignRecord& d : o.ranked) addRanked(std::move(d));
        if (o.nearestMiss) keepMiss(std::move(*o.nearestMiss));
    }

    DesignSearchResult finish() && {
        std::sort(r_.ranked.begin(), r_.ranked.end(), ranksBefore);
        std::sort(r_.pareto.begin(), r_.pareto.end(), [](const auto& a, const auto& b) {
            return std::tie(a.area, a.index) < std::tie(b.area, b.index);
        });
        return std::move(r_);
    }

private:
    void addRanked(DesignRecord&& d) {
        if (top_ == 0) return;
        if (r_.ranked.size() == top_ && !ranksBefore(d, r_.ranked.front())) return;
        r_.ranked.push_back(std::move(d));
        std::push_heap(r_.ranked.begin(), r_.ranked.end(), ranksBefore);
        if (r_.ranked.size() > top_) {
            std::pop_heap(r_.ranked.begin(), r_.ranked.end(), ranksBefore);
            r_.ranked.pop_back();
        }
    }

    void addPareto(const DesignRecord& d) {
        for (const DesignRecord& kept : r_.pareto)
            if (dominates(kept, d)) return;
        std::erase_if(r_.pareto, [&](const DesignRecord& kept) { return dominates(d, kept); });
        r_.pareto.push_back(d);
    }

    void keepMiss(NearMiss&& miss) {
        if (!std::isfinite(miss.excess)) return;
        if (r_.nearestMiss && std::tie(r_.nearestMiss->excess, r_.nearestMiss->index) <=
                                  std::tie(miss.excess, miss.index))
            return;
        r_.nearestMiss = std::move(miss);
    }

    std::size_t top_;
    DesignSearchResult r_;
};

}  // namespace

const char* limitName(Limit limit) { return kLimitNames[static_cast<std::size_t>(limit)]; }

DesignProblem designProblem(const CaseValues& original, const std::string& fileName,
                            const std::vector<std::string>& vary, const DesignLimits& limits,
                            Objective objective) {
    DesignProblem problem;
    problem.original = original;
    problem.objective = objective;
    const std::string solveFor = choiceOf(original, "solve_for");
    if (choiceOf(original, "exchanger_type") != "shell_and_tube" ||
        choiceOf(original, "fluid_mode") != "sensible" ||
        (solveFor != "shell_outlet_given" && solveFor != "tube_outlet_given"))
        refuse(fileName +
               ": the search needs a sensible-heat shell-and-tube case that finds its tube length "
               "from an outlet temperature (solve_for shell_outlet_given or tube_outlet_given)");
    problem.targetOnShell = solveFor == "shell_outlet_given";
    const std::string targetKey =
        problem.targetOnShell ? "shell_outlet_temperature" : "tube_outlet_temperature";
    problem.target = inputOf(original, targetKey);
    problem.textbookBasis = choiceOf(original, "calculation_basis") == "textbook";
    problem.weightOn = choiceOf(original, "weight_calculation") == "on";
    if (objective == Objective::Weight && !problem.weightOn)
        refuse(
            "--objective weight needs the weight estimate on in the case (weight_calculation: on)");

    // Which of the tube count and the shell is searched decides the rating
    // case, and the rating case the keys a --vary may name.
    bool shellsSearched = problem.textbookBasis;
    bool countVaried = false;
    for (const std::string& spec : vary) {
        if (keyOf(spec) == "tube_count") shellsSearched = false, countVaried = true;
        if (keyOf(spec) == "shell_inside_diameter_mm") shellsSearched = true;
    }
    const auto varied = [&](const char* key) {
        return std::any_of(vary.begin(), vary.end(),
                           [&](const std::string& spec) { return keyOf(spec) == key; });
    };
    if (varied(kGaugeKey) && varied("tube_inside_diameter_mm"))
        refuse(
            "--vary tube_gauge_bwg and --vary tube_inside_diameter_mm both give the tube ID: "
            "vary the one or the other");
    if (varied(kSpacingRatioKey) && varied("baffle_spacing_mm"))
        refuse(
            "--vary baffle_spacing_ratio and --vary baffle_spacing_mm both give the spacing: "
            "vary the one or the other");
    if (shellsSearched && countVaried)
        refuse(
            "--vary tube_count and --vary shell_inside_diameter_mm: the tubes are counted "
            "from the layout of the shell, so vary the one or the other");
    CaseValues& rating = problem.rating;
    rating = original;
    rating.choices["solve_for"] = "tube_length_given";
    rating.inputs.erase(targetKey);
    rating.inputs["tube_length_mm"] = 0.0f;  // each candidate sets its length
    if (shellsSearched) {
        if (!problem.textbookBasis)
            refuse(
                "--vary shell_inside_diameter_mm: the shell is entered on the textbook basis only");
        rating.choices["tube_count_method"] = "from_layout";
        if (choiceOf(rating, "head_type").empty()) rating.choices["head_type"] = "fixed_or_u_tube";
        rating.inputs["shell_inside_diameter_mm"] = 0.0f;
        rating.inputs["outer_tube_limit_mm"] = std::nullopt;
        rating.inputs["bundle_shell_clearance_mm"] = std::nullopt;
    }

    std::vector<Variation> overrides;
    std::vector<Variation> caseInputs;  // the overrides that are case inputs
    for (const std::string& spec : vary) {
        const std::string key = keyOf(spec);
        if (key == kGaugeKey || key == kSpacingRatioKey) {
            overrides.push_back(listVariation(spec, key));
        } else {
            overrides.push_back(parseVariation(spec, rating));
            caseInputs.push_back(overrides.back());
        }
        if (std::count_if(vary.begin(), vary.end(),
                          [&](const std::string& s) { return keyOf(s) == key; }) > 1)
            refuse("--vary " + key + " is given twice");
    }
    problem.space = designSpace(problem.textbookBasis, overrides);
    problem.space.shellsSearched = shellsSearched;
    // The first candidate's values stand in the rating case, so that the
    // dialogs enter it as they would enter any candidate.
    for (const auto& [key, value] : candidateInputs(problem.space, 0, rating).inputs)
        rating.inputs[key] = value;
    checkVariationsApply(caseInputs, rating, fileName);
    problem.ratingEntered = enteredCaseOf(rating, fileName);

    problem.limits = limits;
    DesignLimits& l = problem.limits;
    const bool tubeLiquid = isLiquid(choiceOf(original, "tube_properties"));
    const bool shellLiquid = isLiquid(choiceOf(original, "shell_properties"));
    const VelocityWindow tube = tubeLiquid ? kLiquidTubeVelocity : kGasVelocity;
    const VelocityWindow shell = shellLiquid ? kLiquidShellVelocity : kGasVelocity;
    if (!l.minUt) l.minUt = tube.low;
    if (!l.maxUt) l.maxUt = tube.high;
    if (!l.minUs) l.minUs = shell.low;
    if (!l.maxUs) l.maxUs = shell.high;
    return problem;
}

CaseValues candidateCase(const DesignProblem& problem, std::size_t index) {
    CaseValues values = problem.rating;
    for (const auto& [key, value] : candidateInputs(problem.space, index, problem.rating).inputs)
        values.inputs[key] = value;
    return values;
}

json changedInputs(const DesignProblem& problem, std::size_t index) {
    const CaseValues values = candidateCase(problem, index);
    const CaseValues& original = problem.original;
    json changed = json::object();
    for (const auto& [key, choice] : values.choices)
        if (choiceOf(original, key) != choice) changed[key] = choice;
    for (const auto& [key, value] : values.inputs) {
        const auto was = original.inputs.find(key);
        if (was != original.inputs.end() && was->second == value) continue;
        changed[key] = value ? jsonNumber(*value) : json(nullptr);
    }
    for (const auto& [key, value] : original.inputs)
        if (values.inputs.count(key) == 0) changed[key] = nullptr;
    return changed;
}

DesignSearchResult searchDesigns(const DesignProblem& problem, std::size_t top, int jobs,
                                 LimitPolicy policy, Presentation p, std::atomic<std::size_t>* done,
                                 const std::atomic<bool>* cancel) {
    const std::size_t count = problem.space.size();
    const std::size_t threads = static_cast<std::size_t>(std::max(1, jobs));
    std::vector<Accumulator> kept(threads, Accumulator(top));
    const InputFields fields = inputFieldsOf(problem);
    // Each thread takes every jobs-th candidate, so the threads share the
    // slow corners of the grid; each keeps its own best and Pareto set.
    const auto work = [&](std::size_t first) {
        TubeCounts counts;
        for (std::size_t i = first; i < count; i += threads) {
            if (cancel && cancel->load(std::memory_order_relaxed)) return;
            kept[first].add(evaluate(problem, fields, counts, i, policy, p));
            if (done) done->fetch_add(1, std::memory_order_relaxed);
        }
    };
    std::vector<std::thread> pool;
    for (std::size_t t = 1; t < threads; ++t) pool.emplace_back(work, t);
    work(0);
    for (std::thread& t : pool) t.join();
    for (std::size_t t = 1; t < threads; ++t) kept[0].merge(std::move(kept[t]));
    DesignSearchResult result = std::move(kept[0]).finish();
    result.cancelled = cancel && cancel->load() && result.candidates < count;
    return result;
}

}  // namespace hx
