// The bundle in its shell as the exchanger is specified: the one record of
// the baffled bundle that both Bell methods read (calc makes it once per
// prepared case). Lengths in m.
#pragma once

namespace hx {

struct ShellBundle {
    float DS = 0.0f;    // shell inside diameter
    float Dotl = 0.0f;  // outer tube limit: the circle the tubes lie within (0: (ND − 1)·P + D0)
    float Lbb = 0.0f;   // diametral bundle-to-shell clearance, DS − Dotl
    // The gaps as the Bell methods take them: half the diametral
    // clearances of shell to baffle and of baffle hole to tube.
    float shellBaffleGap = 0.0f;
    float baffleHoleGap = 0.0f;
    float sealingStrips = 0.0f;  // pairs of sealing strips
    float B = 0.0f;              // central baffle spacing
    float Bin = 0.0f;            // inlet baffle spacing (0: B)
    float Bout = 0.0f;           // outlet baffle spacing (0: B)
    float NT = 0.0f;             // tubes
    float ND = 0.0f;             // tubes on the shell centre line
    float D0 = 0.0f;             // tube outside diameter
    float P = 0.0f;              // tube pitch
    float PN = 0.0f;             // tube passes
    float layoutDeg = 30.0f;     // tube layout to the flow, deg
    bool shellDiameterEntered = false;
};

}  // namespace hx
