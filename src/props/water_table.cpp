#include "props/water_table.h"

#include "console/number_picture.h"
#include "props/water_properties.h"

namespace hx {

namespace {

constexpr const char* kHeading =
    "  t       density   sp.heat   viscosity   kin.viscosity  conductivity";
constexpr const char* kUnits = "  ℃       kg/m3     kJ/kgK    Pa·s        m2/s           W/mK";
// One row through the number pictures the reports use.
constexpr const char* kRow = "####    #####.##   ##.####   #.####^^^^  #.####^^^^     ##.####";
constexpr float kKJPerKcal = 4.1868f;
constexpr float kWattPerKcalH = 1.163f;

std::string row(int t) {
    const float tc = static_cast<float>(t);
    const float rho = waterDensity(tc);
    const float cp = waterSpecificHeat(tc).value_or(0.0f) * kKJPerKcal;
    const float mu = waterViscosity(tc).value_or(0.0f) / 3600.0f;  // kg/(m·h) to Pa·s
    const float k = waterConductivity(tc) * kWattPerKcalH;
    return formatUsing(kRow, {tc, rho, cp, mu, mu / rho, k});
}

}  // namespace

std::vector<std::string> waterPropertyTable(int stepC) {
    std::vector<std::string> lines{kHeading, kUnits};
    if (stepC <= 0) stepC = 10;
    for (int t = 0; t <= 150; t += stepC) lines.push_back(row(t));
    return lines;
}

}  // namespace hx
