#include "calc/solver/thermal_solver.h"

#include <algorithm>
#include <cmath>

#include "calc/case/calculation_basis.h"
#include "calc/checks/solution_checks.h"
#include "calc/solver/solver_state.h"
#include "calc/solver/solver_trace.h"
#include "core/option_codes.h"
#include "core/run_ended.h"
#include "core/units.h"
#include "correlations/exchanger/heat_balance.h"
#include "correlations/exchanger/mean_temperature.h"
#include "correlations/exchanger/shell_effectiveness.h"
#include "correlations/tube_side/tube_side.h"

namespace hx {

namespace {

// Tolerances of the loops.
constexpr float kEfficiencyTolerance = 0.0001f;       // |K1 − K1'| at m = 1
constexpr float kCrossedTolerance = 0.1f;             // the same once the streams cross
constexpr float kMeanTemperatureTolerance = 0.0001f;  // ℃
constexpr float kBalanceTolerance = 0.01f;            // ℃, outlet guess against its balance
constexpr float kShellOutletTolerance = 0.001f;       // ℃, T2X against T2
constexpr float kTwoCycleRepeat = 0.001f;             // of the swing, a repeated estimate
constexpr float kOverflowTM = 1000.0f;                // ℃
constexpr float kLoosenFactor = 1.003f;               // widening per continued limit dialog

bool tubeSaturated(const DesignCase& dc) { return dc.fluidMode == kTubePhaseChange; }
bool shellSaturated(const DesignCase& dc) { return dc.fluidMode == kShellPhaseChange; }

// Heat-capacity rates of the two streams at the current properties,
// kcal/h℃: tube Wt·1000·Ct, shell Ws·1000·Cs (flows held in ton/h).
CapacityRates streamRates(const DesignCase& dc, const Solution& r) {
    return capacityRates(heatCapacityRate(dc.Wt, r.Ct), heatCapacityRate(dc.Ws, r.Cs));
}

struct OutletPair {
    float T2 = 0.0f;
    float T4 = 0.0f;
};

// Outlets of both streams when the stream of the smaller rate reaches the
// efficiency e: each changes by e·|T1 − T3|·Cmin/(its rate) towards the
// other's inlet. A saturated side stays at its inlet temperature.
OutletPair outletsAtEfficiency(const SolverState& s, float e) {
    const Solution& r = s.r;
    const float heat = e * std::fabs(r.T3 - r.T1) * s.rates.Cmin;
    const float sign = s.tubeHeated() ? 1.0f : -1.0f;
    OutletPair o{r.T1 - sign * heat / s.rates.shell, r.T3 + sign * heat / s.rates.tube};
    if (tubeSaturated(s.dc)) o.T4 = r.T3;
    if (shellSaturated(s.dc)) o.T2 = r.T1;
    return o;
}

// K1 from the outlets of the pass: the temperature change of the stream
// that defines it (the tube in fluid mode 4, else the shell) times its rate
// over Cmin·|T3 − T1|.
float efficiencyFromOutlets(const SolverState& s) {
    const Solution& r = s.r;
    const float span = std::fabs(r.T3 - r.T1);
    if (shellSaturated(s.dc)) return std::fabs(r.T3 - r.T4) / span * s.rates.tube / s.rates.Cmin;
    return std::fabs(r.T2 - r.T1) / span * s.rates.shell / s.rates.Cmin;
}

ProgressValues progressValues(const SolverState& s) {
    const DesignCase& dc = s.dc;
    const Solution& r = s.r;
    ProgressValues v;
    v.unitCode = dc.unitCode;
    v.wetFlag = dc.wetGas;
    v.gasTubeSide = dc.tubePhase == TubePhase::Gas;
    v.tapeUsed = dc.tapeUsed;
    v.fluidMode = dc.fluidMode;
    v.tubeInlet = r.T3;
    v.tubeOutlet = r.T4;
    v.shellInlet = r.T1;
    v.shellOutlet = r.T2;
    v.calcLimit1 = s.calcLimit1;
    v.calcLimit3 = s.calcLimit3;
    v.condensate = r.Condensate;
    v.normalDensity = r.Density;
    v.Q = r.Q;
    v.heatTransferIncreaseRatio = r.heatTransferIncreaseRatio;
    v.tubeFluidMean = r.tubeFluidMean;
    v.shellFluidMean = r.shellFluidMean;
    v.Ttav = r.Ttav;
    v.Tsav = r.Tsav;
    v.Twav = r.Twav;
    v.TL = r.TL;
    v.LT = r.LT;
    v.NT = dc.NT;
    v.viscosityRatio = r.viscosityRatio;
    v.tapeTemperatureRatio = s.tapeTemperatureWall / s.tapeTemperatureBulk;
    return v;
}

class ThermalSolver {
public:
    ThermalSolver(const RunInputs& in, SolverProgress& progress) : s_(in, progress) {}

    Solution run() {
        start();
        for (;;) {
            solvePass();
            if (!s_.tubeOutletGiven() && !s_.dc.wetGas) break;
            if (restartForGasOutlet()) continue;
            if (!shellOutletAgreesWithTubeHeat()) continue;
            break;
        }
        if (dc().lengthGiven && crossed()) {
            // A rating whose outlets cross is no exchanger: the efficiency
            // limit dialog, as for an efficiency that approaches 1.
            s_.progress.atLimit(LimitLoop::Efficiency, dc().unitCode);
            s_.wideningFactor *= kLoosenFactor;
        }
        finish();
        return s_.r;
    }

private:
    SolverState s_;

    const DesignCase& dc() const { return s_.dc; }
    Solution& r() { return s_.r; }

    void start() {
        const DesignCase& d = dc();
        Solution& res = r();
        LiquidPropertySettings& st = s_.settings;
        st.unitCode = d.unitCode;
        st.fluidMode = d.fluidMode;
        st.shellMethod = d.shellMethod;
        st.tubeMethod = d.tubeMethod;
        // The saturation basis belongs to the wet-gas mode; a code the form
        // still holds from an earlier wet-gas case does not apply.
        st.wetGasBasis = d.wetGas ? d.humidityBasis : 0;
        st.shellManual = {d.Ds, d.Cs, d.Vs, d.KS};
        st.tubeManual = {d.Dt, d.Ct, d.Vt, d.Kt};
        // The property state starts from the defaults of the run.
        s_.props.shell = {res.Ds, res.Cs, res.Vs, res.KS, res.Prs};
        s_.props.tube = {res.Dt, res.Ct, res.Vt, res.Kt, res.Prt};

        res.T1 = d.T1;
        res.T3 = d.T3;
        // An outlet that is to be found starts at its inlet: with the tube
        // outlet given the shell properties are first taken at T2 = T1.
        res.T2 = s_.shellOutletGiven() ? d.T2 : d.T1;
        res.T4 = s_.tubeOutletGiven() ? d.T4 : d.T3;
        if (d.lengthGiven) res.TL = d.TL;
        s_.shellOutletForProperties = res.T2;
        s_.tubeOutletForProperties = res.T4;
        s_.tubeOutletGuess = d.T3 - 1.0f;
        res.tubeMassFlowTonH = d.Wt;
        res.shellMassFlowTonH = d.Ws;
        res.tubeMassFlowKgH = d.tubeMassFlow;
    }

    // Steps 1 to 10: one outer pass with its mean temperature loop and the
    // balance loop of the design cases.
    void solvePass() {
        flowsAndRates();
        for (;;) {
            if (s_.lengthToBeFound()) designStartingTemperatures();
            for (;;) {
                if (dc().lengthGiven) ratingStartingTemperatures();
                evaluateProperties(s_);
                shellFilmCoefficient(s_);
                if (dc().lengthGiven) {
                    s_.K1 = s_.efficiencyEstimate;
                    efficiencyLoop();
                } else {
                    designPass();
                }
                afterConvergence();
                if (meanTemperatureSettled()) break;
            }
            if (balanceSettled()) break;
        }
    }

    // 1. Flows and rates at the properties known so far.
    void flowsAndRates() {
        s_.tubeVolumeFlow = dc().Wt * units::kKgPerTon / r().Dt;
        s_.shellVolumeFlow = dc().Ws * units::kKgPerTon / r().Ds;
        if (s_.tubeOutletGiven()) s_.efficiencyEstimate = s_.K1;
        s_.rates = streamRates(dc(), r());
    }

    // 2. Length to be found: the properties are taken at the given outlet
    // and the current value of the other.
    void designStartingTemperatures() {
        if (s_.shellOutletGiven()) {
            s_.tubeOutletForProperties = s_.tubeOutletGuess;
            s_.shellOutletForProperties = dc().T2;
        } else {
            s_.tubeOutletForProperties = dc().T4;
        }
    }

    // 3. Length given: outlets estimated from the efficiency estimate.
    void ratingStartingTemperatures() {
        const OutletPair o = outletsAtEfficiency(s_, s_.efficiencyEstimate);
        s_.tubeOutletForProperties = o.T4;
        s_.shellOutletForProperties = o.T2;
    }

    // 6 and 7.4 to 7.8 for a given outlet: the heat and the other outlet
    // from the balance, then the area and the length it needs.
    void designPass() {
        Solution& res = r();
        const CapacityRates rates = streamRates(dc(), res);
        if (s_.tubeOutletGiven()) {
            const TubeOutletBalance b = balanceOfTubeOutlet(rates, res.T1, res.T3, res.T4);
            res.Q = b.Q;
            res.T2 = b.T2;
            res.Qx = b.Qx;
        } else {
            const ShellOutletBalance b =
                balanceOfShellOutlet(rates, res.T1, res.T2, res.T3, res.Ct, res.Dt);
            res.Q = b.Q;
            res.T4 = b.T4;
        }
        finiteOrHalt(s_, res.Q);
        finiteOrHalt(s_, res.T2);
        finiteOrHalt(s_, res.T4);
        if (s_.trace.enabled()) traceBalance(rates);
        tubeFilmAndOverall(s_);
        meanTemperatureAndArea();
        res.TL = finiteOrHalt(s_, lengthForArea(res.At, dc().DI, dc().NT));
        if (s_.trace.enabled()) traceArea(res.TL);
        if (res.TM > kOverflowTM) haltOnOverflow(s_.console);
    }

    // The trace of the duty: the heat of the efficiency K1 and the outlets
    // it gives (replaced by the rating's when the pass rates by effectiveness).
    void traceEfficiencyHeat() {
        const Solution& res = r();
        CalcTrace& t = s_.trace;
        t.beginStep(TraceStep::Duty);
        t.addLookup("K1", {"efficiency of the pass", "今回の温度効率"}, s_.K1, "-",
                    "the efficiency loop's estimate for this pass");
        t.add("Q", {"duty", "交換熱量"}, res.Q, "kcal/h", "Q = K1 Cmin |T1 - T3|",
              "K1*Cmin*abs(T1-T3)",
              {{"K1", s_.K1, "-"},
               {"Cmin", s_.rates.Cmin, "kcal/h℃"},
               {"T1", res.T1, "℃"},
               {"T3", res.T3, "℃"}});
        // Each stream changes by Q over its rate towards the other's inlet;
        // a saturated side stays at its inlet temperature.
        const bool heated = s_.tubeHeated();
        const TraceName t2{"shell outlet temperature", "胴側出口温度"};
        const TraceName t4{"tube outlet temperature", "管側出口温度"};
        if (shellSaturated(dc()))
            t.add("T2", t2, res.T2, "℃", "T2 = T1 (saturated shell side)", "T1",
                  {{"T1", res.T1, "℃"}});
        else
            t.add("T2", t2, res.T2, "℃", heated ? "T2 = T1 - Q/Cs" : "T2 = T1 + Q/Cs",
                  heated ? "T1-Q/Cs" : "T1+Q/Cs",
                  {{"T1", res.T1, "℃"}, {"Q", res.Q, "kcal/h"}, {"Cs", s_.rates.shell, "kcal/h℃"}});
        if (tubeSaturated(dc()))
            t.add("T4", t4, res.T4, "℃", "T4 = T3 (saturated tube side)", "T3",
                  {{"T3", res.T3, "℃"}});
        else
            t.add("T4", t4, res.T4, "℃", heated ? "T4 = T3 + Q/Ct" : "T4 = T3 - Q/Ct",
                  heated ? "T3+Q/Ct" : "T3-Q/Ct",
                  {{"T3", res.T3, "℃"}, {"Q", res.Q, "kcal/h"}, {"Ct", s_.rates.tube, "kcal/h℃"}});
    }

    // The trace of a design pass's balance: the heat and the outlet found.
    void traceBalance(const CapacityRates& rates) {
        const Solution& res = r();
        CalcTrace& t = s_.trace;
        t.beginStep(TraceStep::Duty);
        if (s_.tubeOutletGiven()) {
            t.add("Q", {"duty", "交換熱量"}, res.Q, "kcal/h", "Q = Ct |T3 - T4|", "Ct*abs(T3-T4)",
                  {{"Ct", rates.tube, "kcal/h℃"}, {"T3", res.T3, "℃"}, {"T4", res.T4, "℃"}});
            const bool hot = res.T1 >= res.T3;
            t.add("T2", {"shell outlet temperature", "胴側出口温度"}, res.T2, "℃",
                  hot ? "T2 = T1 - Q/Cs" : "T2 = T1 + Q/Cs", hot ? "T1-Q/Cs" : "T1+Q/Cs",
                  {{"T1", res.T1, "℃"}, {"Q", res.Q, "kcal/h"}, {"Cs", rates.shell, "kcal/h℃"}});
            return;
        }
        t.add("Q", {"duty", "交換熱量"}, res.Q, "kcal/h", "Q = Cs |T2 - T1|", "Cs*abs(T2-T1)",
              {{"Cs", rates.shell, "kcal/h℃"}, {"T1", res.T1, "℃"}, {"T2", res.T2, "℃"}});
        const bool heated = res.T3 <= res.T1;
        t.add("T4", {"tube outlet temperature", "管側出口温度"}, res.T4, "℃",
              heated ? "T4 = T3 + Q/Ct" : "T4 = T3 - Q/Ct", heated ? "T3+Q/Ct" : "T3-Q/Ct",
              {{"T3", res.T3, "℃"}, {"Q", res.Q, "kcal/h"}, {"Ct", rates.tube, "kcal/h℃"}});
    }

    // The area the pass needs and its length, and the pass in the history.
    void traceArea(float length) {
        const Solution& res = r();
        traceDuty(s_.trace, res.Q, res.KI, res.TM, res.At, dc().DI, dc().NT, length,
                  dc().lengthGiven);
        s_.trace.addIteration(res.Q, res.T2, res.T4, res.KI);
    }

    // 7. The efficiency loop of the rating case (Calc. Limit 1).
    void efficiencyLoop() {
        Solution& res = r();
        for (;;) {
            s_.progress.pass(progressValues(s_));
            if (s_.totalPasses == kTotalPassLimit) haltOnNoConvergence(s_.console);
            ++s_.totalPasses;
            const OutletPair o = outletsAtEfficiency(s_, s_.K1);
            res.T2 = o.T2;
            res.T4 = o.T4;
            res.Q = s_.K1 * s_.rates.Cmin * std::fabs(res.T1 - res.T3);
            if (s_.trace.enabled()) traceEfficiencyHeat();
            if (dc().wetGas) wetGasStep(s_);
            tubeFilmAndOverall(s_);
            meanTemperatureAndArea();
            res.LT = finiteOrHalt(s_, lengthForArea(res.At, dc().DI, dc().NT));
            if (s_.trace.enabled()) traceArea(res.LT);
            ++s_.calcLimit1;
            if (s_.calcLimit1 == kEfficiencyLoopLimit) {
                s_.progress.atLimit(LimitLoop::Efficiency, dc().unitCode);
                s_.calcLimit1 = 0;
                s_.wideningFactor *= kLoosenFactor;
            }
            if (res.TM > kOverflowTM) haltOnOverflow(s_.console);
            if (efficiencySettled()) return;
        }
    }

    // 7.9: the heat the given area passes at this KI and TM, as an
    // efficiency, against K1.
    bool efficiencySettled() {
        Solution& res = r();
        const float K1a = finiteOrHalt(s_, efficiencyTheAreaReaches());
        s_.toleranceMultiplier =
            std::max(s_.toleranceMultiplier, toleranceMultiplier(s_.calcLimit1));
        const float m = s_.toleranceMultiplier;
        const float difference = std::fabs(s_.K1 - K1a);
        if (difference < kEfficiencyTolerance * m) return true;
        const bool crossed = s_.tubeHeated() ? res.T4 > res.T1 : res.T2 > res.T3;
        if (crossed && difference < kCrossedTolerance * m) return true;
        s_.K1 = (s_.K1 + K1a) / 2.0f;
        return false;
    }

    // The efficiency K1 that the given area reaches at this KI: the heat
    // Qa = A·KI·TM it passes at the mean temperature difference of the
    // current outlets, over Cmin·|T1 − T3|. With one side saturated the
    // sensible stream's effectiveness has the closed form 1 − e^(−KI·A/C)
    // (C its rate), whatever the flow arrangement; it is the root that Qa
    // leads to, but averaging K1 with Qa's value oscillates from NTU ≈ 2.5
    // and ends in crossed outlets (a condensate hotter than its vapour) or
    // an overflow, so the saturated modes take the closed form.
    float efficiencyTheAreaReaches() {
        const Solution& res = r();
        const float area = res.TL * dc().DI * dc().NT * 3.14f;
        const bool tubeSat = tubeSaturated(dc());
        if (tubeSat || shellSaturated(dc())) {
            const float sensibleRate = tubeSat ? s_.rates.shell : s_.rates.tube;
            const float eps = -std::expm1(-res.KI * area / sensibleRate);
            return eps * sensibleRate / s_.rates.Cmin;
        }
        const float Qa = area * res.KI * res.TM;
        return Qa / s_.rates.Cmin / std::fabs(res.T1 - res.T3);
    }

    // What a rating step of the pass starts from.
    RatingInputs ratingInputs(const CapacityRates& rates) {
        const DesignCase& d = dc();
        const Solution& res = r();
        RatingInputs in;
        in.KI = res.KI;
        in.Ai = tubeInsideArea(d.DI, d.NT, res.TL);
        in.previousAt = res.At;
        in.rates = rates;
        in.shellRateForF = s_.rates.shell;
        in.arrangement = d.flowArrangement;
        in.T1 = res.T1;
        in.T3 = res.T3;
        return in;
    }

    // The outlets, heat and mean temperature difference of a rating step.
    void takeRating(const std::optional<RatingResult>& rating) {
        if (!rating) haltOnNonFinite(s_.console, dc().unitCode);
        Solution& res = r();
        res.T2 = rating->T2;
        res.T4 = rating->T4;
        res.Q = rating->Q;
        res.TM = rating->mean.TM;
        res.F = rating->mean.F;
    }

    // 7.7 for a 1-2N shell: its effectiveness in a rating; in a design
    // Bowman's F on the current temperatures, which must not fall below the
    // lowest F a design is built with.
    void oneTwoShellStep(bool rating, const CapacityRates& rates) {
        const DesignCase& d = dc();
        Solution& res = r();
        if (rating) {
            const RatingInputs in = ratingInputs(rates);
            const std::optional<RatingResult> result = oneTwoShellRating(in);
            takeRating(result);
            if (s_.trace.enabled()) traceOneTwoShellRating(s_.trace, in, *result);
            return;
        }
        const std::optional<MeanTemperature> mean =
            oneTwoShellMeanTemperature(res.T1, res.T2, res.T3, res.T4);
        // Traced before the check, so that a run ending on a low F shows it.
        if (s_.trace.enabled() && mean)
            traceOneTwoShellMean(s_.trace, res.T1, res.T2, res.T3, res.T4, *mean);
        if (!mean || mean->F < kLowestCorrection) endOnLowCorrection(s_.console, d.unitCode);
        res.TM = mean->TM;
        res.F = mean->F;
    }

    // 7.7: effectiveness and mean temperature difference, then the areas.
    void meanTemperatureAndArea() {
        const DesignCase& d = dc();
        Solution& res = r();
        const CapacityRates rates = streamRates(d, res);
        // Counter-current streams of equal rates have no effectiveness
        // formula (R = 1); their rating takes the mean of the current outlets.
        const bool equalRatesCounterFlow = d.flowArrangement != kParallelFlow && rates.R >= 1.0f;
        const bool rating = usesEffectivenessPath(s_.lengthToBeFound(), d.fluidMode, d.wetGas);
        if (usesOneTwoShell(d)) {
            oneTwoShellStep(rating, rates);
        } else if (rating && !equalRatesCounterFlow) {
            if (s_.trace.enabled()) {
                // Evaluated afresh, so that the entries are those of this pass.
                const RatingInputs in = ratingInputs(rates);
                const std::optional<RatingResult> result = ratingMeanTemperature(in);
                takeRating(result);
                traceRating(s_.trace, in, *result);
            } else {
                takeRating(s_.rating(ratingInputs(rates), ratingMeanTemperature));
            }
        } else {
            const std::optional<MeanTemperature> mean =
                directMeanTemperature(d.flowArrangement, res.T1, res.T2, res.T3, res.T4);
            if (!mean) haltOnNonFinite(s_.console, d.unitCode);
            res.TM = mean->TM;
            res.F = mean->F;
            if (s_.trace.enabled())
                traceLogMean(s_.trace, d.flowArrangement, res.T1, res.T2, res.T3, res.T4, *mean);
        }
        const std::optional<float> At = heatTransferArea(res.Q, res.KI, res.TM);
        if (!At) haltOnNonFinite(s_.console, d.unitCode);
        res.At = *At;
        if (s_.tubeOutletGiven()) {
            const std::optional<float> As = heatTransferArea(res.Q, res.KO, res.TM);
            if (!As) haltOnNonFinite(s_.console, d.unitCode);
            res.As = *As;
        }
    }

    // 8. After convergence: the rates of the streams, the outside areas,
    // the condensate flows and the pressure drops; in the wet-gas mode the
    // balance of the wet gas once more, on the converged coefficients and
    // the final rates, so that the outlets reported and the gas outlet the
    // restart loop compares are those of the converged pass, not of the
    // last efficiency estimate.
    void afterConvergence() {
        const DesignCase& d = dc();
        Solution& res = r();
        if (d.fluidMode == kSensible || d.fluidMode == kTubeWetGas) s_.calcLimit1 = 0;
        s_.rates = streamRates(d, res);
        const OutsideAreas areas = outsideAreas(res.At, d.DI, d.D0, s_.films.cs);
        res.As = areas.As;
        res.Asf = d.lowFin && s_.fin ? s_.fin->finnedArea : areas.Asf;
        if (d.fluidMode == kTubePhaseChange) {
            const std::optional<Condensate> c = condensateOf(res.Q, d.Ltv);
            if (!c) haltOnNonFinite(s_.console, d.unitCode);
            res.tubeCondensation = c->flow;
            res.Wcon = c->flow;
            res.tubeCondensingDuty = c->duty;
        } else if (d.fluidMode == kShellPhaseChange) {
            const std::optional<Condensate> c = condensateOf(res.Q, d.Lsv);
            if (!c) haltOnNonFinite(s_.console, d.unitCode);
            res.shellCondensation = c->flow;
            res.shellCondensingDuty = c->duty;
        }
        pressureDrops(s_);
        if (d.wetGas) {
            // A gas that gives up no heat has no balance left to close: say
            // which side carries none before the balance divides by its duty.
            checkHeatExchanged(d, res, s_.console);
            wetGasStep(s_);
        }
    }

    // 9. Rating: the properties must have been taken at the outlets found.
    // The stream compared is the one whose temperature changes with the
    // estimate: the shell when the tube side is saturated, else the tube.
    bool meanTemperatureSettled() {
        const DesignCase& d = dc();
        Solution& res = r();
        if (!d.lengthGiven || d.wetGas) return true;
        const float difference = tubeSaturated(d)
                                     ? s_.shellMeanAtProperties - (res.T1 + res.T2) / 2.0f
                                     : s_.tubeMeanAtProperties - (res.T3 + res.T4) / 2.0f;
        if (std::fabs(difference) < kMeanTemperatureTolerance) return true;
        if (s_.fromMeanOfTwoCycle) {
            s_.fromMeanOfTwoCycle = false;
            return true;
        }
        s_.progress.newScreen();
        const float estimate = s_.efficiencyEstimate;
        s_.K1 = finiteOrHalt(s_, efficiencyFromOutlets(s_));
        s_.efficiencyEstimate = (s_.efficiencyEstimate + s_.K1) / 2.0f;
        s_.efficiencyEstimate = (s_.efficiencyEstimate + s_.K1) / 2.0f;
        // A two-cycle: the pass started where the pass two before did, to
        // within a thousandth of the swing between the two, and the
        // estimate goes back and forth, for ever (the efficiency loop
        // settles K1 only to its tolerance). The loop goes on from the mean
        // of the two and ends with that pass: the mean lies within the swing.
        const float swing = estimate - s_.estimateOnePassBefore;
        const float previousSwing = s_.estimateOnePassBefore - s_.estimateTwoPassesBefore;
        if (swing * previousSwing < 0.0f && std::fabs(estimate - s_.estimateTwoPassesBefore) <=
                                                kTwoCycleRepeat * std::fabs(swing)) {
            s_.efficiencyEstimate = (estimate + s_.estimateOnePassBefore) / 2.0f;
            s_.fromMeanOfTwoCycle = true;
        }
        s_.estimateTwoPassesBefore = s_.estimateOnePassBefore;
        s_.estimateOnePassBefore = estimate;
        return false;
    }

    // 10. The balance loop of the design cases: with the shell outlet given
    // the tube outlet guess must meet its balance value (and in fluid mode 4
    // the estimate its outlet).
    bool balanceSettled() {
        const DesignCase& d = dc();
        Solution& res = r();
        s_.K1 = finiteOrHalt(s_, efficiencyFromOutlets(s_));
        if (!shellSaturated(d) && !s_.shellOutletGiven()) return true;
        const float guess = s_.shellOutletGiven() ? s_.tubeOutletGuess : s_.tubeOutletForProperties;
        if (std::fabs(guess - res.T4) < kBalanceTolerance) return true;
        s_.progress.tubeOutletBalance(guess, res.T4, s_.K1);
        if (s_.shellOutletGiven()) {
            s_.tubeOutletGuess = (guess + res.T4) / 2.0f;
        } else {
            s_.efficiencyEstimate = (s_.efficiencyEstimate + s_.K1) / 2.0f;
        }
        return false;
    }

    // 11. The outer restart loop: true to solve again from step 1.
    bool restartForGasOutlet() {
        Solution& res = r();
        s_.calcLimit1 = 0;
        ++s_.calcLimit3;
        if (s_.calcLimit3 == kOuterRestartLimit) {
            // Continuing leaves the counter at the limit: the dialog does not come again.
            s_.progress.atLimit(LimitLoop::OuterRestart, dc().unitCode);
            s_.calcLimit1 = 0;
            s_.wideningFactor *= kLoosenFactor;
        }
        ++s_.gasRestarts;
        if (s_.gasRestarts == kGasOutletRestartLimit) {
            s_.progress.atLimit(LimitLoop::GasOutlet, dc().unitCode);
            s_.gasRestarts = 0;
            s_.wideningFactor = 10.0f;
            s_.gasOutletTolerance *= s_.wideningFactor;
        }
        if (std::fabs(s_.tubeGasOutlet - s_.tubeGasOutletRemembered) < s_.gasOutletTolerance) {
            return false;
        }
        s_.tubeGasOutletRemembered = s_.tubeGasOutlet;
        s_.hix = res.Xt;
        res.tubeFluidMean = (res.T3 + res.T4) / 2.0f;
        return true;
    }

    // 12. With the tube outlet given the shell properties must have been
    // taken at the shell outlet that the tube heat gives: while they differ
    // the mean of the two is tried. True when they agree.
    bool shellOutletAgreesWithTubeHeat() {
        Solution& res = r();
        s_.progress.newScreen();
        if (!s_.tubeOutletGiven()) return true;
        const float tubeHeat = dc().Wt * units::kKgPerTon * res.Ct * std::fabs(res.T3 - res.T4);
        const float change = tubeHeat / (dc().Ws * units::kKgPerTon * res.Cs);
        res.T2X = finiteOrHalt(s_, s_.tubeHeated() ? res.T1 - change : res.T1 + change);
        const float atProperties = s_.shellOutletForProperties;
        if (std::fabs(res.T2X - atProperties) < kShellOutletTolerance) return true;
        s_.progress.shellOutletCheck(res.T2X, atProperties);
        s_.shellOutletForProperties = std::fabs(atProperties + res.T2X) / 2.0f;
        return false;
    }

    // Whether the outlets cross: the tube outlet beyond the shell inlet or
    // the shell outlet beyond the tube inlet, either efficiency above 1.
    bool crossed() {
        const Solution& res = r();
        const bool tubeHeated = res.T3 < res.T1;
        if (tubeHeated ? res.T4 > res.T1 || res.T2 < res.T3 : res.T4 < res.T1 || res.T2 > res.T3) {
            return true;
        }
        const std::optional<ThermalEfficiencies> e =
            thermalEfficiencies(res.T1, res.T2, res.T3, res.T4);
        return e && (e->Et > 1.0f || e->Es > 1.0f);
    }

    void finish() {
        Solution& res = r();
        const std::optional<ThermalEfficiencies> e =
            thermalEfficiencies(res.T1, res.T2, res.T3, res.T4);
        res.Et = e ? e->Et : 0.0f;
        res.Es = e ? e->Es : 0.0f;
        if (s_.trace.enabled() && e)
            traceEfficiencies(s_.trace, res.T1, res.T2, res.T3, res.T4, res.Et, res.Es);
        for (float v :
             {res.Q, res.KI, res.KO, res.TM, res.T2, res.T4, res.Xt, res.Xs, res.TL, res.At}) {
            finiteOrHalt(s_, v);
        }
    }
};

}  // namespace

float toleranceMultiplier(int passes) {
    if (passes > 1000) return 500.0f;
    if (passes > 700) return 100.0f;
    if (passes > 500) return 50.0f;
    if (passes > 100) return 10.0f;
    return 1.0f;
}

Solution solve(const RunInputs& in, SolverProgress& progress) {
    return ThermalSolver(in, progress).run();
}

}  // namespace hx
