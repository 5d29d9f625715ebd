#include "calc/checks/phase_change_limits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "console/scripted_console.h"
#include "core/run_ended.h"

namespace hx {
namespace {

TEST(CondensateLimit, FlowBelowTheCondensate) {
    EXPECT_TRUE(condensateExceedsFlow(1000.0f, 1100.0f));
    EXPECT_FALSE(condensateExceedsFlow(1000.0f, 1000.0f));
    EXPECT_FALSE(condensateExceedsFlow(1000.0f, 995.0f));
}

struct WallCase {
    int fluidMode, phaseChange;
    float T1, T3, Twav;
    std::optional<WallLimit> expected;
    const char* what;
};

TEST(WallLimitCheck, ByModeAndPhaseChange) {
    const WallCase cases[] = {
        {3, 1, 20.0f, 100.0f, 101.0f, WallLimit::TubeCondensationShellFlowTooSmall,
         "tube condensation, wall above the vapour"},
        {3, 1, 20.0f, 100.0f, 100.0f, std::nullopt, "wall equal to T3 passes"},
        {3, 1, 20.0f, 100.0f, 60.0f, std::nullopt, "cooled wall"},
        {3, 2, 150.0f, 100.0f, 90.0f, std::nullopt, "tube evaporation is not checked"},
        {4, 1, 100.0f, 20.0f, 101.0f, WallLimit::ShellCondensationTubeFlowTooSmall,
         "shell condensation, wall above the vapour"},
        {4, 1, 100.0f, 20.0f, 100.0f, std::nullopt, "wall equal to T1 passes"},
        {4, 2, 100.0f, 150.0f, 99.0f, WallLimit::ShellEvaporationTubeFlowTooSmall,
         "shell evaporation, wall below the liquid"},
        {4, 2, 100.0f, 150.0f, 120.0f, std::nullopt, "heated wall"},
        {1, 1, 100.0f, 20.0f, 500.0f, std::nullopt, "no phase change"},
        {3, 1, 20.0f, 100.0f, NAN, WallLimit::TubeCondensationShellFlowTooSmall,
         "a wall temperature that is not a number does not pass"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(wallLimit(c.fluidMode, c.phaseChange, c.T1, c.T3, c.Twav), c.expected) << c.what;
}

std::vector<std::string> lines(WallLimit limit, int type) {
    const auto m = wallLimitMessage(limit, type);
    return {std::string(m[0]), std::string(m[1]), std::string(m[2])};
}

TEST(WallLimitMessage, ThreeLinesPerExchangerType) {
    const std::string tubeCondensation =
        " ★ シェル側流量が過少のため伝熱管壁温度が高すぎ凝縮限界です。！！ ";
    const std::string shellCondensation =
        " ★ 管内側流量が過少のため伝熱管壁温度が高すぎ凝縮限界です。！！ ";
    const std::string shellEvaporation =
        " ★ 管内側流量が過少のため伝熱管壁温度が低すぎ蒸発限界です。！！ ";
    const std::vector<std::string> reduceCountOrLength = {
        "    → 凝縮限界での伝熱面積を求めるため、MAIN INPUT 画面の伝熱管本数",
        "　　　 又は管長さを減らしてください。"};
    const std::vector<std::string> reduceLength = {
        "    → 凝縮限界での伝熱面積を求めるため、MAIN INPUT 画面の伝熱管長さを",
        "　　　 減らしてください。"};
    const std::vector<std::string> increaseCountOrLength = {
        "    → 蒸発限界での伝熱面積を求めるため、MAIN INPUT 画面の伝熱管本数",
        "　　　 又は管長さを増やしてください。"};
    const std::vector<std::string> increaseLength = {
        "    → 蒸発限界での伝熱面積を求めるため、MAIN INPUT 画面の伝熱管長さを",
        "　　　 増やしてください。"};
    auto join = [](const std::string& first, const std::vector<std::string>& rest) {
        return std::vector<std::string>{first, rest[0], rest[1]};
    };
    using W = WallLimit;
    EXPECT_EQ(lines(W::TubeCondensationShellFlowTooSmall, 1),
              join(tubeCondensation, reduceCountOrLength));
    EXPECT_EQ(lines(W::TubeCondensationShellFlowTooSmall, 2), join(tubeCondensation, reduceLength));
    EXPECT_EQ(lines(W::ShellCondensationTubeFlowTooSmall, 1),
              join(shellCondensation, reduceCountOrLength));
    EXPECT_EQ(lines(W::ShellCondensationTubeFlowTooSmall, 2),
              join(shellCondensation, reduceLength));
    EXPECT_EQ(lines(W::ShellEvaporationTubeFlowTooSmall, 1),
              join(shellEvaporation, increaseCountOrLength));
    EXPECT_EQ(lines(W::ShellEvaporationTubeFlowTooSmall, 2),
              join(shellEvaporation, increaseLength));
}

TEST(WallLimitMessage, PrintsHaltsAndEndsTheRun) {
    ScriptedConsole console;
    console.queueAnswer("");  // acknowledges the halt
    EXPECT_THROW(endRunAtWallLimit(console, WallLimit::ShellEvaporationTubeFlowTooSmall, 2),
                 RunEnded);
    const auto& t = console.transcript();
    ASSERT_GE(t.size(), 3u);
    EXPECT_EQ(t[0], " ★ 管内側流量が過少のため伝熱管壁温度が低すぎ蒸発限界です。！！");
    EXPECT_EQ(t[1], "    → 蒸発限界での伝熱面積を求めるため、MAIN INPUT 画面の伝熱管長さを");
    EXPECT_EQ(t[2], "　　　 増やしてください。");
    EXPECT_EQ(console.pendingAnswers(), 0u);
}

}  // namespace
}  // namespace hx
