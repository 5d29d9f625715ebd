#include "calc/checks/reportable_solution.h"

#include <cmath>
#include <string>
#include <string_view>

#include "calc/checks/solution_checks.h"
#include "calc/solver/progress_screen.h"
#include "core/option_codes.h"
#include "core/run_ended.h"

namespace hx {

namespace {

// clang-format off
// Every quantity of the summary, the check table, the humidity table and the
// result form, with the label the reports print it under.
struct Reported {
    float Solution::* member;
    const char* label;
};
constexpr Reported kReported[] = {
    {&Solution::Q, "Q"}, {&Solution::Qx, "Qx"}, {&Solution::KI, "KI"}, {&Solution::KO, "KO"},
    {&Solution::Xt, "Xt"}, {&Solution::Xs, "Xs"}, {&Solution::TM, "TM"}, {&Solution::F, "F"},
    {&Solution::Et, "Et"}, {&Solution::Es, "Es"}, {&Solution::Ret, "Ret"}, {&Solution::Res, "Res"},
    {&Solution::Ut, "Ut"}, {&Solution::Us, "Us"}, {&Solution::At, "At"}, {&Solution::As, "As"},
    {&Solution::Asf, "Asf"}, {&Solution::EF, "EF"}, {&Solution::LT, "LT"}, {&Solution::TL, "TL"},
    {&Solution::ND, "ND"}, {&Solution::shellDiameter, "DS"}, {&Solution::T1, "T1"},
    {&Solution::T2, "T2"}, {&Solution::T3, "T3"}, {&Solution::T4, "T4"},
    {&Solution::Twav, "Twav"}, {&Solution::Ttav, "Ttav"}, {&Solution::Tsav, "Tsav"},
    {&Solution::Dt, "Dt"}, {&Solution::Ct, "Ct"}, {&Solution::Vt, "Vt"}, {&Solution::Kt, "Kt"},
    {&Solution::Ds, "Ds"}, {&Solution::Cs, "Cs"}, {&Solution::Vs, "Vs"}, {&Solution::KS, "KS"},
    {&Solution::DPt, "DPt"}, {&Solution::DPs, "DPs"}, {&Solution::Wcon, "Wcon"},
    {&Solution::Condensate, "Condensate"}, {&Solution::Xi, "Xi"}, {&Solution::Xo, "Xo"},
    {&Solution::tubeCondensation, "Wt(condensate)"}, {&Solution::shellCondensation, "Ws(condensate)"},
    {&Solution::tubeMassFlowKgH, "Wt"}, {&Solution::shellMassFlowTonH, "Ws"},
    {&Solution::tubeMassFlowTonH, "Wt"}, {&Solution::viscosityRatio, "η/ηw"},
    {&Solution::Tzi, "Tzi"}, {&Solution::TZo, "TZo"}, {&Solution::QK, "QK"},
    {&Solution::QG, "QG"}, {&Solution::GWo, "GWo"},
};

// Quantities that cannot be negative in any exchanger.
constexpr float Solution::* kNotNegative[] = {
    &Solution::Q,  &Solution::TM,  &Solution::At,   &Solution::As,   &Solution::Asf,
    &Solution::LT, &Solution::TL,  &Solution::Ut,   &Solution::Us,   &Solution::DPt,
    &Solution::DPs, &Solution::Wcon, &Solution::tubeCondensation, &Solution::shellCondensation,
};
// clang-format on

// The largest efficiency that still prints as 1.0000.
constexpr float kHighestEfficiency = 1.00005f;

}  // namespace

namespace {

// The label of the first reported quantity that is not a number, or one
// that cannot be negative and is; "" when every one is sound.
std::string_view firstUnsound(const Solution& r) {
    for (const Reported& q : kReported)
        if (!std::isfinite(r.*q.member)) return q.label;
    for (float Solution::*q : kNotNegative) {
        if (!(r.*q < 0.0f)) continue;
        for (const Reported& named : kReported)
            if (named.member == q) return named.label;
    }
    return {};
}

}  // namespace

bool solutionIsReportable(const RunInputs& in, const Solution& r) {
    if (!firstUnsound(r).empty()) return false;
    if (!(in.dc.NT >= 1.0f) || !(r.KI > 0.0f) || !(r.TL > 0.0f)) return false;
    const bool sensible = in.dc.fluidMode == kSensible || in.dc.fluidMode == kTubeWetGas;
    return !sensible || (r.Et <= kHighestEfficiency && r.Es <= kHighestEfficiency);
}

void checkReportable(const RunInputs& in, const Solution& r, TextConsole& console) {
    if (solutionIsReportable(in, r)) return;
    const std::string_view label = firstUnsound(r);
    if (label.empty()) haltOnNonFinite(console, in.dc.unitCode);
    // Which result came out as no number (or negative), so that the user
    // knows where to look among the entries.
    const bool japanese = isJapanese(in.dc.unitCode);
    const std::string line =
        japanese ? "    計算結果 " + std::string(label) + " が数値になりません。"
                 : "    The result " + std::string(label) + " is not a sound number.";
    endRun(console, {japanese ? kCalculationFailedJapanese : kCalculationFailedEnglish, line});
}

void checkSolution(const RunInputs& in, const Solution& r, TextConsole& console) {
    checkShellAreas(in.dc, r, console);
    checkSensibleSolution(in.dc, r, console);
    checkHeatExchanged(in.dc, r, console);
    checkReportable(in, r, console);
}

}  // namespace hx
