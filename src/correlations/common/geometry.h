// Derived geometry of the bundle and the baffled shell. Lengths in m.
#pragma once

namespace hx {

// Tube pitch: plain tubes TP·D0; low-fin tubes TP·(D0 + 2·FH).
float tubePitch(float TP, float D0, float FH, bool lowFin);

// Fin pitch in m from fins per inch: (25.4/FN)·0.001.
float finPitch(float FN);

// Tubes on the shell centre line: √|(4·NT − 1)/3| (7 tubes give 3).
float tubesOnCentreLine(float NT);

// Inside shell diameter of the baffled shell: (ND + 1)·P.
float shellDiameter(float ND, float pitch);

// Fraction of the shell cross-section in one baffle window, for a cut line
// at x = distance from the centre / radius (0 to 0.6): x = 0 gives half the
// shell. The constant 0.3184713 is 1/3.14.
float windowFraction(float cutLevel);

}  // namespace hx
