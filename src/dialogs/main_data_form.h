// The main data form FORM7, opened by MAIN INPUT: the tube count, the inlet
// and outlet temperatures and the tube length with their "must be filled"
// markers ("→"), the solve-for choice, the property block, the tube-side gas
// composition and the twisted-tape dimensions. Its OK checks the
// temperatures for consistency and passes on to the coefficient form FORM8.
//
// Temperatures are in ℃ for code 4 and in K for codes 1 and 3; the length
// is in mm. A failed check writes its message into TEXT177, leaves the
// entries as they are, pauses with the interruption notice until a key is
// pressed and returns.
#pragma once

#include <string_view>

#include "calc/checks/entry_checks.h"
#include "model/session.h"

namespace hx {

void BUTTON41_ON(Session& session);  // MAIN INPUT: open and lay out FORM7
void RADIO1_ON(Session& session);    // tube length given
void RADIO2_ON(Session& session);    // shell outlet temperature given
void RADIO3_ON(Session& session);    // tube outlet temperature given
void RADIO4_ON(Session& session);    // gas composition typed in full
void RADIO5_ON(Session& session);    // standard air with H2O
void RADIO6_ON(Session& session);    // standard air
void BUTTON37_ON(Session& session);  // CO2 and O2 fixed, N2 adjusted to the H2O
void BUTTON38_ON(Session& session);  // H2O mixed with all components
void BUTTON39_ON(Session& session);  // RESET
void BUTTON40_ON(Session& session);  // OK: the temperature checks, then FORM8
void BUTTON42_ON(Session& session);  // Window close

// The FORM7 temperature block for a solve-for choice (1 length, 2 shell
// outlet, 3 tube outlet given): which of the length and the two outlet
// fields is open, the markers, and the flow-arrangement field, which only
// a given length allows. With `writeTexts` the open field is emptied and
// the two closed ones show the dash; without, only the states change.
void layoutSolveFor(FormStore& forms, int solveFor, bool writeTexts);

// The temperature checks of OK (MainDataEntries, checkMainData) are in
// calc/entry_checks.h, shared with the start button and the headless runs.

void registerMainDataFormHandlers(DispatchTable& table);

}  // namespace hx
