#include "correlations/common/geometry.h"

#include <cmath>

namespace hx {

float tubePitch(float TP, float D0, float FH, bool lowFin) {
    return lowFin ? TP * (D0 + 2.0f * FH) : TP * D0;
}

float finPitch(float FN) { return (25.4f / FN) * 0.001f; }

float tubesOnCentreLine(float NT) { return std::sqrt(std::fabs((4.0f * NT - 1.0f) / 3.0f)); }

float shellDiameter(float ND, float pitch) { return (ND + 1.0f) * pitch; }

float windowFraction(float x) {
    const float a = std::atan(x / std::sqrt(1.0001f - x * x));
    return 0.3184713f * (3.14f - (x * std::sqrt(1.0f - x * x) + a + 1.57f));
}

}  // namespace hx
