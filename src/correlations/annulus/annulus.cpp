#include "correlations/annulus/annulus.h"

#include <cmath>

#include "correlations/common/geometry.h"
#include "correlations/common/step_check.h"

namespace hx {

namespace {

// Flow area, velocity and Reynolds number of an annulus between DS and an
// inner diameter dIn (the bare tube or the fin tips).
AnnulusResult annulusFlow(const AnnulusInput& in, float dIn, StepCheck& check) {
    AnnulusResult r;
    r.Sa = 3.14f * (in.DS * in.DS - dIn * dIn) / 4.0f;
    const float massVelocityTerm = check.divide(in.VS, r.Sa, "annulus: flow area");  // m/h
    r.De = in.DS - dIn;
    r.Us = massVelocityTerm / 3600.0f;  // m/h to m/s
    r.Res = check.divide(massVelocityTerm * r.De, in.Vs, "annulus: viscosity");
    check.require(r.De > 0.0f, "annulus: equivalent diameter");
    return r;
}

}  // namespace

AnnulusResult plainAnnulus(const AnnulusInput& in) {
    StepCheck check;
    AnnulusResult r = annulusFlow(in, in.D0, check);
    if (r.Res < 2000.0f) {
        const float DeOpen = std::sqrt(4.0f * r.Sa / 3.14f);
        r.Xs = check.divide(in.KS, DeOpen, "annulus: open-area diameter") * 0.032f *
               std::pow(r.Res, 0.8f) * std::pow(in.Prs, 0.3f);
    } else {
        r.Xs = check.divide(in.KS, r.De, "annulus: equivalent diameter") * 0.023f *
               std::pow(r.Res, 0.8f) * std::pow(in.Prs, 0.4f) *
               std::pow(check.divide(in.DS, in.D0, "annulus: inner diameter"), 0.45f);
    }
    check.value(r.Xs, "annulus: coefficient");
    r.fault = check.fault();
    return r;
}

AnnulusResult lowFinAnnulus(const AnnulusInput& in) {
    StepCheck check;
    const float Df = in.D0 + 2.0f * in.FH;  // fin tip diameter
    AnnulusResult r = annulusFlow(in, Df, check);
    const float De = r.De;
    // Gap between neighbouring fins relative to De, fin height relative to De.
    const float gap = check.divide(finPitch(in.FN) - in.FT, De, "annulus: equivalent diameter");
    const float height = check.divide(in.FH, De, "annulus: equivalent diameter");
    r.Xs = (in.KS / De) * 0.039f * std::pow(r.Res, 0.87f) * std::pow(in.Prs, 0.4f) *
           std::pow(gap, 0.4f) * std::pow(height, -0.19f);
    check.value(r.Xs, "annulus: coefficient");
    r.fault = check.fault();
    return r;
}

AnnulusResult annulusCoefficient(const AnnulusInput& in) {
    return in.lowFin ? lowFinAnnulus(in) : plainAnnulus(in);
}

}  // namespace hx
