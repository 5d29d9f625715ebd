#include "calc/checks/shell_coefficient_checks.h"

#include <cmath>

#include "core/option_codes.h"
#include "core/run_ended.h"

namespace hx {

namespace {
constexpr const char* kReduceTubesMessage =
    " ★ ウィンドウ画面 FORM７の伝熱管本数または長さを減らしてください。";
constexpr const char* kShellVelocityJapanese = "    ｼｪﾙ側流体流速が異常";
constexpr const char* kShellVelocityEnglish = "    Shell side fluid velocity is trouble";

}  // namespace

void checkShellReynolds(TextConsole& console, float Res) {
    if (Res < 0.0f || !std::isfinite(Res)) endRun(console, kReduceTubesMessage);
}

void checkFinnedShellCoefficient(TextConsole& console, int unitCode, float Xs) {
    if (Xs > 0.0f && std::isfinite(Xs)) return;
    endRun(console, isJapanese(unitCode) ? kShellVelocityJapanese : kShellVelocityEnglish);
}

}  // namespace hx
