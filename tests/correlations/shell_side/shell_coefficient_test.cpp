#include "correlations/shell_side/shell_coefficient.h"

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

}  // namespace
}  // namespace hx
