// Entries refused in every path: the forms' OK, the start button, a case
// file and a sweep row; and no solved run with a result that is not a number.
#include <gtest/gtest.h>

#include <filesystem>

#include "calc/checks/entry_checks.h"
#include "console/scripted_console.h"
#include "model/platform.h"
#include "program/batch/batch_run.h"
#include "program/session/startup.h"

namespace hx {
namespace {

namespace fs = std::filesystem;

CaseValues example(const char* name) {
    return readCaseFile((fs::path(HX_TEST_DATA) / ".." / "examples" / name).string());
}

// The sensible sample in English SI with the main data form open.
struct OpenDataForm {
    ScriptedConsole console;
    ScriptedPlatform platform;
    Session session{console, platform};
    OpenDataForm() {
        startProgram(session);
        for (const char* c :
             {"FORM6.BUTTON32", "MAINFORM.BUTTON35", "MAINFORM.BUTTON24", "MAINFORM.BUTTON4",
              "MAINFORM.BUTTON25", "MAINFORM.BUTTON14", "MAINFORM.BUTTON29", "MAINFORM.BUTTON19",
              "MAINFORM.BUTTON26", "MAINFORM.BUTTON41"}) {
            const std::string name = c;
            const auto dot = name.find('.');
            session.click(name.substr(0, dot), name.substr(dot + 1));
        }
    }
    // FORM7's OK with `text` in the tube count: "" when it passes.
    std::string okWithTubeCount(const std::string& text) {
        session.forms.setText("FORM7", "EDIT80", text);
        console.queueAnswer("");
        session.click("FORM7", "BUTTON40");
        if (!session.forms.formVisible("FORM7")) return "";
        return session.forms.text("FORM7", "TEXT177");
    }
};

// A number followed by anything but blanks is refused, naming the field and
// selecting it; blanks after a number, an empty text and the placeholder
// marks are read as they always were (an empty tube count then fails the
// start checks, not OK's).
TEST(EntryRefusal, FieldsAreReadWholeAtOk) {
    for (const char* bad : {"1x0", "12,5", "3..4", "0x10", "1e", "100 tubes"}) {
        OpenDataForm f;
        const std::string message = f.okWithTubeCount(bad);
        EXPECT_NE(message.find("Number of tubes"), std::string::npos) << bad << ": " << message;
        EXPECT_NE(message.find(std::string("\"") + bad + "\""), std::string::npos) << message;
        EXPECT_EQ(f.session.forms.selectedField(),
                  (std::pair<std::string, std::string>{"FORM7", "EDIT80"}));
    }
    for (const char* good : {"100", " 100  ", "", "    ―", "━", "  remain", "1e2"}) {
        OpenDataForm f;
        EXPECT_EQ(f.okWithTubeCount(good), "") << good;
    }
}

// The dialogs' temperature check holds in a sweep row: an evaporating tube
// fluid hotter than the heating fluid is the refusal `solve` gives, not a
// solved row whose heat runs from cold to hot.
TEST(EntryRefusal, SweepRowRefusedAsTheDialogRefusesIt) {
    const CaseValues values = example("tube_evaporation.json");
    const std::vector<Variation> variations = {
        parseVariation("tube_inlet_temperature=100,227", values)};
    const std::vector<SweepRow> rows =
        runSweep(enteredCaseOf(values, "c"), values.answers, variations, 1, LimitPolicy{},
                 Presentation::EnglishEngineering, nullptr);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_TRUE(rows[0].solved);
    EXPECT_FALSE(rows[1].solved);
    EXPECT_EQ(rows[1].status, "Illegal temperature setting");
}

// Out of range in a case or a sweep row: the message names the field.
TEST(EntryRefusal, RangesHoldInHeadlessRuns) {
    const CaseValues values = example("tube_condensation.json");
    EnteredCase entered = enteredCaseOf(values, "c");
    entered.values.Fs = -0.001f;
    HeadlessOutcome outcome = runHeadless(entered, values.answers, LimitPolicy{}, false);
    ASSERT_FALSE(outcome.solved);
    EXPECT_NE(outcome.message.front().find("ｼｪﾙ側汚れ係数"), std::string::npos)
        << outcome.message.front();

    // A vapour density far below any real one: the velocity is no number,
    // and the run ends with its message, naming the first result that is
    // none, rather than a summary of stars.
    entered = enteredCaseOf(values, "c");
    entered.values.Dt = 1e-45f;
    outcome = runHeadless(entered, values.answers, LimitPolicy{}, false);
    EXPECT_FALSE(outcome.solved);
    ASSERT_EQ(outcome.message.size(), 2u);
    EXPECT_NE(outcome.message[1].find("Ret"), std::string::npos) << outcome.message[1];
}

}  // namespace
}  // namespace hx
