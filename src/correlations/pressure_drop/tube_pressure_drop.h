// Tube-side friction pressure drop, plain tubes and tubes with a twisted
// tape. Lengths m, density kg/m3, velocity m/s, pressure drop kg/cm2.
#pragma once

#include <optional>

#include "correlations/common/correlation_card.h"
#include "correlations/tube_side/twisted_tape.h"

namespace hx {

// Fanning friction factor of a plain tube: 16/Re in laminar flow
// (Ret ≤ 2000), 0.0014 + 0.125/Re^0.32 for smooth tubes in turbulent flow.
float plainTubeFriction(float Ret);

// Friction loss over PN passes of length TL in a channel of hydraulic
// diameter D: PN·(4·f·TL/D)·ρ·u²/2/9.8 (kg/m2, g = 9.8 m/s²) × 0.0001 to kg/cm2.
float tubeFrictionDrop(float PN, float f, float TL, float D, float density, float Ut);

// Reynolds number at which the laminar and turbulent tape film
// correlations meet: (c_l/c_t)^(1/(n − 0.5)).
float tapeTransitionReynolds(const TapeCoefficients& c);

// Fanning friction factor with the tape, s the swirl fraction and
// TZ/TB the wall-to-bulk absolute temperature ratio: at or above the
// transition 0.046·(1 + 3.65·s)·Re^−0.2·(TZ/TB)^−0.1, below it
// (1.45 + 6.5·s)·Re^−0.6·(TZ/TB)^−0.1.
float tapeFriction(float Ret, float s, float temperatureRatio, float transitionReynolds);

struct PlainTubeDropInputs {
    float PN = 0.0f;  // passes
    float TL = 0.0f;  // tube length, m
    float DI = 0.0f;  // inside diameter, m
    float Dt = 0.0f;  // density, kg/m3
    float Ut = 0.0f;  // velocity, m/s
    float Ret = 0.0f;
};
// DPt of plain tubes (kg/cm2); absent when not finite (Ret ≤ 0).
std::optional<float> plainTubePressureDrop(const PlainTubeDropInputs& in);

struct TapeDropInputs {
    float PN = 0.0f;
    float TL = 0.0f;
    float De = 0.0f;  // hydraulic diameter with the tape, m
    float Dt = 0.0f;
    float Ut = 0.0f;
    float Ret = 0.0f;
    float s = 0.0f;                 // swirl fraction
    TapeCoefficients coefficients;  // n, c_t, c_l of the film correlation
    float temperatureRatio = 1.0f;  // TZ/TB
};
// DPt with the tape (kg/cm2); absent when not finite.
std::optional<float> tapePressureDrop(const TapeDropInputs& in);

// ---------------------------------------------------------------------------
// The textbook tube-side drop: friction by the Darcy factor of a smooth
// tube (64/Re laminar to Re 2300, Petukhov's from 3000, interpolated
// between), plus the return losses of a multi-pass bundle, four velocity
// heads a pass (Kern). The nozzle losses, when the nozzle bores are
// entered, by the velocity heads of Serth's rule (nozzleLossDrop).

inline constexpr CorrelationCard kTubeFrictionCard{
    "smooth-tube friction (Darcy)",
    "laminar 64/Re (Hagen-Poiseuille); turbulent B. S. Petukhov, Adv. Heat Transfer 6 (1970) "
    "503-564",
    "f = 64/Re (Re <= 2300); f = (0.790 ln Re - 1.64)^-2 (Re >= 3000); linear in Re between",
    {"Re", 0.0f, 5.0e6f},
    {}};

inline constexpr CorrelationCard kReturnLossCard{
    "return losses, 4 velocity heads a pass",
    "D. Q. Kern, Process Heat Transfer, McGraw-Hill (1950) eq. 7.46; R. W. Serth, Process Heat "
    "Exchange, Elsevier (2007) eq. 5.7",
    "dP_r = 4 PN rho u^2/2",
    {},
    {}};

// Tube-side nozzle losses for regular (not enlarged) nozzles: one velocity
// head in the inlet nozzle and half a velocity head in the outlet nozzle,
// each on the nozzle's own bore.
inline constexpr CorrelationCard kTubeNozzleCard{
    "tube nozzle losses, 1 + 0.5 velocity heads",
    "R. W. Serth, Process Heat Exchange: Principles and Applications, Elsevier (2007) Table 5.3 "
    "(regular nozzles: 1.0 inlet, 0.5 outlet velocity heads)",
    "dP_n = 1.0 rho u_in^2/2 + 0.5 rho u_out^2/2, u = W/(rho 0.785 d_n^2)",
    {},
    {}};

// Nozzle losses (kg/cm2) of the mass flow W (kg/h) at the density ρ (kg/m3)
// through inlet and outlet bores d (m); a bore of 0 (not entered) adds no loss.
float nozzleLossDrop(float W, float density, float inletBore, float outletBore);

// Darcy friction factor of a smooth tube by regime (see the card).
float darcyTubeFriction(float Re);

struct TextbookTubeDrop {
    float friction = 0.0f;  // kg/cm2
    float returns = 0.0f;   // kg/cm2
    float total = 0.0f;     // kg/cm2
};
// The textbook DPt of plain tubes; absent when not finite (Ret ≤ 0).
std::optional<TextbookTubeDrop> textbookTubePressureDrop(const PlainTubeDropInputs& in);

// Return losses of PN passes, 4·PN·ρ·u²/2/9.8 × 0.0001 (kg/cm2).
float returnLossDrop(float PN, float density, float Ut);

inline constexpr CorrelationCard kOriginalTubeFrictionCard{
    "tube friction (original)",
    "the program's original method",
    "Fanning f = 16/Re (Re <= 2000), 0.0014 + 0.125/Re^0.32; friction only",
    {},
    {}};

// The plain-tube drop of a basis with its terms (0 on the original, which
// has friction only) and the card of its friction factor.
struct TubeDrop {
    std::optional<float> total;  // kg/cm2; absent when not finite (Ret ≤ 0)
    float friction = 0.0f;       // kg/cm2 (textbook)
    float returns = 0.0f;        // kg/cm2 (textbook)
    const CorrelationCard* card = nullptr;
};
TubeDrop plainTubeDrop(CorrelationBasis basis, const PlainTubeDropInputs& in);

// ---------------------------------------------------------------------------
// The textbook drop of a tube with a twisted tape: Manglik and Bergles'
// Fanning friction factors on DI and the unobstructed tube velocity (as
// their Nusselt numbers, twisted_tape.h), laminar to Re 2300, turbulent
// from 10^4, bridged linearly in Re between; plus the return losses of a
// multi-pass bundle as for plain tubes. Both forms are isothermal fits.

inline constexpr CorrelationCard kManglikBerglesLaminarFrictionCard{
    "Manglik-Bergles tape friction, laminar",
    "R. M. Manglik, A. E. Bergles, J. Heat Transfer 115 (1993) 881-889 (Part I); on DI, "
    "Part II eq. 10",
    "f = (15.767/Re) ((pi + 2 - 2 t/DI)/(pi - 4 t/DI))^2 (pi/(pi - 4 t/DI)) (1 + (pi/2y)^2) "
    "(1 + 1e-6 Sw^2.55)^(1/6)",
    {"Re", 0.0f, 2300.0f},
    {}};

inline constexpr CorrelationCard kManglikBerglesFrictionCard{
    "Manglik-Bergles tape friction, turbulent",
    "R. M. Manglik, A. E. Bergles, J. Heat Transfer 115 (1993) 890-896 (Part II)",
    "f = (0.0791/Re^0.25) (pi/(pi - 4 t/DI))^1.75 ((pi + 2 - 2 t/DI)/(pi - 4 t/DI))^1.25 "
    "(1 + 2.752/y^1.29)",
    {"Re", 1.0e4f, 1.0e6f},
    {}};

inline constexpr CorrelationCard kManglikBerglesTransitionFrictionCard{
    "Manglik-Bergles tape friction, transition",
    "R. M. Manglik, A. E. Bergles, J. Heat Transfer 115 (1993) 881-896 (Parts I and II); "
    "the bridge between them is the program's",
    "f = (1 - g) f_laminar(2300) + g f_turbulent(1e4), g = (Re - 2300)/(1e4 - 2300)",
    {"Re", 2300.0f, 1.0e4f},
    {}};

// Fanning friction factors with the tape; Re on the unobstructed tube,
// y = H/DI (180° twist), δ/DI the thickness ratio.
float manglikBerglesLaminarFriction(float Re, float y, float thicknessRatio);
float manglikBerglesTurbulentFriction(float Re, float y, float thicknessRatio);

struct TapeFriction {
    float f = 0.0f;  // Fanning
    const CorrelationCard* card = nullptr;
};
TapeFriction manglikBerglesFriction(float Re, float y, float thicknessRatio);

struct TextbookTapeDropInputs {
    float PN = 0.0f;
    float TL = 0.0f;  // m
    float DI = 0.0f;  // m
    float Dt = 0.0f;  // density, kg/m3
    float Ut = 0.0f;  // unobstructed-tube velocity, m/s
    float Re = 0.0f;  // on the unobstructed tube
    float y = 0.0f;
    float thicknessRatio = 0.0f;
};
// The textbook DPt with the tape (friction + returns, kg/cm2); the total
// absent when not finite (Re ≤ 0).
TubeDrop textbookTapeDrop(const TextbookTapeDropInputs& in);

}  // namespace hx
