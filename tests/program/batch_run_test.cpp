#include "program/batch/batch_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

#include "console/scripted_console.h"
#include "model/platform.h"
#include "program/batch/result_quantities.h"
#include "program/batch/sweep_writers.h"
#include "program/session/starting_cases.h"
#include "program/session/startup.h"

namespace hx {
namespace {

namespace fs = std::filesystem;

// The lines from the first summary screen of a run through the windows:
// the case opened, the start button pressed, the menu answered "4".
std::vector<std::string> transcriptOfClicks(const CaseValues& values,
                                            const std::vector<std::string>& answers = {}) {
    ScriptedConsole console;
    ScriptedPlatform platform;
    Session session(console, platform);
    startProgram(session);
    openCase(session, values, "example");
    for (const std::string& answer : answers) console.queueAnswer(answer);
    console.queueAnswer("4");
    session.click("MAINFORM", "BUTTON1");
    return console.transcript();
}

std::vector<std::string> firstSummary(const std::vector<std::string>& transcript,
                                      std::size_t lines) {
    const auto title = std::find_if(transcript.begin(), transcript.end(), [](const auto& l) {
        return l.find("Summary of caluculation results") != std::string::npos;
    });
    if (title == transcript.end()) return {};
    auto first = title;
    while (first != transcript.begin() && *(first - 1) != ScriptedConsole::kClearMark) --first;
    if (static_cast<std::size_t>(transcript.end() - first) < lines) return {};
    return {first, first + static_cast<std::ptrdiff_t>(lines)};
}

// `solve` of each example prints the summary the windows show for it; an
// example that ends with a message ends with it in the windows too.
TEST(BatchRun, ExamplesSolveAsThroughTheWindows) {
    int solved = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(HX_TEST_DATA) / ".." / "examples")) {
        SCOPED_TRACE(entry.path().filename().string());
        const CaseValues values = readCaseFile(entry.path().string());
        const HeadlessOutcome outcome =
            runHeadless(enteredCaseOf(values, "example"), values.answers, LimitPolicy{}, true);
        const std::vector<std::string> clicks = transcriptOfClicks(values);
        if (!outcome.solved) {
            ASSERT_FALSE(outcome.message.empty());
            EXPECT_NE(std::find(clicks.begin(), clicks.end(), outcome.message.front()),
                      clicks.end())
                << outcome.message.front();
            continue;
        }
        ++solved;
        const std::vector<std::string> summary =
            summaryLines(outcome, Presentation::EnglishEngineering);
        EXPECT_EQ(firstSummary(clicks, summary.size()), summary);
    }
    EXPECT_GE(solved, 7);
}

// A double tube has no bundle layout: on the textbook basis it solves with
// the layout left blank, as on the original basis.
TEST(BatchRun, DoubleTubeOnTheTextbookBasisNeedsNoLayout) {
    CaseValues values = readCaseFile(HX_TEST_DATA "/../examples/double_tube.json");
    values.choices["calculation_basis"] = "textbook";
    values.inputs["tube_layout_deg"] = 0.0f;
    const HeadlessOutcome outcome =
        runHeadless(enteredCaseOf(values, "c"), values.answers, LimitPolicy{}, true);
    EXPECT_TRUE(outcome.solved) << (outcome.message.empty() ? "" : outcome.message.front());
}

// Tubes on the cut line: the run asks the window counts, answered from the
// case file as the user would type them.
TEST(BatchRun, ConsoleQuestionsAnsweredFromTheCase) {
    CaseValues values = *startingCase("shell-and-tube");
    values.choices["tubes_on_cut_line"] = "yes";
    values.answers = {{"window_tubes", "12"}, {"window_rows", "4"}};
    const HeadlessOutcome outcome =
        runHeadless(enteredCaseOf(values, "c"), values.answers, LimitPolicy{}, true);
    ASSERT_TRUE(outcome.solved);
    const std::vector<std::string> summary =
        summaryLines(outcome, Presentation::EnglishEngineering);
    EXPECT_EQ(firstSummary(transcriptOfClicks(values, {"12", "4"}), summary.size()), summary);
    // Other counts give another exchanger.
    values.answers = {{"window_tubes", "30"}, {"window_rows", "6"}};
    const HeadlessOutcome other =
        runHeadless(enteredCaseOf(values, "c"), values.answers, LimitPolicy{}, true);
    ASSERT_TRUE(other.solved);
    EXPECT_NE(other.solution.Xs, outcome.solution.Xs);
}

TEST(BatchRun, SolveJsonNamesEveryQuantityWithItsUnit) {
    const CaseValues values = *startingCase("shell-and-tube");
    const HeadlessOutcome outcome =
        runHeadless(enteredCaseOf(values, "c"), values.answers, LimitPolicy{}, true);
    ASSERT_TRUE(outcome.solved);
    const auto doc = nlohmann::json::parse(solveJson(values, outcome, Presentation::EnglishSI));
    EXPECT_EQ(doc["status"], "solved");
    EXPECT_GT(doc["passes"].get<int>(), 0);
    std::map<std::string, std::string> units;
    for (const auto& r : doc["results"]) units[r["name"]] = r["unit"];
    EXPECT_EQ(units["Q"], "W");
    EXPECT_EQ(units["KI"], "W/m2K");
    EXPECT_EQ(units["TM"], "K");
    EXPECT_EQ(doc["inputs"][0]["name"], "tube_flow_t_h");
    EXPECT_EQ(doc["inputs"][0]["unit"], "t/h");
}

TEST(BatchRun, VariationsFromRangesAndLists) {
    const CaseValues values = *startingCase("shell-and-tube");
    const Variation range = parseVariation("tube_length_mm=500:5000:10", values);
    ASSERT_EQ(range.values.size(), 10u);
    EXPECT_EQ(range.values.front(), 500.0f);
    EXPECT_EQ(range.values[1], 1000.0f);
    EXPECT_EQ(range.values.back(), 5000.0f);
    EXPECT_EQ(parseVariation("shell_flow_t_h=1,2.5,4", values).values,
              (std::vector<float>{1.0f, 2.5f, 4.0f}));
    const std::pair<const char*, const char*> bad[] = {
        {"tube_length_mm", "--vary tube_length_mm: expected KEY=FROM:TO:STEPS or KEY=v1,v2,…"},
        {"no_key=1", "--vary no_key=1: unknown key no_key"},
        {"fluid_mode=1", "--vary fluid_mode=1: fluid_mode is a choice; only numbers can be varied"},
        {"tube_flow_kg_h=1", "--vary tube_flow_kg_h=1: tube_flow_kg_h does not apply to this case"},
        {"tube_length_mm=1:2:0",
         "--vary tube_length_mm=1:2:0: STEPS must be a whole number from 1 to 1000000"},
        {"tube_length_mm=1,x", "--vary tube_length_mm=1,x: \"x\" is not a number"},
        {"tube_length_mm=-1,5", "--vary tube_length_mm=-1,5: -1 is outside 0 … 1e+07"},
    };
    for (const auto& [spec, message] : bad) {
        try {
            parseVariation(spec, values);
            ADD_FAILURE() << spec;
        } catch (const CaseFileError& e) {
            EXPECT_EQ(e.what(), std::string(message));
        }
    }
}

std::string csvOf(const std::vector<Variation>& variations, const std::vector<SweepRow>& rows) {
    std::ostringstream out;
    writeSweepCsv(out, variations, rows, Presentation::EnglishEngineering);
    return out.str();
}

// A grid row is the single solve of the same inputs entered in the case
// file, and two threads give the same table as one.
TEST(BatchRun, SweepRowsEqualSingleSolvesOnAnyNumberOfThreads) {
    const CaseValues values = *startingCase("shell-and-tube");
    const std::vector<Variation> variations = {
        parseVariation("tube_length_mm=300,1000,4000", values),
        parseVariation("shell_flow_t_h=0.5:20:4", values)};
    const EnteredCase base = enteredCaseOf(values, "c");
    const std::vector<SweepRow> one =
        runSweep(base, {}, variations, 1, LimitPolicy{}, Presentation::EnglishEngineering, nullptr);
    ASSERT_EQ(one.size(), 12u);
    for (std::size_t i : {0u, 5u, 11u}) {
        CaseValues single = values;
        single.inputs["tube_length_mm"] = one[i].varied[0];
        single.inputs["shell_flow_t_h"] = one[i].varied[1];
        const HeadlessOutcome outcome =
            runHeadless(enteredCaseOf(single, "c"), {}, LimitPolicy{}, false);
        ASSERT_EQ(outcome.solved, one[i].solved) << i;
        // What `solve --format json` prints for it.
        const auto doc =
            nlohmann::json::parse(solveJson(single, outcome, Presentation::EnglishEngineering));
        std::vector<float> results;
        for (const auto& r : doc["results"]) results.push_back(r["value"].get<float>());
        if (outcome.solved) {
            EXPECT_EQ(results, one[i].results) << i;
        }
    }
    std::atomic<std::size_t> done{0};
    const std::vector<SweepRow> two =
        runSweep(base, {}, variations, 2, LimitPolicy{}, Presentation::EnglishEngineering, &done);
    EXPECT_EQ(done.load(), 12u);
    EXPECT_EQ(csvOf(variations, two), csvOf(variations, one));
}

}  // namespace
}  // namespace hx
