// The profile of a solved case ends at the summary's temperatures and heat,
// in the units of the presentation, on the flow the run rated.
#include "program/batch/case_profile.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "program/batch/batch_run.h"
#include "program/session/starting_cases.h"
#include "report/print/printed_profile.h"
#include "report/screen/results_summary.h"
#include "report/screen/results_view.h"

namespace hx {
namespace {

HeadlessOutcome solved(CaseValues values) {
    return runHeadless(enteredCaseOf(values, "c"), values.answers, LimitPolicy{}, false);
}

TEST(CaseProfile, EndsAreTheSummaryOutletsAndTheDutyIsQ) {
    CaseValues textbook = *startingCase("shell-and-tube");
    textbook.choices["calculation_basis"] = "textbook";
    textbook.inputs["tube_passes"] = 2.0f;
    textbook.inputs["tube_layout_deg"] = 30.0f;
    for (const CaseValues& values : {*startingCase("shell-and-tube"), textbook}) {
        const HeadlessOutcome outcome = solved(values);
        ASSERT_TRUE(outcome.solved);
        for (Presentation p : {Presentation::EnglishEngineering, Presentation::EnglishSI}) {
            std::string why;
            const auto profile = caseProfile(outcome, p, why);
            ASSERT_TRUE(profile) << why;
            const auto summary = nlohmann::json::parse(solveJson(values, outcome, p));
            const auto value = [&](const char* name) {
                for (const auto& r : summary["results"])
                    if (r["name"] == name) return r["value"].get<float>();
                return -1.0f;
            };
            const ProfilePoint& head = profile->points.front();
            const ProfilePoint& far = profile->points.back();
            EXPECT_FLOAT_EQ(head.tube, value("T3"));
            EXPECT_NEAR(far.duty, value("Q"), 1.0e-3f * value("Q"));
            if (profile->flow == ProfileFlow::OneTwoShell) {
                EXPECT_FLOAT_EQ(head.tubeReturn, value("T4"));
                EXPECT_FLOAT_EQ(head.shell, value("T2"));
                // The solver's mean difference is the 1-2N shell's.
                EXPECT_NEAR(far.shell, value("T1"), 0.02f);
            } else {
                EXPECT_FLOAT_EQ(far.tube, value("T4"));
                EXPECT_FLOAT_EQ(head.shell, value("T2"));
                EXPECT_FLOAT_EQ(far.shell, value("T1"));
            }
        }
    }
}

TEST(CaseProfile, CsvHasTheUnitsAndAnEmptyReturnPassOutsideA12Shell) {
    const HeadlessOutcome outcome = solved(*startingCase("shell-and-tube"));
    std::string why;
    const auto profile = caseProfile(outcome, Presentation::EnglishSI, why, 3);
    ASSERT_TRUE(profile);
    std::ostringstream csv;
    writeProfileCsv(csv, *profile);
    std::string header, first;
    std::istringstream lines(csv.str());
    std::getline(lines, header);
    std::getline(lines, first);
    EXPECT_EQ(header, "x,tube [K],tube_return [K],shell [K],duty [W]");
    EXPECT_EQ(first.substr(0, 2), "0,");
    EXPECT_NE(first.find(",,"), std::string::npos);

    HeadlessOutcome ended;
    EXPECT_FALSE(caseProfile(ended, Presentation::EnglishSI, why));
    EXPECT_NE(why.find("ended"), std::string::npos);
}

// The numbers of a printed profile row, in order.
std::vector<float> rowNumbers(const std::string& row) {
    std::istringstream in(row);
    std::vector<float> numbers;
    for (float v; in >> v;) numbers.push_back(v);
    return numbers;
}

TEST(PrintedProfile, A12ShellPrintsItsReturnPassAndAWetGasItsReason) {
    CaseValues textbook = *startingCase("shell-and-tube");
    textbook.choices["calculation_basis"] = "textbook";
    textbook.inputs["tube_passes"] = 2.0f;
    textbook.inputs["tube_layout_deg"] = 30.0f;
    const HeadlessOutcome outcome = solved(textbook);
    ASSERT_TRUE(outcome.solved);
    const Presentation p = Presentation::JapaneseSI;
    ResultsView view(outcome.solution);
    view.enter(p, *outcome.inputs);
    bool drawn = false;
    const auto lines = printedProfile(*outcome.inputs, view.shown(), p, drawn);
    EXPECT_TRUE(drawn);
    ASSERT_EQ(lines.size(), 5u + 11u);  // title, x, blank, two head lines, every tenth
    EXPECT_NE(lines[0].find("（1-2N シェル）"), std::string::npos);
    EXPECT_NE(lines[3].find("戻りパス"), std::string::npos);
    // At the tube inlet head: the tube inlet, the return pass's outlet and
    // the shell outlet, in K, as the summary shows them to 0.01.
    const Solution ends = inUnitsOf(p, *outcome.inputs, view.shown());
    const std::vector<float> head = rowNumbers(lines[5]);
    ASSERT_EQ(head.size(), 5u);
    EXPECT_NEAR(head[1], ends.T3, 0.006f);
    EXPECT_NEAR(head[2], ends.T4, 0.006f);
    EXPECT_NEAR(head[3], ends.T2, 0.006f);
    EXPECT_EQ(head[4], 0.0f);
    // The march's heat closes on Q as far as the solver's mean difference
    // does (its iteration tolerance).
    EXPECT_NEAR(rowNumbers(lines.back())[4], ends.Q, 1.0e-4f * ends.Q);

    RunInputs wet;
    wet.dc.wetGas = true;
    const auto reason = printedProfile(wet, Solution{}, Presentation::EnglishEngineering, drawn);
    EXPECT_FALSE(drawn);
    ASSERT_EQ(reason.size(), 2u);
    EXPECT_EQ(reason[1].rfind(" No profile: no profile for a wet gas", 0), 0u);
}

}  // namespace
}  // namespace hx
