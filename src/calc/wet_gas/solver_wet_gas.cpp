// The wet-gas step of the efficiency loop: the humid-gas balance that sets
// the gas and shell outlets and the condensate, and the enhancement of the
// tube film by the condensing water. Working units (℃, kg/h, kcal/h).
#include <cmath>

#include "calc/solver/progress_screen.h"
#include "calc/solver/solver_state.h"
#include "calc/solver/solver_trace.h"
#include "calc/wet_gas/wet_gas_balance.h"
#include "core/option_codes.h"
#include "core/units.h"
#include "correlations/phase_change/condensation_enhancement.h"
#include "correlations/tube_side/tube_side.h"

namespace hx {

namespace {

// What the solution keeps of a balance: the outlets it sets, the
// humidities, flows and heats the reports show.
void keepWetGasBalance(SolverState& s, const WetGasBalanceResult& b, const TubeGasHumidity& h) {
    Solution& res = s.r;
    res.T4 = b.TZo;
    res.T2 = b.Tso;
    res.Tzi = h.Tzi;
    res.TZo = b.TZo;
    res.Pi = h.Pi;
    res.Po = b.Po;
    res.Xi = h.Xi;
    res.Xo = b.Xo;
    res.MAW = h.MAW;
    res.Hi = b.Hi;
    res.Ho = b.Ho;
    res.Wti = b.Wti;
    res.Wto = b.Wto;
    res.Wcon = b.Wcon;
    res.Condensate = b.Wcon;
    res.GWo = b.GWo;
    res.QG = b.QG;
    res.QK = b.QK;
    res.QKE = b.QKE;
    res.QKK = b.QKK;
    res.tubeGasVolumeFlow = b.GN;
    res.wetShellMean = (res.T1 + b.Tso) / 2.0f;
    res.tubeFluidMean = (res.T3 + res.T4) / 2.0f;
    res.shellFluidMean = (res.T1 + res.T2) / 2.0f;
    s.tubeGasOutlet = b.TZo;
}

}  // namespace

// With the wet flag: the fluid means of the gas step, then the
// balance of the wet gas, which sets the gas and shell outlets, and the
// enhancement of the tube film by the condensing water. The first pass
// of a run has no overall coefficient yet (KI = 0, so NTU = 0): the
// outlets of the efficiency stand until the balance can run.
void wetGasStep(SolverState& s) {
    const DesignCase& d = s.dc;
    Solution& res = s.r;
    res.tubeFluidMean = (res.T3 + res.T4) / 2.0f;
    res.shellFluidMean = (res.T1 + res.T2) / 2.0f;
    if (!(res.KI > 0.0f) || !s.in.humidity) return;
    const TubeGasHumidity& h = *s.in.humidity;
    WetGasBalanceInputs in;
    in.Tzi = h.Tzi;
    in.Xi = h.Xi;
    in.MAW = h.MAW;
    in.xCO2 = d.CO2;
    in.xN2 = d.N2;
    in.xO2 = d.O2;
    in.pressureBasis = d.humidityBasis == kFromDewPoint;
    in.Pt = h.Pt;
    in.manualCp = d.Ct;
    in.manualDensity = d.Dt;
    in.Density = res.Density;
    in.gasFlow = d.Wt * units::kKgPerTon;
    in.Tsi = res.T1;
    in.gasRate = s.rates.tube;
    in.ratio = res.heatTransferIncreaseRatio;
    in.shellRate = s.rates.shell;
    in.PN = d.PN;
    in.KI = res.KI;
    // The area of the given length, not the At of the previous pass.
    in.area = tubeInsideArea(d.DI, d.NT, res.TL);
    in.Cs = res.Cs;
    in.shellVolumeFlow = s.shellVolumeFlow;
    in.Ds = res.Ds;
    in.previousGasOutlet = s.tubeGasOutlet;
    in.Xt = res.Xt;
    in.hix = s.hix;
    WetGasBalanceHooks hooks;
    hooks.loopCount = [&s](int n5) { s.progress.wetGasLoopCount(n5); };
    hooks.box = [&s](const WetGasProgressBox& b) { s.progress.wetGasBox(b); };
    hooks.atLimit = [&s] { s.progress.atLimit(LimitLoop::WetGasBalance, s.dc.unitCode); };
    hooks.failed = [&s] { haltOnNonFinite(s.console, s.dc.unitCode); };
    const WetGasBalanceResult b = WetGasBalance(in, s.wetLoop, s.wideningFactor, hooks);
    keepWetGasBalance(s, b, h);
    if (s.trace.enabled()) traceWetGasBalance(s.trace, in, b);
    CondensationInputs c;
    c.Tzi = h.Tzi;
    c.TZo = b.TZo;
    c.Tsi = res.T1;
    c.Tso = b.Tso;
    c.Xt = res.Xt;
    c.Xs = res.Xs;
    c.DI = d.DI;
    c.D0 = d.D0;
    c.film = d.filmThickness;
    c.MAW = h.MAW;
    c.P = in.pressureBasis ? h.Pt : 1.0f;
    const CondensationEnhancementParts parts = condensationEnhancementParts(c);
    res.heatTransferIncreaseRatio = finiteOrHalt(s, parts.ratio);
    if (s.trace.enabled()) traceCondensationEnhancement(s.trace, c, parts);
}

}  // namespace hx
