// The SI reading of a trace value. A trace keeps its values, expressions
// and inputs in the working units the calculation ran in, so that each
// expression re-evaluates exactly; an SI presentation shows each value
// converted beside it, with the same constants as the SI results.
#pragma once

#include <optional>
#include <string>

namespace hx {

struct SiValue {
    float value = 0.0f;
    const char* unit = "";
};

// The value in SI for a working unit that has an SI counterpart (℃ to K,
// kcal/h to W, kg/cm2 to kPa, per hour to per second…); absent for a
// unit that is SI already or has none (m, m2, kg/m3, -). A temperature
// difference (`difference`) takes no offset: 1 ℃ of difference is 1 K.
std::optional<SiValue> siValueOf(float value, const std::string& workingUnit,
                                 bool difference = false);

// Whether a trace symbol in ℃ is a temperature difference (TM, ΔT1, ΔT2…)
// rather than a temperature.
bool isTemperatureDifference(const std::string& symbol);

}  // namespace hx
