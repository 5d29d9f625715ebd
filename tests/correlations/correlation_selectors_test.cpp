// Each family's selector reaches its own function on each basis: the value
// and the card the selector returns are those of the function it names.
#include <gtest/gtest.h>

#include "correlations/annulus/annulus.h"
#include "correlations/phase_change/shell_phase_change.h"
#include "correlations/phase_change/tube_phase_change.h"
#include "correlations/pressure_drop/tube_pressure_drop.h"

namespace hx {
namespace {

constexpr CorrelationBasis kOriginal = CorrelationBasis::Original;
constexpr CorrelationBasis kTextbook = CorrelationBasis::Textbook;

TEST(CorrelationSelectors, Annulus) {
    AnnulusInput in;
    in.DS = 0.04f;
    in.D0 = 0.02f;
    in.VS = 0.5f;
    in.Vs = 0.2f;
    in.KS = 0.12f;
    in.Prs = 500.0f;
    const AnnulusFilm original = annulusFilm(kOriginal, in, 6.0f);
    EXPECT_EQ(original.card, &kOriginalAnnulusCard);
    EXPECT_EQ(original.flow.Xs, plainAnnulus(in).Xs);
    const AnnulusFilm textbook = annulusFilm(kTextbook, in, 6.0f);
    EXPECT_EQ(textbook.card, &kShahLondonAnnulusCard);
    EXPECT_EQ(textbook.flow.Xs, textbookAnnulus(in, 6.0f).flow.Xs);
    EXPECT_EQ(textbook.second, 0.5f);  // the radius ratio the laminar card is checked on
    in.lowFin = true;
    in.FT = 0.0003f;
    in.FH = 0.001f;
    in.FN = 26.0f;
    EXPECT_EQ(annulusFilm(kTextbook, in, 6.0f).flow.Xs, lowFinAnnulus(in).Xs);
}

TEST(CorrelationSelectors, TubeDrop) {
    const PlainTubeDropInputs in{2.0f, 3.0f, 0.02f, 1000.0f, 1.0f, 2.0e4f};
    const TubeDrop original = plainTubeDrop(kOriginal, in);
    EXPECT_EQ(original.total, plainTubePressureDrop(in));
    EXPECT_EQ(original.returns, 0.0f);
    const TubeDrop textbook = plainTubeDrop(kTextbook, in);
    EXPECT_EQ(textbook.card, &kTubeFrictionCard);
    EXPECT_EQ(textbook.total, textbookTubePressureDrop(in)->total);
}

TEST(CorrelationSelectors, ShellCondensation) {
    ShellCondensationInput in;
    in.props = {539.0f, 0.6f, 958.0f, 1.0f, 0.00106f, 0.58f};
    in.D0 = 0.019f;
    in.ND = 9.0f;
    in.T1 = 100.0f;
    in.Twav = 90.0f;
    in.VS = 1000.0f;
    in.S = 0.05f;
    in.nuV = 0.07f;
    EXPECT_EQ(shellCondensingFilm(kOriginal, in, shellCondensation(in)).Xs,
              shellCondensation(in).Xs);
    EXPECT_EQ(shellCondensingFilm(kTextbook, in, shellCondensation(in)).Xs,
              nusseltKernCondensation(in).Xs);
}

TEST(CorrelationSelectors, TubePhaseChange) {
    TubeTwoPhaseProperties p{500.0f, 10.0f, 900.0f, 1.0f, 0.0008f, 0.18f};
    TubeTwoPhaseFlow f;
    f.DI = 0.02f;
    f.NT = 1.0f;
    f.PN = 1.0f;
    f.V = 11.304f;
    f.Vt = 0.05f;
    f.Kt = 0.02f;
    f.Wcon = 22.608f;
    f.T3 = 100.0f;
    f.Twav = 90.0f;
    EXPECT_EQ(*tubeCondensingFilm(kOriginal, p, f).film.Xt, *tubeCondensation(p, f).film.Xt);
    EXPECT_EQ(*tubeCondensingFilm(kTextbook, p, f).film.Xt, akersDeansCrosserCondensation(p, f).Xt);
    EXPECT_EQ(*tubeBoilingFilm(kOriginal, p, f, 1.0f, 0.006f, 2.0f).film.Xt,
              *tubeEvaporation(p, f, 1.0f, 0.006f).Xt);
    EXPECT_EQ(*tubeBoilingFilm(kTextbook, p, f, 1.0f, 0.006f, 2.0f).film.Xt,
              gungorWintertonEvaporation(p, f, 2.0f).Xt);
}

}  // namespace
}  // namespace hx
