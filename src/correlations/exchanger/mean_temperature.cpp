#include "correlations/exchanger/mean_temperature.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/option_codes.h"

namespace hx {

namespace {

// 1 − e^(−x) without the cancellation of the written form for small x.
float oneMinusExpNeg(float x) { return -std::expm1(-x); }

constexpr float kNearlyEqualRates = 0.9999f;
constexpr float kHighestEffectiveness = 0.9999f;
// Resolution of an end difference, in units of the last place of the
// larger inlet temperature.
constexpr float kResolutionUlps = 64.0f;

// Whether the end difference d is within a few dozen units in the last
// place of the inlet temperatures it was formed from.
bool belowResolution(float d, float T1, float T3) {
    const float scale = std::max({std::fabs(T1), std::fabs(T3), 1.0f});
    return d < kResolutionUlps * std::numeric_limits<float>::epsilon() * scale;
}

}  // namespace

float parallelFlowEffectiveness(float NTU, float R) {
    return oneMinusExpNeg(NTU * (1.0f + R)) / (1.0f + R);
}

float counterFlowEffectiveness(float NTU, float R) {
    if (R >= 1.0f) R = kNearlyEqualRates;
    const float g = oneMinusExpNeg(NTU * (1.0f - R));
    // 1 − R·e^(−x) written as (1 − R) + R·(1 − e^(−x)): both terms are
    // positive, so nothing cancels when R is close to 1.
    return g / ((1.0f - R) + R * g);
}

float effectiveness(int arrangement, float NTU, float R) {
    const float eps = arrangement == kParallelFlow ? parallelFlowEffectiveness(NTU, R)
                                                   : counterFlowEffectiveness(NTU, R);
    return eps >= 1.0f ? kHighestEffectiveness : eps;
}

Outlets outletsFromEffectiveness(const CapacityRates& r, float eps, float T1, float T3) {
    const float span = eps * std::fabs(T1 - T3);
    const float shellChange = (r.Cmin / r.shell) * span;
    const float tubeChange = (r.Cmin / r.tube) * span;
    if (T3 < T1) return {T1 - shellChange, T3 + tubeChange};  // tube heated
    return {T1 + shellChange, T3 - tubeChange};
}

std::optional<float> logMeanDifference(float dT1, float dT2) {
    if (dT1 == dT2) {
        if (!std::isfinite(dT1)) return std::nullopt;
        return dT1;
    }
    if (!(dT1 > 0.0f) || !(dT2 > 0.0f)) return std::nullopt;
    // ln(ΔT1/ΔT2) as log1p of the relative difference keeps its digits
    // when the two ends are nearly equal.
    const float lnRatio = std::log1p((dT1 - dT2) / dT2);
    const float mean = (dT1 - dT2) / lnRatio;
    if (!std::isfinite(mean) || !(mean > 0.0f)) return std::nullopt;
    return mean;
}

EndDifferences endDifferences(int arrangement, float T1, float T2, float T3, float T4) {
    const bool tubeHeated = T3 < T1;
    const bool parallel = arrangement == kParallelFlow;
    if (tubeHeated) {
        if (parallel) return {std::fabs(T1 - T3), std::fabs(T2 - T4)};
        return {std::fabs(T1 - T4), std::fabs(T2 - T3)};
    }
    if (parallel) return {std::fabs(T4 - T2), std::fabs(T3 - T1)};
    return {std::fabs(T3 - T2), std::fabs(T4 - T1)};
}

bool usesEffectivenessPath(bool lengthToBeFound, int fluidMode, bool wetFlag) {
    return !lengthToBeFound && fluidMode == kSensible && !wetFlag;
}

std::optional<MeanTemperature> directMeanTemperature(int arrangement, float T1, float T2, float T3,
                                                     float T4) {
    const EndDifferences d = endDifferences(arrangement, T1, T2, T3, T4);
    const std::optional<float> lm = logMeanDifference(d.dT1, d.dT2);
    if (!lm) return std::nullopt;
    const float F = 1.0f;
    return MeanTemperature{*lm * F, F};
}

std::optional<RatingResult> ratingMeanTemperature(const RatingInputs& in) {
    const CapacityRates& r = in.rates;
    RatingResult out;
    const float NTU = in.KI * in.Ai / r.Cmin;
    if (!std::isfinite(NTU) || NTU < 0.0f) return std::nullopt;
    const bool parallel = in.arrangement == kParallelFlow;
    const float exact =
        parallel ? parallelFlowEffectiveness(NTU, r.R) : counterFlowEffectiveness(NTU, r.R);
    out.eps = effectiveness(in.arrangement, NTU, r.R);
    out.capped = out.eps != exact;
    const Outlets o = outletsFromEffectiveness(r, out.eps, in.T1, in.T3);
    out.T4 = o.T4;
    out.Q = r.tube * std::fabs(in.T3 - o.T4);

    // The rating end differences: counter-current T1 − T4 and T2 − T3,
    // parallel T1 − T3 and T2 − T4.
    const float dT1 = parallel ? std::fabs(in.T1 - in.T3) : std::fabs(in.T1 - o.T4);
    const float dT2 = parallel ? std::fabs(o.T2 - o.T4) : std::fabs(o.T2 - in.T3);
    out.dT1 = dT1;
    out.dT2 = dT2;
    std::optional<float> lm;
    if (!(exact < 1.0f) || belowResolution(std::min(dT1, dT2), in.T1, in.T3)) {
        // The effectiveness capped, or an end difference lost in the
        // rounding of the outlets: their logarithmic mean means nothing.
        // The difference the effectiveness implies keeps At = Ai.
        lm = out.Q / (in.KI * in.Ai);
        out.fromArea = true;
        if (!std::isfinite(*lm) || !(*lm > 0.0f)) return std::nullopt;
    } else {
        lm = logMeanDifference(dT1, dT2);
        if (!lm) return std::nullopt;
    }

    out.shellChange = std::fabs(o.T2 - in.T1);
    const float F = in.KI * in.previousAt * *lm / (in.shellRateForF * out.shellChange);
    if (!std::isfinite(F)) return std::nullopt;
    out.mean = {*lm, F};
    out.T2 = in.T1 >= in.T3 ? in.T1 - out.Q / r.shell : in.T1 + out.Q / r.shell;
    if (!std::isfinite(out.T2)) return std::nullopt;
    return out;
}

}  // namespace hx
