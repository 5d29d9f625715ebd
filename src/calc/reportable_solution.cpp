#include "calc/reportable_solution.h"

#include <cmath>

#include "calc/progress_screen.h"
#include "calc/solution_checks.h"
#include "core/option_codes.h"

namespace hx {

namespace {

// clang-format off
// Every quantity of the summary, the check table, the humidity table and the
// result form.
constexpr float Solution::* kReported[] = {
    &Solution::Q,          &Solution::Qx,         &Solution::KI,        &Solution::KO,
    &Solution::Xt,         &Solution::Xs,         &Solution::TM,        &Solution::F,
    &Solution::Et,         &Solution::Es,         &Solution::Ret,       &Solution::Res,
    &Solution::Ut,         &Solution::Us,         &Solution::At,        &Solution::As,
    &Solution::Asf,        &Solution::EF,         &Solution::LT,        &Solution::TL,
    &Solution::ND,         &Solution::shellDiameter, &Solution::T1,     &Solution::T2,
    &Solution::T3,         &Solution::T4,         &Solution::Twav,      &Solution::Ttav,
    &Solution::Tsav,       &Solution::Dt,         &Solution::Ct,        &Solution::Vt,
    &Solution::Kt,         &Solution::Ds,         &Solution::Cs,        &Solution::Vs,
    &Solution::KS,         &Solution::DPt,        &Solution::DPs,       &Solution::Wcon,
    &Solution::Condensate, &Solution::Xi,         &Solution::Xo,        &Solution::tubeCondensation,
    &Solution::shellCondensation, &Solution::tubeMassFlowKgH, &Solution::shellMassFlowTonH,
    &Solution::tubeMassFlowTonH,  &Solution::viscosityRatio,  &Solution::Tzi, &Solution::TZo,
    &Solution::QK,         &Solution::QG,         &Solution::GWo,
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

bool solutionIsReportable(const RunInputs& in, const Solution& r) {
    for (float Solution::*q : kReported) {
        if (!std::isfinite(r.*q)) return false;
    }
    for (float Solution::*q : kNotNegative) {
        if (r.*q < 0.0f) return false;
    }
    if (!(in.dc.NT >= 1.0f) || !(r.KI > 0.0f) || !(r.TL > 0.0f)) return false;
    const bool sensible = in.dc.fluidMode == kSensible || in.dc.fluidMode == kTubeWetGas;
    return !sensible || (r.Et <= kHighestEfficiency && r.Es <= kHighestEfficiency);
}

void checkReportable(const RunInputs& in, const Solution& r, TextConsole& console) {
    if (!solutionIsReportable(in, r)) haltOnNonFinite(console, in.dc.unitCode);
}

void checkSolution(const RunInputs& in, const Solution& r, TextConsole& console) {
    checkShellAreas(in.dc, r, console);
    checkSensibleSolution(in.dc, r, console);
    checkHeatExchanged(in.dc, r, console);
    checkReportable(in, r, console);
}

}  // namespace hx
