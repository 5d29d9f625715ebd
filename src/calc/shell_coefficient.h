// Choosing and guarding the shell-side film coefficient: which correlation
// a shell takes, the coefficient entered by hand, and the two faults that
// end a run (a negative shell Reynolds number from an over-full bundle, and
// a non-positive coefficient on low-fin tubes, whose fin efficiency needs
// Xs > 0).
#pragma once

#include "console/text_console.h"

namespace hx {

enum class ShellCorrelation { Annulus, Bell };

// The double-tube geometry and a shell holding a single tube flow as an
// annulus; every other bundle is baffled and takes the Bell method.
ShellCorrelation shellCorrelation(bool doubleTubeGeometry, float NT);

// Ends the run when the shell Reynolds number of the bundle geometry is
// negative, or not a number at all (the tubes leave no flow area): prints
// the advice to reduce the tube count or length, halts, throws RunEnded.
void checkShellReynolds(TextConsole& console, float Res);

// Ends the run when a low-fin bundle has a shell coefficient at or below 0
// (or not a number): the message in the run's language, halt, RunEnded.
void checkFinnedShellCoefficient(TextConsole& console, int unitCode, float Xs);

// A shell coefficient entered by hand, in kcal/m2h℃: in the SI codes it is
// typed in W/m2K and multiplied by 0.8598.
float manualShellCoefficient(float entered, int unitCode);

// The shell coefficient that enters the overall coefficient: the entered
// one when the coefficients are set by hand for the shell side or both
// sides, otherwise the correlation's.
float shellCoefficientInForce(float formulaXs, int coefficientSetting, int manualSide,
                              float entered, int unitCode);

}  // namespace hx
