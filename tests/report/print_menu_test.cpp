// The print menu: the choices and what each sends to the print job, "n" at
// the printer question, the program end of the Japanese menus, and the
// printout of the check table from the results menu.
#include "report/print/print_menu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "console/scripted_console.h"
#include "model/inventory.h"
#include "report/screen/results_menu.h"

namespace hx {
namespace {

struct Rig {
    ScriptedConsole console;
    ScriptedPlatform platform;
    Session session{console, platform};
    RunInputs in;
    Rig() {
        buildInventory(session.forms);
        in.dc.fluidMode = 1;
    }
    void menu(Presentation p, const std::vector<const char*>& keys) {
        for (const char* k : keys) console.queueAnswer(k);
        runPrintMenu(session, p, in, Solution{});
    }
    const std::vector<PrintedItem>& printed() { return platform.printer().items(); }
};

TEST(PrintMenu, EachChoiceAddsItsItemToTheJob) {
    Rig rig;
    // Detail, declined summary, summary, form hard copy, screen hard copy,
    // an unknown key and "6" (no program end in English), then return.
    rig.menu(Presentation::EnglishEngineering,
             {"2", "y", "1", "n", "1", "", "3", "4", "x", "6", "5"});
    EXPECT_EQ(rig.console.pendingAnswers(), 0u);
    const auto& items = rig.printed();
    ASSERT_EQ(items.size(), 4u);
    EXPECT_FALSE(items[0].lines.empty());
    EXPECT_NE(std::find(items[0].lines.begin(), items[0].lines.end(), "          ■ INPUT ■"),
              items[0].lines.end());
    // Any answer but "n" prints: the empty answer printed the summary.
    EXPECT_EQ(std::count(items[1].lines.end() - 9, items[1].lines.end(), ""), 9);
    EXPECT_EQ(items[2].hardCopy, HardCopy::ResultForm);
    EXPECT_EQ(items[3].hardCopy, HardCopy::TextWindow);
}

TEST(PrintMenu, ScreenHardCopyGivesTheInputsBack) {
    Rig rig;
    rig.session.forms.setEnabled("MAINFORM", "BUTTON1", false);
    rig.menu(Presentation::EnglishSI, {"4", "5"});
    EXPECT_TRUE(rig.session.forms.enabled("MAINFORM", "BUTTON1"));
}

TEST(PrintMenu, JapaneseMenusEndTheProgramWithSix) {
    for (Presentation p : {Presentation::JapaneseEngineering, Presentation::JapaneseSI}) {
        Rig rig;
        EXPECT_THROW(rig.menu(p, {"1", "y", "6"}), ProgramExit);
        EXPECT_EQ(rig.printed().size(), 1u);
    }
}

TEST(PrintMenu, JapaneseSIQuestionHasThreeLines) {
    Rig rig;
    rig.menu(Presentation::JapaneseSI, {"2", "n", "5"});
    const auto& t = rig.console.transcript();
    const auto prompt =
        std::find(t.begin(), t.end(), "       最初のファイル名に続けて格納されます。OK  y/n  n");
    ASSERT_NE(prompt, t.end());
    EXPECT_EQ(*(prompt - 1), "  　   本ｿﾌﾄを立ち上げた状態での複数印刷は");
    EXPECT_TRUE(rig.printed().empty());
}

TEST(PrintMenu, CheckTablePrintoutPrintsTheCheckSection) {
    Rig rig;
    for (const char* k : {"6", "2", "6", "1", "4"}) rig.console.queueAnswer(k);
    runResultsMenu(rig.session, rig.in, Solution{});
    ASSERT_EQ(rig.printed().size(), 1u);
    EXPECT_EQ(rig.printed()[0].lines.front(), "           Check!    ");
}

// A job that keeps its reports in a file names it to the user.
struct FilePrinter : RecordingPrinter {
    std::string deliveredTo() const override { return "/home/u/Documents/report.pdf"; }
};

TEST(PrintMenu, TheMenuAfterAPrintNamesTheFileInEitherLanguage) {
    for (const Presentation p : {Presentation::EnglishSI, Presentation::JapaneseEngineering}) {
        Rig rig;
        FilePrinter file;
        rig.platform.printer().forwardTo(&file);
        rig.menu(p, {"3", "9", "5"});
        const auto& t = rig.console.transcript();
        const auto named = [](const std::string& line) {
            return line.find("/home/u/Documents/report.pdf") != std::string::npos;
        };
        // Once: under the menu shown after the print, not after the next key.
        EXPECT_EQ(std::count_if(t.begin(), t.end(), named), 1);
        const auto line = std::find_if(t.begin(), t.end(), named);
        ASSERT_NE(line, t.end());
        EXPECT_NE(line->find(isJapanese(p) ? "PDFファイルに出力しました" : "PDF file is written"),
                  std::string::npos);
    }
}

}  // namespace
}  // namespace hx
