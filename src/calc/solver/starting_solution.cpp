#include "calc/solver/starting_solution.h"

#include "core/option_codes.h"

namespace hx {

Solution startingSolution(const RunInputs& in) {
    const DesignCase& dc = in.dc;
    Solution r;
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
    r.heatTransferIncreaseRatio = 8.0f;
    // First guesses of the iteration.
    r.Xs = 200.0f;
    r.Xt = 50.0f;
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
    r.Xo = 0.001f;
    // The bundle as prepared.
    r.ND = in.geometry.ND;
    r.shellDiameter = in.geometry.shellDiameter;
    // A gas tube side: its humidity set-up replaces the default density.
    if (in.humidity) {
        r.Xi = in.humidity->Xi;
        r.MAW = in.humidity->MAW;
        r.Density = tubeGasNormalDensity(dc, in.humidity->Density);
        r.Pi = in.humidity->Pi;
        r.Tzi = in.humidity->Tzi;
    }
    return r;
}

float tubeGasNormalDensity(const DesignCase& dc, float compositionDensity) {
    const bool byHand =
        dc.tubeMethod == kGasByHand || (dc.wetGas && dc.humidityBasis == kFromDewPoint);
    if (!byHand || dc.fluidMode == kTubePhaseChange || !(dc.Dt > 0.0f)) return compositionDensity;
    return dc.Dt;
}

}  // namespace hx
