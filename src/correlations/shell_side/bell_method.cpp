#include "correlations/shell_side/bell_method.h"

#include <cmath>
#include <string>

#include "correlations/common/geometry.h"
#include "correlations/common/step_check.h"

namespace hx {

namespace {

constexpr float kRadPerDeg = 0.017452778f;

}  // namespace

// ---------------------------------------------------------------------------
// Bundle geometry

float centreRowCrossFlowArea(float DS, float D0, float B, float n, bool lowFin, float FT, float FH,
                             float FN) {
    if (!lowFin) return (DS - n * D0) * B;
    // Each fin adds its two flanks 2·FT·FH per metre of baffle spacing,
    // FN/0.0254 fins per metre of tube.
    return DS * B - (D0 * B + 2.0f * FT * FH * B * FN / 0.0254f) * n;
}

BundleGeometry bundleGeometry(const BundleInput& in) {
    StepCheck check;
    BundleGeometry g;
    g.ND = tubesOnCentreLine(in.NT);
    g.Ao = in.NT * in.D0 * in.TL * 3.14f;
    g.wallThickness = (in.D0 - in.DI) / 2.0f;
    g.DS = in.enteredDS ? *in.enteredDS : shellDiameter(g.ND, in.P);
    g.centreRowTubes = check.divide(g.DS, in.P, "bundle: tube pitch") - 1.0f;
    g.SmCentre = check.value(
        centreRowCrossFlowArea(g.DS, in.D0, in.B, g.centreRowTubes, in.lowFin, in.FT, in.FH, in.FN),
        "bundle: cross-flow area");
    g.grossWindow = in.Fw * 0.785f * g.DS * g.DS;
    // Geometric mean of the cross-flow and window areas; a negative product
    // means the tubes block the shell.
    const float product = g.SmCentre * g.grossWindow;
    check.require(product > 0.0f, "bundle: mean flow area");
    g.S = std::sqrt(product);
    const float massVelocityTerm = check.divide(in.VS, g.S, "bundle: mean flow area");  // m/h
    g.Us = massVelocityTerm / 3600.0f;  // m/h to m/s
    g.Res = check.value(check.divide(massVelocityTerm * in.D0, in.Vs, "bundle: viscosity"),
                        "bundle: Res");
    g.fault = check.fault();
    return g;
}

// ---------------------------------------------------------------------------
// Correlations

float baffleCutAngle(float x) {
    return 360.0f * (1.5708f - std::atan(x / std::sqrt(1.0001f - x * x))) / 3.1416f;
}

float finFactor(bool lowFin, float Res) {
    if (!lowFin || Res > 840.0f) return 1.0f;
    if (Res < 300.0f)
        return (8e-09f * Res * Res * Res - 7e-05f * Res * Res + 0.1007f * Res + 56.658f) * 0.01f;
    if (Res < 500.0f) return (0.055f * Res + 64.5f) * 0.01f;
    return (0.0235f * Res + 80.235f) * 0.01f;
}

float colburnFactor(float Res) {
    if (Res <= 200.0f) return 1.73f * std::pow(Res, -0.675f);
    if (Res <= 600.0f) return 0.65f * std::pow(Res, -0.49f);
    return 0.35f * std::pow(Res, -0.39f);
}

float windowCoefficient(float Fw) { return 0.962f * Fw - 0.0909f; }

float cutLineTubeFraction(float alphaDeg) {
    // The cut chord at distance cos(α/2)·r from the tube centre: the same
    // segment rule as the baffle window.
    return windowFraction(std::cos(alphaDeg / 2.0f * kRadPerDeg));
}

float windowCorrection(float Fw, float Sm, float Sw) {
    return 1.0f - Fw + 0.524f * std::pow(Fw, 0.32f) * std::pow(Sm / Sw, 0.03f);
}

float bypassCorrection(float k, float Fsbp, float Nss, float Nc) {
    return std::exp(-k * Fsbp * (1.0f - std::pow(2.0f * Nss / Nc, 0.333f)));
}

float laminarCorrection(float Nt, float Res) {
    return Res < 100.0f ? std::pow(Nt / 13.0f, 0.18f) : 1.0f;
}

float leakageCorrection(float Stb, float Ssb, float Sm) {
    const float leak = Stb + Ssb;
    if (leak == 0.0f) return 1.0f;  // tight baffles: nothing leaks
    const float r = leak / Sm;
    const float p = r >= 0.1f ? 0.1f + 0.45f * r : 0.442f * std::pow(r, 0.5f);
    const float Jl = 1.0f - p * (Stb + 2.0f * Ssb) / leak;
    return Jl > 0.0f ? Jl : 1.0f;
}

// ---------------------------------------------------------------------------
// The method

BellResult bellMethod(const BellInput& in) {
    StepCheck check;
    BellResult r;
    BellGeometry& g = r.geometry;
    const float alphaShare = in.cutEdgeAngle / 360.0f;  // share of a cut-line tube's circle

    r.theta = check.value(baffleCutAngle(in.cutLevel), "Bell: cut angle");
    r.finFactor = check.value(finFactor(in.lowFin, in.Res), "Bell: fin factor");
    r.j = check.value(colburnFactor(in.Res), "Bell: Colburn factor");
    r.cw = windowCoefficient(in.Fw);
    r.fc = check.value(cutLineTubeFraction(in.cutEdgeAngle), "Bell: cut-line tube fraction");

    float Rw = 0.0f;
    if (in.enteredWindow) {
        g.Nw = in.enteredWindow->tubes;
        Rw = in.enteredWindow->rows;
    } else {
        g.Nw = in.NT * in.Fw - in.cutLineTubes * alphaShare;
        Rw = in.ND * in.Fw - alphaShare;
    }
    g.RwEff = Rw + alphaShare;
    g.NwEff = g.Nw + in.cutLineTubes * r.fc;
    g.Nww = g.Nw + in.cutLineTubes * alphaShare;

    r.Db = in.DS - 2.0f * in.shellBaffleGap;
    const float Df = in.D0 + 2.0f * in.FH;  // fin tip diameter
    r.d = in.lowFin ? Df : in.D0;

    g.Sw = r.cw * in.DS * in.DS - (g.NwEff * 3.14f / 4.0f) * r.d * r.d;
    g.Sm = in.lowFin ? centreRowCrossFlowArea(in.DS, in.D0, in.B, in.DS / in.P - 1.0f, true, in.FT,
                                              in.FH, in.FN)
                     : (in.DS - in.ND * in.D0) * in.B;
    if (in.lowFin) {
        g.Sb = (r.Db - in.ND * (in.D0 + in.FT * (Df - in.D0) / finPitch(in.FN))) * in.B;
    } else {
        g.Sb = (r.Db - (in.ND - 1.0f) * in.P - in.D0) * in.B;
    }
    g.Fsbp = check.divide(g.Sb, g.Sm, "Bell: cross-flow area");
    g.G = in.shellFlow / g.Sm;  // kg/h over m2

    r.Fwt = check.divide(2.0f * g.Nww, in.NT, "Bell: tube count");
    check.divide(g.Sm, g.Sw, "Bell: window flow area");
    r.Jc = check.value(windowCorrection(r.Fwt, g.Sm, g.Sw), "Bell: window correction");

    g.Nc = in.ND - 2.0f * g.RwEff + 2.0f * (360.0f - in.cutEdgeAngle) / 360.0f;
    check.divide(in.sealingStrips, g.Nc, "Bell: rows in cross flow");
    r.Jb = check.value(bypassCorrection(1.25f, g.Fsbp, in.sealingStrips, g.Nc),
                       "Bell: bypass correction");

    g.Nb = check.divide(in.TL, in.B, "Bell: baffle spacing");
    r.Nt = (g.Nb + 1.0f) * g.Nc + (g.Nb + 2.0f) * g.RwEff;
    r.Jr = check.value(laminarCorrection(r.Nt, in.Res), "Bell: laminar correction");

    // The leak ring of the shell-to-baffle gap is taken between DS and
    // D_2 = D_b − 2·g_sb, over the part of the circle the baffle covers.
    const float D2 = r.Db - 2.0f * in.shellBaffleGap;
    g.Ssb = ((360.0f - r.theta) / 360.0f) * (3.14f / 4.0f) * (in.DS * in.DS - D2 * D2);
    const float dh = r.d + 2.0f * in.baffleHoleGap;  // baffle hole diameter
    const float Nth = in.NT - g.Nw;                  // tubes through one baffle
    g.Stb = (Nth * 3.14f / 4.0f) * (dh * dh - r.d * r.d);
    r.Jl = check.value(leakageCorrection(g.Stb, g.Ssb, g.Sm), "Bell: leakage correction");

    const float viscosityRatio =
        check.divide(in.bulkViscosity, in.wallViscosity, "Bell: wall viscosity");
    r.Xs = r.finFactor * r.j * in.Cs * g.G * std::pow(in.Prs, -0.666f) *
           std::pow(viscosityRatio, 0.14f) * (r.Jc * r.Jb / r.Jr) * r.Jl;
    check.value(r.Xs, "Bell: shell coefficient");
    r.fault = check.fault();
    return r;
}

}  // namespace hx
