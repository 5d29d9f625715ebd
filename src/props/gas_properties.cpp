#include "props/gas_properties.h"

#include <limits>
#include <span>

#include "core/option_codes.h"

namespace hx {

namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();

// One range of a component correlation: low < t < high, each end included
// where marked; the value scale·(c4·x⁴ + c3·x³ + c2·x² + c1·x + c0).
struct Piece {
    float low;
    bool lowIncluded;
    float high;
    bool highIncluded;
    float c4, c3, c2, c1, c0;
    float scale;
};

bool contains(const Piece& p, float t) {
    const bool aboveLow = p.lowIncluded ? t >= p.low : t > p.low;
    const bool belowHigh = p.highIncluded ? t <= p.high : t < p.high;
    return aboveLow && belowHigh;
}

float evaluate(const Piece& p, float x) {
    return p.scale * ((((p.c4 * x + p.c3) * x + p.c2) * x + p.c1) * x + p.c0);
}

// The first range holding t applies; none: no value.
std::optional<float> firstMatching(std::span<const Piece> pieces, float t) {
    const float x = (273.0f + t) / 100.0f;
    for (const Piece& p : pieces)
        if (contains(p, t)) return evaluate(p, x);
    return std::nullopt;
}

// clang-format off: one range a line, the coefficients from x⁴ down to x⁰.
constexpr Piece kCpCO2[] = {{-kInf, true, kInf, true, 0, 0, -0.0012f, 0.0286f, 0.1295f, 1}};
constexpr Piece kCpN2[] = {{527, true, kInf, true, 0, 2e-06f, -0.0003f, 0.0104f, 0.203f, 1},
                           {127, true, 527, false, 0, -2e-05f, 0.0008f, -0.0026f, 0.2484f, 1},
                           {-73, false, 127, false, 0, -0.0001f, 0.0015f, -0.0058f, 0.2557f, 1},
                           {-173, false, -73, true, 0, 0, 0.0062f, -0.0251f, 0.2745f, 1}};
constexpr Piece kCpO2[] = {
    {127, true, kInf, true, 0, -0.0032f, 0.0262f, 0.71956f, 19.385f, 0.01f},
    {-173, true, 127, false, 0, -0.0245f, 0.4237f, -1.5359f, 23.431f, 0.01f}};
constexpr Piece kCpH2O[] = {{207, true, kInf, true, 0, -0.00564f, 1.2578f, -7.745f, 61.72f, 0.01f},
                            {100, true, 207, false, 0, -0.4147f, 6.7899f, -36.191f, 110.45f, 0.01f},
                            {0, false, 100, false, 0, 2.3423f, -18.66f, 50.797f, -2.97f, 0.01f},
                            {-kInf, true, 0, true, 0, 0, 0, 0, 0, 1}};
constexpr Piece kMuCO2[] = {{-kInf, true, kInf, true, 0, 3e-05f, -0.0011f, 0.0224f, -0.0042f, 1}};
constexpr Piece kMuN2[] = {
    {-kInf, true, kInf, true, 0, 0.0516f, -1.6087f, 25.045f, 1.9407f, 0.001f}};
constexpr Piece kMuO2[] = {
    {-kInf, true, kInf, true, -0.0072f, 0.2297f, -3.1748f, 33.382f, -2.6107f, 0.001f}};
constexpr Piece kMuH2O[] = {{227, true, kInf, true, 0, -0.032f, 0.5951f, 11.28f, -5.0832f, 0.001f},
                            {0, false, 227, false, 0, -0.415f, 6.0943f, -15.486f, 37.649f, 0.001f},
                            {-kInf, true, 0, true, 0, 0, 0, 0, 0, 1}};
constexpr Piece kKCO2[] = {{227, true, kInf, true, 0, 2e-05f, -0.0006f, 0.0123f, -0.0199f, 1},
                           {-73, true, 227, false, 0, 2e-05f, -3e-05f, 0.0061f, -0.0042f, 1}};
constexpr Piece kKN2[] = {
    {527, true, kInf, true, 0, -0.0201f, 0.7047f, -3.5091f, 40.445f, 0.001f},
    {-173, true, 527, false, 0, 0.0217f, -0.5506f, 8.9424f, -0.2107f, 0.001f}};
constexpr Piece kKO2[] = {
    {-kInf, true, kInf, true, 0, 0.0209f, -0.5005f, 9.0943f, -0.6607f, 0.001f}};
constexpr Piece kKH2O[] = {
    {207, true, kInf, true, 0, -0.0188f, -0.7936f, 1.9478f, 3.69801f, 0.001f},
    {0, false, 207, false, 0, -0.0076f, 0.405f, 4.6085f, -1.3441f, 0.001f},
    {-kInf, true, 0, true, 0, 0, 0, 0, 0, 1}};
// clang-format on

std::span<const Piece> cpPieces(GasComponent c) {
    switch (c) {
        case GasComponent::CO2: return kCpCO2;
        case GasComponent::N2: return kCpN2;
        case GasComponent::O2: return kCpO2;
        case GasComponent::H2O: return kCpH2O;
    }
    return {};
}

std::span<const Piece> muPieces(GasComponent c) {
    switch (c) {
        case GasComponent::CO2: return kMuCO2;
        case GasComponent::N2: return kMuN2;
        case GasComponent::O2: return kMuO2;
        case GasComponent::H2O: return kMuH2O;
    }
    return {};
}

std::span<const Piece> kPieces(GasComponent c) {
    switch (c) {
        case GasComponent::CO2: return kKCO2;
        case GasComponent::N2: return kKN2;
        case GasComponent::O2: return kKO2;
        case GasComponent::H2O: return kKH2O;
    }
    return {};
}

// The range a correlation is trusted in, ℃: out of range below `low` or
// above `high`, at the property temperature and at the wall.
struct Limits {
    float low, high;
};
struct RangeCheck {
    Limits property;
    Limits wall;
};
constexpr Limits kNone = {-kInf, kInf};

// Indexed [property][component] in the order CO2, N2, O2, H2O.
constexpr RangeCheck kRanges[3][kGasComponents] = {
    // specific heat
    {{{-73, 727}, {-73, 727}},
     {{-173, kInf}, {-173, 927}},
     {{-173, kInf}, {-173, 927}},
     {kNone, {-kInf, 527}}},
    // viscosity
    {{{-73, 727}, {-73, 727}},
     {{-173, 1000}, {-173, 1000}},
     {{-173, 727}, {-173, 727}},
     {{-kInf, 527}, {-kInf, 527}}},
    // conductivity
    {{{-73, kInf}, {-73, 527}},
     {{-173, kInf}, {-173, 527}},
     {kNone, {-173, 727}},
     {kNone, {-kInf, 527}}},
};

constexpr GasComponent kOrder[kGasComponents] = {GasComponent::CO2, GasComponent::N2,
                                                 GasComponent::O2, GasComponent::H2O};

int index(GasComponent c) { return static_cast<int>(c); }

// The range warnings of every component property at temperature t.
void warnOutOfRange(float t, bool atWall, TextConsole& console) {
    for (GasProperty p :
         {GasProperty::SpecificHeat, GasProperty::Viscosity, GasProperty::Conductivity}) {
        for (GasComponent c : kOrder)
            if (gasOutOfRange(p, c, t, atWall)) console.print(kWaterNotCoveredLine);
    }
}

bool enteredByHand(int method) { return method == kLiquidByHand || method == kGasByHand; }

}  // namespace

std::optional<float> gasSpecificHeat(GasComponent c, float t) {
    return firstMatching(cpPieces(c), t);
}
std::optional<float> gasViscosity(GasComponent c, float t) { return firstMatching(muPieces(c), t); }
std::optional<float> gasConductivity(GasComponent c, float t) {
    return firstMatching(kPieces(c), t);
}

bool gasOutOfRange(GasProperty p, GasComponent c, float t, bool atWall) {
    const RangeCheck& r = kRanges[static_cast<int>(p)][index(c)];
    const Limits& l = atWall ? r.wall : r.property;
    return t < l.low || t > l.high;
}

float gasMolarMass(const GasFractions& x) {
    return kGasMolarCO2 * x.xCO2 + kGasMolarO2 * x.xO2 + kGasMolarN2 * x.xN2 +
           kGasMolarH2O * x.xH2O;
}

GasMixture gasMixtureProperties(float Ttav, float Twav, const GasFractions& x,
                                GasComponentState& held, TextConsole& console) {
    const float t = Ttav;
    // Mass terms M_i·x_i, kg/kmol, in the order CO2, N2, O2, H2O.
    const std::array<float, kGasComponents> mass = {kGasMolarCO2 * x.xCO2, kGasMolarN2 * x.xN2,
                                                    kGasMolarO2 * x.xO2, kGasMolarH2O * x.xH2O};
    GasMixture g;
    g.M = mass[0] + mass[1] + mass[2] + mass[3];
    g.Density = g.M / kNormalMolarVolume;
    // Ideal gas at 1 atm: the normal density at 0 ℃ scaled to t.
    g.tube.density = g.Density * 273.0f / (273.0f + t);
    float cp = 0.0f, nu = 0.0f, k = 0.0f;
    for (GasComponent c : kOrder) {
        const auto j = static_cast<std::size_t>(index(c));
        if (const auto v = gasSpecificHeat(c, t)) held.cp[j] = *v;
        if (const auto v = gasViscosity(c, t)) held.mu[j] = *v;
        if (const auto v = gasConductivity(c, t)) held.k[j] = *v;
        cp += mass[j] * held.cp[j];
        // kg/(m·h) over the mixture density kg/m3: m2/h.
        nu += mass[j] * (held.mu[j] / g.tube.density);
        k += mass[j] * held.k[j];
    }
    g.tube.specificHeat = cp / g.M;
    g.tube.viscosity = nu / g.M;
    g.tube.conductivity = k / g.M;
    g.tube.prandtl =
        prandtlNumber(g.tube.specificHeat, g.tube.viscosity, g.tube.density, g.tube.conductivity);
    warnOutOfRange(Ttav, false, console);
    warnOutOfRange(Twav, true, console);
    return g;
}

GasMixture TubeGasProperties(const StreamIterate& iterate, const LiquidPropertySettings& settings,
                             const GasFractions& x, LiquidPropertyState& state,
                             GasComponentState& held, TextConsole& console) {
    state.temperatures = ReferenceTemperatures(iterate, state.shell.density);
    const PropertyTemperatures& temps = state.temperatures;
    GasMixture g = gasMixtureProperties(temps.Ttav, temps.Twav, x, held, console);
    countPropertyEvaluation(state.tubeEvaluations, settings.unitCode, console);
    if (settings.wetGasBasis == kFromDewPoint || settings.fluidMode == kTubePhaseChange ||
        enteredByHand(settings.tubeMethod)) {
        const ManualLiquidValues& m = settings.tubeManual;
        g.tube = {m.density, m.specificHeat, m.viscosity, m.conductivity,
                  prandtlNumber(m.specificHeat, m.viscosity, m.density, m.conductivity)};
    }
    state.tube = g.tube;
    return g;
}

}  // namespace hx
