// Shell-side phase change: film condensation of a vapour on a horizontal
// tube bundle (Nusselt type with the row-count correction ND^−0.25), and
// pool boiling of a liquid on a bundle (a nucleate-boiling correlation with
// a bundle factor and a subcooling factor).
//
// Working units: lengths m, temperatures ℃, latent heat kcal/kg, specific
// heat kcal/kg℃, conductivity kcal/mh℃, kinematic viscosity m2/h, density
// kg/m3, flows kg/h and m3/h, heat kcal/h, pressure kgf/cm2, surface tension
// kgf/m, coefficients kcal/m2h℃.
#pragma once

#include "correlations/common/correlation_card.h"

namespace hx {

// Properties of the shell-side fluid pair.
struct ShellPhaseProperties {
    float Ls = 0.0f;    // latent heat, kcal/kg
    float rhoV = 0.0f;  // vapour density, kg/m3
    float rhoL = 0.0f;  // liquid (condensate) density, kg/m3
    float Cl = 0.0f;    // liquid specific heat, kcal/kg℃
    float nuL = 0.0f;   // liquid kinematic viscosity, m2/h
    float kl = 0.0f;    // liquid thermal conductivity, kcal/mh℃
};

struct ShellCondensationInput {
    ShellPhaseProperties props;
    float D0 = 0.0f;          // tube outside diameter, m
    float ND = 0.0f;          // tubes on the shell centre line (rows in the vertical)
    float T1 = 0.0f;          // shell saturation temperature, ℃
    float Twav = 0.0f;        // mean tube wall temperature, ℃
    float VS = 0.0f;          // shell vapour volumetric flow, m3/h
    float S = 0.0f;           // mean shell flow area of the bundle, m2
    float nuV = 0.0f;         // vapour kinematic viscosity, m2/h
    float condensate = 0.0f;  // shell condensate flow, kg/h
};

struct ShellCondensationResult {
    float Xs = 0.0f;              // condensing coefficient, kcal/m2h℃
    float Res = 0.0f;             // mean of the inlet and outlet vapour Reynolds numbers
    float Us = 0.0f;              // mean vapour velocity, m/s
    float duty = 0.0f;            // condensing duty Ls·condensate, kcal/h
    float Ga = 0.0f;              // Galileo number D0³·g/νl²
    float Pr = 0.0f;              // condensate Prandtl number Cl·νl·ρl/kl
    float Ja = 0.0f;              // inverse Jakob number Ls/(Cl·|T1 − Twav|)
    const char* fault = nullptr;  // first failed step, nullptr when sound
    bool ok() const { return fault == nullptr; }
};

// Xs = (kl/D0)·0.725·(Ga·(ρl − ρv)/ρl·Pr·Ja)^0.25·ND^−0.25 with the Galileo
// number Ga = D0³·g/νl² (g = 1.27e+08 m/h²), Pr = Cl·νl·ρl/kl and the
// inverse Jakob number Ja = Ls/(Cl·|T1 − Twav|). A wall at the saturation
// temperature leaves no driving difference and is reported as a fault.
ShellCondensationResult shellCondensation(const ShellCondensationInput& in);

struct ShellEvaporationInput {
    ShellPhaseProperties props;
    float NT = 0.0f;  // number of tubes
    float TL = 0.0f;  // tube length, m
    float TP = 0.0f;  // pitch ratio
    float D0 = 0.0f;  // tube outside diameter, m
    float Ao = 0.0f;  // bare outside area of the bundle, m2
    bool lowFin = false;
    float FH = 0.0f;        // fin height, m
    float Ps = 0.0f;        // saturated vapour pressure, kgf/cm2
    float sigma = 0.0f;     // surface tension of the liquid, kgf/m
    float T1 = 0.0f;        // shell saturation temperature, ℃
    float Tl = 0.0f;        // shell inlet liquid temperature, ℃
    float tubeFlow = 0.0f;  // tube mass flow, kg/h
    float Ct = 0.0f;        // tube specific heat, kcal/kg℃
    float T3 = 0.0f;        // tube inlet temperature, ℃
    float T4 = 0.0f;        // tube outlet temperature, ℃
    // Wall temperature weighting: the coefficients of the current pass with
    // their areas and the two fluid mean temperatures.
    float Xs = 0.0f;         // shell coefficient of the current pass, kcal/m2h℃
    float As = 0.0f;         // shell-side area, m2
    float shellMean = 0.0f;  // shell fluid mean temperature, ℃
    float Xt = 0.0f;         // tube coefficient, kcal/m2h℃
    float At = 0.0f;         // tube-side area, m2
    float tubeMean = 0.0f;   // tube fluid mean temperature, ℃
    float VS = 0.0f;         // shell volumetric flow (of the liquid fed), m3/h
    float S = 0.0f;          // mean shell flow area of the bundle, m2
};

struct ShellEvaporationResult {
    float Twav = 0.0f;            // mean tube wall temperature, ℃
    float Qe = 0.0f;              // duty from the tube stream, kcal/h
    float vapour = 0.0f;          // shell vapour flow Qe/Ls, kg/h
    float d = 0.0f;               // outside diameter over the fins (D0 for plain tubes), m
    float sinLayout = 0.0f;       // sine of the 60° layout angle, as the bundle diameter takes it
    float Dbb = 0.0f;             // bundle diameter, m
    float b = 0.0f;               // bundle ratio Dbb/TP
    float Gv = 0.0f;              // heat flux term
    float Fb = 0.0f;              // bundle factor
    float Fs = 0.0f;              // subcooling factor
    float Xs = 0.0f;              // boiling coefficient, kcal/m2h℃
    float Us = 0.0f;              // mean velocity, m/s
    const char* fault = nullptr;  // first failed step, nullptr when sound
    bool ok() const { return fault == nullptr; }
};

// Pool boiling on a bundle of 60° layout:
// Xs = F_b·F_s·[0.1575·(1/Ls)^0.69·(Ps·10000·kl/σ)^0.31·(ρl/ρv − 1)^0.33]^3.22·ΔT^2.22
// with ΔT = |Twav − T1| and F_s = exp(−0.027·(T1 − T_l)).
ShellEvaporationResult shellEvaporation(const ShellEvaporationInput& in);

// Subcooling factor exp(−0.027·(T1 − T_l)), both temperatures in ℃: a
// subcooled feed boils less readily.
float subcoolingFactor(float T1, float Tl);

// The shell inlet liquid temperature in ℃ from the field that holds it:
// entered in K in the SI unit codes, in ℃ otherwise.
float shellInletLiquidCelsius(float entered, int unitCode);

// The textbook condensing coefficient on a horizontal bundle: Nusselt's
// film on one horizontal tube with Rohsenow's latent heat corrected for
// the subcooling of the film, and Kern's row correction N^(−1/6) for the
// condensate falling from the rows above (N the tubes in a vertical row,
// taken as the tubes on the centre line).
inline constexpr CorrelationCard kNusseltKernCondensationCard{
    "Nusselt film, Kern row correction",
    "W. Nusselt, Z. VDI 60 (1916) 541-546, 569-575; D. Q. Kern, AIChE J. 4 (1958) 157-160; "
    "W. M. Rohsenow, Trans. ASME 78 (1956) 1645-1648; Incropera et al., 6th ed. (2007) "
    "eq. 10.46-10.47",
    "h = 0.729 (g rho_l (rho_l - rho_v) k_l^3 h'_fg/(mu_l dT D0))^(1/4) N^(-1/6), "
    "h'_fg = h_fg (1 + 0.68 Ja), Ja = c_l dT/h_fg",
    {"Ja", 0.0f, 0.1f},
    {"N", 1.0f, 100.0f}};

struct ShellCondensingFilm {
    float Xs = 0.0f;  // kcal/m2h℃
    float Nu = 0.0f;  // Xs·D0/kl
    const CorrelationCard* card = nullptr;
    float jakob = 0.0f;  // Cl·ΔT/Ls
    // The textbook film's inner quantities (zero on the original basis).
    float dT = 0.0f;      // |T1 − Twav|, ℃
    float latent = 0.0f;  // corrected latent heat Ls·(1 + 0.68·Ja), kcal/kg
    float muL = 0.0f;     // condensate dynamic viscosity νl·ρl, kg/mh
};

// The textbook condensing film on the bundle (see the card); ΔT = |T1 − Twav|.
ShellCondensingFilm nusseltKernCondensation(const ShellCondensationInput& in);

inline constexpr CorrelationCard kOriginalShellCondensationCard{
    "shell condensation (original)",
    "the program's original method",
    "Xs = (kl/D0) 0.725 (Ga (rho_l - rho_v)/rho_l Pr Ja)^0.25 ND^-0.25",
    {},
    {}};

// The condensing film on the bundle of a basis, with its card; the
// original's coefficient is the one shellCondensation gave (`original`,
// solved once by the caller for the vapour's Re, velocity and duty).
ShellCondensingFilm shellCondensingFilm(CorrelationBasis basis, const ShellCondensationInput& in,
                                        const ShellCondensationResult& original);

}  // namespace hx
