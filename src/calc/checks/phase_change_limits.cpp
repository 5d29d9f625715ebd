#include "calc/checks/phase_change_limits.h"

#include <cmath>

#include "console/text_console.h"
#include "core/option_codes.h"
#include "core/run_ended.h"

namespace hx {

namespace {

constexpr std::string_view kTubeCondensationFirst =
    " ★ シェル側流量が過少のため伝熱管壁温度が高すぎ凝縮限界です。！！ ";
constexpr std::string_view kShellCondensationFirst =
    " ★ 管内側流量が過少のため伝熱管壁温度が高すぎ凝縮限界です。！！ ";
constexpr std::string_view kShellEvaporationFirst =
    " ★ 管内側流量が過少のため伝熱管壁温度が低すぎ蒸発限界です。！！ ";

// Second and third lines: what to change on the main input screen.
constexpr std::array<std::string_view, 2> kReduceCountOrLength = {
    "    → 凝縮限界での伝熱面積を求めるため、MAIN INPUT 画面の伝熱管本数",
    "　　　 又は管長さを減らしてください。"};
constexpr std::array<std::string_view, 2> kReduceLength = {
    "    → 凝縮限界での伝熱面積を求めるため、MAIN INPUT 画面の伝熱管長さを",
    "　　　 減らしてください。"};
constexpr std::array<std::string_view, 2> kIncreaseCountOrLength = {
    "    → 蒸発限界での伝熱面積を求めるため、MAIN INPUT 画面の伝熱管本数",
    "　　　 又は管長さを増やしてください。"};
constexpr std::array<std::string_view, 2> kIncreaseLength = {
    "    → 蒸発限界での伝熱面積を求めるため、MAIN INPUT 画面の伝熱管長さを",
    "　　　 増やしてください。"};

// The wall is hotter than the condensing vapour (or a wall value that is
// not a number, which no comparison would otherwise catch).
bool wallAbove(float Twav, float saturation) { return !std::isfinite(Twav) || saturation < Twav; }
bool wallBelow(float Twav, float saturation) { return !std::isfinite(Twav) || saturation > Twav; }

}  // namespace

bool condensateExceedsFlow(float massFlowKgPerHour, float condensateKgPerHour) {
    return massFlowKgPerHour < condensateKgPerHour;
}

std::optional<WallLimit> wallLimit(int fluidMode, int phaseChange, float T1, float T3, float Twav) {
    if (fluidMode == kTubePhaseChange) {
        if (phaseChange == kCondensation && wallAbove(Twav, T3))
            return WallLimit::TubeCondensationShellFlowTooSmall;
        return std::nullopt;
    }
    if (fluidMode == kShellPhaseChange) {
        if (phaseChange == kCondensation && wallAbove(Twav, T1))
            return WallLimit::ShellCondensationTubeFlowTooSmall;
        if (phaseChange == kEvaporation && wallBelow(Twav, T1))
            return WallLimit::ShellEvaporationTubeFlowTooSmall;
    }
    return std::nullopt;
}

std::array<std::string_view, 3> wallLimitMessage(WallLimit limit, int exchangerType) {
    const bool doubleTube = exchangerType == kDoubleTube;
    std::string_view first = kTubeCondensationFirst;
    std::array<std::string_view, 2> rest = doubleTube ? kReduceLength : kReduceCountOrLength;
    switch (limit) {
        case WallLimit::TubeCondensationShellFlowTooSmall: break;
        case WallLimit::ShellCondensationTubeFlowTooSmall: first = kShellCondensationFirst; break;
        case WallLimit::ShellEvaporationTubeFlowTooSmall:
            first = kShellEvaporationFirst;
            rest = doubleTube ? kIncreaseLength : kIncreaseCountOrLength;
            break;
    }
    return {first, rest[0], rest[1]};
}

void endRunAtWallLimit(TextConsole& console, WallLimit limit, int exchangerType) {
    endRun(console, wallLimitMessage(limit, exchangerType));
}

}  // namespace hx
