#include "calc/shell_coefficient.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "console/scripted_console.h"
#include "core/option_codes.h"
#include "core/run_ended.h"

namespace hx {
namespace {

TEST(ShellCoefficient, ManualEntryInSIIsConvertedFromWattPerM2K) {
    EXPECT_NEAR(manualShellCoefficient(1000.0f, kEnglishSI), 859.8f, 1e-3f);
    EXPECT_NEAR(manualShellCoefficient(1000.0f, kJapaneseSI), 859.8f, 1e-3f);
    EXPECT_FLOAT_EQ(manualShellCoefficient(1000.0f, kEnglishEngineering), 1000.0f);
    EXPECT_FLOAT_EQ(manualShellCoefficient(1000.0f, kJapaneseEngineering), 1000.0f);
}

TEST(ShellCoefficient, EnteredValueReplacesTheShellSideOnly) {
    struct Row {
        int setting, side;
        float expected;
    };
    const Row rows[] = {
        {kByHand, kManualShell, 859.8f},
        {kByHand, kManualBoth, 859.8f},
        {kByHand, kManualTube, 420.0f},      // the tube side was entered
        {kByFormula, kManualShell, 420.0f},  // formula setting keeps the correlation
    };
    for (const Row& r : rows)
        EXPECT_NEAR(shellCoefficientInForce(420.0f, r.setting, r.side, 1000.0f, kEnglishSI),
                    r.expected, 1e-3f)
            << r.setting << " " << r.side;
}

TEST(ShellCoefficient, CorrelationChoice) {
    EXPECT_EQ(shellCorrelation(true, 1.0f), ShellCorrelation::Annulus);
    EXPECT_EQ(shellCorrelation(false, 1.0f), ShellCorrelation::Annulus);  // single tube in a shell
    EXPECT_EQ(shellCorrelation(false, 2.0f), ShellCorrelation::Bell);
}

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
