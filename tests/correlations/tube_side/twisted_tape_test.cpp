#include "correlations/tube_side/twisted_tape.h"

#include <gtest/gtest.h>

#include "console/scripted_console.h"
#include "core/run_ended.h"
#include "correlations/pressure_drop/tube_pressure_drop.h"

namespace hx {
namespace {

TapeFlow sampleTape() {
    TapeFlow f;
    f.DI = 0.02f;
    f.NT = 50.0f;
    f.PN = 2.0f;
    f.pitch = 0.1f;
    f.thickness = 0.001f;
    f.V = 10.0f;
    f.Vr = 10.0f;
    f.Vt = 0.0036f;
    f.Kt = 0.5f;
    f.Prt = 5.0f;
    f.temperatureRatio = 1.1f;
    return f;
}

// Expected values computed by hand from the tape formulas with DI = 0.02 m,
// δ = 0.001 m, H = 0.1 m, V = 10 m3/h, Vt = 0.0036 m2/h, PN 2, NT 50:
// De = (3.14·4e-4 − 8e-5)/(0.0628 − 0.002 + 0.04) = 0.0116667 m;
// Ret = 2·De·10/(0.0036·50·(3.14e-4 − 2e-5)) = 4409.17;
// s = 0.628²/(1 + 0.628²) = 0.282837; y = 2·s/0.02 = 28.2837.
TEST(TwistedTape, GeometryAndCoefficients) {
    const TapeFilm film = tapeFilm(sampleTape());
    EXPECT_NEAR(film.De, 0.01166667f, 1e-7f);
    EXPECT_NEAR(film.Ret, 4409.171f, 0.02f);
    EXPECT_NEAR(film.s, 0.2828374f, 1e-6f);
    EXPECT_NEAR(film.coefficients.n, 0.5841991f, 1e-6f);
    EXPECT_NEAR(film.coefficients.ct, 0.2837331f, 1e-6f);
    EXPECT_NEAR(film.coefficients.cl, 0.5534774f, 1e-6f);
    ASSERT_TRUE(film.Xt.has_value());
    EXPECT_NEAR(*film.Xt, 2970.672f, 0.01f);  // turbulent branch, (Kt/De)·Nu
    EXPECT_NEAR(film.Ut, 0.3538570f, 1e-6f);
}

// Nu on both sides of Ret 2000 with the coefficients above, Pr 5, TZ/TB 1.1.
TEST(TwistedTape, NusseltBranchAtRet2000) {
    const TapeCoefficients c = tapeCoefficients(28.283744f);
    EXPECT_NEAR(tapeNusselt(1999.9f, 5.0f, 1.1f, c), 44.92578f, 1e-4f);  // laminar
    EXPECT_NEAR(tapeNusselt(2000.0f, 5.0f, 1.1f, c), 43.67775f, 1e-4f);  // turbulent
}

// Hand calculation: Re_tr = (c_l/c_t)^(1/(n − 0.5)) = 2795.60; DPt for
// PN 2, TL 3 m, ρ 998 kg/m3, Ut = 0.353857 m/s, TZ/TB 1.1.
TEST(TwistedTape, FrictionBranchesAtTheTransitionReynolds) {
    const TapeCoefficients c = tapeCoefficients(28.283744f);
    const float transition = tapeTransitionReynolds(c);
    EXPECT_NEAR(transition, 2795.596f, 0.05f);
    struct Row {
        float Ret, expectedDrop;
    };
    const Row rows[] = {
        {2795.876f, 0.02483759f}, {2795.317f, 0.03654156f}, {4409.171f, 0.02267471f}};
    for (const Row& r : rows) {
        TapeDropInputs in;
        in.PN = 2.0f;
        in.TL = 3.0f;
        in.De = 0.01166667f;
        in.Dt = 998.0f;
        in.Ut = 0.3538570f;
        in.Ret = r.Ret;
        in.s = 0.2828374f;
        in.coefficients = c;
        in.temperatureRatio = 1.1f;
        const auto drop = tapePressureDrop(in);
        ASSERT_TRUE(drop.has_value());
        EXPECT_NEAR(*drop, r.expectedDrop, 2e-5f * r.expectedDrop) << r.Ret;
    }
}

// Manglik–Bergles by hand: t/DI = 0.05, y = 2.5, Re 20000, Pr 5:
// 0.023·Re^0.8·Pr^0.4·(1 + 0.769/2.5)·(π/(π − 0.2))^0.8·((π + 1.9)/(π − 0.2))^0.2 = 185.4666.
TEST(TwistedTape, ManglikBerglesNusseltByHand) {
    EXPECT_NEAR(manglikBerglesNusselt(20000.0f, 5.0f, 2.5f, 0.05f), 185.4666f, 0.02f);
}

// The textbook basis through the selector: the sample tape at 60 m3/h
// (Re = 2·0.02·60/(0.0036·50·(3.14e-4 − 2e-5)) = 45351.47, y = 0.05/0.02 = 2.5),
// Nu = 357.0383 before the property factor; a heated liquid with μb/μw 1.2
// takes 1.2^0.18, a cooled gas (Tw/Tb 0.9) (1/0.9)^0.15. Xt = (Kt/DI)·Nu·φ.
TEST(TwistedTape, ManglikBerglesOnTheTextbookBasis) {
    TapeFlow f = sampleTape();
    f.V = 60.0f;
    f.basis = CorrelationBasis::Textbook;
    f.viscosityRatio = 1.2f;
    const TapeFilm liquid = tapeFilm(f);
    EXPECT_EQ(liquid.card, &kManglikBerglesCard);
    EXPECT_NEAR(liquid.Re, 45351.47f, 0.1f);
    ASSERT_TRUE(liquid.Xt.has_value());
    EXPECT_NEAR(*liquid.Xt, 9223.748f, 0.5f);
    EXPECT_NEAR(liquid.De, tapeFilm(sampleTape()).De, 1e-9f);  // the tape drop's inputs stay
    f.gas = true;
    f.temperatureRatio = 0.9f;
    EXPECT_NEAR(*tapeFilm(f).Xt, 9068.144f, 0.5f);
    EXPECT_EQ(tapeFilm(sampleTape()).card, &kOriginalTapeCard);
}

}  // namespace
}  // namespace hx
