#include "correlations/pressure_drop/tube_pressure_drop.h"

#include <cmath>

#include "correlations/tube_side/tube_side.h"

namespace hx {

namespace {

constexpr float kGravity = 9.8f;         // m/s²
constexpr float kKgM2ToKgCm2 = 0.0001f;  // kg/m2 to kg/cm2

std::optional<float> finite(float value) {
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace

float plainTubeFriction(float Ret) {
    if (Ret <= 2000.0f) return 16.0f / Ret;
    return 0.0014f + 0.125f / std::pow(Ret, 0.32f);
}

float tubeFrictionDrop(float PN, float f, float TL, float D, float density, float Ut) {
    return PN * (4.0f * f * TL / D) * density * Ut * Ut / 2.0f / kGravity * kKgM2ToKgCm2;
}

float tapeTransitionReynolds(const TapeCoefficients& c) {
    return std::pow(c.cl / c.ct, 1.0f / (c.n - 0.5f));
}

float tapeFriction(float Ret, float s, float ratio, float transitionReynolds) {
    const float wall = std::pow(ratio, -0.1f);
    if (Ret >= transitionReynolds) return 0.046f * (1.0f + 3.65f * s) * std::pow(Ret, -0.2f) * wall;
    return (1.45f + 6.5f * s) * std::pow(Ret, -0.6f) * wall;
}

std::optional<float> plainTubePressureDrop(const PlainTubeDropInputs& in) {
    if (!(in.Ret > 0.0f)) return std::nullopt;
    return finite(tubeFrictionDrop(in.PN, plainTubeFriction(in.Ret), in.TL, in.DI, in.Dt, in.Ut));
}

std::optional<float> tapePressureDrop(const TapeDropInputs& in) {
    if (!(in.Ret > 0.0f)) return std::nullopt;
    const float f =
        tapeFriction(in.Ret, in.s, in.temperatureRatio, tapeTransitionReynolds(in.coefficients));
    return finite(tubeFrictionDrop(in.PN, f, in.TL, in.De, in.Dt, in.Ut));
}

float darcyTubeFriction(float Re) {
    constexpr float kLaminarTo = 2300.0f;
    constexpr float kTurbulentFrom = 3000.0f;
    if (Re <= kLaminarTo) return 64.0f / Re;
    if (Re >= kTurbulentFrom) return petukhovFriction(Re);
    const float g = (Re - kLaminarTo) / (kTurbulentFrom - kLaminarTo);
    return (1.0f - g) * (64.0f / kLaminarTo) + g * petukhovFriction(kTurbulentFrom);
}

float returnLossDrop(float PN, float density, float Ut) {
    return 4.0f * PN * density * Ut * Ut / 2.0f / kGravity * kKgM2ToKgCm2;
}

namespace {

// Velocity heads ρ·u²/2 of W (kg/h) through a bore d (m), in kg/cm2.
float nozzleVelocityHead(float W, float density, float bore) {
    if (!(bore > 0.0f)) return 0.0f;
    constexpr float kSecondsPerHour = 3600.0f;
    const float u = W / kSecondsPerHour / (density * 0.785f * bore * bore);  // m/s
    return density * u * u / 2.0f / kGravity * kKgM2ToKgCm2;
}

}  // namespace

float nozzleLossDrop(float W, float density, float inletBore, float outletBore) {
    return 1.0f * nozzleVelocityHead(W, density, inletBore) +
           0.5f * nozzleVelocityHead(W, density, outletBore);
}

std::optional<TextbookTubeDrop> textbookTubePressureDrop(const PlainTubeDropInputs& in) {
    if (!(in.Ret > 0.0f)) return std::nullopt;
    TextbookTubeDrop d;
    // The Darcy factor is four times the Fanning factor tubeFrictionDrop takes.
    d.friction =
        tubeFrictionDrop(in.PN, darcyTubeFriction(in.Ret) / 4.0f, in.TL, in.DI, in.Dt, in.Ut);
    d.returns = returnLossDrop(in.PN, in.Dt, in.Ut);
    d.total = d.friction + d.returns;
    if (!std::isfinite(d.total)) return std::nullopt;
    return d;
}

TubeDrop plainTubeDrop(CorrelationBasis basis, const PlainTubeDropInputs& in) {
    TubeDrop d;
    if (basis != CorrelationBasis::Textbook) {
        d.total = plainTubePressureDrop(in);
        d.card = &kOriginalTubeFrictionCard;
        return d;
    }
    d.card = &kTubeFrictionCard;
    if (const std::optional<TextbookTubeDrop> t = textbookTubePressureDrop(in)) {
        d.total = t->total;
        d.friction = t->friction;
        d.returns = t->returns;
    }
    return d;
}

namespace {

constexpr float kPi = 3.14159265f;
constexpr float kTapeLaminarTo = 2300.0f;
constexpr float kTapeTurbulentFrom = 1.0e4f;

float tapeBlockage(float thicknessRatio) { return kPi / (kPi - 4.0f * thicknessRatio); }

float tapePerimeter(float thicknessRatio) {
    return (kPi + 2.0f - 2.0f * thicknessRatio) / (kPi - 4.0f * thicknessRatio);
}

}  // namespace

float manglikBerglesLaminarFriction(float Re, float y, float thicknessRatio) {
    const float perimeter = tapePerimeter(thicknessRatio);
    const float helix = kPi / (2.0f * y);
    const float Sw = manglikBerglesSwirlNumber(Re, y, thicknessRatio);
    return 15.767f / Re * perimeter * perimeter * tapeBlockage(thicknessRatio) *
           (1.0f + helix * helix) * std::pow(1.0f + 1.0e-6f * std::pow(Sw, 2.55f), 1.0f / 6.0f);
}

float manglikBerglesTurbulentFriction(float Re, float y, float thicknessRatio) {
    return 0.0791f / std::pow(Re, 0.25f) * std::pow(tapeBlockage(thicknessRatio), 1.75f) *
           std::pow(tapePerimeter(thicknessRatio), 1.25f) * (1.0f + 2.752f / std::pow(y, 1.29f));
}

TapeFriction manglikBerglesFriction(float Re, float y, float thicknessRatio) {
    if (Re <= kTapeLaminarTo)
        return {manglikBerglesLaminarFriction(Re, y, thicknessRatio),
                &kManglikBerglesLaminarFrictionCard};
    if (Re >= kTapeTurbulentFrom)
        return {manglikBerglesTurbulentFriction(Re, y, thicknessRatio),
                &kManglikBerglesFrictionCard};
    const float g = (Re - kTapeLaminarTo) / (kTapeTurbulentFrom - kTapeLaminarTo);
    return {(1.0f - g) * manglikBerglesLaminarFriction(kTapeLaminarTo, y, thicknessRatio) +
                g * manglikBerglesTurbulentFriction(kTapeTurbulentFrom, y, thicknessRatio),
            &kManglikBerglesTransitionFrictionCard};
}

TubeDrop textbookTapeDrop(const TextbookTapeDropInputs& in) {
    TubeDrop d;
    const TapeFriction f = manglikBerglesFriction(in.Re, in.y, in.thicknessRatio);
    d.card = f.card;
    if (!(in.Re > 0.0f)) return d;
    d.friction = tubeFrictionDrop(in.PN, f.f, in.TL, in.DI, in.Dt, in.Ut);
    d.returns = returnLossDrop(in.PN, in.Dt, in.Ut);
    d.total = finite(d.friction + d.returns);
    return d;
}

}  // namespace hx
