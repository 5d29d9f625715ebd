#include "calc/design_case.h"

#include "core/option_codes.h"

namespace hx {

void deriveFlags(DesignCase& dc) {
    dc.tubePhase = (dc.tubeMethod == kGasByHand || dc.tubeMethod == kGasCorrelation)
                       ? TubePhase::Gas
                       : TubePhase::Liquid;
    dc.wetGas = dc.fluidMode == kTubeWetGas;
    const bool phaseChangeMode = dc.fluidMode == kTubePhaseChange || dc.fluidMode == kShellPhaseChange;
    dc.lengthGiven = dc.solveFor == kLengthGiven || (phaseChangeMode && dc.TL > 0.0f);
    dc.outletGiven = dc.solveFor == kShellOutletGiven ? OutletGiven::Shell
                     : dc.solveFor == kTubeOutletGiven ? OutletGiven::Tube
                                                       : OutletGiven::None;
    dc.bellMethod = dc.exchangerType != kDoubleTube;
    dc.tapeUsed = dc.twistedTape == kTapeUsed;
    dc.lowFin = dc.tubeSurface == kLowFinTube;
}

void applyRunDefaults(const DesignCase& dc, RunResult& r) {
    // Shell fluid.
    r.Cs = 1.1f;
    r.Vs = 0.00125f;
    r.KS = 0.578f;
    r.Prs = 2.1f;
    r.Ds = dc.shellMethod == kGasByHand ? 1.0f : 1000.0f;
    // Tube fluid.
    if (dc.tubePhase == TubePhase::Gas) {
        r.Dt = 1.0f;
        r.Ct = 0.24f;
        r.Density = 1.284f;
        r.tubeVapourCp = 0.25f;
    } else {
        r.Dt = 1000.0f;
        r.Ct = 1.1f;
    }
    r.Vt = 0.153f;
    r.Kt = 0.0359f;
    r.Prt = 0.688f;
    r.condensateConductivity = 0.55f;
    r.heatTransferIncreaseRatio = 8.0f;
    // First guesses of the iteration.
    r.Xs = 200.0f;
    r.Xt = 50.0f;
    r.wallViscosityBulk = 0.003f;
    r.wallViscosityWall = 0.003f;
    r.tapeTemperatureBulk = 373.0f;
    r.tapeTemperatureWall = 373.0f;
    r.efficiencyEstimate = 1e-05f;
    r.K1 = 0.01f;
    r.At = 10.0f;
    r.As = 10.0f;
    r.Q = 1e+04f;
    r.TL = 2.0f;
    r.LT = 1.0f;
    r.tubeFluidMean = 50.0f;
    r.shellFluidMean = 50.0f;
    r.Twav = 60.0f;
    r.Tsav = 50.0f;
    r.shellVolumeFlow = 10.0f;
    r.tubeGasOutlet = 0.1f;
    r.tubeGasOutletRemembered = 0.1f;
    r.Xo = 0.001f;
    r.hix = 400.0f;
}

}  // namespace hx
