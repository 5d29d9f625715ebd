#include "correlations/phase_change/tube_phase_change.h"

#include <gtest/gtest.h>

namespace hx {
namespace {

TubeTwoPhaseProperties steam() {
    TubeTwoPhaseProperties p;
    p.Ltv = 539.0f;
    p.Dtv = 0.6f;
    p.Dtlv = 958.0f;
    p.Ctlv = 1.0f;
    p.Vtl = 0.00106f;
    p.Ktl = 0.585f;
    return p;
}

TubeTwoPhaseFlow flow(float V, float Wcon, float T3, float Twav) {
    TubeTwoPhaseFlow f;
    f.DI = 0.02f;
    f.NT = 10.0f;
    f.PN = 1.0f;
    f.V = V;
    f.Vt = 0.075f;
    f.Kt = 0.585f;
    f.Wcon = Wcon;
    f.T3 = T3;
    f.Twav = Twav;
    return f;
}

// Expected values computed by hand from the condensation formulas:
// ΔT = 10 ℃, Xt = 0.468·[0.585³·958·957.4·539·(1 + 6.8/539)·1.27e+08/
// (0.00106·958·0.02·10)]^0.25 = 7404.77; inlet Re = 500·0.02/(0.075·10·3.14e-4)
// = 42462.8, outlet (500·0.6 − 200)·0.02/(0.075·10·3.14e-4)/0.6 = 14154.3;
// velocity: inlet 500/3.14e-4/3600/10 = 44.2321 m/s, outlet with the vapour
// volume 500 − 200/0.6 m3/h left: 14.7440 m/s, mean 29.4881 m/s. (Subtracting
// the condensate's liquid volume 200/958 instead kept the outlet at 44.21.)
TEST(TubeCondensation, CoefficientReynoldsVelocityAndDuty) {
    const TubeCondensation c = tubeCondensation(steam(), flow(500.0f, 200.0f, 100.0f, 90.0f));
    ASSERT_TRUE(c.film.Xt.has_value());
    EXPECT_NEAR(*c.film.Xt, 7404.768f, 0.05f);
    EXPECT_NEAR(c.film.Ret, 28308.56f, 0.2f);
    EXPECT_NEAR(c.film.Ut, 29.48807f, 2e-4f);
    EXPECT_FLOAT_EQ(c.duty, 107800.0f);
}

TEST(TubeCondensation, WallAtTheSaturationTemperatureHasNoCoefficient) {
    const TubeCondensation c = tubeCondensation(steam(), flow(500.0f, 200.0f, 100.0f, 100.0f));
    EXPECT_FALSE(c.film.Xt.has_value());
    EXPECT_NEAR(c.film.Ret, 28308.56f, 0.2f);  // the flow quantities are still given
}

TEST(TubeCondensation, MoreCondensateThanVapourGivesANegativeMeanReynolds) {
    // The area checks look for this negative value; the coefficient is still finite.
    const TubeCondensation c = tubeCondensation(steam(), flow(10.0f, 100.0f, 100.0f, 90.0f));
    EXPECT_LT(c.film.Ret, 0.0f);
    EXPECT_TRUE(c.film.Xt.has_value());
}

// Expected values computed by hand from the evaporation formulas with
// V = 5 m3/h, Wcon = 2 kg/h, Ps = 1.033 kgf/cm2, σ = 0.006 kgf/m, ΔT = 10 ℃:
// Ret = mean of 5·0.6·0.02/(0.00106·10·3.14e-4·958) and (3 − 2)·… = 12.5447;
// hn = 0.592490, hc = 155.8270, Xt = 0.5·hn + hc.
TEST(TubeEvaporation, NucleateAndConvectiveParts) {
    const TubeTwoPhaseFlow f = flow(5.0f, 2.0f, 100.0f, 110.0f);
    EXPECT_NEAR(tubeNucleateBoiling(steam(), 0.585f, 1.033f, 0.006f, 10.0f), 0.5924901f, 2e-5f);
    const TubeFilm film = tubeEvaporation(steam(), f, 1.033f, 0.006f);
    EXPECT_NEAR(film.Ret, 12.54466f, 1e-4f);
    ASSERT_TRUE(film.Xt.has_value());
    EXPECT_NEAR(*film.Xt, 156.1232f, 2e-3f);
    EXPECT_NEAR(film.Ut, 0.1474404f, 1e-6f);
}

// The boiling parts take the liquid's conductivity: a vapour conductivity
// 30 times smaller in the tube record leaves the coefficient as it is.
TEST(TubeEvaporation, PartsUseTheLiquidConductivity) {
    TubeTwoPhaseFlow f = flow(5.0f, 2.0f, 100.0f, 110.0f);
    f.Kt = 0.585f / 30.0f;
    const TubeFilm film = tubeEvaporation(steam(), f, 1.033f, 0.006f);
    ASSERT_TRUE(film.Xt.has_value());
    EXPECT_NEAR(*film.Xt, 156.1232f, 2e-3f);
    TubeTwoPhaseProperties wetter = steam();
    wetter.Ktl = 2.0f * 0.585f;
    EXPECT_GT(*tubeEvaporation(wetter, f, 1.033f, 0.006f).Xt, 1.5f * *film.Xt);
}

TEST(TubeEvaporation, NegativeReynoldsIsReportedNotPropagated) {
    const TubeFilm film =
        tubeEvaporation(steam(), flow(1.0f, 50.0f, 100.0f, 110.0f), 1.033f, 0.006f);
    EXPECT_LT(film.Ret, 0.0f);
    EXPECT_FALSE(film.Xt.has_value());
}

}  // namespace
}  // namespace hx
