#include "calc/solver/calculation_driver.h"

#include <optional>

#include "calc/case/prepare.h"
#include "calc/case/read_design_case.h"
#include "calc/checks/entry_checks.h"
#include "calc/checks/reportable_solution.h"
#include "calc/checks/solution_checks.h"
#include "calc/solver/area_adjustment.h"
#include "calc/solver/solver_progress.h"
#include "calc/solver/thermal_solver.h"
#include "core/option_codes.h"
#include "core/run_ended.h"

namespace hx {

namespace {

constexpr const char* kMain = "MAINFORM";

// Main-form controls a run freezes and the end-of-run reset gives back:
// the selection panel (fluid mode and property buttons), the option, fin,
// twisted-tape and flow-arrangement buttons, OPEN, CLOSE, the figure
// button, MAIN INPUT, the start button and the data fields of the geometry
// column. The two flow fields EDIT75 and EDIT76 stay enabled.
constexpr const char* kFrozenMain[] = {
    "BUTTON24", "BUTTON25", "BUTTON29", "BUTTON4",  "BUTTON2",  "BUTTON22", "BUTTON28", "BUTTON12",
    "BUTTON16", "BUTTON14", "BUTTON15", "BUTTON17", "BUTTON18", "BUTTON19", "RADIO7",   "RADIO8",
    "RADIO18",  "RADIO19",  "BUTTON6",  "BUTTON7",  "BUTTON30", "BUTTON31", "BUTTON26", "BUTTON27",
    "BUTTON35", "BUTTON23", "BUTTON20", "BUTTON41", "BUTTON1",  "EDIT22",   "EDIT28",   "EDIT2",
    "EDIT1",    "EDIT3",    "EDIT25",   "EDIT4",    "EDIT5",    "EDIT16",   "EDIT6",    "EDIT15",
    "EDIT73",   "EDIT17",   "EDIT18",   "EDIT53",   "EDIT19",   "EDIT45",   "EDIT29",   "EDIT46",
    "EDIT47",   "EDIT48",   "EDIT49",   "EDIT50",   "EDIT51",   "EDIT52",
};

// Main data form controls frozen during a run: the composition block. The
// form is hidden for the run; MAIN INPUT lays these out again when it
// reopens the form.
constexpr const char* kFrozenData[] = {"EDIT87", "EDIT88", "EDIT89", "EDIT90",   "EDIT113",
                                       "RADIO4", "RADIO5", "RADIO6", "BUTTON37", "BUTTON38"};

// Phase 1: hide the main data form, clear the window, disable the inputs,
// caption the start button for the language.
void freezeForms(Session& s) {
    FormStore& f = s.forms;
    f.hideForm("FORM7");
    s.console.clear();
    const int unitCode = static_cast<int>(f.number(kMain, "EDIT74"));
    for (const char* c : kFrozenMain) f.setEnabled(kMain, c, false);
    for (const char* c : kFrozenData) f.setEnabled("FORM7", c, false);
    f.setText(kMain, "BUTTON1", isJapanese(unitCode) ? " 計算開始" : " START");
}

// Phase 0: every field read whole and every quantity in its range; a
// refused field's message in the text window, the field selected for
// retyping, and the run does not start.
bool refuseEntries(Session& s) {
    std::optional<FieldRefusal> refusal = findPartlyReadField(s.forms, "");
    if (!refusal) refusal = findEntryOutOfRange(readDesignCase(s.forms), "");
    if (!refusal) return false;
    s.console.clear();
    s.console.print("");
    s.console.print(refusal->message);
    s.console.halt();
    s.console.clear();
    selectRefusedField(s.forms, *refusal);
    return true;
}

}  // namespace

void BUTTON1_ON(Session& session, const ResultsStage& results) {
    if (refuseEntries(session)) return;
    freezeForms(session);
    session.lastTrace = CalcTrace(true);
    try {
        // An automatic area adjustment gives the inputs of a smaller
        // exchanger, solved again.
        RunInputs inputs = prepare(readEnteredCase(session.forms), session.console);
        ConsoleProgress progress(session.console);
        progress.attachTrace(session.lastTrace);
        AreaAdjustment adjustment;
        for (;;) {
            const Solution solution = solve(inputs, progress);
            if (std::optional<RunInputs> adjusted =
                    checkPhaseChangeSolution(inputs, solution, session.console, adjustment)) {
                inputs = std::move(*adjusted);
                continue;
            }
            checkSolution(inputs, solution, session.console);
            if (results) results(session, inputs, solution);
            break;
        }
    } catch (const RunEnded& e) {
        // The step that ended the run has shown its message and halted.
        session.lastTrace.endWith({e.message});
    }
    endOfRunReset(session);
}

void endOfRunReset(Session& session) {
    FormStore& f = session.forms;
    session.console.clear();
    enableInputs(session);
    f.setText(kMain, "TEXT82", "");
    f.setText(kMain, "TEXT74", "");
    f.hideForm("FORM3");
    f.setText("FORM4", "EDIT54", "0");
    f.setText("FORM4", "EDIT72", "0");
}

void enableInputs(Session& session) {
    FormStore& f = session.forms;
    for (const char* c : kFrozenMain) f.setEnabled(kMain, c, true);
    // The flow arrangement is a choice only in the sensible mode with the
    // length given (or not yet chosen); the twisted tape not in the other modes.
    const int solveFor = static_cast<int>(f.number(kMain, "EDIT86"));
    const int fluidMode = static_cast<int>(f.number(kMain, "EDIT39"));
    const bool flowChoice = solveFor != kShellOutletGiven && solveFor != kTubeOutletGiven;
    f.setEnabled(kMain, "EDIT53", flowChoice);
    f.setEnabled(kMain, "BUTTON27", flowChoice);
    if (fluidMode == kTubeWetGas || fluidMode == kTubePhaseChange ||
        fluidMode == kShellPhaseChange) {
        for (const char* c : {"EDIT53", "BUTTON27", "BUTTON30", "BUTTON31"})
            f.setEnabled(kMain, c, false);
    }
}

void registerCalculationHandlers(DispatchTable& table, ResultsStage results) {
    table.add("MAINFORM", "BUTTON1", [results](Session& s) { BUTTON1_ON(s, results); });
}

}  // namespace hx
