// Heat balance of the two streams, overall heat-transfer coefficients of
// plain and low-fin tubes, heat-transfer areas, required length, condensate
// flows and thermal efficiencies.
//
// Working units: ℃, m, kg/h, m3/h, kcal/h, kcal/h℃ (capacity rates),
// kcal/kg℃, kcal/kg, kg/m3, kcal/m2h℃, kcal/mh℃, m2h℃/kcal.
#pragma once

#include <optional>

namespace hx {

// Heat-capacity rate of a stream, mass flow (ton/h) × 1000 × c (kcal/h℃).
float heatCapacityRate(float massFlowTonPerHour, float specificHeat);

struct CapacityRates {
    float tube = 0.0f;   // kcal/h℃
    float shell = 0.0f;  // kcal/h℃
    float Cmin = 0.0f;
    float Cmax = 0.0f;
    float R = 0.0f;  // Cmin/Cmax
};
CapacityRates capacityRates(float tubeRate, float shellRate);

// Tube outlet T4 given: Q = tube rate·|T3 − T4|; the shell outlet follows
// from the shell balance, T2 = T1 ∓ Q/shell rate (minus when T1 ≥ T3: the
// shell is the hot stream); Qx = shell rate·|T2 − T1| for the check table.
struct TubeOutletBalance {
    float Q = 0.0f;
    float T2 = 0.0f;
    float Qx = 0.0f;
};
TubeOutletBalance balanceOfTubeOutlet(const CapacityRates& rates, float T1, float T3, float T4);

// Shell outlet T2 given: Q = shell rate·|T2 − T1|; T4 = T3 ± Q/tube rate
// (plus when T3 ≤ T1: the tube is heated). The tube volumetric flow that
// carries Q over the temperature change, Q/Ct/ρ/|T4 − T3| (m3/h; ρ the tube
// density, or the normal density of a gas for the normal flow), is absent
// when the tube temperature does not change.
struct ShellOutletBalance {
    float Q = 0.0f;
    float T4 = 0.0f;
    std::optional<float> tubeFlow;
};
ShellOutletBalance balanceOfShellOutlet(const CapacityRates& rates, float T1, float T2, float T3,
                                        float tubeSpecificHeat, float tubeDensity);

// With the length given and a phase change on one side, the other stream's
// outlet from its own balance: the sensible stream takes up (or gives up)
// Q over its mass flow (kg/h) and specific heat. It is heated when it
// enters colder than the saturated side and cooled otherwise.
float sensibleOutlet(float inlet, float saturation, float Q, float massFlowKgPerHour,
                     float specificHeat);

// The film coefficients entering the overall coefficient and the
// correction factors applied to their resistances.
struct FilmSetting {
    int setting = 1;         // 1 by formula, 2 entered by hand
    int side = 1;            // hand entry: 1 tube, 2 shell, 3 both
    float enteredXt = 0.0f;  // as entered (W/m2K in the SI codes)
    float enteredXs = 0.0f;
    float ct = 1.0f;  // tube correction factor of the formula setting
    float cs = 1.0f;  // shell correction factor of the formula setting
    bool siUnits = false;
};
struct EffectiveFilms {
    float Xt = 0.0f;
    float Xs = 0.0f;
    float ct = 1.0f;
    float cs = 1.0f;
};
// Formula setting: the films stay and the factors come from the setting.
// Hand entry: the entered values replace the chosen side(s); both factors 1.
EffectiveFilms effectiveFilms(float Xt, float Xs, const FilmSetting& setting);

// Wall and fouling data of the tube.
struct TubeWall {
    float DI = 0.0f;  // inside diameter, m
    float D0 = 0.0f;  // outside (root) diameter, m
    float CM = 0.0f;  // tube material conductivity, kcal/mh℃
    float Ft = 0.0f;  // tube-side fouling, m2h℃/kcal
    float Fs = 0.0f;  // shell-side fouling, m2h℃/kcal
};
float wallThickness(float DI, float D0);

struct OverallCoefficient {
    float KI = 0.0f;  // inside-area basis, kcal/m2h℃
    float KO = 0.0f;  // outside-area basis, kcal/m2h℃
};

// Plain tubes, resistances referred to the inside area:
// KI = 1/((1/Xt)/ct + ((1/Xs)/cs)·DI/D0 + w/CM + Fs·DI/D0 + Ft); KO = KI·DI/D0.
// Absent unless KI comes out finite and positive.
std::optional<OverallCoefficient> plainTubeOverall(const EffectiveFilms& films,
                                                   const TubeWall& wall);

// Fin efficiency of a straight fin, tanh(mL)/(mL); 1 at mL = 0.
float finEfficiency(float mL);

struct LowFinGeometry {
    float FT = 0.0f;  // fin thickness, m
    float FH = 0.0f;  // fin height, m
    float FN = 0.0f;  // fins per inch
    float FM = 0.0f;  // fin material conductivity, kcal/mh℃
};

// The surfaces of one fin pitch (0.0254/FN m) of a low-fin tube on the root
// diameter D0, fins of thickness FT and height FH (m): the root (bare) area
// Ar = 3.14·D0·pitch, the fin area Af = 0.785·((D0 + FH)² − D0²)·2 +
// 3.14·(D0 + FH)·FT and the base between the fins Ab = 3.14·D0·(pitch − FT).
struct FinSurfaces {
    float Ar = 0.0f;
    float Af = 0.0f;
    float Ab = 0.0f;
};
FinSurfaces finSurfaces(float D0, float FT, float FH, float FN);

// The finned outside area of a bundle whose bare outside area is given:
// bare·(Af + Ab)/Ar (m2).
float finnedOutsideArea(float bareArea, const FinSurfaces& s);

struct LowFinResult {
    float Lc = 0.0f;          // fin height corrected for the tip and the radial shape, m
    float mL = 0.0f;          // fin parameter Lc·√(2·Xs/(FM·FT))
    float EF = 0.0f;          // fin efficiency
    float Ar = 0.0f;          // root (bare) area per fin pitch, m2
    float Af = 0.0f;          // fin area per fin pitch, m2
    float Ab = 0.0f;          // base area between fins per fin pitch, m2
    float Ae = 0.0f;          // effective area Af·EF + Ab, m2
    float Atf = 0.0f;         // finned surface per fin pitch Af + Ab, m2
    float finnedArea = 0.0f;  // finned outside area of the bundle, m2
    OverallCoefficient overall;
};

// Low-fin tubes (Xs > 0): corrected fin height, fin efficiency, the areas
// per fin pitch (0.0254/FN m), and
// KI = 1/((1/Xt)/ct + ((1/Xs)/cs)·Ar/Ae + (w/CM)·DI/(DI + D0) + Ft·DI/(DI + D0) + Fs),
// KO = KI·Ai/finned area. Ai is the inside area DI·NT·TL·3.14 (m2).
// Absent unless every result is finite and KI positive.
std::optional<LowFinResult> lowFinOverall(const EffectiveFilms& films, const TubeWall& wall,
                                          const LowFinGeometry& fin, float Ai);

// Heat-transfer area Q/K/TM (m2); absent unless K·TM > 0 and the result is finite.
std::optional<float> heatTransferArea(float Q, float K, float TM);

// Tube length that an inside area needs, At/(3.1416·DI·NT) (m).
float lengthForArea(float At, float DI, float NT);

// Outside areas after convergence: As = At·D0/DI (bare); Asf = As·cs.
struct OutsideAreas {
    float As = 0.0f;
    float Asf = 0.0f;
};
OutsideAreas outsideAreas(float At, float DI, float D0, float cs);

// Condensed (or evaporated) flow of a phase-change side, Q/L (kg/h), and
// its duty L·flow (kcal/h).
struct Condensate {
    float flow = 0.0f;
    float duty = 0.0f;
};
std::optional<Condensate> condensateOf(float Q, float latentHeat);

// Thermal efficiencies of the two streams, Et = |T3 − T4|/|T1 − T3| and
// Es = |T1 − T2|/|T1 − T3|; absent when the inlets are equal.
struct ThermalEfficiencies {
    float Et = 0.0f;
    float Es = 0.0f;
};
std::optional<ThermalEfficiencies> thermalEfficiencies(float T1, float T2, float T3, float T4);

}  // namespace hx
