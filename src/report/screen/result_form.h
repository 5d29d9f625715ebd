// The result form FORM4: the performance table of a converted run (the
// nozzle temperatures and flows, condensate, shell diameter, tube length,
// pressure losses, efficiencies, heat, coefficients, mean temperature
// difference, areas, tube count) with its captions and unit labels in the
// language and units of a presentation, and the drawing of the exchanger.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "calc/case/run_inputs.h"
#include "calc/solver/solution.h"
#include "model/form_store.h"
#include "model/platform.h"
#include "report/screen/presentation.h"

namespace hx {

// The values the form shows, in the units of its presentation: English
// engineering ℃, ton/h, mmAq, kcal/h, kcal/m2h℃; Japanese engineering the
// same with kg/h; SI K, kg/s, Pa, W, W/m2K. Lengths in mm, efficiencies in
// per cent; a phase-changing side has no efficiency.
struct ResultFormValues {
    float tubeIn = 0.0f, tubeOut = 0.0f, shellIn = 0.0f, shellOut = 0.0f;  // temperatures
    float tubeInFlow = 0.0f, tubeOutFlow = 0.0f, shellInFlow = 0.0f, shellOutFlow = 0.0f;
    float tubeRate = 0.0f, shellRate = 0.0f;  // condensed or evaporated flows
    float DS = 0.0f, TL = 0.0f;               // mm
    // The drops as the summary shows them: kg/cm2 (MPa), a gas in the tubes
    // mmAq (Pa); and both in mmAq (Pa).
    bool tubeGas = false;
    float DPt = 0.0f, DPs = 0.0f;
    float DPtHead = 0.0f, DPsHead = 0.0f;
    std::optional<float> Et, Es;  // %
    float Q = 0.0f, KI = 0.0f, KO = 0.0f, TM = 0.0f, At = 0.0f, outsideArea = 0.0f;
    float Xt = 0.0f, Xs = 0.0f, NT = 0.0f;
};

// From the values a presentation shows (engineering units, as the
// ResultsView holds them); converted once here for an SI presentation.
ResultFormValues resultFormValues(Presentation p, const RunInputs& in, const Solution& shown);

// The text of every value field of FORM4, with the decimals of the summary
// of presentation p.
std::vector<std::pair<const char*, std::string>> resultFormTexts(Presentation p,
                                                                 const ResultFormValues& v);

// Writes the captions, unit labels and fields of FORM4 for presentation p.
void fillResultForm(FormStore& forms, Presentation p, const RunInputs& in, const Solution& shown);

// Shows FORM4 with the drawing of the exchanger type ("vorn2-4J.bmp", the
// double tube "vorn2-4JD.bmp"). False when the drawing could not be read.
bool showResultForm(FormStore& forms, Platform& platform, const DesignCase& dc);

}  // namespace hx
