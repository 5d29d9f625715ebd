// Mean temperature difference of a shell with an even number of tube
// passes (the 1-2N exchanger): its thermal effectiveness for a rating and
// Bowman's correction factor F on the counter-current logarithmic mean for
// a design. Both are symmetric in the two streams.
#pragma once

#include <optional>

#include "correlations/exchanger/mean_temperature.h"

namespace hx {

// ε = 2/(1 + R + √(1+R²)·(1 + e^(−NTU·√(1+R²)))/(1 − e^(−NTU·√(1+R²)))),
// NTU = KI·A/Cmin, R = Cmin/Cmax (0 to 1). 0 at NTU = 0.
float oneTwoShellEffectiveness(float NTU, float R);

// Bowman's F for the 1-2N shell from the temperature efficiency P of one
// stream (its change over the difference of the two inlets) and R, the
// other stream's change over this one's. With S = √(R² + 1):
//   F = S·ln((1 − P)/(1 − P·R)) / ((R − 1)·ln[(2 − P·(R + 1 − S))/(2 − P·(R + 1 + S))]),
// and at R = 1: F = (P·√2/(1 − P)) / ln[(2 − P·(2 − √2))/(2 − P·(2 + √2))].
// Absent where no 1-2N shell reaches P at this R (the logarithms fail).
std::optional<float> bowmanCorrection(float P, float R);

// The smallest F a design is built with: below it the exchanger works
// on the steep part of the curve and more shells in series are needed.
inline constexpr float kLowestCorrection = 0.75f;

// Rating of a 1-2N shell: NTU = KI·Ai/Cmin, ε of the 1-2N shell, the
// outlets, Q = tube rate·|T3 − T4|, T2 from Q, and TM = Q/(KI·Ai), the mean
// difference the effectiveness implies (so that At = Ai), with F = TM over
// the counter-current logarithmic mean of the outlets. Absent when a step
// has no finite value.
std::optional<RatingResult> oneTwoShellRating(const RatingInputs& in);

// Design of a 1-2N shell from the current temperatures: TM = F·ΔTlm with
// the counter-current end differences and Bowman's F; F is 0 where no 1-2N
// shell reaches the duty. Absent when the logarithmic mean is not defined.
std::optional<MeanTemperature> oneTwoShellMeanTemperature(float T1, float T2, float T3, float T4);

}  // namespace hx
