#include "validation/published_examples.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <stdexcept>

#include "model/field_catalogue.h"
#include "program/batch/batch_run.h"
#include "program/batch/headless_run.h"
#include "program/session/case_file.h"
#include "report/screen/presentation.h"
#include "validation/validation_tables.h"

namespace hx::validation {

namespace {

using nlohmann::json;

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::vector<std::string> splitOn(const std::string& line, char separator) {
    std::vector<std::string> out;
    std::stringstream in(line);
    std::string field;
    while (std::getline(in, field, separator)) out.push_back(trimmed(field));
    if (!line.empty() && line.back() == separator) out.emplace_back();  // an empty last field
    return out;
}

CheckStatus statusOf(const std::string& word, const std::string& file) {
    if (word == "assert") return CheckStatus::Assert;
    if (word == "pending") return CheckStatus::Pending;
    if (word == "method") return CheckStatus::Method;
    if (word == "info") return CheckStatus::Info;
    throw std::runtime_error(file + ": unknown check status '" + word + "'");
}

const char* statusWord(CheckStatus s) {
    switch (s) {
        case CheckStatus::Assert: return "assert";
        case CheckStatus::Pending: return "pending";
        case CheckStatus::Method: return "method";
        case CheckStatus::Info: return "info";
    }
    return "";
}

PublishedCheck checkOf(const std::string& rest, const std::string& file) {
    const std::vector<std::string> f = splitOn(rest, '|');
    if (f.size() != 7) throw std::runtime_error(file + ": a check needs 7 fields: " + rest);
    PublishedCheck c;
    c.label = f[0];
    c.result = f[1];
    c.published = std::stod(f[2]);
    c.unit = f[3];
    c.tolerancePercent = std::stod(f[4]);
    c.status = statusOf(f[5], file);
    c.note = f[6];
    if (c.status != CheckStatus::Info && c.note.empty() && c.status != CheckStatus::Assert)
        throw std::runtime_error(file + ": a " + f[5] + " check needs its reason: " + c.label);
    return c;
}

PublishedExample readExample(const std::filesystem::path& file) {
    std::ifstream in(file);
    if (!in) throw std::runtime_error("missing validation data " + file.string());
    PublishedExample e;
    e.name = file.stem().string();
    std::string line;
    while (std::getline(in, line)) {
        line = trimmed(line);
        if (line.empty() || line[0] == '#') continue;
        if (line.rfind("title:", 0) == 0)
            e.title = trimmed(line.substr(6));
        else if (line.rfind("source:", 0) == 0)
            e.source += (e.source.empty() ? "" : "; ") + trimmed(line.substr(7));
        else if (line.rfind("kind:", 0) == 0)
            e.kind = trimmed(line.substr(5));
        else if (line.rfind("check ", 0) == 0)
            e.checks.push_back(checkOf(line.substr(6), file.string()));
        else if (line.rfind("optional ", 0) == 0) {
            const std::vector<std::string> kv = splitOn(line.substr(9), '=');
            if (kv.size() != 2)
                throw std::runtime_error(file.string() + ": bad optional line: " + line);
            e.optionalInputs.emplace_back(kv[0], std::stof(kv[1]));
        } else {
            throw std::runtime_error(file.string() + ": unreadable line: " + line);
        }
    }
    if (e.title.empty() || e.source.empty() || e.checks.empty())
        throw std::runtime_error(file.string() + ": needs a title, a source and checks");
    return e;
}

bool catalogueKnows(const std::string& key) {
    for (const CatalogueField& f : fieldCatalogue())
        if (key == f.key) return true;
    return false;
}

// A number in the JSON result: a "results" entry by name, else any member
// of that name anywhere in the document (a number, or an object with a
// numeric "value").
std::optional<double> numberIn(const json& node, const std::string& name) {
    if (node.is_object()) {
        const auto it = node.find(name);
        if (it != node.end()) {
            if (it->is_number()) return it->get<double>();
            if (it->is_object() && it->contains("value") && (*it)["value"].is_number())
                return (*it)["value"].get<double>();
        }
        if (node.contains("name") && node["name"] == name && node.contains("value") &&
            node["value"].is_number())
            return node["value"].get<double>();
        for (const auto& [key, child] : node.items()) {
            if (auto v = numberIn(child, name)) return v;
        }
    } else if (node.is_array()) {
        for (const json& child : node)
            if (auto v = numberIn(child, name)) return v;
    }
    return std::nullopt;
}

std::optional<double> resultIn(const json& doc, const std::string& name) {
    if (doc.contains("results"))
        for (const json& r : doc["results"])
            if (r.value("name", "") == name && r["value"].is_number())
                return r["value"].get<double>();
    if (auto v = numberIn(doc, name)) return v;
    return std::nullopt;
}

// The correlations a run used outside their range, named once each (a
// warning line is "** NAME: QUANTITY = VALUE outside FROM to TO", one a pass).
std::vector<std::string> rangeWarningsOf(const std::vector<std::string>& warnings) {
    std::vector<std::string> names;
    for (const std::string& line : warnings) {
        const std::string text = trimmed(line);
        if (text.rfind("** ", 0) != 0 || text.find(" outside ") == std::string::npos) continue;
        const std::string name = text.substr(3, text.find(':') - 3);
        if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    }
    return names;
}

BasisRun runBasis(const PublishedExample& example, const std::string& basis) {
    const std::string path = dataPath("examples/" + example.name + ".json");
    CaseValues values = readCaseFile(path);
    values.choices["calculation_basis"] = basis;
    // The tube layout is a field of the textbook basis only.
    if (basis == "original") values.inputs.erase("tube_layout_deg");
    BasisRun run;
    // Entered geometry is a field of the textbook basis; a build whose
    // catalogue does not know the key derives it as before.
    for (const auto& [key, value] : example.optionalInputs) {
        if (basis != "textbook" || !catalogueKnows(key)) continue;
        values.inputs[key] = value;
        run.optionalKeysUsed.push_back(key);
    }
    const EnteredCase entered = enteredCaseOf(values, path);
    const HeadlessOutcome outcome = runHeadless(entered, values.answers, LimitPolicy{}, true);
    run.solved = outcome.solved;
    std::string message;
    for (const std::string& line : outcome.message)
        message += (message.empty() ? "" : " / ") + trimmed(line);
    run.status = outcome.solved ? "solved" : message;
    run.rangeWarnings = rangeWarningsOf(outcome.warnings);
    const json doc = json::parse(solveJson(values, outcome, Presentation::EnglishSI));
    for (const PublishedCheck& c : example.checks)
        run.values.push_back(outcome.solved ? resultIn(doc, c.result) : std::nullopt);
    return run;
}

std::string significant(double value, int digits = 5) {
    if (value == 0.0) return "0";
    char text[32];
    const double magnitude = std::fabs(value);
    if (magnitude >= 1e4 && magnitude < 1e9)
        std::snprintf(text, sizeof text, "%.0f", value);
    else if (magnitude >= 1e9 || magnitude < 1e-3)
        std::snprintf(text, sizeof text, "%.*e", digits - 1, value);
    else
        std::snprintf(text, sizeof text, "%.*g", digits, value);
    return text;
}

std::string signedPercentText(double p) {
    char text[32];
    std::snprintf(text, sizeof text, "%+.1f", p);
    return text;
}

std::string errorCell(const std::optional<double>& v, double published) {
    return v ? signedPercentText(percentError(*v, published)) : "—";
}

std::string valueCell(const std::optional<double>& v) { return v ? significant(*v) : "—"; }

// Where the textbook value stands against the tolerance.
std::string verdict(const PublishedCheck& c, const std::optional<double>& v) {
    if (c.status == CheckStatus::Info) return {};
    if (!v) return c.status == CheckStatus::Pending ? "pending (not reported yet)" : "not reported";
    const bool within = std::fabs(percentError(*v, c.published)) <= c.tolerancePercent;
    std::string out = within ? "within" : "outside";
    if (c.status == CheckStatus::Pending && !enforced(c)) out += " (not yet asserted)";
    if (c.status == CheckStatus::Method) out += " (other method)";
    return out;
}

std::string statusNote(const PublishedCheck& c, const std::optional<double>& v) {
    const std::string text = verdict(c, v);
    return text.empty() ? text : ": " + text;
}

// Checks of one status on the textbook basis: within the tolerance, all.
std::pair<int, int> tally(const ExampleComparison& c, CheckStatus status) {
    int within = 0, all = 0;
    for (std::size_t i = 0; i < c.example.checks.size(); ++i) {
        const PublishedCheck& k = c.example.checks[i];
        if (k.status != status) continue;
        ++all;
        const std::optional<double>& v = c.textbook.values[i];
        if (v && std::fabs(percentError(*v, k.published)) <= k.tolerancePercent) ++within;
    }
    return {within, all};
}

std::string summaryRow(const ExampleComparison& c) {
    std::ostringstream row;
    row << "| " << c.example.title.substr(0, c.example.title.find(" —")) << " | " << c.example.kind;
    for (CheckStatus s : {CheckStatus::Assert, CheckStatus::Pending, CheckStatus::Method}) {
        const auto [within, all] = tally(c, s);
        row << " | " << within << " / " << all;
    }
    row << " |\n";
    return row.str();
}

std::string checkRow(const PublishedCheck& k, const std::optional<double>& original,
                     const std::optional<double>& textbook) {
    std::ostringstream row;
    row << "| " << k.label << " (" << k.result << ") | " << significant(k.published) << " | "
        << k.unit << " | " << valueCell(original) << " | " << errorCell(original, k.published)
        << " | " << valueCell(textbook) << " | " << errorCell(textbook, k.published) << " | "
        << (k.status == CheckStatus::Info ? std::string("—") : significant(k.tolerancePercent, 3))
        << " | " << statusWord(k.status) << statusNote(k, textbook) << " |\n";
    return row.str();
}

std::string exampleSection(const ExampleComparison& c) {
    const PublishedExample& e = c.example;
    std::ostringstream md;
    md << "\n### " << e.title << "\n\n";
    md << "Source: " << e.source << ". Stands for: " << e.kind << ". Case file: `" << e.name
       << ".json`.\n\n";
    for (const BasisRun* run : {&c.original, &c.textbook})
        if (!run->solved)
            md << "The " << (run == &c.original ? "original" : "textbook")
               << " basis ended the run: " << run->status << "\n\n";
    if (!c.textbook.optionalKeysUsed.empty()) {
        md << "Entered geometry keys in this build:";
        for (const std::string& k : c.textbook.optionalKeysUsed) md << " `" << k << "`";
        md << ".\n\n";
    }
    if (!c.textbook.rangeWarnings.empty()) {
        md << "Used outside its range on the textbook basis (the run says so):";
        for (const std::string& w : c.textbook.rangeWarnings) md << " " << w << ";";
        md << "\n\n";
    }
    md << "| quantity | published | unit | original | error % | textbook | error % | "
          "tolerance % | status |\n"
          "|---|---|---|---|---|---|---|---|---|\n";
    for (std::size_t i = 0; i < e.checks.size(); ++i)
        md << checkRow(e.checks[i], c.original.values[i], c.textbook.values[i]);
    md << "\n";
    for (const PublishedCheck& k : e.checks)
        if (!k.note.empty()) md << "- " << k.label << ": " << k.note << "\n";
    return md.str();
}

}  // namespace

std::optional<double> resultNamed(const std::string& solveJsonText, const std::string& name) {
    return resultIn(json::parse(solveJsonText), name);
}

double percentError(double program, double published) {
    return 100.0 * (program / published - 1.0);
}

bool enforced(const PublishedCheck& check) {
    return check.status == CheckStatus::Assert ||
           (check.status == CheckStatus::Pending && !kAwaitingTextbookCorrelations);
}

std::vector<PublishedExample> publishedExamples() {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(dataPath("examples")))
        if (entry.path().extension() == ".txt") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::vector<PublishedExample> out;
    for (const auto& f : files) out.push_back(readExample(f));
    return out;
}

ExampleComparison compareExample(const PublishedExample& example) {
    ExampleComparison c;
    c.example = example;
    c.original = runBasis(example, "original");
    c.textbook = runBasis(example, "textbook");
    return c;
}

std::string publishedExamplesDocument(const std::vector<ExampleComparison>& comparisons) {
    std::ostringstream md;
    md << "## Published worked examples\n\n"
          "Worked examples from standard textbooks, entered as case files with the book's\n"
          "geometry, flows, temperatures and property values (hand-entered, so that the\n"
          "comparison tests the correlations and not the property data), solved on both\n"
          "bases by the program's headless solve. The case files and the published answers,\n"
          "with their sources and unit conversions, are in `tests/validation/data/examples/`.\n"
          "Errors are the program's, in per cent of the published value. Tolerances apply\n"
          "to the textbook basis: film coefficients 10 %, U 10 %, pressure drops 15 %,\n"
          "duty 3 %. The original basis is reported, not limited: it is the original method.\n"
          "Status: *assert* is checked by `ctest -L validation`; *pending* needs a textbook\n"
          "correlation that is not in this build yet (reported now, checked once it is);\n"
          "*method* marks a published value made by another method than either basis (its\n"
          "reason below the table); *info* is shown for orientation.\n";
    md << (kAwaitingTextbookCorrelations
               ? "\nIn this build the pending checks are reported, not asserted.\n"
               : "\nThe textbook correlations are in this build: the pending checks are asserted "
                 "too.\n");
    md << "\nNot covered yet: a Bell–Delaware rating whose book prints its J and R factors,\n"
          "and condensation or evaporation inside the tubes. No such example with its full\n"
          "inputs and answers was found in the stored copies of the sources consulted: Serth,\n"
          "Kakaç & Liu, Shah & Sekulić, Thulukkanam and Hewitt; Raju (Wiley 2011), whose\n"
          "stored §10.2.3 page gives the method (Jc = 0.55 + 0.72 Fc) but not the pages of\n"
          "its worked example; Toledo-Velázquez et al., Engineering 6 (2014) 193–201, of\n"
          "which only the abstract is stored; Sinnott (4th ed.), whose stored copy gave only\n"
          "its contents page for the Bell-method example; Roetzel, Luo & Chen, Design and\n"
          "Operation of Heat Exchangers and their Networks (Academic Press, 2020), whose\n"
          "stored appendix page lists the J and R formulas but no worked numbers; a\n"
          "reproduction of Perry's Section 11 (the method's steps only); an IIT Guwahati\n"
          "lecture (Kern's method only). For the tube side the one stored worked problem is\n"
          "a single tube (a PE review note after Chopey's handbook: Kern's stratified form,\n"
          "no vapour density), not an exchanger; Thome's Engineering Data Book III,\n"
          "chapters 8 and 10, is stored only by its opening pages, and Lienhard's, Incropera's\n"
          "and Cengel's in-tube examples were not found in the stored copies. The harness\n"
          "reads J, R and ΔP terms from the JSON result by name at any depth, so such an\n"
          "example needs only its two files.\n";
    md << "\n| example | stands for | asserted: within / all | pending: within / all | "
          "other method: within / all |\n"
          "|---|---|---|---|---|\n";
    for (const ExampleComparison& c : comparisons) md << summaryRow(c);
    for (const ExampleComparison& c : comparisons) md << exampleSection(c);
    return md.str();
}

}  // namespace hx::validation
