#include "calc/solver/solver_trace.h"

#include <cmath>
#include <string>

#include "calc/solver/baffle_geometry_trace.h"
#include "calc/solver/trace_vars.h"
#include "core/option_codes.h"
#include "correlations/common/card_trace.h"
#include "correlations/common/geometry.h"

namespace hx {

using namespace tracing;

namespace {

constexpr float kPaPerKgCm2 = 98066.5f;  // 1 kgf/cm2 in Pa

// Hausen's mean Nusselt number and Gnielinski's, as expressions of the
// Reynolds number written in `re` (a variable or a number).
std::string hausenExpr(const std::string& re) {
    const std::string gz = "(" + re + "*Pr*DI/TL)";
    return "(3.66+0.0668*" + gz + "/(1+0.04*" + gz + "^(2/3)))";
}

std::string gnielinskiExpr(const std::string& re) {
    const std::string f8 = "((0.79*ln(" + re + ")-1.64)^(-2)/8)";
    return "(" + f8 + "*(" + re + "-1000)*Pr/(1+12.7*sqrt(" + f8 + ")*(Pr^(2/3)-1)))";
}

// The Nusselt expression of the branch the card names.
std::string tubeNusseltExpr(const CorrelationCard* card) {
    if (card == &kOriginalLaminarTubeCard) return "1.62*(Re*Pr*DI/TL)^(1/3)";
    if (card == &kOriginalLowPrandtlTubeCard) return "0.625*(Re*Pr)^0.4";
    if (card == &kOriginalViscousTubeCard) return "0.023*Re^0.875*Pr^0.25";
    if (card == &kOriginalTurbulentTubeCard)
        return "0.0396*Re^0.75*Pr/(1+1.7*Pr^(-0.25)*Re^(-0.125)*(Pr-1))";
    if (card == &kHausenCard) return hausenExpr("Re");
    if (card == &kGnielinskiCard) return gnielinskiExpr("Re");
    if (card == &kTubeTransitionCard) {
        const std::string g = "((Re-2300)/(10000-2300))";
        return "(1-" + g + ")*" + hausenExpr("2300") + "+" + g + "*" + gnielinskiExpr("10000");
    }
    return {};
}

void dropInPa(CalcTrace& t, const std::string& symbol, TraceName name, float DP) {
    t.add(symbol + "_Pa", name, DP * kPaPerKgCm2, kPa, symbol + " × 98066.5", symbol + "*98066.5",
          {var(symbol.c_str(), DP, kDrop)});
}

}  // namespace

void traceProperties(CalcTrace& t, const StreamIterate& it, const LiquidPropertyState& p,
                     bool gasTube, float Wt, float Ws, float VT, float VS) {
    const PropertyTemperatures& T = p.temperatures;
    t.add("Tsm", {"shell fluid mean temperature", "胴側流体平均温度"}, T.Tsm, kC,
          "Tsm = (Tsi + Tso)/2", "(Tsi+Tso)/2", {var("Tsi", it.Tsi, kC), var("Tso", it.Tso, kC)});
    t.add("Ttm", {"tube fluid mean temperature", "管側流体平均温度"}, T.Ttm, kC,
          "Ttm = (Tti + Tto)/2", "(Tti+Tto)/2", {var("Tti", it.Tti, kC), var("Tto", it.Tto, kC)});
    t.add("Twav", {"mean wall temperature", "平均壁温"}, T.Twav, kC,
          "Twav = (hs As Tsm + ht At Ttm)/(hs As + ht At)", "(hs*As*Tsm+ht*At*Ttm)/(hs*As+ht*At)",
          {var("hs", it.Xs, kCoefficient), var("As", it.As, "m2"), var("Tsm", T.Tsm, kC),
           var("ht", it.Xt, kCoefficient), var("At", it.At, "m2"), var("Ttm", T.Ttm, kC)});
    t.add("Tsav", {"shell property temperature", "胴側物性温度"}, T.Tsav, kC,
          "Tsav = (Twav + Tsm)/2", "0.5*(Twav+Tsm)",
          {var("Twav", T.Twav, kC), var("Tsm", T.Tsm, kC)});
    t.add("Ttav", {"tube property temperature", "管側物性温度"}, T.Ttav, kC,
          "Ttav = (Twav + Ttm)/2", "0.5*(Twav+Ttm)",
          {var("Twav", T.Twav, kC), var("Ttm", T.Ttm, kC)});
    struct Side {
        const char* tag;
        const LiquidState& s;
        float W;
        float V;
        const char* where;
        bool gas;
    };
    const Side sides[] = {{"s", p.shell, Ws, VS, "shell fluid at Tsav", false},
                          {"t", p.tube, Wt, VT, "tube fluid at Ttav", gasTube}};
    for (const Side& side : sides) {
        const std::string tag = side.tag;
        const bool shell = tag == "s";
        t.addLookup(
            "rho_" + tag,
            shell ? TraceName{"shell density", "胴側密度"} : TraceName{"tube density", "管側密度"},
            side.s.density, "kg/m3", side.where);
        t.addLookup("c_" + tag,
                    shell ? TraceName{"shell specific heat", "胴側比熱"}
                          : TraceName{"tube specific heat", "管側比熱"},
                    side.s.specificHeat, "kcal/kg℃", side.where);
        t.addLookup("nu_" + tag,
                    shell ? TraceName{"shell kinematic viscosity", "胴側動粘度"}
                          : TraceName{"tube kinematic viscosity", "管側動粘度"},
                    side.s.viscosity, "m2/h", side.where);
        t.addLookup("k_" + tag,
                    shell ? TraceName{"shell conductivity", "胴側熱伝導率"}
                          : TraceName{"tube conductivity", "管側熱伝導率"},
                    side.s.conductivity, "kcal/mh℃", side.where);
        const TraceName pr = shell ? TraceName{"shell Prandtl number", "胴側プラントル数"}
                                   : TraceName{"tube Prandtl number", "管側プラントル数"};
        if (side.gas) {
            t.addLookup("Pr_" + tag, pr, side.s.prandtl, kNone, "gas mixture at Ttav");
        } else {
            t.add("Pr_" + tag, pr, side.s.prandtl, kNone, "Pr = c ν ρ / k", "c*nu*rho/k",
                  {var("c", side.s.specificHeat, "kcal/kg℃"), var("nu", side.s.viscosity, "m2/h"),
                   var("rho", side.s.density, "kg/m3"), var("k", side.s.conductivity, "kcal/mh℃")});
        }
        t.add("V_" + tag,
              shell ? TraceName{"shell volume flow", "胴側体積流量"}
                    : TraceName{"tube volume flow", "管側体積流量"},
              side.V, "m3/h", "V = W × 1000 / ρ", "W*1000/rho",
              {var("W", side.W, "ton/h"), var("rho", side.s.density, "kg/m3")});
    }
}

void tracePlainTubeFilm(CalcTrace& t, const PlainTubeFlow& in, const TubeFilm& film) {
    t.add("Re_t", {"tube Reynolds number", "管内レイノルズ数"}, film.Ret, kNone,
          "Re = PN Vr DI / (ν NT 0.785 DI²)", "PN*Vr*DI/(nu*NT*(0.785*DI^2))",
          {var("PN", in.PN, kNone), var("Vr", in.Vr, "m3/h"), var("DI", in.DI, "m"),
           var("nu", in.Vt, "m2/h"), var("NT", in.NT, kNone)});
    t.add("u_t", {"tube velocity", "管内流速"}, film.Ut, "m/s",
          "u = PN Vr / (0.785 DI²) / 3600 / NT", "PN*Vr/(0.785*DI^2)/3600/NT",
          {var("PN", in.PN, kNone), var("Vr", in.Vr, "m3/h"), var("DI", in.DI, "m"),
           var("NT", in.NT, kNone)});
    if (film.card != nullptr) {
        TraceEntry& nu = t.add("Nu_t", {"tube Nusselt number", "管内ヌセルト数"}, film.Nu, kNone,
                               film.card->formula, tubeNusseltExpr(film.card),
                               {var("Re", film.Ret, kNone), var("Pr", in.Prt, kNone),
                                var("DI", in.DI, "m"), var("TL", in.TL, "m")});
        describeCard(nu, *film.card, film.Ret, in.Prt);
    }
    if (!film.Xt) return;
    if (in.basis == CorrelationBasis::Textbook) {
        TraceEntry& st = t.add("phi_t", {"Sieder-Tate factor", "シーダー・テート補正"},
                               std::pow(in.viscosityRatio, 0.14f), kNone, "(μ/μw)^0.14", "r^0.14",
                               {var("r", in.viscosityRatio, kNone)});
        describeCard(st, kSiederTateCard, in.viscosityRatio, 0.0f);
        t.add("Xt", {"tube film coefficient", "管内境膜伝熱係数"}, *film.Xt, kCoefficient,
              "h = (k/DI) Nu (μ/μw)^0.14 c", "(k/DI)*Nu*r^0.14*c",
              {var("k", in.Kt, "kcal/mh℃"), var("DI", in.DI, "m"), var("Nu", film.Nu, kNone),
               var("r", in.viscosityRatio, kNone), var("c", in.correction, kNone)});
        return;
    }
    t.add("Xt", {"tube film coefficient", "管内境膜伝熱係数"}, *film.Xt, kCoefficient,
          "h = (k/DI) Nu c", "(k/DI)*Nu*c",
          {var("k", in.Kt, "kcal/mh℃"), var("DI", in.DI, "m"), var("Nu", film.Nu, kNone),
           var("c", in.correction, kNone)});
}

namespace {

// The textbook annulus Nusselt numbers on the inner wall: laminar (Shah and
// London's fully developed value Nu1 with the developing terms) and
// turbulent (Gnielinski with the annulus factor), at the Reynolds number
// written in `re`; r = D0/DS.
std::string laminarAnnulusExpr(const std::string& re) {
    const std::string x = "(" + re + "*Pr*Dh/L)";
    return "((Nu1^3+(1.615*(1+0.14/sqrt(r))*" + x + "^(1/3))^3+((2/(1+22*Pr))^(1/6)*" + x +
           "^(1/2))^3)^(1/3))";
}

std::string turbulentAnnulusExpr(const std::string& re) {
    return "(" + gnielinskiExpr(re) + "*0.86*r^(-0.16))";
}

}  // namespace

void traceAnnulus(CalcTrace& t, const AnnulusInput& in, const AnnulusFilm& film, float L,
                  float factor, float Xs) {
    const AnnulusResult& a = film.flow;
    const float d = in.lowFin ? in.D0 + 2.0f * in.FH : in.D0;  // inner boundary of the flow
    t.add("Sa", {"annulus flow area", "環状部流路面積"}, a.Sa, "m2", "Sa = 3.14 (DS² - d²)/4",
          "3.14*(DS^2-d^2)/4", {var("DS", in.DS, "m"), var("d", d, "m")});
    t.add("De", {"annulus equivalent diameter", "環状部相当直径"}, a.De, "m", "De = DS - d", "DS-d",
          {var("DS", in.DS, "m"), var("d", d, "m")});
    t.add("u_s", {"annulus velocity", "環状部流速"}, a.Us, "m/s", "u = V/Sa/3600", "V/Sa/3600",
          {var("V", in.VS, "m3/h"), var("Sa", a.Sa, "m2")});
    t.add("Re_s", {"annulus Reynolds number", "環状部レイノルズ数"}, a.Res, kNone,
          "Re = (V/Sa) De/ν", "(V/Sa)*De/nu",
          {var("V", in.VS, "m3/h"), var("Sa", a.Sa, "m2"), var("De", a.De, "m"),
           var("nu", in.Vs, "m2/h")});
    const TraceName hName{"annulus film coefficient", "環状部境膜伝熱係数"};
    if (film.Nu > 0.0f) {
        const float r = in.D0 / in.DS;
        std::vector<TraceVar> vars{var("Re", a.Res, kNone), var("Pr", in.Prs, kNone),
                                   var("r", r, kNone), var("Dh", a.De, "m"), var("L", L, "m")};
        std::string expr;
        if (film.card == &kGnielinskiAnnulusCard) {
            expr = turbulentAnnulusExpr("Re");
        } else {
            vars.push_back(var("Nu1", shahLondonInnerWallNusselt(r), kNone));
            if (film.card == &kShahLondonAnnulusCard) {
                expr = laminarAnnulusExpr("Re");
            } else {
                const std::string g = "((Re-2300)/(10000-2300))";
                expr = "(1-" + g + ")*" + laminarAnnulusExpr("2300") + "+" + g + "*" +
                       turbulentAnnulusExpr("10000");
            }
        }
        TraceEntry& nu = t.add("Nu_s", {"annulus Nusselt number", "環状部ヌセルト数"}, film.Nu,
                               kNone, film.card->formula, expr, std::move(vars));
        describeCard(nu, *film.card, film.first, film.second);
        t.add("Xs", hName, Xs, kCoefficient, "h = (k/Dh) Nu", "(k/Dh)*Nu",
              {var("k", in.KS, "kcal/mh℃"), var("Dh", a.De, "m"), var("Nu", film.Nu, kNone)});
        return;
    }
    std::string formula;
    std::string expr;
    std::vector<TraceVar> vars{var("k", in.KS, "kcal/mh℃"), var("Re", a.Res, kNone),
                               var("Pr", in.Prs, kNone), var("c", factor, kNone)};
    if (in.lowFin) {
        formula = "h = c (k/De) 0.039 Re^0.87 Pr^0.4 ((p - FT)/De)^0.4 (FH/De)^-0.19";
        expr = "c*(k/De)*0.039*Re^0.87*Pr^0.4*((p-FT)/De)^0.4*(FH/De)^(-0.19)";
        for (const TraceVar& v : {var("De", a.De, "m"), var("p", finPitch(in.FN), "m"),
                                  var("FT", in.FT, "m"), var("FH", in.FH, "m")})
            vars.push_back(v);
    } else if (a.Res < 2000.0f) {
        formula = "h = c (k/De') 0.032 Re^0.8 Pr^0.3, De' = √(4 Sa/3.14)";
        expr = "c*(k/sqrt(4*Sa/3.14))*0.032*Re^0.8*Pr^0.3";
        vars.push_back(var("Sa", a.Sa, "m2"));
    } else {
        formula = "h = c (k/De) 0.023 Re^0.8 Pr^0.4 (DS/D0)^0.45";
        expr = "c*(k/De)*0.023*Re^0.8*Pr^0.4*(DS/D0)^0.45";
        for (const TraceVar& v :
             {var("De", a.De, "m"), var("DS", in.DS, "m"), var("D0", in.D0, "m")})
            vars.push_back(v);
    }
    TraceEntry& h = t.add("Xs", hName, Xs, kCoefficient, formula, expr, std::move(vars));
    describeCard(h, *film.card, film.first, film.second);
}

namespace {

// Manglik and Bergles' Nusselt numbers with the correction of their regime,
// at the Reynolds number written in `re`; t = δ/DI, y = H/DI (180° twist),
// phi the turbulent property factor, r the viscosity ratio (1 for a gas).
std::string tapeTurbulentExpr(const std::string& re) {
    return "(0.023*" + re +
           "^0.8*Pr^0.4*(1+0.769/y)*(3.14159265/(3.14159265-4*t))^0.8*"
           "((3.14159265+2-2*t)/(3.14159265-4*t))^0.2*phi)";
}

std::string tapeLaminarExpr(const std::string& re) {
    const std::string gz = "(3.14159265/4*" + re + "*Pr*DI/TL)";
    const std::string sw =
        "(" + re + "/sqrt(y)*(3.14159265/(3.14159265-4*t))*sqrt(1+(3.14159265/(2*y))^2))";
    return "(4.612*(((1+0.0951*" + gz + "^0.894)^2.5+6.413e-9*(" + sw +
           "*Pr^0.391)^3.835)^2)^0.1*r^0.14)";
}

}  // namespace

void traceTapeFilm(CalcTrace& t, const TapeFlow& f, const TapeFilm& film) {
    if (!film.Xt) return;
    const TraceName nuName{"tube Nusselt number", "管内ヌセルト数"};
    const TraceName xtName{"twisted-tape film", "ねじりテープ管内境膜伝熱係数"};
    if (f.basis != CorrelationBasis::Textbook) {
        t.add("De_t", {"hydraulic diameter with the tape", "テープ付き水力直径"}, film.De, "m",
              "De = (3.14 DI² - 4 δ DI)/(3.14 DI - 2 δ + 2 DI)",
              "(3.14*DI^2-4*d*DI)/(3.14*DI-2*d+2*DI)",
              {var("DI", f.DI, "m"), var("d", f.thickness, "m")});
        t.add("Re_tape", {"tube Reynolds number on De", "管内レイノルズ数(De基準)"}, film.Ret,
              kNone, "Re = PN De V/(ν NT (0.785 DI² - δ DI))", "PN*De*V/(nu*NT*(0.785*DI^2-d*DI))",
              {var("PN", f.PN, kNone), var("De", film.De, "m"), var("V", f.V, "m3/h"),
               var("nu", f.Vt, "m2/h"), var("NT", f.NT, kNone), var("DI", f.DI, "m"),
               var("d", f.thickness, "m")});
        t.add("s_tape", {"swirl fraction", "旋回割合"}, film.s, kNone,
              "s = q²/(1 + q²), q = 3.14 DI/H", "(3.14*DI/H)^2/(1+(3.14*DI/H)^2)",
              {var("DI", f.DI, "m"), var("H", f.pitch, "m")});
        const bool laminar = film.Ret < 2000.0f;
        const float yy = tapeTwistParameter(film.s, f.DI);
        TraceEntry& nu = t.add(
            "Nu_t", nuName, film.Nu, kNone,
            laminar ? "Nu = cl Re^0.5 Pr^0.4 (TZ/TB)^-0.5, cl = 0.162 + 0.0488 Y/(1 + 0.0893 Y), "
                      "Y = 2 s/DI"
                    : "Nu = ct Re^n Pr^0.4 (TZ/TB)^-0.5, ct = 0.021 (1 + 0.62 Y/(1 + 0.0142 Y)), "
                      "n = 0.8 - 0.04 Y/(1 + 0.15 Y), Y = 2 s/DI",
            laminar ? "(0.162+0.0488*Y/(1+0.0893*Y))*Re^0.5*Pr^0.4*T^(-0.5)"
                    : "0.021*(1+0.62*Y/(1+0.0142*Y))*Re^(0.8-0.04*Y/(1+0.15*Y))*Pr^0.4*T^(-0.5)",
            {var("Y", yy, "1/m"), var("Re", film.Ret, kNone), var("Pr", f.Prt, kNone),
             var("T", f.temperatureRatio, kNone)});
        describeCard(nu, *film.card, film.Re, f.Prt);
        t.add("Xt", xtName, *film.Xt, kCoefficient, "h = (k/De) Nu", "(k/De)*Nu",
              {var("k", f.Kt, "kcal/mh℃"), var("De", film.De, "m"), var("Nu", film.Nu, kNone)});
        return;
    }
    t.add("Re_t", {"tube Reynolds number", "管内レイノルズ数"}, film.Re, kNone,
          "Re = PN DI V/(ν NT 0.785 DI²)", "PN*DI*V/(nu*NT*(0.785*DI^2))",
          {var("PN", f.PN, kNone), var("DI", f.DI, "m"), var("V", f.V, "m3/h"),
           var("nu", f.Vt, "m2/h"), var("NT", f.NT, kNone)});
    std::vector<TraceVar> vars{var("Re", film.Re, kNone), var("Pr", f.Prt, kNone),
                               var("y", film.y, kNone), var("t", film.thicknessRatio, kNone)};
    // The turbulent property factor: a liquid on μb/μw, a gas on Tb/Tw.
    const bool heating = f.temperatureRatio > 1.0f;
    const std::string phi = f.gas ? std::string("(1/Tr)^") + (heating ? "0.45" : "0.15")
                                  : std::string("r^") + (heating ? "0.18" : "0.30");
    const bool laminarPart = film.card != &kManglikBerglesCard;
    const bool turbulentPart = film.card != &kManglikBerglesLaminarCard;
    if (turbulentPart) {
        vars.push_back(f.gas ? var("Tr", f.temperatureRatio, kNone)
                             : var("r", f.viscosityRatio, kNone));
    }
    if (laminarPart) {
        vars.push_back(var("DI", f.DI, "m"));
        vars.push_back(var("TL", f.TL, "m"));
        if (!turbulentPart || f.gas)
            vars.push_back(var("r", f.gas ? 1.0f : f.viscosityRatio, kNone));
    }
    std::string expr;
    if (!laminarPart) {
        expr = tapeTurbulentExpr("Re");
    } else if (!turbulentPart) {
        expr = tapeLaminarExpr("Re");
    } else {
        const std::string g = "((Re-2300)/(10000-2300))";
        expr =
            "(1-" + g + ")*" + tapeLaminarExpr("2300") + "+" + g + "*" + tapeTurbulentExpr("10000");
    }
    // phi is written out in place.
    std::string::size_type at = 0;
    while ((at = expr.find("phi", at)) != std::string::npos) {
        expr.replace(at, 3, "(" + phi + ")");
        at += phi.size() + 2;
    }
    TraceEntry& nu =
        t.add("Nu_t", nuName, film.Nu, kNone, film.card->formula, expr, std::move(vars));
    describeCard(nu, *film.card, film.Re, f.Prt);
    t.add("Xt", xtName, *film.Xt, kCoefficient, "h = (k/DI) Nu", "(k/DI)*Nu",
          {var("k", f.Kt, "kcal/mh℃"), var("DI", f.DI, "m"), var("Nu", film.Nu, kNone)});
}

void traceWetFilm(CalcTrace& t, float gasFilm, const WetFilm& wet, float thickness) {
    if (!wet.Xt) return;
    t.add("Xt_wet", {"tube film with the water film", "水膜を含む管内境膜伝熱係数"}, *wet.Xt,
          kCoefficient, "h = 1/(1/(h_g ratio) + 1/(0.55/t))", "1/(1/(hg*ratio)+1/(0.55/t))",
          {var("hg", gasFilm, kCoefficient), var("ratio", wet.ratio, kNone),
           var("t", thickness == 0.0f ? 1e-09f : thickness, "m")});
}

// The bypass factor exp(−k·Fsbp·(1 − (2·Nss/Nc)^0.333)) of the Bell method.
void traceBypass(CalcTrace& t, const char* symbol, TraceName name, float value, float k, float Fsbp,
                 float Nss, float Nc) {
    t.add(symbol, name, value, kNone, "exp(-k Fsbp (1 - (2 Nss/Nc)^0.333))",
          "exp(-k*Fsbp*(1-(2*Nss/Nc)^0.333))",
          {var("k", k, kNone), var("Fsbp", Fsbp, kNone), var("Nss", Nss, kNone),
           var("Nc", Nc, kNone)});
}

// The leakage factor 1 − p·(Stb + 2·Ssb)/(Stb + Ssb), p by the leak-to-
// cross-flow area ratio r = (Stb + Ssb)/Sm (`above`: r past the method's
// threshold); 1 without leakage (or where the factor would not be positive).
void traceLeakage(CalcTrace& t, const char* symbol, TraceName name, float value,
                  const BellGeometry& g, bool above, const char* pAbove, const char* pBelow) {
    const float leak = g.Stb + g.Ssb;
    if (leak == 0.0f || value == 1.0f) {
        t.addLookup(symbol, name, value, kNone, "no leakage area: 1");
        return;
    }
    const std::string p = above ? pAbove : pBelow;
    t.add(symbol, name, value, kNone,
          "1 - p (Stb + 2 Ssb)/(Stb + Ssb), p = " + p + ", r = (Stb + Ssb)/Sm",
          "1-" + p + "*(Stb+2*Ssb)/(Stb+Ssb)",
          {var("Stb", g.Stb, "m2"), var("Ssb", g.Ssb, "m2"), var("Sm", g.Sm, "m2")});
}

void traceBell(CalcTrace& t, const BellInput& in, const BellResult& r) {
    const BellGeometry& g = r.geometry;
    traceBellGeometry(t, in, r);
    const char* j = in.Res <= 200.0f   ? "1.73*Re^(-0.675)"
                    : in.Res <= 600.0f ? "0.65*Re^(-0.49)"
                                       : "0.35*Re^(-0.39)";
    t.add("j", {"Colburn factor", "コルバーン係数"}, r.j, kNone, std::string("j = ") + j, j,
          {var("Re", in.Res, kNone)});
    const TraceName fin{"fin factor", "フィン係数"};
    if (!in.lowFin || in.Res > 840.0f) {
        t.add("phi_fin", fin, r.finFactor, kNone, "1 (plain tubes or Re > 840)", "1", {});
    } else {
        // The low-fin factor, a fit in Re over three ranges, in per cent.
        const char* poly = in.Res < 300.0f   ? "(8e-09*Re^3-7e-05*Re^2+0.1007*Re+56.658)*0.01"
                           : in.Res < 500.0f ? "(0.055*Re+64.5)*0.01"
                                             : "(0.0235*Re+80.235)*0.01";
        t.add("phi_fin", fin, r.finFactor, kNone, std::string("φfin = ") + poly, poly,
              {var("Re", in.Res, kNone)});
    }
    t.add("G_s", {"shell mass velocity", "胴側質量速度"}, g.G, "kg/m2h", "G = W / Sm", "W/Sm",
          {var("W", in.shellFlow, "kg/h"), var("Sm", g.Sm, "m2")});
    t.add("Jc", {"window correction", "バッフル窓補正"}, r.Jc, kNone,
          "Jc = 1 - Fwt + 0.524 Fwt^0.32 (Sm/Sw)^0.03", "1-Fwt+0.524*Fwt^0.32*(Sm/Sw)^0.03",
          {var("Fwt", r.Fwt, kNone), var("Sm", g.Sm, "m2"), var("Sw", g.Sw, "m2")});
    traceBypass(t, "Jb", {"bypass correction", "バイパス補正"}, r.Jb, 1.25f, g.Fsbp,
                in.bundle.sealingStrips, g.Nc);
    if (in.Res < 100.0f)
        t.add("Jr", {"laminar correction", "層流補正"}, r.Jr, kNone, "Jr = (Nt/13)^0.18",
              "(Nt/13)^0.18", {var("Nt", r.Nt, kNone)});
    else
        t.add("Jr", {"laminar correction", "層流補正"}, r.Jr, kNone, "Jr = 1 (Re ≥ 100)", "1", {});
    const float leakRatio = (g.Stb + g.Ssb) / g.Sm;
    traceLeakage(t, "Jl", {"leakage correction", "漏れ補正"}, r.Jl, g, leakRatio >= 0.1f,
                 "(0.1+0.45*((Stb+Ssb)/Sm))", "(0.442*((Stb+Ssb)/Sm)^0.5)");
    t.add("Xs", {"shell film coefficient", "胴側境膜伝熱係数"}, r.Xs, kCoefficient,
          "h = φfin j c G Pr^-0.666 (μ/μw)^0.14 (Jc Jb / Jr) Jl",
          "fin*j*c*G*Pr^(-0.666)*r^0.14*(Jc*Jb/Jr)*Jl",
          {var("fin", r.finFactor, kNone), var("j", r.j, kNone), var("c", in.Cs, "kcal/kg℃"),
           var("G", g.G, "kg/m2h"), var("Pr", in.Prs, kNone),
           var("r", in.bulkViscosity / in.wallViscosity, kNone), var("Jc", r.Jc, kNone),
           var("Jb", r.Jb, kNone), var("Jr", r.Jr, kNone), var("Jl", r.Jl, kNone)});
}

namespace {

constexpr const char* kTaborek = "Taborek, Heat Exchanger Design Handbook 3.3.7 (1983)";

// The ideal-bank factor a1·(1.33/(P/D0))^(a3/(1 + 0.14·Re^a4))·Re^a2 (j),
// or the same with b1..b4 (f), the coefficients of the layout and range.
void traceIdealBank(CalcTrace& t, const char* symbol, TraceName name, float value,
                    const TextbookBellInput& in, float Re, const float (&c)[4]) {
    t.add(symbol, name, value, kNone,
          std::string(symbol) + " = c1 (1.33/(P/D0))^(c3/(1 + 0.14 Re^c4)) Re^c2",
          "c1*(1.33/(P/D0))^(c3/(1+0.14*Re^c4))*Re^c2",
          {var("c1", c[0], kNone), var("c2", c[1], kNone), var("c3", c[2], kNone),
           var("c4", c[3], kNone), var("P", in.bundle.P, "m"), var("D0", in.bundle.D0, "m"),
           var("Re", Re, kNone)})
        .source = kTaborek;
}

// The bypass term exp(−C·Fsbp·(1 − (2·Nss/Ntcc)^(1/3))), 1 from Nss/Ntcc = 1/2 up.
void traceTextbookBypass(CalcTrace& t, const char* symbol, TraceName name, float value, float C,
                         const TextbookBellGeometry& g, float Nss) {
    if (Nss / g.Ntcc >= 0.5f) {
        t.add(symbol, name, value, kNone, "1 (Nss/Ntcc ≥ 1/2)", "1", {});
        return;
    }
    t.add(symbol, name, value, kNone, "exp(-C Fsbp (1 - (2 Nss/Ntcc)^(1/3)))",
          "exp(-C*Fsbp*(1-(2*Nss/Ntcc)^(1/3)))",
          {var("C", C, kNone), var("Fsbp", g.Fsbp, kNone), var("Nss", Nss, kNone),
           var("Ntcc", g.Ntcc, kNone)});
}

// The leak-area ratios rs = Ssb/(Ssb + Stb) and rlm = (Ssb + Stb)/Sm.
struct LeakRatios {
    float rs = 0.0f;
    float rlm = 0.0f;
};

LeakRatios traceLeakRatios(CalcTrace& t, const TextbookBellGeometry& g) {
    const float leak = g.Ssb + g.Stb;
    LeakRatios l{leak > 0.0f ? g.Ssb / leak : 0.0f, leak / g.Sm};
    if (leak > 0.0f)
        t.add("r_s", {"shell-to-baffle share of the leak area", "胴-バッフル漏れ面積比"}, l.rs,
              kNone, "rs = Ssb/(Ssb + Stb)", "Ssb/(Ssb+Stb)",
              {var("Ssb", g.Ssb, "m2"), var("Stb", g.Stb, "m2")});
    else
        t.addLookup("r_s", {"shell-to-baffle share of the leak area", "胴-バッフル漏れ面積比"},
                    l.rs, kNone, "no leakage area: 0");
    t.add("r_lm", {"leak area over cross-flow area", "漏れ面積/クロスフロー面積"}, l.rlm, kNone,
          "rlm = (Ssb + Stb)/Sm", "(Ssb+Stb)/Sm",
          {var("Ssb", g.Ssb, "m2"), var("Stb", g.Stb, "m2"), var("Sm", g.Sm, "m2")});
    return l;
}

}  // namespace

void traceTextbookBell(CalcTrace& t, const TextbookBellInput& in, const TextbookBellResult& r) {
    const TextbookBellGeometry& g = r.geometry;
    const char* src = kTaborek;
    traceTextbookBellGeometry(t, in, g);
    t.add("Re_s", {"shell Reynolds number", "胴側レイノルズ数"}, r.Re, kNone,
          "Re = D0 W / (Sm ρ ν)", "D0*W/(Sm*rho*nu)",
          {var("D0", in.bundle.D0, "m"), var("W", in.shellFlow, "kg/h"), var("Sm", g.Sm, "m2"),
           var("rho", in.Ds, "kg/m3"), var("nu", in.Vs, "m2/h")});
    const TaborekCoefficients c = taborekCoefficients(in.bundle.layoutDeg, r.Re);
    traceIdealBank(t, "j", {"ideal-bank Colburn factor", "理想管群コルバーン係数"}, r.ideal.j, in,
                   r.Re, {c.a1, c.a2, c.a3, c.a4});
    t.add("phi_s", {"viscosity correction", "粘度補正"}, r.viscosityTerm, kNone, "(μ/μw)^0.14",
          "(nu/nuw)^0.14", {var("nu", in.Vs, "m2/h"), var("nuw", in.wallViscosity, "m2/h")});
    t.add("Jc", {"window correction", "バッフル窓補正"}, r.Jc, kNone, "Jc = 0.55 + 0.72 (1 - 2 Fw)",
          "0.55+0.72*(1-2*Fw)", {var("Fw", g.Fw, kNone)})
        .source = kTaborek;
    const LeakRatios l = traceLeakRatios(t, g);
    t.add("Jl", {"leakage correction", "漏れ補正"}, r.Jl, kNone,
          "Jl = 0.44 (1 - rs) + (1 - 0.44 (1 - rs)) exp(-2.2 rlm)",
          "0.44*(1-rs)+(1-0.44*(1-rs))*exp(-2.2*rlm)",
          {var("rs", l.rs, kNone), var("rlm", l.rlm, kNone)})
        .source = kTaborek;
    const bool laminar = r.Re < 100.0f;
    traceTextbookBypass(t, "Jb", {"bypass correction", "バイパス補正"}, r.Jb,
                        laminar ? 1.35f : 1.25f, g, in.bundle.sealingStrips);
    const TraceName jr{"laminar correction", "層流補正"};
    if (!laminar) {
        t.add("Jr", jr, r.Jr, kNone, "Jr = 1 (Re ≥ 100)", "1", {});
    } else {
        // (10/Nc)^0.18, not below 0.4, with Nc the rows crossed in the
        // whole bundle; up to Re = 20, then towards 1 at Re = 100.
        const std::string jrr = "max(0.4,(10/((Ntcc+Ntcw)*(Nb+1)))^0.18)";
        const bool low = r.Re <= 20.0f;
        t.add("Jr", jr, r.Jr, kNone,
              low ? "Jr = max(0.4, (10/Nc)^0.18), Nc = (Ntcc + Ntcw)(Nb + 1)"
                  : "Jr = Jrr + (20 - Re)/80 (Jrr - 1), Jrr = max(0.4, (10/Nc)^0.18), "
                    "Nc = (Ntcc + Ntcw)(Nb + 1)",
              low ? jrr : jrr + "+(20-Re)/80*(" + jrr + "-1)",
              {var("Ntcc", g.Ntcc, kNone), var("Ntcw", g.Ntcw, kNone), var("Nb", g.Nb, kNone),
               var("Re", r.Re, kNone)});
    }
    const float n = laminar ? 1.0f / 3.0f : 0.6f;
    t.add("Js", {"end-space correction", "端部間隔補正"}, r.Js, kNone,
          "Js = (Nb - 1 + (Bin/B)^(1-n) + (Bout/B)^(1-n))/(Nb - 1 + Bin/B + Bout/B)",
          "(Nb-1+(Bin/B)^(1-n)+(Bout/B)^(1-n))/(Nb-1+Bin/B+Bout/B)",
          {var("Nb", g.Nb, kNone), var("Bin", g.Bin, "m"), var("Bout", g.Bout, "m"),
           var("B", in.bundle.B, "m"), var("n", n, kNone)})
        .source = kTaborek;
    TraceEntry& xs =
        t.add("Xs", {"shell film coefficient", "胴側境膜伝熱係数"}, r.Xs, kCoefficient,
              "h = j c (W/Sm) Pr^(-2/3) (μ/μw)^0.14 Jc Jl Jb Jr Js",
              "j*c*(W/Sm)*Pr^(-2/3)*phi*Jc*Jl*Jb*Jr*Js",
              {var("j", r.ideal.j, kNone), var("c", in.Cs, "kcal/kg℃"),
               var("W", in.shellFlow, "kg/h"), var("Sm", g.Sm, "m2"), var("Pr", in.Prs, kNone),
               var("phi", r.viscosityTerm, kNone), var("Jc", r.Jc, kNone), var("Jl", r.Jl, kNone),
               var("Jb", r.Jb, kNone), var("Jr", r.Jr, kNone), var("Js", r.Js, kNone)});
    xs.source = src;
}

void traceWall(CalcTrace& t, const WallViscosities& v) {
    const TraceName ratio{"shell bulk-to-wall viscosity ratio", "胴側粘度比"};
    if (!(v.wall > 0.0f)) {
        t.addLookup("mu_ratio_s", ratio, v.ratio, kNone, v.wallSource);
        return;
    }
    t.addLookup("nu_w_s", {"shell viscosity at the wall", "胴側壁面動粘度"}, v.wall, kViscosity,
                v.wallSource);
    t.add("mu_ratio_s", ratio, v.ratio, kNone, "μ/μw = ν/νw (same density)", "nu/nuw",
          {var("nu", v.bulk, kViscosity), var("nuw", v.wall, kViscosity)});
}

void tracePlainOverall(CalcTrace& t, const EffectiveFilms& f, const TubeWall& w,
                       const OverallCoefficient& k) {
    t.beginStep(TraceStep::Resistances);
    const float ratio = w.DI / w.D0;
    t.add("R_t", {"tube film resistance", "管内境膜抵抗"}, (1.0f / f.Xt) / f.ct, kResistance,
          "(1/h_t)/c_t", "(1/h)/c", {var("h", f.Xt, kCoefficient), var("c", f.ct, kNone)});
    t.add("R_s", {"shell film resistance (inside basis)", "胴側境膜抵抗(内面基準)"},
          ((1.0f / f.Xs) / f.cs) * ratio, kResistance, "((1/h_s)/c_s) DI/D0", "((1/h)/c)*(DI/D0)",
          {var("h", f.Xs, kCoefficient), var("c", f.cs, kNone), var("DI", w.DI, "m"),
           var("D0", w.D0, "m")});
    t.add("R_w", {"wall resistance", "管壁抵抗"}, wallThickness(w.DI, w.D0) / w.CM, kResistance,
          "((D0 - DI)/2)/λ", "((D0-DI)/2)/lambda",
          {var("D0", w.D0, "m"), var("DI", w.DI, "m"), var("lambda", w.CM, "kcal/mh℃")});
    t.add("R_fs", {"shell fouling (inside basis)", "胴側汚れ係数(内面基準)"}, w.Fs * ratio,
          kResistance, "Fs DI/D0", "Fs*(DI/D0)",
          {var("Fs", w.Fs, kResistance), var("DI", w.DI, "m"), var("D0", w.D0, "m")});
    t.addLookup("R_ft", {"tube fouling", "管側汚れ係数"}, w.Ft, kResistance, "entered");
    t.beginStep(TraceStep::Overall);
    t.add("KI", {"overall coefficient, inside area", "総括伝熱係数(内面基準)"}, k.KI, kCoefficient,
          "KI = 1/((1/h_t)/c_t + ((1/h_s)/c_s) DI/D0 + w/λ + Fs DI/D0 + Ft)",
          "1/((1/ht)/ct+((1/hs)/cs)*(DI/D0)+((D0-DI)/2)/lambda+Fs*(DI/D0)+Ft)",
          {var("ht", f.Xt, kCoefficient), var("ct", f.ct, kNone), var("hs", f.Xs, kCoefficient),
           var("cs", f.cs, kNone), var("DI", w.DI, "m"), var("D0", w.D0, "m"),
           var("lambda", w.CM, "kcal/mh℃"), var("Fs", w.Fs, kResistance),
           var("Ft", w.Ft, kResistance)});
    t.add("KO", {"overall coefficient, outside area", "総括伝熱係数(外面基準)"}, k.KO, kCoefficient,
          "KO = KI DI/D0", "KI*DI/D0",
          {var("KI", k.KI, kCoefficient), var("DI", w.DI, "m"), var("D0", w.D0, "m")});
}

void traceLowFinOverall(CalcTrace& t, const EffectiveFilms& f, const TubeWall& w,
                        const LowFinGeometry& g, float Ai, const LowFinResult& fin) {
    t.beginStep(TraceStep::Resistances);
    t.add("Lc", {"corrected fin height", "補正フィン高さ"}, fin.Lc, "m",
          "Lc = FH (1 + FT/(2 FH)) (1 + 0.35 ln((D0 + 2 FT)/D0))",
          "FH*(1+FT/(2*FH))*(1+0.35*ln((D0+2*FT)/D0))",
          {var("FH", g.FH, "m"), var("FT", g.FT, "m"), var("D0", w.D0, "m")});
    t.add("mL", {"fin parameter", "フィンパラメータ"}, fin.mL, kNone, "mL = Lc √(2 hs/(λf FT))",
          "Lc*sqrt(2*hs/lf/FT)",
          {var("Lc", fin.Lc, "m"), var("hs", f.Xs, kCoefficient), var("lf", g.FM, kConductivity),
           var("FT", g.FT, "m")});
    const TraceName ef{"fin efficiency", "フィン効率"};
    if (fin.mL > 0.0f)
        t.add("EF", ef, fin.EF, kNone,
              "EF = min(1, tanh(mL)/mL), tanh(mL) = (1 - e^(-2 mL))/(1 + e^(-2 mL))",
              "min(1,(1-exp(-2*mL))/(1+exp(-2*mL))/mL)", {var("mL", fin.mL, kNone)});
    else
        t.addLookup("EF", ef, fin.EF, kNone, "no fin conductance (mL = 0): 1");
    const std::string pitch = "(0.0254/FN)";
    t.add("Ar", {"root area per fin pitch", "フィン根元面積(ピッチ当り)"}, fin.Ar, "m2",
          "Ar = 3.14 D0 p, p = 0.0254/FN", "3.14*D0*" + pitch,
          {var("D0", w.D0, "m"), var("FN", g.FN, "1/in")});
    t.add("Af", {"fin area per fin pitch", "フィン面積(ピッチ当り)"}, fin.Af, "m2",
          "Af = 0.785 ((D0 + FH)² - D0²) 2 + 3.14 (D0 + FH) FT",
          "0.785*((D0+FH)^2-D0^2)*2+3.14*(D0+FH)*FT",
          {var("D0", w.D0, "m"), var("FH", g.FH, "m"), var("FT", g.FT, "m")});
    t.add("Ab", {"base area between fins per fin pitch", "フィン間面積(ピッチ当り)"}, fin.Ab, "m2",
          "Ab = 3.14 D0 (p - FT), p = 0.0254/FN", "3.14*D0*(" + pitch + "-FT)",
          {var("D0", w.D0, "m"), var("FN", g.FN, "1/in"), var("FT", g.FT, "m")});
    t.add("Ae", {"effective area per fin pitch", "有効面積(フィンピッチ当り)"}, fin.Ae, "m2",
          "Ae = Af EF + Ab", "Af*EF+Ab",
          {var("Af", fin.Af, "m2"), var("EF", fin.EF, kNone), var("Ab", fin.Ab, "m2")});
    t.add("A_fin", {"finned outside area", "フィン付き外面積"}, fin.finnedArea, "m2",
          "Afin = Ai D0/DI (Af + Ab)/Ar", "Ai*D0/DI*(Af+Ab)/Ar",
          {var("Ai", Ai, "m2"), var("D0", w.D0, "m"), var("DI", w.DI, "m"), var("Af", fin.Af, "m2"),
           var("Ab", fin.Ab, "m2"), var("Ar", fin.Ar, "m2")});
    t.beginStep(TraceStep::Overall);
    t.add("KI", {"overall coefficient, inside area", "総括伝熱係数(内面基準)"}, fin.overall.KI,
          kCoefficient,
          "KI = 1/((1/h_t)/c_t + ((1/h_s)/c_s) Ar/Ae + (w/λ) DI/(DI + D0) + Ft DI/(DI + D0) + Fs)",
          "1/((1/ht)/ct+((1/hs)/cs)*Ar/Ae+(((D0-DI)/2)/lambda)*(DI/(DI+D0))+Ft*(DI/(DI+D0))+Fs)",
          {var("ht", f.Xt, kCoefficient), var("ct", f.ct, kNone), var("hs", f.Xs, kCoefficient),
           var("cs", f.cs, kNone), var("Ar", fin.Ar, "m2"), var("Ae", fin.Ae, "m2"),
           var("D0", w.D0, "m"), var("DI", w.DI, "m"), var("lambda", w.CM, kConductivity),
           var("Ft", w.Ft, kResistance), var("Fs", w.Fs, kResistance)});
    t.add("KO", {"overall coefficient, outside area", "総括伝熱係数(外面基準)"}, fin.overall.KO,
          kCoefficient, "KO = KI Ai/Afin", "KI*Ai/Afin",
          {var("KI", fin.overall.KI, kCoefficient), var("Ai", Ai, "m2"),
           var("Afin", fin.finnedArea, "m2")});
}

namespace {

// The outlets and the duty from the effectiveness P, in the Duty step.
void traceOutlets(CalcTrace& t, const RatingInputs& in, const RatingResult& r) {
    const CapacityRates& c = in.rates;
    const bool tubeHeated = in.T3 < in.T1;
    t.beginStep(TraceStep::Duty);
    t.add("T4", {"tube outlet temperature", "管側出口温度"}, r.T4, kC,
          tubeHeated ? "T4 = T3 + (Cmin/Ct) P |T1 - T3|" : "T4 = T3 - (Cmin/Ct) P |T1 - T3|",
          tubeHeated ? "T3+(Cmin/Ct)*(P*abs(T1-T3))" : "T3-(Cmin/Ct)*(P*abs(T1-T3))",
          {var("T1", in.T1, kC), var("T3", in.T3, kC), var("Cmin", c.Cmin, kRate),
           var("Ct", c.tube, kRate), var("P", r.eps, kNone)});
    t.add("Q", {"duty", "交換熱量"}, r.Q, kHeat, "Q = Ct |T3 - T4|", "Ct*abs(T3-T4)",
          {var("Ct", c.tube, kRate), var("T3", in.T3, kC), var("T4", r.T4, kC)});
    const bool shellHot = in.T1 >= in.T3;
    t.add("T2", {"shell outlet temperature", "胴側出口温度"}, r.T2, kC,
          shellHot ? "T2 = T1 - Q/Cs" : "T2 = T1 + Q/Cs", shellHot ? "T1-Q/Cs" : "T1+Q/Cs",
          {var("T1", in.T1, kC), var("Q", r.Q, kHeat), var("Cs", c.shell, kRate)});
}

// The rating step's opening entries, common to every flow arrangement:
// NTU and the capacity-rate ratio. Returns NTU.
float traceNtuAndRatio(CalcTrace& t, const RatingInputs& in) {
    t.beginStep(TraceStep::MeanTemperature);
    const CapacityRates& c = in.rates;
    const float NTU = in.KI * in.Ai / c.Cmin;
    t.add("NTU", {"number of transfer units", "伝熱単位数"}, NTU, kNone, "NTU = KI Ai / Cmin",
          "KI*Ai/Cmin",
          {var("KI", in.KI, kCoefficient), var("Ai", in.Ai, "m2"), var("Cmin", c.Cmin, kRate)});
    t.add("R", {"capacity-rate ratio", "熱容量流量比"}, c.R, kNone, "R = Cmin/Cmax", "Cmin/Cmax",
          {var("Cmin", c.Cmin, kRate), var("Cmax", c.Cmax, kRate)});
    return NTU;
}

}  // namespace

void traceRating(CalcTrace& t, const RatingInputs& in, const RatingResult& r) {
    const CapacityRates& c = in.rates;
    const float NTU = traceNtuAndRatio(t, in);
    const bool parallel = in.arrangement == kParallelFlow;
    const TraceName epsName{"effectiveness", "温度効率"};
    if (r.capped) {
        t.addLookup("P", epsName, r.eps, kNone, "effectiveness capped at 0.9999");
    } else if (parallel) {
        t.add("P", epsName, r.eps, kNone, "P = (1 - e^(-NTU(1+R)))/(1+R)",
              "(1-exp(-NTU*(1+R)))/(1+R)", {var("NTU", NTU, kNone), var("R", c.R, kNone)});
    } else {
        t.add("P", epsName, r.eps, kNone, "P = (1 - e^(-NTU(1-R)))/((1-R) + R(1 - e^(-NTU(1-R))))",
              "(1-exp(-NTU*(1-R)))/((1-R)+R*(1-exp(-NTU*(1-R))))",
              {var("NTU", NTU, kNone), var("R", c.R, kNone)});
    }
    traceOutlets(t, in, r);
    t.continueStep(TraceStep::MeanTemperature);
    const TraceName tm{"mean temperature difference", "平均温度差"};
    if (r.fromArea) {
        t.add("TM", tm, r.mean.TM, kC, "TM = Q/(KI Ai)", "Q/(KI*Ai)",
              {var("Q", r.Q, kHeat), var("KI", in.KI, kCoefficient), var("Ai", in.Ai, "m2")});
    } else if (r.dT1 == r.dT2) {
        t.add("TM", tm, r.mean.TM, kC, "TM = ΔT1 = ΔT2", "dT1", {var("dT1", r.dT1, kC)});
    } else {
        t.add("TM", tm, r.mean.TM, kC, "TM = (ΔT1 - ΔT2)/ln(ΔT1/ΔT2)", "(dT1-dT2)/ln(dT1/dT2)",
              {var("dT1", r.dT1, kC), var("dT2", r.dT2, kC)});
    }
    t.add("F", {"correction factor", "温度差補正係数"}, r.mean.F, kNone,
          "F = KI A' TM / (Cs' |T2' - T1|)", "KI*Ap*TM/(Csp*dTs)",
          {var("KI", in.KI, kCoefficient), var("Ap", in.previousAt, "m2"), var("TM", r.mean.TM, kC),
           var("Csp", in.shellRateForF, kRate), var("dTs", r.shellChange, kC)});
}

void traceOneTwoShellRating(CalcTrace& t, const RatingInputs& in, const RatingResult& r) {
    const CapacityRates& c = in.rates;
    const float NTU = traceNtuAndRatio(t, in);
    t.add("P", {"effectiveness", "温度効率"}, r.eps, kNone,
          "P = 2/(1 + R + S (1 + e^(-NTU S))/(1 - e^(-NTU S))), S = √(1 + R²)",
          "2/(1+R+sqrt(1+R^2)*(1+exp(-NTU*sqrt(1+R^2)))/(1-exp(-NTU*sqrt(1+R^2))))",
          {var("NTU", NTU, kNone), var("R", c.R, kNone)})
        .source = "1-2N shell effectiveness";
    traceOutlets(t, in, r);
    t.continueStep(TraceStep::MeanTemperature);
    t.add("TM", {"mean temperature difference", "平均温度差"}, r.mean.TM, kC, "TM = Q/(KI Ai)",
          "Q/(KI*Ai)",
          {var("Q", r.Q, kHeat), var("KI", in.KI, kCoefficient), var("Ai", in.Ai, "m2")});
    const TraceName f{"correction factor", "温度差補正係数"};
    if (!(r.dT1 > 0.0f && r.dT2 > 0.0f)) {
        t.addLookup("F", f, r.mean.F, kNone, "no logarithmic mean of the outlets: 1");
    } else if (r.dT1 == r.dT2) {
        t.add("F", f, r.mean.F, kNone, "F = TM/ΔT1 (ΔT1 = ΔT2)", "TM/dT1",
              {var("TM", r.mean.TM, kC), var("dT1", r.dT1, kC)});
    } else {
        t.add("F", f, r.mean.F, kNone, "F = TM/((ΔT1 - ΔT2)/ln(ΔT1/ΔT2)), counter-current ends",
              "TM/((dT1-dT2)/ln(dT1/dT2))",
              {var("TM", r.mean.TM, kC), var("dT1", r.dT1, kC), var("dT2", r.dT2, kC)});
    }
}

namespace {

// The end differences of the arrangement, each with the temperatures it is
// taken between; starts the step.
EndDifferences traceEndDifferences(CalcTrace& t, int arrangement, float T1, float T2, float T3,
                                   float T4) {
    t.beginStep(TraceStep::MeanTemperature);
    const EndDifferences d = endDifferences(arrangement, T1, T2, T3, T4);
    // The temperatures each end difference is taken between.
    const bool parallel = arrangement == kParallelFlow;
    const bool tubeHeated = T3 < T1;
    const float ends[2][2] = {
        {tubeHeated ? T1 : (parallel ? T4 : T3),
         tubeHeated ? (parallel ? T3 : T4) : (parallel ? T2 : T2)},
        {tubeHeated ? T2 : (parallel ? T3 : T4), tubeHeated ? (parallel ? T4 : T3) : T1}};
    t.add("dT1", {"end difference 1", "端部温度差1"}, d.dT1, kC, "ΔT1 = |a - b|", "abs(a-b)",
          {var("a", ends[0][0], kC), var("b", ends[0][1], kC)});
    t.add("dT2", {"end difference 2", "端部温度差2"}, d.dT2, kC, "ΔT2 = |a - b|", "abs(a-b)",
          {var("a", ends[1][0], kC), var("b", ends[1][1], kC)});
    return d;
}

void traceCorrectedMean(CalcTrace& t, const EndDifferences& d, const MeanTemperature& m) {
    const TraceName tm{"mean temperature difference", "平均温度差"};
    if (d.dT1 == d.dT2) {
        t.add("TM", tm, m.TM, kC, "TM = F ΔT1 (ΔT1 = ΔT2)", "F*dT1",
              {var("F", m.F, kNone), var("dT1", d.dT1, kC)});
    } else {
        t.add("TM", tm, m.TM, kC, "TM = F (ΔT1 - ΔT2)/ln(ΔT1/ΔT2)", "F*(dT1-dT2)/ln(dT1/dT2)",
              {var("F", m.F, kNone), var("dT1", d.dT1, kC), var("dT2", d.dT2, kC)});
    }
}

constexpr const char* kBowman = "Bowman, Mueller, Nagle, Trans. ASME 62 (1940)";

// Bowman's F of the 1-2N shell as an expression of the four temperatures:
// P the tube stream's change over the inlet difference, R the shell
// change over the tube change, S = √(R² + 1); the R = 1 form when R is.
std::string bowmanExpr(bool unitRatio) {
    const std::string P = "(abs(T4-T3)/abs(T1-T3))";
    const std::string R = "(abs(T1-T2)/abs(T4-T3))";
    const std::string S = "sqrt(" + R + "^2+1)";
    const std::string shellLog =
        "ln((2-" + P + "*(" + R + "+1-" + S + "))/(2-" + P + "*(" + R + "+1+" + S + ")))";
    if (unitRatio) return "(" + P + "*" + S + "/(1-" + P + "))/" + shellLog;
    return S + "*ln((1-" + P + ")/(1-" + P + "*" + R + "))/((" + R + "-1)*" + shellLog + ")";
}

}  // namespace

void traceLogMean(CalcTrace& t, int arrangement, float T1, float T2, float T3, float T4,
                  const MeanTemperature& m) {
    const EndDifferences d = traceEndDifferences(t, arrangement, T1, T2, T3, T4);
    traceCorrectedMean(t, d, m);
}

void traceOneTwoShellMean(CalcTrace& t, float T1, float T2, float T3, float T4,
                          const MeanTemperature& m) {
    const EndDifferences d = traceEndDifferences(t, kCounterCrossFlow, T1, T2, T3, T4);
    const TraceName name{"correction factor", "温度差補正係数"};
    if (!(m.F > 0.0f)) {
        t.addLookup("F", name, m.F, kNone, "no 1-2N shell reaches P at this R: 0");
        return;
    }
    const float R = std::fabs(T1 - T2) / std::fabs(T4 - T3);
    const bool unitRatio = std::fabs(R - 1.0f) < 1e-4f;
    t.add("F", name, m.F, kNone,
          unitRatio ? "F = (P S/(1 - P))/ln[(2 - P(R + 1 - S))/(2 - P(R + 1 + S))], "
                      "P = |T4 - T3|/|T1 - T3|, R = |T1 - T2|/|T4 - T3|, S = √(R² + 1)"
                    : "F = S ln((1 - P)/(1 - P R))/((R - 1) ln[(2 - P(R + 1 - S))/(2 - P(R + 1 + "
                      "S))]), P = |T4 - T3|/|T1 - T3|, R = |T1 - T2|/|T4 - T3|, S = √(R² + 1)",
          bowmanExpr(unitRatio),
          {var("T1", T1, kC), var("T2", T2, kC), var("T3", T3, kC), var("T4", T4, kC)})
        .source = kBowman;
    traceCorrectedMean(t, d, m);
}

void traceDuty(CalcTrace& t, float Q, float KI, float TM, float At, float DI, float NT, float TL,
               bool lengthGiven) {
    t.continueStep(TraceStep::Duty);
    t.add("At", {"inside heat-transfer area needed", "必要伝熱面積(内面)"}, At, "m2",
          "At = Q / KI / TM", "Q/KI/TM",
          {var("Q", Q, kHeat), var("KI", KI, kCoefficient), var("TM", TM, kC)});
    t.add(lengthGiven ? "LT" : "TL", {"tube length needed", "必要管長"}, TL, "m",
          "L = At / (3.1416 DI NT)", "At/(3.1416*DI*NT)",
          {var("At", At, "m2"), var("DI", DI, "m"), var("NT", NT, kNone)});
}

void traceOriginalTubeDrop(CalcTrace& t, const PlainTubeDropInputs& in, float DPt) {
    const bool laminar = in.Ret <= 2000.0f;
    const std::string f = laminar ? "(16/Re)" : "(0.0014+0.125/Re^0.32)";
    TraceEntry& e =
        t.add("DPt", {"tube-side pressure drop", "管側圧力損失"}, DPt, kDrop,
              "DPt = PN (4 f TL/DI) ρ u²/2/9.8 × 0.0001, f = " + f,
              "PN*(4*" + f + "*TL/DI)*rho*u^2/2/9.8*0.0001",
              {var("PN", in.PN, kNone), var("Re", in.Ret, kNone), var("TL", in.TL, "m"),
               var("DI", in.DI, "m"), var("rho", in.Dt, "kg/m3"), var("u", in.Ut, "m/s")});
    describeCard(e, kOriginalTubeFrictionCard, in.Ret, 0.0f);
    e.formula = "DPt = PN (4 f TL/DI) ρ u²/2/9.8 × 0.0001, f = " + f;
    dropInPa(t, "DPt", {"tube-side pressure drop", "管側圧力損失"}, DPt);
}

void traceTextbookTubeDrop(CalcTrace& t, const PlainTubeDropInputs& in, const TubeDrop& d) {
    // The Darcy factor of the range Re falls in: laminar, Petukhov, or the
    // straight line between them from Re 2300 to 3000.
    const std::string petukhov = "(0.79*ln(Re)-1.64)^(-2)";
    std::string fD;
    if (in.Ret <= 2300.0f)
        fD = "(64/Re)";
    else if (in.Ret >= 3000.0f)
        fD = "(" + petukhov + ")";
    else
        fD = "((1-(Re-2300)/700)*(64/2300)+(Re-2300)/700*(0.79*ln(3000)-1.64)^(-2))";
    TraceEntry& f =
        t.add("DPt_friction", {"tube friction drop", "管内摩擦損失"}, d.friction, kDrop,
              "PN (fD TL/DI) ρ u²/2/9.8 × 0.0001, fD = " + fD,
              "PN*(4*(" + fD + "/4)*TL/DI)*rho*u^2/2/9.8*0.0001",
              {var("PN", in.PN, kNone), var("Re", in.Ret, kNone), var("TL", in.TL, "m"),
               var("DI", in.DI, "m"), var("rho", in.Dt, kDensity), var("u", in.Ut, "m/s")});
    describeCard(f, kTubeFrictionCard, in.Ret, 0.0f);
    f.formula = "PN (fD TL/DI) ρ u²/2/9.8 × 0.0001, fD = " + fD;
    t.add("DPt_returns", {"return losses", "折返し損失"}, d.returns, kDrop,
          "4 PN ρ u²/2/9.8 × 0.0001", "4*PN*rho*u^2/2/9.8*0.0001",
          {var("PN", in.PN, kNone), var("rho", in.Dt, "kg/m3"), var("u", in.Ut, "m/s")});
    if (d.total) {
        t.add("DPt", {"tube-side pressure drop", "管側圧力損失"}, *d.total, kDrop,
              "DPt = friction + returns", "a+b",
              {var("a", d.friction, kDrop), var("b", d.returns, kDrop)});
    }
}

void traceTapeDrop(CalcTrace& t, const TapeDropInputs& in, float DPt) {
    // The friction factor of the branch Re falls in against the transition
    // Reynolds number (cl/ct)^(1/(n - 0.5)) of the twist's coefficients.
    const bool turbulent = in.Ret >= tapeTransitionReynolds(in.coefficients);
    const std::string f =
        turbulent ? "(0.046*(1+3.65*s)*Re^(-0.2)*T^(-0.1))" : "(1.45+6.5*s)*Re^(-0.6)*T^(-0.1)";
    const std::string transition = "Re_tr = (cl/ct)^(1/(n - 0.5))";
    TraceEntry& e =
        t.add("DPt", {"tube-side pressure drop", "管側圧力損失"}, DPt, kDrop,
              "DPt = PN (4 f TL/De) ρ u²/2/9.8 × 0.0001, f = " +
                  std::string(turbulent ? "0.046 (1 + 3.65 s) Re^-0.2 (TZ/TB)^-0.1 (Re ≥ Re_tr), "
                                        : "(1.45 + 6.5 s) Re^-0.6 (TZ/TB)^-0.1 (Re < Re_tr), ") +
                  transition,
              "PN*(4*(" + f + ")*TL/De)*rho*u^2/2/9.8*0.0001",
              {var("PN", in.PN, kNone), var("s", in.s, kNone), var("Re", in.Ret, kNone),
               var("T", in.temperatureRatio, kNone), var("TL", in.TL, "m"), var("De", in.De, "m"),
               var("rho", in.Dt, kDensity), var("u", in.Ut, "m/s")});
    e.source = "twisted tape: friction on De";
    dropInPa(t, "DPt", {"tube-side pressure drop", "管側圧力損失"}, DPt);
}

void traceAnnulusDrop(CalcTrace& t, const AnnulusDropInput& in, float DPs) {
    const std::string heads = "*u^2*rho/2/9.8*0.0001*(nuw/nu)^0.14";
    std::vector<TraceVar> vars{
        var("TL", in.TL, "m"),       var("DS", in.DS, "m"),
        var("D0", in.D0, "m"),       var("u", in.Us, "m/s"),
        var("rho", in.Ds, kDensity), var("nuw", in.wallViscosity, kViscosity),
        var("nu", in.Vs, kViscosity)};
    std::string formula;
    std::string expr;
    if (in.lowFin) {
        formula = "DPs = 0.16 u² TL/(DS - (D0 + 2 FH)) ρ/2/9.8 × 0.0001 (νw/ν)^0.14";
        expr = "0.16*TL/(DS-(D0+2*FH))" + heads;
        vars.push_back(var("FH", in.FH, "m"));
    } else {
        // The laminar factor's shape term of the annulus, q = DS/D0.
        const std::string phi = "((1-DS/D0)^2/(1+(DS/D0)^2+(1-(DS/D0)^2)/ln(DS/D0)))";
        const bool laminar = in.Res <= 2000.0f;
        const std::string f = laminar ? "(16/Re*" + phi + ")" : "(0.076*Re^(-0.25))";
        formula =
            std::string("DPs = 4 f TL/(DS - D0) u² ρ/2/9.8 × 0.0001 (νw/ν)^0.14, f = ") +
            (laminar ? "16/Re (1 - q)²/(1 + q² + (1 - q²)/ln q), q = DS/D0" : "0.076 Re^-0.25");
        expr = "4*" + f + "*TL/(DS-D0)" + heads;
        vars.push_back(var("Re", in.Res, kNone));
    }
    t.add("DPs", {"shell-side pressure drop", "胴側圧力損失"}, DPs, kDrop, formula, expr,
          std::move(vars))
        .source = "annulus friction drop";
    dropInPa(t, "DPs", {"shell-side pressure drop", "胴側圧力損失"}, DPs);
}

void traceNozzles(CalcTrace& t, float W, float rho, float inletBore, float outletBore,
                  float DPtBefore, float nozzles, float DPt) {
    // A velocity head ρ u²/2 through a bore d, u = W/3600/(ρ 0.785 d²), in
    // kg/cm2; a bore not given adds none.
    const auto head = [](const char* d) {
        return std::string("rho*(W/3600/(rho*0.785*") + d + "^2))^2/2/9.8*0.0001";
    };
    std::vector<TraceVar> vars{var("W", W, kMassFlow), var("rho", rho, kDensity)};
    std::string expr;
    if (inletBore > 0.0f) {
        expr = "1*" + head("di");
        vars.push_back(var("di", inletBore, "m"));
    }
    if (outletBore > 0.0f) {
        expr += (expr.empty() ? "0.5*" : "+0.5*") + head("do");
        vars.push_back(var("do", outletBore, "m"));
    }
    if (expr.empty()) expr = "0";
    t.add("DPt_nozzles", {"nozzle losses", "ノズル損失"}, nozzles, kDrop,
          "1 velocity head on the inlet bore + 0.5 on the outlet, ρ u²/2/9.8 × 0.0001, "
          "u = W/3600/(ρ 0.785 d²)",
          expr, std::move(vars));
    t.add("DPt", {"tube-side pressure drop", "管側圧力損失"}, DPt, kDrop,
          "DPt = tube drop + nozzle losses", "a+b",
          {var("a", DPtBefore, kDrop), var("b", nozzles, kDrop)});
}

void traceBellDrop(CalcTrace& t, const BellDropInput& in, const BellDrop& d) {
    const BellGeometry& g = in.geometry;
    std::string fs;
    if (in.Res < 100.0f)
        fs = "47.1*Re^(-0.965)";
    else if (in.Res <= 300.0f)
        fs = "13*Re^(-0.685)";
    else if (in.Res <= 1000.0f)
        fs = "3.2*Re^(-0.44)";
    else
        fs = "0.505*Re^(-0.176)";
    t.add("f_s", {"cross-flow friction factor", "クロスフロー摩擦係数"}, d.fs, kNone, "f = " + fs,
          fs, {var("Re", in.Res, kNone)});
    traceBypass(t, "Rb", {"bypass drop factor", "バイパス損失補正"}, d.Rb,
                in.Res < 100.0f ? 4.5f : 3.8f, g.Fsbp, in.sealingStrips, g.Nc);
    t.add("dPc", {"drop of one cross-flow section", "クロスフロー1区間の損失"}, d.dPc, kDropM2,
          "ΔPc = cf 4 f G² Nc/(2g ρ) (μ/μw)^0.14 Rb", "cf*4*f*G^2*Nc/(2.54e8*rho)*r^0.14*Rb",
          {var("cf", d.cf, kNone), var("f", d.fs, kNone), var("G", g.G, "kg/m2h"),
           var("Nc", g.Nc, kNone), var("rho", in.Ds, "kg/m3"),
           var("r", in.Vs / in.wallViscosity, kNone), var("Rb", d.Rb, kNone)});
    t.add("dPe", {"drop of an end section", "端部区間の損失"}, d.dPe, kDropM2,
          "ΔPe = ΔPc (1 + Nwe/Nc)", "dPc*(1+Nw/Nc)",
          {var("dPc", d.dPc, kDropM2), var("Nw", g.NwEff, kNone), var("Nc", g.Nc, kNone)});
    t.add("u_z", {"mean of the cross-flow and window velocities", "クロスフローと窓部の平均流速"},
          d.uz, "m/h", "uz = √((W/(Sm ρ)) (W/(Sw ρ)))", "sqrt((W/(Sm*rho))*(W/(Sw*rho)))",
          {var("W", in.shellFlow, kMassFlow), var("Sm", g.Sm, "m2"), var("Sw", g.Sw, "m2"),
           var("rho", in.Ds, kDensity)});
    if (in.Res > 100.0f) {
        t.add("dPw", {"drop of one window", "バッフル窓1個の損失"}, d.dPw, kDropM2,
              "ΔPw = (2 + 0.6 Nss) ρ uz²/(2g)", "(2+0.6*Nss)*rho*uz^2/2.54e8",
              {var("Nss", in.sealingStrips, kNone), var("rho", in.Ds, "kg/m3"),
               var("uz", d.uz, "m/h")});
    } else {
        if (in.lowFin)
            t.add("gt", {"gap between tubes", "管間隙間"}, d.gt, "m", "gt = P - (D0 + FH)",
                  "P-(D0+FH)", {var("P", in.P, "m"), var("D0", in.D0, "m"), var("FH", in.FH, "m")});
        else
            t.add("gt", {"gap between tubes", "管間隙間"}, d.gt, "m", "gt = P - D0", "P-D0",
                  {var("P", in.P, "m"), var("D0", in.D0, "m")});
        t.add("Dw", {"window hydraulic diameter", "窓部水力直径"}, d.Dw, "m",
              "Dw = 4 Sw B/(2 Nww 3.14 D0 B)", "4*Sw*B/(2*Nww*3.14*D0*B)",
              {var("Sw", g.Sw, "m2"), var("B", in.B, "m"), var("Nww", g.Nww, kNone),
               var("D0", in.D0, "m")});
        t.add("dPw", {"drop of one window", "バッフル窓1個の損失"}, d.dPw, kDropM2,
              "ΔPw = 23 Rb (ν uz/(g gt)) ρ Nw' + 26 (ν uz/(g Dw)) B/Dw ρ + 2 ρ uz²/(2g), "
              "g = 1.27e8 m/h²",
              "23*Rb*(nu*uz/(1.27e8*gt))*rho*Nwe+26*(nu*uz/(1.27e8*Dw))*B/Dw*rho+2*rho*uz^2/2.54e8",
              {var("Rb", d.Rb, kNone), var("nu", in.Vs, kViscosity), var("uz", d.uz, "m/h"),
               var("gt", d.gt, "m"), var("rho", in.Ds, kDensity), var("Nwe", g.NwEff, kNone),
               var("Dw", d.Dw, "m"), var("B", in.B, "m")});
    }
    const float leakRatio = (g.Stb + g.Ssb) / g.Sm;
    traceLeakage(t, "Rl", {"leakage drop factor", "漏れ損失補正"}, d.Rl, g, leakRatio > 0.2f,
                 "(0.26+0.5714286*((Stb+Ssb)/Sm))", "(0.71*((Stb+Ssb)/Sm)^0.4)");
    t.add("DPs", {"shell-side pressure drop", "胴側圧力損失"}, d.DPs, kDrop,
          "DPs = (2 ΔPe + Rl ((Nb - 1) ΔPc + Nb ΔPw)) × 0.0001",
          "(2*dPe+Rl*((Nb-1)*dPc+Nb*dPw))*0.0001",
          {var("dPe", d.dPe, kDropM2), var("Rl", d.Rl, kNone), var("Nb", g.Nb, kNone),
           var("dPc", d.dPc, kDropM2), var("dPw", d.dPw, kDropM2)});
    dropInPa(t, "DPs", {"shell-side pressure drop", "胴側圧力損失"}, d.DPs);
}

void traceTextbookBellDrop(CalcTrace& t, const TextbookBellInput& in, const TextbookBellResult& r) {
    const TextbookBellGeometry& g = r.geometry;
    const TaborekCoefficients c = taborekCoefficients(in.bundle.layoutDeg, r.Re);
    traceIdealBank(t, "f_s", {"ideal-bank friction factor", "理想管群摩擦係数"}, r.ideal.f, in,
                   r.Re, {c.b1, c.b2, c.b3, c.b4});
    t.add("dPbi", {"ideal drop of one cross-flow section", "理想クロスフロー1区間の損失"}, r.dPbi,
          kDropM2, "ΔPbi = 2 f Ntcc (W/Sm)²/(ρ g) / (μ/μw)^0.14, g = 1.27e8 m/h²",
          "2*f*Ntcc*(W/Sm)^2/(rho*1.27e8)/phi",
          {var("f", r.ideal.f, kNone), var("Ntcc", g.Ntcc, kNone), var("W", in.shellFlow, "kg/h"),
           var("Sm", g.Sm, "m2"), var("rho", in.Ds, "kg/m3"), var("phi", r.viscosityTerm, kNone)})
        .source = kTaborek;
    const bool laminar = r.Re < 100.0f;
    traceTextbookBypass(t, "Rb", {"bypass drop factor", "バイパス損失補正"}, r.Rb,
                        laminar ? 4.5f : 3.7f, g, in.bundle.sealingStrips);
    const LeakRatios l = traceLeakRatios(t, g);
    t.add("Rl", {"leakage drop factor", "漏れ損失補正"}, r.Rl, kNone,
          "Rl = exp(-1.33 (1 + rs) rlm^(0.8 - 0.15 (1 + rs)))",
          "exp(-1.33*(1+rs)*rlm^(0.8-0.15*(1+rs)))",
          {var("rs", l.rs, kNone), var("rlm", l.rlm, kNone)})
        .source = kTaborek;
    const float nDrop = laminar ? 1.0f : 0.2f;
    t.add("Rs", {"end-space drop factor", "端部間隔損失補正"}, r.Rs, kNone,
          "Rs = (B/Bin)^(2-n) + (B/Bout)^(2-n)", "(B/Bin)^(2-n)+(B/Bout)^(2-n)",
          {var("B", in.bundle.B, "m"), var("Bin", g.Bin, "m"), var("Bout", g.Bout, "m"),
           var("n", nDrop, kNone)})
        .source = kTaborek;
    // Velocity heads of the mean of the cross-flow and window velocities.
    const std::string heads = "W^2/(Sm*Sw*rho*1.27e8)";
    const TraceName window{"ideal drop of one window", "理想バッフル窓1個の損失"};
    if (laminar) {
        t.add("dPwi", window, r.dPwi, kDropM2,
              "ΔPwi = 26 ν W/(√(Sm Sw) g) (Ntcw/(P - D0) + B/Dw²) + W²/(Sm Sw ρ g), "
              "Dw = 4 Sw/(π D0 NT Fw + DS θds/2)",
              "26*nu*W/(sqrt(Sm*Sw)*1.27e8)*(Ntcw/(P-D0)+B/(4*Sw/(3.14159265*D0*NT*Fw+DS*th/"
              "2))^2)+" +
                  heads,
              {var("nu", in.Vs, "m2/h"), var("W", in.shellFlow, "kg/h"), var("Sm", g.Sm, "m2"),
               var("Sw", g.Sw, "m2"), var("Ntcw", g.Ntcw, kNone), var("P", in.bundle.P, "m"),
               var("D0", in.bundle.D0, "m"), var("B", in.bundle.B, "m"),
               var("NT", in.bundle.NT, kNone), var("Fw", g.Fw, kNone), var("DS", in.bundle.DS, "m"),
               var("th", g.thetaDs, "rad"), var("rho", in.Ds, "kg/m3")})
            .source = kTaborek;
    } else {
        t.add("dPwi", window, r.dPwi, kDropM2, "ΔPwi = (2 + 0.6 Ntcw) W²/(Sm Sw ρ g)/2",
              "(2+0.6*Ntcw)*" + heads + "/2",
              {var("Ntcw", g.Ntcw, kNone), var("W", in.shellFlow, "kg/h"), var("Sm", g.Sm, "m2"),
               var("Sw", g.Sw, "m2"), var("rho", in.Ds, "kg/m3")})
            .source = kTaborek;
    }
    t.add("dPcross", {"central cross-flow sections", "中央クロスフロー区間"}, r.dPcross, kDropM2,
          "ΔPcross = (Nb - 1) ΔPbi Rb Rl", "(Nb-1)*dPbi*Rb*Rl",
          {var("Nb", g.Nb, kNone), var("dPbi", r.dPbi, kDropM2), var("Rb", r.Rb, kNone),
           var("Rl", r.Rl, kNone)});
    t.add("dPwindows", {"windows", "バッフル窓"}, r.dPwindows, kDropM2, "ΔPwindows = Nb ΔPwi Rl",
          "Nb*dPwi*Rl",
          {var("Nb", g.Nb, kNone), var("dPwi", r.dPwi, kDropM2), var("Rl", r.Rl, kNone)});
    t.add("dPends", {"end zones", "端部区間"}, r.dPends, kDropM2,
          "ΔPends = Rs ΔPbi (1 + Ntcw/Ntcc) Rb", "Rs*dPbi*(1+Ntcw/Ntcc)*Rb",
          {var("Rs", r.Rs, kNone), var("dPbi", r.dPbi, kDropM2), var("Ntcw", g.Ntcw, kNone),
           var("Ntcc", g.Ntcc, kNone), var("Rb", r.Rb, kNone)});
    t.add("DPs", {"shell-side pressure drop", "胴側圧力損失"}, r.DPs, kDrop,
          "DPs = (ΔPcross + ΔPwindows + ΔPends) × 0.0001", "(a+b+c)*0.0001",
          {var("a", r.dPcross, kDropM2), var("b", r.dPwindows, kDropM2),
           var("c", r.dPends, kDropM2)});
    dropInPa(t, "DPs", {"shell-side pressure drop", "胴側圧力損失"}, r.DPs);
}

namespace {

// The enthalpy of humid gas per kg of dry gas at temperature t and
// humidity X: at one atmosphere with the latent heat 597.3 and the vapour's
// 0.441, or under pressure with both fitted on s = (t - 7)/20 + 1.
std::string humidEnthalpyExpr(bool underPressure, const std::string& t, const std::string& X) {
    if (!underPressure) return "Cpg*" + t + "+(597.3+0.441*" + t + ")*" + X;
    const std::string s = "((" + t + "-7)/20+1)";
    return "Cpg*" + t + "+((-0.1763*" + s + "^2+9.467*" + s + "+591.12)+(0.0002*" + s +
           "^3-7e-05*" + s + "^2+0.0023*" + s + "+0.4415)*" + t + ")*" + X;
}

}  // namespace

void traceWetGasBalance(CalcTrace& t, const WetGasBalanceInputs& in, const WetGasBalanceResult& b) {
    t.beginStep(TraceStep::WetGas);
    t.addLookup("Tzi", {"gas inlet saturation temperature", "入口飽和温度"}, in.Tzi, kC,
                "saturation temperature of the inlet gas");
    t.addLookup("Xi", {"inlet absolute humidity", "入口絶対湿度"}, in.Xi, "kg/kgda",
                "humidity of the inlet gas");
    const TraceName rName{"capacity-rate ratio of the gas step", "ガス側熱容量流量比"};
    if (b.R == 0.9999f)
        t.addLookup("R_wet", rName, b.R, kNone, "equal rates: the ratio is held at 0.9999");
    else
        t.add("R_wet", rName, b.R, kNone, "R = min(Cg ratio, Cs)/max(Cg ratio, Cs)",
              "min(Cg*ratio,Cs)/max(Cg*ratio,Cs)",
              {var("Cg", in.gasRate, kRate), var("ratio", in.ratio, kNone),
               var("Cs", in.shellRate, kRate)});
    const TraceName epsName{"effectiveness of the gas step", "ガス側温度効率"};
    const std::string NTU = "(KI*A/Cmin)";
    std::vector<TraceVar> epsVars{var("KI", in.KI, kCoefficient), var("A", in.area, "m2"),
                                  var("Cmin", b.Cmin, kRate), var("R", b.R, kNone)};
    if (b.eps == 0.9999f) {
        t.addLookup("P_wet", epsName, b.eps, kNone, "effectiveness capped at 0.9999");
    } else if (wetGasOneShellPass(in.PN)) {
        const std::string e = "exp(-" + NTU + "*sqrt(1+R^2))";
        t.add("P_wet", epsName, b.eps, kNone,
              "P = 2/(1 + R + S (1 + e^(-NTU S))/(1 - e^(-NTU S))), S = √(1 + R²), NTU = KI A/Cmin",
              "2/(1+R+sqrt(1+R^2)*(1+" + e + ")/(1-" + e + "))", std::move(epsVars));
    } else {
        const std::string e = "exp(-" + NTU + "*(1-R))";
        t.add("P_wet", epsName, b.eps, kNone,
              "P = (1 - e^(-NTU(1-R)))/(1 - R e^(-NTU(1-R))), NTU = KI A/Cmin",
              "(1-" + e + ")/(1-R*" + e + ")", std::move(epsVars));
    }
    t.add("Tso", {"shell outlet temperature", "胴側出口温度"}, b.Tso, kC,
          "Tso = Tsi + P (Cmin/Cs)(Tzi - Tsi)", "Tsi+P*(Cmin/Cs)*(Tzi-Tsi)",
          {var("Tsi", in.Tsi, kC), var("P", b.eps, kNone), var("Cmin", b.Cmin, kRate),
           var("Cs", in.shellRate, kRate), var("Tzi", in.Tzi, kC)});
    t.addLookup("TZo", {"gas outlet temperature", "ガス出口温度"}, b.TZo, kC,
                "found by stepping until the gas heat QG meets the shell heat QK");
    t.addLookup("Po", {"outlet vapour pressure", "出口水蒸気分圧"}, b.Po, kDrop,
                "saturation pressure of water at TZo");
    t.add("Xo", {"outlet absolute humidity", "出口絶対湿度"}, b.Xo, "kg/kgda",
          "Xo = MAW Po/(P - Po)", "MAW*Po/(P-Po)",
          {var("MAW", in.MAW, kNone), var("Po", b.Po, kDrop), var("P", b.P, kDrop)});
    const char* hFormula = in.pressureBasis
                               ? "H = Cpg t + (hv + cv t) X, hv = -0.1763 s² + 9.467 s + 591.12, "
                                 "cv = 0.0002 s³ - 7e-05 s² + 0.0023 s + 0.4415, s = (t - 7)/20 + 1"
                               : "H = Cpg t + (597.3 + 0.441 t) X";
    t.add("Hi", {"inlet enthalpy", "入口エンタルピー"}, b.Hi, "kcal/kgda", hFormula,
          humidEnthalpyExpr(in.pressureBasis, "Tzi", "Xi"),
          {var("Cpg", b.Cpg, kSpecificHeat), var("Tzi", in.Tzi, kC), var("Xi", in.Xi, "kg/kgda")});
    t.add("Ho", {"outlet enthalpy", "出口エンタルピー"}, b.Ho, "kcal/kgda", hFormula,
          humidEnthalpyExpr(in.pressureBasis, "TZo", "Xo"),
          {var("Cpg", b.Cpg, kSpecificHeat), var("TZo", b.TZo, kC), var("Xo", b.Xo, "kg/kgda")});
    t.add("Wcon", {"condensate", "凝縮水量"}, b.Wcon, kMassFlow, "Wcon = Gda (Xi - Xo)",
          "Gda*(Xi-Xo)",
          {var("Gda", b.Gda, kMassFlow), var("Xi", in.Xi, "kg/kgda"), var("Xo", b.Xo, "kg/kgda")});
    t.add(
        "QG", {"gas heat", "ガス側熱量"}, b.QG, kHeat, "QG = |Hi - Ho| Gda", "abs(Hi-Ho)*Gda",
        {var("Hi", b.Hi, "kcal/kgda"), var("Ho", b.Ho, "kcal/kgda"), var("Gda", b.Gda, kMassFlow)});
    t.add("QK", {"shell heat", "胴側熱量"}, b.QK, kHeat, "QK = Cs Vs ρs |Tso - Tsi|",
          "c*V*rho*abs(Tso-Tsi)",
          {var("c", in.Cs, kSpecificHeat), var("V", in.shellVolumeFlow, "m3/h"),
           var("rho", in.Ds, kDensity), var("Tso", b.Tso, kC), var("Tsi", in.Tsi, kC)});
}

void traceCondensationEnhancement(CalcTrace& t, const CondensationInputs& in,
                                  const CondensationEnhancementParts& p) {
    t.continueStep(TraceStep::WetGas);
    t.add("Tg", {"gas mean temperature", "ガス平均温度"}, p.Tg, kC, "Tg = (Tzi + TZo)/2",
          "(Tzi+TZo)/2", {var("Tzi", in.Tzi, kC), var("TZo", in.TZo, kC)});
    t.add("Tw", {"shell mean temperature", "胴側平均温度"}, p.Tw, kC, "Tw = (Tsi + Tso)/2",
          "(Tsi+Tso)/2", {var("Tsi", in.Tsi, kC), var("Tso", in.Tso, kC)});
    t.add("k_film", {"tube and water film conductance", "管内水膜コンダクタンス"}, p.k,
          kCoefficient, "k = 1/((1/ht) DI/D0 + δ/0.55)", "1/((1/ht)*DI/D0+d/0.55)",
          {var("ht", in.Xt, kCoefficient), var("DI", in.DI, "m"), var("D0", in.D0, "m"),
           var("d", in.film, "m")});
    t.add("Ti", {"interface temperature", "界面温度"}, p.Ti, kC, "Ti = (Tg k + Tw hs)/(k + hs)",
          "(Tg*k+Tw*hs)/(k+hs)",
          {var("Tg", p.Tg, kC), var("k", p.k, kCoefficient), var("Tw", p.Tw, kC),
           var("hs", in.Xs, kCoefficient)});
    const char* steam = "saturation pressure of water (steam table)";
    t.addLookup("p_i", {"saturation pressure at Ti", "Tiでの飽和圧力"}, p.pi, kDrop, steam);
    t.addLookup("p_g", {"saturation pressure at Tg", "Tgでの飽和圧力"}, p.pg, kDrop, steam);
    t.add("Xsi", {"saturated humidity at Ti", "Tiでの飽和湿度"}, p.Xsi, "kg/kgda",
          "Xsi = MAW pi/(P - pi)", "MAW*pi/(P-pi)",
          {var("MAW", in.MAW, kNone), var("pi", p.pi, kDrop), var("P", in.P, kDrop)});
    t.add("Xsg", {"saturated humidity at Tg", "Tgでの飽和湿度"}, p.Xsg, "kg/kgda",
          "Xsg = MAW pg/(P - pg)", "MAW*pg/(P-pg)",
          {var("MAW", in.MAW, kNone), var("pg", p.pg, kDrop), var("P", in.P, kDrop)});
    t.add("rho_h", {"humid gas density at Ti", "Tiでの湿りガス密度"}, p.rho, kDensity,
          "ρh = 1/(0.004555 (Ti + 273)(MAW + Xsi))", "1/(0.004555*(Ti+273)*(MAW+Xsi))",
          {var("Ti", p.Ti, kC), var("MAW", in.MAW, kNone), var("Xsi", p.Xsi, "kg/kgda")});
    // The diffusivity (m2/h), gas conductivity and latent heat at Ti, fits in t.
    const std::string D = "((0.13777+0.00089157*Ti+1.3554e-06*Ti^2-1.5656e-09*Ti^3)*0.0001*3600)";
    const std::string kg = "(0.02071+6.8564e-05*Ti-3.1438e-08*Ti^2+1.5673e-11*Ti^3)";
    const std::string r = "(606.126-0.75851*Ti+0.00155845*Ti^2-6.7249e-06*Ti^3)";
    t.add("ratio", {"heat transfer increase ratio", "伝熱促進比"}, p.ratio, kNone,
          "ratio = 1 + (ρh/0.64) D (Xsg - Xsi) r/(λg (Tg - Ti)), D, λg and r the fits at Ti",
          "1+(rho/0.64)*" + D + "*(Xsg-Xsi)*" + r + "/(" + kg + "*(Tg-Ti))",
          {var("rho", p.rho, kDensity), var("Ti", p.Ti, kC), var("Xsg", p.Xsg, "kg/kgda"),
           var("Xsi", p.Xsi, "kg/kgda"), var("Tg", p.Tg, kC)});
}

void traceEfficiencies(CalcTrace& t, float T1, float T2, float T3, float T4, float Et, float Es) {
    t.beginStep(TraceStep::EndChecks);
    t.add("Et", {"tube thermal efficiency", "管側温度効率"}, Et, kNone, "|T3 - T4| / |T1 - T3|",
          "abs(T3-T4)/abs(T1-T3)", {var("T1", T1, kC), var("T3", T3, kC), var("T4", T4, kC)});
    t.add("Es", {"shell thermal efficiency", "胴側温度効率"}, Es, kNone, "|T1 - T2| / |T1 - T3|",
          "abs(T1-T2)/abs(T1-T3)", {var("T1", T1, kC), var("T2", T2, kC), var("T3", T3, kC)});
}

}  // namespace hx
