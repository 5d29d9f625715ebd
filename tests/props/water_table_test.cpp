#include "props/water_table.h"

#include <gtest/gtest.h>

namespace hx {
namespace {

TEST(WaterTable, HeadingUnitsAndOneRowPerStep) {
    const std::vector<std::string> lines = waterPropertyTable();
    ASSERT_EQ(lines.size(), 2u + 16u);  // 0, 10, …, 150 ℃
    EXPECT_NE(lines[1].find("kg/m3"), std::string::npos);
    // 20 ℃: the density polynomial gives 999.70 kg/m3 (IAPWS-IF97 998.21).
    EXPECT_EQ(lines[4].substr(0, 4), "  20");
    EXPECT_NE(lines[4].find(" 999.70 "), std::string::npos) << lines[4];
    EXPECT_EQ(waterPropertyTable(0).size(), lines.size());  // a step of 0 takes 10
    EXPECT_EQ(waterPropertyTable(50).size(), 2u + 4u);
}

}  // namespace
}  // namespace hx
