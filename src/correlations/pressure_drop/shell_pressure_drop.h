// Shell-side pressure drop: friction in an annulus (double tube or a single
// tube in a shell), and the Bell method for a baffled bundle (ideal
// cross-flow drop per baffle space corrected for bypass and leakage, the
// two end zones and the baffle windows).
//
// Working units: lengths m, areas m2, velocities m/s in the annulus
// formulas and m/h in the Bell method, density kg/m3, kinematic viscosity
// m2/h, flows kg/h. Drops are worked in kg/m2 and returned in kg/cm2
// (× 0.0001).
#pragma once

#include "correlations/shell_side/bell_method.h"

namespace hx {

struct AnnulusDropInput {
    float DS = 0.0f;  // inside diameter of the outer pipe, m
    float D0 = 0.0f;  // outside diameter of the inner tube, m
    float FH = 0.0f;  // fin height, m (low fin)
    bool lowFin = false;
    float TL = 0.0f;             // length, m
    float Res = 0.0f;            // annulus Reynolds number
    float Us = 0.0f;             // velocity, m/s
    float Ds = 0.0f;             // density, kg/m3
    float Vs = 0.0f;             // bulk kinematic viscosity, m2/h
    float wallViscosity = 0.0f;  // kinematic viscosity at the wall, m2/h
};

struct ShellDrop {
    float DPs = 0.0f;             // kg/cm2
    const char* fault = nullptr;  // first failed step, nullptr when sound
    bool ok() const { return fault == nullptr; }
};

// Plain inner tube: laminar f = (16/Res)·φ with the annulus shape factor
// φ = (1 − q)²/(1 + q² + (1 − q²)/ln q), q = DS/D0, for Res ≤ 2000;
// turbulent f = 0.076·Res^−0.25 above.
// DPs = (4·f·TL/De)·Us²·Ds/2/9.8·(ν_w/Vs)^0.14, De = DS − D0.
ShellDrop plainAnnulusDrop(const AnnulusDropInput& in);

// Low-fin inner tube: DPs = (0.16·Us²·TL/De)·Ds/2/9.8·(ν_w/Vs)^0.14 with
// De = DS − (D0 + 2·FH) outside the fin tips.
ShellDrop lowFinAnnulusDrop(const AnnulusDropInput& in);

ShellDrop annulusDrop(const AnnulusDropInput& in);

// Shell-side friction factor of ideal cross flow, in four ranges of Res:
// < 100, ≤ 300, ≤ 1000, above.
float crossFlowFriction(float Res);

// Leakage factor of the pressure drop from the leak areas S_tb, S_sb and
// the cross-flow area Sm; at or below 0 taken as 1, and 1 without leak area.
float leakageDropFactor(float Stb, float Ssb, float Sm);

struct BellDropInput {
    BellGeometry geometry;  // areas and counts of the coefficient calculation
    float Res = 0.0f;       // shell Reynolds number
    bool lowFin = false;
    float P = 0.0f;              // tube pitch, m
    float D0 = 0.0f;             // tube outside diameter, m
    float FH = 0.0f;             // fin height, m
    float B = 0.0f;              // baffle spacing, m
    float sealingStrips = 0.0f;  // N_ss
    float shellFlow = 0.0f;      // shell mass flow, kg/h
    float Ds = 0.0f;             // density, kg/m3
    float Vs = 0.0f;             // bulk kinematic viscosity, m2/h
    float wallViscosity = 0.0f;  // kinematic viscosity at the wall, m2/h
};

struct BellDrop {
    float cf = 0.0f;                        // fin factor
    float fs = 0.0f;                        // friction factor
    float Rb = 0.0f;                        // bypass factor
    float dPc = 0.0f;                       // ideal cross-flow drop per baffle space, kg/m2
    float dPe = 0.0f;                       // drop of one end zone, kg/m2
    float gt = 0.0f;                        // gap between tubes, m
    float um = 0.0f, uw = 0.0f, uz = 0.0f;  // cross-flow, window and mean velocities, m/h
    float Dw = 0.0f;                        // window hydraulic diameter, m
    float dPw = 0.0f;                       // drop of one window, kg/m2
    float Rl = 0.0f;                        // leakage factor
    float DPs = 0.0f;                       // kg/cm2
    const char* fault = nullptr;            // first failed step, nullptr when sound
    bool ok() const { return fault == nullptr; }
};

// DPs = (2·ΔP_e + R_l·((N_b − 1)·ΔP_c + N_b·ΔP_w))·0.0001 with N_b = TL/B.
BellDrop bellDrop(const BellDropInput& in);

}  // namespace hx
