// The selection panel at the top left of the main window: three rows chosen
// strictly in order, each writing an option code into a hidden field.
//
//   fluid mode        row BUTTON24, marker EDIT42, code EDIT39 (" 1".." 4"):
//                     BUTTON4 sensible, BUTTON2 tube wet gas, BUTTON22 tube
//                     condensation/evaporation, BUTTON28 shell condensation/evaporation
//   tube properties   row BUTTON25, marker EDIT43, code EDIT40: BUTTON12 liquid
//                     by hand, BUTTON16 gas or saturated vapour by hand, BUTTON14
//                     water by correlation, BUTTON15 gas by correlation
//   shell properties  row BUTTON29, marker EDIT44, code EDIT41: BUTTON17 liquid
//                     by hand, BUTTON18 gas or saturated vapour by hand, BUTTON19
//                     water by correlation
//
// A choice captions and enables the next row, moves the step marker (" ■")
// and pre-fills the main data form FORM7 with defaults that suit the mode;
// the shell choice enables MAIN INPUT. Pressing an earlier row's button
// reopens that row and closes the later ones (MAIN INPUT included).
#pragma once

#include "model/session.h"

namespace hx {

void BUTTON24_ON(Session& session);  // open the fluid-mode row
void BUTTON4_ON(Session& session);   // mode 1: sensible heat on both sides
void BUTTON2_ON(Session& session);   // mode 2: tube side wet gas
void BUTTON22_ON(Session& session);  // mode 3: tube side condensation/evaporation
void BUTTON28_ON(Session& session);  // mode 4: shell side condensation/evaporation

void BUTTON25_ON(Session& session);  // open the tube-side row
void BUTTON12_ON(Session& session);  // tube liquid by hand
void BUTTON16_ON(Session& session);  // tube gas or saturated vapour by hand
void BUTTON14_ON(Session& session);  // tube water by correlation
void BUTTON15_ON(Session& session);  // tube gas by correlation

void BUTTON29_ON(Session& session);  // open the shell-side row
void BUTTON17_ON(Session& session);  // shell liquid by hand
void BUTTON18_ON(Session& session);  // shell gas or saturated vapour by hand
void BUTTON19_ON(Session& session);  // shell water by correlation

// Whether a tube-side method button is offered in a fluid mode; in the
// wet-gas mode the saturation basis (FORM10's EDIT125: 1 at the gas
// pressure, 2 at 1 atm) decides between gas by hand and gas by correlation.
bool tubeMethodOffered(int tubeButton, int fluidMode, int wetGasBasis);
// Whether a shell-side method button is offered in a fluid mode.
bool shellMethodOffered(int shellButton, int fluidMode);

// The FORM7 temperature block of the sensible mode for a solve-for choice
// (1 length given, 2 shell outlet given, 3 tube outlet given).
void layoutSensibleSolveFor(FormStore& forms, int solveFor);

void registerFluidModeHandlers(DispatchTable& table);

}  // namespace hx
