#include "calc/solver/baffle_geometry_trace.h"

#include <string>

#include "calc/solver/trace_vars.h"

namespace hx {

using namespace tracing;

void traceBellGeometry(CalcTrace& t, const BellInput& in, const BellResult& r) {
    const BellGeometry& g = r.geometry;
    const ShellBundle& b = in.bundle;
    t.addLookup("theta", {"baffle cut angle", "バッフル切欠角"}, r.theta, "deg",
                "arc cosine of the cut level x: θ = 360 (1.5708 - atan(x/√(1.0001 - x²)))/3.1416");
    // The window's segment share with a = arcsin x = 1.5708 - 3.1416 θ/360.
    t.add("Fw", {"window fraction of the shell section", "窓部面積比"}, in.Fw, kNone,
          "Fw = (3.14 - (x √(1 - x²) + a + 1.57))/3.14, a = 1.5708 - 3.1416 θ/360",
          "0.3184713*(3.14-(x*sqrt(1-x^2)+(1.5708-3.1416*th/360)+1.57))",
          {var("x", in.cutLevel, kNone), var("th", r.theta, "deg")});
    t.add("cw", {"window coefficient", "窓係数"}, r.cw, kNone, "cw = 0.962 Fw - 0.0909",
          "0.962*Fw-0.0909", {var("Fw", in.Fw, kNone)});
    const TraceName nwName{"tubes in one window", "窓部管本数"};
    if (in.enteredWindow)
        t.addLookup("Nw", nwName, g.Nw, kNone, "entered");
    else
        t.add("Nw", nwName, g.Nw, kNone, "Nw = NT Fw - nc α/360", "NT*Fw-nc*alpha/360",
              {var("NT", b.NT, kNone), var("Fw", in.Fw, kNone), var("nc", in.cutLineTubes, kNone),
               var("alpha", in.cutEdgeAngle, "deg")});
    if (in.cutLineTubes > 0.0f) {
        t.addLookup("fc", {"window share of a cut-line tube", "切欠線上の管の窓部割合"}, r.fc,
                    kNone, "segment share of the tube circle cut at cos(α/2)");
        t.add("Nw_eff", {"effective tubes in one window", "窓部有効管本数"}, g.NwEff, kNone,
              "Nw' = Nw + nc fc", "Nw+nc*fc",
              {var("Nw", g.Nw, kNone), var("nc", in.cutLineTubes, kNone), var("fc", r.fc, kNone)});
    }
    if (in.lowFin)
        t.add("d_fin", {"diameter over the fins", "フィン外径"}, r.d, "m", "d = D0 + 2 FH",
              "D0+2*FH", {var("D0", b.D0, "m"), var("FH", in.FH, "m")});
    t.add("Sw", {"window flow area", "バッフル窓流路面積"}, g.Sw, "m2", "Sw = cw DS² - Nw' π/4 d²",
          "cw*DS^2-(Nwe*3.14/4)*d^2",
          {var("cw", r.cw, kNone), var("DS", b.DS, "m"), var("Nwe", g.NwEff, kNone),
           var("d", r.d, "m")});
    const TraceName smName{"cross-flow area", "クロスフロー面積"};
    if (in.lowFin)
        t.add(
            "Sm", smName, g.Sm, "m2", "Sm = DS B - (D0 B + 2 FT FH B FN/0.0254)(DS/P - 1)",
            "DS*B-(D0*B+2*FT*FH*B*FN/0.0254)*(DS/P-1)",
            {var("DS", b.DS, "m"), var("B", b.B, "m"), var("D0", b.D0, "m"), var("FT", in.FT, "m"),
             var("FH", in.FH, "m"), var("FN", in.FN, "1/in"), var("P", b.P, "m")});
    else
        t.add("Sm", smName, g.Sm, "m2", "Sm = (DS - ND D0) B", "(DS-ND*D0)*B",
              {var("DS", b.DS, "m"), var("ND", b.ND, kNone), var("D0", b.D0, "m"),
               var("B", b.B, "m")});
    t.add("Fwt", {"fraction of the tubes in the windows", "窓部管本数比"}, r.Fwt, kNone,
          "Fwt = 2 (Nw + nc α/360)/NT", "2*(Nw+nc*alpha/360)/NT",
          {var("Nw", g.Nw, kNone), var("nc", in.cutLineTubes, kNone),
           var("alpha", in.cutEdgeAngle, "deg"), var("NT", b.NT, kNone)});
    const TraceName sbName{"bypass area", "バイパス面積"};
    if (in.lowFin)
        t.add("Sb", sbName, g.Sb, "m2", "Sb = (Db - ND (D0 + FT (Df - D0)/p)) B, Db = DS - 2 gsb",
              "(DS-2*gsb-ND*(D0+FT*((D0+2*FH)-D0)/(25.4/FN*0.001)))*B",
              {var("DS", b.DS, "m"), var("gsb", b.shellBaffleGap, "m"), var("ND", b.ND, kNone),
               var("D0", b.D0, "m"), var("FT", in.FT, "m"), var("FH", in.FH, "m"),
               var("FN", in.FN, "1/in"), var("B", b.B, "m")});
    else
        t.add("Sb", sbName, g.Sb, "m2", "Sb = (Db - (ND - 1) P - D0) B, Db = DS - 2 gsb",
              "(DS-2*gsb-(ND-1)*P-D0)*B",
              {var("DS", b.DS, "m"), var("gsb", b.shellBaffleGap, "m"), var("ND", b.ND, kNone),
               var("P", b.P, "m"), var("D0", b.D0, "m"), var("B", b.B, "m")});
    t.add("Fsbp", {"bypass fraction of the cross-flow area", "バイパス面積比"}, g.Fsbp, kNone,
          "Fsbp = Sb/Sm", "Sb/Sm", {var("Sb", g.Sb, "m2"), var("Sm", g.Sm, "m2")});
    const TraceName rwName{"rows in one window", "窓部管列数"};
    if (in.enteredWindow)
        t.add("Rw_eff", rwName, g.RwEff, kNone, "Rw' = Rw + α/360 (Rw entered)", "Rw+alpha/360",
              {var("Rw", in.enteredWindow->rows, kNone), var("alpha", in.cutEdgeAngle, "deg")});
    else
        t.add("Rw_eff", rwName, g.RwEff, kNone, "Rw' = Rw + α/360, Rw = ND Fw - α/360",
              "(ND*Fw-alpha/360)+alpha/360",
              {var("ND", b.ND, kNone), var("Fw", in.Fw, kNone),
               var("alpha", in.cutEdgeAngle, "deg")});
    t.add(
        "Nc", {"rows crossed between baffle tips", "クロスフロー管列数"}, g.Nc, kNone,
        "Nc = ND - 2 Rw' + 2 (360 - α)/360", "ND-2*Rwe+2*(360-alpha)/360",
        {var("ND", b.ND, kNone), var("Rwe", g.RwEff, kNone), var("alpha", in.cutEdgeAngle, "deg")});
    t.add("Nb", {"baffle spaces", "バッフル間隔数"}, g.Nb, kNone, "Nb = TL/B", "TL/B",
          {var("TL", in.TL, "m"), var("B", b.B, "m")});
    t.add("Nt", {"rows crossed in the whole exchanger", "全通過管列数"}, r.Nt, kNone,
          "Nt = (Nb + 1) Nc + (Nb + 2) Rw'", "(Nb+1)*Nc+(Nb+2)*Rwe",
          {var("Nb", g.Nb, kNone), var("Nc", g.Nc, kNone), var("Rwe", g.RwEff, kNone)});
    t.add("Ssb", {"shell-to-baffle leak area", "胴-バッフル漏れ面積"}, g.Ssb, "m2",
          "Ssb = ((360 - θ)/360) π/4 (DS² - D2²), D2 = DS - 4 gsb",
          "((360-th)/360)*(3.14/4)*(DS^2-(DS-2*gsb-2*gsb)^2)",
          {var("th", r.theta, "deg"), var("DS", b.DS, "m"), var("gsb", b.shellBaffleGap, "m")});
    t.add("Stb", {"tube-to-baffle leak area", "管-バッフル漏れ面積"}, g.Stb, "m2",
          "Stb = (NT - Nw) π/4 ((d + 2 gtb)² - d²)", "((NT-Nw)*3.14/4)*((d+2*gtb)^2-d^2)",
          {var("NT", b.NT, kNone), var("Nw", g.Nw, kNone), var("d", r.d, "m"),
           var("gtb", b.baffleHoleGap, "m")});
}

void traceTextbookBellGeometry(CalcTrace& t, const TextbookBellInput& in,
                               const TextbookBellGeometry& g) {
    const ShellBundle& b = in.bundle;
    const char* arcCosine = "arc cosine of the cut: θds = 2 acos(1 - 2 Bc)";
    t.add("Bc", {"baffle cut over the shell diameter", "バッフルカット率"}, g.Bc, kNone,
          "Bc = (1 - x)/2", "(1-x)/2", {var("x", in.cutLevel, kNone)});
    if (b.Dotl > 0.0f)
        t.addLookup("Dotl", {"outer tube limit", "管束外径"}, g.Dotl, "m", "entered");
    else
        t.add("Dotl", {"outer tube limit", "管束外径"}, g.Dotl, "m", "Dotl = (ND - 1) P + D0",
              "(ND-1)*P+D0", {var("ND", b.ND, kNone), var("P", b.P, "m"), var("D0", b.D0, "m")});
    t.add("Dctl", {"diameter of the outer tube centres", "最外管中心径"}, g.Dctl, "m",
          "Dctl = Dotl - D0", "Dotl-D0", {var("Dotl", g.Dotl, "m"), var("D0", b.D0, "m")});
    t.addLookup("theta_ds", {"cut angle at the shell", "胴内径での切欠角"}, g.thetaDs, "rad",
                arcCosine);
    t.addLookup("theta_ctl", {"cut angle at the tube-centre circle", "最外管中心円での切欠角"},
                g.thetaCtl, "rad",
                "arc cosine of the cut: θctl = 2 acos(min(1, DS (1 - 2 Bc)/Dctl))");
    // The segment share (θ - sin θ)/2π, sin θ = 2 c √(1 - c²) with c = cos(θ/2)
    // the cut line over the radius of the circle.
    t.add("Fw", {"fraction of tubes in one window", "窓部管本数比"}, g.Fw, kNone,
          "Fw = (θctl - sin θctl)/2π, sin θctl = 2 c √(1 - c²), c = min(1, DS (1 - 2 Bc)/Dctl)",
          "th/(2*3.14159265)-2*min(1,DS*(1-2*Bc)/Dctl)*sqrt(1-min(1,DS*(1-2*Bc)/Dctl)^2)/"
          "(2*3.14159265)",
          {var("th", g.thetaCtl, "rad"), var("DS", b.DS, "m"), var("Bc", g.Bc, kNone),
           var("Dctl", g.Dctl, "m")});
    t.add("Sw", {"window flow area", "バッフル窓流路面積"}, g.Sw, "m2",
          "Sw = π/4 DS² (θds - sin θds)/2π - NT Fw π/4 D0², sin θds = 2 c √(1 - c²), c = 1 - 2 Bc",
          "3.14159265/4*DS^2*(th/(2*3.14159265)-2*(1-2*Bc)*sqrt(1-(1-2*Bc)^2)/(2*3.14159265))-NT*"
          "Fw*3.14159265/4*D0^2",
          {var("DS", b.DS, "m"), var("th", g.thetaDs, "rad"), var("Bc", g.Bc, kNone),
           var("NT", b.NT, kNone), var("Fw", g.Fw, kNone), var("D0", b.D0, "m")});
    t.add("Sm", {"cross-flow area", "クロスフロー面積"}, g.Sm, "m2",
          "Sm = B ((DS - Dotl) + (Dotl - D0)/Pe (P - D0))", "B*((DS-Dotl)+(Dotl-D0)/Pe*(P-D0))",
          {var("B", b.B, "m"), var("DS", b.DS, "m"), var("Dotl", g.Dotl, "m"), var("D0", b.D0, "m"),
           var("Pe", g.Pe, "m"), var("P", b.P, "m")});
    t.add("Ntcc", {"rows crossed between baffle tips", "クロスフロー管列数"}, g.Ntcc, kNone,
          "Ntcc = DS/Lpp (1 - 2 Bc), Bc = (1 - x)/2", "DS/Lpp*(1-2*((1-x)/2))",
          {var("DS", b.DS, "m"), var("Lpp", g.Lpp, "m"), var("x", in.cutLevel, kNone)});
    t.add("Ntcw", {"effective rows crossed in a window", "窓部有効管列数"}, g.Ntcw, kNone,
          "Ntcw = 0.8/Lpp (DS Bc - (DS - (Dotl - D0))/2)", "0.8/Lpp*(DS*Bc-(DS-(Dotl-D0))/2)",
          {var("Lpp", g.Lpp, "m"), var("DS", b.DS, "m"), var("Bc", g.Bc, kNone),
           var("Dotl", g.Dotl, "m"), var("D0", b.D0, "m")});
    t.add("Fsbp", {"bypass fraction of the cross-flow area", "バイパス面積比"}, g.Fsbp, kNone,
          "Fsbp = B (DS - Dotl)/Sm", "B*(DS-Dotl)/Sm",
          {var("B", b.B, "m"), var("DS", b.DS, "m"), var("Dotl", g.Dotl, "m"),
           var("Sm", g.Sm, "m2")});
    t.add("Ssb", {"shell-to-baffle leak area", "胴-バッフル漏れ面積"}, g.Ssb, "m2",
          "Ssb = π DS δsb (1 - θds/2π)", "3.14159265*DS*d*(1-th/(2*3.14159265))",
          {var("DS", b.DS, "m"), var("d", b.shellBaffleGap, "m"), var("th", g.thetaDs, "rad")});
    t.add("Stb", {"tube-to-baffle leak area", "管-バッフル漏れ面積"}, g.Stb, "m2",
          "Stb = π/4 ((D0 + 2 δtb)² - D0²) NT (1 - Fw)", "3.14159265/4*((D0+2*d)^2-D0^2)*NT*(1-Fw)",
          {var("D0", b.D0, "m"), var("d", b.baffleHoleGap, "m"), var("NT", b.NT, kNone),
           var("Fw", g.Fw, kNone)});
    const bool equalEnds = g.Bin == b.B && g.Bout == b.B;
    if (equalEnds)
        t.add("Nb", {"baffles", "バッフル枚数"}, g.Nb, kNone, "Nb = TL/B - 1", "TL/B-1",
              {var("TL", in.TL, "m"), var("B", b.B, "m")});
    else
        t.add("Nb", {"baffles", "バッフル枚数"}, g.Nb, kNone, "Nb = (TL - Bin - Bout)/B + 1",
              "(TL-Bin-Bout)/B+1",
              {var("TL", in.TL, "m"), var("Bin", g.Bin, "m"), var("Bout", g.Bout, "m"),
               var("B", b.B, "m")});
}

}  // namespace hx
