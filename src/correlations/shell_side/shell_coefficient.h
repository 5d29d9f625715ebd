// Choosing the shell-side film coefficient: which correlation a shell
// takes and the coefficient entered by hand. The checks that end a run on
// the console are in calc/shell_coefficient_checks.h.
#pragma once

namespace hx {

enum class ShellCorrelation { Annulus, Bell };

// The double-tube geometry and a shell holding a single tube flow as an
// annulus; every other bundle is baffled and takes the Bell method.
ShellCorrelation shellCorrelation(bool doubleTubeGeometry, float NT);

// A shell coefficient entered by hand, in kcal/m2h℃: in the SI codes it is
// typed in W/m2K and multiplied by 0.8598.
float manualShellCoefficient(float entered, int unitCode);

// The shell coefficient that enters the overall coefficient: the entered
// one when the coefficients are set by hand for the shell side or both
// sides, otherwise the correlation's.
float shellCoefficientInForce(float formulaXs, int coefficientSetting, int manualSide,
                              float entered, int unitCode);

}  // namespace hx
