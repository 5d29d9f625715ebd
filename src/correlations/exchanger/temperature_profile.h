// The temperatures of both streams along the exchanger and the heat
// transferred up to each place, from the solved ends. x is the fraction of
// the heat-transfer area from the tube inlet end (0 to 1).
//
// Co-current and counter-current flow with a constant overall coefficient:
// the difference of the streams varies as ΔT(x) = ΔT0·(ΔT1/ΔT0)^x, and
// each stream's temperature moves in proportion to the heat transferred,
// q(x) = Q·(ΔT0 − ΔT(x))/(ΔT0 − ΔT1). A phase-changing side (inlet equal
// to outlet) stays at its temperature.
//
// The 1-2N shell (one shell pass, an even number of tube passes, taken as
// two: out along the shell and back): the three equations of the first
// pass t1, the return pass t2 and the shell θ (entering at x = 1, the end
// away from the tube inlet head),
//   Ct·dt1/dx =  UA/2·(θ − t1),  Ct·dt2/dx = −UA/2·(θ − t2),
//   Cs·dθ/dx  =  UA/2·((θ − t1) + (θ − t2)),  UA = Q/TM,
// marched from x = 0, where t1 = T3, t2 = T4 and θ = T2, by fourth-order
// Runge–Kutta. Where the corrected mean TM belongs to these ends, the march
// arrives at θ = T1 and t1 = t2 at x = 1.
//
// Temperatures and heat in any one unit system (only differences and
// ratios enter).
#pragma once

#include <optional>
#include <vector>

#include "core/exchanger_profile.h"

namespace hx {

struct ProfileEnds {
    float T1 = 0.0f;  // shell inlet
    float T2 = 0.0f;  // shell outlet
    float T3 = 0.0f;  // tube inlet
    float T4 = 0.0f;  // tube outlet
    float Q = 0.0f;   // heat exchanged
    float TM = 0.0f;  // corrected mean temperature difference (1-2N shell)
};

// `points` ≥ 2 places, evenly spaced from x = 0 to 1. Absent when the ends
// do not make a profile: no heat, a stream difference that is not positive
// at an end, or a 1-2N shell without its mean difference.
std::optional<std::vector<ProfilePoint>> temperatureProfile(ProfileFlow flow,
                                                            const ProfileEnds& ends, int points);

}  // namespace hx
