#include "correlations/phase_change/shell_phase_change.h"

#include <cmath>

#include "core/option_codes.h"
#include "core/units.h"
#include "correlations/common/step_check.h"

namespace hx {

namespace {
constexpr float kRadPerDeg = 0.017452778f;
constexpr float kLayoutAngleDeg = 60.0f;  // triangular tube layout
}  // namespace

ShellCondensationResult shellCondensation(const ShellCondensationInput& in) {
    StepCheck check;
    ShellCondensationResult r;
    const ShellPhaseProperties& p = in.props;
    const float Ga = check.divide(in.D0 * in.D0 * in.D0 * units::kGravityPerHour2, p.nuL * p.nuL,
                                  "condensation: liquid viscosity");
    const float densityTerm = check.divide(p.rhoL - p.rhoV, p.rhoL, "condensation: liquid density");
    const float prandtl = check.divide(p.Cl * p.nuL * p.rhoL, p.kl, "condensation: conductivity");
    const float jakob = check.divide(p.Ls, p.Cl * std::fabs(in.T1 - in.Twav),
                                     "condensation: wall temperature difference");
    r.Ga = Ga;
    r.Pr = prandtl;
    r.Ja = jakob;
    r.Xs = check.divide(p.kl, in.D0, "condensation: tube diameter") * 0.725f *
           std::pow(Ga * densityTerm * prandtl * jakob, 0.25f) * std::pow(in.ND, -0.25f);
    check.value(r.Xs, "condensation: coefficient");

    // Vapour mass flow at the inlet and what is left at the outlet, kg/h.
    const float inletFlow = in.VS * p.rhoV;
    const float outletFlow = inletFlow - in.condensate;
    const float viscous = in.nuV * p.rhoV;  // vapour dynamic viscosity, kg/mh
    check.require(in.S > 0.0f, "condensation: flow area");
    check.require(viscous > 0.0f, "condensation: vapour viscosity");
    check.require(p.rhoV > 0.0f, "condensation: vapour density");
    const float ReIn = (inletFlow / in.S) * in.D0 / viscous;
    const float ReOut = (outletFlow / in.S) * in.D0 / viscous;
    r.Res = (ReIn + ReOut) / 2.0f;
    const float UsIn = inletFlow / in.S / p.rhoV / 3600.0f;  // m/h to m/s
    const float UsOut = outletFlow / in.S / p.rhoV / 3600.0f;
    r.Us = (UsIn + UsOut) / 2.0f;
    r.duty = p.Ls * in.condensate;
    check.value(r.Res, "condensation: Res");
    check.value(r.Us, "condensation: velocity");
    r.fault = check.fault();
    return r;
}

float subcoolingFactor(float T1, float Tl) { return std::exp(-0.027f * (T1 - Tl)); }

float shellInletLiquidCelsius(float entered, int unitCode) {
    return isSI(unitCode) ? entered - units::kKelvinOffset : entered;
}

ShellEvaporationResult shellEvaporation(const ShellEvaporationInput& in) {
    StepCheck check;
    ShellEvaporationResult r;
    const ShellPhaseProperties& p = in.props;

    r.Twav = check.divide(in.Xs * in.As * in.shellMean + in.Xt * in.At * in.tubeMean,
                          in.Xs * in.As + in.Xt * in.At, "evaporation: wall weighting");
    r.d = in.lowFin ? in.D0 + 2.0f * in.FH : in.D0;
    const float d = r.d;

    r.Qe = in.tubeFlow * in.Ct * std::fabs(in.T4 - in.T3);
    r.vapour = check.divide(r.Qe, p.Ls, "evaporation: latent heat");

    r.sinLayout = std::sin(kRadPerDeg * kLayoutAngleDeg);
    r.Dbb = 2.0f * in.TP * d * std::sqrt(in.NT * r.sinLayout / 3.14f);
    r.b = check.divide(r.Dbb, in.TP, "evaporation: pitch ratio");

    const float gapWidth = in.TP * d - d;  // clear gap between neighbouring tubes, m
    const float areaPerLength = check.divide(in.Ao, in.TL * in.NT, "evaporation: tube length");
    const float flux = check.divide(r.Qe, in.Ao, "evaporation: outside area");  // kcal/m2h
    r.Gv = areaPerLength * check.divide(flux, p.Ls * gapWidth, "evaporation: tube gap");
    const float e1 = 8.6e-06f * r.Gv;
    const float inverseB = check.divide(1.0f, r.b, "evaporation: bundle ratio");
    const float e2 = -0.24f * (1.75f + check.log(inverseB, "evaporation: bundle ratio"));
    r.Fb = 0.714f * std::pow(3.28f * gapWidth, e1) * std::pow(inverseB, e2);
    check.value(r.Fb, "evaporation: bundle factor");

    r.Fs = subcoolingFactor(in.T1, in.Tl);
    const float dT = std::fabs(r.Twav - in.T1);
    const float base =
        0.1575f * std::pow(check.divide(1.0f, p.Ls, "evaporation: latent heat"), 0.69f) *
        std::pow(check.divide(in.Ps * 10000.0f * p.kl, in.sigma, "evaporation: surface tension"),
                 0.31f) *
        std::pow(check.divide(p.rhoL, p.rhoV, "evaporation: vapour density") - 1.0f, 0.33f);
    r.Xs = r.Fb * r.Fs * std::pow(base, 3.22f) * std::pow(dT, 2.22f);
    check.value(r.Xs, "evaporation: coefficient");

    check.require(in.S > 0.0f, "evaporation: flow area");
    const float UsLiquid = in.VS * p.rhoV / in.S / p.rhoL / 3600.0f;  // m/h to m/s
    const float UsVapour = r.vapour / in.S / p.rhoV / 3600.0f;
    r.Us = (UsLiquid + UsVapour) / 2.0f;
    check.value(r.Us, "evaporation: velocity");
    r.fault = check.fault();
    return r;
}

ShellCondensingFilm nusseltKernCondensation(const ShellCondensationInput& in) {
    const ShellPhaseProperties& p = in.props;
    ShellCondensingFilm f;
    f.card = &kNusseltKernCondensationCard;
    f.dT = std::fabs(in.T1 - in.Twav);
    f.jakob = p.Cl * f.dT / p.Ls;
    f.latent = p.Ls * (1.0f + 0.68f * f.jakob);
    f.muL = p.nuL * p.rhoL;
    const float group = units::kGravityPerHour2 * p.rhoL * (p.rhoL - p.rhoV) * p.kl * p.kl * p.kl *
                        f.latent / (f.muL * f.dT * in.D0);
    f.Xs = 0.729f * std::pow(group, 0.25f) * std::pow(in.ND, -1.0f / 6.0f);
    f.Nu = f.Xs * in.D0 / p.kl;
    return f;
}

ShellCondensingFilm shellCondensingFilm(CorrelationBasis basis, const ShellCondensationInput& in,
                                        const ShellCondensationResult& original) {
    if (basis == CorrelationBasis::Textbook) return nusseltKernCondensation(in);
    ShellCondensingFilm f;
    f.Xs = original.Xs;
    f.card = &kOriginalShellCondensationCard;
    return f;
}

}  // namespace hx
