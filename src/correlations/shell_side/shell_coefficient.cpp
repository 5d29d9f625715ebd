#include "correlations/shell_side/shell_coefficient.h"

#include "core/option_codes.h"
#include "core/units.h"

namespace hx {

ShellCorrelation shellCorrelation(bool doubleTubeGeometry, float NT) {
    if (doubleTubeGeometry || NT == 1.0f) return ShellCorrelation::Annulus;
    return ShellCorrelation::Bell;
}

float manualShellCoefficient(float entered, int unitCode) {
    return isSI(unitCode) ? entered * units::kKcalHPerWatt : entered;
}

float shellCoefficientInForce(float formulaXs, int coefficientSetting, int manualSide,
                              float entered, int unitCode) {
    const bool byHand =
        coefficientSetting == kByHand && (manualSide == kManualShell || manualSide == kManualBoth);
    return byHand ? manualShellCoefficient(entered, unitCode) : formulaXs;
}

}  // namespace hx
