#include <gtest/gtest.h>

#include "console/display_width.h"
#include "console/scripted_console.h"

namespace hx {
namespace {

TEST(DisplayWidth, DoubleByteCodePageWidths) {
    struct Row {
        const char* text;
        int width;
    };
    // ASCII and half-width katakana take one column, everything else two.
    const Row rows[] = {
        {"", 0},
        {"DS=1.234", 8},
        {"ｼｪﾙ側流量", 3 + 2 + 2 + 2},  // three half-width katakana, three kanji
        {"中断しました", 12},
        {"℃", 2},
        {"【1】", 5},
        {"　 ━", 2 + 1 + 2},  // full-width blank, blank, box-drawing bar
    };
    for (const auto& r : rows) EXPECT_EQ(displayWidth(r.text), r.width) << r.text;
}

TEST(DisplayWidth, InvalidBytesAreSingleCharacters) {
    const std::string broken = "a\xE3\x81";  // a truncated three-byte sequence
    EXPECT_EQ(splitChars(broken).size(), 3u);
    EXPECT_EQ(displayWidth(broken), 1 + 2 + 2);
}

TEST(TextConsole, PrintEndsOrKeepsTheLine) {
    ScriptedConsole con;
    con.print("Q=", LineEnd::Keep);
    con.print("123");
    con.print("next");
    con.print("");  // an empty print ends the line: an empty line
    EXPECT_EQ(con.transcript(), (std::vector<std::string>{"Q=123", "next", ""}));
    EXPECT_EQ(con.row(), 3);
}

TEST(TextConsole, TabsAdvanceToTheNextMultipleOfEight) {
    ScriptedConsole con;
    con.print("ab\tc\td");
    con.print("12345678\tx");
    con.print("中断\tx");  // the kanji take four columns
    EXPECT_EQ(con.screen()[0], "ab      c       d");
    EXPECT_EQ(con.screen()[1], "12345678        x");
    EXPECT_EQ(con.screen()[2], "中断    x");
}

TEST(TextConsole, LocateAddressesColumnsAndRowsOfThePage) {
    ScriptedConsole con;
    con.locate(5, 10);
    con.print("Res=", LineEnd::Keep);
    con.locate(5, 32);
    con.print("1234");
    con.locate(2, 0);
    con.print("top");
    const auto s = con.screen();
    ASSERT_EQ(s.size(), 6u);
    EXPECT_EQ(s[2], "top");
    EXPECT_EQ(s[5], "          Res=                  1234");
    // A row rewritten later (progress display) shows its newest text.
    con.locate(5, 10);
    con.print("Res=9   ");
    EXPECT_EQ(con.screen()[5], "          Res=9                 1234");
}

TEST(TextConsole, WideCharacterOverwrittenByHalves) {
    ScriptedConsole con;
    con.print("中断");
    con.locate(0, 1);
    con.print("x");  // hits the right half of 中: the whole character goes
    EXPECT_EQ(con.screen()[0], " x断");
}

TEST(TextConsole, LongLinesWrapAtTheWindowWidth) {
    ScriptedConsole con;
    con.print(std::string(TextConsole::kWidth + 5, 'a'));
    ASSERT_EQ(con.screen().size(), 2u);
    EXPECT_EQ(con.screen()[1], "aaaaa");
    EXPECT_EQ(con.row(), 2);
}

TEST(TextConsole, PagePastManyRowsKeepsGrowing) {
    ScriptedConsole con;
    for (int i = 0; i < 300; ++i) con.print("line " + std::to_string(i));
    EXPECT_EQ(con.screen().size(), 300u);
    EXPECT_EQ(con.screen()[299], "line 299");
    con.clear();
    EXPECT_TRUE(con.screen().empty());
    EXPECT_EQ(con.transcript().back(), ScriptedConsole::kClearMark);
}

TEST(TextConsole, RowsRewrittenAfterALocateEnterTheTranscriptInRowOrder) {
    ScriptedConsole con;
    con.locate(130, 0);  // past the first 64 rows
    con.print("far");
    con.locate(3, 0);
    con.print("near");
    con.locate(130, 0);
    con.print("far again");  // rewritten: recorded once, as it stands
    con.locate(64, 0);
    con.print("middle");
    con.clear();
    const std::vector<std::string> t = con.transcript();
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[0], "near");
    EXPECT_EQ(t[1], "middle");
    EXPECT_EQ(t[2], "far again");
    EXPECT_EQ(t[3], ScriptedConsole::kClearMark);
}

TEST(TextConsole, AClearedPageStartsBlankOnRowsKeptFromTheLastOne) {
    ScriptedConsole con;
    con.print("中断しました and more");
    con.print("second");
    con.clear();
    con.locate(0, 4);
    con.print("x");
    EXPECT_EQ(con.screen(), (std::vector<std::string>{"    x"}));
}

TEST(TextConsole, InputShowsPromptAndAnswerOnOneLine) {
    ScriptedConsole con;
    con.queueAnswer("Y");
    EXPECT_EQ(con.input("Continue (Y/N) ? "), "Y");
    EXPECT_EQ(con.transcript().back(), "Continue (Y/N) ? Y");
    EXPECT_EQ(con.row(), 1);
}

TEST(TextConsole, MissingAnswerThrowsWithThePrompt) {
    ScriptedConsole con;
    try {
        con.input("Tube number in window ? ");
        FAIL() << "expected NoAnswer";
    } catch (const NoAnswer& e) {
        EXPECT_EQ(e.prompt(), "Tube number in window ? ");
    }
}

TEST(TextConsole, HaltPrintsTheNoticeOnLinesOfTheirOwnAndWaitsForAKey) {
    ScriptedConsole con;
    con.print("    ｛ 右表 ｝伝熱管内径未登録", LineEnd::Keep);
    con.queueAnswer("");
    con.halt();
    EXPECT_EQ(con.transcript(),
              (std::vector<std::string>{"    ｛ 右表 ｝伝熱管内径未登録", "中断しました",
                                        "任意のキーを押してください"}));
    EXPECT_EQ(con.pendingAnswers(), 0u);
    EXPECT_THROW(con.halt(), NoAnswer);  // no key queued: never hangs
}

}  // namespace
}  // namespace hx

#include <sstream>

#include "console/terminal_console.h"

namespace hx {
namespace {

TEST(TerminalConsole, PromptAndTypedLineAppearOnceAndEndOfInputNeverHangs) {
    std::istringstream in("N\n");
    std::ostringstream out;
    TerminalConsole con(in, out);
    con.print("Tube side");
    EXPECT_EQ(con.input("Again (Y/N) ? "), "N");
    con.print("done");
    // The terminal echoes the typed line itself: the prompt line is not repeated.
    EXPECT_EQ(out.str(), "Tube side\nAgain (Y/N) ? done\n");
    EXPECT_THROW(con.input("more ? "), NoAnswer);
    EXPECT_THROW(con.waitKey(), NoAnswer);
}

}  // namespace
}  // namespace hx
