// Shell-side film coefficient of a baffled tube bundle by the Bell method:
// an ideal cross-flow coefficient from a Colburn factor, corrected for the
// tubes in the baffle windows (J_c), the bundle-to-shell bypass (J_b), the
// laminar build-up over many rows (J_r) and the baffle leakage (J_l).
//
// Working units: lengths m, areas m2, flows kg/h and m3/h, kinematic
// viscosities m2/h, specific heat kcal/kg℃, coefficient kcal/m2h℃, angles in
// degrees.
#pragma once

#include <optional>
#include <string>

namespace hx {

// ---------------------------------------------------------------------------
// Bundle geometry: shell diameter, the mean shell flow area and the shell
// Reynolds number, computed on every solver pass.

struct BundleInput {
    float NT = 0.0f;  // number of tubes
    float D0 = 0.0f;  // tube outside diameter, m
    float DI = 0.0f;  // tube inside diameter, m
    float TL = 0.0f;  // tube length, m
    float P = 0.0f;   // tube pitch, m
    float B = 0.0f;   // baffle spacing, m (the double tube uses TL)
    float Fw = 0.0f;  // window fraction of the baffle cut
    bool lowFin = false;
    float FT = 0.0f;  // fin thickness, m
    float FH = 0.0f;  // fin height, m
    float FN = 0.0f;  // fins per inch
    float VS = 0.0f;  // shell volumetric flow, m3/h
    float Vs = 0.0f;  // shell kinematic viscosity, m2/h
    // The double tube's entered outer tube diameter, m; without it the
    // shell diameter follows the bundle rule (ND + 1)·P.
    std::optional<float> enteredDS;
};

struct BundleGeometry {
    float ND = 0.0f;              // tubes on the shell centre line
    float Ao = 0.0f;              // bare outside area NT·D0·TL·3.14, m2
    float wallThickness = 0.0f;   // (D0 − DI)/2, m
    float DS = 0.0f;              // inside shell diameter, m
    float centreRowTubes = 0.0f;  // DS/P − 1
    float SmCentre = 0.0f;        // cross-flow area at the centre row Sm', m2
    float grossWindow = 0.0f;     // Fw·0.785·DS², m2
    float S = 0.0f;               // mean flow area √(Sm'·window), m2
    float Us = 0.0f;              // shell velocity, m/s
    float Res = 0.0f;             // shell Reynolds number on D0
    const char* fault = nullptr;  // first failed step, nullptr when sound
    bool ok() const { return fault == nullptr; }
};

BundleGeometry bundleGeometry(const BundleInput& in);

// Cross-flow area at the centre row, m2. Plain tubes (DS − n·D0)·B; low-fin
// tubes DS·B − (D0·B + 2·FT·FH·B·FN/0.0254)·n, where n tubes stand across the
// row and FN/0.0254 is the number of fins per metre.
float centreRowCrossFlowArea(float DS, float D0, float B, float n, bool lowFin, float FT, float FH,
                             float FN);

// ---------------------------------------------------------------------------
// The Bell-method correlations, each with its range.

// Baffle cut angle θ (deg) subtended at the shell centre by the cut chord,
// for the cut level x = distance of the cut line from the centre / radius
// (0 to 0.6): x = 0 gives 180°.
float baffleCutAngle(float cutLevel);

// Fin factor on the ideal coefficient: 1 for plain tubes; low-fin tubes
// lose effectiveness at low Res (fitted for Res up to 840, 1 above).
float finFactor(bool lowFin, float Res);

// Colburn factor j of ideal cross flow on an ideal tube bank, in three
// ranges of Res: ≤ 200, ≤ 600, above.
float colburnFactor(float Res);

// Coefficient of DS² in the net window area: 0.962·Fw − 0.0909.
float windowCoefficient(float Fw);

// Fraction of the cross-section of a tube on the cut line that lies in the
// window, from the cut edge angle α (deg) seen from the tube centre.
float cutLineTubeFraction(float cutEdgeAngleDeg);

// Window correction J_c from the fraction F_w of tubes in the windows and
// the ratio of cross-flow to window area: 1 − F_w + 0.524·F_w^0.32·(Sm/Sw)^0.03.
float windowCorrection(float Fw, float Sm, float Sw);

// Bypass correction exp(−k·F_sbp·(1 − (2·N_ss/N_c)^0.333)): F_sbp the bypass
// fraction of the cross-flow area, N_ss sealing-strip pairs, N_c rows
// crossed. k = 1.25 for heat transfer; the pressure drop uses 4.5 / 3.8.
float bypassCorrection(float k, float Fsbp, float Nss, float Nc);

// Laminar correction (N_t/13)^0.18 for Res < 100 with N_t rows crossed in
// the whole exchanger; 1 from Res = 100 up.
float laminarCorrection(float Nt, float Res);

// Leakage correction J_l from the tube-to-baffle and shell-to-baffle leak
// areas S_tb, S_sb (m2) and the cross-flow area Sm. A value at or below 0
// (very large gaps, outside the fit) is taken as 1; with no leak area at
// all there is no leakage and J_l is 1.
float leakageCorrection(float Stb, float Ssb, float Sm);

// ---------------------------------------------------------------------------
// The whole method.

// The console answers for a bundle whose tubes stand on the cut line: tubes
// in one baffle window (not touching the cut line) and tube rows in one
// window (perpendicular to the cut line).
struct WindowTubes {
    float tubes = 0.0f;
    float rows = 0.0f;
};

struct BellInput {
    float NT = 0.0f;              // number of tubes
    float ND = 0.0f;              // tubes on the shell centre line
    float D0 = 0.0f;              // tube outside diameter, m
    float P = 0.0f;               // tube pitch, m
    float DS = 0.0f;              // inside shell diameter, m
    float B = 0.0f;               // baffle spacing, m
    float TL = 0.0f;              // tube length, m
    float cutLevel = 0.0f;        // x, 0 to 0.6
    float Fw = 0.0f;              // window fraction of the cut
    float cutLineTubes = 0.0f;    // n_c
    float cutEdgeAngle = 0.0f;    // α, deg
    float shellBaffleGap = 0.0f;  // g_sb, m
    float baffleHoleGap = 0.0f;   // g_th, m
    float sealingStrips = 0.0f;   // N_ss
    bool lowFin = false;
    float FT = 0.0f;                           // fin thickness, m
    float FH = 0.0f;                           // fin height, m
    float FN = 0.0f;                           // fins per inch
    std::optional<WindowTubes> enteredWindow;  // the console answers, tubes-on-cut code 2
    float shellFlow = 0.0f;                    // shell mass flow, kg/h
    float Res = 0.0f;                          // shell Reynolds number of the bundle geometry
    float Cs = 0.0f;                           // shell specific heat, kcal/kg℃
    float Prs = 0.0f;                          // shell Prandtl number
    float bulkViscosity = 0.0f;                // shell viscosity at the bulk temperature
    float wallViscosity = 0.0f;                // the same at the wall temperature (same unit)
};

// The areas and counts that the shell-side pressure drop reuses.
struct BellGeometry {
    float Sm = 0.0f;     // cross-flow area, m2
    float Sw = 0.0f;     // net window flow area, m2
    float Sb = 0.0f;     // bypass area, m2
    float Stb = 0.0f;    // tube-to-baffle leak area, m2
    float Ssb = 0.0f;    // shell-to-baffle leak area, m2
    float Nc = 0.0f;     // rows crossed between baffle tips
    float Nw = 0.0f;     // tubes in one window
    float NwEff = 0.0f;  // N_w' = N_w + n_c·f_c, effective tubes in one window
    float Nww = 0.0f;    // N_w + n_c·α/360
    float RwEff = 0.0f;  // R_w' = R_w + α/360, rows in one window
    float Fsbp = 0.0f;   // bypass fraction Sb/Sm
    float G = 0.0f;      // mass velocity in cross flow, kg/m2h
    float Nb = 0.0f;     // baffle spaces TL/B (not rounded)
};

struct BellResult {
    BellGeometry geometry;
    float theta = 0.0f;  // baffle cut angle, deg
    float finFactor = 0.0f;
    float j = 0.0f;    // Colburn factor
    float cw = 0.0f;   // window coefficient
    float fc = 0.0f;   // window fraction of a cut-line tube
    float Db = 0.0f;   // baffle diameter, m
    float d = 0.0f;    // tube diameter in the baffle holes (fin tip for low fin), m
    float Fwt = 0.0f;  // fraction of the tubes in the windows
    float Nt = 0.0f;   // rows crossed in the whole exchanger
    float Jc = 0.0f, Jb = 0.0f, Jr = 0.0f, Jl = 0.0f;
    float Xs = 0.0f;              // shell film coefficient, kcal/m2h℃
    const char* fault = nullptr;  // first failed step, nullptr when sound
    bool ok() const { return fault == nullptr; }
};

BellResult bellMethod(const BellInput& in);

}  // namespace hx
