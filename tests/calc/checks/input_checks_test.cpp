// The input checks, the tube gas preparation, the reading of the fields and
// the console questions, one function at a time.
#include "calc/checks/input_checks.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

#include "calc/case/read_design_case.h"
#include "calc/checks/console_questions.h"
#include "console/scripted_console.h"
#include "core/run_ended.h"
#include "model/inventory.h"

namespace hx {
namespace {

// Runs a check with one key queued for its halt; returns the line printed
// just before the halt notice, or nothing when the check passed.
template <class Check>
std::optional<std::string> failure(Check check) {
    ScriptedConsole console;
    console.queueAnswer("");
    try {
        check(console);
    } catch (const RunEnded&) {
        const auto& t = console.transcript();
        EXPECT_GE(t.size(), 3u);
        EXPECT_EQ(t[t.size() - 2], kHaltLine1);
        return t[t.size() - 3];
    }
    EXPECT_TRUE(console.transcript().empty());
    return std::nullopt;
}

const std::string kOrder = "   Illegal setting of outlet temperature";
const std::string kEqual = "   Illegal setting temperature";

struct OrderCase {
    int mode, solveFor;
    float T1, T2, T3, T4;
    std::optional<std::string> expected;
};

// The outlet must lie strictly between the inlets T1 (shell) and T3 (tube).
// clang-format off
const OrderCase kOrderCases[] = {
    {1, 3, 80, 0, 20, 90, kOrder},   // tube heated above the shell inlet
    {1, 3, 80, 0, 20, 50, {}},
    {1, 3, 80, 0, 20, 80, kOrder},   // equal to the shell inlet: not strictly between
    {1, 3, 80, 0, 20, 20, kOrder},
    {1, 3, 20, 0, 80, 50, {}},       // tube cooled
    {1, 3, 20, 0, 80, 10, kOrder},
    {1, 2, 80, 50, 20, 0, {}},
    {1, 2, 80, 85, 20, 0, kOrder},
    {1, 2, 20, 19, 80, 0, kOrder},
    {1, 2, 50, 50, 50, 0, kEqual},   // equal inlets fail for both outlet choices
    {1, 3, 50, 0, 50, 50, kEqual},
    {1, 1, 50, 0, 50, 0, {}},        // length given: no order check
    {3, 3, 80, 0, 20, 90, {}},       // phase change: no order check
};
// clang-format on

TEST(TemperatureOrder, OutletBetweenTheInlets) {
    for (const OrderCase& c : kOrderCases) {
        EXPECT_EQ(failure([&](TextConsole& con) {
                      checkTemperatureOrder(c.mode, c.solveFor, c.T1, c.T2, c.T3, c.T4, con);
                  }),
                  c.expected)
            << "mode " << c.mode << " solve " << c.solveFor << " T4 " << c.T4 << " T2 " << c.T2;
    }
}

struct CompositionCase {
    float CO2, O2, H2O;
    std::optional<std::string> expected;
};

const CompositionCase kCompositionCases[] = {
    {101, 0, 0, "     CO2 over 100% range !"},
    {60, 50, 0, "     CO2+O2 over 100% range !"},
    {50, 40, 20, "     CO2+O2+H2O over 100% range !"},
    {50, 40, 10, {}},  // exactly 100 is accepted
    {100, 0, 0, {}},
};

TEST(CompositionLimits, FirstExceededSumHalts) {
    for (const CompositionCase& c : kCompositionCases) {
        EXPECT_EQ(
            failure([&](TextConsole& con) { checkCompositionLimits(c.CO2, c.O2, c.H2O, con); }),
            c.expected)
            << c.CO2 << " " << c.O2 << " " << c.H2O;
    }
}

struct FitCase {
    bool lowFin;
    float D0, FH, DS;
    int unitCode;
    std::optional<std::string> expected;
};

const FitCase kFitCases[] = {
    {false, 0.016f, 0.0f, 0.02f, 4, {}},
    {false, 0.016f, 0.0f, 0.016f, 4, "    !! (16＜DS)に設定して下さい。    DS=0.016"},
    {false, 0.016f, 0.0f, 0.016f, 1, "   !! DS must be set(16＜DS)"},
    {true, 0.016f, 0.0014f, 0.0175f, 4, {}},  // D0 + FH (not 2·FH) must stay below DS
    {true, 0.016f, 0.0014f, 0.0172f, 3, "   !!  (17.4＜DS)に設定して下さい。"},
    {true, 0.016f, 0.0014f, 0.0172f, 1, "    !! DS must be set(17.4＜DS)"},
};

TEST(DoubleTubeFit, InnerTubeInsideTheOuterTube) {
    for (const FitCase& c : kFitCases) {
        EXPECT_EQ(failure([&](TextConsole& con) {
                      checkDoubleTubeFit(c.lowFin, c.D0, c.FH, c.DS, c.unitCode, con);
                  }),
                  c.expected)
            << c.DS;
    }
}

struct WaterCase {
    float T;
    int unitCode;
    bool fails;
};

const WaterCase kWaterCases[] = {
    {0.0f, 4, true},   {0.1f, 4, false},   {159.9f, 4, false}, {160.0f, 4, true},
    {273.0f, 3, true}, {274.0f, 1, false}, {439.0f, 3, false}, {440.0f, 1, true},
    {80.0f, 1, true},  // a Celsius value typed in an SI code is below 273 K
};

TEST(WaterTemperature, RangeTheMessageNames) {
    for (const WaterCase& c : kWaterCases) {
        const auto f =
            failure([&](TextConsole& con) { checkWaterTemperature(c.T, c.unitCode, "T3", con); });
        EXPECT_EQ(f.has_value(), c.fails) << c.T << " code " << c.unitCode;
    }
    EXPECT_EQ(failure([](TextConsole& con) { checkWaterTemperature(200.0f, 4, "T1", con); }),
              "     set the temperature(℃) 0<T1<160");
    EXPECT_EQ(failure([](TextConsole& con) { checkWaterTemperature(500.0f, 3, "T3", con); }),
              "     set the temperature(K) 273<T3<440");
}

TEST(PresenceChecks, FirstMissingFieldIsReported) {
    DesignCase dc;  // everything empty: the fluid mode is checked first
    dc.unitCode = 4;
    EXPECT_EQ(failure([&](TextConsole& con) { checkPresence(dc, con); }),
              "         ｛上表｝流体の選択を行ってください");
    dc.fluidMode = 3;  // not sensible: no flow arrangement needed
    dc.tubeMethod = 1;
    dc.shellMethod = 3;
    EXPECT_EQ(failure([&](TextConsole& con) { checkPresence(dc, con); }),
              "    ｛ 右表 ｝伝熱管内径未登録");
    dc.DI = 25;
    dc.D0 = 27;
    dc.PN = 1;
    dc.tubeSurface = 1;  // plain: the fin fields may stay empty
    dc.twistedTape = 2;
    EXPECT_EQ(failure([&](TextConsole& con) { checkPresence(dc, con); }), std::nullopt);
}

// A complete shell-and-tube case as typed (English SI: K, mm, ton/h), water
// on both sides by correlation, length given.
DesignCase enteredCase() {
    DesignCase dc;
    dc.unitCode = 1;
    dc.fluidMode = 1;
    dc.tubeMethod = 3;
    dc.shellMethod = 3;
    dc.solveFor = 1;
    dc.tubeSurface = 1;
    dc.Wt = 10;
    dc.Ws = 10;
    dc.DI = 25;
    dc.D0 = 27;
    dc.TP = 1.25f;
    dc.B = 250;
    dc.PN = 2;
    dc.NT = 100;
    dc.T1 = 353;
    dc.T3 = 293;
    dc.TL = 3000;
    return dc;
}

std::optional<std::string> enteredValuesFailure(const DesignCase& dc, bool doubleTube = false) {
    return failure([&](TextConsole& con) { checkEnteredValues(dc, doubleTube, con); });
}

struct EntryCase {
    const char* what;
    void (*change)(DesignCase&);
    bool doubleTube;
    std::optional<std::string> expected;
};

const std::string kTubeFlow = "    ｛ Right colums ｝Illegal setting of Tube side flowrate";
const std::string kInside = "    ｛ Right colums ｝Illegal setting of Tube inside diameter";
const std::string kLength = "  Illegal tube length setting";
const std::string kTubeCount = "    set the Number of tubes as a whole number of 1 or more";
const std::string kPasses =
    "    ｛ Right colums ｝set the Tube side fluid pass number as a whole number of 1 or more";
const std::string kTubeDensity = "    Illegal setting of Tube side physical prop. Density";
const std::string kShellLatent = "    Illegal setting of Shell side physical prop. Sat.Latent heat";
const std::string kTubeInlet = "    Tube side inlet Temp. is below absolute zero";

const float kInf = std::numeric_limits<float>::infinity();
const float kNaN = std::numeric_limits<float>::quiet_NaN();

// Each entry out of its range in turn; the first failing check is reported.
const EntryCase kEntryCases[] = {
    {"complete", [](DesignCase&) {}, false, std::nullopt},
    {"negative flow", [](DesignCase& d) { d.Wt = -1; }, false, kTubeFlow},
    {"infinite flow (1e39 typed)", [](DesignCase& d) { d.Wt = kInf; }, false, kTubeFlow},
    {"NaN flow", [](DesignCase& d) { d.Wt = kNaN; }, false, kTubeFlow},
    {"tiny flow is still a flow", [](DesignCase& d) { d.Ws = 1e-30f; }, false, std::nullopt},
    {"shell flow 0", [](DesignCase& d) { d.Ws = 0; }, false,
     "    ｛ Right colums ｝Illegal setting of Shell side flowrate"},
    {"negative inside diameter", [](DesignCase& d) { d.DI = -1; }, true, kInside},
    {"infinite outside diameter", [](DesignCase& d) { d.D0 = kInf; }, false,
     "    ｛ Right colums ｝Illegal setting of Tube outside diameter"},
    {"inside equal to outside", [](DesignCase& d) { d.DI = 27; }, false,
     "    ｛ Right colums ｝set the Tube inside diameter below the Tube outside diameter"},
    {"pitch ratio 1", [](DesignCase& d) { d.TP = 1; }, false,
     "    ｛ Right colums ｝set the Tube pitch(out side base) over 1"},
    {"double tube: the pitch field is a diameter", [](DesignCase& d) { d.TP = 1; }, true,
     std::nullopt},
    {"baffle spacing 0", [](DesignCase& d) { d.B = 0; }, false,
     "    ｛ Right colums ｝Illegal setting of Baffle space"},
    {"double tube: no baffles, one tube", [](DesignCase& d) { d.B = 0, d.NT = 0; }, true,
     std::nullopt},
    {"tube count 0.0001", [](DesignCase& d) { d.NT = 0.0001f; }, false, kTubeCount},
    {"tube count 10.5", [](DesignCase& d) { d.NT = 10.5f; }, false, kTubeCount},
    {"passes 1.5", [](DesignCase& d) { d.PN = 1.5f; }, false, kPasses},
    {"low fin without fin height", [](DesignCase& d) { d.tubeSurface = 2, d.FT = 0.3f, d.FN = 19; },
     false, "    ｛ Right colums ｝Illegal setting of Fin hight"},
    {"SI temperature 0 K", [](DesignCase& d) { d.T3 = 0; }, false, kTubeInlet},
    {"SI temperature -1 K", [](DesignCase& d) { d.T1 = -1; }, false,
     "    Shell side inlet Temp. is below absolute zero"},
    {"engineering -272 C is above absolute zero",
     [](DesignCase& d) { d.unitCode = 2, d.T1 = 80, d.T3 = -272; }, false, std::nullopt},
    {"engineering -273 C", [](DesignCase& d) { d.unitCode = 2, d.T1 = 80, d.T3 = -273; }, false,
     kTubeInlet},
    {"wet gas: tube inlet follows from the humidity",
     [](DesignCase& d) { d.fluidMode = 2, d.tubeMethod = 4, d.T3 = 0; }, false, std::nullopt},
    {"length -1 in mode 3", [](DesignCase& d) { d.fluidMode = 3, d.tubeMethod = 3, d.TL = -1; },
     false, kLength},
    {"length 1e39", [](DesignCase& d) { d.TL = kInf; }, false, kLength},
    {"length not read when an outlet is given", [](DesignCase& d) { d.solveFor = 3, d.TL = 0; },
     false, std::nullopt},
    {"tube liquid by hand without density",
     [](DesignCase& d) { d.tubeMethod = 1, d.Ct = 1, d.Vt = 1e-6f, d.Kt = 0.5f; }, false,
     kTubeDensity},
    {"tube condensing: vapour density emptied",
     [](DesignCase& d) {
         d.fluidMode = 3;
         d.Ltv = 2200, d.Ct = 2, d.Vt = 2e-5f, d.Kt = 0.02f;
         d.Dtlv = 958, d.Ctlv = 4.2f, d.Vtl = 3e-7f, d.Ktl = 0.68f;
     },
     false, kTubeDensity},
    {"shell condensing without latent heat",
     [](DesignCase& d) {
         d.fluidMode = 4;
         d.Ds = 0.6f, d.Cs = 2, d.Vs = 2e-5f, d.KS = 0.02f;
         d.Dslv = 958, d.Cslv = 4.2f, d.Vsl = 3e-7f, d.Ksl = 0.68f;
     },
     false, kShellLatent},
    {"condensate conductivity infinite",
     [](DesignCase& d) {
         d.fluidMode = 4, d.Lsv = 2200;
         d.Ds = 0.6f, d.Cs = 2, d.Vs = 2e-5f, d.KS = 0.02f;
         d.Dslv = 958, d.Cslv = 4.2f, d.Vsl = 3e-7f, d.Ksl = kInf;
     },
     false, "    Illegal setting of Shell side physical prop. Cond.thermal conduc."},
    {"water by correlation: hand fields unused", [](DesignCase& d) { d.Dt = 0, d.Ds = -5; }, false,
     std::nullopt},
    {"negative O2", [](DesignCase& d) { d.tubeMethod = 4, d.gasComposition = 4, d.O2 = -1; }, false,
     "     O2 under 0% range !"},
    {"negative absolute humidity",
     [](DesignCase& d) {
         d.tubeMethod = 4, d.gasComposition = 5, d.waterContentUnit = 2, d.waterContent = -0.01f;
     },
     false, "     H2O under 0% range !"},
    {"negative H2O of dry standard air is not read",
     [](DesignCase& d) { d.tubeMethod = 4, d.gasComposition = 6, d.H2O = -1; }, false,
     std::nullopt},
    {"any other field beyond the float range", [](DesignCase& d) { d.Fs = kInf; }, false,
     "    Shell side fouling factor is beyond the number range"},
    {"weight panel too", [](DesignCase& d) { d.weight.otherWeight = -kInf; }, false,
     "    Other weight is beyond the number range"},
    {"plain tube: fin fields only finite", [](DesignCase& d) { d.FH = -kInf; }, false,
     "    Fin hight is beyond the number range"},
};

TEST(EnteredValues, EachEntryWithinItsRange) {
    for (const EntryCase& c : kEntryCases) {
        DesignCase dc = enteredCase();
        c.change(dc);
        EXPECT_EQ(enteredValuesFailure(dc, c.doubleTube), c.expected) << c.what;
    }
}

// Every field read for a run, typed as 1e39, is refused with a message
// naming it (a field without one would throw a logic error instead).
TEST(EnteredValues, EveryFieldBeyondTheFloatRangeIsNamed) {
    for (const CaseField& f : designCaseFields()) {
        if (f.code) continue;
        for (const int unitCode : {1, 4}) {
            DesignCase dc = enteredCase();
            dc.unitCode = unitCode;
            if (unitCode == 4) dc.T1 = 80, dc.T3 = 20;
            if (f.quantity) dc.*f.quantity = kInf;
            if (f.weight) dc.weight.*f.weight = kInf;
            const std::optional<std::string> message = enteredValuesFailure(dc);
            ASSERT_TRUE(message.has_value()) << f.control;
            EXPECT_EQ(message->find("inf"), std::string::npos) << *message;
        }
    }
}

TEST(EnteredValues, JapaneseWordings) {
    DesignCase dc = enteredCase();
    dc.unitCode = 3;
    dc.DI = 30;
    EXPECT_EQ(enteredValuesFailure(dc),
              "    ｛ 右表 ｝伝熱管内径は伝熱管外径より小さく設定して下さい");
    dc = enteredCase();
    dc.unitCode = 4;
    dc.T1 = 80;
    dc.T3 = 20;
    dc.NT = 0.5f;
    EXPECT_EQ(enteredValuesFailure(dc), "    伝熱管本数は１以上の整数を設定して下さい");
    dc.NT = 100;
    dc.fluidMode = 3;
    EXPECT_EQ(enteredValuesFailure(dc), "    管内側物性値 密度の設定値が不正です");
    dc = enteredCase();
    dc.unitCode = 4;
    dc.T1 = 80;
    dc.T3 = 20;
    dc.TL = 0;
    EXPECT_EQ(enteredValuesFailure(dc), kLength);  // one wording for every code
    dc.TL = 3000;
    dc.Fs = kInf;
    EXPECT_EQ(enteredValuesFailure(dc), "    ｼｪﾙ側汚れ係数の値が数値の範囲を超えています");
}

TEST(PropertyMethods, DecodedIntoTheTubePhase) {
    DesignCase dc;
    dc.fluidMode = 1;
    dc.tubeMethod = 5;
    dc.shellMethod = 1;
    EXPECT_EQ(failure([&](TextConsole& con) { decodePropertyMethods(dc, con); }),
              "        管内物性値入力方法は１～４の範囲です。");
    dc.tubeMethod = 4;
    dc.shellMethod = 4;
    EXPECT_EQ(failure([&](TextConsole& con) { decodePropertyMethods(dc, con); }),
              "        シェル側物性値入力方法は１～3の範囲です。");
    // Wet-gas mode: only method 4 gives a phase, and nothing halts here.
    dc.fluidMode = 2;
    dc.tubeMethod = 3;
    ScriptedConsole console;
    EXPECT_FALSE(decodePropertyMethods(dc, console));
    dc.tubeMethod = 4;
    EXPECT_TRUE(decodePropertyMethods(dc, console));
    EXPECT_EQ(dc.tubePhase, TubePhase::Gas);
    EXPECT_TRUE(console.transcript().empty());
}

// Expected values computed by hand from the formulas: standard air has the
// dry molar mass Md = 28.013·0.7902 + 44.01·0.0003 + 31.999·0.2095 = 28.85287
// and MAW = 18.0153/Md = 0.624385.
TEST(HumiditySetup, MolarMassRatioOfStandardAir) {
    TubeGas air;
    air.xCO2 = 0.0003f;
    air.xO2 = 0.2095f;
    air.xN2 = 0.7902f;
    // Absolute humidity 0.01 kg/kgda: the iteration settles on MAW.
    const HumidityResult h = humiditySetup(air, true, 0.01f);
    EXPECT_NEAR(h.MAW, 0.624385f, 1e-5f);
    EXPECT_FLOAT_EQ(h.Xi, 0.01f);
    EXPECT_NEAR(h.xH2O, 0.0157633f, 2e-6f);
    EXPECT_NEAR(h.xH2O, 0.01f / (0.01f + 0.622f), 1e-4f);
    // 2 % water vapour: X = MAW·y/(1 − y) = 0.0127426.
    air.xH2O = 0.02f;
    const HumidityResult p = humiditySetup(air, false, 0.0f);
    EXPECT_NEAR(p.Xi, 0.0127426f, 1e-6f);
    EXPECT_NEAR(p.Density, p.M / 22.4f, 1e-6f);
}

TEST(TubeGasBalance, AverageMixtureDilutesTheDryGas) {
    TubeGas g;
    g.CO2 = 10.0f;
    g.O2 = 5.0f;
    g.H2O = 20.0f;
    const TubeGas m = averageMixture(g);
    EXPECT_FLOAT_EQ(m.CO2, 8.0f);
    EXPECT_FLOAT_EQ(m.N2, 68.0f);
    EXPECT_FLOAT_EQ(m.O2, 4.0f);
    EXPECT_FLOAT_EQ(m.H2O, 20.0f);
    EXPECT_NEAR(m.xCO2 + m.xO2 + m.xN2 + m.xH2O, 1.0f, 1e-6f);
    const TubeGas n = nitrogenBalance(g);
    EXPECT_FLOAT_EQ(n.N2, 65.0f);
    EXPECT_FLOAT_EQ(n.xN2, 0.65f);
}

// Pw = 0.01·1.033/0.632 = 0.016345 kg/cm2, T = 3795.53/(11.6693 − ln Pw) − 226.18.
TEST(TubeGasBalance, SaturationTemperature) {
    EXPECT_NEAR(gasSaturationTemperature(0.01f), 14.3001f, 2e-3f);
    EXPECT_FLOAT_EQ(gasSaturationTemperature(0.0f), -226.18f);
}

TEST(ReadDesignCase, FieldsAsEnteredThenWorkingUnits) {
    FormStore forms;
    buildInventory(forms);
    for (const CaseField& f : designCaseFields()) forms.setText(f.form, f.control, "");
    forms.setText("MAINFORM", "EDIT74", "1");
    forms.setText("MAINFORM", "EDIT15", "   395");
    forms.setText("MAINFORM", "EDIT16", "   ━");
    forms.setText("MAINFORM", "EDIT17", " 0.0005");
    forms.setText("MAINFORM", "EDIT1", "   25");
    forms.setText("FORM8", "EDIT115", "100");
    forms.setText("FORM7", "EDIT123", "0.8");
    forms.setText("FORM7", "EDIT124", "303");
    forms.setText("FORM7", "EDIT85", "1");
    DesignCase dc = readDesignCase(forms);
    EXPECT_EQ(dc.unitCode, 1);
    EXPECT_FLOAT_EQ(dc.CM, 395.0f);
    EXPECT_FLOAT_EQ(dc.FM, 0.0f);
    EXPECT_FLOAT_EQ(dc.T2, 1.0f);  // the shell outlet field also holds Ps
    EXPECT_FLOAT_EQ(dc.Ps, 1.0f);
    convertMillimetres(dc);
    convertSIEntries(dc);
    // Expected: 395/1.163, 0.0005·1.163, 100·0.8598, 0.8/0.098, 303 − 273.
    EXPECT_NEAR(dc.CM, 339.6389f, 1e-3f);
    EXPECT_NEAR(dc.Ft, 0.0005815f, 1e-8f);
    EXPECT_NEAR(dc.manualXt, 85.98f, 1e-3f);
    EXPECT_NEAR(dc.Pt, 8.163265f, 1e-4f);
    EXPECT_FLOAT_EQ(dc.Ta, 30.0f);
    EXPECT_FLOAT_EQ(dc.DI, 0.025f);
    // The engineering code keeps its entries.
    forms.setText("MAINFORM", "EDIT74", "4");
    DesignCase eng = readDesignCase(forms);
    convertSIEntries(eng);
    EXPECT_FLOAT_EQ(eng.CM, 395.0f);
    EXPECT_FLOAT_EQ(eng.Pt, 0.8f);
}

TEST(ConsoleQuestions, WindowCountsNeverZero) {
    ScriptedConsole console;
    for (const char* a : {"5", "0", "abc"}) console.queueAnswer(a);
    EXPECT_FLOAT_EQ(askWindowCount(console, QuestionId::WindowTubes), 5.0f);
    EXPECT_FLOAT_EQ(askWindowCount(console, QuestionId::WindowRows), 1e-06f);
    EXPECT_FLOAT_EQ(askWindowCount(console, QuestionId::WindowTubes), 1e-06f);
    EXPECT_EQ(console.transcript()[0], "     1◆ ﾊﾞｯﾌﾙ１枚の切欠内管本数（切欠線に非接触の管）");
    EXPECT_EQ(consoleQuestion(QuestionId::WindowRows).prompt.size(), 46u);
    EXPECT_EQ(consoleQuestion(QuestionId::LimitJapanese).prompt.size(), 34u);
    EXPECT_EQ(consoleQuestion(QuestionId::LimitEnglish).prompt.size(), 19u);
}

TEST(ConsoleQuestions, DewPointAsksUntilOneOrTwo) {
    ScriptedConsole console;
    for (const char* a : {"3", " 2", "2"}) console.queueAnswer(a);
    askDewPointChoice(console, 14.3f);
    EXPECT_EQ(console.pendingAnswers(), 0u);
    EXPECT_EQ(console.transcript()[0],
              "　( 飽和温度が  14.3(℃)、ｼｪﾙ入側温度に極めて近く顕熱条件です。 )");
    console.queueAnswer("1");
    EXPECT_THROW(askDewPointChoice(console, 14.3f), RunEnded);
}

TEST(ConsoleQuestions, PrandtlOnlySmallYIsRemembered) {
    ScriptedConsole console;
    console.queueAnswer("Y");
    EXPECT_FALSE(askPrandtlForce(console));
    console.queueAnswer("y");
    EXPECT_TRUE(askPrandtlForce(console));
    console.queueAnswer("n");
    console.queueAnswer("");  // the halt's key
    EXPECT_THROW(askPrandtlForce(console), RunEnded);
    EXPECT_EQ(console.pendingAnswers(), 0u);
}

}  // namespace
}  // namespace hx
