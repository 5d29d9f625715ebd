#include "calc/case/weight_estimate.h"

#include <cmath>

namespace hx {

namespace {

constexpr float kMmPerM = 1000.0f;
constexpr float kMPerMm = 0.001f;

// A weight the table can show: finite and not below zero.
bool soundWeight(float w) { return std::isfinite(w) && w >= 0.0f; }

}  // namespace

float tubeWeight(float TL, float D0, float DI, float NT, float density) {
    return TL * 3.14f / 4.0f * (D0 * D0 - DI * DI) * NT * density;
}

float tubeSheetWeight(float outsideDiameterMm, float D0, float NT, float thicknessMm, float density,
                      float count) {
    const float plate = outsideDiameterMm * kMPerMm;
    return 0.785f * (plate * plate - D0 * D0 * NT) * (thicknessMm * kMPerMm) * density * count;
}

float baffleWeight(float DS, float gap, float D0, float NT, float count, float density,
                   float thicknessMm, float windowFraction) {
    // Every tube passes through every baffle: NT holes, as in the tube sheets.
    const float plate = DS - 2.0f * gap;
    return 0.785f * (plate * plate - D0 * D0 * NT) * count * density * (thicknessMm * kMPerMm) *
           (1.0f - windowFraction);
}

float shellWeight(float DS, float thicknessMm, float TL, float density) {
    const float outside = DS + 2.0f * thicknessMm * kMPerMm;
    return 0.785f * (outside * outside - DS * DS) * TL * density;
}

WeightEstimate estimateWeight(const RunInputs& in, const Solution& solution) {
    const DesignCase& dc = in.dc;
    const DesignCase::WeightPanel& p = dc.weight;
    const float TL = solution.TL;
    const float DS = solution.shellDiameter;
    WeightEstimate w;
    w.tubes = {tubeWeight(TL, dc.D0, dc.DI, dc.NT, p.tubeDensity), (dc.D0 - dc.DI) / 2.0f * kMmPerM,
               p.tubeDensity, dc.D0 * kMmPerM};
    w.tubeSheets = {tubeSheetWeight(p.tubeSheetDiameter, dc.D0, dc.NT, p.tubeSheetThickness,
                                    p.tubeSheetDensity, p.tubeSheetCount),
                    p.tubeSheetThickness, p.tubeSheetDensity, p.tubeSheetDiameter};
    w.baffles = {baffleWeight(DS, dc.shellBaffleGap, dc.D0, dc.NT, p.baffleCount, p.baffleDensity,
                              p.baffleThickness, in.geometry.windowFraction),
                 p.baffleThickness, p.baffleDensity, (DS - dc.shellBaffleGap) * kMmPerM};
    w.shell = {shellWeight(DS, p.shellThickness, TL, p.shellDensity), p.shellThickness,
               p.shellDensity, DS * kMmPerM + 2.0f * p.shellThickness};
    w.other = p.otherWeight;
    w.total = w.tubes.weight + w.tubeSheets.weight + w.baffles.weight + w.shell.weight + w.other;
    for (float part :
         {w.tubes.weight, w.tubeSheets.weight, w.baffles.weight, w.shell.weight, w.total})
        if (!soundWeight(part)) w.sound = false;
    return w;
}

}  // namespace hx
