#include "calc/case/calculation_basis.h"

#include <cmath>
#include <span>
#include <string_view>

#include "core/option_codes.h"
#include "core/run_ended.h"
#include "correlations/shell_side/textbook_bell.h"

namespace hx {

namespace {

constexpr std::string_view kLayoutEnglish = " Tube layout must be 30, 45, 60 or 90 degrees";
constexpr std::string_view kLayoutJapanese =
    " 管配列角度は 30, 45, 60, 90° のいずれかを入力してください。";

constexpr std::string_view kLowCorrectionEnglish[] = {
    " The correction factor F of the 1-2 shell is below 0.75:",
    "    use more shells in series or fewer tube passes.",
};
constexpr std::string_view kLowCorrectionJapanese[] = {
    " ★ 温度差補正係数Ｆが0.75未満です。",
    "    シェル数を直列に増やすか、管側パス数を減らしてください。",
};

}  // namespace

bool onTextbookBasis(const DesignCase& dc) { return dc.calculationBasis == kTextbookBasis; }

CorrelationBasis correlationBasis(const DesignCase& dc) {
    return onTextbookBasis(dc) ? CorrelationBasis::Textbook : CorrelationBasis::Original;
}

bool usesTextbookShell(const DesignCase& dc) {
    return onTextbookBasis(dc) && dc.bellMethod && !dc.lowFin;
}

bool usesOneTwoShell(const DesignCase& dc) {
    const bool evenPasses = dc.PN >= 2.0f && std::fmod(dc.PN, 2.0f) == 0.0f;
    return onTextbookBasis(dc) && dc.bellMethod && dc.fluidMode == kSensible && !dc.wetGas &&
           evenPasses;
}

void checkTubeLayout(const DesignCase& dc, TextConsole& console) {
    // A double tube has no bundle layout: its annulus takes no layout fit.
    const bool doubleTube = dc.exchangerType == kDoubleTube || dc.doubleTubeGeometry == 1;
    if (!onTextbookBasis(dc) || doubleTube || isTubeLayout(dc.tubeLayout)) return;
    endRun(console, isJapanese(dc.unitCode) ? kLayoutJapanese : kLayoutEnglish);
}

void endOnLowCorrection(TextConsole& console, int unitCode) {
    endRun(console, isJapanese(unitCode)
                        ? std::span<const std::string_view>(kLowCorrectionJapanese)
                        : std::span<const std::string_view>(kLowCorrectionEnglish));
}

}  // namespace hx
