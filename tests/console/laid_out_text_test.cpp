// Printing through a picture, or text repeated unchanged, copies cells laid
// out once for the program; the page and the transcript must be exactly
// those of printing the formatted text character by character.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "console/number_picture.h"
#include "console/scripted_console.h"

namespace hx {
namespace {

// Runs the same drawing on two consoles, one printing pictures and repeated
// texts as they are laid out, the other their formatted text with print(),
// and compares what each shows and recorded.
struct Twin {
    ScriptedConsole laidOut;
    ScriptedConsole plain;

    void locate(int row, int col) {
        laidOut.locate(row, col);
        plain.locate(row, col);
    }
    void picture(const std::string& picture, std::vector<float> values,
                 LineEnd end = LineEnd::End) {
        laidOut.printUsing(picture, values, end);
        plain.print(formatUsing(picture, values), end);
    }
    void repeated(const std::string& text, LineEnd end = LineEnd::End) {
        laidOut.printRepeated(text, end);
        plain.print(text, end);
    }
    void print(const std::string& text, LineEnd end = LineEnd::End) {
        laidOut.print(text, end);
        plain.print(text, end);
    }
    void clear() {
        laidOut.clear();
        plain.clear();
    }
    void expectSame(const char* what) {
        EXPECT_EQ(laidOut.screen(), plain.screen()) << what;
        laidOut.flushOpenLine();
        plain.flushOpenLine();
        EXPECT_EQ(laidOut.transcript(), plain.transcript()) << what;
        EXPECT_EQ(laidOut.row(), plain.row()) << what;
        EXPECT_EQ(laidOut.column(), plain.column()) << what;
    }
};

constexpr const char* kFluid = "  【 流体平均温度 ⇒ 管内側=###.##℃  ｼｪﾙ側=###.##℃     】";
constexpr const char* kBox = " ┌─────────────┐";

TEST(LaidOutText, ProgressRowsRedrawnOverPagesShowWhatPrintingShows) {
    Twin t;
    const float means[][2] = {{80.0f, 20.0f}, {76.37f, 23.64f}, {76.37f, 23.64f}, {1e6f, -0.0f}};
    for (const auto& m : means) {
        t.clear();
        t.locate(5, 0);
        t.repeated(kBox);
        t.locate(6, 0);
        t.picture(kFluid, {m[0], m[1]});
        t.locate(6, 0);  // the same row again on the same page, one number changed
        t.picture(kFluid, {m[0], m[1] + 1.0f});
        t.locate(7, 0);
        t.picture("【Tube 】T3=###.# → T4=###.#", {m[0], std::nanf("")});
    }
    t.expectSame("progress rows");
}

TEST(LaidOutText, HalvesOfWideCharactersAtBothEndsAreBlanked) {
    Twin t;
    t.print("中中中中中中中中");
    t.locate(0, 3);                             // the right half of the second 中
    t.picture("x=#.#", {1.5f}, LineEnd::Keep);  // ends on the left half of the fifth
    t.locate(1, 0);
    t.print("ab中cd");
    t.locate(1, 1);
    t.repeated("【");  // covers b and the left half of 中
    t.locate(2, 0);
    t.print("━━━━");
    t.locate(2, 1);
    t.repeated("ｼ");  // half-width katakana: one column
    t.expectSame("wide halves");
}

TEST(LaidOutText, ALineThatWouldWrapIsPrintedAsText) {
    Twin t;
    t.locate(0, TextConsole::kWidth - 6);
    t.picture("【T】=###.#", {12.5f});  // eleven columns from column 94: wraps
    t.locate(3, TextConsole::kWidth - 2);
    t.repeated("中中");
    t.locate(5, 0);
    t.picture("\tA=#.#\tB=#.#", {1, 2});  // tabs are never laid out
    t.repeated("a\tb\nc\rd");
    t.expectSame("wrap and controls");
}

TEST(LaidOutText, RestartsNoValuesAndNumbersChangingWidth) {
    Twin t;
    t.picture("A=## B=##;", {1, 2, 3});
    t.picture("A=## B=##;", {});
    t.picture("A=## B=##;", {1});
    const float widths[] = {5.0f, 123.0f, 5.0f, -5.0f, std::numeric_limits<float>::infinity(),
                            0.0f, -0.0f,  5.0f};
    for (float v : widths) {
        t.locate(4, 2);
        t.picture("T=##.#℃ (ok)", {v});
    }
    t.expectSame("restarts and widths");
}

TEST(LaidOutText, NewContentsAtTheSameAddressAreLaidOutAnew) {
    Twin t;
    std::string picture = "A=##.# ℃";
    picture.reserve(64);
    t.picture(picture, {1.0f});
    picture = "B=#.###";  // same buffer, another picture
    t.picture(picture, {1.0f});
    std::string text = "┌──┐";
    text.reserve(64);
    t.repeated(text);
    text = "└──┘";
    t.repeated(text);
    t.expectSame("reused buffers");
    EXPECT_EQ(t.laidOut.transcript().back(), "└──┘");
}

TEST(LaidOutText, APictureWithoutAFieldStillThrows) {
    ScriptedConsole console;
    EXPECT_THROW(console.printUsing("no field here", {1.0f}), PictureError);
    EXPECT_THROW(console.printUsing("no field here", {1.0f}), PictureError);  // not kept
    console.printRepeated("no field here");  // text printed as it is needs none
    EXPECT_EQ(console.transcript().back(), "no field here");
}

}  // namespace
}  // namespace hx
