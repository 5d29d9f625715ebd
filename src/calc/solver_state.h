// The working state of one thermal solve: the run's records, the property
// state, the rates and flows of the current pass, the loop counters and
// tolerances, and what the pressure drops reuse from the coefficient steps.
// Private to the solver's files.
#pragma once

#include <optional>

#include "calc/annulus.h"
#include "calc/bell_method.h"
#include "calc/design_case.h"
#include "calc/heat_balance.h"
#include "calc/solver_progress.h"
#include "calc/twisted_tape.h"
#include "console/text_console.h"
#include "props/liquid_properties.h"

namespace hx {

struct SolverState {
    SolverState(DesignCase& d, RunResult& res, TextConsole& c) : dc(d), r(res), console(c) {}

    DesignCase& dc;
    RunResult& r;
    TextConsole& console;

    LiquidPropertySettings settings;
    LiquidPropertyState props;

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

    // Counters and tolerances of the loops.
    int totalPasses = 0;
    int gasRestarts = 0;
    float toleranceMultiplier = 1.0f;
    float gasOutletTolerance = 0.05f;  // ℃
    float wideningFactor = 1.0f;
    bool tapeForced = false;  // the twisted-tape Prandtl question answered "y"
    ProgressScreen progress;

    // What the pressure drops reuse.
    BundleGeometry bundle;
    std::optional<BellResult> bell;
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

// Tube-side and shell-side pressure drops after convergence.
void pressureDrops(SolverState& s);

// Halts the run with the calculation-failed line when v is not finite.
float finiteOrHalt(SolverState& s, float v);

}  // namespace hx
