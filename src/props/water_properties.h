// Properties of liquid water as polynomials, in the working engineering
// units: density kg/m3, specific heat kcal/(kg·℃), dynamic viscosity
// kg/(m·h), thermal conductivity kcal/(m·h·℃). Temperatures in ℃.
//
// Most correlations are polynomials in the reduced temperature
// x = (273 + t)/100 (273, not 273.15). They cover liquid water from 0 ℃;
// below 0 only the density and the conductivity are defined, and the
// density is meant up to 300 ℃.
#pragma once

#include <optional>
#include <span>

namespace hx {

// Range limits of the water set, ℃.
inline constexpr float kWaterLowestTemperature = 0.0f;            // below: not covered
inline constexpr float kWaterDensityHighestTemperature = 300.0f;  // above: outside the fit

// Reduced temperature x = (273 + t)/100 for t in ℃.
float waterReducedTemperature(float t);

// Value of the polynomial c[0] + c[1]·x + … + c[n]·xⁿ. The coefficients are
// given from the constant term up; the terms are added from the highest
// power down, the way the fits are written (a·x³ + b·x² + c·x + d).
float evaluatePolynomial(std::span<const float> coefficients, float x);

// Density of water, kg/m3, any t (fitted 0 to 300 ℃):
// −5.8125·x³ + 46.474·x² − 169·x + 1242.1.
float waterDensity(float t);

// Specific heat of water, kcal/(kg·℃), three fits: t ≥ 167, 27 ≤ t < 167,
// 0 ≤ t < 27 ℃. Empty below 0 ℃.
std::optional<float> waterSpecificHeat(float t);

// Dynamic viscosity of water, kg/(m·h), three fits: t ≥ 97, 37 ≤ t < 97,
// 0 ≤ t < 37 ℃. Empty below 0 ℃.
std::optional<float> waterViscosity(float t);

// Thermal conductivity of water, kcal/(m·h·℃), any t:
// 0.0063·x³ − 0.1262·x² + 0.7163·x − 0.6581.
float waterConductivity(float t);

// Dynamic viscosity of water, kg/(m·h), as a polynomial in the Celsius
// temperature itself, in three ranges: t ≤ 80, 80 < t ≤ 160, t > 160 ℃.
// It gives the bulk and wall viscosities of the viscosity-ratio correction
// (μ at the mean fluid temperature over μ at the mean wall temperature).
float waterWallViscosity(float t);

}  // namespace hx
