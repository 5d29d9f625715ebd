// The working state of one thermal solve: the run inputs it reads, the
// solution it iterates, the property state, the rates and flows of the
// current pass, the loop counters, guesses and tolerances, and what the
// pressure drops reuse from the coefficient steps. Private to the solver's
// files; solve() hands out only the converged Solution.
#pragma once

#include <optional>
#include <vector>

#include "calc/case/run_inputs.h"
#include "calc/checks/tape_prandtl_check.h"
#include "calc/solver/last_call.h"
#include "calc/solver/solution.h"
#include "calc/solver/solver_progress.h"
#include "calc/solver/starting_solution.h"
#include "calc/wet_gas/wet_gas_balance.h"
#include "console/text_console.h"
#include "correlations/annulus/annulus.h"
#include "correlations/exchanger/heat_balance.h"
#include "correlations/exchanger/mean_temperature.h"
#include "correlations/shell_side/bell_method.h"
#include "correlations/shell_side/textbook_bell.h"
#include "correlations/tube_side/tube_side.h"
#include "correlations/tube_side/twisted_tape.h"
#include "props/gas_properties.h"
#include "props/liquid_properties.h"

namespace hx {

struct SolverState {
    SolverState(const RunInputs& inputs, SolverProgress& p)
        : in(inputs),
          dc(inputs.dc),
          geometry(inputs.geometry),
          progress(p),
          console(p.console()),
          trace(p.trace()),
          r(startingSolution(inputs)) {}

    const RunInputs& in;
    const DesignCase& dc;
    const DerivedGeometry& geometry;
    SolverProgress& progress;
    TextConsole& console;  // warnings, questions and halts of the correlations
    CalcTrace& trace;      // off unless the caller asked for the calculation

    Solution r;  // the iterate; the converged solution once the loops end

    // The iteration's own quantities, with their first values.
    float K1 = 0.01f;                   // efficiency of the current pass
    float efficiencyEstimate = 1e-05f;  // the running efficiency estimate
    float hix = 400.0f;                 // tube-side coefficient of the previous pass, kcal/m2h℃
    float tubeGasOutlet = 0.1f;         // tube gas outlet temperature, ℃
    float tubeGasOutletRemembered = 0.1f;  // its value of the previous outer pass, ℃
    float wallViscosityBulk = 0.003f;      // viscosities of the shell wall-viscosity ratio, m2/h
    float wallViscosityWall = 0.003f;
    float tapeTemperatureBulk = 373.0f;  // temperatures of the twisted-tape ratio, K
    float tapeTemperatureWall = 373.0f;
    int calcLimit1 = 0, calcLimit3 = 0;  // loop counters shown while converging

    LiquidPropertySettings settings;
    LiquidPropertyState props;
    GasComponentState gasComponents;  // a gas tube side by correlation

    // Capacity rates, kcal/h℃: those of the current step of the pass.
    CapacityRates rates;
    float tubeVolumeFlow = 0.0f;   // m3/h, actual
    float shellVolumeFlow = 0.0f;  // m3/h

    // Outlet temperatures at which the properties of the pass are taken, ℃.
    float tubeOutletForProperties = 0.0f;
    float shellOutletForProperties = 0.0f;
    // Fluid mean temperatures the properties were taken at, ℃.
    float tubeMeanAtProperties = 0.0f;
    float shellMeanAtProperties = 0.0f;
    // Shell outlet given: the guess of the tube outlet being found, ℃.
    float tubeOutletGuess = 0.0f;
    // Rating: the efficiency estimates the last two passes of the
    // mean-temperature loop started from (a two-cycle repeats them).
    float estimateOnePassBefore = -1.0f;
    float estimateTwoPassesBefore = -1.0f;
    bool fromMeanOfTwoCycle = false;  // the pass from the mean of a two-cycle

    // Counters and tolerances of the loops.
    int totalPasses = 0;
    int gasRestarts = 0;
    float toleranceMultiplier = 1.0f;
    float gasOutletTolerance = 0.05f;  // ℃
    float wideningFactor = 1.0f;
    WetGasLoop wetLoop;       // the wet-gas balance's counter and band
    bool tapeForced = false;  // the twisted-tape Prandtl question answered "y"

    // Pure steps whose inputs repeat from pass to pass of the efficiency loop.
    LastCall<PlainTubeFlow, TubeFilm> plainFilm;
    LastCall<RatingInputs, std::optional<RatingResult>> rating;

    // What the pressure drops reuse.
    BundleGeometry bundle;
    std::optional<BellResult> bell;
    std::optional<TextbookBellResult> textbookBell;  // the shell side on the textbook basis
    std::optional<AnnulusResult> annulus;
    std::optional<TapeFilm> tape;
    std::optional<LowFinResult> fin;
    EffectiveFilms films;
    float wallViscosity = 0.0f;  // shell viscosity at the wall for the corrections, m2/h

    bool lengthToBeFound() const { return !dc.lengthGiven; }
    bool tubeOutletGiven() const { return dc.outletGiven == OutletGiven::Tube; }
    bool shellOutletGiven() const { return dc.outletGiven == OutletGiven::Shell; }
    bool tubeHeated() const { return r.T3 < r.T1; }
};

// The steps of one pass (solver_pass.cpp).

// Properties at the current outlet temperatures: the shell side first,
// then the tube side; the volumetric flows follow the new densities.
void evaluateProperties(SolverState& s);

// Bundle geometry and the shell-side film coefficient of the pass.
void shellFilmCoefficient(SolverState& s);

// Tube-side film coefficient, then the films in force and KI, KO.
void tubeFilmAndOverall(SolverState& s);

// The wet flag: the fluid means of the gas step, then, once the overall
// coefficient is known, the wet-gas balance and the condensation
// enhancement of the tube film (solver_wet_gas.cpp).
void wetGasStep(SolverState& s);

// Tube-side and shell-side pressure drops after convergence.
void pressureDrops(SolverState& s);

// On the textbook basis, a correlation used outside its card's range says
// so once a run: a warning line on the solver's console (the JSON result of
// a headless solve keeps it among its warnings).
void warnOutOfRange(SolverState& s, const CorrelationCard& card, float first, float second);

// Halts the run with the calculation-failed line when v is not finite.
float finiteOrHalt(SolverState& s, float v);

}  // namespace hx
