#include "correlations/phase_change/tube_phase_change.h"

#include <cmath>

#include "core/units.h"

namespace hx {

namespace {

std::optional<float> finite(float value) {
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace

std::optional<float> tubeCondensationCoefficient(const TubeTwoPhaseProperties& p, float DI,
                                                 float T3, float Twav) {
    const float dT = std::fabs(T3 - Twav);
    if (!(dT > 0.0f)) return std::nullopt;
    const float group = p.Ktl * p.Ktl * p.Ktl * p.Dtlv * (p.Dtlv - p.Dtv) * p.Ltv *
                        (1.0f + 0.68f * p.Ctlv * dT / p.Ltv) * units::kGravityPerHour2 /
                        (p.Vtl * p.Dtlv * DI * dT);
    return finite(0.468f * std::pow(group, 0.25f));
}

float tubeNucleateBoiling(const TubeTwoPhaseProperties& p, float Kt, float Ps, float sigma,
                          float dT) {
    const float group = 0.023f * 0.7f * std::pow(p.Ctlv / p.Ltv, 0.69f) *
                        std::pow(Ps * 10000.0f * Kt / sigma, 0.31f) *
                        std::pow(p.Dtlv / p.Dtv - 1.0f, 0.33f);
    return std::pow(group, 3.22f) * std::pow(dT, 2.22f);
}

float tubeConvectiveBoiling(const TubeTwoPhaseProperties& p, float Kt, float DI, float Ret) {
    return 0.06f * (Kt / DI) * std::pow(p.Dtlv / p.Dtv, 0.28f) * std::pow(Ret, 0.87f) *
           std::pow(p.Ctlv * p.Vtl * p.Dtlv / Kt, 0.4f);
}

TubeCondensation tubeCondensation(const TubeTwoPhaseProperties& p, const TubeTwoPhaseFlow& f) {
    const float a = tubeFlowArea(f.DI);
    // Vapour Reynolds number at the inlet (the whole vapour flow V) and at the
    // outlet (the vapour left after Wcon has condensed, (V·ρv − Wcon)/ρv).
    const float inletRe = f.PN * f.V * f.DI / (f.Vt * f.NT * a);
    const float outletRe = f.PN * (f.V * p.Dtv - f.Wcon) * f.DI / (f.Vt * f.NT * a) / p.Dtv;
    // Velocity of the vapour: at the outlet the condensed Wcon has left the
    // vapour volume, Wcon/ρv of it (the condensate itself takes little area).
    const float inletU = f.PN * f.V / a / units::kSecondsPerHour / f.NT;
    const float outletU = f.PN * (f.V - f.Wcon / p.Dtv) / a / units::kSecondsPerHour / f.NT;

    TubeCondensation result;
    result.film.Xt = tubeCondensationCoefficient(p, f.DI, f.T3, f.Twav);
    result.film.Ret = 0.5f * (inletRe + outletRe);
    result.film.Ut = 0.5f * (inletU + outletU);
    result.duty = p.Ltv * f.Wcon;
    return result;
}

TubeEvaporation tubeEvaporationParts(const TubeTwoPhaseProperties& p, const TubeTwoPhaseFlow& f,
                                     float Ps, float sigma) {
    const float a = tubeFlowArea(f.DI);
    // Liquid Reynolds number: feed mass flow V·ρv at the inlet, less the
    // evaporated Wcon at the outlet, as liquid volume (÷ ρl).
    const float inletRe = f.PN * f.V * p.Dtv * f.DI / (p.Vtl * f.NT * a * p.Dtlv);
    const float outletRe = f.PN * (f.V * p.Dtv - f.Wcon) * f.DI / (p.Vtl * f.NT * a * p.Dtlv);

    TubeEvaporation e;
    TubeFilm& film = e.film;
    film.Ret = 0.5f * (inletRe + outletRe);
    const float dT = std::fabs(f.T3 - f.Twav);
    // Both parts describe the boiling liquid: its conductivity, not the vapour's.
    e.hn = tubeNucleateBoiling(p, p.Ktl, Ps, sigma, dT);
    e.hc = tubeConvectiveBoiling(p, p.Ktl, f.DI, film.Ret);
    film.Xt = finite(0.5f * e.hn + e.hc);
    film.Ut = f.PN * (f.Wcon / p.Dtv) / a / units::kSecondsPerHour / f.NT / 2.0f;
    return e;
}

TubeFilm tubeEvaporation(const TubeTwoPhaseProperties& p, const TubeTwoPhaseFlow& f, float Ps,
                         float sigma) {
    return tubeEvaporationParts(p, f, Ps, sigma).film;
}

namespace {

float akersDeansCrosserReynolds(float G, float DI, float x, float rhoL, float rhoV, float muL) {
    return G * DI * ((1.0f - x) + x * std::sqrt(rhoL / rhoV)) / muL;
}

float akersDeansCrosserBranch(float Req, float PrL) {
    const float PrTerm = std::cbrt(PrL);
    if (Req < 5.0e4f) return 5.03f * std::cbrt(Req) * PrTerm;
    return 0.0265f * std::pow(Req, 0.8f) * PrTerm;
}

}  // namespace

float akersDeansCrosserNusselt(float G, float DI, float x, float rhoL, float rhoV, float muL,
                               float PrL) {
    return akersDeansCrosserBranch(akersDeansCrosserReynolds(G, DI, x, rhoL, rhoV, muL), PrL);
}

TubeCondensingFilm akersDeansCrosserCondensation(const TubeTwoPhaseProperties& p,
                                                 const TubeTwoPhaseFlow& f) {
    constexpr int kSteps = kQualitySteps;
    TubeCondensingFilm film;
    film.card = &kAkersDeansCrosserCard;
    film.W = f.V * p.Dtv;
    film.G = film.W * f.PN / (f.NT * tubeFlowArea(f.DI));
    film.muL = p.Vtl * p.Dtlv;
    film.PrL = p.Ctlv * film.muL / p.Ktl;
    film.xOut = 1.0f - f.Wcon / film.W;
    float sum = 0.0f;
    for (int i = 0; i < kSteps; ++i) {
        // The middle of each step of the quality range, from x = 1 down to xOut.
        const float x = 1.0f - (static_cast<float>(i) + 0.5f) * (1.0f - film.xOut) / kSteps;
        film.Req[i] = akersDeansCrosserReynolds(film.G, f.DI, x, p.Dtlv, p.Dtv, film.muL);
        film.local[i] = akersDeansCrosserBranch(film.Req[i], film.PrL);
        sum += film.local[i];
    }
    film.Nu = sum / kSteps;
    film.Xt = p.Ktl / f.DI * film.Nu;
    return film;
}

float gungorWintertonCoefficient(float G, float DI, float x, float Bo, float rhoL, float rhoV,
                                 float muL, float PrL, float kl) {
    const float ReL = G * (1.0f - x) * DI / muL;
    const float hL = 0.023f * std::pow(ReL, 0.8f) * std::pow(PrL, 0.4f) * kl / DI;
    float E = 1.0f + 3000.0f * std::pow(Bo, 0.86f) +
              1.12f * std::pow(x / (1.0f - x), 0.75f) * std::pow(rhoL / rhoV, 0.41f);
    const float FrL = G * G / (rhoL * rhoL * units::kGravityPerHour2 * DI);
    if (FrL < 0.05f) E *= std::pow(FrL, 0.1f - 2.0f * FrL);
    return E * hL;
}

TubeBoilingFilm gungorWintertonEvaporation(const TubeTwoPhaseProperties& p,
                                           const TubeTwoPhaseFlow& f, float TL) {
    constexpr int kSteps = kQualitySteps;
    TubeBoilingFilm film;
    film.card = &kGungorWintertonCard;
    film.W = f.V * p.Dtv;
    film.G = film.W * f.PN / (f.NT * tubeFlowArea(f.DI));
    film.muL = p.Vtl * p.Dtlv;
    film.PrL = p.Ctlv * film.muL / p.Ktl;
    film.area = 3.14f * f.DI * f.NT * TL;
    film.Bo = f.Wcon / (film.area * film.G);
    film.FrL = film.G * film.G / (p.Dtlv * p.Dtlv * units::kGravityPerHour2 * f.DI);
    film.xOut = f.Wcon / film.W;
    float sum = 0.0f;
    for (int i = 0; i < kSteps; ++i) {
        const float x = (static_cast<float>(i) + 0.5f) * film.xOut / kSteps;
        film.local[i] = gungorWintertonCoefficient(film.G, f.DI, x, film.Bo, p.Dtlv, p.Dtv,
                                                   film.muL, film.PrL, p.Ktl);
        sum += film.local[i];
    }
    film.Xt = sum / kSteps;
    film.Nu = film.Xt * f.DI / p.Ktl;
    return film;
}

TubePhaseFilm tubeCondensingFilm(CorrelationBasis basis, const TubeTwoPhaseProperties& p,
                                 const TubeTwoPhaseFlow& f) {
    TubePhaseFilm r;
    r.film = tubeCondensation(p, f).film;
    r.film.card = &kOriginalTubeCondensationCard;
    if (basis != CorrelationBasis::Textbook) return r;
    r.condensing = akersDeansCrosserCondensation(p, f);
    r.film.Xt = finite(r.condensing.Xt);
    r.film.Nu = r.condensing.Nu;
    r.film.card = r.condensing.card;
    r.rangeValue = r.condensing.PrL;
    return r;
}

TubePhaseFilm tubeBoilingFilm(CorrelationBasis basis, const TubeTwoPhaseProperties& p,
                              const TubeTwoPhaseFlow& f, float Ps, float sigma, float TL) {
    TubePhaseFilm r;
    const TubeEvaporation e = tubeEvaporationParts(p, f, Ps, sigma);
    r.film = e.film;
    r.film.card = &kOriginalTubeEvaporationCard;
    r.hn = e.hn;
    r.hc = e.hc;
    if (basis != CorrelationBasis::Textbook) return r;
    r.boiling = gungorWintertonEvaporation(p, f, TL);
    r.film.Xt = finite(r.boiling.Xt);
    r.film.Nu = r.boiling.Nu;
    r.film.card = r.boiling.card;
    r.rangeValue = r.boiling.xOut;
    return r;
}

}  // namespace hx
