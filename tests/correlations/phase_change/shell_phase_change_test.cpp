#include "correlations/phase_change/shell_phase_change.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/option_codes.h"

namespace hx {
namespace {

void expectClose(float actual, double expected, double rel, const char* what) {
    EXPECT_NEAR(actual, expected, std::fabs(expected) * rel) << what;
}

// Steam and water near 100 ℃ in working units.
ShellPhaseProperties steam() {
    ShellPhaseProperties p;
    p.Ls = 539.0f;
    p.rhoV = 0.6f;
    p.rhoL = 958.0f;
    p.Cl = 1.0f;
    p.nuL = 0.00106f;
    p.kl = 0.586f;
    return p;
}

// Condensing on 19 mm tubes, 11.53 centre-line tubes, wall 10 K below
// saturation, 1000 m3/h of vapour through 0.0193 m2, 300 kg/h condensed;
// by hand: Ga = 7.7527e+08, Pr = 1.7329, Ja = 53.9.
TEST(ShellCondensation, NusseltBundleCoefficientAndMeanFlow) {
    ShellCondensationInput in;
    in.props = steam();
    in.D0 = 0.019f;
    in.ND = 11.53f;
    in.T1 = 100.0f;
    in.Twav = 90.0f;
    in.VS = 1000.0f;
    in.S = 0.0193f;
    in.nuV = 0.0727f;
    in.condensate = 300.0f;
    const ShellCondensationResult r = shellCondensation(in);
    ASSERT_TRUE(r.ok()) << r.fault;
    expectClose(r.Xs, 6293.7647, 1e-4, "Xs");
    expectClose(r.Res, 10156.0106, 1e-4, "Res");
    expectClose(r.Us, 10.7944732, 1e-4, "Us");
    expectClose(r.duty, 161700.0, 1e-6, "duty");

    in.Twav = in.T1;  // no driving difference
    EXPECT_STREQ(shellCondensation(in).fault, "condensation: wall temperature difference");
}

// Boiling on 100 tubes of 19 mm, 3 m, pitch ratio 1.25; 10 t/h of tube
// fluid cooled from 150 to 130 ℃; liquid fed at 90 ℃ to a 100 ℃ shell;
// by hand step by step.
TEST(ShellEvaporation, PoolBoilingOnTheBundle) {
    ShellEvaporationInput in;
    in.props = steam();
    in.NT = 100.0f;
    in.TL = 3.0f;
    in.TP = 1.25f;
    in.D0 = 0.019f;
    in.Ao = 17.898f;
    in.Ps = 1.033f;
    in.sigma = 0.006f;
    in.T1 = 100.0f;
    in.Tl = 90.0f;
    in.tubeFlow = 10000.0f;
    in.Ct = 1.0f;
    in.T3 = 150.0f;
    in.T4 = 130.0f;
    in.Xs = 2000.0f;
    in.As = 17.898f;
    in.shellMean = 100.0f;
    in.Xt = 1500.0f;
    in.At = 15.07f;
    in.tubeMean = 140.0f;
    in.VS = 1.0f;
    in.S = 0.0193f;
    const ShellEvaporationResult r = shellEvaporation(in);
    ASSERT_TRUE(r.ok()) << r.fault;
    expectClose(r.Twav, 115.482612, 1e-5, "Twav");
    expectClose(r.Qe, 200000.0, 1e-6, "Qe");
    expectClose(r.vapour, 371.057514, 1e-5, "vapour");
    expectClose(r.Dbb, 0.24945386, 1e-5, "Dbb");
    expectClose(r.b, 0.19956309, 1e-5, "b");
    expectClose(r.Gv, 260.391238, 1e-4, "Gv");
    expectClose(r.Fb, 0.19273583, 1e-4, "Fb");
    expectClose(r.Fs, 0.76337949, 1e-5, "Fs");
    expectClose(r.Xs, 356.322056, 5e-4, "Xs");
    expectClose(r.Us, 4.45041606, 1e-4, "Us");
}

TEST(ShellEvaporation, InletLiquidTemperatureInCelsius) {
    // Typed in K in the SI codes, ℃ in the engineering codes.
    EXPECT_FLOAT_EQ(shellInletLiquidCelsius(363.0f, kEnglishSI), 90.0f);
    EXPECT_FLOAT_EQ(shellInletLiquidCelsius(363.0f, kJapaneseSI), 90.0f);
    EXPECT_FLOAT_EQ(shellInletLiquidCelsius(90.0f, kEnglishEngineering), 90.0f);
    EXPECT_FLOAT_EQ(shellInletLiquidCelsius(90.0f, kJapaneseEngineering), 90.0f);
    // 10 K of subcooling: exp(−0.27).
    EXPECT_NEAR(subcoolingFactor(100.0f, shellInletLiquidCelsius(363.0f, kEnglishSI)), 0.76337949f,
                1e-6f);
}

}  // namespace
}  // namespace hx
