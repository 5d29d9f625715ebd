// Reading a design case from the forms: every field the run uses is copied,
// as the number its text reads as, into a fresh all-zero DesignCase. The
// values are as entered (mm, ton/h, and K, W/mK, m2K/W, MPa in the SI
// codes); the conversions to working units are separate steps of the run,
// taken in their order.
#pragma once

#include <span>

#include "calc/case/design_case.h"
#include "calc/case/run_inputs.h"
#include "model/form_store.h"

namespace hx {

// One field of the forms and the DesignCase member it is copied into.
// Option codes go into int members, quantities into float members.
struct CaseField {
    const char* form;
    const char* control;
    int DesignCase::*code = nullptr;
    float DesignCase::*quantity = nullptr;
    float DesignCase::WeightPanel::*weight = nullptr;
};

// Every field read at the start of a run (a field may feed two members:
// the outlet fields hold Ps and σ in the phase-change modes).
std::span<const CaseField> designCaseFields();

// A fresh DesignCase holding every field of designCaseFields() as entered.
DesignCase readDesignCase(const FormStore& forms);

// The same, as the first record of a run.
inline EnteredCase readEnteredCase(const FormStore& forms) { return {readDesignCase(forms)}; }

// Entered millimetres to metres: DI, D0, FT, FH, B and the three gaps.
void convertMillimetres(DesignCase& dc);

// SI entries of a SI code (1, 3) to working units: tube and fin conductivity
// W/mK ÷ 1.163 → kcal/mh℃, fouling factors m2K/W × 1.163 → m2h℃/kcal, the
// hand-entered film coefficients W/m2K × 0.8598 → kcal/m2h℃, the gas
// pressure MPa ÷ 0.098 → kg/cm2 (in shell-side evaporation that field holds
// a liquid temperature, K − 273 → ℃) and the dew point K − 273 → ℃.
// Nothing changes for the engineering codes.
void convertSIEntries(DesignCase& dc);

}  // namespace hx
