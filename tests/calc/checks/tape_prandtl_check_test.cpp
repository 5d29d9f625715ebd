#include "calc/checks/tape_prandtl_check.h"

#include <gtest/gtest.h>

#include "console/scripted_console.h"
#include "core/run_ended.h"

namespace hx {
namespace {

TEST(TapePrandtlQuestion, NotAskedFromPrandtlHalfUp) {
    ScriptedConsole console;
    bool forced = false;
    confirmTapePrandtl(console, 0.5f, forced);
    EXPECT_TRUE(console.transcript().empty());
    EXPECT_FALSE(forced);
}

TEST(TapePrandtlQuestion, YesIsRememberedForTheRun) {
    ScriptedConsole console;
    console.queueAnswer("y");
    bool forced = false;
    confirmTapePrandtl(console, 0.4f, forced);
    EXPECT_TRUE(forced);
    ASSERT_EQ(console.transcript().size(), 2u);
    EXPECT_EQ(console.transcript()[0], "  /// { Pr<0.5 } Prandtl number out of range ///");
    EXPECT_EQ(console.transcript()[1], "                                      強行　y/n y");
    confirmTapePrandtl(console, 0.4f, forced);  // no answer queued: not asked again
    EXPECT_EQ(console.transcript().size(), 2u);
}

TEST(TapePrandtlQuestion, OtherAnswersContinueButAskAgain) {
    ScriptedConsole console;
    console.queueAnswer("x");
    console.queueAnswer("");
    bool forced = false;
    confirmTapePrandtl(console, 0.4f, forced);
    EXPECT_FALSE(forced);
    confirmTapePrandtl(console, 0.4f, forced);
    EXPECT_EQ(console.pendingAnswers(), 0u);
    EXPECT_FALSE(forced);
}

TEST(TapePrandtlQuestion, NoHaltsAndEndsTheRun) {
    ScriptedConsole console;
    console.queueAnswer("n");
    console.queueAnswer("");  // the key that acknowledges the halt
    bool forced = false;
    EXPECT_THROW(confirmTapePrandtl(console, 0.4f, forced), RunEnded);
    EXPECT_EQ(console.pendingAnswers(), 0u);
}

}  // namespace
}  // namespace hx
