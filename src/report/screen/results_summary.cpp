#include "report/screen/results_summary.h"

#include <array>
#include <cmath>

#include "calc/solver/area_adjustment.h"
#include "core/option_codes.h"
#include "core/units.h"
#include "correlations/exchanger/heat_balance.h"
#include "report/screen/basis_line.h"
#include "report/screen/run_header.h"
#include "report/screen/summary_rows.h"

namespace hx {

namespace {

// Finned outside area of low-fin tubes (m2): the bare area 3.14·D0·NT·TL
// scaled by the finned surface over the root surface of one fin pitch.
float finnedBundleArea(float NT, float TL, float D0, float FT, float FH, float FN) {
    return finnedOutsideArea(3.14f * D0 * NT * TL, finSurfaces(D0, FT, FH, FN));
}

struct CaseFlags {
    int mode = 0;
    int phaseChange = 0;
    bool wetGas = false;
    bool lowFin = false;
    bool tubeGas = false;
};

bool rowShown(RowWhen when, const CaseFlags& c) {
    const bool sensible = c.mode == kSensible || c.mode == kTubeWetGas;
    switch (when) {
        case RowWhen::Always: return true;
        case RowWhen::WetOff: return !c.wetGas;
        case RowWhen::WetOn: return c.wetGas;
        case RowWhen::SensibleModes: return sensible;
        case RowWhen::TubePhaseChange: return c.mode == kTubePhaseChange;
        case RowWhen::ShellPhaseChange: return c.mode == kShellPhaseChange;
        case RowWhen::WetCondensate: return sensible && c.wetGas;
        case RowWhen::TubeCondensation:
            return c.mode == kTubePhaseChange && c.phaseChange == kCondensation;
        case RowWhen::TubeEvaporation:
            return c.mode == kTubePhaseChange && c.phaseChange == kEvaporation;
        case RowWhen::ShellCondensation:
            return c.mode == kShellPhaseChange && c.phaseChange == kCondensation;
        case RowWhen::ShellEvaporation:
            return c.mode == kShellPhaseChange && c.phaseChange == kEvaporation;
        case RowWhen::BareTubes: return !c.lowFin;
        case RowWhen::LowFinTubes: return c.lowFin;
        case RowWhen::TubeGas: return c.tubeGas;
        case RowWhen::TubeLiquid: return !c.tubeGas;
    }
    return false;
}

using SummaryValues = std::array<float, kSummaryQuantityCount>;

// The printed value of every quantity, from the results in the units of
// the presentation.
SummaryValues summaryValues(const DesignCase& dc, const Solution& s, bool si) {
    SummaryValues v{};
    auto set = [&v](SummaryQuantity q, float value) { v[static_cast<int>(q)] = value; };
    using Q = SummaryQuantity;
    set(Q::DS, s.shellDiameter);
    set(Q::NT, dc.NT);
    set(Q::TM, s.TM);
    set(Q::Q, s.Q);
    set(Q::TL, s.TL);
    set(Q::KI, s.KI);
    set(Q::KO, s.KO);
    // Tube flow: the kg/h value of the solution when there is one, else the
    // t/h value; shell flow from t/h (× 1000 kg per t). Per second in SI.
    set(Q::Wt,
        s.tubeMassFlowKgH > 0.0f ? s.tubeMassFlowKgH : units::kKgPerTon * s.tubeMassFlowTonH);
    set(Q::Ws, units::kKgPerTon * s.shellMassFlowTonH);
    set(Q::Tti, s.T3);
    set(Q::Tto, s.T4);
    set(Q::Tsi, s.T1);
    set(Q::Tso, s.T2);
    set(Q::Tzi, s.Tzi);
    set(Q::TZo, s.TZo);
    set(Q::Ttav, s.Ttav);
    set(Q::Tsav, s.Tsav);
    set(Q::Twav, s.Twav);
    set(Q::Et, s.Et);
    set(Q::Es, s.Es);
    set(Q::Ret, s.Ret);
    set(Q::Res, s.Res);
    set(Q::Ut, s.Ut);
    set(Q::Us, s.Us);
    set(Q::Xt, s.Xt);
    set(Q::Xs, s.Xs);
    set(Q::Wcon, s.Wcon);
    set(Q::TubeRate, s.tubeCondensation);
    set(Q::ShellRate, s.shellCondensation);
    set(Q::At, s.At);
    set(Q::As, s.As);
    set(Q::Asf, s.Asf);
    set(Q::EF, s.EF);
    set(Q::DPt, s.DPt);
    set(Q::DPs, s.DPs);
    // A gas loses little pressure: kgf/cm2 × 10000 = mmAq, MPa × 10^6 = Pa.
    set(Q::DPtHead, s.DPt * (si ? 1000000.0f : 10000.0f));
    return v;
}

void printSummaryTable(Presentation p, const DesignCase& dc, const Solution& shown,
                       TextConsole& console) {
    const CaseFlags flags{dc.fluidMode, dc.phaseChange, dc.wetGas, dc.lowFin,
                          dc.tubePhase == TubePhase::Gas};
    const SummaryValues values = summaryValues(dc, shown, isSI(p));
    const SummaryFrame& frame = summaryFrame(p);
    console.print(frame.title);
    console.print(frame.top);
    console.print(frame.heads);
    console.print(frame.separator);
    for (const SummaryRow& row : summaryRows(p)) {
        if (!rowShown(row.when, flags)) continue;
        const float first = values[static_cast<int>(row.first)];
        if (row.second == SummaryQuantity::None) {
            console.printUsing(row.picture, {first});
        } else {
            console.printUsing(row.picture, {first, values[static_cast<int>(row.second)]});
        }
    }
    console.print(frame.bottom);
}

}  // namespace

Solution convertedToSI(const Solution& r) {
    using namespace units;
    Solution s = r;
    // m to mm.
    s.shellDiameter = r.shellDiameter * 1000.0f;
    s.TL = r.TL * 1000.0f;
    // kcal/h to W, kcal/m2h℃ to W/m2K, kcal/mh℃ to W/mK.
    s.Q = r.Q * kWattPerKcalH;
    s.KI = r.KI * kWattPerKcalH;
    s.KO = r.KO * kWattPerKcalH;
    s.Xt = r.Xt * kWattPerKcalH;
    s.Xs = r.Xs * kWattPerKcalH;
    s.Kt = r.Kt * kWattPerKcalH;
    s.KS = r.KS * kWattPerKcalH;
    // Flows per hour to per second.
    s.tubeGasVolumeFlow = r.tubeGasVolumeFlow / kSecondsPerHour;
    s.shellMassFlowTonH = r.shellMassFlowTonH / kSecondsPerHour;
    s.tubeMassFlowTonH = r.tubeMassFlowTonH / kSecondsPerHour;
    s.tubeVolumeFlow = r.tubeVolumeFlow / kSecondsPerHour;
    s.tubeCondensation = r.tubeCondensation / kSecondsPerHour;
    s.shellCondensation = r.shellCondensation / kSecondsPerHour;
    s.Wcon = r.Wcon / kSecondsPerHour;
    s.tubeMassFlowKgH = r.tubeMassFlowKgH / kSecondsPerHour;
    s.shellVolumeFlow = r.shellVolumeFlow / kSecondsPerHour;
    // kgf/cm2 to MPa.
    s.DPt = r.DPt * kMPaPerKgfCm2;
    s.DPs = r.DPs * kMPaPerKgfCm2;
    for (float Solution::*term :
         {&Solution::DPtFriction, &Solution::DPtReturns, &Solution::DPtNozzles, &Solution::DPsCross,
          &Solution::DPsWindows, &Solution::DPsEnds})
        s.*term = r.*term * kMPaPerKgfCm2;
    // kcal/kg℃ to kJ/kgK.
    s.Ct = r.Ct * kKJPerKcal;
    s.Cs = r.Cs * kKJPerKcal;
    // ℃ to K.
    s.T1 = r.T1 + kKelvinOffset;
    s.T2 = r.T2 + kKelvinOffset;
    s.T3 = r.T3 + kKelvinOffset;
    s.T4 = r.T4 + kKelvinOffset;
    s.Tzi = r.Tzi + kKelvinOffset;
    s.TZo = r.TZo + kKelvinOffset;
    s.Ttav = r.Ttav + kKelvinOffset;
    s.Tsav = r.Tsav + kKelvinOffset;
    s.Twav = r.Twav + kKelvinOffset;
    s.tubeFluidMean = r.tubeFluidMean + kKelvinOffset;
    s.shellFluidMean = r.shellFluidMean + kKelvinOffset;
    // m2/h to m2/s.
    s.Vt = r.Vt / kSecondsPerHour;
    s.Vs = r.Vs / kSecondsPerHour;
    return s;
}

Solution inUnitsOf(Presentation p, const RunInputs& in, const Solution& r) {
    if (!isSI(p)) return r;
    const DesignCase& dc = in.dc;
    Solution shown = convertedToSI(r);
    // The SI screens show the finned area from the tube geometry; it is
    // put on the shown copy only, so the held area is the same after any
    // sequence of screens.
    if (dc.lowFin) shown.Asf = finnedBundleArea(dc.NT, r.TL, dc.D0, dc.FT, dc.FH, dc.FN);
    return shown;
}

void showResultsSummary(Presentation p, const RunInputs& in, const Solution& r,
                        TextConsole& console) {
    const Solution shown = inUnitsOf(p, in, r);
    console.clear();
    printRunHeader(p, in, shown, console);
    printSummaryTable(p, in.dc, shown, console);
    printBasisLine(p, in.dc, console);
    for (const std::string& line : asBuiltLines(in, isJapanese(p))) console.print(line);
}

}  // namespace hx
