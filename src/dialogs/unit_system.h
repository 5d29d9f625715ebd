// FORM6, the unit-system form shown at launch: three buttons choose the unit
// system and the report language as one code (1 English/SI, 3 Japanese/SI,
// 4 Japanese/engineering), re-caption the forms for it, open the main
// window for editing and print the guidance box; OK closes the form.
#pragma once

#include <span>
#include <string_view>

#include "console/text_console.h"
#include "model/session.h"

namespace hx {

void BUTTON32_ON(Session& session);  // "SI unit ENGLISH": code 1
void BUTTON33_ON(Session& session);  // engineering units, Japanese: code 4
void BUTTON34_ON(Session& session);  // SI units, Japanese: code 3
void BUTTON43_ON(Session& session);  // OK: hide FORM6, enable the figure button

// What every unit button does for its code: writes the code into EDIT74,
// captions every control for it, enables the case for editing and prints
// the guidance box.
void chooseUnitSystem(Session& session, int unitCode);

// Sets every caption of every form to the one of the unit code.
void applyCaptions(FormStore& forms, int unitCode);

// The lines of the guidance box under its title: English for the English
// codes, Japanese for the Japanese codes.
std::span<const std::string_view> guidanceBox(int unitCode);

// Clears the text window and prints two empty lines, the program title and
// the guidance box.
void printGuidance(TextConsole& console, int unitCode);

void registerUnitSystemHandlers(DispatchTable& table);

}  // namespace hx
