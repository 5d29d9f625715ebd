#include "calc/case/design_case.h"

#include "core/option_codes.h"

namespace hx {

void deriveFlags(DesignCase& dc) {
    dc.tubePhase = (dc.tubeMethod == kGasByHand || dc.tubeMethod == kGasCorrelation)
                       ? TubePhase::Gas
                       : TubePhase::Liquid;
    dc.wetGas = dc.fluidMode == kTubeWetGas;
    const bool phaseChangeMode =
        dc.fluidMode == kTubePhaseChange || dc.fluidMode == kShellPhaseChange;
    dc.lengthGiven = dc.solveFor == kLengthGiven || (phaseChangeMode && dc.TL > 0.0f);
    dc.outletGiven = dc.solveFor == kShellOutletGiven  ? OutletGiven::Shell
                     : dc.solveFor == kTubeOutletGiven ? OutletGiven::Tube
                                                       : OutletGiven::None;
    dc.bellMethod = dc.exchangerType != kDoubleTube;
    dc.tapeUsed = dc.twistedTape == kTapeUsed;
    dc.lowFin = dc.tubeSurface == kLowFinTube;
}

}  // namespace hx
