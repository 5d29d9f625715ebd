#include "program/session/replay.h"

#include <gtest/gtest.h>

#include <sstream>

namespace hx {
namespace {

// A small form model of its own, so the replay is tested apart from the
// program's inventory.
class ReplayTest : public ::testing::Test {
protected:
    ReplayTest() : session(console, platform) {
        session.forms.addForm("MAINFORM", true);
        session.forms.addForm("FORM6", false);
        session.forms.addControl("MAINFORM", "EDIT1", {ControlKind::Edit, "", true, true});
        session.forms.addControl("MAINFORM", "BUTTON1", {ControlKind::Button, "go", true, true});
        session.forms.addControl("MAINFORM", "BUTTON2", {ControlKind::Button, "off", false, true});
        session.forms.addControl("FORM6", "BUTTON32", {ControlKind::Button, "SI", true, true});
        // BUTTON1 asks a question and echoes the field and the answer.
        session.handlers.add("MAINFORM", "BUTTON1", [](Session& s) {
            const std::string a = s.console.input("Y/N ? ");
            s.console.print("field=" + s.forms.text("MAINFORM", "EDIT1") + " answer=" + a);
            if (a == "q") throw ProgramExit();
        });
    }

    int run(const std::string& script) {
        std::istringstream in(script);
        ReplayEnvironment env{session, console, platform, out, err, {}};
        return runReplay(in, "t.replay", env);
    }

    ScriptedConsole console;
    ScriptedPlatform platform;
    Session session;
    std::ostringstream out, err;
};

TEST_F(ReplayTest, ClickSetAnswerAndShow) {
    const int status =
        run("# a comment\n"
            "\n"
            "set EDIT1   12.5 \n"
            "answer Y\n"
            "click BUTTON1\n"
            "show MAINFORM.EDIT1\n"
            "show BUTTON2\n"
            "show FORM6\n"
            "show screen\n");
    EXPECT_EQ(status, kReplayOk) << err.str();
    EXPECT_EQ(out.str(),
              "Y/N ? Y\n"
              "field=  12.5  answer=Y\n"
              "MAINFORM.EDIT1 enabled visible \"  12.5 \"\n"
              "MAINFORM.BUTTON2 disabled visible \"off\"\n"
              "FORM6 hidden\n"
              "---- screen ----\n"
              "Y/N ? Y\n"
              "field=  12.5  answer=Y\n"
              "---- end ----\n");
}

TEST_F(ReplayTest, ScriptFaultsAreStatusTwoWithTheLineNumber) {
    struct Row {
        const char* script;
        const char* message;
    };
    const Row rows[] = {
        {"show EDIT1\nfrobnicate EDIT1\n", "t.replay:2: unknown command \"frobnicate\""},
        {"click BUTTON9\n", "t.replay:1: no control BUTTON9"},
        {"click BUTTON2\n", "t.replay:1: MAINFORM.BUTTON2 is disabled"},
        {"click BUTTON32\n", "t.replay:1: FORM6 is hidden"},
        {"click EDIT1\n", "t.replay:1: MAINFORM.EDIT1 is not a button"},
    };
    for (const auto& r : rows) {
        err.str("");
        EXPECT_EQ(run(r.script), kReplayScriptError) << r.script;
        EXPECT_NE(err.str().find(r.message), std::string::npos) << err.str();
    }
}

TEST_F(ReplayTest, EnableMakesADisabledButtonUsable) {
    EXPECT_EQ(run("enable BUTTON2\nclick BUTTON2\n"), kReplayOk) << err.str();
}

TEST_F(ReplayTest, AMissingAnswerIsStatusThreeAndNamesThePrompt) {
    EXPECT_EQ(run("click BUTTON1\nshow EDIT1\n"), kReplayNoAnswer);
    EXPECT_NE(err.str().find("t.replay:1: waiting for an answer that was not queued: Y/N ? "),
              std::string::npos)
        << err.str();
    // The open prompt line is still shown, and nothing after the stop runs.
    EXPECT_EQ(out.str(), "Y/N ?\n");
}

TEST_F(ReplayTest, ProgramExitEndsTheScriptSuccessfully) {
    EXPECT_EQ(run("answer q\nclick BUTTON1\nfrobnicate\n"), kReplayOk);
}

TEST_F(ReplayTest, YesNoAnswersAreQueuedForTheMessageBox) {
    EXPECT_EQ(run("yes\nno\n"), kReplayOk);
    EXPECT_TRUE(platform.askYesNo("t", "q"));
    EXPECT_FALSE(platform.askYesNo("t", "q"));
    EXPECT_THROW(platform.askYesNo("t", "q"), NoAnswer);
}

}  // namespace
}  // namespace hx
