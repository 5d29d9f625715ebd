// The numbers the thermal solver shows on its progress screen after each
// pass of its efficiency loop.
#pragma once

namespace hx {

// The values of one progress screen (working units, ℃).
struct ProgressValues {
    int unitCode = 0;          // language of the fluid and wall lines
    bool wetFlag = false;      // wet gas: the box has the Calc. Limit 3 row
    bool gasTubeSide = false;  // wet gas with a gas tube side: condensate lines
    bool tapeUsed = false;
    int fluidMode = 0;
    float tubeInlet = 0.0f, tubeOutlet = 0.0f;    // T3, T4 (wet gas: the gas temperatures)
    float shellInlet = 0.0f, shellOutlet = 0.0f;  // T1, T2
    int calcLimit1 = 0, calcLimit3 = 0;
    float condensate = 0.0f;     // kg/h
    float normalDensity = 0.0f;  // kg/Nm3
    float Q = 0.0f;              // kcal/h
    float heatTransferIncreaseRatio = 0.0f;
    float tubeFluidMean = 0.0f, shellFluidMean = 0.0f;  // ℃
    float Ttav = 0.0f, Tsav = 0.0f, Twav = 0.0f;        // ℃
    float TL = 0.0f, LT = 0.0f, NT = 0.0f;
    float viscosityRatio = 0.0f;        // shell bulk over wall viscosity
    float tapeTemperatureRatio = 0.0f;  // TZ/TB
};

}  // namespace hx
