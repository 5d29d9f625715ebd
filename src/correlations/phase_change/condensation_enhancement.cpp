#include "correlations/phase_change/condensation_enhancement.h"

#include "props/humid_gas.h"
#include "props/saturation_pressure.h"

namespace hx {

namespace {

constexpr float kWaterFilmConductivity = 0.55f;  // kcal/mh℃

// Vapour diffusivity in air, cm2/s fitted in t (℃), × 0.0001 × 3600: m2/h.
float vapourDiffusivity(float t) {
    return (0.13777f + 0.00089157f * t + 1.3554e-06f * t * t - 1.5656e-09f * t * t * t) * 0.0001f *
           3600.0f;
}

// Conductivity of the gas, kcal/mh℃.
float gasConductivity(float t) {
    return 0.02071f + 6.8564e-05f * t - 3.1438e-08f * t * t + 1.5673e-11f * t * t * t;
}

// Latent heat of water, kcal/kg.
float latentHeat(float t) {
    return 606.126f - 0.75851f * t + 0.00155845f * t * t - 6.7249e-06f * t * t * t;
}

}  // namespace

CondensationEnhancementParts condensationEnhancementParts(const CondensationInputs& in) {
    CondensationEnhancementParts p;
    p.Tg = (in.Tzi + in.TZo) / 2.0f;
    p.Tw = (in.Tsi + in.Tso) / 2.0f;
    p.k = 1.0f / ((1.0f / in.Xt) * in.DI / in.D0 + in.film / kWaterFilmConductivity);
    p.Ti = (p.Tg * p.k + p.Tw * in.Xs) / (p.k + in.Xs);
    p.pi = saturationPressureTechnical(p.Ti);
    p.pg = saturationPressureTechnical(p.Tg);
    p.Xsi = humidityFromPartialPressure(p.pi, in.P, in.MAW);
    p.Xsg = humidityFromPartialPressure(p.pg, in.P, in.MAW);
    // Humid volume 0.004555·(t + 273)·(MAW + X) m3 per kg of dry gas.
    p.rho = 1.0f / (0.004555f * (p.Ti + 273.0f) * (in.MAW + p.Xsi));
    p.ratio = 1.0f + (p.rho / 0.64f) * vapourDiffusivity(p.Ti) * (p.Xsg - p.Xsi) *
                         latentHeat(p.Ti) / (gasConductivity(p.Ti) * (p.Tg - p.Ti));
    return p;
}

float CondensationEnhancement(const CondensationInputs& in) {
    return condensationEnhancementParts(in).ratio;
}

}  // namespace hx
