// One bad value typed into one field of a case, across the fluid modes
// (the wet gas on both bases, evaporation on either side), the solve-for
// choices, both exchanger types, the typed-coefficient form and the unit
// codes; one bad value in one key of a case file; one bad --vary spec:
// every run ends in a message or a result, and no screen or report shows
// "inf", "nan", a negative length, area, flow, velocity or count, fewer
// than one tube, crossed temperatures or an efficiency above 1. A fixed
// seed keeps the runs the same from one test to the next.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <nlohmann/json.hpp>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "console/scripted_console.h"
#include "core/lenient_number.h"
#include "model/field_catalogue.h"
#include "model/session.h"
#include "program/batch/batch_run.h"
#include "program/batch/headless_run.h"
#include "program/session/case_file.h"
#include "program/session/replay.h"
#include "program/session/startup.h"

namespace hx {
namespace {

// Cases entered by clicks up to the point where the data form is open; the
// rest of the path (the data form's OK, the coefficient form's OK, the
// start button) follows. The bad value is typed just before one of the two
// OKs, into a field that is open to typing there. `onCoefficients` are the
// clicks made on the coefficient form before its OK.
struct BaseCase {
    const char* name;
    const char* clicks;
    const char* onCoefficients = "";
};

constexpr BaseCase kBaseCases[] = {
    {"mode 1, SI, length given",
     "click FORM6.BUTTON32\nclick MAINFORM.BUTTON35\nclick MAINFORM.BUTTON24\n"
     "click MAINFORM.BUTTON4\nclick MAINFORM.BUTTON25\nclick MAINFORM.BUTTON14\n"
     "click MAINFORM.BUTTON29\nclick MAINFORM.BUTTON19\nclick MAINFORM.BUTTON41\n"},
    {"mode 1, Japanese engineering, length given",
     "click FORM6.BUTTON33\nclick MAINFORM.BUTTON35\nclick MAINFORM.BUTTON24\n"
     "click MAINFORM.BUTTON4\nclick MAINFORM.BUTTON25\nclick MAINFORM.BUTTON14\n"
     "click MAINFORM.BUTTON29\nclick MAINFORM.BUTTON19\nclick MAINFORM.BUTTON41\n"},
    {"mode 1, SI, tube outlet given",
     "click FORM6.BUTTON32\nclick MAINFORM.BUTTON35\nclick MAINFORM.BUTTON24\n"
     "click MAINFORM.BUTTON4\nclick MAINFORM.BUTTON25\nclick MAINFORM.BUTTON14\n"
     "click MAINFORM.BUTTON29\nclick MAINFORM.BUTTON19\nclick MAINFORM.BUTTON41\n"
     "click MAINFORM.BUTTON26\nclick FORM7.RADIO3\nset FORM7.EDIT84 343\n"},
    {"mode 1, SI, shell outlet given",
     "click FORM6.BUTTON32\nclick MAINFORM.BUTTON35\nclick MAINFORM.BUTTON24\n"
     "click MAINFORM.BUTTON4\nclick MAINFORM.BUTTON25\nclick MAINFORM.BUTTON14\n"
     "click MAINFORM.BUTTON29\nclick MAINFORM.BUTTON19\nclick MAINFORM.BUTTON41\n"
     "click MAINFORM.BUTTON26\nclick FORM7.RADIO2\nset FORM7.EDIT85 300\n"},
    {"mode 3 condensation, Japanese engineering",
     "click FORM6.BUTTON33\nclick MAINFORM.BUTTON35\nclick MAINFORM.BUTTON24\n"
     "click MAINFORM.BUTTON22\nclick MAINFORM.BUTTON25\nclick MAINFORM.BUTTON16\n"
     "click MAINFORM.BUTTON29\nclick MAINFORM.BUTTON17\nclick FORM9.RADIO14\n"
     "click FORM9.BUTTON47\nclick MAINFORM.BUTTON41\n"},
    {"mode 3 evaporation, SI",
     "click FORM6.BUTTON32\nclick MAINFORM.BUTTON35\nclick MAINFORM.BUTTON24\n"
     "click MAINFORM.BUTTON22\nclick MAINFORM.BUTTON25\nclick MAINFORM.BUTTON16\n"
     "click MAINFORM.BUTTON29\nclick MAINFORM.BUTTON19\nclick FORM9.RADIO15\n"
     "click FORM9.BUTTON47\nclick MAINFORM.BUTTON41\n"},
    {"mode 4 condensation, Japanese engineering",
     "click FORM6.BUTTON33\nclick MAINFORM.BUTTON35\nclick MAINFORM.BUTTON24\n"
     "click MAINFORM.BUTTON28\nclick MAINFORM.BUTTON25\nclick MAINFORM.BUTTON12\n"
     "click MAINFORM.BUTTON29\nclick MAINFORM.BUTTON18\nclick FORM9.RADIO14\n"
     "click FORM9.BUTTON47\nclick MAINFORM.BUTTON41\n"},
    {"double tube, mode 4, SI",
     "click FORM6.BUTTON32\nclick MAINFORM.RADIO8\nclick MAINFORM.BUTTON35\n"
     "click MAINFORM.BUTTON24\nclick MAINFORM.BUTTON28\nclick MAINFORM.BUTTON25\n"
     "click MAINFORM.BUTTON14\nclick MAINFORM.BUTTON29\nclick MAINFORM.BUTTON18\n"
     "click FORM9.RADIO14\nclick FORM9.BUTTON47\nclick MAINFORM.BUTTON41\n"},
    {"mode 2 wet gas at 1 atm, SI",
     "click FORM6.BUTTON32\nclick MAINFORM.BUTTON35\nclick MAINFORM.BUTTON24\n"
     "click MAINFORM.BUTTON2\nclick FORM10.RADIO17\nclick FORM10.BUTTON48\n"
     "click MAINFORM.BUTTON25\nclick MAINFORM.BUTTON15\nclick MAINFORM.BUTTON29\n"
     "click MAINFORM.BUTTON19\nclick MAINFORM.BUTTON41\nclick FORM7.RADIO5\n"
     "set FORM7.EDIT89 10\nclick FORM7.BUTTON37\n"},
    {"mode 2 wet gas at its pressure, Japanese engineering",
     "click FORM6.BUTTON33\nclick MAINFORM.BUTTON35\nclick MAINFORM.BUTTON24\n"
     "click MAINFORM.BUTTON2\nclick FORM10.RADIO16\nclick FORM10.BUTTON48\n"
     "click MAINFORM.BUTTON25\nclick MAINFORM.BUTTON16\nclick MAINFORM.BUTTON29\n"
     "click MAINFORM.BUTTON19\nclick MAINFORM.BUTTON41\nenable FORM7.EDIT94\n"
     "enable FORM7.EDIT95\nenable FORM7.EDIT96\nenable FORM7.EDIT97\n"
     "set FORM7.EDIT94 11.5\nset FORM7.EDIT95 0.25\nset FORM7.EDIT96 0.0057\n"
     "set FORM7.EDIT97 0.024\nset FORM7.EDIT123 10\nset FORM7.EDIT124 10\n"},
    {"mode 4 evaporation, SI",
     "click FORM6.BUTTON32\nclick MAINFORM.BUTTON35\nclick MAINFORM.BUTTON24\n"
     "click MAINFORM.BUTTON28\nclick MAINFORM.BUTTON25\nclick MAINFORM.BUTTON14\n"
     "click MAINFORM.BUTTON29\nclick MAINFORM.BUTTON18\nclick FORM9.RADIO15\n"
     "click FORM9.BUTTON47\nclick MAINFORM.BUTTON41\n"},
    {"double tube, mode 3 condensation, SI",
     "click FORM6.BUTTON32\nclick MAINFORM.RADIO8\nclick MAINFORM.BUTTON35\n"
     "click MAINFORM.BUTTON24\nclick MAINFORM.BUTTON22\nclick MAINFORM.BUTTON25\n"
     "click MAINFORM.BUTTON16\nclick MAINFORM.BUTTON29\nclick MAINFORM.BUTTON17\n"
     "click FORM9.RADIO14\nclick FORM9.BUTTON47\nclick MAINFORM.BUTTON41\n"},
    {"double tube, mode 3 evaporation, Japanese engineering",
     "click FORM6.BUTTON33\nclick MAINFORM.RADIO8\nclick MAINFORM.BUTTON35\n"
     "click MAINFORM.BUTTON24\nclick MAINFORM.BUTTON22\nclick MAINFORM.BUTTON25\n"
     "click MAINFORM.BUTTON16\nclick MAINFORM.BUTTON29\nclick MAINFORM.BUTTON19\n"
     "click FORM9.RADIO15\nclick FORM9.BUTTON47\nclick MAINFORM.BUTTON41\n"},
    {"double tube, mode 4 evaporation, SI",
     "click FORM6.BUTTON32\nclick MAINFORM.RADIO8\nclick MAINFORM.BUTTON35\n"
     "click MAINFORM.BUTTON24\nclick MAINFORM.BUTTON28\nclick MAINFORM.BUTTON25\n"
     "click MAINFORM.BUTTON14\nclick MAINFORM.BUTTON29\nclick MAINFORM.BUTTON18\n"
     "click FORM9.RADIO15\nclick FORM9.BUTTON47\nclick MAINFORM.BUTTON41\n"},
    {"mode 1 with typed coefficients, Japanese engineering",
     "click FORM6.BUTTON33\nclick MAINFORM.BUTTON35\nclick MAINFORM.BUTTON24\n"
     "click MAINFORM.BUTTON4\nclick MAINFORM.BUTTON25\nclick MAINFORM.BUTTON14\n"
     "click MAINFORM.BUTTON29\nclick MAINFORM.BUTTON19\nclick MAINFORM.BUTTON41\n",
     "click FORM8.RADIO10\nclick FORM8.RADIO13\nset FORM8.EDIT115 500\n"
     "set FORM8.EDIT116 800\n"},
};

constexpr const char* kRestBeforeDataOk = "click FORM7.BUTTON40\n";
constexpr const char* kRestBeforeCoefficientOk = "click FORM8.BUTTON45\n";

const std::vector<std::string>& badValues() {
    static const std::vector<std::string> values = {
        "",
        "abc",
        "-1",
        "0",
        "-0",
        "1e-30",
        "1e30",
        "1e39",
        "3.4e38",
        "nan",
        "inf",
        "-inf",
        "0.0001",
        "１２",
        "1,000",
        "99999999",
        std::string(1000, '9'),
        // Values a user might mean, too far from the case's design.
        "1",
        "100",
        "0.01",
        // Below absolute zero, and a vapour far above the catalogue's
        // usual temperatures.
        "-300",
        "-273.15",
        "1227",
        // Numbers followed by something else.
        "1x0",
        "0x10",
        "12,5",
    };
    return values;
}

// Any key at a halt, the length at the excess-area question, give up at a
// limit dialog, then the presentations of the results menu and close.
constexpr const char* kAnswers[] = {"", "1", "2", "", "2", "3", "2", "6", "", "0", "y"};

// A program started afresh that runs one script.
struct Program {
    ScriptedConsole console;
    ScriptedPlatform platform;
    Session session{console, platform};
    std::ostringstream out, err;

    Program() { startProgram(session); }

    int run(const std::string& script, const char* name) {
        std::istringstream in(script);
        ReplayEnvironment env{session, console, platform, out, err, {}};
        return runReplay(in, name, env);
    }
};

struct ReplayRun {
    int status = 0;
    std::string transcript;
};

ReplayRun replay(const std::string& script) {
    Program program;
    ReplayRun run;
    run.status = program.run(script, "fuzz.replay");
    run.transcript = program.out.str() + program.err.str();
    return run;
}

// The fields open to typing after the clicks, on the forms given.
std::vector<std::string> typableFields(const std::string& clicks,
                                       std::initializer_list<const char*> forms) {
    Program program;
    EXPECT_EQ(program.run(clicks, "setup.replay"), kReplayOk) << program.err.str();
    const Session& session = program.session;
    std::vector<std::string> fields;
    for (const char* form : forms) {
        if (!session.forms.formVisible(form)) continue;
        for (const std::string& c : session.forms.controls(form)) {
            if (session.forms.control(form, c).kind != ControlKind::Edit) continue;
            if (session.forms.enabled(form, c) && session.forms.visible(form, c))
                fields.push_back(std::string(form) + "." + c);
        }
    }
    return fields;
}

// What a screen may never show, line by line.
class ScreenAudit {
public:
    // The reason the line is impossible, or "".
    std::string check(const std::string& line) {
        // Each pattern runs only on a line holding its fixed text: the
        // regular expressions are slow, above all in a sanitizer build.
        const auto has = [&line](const char* text) { return line.find(text) != std::string::npos; };
        if ((has("inf") || has("nan") || has("INF") || has("NAN")) &&
            std::regex_search(line, kNoNumber))
            return "no number";
        if (!has("=")) return "";
        std::smatch m;
        if (has("-") && std::regex_search(line, m, kNegative)) return "negative " + m[1].str();
        if (has("NT=") && std::regex_search(line, m, kTubes) && std::stof(m[1].str()) < 0.5f)
            return "no tube";
        if (has("Et=") || has("Es=")) {
            for (auto it = std::sregex_iterator(line.begin(), line.end(), kEfficiency);
                 it != std::sregex_iterator(); ++it) {
                if (std::stof((*it)[1].str()) > 1.0f) return "efficiency above 1";
            }
        }
        return checkTemperatures(line);
    }

private:
    // Inlet and outlet rows of a summary: the outlets may not pass the
    // other stream's inlet (0.01 for the printed rounding).
    std::string checkTemperatures(const std::string& line) {
        std::smatch m;
        if (line.find("Tti=") != std::string::npos && std::regex_search(line, m, kInlets)) {
            Tti_ = std::stof(m[1].str());
            Tsi_ = std::stof(m[2].str());
            haveInlets_ = true;
            return "";
        }
        if (!haveInlets_ || line.find("Tto=") == std::string::npos ||
            !std::regex_search(line, m, kOutlets))
            return "";
        haveInlets_ = false;
        const float Tto = std::stof(m[1].str());
        const float Tso = std::stof(m[2].str());
        const float tol = 0.015f;
        const bool tubeHot = Tti_ > Tsi_;
        const bool crossed = tubeHot ? (Tto < Tsi_ - tol || Tso > Tti_ + tol)
                                     : (Tto > Tsi_ + tol || Tso < Tti_ - tol);
        return crossed ? "crossed temperatures" : "";
    }

    static inline const std::regex kNoNumber{"(^|[^A-Za-z])(inf|nan|INF|NAN)([^A-Za-z]|$)"};
    static inline const std::regex kNegative{
        "\\b(TL|At|As|Wt|Ws|NT|Ut|Us|DS|DPt|DPs)=\\s*%?-[0-9.]"};
    static inline const std::regex kTubes{"\\bNT=\\s*([0-9.]+)"};
    static inline const std::regex kEfficiency{"\\bE[ts]=\\s*([0-9.]+)"};
    static inline const std::regex kInlets{"Tti=\\s*(-?[0-9.]+).*Tsi=\\s*(-?[0-9.]+)"};
    static inline const std::regex kOutlets{"Tto=\\s*(-?[0-9.]+).*Tso=\\s*(-?[0-9.]+)"};
    float Tti_ = 0.0f, Tsi_ = 0.0f;
    bool haveInlets_ = false;
};

TEST(BadInputFuzz, AuditFindsTheImpossibleLinesOfEarlierReports) {
    ScreenAudit audit;
    EXPECT_EQ(audit.check("│LIQ.VELOCITY(av.)     │   m/s    │Ut=  inf    │Us=  0.0091 │"),
              "no number");
    EXPECT_EQ(audit.check("│TUBE LENGTH           │   m      │       TL=-0.001          │"),
              "negative TL");
    EXPECT_EQ(audit.check("│NUMBER OF TUBES       │   -      │       NT=    0           │"),
              "no tube");
    EXPECT_EQ(audit.check("│THERMAL EFFICIENCY    │    -     │Et=0.1667   │Es=1.6673   │"),
              "efficiency above 1");
    EXPECT_EQ(audit.check("│INLET TEMPERATURE     │  ﾟC      │Tti= 80.00  │Tsi= 20.00  │"), "");
    EXPECT_EQ(audit.check("│OUTLET TEMPERATURE    │  ﾟC      │Tto= 70.00  │Tso=120.04  │"),
              "crossed temperatures");
    EXPECT_EQ(audit.check("│INLET TEMPERATURE     │  ﾟC      │Tti= 80.00  │Tsi= 20.00  │"), "");
    EXPECT_EQ(audit.check("│OUTLET TEMPERATURE    │  ﾟC      │Tto= 30.00  │Tso= 79.99  │"), "");
    EXPECT_EQ(audit.check(" ⅳ. Physical propertyies of manual entry conditions are"), "");
}

struct Insertion {
    const char* before;  // the OK the value is typed before
    std::vector<std::string> fields;
};

TEST(BadInputFuzz, OneBadValueInOneFieldNeverReachesAReport) {
    constexpr int kRuns = 600;
    std::mt19937 random(20261208u);
    std::vector<std::vector<Insertion>> insertions;
    for (const BaseCase& base : kBaseCases) {
        const std::string atData = base.clicks;
        const std::string atCoefficients = atData + kRestBeforeDataOk + base.onCoefficients;
        insertions.push_back({
            {kRestBeforeDataOk, typableFields(atData, {"MAINFORM", "FORM7"})},
            {kRestBeforeCoefficientOk, typableFields(atCoefficients, {"FORM8"})},
        });
        ASSERT_FALSE(insertions.back()[0].fields.empty()) << base.name;
    }
    std::string answers;
    for (const char* a : kAnswers) answers += std::string("answer ") + a + "\n";
    const auto pick = [&random](std::size_t n) { return static_cast<std::size_t>(random() % n); };
    int reported = 0;
    for (int i = 0; i < kRuns; ++i) {
        const std::size_t b = pick(std::size(kBaseCases));
        const std::vector<Insertion>& at = insertions[b];
        const Insertion& where = at[at[1].fields.empty() ? 0 : pick(4) == 0 ? 1 : 0];
        const std::string& field = where.fields[pick(where.fields.size())];
        const std::string& value = badValues()[pick(badValues().size())];
        const std::string set = "set " + field + " " + value + "\n";
        std::string script = kBaseCases[b].clicks;
        script += where.before == kRestBeforeDataOk
                      ? set + kRestBeforeDataOk + kBaseCases[b].onCoefficients
                      : std::string(kRestBeforeDataOk) + kBaseCases[b].onCoefficients + set;
        script += kRestBeforeCoefficientOk + answers + "click MAINFORM.BUTTON1\n";
        const std::string what =
            std::string(kBaseCases[b].name) + ": " + field + " = \"" + value.substr(0, 20) + "\"";
        const ReplayRun run = replay(script);
        ASSERT_TRUE(run.status == kReplayOk || run.status == kReplayNoAnswer)
            << what << ", status " << run.status << "\n"
            << run.transcript;
        ScreenAudit audit;
        std::istringstream lines(run.transcript);
        for (std::string line; std::getline(lines, line);) {
            const std::string fault = audit.check(line);
            ASSERT_EQ(fault, "") << what << ": " << line;
        }
        if (run.transcript.find("Tto=") != std::string::npos) ++reported;
    }
    // The bad values must not all be refused: some runs reach their reports.
    EXPECT_GT(reported, kRuns / 10);
}

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const std::vector<std::string>& exampleCases() {
    static const std::vector<std::string> names = {
        "sensible_water",    "double_tube",          "low_fin_twisted_tape", "shell_condensation",
        "shell_evaporation", "standard_air",         "tube_condensation",    "tube_evaporation",
        "wet_gas_one_atm",   "wet_gas_gas_pressure",
    };
    return names;
}

std::string examplePath(const std::string& name) {
    return std::string(HX_TEST_DATA) + "/../examples/" + name + ".json";
}

// A case file that opens is solved as `solve` solves it: the run ends with
// a message that says something, or its summary passes the audit.
void expectSoundSolve(const CaseValues& values, const std::string& what) {
    EnteredCase entered;
    try {
        entered = enteredCaseOf(values, "fuzz.json");
    } catch (const CaseFileError&) {
        return;  // refused by a dialog, named in its message
    }
    const HeadlessOutcome outcome = runHeadless(entered, values.answers, LimitPolicy{0}, false);
    if (!outcome.solved) {
        const std::vector<std::string> lines = endedLines(outcome, Presentation::EnglishSI);
        ASSERT_FALSE(lines.empty()) << what;
        return;
    }
    ScreenAudit audit;
    for (const std::string& line : summaryLines(outcome, Presentation::EnglishSI)) {
        const std::string fault = audit.check(line);
        ASSERT_EQ(fault, "") << what << ": " << line;
    }
}

TEST(BadInputFuzz, OneBadValueInACaseFileEndsInAMessageOrASoundSummary) {
    constexpr int kRuns = 250;
    std::mt19937 random(20261209u);
    const auto pick = [&random](std::size_t n) { return static_cast<std::size_t>(random() % n); };
    const std::vector<nlohmann::json> badValues = {
        -1,   0,        1e-30, 1e30,  3.4e38, 1e300, -273.15, -300,
        1227, 99999999, "1x0", "abc", "",     true,  nullptr, nlohmann::json::array(),
        0.5,  1,        100,   0.01,
    };
    int solved = 0;
    for (int i = 0; i < kRuns; ++i) {
        const std::string name = exampleCases()[pick(exampleCases().size())];
        nlohmann::json doc = nlohmann::json::parse(readText(examplePath(name)));
        std::vector<std::string> keys;
        for (const auto& [key, value] : doc["inputs"].items())
            if (!value.is_null()) keys.push_back(key);
        ASSERT_FALSE(keys.empty()) << name;
        const std::string key = keys[pick(keys.size())];
        const nlohmann::json bad = badValues[pick(badValues.size())];
        doc["inputs"][key] = bad;
        const std::string what = name + ": " + key + " = " + bad.dump();
        CaseValues values;
        try {
            values = parseCase(doc.dump(), "fuzz.json");
        } catch (const CaseFileError& e) {
            EXPECT_NE(std::string(e.what()).find(key), std::string::npos)
                << what << ": " << e.what();
            continue;
        }
        expectSoundSolve(values, what);
        ++solved;
    }
    EXPECT_GT(solved, kRuns / 10);  // not every value is refused by the file's own checks
}

TEST(BadInputFuzz, OneBadVarySpecIsRefusedOrGivesNumbersInRange) {
    constexpr int kRuns = 300;
    std::mt19937 random(20261210u);
    const auto pick = [&random](std::size_t n) { return static_cast<std::size_t>(random() % n); };
    const std::vector<std::string> specs = {
        "1x0",  "0x10", "inf",   "-inf",     "nan",           "1e39", "-1e39",
        ":",    "1:2",  "1:2:0", "1:2:x",    "1,,2",          "",     "1e-30",
        " 5 ",  "--5",  "5:5:1", "0:1e30:2", "1:inf:2",       "12,5", "１２",
        "3..4", ".5",   "-.5",   "1e3",      "0:100:1000001",
    };
    std::vector<CaseValues> cases;
    std::vector<EnteredCase> entered;
    for (const std::string& name : exampleCases()) {
        cases.push_back(readCaseFile(examplePath(name)));
        entered.push_back(enteredCaseOf(cases.back(), name));
    }
    for (int i = 0; i < kRuns; ++i) {
        const std::size_t c = pick(cases.size());
        const CaseValues& base = cases[c];
        std::vector<std::string> keys;
        for (const auto& [key, value] : base.inputs) keys.push_back(key);
        const bool si = isSICode(base.unitCode);
        const std::string key = keys[pick(keys.size())];
        const CatalogueField& field = *findCatalogueField(key);
        // The ends of the key's own range, which the file accepts.
        const std::string lo = numberText(si ? field.minSI : field.minEngineering);
        const std::string hi = numberText(si ? field.maxSI : field.maxEngineering);
        const std::string ends[] = {lo, hi, lo + "," + hi, lo + ":" + hi + ":3"};
        const std::string values =
            pick(3) == 0 ? ends[pick(std::size(ends))] : specs[pick(specs.size())];
        const std::string spec = key + "=" + values;
        Variation v;
        try {
            v = parseVariation(spec, base);
        } catch (const CaseFileError& e) {
            EXPECT_NE(std::string(e.what()).find("--vary " + spec), std::string::npos) << e.what();
            // A value spoilt on the way (a step from an infinite bound) is
            // never what the message names; a quoted "nan" is the typed text itself.
            const std::string message = e.what();
            std::string problem = message.substr(message.find(spec) + spec.size());
            for (auto at = problem.find("\"nan\""); at != std::string::npos;
                 at = problem.find("\"nan\""))
                problem.erase(at, 5);
            EXPECT_EQ(problem.find("nan"), std::string::npos) << e.what();
            continue;
        }
        const CatalogueField& f = field;
        ASSERT_FALSE(v.values.empty()) << spec;
        for (const float value : v.values) {
            ASSERT_TRUE(std::isfinite(value)) << spec;
            ASSERT_GE(value, si ? f.minSI : f.minEngineering) << spec;
            ASSERT_LE(value, si ? f.maxSI : f.maxEngineering) << spec;
        }
        // A short grid is solved: each row ends with its message or has a
        // finite number for every result.
        if (v.values.size() > 3) continue;
        const std::vector<SweepRow> rows = runSweep(
            entered[c], base.answers, {v}, 1, LimitPolicy{0}, Presentation::EnglishSI, nullptr);
        for (const SweepRow& row : rows) {
            if (!row.solved) {
                EXPECT_FALSE(row.status.empty()) << spec;
                continue;
            }
            for (const float r : row.results) ASSERT_TRUE(std::isfinite(r)) << spec;
        }
    }
}

}  // namespace
}  // namespace hx
