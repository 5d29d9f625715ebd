// The steel weight of the exchanger, estimated after a converged run from
// the solved bundle (tube count and length, shell diameter) and the
// material entries of the main form's weight panel. Weights in kg; the
// panel's thicknesses and diameters in mm, densities in kg/m3; every other
// length in m.
#pragma once

#include "calc/case/run_inputs.h"
#include "calc/solver/solution.h"

namespace hx {

// One row of the weight table: the weight of a part and the plate or wall
// data it was computed from.
struct WeightRow {
    float weight = 0.0f;           // kg
    float thickness = 0.0f;        // wall or plate thickness, mm
    float density = 0.0f;          // kg/m3
    float outsideDiameter = 0.0f;  // mm
};

struct WeightEstimate {
    WeightRow tubes, tubeSheets, baffles, shell;
    float other = 0.0f;  // the panel's other weight, kg
    float total = 0.0f;  // kg
    // False when a weight came out negative or not finite: a plate whose
    // tube holes take more than its whole area, or entries out of range.
    // The table then cannot be trusted; the thermal results still can.
    bool sound = true;
};

// Tubes: TL·3.14/4·(D0² − DI²)·NT·ρ (kg; TL, D0, DI in m, ρ in kg/m3).
float tubeWeight(float TL, float D0, float DI, float NT, float density);

// Tube sheets: the plate of outside diameter OD less the holes of the NT
// tubes, 0.785·((OD·0.001)² − D0²·NT)·(t·0.001)·ρ·count (OD and t in mm).
float tubeSheetWeight(float outsideDiameterMm, float D0, float NT, float thicknessMm, float density,
                      float count);

// Baffles: the plate of diameter DS − 2·gap less the holes of the NT tubes
// that pass through it, cut by the window fraction fw,
// 0.785·((DS − 2·gap)² − D0²·NT)·count·ρ·(t·0.001)·(1 − fw).
float baffleWeight(float DS, float gap, float D0, float NT, float count, float density,
                   float thicknessMm, float windowFraction);

// Shell: the cylinder of inside diameter DS and wall t over the tube
// length, 0.785·((DS + 2·t·0.001)² − DS²)·TL·ρ.
float shellWeight(float DS, float thicknessMm, float TL, float density);

// The whole table of a run, from its inputs (working units) and solution.
WeightEstimate estimateWeight(const RunInputs& in, const Solution& solution);

}  // namespace hx
