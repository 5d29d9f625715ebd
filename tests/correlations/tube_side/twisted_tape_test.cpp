#include "correlations/tube_side/twisted_tape.h"

#include <gtest/gtest.h>

#include <cmath>

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

// The textbook basis through the selector: the sample tape at 60 m3/h, Re on
// the unobstructed tube (Re = 2·0.02·60/(0.0036·50·3.14e-4) = 42462.85,
// y = 0.05/0.02 = 2.5), Nu = 338.7263 before the property factor; a heated
// liquid with μb/μw 1.2 takes 1.2^0.18, a cooled gas (Tw/Tb 0.9)
// (1/0.9)^0.15. Xt = (Kt/DI)·Nu·φ.
TEST(TwistedTape, ManglikBerglesOnTheTextbookBasis) {
    TapeFlow f = sampleTape();
    f.V = 60.0f;
    f.TL = 2.0f;
    f.basis = CorrelationBasis::Textbook;
    f.viscosityRatio = 1.2f;
    const TapeFilm liquid = tapeFilm(f);
    EXPECT_EQ(liquid.card, &kManglikBerglesCard);
    EXPECT_NEAR(liquid.Re, 42462.85f, 0.1f);
    ASSERT_TRUE(liquid.Xt.has_value());
    EXPECT_NEAR(*liquid.Xt, 8750.675f, 0.5f);
    EXPECT_NEAR(liquid.De, tapeFilm(sampleTape()).De, 1e-9f);  // the tape drop's inputs stay
    f.gas = true;
    f.temperatureRatio = 0.9f;
    EXPECT_NEAR(*tapeFilm(f).Xt, 8603.052f, 0.5f);
    EXPECT_EQ(tapeFilm(sampleTape()).card, &kOriginalTapeCard);
}

// Manglik–Bergles laminar (Part I) by hand, δ/DI = 0.05, y = 2.5, Pr 5,
// DI 0.02 m, TL 2 m: at Re 1000, Sw = (1000/√2.5)·(π/(π − 0.2))·√(1 + (π/5)²)
// = 797.72, Gz = (π/4)·1000·5·0.01 = 39.27, Nu = 28.8969. A straight thin
// tape without flow gives the constant 4.612 of the two half-tubes.
TEST(TwistedTape, ManglikBerglesLaminarByHand) {
    EXPECT_NEAR(manglikBerglesSwirlNumber(1000.0f, 2.5f, 0.05f), 797.7207f, 0.01f);
    EXPECT_NEAR(manglikBerglesLaminarNusselt(1000.0f, 5.0f, 2.5f, 0.05f, 0.02f, 2.0f), 28.8969f,
                0.005f);
    EXPECT_NEAR(manglikBerglesLaminarNusselt(1e-3f, 1.0f, 1e6f, 0.0f, 1.0f, 1e6f), 4.612f, 1e-4f);
}

// The regime selector, a heated liquid with μb/μw 1.2: laminar to Re 2300
// ((μb/μw)^0.14), turbulent from 10^4 (φ = 1.2^0.18), and at Re 6150, half
// way, the mean of the corrected ends: (56.1317 + 110.0764)/2 = 83.1040.
TEST(TwistedTape, ManglikBerglesRegimes) {
    TapeRegimeInputs in;
    in.Pr = 5.0f;
    in.y = 2.5f;
    in.thicknessRatio = 0.05f;
    in.DI = 0.02f;
    in.TL = 2.0f;
    in.viscosityRatio = 1.2f;
    in.wallToBulkRatio = 1.1f;
    in.Re = 1000.0f;
    EXPECT_EQ(manglikBerglesRegimeNusselt(in).card, &kManglikBerglesLaminarCard);
    EXPECT_NEAR(manglikBerglesRegimeNusselt(in).Nu, 28.8969f * std::pow(1.2f, 0.14f), 0.01f);
    in.Re = 6150.0f;
    EXPECT_EQ(manglikBerglesRegimeNusselt(in).card, &kManglikBerglesTransitionCard);
    EXPECT_NEAR(manglikBerglesRegimeNusselt(in).Nu, 83.1040f, 0.02f);
    in.Re = 2.0e4f;
    EXPECT_EQ(manglikBerglesRegimeNusselt(in).card, &kManglikBerglesCard);
}

// Manglik–Bergles friction by hand, δ/DI = 0.05, y = 2.5: laminar at Re 1000
// f = (15.767/1000)·(5.0416/2.9416)²·(π/2.9416)·(1 + (π/5)²)·(1 + 1e-6·797.72^2.55)^(1/6)
// = 0.118825; turbulent at Re 2·10^4 0.0269859; at Re 6150 the mean of the
// ends, 0.0526392. The drop of two 2 m passes, DI 0.02 m, 1000 kg/m3 at
// 1 m/s and Re 2·10^4: friction 2·4·0.0269859·100·500/9.8·1e-4 = 0.110147,
// returns 4·2·500/9.8·1e-4 = 0.0408163 kg/cm2.
TEST(TwistedTape, ManglikBerglesFrictionByHand) {
    EXPECT_NEAR(manglikBerglesLaminarFriction(1000.0f, 2.5f, 0.05f), 0.118825f, 2e-5f);
    EXPECT_NEAR(manglikBerglesTurbulentFriction(2.0e4f, 2.5f, 0.05f), 0.0269859f, 5e-6f);
    const TapeFriction mid = manglikBerglesFriction(6150.0f, 2.5f, 0.05f);
    EXPECT_EQ(mid.card, &kManglikBerglesTransitionFrictionCard);
    EXPECT_NEAR(mid.f, 0.0526392f, 1e-5f);
    EXPECT_EQ(manglikBerglesFriction(1000.0f, 2.5f, 0.05f).card,
              &kManglikBerglesLaminarFrictionCard);
    const TubeDrop d = textbookTapeDrop({2.0f, 2.0f, 0.02f, 1000.0f, 1.0f, 2.0e4f, 2.5f, 0.05f});
    EXPECT_EQ(d.card, &kManglikBerglesFrictionCard);
    EXPECT_NEAR(d.friction, 0.110147f, 2e-5f);
    EXPECT_NEAR(d.returns, 0.0408163f, 1e-6f);
    ASSERT_TRUE(d.total.has_value());
    EXPECT_NEAR(*d.total, d.friction + d.returns, 1e-6f);
}

}  // namespace
}  // namespace hx
