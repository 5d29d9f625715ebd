#include "props/saturation_pressure.h"

#include <cmath>

namespace hx {

float saturationPressureMmHg(float t) { return std::exp(18.5815f - 3987.1f / (t + 233.7f)); }

float saturationPressure(float t) { return saturationPressureMmHg(t) * 1.033f / 760.0f; }

float saturationPressureAt103(float t) { return saturationPressureMmHg(t) * 1.03f / 760.0f; }

float saturationPressureTechnical(float t) { return saturationPressureMmHg(t) / 735.835f; }

float saturationTemperature(float p) { return 3795.53f / (11.6693f - std::log(p)) - 226.18f; }

}  // namespace hx
