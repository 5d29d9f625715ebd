#include "core/trace_units.h"

#include "core/units.h"

namespace hx {

namespace {

// value_SI = value × factor + offset.
struct SiUnit {
    const char* working;
    const char* si;
    float factor;
    float offset;
};

using namespace units;
constexpr float kPerHour = 1.0f / kSecondsPerHour;
// kgf/cm2 to kPa with the constant of the SI results (0.098 MPa).
constexpr float kKPaPerKgCm2 = kMPaPerKgfCm2 * 1000.0f;

constexpr SiUnit kSiUnits[] = {
    {"℃", "K", 1.0f, kKelvinOffset},
    {"kcal/h", "W", kWattPerKcalH, 0.0f},
    {"kcal/h℃", "W/K", kWattPerKcalH, 0.0f},
    {"kcal/m2h℃", "W/m2K", kWattPerKcalH, 0.0f},
    {"kcal/mh℃", "W/mK", kWattPerKcalH, 0.0f},
    {"m2h℃/kcal", "m2K/W", 1.0f / kWattPerKcalH, 0.0f},
    {"kcal/kg℃", "kJ/kgK", kKJPerKcal, 0.0f},
    {"kcal/kg", "kJ/kg", kKJPerKcal, 0.0f},
    {"kcal/kgda", "kJ/kgda", kKJPerKcal, 0.0f},
    {"kg/cm2", "kPa", kKPaPerKgCm2, 0.0f},
    {"kg/m2", "Pa", kKPaPerKgCm2 * 1000.0f * 0.0001f, 0.0f},
    {"m2/h", "m2/s", kPerHour, 0.0f},
    {"m3/h", "m3/s", kPerHour, 0.0f},
    {"kg/h", "kg/s", kPerHour, 0.0f},
    {"ton/h", "kg/s", kKgPerTon* kPerHour, 0.0f},
    {"kg/m2h", "kg/m2s", kPerHour, 0.0f},
    {"m/h", "m/s", kPerHour, 0.0f},
};

}  // namespace

std::optional<SiValue> siValueOf(float value, const std::string& workingUnit, bool difference) {
    for (const SiUnit& u : kSiUnits)
        if (workingUnit == u.working)
            return SiValue{value * u.factor + (difference ? 0.0f : u.offset), u.si};
    return std::nullopt;
}

bool isTemperatureDifference(const std::string& symbol) {
    return symbol == "TM" || symbol.rfind("dT", 0) == 0;
}

}  // namespace hx
