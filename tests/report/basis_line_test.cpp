#include "report/screen/basis_line.h"

#include <gtest/gtest.h>

#include "core/option_codes.h"

namespace hx {
namespace {

TEST(BasisLine, TextbookBasisInEachLanguageAndNothingOnTheOriginal) {
    DesignCase dc;
    dc.calculationBasis = kTextbookBasis;
    dc.tubeLayout = 45.0f;
    EXPECT_EQ(*basisLine(Presentation::EnglishSI, dc),
              " Calculation basis: textbook Bell-Delaware, tube layout 45 deg");
    EXPECT_EQ(*basisLine(Presentation::JapaneseEngineering, dc),
              " 計算基準：教科書ベル・デラウェア法、管配列 45°");
    dc.calculationBasis = kOriginalBasis;
    EXPECT_FALSE(basisLine(Presentation::EnglishEngineering, dc).has_value());
    dc.calculationBasis = 0;
    EXPECT_FALSE(basisLine(Presentation::JapaneseSI, dc).has_value());
}

}  // namespace
}  // namespace hx
