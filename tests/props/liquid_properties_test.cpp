#include "props/liquid_properties.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/scripted_console.h"
#include "core/run_ended.h"

namespace hx {
namespace {

// Tsm = 70, Ttm = 25, Twav = 36.25, Tsav = 53.125, Ttav = 30.625 ℃.
StreamIterate sampleIterate() {
    StreamIterate it;
    it.Tsi = 80.0f;
    it.Tso = 60.0f;
    it.Tti = 20.0f;
    it.Tto = 30.0f;
    it.Xs = 1000.0f;
    it.As = 10.0f;
    it.Xt = 3000.0f;
    it.At = 10.0f;
    return it;
}

// Both sides at one temperature: no tube film, so Twav = Tsm and Tsav = Tsm.
StreamIterate uniformIterate(float t) {
    StreamIterate it;
    it.Tsi = it.Tso = it.Tti = it.Tto = t;
    it.Xs = 1000.0f;
    it.As = 1.0f;
    return it;
}

LiquidPropertySettings waterBothSides() {
    LiquidPropertySettings s;
    s.unitCode = 4;
    s.fluidMode = 1;
    s.shellMethod = 3;
    s.tubeMethod = 3;
    s.wetGasBasis = 2;
    s.shellManual = {950.0f, 0.9f, 0.0036f, 0.5f};
    s.tubeManual = {800.0f, 0.5f, 0.01f, 0.1f};
    return s;
}

// Expected values computed by hand (double precision) from the water fits:
// shell at Tsav = 53.125 ℃, wall viscosity at Twav = 36.25 ℃ over the bulk
// density; tube at Ttav = 30.625 ℃.
constexpr LiquidState kShellWater{983.623195f, 0.999079f, 0.00191743f, 0.554222f, 3.39989f};
constexpr float kShellWallViscosity = 0.00261904f;
constexpr LiquidState kTubeWater{994.713412f, 0.999636f, 0.00290913f, 0.529692f, 5.46109f};

void expectState(const LiquidState& actual, const LiquidState& expected) {
    EXPECT_NEAR(actual.density, expected.density, 2e-3f);
    EXPECT_NEAR(actual.specificHeat, expected.specificHeat, 2e-5f);
    EXPECT_NEAR(actual.viscosity, expected.viscosity, 1e-3f * expected.viscosity);
    EXPECT_NEAR(actual.conductivity, expected.conductivity, 2e-6f);
    EXPECT_NEAR(actual.prandtl, expected.prandtl, 1e-3f * expected.prandtl);
}

TEST(ShellLiquidProperties, WaterWithTubeWaterFollowing) {
    ScriptedConsole console;
    LiquidPropertyState state;
    ShellLiquidProperties(sampleIterate(), waterBothSides(), state, console);
    expectState(state.shell, kShellWater);
    expectState(state.tube, kTubeWater);
    EXPECT_EQ(state.shellEvaluations, 1);
    EXPECT_EQ(state.tubeEvaluations, 1);  // tube method 3: refreshed by the same call
    // The tube step ran the reference step last: Vsw is MUsb/Ds again.
    EXPECT_NEAR(state.temperatures.Vsw, 1.473892f / kShellWater.density, 2e-8f);
    EXPECT_TRUE(console.transcript().empty());
}

TEST(ShellLiquidProperties, AloneLeavesWallViscosity) {
    ScriptedConsole console;
    LiquidPropertyState state;
    LiquidPropertySettings settings = waterBothSides();
    settings.tubeMethod = 4;  // gas tube side: not continued here
    ShellLiquidProperties(sampleIterate(), settings, state, console);
    expectState(state.shell, kShellWater);
    EXPECT_NEAR(state.temperatures.Vsw, kShellWallViscosity, 3e-6f);
    EXPECT_EQ(state.tubeEvaluations, 0);
    // The next reference step divides by the density just computed.
    TubeLiquidProperties(sampleIterate(), settings, state, console);
    EXPECT_NEAR(state.temperatures.Vsw, 0.00149843f, 2e-8f);
}

struct OverrideRow {
    int fluidMode;
    int shellMethod;
    bool manual;
};

TEST(ShellLiquidProperties, HandEnteredValues) {
    // Manual shell values 950, 0.9, 0.0036, 0.5: Prs = 0.9·0.0036·950/0.5 = 6.156.
    const OverrideRow rows[] = {
        {1, 1, true}, {1, 2, true}, {4, 3, true}, {1, 3, false}, {3, 3, false}};
    for (const OverrideRow& row : rows) {
        SCOPED_TRACE(testing::Message() << row.fluidMode << "/" << row.shellMethod);
        ScriptedConsole console;
        LiquidPropertyState state;
        LiquidPropertySettings settings = waterBothSides();
        settings.fluidMode = row.fluidMode;
        settings.shellMethod = row.shellMethod;
        settings.tubeMethod = 4;
        ShellLiquidProperties(sampleIterate(), settings, state, console);
        if (row.manual) {
            EXPECT_FLOAT_EQ(state.shell.density, 950.0f);
            EXPECT_FLOAT_EQ(state.shell.viscosity, 0.0036f);
            EXPECT_NEAR(state.shell.prandtl, 6.156f, 1e-5f);
            EXPECT_FLOAT_EQ(state.temperatures.Vsw, state.shell.viscosity);
            TubeLiquidProperties(sampleIterate(), settings, state, console);
            EXPECT_NEAR(state.temperatures.Vsw, 1.473892f / 950.0f, 2e-8f);
        } else {
            expectState(state.shell, kShellWater);
        }
    }
}

struct TubeOverrideRow {
    int fluidMode;
    int tubeMethod;
    int wetGasBasis;
    bool manual;
};

TEST(TubeLiquidProperties, HandEnteredValues) {
    // Manual tube values 800, 0.5, 0.01, 0.1: Prt = 0.5·0.01·800/0.1 = 40.
    const TubeOverrideRow rows[] = {
        {1, 1, 2, true}, {1, 2, 2, true},  {3, 3, 2, true},
        {2, 3, 1, true}, {1, 3, 2, false}, {4, 3, 0, false},
    };
    for (const TubeOverrideRow& row : rows) {
        SCOPED_TRACE(testing::Message()
                     << row.fluidMode << "/" << row.tubeMethod << "/" << row.wetGasBasis);
        ScriptedConsole console;
        LiquidPropertyState state;
        LiquidPropertySettings settings = waterBothSides();
        settings.fluidMode = row.fluidMode;
        settings.tubeMethod = row.tubeMethod;
        settings.wetGasBasis = row.wetGasBasis;
        TubeLiquidProperties(sampleIterate(), settings, state, console);
        EXPECT_EQ(state.shellEvaluations, 0);  // never continues into the shell side
        EXPECT_EQ(state.tubeEvaluations, 1);
        if (row.manual) {
            EXPECT_FLOAT_EQ(state.tube.density, 800.0f);
            EXPECT_NEAR(state.tube.prandtl, 40.0f, 1e-4f);
        } else {
            expectState(state.tube, kTubeWater);
        }
    }
}

const std::string kNotCovered = "     物性値のカバー範囲外です。";

TEST(ShellLiquidProperties, BelowZeroKeepsPreviousValuesWithThreeWarnings) {
    // Tsm = −4, Ttm = 4, equal film conductances: Twav = 0, Tsav = −2 ℃.
    StreamIterate cold;
    cold.Tsi = cold.Tso = -4.0f;
    cold.Tti = cold.Tto = 4.0f;
    cold.Xs = cold.Xt = 1000.0f;
    cold.As = cold.At = 1.0f;
    LiquidPropertySettings settings = waterBothSides();
    settings.tubeMethod = 4;
    ScriptedConsole console;
    LiquidPropertyState state;
    ShellLiquidProperties(uniformIterate(20.0f), settings, state, console);
    ASSERT_TRUE(console.transcript().empty());
    ShellLiquidProperties(cold, settings, state, console);
    EXPECT_EQ(console.transcript(),
              (std::vector<std::string>{kNotCovered, kNotCovered, kNotCovered}));
    // Hand values: density and conductivity at −2 ℃, specific heat and
    // kinematic viscosity still those of 20 ℃.
    EXPECT_NEAR(state.shell.density, 1009.736358f, 2e-3f);
    EXPECT_NEAR(state.shell.conductivity, 0.481633f, 2e-6f);
    EXPECT_NEAR(state.shell.specificHeat, 0.997619f, 2e-5f);
    EXPECT_NEAR(state.shell.viscosity, 0.00364930f, 4e-6f);
    EXPECT_NEAR(state.shell.prandtl, 7.63247f, 8e-3f);
}

TEST(LiquidProperties, BelowZeroWallGivesFourthWarning) {
    LiquidPropertySettings settings = waterBothSides();
    settings.tubeMethod = 1;
    const std::vector<std::string> four(4, kNotCovered);
    {
        ScriptedConsole console;
        LiquidPropertyState state;
        ShellLiquidProperties(uniformIterate(-2.0f), settings, state, console);
        EXPECT_EQ(console.transcript(), four);
        // First evaluation of the run: the uncovered values stay 0, and so
        // does the wall slot (no shell density before this evaluation).
        EXPECT_EQ(state.shell.specificHeat, 0.0f);
        EXPECT_EQ(state.shell.viscosity, 0.0f);
        EXPECT_EQ(state.shell.prandtl, 0.0f);
        EXPECT_EQ(state.temperatures.Vsw, 0.0f);
    }
    {
        ScriptedConsole console;
        LiquidPropertyState state;
        settings.tubeMethod = 3;
        TubeLiquidProperties(uniformIterate(-2.0f), settings, state, console);
        EXPECT_EQ(console.transcript(), four);
    }
}

TEST(ShellLiquidProperties, AboveThreeHundredWarnsOnceAndComputes) {
    LiquidPropertySettings settings = waterBothSides();
    settings.tubeMethod = 4;
    ScriptedConsole console;
    LiquidPropertyState state;
    ShellLiquidProperties(uniformIterate(310.0f), settings, state, console);
    EXPECT_EQ(console.transcript(), (std::vector<std::string>{"     物性規定範囲外です"}));
    // Hand values at 310 ℃ (highest specific-heat and viscosity fits).
    EXPECT_NEAR(state.shell.density, 684.652533f, 2e-3f);
    EXPECT_NEAR(state.shell.specificHeat, 1.387535f, 2e-5f);
    EXPECT_NEAR(state.shell.viscosity, 0.205765f / 684.652533f, 1e-8f);
    EXPECT_NEAR(state.shell.conductivity, 0.476908f, 2e-6f);
}

struct LimitRow {
    int unitCode;
    const char* message;
};

TEST(LiquidProperties, FiveHundredFirstEvaluationEndsTheRun) {
    const LimitRow rows[] = {
        {1, kEvaluationLimitEnglish},
        {2, kEvaluationLimitEnglish},
        {3, kEvaluationLimitJapanese},
        {4, kEvaluationLimitJapanese},
    };
    for (const LimitRow& row : rows) {
        SCOPED_TRACE(row.unitCode);
        LiquidPropertySettings settings = waterBothSides();
        settings.unitCode = row.unitCode;
        settings.tubeMethod = 4;
        LiquidPropertyState state;
        ScriptedConsole console;
        for (int i = 0; i < kPropertyEvaluationLimit; ++i) {
            ShellLiquidProperties(sampleIterate(), settings, state, console);
        }
        EXPECT_EQ(state.shellEvaluations, 500);
        EXPECT_TRUE(console.transcript().empty());
        console.queueAnswer("");  // the key that acknowledges the halt
        EXPECT_THROW(ShellLiquidProperties(sampleIterate(), settings, state, console), RunEnded);
        ASSERT_FALSE(console.transcript().empty());
        EXPECT_EQ(console.transcript().front(), row.message);
        EXPECT_EQ(console.pendingAnswers(), 0u);  // halted
        EXPECT_EQ(state.shellEvaluations, 500);
        expectState(state.shell, kShellWater);  // that pass's properties were computed
    }
}

TEST(LiquidProperties, TubeLimitReachedThroughShellCall) {
    LiquidPropertySettings settings = waterBothSides();
    LiquidPropertyState state;
    state.shellEvaluations = 10;
    state.tubeEvaluations = kPropertyEvaluationLimit;
    ScriptedConsole console;
    console.queueAnswer("");
    EXPECT_THROW(ShellLiquidProperties(sampleIterate(), settings, state, console), RunEnded);
    EXPECT_EQ(state.shellEvaluations, 11);
    ASSERT_FALSE(console.transcript().empty());
    EXPECT_EQ(console.transcript().front(), kEvaluationLimitJapanese);
}

}  // namespace
}  // namespace hx
