// Tube-side film coefficient with a twisted-tape insert: the swirl flow of
// a tape of full-turn pitch H and thickness δ in a tube of inside diameter
// DI. Working units: m, m3/h, m2/h, kcal/mh℃, kcal/m2h℃.
#pragma once

#include <optional>

#include "correlations/common/correlation_card.h"

namespace hx {

// Hydraulic diameter of the tube divided by the tape (m):
// De = (3.14·DI² − 4·δ·DI)/(3.14·DI − 2·δ + 2·DI).
float tapeHydraulicDiameter(float DI, float thickness);

// Reynolds number on the flow area left by the tape, with the actual
// volumetric flow V (m3/h): Ret = PN·De·V/(Vt·NT·(0.785·DI² − δ·DI)).
float tapeReynolds(float PN, float De, float V, float Vt, float NT, float DI, float thickness);

// Swirl fraction s = (3.14·DI/H)²/(1 + (3.14·DI/H)²), the square of the sine
// of the tape's helix angle; H the full-turn pitch (m).
float tapeSwirlFraction(float DI, float pitch);

// Twist parameter y = 2·s/DI (1/m), the argument of the tape coefficients.
float tapeTwistParameter(float s, float DI);

// Coefficients of the tape correlations as functions of the twist parameter:
// Reynolds exponent n = 0.8 − 0.04·y/(1 + 0.15·y),
// turbulent factor c_t = 0.021·(1 + 0.62·y/(1 + 0.0142·y)),
// laminar factor c_l = 0.162 + 0.0488·y/(1 + 0.0893·y).
struct TapeCoefficients {
    float n = 0.0f;
    float ct = 0.0f;
    float cl = 0.0f;
};
TapeCoefficients tapeCoefficients(float y);

// Nusselt number with the tape, corrected for the wall-to-bulk absolute
// temperature ratio TZ/TB = (273 + Twav)/(273 + tube mean):
// Ret < 2000: c_l·Re^0.5·Pr^0.4·(TZ/TB)^−0.5; otherwise c_t·Re^n·Pr^0.4·(TZ/TB)^−0.5.
float tapeNusselt(float Ret, float Prt, float temperatureRatio, const TapeCoefficients& c);

struct TapeFlow {
    float DI = 0.0f;                // tube inside diameter, m
    float NT = 0.0f;                // number of tubes
    float PN = 0.0f;                // tube-side passes
    float pitch = 0.0f;             // tape full-turn pitch H, m
    float thickness = 0.0f;         // tape thickness δ, m
    float V = 0.0f;                 // actual tube volumetric flow, m3/h
    float Vr = 0.0f;                // flow basis of the velocity, m3/h
    float Vt = 0.0f;                // kinematic viscosity for Ret, m2/h
    float Kt = 0.0f;                // conductivity, kcal/mh℃
    float Prt = 0.0f;               // Prandtl number
    float temperatureRatio = 1.0f;  // TZ/TB
    CorrelationBasis basis = CorrelationBasis::Original;
    bool gas = false;             // a gas: the property correction on temperatures
    float viscosityRatio = 1.0f;  // μ_bulk/μ_wall of a liquid (textbook basis), -
    float TL = 0.0f;              // tube length, the heated length of a pass (textbook), m
};

// ---------------------------------------------------------------------------
// The textbook basis: Manglik and Bergles' correlations for a tube with a
// full-width twisted tape, laminar (Part I) and turbulent (Part II). Their
// Reynolds number and friction factor are on the tube inside diameter DI
// and the velocity of the unobstructed tube, 4·ṁ/(π·DI·μ); the factors in
// π/(π − 4δ/DI) carry that velocity to the faster flow in the area the tape
// leaves, and (π + 2 − 2δ/DI)/(π − 4δ/DI) the tube diameter to the
// hydraulic diameter of the two half-tubes. y = H/DI with H the length of a
// 180° twist (the neck-to-neck length, half the full-turn pitch). Nu is on
// DI. The program bridges the gap between the laminar form (to Re 2300) and
// the turbulent one (fitted from Re 10^4) linearly in Re, as it does for
// plain tubes.

inline constexpr CorrelationCard kManglikBerglesCard{
    "Manglik-Bergles twisted tape",
    "R. M. Manglik, A. E. Bergles, J. Heat Transfer 115 (1993) 890-896 (Part II, turbulent)",
    "Nu = 0.023 Re^0.8 Pr^0.4 (1 + 0.769/y) (pi/(pi - 4 t/DI))^0.8 "
    "((pi + 2 - 2 t/DI)/(pi - 4 t/DI))^0.2 phi; Re on the unobstructed tube; "
    "phi = (mu/mu_w)^0.18 heating, ^0.30 cooling (liquids), (Tb/Tw)^0.45 heating, ^0.15 "
    "cooling (gases)",
    {"Re", 1.0e4f, 1.0e6f},
    {}};

inline constexpr CorrelationCard kManglikBerglesLaminarCard{
    "Manglik-Bergles twisted tape, laminar",
    "R. M. Manglik, A. E. Bergles, J. Heat Transfer 115 (1993) 881-889 (Part I, laminar, "
    "uniform wall temperature)",
    "Nu = 4.612 (mu/mu_w)^0.14 {[(1 + 0.0951 Gz^0.894)^2.5 + 6.413e-9 (Sw Pr^0.391)^3.835]^2}^0.1,"
    " Gz = (pi/4) Re Pr DI/TL, Sw = Re/sqrt(y) (pi/(pi - 4 t/DI)) (1 + (pi/2y)^2)^0.5; "
    "the free-convection term 2.132e-14 (Re Ra)^2.23 is left out (no expansion coefficient)",
    {"Re", 0.0f, 2300.0f},
    {}};

inline constexpr CorrelationCard kManglikBerglesTransitionCard{
    "Manglik-Bergles twisted tape, transition",
    "R. M. Manglik, A. E. Bergles, J. Heat Transfer 115 (1993) 881-896 (Parts I and II); "
    "the bridge between them is the program's",
    "Nu = (1 - g) Nu_laminar(2300) + g Nu_turbulent(1e4), g = (Re - 2300)/(1e4 - 2300)",
    {"Re", 2300.0f, 1.0e4f},
    {}};

inline constexpr CorrelationCard kOriginalTapeCard{
    "twisted tape (original)",
    "the program's original method",
    "Nu = c_l Re^0.5 Pr^0.4 (TZ/TB)^-0.5 (Re < 2000), c_t Re^n Pr^0.4 (TZ/TB)^-0.5",
    {},
    {}};

// Reynolds number on DI and the unobstructed tube section 0.785·DI²:
// PN·DI·V/(Vt·NT·0.785·DI²).
float manglikBerglesReynolds(float PN, float V, float Vt, float NT, float DI);

// Swirl parameter Sw = Re_s/√y, Re_s on DI and the swirl velocity, the
// axial velocity in the open area times √(1 + (π/2y)²):
// Sw = (Re/√y)·(π/(π − 4δ/DI))·√(1 + (π/(2y))²).
float manglikBerglesSwirlNumber(float Re, float y, float thicknessRatio);

// The property correction φ: a liquid on the viscosity ratio μb/μw, a gas on
// the absolute temperature ratio Tw/Tb; heating when the wall is the hotter
// (Tw/Tb > 1).
float manglikBerglesPropertyFactor(bool gas, float viscosityRatio, float wallToBulkRatio);

// Turbulent Nusselt number on DI before the property correction, y = H/DI.
float manglikBerglesNusselt(float Re, float Pr, float y, float thicknessRatio);

// Laminar mean Nusselt number on DI over a heated length TL at a uniform
// wall temperature, before the viscosity correction (μb/μw)^0.14.
float manglikBerglesLaminarNusselt(float Re, float Pr, float y, float thicknessRatio, float DI,
                                   float TL);

// The Nusselt number of the textbook basis by regime (the cards above),
// with the property correction of its regime: laminar (μb/μw)^0.14 (1 for a
// gas), turbulent φ; the transition bridges the corrected end values.
struct TapeNusselt {
    float Nu = 0.0f;
    const CorrelationCard* card = nullptr;
};
struct TapeRegimeInputs {
    float Re = 0.0f;  // on the unobstructed tube
    float Pr = 0.0f;
    float y = 0.0f;               // H/DI, 180° twist
    float thicknessRatio = 0.0f;  // δ/DI
    float DI = 0.0f;              // m
    float TL = 0.0f;              // heated length, m
    bool gas = false;
    float viscosityRatio = 1.0f;   // μb/μw of a liquid
    float wallToBulkRatio = 1.0f;  // Tw/Tb, absolute
};
TapeNusselt manglikBerglesRegimeNusselt(const TapeRegimeInputs& in);

// Everything the tape pressure drop needs besides the film coefficient.
// Ret is the original method's Reynolds number on De, the argument of its
// tape friction factor; the textbook friction takes Re, y and δ/DI.
struct TapeFilm {
    std::optional<float> Xt;  // (Kt/De)·Nu, kcal/m2h℃; the tube correction factor is not applied
    float Nu = 0.0f;          // Nusselt number of the correlation that ran
    float Re = 0.0f;          // Reynolds number of that correlation
    const CorrelationCard* card = nullptr;
    float Ret = 0.0f;
    float Ut = 0.0f;  // plain-tube velocity of the flow basis Vr, m/s
    float De = 0.0f;  // hydraulic diameter, m
    float s = 0.0f;   // swirl fraction
    TapeCoefficients coefficients;
    float y = 0.0f;               // twist ratio H/DI, 180° twist (textbook)
    float thicknessRatio = 0.0f;  // δ/DI (textbook)
};
// The tape film of the basis: the original correlation, or on the textbook
// basis Manglik–Bergles by regime (Xt = (Kt/DI)·Nu·φ).
TapeFilm tapeFilm(const TapeFlow& flow);

}  // namespace hx
