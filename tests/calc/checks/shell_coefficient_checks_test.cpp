#include "calc/checks/shell_coefficient_checks.h"

#include <gtest/gtest.h>

#include <limits>

#include "console/scripted_console.h"
#include "core/option_codes.h"
#include "core/run_ended.h"

namespace hx {
namespace {

TEST(ShellCoefficient, NegativeReynoldsEndsTheRun) {
    ScriptedConsole ok;
    EXPECT_NO_THROW(checkShellReynolds(ok, 0.0f));
    EXPECT_TRUE(ok.transcript().empty());

    for (float Res : {-1.0f, std::numeric_limits<float>::quiet_NaN()}) {
        ScriptedConsole console;
        console.queueAnswer("");  // the key that acknowledges the halt
        EXPECT_THROW(checkShellReynolds(console, Res), RunEnded);
        ASSERT_FALSE(console.transcript().empty());
        EXPECT_EQ(console.transcript().front(),
                  " ★ ウィンドウ画面 FORM７の伝熱管本数または長さを減らしてください。");
        EXPECT_EQ(console.pendingAnswers(), 0u);  // it halted
    }
}

TEST(ShellCoefficient, NonPositiveFinnedCoefficientEndsTheRunInItsLanguage) {
    struct Row {
        int unitCode;
        const char* message;
    };
    const Row rows[] = {
        {kEnglishSI, "    Shell side fluid velocity is trouble"},
        {kEnglishEngineering, "    Shell side fluid velocity is trouble"},
        {kJapaneseSI, "    ｼｪﾙ側流体流速が異常"},
        {kJapaneseEngineering, "    ｼｪﾙ側流体流速が異常"},
    };
    for (const Row& r : rows) {
        ScriptedConsole console;
        console.queueAnswer("");
        EXPECT_THROW(checkFinnedShellCoefficient(console, r.unitCode, 0.0f), RunEnded);
        ASSERT_FALSE(console.transcript().empty());
        EXPECT_EQ(console.transcript().front(), r.message);
    }
    ScriptedConsole fine;
    EXPECT_NO_THROW(checkFinnedShellCoefficient(fine, kEnglishSI, 1e-3f));
}

}  // namespace
}  // namespace hx
