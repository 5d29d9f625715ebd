// The Nusselt film with Kern's row correction against a hand value.
#include <gtest/gtest.h>

#include "correlations/phase_change/shell_phase_change.h"

namespace hx {
namespace {

TEST(TextbookCondensation, NusseltFilmWithKernRowCorrection) {
    // Steam at about 100 ℃ in working units: ΔT = 10 ℃, Ja = 10/539 = 0.0185529,
    // h'fg = 539·(1 + 0.68·Ja); 0.729·[g·ρl(ρl − ρv)·kl³·h'fg/(μl·ΔT·D0)]^¼·9^(−1/6).
    ShellCondensationInput in;
    in.props = {539.0f, 0.6f, 958.0f, 1.0f, 0.00106f, 0.58f};
    in.D0 = 0.019f;
    in.ND = 9.0f;
    in.T1 = 100.0f;
    in.Twav = 90.0f;
    const ShellCondensingFilm f = nusseltKernCondensation(in);
    EXPECT_EQ(f.card, &kNusseltKernCondensationCard);
    EXPECT_NEAR(f.jakob, 0.0185529f, 1e-6f);
    EXPECT_NEAR(f.Xs, 8048.70f, 0.5f);
    EXPECT_NEAR(f.Nu, f.Xs * 0.019f / 0.58f, 1e-3f);
}

}  // namespace
}  // namespace hx
