// The two shell-side faults that end a run: a negative shell Reynolds
// number from an over-full bundle, and a non-positive coefficient on low-fin
// tubes, whose fin efficiency needs Xs > 0.
#pragma once

#include "console/text_console.h"

namespace hx {

// Ends the run when the shell Reynolds number of the bundle geometry is
// negative, or not a number at all (the tubes leave no flow area): prints
// the advice to reduce the tube count or length, halts, throws RunEnded.
void checkShellReynolds(TextConsole& console, float Res);

// Ends the run when a low-fin bundle has a shell coefficient at or below 0
// (or not a number): the message in the run's language, halt, RunEnded.
void checkFinnedShellCoefficient(TextConsole& console, int unitCode, float Xs);

}  // namespace hx
