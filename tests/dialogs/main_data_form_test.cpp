// The main data form FORM7: MAIN INPUT, the solve-for and composition
// buttons, RESET and the checks of OK. Expected texts are the ones the
// forms must show, copied from the requirements' tables.
#include "dialogs/main_data_form.h"

#include <gtest/gtest.h>

#include <string>

#include "console/scripted_console.h"
#include "model/platform.h"
#include "model/session.h"
#include "program/session/startup.h"

namespace hx {
namespace {

constexpr const char* kMain = "MAINFORM";
constexpr const char* kData = "FORM7";
constexpr const char* kTemperature = "  Illegal temperature setting";

// Expected verdicts worked out by hand from the order of the checks: the
// phase-change inlet order first, then equal inlets, then (mode 1 only) the
// length or the outlet between the two inlets.
struct CheckCase {
    const char* what;
    MainDataEntries entries;  // mode, solve-for, phase, T1, T3, L, T2, T4
    MainDataStage stage;
    const char* message;
};

const CheckCase kChecks[] = {
    {"shell cooled, T2 above T1", {1, 2, 0, 80, 20, 0, 90, 0}, MainDataStage::Duty, kTemperature},
    {"shell cooled, T2 at T3", {1, 2, 0, 80, 20, 0, 20, 0}, MainDataStage::Passed, ""},
    {"shell cooled, T2 below T3", {1, 2, 0, 80, 20, 0, 19, 0}, MainDataStage::Duty, kTemperature},
    {"shell cooled, T2 at T1", {1, 2, 0, 80, 20, 0, 80, 0}, MainDataStage::Passed, ""},
    {"shell heated, T2 below T1", {1, 2, 0, 20, 80, 0, 19, 0}, MainDataStage::Duty, kTemperature},
    {"shell heated, T2 above T3", {1, 2, 0, 20, 80, 0, 81, 0}, MainDataStage::Duty, kTemperature},
    {"shell heated, T2 between", {1, 2, 0, 20, 80, 0, 50, 0}, MainDataStage::Passed, ""},
    {"tube heated, T4 below T3", {1, 3, 0, 80, 20, 0, 0, 19}, MainDataStage::Duty, kTemperature},
    {"tube heated, T4 above T1", {1, 3, 0, 80, 20, 0, 0, 81}, MainDataStage::Duty, kTemperature},
    {"tube heated, T4 at T1", {1, 3, 0, 80, 20, 0, 0, 80}, MainDataStage::Passed, ""},
    {"tube cooled, T4 above T3", {1, 3, 0, 20, 80, 0, 0, 81}, MainDataStage::Duty, kTemperature},
    {"tube cooled, T4 below T1", {1, 3, 0, 20, 80, 0, 0, 19}, MainDataStage::Duty, kTemperature},
    {"tube cooled, T4 at T3", {1, 3, 0, 20, 80, 0, 0, 80}, MainDataStage::Passed, ""},
    {"length 0", {1, 1, 0, 20, 80, 0, 0, 0}, MainDataStage::Duty, "  Illegal tube length setting"},
    {"length 0.5 mm", {1, 1, 0, 20, 80, 0.5f, 0, 0}, MainDataStage::Passed, ""},
    {"equal inlets", {1, 1, 0, 50, 50, 1000, 0, 0}, MainDataStage::Duty, kTemperature},
    {"wet gas: outlets not bounded", {2, 2, 0, 20, 80, 1000, 500, 500}, MainDataStage::Passed, ""},
    {"wet gas: equal inlets", {2, 1, 0, 80, 80, 1000, 0, 0}, MainDataStage::Duty, kTemperature},
    {"tube condensing at the shell inlet",
     {3, 1, 1, 100, 100, 1000, 0, 0},
     MainDataStage::PhaseChange,
     " Illegal temperature setting"},
    {"tube condensing above the shell", {3, 1, 1, 20, 100, 1000, 0, 0}, MainDataStage::Passed, ""},
    {"tube evaporating above the shell",
     {3, 1, 2, 100, 150, 1000, 0, 0},
     MainDataStage::PhaseChange,
     " Illegal temperature setting"},
    {"tube evaporating below the shell",
     {3, 1, 2, 150, 100, 0, 999, 999},
     MainDataStage::Passed,
     ""},
    {"shell condensing below the tube",
     {4, 1, 1, 20, 80, 1000, 0, 0},
     MainDataStage::PhaseChange,
     kTemperature},
    {"shell condensing above the tube", {4, 1, 1, 100, 20, 1000, 0, 0}, MainDataStage::Passed, ""},
    {"shell evaporating above the tube",
     {4, 1, 2, 100, 20, 1000, 0, 0},
     MainDataStage::PhaseChange,
     kTemperature},
    {"shell evaporating below the tube",
     {4, 1, 2, 100, 150, 1000, 0, 0},
     MainDataStage::Passed,
     ""},
};

TEST(MainDataChecks, StopAtTheFirstFailureWithItsMessage) {
    for (const CheckCase& c : kChecks) {
        const MainDataVerdict v = checkMainData(c.entries);
        EXPECT_EQ(v.stage, c.stage) << c.what;
        EXPECT_EQ(std::string(v.message), c.message) << c.what;
    }
}

class MainDataFormTest : public ::testing::Test {
protected:
    MainDataFormTest() : session(console, platform) { startProgram(session); }

    FormStore& f() { return session.forms; }
    const std::string& text(const char* form, const char* control) {
        return f().text(form, control);
    }
    void click(const char* form, const char* control) { session.click(form, control); }

    // Code 1, the sample, mode 1 with water on both sides, then MAIN INPUT.
    void openSensibleWaterCase() {
        for (const char* b :
             {"BUTTON24", "BUTTON4", "BUTTON25", "BUTTON14", "BUTTON29", "BUTTON19"})
            click(kMain, b);
        click(kMain, "BUTTON41");
    }

    ScriptedConsole console;
    ScriptedPlatform platform;
    Session session;
};

TEST_F(MainDataFormTest, ClickPathThroughBothOkButtonsEnablesTheStartButton) {
    click("FORM6", "BUTTON32");
    click(kMain, "BUTTON35");
    openSensibleWaterCase();
    EXPECT_TRUE(f().formVisible(kData));
    EXPECT_FALSE(f().enabled(kMain, "BUTTON24"));
    click(kData, "BUTTON40");
    EXPECT_FALSE(f().formVisible(kData));
    EXPECT_TRUE(f().formVisible("FORM8"));
    EXPECT_FALSE(f().enabled(kMain, "BUTTON1"));
    click("FORM8", "BUTTON45");

    EXPECT_TRUE(f().enabled(kMain, "BUTTON1"));
    EXPECT_FALSE(f().formVisible("FORM8"));
    EXPECT_EQ(f().number(kMain, "EDIT39"), 1.0f);
    EXPECT_EQ(f().number(kMain, "EDIT40"), 3.0f);
    EXPECT_EQ(f().number(kMain, "EDIT41"), 3.0f);
    EXPECT_EQ(f().number(kMain, "EDIT86"), 1.0f);
    // Mode 1 defaults in K: 100 tubes, shell 293 K, tube 353 K, 1000 mm.
    EXPECT_EQ(f().number(kData, "EDIT80"), 100.0f);
    EXPECT_EQ(f().number(kData, "EDIT81"), 293.0f);
    EXPECT_EQ(f().number(kData, "EDIT82"), 353.0f);
    EXPECT_EQ(f().number(kData, "EDIT83"), 1000.0f);
    EXPECT_EQ(text(kData, "TEXT127"), "Shell side inlet Temp.(K)");
    EXPECT_EQ(text(kData, "RADIO4"), "Tube side gas components");
}

TEST_F(MainDataFormTest, OutletOutsideTheInletsHaltsAndKeepsTheEntries) {
    click("FORM6", "BUTTON33");
    openSensibleWaterCase();
    click(kData, "RADIO2");
    f().setText(kData, "EDIT81", "80");
    f().setText(kData, "EDIT82", "20");
    f().setText(kData, "EDIT85", "90");
    console.queueAnswer("");
    click(kData, "BUTTON40");
    EXPECT_EQ(text(kData, "TEXT177"), kTemperature);
    EXPECT_EQ(text(kData, "EDIT85"), "90");
    EXPECT_TRUE(f().formVisible(kData));
    EXPECT_FALSE(f().formVisible("FORM8"));
    EXPECT_FALSE(f().enabled(kMain, "BUTTON1"));
    EXPECT_EQ(console.pendingAnswers(), 0u);
    ASSERT_GE(console.transcript().size(), 2u);
    EXPECT_EQ(console.transcript().back(), "任意のキーを押してください");

    f().setText(kData, "EDIT85", "20");
    click(kData, "BUTTON40");
    EXPECT_EQ(text(kData, "TEXT177"), " ");
    EXPECT_FALSE(f().formVisible(kData));
    EXPECT_TRUE(f().formVisible("FORM8"));
    // A shell outlet given leaves no choice of flow arrangement.
    EXPECT_FALSE(f().enabled(kMain, "EDIT53"));
}

TEST_F(MainDataFormTest, PhaseChangeFailureKeepsTheStartButton) {
    click("FORM6", "BUTTON33");
    f().setText(kMain, "EDIT39", "3");
    f().setText("FORM9", "EDIT121", "1");
    f().setText(kData, "EDIT81", "100");
    f().setText(kData, "EDIT82", "100");
    click(kMain, "BUTTON41");
    console.queueAnswer("");
    click(kData, "BUTTON40");
    EXPECT_EQ(text(kData, "TEXT177"), " Illegal temperature setting");
    EXPECT_TRUE(f().formVisible(kData));
    EXPECT_FALSE(f().formVisible("FORM8"));
    EXPECT_TRUE(f().enabled(kMain, "BUTTON1"));
}

struct SolveForCase {
    const char* button;
    const char* open;    // the one field of length, shell outlet, tube outlet to fill
    const char* marker;  // its marker
    bool arrangement;    // flow arrangement available
};

const SolveForCase kSolveFor[] = {
    {"RADIO1", "EDIT83", "TEXT146", true},
    {"RADIO2", "EDIT85", "TEXT142", false},
    {"RADIO3", "EDIT84", "TEXT141", false},
};

TEST_F(MainDataFormTest, SolveForButtonsOpenOneFieldAndMarkIt) {
    click("FORM6", "BUTTON33");
    for (int i = 0; i < 3; ++i) {
        const SolveForCase& c = kSolveFor[i];
        click(kData, c.button);
        EXPECT_EQ(f().number(kMain, "EDIT86"), static_cast<float>(i + 1));
        EXPECT_EQ(f().number(kData, "EDIT122"), static_cast<float>(i + 1));
        EXPECT_EQ(f().enabled(kMain, "EDIT53"), c.arrangement) << c.button;
        EXPECT_EQ(f().enabled(kMain, "BUTTON27"), c.arrangement) << c.button;
        for (const SolveForCase& other : kSolveFor) {
            const bool open = other.open == c.open;
            EXPECT_EQ(f().enabled(kData, other.open), open) << c.button << other.open;
            EXPECT_EQ(text(kData, other.open), open ? "" : "    ―") << c.button << other.open;
            EXPECT_EQ(text(kData, other.marker), open ? "→" : "") << c.button << other.marker;
        }
        for (const char* m : {"TEXT147", "TEXT148", "TEXT149"}) EXPECT_EQ(text(kData, m), "→");
    }
}

TEST_F(MainDataFormTest, MainInputAppliesTapeDoubleTubeAndPressurisedGas) {
    click("FORM6", "BUTTON34");
    f().setText(kMain, "EDIT39", "2");
    f().setText(kMain, "EDIT40", "4");
    f().setText(kMain, "EDIT73", "1");
    f().setText(kMain, "EDIT114", "2");
    f().setText("FORM10", "EDIT125", "1");
    click(kMain, "BUTTON41");
    EXPECT_EQ(text(kData, "EDIT111"), "100");
    EXPECT_EQ(text(kData, "EDIT112"), "1");
    EXPECT_EQ(text(kData, "EDIT80"), "1");
    // Pressurised wet gas, code 3: dew point 303 K, gas at 0.8 MPa.
    EXPECT_EQ(text(kData, "EDIT124"), "303");
    EXPECT_EQ(text(kData, "EDIT123"), "0.8");
    EXPECT_EQ(text(kData, "TEXT178"), "管内気体圧力(MPa)");
    EXPECT_EQ(text(kData, "EDIT87"), "     ―");
    EXPECT_FALSE(f().enabled(kData, "RADIO4"));
    EXPECT_FALSE(f().enabled(kData, "EDIT82"));
    EXPECT_EQ(f().number(kMain, "EDIT86"), 1.0f);
    EXPECT_EQ(text(kData, "TEXT130"), "");
    EXPECT_EQ(text(kData, "RADIO6"), "標準空気(管内)【組込値】");
}

TEST_F(MainDataFormTest, CompositionButtons) {
    click("FORM6", "BUTTON33");
    f().setText(kMain, "EDIT39", "2");
    click(kData, "RADIO6");
    EXPECT_EQ(text(kMain, "EDIT91"), "6");
    EXPECT_EQ(text(kData, "EDIT90"), "79.02");
    EXPECT_EQ(text(kData, "EDIT89"), "0");
    EXPECT_FALSE(f().enabled(kData, "EDIT90"));

    click(kData, "RADIO4");
    EXPECT_EQ(text(kData, "EDIT90"), "  remain");
    EXPECT_EQ(f().number(kData, "EDIT90"), 0.0f);
    EXPECT_EQ(text(kData, "TEXT150"), "→");
    EXPECT_FALSE(f().enabled(kData, "RADIO6"));  // a wet gas is never standard air

    f().setText(kMain, "EDIT22", "2");
    click(kData, "RADIO5");
    EXPECT_EQ(text(kData, "EDIT87"), "0.03");
    EXPECT_EQ(text(kData, "EDIT88"), "20.95");
    EXPECT_EQ(text(kData, "EDIT89"), "    －");
    EXPECT_FALSE(f().enabled(kData, "EDIT89"));
    EXPECT_TRUE(f().enabled(kData, "EDIT113"));
    EXPECT_TRUE(f().enabled(kData, "BUTTON37"));
    EXPECT_EQ(text(kData, "TEXT144"), "→");

    click(kData, "BUTTON37");
    EXPECT_EQ(text(kMain, "EDIT92"), "1");
    EXPECT_EQ(text(kData, "TEXT145"), "→");
    EXPECT_EQ(text(kData, "TEXT144"), "");
}

TEST_F(MainDataFormTest, ResetAndWindowClose) {
    click("FORM6", "BUTTON33");
    f().setText(kMain, "EDIT39", "1");
    f().setText(kData, "EDIT81", "20");
    click(kData, "BUTTON39");
    EXPECT_EQ(text(kData, "EDIT81"), "");
    EXPECT_EQ(text(kData, "EDIT84"), "    ―");
    EXPECT_EQ(text(kData, "TEXT146"), "→");

    f().setText(kMain, "EDIT39", "3");
    f().setText(kData, "EDIT94", "0.5");
    f().setText(kData, "EDIT84", "70");
    click(kData, "BUTTON39");
    EXPECT_EQ(text(kData, "EDIT94"), "");
    EXPECT_EQ(text(kData, "EDIT84"), "70");  // mode 3 keeps the outlet rows

    f().showForm(kData);
    click(kData, "BUTTON42");
    EXPECT_FALSE(f().formVisible(kData));
    EXPECT_TRUE(f().enabled(kMain, "BUTTON41"));
    EXPECT_TRUE(f().enabled(kMain, "BUTTON24"));
}

}  // namespace
}  // namespace hx
