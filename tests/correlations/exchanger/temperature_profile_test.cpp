// Profiles along the exchanger: the straight flows against hand values and
// their logarithmic mean, the 1-2N march against Bowman's closed-form F.
#include "correlations/exchanger/temperature_profile.h"

#include <gtest/gtest.h>

#include <cmath>

#include "correlations/exchanger/mean_temperature.h"
#include "correlations/exchanger/shell_effectiveness.h"

namespace hx {
namespace {

// The mean of the stream difference over the area (trapezoids).
float meanDifference(const std::vector<ProfilePoint>& p) {
    float sum = 0.0f;
    for (std::size_t i = 1; i < p.size(); ++i)
        sum += 0.5f * ((p[i - 1].tube - p[i - 1].shell) + (p[i].tube - p[i].shell)) *
               (p[i].x - p[i - 1].x);
    return sum;
}

TEST(TemperatureProfile, StraightFlowsMeetTheirEndsAndAverageTheLogMean) {
    // Equal capacity rates in counter-current flow: a constant difference,
    // straight lines; halfway, tube 70 ℃ and shell 30 ℃.
    const auto equal =
        temperatureProfile(ProfileFlow::CounterCurrent, {20, 40, 80, 60, 1000, 0}, 3);
    ASSERT_TRUE(equal);
    EXPECT_FLOAT_EQ((*equal)[1].tube, 70.0f);
    EXPECT_FLOAT_EQ((*equal)[1].shell, 30.0f);
    EXPECT_FLOAT_EQ((*equal)[1].duty, 500.0f);

    // Unequal rates: the ends are the solved temperatures and the mean
    // difference over the area is the logarithmic mean (Q = UA·ΔTlm).
    const ProfileEnds ends{20, 50, 90, 70, 6000, 0};
    const auto counter = temperatureProfile(ProfileFlow::CounterCurrent, ends, 201);
    ASSERT_TRUE(counter);
    EXPECT_FLOAT_EQ(counter->front().shell, 50.0f);
    EXPECT_FLOAT_EQ(counter->back().shell, 20.0f);
    EXPECT_FLOAT_EQ(counter->back().tube, 70.0f);
    EXPECT_NEAR(counter->back().duty, 6000.0f, 0.01f);
    EXPECT_NEAR(meanDifference(*counter), *logMeanDifference(40.0f, 50.0f), 0.01f);

    const auto parallel =
        temperatureProfile(ProfileFlow::CoCurrent, {20, 40, 90, 70, 6000, 0}, 201);
    ASSERT_TRUE(parallel);
    EXPECT_FLOAT_EQ(parallel->front().shell, 20.0f);
    EXPECT_NEAR(meanDifference(*parallel), *logMeanDifference(70.0f, 30.0f), 0.01f);

    // Streams that cross make no profile.
    EXPECT_FALSE(temperatureProfile(ProfileFlow::CoCurrent, {20, 75, 90, 70, 6000, 0}, 11));
}

TEST(TemperatureProfile, OneTwoShellMarchClosesOnBowmansMeanDifference) {
    // Hot tubes 90 → 60 ℃, shell 20 → 50 ℃: at Bowman's F the march from
    // the head arrives at the shell inlet, and the two passes meet.
    const float T1 = 20.0f, T2 = 50.0f, T3 = 90.0f, T4 = 60.0f;
    const auto mean = oneTwoShellMeanTemperature(T1, T2, T3, T4);
    ASSERT_TRUE(mean);
    const auto p =
        temperatureProfile(ProfileFlow::OneTwoShell, {T1, T2, T3, T4, 3000.0f, mean->TM}, 41);
    ASSERT_TRUE(p);
    EXPECT_NEAR(p->back().shell, T1, 0.05f);
    EXPECT_NEAR(p->back().tube, p->back().tubeReturn, 0.05f);
    EXPECT_NEAR(p->back().duty, 3000.0f, 5.0f);
    EXPECT_FLOAT_EQ(p->front().tubeReturn, T4);
    EXPECT_TRUE(
        std::isnan((*temperatureProfile(ProfileFlow::CounterCurrent, {T1, T2, T3, T4, 1, 0}, 2))[0]
                       .tubeReturn));
}

}  // namespace
}  // namespace hx
