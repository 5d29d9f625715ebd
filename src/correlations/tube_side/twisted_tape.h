// Tube-side film coefficient with a twisted-tape insert: the swirl flow of
// a tape of full-turn pitch H and thickness δ in a tube of inside diameter
// DI. Working units: m, m3/h, m2/h, kcal/mh℃, kcal/m2h℃.
#pragma once

#include <optional>

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
};

// Everything the tape pressure drop needs besides the film coefficient.
struct TapeFilm {
    std::optional<float> Xt;  // (Kt/De)·Nu, kcal/m2h℃; the tube correction factor is not applied
    float Ret = 0.0f;
    float Ut = 0.0f;  // plain-tube velocity of the flow basis Vr, m/s
    float De = 0.0f;  // hydraulic diameter, m
    float s = 0.0f;   // swirl fraction
    TapeCoefficients coefficients;
};
TapeFilm tapeFilm(const TapeFlow& flow);

}  // namespace hx
