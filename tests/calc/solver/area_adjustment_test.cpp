// The excess-area question and the adjustment it drives: the rules of the
// two exchanger types on the incoming flow F and the condensate C, the
// question asked again for an answer other than "1", "2" or "3", a steam
// condenser with 100 kg/h in the tubes solved again until the condensate
// lies between 99 % and 100 % of the steam, and the same exchanger rated as
// built.
#include "calc/solver/area_adjustment.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "calc/solver/calculation_driver.h"
#include "console/scripted_console.h"
#include "core/option_codes.h"
#include "core/run_ended.h"
#include "model/session.h"
#include "program/session/startup.h"

namespace hx {
namespace {

TEST(AdjustShellAndTube, CondensateAboveTheFlowShrinksByTheModeStep) {
    float Z = 10.0f;
    EXPECT_EQ(adjustShellAndTube(Z, 1000.0f, 1100.0f, kShellPhaseChange), AdjustOutcome::Restart);
    EXPECT_FLOAT_EQ(Z, 9.0f);
    Z = 10.0f;
    EXPECT_EQ(adjustShellAndTube(Z, 1000.0f, 1100.0f, kTubePhaseChange), AdjustOutcome::Restart);
    EXPECT_FLOAT_EQ(Z, 9.9f);
}

TEST(AdjustShellAndTube, WithinAHundredthBelowTheFlowIsDone) {
    float Z = 10.0f;
    EXPECT_EQ(adjustShellAndTube(Z, 1000.0f, 995.0f, kTubePhaseChange), AdjustOutcome::Done);
    EXPECT_EQ(Z, 10.0f);
}

TEST(AdjustShellAndTube, JustAboveTheFlowShrinksByATenthOfAPercent) {
    float Z = 10.0f;
    EXPECT_EQ(adjustShellAndTube(Z, 1000.0f, 1005.0f, kTubePhaseChange), AdjustOutcome::Restart);
    EXPECT_FLOAT_EQ(Z, 9.99f);
}

TEST(AdjustShellAndTube, FarBelowTheFlowGrowsInsteadOfShrinking) {
    // 900 is more than F/50 below F: not the coarse shrinking step.
    float Z = 10.0f;
    EXPECT_EQ(adjustShellAndTube(Z, 1000.0f, 900.0f, kShellPhaseChange), AdjustOutcome::Restart);
    EXPECT_FLOAT_EQ(Z, 10.0f + 10.0f * 0.01f * 950.0f / 1000.0f);
}

TEST(AdjustShellAndTube, SmallFlowStopsAfterTheCoarseStep) {
    float Z = 10.0f;
    EXPECT_EQ(adjustShellAndTube(Z, 90.0f, 91.0f, kTubePhaseChange), AdjustOutcome::Done);
    EXPECT_EQ(adjustShellAndTube(Z, 90.0f, 80.0f, kTubePhaseChange), AdjustOutcome::Done);
    EXPECT_EQ(Z, 10.0f);
    EXPECT_EQ(adjustShellAndTube(Z, 90.0f, 95.0f, kTubePhaseChange), AdjustOutcome::Restart);
}

TEST(AdjustDoubleTube, Rules) {
    float TL = 10.0f;
    EXPECT_EQ(adjustDoubleTube(TL, 1000.0f, 1100.0f, kShellPhaseChange), AdjustOutcome::Restart);
    EXPECT_FLOAT_EQ(TL, 9.0f);
    TL = 10.0f;
    EXPECT_EQ(adjustDoubleTube(TL, 1000.0f, 1020.0f, kShellPhaseChange), AdjustOutcome::Restart);
    EXPECT_FLOAT_EQ(TL, 9.9f);
    TL = 10.0f;
    EXPECT_EQ(adjustDoubleTube(TL, 1000.0f, 950.0f, kTubePhaseChange), AdjustOutcome::Done);
    EXPECT_EQ(TL, 10.0f);
}

RunInputs excessCase(int exchangerType) {
    RunInputs in;
    in.dc.fluidMode = kTubePhaseChange;
    in.dc.phaseChange = kCondensation;
    in.dc.exchangerType = exchangerType;
    in.dc.lengthGiven = true;
    in.dc.TL = 1.0f;
    in.dc.NT = 100.0f;
    in.dc.Wt = 0.1f;  // 100 kg/h
    return in;
}

Solution condensing(float Wcon) {
    Solution r;
    r.T1 = 20.0f;
    r.T2 = 60.0f;
    r.T3 = r.T4 = 100.0f;
    r.Twav = 80.0f;
    r.Wcon = Wcon;
    return r;
}

int linesWith(const ScriptedConsole& c, const std::string& text) {
    int n = 0;
    for (const auto& line : c.transcript()) n += line == text ? 1 : 0;
    return n;
}

TEST(ExcessArea, ShellAndTubeAsksAgainUntilOneTwoOrThree) {
    const RunInputs in = excessCase(kShellAndTube);
    ScriptedConsole console;
    for (const char* a : {"9", "", "2"}) console.queueAnswer(a);
    AreaAdjustment adjustment;
    const std::optional<RunInputs> next =
        checkPhaseChangeSolution(in, condensing(150.0f), console, adjustment);
    ASSERT_TRUE(next);
    EXPECT_EQ(linesWith(console, "  108★ 入り側蒸気全量の凝縮に必要な伝熱面積が過剰です。"), 3);
    EXPECT_TRUE(adjustment.autoAdjust);
    EXPECT_EQ(adjustment.choice, "2");
    EXPECT_FLOAT_EQ(next->dc.NT, 99.0f);  // the count, by 1 % in fluid mode 3
    EXPECT_EQ(next->dc.TL, 1.0f);
    EXPECT_EQ(in.dc.NT, 100.0f);  // the inputs that were solved stay as they were
    // Asked once per run: the next solution is adjusted without a question.
    EXPECT_TRUE(checkPhaseChangeSolution(*next, condensing(150.0f), console, adjustment));
    EXPECT_EQ(linesWith(console, "  108★ 入り側蒸気全量の凝縮に必要な伝熱面積が過剰です。"), 3);
}

TEST(ExcessArea, DoubleTubeAsksAgainAndTwoEndsTheRun) {
    RunInputs in = excessCase(kDoubleTube);
    ScriptedConsole console;
    for (const char* a : {"9", "2"}) console.queueAnswer(a);
    AreaAdjustment adjustment;
    EXPECT_THROW(checkPhaseChangeSolution(in, condensing(150.0f), console, adjustment), RunEnded);
    EXPECT_EQ(linesWith(console, " ★ 入り側蒸気全量の凝縮に必要な伝熱面積が過剰です。"), 2);
    EXPECT_EQ(in.dc.TL, 1.0f);
}

TEST(ExcessArea, NoQuestionWhileTheCondensateIsBelowTheFlow) {
    RunInputs in = excessCase(kShellAndTube);
    ScriptedConsole console;
    AreaAdjustment adjustment;
    EXPECT_FALSE(checkPhaseChangeSolution(in, condensing(90.0f), console, adjustment));
    EXPECT_TRUE(console.transcript().empty());
}

// The steam condensers of the sample (Japanese engineering code, vapour and
// liquid by hand, 1000 mm tubes) with 100 kg/h of steam, or the flow given:
// in the tubes (fluid mode 3) or on the shell side (fluid mode 4).
struct SteamRun {
    ScriptedConsole console;
    ScriptedPlatform platform;
    Session session{console, platform};
    std::optional<RunInputs> in;
    std::optional<Solution> r;

    explicit SteamRun(const char* answer, int fluidMode = kTubePhaseChange,
                      const char* steamFlow = "0.1", bool doubleTube = false) {
        const bool tubes = fluidMode == kTubePhaseChange;
        startProgram(session);
        session.click("FORM6", "BUTTON33");
        if (doubleTube) session.click("MAINFORM", "RADIO8");
        for (const char* c :
             {"BUTTON35", "BUTTON24", tubes ? "BUTTON22" : "BUTTON28", "BUTTON25",
              tubes ? "BUTTON16" : "BUTTON12", "BUTTON29", tubes ? "BUTTON17" : "BUTTON18"})
            session.click("MAINFORM", c);
        session.click("FORM9", "RADIO14");
        session.click("FORM9", "BUTTON47");
        session.click("MAINFORM", "BUTTON41");
        session.click("FORM7", "BUTTON40");
        session.click("FORM8", "BUTTON45");
        session.forms.setText("MAINFORM", tubes ? "EDIT75" : "EDIT76", steamFlow);
        console.queueAnswer(answer);
        console.queueAnswer("");  // the key that acknowledges a message that ends the run
        BUTTON1_ON(session, [this](Session&, const RunInputs& i, const Solution& s) {
            in = i;
            r = s;
        });
    }
};

TEST(ExcessArea, SteamCondenserShrinksItsTubesToTheCondensationLimit) {
    SteamRun run("1");
    ASSERT_TRUE(run.r);
    EXPECT_GE(run.r->Wcon, 99.0f);
    EXPECT_LE(run.r->Wcon, 100.0f);
    EXPECT_LT(run.in->dc.TL, 1.0f);
    EXPECT_EQ(run.in->dc.NT, 100.0f);
}

TEST(ExcessArea, SteamCondenserAnswerTwoShrinksTheTubeCount) {
    SteamRun run("2");
    ASSERT_TRUE(run.r);
    EXPECT_GE(run.r->Wcon, 99.0f);
    EXPECT_LE(run.r->Wcon, 100.0f);
    EXPECT_LT(run.in->dc.NT, 100.0f);
    EXPECT_FLOAT_EQ(run.in->dc.TL, 1.0f);
}

TEST(ExcessArea, ShellSideCondenserShrinksItsTubesToTheCondensationLimit) {
    for (const char* answer : {"1", "2"}) {
        SteamRun run(answer, kShellPhaseChange);
        ASSERT_TRUE(run.r) << answer;
        EXPECT_EQ(run.in->dc.fluidMode, kShellPhaseChange);
        EXPECT_GE(run.r->shellCondensation, 99.0f) << answer;
        EXPECT_LE(run.r->shellCondensation, 100.0f) << answer;
        EXPECT_LT(answer[0] == '1' ? run.in->dc.TL : run.in->dc.NT,
                  answer[0] == '1' ? 1.0f : 100.0f)
            << answer;
    }
}

TEST(ExcessArea, FlowTooSmallForOneShortTubeEndsWithAMessage) {
    // 0.1 kg/h of steam would need the 100 one-metre tubes shrunk below
    // a millimetre, or below one tube.
    for (const char* answer : {"1", "2"}) {
        SteamRun run(answer, kShellPhaseChange, "0.0001");
        EXPECT_FALSE(run.r) << answer;
        EXPECT_EQ(linesWith(run.console,
                            "    流量に対し伝熱面積が過大です。自動調整では伝熱管が１本未満、"),
                  1)
            << answer;
    }
}

TEST(ShellCondensation, DoubleTubeVelocityIsThatOfTheAnnulus) {
    // The vapour flows through the annulus between the outer pipe and the
    // inner tube; the mean velocity is that of the mean vapour flow there.
    SteamRun run("", kShellPhaseChange, "500", true);
    ASSERT_TRUE(run.r);
    const Solution& r = *run.r;
    const DesignCase& dc = run.in->dc;
    ASSERT_EQ(dc.exchangerType, kDoubleTube);
    const float Sa = 3.14f * (r.shellDiameter * r.shellDiameter - dc.D0 * dc.D0) / 4.0f;
    const float meanVapour = r.shellVolumeFlow * dc.Ds - r.shellCondensation / 2.0f;  // kg/h
    EXPECT_NEAR(r.Us, meanVapour / Sa / dc.Ds / 3600.0f, 1e-3f * r.Us);
}

// The third answer keeps the exchanger: the run finds the length the
// phase change needs by the same adjustment as answer "1", and the inputs
// remember the 1000 mm the tubes have.
TEST(ExcessArea, AnswerThreeRatesTheExchangerAsBuilt) {
    SteamRun shortened("1");
    SteamRun built("3");
    ASSERT_TRUE(shortened.r);
    ASSERT_TRUE(built.r);
    ASSERT_TRUE(built.in->builtLength);
    EXPECT_FALSE(shortened.in->builtLength);
    EXPECT_EQ(*built.in->builtLength, 1.0f);
    EXPECT_EQ(built.in->dc.TL, shortened.in->dc.TL);
    EXPECT_EQ(built.r->Wcon, shortened.r->Wcon);
    const AsBuiltRating a = asBuiltRating(1.0f, built.in->dc.TL);
    EXPECT_NEAR(a.marginPercent, (1.0f / built.in->dc.TL - 1.0f) * 100.0f, 1e-3f);
    const std::vector<std::string> lines = asBuiltLines(*built.in, false);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].substr(0, 29), " Rated as built: tube length ");
    EXPECT_TRUE(asBuiltLines(*shortened.in, true).empty());
}

// (A − Areq)/Areq: zero when the tubes are as long as needed; a quarter
// more length is a 25 % margin, and the phase change ends at 80 % of it.
TEST(AsBuilt, MarginIsZeroAtTheRequiredLength) {
    const AsBuiltRating exact = asBuiltRating(0.75f, 0.75f);
    EXPECT_EQ(exact.marginPercent, 0.0f);
    EXPECT_EQ(exact.phaseChangeEnd, 1.0f);
    const AsBuiltRating longer = asBuiltRating(1.0f, 0.8f);
    EXPECT_NEAR(longer.marginPercent, 25.0f, 1e-4f);
    EXPECT_NEAR(longer.phaseChangeEnd, 0.8f, 1e-6f);
}

}  // namespace
}  // namespace hx
