#include "correlations/shell_side/textbook_bell.h"

#include <algorithm>
#include <cmath>

#include "correlations/common/step_check.h"

namespace hx {

namespace {

constexpr float kPi = 3.14159265f;
constexpr float kGravityHour = 1.27e+08f;  // m/h²: kg/(m·h²) to kg/m2
constexpr float kKgM2ToKgCm2 = 0.0001f;

// One row of the Taborek table: the j and f coefficients of a Reynolds range.
struct FitRow {
    float a1, a2, b1, b2;
};

// By layout, rows for Re ≥ 1e4, ≥ 1e3, ≥ 100, ≥ 10 and below 10, and the
// shape coefficients a3, a4, b3, b4 of the layout.
struct LayoutFits {
    FitRow rows[5];
    float a3, a4, b3, b4;
};

constexpr LayoutFits kTriangular = {{{0.321f, -0.388f, 0.372f, -0.123f},
                                     {0.321f, -0.388f, 0.486f, -0.152f},
                                     {0.593f, -0.477f, 4.570f, -0.476f},
                                     {1.360f, -0.657f, 45.100f, -0.973f},
                                     {1.400f, -0.667f, 48.000f, -1.000f}},
                                    1.450f,
                                    0.519f,
                                    7.00f,
                                    0.500f};
constexpr LayoutFits kRotatedSquare = {{{0.370f, -0.396f, 0.303f, -0.126f},
                                        {0.370f, -0.396f, 0.333f, -0.136f},
                                        {0.730f, -0.500f, 3.500f, -0.476f},
                                        {0.498f, -0.656f, 26.200f, -0.913f},
                                        {1.550f, -0.667f, 32.000f, -1.000f}},
                                       1.930f,
                                       0.500f,
                                       6.59f,
                                       0.520f};
constexpr LayoutFits kSquare = {{{0.370f, -0.395f, 0.391f, -0.148f},
                                 {0.107f, -0.266f, 0.0815f, 0.022f},
                                 {0.408f, -0.460f, 6.0900f, -0.602f},
                                 {0.900f, -0.631f, 32.100f, -0.963f},
                                 {0.970f, -0.667f, 35.000f, -1.000f}},
                                1.187f,
                                0.370f,
                                6.30f,
                                0.378f};

const LayoutFits& fitsFor(float layoutDeg) {
    if (layoutDeg == 45.0f) return kRotatedSquare;
    if (layoutDeg == 90.0f) return kSquare;
    return kTriangular;  // 30° and the rotated triangle 60°
}

int rangeRow(float Re) {
    if (Re >= 1.0e4f) return 0;
    if (Re >= 1.0e3f) return 1;
    if (Re >= 100.0f) return 2;
    if (Re >= 10.0f) return 3;
    return 4;
}

// Distance between tube rows in the flow direction, m.
float rowPitch(float layoutDeg, float P) {
    if (layoutDeg == 45.0f) return 0.707f * P;
    if (layoutDeg == 60.0f) return 0.5f * P;
    if (layoutDeg == 90.0f) return P;
    return 0.866f * P;
}

// Tube pitch across the flow whose gaps make the cross-flow area, m.
float effectivePitch(float layoutDeg, float P) {
    if (layoutDeg == 45.0f) return 0.707f * P;
    if (layoutDeg == 60.0f) return 0.866f * P;
    return P;
}

// Area fraction of the circular segment cut off at angle θ (rad).
float segmentShare(float theta) { return theta / (2.0f * kPi) - std::sin(theta) / (2.0f * kPi); }

// exp(−C·F_sbp·(1 − (2·N_ss/N_tcc)^(1/3))), 1 from N_ss/N_tcc = 1/2 up.
float bypassTerm(float C, float Fsbp, float Nss, float Ntcc) {
    const float rss = Nss / Ntcc;
    if (rss >= 0.5f) return 1.0f;
    return std::exp(-C * Fsbp * (1.0f - std::cbrt(2.0f * rss)));
}

// Adverse temperature gradient of laminar flow: 1 from Re = 100 up,
// (10/N_c)^0.18 up to Re = 20 with N_c rows crossed in the whole bundle,
// interpolated between; not below 0.4.
float laminarTerm(float Re, float rowsCrossed) {
    if (Re >= 100.0f) return 1.0f;
    const float Jrr = std::max(0.4f, std::pow(10.0f / rowsCrossed, 0.18f));
    if (Re <= 20.0f) return Jrr;
    return Jrr + (20.0f - Re) / 80.0f * (Jrr - 1.0f);
}

}  // namespace

bool isTubeLayout(float layoutDeg) {
    return layoutDeg == 30.0f || layoutDeg == 45.0f || layoutDeg == 60.0f || layoutDeg == 90.0f;
}

TaborekCoefficients taborekCoefficients(float layoutDeg, float Re) {
    const LayoutFits& fits = fitsFor(layoutDeg);
    const FitRow& row = fits.rows[rangeRow(Re)];
    return {row.a1, row.a2, fits.a3, fits.a4, row.b1, row.b2, fits.b3, fits.b4};
}

IdealBank taborekIdealBank(float layoutDeg, float Re, float pitchRatio) {
    const TaborekCoefficients c = taborekCoefficients(layoutDeg, Re);
    const float a = c.a3 / (1.0f + 0.14f * std::pow(Re, c.a4));
    const float b = c.b3 / (1.0f + 0.14f * std::pow(Re, c.b4));
    const float pitchTerm = 1.33f / pitchRatio;
    return {c.a1 * std::pow(pitchTerm, a) * std::pow(Re, c.a2),
            c.b1 * std::pow(pitchTerm, b) * std::pow(Re, c.b2)};
}

TextbookBellGeometry textbookBellGeometry(const TextbookBellInput& in) {
    TextbookBellGeometry g;
    g.Bc = (1.0f - in.cutLevel) / 2.0f;
    // The outer tube limit as specified, or the bundle the shell diameter
    // was drawn around: ND tubes on the centre line.
    g.Dotl =
        in.bundle.Dotl > 0.0f ? in.bundle.Dotl : (in.bundle.ND - 1.0f) * in.bundle.P + in.bundle.D0;
    g.Dctl = g.Dotl - in.bundle.D0;
    const float cutChord = 1.0f - 2.0f * g.Bc;  // cut line from the centre over the radius
    g.thetaDs = 2.0f * std::acos(cutChord);
    g.thetaCtl = 2.0f * std::acos(std::min(1.0f, in.bundle.DS * cutChord / g.Dctl));
    g.Fw = segmentShare(g.thetaCtl);
    g.Fc = 1.0f - 2.0f * g.Fw;
    const float grossWindow = kPi / 4.0f * in.bundle.DS * in.bundle.DS * segmentShare(g.thetaDs);
    const float windowTubes = in.bundle.NT * g.Fw * kPi / 4.0f * in.bundle.D0 * in.bundle.D0;
    g.Sw = grossWindow - windowTubes;
    const float Lbb = in.bundle.DS - g.Dotl;  // diametral shell-to-bundle clearance
    g.Pe = effectivePitch(in.bundle.layoutDeg, in.bundle.P);
    g.Sm = in.bundle.B * (Lbb + g.Dctl / g.Pe * (in.bundle.P - in.bundle.D0));
    g.Lpp = rowPitch(in.bundle.layoutDeg, in.bundle.P);
    const float Lpp = g.Lpp;
    g.Ntcc = in.bundle.DS / Lpp * cutChord;
    g.Ntcw = 0.8f / Lpp * (in.bundle.DS * g.Bc - (in.bundle.DS - g.Dctl) / 2.0f);
    g.Fsbp = in.bundle.B * Lbb / g.Sm;
    // The gap once around the part of the circle the baffle covers.
    g.Ssb = kPi * in.bundle.DS * in.bundle.shellBaffleGap * (1.0f - g.thetaDs / (2.0f * kPi));
    const float hole = in.bundle.D0 + 2.0f * in.bundle.baffleHoleGap;
    g.Stb = kPi / 4.0f * (hole * hole - in.bundle.D0 * in.bundle.D0) * in.bundle.NT * (1.0f - g.Fw);
    g.Bin = in.bundle.Bin > 0.0f ? in.bundle.Bin : in.bundle.B;
    g.Bout = in.bundle.Bout > 0.0f ? in.bundle.Bout : in.bundle.B;
    // The same count either way; equal spaces keep the short form's digits.
    const bool equalEnds = g.Bin == in.bundle.B && g.Bout == in.bundle.B;
    g.Nb = equalEnds ? in.TL / in.bundle.B - 1.0f : (in.TL - g.Bin - g.Bout) / in.bundle.B + 1.0f;
    return g;
}

TextbookBellResult textbookBell(const TextbookBellInput& in) {
    StepCheck check;
    TextbookBellResult r;
    TextbookBellGeometry& g = r.geometry;
    g = textbookBellGeometry(in);
    check.require(g.Sm > 0.0f && g.Sw > 0.0f && g.Ntcc > 0.0f, "textbook Bell: flow areas");

    const float G = check.divide(in.shellFlow, g.Sm, "textbook Bell: cross-flow area");  // kg/m2h
    r.Re = check.divide(in.bundle.D0 * G, in.Vs * in.Ds, "textbook Bell: viscosity");
    r.ideal = taborekIdealBank(in.bundle.layoutDeg, r.Re,
                               check.divide(in.bundle.P, in.bundle.D0, "textbook Bell: D0"));
    r.viscosityTerm =
        std::pow(check.divide(in.Vs, in.wallViscosity, "textbook Bell: wall viscosity"), 0.14f);

    const float leak = g.Ssb + g.Stb;
    const float rs = leak > 0.0f ? g.Ssb / leak : 0.0f;
    const float rlm = leak / g.Sm;
    r.Jc = 0.55f + 0.72f * g.Fc;
    r.Jl = 0.44f * (1.0f - rs) + (1.0f - 0.44f * (1.0f - rs)) * std::exp(-2.2f * rlm);
    const bool laminar = r.Re < 100.0f;
    r.Jb = bypassTerm(laminar ? 1.35f : 1.25f, g.Fsbp, in.bundle.sealingStrips, g.Ntcc);
    r.Jr = laminarTerm(r.Re, (g.Ntcc + g.Ntcw) * (g.Nb + 1.0f));
    // End spaces larger than the central one: lower velocity there (Taborek,
    // n = 0.6 turbulent, 1/3 laminar; n' = 0.2 and 1 for the drop).
    const float inlet = g.Bin / in.bundle.B;
    const float outlet = g.Bout / in.bundle.B;
    const float n = laminar ? 1.0f / 3.0f : 0.6f;
    r.Js = (g.Nb - 1.0f + std::pow(inlet, 1.0f - n) + std::pow(outlet, 1.0f - n)) /
           (g.Nb - 1.0f + inlet + outlet);
    const float nDrop = laminar ? 1.0f : 0.2f;
    r.Rs = std::pow(1.0f / inlet, 2.0f - nDrop) + std::pow(1.0f / outlet, 2.0f - nDrop);
    r.Xs = r.ideal.j * in.Cs * G * std::pow(in.Prs, -2.0f / 3.0f) * r.viscosityTerm * r.Jc * r.Jl *
           r.Jb * r.Jr * r.Js;
    check.value(r.Xs, "textbook Bell: shell coefficient");

    r.dPbi = 2.0f * r.ideal.f * g.Ntcc * G * G / (in.Ds * kGravityHour) / r.viscosityTerm;
    r.Rb = bypassTerm(laminar ? 4.5f : 3.7f, g.Fsbp, in.bundle.sealingStrips, g.Ntcc);
    const float p = -0.15f * (1.0f + rs) + 0.8f;
    r.Rl = std::exp(-1.33f * (1.0f + rs) * std::pow(rlm, p));
    // Two velocity heads of the mean of the cross-flow and window velocities.
    const float heads = in.shellFlow * in.shellFlow / (g.Sm * g.Sw * in.Ds * kGravityHour);
    if (laminar) {
        const float Dw =
            4.0f * g.Sw /
            (kPi * in.bundle.D0 * in.bundle.NT * g.Fw + in.bundle.DS * g.thetaDs / 2.0f);
        const float viscous =
            26.0f * in.Vs * in.shellFlow / (std::sqrt(g.Sm * g.Sw) * kGravityHour);
        r.dPwi =
            viscous * (g.Ntcw / (in.bundle.P - in.bundle.D0) + in.bundle.B / (Dw * Dw)) + heads;
    } else {
        r.dPwi = (2.0f + 0.6f * g.Ntcw) * heads / 2.0f;
    }
    r.dPcross = (g.Nb - 1.0f) * r.dPbi * r.Rb * r.Rl;
    r.dPwindows = g.Nb * r.dPwi * r.Rl;
    r.dPends = r.Rs * r.dPbi * (1.0f + g.Ntcw / g.Ntcc) * r.Rb;
    r.DPs = (r.dPcross + r.dPwindows + r.dPends) * kKgM2ToKgCm2;
    check.value(r.DPs, "textbook Bell: shell drop");
    r.fault = check.fault();
    return r;
}

}  // namespace hx
