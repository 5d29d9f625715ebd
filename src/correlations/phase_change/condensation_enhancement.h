// Enhancement of the gas-side heat transfer by the water that condenses
// with it: the mass transfer of vapour to the wet wall carries its latent
// heat, so the gas film passes more heat than its sensible coefficient.
#pragma once

namespace hx {

struct CondensationInputs {
    float Tzi = 0.0f, TZo = 0.0f;  // gas inlet and outlet, ℃
    float Tsi = 0.0f, Tso = 0.0f;  // shell inlet and outlet, ℃
    float Xt = 0.0f, Xs = 0.0f;    // tube and shell film coefficients, kcal/m2h℃
    float DI = 0.0f, D0 = 0.0f;    // tube inside and outside diameters, m
    float film = 0.0f;             // condensate film thickness δ, m
    float MAW = 0.0f;              // molar-mass ratio water/dry gas
    float P = 1.0f;                // total pressure of the humidities, kgf/cm2 (1 at 1 atm)
};

// The ratio ("H.tr.increased ratio"): gas Tg = (Tzi + TZo)/2, wall side
// Tw = (Tsi + Tso)/2, film conductance k = 1/((1/Xt)·DI/D0 + δ/0.55)
// (0.55 kcal/mh℃ water), interface Ti = (Tg·k + Tw·Xs)/(k + Xs); saturated
// humidities Xs(T) = MAW·ps/(P − ps) with ps in kgf/cm2 (mmHg/735.835);
// vapour diffusivity D (m2/h), gas conductivity λg (kcal/mh℃), latent heat r
// (kcal/kg) and humid density ρh at Ti; ratio = 1 + (ρh/0.64)·D·(Xsg − Xsi)·r/
// (λg·(Tg − Ti)).
float CondensationEnhancement(const CondensationInputs& in);

// The ratio with the quantities it is built from.
struct CondensationEnhancementParts {
    float Tg = 0.0f, Tw = 0.0f;    // gas and wall-side mean temperatures, ℃
    float k = 0.0f;                // film conductance, kcal/m2h℃
    float Ti = 0.0f;               // interface temperature, ℃
    float pi = 0.0f, pg = 0.0f;    // saturation pressures at Ti and Tg, kgf/cm2
    float Xsi = 0.0f, Xsg = 0.0f;  // saturated humidities at Ti and Tg, kg/kgda
    float rho = 0.0f;              // humid density at Ti, kg/m3
    float ratio = 0.0f;
};
CondensationEnhancementParts condensationEnhancementParts(const CondensationInputs& in);

}  // namespace hx
