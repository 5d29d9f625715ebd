#include "correlations/exchanger/heat_balance.h"

#include <gtest/gtest.h>

namespace hx {
namespace {

// Expected values below are computed by hand from the balance formulas.
TEST(HeatBalance, TubeOutletGiven) {
    const CapacityRates rates = capacityRates(5000.0f, 8000.0f);
    EXPECT_FLOAT_EQ(rates.Cmin, 5000.0f);
    EXPECT_FLOAT_EQ(rates.R, 0.625f);
    const TubeOutletBalance hot = balanceOfTubeOutlet(rates, 120.0f, 20.0f, 60.0f);
    EXPECT_FLOAT_EQ(hot.Q, 200000.0f);
    EXPECT_FLOAT_EQ(hot.T2, 95.0f);  // the shell is the hot stream
    EXPECT_FLOAT_EQ(hot.Qx, 200000.0f);
    const TubeOutletBalance cold = balanceOfTubeOutlet(rates, 20.0f, 120.0f, 80.0f);
    EXPECT_FLOAT_EQ(cold.T2, 45.0f);
}

TEST(HeatBalance, ShellOutletGiven) {
    const CapacityRates rates = capacityRates(5000.0f, 8000.0f);
    const ShellOutletBalance b = balanceOfShellOutlet(rates, 120.0f, 95.0f, 20.0f, 1.0f, 1000.0f);
    EXPECT_FLOAT_EQ(b.Q, 200000.0f);
    EXPECT_FLOAT_EQ(b.T4, 60.0f);
    ASSERT_TRUE(b.tubeFlow.has_value());
    EXPECT_FLOAT_EQ(*b.tubeFlow, 5.0f);  // 200000/1/1000/40 m3/h
    const ShellOutletBalance cooled =
        balanceOfShellOutlet(rates, 20.0f, 45.0f, 120.0f, 1.0f, 1000.0f);
    EXPECT_FLOAT_EQ(cooled.T4, 80.0f);
    // No shell temperature change: no heat, and no flow can carry it.
    const ShellOutletBalance none =
        balanceOfShellOutlet(rates, 120.0f, 120.0f, 20.0f, 1.0f, 1000.0f);
    EXPECT_FALSE(none.tubeFlow.has_value());
}

TEST(HeatBalance, SensibleOutletOfAPhaseChangeCase) {
    // Condensing tubes heat the shell; evaporating tubes cool it.
    EXPECT_FLOAT_EQ(sensibleOutlet(20.0f, 100.0f, 10000.0f, 500.0f, 1.0f), 40.0f);
    EXPECT_FLOAT_EQ(sensibleOutlet(120.0f, 100.0f, 10000.0f, 500.0f, 1.0f), 100.0f);
}

TEST(FilmSetting, FormulaAndHandEntry) {
    FilmSetting formula;
    formula.ct = 0.9f;
    formula.cs = 0.8f;
    const EffectiveFilms f = effectiveFilms(1000.0f, 500.0f, formula);
    EXPECT_FLOAT_EQ(f.Xt, 1000.0f);
    EXPECT_FLOAT_EQ(f.ct, 0.9f);
    EXPECT_FLOAT_EQ(f.cs, 0.8f);

    FilmSetting shellByHand = formula;
    shellByHand.setting = 2;
    shellByHand.side = 2;
    shellByHand.enteredXs = 1000.0f;
    shellByHand.siUnits = true;
    const EffectiveFilms h = effectiveFilms(1000.0f, 500.0f, shellByHand);
    EXPECT_FLOAT_EQ(h.Xt, 1000.0f);
    EXPECT_NEAR(h.Xs, 859.8f, 1e-3f);  // 1000 W/m2K
    EXPECT_FLOAT_EQ(h.ct, 1.0f);
    EXPECT_FLOAT_EQ(h.cs, 1.0f);

    FilmSetting both = shellByHand;
    both.side = 3;
    both.enteredXt = 2000.0f;
    both.siUnits = false;
    const EffectiveFilms b = effectiveFilms(1.0f, 1.0f, both);
    EXPECT_FLOAT_EQ(b.Xt, 2000.0f);
    EXPECT_FLOAT_EQ(b.Xs, 1000.0f);
}

const EffectiveFilms kFilms{1000.0f, 500.0f, 0.9f, 0.8f};
const TubeWall kWall{0.016f, 0.019f, 14.0f, 0.0001f, 0.0002f};

// Hand calculation: 1/(1/900 + (1/400)·16/19 + 0.0015/14 + 0.0002·16/19 + 0.0001).
TEST(OverallCoefficient, PlainTube) {
    const auto k = plainTubeOverall(kFilms, kWall);
    ASSERT_TRUE(k.has_value());
    EXPECT_NEAR(k->KI, 278.4012f, 2e-3f);
    EXPECT_NEAR(k->KO, 234.4431f, 2e-3f);
}

// Hand calculation for FT 0.3 mm, FH 1.5 mm, 19 fins per inch, FM 330,
// NT 100, TL 2 m: m·L = 0.167636, EF = tanh(mL)/mL = 0.990737.
TEST(OverallCoefficient, LowFinTube) {
    const LowFinGeometry fin{0.0003f, 0.0015f, 19.0f, 330.0f};
    const float Ai = 0.016f * 100.0f * 2.0f * 3.14f;
    const auto r = lowFinOverall(kFilms, kWall, fin, Ai);
    ASSERT_TRUE(r.has_value());
    EXPECT_NEAR(r->EF, 0.9907369f, 1e-6f);
    EXPECT_NEAR(r->Ar, 7.9756e-05f, 1e-10f);
    EXPECT_NEAR(r->Af, 1.123335e-04f, 1e-10f);
    EXPECT_NEAR(r->Ab, 6.1858e-05f, 1e-10f);
    EXPECT_NEAR(r->Ae, 1.731509e-04f, 1e-10f);
    EXPECT_NEAR(r->finnedArea, 26.06015f, 1e-3f);
    EXPECT_NEAR(r->overall.KI, 391.0307f, 3e-3f);
    EXPECT_NEAR(r->overall.KO, 150.7696f, 1e-3f);
}

TEST(FinEfficiency, TendsToOneForAShortFin) {
    EXPECT_FLOAT_EQ(finEfficiency(0.0f), 1.0f);
    EXPECT_NEAR(finEfficiency(1e-4f), 1.0f, 1e-7f);
    EXPECT_NEAR(finEfficiency(1e-2f), 0.99996667f, 1e-7f);  // 1 − x²/3
    EXPECT_NEAR(finEfficiency(2.0f), 0.4820138f, 1e-6f);    // tanh 2 / 2
}

TEST(AreasAndLength, FromTheDutyAndTheCoefficient) {
    const auto At = heatTransferArea(200000.0f, 400.0f, 50.0f);
    ASSERT_TRUE(At.has_value());
    EXPECT_FLOAT_EQ(*At, 10.0f);
    EXPECT_NEAR(lengthForArea(10.0f, 0.02f, 50.0f), 10.0f / (3.1416f * 0.02f * 50.0f), 1e-5f);
    EXPECT_FALSE(heatTransferArea(200000.0f, 400.0f, 0.0f).has_value());
    EXPECT_FALSE(heatTransferArea(200000.0f, 0.0f, 50.0f).has_value());
    const OutsideAreas o = outsideAreas(16.0f, 0.016f, 0.019f, 0.9f);
    EXPECT_FLOAT_EQ(o.As, 19.0f);
    EXPECT_FLOAT_EQ(o.Asf, 17.1f);
}

TEST(CondensateAndEfficiencies, FromTheConvergedTemperatures) {
    const auto c = condensateOf(107800.0f, 539.0f);
    ASSERT_TRUE(c.has_value());
    EXPECT_FLOAT_EQ(c->flow, 200.0f);
    EXPECT_FLOAT_EQ(c->duty, 107800.0f);
    EXPECT_FALSE(condensateOf(1.0f, 0.0f).has_value());

    const auto e = thermalEfficiencies(120.0f, 95.0f, 20.0f, 60.0f);
    ASSERT_TRUE(e.has_value());
    EXPECT_FLOAT_EQ(e->Et, 0.4f);
    EXPECT_FLOAT_EQ(e->Es, 0.25f);
    EXPECT_FALSE(thermalEfficiencies(50.0f, 50.0f, 50.0f, 50.0f).has_value());
}

}  // namespace
}  // namespace hx
