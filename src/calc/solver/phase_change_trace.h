// The trace entries of the phase-change films, written by the step that has
// just computed the film from the values the correlation returned: the
// film's own quantities (condensate groups, film temperature difference,
// boiling parts, the quality steps of the textbook films) each with its
// expression. Callers ask trace.enabled() first.
#pragma once

#include "core/calc_trace.h"
#include "correlations/common/correlation_card.h"
#include "correlations/phase_change/shell_phase_change.h"
#include "correlations/phase_change/tube_phase_change.h"

namespace hx {

// Condensation on the bundle: the vapour's mean Reynolds number and
// velocity, the condensing duty, then the film of the basis (`f`; the
// original's groups come from `c`).
void traceShellCondensation(CalcTrace& t, const ShellCondensationInput& in,
                            const ShellCondensationResult& c, const ShellCondensingFilm& f);

// Pool boiling on the bundle: wall temperature, duty and vapour, the
// bundle and subcooling factors, the coefficient and the mean velocity.
void traceShellEvaporation(CalcTrace& t, const ShellEvaporationInput& in,
                           const ShellEvaporationResult& e);

// Condensation and evaporation inside the tubes: the mean Reynolds number
// and velocity, then the film of the basis that ran (`film`).
void traceTubeCondensation(CalcTrace& t, const TubeTwoPhaseProperties& p, const TubeTwoPhaseFlow& f,
                           const TubePhaseFilm& film);
void traceTubeEvaporation(CalcTrace& t, const TubeTwoPhaseProperties& p, const TubeTwoPhaseFlow& f,
                          float Ps, float sigma, float TL, const TubePhaseFilm& film);

}  // namespace hx
