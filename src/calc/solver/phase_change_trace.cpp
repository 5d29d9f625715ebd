#include "calc/solver/phase_change_trace.h"

#include <cmath>
#include <string>
#include <vector>

#include "calc/solver/trace_vars.h"
#include "correlations/common/card_trace.h"

namespace hx {

using namespace tracing;

namespace {

constexpr const char* kOriginalBoiling =
    "the program's original method: pool boiling on the bundle";

// The middle of step i of the quality range as a fraction of the range,
// written as a number: 0.05, 0.15, … 0.95.
std::string stepFraction(int i) {
    const int hundredths = 10 * i + 5;
    return std::string(hundredths < 10 ? "0.0" : "0.") + std::to_string(hundredths);
}

// The mean of the ten local values n1..n10 (or h1..h10) of the quality steps.
TraceEntry& addStepMean(CalcTrace& t, const char* symbol, TraceName name, float value,
                        const char* unit, const char* local, const QualitySteps& values,
                        const char* valueUnit) {
    std::string expr = "(";
    std::vector<TraceVar> vars;
    for (int i = 0; i < kQualitySteps; ++i) {
        const std::string v = local + std::to_string(i + 1);
        expr += (i > 0 ? "+" : "") + v;
        vars.push_back({v, values[static_cast<std::size_t>(i)], valueUnit});
    }
    expr += ")/" + std::to_string(kQualitySteps);
    return t.add(symbol, name, value, unit,
                 std::string(symbol) + " = mean of the ten quality steps", expr, std::move(vars));
}

// The film temperature difference between the saturated vapour (or
// boiling liquid) at Tsat and the mean wall.
void traceFilmDifference(CalcTrace& t, float Tsat, float Twav, const char* satName) {
    t.add("dT_film", {"film temperature difference", "膜温度差"}, std::fabs(Tsat - Twav), kC,
          std::string("ΔT = |") + satName + " - Twav|", std::string("abs(") + satName + "-Twav)",
          {var(satName, Tsat, kC), var("Twav", Twav, kC)});
}

}  // namespace

void traceShellCondensation(CalcTrace& t, const ShellCondensationInput& in,
                            const ShellCondensationResult& c, const ShellCondensingFilm& f) {
    const ShellPhaseProperties& p = in.props;
    t.add("Re_s", {"mean vapour Reynolds number", "平均蒸気レイノルズ数"}, c.Res, kNone,
          "Re = (Re_in + Re_out)/2, Re = (m/S) D0/(νv ρv), m_in = VS ρv, m_out = m_in - Wc",
          "((VS*rhov/S)*D0/(nuv*rhov)+((VS*rhov-Wc)/S)*D0/(nuv*rhov))/2",
          {var("VS", in.VS, "m3/h"), var("rhov", p.rhoV, kDensity), var("S", in.S, "m2"),
           var("D0", in.D0, "m"), var("nuv", in.nuV, kViscosity),
           var("Wc", in.condensate, kMassFlow)});
    t.add("u_s", {"mean vapour velocity", "平均蒸気流速"}, c.Us, "m/s",
          "u = (m_in + m_out)/2/S/ρv/3600", "(VS*rhov/S/rhov/3600+(VS*rhov-Wc)/S/rhov/3600)/2",
          {var("VS", in.VS, "m3/h"), var("rhov", p.rhoV, kDensity), var("S", in.S, "m2"),
           var("Wc", in.condensate, kMassFlow)});
    t.add("Q_cond", {"condensing duty", "凝縮熱量"}, c.duty, kHeat, "Qc = Ls Wc", "Ls*Wc",
          {var("Ls", p.Ls, kLatentHeat), var("Wc", in.condensate, kMassFlow)});
    const TraceName xsName{"shell condensing film", "胴側凝縮境膜伝熱係数"};
    if (f.card != &kNusseltKernCondensationCard) {
        t.add("Ga", {"Galileo number", "ガリレオ数"}, c.Ga, kNone,
              "Ga = D0³ g/νl², g = 1.27e8 m/h²", "D0^3*1.27e8/nul^2",
              {var("D0", in.D0, "m"), var("nul", p.nuL, kViscosity)});
        t.add("Pr_l", {"condensate Prandtl number", "凝縮液プラントル数"}, c.Pr, kNone,
              "Pr = Cl νl ρl/kl", "Cl*nul*rhol/kl",
              {var("Cl", p.Cl, kSpecificHeat), var("nul", p.nuL, kViscosity),
               var("rhol", p.rhoL, kDensity), var("kl", p.kl, kConductivity)});
        t.add("Ja_inv", {"inverse Jakob number", "ヤコブ数の逆数"}, c.Ja, kNone,
              "1/Ja = Ls/(Cl |T1 - Twav|)", "Ls/(Cl*abs(T1-Twav))",
              {var("Ls", p.Ls, kLatentHeat), var("Cl", p.Cl, kSpecificHeat), var("T1", in.T1, kC),
               var("Twav", in.Twav, kC)});
        TraceEntry& xs =
            t.add("Xs", xsName, f.Xs, kCoefficient,
                  "Xs = (kl/D0) 0.725 (Ga (ρl - ρv)/ρl Pr (1/Ja))^0.25 ND^-0.25",
                  "(kl/D0)*0.725*(Ga*(rhol-rhov)/rhol*Pr*Jai)^0.25*ND^(-0.25)",
                  {var("kl", p.kl, kConductivity), var("D0", in.D0, "m"), var("Ga", c.Ga, kNone),
                   var("rhol", p.rhoL, kDensity), var("rhov", p.rhoV, kDensity),
                   var("Pr", c.Pr, kNone), var("Jai", c.Ja, kNone), var("ND", in.ND, kNone)});
        describeCard(xs, *f.card, f.jakob, in.ND);
        return;
    }
    traceFilmDifference(t, in.T1, in.Twav, "T1");
    t.add("Ja", {"Jakob number", "ヤコブ数"}, f.jakob, kNone, "Ja = Cl ΔT/Ls", "Cl*dT/Ls",
          {var("Cl", p.Cl, kSpecificHeat), var("dT", f.dT, kC), var("Ls", p.Ls, kLatentHeat)});
    t.add("hfg", {"latent heat with film subcooling", "膜過冷却補正潜熱"}, f.latent, kLatentHeat,
          "h'fg = Ls (1 + 0.68 Ja)", "Ls*(1+0.68*Ja)",
          {var("Ls", p.Ls, kLatentHeat), var("Ja", f.jakob, kNone)});
    t.add("mu_l", {"condensate dynamic viscosity", "凝縮液粘度"}, f.muL, kDynamicViscosity,
          "μl = νl ρl", "nul*rhol", {var("nul", p.nuL, kViscosity), var("rhol", p.rhoL, kDensity)});
    TraceEntry& xs =
        t.add("Xs", xsName, f.Xs, kCoefficient,
              "Xs = 0.729 (g ρl (ρl - ρv) kl³ h'fg/(μl ΔT D0))^(1/4) N^(-1/6), g = 1.27e8 m/h²",
              "0.729*(1.27e8*rhol*(rhol-rhov)*kl^3*hfg/(mul*dT*D0))^0.25*N^(-1/6)",
              {var("rhol", p.rhoL, kDensity), var("rhov", p.rhoV, kDensity),
               var("kl", p.kl, kConductivity), var("hfg", f.latent, kLatentHeat),
               var("mul", f.muL, kDynamicViscosity), var("dT", f.dT, kC), var("D0", in.D0, "m"),
               var("N", in.ND, kNone)});
    describeCard(xs, *f.card, f.jakob, in.ND);
    t.add("Nu_s", {"condensing Nusselt number", "凝縮ヌセルト数"}, f.Nu, kNone, "Nu = Xs D0/kl",
          "Xs*D0/kl",
          {var("Xs", f.Xs, kCoefficient), var("D0", in.D0, "m"), var("kl", p.kl, kConductivity)});
}

void traceShellEvaporation(CalcTrace& t, const ShellEvaporationInput& in,
                           const ShellEvaporationResult& e) {
    const ShellPhaseProperties& p = in.props;
    t.add("Twav", {"mean wall temperature", "平均壁温"}, e.Twav, kC,
          "Twav = (hs As Tsm + ht At Ttm)/(hs As + ht At)", "(hs*As*Tsm+ht*At*Ttm)/(hs*As+ht*At)",
          {var("hs", in.Xs, kCoefficient), var("As", in.As, "m2"), var("Tsm", in.shellMean, kC),
           var("ht", in.Xt, kCoefficient), var("At", in.At, "m2"), var("Ttm", in.tubeMean, kC)});
    t.add("Qe", {"boiling duty from the tube stream", "蒸発熱量(管側より)"}, e.Qe, kHeat,
          "Qe = W Ct |T4 - T3|", "W*Ct*abs(T4-T3)",
          {var("W", in.tubeFlow, kMassFlow), var("Ct", in.Ct, kSpecificHeat), var("T3", in.T3, kC),
           var("T4", in.T4, kC)});
    t.add("W_v", {"vapour generated", "蒸発量"}, e.vapour, kMassFlow, "Wv = Qe/Ls", "Qe/Ls",
          {var("Qe", e.Qe, kHeat), var("Ls", p.Ls, kLatentHeat)});
    if (in.lowFin)
        t.add("d_fin", {"diameter over the fins", "フィン外径"}, e.d, "m", "d = D0 + 2 FH",
              "D0+2*FH", {var("D0", in.D0, "m"), var("FH", in.FH, "m")});
    t.add("Dbb", {"bundle diameter", "管束径"}, e.Dbb, "m", "Dbb = 2 TP d √(NT sin 60°/3.14)",
          "2*TP*d*sqrt(NT*s60/3.14)",
          {var("TP", in.TP, kNone), var("d", e.d, "m"), var("NT", in.NT, kNone),
           var("s60", e.sinLayout, kNone)});
    t.add("b_bundle", {"bundle ratio", "管束比"}, e.b, "m", "b = Dbb/TP", "Dbb/TP",
          {var("Dbb", e.Dbb, "m"), var("TP", in.TP, kNone)});
    t.add("Gv", {"vapour generation term", "蒸気発生項"}, e.Gv, "1/h",
          "Gv = (Ao/(TL NT)) (Qe/Ao)/(Ls (TP d - d))", "(Ao/(TL*NT))*((Qe/Ao)/(Ls*(TP*d-d)))",
          {var("Ao", in.Ao, "m2"), var("TL", in.TL, "m"), var("NT", in.NT, kNone),
           var("Qe", e.Qe, kHeat), var("Ls", p.Ls, kLatentHeat), var("TP", in.TP, kNone),
           var("d", e.d, "m")});
    t.add(
        "Fb", {"bundle factor", "管束係数"}, e.Fb, kNone,
        "Fb = 0.714 (3.28 (TP d - d))^(8.6e-6 Gv) (1/b)^(-0.24 (1.75 + ln(1/b)))",
        "0.714*(3.28*(TP*d-d))^(8.6e-6*Gv)*(1/b)^(-0.24*(1.75+ln(1/b)))",
        {var("TP", in.TP, kNone), var("d", e.d, "m"), var("Gv", e.Gv, "1/h"), var("b", e.b, "m")});
    t.add("Fs_sub", {"subcooling factor", "過冷却係数"}, e.Fs, kNone, "Fs = exp(-0.027 (T1 - Tl))",
          "exp(-0.027*(T1-Tl))", {var("T1", in.T1, kC), var("Tl", in.Tl, kC)});
    t.add("Xs", {"shell boiling film", "胴側沸騰境膜伝熱係数"}, e.Xs, kCoefficient,
          "Xs = Fb Fs [0.1575 (1/Ls)^0.69 (Ps 10000 kl/σ)^0.31 (ρl/ρv - 1)^0.33]^3.22 "
          "|Twav - T1|^2.22",
          "Fb*Fs*(0.1575*(1/Ls)^0.69*(Ps*10000*kl/sigma)^0.31*(rhol/rhov-1)^0.33)^3.22*"
          "abs(Twav-T1)^2.22",
          {var("Fb", e.Fb, kNone), var("Fs", e.Fs, kNone), var("Ls", p.Ls, kLatentHeat),
           var("Ps", in.Ps, "kg/cm2"), var("kl", p.kl, kConductivity),
           var("sigma", in.sigma, "kg/m"), var("rhol", p.rhoL, kDensity),
           var("rhov", p.rhoV, kDensity), var("Twav", e.Twav, kC), var("T1", in.T1, kC)})
        .source = kOriginalBoiling;
    t.add("u_s", {"mean two-phase velocity", "平均二相流速"}, e.Us, "m/s",
          "u = (VS ρv/(S ρl) + Wv/(S ρv))/3600/2", "(VS*rhov/S/rhol/3600+Wv/S/rhov/3600)/2",
          {var("VS", in.VS, "m3/h"), var("rhov", p.rhoV, kDensity), var("S", in.S, "m2"),
           var("rhol", p.rhoL, kDensity), var("Wv", e.vapour, kMassFlow)});
}

namespace {

// The mean mass flux of the textbook films and the liquid's viscosity and
// Prandtl number; `W` the vapour entering (condensation) or the feed.
void traceTextbookFlux(CalcTrace& t, const TubeTwoPhaseProperties& p, const TubeTwoPhaseFlow& f,
                       float W, float G, float muL, float PrL) {
    t.add("W_t", {"two-phase flow entering", "入口二相流量"}, W, kMassFlow, "W = V ρv", "V*rhov",
          {var("V", f.V, "m3/h"), var("rhov", p.Dtv, kDensity)});
    t.add("G_t", {"mass flux", "質量速度"}, G, kMassFlux, "G = W PN/(NT 0.785 DI²)",
          "W*PN/(NT*(0.785*DI^2))",
          {var("W", W, kMassFlow), var("PN", f.PN, kNone), var("NT", f.NT, kNone),
           var("DI", f.DI, "m")});
    t.add("mu_l", {"liquid dynamic viscosity", "液粘度"}, muL, kDynamicViscosity, "μl = νl ρl",
          "nul*rhol", {var("nul", p.Vtl, kViscosity), var("rhol", p.Dtlv, kDensity)});
    t.add("Pr_l", {"liquid Prandtl number", "液プラントル数"}, PrL, kNone, "Pr = Cl μl/kl",
          "Cl*mul/kl",
          {var("Cl", p.Ctlv, kSpecificHeat), var("mul", muL, kDynamicViscosity),
           var("kl", p.Ktl, kConductivity)});
}

void traceAkersDeansCrosser(CalcTrace& t, const TubeTwoPhaseProperties& p,
                            const TubeTwoPhaseFlow& f, const TubeCondensingFilm& c) {
    traceTextbookFlux(t, p, f, c.W, c.G, c.muL, c.PrL);
    t.add("x_out", {"outlet quality", "出口乾き度"}, c.xOut, kNone, "x_out = 1 - Wc/W", "1-Wc/W",
          {var("Wc", f.Wcon, kMassFlow), var("W", c.W, kMassFlow)});
    for (int i = 0; i < kQualitySteps; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const std::string x = "(1-" + stepFraction(i) + "*(1-xo))";
        const std::string re = "(G*DI*((1-" + x + ")+" + x + "*sqrt(rhol/rhov))/mul)";
        const bool laminar = c.Req[at] < 5.0e4f;
        t.add("Nu_x" + std::to_string(i + 1),
              {"local Nusselt number of a quality step", "乾き度区間の局所ヌセルト数"}, c.local[at],
              kNone,
              std::string(laminar ? "Nu = 5.03 Re_eq^(1/3) Pr^(1/3)"
                                  : "Nu = 0.0265 Re_eq^0.8 Pr^(1/3)") +
                  ", Re_eq = G DI ((1 - x) + x (ρl/ρv)^0.5)/μl, x = 1 - " + stepFraction(i) +
                  " (1 - x_out)",
              (laminar ? "5.03*" + re + "^(1/3)" : "0.0265*" + re + "^0.8") + "*Pr^(1/3)",
              {var("G", c.G, kMassFlux), var("DI", f.DI, "m"), var("xo", c.xOut, kNone),
               var("rhol", p.Dtlv, kDensity), var("rhov", p.Dtv, kDensity),
               var("mul", c.muL, kDynamicViscosity), var("Pr", c.PrL, kNone)});
    }
    addStepMean(t, "Nu_t", {"mean condensing Nusselt number", "平均凝縮ヌセルト数"}, c.Nu, kNone,
                "n", c.local, kNone);
    TraceEntry& xt =
        t.add("Xt", {"tube condensing film", "管内凝縮境膜伝熱係数"}, c.Xt, kCoefficient,
              "Xt = (kl/DI) Nu", "kl/DI*Nu",
              {var("kl", p.Ktl, kConductivity), var("DI", f.DI, "m"), var("Nu", c.Nu, kNone)});
    describeCard(xt, *c.card, c.PrL, 0.0f);
}

void traceGungorWinterton(CalcTrace& t, const TubeTwoPhaseProperties& p, const TubeTwoPhaseFlow& f,
                          float TL, const TubeBoilingFilm& b) {
    traceTextbookFlux(t, p, f, b.W, b.G, b.muL, b.PrL);
    t.add("A_i", {"inside area", "内面積"}, b.area, "m2", "A = 3.14 DI NT TL", "3.14*DI*NT*TL",
          {var("DI", f.DI, "m"), var("NT", f.NT, kNone), var("TL", TL, "m")});
    t.add("Bo", {"boiling number", "沸騰数"}, b.Bo, kNone, "Bo = Wc/(A G)", "Wc/(A*G)",
          {var("Wc", f.Wcon, kMassFlow), var("A", b.area, "m2"), var("G", b.G, kMassFlux)});
    t.add("x_out", {"outlet quality", "出口乾き度"}, b.xOut, kNone, "x_out = Wc/W", "Wc/W",
          {var("Wc", f.Wcon, kMassFlow), var("W", b.W, kMassFlow)});
    t.add("Fr_l", {"liquid Froude number", "液フルード数"}, b.FrL, kNone,
          "Fr = G²/(ρl² g DI), g = 1.27e8 m/h²", "G^2/(rhol^2*1.27e8*DI)",
          {var("G", b.G, kMassFlux), var("rhol", p.Dtlv, kDensity), var("DI", f.DI, "m")});
    const bool stratified = b.FrL < 0.05f;
    for (int i = 0; i < kQualitySteps; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const std::string x = "(" + stepFraction(i) + "*xo)";
        std::string E = "(1+3000*Bo^0.86+1.12*(" + x + "/(1-" + x + "))^0.75*(rhol/rhov)^0.41)";
        if (stratified) E += "*Fr^(0.1-2*Fr)";
        std::vector<TraceVar> vars{var("G", b.G, kMassFlux),
                                   var("DI", f.DI, "m"),
                                   var("xo", b.xOut, kNone),
                                   var("Bo", b.Bo, kNone),
                                   var("rhol", p.Dtlv, kDensity),
                                   var("rhov", p.Dtv, kDensity),
                                   var("mul", b.muL, kDynamicViscosity),
                                   var("Pr", b.PrL, kNone),
                                   var("kl", p.Ktl, kConductivity)};
        if (stratified) vars.push_back(var("Fr", b.FrL, kNone));
        t.add("h_x" + std::to_string(i + 1),
              {"local coefficient of a quality step", "乾き度区間の局所伝熱係数"}, b.local[at],
              kCoefficient,
              std::string("h = E 0.023 Re_l^0.8 Pr^0.4 kl/DI, E = 1 + 3000 Bo^0.86 + 1.12 "
                          "(x/(1 - x))^0.75 (ρl/ρv)^0.41") +
                  (stratified ? " times Fr^(0.1 - 2 Fr)" : "") +
                  ", Re_l = G (1 - x) DI/μl, x = " + stepFraction(i) + " x_out",
              E + "*0.023*(G*(1-" + x + ")*DI/mul)^0.8*Pr^0.4*kl/DI", std::move(vars));
    }
    TraceEntry& xt = addStepMean(t, "Xt", {"tube boiling film", "管内沸騰境膜伝熱係数"}, b.Xt,
                                 kCoefficient, "h", b.local, kCoefficient);
    describeCard(xt, *b.card, b.xOut, 0.0f);
    t.add("Nu_t", {"boiling Nusselt number", "沸騰ヌセルト数"}, b.Nu, kNone, "Nu = Xt DI/kl",
          "Xt*DI/kl",
          {var("Xt", b.Xt, kCoefficient), var("DI", f.DI, "m"), var("kl", p.Ktl, kConductivity)});
}

}  // namespace

void traceTubeCondensation(CalcTrace& t, const TubeTwoPhaseProperties& p, const TubeTwoPhaseFlow& f,
                           const TubePhaseFilm& film) {
    t.add("Re_t", {"mean vapour Reynolds number", "平均蒸気レイノルズ数"}, film.film.Ret, kNone,
          "Re = (Re_in + Re_out)/2, Re_in = PN V DI/(ν NT a), Re_out = PN (V ρv - Wc) DI/(ν NT a "
          "ρv), a = 0.785 DI²",
          "0.5*(PN*V*DI/(nu*NT*(0.785*DI^2))+PN*(V*rhov-Wc)*DI/(nu*NT*(0.785*DI^2))/rhov)",
          {var("PN", f.PN, kNone), var("V", f.V, "m3/h"), var("DI", f.DI, "m"),
           var("nu", f.Vt, kViscosity), var("NT", f.NT, kNone), var("rhov", p.Dtv, kDensity),
           var("Wc", f.Wcon, kMassFlow)});
    t.add("u_t", {"mean vapour velocity", "平均蒸気流速"}, film.film.Ut, "m/s",
          "u = (PN V + PN (V - Wc/ρv))/(0.785 DI²)/3600/NT/2",
          "0.5*(PN*V/(0.785*DI^2)/3600/NT+PN*(V-Wc/rhov)/(0.785*DI^2)/3600/NT)",
          {var("PN", f.PN, kNone), var("V", f.V, "m3/h"), var("DI", f.DI, "m"),
           var("NT", f.NT, kNone), var("Wc", f.Wcon, kMassFlow), var("rhov", p.Dtv, kDensity)});
    t.add("Q_cond", {"condensing duty", "凝縮熱量"}, p.Ltv * f.Wcon, kHeat, "Qc = L Wc", "L*Wc",
          {var("L", p.Ltv, kLatentHeat), var("Wc", f.Wcon, kMassFlow)});
    if (film.condensing.card != nullptr) {
        traceAkersDeansCrosser(t, p, f, film.condensing);
        return;
    }
    const float dT = std::fabs(f.T3 - f.Twav);
    traceFilmDifference(t, f.T3, f.Twav, "T3");
    TraceEntry& xt =
        t.add("Xt", {"tube condensing film", "管内凝縮境膜伝熱係数"}, *film.film.Xt, kCoefficient,
              "Xt = 0.468 [kl³ ρl (ρl - ρv) L (1 + 0.68 Cl ΔT/L) g/(νl ρl DI ΔT)]^0.25, "
              "g = 1.27e8 m/h²",
              "0.468*(kl^3*rhol*(rhol-rhov)*L*(1+0.68*Cl*dT/L)*1.27e8/(nul*rhol*DI*dT))^0.25",
              {var("kl", p.Ktl, kConductivity), var("rhol", p.Dtlv, kDensity),
               var("rhov", p.Dtv, kDensity), var("L", p.Ltv, kLatentHeat),
               var("Cl", p.Ctlv, kSpecificHeat), var("dT", dT, kC), var("nul", p.Vtl, kViscosity),
               var("DI", f.DI, "m")});
    describeCard(xt, *film.film.card, film.rangeValue, 0.0f);
}

void traceTubeEvaporation(CalcTrace& t, const TubeTwoPhaseProperties& p, const TubeTwoPhaseFlow& f,
                          float Ps, float sigma, float TL, const TubePhaseFilm& film) {
    t.add("Re_t", {"mean liquid Reynolds number", "平均液レイノルズ数"}, film.film.Ret, kNone,
          "Re = (Re_in + Re_out)/2, Re_in = PN V ρv DI/(νl NT a ρl), Re_out = PN (V ρv - Wc) "
          "DI/(νl NT a ρl), a = 0.785 DI²",
          "0.5*(PN*V*rhov*DI/(nul*NT*(0.785*DI^2)*rhol)+PN*(V*rhov-Wc)*DI/(nul*NT*(0.785*DI^2)*"
          "rhol))",
          {var("PN", f.PN, kNone), var("V", f.V, "m3/h"), var("rhov", p.Dtv, kDensity),
           var("DI", f.DI, "m"), var("nul", p.Vtl, kViscosity), var("NT", f.NT, kNone),
           var("rhol", p.Dtlv, kDensity), var("Wc", f.Wcon, kMassFlow)});
    t.add("u_t", {"mean vapour velocity", "平均蒸気流速"}, film.film.Ut, "m/s",
          "u = PN (Wc/ρv)/(0.785 DI²)/3600/NT/2", "PN*(Wc/rhov)/(0.785*DI^2)/3600/NT/2",
          {var("PN", f.PN, kNone), var("Wc", f.Wcon, kMassFlow), var("rhov", p.Dtv, kDensity),
           var("DI", f.DI, "m"), var("NT", f.NT, kNone)});
    if (film.boiling.card != nullptr) {
        traceGungorWinterton(t, p, f, TL, film.boiling);
        return;
    }
    const float dT = std::fabs(f.T3 - f.Twav);
    traceFilmDifference(t, f.T3, f.Twav, "T3");
    t.add("h_nb", {"nucleate boiling part", "核沸騰成分"}, film.hn, kCoefficient,
          "hn = [0.023 × 0.7 (Cl/L)^0.69 (Ps 10000 kl/σ)^0.31 (ρl/ρv - 1)^0.33]^3.22 ΔT^2.22",
          "(0.023*0.7*(Cl/L)^0.69*(Ps*10000*kl/sigma)^0.31*(rhol/rhov-1)^0.33)^3.22*dT^2.22",
          {var("Cl", p.Ctlv, kSpecificHeat), var("L", p.Ltv, kLatentHeat), var("Ps", Ps, "kg/cm2"),
           var("kl", p.Ktl, kConductivity), var("sigma", sigma, "kg/m"),
           var("rhol", p.Dtlv, kDensity), var("rhov", p.Dtv, kDensity), var("dT", dT, kC)});
    t.add("h_cv", {"convective boiling part", "対流沸騰成分"}, film.hc, kCoefficient,
          "hc = 0.06 (kl/DI) (ρl/ρv)^0.28 Re^0.87 (Cl νl ρl/kl)^0.4",
          "0.06*(kl/DI)*(rhol/rhov)^0.28*Re^0.87*(Cl*nul*rhol/kl)^0.4",
          {var("kl", p.Ktl, kConductivity), var("DI", f.DI, "m"), var("rhol", p.Dtlv, kDensity),
           var("rhov", p.Dtv, kDensity), var("Re", film.film.Ret, kNone),
           var("Cl", p.Ctlv, kSpecificHeat), var("nul", p.Vtl, kViscosity)});
    TraceEntry& xt = t.add("Xt", {"tube boiling film", "管内沸騰境膜伝熱係数"}, *film.film.Xt,
                           kCoefficient, "Xt = 0.5 hn + hc", "0.5*hn+hc",
                           {var("hn", film.hn, kCoefficient), var("hc", film.hc, kCoefficient)});
    describeCard(xt, *film.film.card, film.rangeValue, 0.0f);
}

}  // namespace hx
