// The bundle in its shell as the exchanger is specified (the record is
// correlations/shell_side/shell_bundle.h): made once by prepare, and again
// when the area adjustment changes the tube count; both bases read it.
// Lengths in m.
#pragma once

#include "calc/case/design_case.h"
#include "console/text_console.h"
#include "correlations/shell_side/shell_bundle.h"

namespace hx {

// The record of a prepared case (working units, P the tube pitch, m). On
// the original basis everything is derived as the method always derived
// it: DS = (ND + 1)·P (a double tube: the outer tube's diameter), the outer
// tube limit (ND − 1)·P + D0, the gaps and strips of the main form, equal
// baffle spacings. On the textbook basis the entries of the
// heat-transfer-coefficient form replace them, each where it is given
// (blank or 0: derived); with the shell diameter entered, a blank
// clearance comes from the standards by shell diameter (tema_clearances.h)
// and a blank outer tube limit from the bundle-to-shell clearance of the
// head type. An outer tube limit outside the shell, or spacings that leave
// no central baffle space, end the run with a message.
ShellBundle shellBundle(const DesignCase& dc, float P, float doubleTubeDS, TextConsole& console);

// On the textbook basis with the count option: the tubes counted inside
// the outer tube limit for the pitch, layout and passes (tube_count.h); the
// shell diameter or the outer tube limit must then be entered. Otherwise
// the entered count.
float tubeCountOf(const DesignCase& dc, float P, TextConsole& console);

}  // namespace hx
