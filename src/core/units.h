// The working unit system and the conversion constants.
//
// Inside a run every quantity is held in the older engineering units: ℃, m,
// kg/h, m3/h, kcal/h, kcal/m2h℃, kcal/mh℃, kcal/kg℃, kcal/kg, m2/h, kg/m3,
// m2h℃/kcal, kg/cm2 (1 atm = 1.033), hours. SI entries are converted when
// read and SI results when shown, always with these constants.
#pragma once

namespace hx::units {

inline constexpr float kKJPerKcal =
    4.186f;  // latent heat, vapour/gas specific heat: kJ/kg ÷ 4.186 = kcal/kg
inline constexpr float kKJPerKcalCondensate =
    4.18f;  // condensate (liquid film) specific heat: kJ/kgK ÷ 4.18 = kcal/kg℃
inline constexpr float kSecondsPerHour = 3600.0f;  // kinematic viscosity: m2/s × 3600 = m2/h
inline constexpr float kWattPerKcalH =
    1.163f;  // conductivity: W/mK ÷ 1.163 = kcal/mh℃; fouling m2K/W × 1.163 = m2h℃/kcal
inline constexpr float kKcalHPerWatt =
    0.8598f;  // hand-entered coefficient: W/m2K × 0.8598 = kcal/m2h℃
inline constexpr float kMPaPerKgfCm2 = 0.098f;        // pressure: kg/cm2 × 0.098 = MPa
inline constexpr float kKelvinOffset = 273.0f;        // temperature: K − 273 = ℃
inline constexpr float kKgPerTon = 1000.0f;           // flow: ton/h × 1000 = kg/h
inline constexpr float kGravityPerHour2 = 1.27e+08f;  // acceleration of gravity in m/h²
inline constexpr float kMetresPerMm = 0.001f;         // entered millimetres to metres
inline constexpr float kAtmKgfCm2 = 1.033f;           // 1 atm in kg/cm2

}  // namespace hx::units
