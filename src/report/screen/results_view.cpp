#include "report/screen/results_view.h"

#include <cmath>

#include "report/screen/run_header.h"

namespace hx {

namespace {

// Outside area of plain tubes on the bare outside diameter, NT·TL·D0·3.14
// (m2; TL and D0 in m). The summary uses 3.14, so the value can differ in
// its last digits from the area the solver worked with.
float bareOutsideArea(float NT, float TL, float D0) { return NT * TL * D0 * 3.14f; }

// Mean tube-wall temperature (℃) weighting the shell and tube fluid mean
// temperatures by the conductances Xs·As and Xt·At of the two films
// (kcal/h℃). Absent weights leave the given wall temperature.
float wallMeanTemperature(float Xs, float As, float shellMean, float Xt, float At, float tubeMean,
                          float unchanged) {
    const float conductance = Xs * As + Xt * At;
    const float wall = (Xs * As * shellMean + Xt * At * tubeMean) / conductance;
    return std::isfinite(wall) ? wall : unchanged;
}

// Thermal efficiency of a stream: its temperature change over the
// difference of the two inlet temperatures (any consistent unit). Equal
// inlets leave nothing to exchange; the efficiency is then shown as 0.
float thermalEfficiency(float change, float inletDifference) {
    const float spread = std::fabs(inletDifference);
    if (spread == 0.0f) return 0.0f;
    const float e = std::fabs(change) / spread;
    return std::isfinite(e) ? e : 0.0f;
}

}  // namespace

// The entry steps on the shown values (engineering units), in their order.
// Each either leaves a quantity unchanged under conversion (areas,
// efficiencies) or is meant to stay in force for the later screens (the
// saturation temperatures of a wet gas, its sensible heat QK).
void ResultsView::enter(Presentation p, const RunInputs& in) {
    const DesignCase& dc = in.dc;
    Solution& r = shown_;
    if (!dc.lowFin) r.As = bareOutsideArea(dc.NT, r.TL, dc.D0);
    if (isJapanese(p) && dewPointBasis(dc)) {
        r.Twav =
            wallMeanTemperature(r.Xs, r.As, r.wetShellMean, r.Xt, r.At, r.tubeFluidMean, r.Twav);
        r.Ttav = (r.Twav + (r.T3 + r.T4) / 2.0f) / 2.0f;
    }
    if (p != Presentation::EnglishEngineering && dc.wetGas) {
        r.T3 = r.Tzi;
        r.T4 = r.TZo;
    }
    // From the ℃ values also in SI: a difference in K is the same and the
    // held efficiencies stay bit for bit what the other units show.
    r.Et = thermalEfficiency(r.T3 - r.T4, r.T1 - r.T3);
    r.Es = thermalEfficiency(r.T1 - r.T2, r.T1 - r.T3);
    if (p == Presentation::EnglishEngineering && dc.wetGas) r.Q = r.QK;
}

}  // namespace hx
