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

// What FORM7's OK reads.
struct MainDataEntries {
    int fluidMode = 0;         // EDIT39
    int solveFor = 0;          // FORM7 EDIT122
    int phaseChange = 0;       // FORM9 EDIT121: 1 condensation, 2 evaporation
    float shellInlet = 0.0f;   // T1, ℃ or K
    float tubeInlet = 0.0f;    // T3
    float length = 0.0f;       // L, mm
    float shellOutlet = 0.0f;  // T2
    float tubeOutlet = 0.0f;   // T4
};

// Where the checks of OK stop: before FORM8 is shown (the phase-change
// temperatures), after it (equal inlets, length, outlet bounds), or not at all.
enum class MainDataStage { Passed, PhaseChange, Duty };

struct MainDataVerdict {
    MainDataStage stage = MainDataStage::Passed;
    std::string_view message;  // empty when passed
};

// The checks of FORM7's OK in their order; the first failure is returned.
MainDataVerdict checkMainData(const MainDataEntries& e);

void registerMainDataFormHandlers(DispatchTable& table);

}  // namespace hx
