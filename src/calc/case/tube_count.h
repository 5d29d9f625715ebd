// Tube count of a bundle from its layout: the tubes whose centres lie on
// the pitch lattice inside the outer tube limit, outside the pass-partition
// lanes. Lengths in m.
#pragma once

namespace hx {

struct TubeCountInput {
    float Dotl = 0.0f;        // outer tube limit: diameter of the circle the tubes lie within
    float D0 = 0.0f;          // tube outside diameter
    float pitch = 0.0f;       // centre-to-centre distance of neighbouring tubes
    float layoutDeg = 30.0f;  // 30 triangle, 60 rotated triangle, 90 square, 45 rotated square
    int passes = 1;           // 1, 2, 4, 6 or 8
    // Centre-to-centre distance of the tubes either side of a pass
    // partition lane; 0 takes the default: D0 + 15.9 mm (5/8 in), the
    // partition plate of 3/8 in, the smallest TEMA plate of a shell below
    // 24 in, with a 1/8 in ligament either side.
    float laneWidth = 0.0f;
};

// Whether the count knows the layout and the pass arrangement.
bool isCountedLayout(float layoutDeg);
bool isCountedPassNumber(int passes);

// The number of tubes (0 for a layout or pass number it does not know, or
// a limit smaller than one tube). The pass-partition lanes lie on the
// horizontal and vertical lines of the tube sheet (flow across the bundle
// is vertical): 2 passes one horizontal lane through the centre; 4 passes
// that and a vertical one (quadrants); 6 passes a vertical lane and two
// horizontal lanes at a third of the limit's radius above and below the
// centre; 8 passes a vertical lane and horizontal lanes at the centre and
// at half the radius. The lattice is tried centred on a tube and shifted by
// half a pitch each way; the count is the largest.
int countTubes(const TubeCountInput& in);

}  // namespace hx
