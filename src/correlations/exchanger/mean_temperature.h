// Thermal effectiveness from the number of transfer units, the logarithmic
// mean temperature difference and its correction factor F.
//
// Temperatures ℃: T1, T2 shell inlet and outlet, T3, T4 tube inlet and
// outlet. Capacity rates kcal/h℃, KI kcal/m2h℃, areas m2, Q kcal/h.
#pragma once

#include <optional>

#include "correlations/exchanger/heat_balance.h"

namespace hx {

// Parallel flow: ε = (1 − e^(−NTU·(1 + R)))/(1 + R).
float parallelFlowEffectiveness(float NTU, float R);

// Counter-current flow: ε = (1 − e^(−NTU·(1 − R)))/(1 − R·e^(−NTU·(1 − R))).
// Equal capacity rates (R ≥ 1) are evaluated at R = 0.9999, just short of
// the removable singularity at R = 1.
float counterFlowEffectiveness(float NTU, float R);

// ε of the arrangement (1 counter-current, 2 parallel); an effectiveness
// of 1 or more is taken as 0.9999.
float effectiveness(int arrangement, float NTU, float R);

// Outlets of the two streams at effectiveness ε: each changes by
// (Cmin/its rate)·ε·|T1 − T3| towards the other's inlet.
struct Outlets {
    float T2 = 0.0f;
    float T4 = 0.0f;
};
Outlets outletsFromEffectiveness(const CapacityRates& rates, float eps, float T1, float T3);

// Logarithmic mean (ΔT1 − ΔT2)/ln(ΔT1/ΔT2) of two end differences (℃);
// ΔT1 when they are equal. Absent when an end difference is not positive
// (the streams touch or cross) or the result is not finite.
std::optional<float> logMeanDifference(float dT1, float dT2);

// End differences of the arrangement, in the order the mean is formed.
struct EndDifferences {
    float dT1 = 0.0f;
    float dT2 = 0.0f;
};
EndDifferences endDifferences(int arrangement, float T1, float T2, float T3, float T4);

// Whether the effectiveness (rating) path applies: only with the length
// given, sensible heat on both sides (fluid mode 1) and no wet gas.
// Otherwise the logarithmic mean of the current temperatures is used with F = 1.
bool usesEffectivenessPath(bool lengthToBeFound, int fluidMode, bool wetFlag);

struct MeanTemperature {
    float TM = 0.0f;  // corrected mean temperature difference, ℃
    float F = 1.0f;   // correction factor
};

// Direct path: TM = ΔTlm·F with F = 1, from the current temperatures (the
// caller fixes T4 = T3 or T2 = T1 on a saturated side, and puts the gas
// inlet and outlet temperatures in place of T3, T4 for a wet gas).
std::optional<MeanTemperature> directMeanTemperature(int arrangement, float T1, float T2, float T3,
                                                     float T4);

struct RatingInputs {
    float KI = 0.0f;             // kcal/m2h℃
    float Ai = 0.0f;             // inside area 3.14·DI·NT·TL, m2
    float previousAt = 0.0f;     // At of the previous pass, m2
    CapacityRates rates;         // tube and shell rates, Cmin, R
    float shellRateForF = 0.0f;  // shell rate of the iteration, for F
    int arrangement = 1;         // 1 counter-current, 2 parallel
    float T1 = 0.0f;
    float T3 = 0.0f;
};
struct RatingResult {
    float eps = 0.0f;  // effectiveness
    float T2 = 0.0f;   // shell outlet from the tube heat, ℃
    float T4 = 0.0f;   // tube outlet, ℃
    float Q = 0.0f;    // tube heat, kcal/h
    MeanTemperature mean;
    // How TM was formed: the end differences of the logarithmic mean, or
    // (fromArea) Q/(KI·Ai) where the effectiveness was capped (capped) or
    // an end difference fell below the resolution of the temperatures.
    float dT1 = 0.0f, dT2 = 0.0f;  // ℃
    bool capped = false;
    bool fromArea = false;
    float shellChange = 0.0f;  // |T2 − T1| of the outlets of the effectiveness, ℃ (for F)
};

// Rating path (length given): NTU = KI·Ai/Cmin, ε, the outlets, the
// logarithmic mean of their end differences as TM, and
// F = KI·At·ΔTlm/(shell rate·|T2 − T1|). Then Q = tube rate·|T3 − T4| and
// T2 = T1 ∓ Q/shell rate (minus when T1 ≥ T3).
// Absent when a step has no finite value.
std::optional<RatingResult> ratingMeanTemperature(const RatingInputs& in);

}  // namespace hx
