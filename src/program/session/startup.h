// Launch of the program: the forms, the dispatch table with every handler,
// and the start-up sequence.
#pragma once

#include "model/session.h"

namespace hx {

// Builds the forms and the dispatch table of the program and runs its
// start-up sequence: the state right after launch.
void startProgram(Session& session);

}  // namespace hx
