// The checks every entry of a case passes before it is calculated, in one
// place for every path: the forms' OK buttons check the fields of their own
// form, the start button every field, and the headless runs (case files,
// sweep rows) the entered case through `prepare`.
//
// - Each field is read whole: a number followed by anything but blanks
//   ("1x0", "12,5", "3..4") is refused, where the lenient read would take
//   its prefix; an empty field and the placeholder marks read as 0.
// - Each quantity the case uses lies in its range (the field catalogue's,
//   in the units of the code), with a few physical limits beyond it: a
//   typed film coefficient above 0, a liquid inlet above absolute zero.
// - The temperature checks of the main data form's OK.
//
// A refusal names the field as its caption does, in the language of the
// unit-and-language code, and says what is wrong.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/case/design_case.h"
#include "console/text_console.h"
#include "model/form_store.h"

namespace hx {

struct FieldRefusal {
    std::string form;     // "FORM7"
    std::string control;  // "EDIT80"
    std::string message;  // one line, as the form or the text window shows it
};

// The name of a field as its caption gives it ("Number of tubes",
// "伝熱管本数"), for the messages that refuse it; "" for a field without one.
std::string_view fieldName(std::string_view control, int unitCode);

// The first enabled field of `form` ("" for every form the run reads)
// whose text is a number with more text after it.
std::optional<FieldRefusal> findPartlyReadField(const FormStore& forms, std::string_view form);

// The first quantity of `form` ("" for every form) outside its range, the
// entries as typed (before any conversion). Only the quantities the case
// uses are checked: a field another mode uses may hold anything.
std::optional<FieldRefusal> findEntryOutOfRange(const DesignCase& dc, std::string_view form);

// A refused field is selected, its form shown, so that the user retypes it.
void selectRefusedField(FormStore& forms, const FieldRefusal& refusal);

// What the main data form's OK reads.
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

// The temperature checks of the main data form's OK in their order; the
// first failure is returned.
MainDataVerdict checkMainData(const MainDataEntries& e);

// The entries of that check as a case holds them.
MainDataEntries mainDataEntries(const DesignCase& dc);

// The range checks, and the main data form's temperature checks, on a case
// as entered; a failure prints its message in the text window, halts and
// ends the run. `prepare` calls both, so that a case that reaches the start
// button, a case file or a sweep row without the forms' OK is refused as
// the forms refuse it.
void checkEntryRanges(const DesignCase& dc, TextConsole& console);
void checkMainDataEntries(const DesignCase& dc, TextConsole& console);

}  // namespace hx
