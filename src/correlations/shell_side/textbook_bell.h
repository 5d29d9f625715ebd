// Shell side of a baffled bundle of plain tubes by the textbook
// Bell–Delaware method (Taborek's closed forms, Heat Exchanger Design
// Handbook): ideal tube-bank j and f from the Taborek fits by tube layout
// and Reynolds number on the cross-flow area, the correction factors J_c,
// J_l, J_b, J_r on the coefficient and R_b, R_l on the pressure drop, with
// the baffle count TL/B − 1 and equal inlet, central and outlet spacing.
//
// Working units: lengths m, areas m2, mass flow kg/h, density kg/m3,
// kinematic viscosity m2/h, specific heat kcal/kg℃, coefficient kcal/m2h℃;
// drops worked in kg/m2 (with g = 1.27e+08 m/h²) and returned in kg/cm2.
#pragma once

#include "correlations/shell_side/shell_bundle.h"

namespace hx {

// The tube layouts the fits are given for, angle to the flow in degrees.
bool isTubeLayout(float layoutDeg);

// Coefficients of the ideal tube-bank fits j = a1·(1.33/(P/D0))^a·Re^a2,
// a = a3/(1 + 0.14·Re^a4), and f likewise with b1..b4.
struct TaborekCoefficients {
    float a1 = 0.0f, a2 = 0.0f, a3 = 0.0f, a4 = 0.0f;
    float b1 = 0.0f, b2 = 0.0f, b3 = 0.0f, b4 = 0.0f;
};

// The coefficients by layout (30°, 45°, 60° as 30°, 90°) and Reynolds range
// (≥ 1e4, ≥ 1e3, ≥ 100, ≥ 10, below).
TaborekCoefficients taborekCoefficients(float layoutDeg, float Re);

// Ideal Colburn factor j and friction factor f of the tube bank at Re (on
// the cross-flow area and D0) and pitch ratio P/D0.
struct IdealBank {
    float j = 0.0f;
    float f = 0.0f;
};
IdealBank taborekIdealBank(float layoutDeg, float Re, float pitchRatio);

struct TextbookBellInput {
    // The bundle in its shell: NT, ND, D0, P, DS, B, the outer tube limit
    // (0: the bundle the shell was drawn around, (ND − 1)·P + D0), the
    // radial shell-to-baffle and baffle-hole-to-tube gaps, the sealing strip
    // pairs, the inlet and outlet spacings (0: B) and the tube layout.
    ShellBundle bundle;
    float TL = 0.0f;             // tube length, m
    float cutLevel = 0.0f;       // cut line from the centre over the radius, x
    float shellFlow = 0.0f;      // kg/h
    float Ds = 0.0f;             // density, kg/m3
    float Vs = 0.0f;             // bulk kinematic viscosity, m2/h
    float Cs = 0.0f;             // specific heat, kcal/kg℃
    float Prs = 0.0f;            // Prandtl number
    float wallViscosity = 0.0f;  // kinematic viscosity at the wall temperature, m2/h
};

// The geometry of the method in the handbook's terms.
struct TextbookBellGeometry {
    float Bc = 0.0f;        // baffle cut as a fraction of DS, (1 − x)/2
    float Dotl = 0.0f;      // bundle outer tube limit (ND − 1)·P + D0, m
    float Dctl = 0.0f;      // diameter of the outer tube centres, m
    float thetaDs = 0.0f;   // cut angle at the shell, rad
    float thetaCtl = 0.0f;  // cut angle at the tube-centre circle, rad
    float Fw = 0.0f;        // fraction of the tubes in one window
    float Fc = 0.0f;        // fraction of the tubes in cross flow, 1 − 2·Fw
    float Sw = 0.0f;        // net window flow area, m2
    float Sm = 0.0f;        // cross-flow area at the centre line, m2
    float Ntcc = 0.0f;      // tube rows crossed between baffle tips
    float Ntcw = 0.0f;      // effective tube rows crossed in one window
    float Fsbp = 0.0f;      // bypass fraction of the cross-flow area
    float Ssb = 0.0f;       // shell-to-baffle leak area, m2
    float Stb = 0.0f;       // tube-to-baffle leak area, m2
    float Nb = 0.0f;        // baffles, (TL − Bin − Bout)/B + 1 (TL/B − 1 for equal spaces)
    float Bin = 0.0f;       // inlet and outlet baffle spacings, m
    float Bout = 0.0f;
    float Lpp = 0.0f;  // distance between tube rows in the flow direction, m
    float Pe = 0.0f;   // pitch across the flow whose gaps make the cross-flow area, m
};

TextbookBellGeometry textbookBellGeometry(const TextbookBellInput& in);

struct TextbookBellResult {
    TextbookBellGeometry geometry;
    float Re = 0.0f;  // on Sm and D0
    IdealBank ideal;
    float viscosityTerm = 0.0f;  // (μ/μ_w)^0.14
    float Jc = 0.0f, Jl = 0.0f, Jb = 0.0f, Jr = 0.0f;
    // Unequal end spaces: J_s on the coefficient, R_s on the end-zone drop
    // (1 and 2 for end spaces equal to the central one).
    float Js = 1.0f, Rs = 2.0f;
    float Xs = 0.0f;       // kcal/m2h℃
    float dPbi = 0.0f;     // ideal drop of one cross-flow section, kg/m2
    float dPwi = 0.0f;     // ideal drop of one window, kg/m2
    float Rb = 0.0f;       // bypass factor
    float Rl = 0.0f;       // leakage factor
    float dPcross = 0.0f;  // all central cross-flow sections, kg/m2
    float dPwindows = 0.0f;
    float dPends = 0.0f;          // both end zones, kg/m2
    float DPs = 0.0f;             // kg/cm2
    const char* fault = nullptr;  // first failed step, nullptr when sound
    bool ok() const { return fault == nullptr; }
};

TextbookBellResult textbookBell(const TextbookBellInput& in);

}  // namespace hx
