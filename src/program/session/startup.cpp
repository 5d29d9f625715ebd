// Launch: the forms, the dispatch table and the state right after start-up.
//
// The dialog walks through these states; each row names what is enabled:
//   choosing units     launch                   FORM6 only, start button disabled
//   editing the case   a unit button            fluid-mode row button, data fields,
//                                               OPEN/CLOSE, surface, tape and flow
//                                               buttons, the first step marker
//   properties chosen  the property buttons     MAIN INPUT
//   main data open     MAIN INPUT               FORM7 and the start button
//   main data checked  FORM7 OK, then FORM8 OK  the start button
//   running            the start button         nothing
// The start button is enabled only by MAIN INPUT and FORM8's OK.
#include "program/session/startup.h"

#include <span>

#include "calc/solver/calculation_driver.h"
#include "dialogs/fluid_mode.h"
#include "dialogs/main_data_form.h"
#include "dialogs/option_dialogs.h"
#include "dialogs/unit_system.h"
#include "model/geometry_column.h"
#include "model/inventory.h"
#include "program/session/sample_cases.h"
#include "report/screen/results_menu.h"

namespace hx {

namespace {

constexpr const char* kMain = "MAINFORM";

// The hidden option-code fields of the main window; they hold codes that
// the handlers write, never typed text.
constexpr const char* kCodeFields[] = {"EDIT77",  "EDIT40", "EDIT41", "EDIT39", "EDIT74", "EDIT79",
                                       "EDIT114", "EDIT86", "EDIT92", "EDIT91", "EDIT139"};

// The selection buttons of the main window: the three rows of the selection
// panel, surface, flow arrangement and twisted tape, figure, CLOSE, OPEN and
// MAIN INPUT.
constexpr const char* kSelectionButtons[] = {
    "BUTTON24", "BUTTON25", "BUTTON29", "BUTTON4",  "BUTTON2",  "BUTTON22", "BUTTON28", "BUTTON12",
    "BUTTON16", "BUTTON14", "BUTTON15", "BUTTON17", "BUTTON18", "BUTTON19", "BUTTON6",  "BUTTON7",
    "BUTTON26", "BUTTON27", "BUTTON30", "BUTTON31", "BUTTON20", "BUTTON23", "BUTTON35", "BUTTON41",
};

constexpr const char* kStepMarkers[] = {"EDIT42", "EDIT43", "EDIT44"};

void registerHandlers(DispatchTable& table) {
    registerUnitSystemHandlers(table);
    registerFluidModeHandlers(table);
    registerMainDataFormHandlers(table);
    registerOptionDialogHandlers(table);
    registerSampleCaseHandlers(table);
    registerCalculationHandlers(table, runResultsMenu);
}

void disable(FormStore& f, const char* form, std::span<const char* const> controls) {
    for (const char* c : controls) f.setEnabled(form, c, false);
}

// Nothing can be done before a unit system is chosen, except typing the
// two flows.
void lockMainWindow(FormStore& f) {
    f.setEnabled(kMain, "BUTTON1", false);
    disable(f, kMain, kCodeFields);
    f.setEnabled("FORM10", "EDIT125", false);
    f.setEnabled("FORM7", "EDIT102", false);
    disable(f, kMain, kSelectionButtons);
    for (const char* field : geometryColumnFields()) {
        const std::string_view name = field;
        if (name != "EDIT75" && name != "EDIT76") f.setEnabled(kMain, field, false);
    }
    disable(f, kMain, kStepMarkers);
    f.setEnabled("FORM6", "BUTTON43", false);
    f.setEnabled("FORM7", "BUTTON37", false);
    f.setEnabled("FORM7", "BUTTON38", false);
}

// FORM8 opens on "by formula": the correction factors apply, the manual
// coefficients do not.
void prepareCoefficientForm(FormStore& f) {
    f.setEnabled("FORM8", "RADIO9", true);
    f.setEnabled("FORM8", "RADIO10", true);
    for (const char* radio : {"RADIO11", "RADIO12", "RADIO13"}) f.setEnabled("FORM8", radio, false);
    for (const char* field : {"EDIT115", "EDIT116"}) {
        f.setText("FORM8", field, "    ―");
        f.setEnabled("FORM8", field, false);
    }
    for (const char* label : {"TEXT169", "TEXT170", "TEXT171", "TEXT172"})
        f.setEnabled("FORM8", label, false);
}

}  // namespace

void startProgram(Session& session) {
    FormStore& f = session.forms;
    buildInventory(f);
    f.showForm(kMain);
    registerHandlers(session.handlers);

    f.setText(kMain, "EDIT24", "");
    lockMainWindow(f);
    prepareCoefficientForm(f);
    f.setEnabled("FORM7", "EDIT82", true);

    // The weight estimate is on: its panel is uncovered.
    f.setText(kMain, "EDIT139", "1");
    f.setVisible(kMain, "TEXT225", false);
    f.setVisible(kMain, "TEXT220", false);

    f.showForm("FORM6");
    // The event loop belongs to the front end: it dispatches each click
    // through session.handlers until the main window is closed.
}

}  // namespace hx
