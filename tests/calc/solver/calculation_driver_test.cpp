// The start button through the session: each presence check with its
// message in both languages, the temperature order, the composition limits,
// the double-tube fit, the console questions of a run and the end-of-run
// reset after a halt.
#include "calc/solver/calculation_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "console/scripted_console.h"
#include "model/inventory.h"
#include "model/session.h"
#include "program/session/startup.h"

namespace hx {
namespace {

std::string trimmed(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

using Fields = std::vector<std::pair<const char*, const char*>>;

void setFields(FormStore& forms, const char* form, const Fields& fields) {
    for (auto& [name, text] : fields) forms.setText(form, name, text);
}

// A complete shell-and-tube case in the Japanese engineering code: water on
// both sides, tube outlet temperature given (T1 80, T3 20, T4 50 ℃).
void fillCompleteCase(FormStore& forms) {
    setFields(
        forms, "MAINFORM",
        {{"EDIT74", "4"},       {"EDIT114", "1"},      {"EDIT77", "0"},     {"EDIT39", "1"},
         {"EDIT40", "3"},       {"EDIT41", "3"},       {"EDIT86", "3"},     {"EDIT53", "    1"},
         {"EDIT25", "    1"},   {"EDIT73", "    2"},   {"EDIT29", "    1"}, {"EDIT91", "4"},
         {"EDIT92", "2"},       {"EDIT139", "1"},      {"EDIT75", "   10"}, {"EDIT76", "   10"},
         {"EDIT2", "   27"},    {"EDIT1", "   25"},    {"EDIT3", "  1.25"}, {"EDIT4", "　 ━"},
         {"EDIT5", "　 ━"},     {"EDIT6", "　 ━"},     {"EDIT16", "   ━"},  {"EDIT15", "   340"},
         {"EDIT17", " 0.0005"}, {"EDIT18", " 0.0005"}, {"EDIT19", "    1"}, {"EDIT45", "   250"},
         {"EDIT46", "   0.4"},  {"EDIT47", "    0"},   {"EDIT52", "    0"}, {"EDIT48", "    0"},
         {"EDIT50", "   15"},   {"EDIT49", "   0.5"},  {"EDIT51", "   0.2"}});
    setFields(forms, "FORM7",
              {{"EDIT80", "100"},
               {"EDIT81", "80"},
               {"EDIT82", "20"},
               {"EDIT84", "50"},
               {"EDIT85", "    ―"},
               {"EDIT83", "    ―"},
               {"EDIT122", "3"}});
    setFields(forms, "FORM8", {{"EDIT117", "1"}, {"EDIT119", "1.0"}, {"EDIT120", "1.0"}});
}

// The program as launched, with a complete case typed into its fields.
struct Rig {
    ScriptedConsole console;
    ScriptedPlatform platform;
    Session session{console, platform};
    Rig() {
        startProgram(session);
        fillCompleteCase(session.forms);
    }
};

class StartButtonTest : public ::testing::Test {
protected:
    StartButtonTest() : session(rig.session), console(rig.console) {}

    void set(const char* form, const Fields& fields) { setFields(session.forms, form, fields); }

    // Presses the start button; `keys` are queued first (the acknowledgement
    // of a halt, console answers).
    void start(std::vector<std::string> keys = {}) {
        for (auto& k : keys) console.queueAnswer(k);
        session.click("MAINFORM", "BUTTON1");
    }

    bool printed(const std::string& line) const {
        const auto& t = console.transcript();
        return std::find(t.begin(), t.end(), trimmed(line)) != t.end();
    }

    bool halted() const { return printed(std::string(kHaltLine1)); }

    Rig rig;
    Session& session;
    ScriptedConsole& console;
};

TEST_F(StartButtonTest, CompleteCaseRunsToTheResultsMenuAndRestarts) {
    start({"4"});
    EXPECT_FALSE(halted());
    EXPECT_TRUE(printed("                      　+ 主要緒元入力 +    "));
    EXPECT_EQ(console.transcript().back(), ScriptedConsole::kClearMark);
    EXPECT_TRUE(session.forms.enabled("MAINFORM", "BUTTON1"));
    EXPECT_EQ(session.forms.text("MAINFORM", "BUTTON1"), " 計算開始");
}

// The required case: an empty tube inside diameter with a Japanese code
// halts with its message; after the key the forms are usable again.
TEST_F(StartButtonTest, EmptyInsideDiameterHaltsThenResets) {
    set("MAINFORM", {{"EDIT1", ""}});
    start({""});
    EXPECT_TRUE(printed("    ｛ 右表 ｝伝熱管内径未登録"));
    EXPECT_TRUE(halted());
    EXPECT_FALSE(printed("                      　+ 主要緒元入力 +    "));
    EXPECT_EQ(console.transcript().back(), ScriptedConsole::kClearMark);
    for (const char* c : {"BUTTON1", "EDIT1", "EDIT2", "EDIT3", "BUTTON41", "BUTTON6", "RADIO7",
                          "BUTTON26", "EDIT15", "EDIT45"}) {
        EXPECT_TRUE(session.forms.enabled("MAINFORM", c)) << c;
    }
    EXPECT_FALSE(session.forms.formVisible("FORM3"));
    EXPECT_EQ(session.forms.text("FORM4", "EDIT54"), "0");
    EXPECT_EQ(session.forms.text("FORM4", "EDIT72"), "0");
}

struct PresenceCase {
    const char* form;
    const char* control;
    const char* japanese;
    const char* english;
    bool lowFin;
};

// Every presence check, emptied one at a time on an otherwise complete case.
const PresenceCase kPresence[] = {
    {"MAINFORM", "EDIT39", "         ｛上表｝流体の選択を行ってください",
     "         ｛ Upper colums 1 ｝still did not entry ", false},
    {"MAINFORM", "EDIT40", "         ｛上表｝管内側物性値が未登録",
     "         ｛ Upper colums 2 ｝still did not entry ", false},
    {"MAINFORM", "EDIT41", "         ｛上表｝管外側物性値が未登録",
     "         ｛ Upper colums 3 ｝still did not entry ", false},
    {"MAINFORM", "EDIT53", "    ｛ 右表 ｝向流／並流の番号未登録",
     "    ｛ Right colums ｝set the flow pattern No.(1 or 2)", false},
    {"MAINFORM", "EDIT1", "    ｛ 右表 ｝伝熱管内径未登録",
     "    ｛ Right colums ｝set the Tube inside diameter", false},
    {"MAINFORM", "EDIT2", "    ｛ 右表 ｝伝熱管外径未登録",
     "    ｛ Right colums ｝set the Tube outside diameter", false},
    {"MAINFORM", "EDIT19", "    ｛ 右表 ｝管内側流体ﾊﾟｽ数未登録",
     "    ｛ Right colums ｝set the Tube side fluid pass number", false},
    {"MAINFORM", "EDIT4", "    ｛ 右表 ｝ﾌｨﾝ肉厚が未登録",
     "    ｛ Right colums ｝set the Fin thicknes", true},
    {"MAINFORM", "EDIT5", "    ｛ 右表 ｝ﾌｲﾝ高さが未登録",
     "    ｛ Right colums ｝set the Fin hight", true},
    {"MAINFORM", "EDIT6", "    ｛ 右表 ｝ﾌｲﾝ間隔（山数/吋）未登録",
     "    ｛ Right colums ｝set the Fin pitch", true},
    {"MAINFORM", "EDIT73", "     ｛ 右表 ｝伝熱促進用管内捻りﾃｰﾌﾟの有無未登録",
     "     ｛ Right colums ｝set the use of Twistet tape ”or not”", false},
};

TEST_F(StartButtonTest, EachPresenceCheckInBothLanguages) {
    for (const PresenceCase& c : kPresence) {
        for (const char* code : {"4", "3", "1"}) {
            Rig r;
            FormStore& f = r.session.forms;
            f.setText("MAINFORM", "EDIT74", code);
            if (c.lowFin) {
                setFields(f, "MAINFORM",
                          {{"EDIT25", "2"}, {"EDIT4", "0.3"}, {"EDIT5", "1.4"}, {"EDIT6", "19"}});
            }
            f.setText(c.form, c.control, "");
            r.console.queueAnswer("");
            r.session.click("MAINFORM", "BUTTON1");
            const std::string expected =
                trimmed(std::string(code[0] == '1' ? c.english : c.japanese));
            const auto& t = r.console.transcript();
            EXPECT_NE(std::find(t.begin(), t.end(), expected), t.end())
                << c.control << " code " << code;
            EXPECT_EQ(t.back(), ScriptedConsole::kClearMark);
        }
    }
}

TEST_F(StartButtonTest, PhaseChangeModeSkipsFlowArrangementAndOrderChecks) {
    // Mode 3 with no flow arrangement and an outlet outside the inlets.
    set("MAINFORM", {{"EDIT39", "3"}, {"EDIT53", ""}, {"EDIT40", "1"}});
    set("FORM7", {{"EDIT84", "90"},
                  {"EDIT83", "1000"},
                  {"EDIT93", "2200"},
                  {"EDIT94", "0.6"},
                  {"EDIT95", "2"},
                  {"EDIT96", "2e-5"},
                  {"EDIT97", "0.025"},
                  {"EDIT98", "958"},
                  {"EDIT99", "4.2"},
                  {"EDIT100", "3e-7"},
                  {"EDIT101", "0.68"}});
    start({"", "4"});
    // The checks before the banner passed.
    EXPECT_TRUE(printed("                      　+ 主要緒元入力 +    "));
    // Mode 3 leaves the flow arrangement and the twisted tape disabled.
    EXPECT_FALSE(session.forms.enabled("MAINFORM", "EDIT53"));
    EXPECT_FALSE(session.forms.enabled("MAINFORM", "BUTTON30"));
}

TEST_F(StartButtonTest, OutletTemperatureOutOfOrderHalts) {
    // T3 = 20, T1 = 80: the tube outlet must lie between them.
    set("FORM7", {{"EDIT84", "90"}});
    start({""});
    EXPECT_TRUE(printed("   Illegal setting of outlet temperature"));
    EXPECT_EQ(console.transcript().back(), ScriptedConsole::kClearMark);
}

TEST_F(StartButtonTest, GasCompositionOver100Halts) {
    set("MAINFORM", {{"EDIT40", "4"}, {"EDIT91", "4"}, {"EDIT22", "1"}});
    set("FORM7", {{"EDIT87", "50"}, {"EDIT88", "40"}, {"EDIT89", "20"}});
    start({""});
    EXPECT_TRUE(printed("     CO2+O2+H2O over 100% range !"));
    EXPECT_TRUE(halted());
}

TEST_F(StartButtonTest, GasCompositionWithinLimitsPrintsTheWetBlock) {
    set("MAINFORM", {{"EDIT40", "4"}, {"EDIT91", "4"}, {"EDIT22", "1"}, {"EDIT92", "2"}});
    set("FORM7", {{"EDIT87", "10"}, {"EDIT88", "5"}, {"EDIT89", "20"}});
    start({"", "4"});
    // Average mixture: dry N2 85 %, diluted by 20 % water vapour.
    EXPECT_TRUE(printed("    CO2(%)=8  N2(%)=68  O2(%)=4  H2O(%)=20"));
}

TEST_F(StartButtonTest, CutLineTubesAskTheTwoWindowQuestions) {
    set("MAINFORM", {{"EDIT29", "2"}});
    start({"5", "0", "4"});
    EXPECT_FALSE(halted());
    EXPECT_TRUE(printed("     1◆ ﾊﾞｯﾌﾙ１枚の切欠内管本数（切欠線に非接触の管）"));
    EXPECT_TRUE(printed("  　 2◆ ﾊﾞｯﾌﾙ１枚の切欠内管列数（切欠線に直角方向最大管列）"));
}

TEST_F(StartButtonTest, DoubleTubeInnerTubeMustFit) {
    set("MAINFORM", {{"EDIT114", "2"},
                     {"EDIT77", "1"},
                     {"EDIT2", "16"},
                     {"EDIT1", "14"},
                     {"EDIT3", "16"},
                     {"EDIT75", "500"},
                     {"EDIT76", "500"}});
    set("FORM7", {{"EDIT80", "1"}});
    start({""});
    EXPECT_TRUE(printed("    !! (16＜DS)に設定して下さい。    DS=0.016"));
}

// Wet gas at 1 atm with 1 % water: its saturation temperature (about 7 ℃)
// is far below the shell inlet of 80 ℃.
class WetGasTest : public StartButtonTest {
protected:
    WetGasTest() {
        set("MAINFORM", {{"EDIT39", "2"},
                         {"EDIT40", "4"},
                         {"EDIT91", "5"},
                         {"EDIT22", "1"},
                         {"EDIT92", "1"},
                         {"EDIT28", "0.1"},
                         {"EDIT86", "1"}});
        set("FORM7", {{"EDIT82", " Sat.temp."}, {"EDIT83", "1000"}, {"EDIT89", "1"}});
        set("FORM10", {{"EDIT125", "2"}});
    }
};

TEST_F(WetGasTest, TooDryGasOffersResetOrReview) {
    start({"x", "1"});
    EXPECT_TRUE(printed("   !! 注) 本湿り計算は、以降入力する水分量の飽和温度を管側入"));
    EXPECT_TRUE(printed("  /// 高温側飽和水分量が低すぎます。顕熱計算で実行して下さい。///"));
    EXPECT_FALSE(halted());
    EXPECT_EQ(console.transcript().back(), ScriptedConsole::kClearMark);
}

TEST_F(WetGasTest, ReviewRepeatsTheEntryAfterTheBanner) {
    start({"2", "1"});
    const auto& t = console.transcript();
    EXPECT_EQ(
        std::count(t.begin(), t.end(),
                   trimmed("  /// 高温側飽和水分量が低すぎます。顕熱計算で実行して下さい。///")),
        2);
}

}  // namespace
}  // namespace hx
