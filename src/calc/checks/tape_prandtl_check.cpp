#include "calc/checks/tape_prandtl_check.h"

#include "calc/checks/console_questions.h"

namespace hx {

void confirmTapePrandtl(TextConsole& console, float Prt, bool& forced) {
    if (Prt >= 0.5f || forced) return;
    if (askPrandtlForce(console)) forced = true;
}

}  // namespace hx
