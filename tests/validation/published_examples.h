// Published worked examples from standard textbooks, each solved on both
// calculation bases through the program's headless solve and compared with
// the answers the book prints.
//
// An example is two files in tests/validation/data/examples: NAME.json, the
// case as the program's case file enters it (the book's geometry, flows,
// temperatures and hand-entered property values, in SI, on the textbook
// basis, so that `hxcalc solve NAME.json` runs it as it stands; the harness
// sets the basis for each run), and NAME.txt, the book's answers:
//
//   title: <author, title, edition, example number>
//   source: <where the numbers were read: page and address>
//   kind: <what the example stands for in the suite>
//   check <label> | <result> | <published SI value> | <unit> | <tolerance %> | <status> | <note>
//   optional <catalogue key> = <value>     (entered only when the build knows the key)
//
// <result> names a quantity of the JSON result (`hxcalc solve --format json
// --units si`): an entry of "results" by name, or any numeric member of the
// document by name (the ΔP terms and J and R factors of the textbook basis
// are reported that way). Status:
//   assert   — the textbook basis must be within the tolerance;
//   pending  — the same, once the textbook correlation it needs is in the
//              program (kAwaitingTextbookCorrelations below); until then
//              reported only, and a missing result is not a failure;
//   method   — the book uses another method than either basis (e.g. Kern's
//              shell-side method); reported with the note, not asserted;
//   info     — reported for orientation, no tolerance.
// The original basis is reported, never asserted: it is the original method.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace hx::validation {

// The one switch that makes every `pending` check strict: true while the
// textbook correlations a pending check needs (tube side, annulus,
// condensation, boiling, return losses, and their J, R and ΔP terms in the
// JSON result) are not in the program; false since they are.
inline constexpr bool kAwaitingTextbookCorrelations = false;

enum class CheckStatus { Assert, Pending, Method, Info };

struct PublishedCheck {
    std::string label;   // what the book calls it
    std::string result;  // the JSON result name
    double published = 0.0;
    std::string unit;
    double tolerancePercent = 0.0;
    CheckStatus status = CheckStatus::Info;
    std::string note;
};

struct PublishedExample {
    std::string name;  // file stem
    std::string title, source, kind;
    std::vector<PublishedCheck> checks;
    std::vector<std::pair<std::string, float>> optionalInputs;
};

// One basis of one example, solved.
struct BasisRun {
    bool solved = false;
    std::string status;                         // "solved" or the message the run ended with
    std::vector<std::optional<double>> values;  // one per check, absent when not reported
    std::vector<std::string> optionalKeysUsed;  // optional inputs this build accepted
    std::vector<std::string> rangeWarnings;     // correlations used outside their range, once each
};

struct ExampleComparison {
    PublishedExample example;
    BasisRun original, textbook;
};

std::vector<PublishedExample> publishedExamples();
ExampleComparison compareExample(const PublishedExample& example);

// A number of a `hxcalc solve --format json` document by name: an entry of
// "results", else any member of that name at any depth (a number, or an
// object with a numeric "value").
std::optional<double> resultNamed(const std::string& solveJsonText, const std::string& name);

// Relative error of the program in per cent.
double percentError(double program, double published);

// Whether a check is asserted on the textbook basis in this build.
bool enforced(const PublishedCheck& check);

// The published-examples part of docs/VALIDATION.md.
std::string publishedExamplesDocument(const std::vector<ExampleComparison>& comparisons);

}  // namespace hx::validation
