// The results menu: close question, unit and language keys, wet-gas wording,
// the figure hint of the first menu of a program run, restart.
#include "report/screen/results_menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/scripted_console.h"
#include "model/inventory.h"
#include "model/session.h"

namespace hx {
namespace {

// Prompt lines as the transcript shows them (prompt, then the typed key).
const std::string kEE = "  【4】re-start ,【6】Check!  <<< hit Key >>> → ";
const std::string kES = "  【4】re-start,【6】Check !      << hit Key  0～4 >> → ";
const std::string kJE = " 【3】英文,    【4】再計算,    【6】精度ﾁｪｯｸ!  No.ｷｰｲﾝ →";
const std::string kJS = " 【3】英文,    【4】再計算,   【6】精度ﾁｪｯｸ　 ｷｰｲﾝ →";

struct Rig {
    ScriptedConsole console;
    ScriptedPlatform platform;
    Session session{console, platform};
    Rig() { buildInventory(session.forms); }
    std::vector<std::string> run(const std::vector<const char*>& keys, bool wetGas = false) {
        for (const char* k : keys) console.queueAnswer(k);
        RunInputs in;
        in.dc.wetGas = wetGas;
        runResultsMenu(session, in, Solution{});
        return console.transcript();
    }
};

// The question lines of one run, in order.
std::vector<std::string> questions(const std::vector<std::string>& lines) {
    std::vector<std::string> q;
    for (const auto& l : lines)
        if (l.find("→") != std::string::npos || l.find("y/n") != std::string::npos) q.push_back(l);
    return q;
}

TEST(ResultsMenu, KeySequences) {
    // Expected sequences written from the menu's key table by hand.
    struct Row {
        std::vector<const char*> keys;
        std::vector<std::string> expected;
    };
    const Row rows[] = {
        // Only lower-case y/n ends the close question; "n" shows the menu again.
        {{"0", "Y", "", "n", "4"},
         {kEE + "0", "   close  y/n ?Y", "   close  y/n ?", "   close  y/n ?n", kEE + "4"}},
        {{"2", "2", "4"}, {kEE + "2", kES + "2", kEE + "4"}},
        // A platform without result windows takes "7" and "8" as no key.
        {{"7", "8", "4"}, {kEE + "7", kEE + "8", kEE + "4"}},
        {{"3", "2", "3", "4"}, {kEE + "3", kJE + "2", kJS + "3", kES + "4"}},
        {{"3", "2", "0", "n", "4"},
         {kEE + "3", kJE + "2", kJS + "0", "   close   y/n ?n", kJS + "4"}},
        // Key "6" shows the check table, whose prompt takes the "2" after it;
        // key "1" opens the print menu, whose "5" returns to the results;
        // key "5" the humidity table, whose prompt asks until "1".
        {{" 2", "P", "6", "2", "1", "5", "5", "2", "1", "4"},
         {kEE + " 2", kEE + "P", kEE + "6", kEE + "1", kEE + "5", kEE + "4"}},
    };
    for (const Row& row : rows) {
        Rig rig;
        EXPECT_EQ(questions(rig.run(row.keys)), row.expected) << row.keys.size();
        EXPECT_EQ(rig.console.pendingAnswers(), 0u);
    }
}

TEST(ResultsMenu, LowerCaseYEndsTheProgram) {
    Rig rig;
    EXPECT_THROW(rig.run({"0", "y", "4"}), ProgramExit);
    EXPECT_EQ(rig.console.pendingAnswers(), 1u);
}

TEST(ResultsMenu, FigureHintOnlyAtFirstMenuOfProgramRun) {
    Rig rig;
    // The lines after the summary: "first time" wording, then the later one.
    const std::vector<std::string> menus = {
        "  【0】close,    【1】Print set,【2】SI Unit,【3】Japan", kEE + "x", "",
        "  【0】close,    【1】Print set,【2】SI Unit,【3】Japa",  kEE + "4", ""};
    const auto lines = rig.run({"x", "4"});
    ASSERT_GE(lines.size(), menus.size());
    EXPECT_EQ(std::vector<std::string>(lines.end() - 6, lines.end()), menus);
    EXPECT_EQ(rig.session.forms.text("MAINFORM", "TEXT82"), "←FIG. CLOSE");
    EXPECT_EQ(rig.session.forms.text("MAINFORM", "TEXT74"), "■");
    rig.session.forms.setText("MAINFORM", "TEXT82", "");  // as the end-of-run reset does
    rig.run({"4"}, true);
    EXPECT_EQ(rig.session.forms.text("MAINFORM", "TEXT82"), "");
    const auto& l = rig.console.transcript();
    EXPECT_EQ(l[l.size() - 3], " 【0】close,  【1】Print set,【2】SI Unit,【3】Japan");
    EXPECT_EQ(l[l.size() - 2], " 【4】re-start【5】Wet data ,【6】Check!  << hit Key >> → 4");
}

}  // namespace
}  // namespace hx
