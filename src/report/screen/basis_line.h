// The line after each results summary that names the calculation basis
// when it is not the original one, in the presentation's language.
#pragma once

#include <optional>
#include <string>

#include "calc/case/design_case.h"
#include "console/text_console.h"
#include "report/screen/presentation.h"

namespace hx {

// The line of the textbook basis with its tube layout; nothing on the
// original basis.
std::optional<std::string> basisLine(Presentation p, const DesignCase& dc);

void printBasisLine(Presentation p, const DesignCase& dc, TextConsole& console);

}  // namespace hx
