// The working units the solver's trace entries are written in (those the
// solver computes in) and the substituted input of an entry.
#pragma once

#include "core/calc_trace.h"

namespace hx::tracing {

inline constexpr const char* kC = "℃";
inline constexpr const char* kNone = "-";
inline constexpr const char* kCoefficient = "kcal/m2h℃";
inline constexpr const char* kResistance = "m2h℃/kcal";
inline constexpr const char* kHeat = "kcal/h";
inline constexpr const char* kRate = "kcal/h℃";
inline constexpr const char* kDrop = "kg/cm2";
inline constexpr const char* kDropM2 = "kg/m2";
inline constexpr const char* kPa = "Pa";
inline constexpr const char* kDensity = "kg/m3";
inline constexpr const char* kSpecificHeat = "kcal/kg℃";
inline constexpr const char* kLatentHeat = "kcal/kg";
inline constexpr const char* kViscosity = "m2/h";
inline constexpr const char* kDynamicViscosity = "kg/mh";
inline constexpr const char* kConductivity = "kcal/mh℃";
inline constexpr const char* kMassFlow = "kg/h";
inline constexpr const char* kMassFlux = "kg/m2h";

inline TraceVar var(const char* name, float value, const char* unit) { return {name, value, unit}; }

}  // namespace hx::tracing
