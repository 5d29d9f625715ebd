// The wet-gas balance: its effectiveness by pass number, the adjustment
// table of the gas outlet, the water it conserves, its band and loop limit,
// and the solved wet-gas sample on both saturation bases.
#include "calc/wet_gas/wet_gas_balance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "calc/case/prepare.h"
#include "calc/case/read_design_case.h"
#include "calc/checks/limit_dialogs.h"
#include "calc/solver/solver_progress.h"
#include "calc/solver/thermal_solver.h"
#include "calc/wet_gas/inlet_saturation.h"
#include "console/scripted_console.h"
#include "core/run_ended.h"
#include "model/session.h"
#include "program/session/startup.h"

namespace hx {
namespace {

TEST(WetGasEffectiveness, OneShellPassWithAnEvenPassCountElseCounterFlow) {
    const float NTU = 1.0f, R = 0.5f;
    const float root = std::sqrt(1.0f + R * R);
    const float e = std::exp(-NTU * root);
    const float shellPass = 2.0f / (1.0f + R + root * (1.0f + e) / (1.0f - e));
    const float ec = std::exp(-NTU * (1.0f - R));
    const float counter = (1.0f - ec) / (1.0f - R * ec);
    for (float PN : {2.0f, 4.0f, 6.0f, 8.0f})
        EXPECT_FLOAT_EQ(wetGasEffectiveness(NTU, R, PN), shellPass);
    for (float PN : {1.0f, 3.0f, 5.0f, 10.0f})
        EXPECT_FLOAT_EQ(wetGasEffectiveness(NTU, R, PN), counter);
    EXPECT_FLOAT_EQ(wetGasEffectiveness(50.0f, 0.0f, 1.0f), 0.9999f);
}

// The adjustment rows, first match; L = ln(QG²)/2.3.
TEST(GasOutletStep, FirstMatchingRow) {
    const float QG = 1e5f;
    const float L = std::log(QG * QG) / 2.3f;
    EXPECT_FLOAT_EQ(gasOutletStep(1.4f, QG, 0.999f, 1.001f), 0.1f * 1.4f);
    EXPECT_FLOAT_EQ(gasOutletStep(1.3f, QG, 0.999f, 1.001f), 0.05f * 1.3f);  // exactly 1.3
    EXPECT_FLOAT_EQ(gasOutletStep(1.06f, QG, 0.999f, 1.001f), 0.005f * L);
    EXPECT_FLOAT_EQ(gasOutletStep(1.002f, QG, 0.999f, 1.001f), 0.0001f * L);
    EXPECT_FLOAT_EQ(gasOutletStep(1.0f, QG, 0.999f, 1.001f), 0.0f);
    EXPECT_FLOAT_EQ(gasOutletStep(0.998f, QG, 0.999f, 1.001f), -0.0001f * L);
    EXPECT_FLOAT_EQ(gasOutletStep(0.96f, QG, 0.999f, 1.001f), -0.001f * L);
    EXPECT_FLOAT_EQ(gasOutletStep(0.5f, QG, 0.999f, 1.001f), -0.1f);
    // A widened band takes what the narrow one adjusted.
    EXPECT_FLOAT_EQ(gasOutletStep(1.002f, QG, 0.997f, 1.003f), 0.0f);
}

// Standard air with 10 % water at its 46.1 ℃ saturation, 10 t/h, cooled by
// 10 t/h of water at 20 ℃ in 100 tubes of 25 mm, 1 m, one pass.
WetGasBalanceInputs sampleBalance() {
    WetGasBalanceInputs in;
    in.Tzi = 46.11f;
    in.Xi = 0.0694f;
    in.MAW = 0.6244f;
    in.xCO2 = 0.0003f * 0.9f;
    in.xO2 = 0.2095f * 0.9f;
    in.xN2 = 0.7902f * 0.9f;
    in.Density = 1.25f;
    in.gasFlow = 10000.0f;
    in.Tsi = 20.0f;
    in.gasRate = 10000.0f * 0.256f;
    in.ratio = 1.8f;
    in.shellRate = 10000.0f;
    in.PN = 1.0f;
    in.KI = 320.0f;
    in.area = 3.14f * 0.025f * 100.0f * 1.0f;
    in.Cs = 1.0f;
    in.shellVolumeFlow = 10000.0f / 996.0f;
    in.Ds = 996.0f;
    return in;
}

WetGasBalanceHooks quietHooks(int* limits = nullptr) {
    WetGasBalanceHooks h;
    h.loopCount = [](int) {};
    h.box = [](const WetGasProgressBox&) {};
    h.atLimit = [limits] {
        if (limits) ++*limits;
    };
    h.failed = [] { throw std::runtime_error("failed"); };
    return h;
}

TEST(WetGasBalance, ClosesInsideItsBandAndConservesWater) {
    const WetGasBalanceInputs in = sampleBalance();
    WetGasLoop loop;
    float widening = 1.0f;
    const WetGasBalanceResult r = WetGasBalance(in, loop, widening, quietHooks());
    EXPECT_EQ(loop.n5, 0);
    EXPECT_GE(r.QG / r.QK, 0.999f);
    EXPECT_LE(r.QG / r.QK, 1.001f);
    EXPECT_LT(r.TZo, in.Tzi);
    EXPECT_LT(r.Xo, in.Xi);
    EXPECT_GT(r.Wcon, 0.0f);
    // Per kg of dry gas: the dry gas is G/(1 + Xi), not G.
    const float Gda = in.gasFlow / (1.0f + in.Xi);
    EXPECT_NEAR(r.Wti, Gda * in.Xi, 1e-3f);
    EXPECT_NEAR(r.Wcon, Gda * (in.Xi - r.Xo), 1e-3f);
    EXPECT_NEAR(r.Wti, r.Wto + r.Wcon, 1e-3f);
    EXPECT_NEAR(r.GWo, in.gasFlow - r.Wcon, 1e-2f);
    EXPECT_NEAR(r.QG, std::fabs(r.Hi - r.Ho) * Gda, 1e-3f * r.QG);
}

// No shell heat (a shell outlet at its inlet) leaves QG/QK without a value:
// the calculation fails instead of moving TZo to infinity.
TEST(WetGasBalance, NoShellHeatFails) {
    WetGasBalanceInputs in = sampleBalance();
    in.shellVolumeFlow = 0.0f;
    WetGasLoop loop;
    float widening = 1.0f;
    EXPECT_THROW(WetGasBalance(in, loop, widening, quietHooks()), std::runtime_error);
}

// A band that cannot be met: after 2000 passes the limit dialog, then the
// band widens by the run's widening factor, itself × 1.003.
TEST(WetGasBalance, LoopLimitAsksAndWidensTheBand) {
    const WetGasBalanceInputs in = sampleBalance();
    WetGasLoop loop;
    loop.lower = 1.5f;  // no q lies between
    loop.upper = 0.5f;
    float widening = 1.0f;
    int limits = 0;
    WetGasBalanceHooks hooks = quietHooks();
    hooks.atLimit = [&] {
        ++limits;
        loop.lower = 0.999f;  // the user's retry meets a band that can be met
        loop.upper = 1.001f;
    };
    WetGasBalance(in, loop, widening, hooks);
    EXPECT_EQ(limits, 1);
    EXPECT_FLOAT_EQ(widening, 1.003f);
    EXPECT_FLOAT_EQ(loop.lower, 0.999f / 1.003f);
    EXPECT_FLOAT_EQ(loop.upper, 1.001f * 1.003f);
    EXPECT_EQ(loop.n5, 0);
}

// The wet-gas sample as the dialogs enter it (English SI code), on the
// 1 atm basis with standard air and 10 % water, or on the gas-pressure
// basis with the gas by hand at Pt = 10 kgf/cm2 and Ta = 10 ℃.
RunInputs wetSample(bool pressureBasis, ScriptedConsole& console) {
    ScriptedPlatform platform;
    Session session(console, platform);
    startProgram(session);
    session.click("FORM6", "BUTTON32");
    for (const char* c : {"BUTTON35", "BUTTON24", "BUTTON2"}) session.click("MAINFORM", c);
    session.click("FORM10", pressureBasis ? "RADIO16" : "RADIO17");
    session.click("FORM10", "BUTTON48");
    session.click("MAINFORM", "BUTTON25");
    session.click("MAINFORM", pressureBasis ? "BUTTON16" : "BUTTON15");
    for (const char* c : {"BUTTON29", "BUTTON19", "BUTTON41"}) session.click("MAINFORM", c);
    FormStore& f = session.forms;
    if (pressureBasis) {
        const char* values[][2] = {{"EDIT94", "11.5"},  {"EDIT95", "1.05"},  {"EDIT96", "1.6e-06"},
                                   {"EDIT97", "0.028"}, {"EDIT123", "0.98"}, {"EDIT124", "283"}};
        for (auto& v : values) f.setText("FORM7", v[0], v[1]);  // SI: kJ/kgK, m2/s, W/mK, MPa, K
    } else {
        session.click("FORM7", "RADIO5");
        f.setText("FORM7", "EDIT89", "10");
    }
    session.click("FORM7", "BUTTON40");
    session.click("FORM8", "BUTTON45");
    console.clear();
    return prepare(readEnteredCase(f), console);
}

void expectClosedBalance(const RunInputs& in, const Solution& r) {
    // The tube inlet is the saturation temperature of the inlet gas.
    EXPECT_EQ(in.dc.T3, in.humidity->Tzi);
    EXPECT_EQ(r.T3, r.Tzi);
    EXPECT_EQ(r.T4, r.TZo);
    EXPECT_GT(r.Xi, r.Xo);
    EXPECT_GT(r.Wcon, 0.0f);
    EXPECT_NEAR(r.Wti, r.Wto + r.Wcon, 1e-3f * r.Wti);
    EXPECT_GE(r.QG / r.QK, 0.999f);
    EXPECT_LE(r.QG / r.QK, 1.001f);
    for (float v : {r.Q, r.QK, r.QG, r.KI, r.TM, r.Xt, r.Hi, r.Ho, r.Wcon, r.GWo})
        EXPECT_TRUE(std::isfinite(v));
}

TEST(WetGasSolve, OneAtmosphereBasisCondensesAndBalances) {
    ScriptedConsole console;
    const RunInputs in = wetSample(false, console);
    ASSERT_TRUE(in.humidity);
    // 10 % water vapour in standard air saturates at 46.1 ℃.
    EXPECT_NEAR(in.humidity->Tzi, 46.1f, 0.05f);
    NullProgress progress;
    const Solution r = solve(in, progress);
    expectClosedBalance(in, r);
}

// Pt = 0.98 MPa is 10 kgf/cm2; Ta = 283 K is 10 ℃: Tzi halfway between the
// dew points of 9 and 11 kgf/cm2, (51.05 + 55.65)/2.
TEST(WetGasSolve, PressureBasisStartsAtTheDewPointUnderPressure) {
    ScriptedConsole console;
    const RunInputs in = wetSample(true, console);
    ASSERT_TRUE(in.humidity);
    EXPECT_NEAR(in.humidity->Tzi, 53.35f, 1e-3f);
    EXPECT_FLOAT_EQ(in.humidity->MAW, 0.622f);
    NullProgress progress;
    const Solution r = solve(in, progress);
    expectClosedBalance(in, r);
}

// What the solver reports, in order: "p" a pass of the efficiency loop, "b"
// a pass of the wet-gas balance.
class RecordingProgress final : public SolverProgress {
public:
    TextConsole& console() override { return console_; }
    void pass(const ProgressValues&) override { events += 'p'; }
    void tubeOutletBalance(float, float, float) override {}
    void shellOutletCheck(float, float) override {}
    void newScreen() override {}
    void atLimit(LimitLoop, int) override { throw RunEnded("limit"); }
    void wetGasLoopCount(int) override {
        if (events.empty() || events.back() != 'b') events += 'b';
    }
    std::string events;

private:
    ScriptedConsole console_;
};

// The first pass of the efficiency loop has no overall coefficient yet
// (NTU would be 0, QK 0 and the gas outlet infinite): the balance waits for
// the second pass.
TEST(WetGasSolve, FirstPassWaitsForTheOverallCoefficient) {
    ScriptedConsole console;
    const RunInputs in = wetSample(false, console);
    RecordingProgress progress;
    solve(in, progress);
    EXPECT_EQ(progress.events.substr(0, 4), "ppbp");
}

// On the pressurised basis a gas pressure below the vapour pressure of its
// dew point holds no gas: the calculation-failed line ends the run.
TEST(WetGasSolve, GasPressureBelowTheVapourPressureFails) {
    InletSaturationInput s;
    s.unitCode = 2;
    s.tubeMethod = 4;
    s.pressureBasis = true;
    s.Ta = 10.0f;
    s.Pt = 0.001f;
    s.MAW = 0.622f;
    ScriptedConsole console;
    console.queueAnswer("");
    EXPECT_THROW(InletSaturation(s, console), RunEnded);
}

// Standard air by correlation in the sensible mode: the saturation basis
// the form may still hold from an earlier wet-gas case ("at the gas
// pressure", whose tube values are entered by hand) does not replace the
// correlation by the empty hand-entered values.
TEST(GasTubeSide, SaturationBasisOutsideTheWetModeIsIgnored) {
    ScriptedConsole console;
    ScriptedPlatform platform;
    Session session(console, platform);
    startProgram(session);
    session.click("FORM6", "BUTTON32");
    for (const char* c : {"BUTTON35", "BUTTON24", "BUTTON4", "BUTTON25", "BUTTON15", "BUTTON29",
                          "BUTTON19", "BUTTON41", "BUTTON26"})
        session.click("MAINFORM", c);
    session.click("FORM7", "RADIO6");
    session.click("FORM7", "BUTTON40");
    session.click("FORM8", "BUTTON45");
    session.forms.setText("FORM10", "EDIT125", "1");
    const RunInputs in = prepare(readEnteredCase(session.forms), console);
    ASSERT_EQ(in.dc.humidityBasis, 1);
    NullProgress progress;
    const Solution r = solve(in, progress);
    // Air near 50 ℃ by the correlations.
    EXPECT_NEAR(r.Dt, 1.09f, 0.02f);
    EXPECT_NEAR(r.Ct, 0.243f, 0.005f);
}

// The box of the inlet saturation stands at rows 15 to 18 of the window.
TEST(WetGasSolve, SaturationBoxAtRowsFifteenToEighteen) {
    ScriptedConsole console;
    wetSample(false, console);
    const auto screen = console.screen();
    ASSERT_GT(screen.size(), 18u);
    EXPECT_NE(screen[15].find("┏"), std::string::npos);
    EXPECT_NE(screen[16].find("Sat. temperature of wet gas：46.1"), std::string::npos);
    EXPECT_NE(screen[17].find("Wet/Dry molecular rate：0.6244"), std::string::npos);
    EXPECT_NE(screen[18].find("┗"), std::string::npos);
}

bool shows(const ScriptedConsole& c, const std::string& line) {
    for (const auto& l : c.transcript())
        if (l == line) return true;
    return false;
}

// The loop-limit dialog of the balance in both languages: "1" retries in
// Japanese, every answer but "2" in English; "2" ends the run.
TEST(WetGasLimitDialog, BothLanguages) {
    ScriptedConsole japanese;
    japanese.queueAnswer("1");
    askAtIterationLimit(japanese, 4, LimitLoop::WetGasBalance);
    EXPECT_TRUE(shows(japanese, "      109ﾙｰﾌﾟ制限(5)"));
    EXPECT_FALSE(shows(japanese, "      110Roop restriction(5)"));

    ScriptedConsole english;
    english.queueAnswer("1");
    askAtIterationLimit(english, 2, LimitLoop::WetGasBalance);
    EXPECT_TRUE(shows(english, "      110Roop restriction(5)"));

    ScriptedConsole reset;
    reset.queueAnswer("2");
    EXPECT_THROW(askAtIterationLimit(reset, 1, LimitLoop::WetGasBalance), RunEnded);
}

}  // namespace
}  // namespace hx
