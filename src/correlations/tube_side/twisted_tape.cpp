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

float manglikBerglesReynolds(float PN, float V, float Vt, float NT, float DI, float d) {
    return PN * DI * V / (Vt * NT * (tubeFlowArea(DI) - d * DI));
}

float manglikBerglesPropertyFactor(bool gas, float viscosityRatio, float wallToBulk) {
    const bool heating = wallToBulk > 1.0f;
    if (gas) return std::pow(1.0f / wallToBulk, heating ? 0.45f : 0.15f);
    return std::pow(viscosityRatio, heating ? 0.18f : 0.30f);
}

float manglikBerglesNusselt(float Re, float Pr, float y, float thicknessRatio) {
    constexpr float kPi = 3.14159265f;
    const float blockage = kPi / (kPi - 4.0f * thicknessRatio);
    const float perimeter = (kPi + 2.0f - 2.0f * thicknessRatio) / (kPi - 4.0f * thicknessRatio);
    return 0.023f * std::pow(Re, 0.8f) * std::pow(Pr, 0.4f) * (1.0f + 0.769f / y) *
           std::pow(blockage, 0.8f) * std::pow(perimeter, 0.2f);
}

namespace {

void manglikBerglesFilm(const TapeFlow& f, TapeFilm& film) {
    film.card = &kManglikBerglesCard;
    film.Re = manglikBerglesReynolds(f.PN, f.V, f.Vt, f.NT, f.DI, f.thickness);
    // The entered pitch is the full turn: the 180° twist is half of it.
    const float y = f.pitch / 2.0f / f.DI;
    film.Nu = manglikBerglesNusselt(film.Re, f.Prt, y, f.thickness / f.DI) *
              manglikBerglesPropertyFactor(f.gas, f.viscosityRatio, f.temperatureRatio);
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
