#include "correlations/annulus/annulus.h"

#include <gtest/gtest.h>

#include <cmath>

namespace hx {
namespace {

void expectClose(float actual, double expected, double rel, const char* what) {
    EXPECT_NEAR(actual, expected, std::fabs(expected) * rel) << what;
}

AnnulusInput plainAnnulusSample(float VS, float Vs) {
    AnnulusInput in;
    in.DS = 0.05f;
    in.D0 = 0.025f;
    in.VS = VS;
    in.Vs = Vs;
    in.KS = 0.5f;
    in.Prs = 3.0f;
    return in;
}

// 50 mm pipe around a 25 mm tube, KS 0.5 kcal/mh℃, Pr 3; expected values
// computed by hand from the two fits (Sa = 0.001471875 m2, De = 0.025 m).
TEST(Annulus, PlainBranchesAroundRes2000) {
    struct Row {
        float VS, Vs;
        double Res, Us, Xs;
    };
    const Row rows[] = {
        {2.0f, 0.036f, 943.61878, 0.37744751, 123.194972},    // laminar fit
        {0.42368805f, 0.0036f, 1999.0, 0.07996, 224.598038},  // just below 2000
        {0.42411195f, 0.0036f, 2001.0, 0.08004, 426.645827},  // turbulent from 2000
        {2.0f, 0.0036f, 9436.18778, 0.37744751, 1475.390869},
    };
    for (const Row& r : rows) {
        const AnnulusResult a = annulusCoefficient(plainAnnulusSample(r.VS, r.Vs));
        ASSERT_TRUE(a.ok()) << a.fault;
        expectClose(a.Sa, 0.001471875, 1e-5, "Sa");
        expectClose(a.De, 0.025, 1e-6, "De");
        expectClose(a.Res, r.Res, 1e-5, "Res");
        expectClose(a.Us, r.Us, 1e-5, "Us");
        expectClose(a.Xs, r.Xs, 1e-4, "Xs");
    }
}

// Low-fin tube of 19 mm with fins 1.4 mm high, 0.3 mm thick, 19 per inch
// in the 50 mm pipe, 2 m3/h, ν 0.0036 m2/h; by hand.
TEST(Annulus, LowFinOutsideTheFinTips) {
    AnnulusInput in = plainAnnulusSample(2.0f, 0.0036f);
    in.D0 = 0.019f;
    in.lowFin = true;
    in.FH = 0.0014f;
    in.FT = 0.0003f;
    in.FN = 19.0f;
    const AnnulusResult a = annulusCoefficient(in);
    ASSERT_TRUE(a.ok()) << a.fault;
    expectClose(a.Sa, 0.0015894366, 1e-5, "Sa");
    expectClose(a.De, 0.0282, 1e-5, "De");
    expectClose(a.Us, 0.34952986, 1e-5, "Us");
    expectClose(a.Res, 9856.7421, 1e-5, "Res");
    expectClose(a.Xs, 1510.60344, 1e-4, "Xs");
}

TEST(Annulus, NoGapIsReported) {
    AnnulusInput in = plainAnnulusSample(2.0f, 0.0036f);
    in.DS = 0.025f;
    EXPECT_FALSE(annulusCoefficient(in).ok());
    in = plainAnnulusSample(2.0f, 0.0f);
    EXPECT_STREQ(annulusCoefficient(in).fault, "annulus: viscosity");
}

}  // namespace
}  // namespace hx
