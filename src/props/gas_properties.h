// Properties of a gas mixture of CO2, O2, H2O and N2 at 1 atm, tube side:
// component correlations in the reduced temperature x = (273 + t)/100 (t in
// ℃), mixed by mass. Working engineering units: specific heat kcal/(kg·℃),
// dynamic viscosity kg/(m·h), kinematic viscosity m2/h, conductivity
// kcal/(m·h·℃), density kg/m3, normal density kg/Nm3 (0 ℃, 1 atm, 22.4
// Nm3/kmol), molar mass kg/kmol.
#pragma once

#include <array>
#include <optional>

#include "console/text_console.h"
#include "props/liquid_properties.h"
#include "props/reference_temperatures.h"

namespace hx {

enum class GasComponent { CO2, N2, O2, H2O };
inline constexpr int kGasComponents = 4;

// Molar masses of the property evaluation, kg/kmol. Water is 18.02 here;
// the humidity set-up takes 18.0153.
inline constexpr float kGasMolarCO2 = 44.01f;
inline constexpr float kGasMolarO2 = 31.999f;
inline constexpr float kGasMolarN2 = 28.013f;
inline constexpr float kGasMolarH2O = 18.02f;
inline constexpr float kNormalMolarVolume = 22.4f;  // Nm3/kmol

// The component correlations, each at t (℃). Absent where the component's
// table gives no value at t (the caller keeps the previous one).
std::optional<float> gasSpecificHeat(GasComponent c, float t);  // kcal/(kg·℃)
std::optional<float> gasViscosity(GasComponent c, float t);     // dynamic, kg/(m·h)
std::optional<float> gasConductivity(GasComponent c, float t);  // kcal/(m·h·℃)

// Whether t (℃) lies outside the range a component correlation covers, as
// checked at the property temperature (`atWall` false) or at the wall.
enum class GasProperty { SpecificHeat, Viscosity, Conductivity };
bool gasOutOfRange(GasProperty p, GasComponent c, float t, bool atWall);

// Mole fractions of the mixture, 0..1.
struct GasFractions {
    float xCO2 = 0.0f, xO2 = 0.0f, xN2 = 0.0f, xH2O = 0.0f;
};

// Mean molar mass Σ M_i·x_i (kg/kmol) with the property set's molar masses.
float gasMolarMass(const GasFractions& x);

// What the gas evaluations keep during a run: the component values, which a
// temperature outside a correlation's table leaves as they were (0 at first).
struct GasComponentState {
    std::array<float, kGasComponents> cp{};  // kcal/(kg·℃)
    std::array<float, kGasComponents> mu{};  // kg/(m·h)
    std::array<float, kGasComponents> k{};   // kcal/(m·h·℃)
};

struct GasMixture {
    LiquidState tube;      // Dt, Ct, Vt, Kt, Prt
    float M = 0.0f;        // molar mass of the wet mixture, kg/kmol
    float Density = 0.0f;  // normal density M/22.4, kg/Nm3
};

// The mixture at t = Ttav (℃): ideal gas at 1 atm, Dt = (M/22.4)·273/(273 + t);
// Ct, Vt (component viscosity over Dt) and Kt mixed by mass, Prt = Vt·Ct·Dt/Kt.
// Each component property that is out of range at Ttav, then at Twav,
// prints the line "     物性値のカバー範囲外です。" and the run goes on.
GasMixture gasMixtureProperties(float Ttav, float Twav, const GasFractions& x,
                                GasComponentState& held, TextConsole& console);

// The tube-side evaluation of a gas by correlation: the reference step of
// the iterate, the mixture at Ttav, the evaluation count, then the
// hand-entered tube values in place of Dt, Ct, Vt, Kt (Prt recomputed) when
// the wet-gas basis is the gas pressure, the tube side changes phase or the
// tube method is a gas entered by hand. M and Density stay those of the
// composition. Returns M and Density; the tube state is left in `state`.
GasMixture TubeGasProperties(const StreamIterate& iterate, const LiquidPropertySettings& settings,
                             const GasFractions& x, LiquidPropertyState& state,
                             GasComponentState& held, TextConsole& console);

}  // namespace hx
