#include "program/session/case_file.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <vector>

#include "console/scripted_console.h"
#include "core/lenient_number.h"
#include "model/field_catalogue.h"
#include "model/platform.h"
#include "program/session/startup.h"

namespace hx {

namespace {

using nlohmann::json;

constexpr const char* kFormat = "hxcalc-case";
constexpr int kVersion = 1;

// A case file is a few kilobytes; anything near this is no case file, and
// is refused before it is read.
constexpr std::uintmax_t kLargestCaseFile = 16u * 1024u * 1024u;

// The longest piece of a bad value a message quotes.
constexpr std::size_t kQuotedLength = 80;

// The console questions a case may answer, by their key in "answers".
constexpr const char* kAnswerKeys[] = {"window_tubes", "window_rows", "dew_point_choice",
                                       "prandtl_force", "excess_area"};

[[noreturn]] void refuse(const std::string& file, const std::string& key,
                         const std::string& problem) {
    throw CaseFileError(file + ": " + (key.empty() ? "" : key + ": ") + problem);
}

// A value or key as a message quotes it: in double quotes, cut after
// kQuotedLength bytes (at a character boundary) with an ellipsis, so a huge
// value gives a one-line message.
std::string quotedValue(std::string_view text) {
    if (text.size() <= kQuotedLength) return "\"" + std::string(text) + "\"";
    std::size_t cut = kQuotedLength;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return "\"" + std::string(text.substr(0, cut)) + "…\"";
}

// A key of the file, shortened as a quoted value is.
std::string keyName(std::string_view key) {
    return key.size() <= kQuotedLength ? std::string(key) : quotedValue(key);
}

std::string optionNames(const CatalogueField& f) {
    std::string names;
    for (const ChoiceOption& o : f.choices)
        names += (names.empty() ? "" : ", ") + std::string(o.name);
    return names;
}

const CatalogueField& unitSystemField() { return *findCatalogueField("unit_system"); }

int codeOf(const ChoiceOption& o) { return std::stoi(o.code); }

// Whether an entry belongs to a case of these codes.
bool applies(const CatalogueField& f, int exchangerType, int fluidMode, int phaseChange) {
    const bool evaporation = (fluidMode == 3 || fluidMode == 4) && phaseChange == 2;
    const bool shellEvaporation = fluidMode == 4 && phaseChange == 2;
    switch (f.applies) {
        case Applies::Always: return true;
        case Applies::ShellAndTube: return exchangerType != 2;
        case Applies::DoubleTube: return exchangerType == 2;
        case Applies::NotEvaporation: return !evaporation;
        case Applies::Evaporation: return evaporation;
        case Applies::NotShellEvaporation: return !shellEvaporation;
        case Applies::ShellEvaporation: return shellEvaporation;
    }
    return true;
}

int formCode(const FormStore& forms, const char* form, const char* control) {
    return static_cast<int>(forms.number(form, control));
}

bool appliesInForms(const CatalogueField& f, const FormStore& forms) {
    return applies(f, formCode(forms, "MAINFORM", "EDIT114"), formCode(forms, "MAINFORM", "EDIT39"),
                   formCode(forms, "FORM9", "EDIT121"));
}

// A field's text as a number when the whole text is one ("  10", "0.0005"),
// nothing for a placeholder, a word or an empty field.
std::optional<float> wholeNumber(const std::string& text) {
    const auto b = text.find_first_not_of(' ');
    if (b == std::string::npos) return std::nullopt;
    const auto e = text.find_last_not_of(' ');
    const std::string t = text.substr(b, e - b + 1);
    char* end = nullptr;
    const float v = std::strtof(t.c_str(), &end);
    if (end == t.c_str() || *end != '\0' || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::string unitOf(const CatalogueField& f, int unitCode) {
    return isSICode(unitCode) ? f.unitSI : f.unitEngineering;
}

void checkRange(const CatalogueField& f, float v, int unitCode, const std::string& file) {
    const bool si = isSICode(unitCode);
    const float lo = si ? f.minSI : f.minEngineering;
    const float hi = si ? f.maxSI : f.maxEngineering;
    if (v >= lo && v <= hi) return;
    std::string unit = unitOf(f, unitCode);
    unit = unit == "-" ? "" : " " + unit;
    refuse(file, std::string("inputs.") + f.key,
           numberText(v) + " is outside " + numberText(lo) + " … " + numberText(hi) + unit);
}

const json& member(const json& doc, const char* key, const std::string& file) {
    if (!doc.contains(key)) refuse(file, key, "missing");
    return doc.at(key);
}

// The JSON parser of a case file: the document as nlohmann builds it, and
// the key path of the value being read, so that a number the parser cannot
// hold ("1e400") is named by its key.
class KeyTrackingParser : public nlohmann::detail::json_sax_dom_parser<json> {
public:
    explicit KeyTrackingParser(json& doc) : json_sax_dom_parser(doc) {}

    bool start_object(std::size_t n) {
        path_.emplace_back();
        return json_sax_dom_parser::start_object(n);
    }
    bool end_object() {
        path_.pop_back();
        return json_sax_dom_parser::end_object();
    }
    bool start_array(std::size_t n) {
        path_.emplace_back("[]");
        return json_sax_dom_parser::start_array(n);
    }
    bool end_array() {
        path_.pop_back();
        return json_sax_dom_parser::end_array();
    }
    bool key(string_t& k) {
        if (!path_.empty()) path_.back() = keyName(k);
        return json_sax_dom_parser::key(k);
    }
    // "inputs.tube_count"
    std::string where() const {
        std::string w;
        for (const std::string& k : path_) w += (w.empty() ? "" : ".") + k;
        return w;
    }

private:
    std::vector<std::string> path_;
};

void readChoices(const json& section, CaseValues& values, const std::string& file) {
    if (!section.is_object()) refuse(file, "choices", "wrong type: expected an object");
    for (const auto& [key, value] : section.items()) {
        const std::string path = "choices." + keyName(key);
        const CatalogueField* f = findCatalogueField(key);
        if (!f || !f->isChoice() || key == "unit_system") refuse(file, path, "unknown key");
        if (value.is_null()) continue;
        if (!value.is_string()) refuse(file, path, "wrong type: expected a choice name or null");
        const std::string name = value.get<std::string>();
        if (!findChoiceByName(*f, name))
            refuse(file, path, quotedValue(name) + " is not one of " + optionNames(*f));
        values.choices[key] = name;
    }
}

void readInputs(const json& section, CaseValues& values, const std::string& file) {
    if (!section.is_object()) refuse(file, "inputs", "wrong type: expected an object");
    for (const auto& [key, value] : section.items()) {
        const std::string path = "inputs." + keyName(key);
        const CatalogueField* f = findCatalogueField(key);
        if (!f || f->isChoice()) refuse(file, path, "unknown key");
        if (value.is_null()) {
            values.inputs[key] = std::nullopt;
            continue;
        }
        if (!value.is_number()) refuse(file, path, "wrong type: expected a number or null");
        const double d = value.get<double>();
        const float v = static_cast<float>(d);
        if (!std::isfinite(v)) refuse(file, path, "the number is too large");
        checkRange(*f, v, values.unitCode, file);
        values.inputs[key] = v;
    }
}

void readAnswers(const json& section, CaseValues& values, const std::string& file) {
    if (!section.is_object()) refuse(file, "answers", "wrong type: expected an object");
    for (const auto& [key, value] : section.items()) {
        const std::string path = "answers." + keyName(key);
        if (std::find(std::begin(kAnswerKeys), std::end(kAnswerKeys), key) == std::end(kAnswerKeys))
            refuse(file, path, "unknown key");
        const bool count = key == "window_tubes" || key == "window_rows";
        if (value.is_string() && count) {
            // A count typed as text is read whole, as the forms read it.
            const std::string text = value.get<std::string>();
            const NumberText read = readWholeNumber(text);
            if (!read.whole)
                refuse(file, path,
                       quotedValue(text) + " is not a number: " + quotedValue(read.rest) +
                           " follows it");
            values.answers[key] = text;
        } else if (value.is_string())
            values.answers[key] = value.get<std::string>();
        else if (value.is_number()) {
            const float v = value.get<float>();
            if (!std::isfinite(v)) refuse(file, path, "the number is too large");
            values.answers[key] = numberText(v);
        } else
            refuse(file, path, "wrong type: expected a text or a number");
    }
}

// --- entering a case through the dialogs --------------------------------

std::pair<std::string, std::string> splitControl(const char* qualified) {
    const std::string s = qualified;
    const auto dot = s.find('.');
    return {s.substr(0, dot), s.substr(dot + 1)};
}

struct Entering {
    Session& s;
    const CaseValues& values;
    const std::string& file;

    Entering(Session& session, const CaseValues& v, const std::string& f)
        : s(session), values(v), file(f) {}

    // Only the clicks that lay out the forms for the choices: no number is
    // typed, no OK may refuse, and a choice the dialogs do not offer here
    // is passed over. What a save uses to tell which fields the case has.
    bool layoutOnly = false;
    // An OK whose check refuses the entries leaves its form open with the
    // message, as the user left it, instead of refusing the file; the
    // message is kept here.
    bool keepRefusedForm = false;
    std::string refusedMessage;

    const ChoiceOption* chosen(const char* key) const {
        const auto it = values.choices.find(key);
        if (it == values.choices.end()) return nullptr;
        return findChoiceByName(*findCatalogueField(key), it->second);
    }

    const ChoiceOption& required(const char* key) const {
        const ChoiceOption* o = chosen(key);
        if (!o)
            refuse(file, std::string("choices.") + key,
                   layoutOnly ? "not chosen yet; the case cannot be saved" : "missing");
        return *o;
    }

    void click(const char* qualified) {
        const auto [form, control] = splitControl(qualified);
        s.click(form, control);
    }

    // Presses the option's button unless its code is already held, as a
    // user leaves a choice that is already made. A choice the dialog does
    // not offer in this case is refused; with `kept`, the code is one a
    // field keeps from an earlier layout of the dialog (the solve-for
    // choice after a phase-change mode replaced the sensible one), and it
    // is restored as the field held it.
    // `pressAnyway`: the button acts on the form beyond writing its code,
    // so it is pressed even when the code is already in place.
    void choose(const char* key, bool kept = false, bool pressAnyway = false) {
        const ChoiceOption* o = chosen(key);
        if (!o || !o->button) return;
        const CatalogueField& f = *findCatalogueField(key);
        if (formCode(s.forms, f.form, f.control) == codeOf(*o) && !pressAnyway) return;
        auto [form, control] = splitControl(o->button);
        // A wet gas at its own pressure is entered by hand and keeps the
        // code of a gas by correlation: the one button of the two enabled.
        if (key == std::string_view("tube_properties") && codeOf(*o) == 4 &&
            !s.forms.enabled(form, control))
            control = "BUTTON16";
        if (!s.forms.enabled(form, control) && kept) {
            s.forms.setText(f.form, f.control, o->code);
            // The main data form keeps its own copy of the solve-for code.
            if (key == std::string_view("solve_for")) s.forms.setText("FORM7", "EDIT122", o->code);
            return;
        }
        if (!s.forms.enabled(form, control) && layoutOnly) return;
        if (!s.forms.enabled(form, control))
            refuse(file, std::string("choices.") + key,
                   "\"" + std::string(o->name) + "\" cannot be chosen in this case");
        s.click(form, control);
    }

    // The choices typed into a field rather than clicked.
    void typeChoices() {
        for (const char* key : {"water_content_unit", "tubes_on_cut_line"}) {
            const ChoiceOption* o = chosen(key);
            if (!o) continue;
            const CatalogueField& f = *findCatalogueField(key);
            if (formCode(s.forms, f.form, f.control) != codeOf(*o))
                s.forms.setText(f.form, f.control, o->code);
        }
    }

    // The typed choices of one form that its fields hold (the head type and
    // the tube count of the bundle as specified).
    void typeFormChoices(std::string_view form) {
        for (const auto& [key, name] : values.choices) {
            const CatalogueField& f = *findCatalogueField(key);
            if (f.form != form || !f.optional) continue;
            const ChoiceOption* o = findChoiceByName(f, name);
            if (o && !o->button && s.forms.enabled(f.form, f.control))
                s.forms.setText(f.form, f.control, o->code);
        }
    }

    // Types every given number of one form into its field.
    void typeInputs(std::string_view form) {
        if (layoutOnly) return;
        const int exchanger = formCode(s.forms, "MAINFORM", "EDIT114");
        const int mode = formCode(s.forms, "MAINFORM", "EDIT39");
        const int phase = formCode(s.forms, "FORM9", "EDIT121");
        for (const auto& [key, value] : values.inputs) {
            const CatalogueField& f = *findCatalogueField(key);
            if (f.form != form) continue;
            const std::string path = "inputs." + key;
            if (!applies(f, exchanger, mode, phase)) {
                if (value) refuse(file, path, "does not apply to this case");
                continue;
            }
            if (!value) {
                // No number: the field is left empty where the dialogs put a
                // number into it, and keeps a dash or a word they put there.
                if (wholeNumber(s.forms.text(f.form, f.control)))
                    s.forms.setText(f.form, f.control, "");
                continue;
            }
            if (!s.forms.enabled(f.form, f.control))
                refuse(file, path, "does not apply to this case (the field is disabled)");
            s.forms.setText(f.form, f.control, numberText(*value));
        }
    }

    // Presses an OK button whose check may refuse: the check writes its
    // message on the form and waits for a key, which a scratch program
    // does not give.
    void confirm(const char* form, const char* button, const char* messageLabel) {
        // A form refused before: its OK was never passed, so the next is not reached.
        if (!refusedMessage.empty()) return;
        try {
            s.click(form, button);
        } catch (const NoAnswer&) {
            // The check halted: its message is on the form.
        }
        if (layoutOnly) return;
        if (s.forms.formVisible(form)) {
            std::string message = s.forms.text(form, messageLabel);
            const auto b = message.find_first_not_of(' ');
            message = b == std::string::npos ? "the entries were refused" : message.substr(b);
            if (keepRefusedForm) {
                refusedMessage = message;
                return;
            }
            refuse(file, "", std::string("the dialog refuses the case: ") + message);
        }
    }

    void requireGivenInputs() {
        for (const CatalogueField& f : fieldCatalogue()) {
            if (f.isChoice() || f.optional || !appliesInForms(f, s.forms)) continue;
            if (!s.forms.enabled(f.form, f.control)) continue;
            if (values.inputs.count(f.key) == 0)
                refuse(file, std::string("inputs.") + f.key, "missing");
        }
    }

    void checkChoicesHeld() {
        for (const auto& [key, name] : values.choices) {
            const CatalogueField& f = *findCatalogueField(key);
            const ChoiceOption& o = *findChoiceByName(f, name);
            if (formCode(s.forms, f.form, f.control) != codeOf(o))
                refuse(file, "choices." + key, "\"" + name + "\" cannot be chosen in this case");
        }
    }

    void run() {
        const ChoiceOption* units = findChoiceByCode(unitSystemField(), values.unitCode);
        click(units->button);
        const ChoiceOption& exchanger = required("exchanger_type");
        if (codeOf(exchanger) == 2) click(exchanger.button);
        click("MAINFORM.BUTTON35");  // the sample of the exchanger type: captions and geometry
        typeChoices();

        const ChoiceOption& mode = required("fluid_mode");
        const int fluidMode = codeOf(mode);
        click("MAINFORM.BUTTON24");
        click(mode.button);
        if (fluidMode == 2) {
            click(required("wet_gas_basis").button);
            click("FORM10.BUTTON48");
        }
        typeChoices();
        click("MAINFORM.BUTTON25");
        choose("tube_properties");
        required("tube_properties");
        click("MAINFORM.BUTTON29");
        choose("shell_properties");
        required("shell_properties");
        if (fluidMode == 3 || fluidMode == 4) {
            click(required("phase_change").button);
            click("FORM9.BUTTON47");
        }
        // A low-fin choice keeps the fin data the case gives: the restore
        // question is answered yes and the fields are typed below.
        if (const ChoiceOption* surface = chosen("tube_surface");
            surface && codeOf(*surface) == 2) {
            if (auto* scripted = dynamic_cast<ScriptedPlatform*>(&s.platform))
                scripted->queueYesNo(true);
        }
        choose("tube_surface");
        choose("twisted_tape");
        choose("weight_calculation");
        click("MAINFORM.BUTTON41");  // MAIN INPUT
        choose("flow_arrangement", true);
        choose("solve_for", true);
        // A gas by correlation: its composition option lays out the
        // composition fields, and the adjustment button computes the
        // composition from the values typed.
        const bool gasMixture = formCode(s.forms, "MAINFORM", "EDIT40") == 4;
        choose("gas_composition", true, gasMixture);
        typeChoices();
        typeInputs("MAINFORM");
        typeInputs("FORM7");
        choose("composition_adjustment", true, gasMixture);
        confirm("FORM7", "BUTTON40", "TEXT177");
        choose("coefficient_setting");
        choose("manual_side", true);
        choose("calculation_basis", true);
        typeFormChoices("FORM8");
        typeInputs("FORM8");
        confirm("FORM8", "BUTTON45", "TEXT176");
        if (layoutOnly) return;
        checkChoicesHeld();
        requireGivenInputs();
    }
};

void copyForms(const FormStore& from, FormStore& to) {
    for (const std::string& form : from.forms()) {
        for (const std::string& control : from.controls(form)) {
            const ControlState& c = from.control(form, control);
            to.setText(form, control, c.text);
            to.setEnabled(form, control, c.enabled);
            to.setVisible(form, control, c.visible);
        }
        if (from.formVisible(form))
            to.showForm(form);
        else
            to.hideForm(form);
    }
}

}  // namespace

std::string numberText(float value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

nlohmann::json jsonNumber(float value) {
    if (!std::isfinite(value)) return nullptr;
    const float whole = std::round(value);
    if (whole == value && std::fabs(value) < 1.0e9f) return static_cast<long long>(whole);
    return std::stod(numberText(value));
}

CaseValues caseFromForms(const FormStore& forms, const std::string& name) {
    CaseValues values;
    values.unitCode = formCode(forms, "MAINFORM", "EDIT74");
    if (!findChoiceByCode(unitSystemField(), values.unitCode))
        refuse(name, "unit_system", "no unit system is chosen yet");
    for (const char* key :
         {"exchanger_type", "fluid_mode", "tube_properties", "shell_properties"}) {
        const CatalogueField& f = *findCatalogueField(key);
        if (!findChoiceByCode(f, formCode(forms, f.form, f.control)))
            refuse(name, std::string("choices.") + key, "not chosen yet; the case cannot be saved");
    }
    // Every code the forms hold. A run freezes the forms and the end of a
    // run enables every field again, and a code of an earlier layout stays
    // in its field (the phase change after the mode went back to sensible
    // heat): neither the enabled marks nor every code of the live forms
    // tell what the case is. The dialogs do: the choices are laid out in
    // a scratch program, and the case has the choices that hold there (a
    // code the dialogs do not offer in this case is left out, one not made
    // yet is the dialogs' own) and the fields that are open there.
    CaseValues codes = values;
    for (const CatalogueField& f : fieldCatalogue()) {
        if (!f.isChoice() || f.key == std::string_view("unit_system")) continue;
        if (const ChoiceOption* o = findChoiceByCode(f, formCode(forms, f.form, f.control)))
            codes.choices[f.key] = o->name;
    }
    ScriptedConsole console;
    ScriptedPlatform platform;
    Session scratch(console, platform);
    startProgram(scratch);
    Entering layout{scratch, codes, name};
    layout.layoutOnly = true;
    try {
        layout.run();
    } catch (const NoAnswer&) {
        // A question of the dialogs: the layout up to it is what counts.
    }
    const FormStore& laid = scratch.forms;
    for (const CatalogueField& f : fieldCatalogue()) {
        if (!f.isChoice() || f.key == std::string_view("unit_system")) continue;
        if (const ChoiceOption* o = findChoiceByCode(f, formCode(laid, f.form, f.control)))
            values.choices[f.key] = o->name;
    }
    for (const CatalogueField& f : fieldCatalogue()) {
        if (f.isChoice() || !appliesInForms(f, laid) || !laid.enabled(f.form, f.control)) continue;
        const std::string& text = forms.text(f.form, f.control);
        const std::string key = std::string("inputs.") + f.key;
        const NumberText read = readWholeNumber(text);
        if (!read.whole)
            refuse(
                name, key,
                quotedValue(text) + " is not a number: " + quotedValue(read.rest) + " follows it");
        const std::optional<float> value = wholeNumber(text);
        if (value) checkRange(f, *value, values.unitCode, name);
        if (!value && !std::isfinite(read.value))
            refuse(name, key, quotedValue(text) + " is outside every range");
        values.inputs[f.key] = value;
    }
    return values;
}

std::string caseToJson(const CaseValues& values) {
    // Keys in catalogue order, so a saved file reads like the forms.
    nlohmann::ordered_json choices = nlohmann::ordered_json::object();
    nlohmann::ordered_json inputs = nlohmann::ordered_json::object();
    for (const CatalogueField& f : fieldCatalogue()) {
        if (f.isChoice()) {
            const auto it = values.choices.find(f.key);
            if (it != values.choices.end()) choices[f.key] = it->second;
        } else if (const auto it = values.inputs.find(f.key); it != values.inputs.end()) {
            inputs[f.key] = it->second ? jsonNumber(*it->second) : json(nullptr);
        }
    }
    nlohmann::ordered_json doc;
    doc["format"] = kFormat;
    doc["version"] = kVersion;
    doc["unit_system"] = findChoiceByCode(unitSystemField(), values.unitCode)->name;
    doc["choices"] = choices;
    doc["inputs"] = inputs;
    if (!values.answers.empty()) doc["answers"] = values.answers;
    return doc.dump(2) + "\n";
}

CaseValues parseCase(std::string_view text, const std::string& fileName) {
    json doc;
    KeyTrackingParser sax(doc);
    try {
        json::sax_parse(text, &sax);
    } catch (const json::out_of_range& e) {
        // A number beyond every float ("1e400"), named by its key.
        refuse(fileName, sax.where(), "the number is too large");
    } catch (const json::exception& e) {
        std::string what = e.what();
        if (what.size() > 2 * kQuotedLength) what = quotedValue(what);
        refuse(fileName, "", "not JSON: " + what);
    }
    if (!doc.is_object()) refuse(fileName, "", "not a case file: expected a JSON object");
    for (const auto& [key, value] : doc.items()) {
        static_cast<void>(value);
        if (key != "format" && key != "version" && key != "unit_system" && key != "choices" &&
            key != "inputs" && key != "answers")
            refuse(fileName, keyName(key), "unknown key");
    }
    const json& format = member(doc, "format", fileName);
    if (!format.is_string() || format.get<std::string>() != kFormat)
        refuse(fileName, "format", "not an hxcalc case file (expected \"hxcalc-case\")");
    const json& version = member(doc, "version", fileName);
    if (!version.is_number_integer())
        refuse(fileName, "version", "wrong type: expected a whole number");
    // Compared at the width the file gives (4294967297 is no version 1).
    const bool supported = version.is_number_unsigned()
                               ? version.get<std::uint64_t>() == std::uint64_t{kVersion}
                               : version.get<std::int64_t>() == std::int64_t{kVersion};
    if (!supported)
        refuse(fileName, "version",
               "version " + version.dump() + " is not supported (this program reads version 1)");
    CaseValues values;
    const json& units = member(doc, "unit_system", fileName);
    if (!units.is_string()) refuse(fileName, "unit_system", "wrong type: expected a name");
    const ChoiceOption* u = findChoiceByName(unitSystemField(), units.get<std::string>());
    if (!u)
        refuse(fileName, "unit_system",
               quotedValue(units.get<std::string>()) + " is not one of " +
                   optionNames(unitSystemField()));
    values.unitCode = codeOf(*u);
    readChoices(member(doc, "choices", fileName), values, fileName);
    readInputs(member(doc, "inputs", fileName), values, fileName);
    if (doc.contains("answers")) readAnswers(doc.at("answers"), values, fileName);
    return values;
}

CaseValues readCaseFile(const std::string& path) {
    // A device (/dev/zero), a folder or a pipe is refused before it is
    // opened: reading one would never end or fill the memory.
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error) refuse(path, "", "cannot be read");
    if (!std::filesystem::is_regular_file(status))
        refuse(path, "", "not a regular file; a case file is a JSON file");
    if (std::filesystem::file_size(path, error) > kLargestCaseFile || error)
        refuse(path, "", "larger than 16 MB; not a case file");
    std::ifstream in(path, std::ios::binary);
    if (!in) refuse(path, "", "cannot be read");
    // At most the limit and one byte more, a block at a time (a case file
    // is a few kilobytes): a file that grew since is refused as well.
    std::string text;
    char block[8192];
    while (text.size() <= kLargestCaseFile && in.read(block, sizeof block).gcount() > 0)
        text.append(block, static_cast<std::size_t>(in.gcount()));
    if (in.bad()) refuse(path, "", "cannot be read");
    if (text.size() > kLargestCaseFile) refuse(path, "", "larger than 16 MB; not a case file");
    return parseCase(text, path);
}

void writeCaseFile(const std::string& path, const CaseValues& values) {
    const std::string text = caseToJson(values);
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        out.flush();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            refuse(path, "", "cannot be written");
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        refuse(path, "", "cannot be written: " + error.message());
    }
}

void enterCase(Session& fresh, const CaseValues& values, const std::string& fileName) {
    Entering entering{fresh, values, fileName};
    try {
        entering.run();
    } catch (const NoAnswer& e) {
        refuse(fileName, "", "the dialog stopped at a question: " + e.prompt());
    }
}

std::string openCase(Session& session, const CaseValues& values, const std::string& fileName) {
    ScriptedConsole console;
    ScriptedPlatform platform;
    Session scratch(console, platform);
    startProgram(scratch);
    Entering entering{scratch, values, fileName};
    entering.keepRefusedForm = true;
    try {
        entering.run();
    } catch (const NoAnswer& e) {
        refuse(fileName, "", "the dialog stopped at a question: " + e.prompt());
    }
    copyForms(scratch.forms, session.forms);
    session.console.clear();
    return entering.refusedMessage;
}

}  // namespace hx
