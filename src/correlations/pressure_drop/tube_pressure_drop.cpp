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

}  // namespace hx
