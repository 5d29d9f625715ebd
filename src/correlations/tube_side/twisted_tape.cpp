#include "correlations/tube_side/twisted_tape.h"

#include <cmath>

#include "correlations/tube_side/tube_side.h"

namespace hx {

float tapeHydraulicDiameter(float DI, float d) {
    return (3.14f * DI * DI - 4.0f * d * DI) / (3.14f * DI - 2.0f * d + 2.0f * DI);
}

float tapeReynolds(float PN, float De, float V, float Vt, float NT, float DI, float d) {
    return PN * De * V / (Vt * NT * (tubeFlowArea(DI) - d * DI));
}

float tapeSwirlFraction(float DI, float pitch) {
    const float q = 3.14f * DI / pitch;
    return q * q / (1.0f + q * q);
}

float tapeTwistParameter(float s, float DI) { return 2.0f * s / DI; }

TapeCoefficients tapeCoefficients(float y) {
    TapeCoefficients c;
    c.n = 0.8f - 0.04f * y / (1.0f + 0.15f * y);
    c.ct = 0.021f * (1.0f + 0.62f * y / (1.0f + 0.0142f * y));
    c.cl = 0.162f + 0.0488f * y / (1.0f + 0.0893f * y);
    return c;
}

float tapeNusselt(float Ret, float Prt, float ratio, const TapeCoefficients& c) {
    const float propertyTerms = std::pow(Prt, 0.4f) * std::pow(ratio, -0.5f);
    if (Ret < 2000.0f) return c.cl * std::pow(Ret, 0.5f) * propertyTerms;
    return c.ct * std::pow(Ret, c.n) * propertyTerms;
}

float manglikBerglesReynolds(float PN, float V, float Vt, float NT, float DI) {
    return PN * DI * V / (Vt * NT * tubeFlowArea(DI));
}

namespace {

constexpr float kPi = 3.14159265f;
constexpr float kLaminarTo = 2300.0f;     // the laminar form's end, Re
constexpr float kTurbulentFrom = 1.0e4f;  // the turbulent form's start, Re

// π/(π − 4δ/DI): the open-area velocity over the unobstructed one.
float blockage(float thicknessRatio) { return kPi / (kPi - 4.0f * thicknessRatio); }

}  // namespace

float manglikBerglesSwirlNumber(float Re, float y, float thicknessRatio) {
    const float helix = kPi / (2.0f * y);
    return Re / std::sqrt(y) * blockage(thicknessRatio) * std::sqrt(1.0f + helix * helix);
}

float manglikBerglesPropertyFactor(bool gas, float viscosityRatio, float wallToBulk) {
    const bool heating = wallToBulk > 1.0f;
    if (gas) return std::pow(1.0f / wallToBulk, heating ? 0.45f : 0.15f);
    return std::pow(viscosityRatio, heating ? 0.18f : 0.30f);
}

float manglikBerglesNusselt(float Re, float Pr, float y, float thicknessRatio) {
    const float perimeter = (kPi + 2.0f - 2.0f * thicknessRatio) / (kPi - 4.0f * thicknessRatio);
    return 0.023f * std::pow(Re, 0.8f) * std::pow(Pr, 0.4f) * (1.0f + 0.769f / y) *
           std::pow(blockage(thicknessRatio), 0.8f) * std::pow(perimeter, 0.2f);
}

float manglikBerglesLaminarNusselt(float Re, float Pr, float y, float thicknessRatio, float DI,
                                   float TL) {
    const float Gz = kPi / 4.0f * Re * Pr * DI / TL;
    const float entry = std::pow(1.0f + 0.0951f * std::pow(Gz, 0.894f), 2.5f);
    const float swirl =
        6.413e-9f *
        std::pow(manglikBerglesSwirlNumber(Re, y, thicknessRatio) * std::pow(Pr, 0.391f), 3.835f);
    const float forced = entry + swirl;
    return 4.612f * std::pow(forced * forced, 0.1f);
}

namespace {

float laminarCorrected(const TapeRegimeInputs& in, float Re) {
    const float viscosity = in.gas ? 1.0f : std::pow(in.viscosityRatio, 0.14f);
    return manglikBerglesLaminarNusselt(Re, in.Pr, in.y, in.thicknessRatio, in.DI, in.TL) *
           viscosity;
}

float turbulentCorrected(const TapeRegimeInputs& in, float Re) {
    return manglikBerglesNusselt(Re, in.Pr, in.y, in.thicknessRatio) *
           manglikBerglesPropertyFactor(in.gas, in.viscosityRatio, in.wallToBulkRatio);
}

}  // namespace

TapeNusselt manglikBerglesRegimeNusselt(const TapeRegimeInputs& in) {
    if (in.Re <= kLaminarTo) return {laminarCorrected(in, in.Re), &kManglikBerglesLaminarCard};
    if (in.Re >= kTurbulentFrom) return {turbulentCorrected(in, in.Re), &kManglikBerglesCard};
    const float g = (in.Re - kLaminarTo) / (kTurbulentFrom - kLaminarTo);
    return {
        (1.0f - g) * laminarCorrected(in, kLaminarTo) + g * turbulentCorrected(in, kTurbulentFrom),
        &kManglikBerglesTransitionCard};
}

namespace {

void manglikBerglesFilm(const TapeFlow& f, TapeFilm& film) {
    TapeRegimeInputs in;
    in.Re = manglikBerglesReynolds(f.PN, f.V, f.Vt, f.NT, f.DI);
    in.Pr = f.Prt;
    // The entered pitch is the full turn: the 180° twist is half of it.
    in.y = f.pitch / 2.0f / f.DI;
    in.thicknessRatio = f.thickness / f.DI;
    in.DI = f.DI;
    in.TL = f.TL;
    in.gas = f.gas;
    in.viscosityRatio = f.viscosityRatio;
    in.wallToBulkRatio = f.temperatureRatio;
    const TapeNusselt nu = manglikBerglesRegimeNusselt(in);
    film.card = nu.card;
    film.Re = in.Re;
    film.Nu = nu.Nu;
    film.y = in.y;
    film.thicknessRatio = in.thicknessRatio;
    const float Xt = f.Kt / f.DI * film.Nu;
    film.Xt = std::isfinite(Xt) ? std::optional<float>(Xt) : std::nullopt;
}

}  // namespace

TapeFilm tapeFilm(const TapeFlow& f) {
    TapeFilm film;
    film.De = tapeHydraulicDiameter(f.DI, f.thickness);
    film.Ret = tapeReynolds(f.PN, film.De, f.V, f.Vt, f.NT, f.DI, f.thickness);
    film.Ut = tubeVelocity(f.PN, f.Vr, f.DI, f.NT);
    film.s = tapeSwirlFraction(f.DI, f.pitch);
    film.coefficients = tapeCoefficients(tapeTwistParameter(film.s, f.DI));
    if (f.basis == CorrelationBasis::Textbook) {
        manglikBerglesFilm(f, film);
        return film;
    }
    film.card = &kOriginalTapeCard;
    film.Re = film.Ret;
    film.Nu = tapeNusselt(film.Ret, f.Prt, f.temperatureRatio, film.coefficients);
    const float Xt = (f.Kt / film.De) * film.Nu;
    if (std::isfinite(Xt)) film.Xt = Xt;
    return film;
}

}  // namespace hx
