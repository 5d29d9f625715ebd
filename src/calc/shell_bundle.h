// The bundle in its shell as the exchanger is specified: shell inside
// diameter, outer tube limit, the clearances, sealing strips, baffle
// spacings, tube count, passes and layout. Made once by prepare (and again
// when the area adjustment changes the tube count); both bases read it.
// Lengths in m.
#pragma once

#include "calc/design_case.h"
#include "console/text_console.h"

namespace hx {

struct ShellBundle {
    float DS = 0.0f;    // shell inside diameter
    float Dotl = 0.0f;  // outer tube limit: the circle the tubes lie within
    float Lbb = 0.0f;   // diametral bundle-to-shell clearance, DS − Dotl
    // The gaps as the Bell methods take them: half the diametral
    // clearances of shell to baffle and of baffle hole to tube.
    float shellBaffleGap = 0.0f;
    float baffleHoleGap = 0.0f;
    float sealingStrips = 0.0f;  // pairs of sealing strips
    float B = 0.0f;              // central baffle spacing
    float Bin = 0.0f;            // inlet baffle spacing
    float Bout = 0.0f;           // outlet baffle spacing
    float NT = 0.0f;             // tubes
    float ND = 0.0f;             // tubes on the shell centre line
    float PN = 0.0f;             // tube passes
    float layoutDeg = 30.0f;     // tube layout to the flow, deg
    bool shellDiameterEntered = false;
};

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
