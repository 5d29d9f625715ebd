#include "correlations/pressure_drop/shell_pressure_drop.h"

#include <cmath>

#include "correlations/common/step_check.h"

namespace hx {

namespace {

constexpr float kGravity = 9.8f;           // m/s²
constexpr float kGravityHour = 1.27e+08f;  // m/h²
constexpr float kTwiceGravityHour = 2.54e+08f;
constexpr float kKgM2ToKgCm2 = 0.0001f;

// The wall-to-bulk viscosity correction of an annulus drop, (ν_w/Vs)^0.14.
float annulusViscosityTerm(const AnnulusDropInput& in, StepCheck& check) {
    return std::pow(check.divide(in.wallViscosity, in.Vs, "annulus drop: viscosity"), 0.14f);
}

ShellDrop finish(float DPs, StepCheck& check, const char* step) {
    ShellDrop d;
    d.DPs = check.value(DPs, step);
    d.fault = check.fault();
    return d;
}

}  // namespace

ShellDrop plainAnnulusDrop(const AnnulusDropInput& in) {
    StepCheck check;
    const float q = check.divide(in.DS, in.D0, "annulus drop: inner diameter");
    const float lnq = check.log(q, "annulus drop: diameter ratio");
    check.require(q != 1.0f, "annulus drop: diameter ratio");
    const float phi = check.divide((1.0f - q) * (1.0f - q), 1.0f + q * q + (1.0f - q * q) / lnq,
                                   "annulus drop: shape factor");
    const float f = in.Res <= 2000.0f ? check.divide(16.0f, in.Res, "annulus drop: Res") * phi
                                      : 0.076f * std::pow(in.Res, -0.25f);
    const float De = in.DS - in.D0;  // equivalent diameter of the annulus
    const float DPs = check.divide(4.0f * f * in.TL, De, "annulus drop: equivalent diameter") *
                      in.Us * in.Us * in.Ds / 2.0f / kGravity * kKgM2ToKgCm2 *
                      annulusViscosityTerm(in, check);
    return finish(DPs, check, "annulus drop");
}

ShellDrop lowFinAnnulusDrop(const AnnulusDropInput& in) {
    StepCheck check;
    const float De = in.DS - (in.D0 + 2.0f * in.FH);
    const float DPs =
        check.divide(0.16f * in.Us * in.Us * in.TL, De, "annulus drop: equivalent diameter") *
        in.Ds / 2.0f / kGravity * kKgM2ToKgCm2 * annulusViscosityTerm(in, check);
    return finish(DPs, check, "annulus drop");
}

ShellDrop annulusDrop(const AnnulusDropInput& in) {
    return in.lowFin ? lowFinAnnulusDrop(in) : plainAnnulusDrop(in);
}

float crossFlowFriction(float Res) {
    if (Res < 100.0f) return 47.1f * std::pow(Res, -0.965f);
    if (Res <= 300.0f) return 13.0f * std::pow(Res, -0.685f);
    if (Res <= 1000.0f) return 3.2f * std::pow(Res, -0.44f);
    return 0.505f * std::pow(Res, -0.176f);
}

float leakageDropFactor(float Stb, float Ssb, float Sm) {
    const float leak = Stb + Ssb;
    if (leak == 0.0f) return 1.0f;  // tight baffles: nothing leaks
    const float r = leak / Sm;
    const float p = r > 0.2f ? 0.26f + 0.5714286f * r : 0.71f * std::pow(r, 0.4f);
    const float Rl = 1.0f - p * (Stb + 2.0f * Ssb) / leak;
    return Rl > 0.0f ? Rl : 1.0f;
}

BellDrop bellDrop(const BellDropInput& in) {
    StepCheck check;
    BellDrop d;
    const BellGeometry& g = in.geometry;

    d.cf = in.lowFin ? 0.9f : 1.0f;
    d.fs = check.value(crossFlowFriction(in.Res), "Bell drop: friction factor");
    const float k = in.Res < 100.0f ? 4.5f : 3.8f;
    check.divide(in.sealingStrips, g.Nc, "Bell drop: rows in cross flow");
    d.Rb = check.value(bypassCorrection(k, g.Fsbp, in.sealingStrips, g.Nc),
                       "Bell drop: bypass factor");

    const float bulkToWall = check.divide(in.Vs, in.wallViscosity, "Bell drop: wall viscosity");
    check.require(in.Ds > 0.0f, "Bell drop: density");
    d.dPc = d.cf * 4.0f * d.fs * g.G * g.G * g.Nc / (kTwiceGravityHour * in.Ds) *
            std::pow(bulkToWall, 0.14f) * d.Rb;
    d.dPe = d.dPc * (1.0f + g.NwEff / g.Nc);

    d.gt = in.lowFin ? in.P - (in.D0 + in.FH) : in.P - in.D0;
    d.um = check.divide(in.shellFlow, g.Sm * in.Ds, "Bell drop: cross-flow area");
    d.uw = check.divide(in.shellFlow, g.Sw * in.Ds, "Bell drop: window area");
    d.uz = std::sqrt(d.um * d.uw);
    d.Dw = check.divide(4.0f * g.Sw * in.B, 2.0f * g.Nww * 3.14f * in.D0 * in.B,
                        "Bell drop: window tubes");

    if (in.Res <= 100.0f) {
        const float inertia = 2.0f * in.Ds * d.uz * d.uz / kTwiceGravityHour;
        // Laminar window: viscous terms along the tube gaps and over the
        // baffle spacing, plus two velocity heads. ν·u/(g·gap) is a head in
        // metres; the density makes it kg/m2 like the other terms.
        const float gapTerm =
            check.divide(in.Vs * d.uz, kGravityHour * d.gt, "Bell drop: tube gap") * in.Ds;
        const float spanTerm = (in.Vs * d.uz / (kGravityHour * d.Dw)) * in.B / d.Dw * in.Ds;
        d.dPw = 23.0f * d.Rb * gapTerm * g.NwEff + 26.0f * spanTerm + inertia;
    } else {
        d.dPw = (2.0f + 0.6f * in.sealingStrips) * in.Ds * d.uz * d.uz / kTwiceGravityHour;
    }
    check.value(d.dPw, "Bell drop: window drop");

    d.Rl = check.value(leakageDropFactor(g.Stb, g.Ssb, g.Sm), "Bell drop: leakage factor");
    d.DPs = (2.0f * d.dPe + d.Rl * ((g.Nb - 1.0f) * d.dPc + g.Nb * d.dPw)) * kKgM2ToKgCm2;
    check.value(d.DPs, "Bell drop: shell drop");
    d.fault = check.fault();
    return d;
}

}  // namespace hx
