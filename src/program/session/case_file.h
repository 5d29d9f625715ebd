// Case files: a design case kept between program runs, as JSON.
//
//   { "format": "hxcalc-case", "version": 1,
//     "unit_system": "english_si",
//     "choices": { "fluid_mode": "sensible", ... },
//     "inputs":  { "tube_flow_t_h": 10, "fin_thickness_mm": null, ... },
//     "answers": { "window_tubes": 12 } }              (optional)
//
// Keys are those of the field catalogue. An input given as null keeps what
// the dialogs put into its field (a dash where it does not apply). Opening a
// case replays the clicks a user would make to reach it, in a scratch
// program, so every rule of the dialogs holds; only when that succeeded is
// the state copied into the forms (all or nothing).
#pragma once

#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "model/form_store.h"
#include "model/session.h"

namespace hx {

// A case file that cannot be used. The message names the file, the key and
// the problem: "case.json: inputs.tube_length_mm: -5 is below 0 mm".
class CaseFileError : public std::runtime_error {
public:
    explicit CaseFileError(const std::string& what) : std::runtime_error(what) {}
};

struct CaseValues {
    int unitCode = 1;                                    // 1, 3 or 4
    std::map<std::string, std::string> choices;          // key → option name
    std::map<std::string, std::optional<float>> inputs;  // key → value, or null
    std::map<std::string, std::string> answers;          // console question → answer
};

// The case the forms hold. Throws CaseFileError (naming `name`) when the
// dialog has not got as far as choosing the mode and both property methods.
CaseValues caseFromForms(const FormStore& forms, const std::string& name);

std::string caseToJson(const CaseValues& values);

// Parses and checks a case file's text: JSON, format and version, known
// keys, types, choice names and number ranges. Throws CaseFileError.
CaseValues parseCase(std::string_view text, const std::string& fileName);

CaseValues readCaseFile(const std::string& path);

// Writes the case to a temporary file beside `path` and renames it over
// `path`, so an interrupted save leaves the old file whole. Throws
// CaseFileError when the file cannot be written.
void writeCaseFile(const std::string& path, const CaseValues& values);

// Enters the case into a freshly started session through the dialogs, up
// to the start button. Throws CaseFileError for a required input that is
// missing, an input that does not apply, or a dialog that refuses the case.
void enterCase(Session& fresh, const CaseValues& values, const std::string& fileName);

// Opens a case into a running program: entered into a scratch program
// first, then every form and control copied over. On any error the forms
// are left as they were. A case whose entries a dialog's OK refuses (saved
// while that dialog showed its message) opens with that dialog open and
// its message, as it was left; the message is returned ("" otherwise).
std::string openCase(Session& session, const CaseValues& values, const std::string& fileName);

// Number text as a case writes it into a field: the shortest text that
// reads back as the same float.
std::string numberText(float value);

// A float as the JSON number of that shortest text (0.0005, not
// 0.0005000000237487257). NaN and infinity become null.
nlohmann::json jsonNumber(float value);

}  // namespace hx
