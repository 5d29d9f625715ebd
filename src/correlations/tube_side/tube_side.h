// Tube-side film coefficient of plain tubes in single-phase flow, and the
// flow bases of the tube Reynolds number and velocity.
//
// Working units: lengths m, volumetric flows m3/h, kinematic viscosity
// m2/h, conductivity kcal/mh℃, film coefficients kcal/m2h℃, velocity m/s.
#pragma once

#include <optional>

#include "correlations/common/correlation_card.h"

namespace hx {

// Result of a tube-side film evaluation. `Xt` is absent when the
// correlation gives no finite value (for instance a negative Reynolds
// number under a fractional power); `Ret` and `Ut` are kept so that the
// area checks can still see a negative Reynolds number.
struct TubeFilm {
    std::optional<float> Xt;  // film coefficient, kcal/m2h℃
    float Ret = 0.0f;         // tube Reynolds number, -
    float Ut = 0.0f;          // tube velocity, m/s
    float Nu = 0.0f;          // Nusselt number of the correlation (before any correction)
    const CorrelationCard* card = nullptr;  // the correlation's branch that ran
};

// Flow cross-section of one tube, 0.785·DI² (m2).
float tubeFlowArea(float DI);

// Inside heat-transfer area of the bundle, DI·NT·TL·3.14 (m2).
float tubeInsideArea(float DI, float NT, float TL);

// Tube velocity PN·Vr/a/3600/NT (m/s); Vr in m3/h, ÷ 3600: per hour to per second.
float tubeVelocity(float PN, float Vr, float DI, float NT);

// Tube Reynolds number PN·Vr·DI/(Vt·NT·a); Vr in m3/h, Vt in m2/h.
float tubeReynolds(float PN, float Vr, float DI, float Vt, float NT);

// The volumetric flow on which Ret and Ut are based (m3/h). With the tube
// outlet given it is the actual flow the heat balance produced; otherwise a
// liquid uses its actual flow and a gas its normal flow (kg/h over the
// normal density, Nm3/h).
float tubeFlowForReynolds(bool gasTubeSide, bool tubeOutletGiven, float actualFlow,
                          float massFlowKgPerHour, float normalDensity);

// The tube kinematic viscosity used for Ret (m2/h): the gas-correlation
// value in the SI codes with the humidity taken from the dew point, the
// value of the main input form (or of the water correlation) otherwise.
float reynoldsViscosity(int unitCode, int humidityBasis, float formVt, float gasCorrelationVt);

// Laminar developing flow, Ret < 2000: Nu = 1.62·(Re·Pr·DI/TL)^(1/3).
float laminarTubeNusselt(float Ret, float Prt, float DI, float TL);

// Turbulent flow of liquid metals and other fluids with Pr < 0.5:
// Nu = 0.625·(Re·Pr)^0.4.
float lowPrandtlTubeNusselt(float Ret, float Prt);

// Turbulent flow of viscous liquids, Pr > 200: Nu = 0.023·Re^0.875·Pr^0.25.
float highPrandtlTubeNusselt(float Ret, float Prt);

// Turbulent flow, 0.5 ≤ Pr ≤ 200:
// Nu = 0.0396·Re^0.75·Pr/(1 + 1.7·Pr^−0.25·Re^−0.125·(Pr − 1)).
float turbulentTubeNusselt(float Ret, float Prt);

// The plain-tube Nusselt number by regime: laminar below Ret 2000, then by
// the Prandtl number (below 0.5, above 200, the middle formula between and
// at both limits).
float plainTubeNusselt(float Ret, float Prt, float DI, float TL);

// Inputs of the plain-tube film coefficient.
struct PlainTubeFlow {
    float DI = 0.0f;          // tube inside diameter, m
    float NT = 0.0f;          // number of tubes
    float TL = 0.0f;          // tube length, m
    float PN = 0.0f;          // tube-side passes
    float Vr = 0.0f;          // flow for Ret and Ut, m3/h (tubeFlowForReynolds)
    float Vt = 0.0f;          // kinematic viscosity for Ret, m2/h
    float Kt = 0.0f;          // conductivity, kcal/mh℃
    float Prt = 0.0f;         // Prandtl number
    float correction = 1.0f;  // tube-side correction factor
    CorrelationBasis basis = CorrelationBasis::Original;
    float viscosityRatio = 1.0f;  // μ_bulk/μ_wall of a liquid (textbook basis), -
};

// Xt = (Kt/DI)·Nu·correction, with Ret and Ut; on the textbook basis Nu is
// the textbook one and the Sieder–Tate correction multiplies it.
TubeFilm plainTubeFilm(const PlainTubeFlow& flow);

// Wet-gas film: the water film condensed on the wall adds its conduction
// resistance t/0.55 (0.55 kcal/mh℃ the conductivity of water) to the gas
// film enhanced by `ratio` (the H.tr.increased ratio).
// Xt = 1/(1/(Xt·ratio) + 1/(0.55/t)); a thickness of 0 is taken as 1e-09 m.
struct WetFilm {
    std::optional<float> Xt;  // film coefficient after the water film, kcal/m2h℃
    float ratio = 1.0f;       // the H.tr.increased ratio in force
};
// Without the wet flag the ratio becomes 1 and Xt stays.
WetFilm wetGasFilm(bool wetFlag, float Xt, float ratio, float filmThickness);

// A coefficient entered by hand, in kcal/m2h℃: entries in W/m2K (the SI
// codes) are multiplied by 0.8598.
float handEnteredCoefficient(float entered, bool siUnits);

// ---------------------------------------------------------------------------
// The textbook basis: Gnielinski's turbulent form with Petukhov's friction
// factor, Hausen's laminar mean for a constant wall temperature, and the
// interpolation between them in the transition range; the Sieder–Tate
// viscosity correction at the wall temperature.

inline constexpr CorrelationCard kGnielinskiCard{
    "Gnielinski",
    "V. Gnielinski, Int. Chem. Eng. 16 (1976) 359-368; friction factor: B. S. Petukhov, "
    "Adv. Heat Transfer 6 (1970) 503-564",
    "Nu = (f/8)(Re-1000)Pr/(1 + 12.7(f/8)^0.5(Pr^(2/3) - 1)), f = (0.790 ln Re - 1.64)^-2",
    {"Re", 3000.0f, 5.0e6f},
    {"Pr", 0.5f, 2000.0f}};

inline constexpr CorrelationCard kHausenCard{
    "Hausen",
    "H. Hausen, Z. VDI Beih. Verfahrenstech. 4 (1943) 91-98; Incropera et al., Fundamentals of "
    "Heat and Mass Transfer, 6th ed. (2007) eq. 8.57",
    "Nu = 3.66 + 0.0668 Gz/(1 + 0.04 Gz^(2/3)), Gz = Re Pr DI/TL (constant wall temperature)",
    {"Re", 0.0f, 2300.0f},
    {}};

inline constexpr CorrelationCard kTubeTransitionCard{
    "Gnielinski transition",
    "V. Gnielinski, VDI Heat Atlas, 2nd ed. (2010) G1 eq. 30",
    "Nu = (1 - g) Nu_Hausen(2300) + g Nu_Gnielinski(1e4), g = (Re - 2300)/(1e4 - 2300)",
    {"Re", 2300.0f, 1.0e4f},
    {"Pr", 0.6f, 1000.0f}};

inline constexpr CorrelationCard kSiederTateCard{
    "Sieder-Tate viscosity correction",
    "E. N. Sieder, G. E. Tate, Ind. Eng. Chem. 28 (1936) 1429-1435",
    "factor = (mu_bulk/mu_wall)^0.14",
    {"mu/mu_w", 0.0044f, 9.75f},
    {}};

// The original correlations' regimes, as cards of their own.
inline constexpr CorrelationCard kOriginalLaminarTubeCard{"laminar tube (original)",
                                                          "the program's original method",
                                                          "Nu = 1.62 (Re Pr DI/TL)^(1/3)",
                                                          {"Re", 0.0f, 2000.0f},
                                                          {}};
inline constexpr CorrelationCard kOriginalLowPrandtlTubeCard{"low-Prandtl tube (original)",
                                                             "the program's original method",
                                                             "Nu = 0.625 (Re Pr)^0.4",
                                                             {"Re", 2000.0f, 1.0e7f},
                                                             {"Pr", 0.0f, 0.5f}};
inline constexpr CorrelationCard kOriginalViscousTubeCard{"viscous-liquid tube (original)",
                                                          "the program's original method",
                                                          "Nu = 0.023 Re^0.875 Pr^0.25",
                                                          {"Re", 2000.0f, 1.0e7f},
                                                          {"Pr", 200.0f, 1.0e5f}};
inline constexpr CorrelationCard kOriginalTurbulentTubeCard{
    "turbulent tube (original)",
    "the program's original method",
    "Nu = 0.0396 Re^0.75 Pr/(1 + 1.7 Pr^-0.25 Re^-0.125 (Pr - 1))",
    {"Re", 2000.0f, 1.0e7f},
    {"Pr", 0.5f, 200.0f}};

// A Nusselt number with the card of the branch that gave it.
struct TubeNusselt {
    float Nu = 0.0f;
    const CorrelationCard* card = nullptr;
};

// Petukhov's friction factor of a smooth tube (Darcy): f = (0.790·ln Re − 1.64)^−2.
float petukhovFriction(float Re);

// Gnielinski's turbulent Nusselt number (fully developed, smooth tube).
float gnielinskiNusselt(float Re, float Pr);

// Hausen's mean Nusselt number of laminar flow at a constant wall
// temperature over the tube length TL (thermal entry, developed velocity).
float hausenNusselt(float Re, float Pr, float DI, float TL);

// The textbook plain-tube Nusselt number: Hausen up to Re 2300, Gnielinski
// from 10^4, and between the two the linear interpolation in Re between
// Hausen's value at 2300 and Gnielinski's at 10^4.
TubeNusselt textbookTubeNusselt(float Re, float Pr, float DI, float TL);

// The original plain-tube Nusselt number with the card of its regime.
TubeNusselt originalTubeNusselt(float Re, float Pr, float DI, float TL);

// The plain-tube Nusselt number of the basis.
TubeNusselt tubeNusselt(CorrelationBasis basis, float Re, float Pr, float DI, float TL);

// The Sieder–Tate correction (μ_bulk/μ_wall)^0.14 from the viscosity ratio.
float siederTateCorrection(float viscosityRatio);

}  // namespace hx
