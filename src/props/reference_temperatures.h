// The reference step that every property evaluation runs first: the mean
// fluid temperatures, the mean tube-wall temperature, the two property
// (film) temperatures and the water viscosities of the viscosity-ratio
// correction. Temperatures in ℃, viscosities in kg/(m·h) and m2/h.
#pragma once

namespace hx {

// The current iterate of the thermal solver that the step reads.
struct StreamIterate {
    float Tsi = 0.0f, Tso = 0.0f;  // shell-side inlet and outlet, ℃
    float Tti = 0.0f, Tto = 0.0f;  // tube-side inlet and outlet, ℃
    float Xs = 0.0f, As = 0.0f;    // shell film coefficient kcal/(m2·h·℃) and its area m2
    float Xt = 0.0f, At = 0.0f;    // tube film coefficient kcal/(m2·h·℃) and its area m2
};

struct PropertyTemperatures {
    float Tsm = 0.0f, Ttm = 0.0f;  // mean fluid temperatures, shell and tube, ℃
    float Twav = 0.0f;             // mean tube-wall temperature, ℃
    float Tsav = 0.0f;             // shell-side property temperature, ℃
    float Ttav = 0.0f;             // tube-side property temperature, ℃
    float MUsb = 0.0f;             // water viscosity at Tsm, kg/(m·h)
    float MUsw = 0.0f;             // water viscosity at Twav, kg/(m·h)
    float VSW = 0.0f;              // MUsw/Ds, m2/h: numerator of the reported ratio
    // Denominator of the shell-side viscosity corrections, m2/h. The
    // reference step sets MUsb/Ds; a shell-side evaluation then puts its
    // value at the wall temperature here, so what it holds depends on which
    // evaluation ran last.
    float Vsw = 0.0f;
    float wallKelvin = 0.0f;      // 273 + Twav, K (reports)
    float tubeMeanKelvin = 0.0f;  // 273 + Ttm, K (reports)
};

// Mean wall temperature: the mean fluid temperatures weighted by the
// conductances of the two films, (Xs·As·Tsm + Xt·At·Ttm)/(Xs·As + Xt·At).
// Requires Xs·As + Xt·At ≠ 0.
float meanWallTemperature(float Tsm, float Ttm, float XsAs, float XtAt);

// The reference step for the iterate. `Ds` is the shell density (kg/m3)
// of the previous evaluation; it divides MUsb and MUsw. While no shell
// density is known yet (Ds = 0 at the first evaluation of a run) Vsw and
// VSW are 0 instead of infinite.
PropertyTemperatures ReferenceTemperatures(const StreamIterate& iterate, float Ds);

}  // namespace hx
