// Launch, the unit-system form and the two sample cases. Expected texts are
// the ones the forms must show, copied from the requirements' tables.
#include "program/session/startup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/display_width.h"
#include "console/scripted_console.h"
#include "dialogs/unit_system.h"
#include "model/geometry_column.h"
#include "model/platform.h"
#include "model/session.h"
#include "program/session/sample_cases.h"

namespace hx {
namespace {

const std::string kDash = "\u3000 ━";  // "does not apply"

class StartupTest : public ::testing::Test {
protected:
    StartupTest() : session(console, platform) { startProgram(session); }

    const std::string& text(const char* control, const char* form = "MAINFORM") {
        return session.forms.text(form, control);
    }
    bool enabled(const char* control, const char* form = "MAINFORM") {
        return session.forms.enabled(form, control);
    }
    void click(const char* form, const char* control) { session.click(form, control); }

    ScriptedConsole console;
    ScriptedPlatform platform;
    Session session;
};

// The rest of the launch state is in the golden transcript startup_launch.
TEST_F(StartupTest, LaunchLeavesOnlyTheUnitFormAndTheTwoFlowsUsable) {
    EXPECT_TRUE(session.forms.formVisible("FORM6"));
    for (const char* form : {"FORM2", "FORM3", "FORM4", "FORM7", "FORM8", "FORM9", "FORM10"})
        EXPECT_FALSE(session.forms.formVisible(form)) << form;
    EXPECT_FALSE(enabled("BUTTON1"));
    EXPECT_FALSE(enabled("EDIT125", "FORM10"));
    for (const char* field : geometryColumnFields()) {
        const std::string name = field;
        EXPECT_EQ(enabled(field), name == "EDIT75" || name == "EDIT76") << name;
    }
}

struct UnitCase {
    const char* button;
    const char* code;          // written into EDIT74
    const char* startCaption;  // BUTTON1 in the chosen language
};

// English for code 1, Japanese for codes 3 and 4. The guidance box each
// prints is in the golden transcripts startup_*.
const UnitCase kUnitCases[] = {
    {"BUTTON32", "1", " CALC.ON "}, {"BUTTON33", "4", " 計算開始"}, {"BUTTON34", "3", " 計算開始"}};

TEST_F(StartupTest, UnitButtonsWriteTheirCodeAndOpenTheCaseForEditing) {
    for (const UnitCase& u : kUnitCases) {
        SCOPED_TRACE(u.button);
        session.forms.setText("MAINFORM", "EDIT53", "    2");
        click("FORM6", u.button);
        EXPECT_EQ(text("EDIT74"), u.code);
        EXPECT_EQ(text("BUTTON1"), u.startCaption);
        EXPECT_TRUE(enabled("BUTTON43", "FORM6"));
        EXPECT_FALSE(enabled("BUTTON1"));
        for (const char* b : {"BUTTON24", "BUTTON7", "BUTTON27", "BUTTON31", "RADIO7", "BUTTON35"})
            EXPECT_TRUE(enabled(b)) << b;
        for (const char* b : {"BUTTON25", "BUTTON29", "BUTTON4", "BUTTON12", "BUTTON19"})
            EXPECT_FALSE(enabled(b)) << b;
        for (const char* field : geometryColumnFields()) EXPECT_TRUE(enabled(field)) << field;
        EXPECT_FALSE(enabled("EDIT43"));
        EXPECT_EQ(text("EDIT53"), "    ");

        // Cleared, then two empty lines, the title and the box.
        const auto& t = console.transcript();
        const std::size_t printed = guidanceBox(std::stoi(u.code)).size() + 3;
        ASSERT_GT(t.size(), printed);
        EXPECT_EQ(t[t.size() - printed - 1], ScriptedConsole::kClearMark);
    }
}

TEST_F(StartupTest, GuidanceBoxRowsAreAllAsWideAsTheFrame) {
    // A missing or extra ideographic space would break the right edge.
    std::string blank = " │";
    for (int i = 0; i < 30; ++i) blank += "\u3000";
    blank += "│";
    struct BoxCase {
        int code;
        std::vector<std::size_t> blankRows;
    };
    for (const BoxCase& b :
         {BoxCase{1, {3, 6, 11}}, BoxCase{3, {3, 6, 10}}, BoxCase{4, {3, 6, 10}}}) {
        SCOPED_TRACE(b.code);
        const auto box = guidanceBox(b.code);
        for (std::string_view line : box)
            EXPECT_EQ(displayWidth(line), line.back() == ' ' ? 66 : 65) << line;
        for (std::size_t row : b.blankRows) EXPECT_EQ(box[row], blank);
        EXPECT_EQ(box.front(), " ┌──────────────────────────────┐");
        EXPECT_EQ(box.back(), " └──────────────────────────────┘");
    }
}

struct FieldText {
    const char* field;
    std::string text;
};

const FieldText kDoubleTubeSample[] = {
    {"EDIT75", "  500"},   {"EDIT76", "  500"},
    {"EDIT2", "   16"},    {"EDIT1", "   14"},
    {"EDIT3", "   20"},    {"EDIT25", "    1"},
    {"EDIT4", kDash},      {"EDIT5", kDash},
    {"EDIT6", kDash},      {"EDIT16", kDash},
    {"EDIT15", "  340"},   {"EDIT73", "    2"},
    {"EDIT17", " 0.0005"}, {"EDIT18", " 0.0005"},
    {"EDIT53", "    1"},   {"EDIT19", "    1"},
    {"EDIT45", kDash},     {"EDIT29", kDash},
    {"EDIT46", kDash},     {"EDIT47", kDash},
    {"EDIT52", kDash},     {"EDIT48", kDash},
    {"EDIT50", kDash},     {"EDIT49", kDash},
    {"EDIT51", kDash},     {"EDIT22", "    1"},
    {"EDIT77", "1"},       {"TEXT33", "    ↓Sample data"},
};

// Copper: 395 W/mK in SI, 340 kcal/mh℃ in engineering units.
TEST_F(StartupTest, ShellAndTubeSampleTakesTheConductivityOfTheUnitSystem) {
    struct Case {
        const char* button;
        const char* conductivity;
        const char* radio7;
    };
    for (const Case& c : {Case{"BUTTON32", "   395", " Sample data"},
                          Case{"BUTTON34", "   395", " S/T"}, Case{"BUTTON33", "   340", " S/T"}}) {
        SCOPED_TRACE(c.button);
        session.forms.showForm("FORM6");
        click("FORM6", c.button);
        click("MAINFORM", "BUTTON35");
        EXPECT_EQ(text("EDIT15"), c.conductivity);
        EXPECT_EQ(text("RADIO7"), c.radio7);
        EXPECT_EQ(text("EDIT45"), "   250");
        EXPECT_EQ(text("EDIT77"), "0");
        EXPECT_FALSE(session.forms.formVisible("FORM6"));
        EXPECT_EQ(console.transcript().back(), ScriptedConsole::kClearMark);
    }
}

TEST_F(StartupTest, ShellAndTubeSampleMarksTheWetGasFieldsByFluidModeAndBasis) {
    struct Case {
        const char* mode;
        const char* basis;
        std::string edit22;
        std::string edit28;
    };
    // The H2O unit and the condensate film apply only to a wet gas; its unit
    // is fixed when the humidity comes from a dew point (basis 1).
    const Case cases[] = {
        {" 1", "", kDash, kDash},      {" 3", "", kDash, kDash},
        {" 4", "", kDash, kDash},      {" 2", "2", "    2", "    0.1"},
        {" 2", "1", kDash, "    0.1"}, {"", "", "    2", "    0.1"},
    };
    click("FORM6", "BUTTON34");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("mode ") + c.mode + " basis " + c.basis);
        session.forms.setText("MAINFORM", "EDIT39", c.mode);
        session.forms.setText("FORM10", "EDIT125", c.basis);
        session.forms.setText("MAINFORM", "EDIT22", "    2");
        session.forms.setEnabled("MAINFORM", "EDIT22", false);
        session.forms.setEnabled("MAINFORM", "EDIT28", false);
        click("MAINFORM", "BUTTON35");
        EXPECT_EQ(text("EDIT22"), c.edit22);
        EXPECT_EQ(text("EDIT28"), c.edit28);
        EXPECT_TRUE(enabled("EDIT22"));
        EXPECT_TRUE(enabled("EDIT28"));
    }
}

TEST_F(StartupTest, DoubleTubeSampleAndClose) {
    struct Case {
        const char* button;
        const char* radio8;
        const char* text1;
    };
    for (const Case& c : {Case{"BUTTON32", " Double Tube", " ★ Outside dia.of inter tube(mm)"},
                          Case{"BUTTON33", " 二重管式", " ★ 内管の伝熱管外径(mm)"}}) {
        SCOPED_TRACE(c.button);
        session.forms.showForm("FORM6");
        click("FORM6", c.button);
        session.forms.setText("MAINFORM", "EDIT114", "2");
        click("MAINFORM", "BUTTON35");
        for (const FieldText& f : kDoubleTubeSample) EXPECT_EQ(text(f.field), f.text) << f.field;
        EXPECT_EQ(text("RADIO7"), " S/T");
        EXPECT_EQ(text("RADIO8"), c.radio8);
        EXPECT_EQ(text("TEXT1"), c.text1);

        session.forms.setEnabled("MAINFORM", "RADIO7", false);
        click("MAINFORM", "BUTTON23");
        for (const char* dashed :
             {"EDIT3", "EDIT16", "EDIT4", "EDIT5", "EDIT6", "EDIT18", "EDIT45", "EDIT29", "EDIT46",
              "EDIT47", "EDIT48", "EDIT49", "EDIT50", "EDIT51", "EDIT52"})
            EXPECT_EQ(text(dashed), kDash) << dashed;
        for (const char* empty :
             {"EDIT25", "EDIT77", "EDIT53", "EDIT28", "EDIT22", "EDIT75", "EDIT76", "EDIT2",
              "EDIT1", "EDIT15", "EDIT19", "EDIT73", "EDIT17", "TEXT33"})
            EXPECT_EQ(text(empty), "") << empty;
        EXPECT_TRUE(enabled("RADIO7"));
        EXPECT_EQ(console.transcript().back(), ScriptedConsole::kClearMark);
    }
}

TEST_F(StartupTest, CloseAfterTheShellAndTubeSampleEmptiesTheWholeColumn) {
    click("FORM6", "BUTTON34");
    click("MAINFORM", "BUTTON35");
    session.forms.setEnabled("MAINFORM", "RADIO7", false);
    click("MAINFORM", "BUTTON23");
    for (const char* field : geometryColumnFields()) EXPECT_EQ(text(field), "") << field;
    EXPECT_EQ(text("TEXT33"), "");
    EXPECT_TRUE(enabled("RADIO7"));
}

TEST_F(StartupTest, DoubleTubeLabelsSurviveAChangeOfLanguage) {
    session.forms.setText("MAINFORM", "EDIT114", "2");
    click("FORM6", "BUTTON32");
    EXPECT_EQ(text("TEXT5"), " Fin height(mm)");
    EXPECT_EQ(text("TEXT20"), " Inside fluid flowrate(kg/h)");
    captionGeometry(session.forms, 1, 1);
    EXPECT_EQ(text("TEXT5"), " Fin hight(mm)");
    EXPECT_EQ(text("TEXT20"), " Tube side flowrate(ton/h)");
}

}  // namespace
}  // namespace hx
