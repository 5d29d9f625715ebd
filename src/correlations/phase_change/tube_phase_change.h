// Condensation and evaporation inside the tubes (phase change on the tube
// side). Working units: ℃, m, m3/h, kg/h, kg/m3, kcal/kg, kcal/kg℃, m2/h,
// kcal/mh℃, kcal/m2h℃, kgf/cm2, kgf/m.
#pragma once

#include <array>
#include <optional>

#include "correlations/common/correlation_card.h"
#include "correlations/tube_side/tube_side.h"

namespace hx {

// Properties of the vapour and of its condensate (liquid).
struct TubeTwoPhaseProperties {
    float Ltv = 0.0f;   // latent heat, kcal/kg
    float Dtv = 0.0f;   // vapour density, kg/m3
    float Dtlv = 0.0f;  // liquid density, kg/m3
    float Ctlv = 0.0f;  // liquid specific heat, kcal/kg℃
    float Vtl = 0.0f;   // liquid kinematic viscosity, m2/h
    float Ktl = 0.0f;   // liquid conductivity, kcal/mh℃
};

struct TubeTwoPhaseFlow {
    float DI = 0.0f;    // tube inside diameter, m
    float NT = 0.0f;    // number of tubes
    float PN = 0.0f;    // tube-side passes
    float V = 0.0f;     // vapour (condensation) or feed (evaporation) volumetric flow, m3/h
    float Vt = 0.0f;    // tube (vapour) kinematic viscosity, m2/h
    float Kt = 0.0f;    // tube conductivity, kcal/mh℃
    float Wcon = 0.0f;  // condensed or evaporated flow, kg/h
    float T3 = 0.0f;    // saturation temperature, ℃
    float Twav = 0.0f;  // mean wall temperature, ℃
};

// Film condensation inside horizontal tubes, Nusselt type with the
// subcooling of the film (1 + 0.68·Cl·ΔT/L), ΔT = |T3 − Twav| > 0, g in m/h²:
// Xt = 0.468·[Kl³·ρl·(ρl − ρv)·L·(1 + 0.68·Cl·ΔT/L)·1.27e+08/(νl·ρl·DI·ΔT)]^0.25.
// Absent when the value is not finite (ΔT = 0: no driving difference).
std::optional<float> tubeCondensationCoefficient(const TubeTwoPhaseProperties& p, float DI,
                                                 float T3, float Twav);

// Nucleate part of flow boiling in the tubes, ΔT = |T3 − Twav|, Ps in
// kgf/cm2 (× 10000: to kgf/m2), σ in kgf/m, kl the liquid conductivity:
// hn = [0.023·0.7·(Cl/L)^0.69·(Ps·10000·kl/σ)^0.31·(ρl/ρv − 1)^0.33]^3.22·ΔT^2.22.
float tubeNucleateBoiling(const TubeTwoPhaseProperties& p, float Kt, float Ps, float sigma,
                          float dT);

// Convective part of flow boiling, on the liquid Reynolds number and the
// liquid conductivity kl: hc = 0.06·(kl/DI)·(ρl/ρv)^0.28·Ret^0.87·(Cl·νl·ρl/kl)^0.4.
float tubeConvectiveBoiling(const TubeTwoPhaseProperties& p, float Kt, float DI, float Ret);

struct TubeCondensation {
    TubeFilm film;      // Xt, mean vapour Ret, mean velocity
    float duty = 0.0f;  // condensing duty Ltv·Wcon, kcal/h (check table)
};

// Condensation inside the tubes: coefficient, vapour Reynolds number and
// vapour velocity as the means of the inlet and outlet values; the outlet
// vapour volume is V − Wcon/ρv.
TubeCondensation tubeCondensation(const TubeTwoPhaseProperties& p, const TubeTwoPhaseFlow& f);

// Evaporation inside the tubes: Xt = 0.5·hn + hc with the liquid's
// conductivity Ktl in both parts, Ret the mean liquid
// Reynolds number, Ut = PN·(Wcon/ρv)/a/3600/NT/2.
struct TubeEvaporation {
    TubeFilm film;
    float hn = 0.0f;  // nucleate part, kcal/m2h℃
    float hc = 0.0f;  // convective part, kcal/m2h℃
};
TubeEvaporation tubeEvaporationParts(const TubeTwoPhaseProperties& p, const TubeTwoPhaseFlow& f,
                                     float Ps, float sigma);
TubeFilm tubeEvaporation(const TubeTwoPhaseProperties& p, const TubeTwoPhaseFlow& f, float Ps,
                         float sigma);

// ---------------------------------------------------------------------------
// The textbook basis for condensation inside horizontal tubes: Akers, Deans
// and Crosser's equivalent-Reynolds-number correlation, the local value
// averaged over the quality range of the tubes (the vapour entering
// saturated, x = 1, leaving at 1 − Wcon/W), ten equal steps in x.

inline constexpr CorrelationCard kAkersDeansCrosserCard{
    "Akers-Deans-Crosser",
    "W. W. Akers, H. A. Deans, O. K. Crosser, Chem. Eng. Prog. Symp. Ser. 55(29) (1959) 171-176",
    "Nu = 5.03 Re_eq^(1/3) Pr_l^(1/3) (Re_eq < 5e4), Nu = 0.0265 Re_eq^0.8 Pr_l^(1/3) "
    "(Re_eq >= 5e4); Re_eq = G DI ((1 - x) + x (rho_l/rho_v)^0.5)/mu_l",
    {"Pr_l", 1.0f, 100.0f},
    {}};

// The local Nusselt number at quality x for the mass flux G (kg/m2h): the
// equivalent Reynolds number on the liquid viscosity μl (kg/mh).
float akersDeansCrosserNusselt(float G, float DI, float x, float rhoL, float rhoV, float muL,
                               float PrL);

// The quality range of the tubes is averaged over this many equal steps.
inline constexpr int kQualitySteps = 10;
using QualitySteps = std::array<float, kQualitySteps>;

struct TubeCondensingFilm {
    float Xt = 0.0f;   // mean coefficient over the quality range, kcal/m2h℃
    float Nu = 0.0f;   // Xt·DI/kl
    float PrL = 0.0f;  // condensate Prandtl number
    const CorrelationCard* card = nullptr;
    float W = 0.0f;        // vapour entering, kg/h
    float G = 0.0f;        // mass flux, kg/m2h
    float muL = 0.0f;      // condensate dynamic viscosity, kg/mh
    float xOut = 0.0f;     // outlet quality
    QualitySteps Req{};    // equivalent Reynolds number at the middle of each step
    QualitySteps local{};  // local Nusselt number there
};

// The textbook condensing film inside the tubes; the vapour mass flow is
// V·ρv (kg/h) split over NT/PN tubes.
TubeCondensingFilm akersDeansCrosserCondensation(const TubeTwoPhaseProperties& p,
                                                 const TubeTwoPhaseFlow& f);

// The textbook basis for evaporation inside horizontal tubes: Gungor and
// Winterton's simplified flow-boiling correlation, the local value averaged
// over the quality range (x = 0 at the inlet to Wcon/W at the outlet), ten
// equal steps in x. The boiling number is the mean heat flux over G·L,
// Wcon/(A·G) with A = 3.14·DI·NT·TL. The liquid coefficient is
// Dittus–Boelter on the liquid fraction G·(1 − x); the Froude number takes
// the whole flow as liquid. (The 1986 full form instead adds a suppressed
// nucleate term: E = 1 + 24000·Bo^1.16 + 1.37·(1/Xtt)^0.86.)
inline constexpr CorrelationCard kGungorWintertonCard{
    "Gungor-Winterton (simplified)",
    "K. E. Gungor, R. H. S. Winterton, Chem. Eng. Res. Des. 65 (1987) 148-156",
    "h = E h_l, E = 1 + 3000 Bo^0.86 + 1.12 (x/(1 - x))^0.75 (rho_l/rho_v)^0.41, times "
    "Fr_l^(0.1 - 2 Fr_l) for Fr_l < 0.05 (horizontal); h_l = 0.023 Re_l^0.8 Pr_l^0.4 k_l/DI, "
    "Re_l = G (1 - x) DI/mu_l, Fr_l = G^2/(rho_l^2 g DI)",
    {"x", 0.0f, 1.0f},
    {}};

// The local two-phase coefficient at quality x (kcal/m2h℃) for the mass
// flux G (kg/m2h), boiling number Bo, liquid viscosity μl (kg/mh).
float gungorWintertonCoefficient(float G, float DI, float x, float Bo, float rhoL, float rhoV,
                                 float muL, float PrL, float kl);

struct TubeBoilingFilm {
    float Xt = 0.0f;    // mean coefficient over the quality range, kcal/m2h℃
    float Nu = 0.0f;    // Xt·DI/kl
    float xOut = 0.0f;  // outlet quality
    const CorrelationCard* card = nullptr;
    float W = 0.0f;        // feed, kg/h
    float G = 0.0f;        // mass flux, kg/m2h
    float muL = 0.0f;      // liquid dynamic viscosity, kg/mh
    float PrL = 0.0f;      // liquid Prandtl number
    float area = 0.0f;     // inside area 3.14·DI·NT·TL, m2
    float Bo = 0.0f;       // boiling number
    float FrL = 0.0f;      // liquid Froude number of the whole flow
    QualitySteps local{};  // local coefficient at the middle of each step, kcal/m2h℃
};

// The textbook evaporating film inside the tubes of length TL (m).
TubeBoilingFilm gungorWintertonEvaporation(const TubeTwoPhaseProperties& p,
                                           const TubeTwoPhaseFlow& f, float TL);

inline constexpr CorrelationCard kOriginalTubeCondensationCard{
    "tube condensation (original)",
    "the program's original method",
    "Xt = 0.468 [kl^3 rho_l (rho_l - rho_v) L (1 + 0.68 Cl dT/L) g/(nu_l rho_l DI dT)]^0.25",
    {},
    {}};
inline constexpr CorrelationCard kOriginalTubeEvaporationCard{
    "tube evaporation (original)", "the program's original method", "Xt = 0.5 hn + hc", {}, {}};

// The phase-change films inside the tubes of a basis: the film with its
// Nusselt number and card, and the value the card's range is checked on.
struct TubePhaseFilm {
    TubeFilm film;
    float rangeValue = 0.0f;  // Pr_l (condensation) or the outlet quality (evaporation)
    // The inner quantities of the correlation that ran: the original
    // evaporation's two parts, or the textbook film (card null when not run).
    float hn = 0.0f;
    float hc = 0.0f;
    TubeCondensingFilm condensing;
    TubeBoilingFilm boiling;
};
TubePhaseFilm tubeCondensingFilm(CorrelationBasis basis, const TubeTwoPhaseProperties& p,
                                 const TubeTwoPhaseFlow& f);
TubePhaseFilm tubeBoilingFilm(CorrelationBasis basis, const TubeTwoPhaseProperties& p,
                              const TubeTwoPhaseFlow& f, float Ps, float sigma, float TL);

}  // namespace hx
