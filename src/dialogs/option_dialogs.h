// The smaller choices of a design case, each writing an option code and
// re-captioning or re-enabling the fields concerned:
//   FORM8   film coefficients by formula (with correction factors) or by hand
//   FORM9   condensation or evaporation on the phase-change side
//   FORM10  saturation basis of a wet gas: at the gas pressure or at 1 atm
//   main    exchanger type, plain or low-fin tubes, twisted tape, flow
//           arrangement, weight estimate on or off, the exchanger drawing
#pragma once

#include <string_view>

#include "model/session.h"

namespace hx {

// FORM8, heat-transfer coefficients (coefficient_setting.cpp).
void RADIO9_ON(Session& session);    // by formula: EDIT117 = 1
void RADIO10_ON(Session& session);   // by hand: EDIT117 = 2
void RADIO11_ON(Session& session);   // tube side by hand: EDIT118 = 1
void RADIO12_ON(Session& session);   // shell side by hand: EDIT118 = 2
void RADIO13_ON(Session& session);   // both sides by hand: EDIT118 = 3
void RADIO20_ON(Session& session);   // original calculation basis: EDIT157 = 1
void RADIO21_ON(Session& session);   // textbook Bell-Delaware basis: EDIT157 = 2, layout open
void BUTTON45_ON(Session& session);  // OK

// The message of FORM8's OK for a setting (1 formula, 2 by hand), a side
// (1 tube, 2 shell, 3 both) and the two manual coefficients (kcal/m2h℃ or
// W/m2K); empty when the entries are acceptable. A coefficient of 0 (an
// empty field) cannot be used; with both sides the tube side is reported.
std::string_view coefficientCheckMessage(int setting, int side, float tubeCoefficient,
                                         float shellCoefficient);

// FORM9, phase change (phase_change_form.cpp).
void RADIO14_ON(Session& session);   // condensation: EDIT121 = 1
void RADIO15_ON(Session& session);   // evaporation: EDIT121 = 2
void BUTTON47_ON(Session& session);  // OK

// The FORM7 temperature block of a phase-change case after FORM9's OK: the
// inlet labels and defaults, the outlet fields (surface tension, vapour
// pressure and liquid inlet temperature in evaporation), the length 1000 mm.
void layoutPhaseChange(FormStore& forms, int fluidMode, int phaseChange, int unitCode);

// FORM10, wet-gas saturation basis (wet_gas_basis.cpp).
void RADIO16_ON(Session& session);   // saturation at the gas pressure: EDIT125 = 1
void RADIO17_ON(Session& session);   // saturation at 1 atm: EDIT125 = 2
void BUTTON48_ON(Session& session);  // OK

// Main window options (exchanger_options.cpp).
void RADIO7_ON(Session& session);    // shell-and-tube: EDIT114 = 1
void RADIO8_ON(Session& session);    // double tube: EDIT114 = 2
void BUTTON6_ON(Session& session);   // plain tubes: EDIT25 = 1
void BUTTON30_ON(Session& session);  // twisted tape used: EDIT73 = 1
void BUTTON31_ON(Session& session);  // no twisted tape: EDIT73 = 2
void BUTTON26_ON(Session& session);  // counter-current cross flow: EDIT53 = 1
void BUTTON27_ON(Session& session);  // parallel cross flow: EDIT53 = 2
void RADIO18_ON(Session& session);   // weight estimate on: EDIT139 = 1
void RADIO19_ON(Session& session);   // weight estimate off: EDIT139 = 2
void BUTTON20_ON(Session& session);  // the exchanger drawing on FORM2

// The figure window's "Prt": a hard copy of the window to the print job.
void FORM2_BUTTON3_ON(Session& session);

// The low-fin button remembers the answer to its last sample-value question
// (no answer counts as No), for as long as the program runs.
struct LowFinMemory {
    bool restoredSample = false;
};
// Low-fin tubes: EDIT25 = 2, with the question whether to restore the
// sample fin dimensions.
void BUTTON7_ON(Session& session, LowFinMemory& memory);

// The drawing shown by the figure button, read from the program's folder.
inline constexpr const char* kExchangerDrawing = "熱交詳細図.bmp";

void registerOptionDialogHandlers(DispatchTable& table);

}  // namespace hx
