#include "correlations/pressure_drop/tube_pressure_drop.h"

#include <gtest/gtest.h>

namespace hx {
namespace {

// Expected values computed by hand: f = 16/Re up to Ret 2000 inclusive,
// 0.0014 + 0.125/Re^0.32 above; DPt = 2·(4·f·3/0.02)·998·1.5²/2/9.8·0.0001.
TEST(PlainTubePressureDrop, FrictionBranchAtRet2000) {
    struct Row {
        float Ret, friction, drop;
    };
    const Row rows[] = {{2000.0f, 0.008f, 0.10998367f},
                        {2000.1f, 0.01237927f, 0.17018970f},
                        {10000.0f, 0.007960093f, 0.10943504f}};
    for (const Row& r : rows) {
        EXPECT_NEAR(plainTubeFriction(r.Ret), r.friction, 2e-5f * r.friction) << r.Ret;
        const auto drop = plainTubePressureDrop({2.0f, 3.0f, 0.02f, 998.0f, 1.5f, r.Ret});
        ASSERT_TRUE(drop.has_value());
        EXPECT_NEAR(*drop, r.drop, 2e-5f * r.drop) << r.Ret;
    }
}

TEST(PlainTubePressureDrop, NonPositiveReynoldsIsReported) {
    EXPECT_FALSE(plainTubePressureDrop({2.0f, 3.0f, 0.02f, 998.0f, 1.5f, 0.0f}).has_value());
    EXPECT_FALSE(plainTubePressureDrop({2.0f, 3.0f, 0.02f, 998.0f, 1.5f, -5.0f}).has_value());
}

}  // namespace
}  // namespace hx
