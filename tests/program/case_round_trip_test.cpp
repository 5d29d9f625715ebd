// A case saved from any state a user reaches opens again as the same case:
// at every step of every golden click path, at every answer of a run (the
// results menu, the questions), after a restart, and from every example.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "console/scripted_console.h"
#include "model/platform.h"
#include "program/session/case_file.h"
#include "program/session/replay.h"
#include "program/session/startup.h"
#include "program/started_program.h"

namespace hx {
namespace {

namespace fs = std::filesystem;

using Program = StartedProgram;

std::string describe(const CaseValues& v) {
    std::string text = "unit " + std::to_string(v.unitCode) + "\n";
    for (const auto& [key, name] : v.choices) text += key + "=" + name + "\n";
    for (const auto& [key, value] : v.inputs)
        text += key + "=" + (value ? numberText(*value) : "null") + "\n";
    return text;
}

// The lines only one of two texts has, marked - and +.
std::string lineDiff(const std::string& a, const std::string& b) {
    auto lines = [](const std::string& t) {
        std::vector<std::string> v;
        std::istringstream in(t);
        for (std::string l; std::getline(in, l);) v.push_back(l);
        std::sort(v.begin(), v.end());
        return v;
    };
    const auto x = lines(a), y = lines(b);
    std::vector<std::string> onlyX, onlyY;
    std::set_difference(x.begin(), x.end(), y.begin(), y.end(), std::back_inserter(onlyX));
    std::set_difference(y.begin(), y.end(), x.begin(), x.end(), std::back_inserter(onlyY));
    std::string diff;
    for (const auto& l : onlyX) diff += "-" + l + "\n";
    for (const auto& l : onlyY) diff += "+" + l + "\n";
    return diff;
}

// The case a fresh program holds after opening the saved text of `saved`,
// and that program's forms.
struct Reopened {
    Program program;
    CaseValues values;
};
std::unique_ptr<Reopened> reopen(const CaseValues& saved) {
    auto r = std::make_unique<Reopened>();
    openCase(r->program.session, parseCase(caseToJson(saved), "c.json"), "c.json");
    r->values = caseFromForms(r->program.session.forms, "c.json");
    return r;
}

// Every control's text and enabled mark and every form's visibility.
std::string formsText(const FormStore& forms) {
    std::string text;
    for (const std::string& form : forms.forms()) {
        text += form + (forms.formVisible(form) ? " shown\n" : " hidden\n");
        for (const std::string& control : forms.controls(form)) {
            const ControlState& c = forms.control(form, control);
            text += form + "." + control + (c.enabled ? " on " : " off ") + c.text + "\n";
        }
    }
    return text;
}

// Saves the live forms, opens the file in a fresh program and saves that
// again: the same case. Opening the second save gives the same windows as
// opening the first. Returns the case, or nothing before the case can be
// saved (no mode or property method chosen yet, a typed value the save
// refuses).
struct Counts {
    int saved = 0;
    int inRun = 0;
};
Counts counts;

std::optional<CaseValues> checkRoundTrip(const FormStore& forms, const std::string& where) {
    CaseValues saved;
    try {
        saved = caseFromForms(forms, "c.json");
    } catch (const CaseFileError& e) {
        const std::string what = e.what();
        // A path that types a value out of range or not a number, to see
        // the run refuse it: the save names the field instead.
        EXPECT_TRUE(what.find("not chosen yet") != std::string::npos ||
                    what.find("no unit system") != std::string::npos ||
                    what.find(" is outside ") != std::string::npos ||
                    what.find(" is not a number") != std::string::npos)
            << where << ": " << what;
        return std::nullopt;
    }
    ++counts.saved;
    try {
        const auto first = reopen(saved);
        EXPECT_EQ(lineDiff(describe(saved), describe(first->values)), "") << where;
        const auto second = reopen(first->values);
        EXPECT_EQ(lineDiff(formsText(first->program.session.forms),
                           formsText(second->program.session.forms)),
                  "")
            << where;
    } catch (const CaseFileError& e) {
        ADD_FAILURE() << where << ": the saved case does not open: " << e.what();
    }
    return saved;
}

// Runs a golden script a line at a time, saving and reopening the case
// after every line and at every answer a run takes. A run does not change
// the case: what is saved at the results menu and after a restart is what
// was saved before the start button.
void roundTripAlong(const fs::path& script) {
    Program user;
    std::ostringstream out, err;
    ReplayEnvironment env{user.session, user.console, user.platform, out, err, {}};
    std::ifstream in(script);
    std::string line;
    int lineNo = 0;
    std::optional<CaseValues> atRest;
    while (std::getline(in, line)) {
        ++lineNo;
        const std::string where = script.filename().string() + ":" + std::to_string(lineNo);
        const bool startsRun = line == "click MAINFORM.BUTTON1";
        if (line.rfind("answer", 0) == 0) {
            user.console.queueAction([&user, &atRest, where] {
                const auto inRun = checkRoundTrip(user.session.forms, where + " (in the run)");
                ++counts.inRun;
                if (atRest && inRun) {
                    EXPECT_EQ(lineDiff(describe(*atRest), describe(*inRun)), "") << where;
                }
            });
        }
        std::istringstream one(line);
        if (runReplay(one, script.string(), env) != kReplayOk) return;
        if (line.rfind("show", 0) == 0 || line.rfind("answer", 0) == 0 || line.empty() ||
            line[0] == '#')
            continue;
        // `enable` forces a state no user reaches: no case from here on.
        if (line.rfind("enable", 0) == 0) return;
        const auto now = checkRoundTrip(user.session.forms, where);
        if (startsRun && atRest && now) {
            EXPECT_EQ(lineDiff(describe(*atRest), describe(*now)), "") << where;
        }
        atRest = now;
    }
}

TEST(CaseRoundTrip, EveryStepOfEveryGoldenPath) {
    int scripts = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(HX_TEST_DATA) / "golden")) {
        if (entry.path().extension() != ".replay") continue;
        SCOPED_TRACE(entry.path().filename().string());
        roundTripAlong(entry.path());
        ++scripts;
    }
    EXPECT_GE(scripts, 40);
    EXPECT_GE(counts.saved, 300);
    EXPECT_GE(counts.inRun, 100);
}

TEST(CaseRoundTrip, EveryExample) {
    int examples = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(HX_TEST_DATA) / ".." / "examples")) {
        if (entry.path().extension() != ".json") continue;
        const std::string name = entry.path().filename().string();
        Program user;
        openCase(user.session, readCaseFile(entry.path().string()), name);
        const auto saved = checkRoundTrip(user.session.forms, name);
        ASSERT_TRUE(saved) << name;
        // The example's own inputs come back, each to the digit.
        const CaseValues file = readCaseFile(entry.path().string());
        for (const auto& [key, value] : file.inputs)
            if (value) {
                EXPECT_EQ(saved->inputs.at(key), value) << name << " " << key;
            }
        ++examples;
    }
    EXPECT_GE(examples, 10);
}

}  // namespace
}  // namespace hx

namespace hx {
namespace {

// The replay's save among queued answers saves at the results menu, a save
// with none queued saves at once, and open brings the saved case back; a
// refused file is a line of the transcript.
TEST(CaseRoundTrip, ReplaySaveAndOpenCommands) {
    const fs::path dir = fs::temp_directory_path() / "hxcalc_replay_save";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string example =
        (fs::path(HX_TEST_DATA) / ".." / "examples" / "double_tube.json").string();
    const std::string menu = (dir / "menu.json").string();
    const std::string after = (dir / "after.json").string();
    Program user;
    std::ostringstream out, err;
    ReplayEnvironment env{user.session, user.console, user.platform, out, err, {}};
    std::istringstream script("open " + example + "\nanswer 6\nanswer 1\nsave " + menu +
                              "\nanswer 4\nclick MAINFORM.BUTTON1\nsave " + after +
                              "\nset MAINFORM.EDIT75 77\nopen " + menu + "\nopen " + dir.string() +
                              "\n");
    ASSERT_EQ(runReplay(script, "s", env), kReplayOk) << err.str();
    const CaseValues opened = readCaseFile(example);
    EXPECT_EQ(describe(readCaseFile(menu)), describe(readCaseFile(after)));
    EXPECT_EQ(readCaseFile(menu).inputs, opened.inputs);
    EXPECT_EQ(user.session.forms.text("MAINFORM", "EDIT75"), "500");
    EXPECT_NE(out.str().find("case file: " + dir.string() + ": not a regular file"),
              std::string::npos);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace hx
