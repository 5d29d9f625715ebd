#include "correlations/exchanger/heat_balance.h"

#include <algorithm>
#include <cmath>

#include "core/option_codes.h"
#include "core/units.h"
#include "correlations/tube_side/tube_side.h"

namespace hx {

namespace {

bool finitePositive(float value) { return std::isfinite(value) && value > 0.0f; }

constexpr float kInchInMetres = 0.0254f;

}  // namespace

float heatCapacityRate(float massFlowTonPerHour, float specificHeat) {
    return massFlowTonPerHour * units::kKgPerTon * specificHeat;
}

CapacityRates capacityRates(float tubeRate, float shellRate) {
    CapacityRates r;
    r.tube = tubeRate;
    r.shell = shellRate;
    r.Cmin = std::min(tubeRate, shellRate);
    r.Cmax = std::max(tubeRate, shellRate);
    r.R = r.Cmin / r.Cmax;
    return r;
}

TubeOutletBalance balanceOfTubeOutlet(const CapacityRates& rates, float T1, float T3, float T4) {
    TubeOutletBalance b;
    b.Q = rates.tube * std::fabs(T3 - T4);
    b.T2 = T1 >= T3 ? T1 - b.Q / rates.shell : T1 + b.Q / rates.shell;
    b.Qx = rates.shell * std::fabs(b.T2 - T1);
    return b;
}

ShellOutletBalance balanceOfShellOutlet(const CapacityRates& rates, float T1, float T2, float T3,
                                        float tubeSpecificHeat, float tubeDensity) {
    ShellOutletBalance b;
    b.Q = rates.shell * std::fabs(T2 - T1);
    b.T4 = T3 <= T1 ? T3 + b.Q / rates.tube : T3 - b.Q / rates.tube;
    const float flow = b.Q / tubeSpecificHeat / tubeDensity / std::fabs(b.T4 - T3);
    if (finitePositive(flow)) b.tubeFlow = flow;
    return b;
}

float sensibleOutlet(float inlet, float saturation, float Q, float massFlowKgPerHour,
                     float specificHeat) {
    const float change = (Q / massFlowKgPerHour) / specificHeat;
    return inlet < saturation ? inlet + change : inlet - change;
}

EffectiveFilms effectiveFilms(float Xt, float Xs, const FilmSetting& s) {
    if (s.setting != kByHand) return {Xt, Xs, s.ct, s.cs};
    EffectiveFilms films{Xt, Xs, 1.0f, 1.0f};
    if (s.side == kManualTube || s.side == kManualBoth)
        films.Xt = handEnteredCoefficient(s.enteredXt, s.siUnits);
    if (s.side == kManualShell || s.side == kManualBoth)
        films.Xs = handEnteredCoefficient(s.enteredXs, s.siUnits);
    return films;
}

float wallThickness(float DI, float D0) { return (D0 - DI) / 2.0f; }

std::optional<OverallCoefficient> plainTubeOverall(const EffectiveFilms& f, const TubeWall& w) {
    const float ratio = w.DI / w.D0;
    const float resistance = (1.0f / f.Xt) / f.ct + ((1.0f / f.Xs) / f.cs) * ratio +
                             wallThickness(w.DI, w.D0) / w.CM + w.Fs * ratio + w.Ft;
    const float KI = 1.0f / resistance;
    if (!finitePositive(KI)) return std::nullopt;
    return OverallCoefficient{KI, KI * ratio};
}

float finEfficiency(float mL) {
    // tanh(x)/x written with std::tanh: the form 1 − 2e^−x/(e^x + e^−x)
    // loses its digits in single precision for a short fin (x → 0).
    if (mL <= 0.0f) return 1.0f;
    return std::fmin(1.0f, std::tanh(mL) / mL);  // ≤ 1 also after rounding
}

FinSurfaces finSurfaces(float D0, float FT, float FH, float FN) {
    const float pitch = kInchInMetres / FN;  // fin pitch, m
    const float tipDiameter = D0 + FH;
    FinSurfaces s;
    s.Ar = 3.14f * D0 * pitch;
    s.Af = 0.785f * (tipDiameter * tipDiameter - D0 * D0) * 2.0f + 3.14f * tipDiameter * FT;
    s.Ab = 3.14f * D0 * (pitch - FT);
    return s;
}

float finnedOutsideArea(float bareArea, const FinSurfaces& s) {
    return bareArea * (s.Af + s.Ab) / s.Ar;
}

std::optional<LowFinResult> lowFinOverall(const EffectiveFilms& f, const TubeWall& w,
                                          const LowFinGeometry& fin, float Ai) {
    LowFinResult r;
    const FinSurfaces surfaces = finSurfaces(w.D0, fin.FT, fin.FH, fin.FN);
    r.Ar = surfaces.Ar;
    // Fin height corrected for the tip and for the radial (annular) shape.
    r.Lc = fin.FH * (1.0f + fin.FT / (2.0f * fin.FH)) *
           (1.0f + 0.35f * std::log((w.D0 + 2.0f * fin.FT) / w.D0));
    r.mL = r.Lc * std::sqrt(2.0f * f.Xs / fin.FM / fin.FT);
    r.EF = finEfficiency(r.mL);
    r.Af = surfaces.Af;
    r.Ab = surfaces.Ab;
    r.Ae = r.Af * r.EF + r.Ab;
    r.Atf = r.Af + r.Ab;
    r.finnedArea = finnedOutsideArea(Ai * w.D0 / w.DI, surfaces);

    const float sumDiameters = w.DI / (w.DI + w.D0);
    const float resistance = (1.0f / f.Xt) / f.ct + ((1.0f / f.Xs) / f.cs) * r.Ar / r.Ae +
                             (wallThickness(w.DI, w.D0) / w.CM) * sumDiameters +
                             w.Ft * sumDiameters + w.Fs;
    r.overall.KI = 1.0f / resistance;
    r.overall.KO = r.overall.KI * Ai / r.finnedArea;
    if (!finitePositive(r.overall.KI) || !std::isfinite(r.overall.KO) || !std::isfinite(r.EF) ||
        !std::isfinite(r.finnedArea))
        return std::nullopt;
    return r;
}

std::optional<float> heatTransferArea(float Q, float K, float TM) {
    if (!(K * TM > 0.0f)) return std::nullopt;
    const float area = Q / K / TM;
    if (!std::isfinite(area)) return std::nullopt;
    return area;
}

float lengthForArea(float At, float DI, float NT) { return At / (3.1416f * DI * NT); }

OutsideAreas outsideAreas(float At, float DI, float D0, float cs) {
    const float As = At * D0 / DI;
    return {As, As * cs};
}

std::optional<Condensate> condensateOf(float Q, float latentHeat) {
    const float flow = Q / latentHeat;
    if (!std::isfinite(flow)) return std::nullopt;
    return Condensate{flow, latentHeat * flow};
}

std::optional<ThermalEfficiencies> thermalEfficiencies(float T1, float T2, float T3, float T4) {
    const float span = std::fabs(T1 - T3);
    if (!(span > 0.0f)) return std::nullopt;
    return ThermalEfficiencies{std::fabs(T3 - T4) / span, std::fabs(T1 - T2) / span};
}

}  // namespace hx
