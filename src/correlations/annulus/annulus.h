// Shell-side film coefficient of an annulus: the double-tube exchanger, or
// a shell holding a single tube. Plain inner tube: a laminar-to-transition
// fit below Res 2000 on the diameter of the open area, the Dittus–Boelter
// form with the (DS/D0)^0.45 annulus factor from 2000 up. Low-fin inner
// tube: one fit on the annulus outside the fin tips.
//
// Working units: lengths m, VS m3/h, Vs m2/h, KS kcal/mh℃, Xs kcal/m2h℃.
#pragma once

#include "correlations/common/correlation_card.h"

namespace hx {

struct AnnulusInput {
    float DS = 0.0f;   // inside diameter of the outer pipe (or shell), m
    float D0 = 0.0f;   // outside diameter of the inner tube, m
    float VS = 0.0f;   // shell volumetric flow, m3/h
    float Vs = 0.0f;   // shell kinematic viscosity, m2/h
    float KS = 0.0f;   // shell thermal conductivity, kcal/mh℃
    float Prs = 0.0f;  // shell Prandtl number
    bool lowFin = false;
    float FT = 0.0f;  // fin thickness, m
    float FH = 0.0f;  // fin height, m
    float FN = 0.0f;  // fins per inch
};

struct AnnulusResult {
    float Sa = 0.0f;   // open flow area of the annulus, m2
    float De = 0.0f;   // equivalent diameter DS − D0 (low fin: DS − fin tip diameter), m
    float Us = 0.0f;   // velocity, m/s
    float Res = 0.0f;  // Reynolds number on De
    float Xs = 0.0f;   // film coefficient on the inner tube, kcal/m2h℃
    const char* fault = nullptr;  // first failed step, nullptr when sound
    bool ok() const { return fault == nullptr; }
};

// Plain inner tube. Res < 2000: (KS/De')·0.032·Res^0.8·Prs^0.3 with
// De' = √(4·Sa/3.14); from 2000: (KS/De)·0.023·Res^0.8·Prs^0.4·(DS/D0)^0.45.
AnnulusResult plainAnnulus(const AnnulusInput& in);

// Low-fin inner tube, De = DS − Df with the fin tip diameter Df = D0 + 2·FH:
// (KS/De)·0.039·Res^0.87·Prs^0.4·((fin pitch − FT)/De)^0.4·(FH/De)^−0.19.
AnnulusResult lowFinAnnulus(const AnnulusInput& in);

// The one matching the inner tube's surface.
AnnulusResult annulusCoefficient(const AnnulusInput& in);

// ---------------------------------------------------------------------------
// The textbook basis for a plain inner tube heated or cooled through its
// wall, the outer wall taken as insulated: laminar flow by the fully
// developed inner-wall Nusselt number of Shah and London by radius ratio
// with the developing-flow terms of the VDI Heat Atlas; turbulent flow by
// Gnielinski on the hydraulic diameter DS − D0 with the annulus factor of
// Petukhov and Roizen for the inner wall; between Re 2300 and 10^4 the
// linear interpolation of the two.

inline constexpr CorrelationCard kShahLondonAnnulusCard{
    "Shah-London annulus (laminar)",
    "R. K. Shah, A. L. London, Laminar Flow Forced Convection in Ducts, Academic Press (1978); "
    "developing terms: V. Gnielinski, VDI Heat Atlas, 2nd ed. (2010) G2",
    "Nu = (Nu_fd^3 + Nu_2^3 + Nu_3^3)^(1/3), Nu_fd(D0/DS) inner wall, outer insulated; "
    "Nu_2 = 1.615 (1 + 0.14 (D0/DS)^-0.5) (Re Pr Dh/L)^(1/3), "
    "Nu_3 = (2/(1 + 22 Pr))^(1/6) (Re Pr Dh/L)^(1/2)",
    {"Re", 0.0f, 2300.0f},
    {"D0/DS", 0.05f, 1.0f}};

inline constexpr CorrelationCard kGnielinskiAnnulusCard{
    "Gnielinski annulus (turbulent)",
    "V. Gnielinski, Int. Chem. Eng. 16 (1976) 359-368 on Dh = DS - D0; annulus factor: "
    "B. S. Petukhov, L. I. Roizen, High Temp. 2 (1964) 65-68",
    "Nu = Nu_Gnielinski(Re, Pr) 0.86 (D0/DS)^-0.16",
    {"Re", 3000.0f, 5.0e6f},
    {"Pr", 0.5f, 2000.0f}};

inline constexpr CorrelationCard kAnnulusTransitionCard{
    "annulus transition",
    "V. Gnielinski, VDI Heat Atlas, 2nd ed. (2010) G1, G2 (interpolation in Re)",
    "Nu = (1 - g) Nu_laminar(2300) + g Nu_turbulent(1e4), g = (Re - 2300)/(1e4 - 2300)",
    {"Re", 2300.0f, 1.0e4f},
    {"Pr", 0.6f, 1000.0f}};

// The fully developed laminar Nusselt number on the inner wall of an
// annulus at constant wall temperature, outer wall insulated, by the radius
// ratio D0/DS (Shah and London's table: 0.05 → 17.46, 0.10 → 11.56,
// 0.25 → 7.37, 0.50 → 5.74, 1.00 → 4.86), interpolated linearly; a ratio
// outside the table takes its nearer end.
float shahLondonInnerWallNusselt(float radiusRatio);

// The mean laminar Nusselt number on the inner wall over the length L with
// the developing terms (see the card).
float laminarAnnulusNusselt(float Re, float Pr, float radiusRatio, float Dh, float L);

// Gnielinski's Nusselt number on Dh with the inner-wall annulus factor.
float turbulentAnnulusNusselt(float Re, float Pr, float radiusRatio);

struct AnnulusNusselt {
    float Nu = 0.0f;
    const CorrelationCard* card = nullptr;
};

// The textbook annulus Nusselt number by regime (laminar to Re 2300,
// turbulent from 10^4, interpolated between).
AnnulusNusselt textbookAnnulusNusselt(float Re, float Pr, float radiusRatio, float Dh, float L);

// The textbook coefficient of a plain inner tube: Res on Dh = DS − D0,
// Xs = (KS/Dh)·Nu, with the Nusselt number and its card. `L` is the heated
// length, m.
struct TextbookAnnulusResult {
    AnnulusResult flow;  // Sa, De = Dh, Us, Res, Xs
    AnnulusNusselt nusselt;
};
TextbookAnnulusResult textbookAnnulus(const AnnulusInput& in, float L);

// The original annulus correlations as a card (their regimes are in the
// formulas above; the card carries no range).
inline constexpr CorrelationCard kOriginalAnnulusCard{
    "annulus (original)",
    "the program's original method",
    "Res < 2000: (KS/De')0.032 Res^0.8 Prs^0.3; from 2000: (KS/De)0.023 Res^0.8 Prs^0.4 "
    "(DS/D0)^0.45; low fin: (KS/De)0.039 Res^0.87 Prs^0.4 ((p - FT)/De)^0.4 (FH/De)^-0.19",
    {},
    {}};

// The annulus film of a basis, with the card of the branch that ran and
// the two values its range is checked on. The textbook basis takes the
// textbook correlation for a plain inner tube; a low-fin inner tube keeps
// the original on either basis. `L` is the heated length, m.
struct AnnulusFilm {
    AnnulusResult flow;
    float Nu = 0.0f;  // 0 for the original (which forms no Nusselt number)
    const CorrelationCard* card = nullptr;
    float first = 0.0f, second = 0.0f;  // the card's range quantities
};
AnnulusFilm annulusFilm(CorrelationBasis basis, const AnnulusInput& in, float L);

}  // namespace hx
