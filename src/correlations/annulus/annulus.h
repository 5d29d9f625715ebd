// Shell-side film coefficient of an annulus: the double-tube exchanger, or
// a shell holding a single tube. Plain inner tube: a laminar-to-transition
// fit below Res 2000 on the diameter of the open area, the Dittus–Boelter
// form with the (DS/D0)^0.45 annulus factor from 2000 up. Low-fin inner
// tube: one fit on the annulus outside the fin tips.
//
// Working units: lengths m, VS m3/h, Vs m2/h, KS kcal/mh℃, Xs kcal/m2h℃.
#pragma once

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

}  // namespace hx
