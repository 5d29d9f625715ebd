#include "program/session/case_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "console/scripted_console.h"
#include "core/lenient_number.h"
#include "model/platform.h"
#include "program/session/replay.h"
#include "program/session/starting_cases.h"
#include "program/session/startup.h"
#include "program/started_program.h"

namespace hx {
namespace {

namespace fs = std::filesystem;

using Program = StartedProgram;

// The lines of a golden click path up to the start button: the path of a
// user who then saves the case.
std::string pathBeforeStart(const fs::path& script) {
    std::ifstream in(script);
    std::string path, line;
    while (std::getline(in, line)) {
        if (line.rfind("click MAINFORM.BUTTON1", 0) == 0 && line.size() == 22) break;
        if (line.rfind("show", 0) == 0) continue;
        path += line + "\n";
    }
    return path;
}

// A field text and the text the case restores agree when both are the same
// text, or both read as the same whole number ("   10" and "10").
std::optional<float> wholeNumber(const std::string& text) {
    const auto b = text.find_first_not_of(' ');
    if (b == std::string::npos) return std::nullopt;
    const std::string t = text.substr(b, text.find_last_not_of(' ') - b + 1);
    char* end = nullptr;
    const float v = std::strtof(t.c_str(), &end);
    if (end == t.c_str() || *end != '\0') return std::nullopt;
    return v;
}

bool sameText(const std::string& a, const std::string& b) {
    if (a == b) return true;
    const auto x = wholeNumber(a);
    const auto y = wholeNumber(b);
    return x && y && *x == *y;
}

// Every form's visibility and every control's text, enabled and visible
// state; the differences, one a line.
std::string differences(const FormStore& a, const FormStore& b) {
    std::string diff;
    for (const std::string& form : a.forms()) {
        if (a.formVisible(form) != b.formVisible(form)) diff += form + " visibility\n";
        for (const std::string& control : a.controls(form)) {
            const ControlState& x = a.control(form, control);
            const ControlState& y = b.control(form, control);
            const std::string name = form + "." + control;
            if (!sameText(x.text, y.text))
                diff += name + " text \"" + x.text + "\" / \"" + y.text + "\"\n";
            // A label's greying can follow the order of the clicks that
            // reached the case (the H2O unit label of a wet gas), not the
            // case; the fields and buttons it labels are compared.
            if (x.enabled != y.enabled && x.kind != ControlKind::Text) diff += name + " enabled\n";
            if (x.visible != y.visible) diff += name + " visible\n";
        }
    }
    return diff;
}

// Every golden click path that reaches the start button: saved, opened in
// a fresh program, every field as it was.
TEST(CaseFile, GoldenPathsRoundTrip) {
    int tried = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(HX_TEST_DATA) / "golden")) {
        if (entry.path().extension() != ".replay") continue;
        const std::string path = pathBeforeStart(entry.path());
        // `enable` forces a state no user reaches; such a path is no case.
        if (path.find("enable ") != std::string::npos) continue;
        Program user;
        std::istringstream script(path);
        std::ostringstream out, err;
        ReplayEnvironment env{user.session, user.console, user.platform, out, err, {}};
        if (runReplay(script, entry.path().string(), env) != kReplayOk) continue;
        const FormStore& forms = user.session.forms;
        if (!forms.enabled("MAINFORM", "BUTTON1") || forms.formVisible("FORM7") ||
            forms.formVisible("FORM8"))
            continue;
        SCOPED_TRACE(entry.path().filename().string());
        std::string json;
        try {
            json = caseToJson(caseFromForms(forms, "saved.json"));
        } catch (const CaseFileError& e) {
            // A path that types a value out of range, or a number with text
            // after it, to test the run's checks: the save names it rather
            // than writing a file that would not open.
            const std::string what = e.what();
            EXPECT_TRUE(what.find(" is outside ") != std::string::npos ||
                        what.find(" is not a number") != std::string::npos)
                << what;
            continue;
        }
        ++tried;
        Program opened;
        openCase(opened.session, parseCase(json, "saved.json"), "saved.json");
        EXPECT_EQ(differences(forms, opened.session.forms), "");
    }
    EXPECT_GE(tried, 15);
}

// The shell outlet chosen in the sensible mode, then the tube-side
// condensation mode chosen instead: the solve-for field keeps its code,
// and the opened case keeps it too.
TEST(CaseFile, ChoiceKeptFromAnEarlierLayoutRoundTrips) {
    Program user;
    std::istringstream script(
        "click FORM6.BUTTON32\nclick MAINFORM.BUTTON35\nclick MAINFORM.BUTTON24\n"
        "click MAINFORM.BUTTON4\nclick MAINFORM.BUTTON25\nclick MAINFORM.BUTTON14\n"
        "click MAINFORM.BUTTON29\nclick MAINFORM.BUTTON19\nclick MAINFORM.BUTTON41\n"
        "click FORM7.RADIO2\nclick FORM7.BUTTON42\nclick MAINFORM.BUTTON24\n"
        "click MAINFORM.BUTTON22\nclick MAINFORM.BUTTON25\nclick MAINFORM.BUTTON16\n"
        "click MAINFORM.BUTTON29\nclick MAINFORM.BUTTON19\nclick FORM9.RADIO14\n"
        "click FORM9.BUTTON47\nclick MAINFORM.BUTTON41\nclick FORM7.BUTTON40\n"
        "click FORM8.BUTTON45\n");
    std::ostringstream out, err;
    ReplayEnvironment env{user.session, user.console, user.platform, out, err, {}};
    ASSERT_EQ(runReplay(script, "path", env), kReplayOk) << err.str();
    const CaseValues saved = caseFromForms(user.session.forms, "c.json");
    EXPECT_EQ(saved.choices.at("solve_for"), "shell_outlet_given");
    Program opened;
    openCase(opened.session, parseCase(caseToJson(saved), "c.json"), "c.json");
    EXPECT_EQ(differences(user.session.forms, opened.session.forms), "");
}

TEST(CaseFile, SavedTextParsesBackToTheSameValues) {
    const CaseValues sample = *startingCase("shell-and-tube");
    const CaseValues back = parseCase(caseToJson(sample), "c.json");
    EXPECT_EQ(back.unitCode, sample.unitCode);
    EXPECT_EQ(back.choices, sample.choices);
    EXPECT_EQ(back.inputs, sample.inputs);
    EXPECT_EQ(caseToJson(back), caseToJson(sample));
}

std::string sampleWith(const std::string& from, const std::string& to) {
    std::string json = caseToJson(*startingCase("shell-and-tube"));
    const auto at = json.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return json.replace(at, from.size(), to);
}

std::string refusal(const std::string& text) {
    try {
        parseCase(text, "c.json");
    } catch (const CaseFileError& e) {
        return e.what();
    }
    return "accepted";
}

// Each kind of bad file is refused with the file, the key and the problem.
TEST(CaseFile, BadFilesAreRefusedWithFileKeyAndProblem) {
    EXPECT_EQ(refusal("{ \"format\": "), refusal("{ \"format\": "));
    EXPECT_NE(refusal("{ \"format\": ").find("c.json: not JSON: "), std::string::npos);
    EXPECT_EQ(refusal("[1, 2]"), "c.json: not a case file: expected a JSON object");
    EXPECT_EQ(refusal(sampleWith("\"hxcalc-case\"", "\"other\"")),
              "c.json: format: not an hxcalc case file (expected \"hxcalc-case\")");
    EXPECT_EQ(refusal(sampleWith("\"version\": 1", "\"version\": 2")),
              "c.json: version: version 2 is not supported (this program reads version 1)");
    EXPECT_EQ(refusal(sampleWith("\"tube_flow_t_h\"", "\"tube_flow\"")),
              "c.json: inputs.tube_flow: unknown key");
    EXPECT_EQ(refusal(sampleWith("\"inputs\"", "\"input\"")), "c.json: input: unknown key");
    EXPECT_EQ(refusal(sampleWith("\"tube_passes\": 1", "\"tube_passes\": \"1\"")),
              "c.json: inputs.tube_passes: wrong type: expected a number or null");
    EXPECT_EQ(refusal(sampleWith("\"fluid_mode\": \"sensible\"", "\"fluid_mode\": 1")),
              "c.json: choices.fluid_mode: wrong type: expected a choice name or null");
    EXPECT_EQ(refusal(sampleWith("\"fluid_mode\": \"sensible\"", "\"fluid_mode\": \"hot\"")),
              "c.json: choices.fluid_mode: \"hot\" is not one of sensible, wet_gas, "
              "tube_phase_change, shell_phase_change");
    EXPECT_EQ(refusal(sampleWith("\"tube_length_mm\": 1000", "\"tube_length_mm\": -5")),
              "c.json: inputs.tube_length_mm: -5 is outside 0 … 1e+07 mm");
    EXPECT_EQ(
        refusal(sampleWith("\"shell_inlet_temperature\": 293", "\"shell_inlet_temperature\": -1")),
        "c.json: inputs.shell_inlet_temperature: -1 is outside 0 … 2000 K");
    EXPECT_EQ(refusal(sampleWith("\"tube_length_mm\": 1000", "\"tube_length_mm\": 1e300")),
              "c.json: inputs.tube_length_mm: the number is too large");
    EXPECT_EQ(refusal(sampleWith("  \"format\": \"hxcalc-case\",\n", "")),
              "c.json: format: missing");
}

// A version is compared at its full width; a number no float holds is
// named by its key; a huge bad value is quoted shortened; a count answered
// as text is read whole.
TEST(CaseFile, RefusalsNameTheKeyAndStayShort) {
    for (const char* version : {"4294967297", "1099511627777", "-1"}) {
        const std::string message =
            refusal(sampleWith("\"version\": 1", std::string("\"version\": ") + version));
        EXPECT_NE(message.find(std::string("version: version ") + version + " is not supported"),
                  std::string::npos)
            << message;
    }
    EXPECT_EQ(refusal(sampleWith("\"tube_count\": 100", "\"tube_count\": 1e400")),
              "c.json: inputs.tube_count: the number is too large");
    const std::string huge(10 * 1024 * 1024, 'x');
    const std::string message = refusal(sampleWith("\"plain\"", "\"" + huge + "\""));
    EXPECT_EQ(message.rfind("c.json: choices.tube_surface: \"xxxx", 0), 0u) << message.size();
    EXPECT_LT(message.size(), 200u);
    EXPECT_EQ(
        refusal(sampleWith("\"inputs\"", "\"answers\": {\"window_tubes\": \"1x0\"}, \"inputs\"")),
        "c.json: answers.window_tubes: \"1x0\" is not a number: \"x0\" follows it");
    EXPECT_EQ(
        refusal(sampleWith("\"inputs\"", "\"answers\": {\"window_tubes\": \" 12 \"}, \"inputs\"")),
        "accepted");
}

// A field that is a number followed by more is not saved as its prefix.
TEST(CaseFile, SaveRefusesAFieldThatIsNotANumber) {
    Program user;
    openCase(user.session, *startingCase("shell-and-tube"), "c.json");
    user.session.forms.setText("FORM7", "EDIT80", "1x0");
    try {
        caseFromForms(user.session.forms, "c.json");
        ADD_FAILURE() << "saved";
    } catch (const CaseFileError& e) {
        EXPECT_STREQ(e.what(),
                     "c.json: inputs.tube_count: \"1x0\" is not a number: \"x0\" follows it");
    }
}

TEST(CaseFile, UnreadableFileIsRefused) {
    try {
        readCaseFile("/nonexistent/dir/c.json");
        FAIL() << "accepted";
    } catch (const CaseFileError& e) {
        EXPECT_STREQ(e.what(), "/nonexistent/dir/c.json: cannot be read");
    }
}

// A missing input, an input that does not apply and a case the dialogs
// refuse: the message, and not one field of the open program changed.
TEST(CaseFile, FailedOpenChangesNoField) {
    const struct {
        std::string from, to, message;
    } cases[] = {
        {"    \"tube_length_mm\": 1000,\n", "", "c.json: inputs.tube_length_mm: missing"},
        {"\"tube_flow_t_h\": 10", "\"tube_flow_kg_h\": 10",
         "c.json: inputs.tube_flow_kg_h: does not apply to this case"},
        {"\"fin_thickness_mm\": null",
         "\"fin_thickness_mm\": null, \"tube_outlet_temperature\": 300",
         "c.json: inputs.tube_outlet_temperature: does not apply to this case (the field is "
         "disabled)"},
        {"\"fluid_mode\": \"sensible\",\n", "", "c.json: choices.fluid_mode: missing"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        Program user;
        user.session.click("FORM6", "BUTTON33");
        user.session.click("MAINFORM", "BUTTON35");
        Program before;
        before.session.click("FORM6", "BUTTON33");
        before.session.click("MAINFORM", "BUTTON35");
        try {
            openCase(user.session, parseCase(sampleWith(c.from, c.to), "c.json"), "c.json");
            ADD_FAILURE() << "opened";
        } catch (const CaseFileError& e) {
            EXPECT_EQ(e.what(), c.message);
        }
        EXPECT_EQ(differences(before.session.forms, user.session.forms), "");
    }
}

// A case whose entries the main data form refuses (saved while the form
// showed its message) opens at that form with its message, as it was left;
// a headless run refuses it.
TEST(CaseFile, CaseTheDialogRefusesOpensAtTheRefusingForm) {
    const CaseValues refused = parseCase(
        sampleWith("\"tube_inlet_temperature\": 353", "\"tube_inlet_temperature\": 293"), "c.json");
    Program user;
    EXPECT_EQ(openCase(user.session, refused, "c.json"), "Illegal temperature setting");
    EXPECT_TRUE(user.session.forms.formVisible("FORM7"));
    EXPECT_FALSE(user.session.forms.enabled("MAINFORM", "BUTTON1"));
    EXPECT_EQ(caseToJson(caseFromForms(user.session.forms, "c.json")), caseToJson(refused));
    Program batch;
    try {
        enterCase(batch.session, refused, "c.json");
        ADD_FAILURE() << "entered";
    } catch (const CaseFileError& e) {
        EXPECT_STREQ(e.what(), "c.json: the dialog refuses the case: Illegal temperature setting");
    }
}

// What is no case file is refused before a byte of it is read: a device, a
// folder, a file over 16 MB.
TEST(CaseFile, DevicesFoldersAndHugeFilesAreNotRead) {
    const auto refusedFile = [](const std::string& path) -> std::string {
        try {
            readCaseFile(path);
        } catch (const CaseFileError& e) {
            return e.what();
        }
        return "read";
    };
    EXPECT_EQ(refusedFile("/dev/zero"),
              "/dev/zero: not a regular file; a case file is a JSON file");
    const fs::path dir = fs::temp_directory_path() / "hxcalc_case_huge";
    fs::create_directories(dir);
    EXPECT_EQ(refusedFile(dir.string()),
              dir.string() + ": not a regular file; a case file is a JSON file");
    const fs::path big = dir / "big.json";
    {
        std::ofstream out(big);
        out << std::string(16 * 1024 * 1024 + 1, ' ');
    }
    EXPECT_EQ(refusedFile(big.string()), big.string() + ": larger than 16 MB; not a case file");
    fs::remove_all(dir);
}

class CaseFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("hxcalc_case_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    static std::string contents(const fs::path& p) {
        std::ifstream in(p);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    fs::path dir;
};

TEST_F(CaseFileOnDisk, SaveReplacesTheFileAndLeavesNoTemporary) {
    const fs::path file = dir / "c.json";
    const CaseValues sample = *startingCase("shell-and-tube");
    writeCaseFile(file.string(), sample);
    writeCaseFile(file.string(), *startingCase("double-tube"));
    EXPECT_EQ(readCaseFile(file.string()).choices.at("exchanger_type"), "double_tube");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

// The temporary file cannot be written (a folder stands in its place): the
// save fails before the rename and the old file is whole.
TEST_F(CaseFileOnDisk, InterruptedSaveLeavesTheOldFile) {
    const fs::path file = dir / "c.json";
    writeCaseFile(file.string(), *startingCase("shell-and-tube"));
    const std::string old = contents(file);
    fs::create_directory(dir / "c.json.tmp");
    EXPECT_THROW(writeCaseFile(file.string(), *startingCase("double-tube")), CaseFileError);
    EXPECT_EQ(contents(file), old);
}

}  // namespace
}  // namespace hx
