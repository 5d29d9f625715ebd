#include "props/humid_gas.h"

namespace hx {

float partialPressureFromHumidity(float X, float P, float MAW) { return X * P / (MAW + X); }

float humidityFromPartialPressure(float p, float P, float MAW) { return MAW * p / (P - p); }

float moleFractionFromHumidity(float X, float MAW) { return X / (X + MAW); }

float humidityFromMoleFraction(float x, float MAW) { return MAW * x / (1.0f - x); }

float dryGasSpecificHeat(float xCO2, float xN2, float xO2) {
    return (0.3907f * xCO2 + 0.311f * xN2 + 0.313f * xO2) /
           (1.963f * xCO2 + 1.25f * xN2 + 1.429f * xO2);
}

float humidEnthalpy(float Cpg, float t, float X) { return Cpg * t + (597.3f + 0.441f * t) * X; }

float humidEnthalpyUnderPressure(float Cpg, float t, float X) {
    const float s = (t - 7.0f) / 20.0f + 1.0f;
    const float cv = 0.0002f * s * s * s - 7e-05f * s * s + 0.0023f * s + 0.4415f;
    const float hv = -0.1763f * s * s + 9.467f * s + 591.12f;
    return Cpg * t + (hv + cv * t) * X;
}

}  // namespace hx
