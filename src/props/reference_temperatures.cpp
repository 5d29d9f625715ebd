#include "props/reference_temperatures.h"

#include "props/water_properties.h"

namespace hx {

float meanWallTemperature(float Tsm, float Ttm, float XsAs, float XtAt) {
    return (XsAs * Tsm + XtAt * Ttm) / (XsAs + XtAt);
}

PropertyTemperatures ReferenceTemperatures(const StreamIterate& it, float Ds) {
    PropertyTemperatures r;
    r.Tsm = (it.Tsi + it.Tso) / 2.0f;
    r.Ttm = (it.Tti + it.Tto) / 2.0f;
    r.Twav = meanWallTemperature(r.Tsm, r.Ttm, it.Xs * it.As, it.Xt * it.At);
    r.Tsav = 0.5f * (r.Twav + r.Tsm);
    r.Ttav = 0.5f * (r.Twav + r.Ttm);
    r.MUsb = waterWallViscosity(r.Tsm);
    r.MUsw = waterWallViscosity(r.Twav);
    if (Ds != 0.0f) {
        // Dynamic over density: kg/(m·h) ÷ kg/m3 = m2/h.
        r.Vsw = r.MUsb / Ds;
        r.VSW = r.MUsw / Ds;
    }
    r.wallKelvin = 273.0f + r.Twav;
    r.tubeMeanKelvin = 273.0f + r.Ttm;
    return r;
}

}  // namespace hx
