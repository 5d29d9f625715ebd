// The dew point under pressure: the table, its interpolation and
// extrapolation, and the end of the run above its highest pressure.
#include "calc/wet_gas/pressure_dew_point.h"

#include <gtest/gtest.h>

#include "console/scripted_console.h"
#include "core/run_ended.h"

namespace hx {
namespace {

// At t1 = 10 ℃ (u = 2): T(9) = (1.34·2 + 4.425)·10 − 20 = 51.05 ℃ and
// T(11) = (1.395·2 + 4.775)·10 − 20 = 55.65 ℃.
TEST(PressureDewPoint, TableValues) {
    EXPECT_FLOAT_EQ(tabulatedDewPoint(1, 10.0f), 10.0f);
    EXPECT_NEAR(tabulatedDewPoint(9, 10.0f), 51.05f, 1e-4f);
    EXPECT_NEAR(tabulatedDewPoint(11, 10.0f), 55.65f, 1e-4f);
    ScriptedConsole console;
    EXPECT_NEAR(PressureDewPoint(10.0f, 9.0f, console), 51.05f, 1e-4f);
    EXPECT_NEAR(PressureDewPoint(10.0f, 17.0f, console), (1.56f * 2 + 5.45f) * 10 - 20, 1e-4f);
}

TEST(PressureDewPoint, TenIsHalfwayBetweenNineAndEleven) {
    ScriptedConsole console;
    const float t = PressureDewPoint(10.0f, 10.0f, console);
    EXPECT_NEAR(t, (tabulatedDewPoint(9, 10.0f) + tabulatedDewPoint(11, 10.0f)) / 2.0f, 1e-4f);
    // 13 lies halfway between 11 and 15, 1.5 between 1 and 2.
    EXPECT_NEAR(PressureDewPoint(10.0f, 13.0f, console),
                (tabulatedDewPoint(11, 10.0f) + tabulatedDewPoint(15, 10.0f)) / 2.0f, 1e-4f);
    EXPECT_NEAR(PressureDewPoint(10.0f, 1.5f, console),
                (tabulatedDewPoint(1, 10.0f) + tabulatedDewPoint(2, 10.0f)) / 2.0f, 1e-4f);
}

// Below 1 kgf/cm2 the 1–2 line is extended: at 0.5 half a step below T(1).
TEST(PressureDewPoint, BelowOneAtmosphereExtrapolates) {
    ScriptedConsole console;
    const float t1 = tabulatedDewPoint(1, 10.0f);
    const float t2 = tabulatedDewPoint(2, 10.0f);
    EXPECT_NEAR(PressureDewPoint(10.0f, 0.5f, console), t1 - (t2 - t1) / 2.0f, 1e-4f);
}

// Above 17 kgf/cm2 the message and its acknowledgement end the run: no
// report is computed without a dew point.
TEST(PressureDewPoint, AboveTheTableEndsTheRun) {
    ScriptedConsole console;
    console.queueAnswer("");
    try {
        PressureDewPoint(10.0f, 17.5f, console);
        FAIL() << "the run went on";
    } catch (const RunEnded& e) {
        EXPECT_NE(std::string(e.what()).find("大気露点温度適用範囲外"), std::string::npos);
    }
    bool shown = false;
    for (const auto& line : console.transcript()) shown |= line == "   大気露点温度適用範囲外";
    EXPECT_TRUE(shown);
}

}  // namespace
}  // namespace hx
