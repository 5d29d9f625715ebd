// The selection panel: the order of its three rows, the codes each button
// writes, what each mode offers and the FORM7 defaults it inserts. Expected
// texts are those the requirements' tables give the forms.
#include "dialogs/fluid_mode.h"

#include <gtest/gtest.h>

#include <string>

#include "console/scripted_console.h"
#include "model/platform.h"
#include "model/session.h"
#include "program/session/startup.h"

namespace hx {
namespace {

class FluidModeTest : public ::testing::Test {
protected:
    FluidModeTest() : session(console, platform) { startProgram(session); }

    // Unit button, fluid-mode row open.
    void start(const char* unitButton) {
        click("FORM6", unitButton);
        click("MAINFORM", "BUTTON24");
    }
    void click(const char* form, const char* control) {
        // A user cannot press a disabled button.
        ASSERT_TRUE(session.forms.enabled(form, control)) << form << "." << control;
        session.click(form, control);
    }
    void click(const char* control) { click("MAINFORM", control); }
    const std::string& text(const char* control, const char* form = "MAINFORM") {
        return session.forms.text(form, control);
    }
    bool enabled(const char* control, const char* form = "MAINFORM") {
        return session.forms.enabled(form, control);
    }

    ScriptedConsole console;
    ScriptedPlatform platform;
    Session session;
};

// Which tube-side buttons each mode offers; in the wet-gas mode the
// saturation basis decides (1 at the gas pressure, 2 at 1 atm).
TEST(TubeMethodOffered, ByModeAndWetGasBasis) {
    struct Row {
        int mode, basis;
        bool b12, b16, b14, b15;
    };
    const Row rows[] = {
        {1, 0, true, true, true, true},    {4, 0, true, true, true, true},
        {2, 1, false, true, false, false}, {2, 2, false, false, false, true},
        {3, 0, false, true, false, false}, {3, 2, false, true, false, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "mode " << r.mode << " basis " << r.basis);
        EXPECT_EQ(tubeMethodOffered(12, r.mode, r.basis), r.b12);
        EXPECT_EQ(tubeMethodOffered(16, r.mode, r.basis), r.b16);
        EXPECT_EQ(tubeMethodOffered(14, r.mode, r.basis), r.b14);
        EXPECT_EQ(tubeMethodOffered(15, r.mode, r.basis), r.b15);
    }
    EXPECT_TRUE(shellMethodOffered(17, 3));
    EXPECT_FALSE(shellMethodOffered(17, 4));
    EXPECT_TRUE(shellMethodOffered(18, 4));
    EXPECT_FALSE(shellMethodOffered(19, 4));
}

// The whole sensible path in SI English: the codes and the FORM7 defaults.
TEST_F(FluidModeTest, SensiblePathWritesItsCodesAndDefaults) {
    start("BUTTON32");
    EXPECT_FALSE(session.forms.formVisible("FORM6"));
    EXPECT_EQ(text("EDIT39"), "0");
    click("BUTTON4");
    EXPECT_EQ(text("EDIT39"), " 1");
    EXPECT_EQ(text("EDIT43"), " ■");
    EXPECT_EQ(text("EDIT42"), "");
    EXPECT_EQ(text("BUTTON2"), "");
    EXPECT_FALSE(enabled("BUTTON29"));
    EXPECT_EQ(text("EDIT90", "FORM7"), "79.02");
    EXPECT_EQ(text("EDIT22"), "\u3000  ━ ");
    click("BUTTON25");
    EXPECT_EQ(text("EDIT40"), "0");
    click("BUTTON14");
    EXPECT_EQ(text("EDIT40"), "3");
    // Water: no gas mixture, no wet-gas fields.
    EXPECT_EQ(text("EDIT90", "FORM7"), "      ―");
    EXPECT_EQ(text("EDIT22"), "\u3000  ━");
    EXPECT_FALSE(enabled("BUTTON41"));
    click("BUTTON29");
    click("BUTTON19");
    EXPECT_EQ(text("EDIT41"), "3");
    EXPECT_TRUE(enabled("BUTTON41"));
    EXPECT_FALSE(enabled("EDIT44"));

    EXPECT_EQ(text("EDIT81", "FORM7"), "293");
    EXPECT_EQ(text("EDIT82", "FORM7"), "353");
}

// The three solve-for layouts of the sensible mode.
TEST_F(FluidModeTest, SensibleModeFollowsTheSolveForChoice) {
    struct Row {
        const char* choice;
        const char *length, *shellOutlet, *tubeOutlet;
        const char *lengthMark, *shellMark, *tubeMark;
    };
    const std::string dash = "  \u3000  ―";
    const Row rows[] = {
        {"1", "1000", dash.c_str(), dash.c_str(), "→", "", ""},
        {"2", "", "100", dash.c_str(), "", "→", ""},
        {"3", "", dash.c_str(), "100", "", "", "→"},
    };
    start("BUTTON33");
    for (const Row& r : rows) {
        SCOPED_TRACE(r.choice);
        session.forms.setText("FORM7", "EDIT122", r.choice);
        click("BUTTON4");
        EXPECT_EQ(text("EDIT83", "FORM7"), r.length);
        EXPECT_EQ(text("EDIT85", "FORM7"), r.shellOutlet);
        EXPECT_EQ(text("EDIT84", "FORM7"), r.tubeOutlet);
        EXPECT_EQ(enabled("EDIT83", "FORM7"), r.choice == std::string("1"));
        EXPECT_EQ(text("TEXT146", "FORM7"), r.lengthMark);
        EXPECT_EQ(text("TEXT142", "FORM7"), r.shellMark);
        EXPECT_EQ(text("TEXT141", "FORM7"), r.tubeMark);
        EXPECT_EQ(text("TEXT147", "FORM7"), "→");
        EXPECT_EQ(text("EDIT81", "FORM7"), "20");  // engineering: ℃
    }
}

// The tube phase change offers only the vapour by hand, which fills all
// nine tube rows (the values themselves: golden fluid_mode_tube_phase_change).
TEST_F(FluidModeTest, TubePhaseChangeOffersOnlyTheVapourByHand) {
    start("BUTTON34");
    click("BUTTON22");
    click("BUTTON25");
    for (const char* b : {"BUTTON12", "BUTTON14", "BUTTON15"}) EXPECT_FALSE(enabled(b)) << b;
    click("BUTTON16");
    EXPECT_EQ(text("EDIT40"), "2");
    for (int i = 93; i <= 101; ++i) {
        const std::string field = "EDIT" + std::to_string(i);
        EXPECT_TRUE(enabled(field.c_str(), "FORM7")) << field;
    }
    EXPECT_EQ(text("EDIT93", "FORM7"), "2260");
}

// The shell phase change presets 200 tubes in engineering units, 100 in SI,
// and 1 for a double tube (with a 10 m length).
TEST_F(FluidModeTest, ShellPhaseChangeTubeCountByUnitsAndExchanger) {
    struct Row {
        const char* unitButton;
        const char* exchanger;
        const char *tubes, *length;
    };
    const Row rows[] = {{"BUTTON33", "1", "200", "1000"},
                        {"BUTTON34", "1", "100", "1000"},
                        {"BUTTON33", "2", "1", "10000"}};
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.unitButton << " type " << r.exchanger);
        session.forms.setText("MAINFORM", "EDIT114", r.exchanger);
        session.click("FORM6", r.unitButton);
        click("BUTTON24");
        click("BUTTON28");
        EXPECT_EQ(text("EDIT80", "FORM7"), r.tubes);
        EXPECT_EQ(text("EDIT83", "FORM7"), r.length);
    }
}

TEST_F(FluidModeTest, WetGasAtOneAtmosphereTakesTheGasCorrelation) {
    start("BUTTON32");
    click("BUTTON2");
    EXPECT_EQ(text("EDIT40"), "4");
    EXPECT_FALSE(enabled("BUTTON25"));
    EXPECT_TRUE(session.forms.formVisible("FORM10"));
    // What FORM10 leaves: the 1 atm basis.
    session.forms.setText("FORM10", "EDIT125", "2");
    session.forms.setEnabled("MAINFORM", "BUTTON25", true);
    click("BUTTON25");
    EXPECT_TRUE(enabled("BUTTON15"));
    EXPECT_FALSE(enabled("BUTTON16"));
    session.forms.setText("MAINFORM", "EDIT22", "2");
    click("BUTTON15");
    EXPECT_EQ(text("EDIT40"), "4");
    EXPECT_EQ(text("EDIT113", "FORM7"), "0.069");
    EXPECT_FALSE(enabled("EDIT89", "FORM7"));
    EXPECT_EQ(text("EDIT28"), "    0");
    EXPECT_EQ(text("EDIT22"), "    1");
    EXPECT_EQ(text("EDIT94", "FORM7"), "correlation");
}

// Reopening an earlier row closes the later ones and MAIN INPUT.
TEST_F(FluidModeTest, ReopeningARowClosesTheLaterRows) {
    start("BUTTON33");
    click("BUTTON4");
    click("BUTTON25");
    click("BUTTON12");
    click("BUTTON29");
    click("BUTTON17");
    ASSERT_TRUE(enabled("BUTTON41"));
    click("BUTTON25");
    EXPECT_FALSE(enabled("BUTTON41"));
    EXPECT_FALSE(enabled("BUTTON29"));
    EXPECT_EQ(text("EDIT43"), " ■");
    EXPECT_EQ(text("EDIT41"), "1");  // kept until overwritten
    click("BUTTON24");
    EXPECT_EQ(text("EDIT39"), "0");
    EXPECT_EQ(text("EDIT80", "FORM7"), "");
    EXPECT_EQ(text("EDIT84", "FORM7"), "    ―");
    EXPECT_FALSE(enabled("BUTTON25"));
    EXPECT_EQ(text("EDIT42"), " ■");
}

}  // namespace
}  // namespace hx
