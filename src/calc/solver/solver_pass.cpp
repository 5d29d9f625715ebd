// The steps of one solver pass: properties, film coefficients, overall
// coefficient and pressure drops, mapped from the run's records onto the
// correlations' named inputs. Working units throughout (℃, m, kg/h, m3/h,
// kcal/h, kcal/m2h℃, m2/h, kg/cm2).
#include <algorithm>
#include <cmath>

#include "calc/case/calculation_basis.h"
#include "calc/checks/shell_coefficient_checks.h"
#include "calc/solver/phase_change_trace.h"
#include "calc/solver/progress_screen.h"
#include "calc/solver/solver_state.h"
#include "calc/solver/solver_trace.h"
#include "core/option_codes.h"
#include "core/units.h"
#include "correlations/phase_change/shell_phase_change.h"
#include "correlations/phase_change/tube_phase_change.h"
#include "correlations/pressure_drop/shell_pressure_drop.h"
#include "correlations/pressure_drop/tube_pressure_drop.h"
#include "correlations/shell_side/shell_coefficient.h"
#include "correlations/tube_side/tube_side.h"
#include "props/gas_properties.h"
#include "props/water_properties.h"

namespace hx {

namespace {

constexpr float kKgPerTon = units::kKgPerTon;

bool doubleTubeGeometry(const DesignCase& dc) {
    return dc.exchangerType == kDoubleTube || dc.doubleTubeGeometry == 1;
}

// Hand-entered properties fix the shell viscosity ratio at 1; the water set
// takes the bulk viscosity over the value the property step left for the wall.
void updateShellViscosities(SolverState& s) {
    const DesignCase& dc = s.dc;
    if (dc.shellWallViscosity > 0.0f) {
        s.wallViscosityBulk = dc.shellBulkViscosity;
        s.wallViscosityWall = dc.shellWallViscosity;
    } else {
        s.wallViscosityBulk = s.r.Vs;
        s.wallViscosityWall = s.props.temperatures.Vsw;
    }
    s.wallViscosity = s.wallViscosityWall;
    s.r.viscosityRatio = s.wallViscosityBulk / s.wallViscosityWall;
}

void copyProperties(SolverState& s) {
    Solution& r = s.r;
    const LiquidPropertyState& p = s.props;
    r.Ds = p.shell.density;
    r.Cs = p.shell.specificHeat;
    r.Vs = p.shell.viscosity;
    r.KS = p.shell.conductivity;
    r.Prs = p.shell.prandtl;
    r.Dt = p.tube.density;
    r.Ct = p.tube.specificHeat;
    r.Vt = p.tube.viscosity;
    r.Kt = p.tube.conductivity;
    r.Prt = p.tube.prandtl;
    r.Twav = p.temperatures.Twav;
    r.Ttav = p.temperatures.Ttav;
    r.Tsav = p.temperatures.Tsav;
    r.tubeFluidMean = p.temperatures.Ttm;
    r.shellFluidMean = p.temperatures.Tsm;
    s.tapeTemperatureWall = p.temperatures.wallKelvin;
    s.tapeTemperatureBulk = p.temperatures.tubeMeanKelvin;
}

// ---------------------------------------------------------------------------
// Shell side.

BundleInput bundleInput(const SolverState& s) {
    const DesignCase& dc = s.dc;
    const Solution& r = s.r;
    BundleInput in;
    in.NT = dc.NT;
    in.D0 = dc.D0;
    in.DI = dc.DI;
    in.TL = r.TL;
    in.P = s.geometry.P;
    in.B = doubleTubeGeometry(dc) ? r.TL : dc.B;  // the annulus runs the whole length
    in.Fw = s.geometry.windowFraction;
    in.lowFin = dc.lowFin;
    in.FT = dc.FT;
    in.FH = dc.FH;
    in.FN = dc.FN;
    in.VS = s.shellVolumeFlow;
    in.Vs = r.Vs;
    in.enteredDS = s.in.bundle.DS;  // the shell as prepared, both bases
    return in;
}

BellInput bellInput(const SolverState& s) {
    const DesignCase& dc = s.dc;
    const Solution& r = s.r;
    BellInput in;
    in.bundle = s.in.bundle;  // the one record of both bases
    in.TL = r.TL;
    in.cutLevel = dc.baffleCut;
    in.Fw = s.geometry.windowFraction;
    in.cutLineTubes = dc.cutLineTubes;
    in.cutEdgeAngle = dc.cutEdgeAngle;
    in.lowFin = dc.lowFin;
    in.FT = dc.FT;
    in.FH = dc.FH;
    in.FN = dc.FN;
    if (dc.cutLineTubesCode == kCutLineTubes)
        in.enteredWindow = WindowTubes{dc.windowTubes, dc.windowRows};
    in.shellFlow = dc.Ws * kKgPerTon;
    in.Res = s.bundle.Res;
    in.Cs = r.Cs;
    in.Prs = r.Prs;
    in.bulkViscosity = s.wallViscosityBulk;
    in.wallViscosity = s.wallViscosityWall;
    return in;
}

// The shell fluid's kinematic viscosity at the mean wall temperature, m2/h:
// water by its correlation at Twav over the bulk density; hand-entered
// properties keep the bulk-to-wall ratio they were given.
float shellViscosityAtWall(const SolverState& s) {
    const DesignCase& dc = s.dc;
    const Solution& r = s.r;
    if (dc.shellMethod == kWaterCorrelation && dc.fluidMode != kShellPhaseChange) {
        if (const std::optional<float> mu = waterViscosity(r.Twav)) return *mu / r.Ds;
    }
    return r.Vs * s.wallViscosityWall / s.wallViscosityBulk;
}

TextbookBellInput textbookBellInput(const SolverState& s) {
    const DesignCase& dc = s.dc;
    const Solution& r = s.r;
    TextbookBellInput in;
    in.bundle = s.in.bundle;  // the one record of both bases
    in.TL = r.TL;
    in.cutLevel = dc.baffleCut;
    in.shellFlow = dc.Ws * kKgPerTon;
    in.Ds = r.Ds;
    in.Vs = r.Vs;
    in.Cs = r.Cs;
    in.Prs = r.Prs;
    in.wallViscosity = shellViscosityAtWall(s);
    return in;
}

ShellPhaseProperties shellPhaseProperties(const DesignCase& dc) {
    return {dc.Lsv, dc.Ds, dc.Dslv, dc.Cslv, dc.Vsl, dc.Ksl};
}

// The shell-side flow area of the phase-change correlations, m2: the mean
// flow area of the bundle, or the open area of the annulus of a double tube
// (the bundle geometry has no baffles to take a mean over there).
float shellPhaseChangeFlowArea(const SolverState& s) {
    return s.annulus ? s.annulus->Sa : s.bundle.S;
}

// Fluid mode 4: the shell side condenses or boils at T1.
void shellPhaseChangeCoefficient(SolverState& s) {
    const DesignCase& dc = s.dc;
    Solution& r = s.r;
    if (dc.phaseChange == kCondensation) {
        ShellCondensationInput in;
        in.props = shellPhaseProperties(dc);
        in.D0 = dc.D0;
        in.ND = s.bundle.ND;
        in.T1 = r.T1;
        in.Twav = r.Twav;
        in.VS = s.shellVolumeFlow;
        in.S = shellPhaseChangeFlowArea(s);
        in.nuV = r.Vs;
        in.condensate = r.shellCondensation;
        const ShellCondensationResult c = shellCondensation(in);
        if (!c.ok()) haltOnNonFinite(s.console, dc.unitCode);
        const ShellCondensingFilm f = shellCondensingFilm(correlationBasis(dc), in, c);
        r.Xs = f.Xs;
        r.Nus = f.Nu;
        warnOutOfRange(s, *f.card, f.jakob, in.ND);
        r.Res = c.Res;
        r.Us = c.Us;
        r.shellCondensingDuty = c.duty;
        if (s.trace.enabled()) traceShellCondensation(s.trace, in, c, f);
        return;
    }
    ShellEvaporationInput in;
    in.props = shellPhaseProperties(dc);
    in.NT = dc.NT;
    in.TL = r.TL;
    in.TP = dc.TP;
    in.D0 = dc.D0;
    in.Ao = s.bundle.Ao;
    in.lowFin = dc.lowFin;
    in.FH = dc.FH;
    in.Ps = dc.Ps;
    in.sigma = dc.sigma;
    in.T1 = r.T1;
    in.Tl = dc.Pt;  // the gas-pressure field holds the shell inlet liquid temperature, ℃
    in.tubeFlow = dc.Wt * kKgPerTon;
    in.Ct = r.Ct;
    in.T3 = r.T3;
    in.T4 = r.T4;
    in.Xs = r.Xs;
    in.As = r.As;
    in.shellMean = r.shellFluidMean;
    in.Xt = r.Xt;
    in.At = r.At;
    in.tubeMean = r.tubeFluidMean;
    in.VS = s.shellVolumeFlow;
    in.S = shellPhaseChangeFlowArea(s);
    const ShellEvaporationResult e = shellEvaporation(in);
    if (!e.ok()) haltOnNonFinite(s.console, dc.unitCode);
    r.Twav = e.Twav;
    r.Xs = e.Xs;
    r.Us = e.Us;
    r.shellCondensation = e.vapour;
    r.shellCondensingDuty = e.Qe;
    if (s.trace.enabled()) traceShellEvaporation(s.trace, in, e);
}

// ---------------------------------------------------------------------------
// Tube side.

TubeTwoPhaseProperties tubePhaseProperties(const DesignCase& dc, const Solution& r) {
    // The tube values entered by hand are those of the vapour.
    return {dc.Ltv, r.Dt, dc.Dtlv, dc.Ctlv, dc.Vtl, dc.Ktl};
}

TubeFilm tubePhaseChangeFilm(SolverState& s) {
    const DesignCase& dc = s.dc;
    Solution& r = s.r;
    TubeTwoPhaseFlow f;
    f.DI = dc.DI;
    f.NT = dc.NT;
    f.PN = dc.PN;
    f.V = s.tubeVolumeFlow;
    f.Vt = r.Vt;
    f.Kt = r.Kt;
    f.Wcon = r.tubeCondensation;
    f.T3 = r.T3;
    f.Twav = r.Twav;
    const TubeTwoPhaseProperties p = tubePhaseProperties(dc, r);
    const CorrelationBasis basis = correlationBasis(dc);
    const TubePhaseFilm t = dc.phaseChange == kCondensation
                                ? tubeCondensingFilm(basis, p, f)
                                : tubeBoilingFilm(basis, p, f, dc.Ps, dc.sigma, r.TL);
    if (dc.phaseChange == kCondensation) r.tubeCondensingDuty = p.Ltv * f.Wcon;
    warnOutOfRange(s, *t.film.card, t.rangeValue, 0.0f);
    if (s.trace.enabled() && t.film.Xt) {
        if (dc.phaseChange == kCondensation)
            traceTubeCondensation(s.trace, p, f, t);
        else
            traceTubeEvaporation(s.trace, p, f, dc.Ps, dc.sigma, r.TL, t);
    }
    return t.film;
}

// The tube liquid's bulk-to-wall viscosity ratio of the Sieder–Tate
// correction: water by its correlation at the mean wall temperature; a gas,
// or a liquid entered by hand (no viscosity at the wall), takes 1.
float tubeViscosityRatio(const SolverState& s) {
    const DesignCase& dc = s.dc;
    const Solution& r = s.r;
    if (dc.tubeMethod != kWaterCorrelation || dc.tubePhase == TubePhase::Gas) return 1.0f;
    const std::optional<float> mu = waterViscosity(r.Twav);
    if (!mu) return 1.0f;
    return r.Vt / (*mu / r.Dt);
}

// The range check of a tube-side branch: Re and Pr, or Re alone.
void warnTubeRange(SolverState& s, const TubeFilm& film) {
    if (film.card != nullptr) warnOutOfRange(s, *film.card, film.Ret, s.r.Prt);
}

TubeFilm sensibleTubeFilm(SolverState& s) {
    const DesignCase& dc = s.dc;
    Solution& r = s.r;
    const bool gas = dc.tubePhase == TubePhase::Gas;
    const float Vr = tubeFlowForReynolds(gas, s.tubeOutletGiven(), s.tubeVolumeFlow,
                                         dc.Wt * kKgPerTon, r.Density);
    const float Vt = reynoldsViscosity(dc.unitCode, dc.humidityBasis, r.Vt, r.Vt);
    if (dc.tapeUsed) {
        confirmTapePrandtl(s.console, r.Prt, s.tapeForced);
        TapeFlow t;
        t.DI = dc.DI;
        t.NT = dc.NT;
        t.PN = dc.PN;
        t.pitch = dc.tapePitch;
        t.thickness = dc.tapeThickness;
        t.V = s.tubeVolumeFlow;
        t.Vr = Vr;
        t.Vt = Vt;
        t.Kt = r.Kt;
        t.Prt = r.Prt;
        t.temperatureRatio = s.tapeTemperatureWall / s.tapeTemperatureBulk;
        t.basis = correlationBasis(dc);
        t.gas = gas;
        t.TL = r.TL;
        if (t.basis == CorrelationBasis::Textbook) t.viscosityRatio = tubeViscosityRatio(s);
        s.tape = tapeFilm(t);
        warnOutOfRange(s, *s.tape->card, s.tape->Re, r.Prt);
        if (s.trace.enabled()) traceTapeFilm(s.trace, t, *s.tape);
        // The Reynolds number reported is the one the basis' correlation took.
        const float Re = t.basis == CorrelationBasis::Textbook ? s.tape->Re : s.tape->Ret;
        return TubeFilm{s.tape->Xt, Re, s.tape->Ut, s.tape->Nu, s.tape->card};
    }
    PlainTubeFlow p;
    p.DI = dc.DI;
    p.NT = dc.NT;
    p.TL = r.TL;
    p.PN = dc.PN;
    p.Vr = Vr;
    p.Vt = Vt;
    p.Kt = r.Kt;
    p.Prt = r.Prt;
    p.correction = dc.tubeFactor;
    p.basis = correlationBasis(dc);
    if (p.basis == CorrelationBasis::Textbook) p.viscosityRatio = tubeViscosityRatio(s);
    // A traced pass evaluates the film afresh, so that its entries are those
    // of this pass.
    const TubeFilm film = s.trace.enabled() ? plainTubeFilm(p) : s.plainFilm(p, plainTubeFilm);
    if (s.trace.enabled()) tracePlainTubeFilm(s.trace, p, film);
    if (p.basis == CorrelationBasis::Textbook) {
        warnTubeRange(s, film);
        if (dc.tubeMethod == kWaterCorrelation)
            warnOutOfRange(s, kSiederTateCard, p.viscosityRatio, 0.0f);
    }
    return film;
}

FilmSetting filmSetting(const DesignCase& dc) {
    FilmSetting f;
    f.setting = dc.coefficientSetting;
    f.side = dc.manualSide;
    // Hand-entered coefficients were brought to kcal/m2h℃ when they were read.
    f.enteredXt = dc.manualXt;
    f.enteredXs = dc.manualXs;
    f.ct = dc.enteredTubeFactor;
    f.cs = dc.enteredShellFactor;
    f.siUnits = false;
    return f;
}

// Coefficients entered by hand replace the films of the correlations: the
// trace shows the values in force among the resistances.
void traceEnteredFilms(CalcTrace& t, const DesignCase& dc, const EffectiveFilms& films) {
    if (dc.coefficientSetting != 2) return;
    t.continueStep(TraceStep::Resistances);
    const char* entered = "entered by hand";
    if (dc.manualSide != 2)
        t.addLookup("Xt", {"tube film coefficient in force", "採用した管内境膜伝熱係数"}, films.Xt,
                    "kcal/m2h℃", entered);
    if (dc.manualSide != 1)
        t.addLookup("Xs", {"shell film coefficient in force", "採用した胴側境膜伝熱係数"}, films.Xs,
                    "kcal/m2h℃", entered);
}

bool shellCondenses(const DesignCase& dc) {
    return dc.fluidMode == kShellPhaseChange && dc.phaseChange == kCondensation;
}

// The reported quantities of the textbook Bell–Delaware shell side; its
// drops are worked in kg/m2 (× 0.0001: to kg/cm2). Inlet and outlet baffle
// spacings equal the central one, so Js and Rs are 1.
void copyTextbookBell(const TextbookBellResult& t, Solution& r) {
    constexpr float kKgM2ToKgCm2 = 0.0001f;
    r.Sm = t.geometry.Sm;
    r.Jc = t.Jc;
    r.Jl = t.Jl;
    r.Jb = t.Jb;
    r.Js = 1.0f;
    r.Jr = t.Jr;
    r.Rl = t.Rl;
    r.Rb = t.Rb;
    r.Rs = 1.0f;
    r.DPsCross = t.dPcross * kKgM2ToKgCm2;
    r.DPsWindows = t.dPwindows * kKgM2ToKgCm2;
    r.DPsEnds = t.dPends * kKgM2ToKgCm2;
}

}  // namespace

void warnOutOfRange(SolverState& s, const CorrelationCard& card, float first, float second) {
    if (!onTextbookBasis(s.dc)) return;
    if (s.progress.warned(&card)) return;
    const std::optional<std::string> line =
        outOfRangeLine(card, first, second, isJapanese(s.dc.unitCode));
    if (!line) return;
    s.progress.noteWarned(&card);
    s.console.print(*line);
}

float finiteOrHalt(SolverState& s, float v) {
    if (!std::isfinite(v)) haltOnNonFinite(s.console, s.dc.unitCode);
    return v;
}

void evaluateProperties(SolverState& s) {
    const DesignCase& dc = s.dc;
    Solution& r = s.r;
    StreamIterate it;
    it.Tsi = r.T1;
    it.Tso = s.shellOutletForProperties;
    it.Tti = r.T3;
    it.Tto = s.tubeOutletForProperties;
    it.Xs = r.Xs;
    it.As = r.As;
    it.Xt = r.Xt;
    it.At = r.At;
    ShellLiquidProperties(it, s.settings, s.props, s.console);
    // With water on the tube side the shell evaluation went on with it.
    if (dc.tubeMethod == kGasCorrelation) {
        const GasFractions x{dc.CO2, dc.O2, dc.N2, dc.H2O};  // mole fractions
        const GasMixture g =
            TubeGasProperties(it, s.settings, x, s.props, s.gasComponents, s.console);
        r.Density = tubeGasNormalDensity(dc, g.Density);
    } else if (dc.tubeMethod != kWaterCorrelation) {
        TubeLiquidProperties(it, s.settings, s.props, s.console);
    }
    copyProperties(s);
    s.tubeMeanAtProperties = r.tubeFluidMean;
    s.shellMeanAtProperties = r.shellFluidMean;
    for (float v : {r.Ds, r.Cs, r.Vs, r.KS, r.Dt, r.Ct, r.Vt, r.Kt, r.Twav}) finiteOrHalt(s, v);
    // The actual volumetric flows at the densities of this pass.
    s.tubeVolumeFlow = dc.Wt * kKgPerTon / r.Dt;
    s.shellVolumeFlow = dc.Ws * kKgPerTon / r.Ds;
    r.shellVolumeFlow = s.shellVolumeFlow;
    r.tubeVolumeFlow = s.tubeVolumeFlow;
    updateShellViscosities(s);
    if (s.trace.enabled()) {
        s.trace.beginStep(TraceStep::Properties);
        traceProperties(s.trace, it, s.props, dc.tubeMethod == kGasCorrelation, dc.Wt, dc.Ws,
                        s.tubeVolumeFlow, s.shellVolumeFlow);
    }
}

void shellFilmCoefficient(SolverState& s) {
    const DesignCase& dc = s.dc;
    Solution& r = s.r;
    if (s.trace.enabled()) s.trace.beginStep(TraceStep::ShellFilm);
    s.bundle = bundleGeometry(bundleInput(s));
    checkShellReynolds(s.console, s.bundle.Res);
    if (!s.bundle.ok()) haltOnNonFinite(s.console, dc.unitCode);
    r.shellDiameter = s.bundle.DS;
    r.ND = s.bundle.ND;
    r.Res = s.bundle.Res;
    r.Us = s.bundle.Us;
    s.bell.reset();
    s.textbookBell.reset();
    s.annulus.reset();
    if (shellCorrelation(doubleTubeGeometry(dc), dc.NT) == ShellCorrelation::Annulus) {
        AnnulusInput in;
        in.DS = s.bundle.DS;
        in.D0 = dc.D0;
        in.VS = s.shellVolumeFlow;
        in.Vs = r.Vs;
        in.KS = r.KS;
        in.Prs = r.Prs;
        in.lowFin = dc.lowFin;
        in.FT = dc.FT;
        in.FH = dc.FH;
        in.FN = dc.FN;
        const AnnulusFilm film = annulusFilm(correlationBasis(dc), in, r.TL);
        s.annulus = film.flow;
        if (!s.annulus->ok()) haltOnNonFinite(s.console, dc.unitCode);
        r.Nus = film.Nu;
        warnOutOfRange(s, *film.card, film.first, film.second);
        r.Xs = s.annulus->Xs * (dc.lowFin ? dc.annulusFactor : 1.0f);
        if (s.trace.enabled())
            traceAnnulus(s.trace, in, film, r.TL, dc.lowFin ? dc.annulusFactor : 1.0f, r.Xs);
        r.Res = s.annulus->Res;
        r.Us = s.annulus->Us;
    } else {
        const BellInput bell = bellInput(s);
        s.bell = bellMethod(bell);
        if (!s.bell->ok()) haltOnNonFinite(s.console, dc.unitCode);
        r.Xs = s.bell->Xs;
        if (s.trace.enabled() && !usesTextbookShell(dc)) traceBell(s.trace, bell, *s.bell);
        if (usesTextbookShell(dc)) {
            const TextbookBellInput in = textbookBellInput(s);
            s.textbookBell = textbookBell(in);
            if (!s.textbookBell->ok()) haltOnNonFinite(s.console, dc.unitCode);
            r.Xs = s.textbookBell->Xs;
            r.viscosityRatio = in.Vs / in.wallViscosity;  // the correction in force, as shown
            r.Res = s.textbookBell->Re;  // the Reynolds number of the method, on Sm
            if (s.trace.enabled()) traceTextbookBell(s.trace, in, *s.textbookBell);
        }
    }
    if (dc.fluidMode == kShellPhaseChange) shellPhaseChangeCoefficient(s);
    finiteOrHalt(s, r.Xs);
}

void tubeFilmAndOverall(SolverState& s) {
    const DesignCase& dc = s.dc;
    Solution& r = s.r;
    if (s.trace.enabled()) s.trace.beginStep(TraceStep::TubeFilm);
    TubeFilm film = dc.fluidMode == kTubePhaseChange ? tubePhaseChangeFilm(s) : sensibleTubeFilm(s);
    if (!film.Xt) haltOnNonFinite(s.console, dc.unitCode);
    float Xt = *film.Xt;
    if (dc.fluidMode != kTubePhaseChange) {
        const WetFilm wet =
            wetGasFilm(dc.wetGas, Xt, r.heatTransferIncreaseRatio, dc.filmThickness);
        if (!wet.Xt) haltOnNonFinite(s.console, dc.unitCode);
        if (s.trace.enabled() && dc.wetGas) traceWetFilm(s.trace, Xt, wet, dc.filmThickness);
        Xt = *wet.Xt;
        r.heatTransferIncreaseRatio = wet.ratio;
    }
    r.Ret = film.Ret;
    r.Ut = film.Ut;
    r.Nut = film.Nu;

    s.films = effectiveFilms(Xt, r.Xs, filmSetting(dc));
    r.Xt = s.films.Xt;
    r.Xs = s.films.Xs;
    finiteOrHalt(s, r.Xt);
    if (s.trace.enabled()) {
        s.trace.beginStep(TraceStep::WallTemperature);
        // The mean wall temperature itself is traced where it is computed
        // (the property step, or the boiling film).
        WallViscosities v{s.wallViscosityBulk, s.wallViscosityWall, r.viscosityRatio,
                          dc.shellWallViscosity > 0.0f ? "entered" : "shell fluid at Twav"};
        if (s.textbookBell) {
            v.wall = 0.0f;
            v.wallSource = "ν/νw of the shell film's viscosity correction (phi_s)";
        }
        traceWall(s.trace, v);
    }
    const TubeWall wall{dc.DI, dc.D0, dc.CM, dc.Ft, dc.Fs};
    if (dc.lowFin) {
        checkFinnedShellCoefficient(s.console, dc.unitCode, s.films.Xs);
        const float Ai = tubeInsideArea(dc.DI, dc.NT, r.TL);
        const LowFinGeometry geometry{dc.FT, dc.FH, dc.FN, dc.FM};
        s.fin = lowFinOverall(s.films, wall, geometry, Ai);
        if (!s.fin) haltOnNonFinite(s.console, dc.unitCode);
        r.KI = s.fin->overall.KI;
        r.KO = s.fin->overall.KO;
        r.EF = s.fin->EF;
        if (s.trace.enabled()) traceLowFinOverall(s.trace, s.films, wall, geometry, Ai, *s.fin);
        if (s.trace.enabled()) traceEnteredFilms(s.trace, dc, s.films);
        return;
    }
    const std::optional<OverallCoefficient> k = plainTubeOverall(s.films, wall);
    if (!k) haltOnNonFinite(s.console, dc.unitCode);
    r.KI = k->KI;
    r.KO = k->KO;
    if (s.trace.enabled()) tracePlainOverall(s.trace, s.films, wall, *k);
    if (s.trace.enabled()) traceEnteredFilms(s.trace, dc, s.films);
}

void pressureDrops(SolverState& s) {
    const DesignCase& dc = s.dc;
    Solution& r = s.r;
    if (s.trace.enabled()) s.trace.beginStep(TraceStep::PressureDrop);
    std::optional<float> dpt;
    if (s.tape && onTextbookBasis(dc)) {
        TextbookTapeDropInputs in;
        in.PN = dc.PN;
        in.TL = r.TL;
        in.DI = dc.DI;
        in.Dt = r.Dt;
        in.Ut = r.Ut;
        in.Re = s.tape->Re;
        in.y = s.tape->y;
        in.thicknessRatio = s.tape->thicknessRatio;
        const TubeDrop d = textbookTapeDrop(in);
        dpt = d.total;
        r.DPtFriction = d.friction;
        r.DPtReturns = d.returns;
        warnOutOfRange(s, *d.card, in.Re, 0.0f);
    } else if (s.tape) {
        TapeDropInputs in;
        in.PN = dc.PN;
        in.TL = r.TL;
        in.De = s.tape->De;
        in.Dt = r.Dt;
        in.Ut = r.Ut;
        in.Ret = r.Ret;
        in.s = s.tape->s;
        in.coefficients = s.tape->coefficients;
        in.temperatureRatio = s.tapeTemperatureWall / s.tapeTemperatureBulk;
        dpt = tapePressureDrop(in);
        if (s.trace.enabled() && dpt) traceTapeDrop(s.trace, in, *dpt);
    } else {
        const PlainTubeDropInputs in{dc.PN, r.TL, dc.DI, r.Dt, r.Ut, r.Ret};
        const TubeDrop d = plainTubeDrop(correlationBasis(dc), in);
        if (s.trace.enabled() && d.total) {
            if (onTextbookBasis(dc))
                traceTextbookTubeDrop(s.trace, in, d);
            else
                traceOriginalTubeDrop(s.trace, in, *d.total);
        }
        dpt = d.total;
        r.DPtFriction = d.friction;
        r.DPtReturns = d.returns;
        warnOutOfRange(s, *d.card, r.Ret, 0.0f);
    }
    // A tube side without flow (Ret ≤ 0) has no friction drop to report.
    r.DPt = dpt.value_or(0.0f);
    if (onTextbookBasis(dc) && dpt) {
        const float W = s.tubeVolumeFlow * r.Dt;
        const float inletBore = dc.tubeInletNozzle * units::kMetresPerMm;
        const float outletBore = dc.tubeOutletNozzle * units::kMetresPerMm;
        r.DPtNozzles = nozzleLossDrop(W, r.Dt, inletBore, outletBore);
        if (s.trace.enabled())
            traceNozzles(s.trace, W, r.Dt, inletBore, outletBore, r.DPt, r.DPtNozzles,
                         r.DPt + r.DPtNozzles);
        r.DPt += r.DPtNozzles;
    }

    ShellDrop shell;
    if (s.annulus) {
        AnnulusDropInput in;
        in.DS = r.shellDiameter;
        in.D0 = dc.D0;
        in.FH = dc.FH;
        in.lowFin = dc.lowFin;
        in.TL = r.TL;
        in.Res = r.Res;
        in.Us = r.Us;
        in.Ds = r.Ds;
        in.Vs = r.Vs;
        in.wallViscosity = s.wallViscosity;
        shell = annulusDrop(in);
        if (s.trace.enabled() && shell.ok()) traceAnnulusDrop(s.trace, in, shell.DPs);
    } else if (s.textbookBell) {
        copyTextbookBell(*s.textbookBell, r);
        shell.DPs = s.textbookBell->DPs;
        if (shellCondenses(dc)) {
            // The vapour condenses along the shell: the drop on the mean of
            // the inlet and outlet vapour flows, kg/h.
            TextbookBellInput in = textbookBellInput(s);
            in.shellFlow = dc.Ws * kKgPerTon - r.shellCondensation / 2.0f;
            const TextbookBellResult mean = textbookBell(in);
            copyTextbookBell(mean, r);
            shell.DPs = mean.DPs;
            shell.fault = mean.fault;
            if (s.trace.enabled() && mean.ok()) traceTextbookBellDrop(s.trace, in, mean);
        } else if (s.trace.enabled() && s.textbookBell->ok()) {
            traceTextbookBellDrop(s.trace, textbookBellInput(s), *s.textbookBell);
        }
    } else if (s.bell) {
        BellDropInput in;
        in.geometry = s.bell->geometry;
        in.Res = r.Res;
        in.lowFin = dc.lowFin;
        in.P = s.geometry.P;
        in.D0 = dc.D0;
        in.FH = dc.FH;
        in.B = dc.B;
        in.sealingStrips = s.in.bundle.sealingStrips;
        in.shellFlow = dc.Ws * kKgPerTon;
        in.Ds = r.Ds;
        in.Vs = r.Vs;
        in.wallViscosity = s.wallViscosity;
        const BellDrop d = bellDrop(in);
        shell.DPs = d.DPs;
        shell.fault = d.fault;
        if (s.trace.enabled() && d.ok()) traceBellDrop(s.trace, in, d);
    }
    r.DPs = shell.ok() ? shell.DPs : 0.0f;
}

}  // namespace hx
