#include "props/water_properties.h"

#include <array>

namespace hx {

namespace {

// One fit of a piecewise correlation: it applies from `lowest` ℃ upward
// (the first matching piece of a table wins). Coefficients from the
// constant term up.
struct FitFrom {
    float lowest;
    std::span<const float> coefficients;
};

// One fit that applies up to and including `highest` ℃.
struct FitUpTo {
    float highest;
    std::span<const float> coefficients;
};

// Density, kg/m3, in x.
constexpr std::array<float, 4> kDensity{1242.1f, -169.0f, 46.474f, -5.8125f};

// Specific heat, kcal/(kg·℃), in x.
constexpr std::array<float, 3> kSpecificHeatHot{3.8793f, -1.3089f, 0.1512f};  // t ≥ 167
constexpr std::array<float, 3> kSpecificHeatWarm{1.2943f, -0.1851f, 0.029f};  // 27 ≤ t < 167
constexpr std::array<float, 4> kSpecificHeatCold{5.8017f, -4.5767f, 1.451f,
                                                 -0.1531f};  // 0 ≤ t < 27
constexpr std::array<FitFrom, 3> kSpecificHeat{{
    {167.0f, kSpecificHeatHot},
    {27.0f, kSpecificHeatWarm},
    {kWaterLowestTemperature, kSpecificHeatCold},
}};

// Dynamic viscosity, kg/(m·h), in x.
constexpr std::array<float, 4> kViscosityHot{20.085f, -11.277f, 2.1907f, -0.1443f};  // t ≥ 97
constexpr std::array<float, 3> kViscosityWarm{36.03f, -18.037f, 2.3204f};  // 37 ≤ t < 97
constexpr std::array<float, 4> kViscosityCold{1210.4f, -1160.2f, 373.23f, -40.213f};  // 0 ≤ t < 37
constexpr std::array<FitFrom, 3> kViscosity{{
    {97.0f, kViscosityHot},
    {37.0f, kViscosityWarm},
    {kWaterLowestTemperature, kViscosityCold},
}};

// Conductivity, kcal/(m·h·℃), in x.
constexpr std::array<float, 4> kConductivity{-0.6581f, 0.7163f, -0.1262f, 0.0063f};

// Dynamic viscosity, kg/(m·h), in t (℃) for the viscosity-ratio correction.
constexpr std::array<float, 7> kWallViscosityLow{6.4569f,      -0.21433f,    0.0044796f,
                                                 -4.3306e-05f, -1.8502e-07f, 7.1668e-09f,
                                                 -3.977e-11f};  // t ≤ 80
constexpr std::array<float, 5> kWallViscosityMiddle{3.725f, -0.052265f, 0.00036877f, -1.3899e-06f,
                                                    2.2832e-09f};  // 80 < t ≤ 160
constexpr std::array<float, 6> kWallViscosityHigh{
    1.7431f, -0.0086406f, -1.5236e-05f, 2.6101e-07f, -7.8064e-10f, 7.4752e-13f};  // t > 160
constexpr std::array<FitUpTo, 2> kWallViscosityBounded{{
    {80.0f, kWallViscosityLow},
    {160.0f, kWallViscosityMiddle},
}};

// The first fit whose range starts at or below t, evaluated in x; empty
// below the lowest range (and for a non-finite t).
std::optional<float> evaluateFrom(std::span<const FitFrom> fits, float t, float x) {
    for (const FitFrom& fit : fits) {
        if (t >= fit.lowest) return evaluatePolynomial(fit.coefficients, x);
    }
    return std::nullopt;
}

}  // namespace

float waterReducedTemperature(float t) { return (273.0f + t) / 100.0f; }

float evaluatePolynomial(std::span<const float> coefficients, float x) {
    float sum = 0.0f;
    for (std::size_t k = coefficients.size(); k-- > 0;) {
        float power = 1.0f;  // xᵏ by repeated multiplication
        for (std::size_t j = 0; j < k; ++j) power *= x;
        sum += coefficients[k] * power;
    }
    return sum;
}

float waterDensity(float t) { return evaluatePolynomial(kDensity, waterReducedTemperature(t)); }

std::optional<float> waterSpecificHeat(float t) {
    return evaluateFrom(kSpecificHeat, t, waterReducedTemperature(t));
}

std::optional<float> waterViscosity(float t) {
    return evaluateFrom(kViscosity, t, waterReducedTemperature(t));
}

float waterConductivity(float t) {
    return evaluatePolynomial(kConductivity, waterReducedTemperature(t));
}

float waterWallViscosity(float t) {
    for (const FitUpTo& fit : kWallViscosityBounded) {
        if (t <= fit.highest) return evaluatePolynomial(fit.coefficients, t);
    }
    return evaluatePolynomial(kWallViscosityHigh, t);
}

}  // namespace hx
