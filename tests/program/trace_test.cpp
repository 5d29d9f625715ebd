// The calculation trace of headless solves: every entry's expression,
// evaluated by muparser with the entry's inputs, gives the entry's value;
// the summary's key results appear in the trace with the same values; the
// JSON validates against docs/trace.schema.json; a run that ends keeps its
// steps and its message.
#include <gtest/gtest.h>
#include <muParser.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <set>

#include "program/batch/batch_run.h"
#include "program/batch/trace_output.h"
#include "program/session/case_file.h"
#include "program/session/starting_cases.h"

namespace hx {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

struct TracedRun {
    HeadlessOutcome outcome;
    json doc;
};

TracedRun traced(const CaseValues& values, const std::string& name) {
    CalcTrace trace(true);
    TracedRun run;
    run.outcome =
        runHeadless(enteredCaseOf(values, name), values.answers, LimitPolicy{}, true, &trace);
    run.doc = json::parse(traceJson(trace, run.outcome, Presentation::EnglishEngineering));
    return run;
}

// The low-fin example with a shell flow so small that the original Bell
// method's fin factor and window drop take their laminar forms (Re < 100),
// and tubes on the cut line.
CaseValues laminarLowFinShell() {
    CaseValues v =
        readCaseFile(fs::path(HX_TEST_DATA).parent_path() / "examples/low_fin_twisted_tape.json");
    v.inputs["shell_flow_t_h"] = 0.03f;
    v.inputs["cut_line_tube_count"] = 4.0f;
    v.inputs["baffle_edge_angle_deg"] = 60.0f;
    return v;
}

// Every example case and test case file, on both bases, the two samples and
// the laminar low-fin shell.
std::vector<std::pair<std::string, CaseValues>> tracedCases() {
    std::vector<std::pair<std::string, CaseValues>> cases;
    const fs::path root = fs::path(HX_TEST_DATA).parent_path();
    for (const fs::path& dir : {root / "examples", root / "tests/correlations/cases",
                                root / "tests/validation/data/examples"}) {
        for (const auto& file : fs::directory_iterator(dir))
            if (file.path().extension() == ".json")
                cases.emplace_back(file.path().filename().string(), readCaseFile(file.path()));
    }
    for (const char* kind : {"shell-and-tube", "double-tube"})
        cases.emplace_back(kind, *startingCase(kind));
    cases.emplace_back("laminar low-fin shell", laminarLowFinShell());
    std::vector<std::pair<std::string, CaseValues>> both;
    for (const auto& [name, values] : cases) {
        for (const char* basis : {"original", "textbook"}) {
            CaseValues v = values;
            v.choices["calculation_basis"] = basis;
            const bool textbook = std::string(basis) == "textbook";
            const auto layout = v.inputs.find("tube_layout_deg");
            if (textbook && (layout == v.inputs.end() || !layout->second))
                v.inputs["tube_layout_deg"] = 30.0f;
            if (!textbook) {
                // The inputs of the textbook basis alone.
                for (const char* key :
                     {"tube_layout_deg", "tube_inlet_nozzle_mm", "tube_outlet_nozzle_mm"})
                    v.inputs.erase(key);
            }
            both.emplace_back(name + " " + basis, v);
        }
    }
    return both;
}

double evaluate(const std::string& expr, const json& vars) {
    mu::Parser parser;
    std::map<std::string, double> values;
    for (const auto& [name, value] : vars.items()) values[name] = value.get<double>();
    for (auto& [name, value] : values) parser.DefineVar(name, &value);
    parser.SetExpr(expr);
    return parser.Eval();
}

// A small JSON Schema check: type, required, properties, items,
// additionalProperties, const and enum, as docs/trace.schema.json uses them.
bool hasType(const json& v, const std::string& type) {
    if (type == "object") return v.is_object();
    if (type == "array") return v.is_array();
    if (type == "string") return v.is_string();
    if (type == "number") return v.is_number();
    if (type == "integer") return v.is_number_integer();
    if (type == "boolean") return v.is_boolean();
    if (type == "null") return v.is_null();
    return false;
}

void validate(const json& v, const json& schema, const std::string& at,
              std::vector<std::string>& faults) {
    if (schema.contains("type")) {
        const json& t = schema["type"];
        bool ok = false;
        for (const json& one : t.is_array() ? t : json::array({t})) ok = ok || hasType(v, one);
        if (!ok) faults.push_back(at + ": not " + t.dump());
        if (!ok) return;
    }
    if (schema.contains("const") && v != schema["const"]) faults.push_back(at + ": not the const");
    if (schema.contains("enum") &&
        std::find(schema["enum"].begin(), schema["enum"].end(), v) == schema["enum"].end())
        faults.push_back(at + ": not in enum");
    if (v.is_object()) {
        for (const json& key : schema.value("required", json::array()))
            if (!v.contains(key.get<std::string>()))
                faults.push_back(at + ": no " + key.get<std::string>());
        for (const auto& [key, value] : v.items()) {
            if (schema.contains("properties") && schema["properties"].contains(key))
                validate(value, schema["properties"][key], at + "." + key, faults);
            else if (schema.contains("additionalProperties"))
                validate(value, schema["additionalProperties"], at + "." + key, faults);
        }
    }
    if (v.is_array() && schema.contains("items"))
        for (std::size_t i = 0; i < v.size(); ++i)
            validate(v[i], schema["items"], at + "[" + std::to_string(i) + "]", faults);
}

json traceSchema() {
    std::ifstream in(fs::path(HX_TEST_DATA).parent_path() / "docs/trace.schema.json");
    return json::parse(in);
}

TEST(CalculationTrace, EveryEntryReevaluatesToItsValueAndTheJsonFollowsItsSchema) {
    const json schema = traceSchema();
    int checked = 0;
    for (const auto& [name, values] : tracedCases()) {
        const TracedRun run = traced(values, name);
        std::vector<std::string> faults;
        validate(run.doc, schema, name, faults);
        EXPECT_TRUE(faults.empty()) << faults.front();
        EXPECT_FALSE(run.doc["trace"].empty()) << name;
        for (const json& e : run.doc["trace"]) {
            const std::string what = name + ": " + e["symbol"].get<std::string>();
            if (!e.contains("expr")) {
                EXPECT_TRUE(e.contains("source")) << what << " has neither expr nor source";
                continue;
            }
            const double expected = e["value"].get<double>();
            const double got = evaluate(e["expr"], e["vars"]);
            EXPECT_NEAR(got, expected, 2e-5 * std::fabs(expected) + 1e-9)
                << what << " = " << e["expr"] << " with " << e["vars"].dump();
            ++checked;
        }
    }
    EXPECT_GT(checked, 1000);
}

// The phase-change films, the laminar shell and the baffle geometry carry
// an expression in every entry but those whose value is looked up in a
// property table, entered, an arc cosine of the cut, or the efficiency
// loop's estimate.
TEST(CalculationTrace, OnlyLookedUpEnteredOrArcCosineValuesLackAnExpression) {
    const std::set<std::string> lookups{"rho_s", "c_s",  "nu_s",   "k_s",        "rho_t",     "c_t",
                                        "nu_t",  "k_t",  "theta",  "theta_ds",   "theta_ctl", "fc",
                                        "Nw",    "Dotl", "nu_w_s", "mu_ratio_s", "R_ft",      "K1"};
    int cases = 0;
    for (const auto& [name, values] : tracedCases()) {
        const bool phaseChange = name.find("condensation") != std::string::npos ||
                                 name.find("evaporation") != std::string::npos;
        if (!phaseChange && name.rfind("laminar low-fin", 0) != 0) continue;
        ++cases;
        const TracedRun run = traced(values, name);
        ASSERT_TRUE(run.outcome.solved) << name;
        for (const json& e : run.doc["trace"]) {
            if (e.contains("expr")) continue;
            EXPECT_TRUE(lookups.count(e["symbol"].get<std::string>()))
                << name << ": " << e["symbol"] << " (" << e["source"] << ")";
        }
    }
    EXPECT_EQ(cases, 10);  // four phase-change examples and the laminar shell, both bases
}

// The last entry of a symbol is the value of the converged pass.
std::optional<double> traced(const json& doc, const std::string& symbol) {
    std::optional<double> v;
    for (const json& e : doc["trace"])
        if (e["symbol"] == symbol) v = e["value"].get<double>();
    return v;
}

TEST(CalculationTrace, TheSummarysKeyResultsAreThoseOfTheTrace) {
    for (const auto& [name, values] : tracedCases()) {
        const TracedRun run = traced(values, name);
        if (!run.outcome.solved) continue;
        for (const char* symbol : {"Q", "KI", "Xs", "TM", "DPs"}) {
            const std::optional<double> v = traced(run.doc, symbol);
            ASSERT_TRUE(v) << name << ": no " << symbol;
            EXPECT_EQ(*v, run.doc["summary"][symbol].get<double>()) << name << ": " << symbol;
        }
    }
}

// An SI presentation keeps value, unit, expression and inputs in the
// working units (the re-evaluation stays exact) and adds the SI value: a
// temperature with 273, a temperature difference without, W and kPa with
// the constants of the SI results.
TEST(CalculationTrace, AnSIPresentationAddsTheSIValueBesideTheWorkingOne) {
    const CaseValues values = *startingCase("shell-and-tube");
    CalcTrace trace(true);
    const HeadlessOutcome outcome =
        runHeadless(enteredCaseOf(values, "si"), values.answers, LimitPolicy{}, true, &trace);
    const json doc = json::parse(traceJson(trace, outcome, Presentation::EnglishSI));
    EXPECT_EQ(doc["shown_in"], "si");
    std::map<std::string, json> last;
    for (const json& e : doc["trace"]) last[e["symbol"]] = e;
    const auto si = [&](const char* symbol, const char* unit, double expected) {
        const json& e = last.at(symbol);
        EXPECT_EQ(e["si_unit"], unit) << symbol;
        EXPECT_NEAR(e["si_value"].get<double>(), expected, 1e-5 * std::fabs(expected)) << symbol;
        EXPECT_NEAR(evaluate(e["expr"], e["vars"]), e["value"].get<double>(),
                    2e-5 * std::fabs(e["value"].get<double>()))
            << symbol;
    };
    const Solution& r = outcome.solution;
    si("Q", "W", r.Q * 1.163);
    si("KI", "W/m2K", r.KI * 1.163);
    si("T2", "K", r.T2 + 273.0);
    si("TM", "K", r.TM);
    si("DPs", "kPa", r.DPs * 98.0);
    EXPECT_FALSE(last.at("Re_t").contains("si_value"));
}

TEST(CalculationTrace, ARunThatEndsKeepsItsStepsAndItsMessage) {
    // A design on the textbook basis whose tube outlet comes within 3 K of
    // the shell inlet in a 1-2 shell: F falls below 0.75 and the run ends
    // after the films and the overall coefficient were computed.
    CaseValues values = *startingCase("shell-and-tube");
    values.choices["solve_for"] = "tube_outlet_given";
    values.choices["calculation_basis"] = "textbook";
    values.inputs["tube_length_mm"] = std::nullopt;
    values.inputs["tube_outlet_temperature"] = *values.inputs["shell_inlet_temperature"] + 3.0f;
    values.inputs["tube_passes"] = 2.0f;
    values.inputs["tube_layout_deg"] = 30.0f;
    const TracedRun run = traced(values, "low F");
    ASSERT_FALSE(run.outcome.solved);
    EXPECT_EQ(run.doc["status"], "ended");
    const auto message = run.doc["message"].get<std::vector<std::string>>();
    ASSERT_FALSE(message.empty());
    EXPECT_NE(message.front().find("correction factor F"), std::string::npos);
    EXPECT_TRUE(traced(run.doc, "KI"));
    EXPECT_TRUE(traced(run.doc, "Xs"));
    EXPECT_FALSE(traced(run.doc, "DPs"));  // the drops come after convergence
}

}  // namespace
}  // namespace hx
