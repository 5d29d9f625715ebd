#include "calc/calculation_driver.h"

namespace hx {

void BUTTON1_ON(Session&) {}

void endOfRunReset(Session& session) { session.console.clear(); }

void registerCalculationHandlers(DispatchTable& table) {
    table.add("MAINFORM", "BUTTON1", BUTTON1_ON);
}

}  // namespace hx
