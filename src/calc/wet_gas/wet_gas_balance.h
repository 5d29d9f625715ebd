// The heat-and-mass balance of a wet gas cooled in the tubes: the gas
// outlet temperature at which the heat the gas gives up (its enthalpy drop,
// sensible and latent) equals the heat the shell stream takes up, with the
// water that condenses on the way.
//
// Working units: ℃, kg/h, Nm3/h, kcal/h, kcal/h℃, kgf/cm2; absolute
// humidities kg/kg of dry gas and enthalpies kcal/kg of dry gas.
#pragma once

#include <functional>

#include "console/text_console.h"

namespace hx {

struct WetGasBalanceInputs {
    // The gas at the inlet.
    float Tzi = 0.0f;                           // saturation temperature, ℃
    float Xi = 0.0f;                            // absolute humidity, kg/kgda
    float MAW = 0.0f;                           // molar-mass ratio water/dry gas
    float xCO2 = 0.0f, xN2 = 0.0f, xO2 = 0.0f;  // mole fractions of the gas
    bool pressureBasis = false;                 // saturation at the gas pressure Pt
    float Pt = 0.0f;                            // gas pressure, kgf/cm2 (pressure basis)
    float manualCp = 0.0f;       // hand-entered gas specific heat, kcal/kg℃ (pressure basis)
    float manualDensity = 0.0f;  // hand-entered gas density, kg/m3 (pressure basis)
    float Density = 0.0f;        // normal density of the gas, kg/Nm3
    float gasFlow = 0.0f;        // wet gas mass flow, kg/h
    // The streams and the exchanger.
    float Tsi = 0.0f;              // shell inlet, ℃
    float gasRate = 0.0f;          // gas capacity rate, kcal/h℃
    float ratio = 1.0f;            // H.tr.increased ratio
    float shellRate = 0.0f;        // shell capacity rate, kcal/h℃
    float PN = 0.0f;               // tube passes
    float KI = 0.0f;               // overall coefficient, kcal/m2h℃
    float area = 0.0f;             // inside area of the given length 3.14·DI·NT·TL, m2
    float Cs = 0.0f;               // shell specific heat, kcal/kg℃
    float shellVolumeFlow = 0.0f;  // m3/h
    float Ds = 0.0f;               // shell density, kg/m3
    // Shown in the progress box.
    float previousGasOutlet = 0.0f;  // ℃
    float Xt = 0.0f, hix = 0.0f;     // kcal/m2h℃
};

struct WetGasBalanceResult {
    float TZo = 0.0f, Tso = 0.0f;  // gas and shell outlet, ℃
    float Xo = 0.0f;               // outlet absolute humidity, kg/kgda
    float Po = 0.0f;               // outlet vapour pressure, kgf/cm2
    float Hi = 0.0f, Ho = 0.0f;    // enthalpies, kcal/kgda
    float Wti = 0.0f, Wto = 0.0f;  // water vapour in and out, kg/h
    float Wcon = 0.0f;             // condensate, kg/h
    float GWo = 0.0f;              // wet gas leaving, kg/h
    float GN = 0.0f;               // gas flow, Nm3/h
    float QG = 0.0f, QK = 0.0f;    // gas heat and shell heat, kcal/h
    float dTm = 0.0f;              // logarithmic mean difference of the gas step, ℃
    float QKE = 0.0f, QKK = 0.0f;  // check heats KI·A·ΔTm and ε·Cmin·|Tzi − Tsi|, kcal/h
    float eps = 0.0f;              // effectiveness
    // The basis the balance took, for the trace.
    float Cpg = 0.0f;   // dry gas specific heat, kcal/kg℃
    float P = 0.0f;     // total pressure of the humidities, kgf/cm2
    float Gda = 0.0f;   // dry gas flow, kg/h
    float Cmin = 0.0f;  // smaller of the condensing gas and shell rates, kcal/h℃
    float R = 0.0f;     // Cmin/Cmax, at most 0.9999
};

// The effectiveness at NTU and R = Cmin/Cmax: one shell pass with 2, 4, 6 or
// 8 tube passes, counter-current flow with any other count; 1 or more
// becomes 0.9999.
float wetGasEffectiveness(float NTU, float R, float PN);
// Whether PN tube passes take the one-shell-pass effectiveness (2, 4, 6, 8).
bool wetGasOneShellPass(float PN);

// The heat of the adjustment of the gas outlet by q = QG/QK: how much TZo
// moves (℃; positive raises it), 0 inside the band (lower, upper).
float gasOutletStep(float q, float QG, float lower, float upper);

// What the balance shows and asks while it iterates.
struct WetGasProgressBox {
    float QG = 0.0f, QK = 0.0f, q = 0.0f;
    float previousGasOutlet = 0.0f, TZo = 0.0f, Xt = 0.0f, hix = 0.0f;
};
struct WetGasBalanceHooks {
    std::function<void(int n5)> loopCount;              // the Calc. Limit 5 line
    std::function<void(const WetGasProgressBox&)> box;  // after each adjustment
    std::function<void()> atLimit;                      // 2000 passes: returns to retry
    std::function<void()> failed;                       // a value not finite: never returns
};

// The loop state that lasts the run: the pass counter and the band of
// QG/QK, which each retry at the limit widens by the run's widening factor.
struct WetGasLoop {
    int n5 = 0;
    float lower = 0.999f;
    float upper = 1.001f;
};
inline constexpr int kWetGasLoopLimit = 2001;

// One balance: the effectiveness gives Tso and a first TZo, then TZo is
// moved until QG/QK lies in the band. The dry-gas flow Gda = G/(1 + Xi)
// carries the humidities: Wti = Gda·Xi, Wcon = Gda·(Xi − Xo), Wto = Wti −
// Wcon, GWo = G − Wcon, QG = |Hi − Ho|·Gda. `widening` is the run's factor,
// shared with the solver's limit dialogs.
WetGasBalanceResult WetGasBalance(const WetGasBalanceInputs& in, WetGasLoop& loop, float& widening,
                                  const WetGasBalanceHooks& hooks);

// The progress box (rows 5 to 16, column 32) and the loop line (row 11).
void showWetGasProgressBox(TextConsole& console, const WetGasProgressBox& b);
void showWetGasLoopCount(TextConsole& console, int n5);

}  // namespace hx
