// The field catalogue: every input of a design case under a readable key
// (tube_inside_diameter_mm, shell_flow_t_h, fluid_mode), with the form
// field or option code behind it, its unit in each unit system, its
// allowed range or choices and a one-line description in English and
// Japanese. Case files, the command line, the tooltips and the generated
// documentation all read this one table.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace hx {

// When an input belongs to a case. Most always do (a field the dialogs mark
// as not applicable simply holds its dash); a few fields hold another
// quantity in another mode and so carry two keys.
enum class Applies {
    Always,
    ShellAndTube,         // exchanger type 1
    DoubleTube,           // exchanger type 2
    NotEvaporation,       // not an evaporating phase change (modes 3, 4)
    Evaporation,          // evaporation in mode 3 or 4
    NotShellEvaporation,  // anything but evaporation on the shell side
    ShellEvaporation,     // mode 4 with evaporation
};

// One value of a choice: its name in a case file, the option code the
// dialogs keep, and the button that writes it (nullptr where the code is
// typed into its field).
struct ChoiceOption {
    const char* name;
    const char* code;
    const char* button;  // "FORM.BUTTON" or nullptr
    const char* english;
    const char* japanese;
};

struct CatalogueField {
    const char* key;
    const char* form;
    const char* control;
    const char* symbol;  // the name the reports use ("" where none)
    // Units: the SI codes (1, 3) and the engineering code (4); "-" for a
    // pure number, "" for a choice.
    const char* unitSI;
    const char* unitEngineering;
    // Allowed range, in the units of each system.
    float minSI, maxSI, minEngineering, maxEngineering;
    const char* english;
    const char* japanese;
    Applies applies = Applies::Always;
    std::span<const ChoiceOption> choices = {};  // empty for a number
    // A case file may leave the key out: the field stays blank and the
    // program derives the quantity (the bundle as specified).
    bool optional = false;

    bool isChoice() const { return !choices.empty(); }
};

// Every entry, choices first in the order a user makes them, then the
// numbers in the order of the forms.
std::span<const CatalogueField> fieldCatalogue();

// The entry of a key; nullptr when there is none.
const CatalogueField* findCatalogueField(std::string_view key);

// The option of a choice by name or by code; nullptr when there is none.
const ChoiceOption* findChoiceByName(const CatalogueField& field, std::string_view name);
const ChoiceOption* findChoiceByCode(const CatalogueField& field, int code);

// Whether a unit-and-language code uses the SI units (1, 2 are English;
// 1, 3 are SI).
inline bool isSICode(int unitCode) { return unitCode == 1 || unitCode == 3; }

// The one-line tooltip of a form field: quantity, symbol and unit in the
// presentation's language ("Baffle spacing B, mm"); a Japanese tooltip
// names both units where they differ. "" for a control without an entry.
std::string fieldTooltip(std::string_view form, std::string_view control, bool japanese);

// How a field's text stands against the catalogue's range, for marking the
// field as the user types: `outside` when the text reads as a number with
// text after it, or as a number outside every range the catalogue gives the
// field (a field holding two quantities in different modes takes either).
// An empty text and a placeholder mark are not marked. `range` is the
// allowed range in the units of the code ("0 … 1 m2K/W"; two ranges joined
// by " / "), "" for a field without an entry.
struct FieldMark {
    bool outside = false;
    std::string range;
};
FieldMark fieldMark(std::string_view form, std::string_view control, std::string_view text,
                    int unitCode);

// The catalogue as a Markdown table, for docs/case-file.md.
std::string catalogueMarkdown();

}  // namespace hx
