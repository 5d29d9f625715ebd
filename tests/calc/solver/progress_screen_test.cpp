// The progress screen of the solver: a row written again is cleared to its
// end, whatever stood there before (a longer line of the screen, the banner
// it was drawn over), and the English screen shows the shell viscosity line
// in every fluid mode without twisted tape, the Japanese one in modes 1 and
// 2 only.
#include "calc/solver/progress_screen.h"

#include <gtest/gtest.h>

#include <string>

#include "calc/solver/solver_progress.h"
#include "console/scripted_console.h"
#include "core/option_codes.h"

namespace hx {
namespace {

ProgressValues englishValues(int fluidMode) {
    ProgressValues v;
    v.unitCode = kEnglishSI;
    v.fluidMode = fluidMode;
    v.tubeInlet = 80.0f;
    v.tubeOutlet = 70.3f;
    v.shellInlet = 20.0f;
    v.shellOutlet = 29.7f;
    v.TL = 1.0f;
    v.LT = 4.947f;
    v.NT = 100.0f;
    v.viscosityRatio = 1.02345f;
    return v;
}

bool screenHas(const ScriptedConsole& c, const std::string& text) {
    for (const std::string& row : c.screen())
        if (row.find(text) != std::string::npos) return true;
    return false;
}

TEST(ProgressScreen, BannerUnderTheHeadsRowIsCleared) {
    ScriptedConsole c;
    c.locate(5, 0);
    c.print("         〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓〓");
    ProgressScreen screen;
    screen.show(c, englishValues(kSensible));
    EXPECT_EQ(c.screen()[5], "       【 Inlet 】 【 Outlet 】");
}

TEST(ProgressScreen, ShorterRowLeavesNothingOfTheLongerOne) {
    ScriptedConsole c;
    ProgressScreen screen;
    ProgressValues v = englishValues(kSensible);
    v.NT = 1000.0f;
    v.LT = 14.947f;  // wider than its picture: the row grows
    screen.show(c, v);
    const std::string longRow = c.screen()[20];
    v.NT = 100.0f;
    v.LT = 4.947f;
    screen.show(c, v);
    const std::string shortRow = c.screen()[20];
    EXPECT_LT(shortRow.size(), longRow.size());
    EXPECT_EQ(shortRow, " 【 Av.wall temp. =   0.00℃　 TL=1.000  LT=4.947  NT= 100  】");
}

// The balance line of a design case, written into row 10 of the screen,
// goes when the row is drawn again.
TEST(ProgressScreen, BalanceLineGoesWhenItsRowChanges) {
    ScriptedConsole c;
    ConsoleProgress progress(c);
    ProgressValues v = englishValues(kSensible);
    progress.pass(v);
    progress.tubeOutletBalance(55.5f, 55.6f, 0.25f);
    EXPECT_NE(c.screen()[10].find("TGX/TG4="), std::string::npos);
    v.calcLimit1 = 7;
    progress.pass(v);
    EXPECT_EQ(c.screen()[10], " │ Calc. Limit 1(   7/1000) │");
}

TEST(ProgressScreen, EnglishViscosityLineInEveryFluidMode) {
    for (int mode : {kSensible, kTubeWetGas, kTubePhaseChange, kShellPhaseChange}) {
        ScriptedConsole c;
        ProgressScreen screen;
        screen.show(c, englishValues(mode));
        EXPECT_TRUE(screenHas(c, "   * Shell side visc.correction：η/η=1.02345")) << mode;
    }
}

TEST(ProgressScreen, JapaneseViscosityLineInModesOneAndTwoOnly) {
    for (int mode : {kSensible, kTubeWetGas, kTubePhaseChange, kShellPhaseChange}) {
        ScriptedConsole c;
        ProgressScreen screen;
        ProgressValues v = englishValues(mode);
        v.unitCode = kJapaneseSI;
        screen.show(c, v);
        EXPECT_EQ(screenHas(c, "   * ｼｪﾙ側粘性項補正：η/η=1.02345"),
                  mode == kSensible || mode == kTubeWetGas)
            << mode;
    }
}

TEST(ProgressScreen, EnglishTapeScreenHasNoRatioLine) {
    ScriptedConsole c;
    ProgressScreen screen;
    ProgressValues v = englishValues(kTubePhaseChange);
    v.tapeUsed = true;
    screen.show(c, v);
    EXPECT_FALSE(screenHas(c, "visc.correction"));
}

}  // namespace
}  // namespace hx
