// The entries the solver's steps write into the calculation trace: each
// function is called by the step that has just computed the values, with
// the inputs it used, and writes the values as they came out together with
// the formula and the substituted inputs. Callers ask trace.enabled() first.
#pragma once

#include "calc/wet_gas/wet_gas_balance.h"
#include "core/calc_trace.h"
#include "correlations/annulus/annulus.h"
#include "correlations/exchanger/heat_balance.h"
#include "correlations/exchanger/mean_temperature.h"
#include "correlations/phase_change/condensation_enhancement.h"
#include "correlations/pressure_drop/shell_pressure_drop.h"
#include "correlations/pressure_drop/tube_pressure_drop.h"
#include "correlations/shell_side/bell_method.h"
#include "correlations/shell_side/textbook_bell.h"
#include "correlations/tube_side/tube_side.h"
#include "correlations/tube_side/twisted_tape.h"
#include "props/liquid_properties.h"

namespace hx {

struct DesignCase;

// The mean temperatures and both sides' properties of the pass; `gasTube`:
// the tube-side Prandtl number comes from the gas mixture, not C·ν·ρ/k.
// Wt, Ws ton/h; VT, VS the actual volume flows of the pass, m3/h.
// `it` the outlets and coefficients the reference temperatures were taken at.
void traceProperties(CalcTrace& t, const StreamIterate& it, const LiquidPropertyState& p,
                     bool gasTube, float Wt, float Ws, float VT, float VS);

// The plain-tube film: Re, u, the Nusselt number of the branch, Xt.
void tracePlainTubeFilm(CalcTrace& t, const PlainTubeFlow& in, const TubeFilm& film);

// The twisted-tape film: the original fit on the hydraulic diameter, or
// Manglik and Bergles by regime on the unobstructed tube.
void traceTapeFilm(CalcTrace& t, const TapeFlow& f, const TapeFilm& film);

// The annulus film: flow area, velocity, Reynolds number, the Nusselt
// number of the branch (textbook) or the film fit (original), and Xs, the
// film times the low-fin annulus factor `factor` (1 for plain tubes).
void traceAnnulus(CalcTrace& t, const AnnulusInput& in, const AnnulusFilm& film, float L,
                  float factor, float Xs);

// The wet-gas film: the gas film enhanced by the ratio in series with the
// condensed water film of thickness t (m).
void traceWetFilm(CalcTrace& t, float gasFilm, const WetFilm& wet, float thickness);

// The shell film of the original Bell method, factor by factor.
void traceBell(CalcTrace& t, const BellInput& in, const BellResult& r);
// The shell film of the textbook Bell–Delaware method.
void traceTextbookBell(CalcTrace& t, const TextbookBellInput& in, const TextbookBellResult& r);

// The shell viscosity ratio in force: the bulk and wall viscosities (m2/h)
// it was taken from (wall 0: not at hand, the ratio alone with `wallSource`).
struct WallViscosities {
    float bulk = 0.0f;
    float wall = 0.0f;
    float ratio = 0.0f;
    const char* wallSource = "";
};
void traceWall(CalcTrace& t, const WallViscosities& v);

// The resistances and the overall coefficients of plain tubes.
void tracePlainOverall(CalcTrace& t, const EffectiveFilms& f, const TubeWall& w,
                       const OverallCoefficient& k);
// Low-fin tubes: the fin efficiency and areas per fin pitch, then KI and
// KO on the inside area Ai (m2).
void traceLowFinOverall(CalcTrace& t, const EffectiveFilms& f, const TubeWall& w,
                        const LowFinGeometry& g, float Ai, const LowFinResult& fin);

// The mean temperature difference: the rating by effectiveness, or the
// logarithmic mean of the end differences.
void traceRating(CalcTrace& t, const RatingInputs& in, const RatingResult& r);
void traceLogMean(CalcTrace& t, int arrangement, float T1, float T2, float T3, float T4,
                  const MeanTemperature& m);
// The 1-2N shell: its effectiveness and outlets (rating), or Bowman's F
// on the counter-current logarithmic mean (design).
void traceOneTwoShellRating(CalcTrace& t, const RatingInputs& in, const RatingResult& r);
void traceOneTwoShellMean(CalcTrace& t, float T1, float T2, float T3, float T4,
                          const MeanTemperature& m);

// Duty, outlets, area and length of the converged pass.
void traceDuty(CalcTrace& t, float Q, float KI, float TM, float At, float DI, float NT, float TL,
               bool lengthGiven);

// The pressure drops, term by term, each also in Pa.
void traceOriginalTubeDrop(CalcTrace& t, const PlainTubeDropInputs& in, float DPt);
void traceTextbookTubeDrop(CalcTrace& t, const PlainTubeDropInputs& in, const TubeDrop& d);
// The original twisted-tape drop: friction on De with the wall correction.
void traceTapeDrop(CalcTrace& t, const TapeDropInputs& in, float DPt);
// The annulus drop of a double tube (plain or low-fin inner tube).
void traceAnnulusDrop(CalcTrace& t, const AnnulusDropInput& in, float DPs);
// The nozzle losses of W kg/h at density rho through the two bores (m).
void traceNozzles(CalcTrace& t, float W, float rho, float inletBore, float outletBore,
                  float DPtBefore, float nozzles, float DPt);
void traceBellDrop(CalcTrace& t, const BellDropInput& in, const BellDrop& d);
void traceTextbookBellDrop(CalcTrace& t, const TextbookBellInput& in, const TextbookBellResult& r);

// The wet-gas balance of the pass: outlet humidity, condensate, heats.
void traceWetGasBalance(CalcTrace& t, const WetGasBalanceInputs& in, const WetGasBalanceResult& b);

// The enhancement of the tube film by the water condensing from the gas.
void traceCondensationEnhancement(CalcTrace& t, const CondensationInputs& in,
                                  const CondensationEnhancementParts& p);

// The end checks: the thermal efficiencies of both streams.
void traceEfficiencies(CalcTrace& t, float T1, float T2, float T3, float T4, float Et, float Es);

}  // namespace hx
