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

#include "model/form_store.h"

namespace hx {

struct ControlSpec {
    const char* name;       // EDIT75, TEXT20, BUTTON1, RADIO7, GROUP6, PICTURE1
    const char* resource;   // text or caption at launch
    const char* english;    // caption for the English codes (nullptr: same as resource)
    const char* japanese;   // caption for the Japanese codes (nullptr: same as resource)
    bool enabled = true;    // at launch
    bool visible = true;    // at launch
    const char* role = "";  // what the field holds, with its unit, for the reader
    // The caption under code 4 (Japanese, engineering units) where its unit
    // differs from the SI caption of code 3 ("(kcal/mhc)" against "(W/mK)");
    // nullptr where code 4 shows the Japanese caption.
    const char* code4 = nullptr;
};

// A static caption that has no control name of its own (a column heading,
// the item names of the weight panel, the captions of the result form).
// It is drawn beside the control it names, or free where `beside` is empty.
struct LabelSpec {
    const char* beside;    // control it belongs to, "" for a heading
    const char* english;   // nullptr: same as the Japanese text
    const char* japanese;  // nullptr: same as the English text
};

struct FormSpec {
    const char* name;   // MAINFORM, FORM2 .. FORM10
    const char* title;  // window title ("" where none is given)
    int width = 0;      // pixels, 0 where no size is fixed
    int height = 0;
    std::span<const ControlSpec> controls;
    std::span<const LabelSpec> labels = {};  // unnamed static captions, in reading order
    const char* englishTitle = nullptr;      // nullptr: the title in every language
};

// Every form, in the order MAINFORM, FORM2, FORM3, FORM4, FORM6 .. FORM10.
std::span<const FormSpec> formInventory();

// The entry of one form or control; nullptr when there is none.
const FormSpec* findFormSpec(std::string_view form);
const ControlSpec* findControlSpec(std::string_view form, std::string_view control);

// Whether a control's caption follows the language (it has an English, a
// Japanese or a code-4 caption), so that choosing a unit code re-captions it.
bool followsLanguage(const ControlSpec& spec);

// Codes 1 and 2 are English, 3 and 4 Japanese.
bool isEnglishCode(int unitCode);

// The caption a control shows under a unit-and-language code (1..4): the
// English or Japanese caption, or a code's own where a caption differs by
// code; the resource text where the control has no caption of its own or
// the code is outside 1..4. Throws UnknownControl for a control that is
// not in the inventory.
std::string captionFor(std::string_view form, std::string_view control, int unitCode);
std::string captionFor(const ControlSpec& spec, int unitCode);

// The text of an unnamed caption under a unit-and-language code.
std::string captionFor(const LabelSpec& label, int unitCode);

// Adds every form (hidden) and every control with its resource text and
// launch state to the store.
void buildInventory(FormStore& forms);

}  // namespace hx
