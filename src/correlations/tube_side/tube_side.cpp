#include "correlations/tube_side/tube_side.h"

#include <cmath>

#include "core/option_codes.h"
#include "core/units.h"

namespace hx {

namespace {

std::optional<float> finite(float value) {
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

constexpr float kLaminarLimit = 2000.0f;         // Ret below it: laminar
constexpr float kLowPrandtlLimit = 0.5f;         // Prt below it: liquid-metal formula
constexpr float kHighPrandtlLimit = 200.0f;      // Prt above it: viscous-liquid formula
constexpr float kWaterFilmConductivity = 0.55f;  // kcal/mh℃
constexpr float kThinnestFilm = 1e-09f;          // m

}  // namespace

float tubeFlowArea(float DI) { return 0.785f * DI * DI; }

float tubeInsideArea(float DI, float NT, float TL) { return DI * NT * TL * 3.14f; }

float tubeVelocity(float PN, float Vr, float DI, float NT) {
    return PN * Vr / tubeFlowArea(DI) / units::kSecondsPerHour / NT;
}

float tubeReynolds(float PN, float Vr, float DI, float Vt, float NT) {
    return PN * Vr * DI / (Vt * NT * tubeFlowArea(DI));
}

float tubeFlowForReynolds(bool gasTubeSide, bool tubeOutletGiven, float actualFlow,
                          float massFlowKgPerHour, float normalDensity) {
    if (tubeOutletGiven || !gasTubeSide) return actualFlow;
    return massFlowKgPerHour / normalDensity;
}

float reynoldsViscosity(int unitCode, int humidityBasis, float formVt, float gasCorrelationVt) {
    return isSI(unitCode) && humidityBasis == kFromDewPoint ? gasCorrelationVt : formVt;
}

float laminarTubeNusselt(float Ret, float Prt, float DI, float TL) {
    return 1.62f * std::pow(Ret * Prt * DI / TL, 0.33333334f);
}

float lowPrandtlTubeNusselt(float Ret, float Prt) { return 0.625f * std::pow(Ret * Prt, 0.4f); }

float highPrandtlTubeNusselt(float Ret, float Prt) {
    return 0.023f * std::pow(Ret, 0.875f) * std::pow(Prt, 0.25f);
}

float turbulentTubeNusselt(float Ret, float Prt) {
    return 0.0396f * std::pow(Ret, 0.75f) * Prt /
           (1.0f + 1.7f * std::pow(Prt, -0.25f) * std::pow(Ret, -0.125f) * (Prt - 1.0f));
}

float plainTubeNusselt(float Ret, float Prt, float DI, float TL) {
    if (Ret < kLaminarLimit) return laminarTubeNusselt(Ret, Prt, DI, TL);
    if (Prt < kLowPrandtlLimit) return lowPrandtlTubeNusselt(Ret, Prt);
    if (Prt > kHighPrandtlLimit) return highPrandtlTubeNusselt(Ret, Prt);
    return turbulentTubeNusselt(Ret, Prt);
}

TubeFilm plainTubeFilm(const PlainTubeFlow& f) {
    TubeFilm film;
    film.Ret = tubeReynolds(f.PN, f.Vr, f.DI, f.Vt, f.NT);
    film.Ut = tubeVelocity(f.PN, f.Vr, f.DI, f.NT);
    const TubeNusselt n = tubeNusselt(f.basis, film.Ret, f.Prt, f.DI, f.TL);
    film.Nu = n.Nu;
    film.card = n.card;
    if (f.basis == CorrelationBasis::Textbook) {
        film.Xt =
            finite((f.Kt / f.DI) * n.Nu * siederTateCorrection(f.viscosityRatio) * f.correction);
        return film;
    }
    film.Xt = finite((f.Kt / f.DI) * n.Nu * f.correction);
    return film;
}

WetFilm wetGasFilm(bool wetFlag, float Xt, float ratio, float filmThickness) {
    if (!wetFlag) return {finite(Xt), 1.0f};
    const float t = filmThickness == 0.0f ? kThinnestFilm : filmThickness;
    const float filmConductance = kWaterFilmConductivity / t;  // kcal/m2h℃
    return {finite(1.0f / (1.0f / (Xt * ratio) + 1.0f / filmConductance)), ratio};
}

float handEnteredCoefficient(float entered, bool siUnits) {
    return siUnits ? entered * units::kKcalHPerWatt : entered;
}

namespace {
constexpr float kTextbookLaminarLimit = 2300.0f;  // Re up to it: Hausen
constexpr float kTextbookTurbulentFrom = 1.0e4f;  // Re from it: Gnielinski
}  // namespace

float petukhovFriction(float Re) {
    const float root = 0.790f * std::log(Re) - 1.64f;
    return 1.0f / (root * root);
}

float gnielinskiNusselt(float Re, float Pr) {
    const float f8 = petukhovFriction(Re) / 8.0f;
    return f8 * (Re - 1000.0f) * Pr /
           (1.0f + 12.7f * std::sqrt(f8) * (std::pow(Pr, 2.0f / 3.0f) - 1.0f));
}

float hausenNusselt(float Re, float Pr, float DI, float TL) {
    const float Gz = Re * Pr * DI / TL;
    return 3.66f + 0.0668f * Gz / (1.0f + 0.04f * std::pow(Gz, 2.0f / 3.0f));
}

TubeNusselt textbookTubeNusselt(float Re, float Pr, float DI, float TL) {
    if (Re <= kTextbookLaminarLimit) return {hausenNusselt(Re, Pr, DI, TL), &kHausenCard};
    if (Re >= kTextbookTurbulentFrom) return {gnielinskiNusselt(Re, Pr), &kGnielinskiCard};
    const float g = (Re - kTextbookLaminarLimit) / (kTextbookTurbulentFrom - kTextbookLaminarLimit);
    const float laminar = hausenNusselt(kTextbookLaminarLimit, Pr, DI, TL);
    const float turbulent = gnielinskiNusselt(kTextbookTurbulentFrom, Pr);
    return {(1.0f - g) * laminar + g * turbulent, &kTubeTransitionCard};
}

TubeNusselt originalTubeNusselt(float Re, float Pr, float DI, float TL) {
    const float Nu = plainTubeNusselt(Re, Pr, DI, TL);
    if (Re < kLaminarLimit) return {Nu, &kOriginalLaminarTubeCard};
    if (Pr < kLowPrandtlLimit) return {Nu, &kOriginalLowPrandtlTubeCard};
    if (Pr > kHighPrandtlLimit) return {Nu, &kOriginalViscousTubeCard};
    return {Nu, &kOriginalTurbulentTubeCard};
}

TubeNusselt tubeNusselt(CorrelationBasis basis, float Re, float Pr, float DI, float TL) {
    return basis == CorrelationBasis::Textbook ? textbookTubeNusselt(Re, Pr, DI, TL)
                                               : originalTubeNusselt(Re, Pr, DI, TL);
}

float siederTateCorrection(float viscosityRatio) { return std::pow(viscosityRatio, 0.14f); }

}  // namespace hx
