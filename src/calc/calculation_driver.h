// The start button: one whole calculation inside one event, from reading
// the fields to the end-of-run reset.
#pragma once

#include "app/session.h"

namespace hx {

// Runs one calculation. Every halt ends in the end-of-run reset.
void BUTTON1_ON(Session& session);

// The end-of-run reset: console cleared, forms enabled again.
void endOfRunReset(Session& session);

void registerCalculationHandlers(DispatchTable& table);

}  // namespace hx
