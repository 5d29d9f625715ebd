#include "calc/solver/area_adjustment.h"

#include <cmath>
#include <optional>
#include <string_view>

#include "calc/case/shell_bundle.h"
#include "calc/checks/phase_change_limits.h"
#include "calc/checks/solution_checks.h"
#include "console/number_picture.h"
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
constexpr std::string_view kDoubleTubeQuestion[] = {
    " ★ 入り側蒸気全量の凝縮に必要な伝熱面積が過剰です。",
    "    　 1) 伝熱管の長さを減らす（自動）",
    "    　 2) 中止　　　",
};
// The third answer, in the report language: keep the exchanger as built.
constexpr std::string_view kKeepShellAndTubeJapanese =
    "           3) 伝熱管はそのまま：必要長さと余裕面積を求める";
constexpr std::string_view kKeepShellAndTubeEnglish =
    "           3) Keep the exchanger: required length and surface margin";
constexpr std::string_view kKeepDoubleTubeJapanese =
    "    　 3) 伝熱管はそのまま：必要長さと余裕面積を求める";
constexpr std::string_view kKeepDoubleTubeEnglish =
    "    　 3) Keep the exchanger: required length and surface margin";
constexpr std::string_view kShellAndTubePrompt = "                                         ";  // 41
constexpr std::string_view kDoubleTubePrompt = "    　                      　";

// The as-built rating after the results summary.
constexpr std::string_view kAsBuiltEnglish[] = {
    " Rated as built: tube length ###.### m, required ###.### m",
    " Surface margin (A-Areq)/Areq ######.# %, phase change ends at ###.# % of the surface",
};
constexpr std::string_view kAsBuiltJapanese[] = {
    " 現状評価：伝熱管長さ ###.### m、必要長さ ###.### m",
    " 余裕面積 (A-Areq)/Areq ######.# %、相変化終了位置 伝熱面の ###.# %",
};

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

// Asks until the answer is "1", "2" or "3".
std::string askExcessArea(TextConsole& console, int exchangerType, int unitCode) {
    const bool doubleTube = exchangerType == kDoubleTube;
    const bool japanese = isJapanese(unitCode);
    for (;;) {
        console.clear();
        for (int i = 0; i < 4; ++i) console.print("");
        for (std::string_view line : doubleTube ? kDoubleTubeQuestion : kShellAndTubeQuestion)
            console.print(line);
        if (doubleTube)
            console.print(japanese ? kKeepDoubleTubeJapanese : kKeepDoubleTubeEnglish);
        else
            console.print(japanese ? kKeepShellAndTubeJapanese : kKeepShellAndTubeEnglish);
        std::string answer = console.input(doubleTube ? kDoubleTubePrompt : kShellAndTubePrompt);
        if (answer == "1" || answer == "2" || answer == "3") return answer;
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

AsBuiltRating asBuiltRating(float builtLength, float requiredLength) {
    AsBuiltRating a;
    a.builtLength = builtLength;
    a.requiredLength = requiredLength;
    // The same tubes: the areas stand as the lengths.
    a.marginPercent = (builtLength - requiredLength) / requiredLength * 100.0f;
    a.phaseChangeEnd = requiredLength / builtLength;
    return a;
}

std::vector<std::string> asBuiltLines(const RunInputs& in, bool japanese) {
    if (!in.builtLength) return {};
    const AsBuiltRating a = asBuiltRating(*in.builtLength, in.dc.TL);
    const auto& pictures = japanese ? kAsBuiltJapanese : kAsBuiltEnglish;
    return {formatUsing(pictures[0], {a.builtLength, a.requiredLength}),
            formatUsing(pictures[1], {a.marginPercent, a.phaseChangeEnd * 100.0f})};
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
        adjustment.choice = askExcessArea(console, dc.exchangerType, dc.unitCode);
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
    // As built: the length adjustment finds the length needed; the inputs
    // remember the length built.
    if (adjustment.choice == "3" && !next.builtLength) next.builtLength = dc.TL;
    AdjustOutcome outcome = AdjustOutcome::Done;
    if (adjusted.exchangerType == kDoubleTube) {
        outcome = adjustDoubleTube(adjusted.TL, F, C, adjusted.fluidMode);
    } else if (adjustment.choice == "2") {
        outcome = adjustShellAndTube(adjusted.NT, F, C, adjusted.fluidMode);
        next.geometry.ND = tubesOnCentreLine(adjusted.NT);
        next.bundle = shellBundle(adjusted, next.geometry.P, next.geometry.shellDiameter, console);
    } else {
        outcome = adjustShellAndTube(adjusted.TL, F, C, adjusted.fluidMode);
    }
    if (outcome == AdjustOutcome::Done) return std::nullopt;
    if (adjusted.NT < kFewestTubes || adjusted.TL < kShortestTube)
        endRunBelowSmallestExchanger(console, adjusted.unitCode);
    return next;
}

}  // namespace hx
