// The weight estimate of the shell-and-tube sample against a hand
// calculation, the tube holes of the baffles, and the estimates that cannot
// be right (holes larger than the plate, entries out of range).
#include "calc/case/weight_estimate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace hx {
namespace {

// The sample as the run holds it: 100 tubes of 27/25 mm, 1 m long, pitch
// ratio 1.25, baffle cut 0.4, shell/baffle gap 0.5 mm, and the weight panel
// at launch (tube sheets 10 mm, 600 mm, two; shell 5 mm; ten 5 mm baffles;
// steel 7800 kg/m3; other 22 kg).
//   DS = (ND + 1)·P = (√(399/3) + 1)·1.25·0.027 = 12.53256·0.03375 = 0.422974 m
//   fw = window fraction at 0.4 = 0.252166
RunInputs sampleInputs() {
    RunInputs in;
    DesignCase& dc = in.dc;
    dc.NT = 100.0f;
    dc.D0 = 0.027f;
    dc.DI = 0.025f;
    dc.shellBaffleGap = 0.0005f;
    in.geometry.windowFraction = 0.252166f;
    dc.weight = {10.0f, 7800.0f, 600.0f, 2.0f, 5.0f, 7800.0f, 5.0f, 7800.0f, 10.0f, 7800.0f, 22.0f};
    return in;
}

Solution sampleSolution() {
    Solution s;
    s.TL = 1.0f;
    s.shellDiameter = 0.422974f;
    return s;
}

TEST(WeightEstimate, SampleAgainstHandCalculation) {
    // Tubes:  1·3.14/4·(0.027² − 0.025²)·100·7800 = 0.785·0.000104·780000 = 63.6792 kg
    //         wall (27 − 25)/2 = 1 mm, OD 27 mm
    // Sheets: 0.785·(0.6² − 0.027²·100)·0.010·7800·2 = 0.785·0.2871·156 = 35.1595 kg → 35
    // Baffle: 0.785·((0.422974 − 2·0.0005)² − 0.027²·100)·10·7800·0.005·(1 − 0.252166)
    //         = 0.785·(0.1780610 − 0.0729)·390·0.747834 = 24.0768 kg → 24
    //         OD (0.422974 − 0.0005)·1000 = 422.474 mm → 422
    // Shell:  0.785·(0.432974² − 0.422974²)·1·7800 = 0.785·0.00855948·7800 = 52.4097 kg → 52
    //         OD 422.974 + 2·5 = 432.974 mm → 433
    // Total:  63.6792 + 35.1595 + 24.0768 + 52.4097 + 22 = 197.325 kg → 197
    const WeightEstimate w = estimateWeight(sampleInputs(), sampleSolution());
    EXPECT_TRUE(w.sound);
    const struct {
        const char* part;
        WeightRow row;
        WeightRow expected;
    } rows[] = {
        {"tubes", w.tubes, {63.6792f, 1.0f, 7800.0f, 27.0f}},
        {"tube sheets", w.tubeSheets, {35.1595f, 10.0f, 7800.0f, 600.0f}},
        {"baffles", w.baffles, {24.0768f, 5.0f, 7800.0f, 422.474f}},
        {"shell", w.shell, {52.4097f, 5.0f, 7800.0f, 432.974f}},
    };
    for (const auto& r : rows) {
        // Single precision on 0.027 and 0.025: a few units in the 6th digit.
        EXPECT_NEAR(r.row.weight, r.expected.weight, 2e-3f) << r.part;
        EXPECT_NEAR(r.row.thickness, r.expected.thickness, 1e-4f) << r.part;
        EXPECT_EQ(r.row.density, r.expected.density) << r.part;
        EXPECT_NEAR(r.row.outsideDiameter, r.expected.outsideDiameter, 1e-3f) << r.part;
    }
    EXPECT_EQ(w.other, 22.0f);
    EXPECT_NEAR(w.total, 197.325f, 5e-3f);
}

// Every tube passes through every baffle: the plate loses NT holes, as the
// tube sheet does. With one hole the sample's baffles would weigh
// 0.785·(0.1780610 − 0.000729)·390·0.747834 = 40.60 kg, 69 % more.
TEST(WeightEstimate, BafflesLoseTheHoleOfEveryTube) {
    const float plate = 0.421974f * 0.421974f;
    const float perArea = 0.785f * 10.0f * 7800.0f * 0.005f * (1.0f - 0.252166f);
    EXPECT_NEAR(baffleWeight(0.422974f, 0.0005f, 0.027f, 100.0f, 10.0f, 7800.0f, 5.0f, 0.252166f),
                perArea * (plate - 0.0729f), 1e-3f);
    // No tubes: the whole plate; each tube takes the same area away.
    const float none = baffleWeight(0.422974f, 0.0005f, 0.027f, 0.0f, 10.0f, 7800.0f, 5.0f, 0.25f);
    const float one = baffleWeight(0.422974f, 0.0005f, 0.027f, 1.0f, 10.0f, 7800.0f, 5.0f, 0.25f);
    const float fifty =
        baffleWeight(0.422974f, 0.0005f, 0.027f, 50.0f, 10.0f, 7800.0f, 5.0f, 0.25f);
    EXPECT_NEAR(none - fifty, 50.0f * (none - one), 1e-3f);
}

TEST(WeightEstimate, TubeSheetsScaleWithTheirQuantity) {
    const float one = tubeSheetWeight(600.0f, 0.027f, 100.0f, 10.0f, 7800.0f, 1.0f);
    EXPECT_FLOAT_EQ(tubeSheetWeight(600.0f, 0.027f, 100.0f, 10.0f, 7800.0f, 2.0f), 2.0f * one);
}

// A weight below zero or not finite is not shown as a weight.
TEST(WeightEstimate, ImpossibleWeightsAreNotSound) {
    struct Case {
        const char* what;
        void (*spoil)(RunInputs&, Solution&);
    };
    const Case cases[] = {
        // 100 holes of 27 mm take 0.0729 m2: more than a 200 mm sheet.
        {"tube sheet smaller than its holes",
         [](RunInputs& in, Solution&) { in.dc.weight.tubeSheetDiameter = 200.0f; }},
        {"shell smaller than the bundle's holes",
         [](RunInputs&, Solution& s) { s.shellDiameter = 0.2f; }},
        {"density not finite",
         [](RunInputs& in, Solution&) {
             in.dc.weight.shellDensity = std::numeric_limits<float>::infinity();
         }},
        {"tube length not a number",
         [](RunInputs&, Solution& s) { s.TL = std::numeric_limits<float>::quiet_NaN(); }},
    };
    for (const Case& c : cases) {
        RunInputs in = sampleInputs();
        Solution s = sampleSolution();
        c.spoil(in, s);
        EXPECT_FALSE(estimateWeight(in, s).sound) << c.what;
    }
}

}  // namespace
}  // namespace hx
