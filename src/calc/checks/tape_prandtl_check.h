// The twisted-tape correlations hold from Pr 0.5 up; below it the run asks
// whether to go on.
#pragma once

#include "console/text_console.h"

namespace hx {

// Below Pr 0.5 the console shows
// "  /// { Pr<0.5 } Prandtl number out of range ///" and asks whether to
// force the calculation. "n" halts and ends the run (RunEnded); "y" is
// remembered in `forced` so the question is not asked again in this run;
// any other answer continues this once.
void confirmTapePrandtl(TextConsole& console, float Prt, bool& forced);

}  // namespace hx
