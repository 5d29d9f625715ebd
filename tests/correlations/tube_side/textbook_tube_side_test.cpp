// The textbook tube-side correlations against values worked by hand from
// their published forms (double precision, then compared in float).
#include <gtest/gtest.h>

#include "correlations/tube_side/tube_side.h"

namespace hx {
namespace {

TEST(TextbookTubeSide, PetukhovAndGnielinskiAtTwoPoints) {
    // f = (0.790·ln 1e4 − 1.64)^−2 = 0.0314798.
    EXPECT_NEAR(petukhovFriction(1.0e4f), 0.0314798f, 1e-6f);
    // Nu = (f/8)(Re − 1000)Pr/(1 + 12.7·√(f/8)·(Pr^(2/3) − 1)).
    EXPECT_NEAR(gnielinskiNusselt(1.0e4f, 3.2f), 58.6180f, 0.002f);
    EXPECT_NEAR(gnielinskiNusselt(1.0e5f, 0.7f), 178.623f, 0.01f);
}

TEST(TextbookTubeSide, HausenLaminarMean) {
    // Gz = 1000·5·0.02/2 = 50: 3.66 + 0.0668·50/(1 + 0.04·50^(2/3)) = 5.82478.
    EXPECT_NEAR(hausenNusselt(1000.0f, 5.0f, 0.02f, 2.0f), 5.82478f, 1e-4f);
}

TEST(TextbookTubeSide, BranchesAtTheirThresholds) {
    const TubeNusselt laminar = textbookTubeNusselt(2300.0f, 5.0f, 0.02f, 2.0f);
    EXPECT_EQ(laminar.card, &kHausenCard);
    EXPECT_NEAR(laminar.Nu, 7.60773f, 1e-4f);
    const TubeNusselt turbulent = textbookTubeNusselt(1.0e4f, 5.0f, 0.02f, 2.0f);
    EXPECT_EQ(turbulent.card, &kGnielinskiCard);
    // Halfway in the transition: the mean of the two end values, 38.7601.
    const TubeNusselt middle = textbookTubeNusselt(6150.0f, 5.0f, 0.02f, 2.0f);
    EXPECT_EQ(middle.card, &kTubeTransitionCard);
    EXPECT_NEAR(middle.Nu, 38.7601f, 0.003f);
    EXPECT_NEAR(middle.Nu, (laminar.Nu + turbulent.Nu) / 2.0f, 1e-3f);
}

TEST(TextbookTubeSide, EachBasisReachesItsOwnCorrelation) {
    const TubeNusselt original = tubeNusselt(CorrelationBasis::Original, 5.0e4f, 3.0f, 0.02f, 2.0f);
    EXPECT_EQ(original.card, &kOriginalTurbulentTubeCard);
    EXPECT_EQ(original.Nu, plainTubeNusselt(5.0e4f, 3.0f, 0.02f, 2.0f));
    EXPECT_EQ(tubeNusselt(CorrelationBasis::Original, 1500.0f, 3.0f, 0.02f, 2.0f).card,
              &kOriginalLaminarTubeCard);
    const TubeNusselt textbook = tubeNusselt(CorrelationBasis::Textbook, 5.0e4f, 3.0f, 0.02f, 2.0f);
    EXPECT_EQ(textbook.card, &kGnielinskiCard);
    EXPECT_EQ(textbook.Nu, gnielinskiNusselt(5.0e4f, 3.0f));
}

TEST(TextbookTubeSide, SiederTateOnTheTextbookFilmOnly) {
    EXPECT_NEAR(siederTateCorrection(2.0f), 1.10191f, 1e-5f);
    PlainTubeFlow f;
    f.DI = 0.02f;
    f.NT = 10.0f;
    f.TL = 2.0f;
    f.PN = 1.0f;
    f.Vr = 10.0f;
    f.Vt = 0.002f;
    f.Kt = 0.5f;
    f.Prt = 3.0f;
    f.viscosityRatio = 2.0f;
    const TubeFilm original = plainTubeFilm(f);  // the ratio does not enter
    EXPECT_FLOAT_EQ(*original.Xt, 0.5f / 0.02f * plainTubeNusselt(original.Ret, 3.0f, 0.02f, 2.0f));
    f.basis = CorrelationBasis::Textbook;
    const TubeFilm textbook = plainTubeFilm(f);
    EXPECT_EQ(textbook.card, &kGnielinskiCard);
    EXPECT_NEAR(*textbook.Xt, 0.5f / 0.02f * textbook.Nu * 1.10191f, 1e-3f * *textbook.Xt);
}

TEST(CorrelationCard, OutOfRangeSaysWhichGroupAndItsRange) {
    EXPECT_FALSE(outOfRangeLine(kGnielinskiCard, 5.0e4f, 3.0f, false));
    EXPECT_EQ(outOfRangeLine(kGnielinskiCard, 1500.0f, 3.0f, false).value_or(""),
              "  ** Gnielinski: Re = 1500 outside 3000 to 5e+06");
    EXPECT_EQ(outOfRangeLine(kGnielinskiCard, 5.0e4f, 0.1f, true).value_or(""),
              "  ** Gnielinski: Pr = 0.1 適用範囲外 0.5〜2000");
    EXPECT_FALSE(outOfRangeLine(kHausenCard, 100.0f, 1.0e6f, false));  // no Pr range
}

}  // namespace
}  // namespace hx
