// Saturation pressure of water and its inverse. The pressure is an Antoine
// form in mmHg; the run works in kgf/cm2 and converts with the factor each
// step was calibrated with (1 atm = 760 mmHg = 1.033 kgf/cm2, in places
// 1.03, or 735.835 mmHg per kgf/cm2).
#pragma once

namespace hx {

// p = exp(18.5815 − 3987.1/(t + 233.7)) mmHg, t in ℃.
float saturationPressureMmHg(float t);

// The same in kgf/cm2 with 1 atm = 1.033 kgf/cm2: p·1.033/760.
float saturationPressure(float t);

// The same with 1 atm taken as 1.03 kgf/cm2: p·1.03/760 (the dew point of
// a gas under pressure).
float saturationPressureAt103(float t);

// The same over 735.835 mmHg per kgf/cm2 (the condensation enhancement).
float saturationPressureTechnical(float t);

// Inverse, ℃: t = 3795.53/(11.6693 − ln p) − 226.18 with p in kgf/cm2.
float saturationTemperature(float p);

}  // namespace hx
