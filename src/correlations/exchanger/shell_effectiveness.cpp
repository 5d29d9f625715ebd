#include "correlations/exchanger/shell_effectiveness.h"

#include <cmath>

#include "core/option_codes.h"

namespace hx {

float oneTwoShellEffectiveness(float NTU, float R) {
    if (!(NTU > 0.0f)) return 0.0f;
    const float root = std::sqrt(1.0f + R * R);
    // (1 + e^(−x))/(1 − e^(−x)) is 1/tanh(x/2), which keeps its digits at small x.
    const float coth = 1.0f / std::tanh(NTU * root / 2.0f);
    return 2.0f / (1.0f + R + root * coth);
}

std::optional<float> bowmanCorrection(float P, float R) {
    if (!(P > 0.0f) || !(P < 1.0f) || !(R > 0.0f)) return std::nullopt;
    const float root = std::sqrt(R * R + 1.0f);
    const float numerator = 2.0f - P * (R + 1.0f - root);
    const float denominator = 2.0f - P * (R + 1.0f + root);
    if (!(denominator > 0.0f)) return std::nullopt;
    const float shellLog = std::log(numerator / denominator);
    float F = 0.0f;
    if (std::fabs(R - 1.0f) < 1e-4f) {
        F = (P * root / (1.0f - P)) / shellLog;
    } else {
        if (!(1.0f - P * R > 0.0f)) return std::nullopt;
        // ln((1 − P)/(1 − P·R)) = ln(1 + P·(R − 1)/(1 − P·R)): as log1p the
        // logarithm keeps the digits of R − 1 when R is near 1, where the
        // quotient of two nearly equal numbers would lose them in single
        // precision (3e-4 of F at R − 1 = 1e-3).
        F = root * std::log1p(P * (R - 1.0f) / (1.0f - P * R)) / ((R - 1.0f) * shellLog);
    }
    if (!std::isfinite(F) || !(F > 0.0f)) return std::nullopt;
    return F;
}

std::optional<RatingResult> oneTwoShellRating(const RatingInputs& in) {
    const CapacityRates& r = in.rates;
    const float NTU = in.KI * in.Ai / r.Cmin;
    if (!std::isfinite(NTU) || NTU < 0.0f) return std::nullopt;
    RatingResult out;
    out.eps = oneTwoShellEffectiveness(NTU, r.R);
    const Outlets o = outletsFromEffectiveness(r, out.eps, in.T1, in.T3);
    out.T4 = o.T4;
    out.Q = r.tube * std::fabs(in.T3 - o.T4);
    out.T2 = in.T1 >= in.T3 ? in.T1 - out.Q / r.shell : in.T1 + out.Q / r.shell;
    const float TM = out.Q / (in.KI * in.Ai);
    if (!std::isfinite(TM) || !std::isfinite(out.T2) || !(TM > 0.0f)) return std::nullopt;
    const EndDifferences d = endDifferences(kCounterCrossFlow, in.T1, out.T2, in.T3, out.T4);
    const std::optional<float> lm = logMeanDifference(d.dT1, d.dT2);
    out.mean = {TM, lm ? TM / *lm : 1.0f};
    out.dT1 = d.dT1;
    out.dT2 = d.dT2;
    return out;
}

std::optional<MeanTemperature> oneTwoShellMeanTemperature(float T1, float T2, float T3, float T4) {
    const EndDifferences d = endDifferences(kCounterCrossFlow, T1, T2, T3, T4);
    const std::optional<float> lm = logMeanDifference(d.dT1, d.dT2);
    if (!lm) return std::nullopt;
    // P of the tube stream over the inlet difference, R the shell change over the tube change.
    const float inlets = std::fabs(T1 - T3);
    const float tubeChange = std::fabs(T4 - T3);
    const std::optional<float> F =
        bowmanCorrection(tubeChange / inlets, std::fabs(T1 - T2) / tubeChange);
    if (!F) return MeanTemperature{0.0f, 0.0f};
    return MeanTemperature{*lm * *F, *F};
}

}  // namespace hx
