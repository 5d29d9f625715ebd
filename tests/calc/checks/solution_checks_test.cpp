// The checks of a converged solution: in the sensible modes the outlet
// given that the streams cannot reach ends the run with its message after
// four empty lines, and a shell-side Reynolds number below 1500 shows the
// laminar warning and lets the run go on; in the phase-change modes
// outlets out of their temperature order end the run with the
// condensation-limit message of the exchanger type.
#include "calc/checks/solution_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "console/scripted_console.h"
#include "core/option_codes.h"
#include "core/run_ended.h"

namespace hx {
namespace {

constexpr const char* kSetting = "    illegal setting of outlet temperature or flowrate";
constexpr const char* kSeting = "    illegal seting of outlet temperature or flowrate";

std::string messageOf(OutletGiven given, float T1, float T2, float T3, float T4) {
    const std::optional<std::string_view> m = unreachableOutletMessage(given, T1, T2, T3, T4);
    return m ? std::string(*m) : std::string();
}

TEST(SolutionChecks, ShellOutletGivenBeyondTheTubeInlet) {
    // Tube side hot (T3 > T1): the shell outlet may not reach the tube inlet.
    EXPECT_EQ(messageOf(OutletGiven::Shell, 20.0f, 80.0f, 80.0f, 50.0f), kSetting);
    EXPECT_EQ(messageOf(OutletGiven::Shell, 20.0f, 79.9f, 80.0f, 50.0f), "");
    // Tube side cold: a shell outlet equal to the tube inlet is illegal, with
    // the message's own spelling.
    EXPECT_EQ(messageOf(OutletGiven::Shell, 80.0f, 20.0f, 20.0f, 50.0f), kSeting);
    EXPECT_EQ(messageOf(OutletGiven::Shell, 80.0f, 20.1f, 20.0f, 50.0f), "");
    // Equal inlets count as a cold tube side.
    EXPECT_EQ(messageOf(OutletGiven::Shell, 50.0f, 40.0f, 50.0f, 50.0f), kSeting);
}

TEST(SolutionChecks, TubeOutletGivenBeyondTheShellInlet) {
    EXPECT_EQ(messageOf(OutletGiven::Tube, 20.0f, 50.0f, 80.0f, 20.0f), kSetting);
    EXPECT_EQ(messageOf(OutletGiven::Tube, 20.0f, 50.0f, 80.0f, 20.1f), "");
    EXPECT_EQ(messageOf(OutletGiven::Tube, 80.0f, 50.0f, 20.0f, 80.0f), kSetting);
    EXPECT_EQ(messageOf(OutletGiven::Tube, 80.0f, 50.0f, 20.0f, 79.9f), "");
}

TEST(SolutionChecks, BalancedOutletPastTheOtherInlet) {
    // The outlet given is fine, but the flow of the other stream is too
    // small for the duty: its outlet from the balance passes the inlet of
    // the stream giving the heat (1 t/h of shell water heated to 120 ℃ by
    // tube water entering at 80 ℃).
    EXPECT_EQ(messageOf(OutletGiven::Tube, 20.0f, 120.04f, 80.0f, 70.0f), kSetting);
    EXPECT_EQ(messageOf(OutletGiven::Tube, 20.0f, 80.0f, 80.0f, 70.0f), "");
    EXPECT_EQ(messageOf(OutletGiven::Tube, 80.0f, 10.0f, 20.0f, 30.0f), kSetting);
    // Shell outlet given, tube water cooled below the shell inlet.
    EXPECT_EQ(messageOf(OutletGiven::Shell, 20.0f, 27.0f, 80.0f, 10.15f), kSetting);
    EXPECT_EQ(messageOf(OutletGiven::Shell, 20.0f, 27.0f, 80.0f, 20.0f), "");
    EXPECT_EQ(messageOf(OutletGiven::Shell, 80.0f, 30.0f, 20.0f, 85.0f), kSeting);
}

TEST(SolutionChecks, LengthGivenHasNoOutletCheck) {
    EXPECT_EQ(messageOf(OutletGiven::None, 20.0f, 90.0f, 80.0f, 10.0f), "");
}

TEST(SolutionChecks, LaminarBelow1500Only) {
    EXPECT_TRUE(laminarShellFlow(1499.9f));
    EXPECT_FALSE(laminarShellFlow(1500.0f));
}

DesignCase sensibleCase(OutletGiven given) {
    DesignCase dc;
    dc.fluidMode = kSensible;
    dc.outletGiven = given;
    return dc;
}

Solution solutionAt(float T1, float T2, float T3, float T4, float Res) {
    Solution r;
    r.T1 = T1;
    r.T2 = T2;
    r.T3 = T3;
    r.T4 = T4;
    r.Res = Res;
    return r;
}

TEST(SolutionChecks, UnreachableOutletEndsTheRunAfterFourEmptyLines) {
    ScriptedConsole console;
    console.queueAnswer("");
    EXPECT_THROW(checkSensibleSolution(sensibleCase(OutletGiven::Shell),
                                       solutionAt(80.0f, 20.0f, 20.0f, 50.0f, 5000.0f), console),
                 RunEnded);
    const std::vector<std::string> screen = console.screen();
    ASSERT_GE(screen.size(), 5u);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(screen[static_cast<std::size_t>(i)], "");
    EXPECT_EQ(screen[4], kSeting);
}

TEST(SolutionChecks, LaminarWarningThenTheRunGoesOn) {
    ScriptedConsole console;
    console.queueAnswer("");
    checkSensibleSolution(sensibleCase(OutletGiven::None),
                          solutionAt(20.0f, 30.0f, 80.0f, 70.0f, 1499.0f), console);
    EXPECT_EQ(console.pendingAnswers(), 0u);
    const std::vector<std::string>& t = console.transcript();
    std::vector<std::string> expected(8, "");
    expected.push_back("                           WARNING");
    expected.push_back("              Shell side fluid is Laminar flow !!");
    expected.push_back("         need to increase the shell side fluid flow rate");
    auto first = std::find(t.begin(), t.end(), ScriptedConsole::kClearMark);
    ASSERT_NE(first, t.end());
    ASSERT_GE(static_cast<std::size_t>(t.end() - first), 1 + expected.size());
    EXPECT_EQ(std::vector<std::string>(first + 1, first + 1 + static_cast<long>(expected.size())),
              expected);
    EXPECT_EQ(t.back(), ScriptedConsole::kClearMark);  // the window cleared again
}

TEST(SolutionChecks, NoWarningAt1500NorInPhaseChangeModes) {
    ScriptedConsole console;
    checkSensibleSolution(sensibleCase(OutletGiven::None),
                          solutionAt(20.0f, 30.0f, 80.0f, 70.0f, 1500.0f), console);
    DesignCase condensing = sensibleCase(OutletGiven::Shell);
    condensing.fluidMode = kTubePhaseChange;
    checkSensibleSolution(condensing, solutionAt(80.0f, 20.0f, 20.0f, 20.0f, 100.0f), console);
    EXPECT_TRUE(console.transcript().empty());
}

TEST(SolutionTemperatureOrder, TubeSideHot) {
    EXPECT_TRUE(temperatureOrderHolds(20.0f, 80.0f, 80.0f, 20.0f));  // equality passes
    EXPECT_FALSE(temperatureOrderHolds(20.0f, 50.0f, 80.0f, 19.9f));
    EXPECT_FALSE(temperatureOrderHolds(20.0f, 80.1f, 80.0f, 60.0f));
}

TEST(SolutionTemperatureOrder, TubeSideCold) {
    EXPECT_TRUE(temperatureOrderHolds(100.0f, 30.0f, 30.0f, 100.0f));  // equality passes
    EXPECT_FALSE(temperatureOrderHolds(100.0f, 60.0f, 30.0f, 100.1f));
    EXPECT_FALSE(temperatureOrderHolds(100.0f, 29.9f, 30.0f, 60.0f));
    // Equal inlets count as a cold tube side.
    EXPECT_TRUE(temperatureOrderHolds(50.0f, 50.0f, 50.0f, 50.0f));
}

DesignCase phaseChangeCase(int fluidMode, int phaseChange, int exchangerType) {
    DesignCase dc;
    dc.fluidMode = fluidMode;
    dc.phaseChange = phaseChange;
    dc.exchangerType = exchangerType;
    return dc;
}

// Tube side hot, the shell outlet above the tube inlet.
const Solution kCrossed = solutionAt(20.0f, 100.5f, 100.0f, 100.0f, 5000.0f);

std::vector<std::string> orderMessage(const DesignCase& dc) {
    ScriptedConsole console;
    console.queueAnswer("");
    try {
        checkTemperatureOrder(dc, kCrossed, console);
    } catch (const RunEnded&) {
        return console.screen();
    }
    return {};
}

TEST(SolutionTemperatureOrder, ShellAndTubeMessageAfterNineEmptyLines) {
    const std::vector<std::string> screen =
        orderMessage(phaseChangeCase(kTubePhaseChange, kCondensation, kShellAndTube));
    ASSERT_GE(screen.size(), 12u);
    for (std::size_t i = 0; i < 9; ++i) EXPECT_EQ(screen[i], "") << i;
    EXPECT_EQ(screen[9], " ★ 管内側流量が過少のため伝熱管壁温度が高すぎ凝縮限界です。！！");
    EXPECT_EQ(screen[10], "    → 凝縮限界での伝熱面積を求めるため、MAIN INPUT 画面の伝熱管本数");
    EXPECT_EQ(screen[11], "　　　 又は管長さを減らしてください。");
}

TEST(SolutionTemperatureOrder, DoubleTubeAsksForAShorterTube) {
    const std::vector<std::string> screen =
        orderMessage(phaseChangeCase(kShellPhaseChange, kEvaporation, kDoubleTube));
    ASSERT_GE(screen.size(), 12u);
    EXPECT_EQ(screen[10], "    → 凝縮限界での伝熱面積を求めるため、MAIN INPUT 画面の伝熱管長さを");
    EXPECT_EQ(screen[11], "　　　 減らしてください。");
}

TEST(SolutionTemperatureOrder, CheckedOnlyInCondensingTubesAndOnTheShellSide) {
    EXPECT_FALSE(
        orderMessage(phaseChangeCase(kShellPhaseChange, kCondensation, kShellAndTube)).empty());
    EXPECT_TRUE(
        orderMessage(phaseChangeCase(kTubePhaseChange, kEvaporation, kShellAndTube)).empty());
    EXPECT_TRUE(orderMessage(phaseChangeCase(kSensible, 0, kShellAndTube)).empty());
}

}  // namespace
}  // namespace hx
