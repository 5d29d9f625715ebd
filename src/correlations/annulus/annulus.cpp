#include "correlations/annulus/annulus.h"

#include <cmath>
#include <iterator>

#include "correlations/common/geometry.h"
#include "correlations/common/step_check.h"
#include "correlations/tube_side/tube_side.h"

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

namespace {

struct RatioPoint {
    float ratio;  // D0/DS
    float Nu;
};
// Shah and London, inner wall at constant temperature, outer insulated.
constexpr RatioPoint kInnerWallNusselt[] = {
    {0.05f, 17.46f}, {0.10f, 11.56f}, {0.25f, 7.37f}, {0.50f, 5.74f}, {1.00f, 4.86f}};

constexpr float kAnnulusLaminarLimit = 2300.0f;
constexpr float kAnnulusTurbulentFrom = 1.0e4f;

}  // namespace

float shahLondonInnerWallNusselt(float ratio) {
    const auto& t = kInnerWallNusselt;
    if (ratio <= t[0].ratio) return t[0].Nu;
    for (std::size_t i = 1; i < std::size(t); ++i) {
        if (ratio <= t[i].ratio) {
            const float w = (ratio - t[i - 1].ratio) / (t[i].ratio - t[i - 1].ratio);
            return t[i - 1].Nu + w * (t[i].Nu - t[i - 1].Nu);
        }
    }
    return t[std::size(t) - 1].Nu;
}

float laminarAnnulusNusselt(float Re, float Pr, float ratio, float Dh, float L) {
    const float x = Re * Pr * Dh / L;
    const float Nu1 = shahLondonInnerWallNusselt(ratio);
    const float Nu2 = 1.615f * (1.0f + 0.14f / std::sqrt(ratio)) * std::cbrt(x);
    const float Nu3 = std::pow(2.0f / (1.0f + 22.0f * Pr), 1.0f / 6.0f) * std::sqrt(x);
    return std::cbrt(Nu1 * Nu1 * Nu1 + Nu2 * Nu2 * Nu2 + Nu3 * Nu3 * Nu3);
}

float turbulentAnnulusNusselt(float Re, float Pr, float ratio) {
    return gnielinskiNusselt(Re, Pr) * 0.86f * std::pow(ratio, -0.16f);
}

AnnulusNusselt textbookAnnulusNusselt(float Re, float Pr, float ratio, float Dh, float L) {
    if (Re <= kAnnulusLaminarLimit)
        return {laminarAnnulusNusselt(Re, Pr, ratio, Dh, L), &kShahLondonAnnulusCard};
    if (Re >= kAnnulusTurbulentFrom)
        return {turbulentAnnulusNusselt(Re, Pr, ratio), &kGnielinskiAnnulusCard};
    const float g = (Re - kAnnulusLaminarLimit) / (kAnnulusTurbulentFrom - kAnnulusLaminarLimit);
    const float laminar = laminarAnnulusNusselt(kAnnulusLaminarLimit, Pr, ratio, Dh, L);
    const float turbulent = turbulentAnnulusNusselt(kAnnulusTurbulentFrom, Pr, ratio);
    return {(1.0f - g) * laminar + g * turbulent, &kAnnulusTransitionCard};
}

TextbookAnnulusResult textbookAnnulus(const AnnulusInput& in, float L) {
    StepCheck check;
    TextbookAnnulusResult t;
    t.flow = annulusFlow(in, in.D0, check);
    const float ratio = check.divide(in.D0, in.DS, "annulus: shell diameter");
    check.require(L > 0.0f, "annulus: length");
    t.nusselt = textbookAnnulusNusselt(t.flow.Res, in.Prs, ratio, t.flow.De, L);
    t.flow.Xs = check.divide(in.KS, t.flow.De, "annulus: equivalent diameter") * t.nusselt.Nu;
    check.value(t.flow.Xs, "annulus: coefficient");
    t.flow.fault = check.fault();
    return t;
}

AnnulusFilm annulusFilm(CorrelationBasis basis, const AnnulusInput& in, float L) {
    AnnulusFilm film;
    if (basis != CorrelationBasis::Textbook || in.lowFin) {
        film.flow = annulusCoefficient(in);
        film.card = &kOriginalAnnulusCard;
        return film;
    }
    const TextbookAnnulusResult t = textbookAnnulus(in, L);
    film.flow = t.flow;
    film.Nu = t.nusselt.Nu;
    film.card = t.nusselt.card;
    film.first = t.flow.Res;
    film.second = t.nusselt.card == &kShahLondonAnnulusCard ? in.D0 / in.DS : in.Prs;
    return film;
}

}  // namespace hx
