#include "calc/area_adjustment.h"

#include <cmath>
#include <optional>
#include <string_view>

#include "calc/phase_change_limits.h"
#include "calc/solution_checks.h"
#include "core/option_codes.h"
#include "core/run_ended.h"
#include "core/units.h"
#include "correlations/common/geometry.h"

namespace hx {

namespace {

// The question is asked in Japanese in every unit code.
constexpr std::string_view kShellAndTubeQuestion[] = {
    "  108★ 入り側蒸気全量の凝縮に必要な伝熱面積が過剰です。",
    "    　　　 1) 伝熱管の長さを減らす（自動）",
    "           2) 伝熱管の本数を減らす（自動）",
};
constexpr std::string_view kShellAndTubePrompt = "                                         ";  // 41
constexpr std::string_view kDoubleTubeQuestion[] = {
    " ★ 入り側蒸気全量の凝縮に必要な伝熱面積が過剰です。",
    "    　 1) 伝熱管の長さを減らす（自動）",
    "    　 2) 中止　　　",
};
constexpr std::string_view kDoubleTubePrompt = "    　                      　";

// The smallest exchanger the adjustment makes: one tube, 10 mm long (m).
// A flow so small that it needs less has no sound design here.
constexpr float kFewestTubes = 1.0f;
constexpr float kShortestTube = 0.01f;

constexpr std::string_view kTooSmallEnglish[] = {
    "    The flow is too small for this exchanger: the automatic area adjustment",
    "    would need fewer than one tube or tubes shorter than 10 mm. Check the flow rate.",
};
constexpr std::string_view kTooSmallJapanese[] = {
    "    流量に対し伝熱面積が過大です。自動調整では伝熱管が１本未満、",
    "    または長さ10mm未満になります。流量を確認してください。",
};

void endRunBelowSmallestExchanger(TextConsole& console, int unitCode) {
    const auto& lines = isJapanese(unitCode) ? kTooSmallJapanese : kTooSmallEnglish;
    console.clear();
    for (int i = 0; i < 9; ++i) console.print("");
    endRun(console, lines);
}

float shrinkFactor(int fluidMode) { return fluidMode == kShellPhaseChange ? 0.1f : 0.01f; }

// Asks until the answer is "1" or "2".
std::string askExcessArea(TextConsole& console, int exchangerType) {
    const bool doubleTube = exchangerType == kDoubleTube;
    for (;;) {
        console.clear();
        for (int i = 0; i < 4; ++i) console.print("");
        for (std::string_view line : doubleTube ? kDoubleTubeQuestion : kShellAndTubeQuestion)
            console.print(line);
        std::string answer = console.input(doubleTube ? kDoubleTubePrompt : kShellAndTubePrompt);
        if (answer == "1" || answer == "2") return answer;
    }
}

}  // namespace

AdjustOutcome adjustShellAndTube(float& Z, float F, float C, int fluidMode) {
    if (C - F > F / 50.0f) {
        Z = Z * (1.0f - shrinkFactor(fluidMode));
        return AdjustOutcome::Restart;
    }
    if (F < 100.0f) return AdjustOutcome::Done;
    const float step = Z * 0.01f * ((C + F) / 2.0f) / F;
    if (F >= C) {
        if (F - C > F / 100.0f) {
            Z = Z + step;
            return AdjustOutcome::Restart;
        }
        return AdjustOutcome::Done;
    }
    Z = C - F > F / 100.0f ? Z - step : Z * (1.0f - 0.001f);
    return AdjustOutcome::Restart;
}

AdjustOutcome adjustDoubleTube(float& TL, float F, float C, int fluidMode) {
    if (C - F > F / 30.0f) {
        TL = TL * (1.0f - shrinkFactor(fluidMode));
        return AdjustOutcome::Restart;
    }
    if (F < C) {
        TL = TL * (1.0f - 0.01f);
        return AdjustOutcome::Restart;
    }
    return AdjustOutcome::Done;
}

std::optional<RunInputs> checkPhaseChangeSolution(const RunInputs& in, const Solution& r,
                                                  TextConsole& console,
                                                  AreaAdjustment& adjustment) {
    const DesignCase& dc = in.dc;
    const bool tubeSide = dc.fluidMode == kTubePhaseChange;
    if (!tubeSide && dc.fluidMode != kShellPhaseChange) return std::nullopt;
    const float F = (tubeSide ? dc.Wt : dc.Ws) * units::kKgPerTon;
    const float C = tubeSide ? r.Wcon : r.shellCondensation;
    // The length adjusts a rating only: a length to be found is the solver's.
    if (condensateExceedsFlow(F, C) && dc.lengthGiven && !adjustment.autoAdjust) {
        adjustment.choice = askExcessArea(console, dc.exchangerType);
        if (dc.exchangerType == kDoubleTube && adjustment.choice == "2") throw RunEnded();
        adjustment.autoAdjust = true;
        console.clear();
    } else if (!condensateExceedsFlow(F, C) || !dc.lengthGiven) {
        checkTemperatureOrder(dc, r, console);
        const std::optional<WallLimit> limit =
            wallLimit(dc.fluidMode, dc.phaseChange, r.T1, r.T3, r.Twav);
        if (limit) endRunAtWallLimit(console, *limit, dc.exchangerType);
    }
    if (!adjustment.autoAdjust) return std::nullopt;
    // The adjusted exchanger is a new set of inputs; those of the solution
    // just checked stay as they were.
    RunInputs next = in;
    DesignCase& adjusted = next.dc;
    AdjustOutcome outcome = AdjustOutcome::Done;
    if (adjusted.exchangerType == kDoubleTube) {
        outcome = adjustDoubleTube(adjusted.TL, F, C, adjusted.fluidMode);
    } else if (adjustment.choice == "2") {
        outcome = adjustShellAndTube(adjusted.NT, F, C, adjusted.fluidMode);
        next.geometry.ND = tubesOnCentreLine(adjusted.NT);
    } else {
        outcome = adjustShellAndTube(adjusted.TL, F, C, adjusted.fluidMode);
    }
    if (outcome == AdjustOutcome::Done) return std::nullopt;
    if (adjusted.NT < kFewestTubes || adjusted.TL < kShortestTube)
        endRunBelowSmallestExchanger(console, adjusted.unitCode);
    return next;
}

}  // namespace hx
