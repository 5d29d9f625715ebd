// The phase-change checks of a converged solution: when the condensate (or
// the evaporated flow) exceeds the incoming flow the area is too large; the
// user is asked once per run whether the tube length or the tube count is
// to shrink, and every later solution is adjusted by the rules of the
// exchanger type until the condensate lies just below the incoming flow.
// Otherwise the temperature order and the wall limits are checked.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/case/run_inputs.h"
#include "calc/solver/solution.h"
#include "console/text_console.h"

namespace hx {

// The run's state of the adjustment: set once the excess-area question
// has been answered; the choice "1" adjusts the tube length, "2" the count,
// "3" keeps the exchanger and finds the length the phase change needs (the
// length adjustment, on inputs that remember the length built).
struct AreaAdjustment {
    bool autoAdjust = false;
    std::string choice;
};

enum class AdjustOutcome { Done, Restart };

// Shell-and-tube rule on Z (the tube length or the tube count) for the
// incoming flow F and the condensate C (kg/h), first matching step:
// C above F by more than F/50: Z·(1 − c), c = 0.1 in fluid mode 4, 0.01 in
// mode 3; F below 100: done; F ≥ C: Z grows by Z·0.01·((C + F)/2)/F when F
// exceeds C by more than F/100, else done; F < C: Z shrinks by
// Z·0.01·((C + F)/2)/F when C exceeds F by more than F/100, else by 0.1 %.
AdjustOutcome adjustShellAndTube(float& Z, float F, float C, int fluidMode);

// Double-tube rule on the tube length: C above F by more than F/30:
// TL·(1 − c); F < C: TL·0.99; otherwise done.
AdjustOutcome adjustDoubleTube(float& TL, float F, float C, int fluidMode);

// Fluid modes 3 and 4 (other modes: nothing). The excess-area question when
// the condensate exceeds the flow and no answer was given yet, then, once
// an answer was given, the inputs of the adjusted exchanger to solve again
// (none when the adjustment is done); otherwise the temperature order and
// the wall limits, which end the run when they fail. The double-tube answer
// "2" ends the run.
// An exchanger rated as built: the tube length it has and the length the
// phase change needs (m, the same tube count), the surface margin
// (A_available − A_required)/A_required in per cent, and where the phase
// change ends, as the share of the surface from the inlet of the
// condensing or boiling stream (the length needed over the length built).
struct AsBuiltRating {
    float builtLength = 0.0f;
    float requiredLength = 0.0f;
    float marginPercent = 0.0f;
    float phaseChangeEnd = 0.0f;
};

AsBuiltRating asBuiltRating(float builtLength, float requiredLength);

// The lines of the as-built rating after the results summary, in the
// report language; none when the inputs are not rated as built.
std::vector<std::string> asBuiltLines(const RunInputs& in, bool japanese);

std::optional<RunInputs> checkPhaseChangeSolution(const RunInputs& in, const Solution& r,
                                                  TextConsole& console, AreaAdjustment& adjustment);

}  // namespace hx
