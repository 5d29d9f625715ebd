// The inventory of the program's forms and controls: which forms exist,
// which controls each carries, with its kind, its resource text (the text
// it holds at launch) and its captions for the English and the Japanese
// codes. It is data, one table per form, in the order the forms lay their
// controls out; the front end builds its windows from it and startProgram
// fills the FormStore from it.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "app/form_store.h"

namespace hx {

struct ControlSpec {
    const char* name;        // EDIT75, TEXT20, BUTTON1, RADIO7, GROUP6, PICTURE1
    const char* resource;    // text or caption at launch
    const char* english;     // caption for the English codes (nullptr: same as resource)
    const char* japanese;    // caption for the Japanese codes (nullptr: same as resource)
    bool enabled = true;     // at launch
    bool visible = true;     // at launch
    const char* role = "";   // what the field holds, with its unit, for the reader
};

struct FormSpec {
    const char* name;        // MAINFORM, FORM2 .. FORM10
    const char* title;
    int width = 0;           // pixels, 0 where no size is fixed
    int height = 0;
    std::span<const ControlSpec> controls;
};

// Every form, in the order MAINFORM, FORM2, FORM3, FORM4, FORM6 .. FORM10.
std::span<const FormSpec> formInventory();

// The spec of one control; nullptr when there is none.
const ControlSpec* findControlSpec(std::string_view form, std::string_view control);

// The caption a control shows under a unit-and-language code (1..4): the
// English or Japanese caption, or a code's own where a caption differs by
// code; the resource text where the control has no caption of its own.
std::string captionFor(std::string_view form, std::string_view control, int unitCode);

// Adds every form (hidden) and every control with its resource text and
// launch state to the store.
void buildInventory(FormStore& forms);

}  // namespace hx
