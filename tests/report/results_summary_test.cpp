#include "report/screen/results_summary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "console/scripted_console.h"
#include "core/option_codes.h"
#include "report/screen/results_view.h"

namespace hx {
namespace {

constexpr Presentation kEE = Presentation::EnglishEngineering;
constexpr Presentation kESI = Presentation::EnglishSI;
constexpr Presentation kJE = Presentation::JapaneseEngineering;
constexpr Presentation kJSI = Presentation::JapaneseSI;

struct Case {
    DesignCase dc;
    Solution r;
};

// A converged sensible-heat water/water case, counter-current, plain tubes:
// 100 tubes of 19/16 mm, 3 m long; water heated from 20 to 30 ℃ by water
// cooled from 80 to 65 ℃.
Case sensibleWater() {
    Case c;
    DesignCase& dc = c.dc;
    dc.exchangerType = kShellAndTube;
    dc.fluidMode = kSensible;
    dc.tubeMethod = kWaterCorrelation;
    dc.shellMethod = kWaterCorrelation;
    dc.humidityBasis = kFromDewPoint;  // left on the form; irrelevant without wet gas
    dc.tubePhase = TubePhase::Liquid;
    dc.NT = 100.0f;
    dc.D0 = 0.019f;
    dc.DI = 0.016f;
    Solution& r = c.r;
    r.shellDiameter = 0.45f;
    r.TM = 20.0f;
    r.Q = 300000.0f;
    r.TL = 3.0f;
    r.KI = 1000.0f;
    r.KO = 842.1f;
    r.tubeMassFlowTonH = 30.0f;
    r.shellMassFlowTonH = 20.0f;
    r.T1 = 80.0f;
    r.T2 = 65.0f;
    r.T3 = 20.0f;
    r.T4 = 30.0f;
    r.Ttav = 30.0f;
    r.Tsav = 60.0f;
    r.Twav = 45.0f;
    r.Ret = 15000.0f;
    r.Res = 8000.0f;
    r.Ut = 1.2f;
    r.Us = 0.8f;
    r.Xt = 3000.0f;
    r.Xs = 2500.0f;
    r.At = 15.0f;
    r.As = 17.0f;  // the solver's value; the summary recomputes it
    r.DPt = 0.12f;
    r.DPs = 0.05f;
    r.Dt = 995.0f;
    r.Ds = 980.0f;
    r.Ct = 1.0f;
    r.Cs = 1.0f;
    r.Vt = 0.0029f;
    r.Vs = 0.0016f;
    r.Kt = 0.52f;
    r.KS = 0.57f;
    return c;
}

// A wet gas (air) cooled in the tubes from 50 to 28 ℃ by water at 10 ℃,
// saturated at 45 ℃ at the inlet and 25 ℃ at the outlet.
Case wetGas() {
    Case c = sensibleWater();
    c.dc.fluidMode = kTubeWetGas;
    c.dc.wetGas = true;
    c.dc.tubePhase = TubePhase::Gas;
    c.dc.tubeMethod = kGasCorrelation;
    c.dc.humidityBasis = kFromComposition;
    c.dc.CO2 = 0.1f;
    c.dc.N2 = 0.7f;
    c.dc.O2 = 0.05f;
    c.dc.H2O = 0.15f;
    c.r.T1 = 10.0f;
    c.r.T2 = 18.0f;
    c.r.T3 = 50.0f;
    c.r.T4 = 28.0f;
    c.r.Tzi = 45.0f;
    c.r.TZo = 25.0f;
    c.r.Q = 6000.0f;
    c.r.QK = 5000.0f;
    c.r.Wcon = 12.5f;
    return c;
}

// Shows presentation p after its entry steps, as the results menu does, and
// leaves in `r` the values the view holds afterwards (the solution the
// next screen starts from).
std::vector<std::string> show(Presentation p, const DesignCase& dc, Solution& r) {
    ScriptedConsole console;
    RunInputs in;
    in.dc = dc;
    ResultsView view(r);
    view.enter(p, in);
    r = view.shown();
    showResultsSummary(p, in, r, console);
    std::vector<std::string> lines = console.transcript();
    EXPECT_EQ(lines.front(), ScriptedConsole::kClearMark);
    lines.erase(lines.begin());
    return lines;
}

std::string rtrim(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

bool contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), rtrim(line)) != lines.end();
}

int countContaining(const std::vector<std::string>& lines, const std::string& part) {
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const std::string& l) {
        return l.find(part) != std::string::npos;
    }));
}

struct ExpectedLine {
    Presentation p;
    const char* line;
};

void expectLines(const Case& base, const std::vector<ExpectedLine>& table) {
    for (const ExpectedLine& e : table) {
        Case c = base;
        const auto lines = show(e.p, c.dc, c.r);
        EXPECT_TRUE(contains(lines, e.line)) << "missing: " << e.line;
    }
}

// Expected lines computed by hand from the pictures and the held values:
// SI Q 300000·1.163 = 348900 W, DS 450 mm, Tti 20 + 273 = 293 K, Ct 1 kcal/kg℃
// = 4.186 kJ/kgK, Kt 0.52·1.163 = 0.605 W/mK, Wt 30 t/h = 30000 kg/h =
// 8.3333 kg/s; Et = 10/60, Es = 15/60; As = 100·3·0.019·3.14 = 17.898 m2.
TEST(ResultsSummary, SensibleWaterLinesOfEachPresentation) {
    expectLines(sensibleWater(),
                {
                    {kEE, "       【 SHELL AND TUBE HEAT EXCHANGER COMPUTER PROGRAM 】 "},
                    {kEE, " Dencity ----------- Dt= 995.00 ,  Ds= 980.00 (kg/m3)"},
                    {kEE, "│INSIDE SHELL DIAMATER │   m      │       DS=0.450           │"},
                    {kEE, "│EXCHANGED AS HEAT     │ kcal/h   │       Q = 300000         │"},
                    {kEE, "│FLUID FLOWRATE        │ kg/h     │Wt= 30000.0 │Ws= 20000.0 │"},
                    {kEE, "│INLET TEMPERATURE     │  ﾟC      │Tti= 20.00  │Tsi= 80.00  │"},
                    {kEE, "│THERMAL EFFICIENCY    │    -     │Et=0.1667   │Es=0.2500   │"},
                    {kEE, "│TUBE AREA      　　　 │   m2     │At=  15.00  │As=  17.90  │"},
                    {kEE, "│PRESS.LOS             │ kg/cm2   │DPt= 0.12000│DPs= 0.05000│"},
                    {kESI, " * Sensible heat calculation of both side fluid"},
                    {kESI, " Specific heat ----- Ct=4.186     , Cs=4.186     (kJ/kgK)"},
                    {kESI, "  │DIAMATER OF INSIDE SHELL│  mm  │       DS= 450.0          │"},
                    {kESI, "  │EXCHANGED AS HEAT       │  W   │       Q = 348900         │"},
                    {kESI, "  │FLUID FLOWRATE          │ kg/s │Wt=  8.3333 │Ws=  5.5556 │"},
                    {kESI, "  │INLET TEMPERATURE       │  K   │Tti=293.00  │Tsi=353.00  │"},
                    {kESI, "  │PRESS.LOS               │ MPa  │DPt=  0.0118│DPs=  0.0049│"},
                    {kJE, "           【 シェル/チューブ型 熱交換器計算プログラム 】"},
                    {kJE, " * 流体成分 ----- ｼｪﾙ側水(相関式) / 管内側水(相関式)"},
                    {kJE, "   動粘性係数----- Vt=.002900  , Vs=.001600  (m2/h)"},
                    {kJE, "  │シェル内径　　　│    m     │         DS=0.450             │"},
                    {kJE, "  │交換熱量　　　　│ kcal/h   │         Q = 300000           │"},
                    {kJE, "  │熱交換器入側温度│   ﾟC     │Tti= 20.00    │Tsi= 80.00    │"},
                    {kJE, "  │ﾚｲﾉﾙｽﾞ数(av.)   │     -    │Ret=   15000  │Res=    8000  │"},
                    {kJSI, " * 伝熱形態------ 顕熱計算(両流体)"},
                    {kJSI, "   熱伝導率 ------ Kt= 0.605    , Ks= 0.663    (W/mK)  "},
                    {kJSI, "  │シェル内径　　　　│    mm    │       DS= 450.0          │"},
                    {kJSI, "  │交換熱量          │    W     │       Q = 348900         │"},
                    {kJSI, "  │熱交換器入側温度  │    K     │Tti=293.00  │Tsi=353.00  │"},
                    {kJSI, "  │熱伝達率          │  W/m2K   │Xt=3489.0   │Xs= 2907.5  │"},
                });
}

// Blank lines above the title: two, three, none, three.
TEST(ResultsSummary, BlankLinesBeforeTheTitle) {
    const struct {
        Presentation p;
        int blanks;
    } table[] = {{kEE, 2}, {kESI, 3}, {kJE, 0}, {kJSI, 3}};
    for (const auto& t : table) {
        Case c = sensibleWater();
        const auto lines = show(t.p, c.dc, c.r);
        for (int i = 0; i < t.blanks; ++i) EXPECT_EQ(lines[i], "");
        EXPECT_NE(lines[t.blanks].find("【"), std::string::npos);
    }
}

TEST(ResultsSummary, SensibleCaseHasNoCondensateRow) {
    for (Presentation p : {kEE, kESI, kJE, kJSI}) {
        Case c = sensibleWater();
        const auto lines = show(p, c.dc, c.r);
        EXPECT_EQ(countContaining(lines, "CONDENSATE"), 0);
        EXPECT_EQ(countContaining(lines, "凝縮量"), 0);
        EXPECT_EQ(countContaining(lines, "Et=0.1667"), 1);
        EXPECT_EQ(countContaining(lines, "Res="), 1);
        EXPECT_EQ(countContaining(lines, "－"), 0);
        // The column heads and 17 rows carry vertical rules.
        EXPECT_EQ(countContaining(lines, "│"), 1 + 17) << static_cast<int>(p);
    }
}

// Tube-side condensation (mode 3): the tube column of the efficiency and
// Reynolds rows is a dash, the rate row carries 123.4 kg/h (0.0343 kg/s).
TEST(ResultsSummary, TubePhaseChangeRows) {
    Case base = sensibleWater();
    base.dc.fluidMode = kTubePhaseChange;
    base.dc.phaseChange = kCondensation;
    base.r.tubeCondensation = 123.4f;
    expectLines(base, {
                          {kEE, "│REYNOLS NO. (av.)     │    -     │     -      │Res=  8000  │"},
                          {kEE, "│THERMAL EFFICIENCY    │    -     │     -      │Es=0.2500   │"},
                          {kEE, "│WEIGHT OF CONDENSATE  │   kg/h   │Wt=  123.4  │     -      │"},
                          {kESI, "  │CONDENSATION RATE       │ kg/s │Wt=  0.0343 │     －     │"},
                          {kJE, "  │温度効率　　　  │          │      －      │Es=0.2500     │"},
                          {kJSI, "  │管内側凝縮量　 　 │  kg/s    │Wt= 0.034   │    －      │"},
                      });
    Case evaporation = base;
    evaporation.dc.phaseChange = kEvaporation;
    expectLines(evaporation,
                {
                    {kEE, "│WEIGHT OF CONDENSATE  │   kg/h   │Wt=  123.4  │     -      │"},
                    {kJE, "  │管内側蒸発量    │   kg/h   │Wt=  123.4    │     －       │"},
                });
    // Another direction code: the English engineering screen keeps its
    // row, the others print none.
    Case neither = base;
    neither.dc.phaseChange = 0;
    Case c = neither;
    EXPECT_EQ(countContaining(show(kEE, c.dc, c.r), "WEIGHT OF CONDENSATE"), 1);
    c = neither;
    EXPECT_EQ(countContaining(show(kESI, c.dc, c.r), " RATE "), 0);
    c = neither;
    EXPECT_EQ(countContaining(show(kJSI, c.dc, c.r), "Wt= 0.034"), 0);
}

TEST(ResultsSummary, ShellPhaseChangeRows) {
    Case base = sensibleWater();
    base.dc.fluidMode = kShellPhaseChange;
    base.dc.phaseChange = kEvaporation;
    base.r.shellCondensation = 456.7f;
    expectLines(base, {
                          {kEE, "│REYNOLS NO. (av.)     │    -     │Ret= 15000  │     -      │"},
                          {kEE, "│WEIGHT OF CONDENSATE  │   kg/h   │     -      │Ws=  456.7  │"},
                          {kESI, "  │EVAPORATION RATE        │ kg/s │     －     │Ws=  0.1269 │"},
                          {kJE, "  │温度効率　　　  │          │Et=0.1667     │　　　－      │"},
                          {kJSI, "  │ｼｪﾙ側蒸発量　　　 │  kg/s    │     －     │Ws= 0.127   │"},
                      });
}

// Low-fin tubes: 0.3 mm fins 1.5 mm high, 19 per inch. SI finned area by
// hand: fin pitch 1.3368 mm, per pitch root 7.9756e-5 m2, fins 1.12334e-4,
// base 6.18579e-5; 17.898 m2 × 2.18405 = 39.090 m2.
TEST(ResultsSummary, LowFinRowsShowFinnedArea) {
    Case base = sensibleWater();
    base.dc.lowFin = true;
    base.dc.FT = 0.0003f;
    base.dc.FH = 0.0015f;
    base.dc.FN = 19.0f;
    base.r.Asf = 50.0f;
    base.r.EF = 0.85f;
    expectLines(base, {
                          {kEE, "│TUBE AREA             │   m2     │At=  15.00  │Asf=  50.00 │"},
                          {kEE, "│ (Fin efficiency)     │    -     │            │EF=0.85     │"},
                          {kESI, "  │INSIDE TUBE AREA        │  m2  │At=  15.00  │Asf=  39.09 │"},
                          {kJE, "  │ (ﾌｲﾝ効率)   　 │    -     │     －       │EF=0.85       │"},
                          {kJSI, "  │伝熱面積          │    m2    │At=  15.00  │Asf=  39.09 │"},
                      });
    Case c = base;
    const auto lines = show(kEE, c.dc, c.r);
    EXPECT_EQ(countContaining(lines, "As="), 0);
    EXPECT_FLOAT_EQ(c.r.As, 17.0f);  // plain-tube area untouched
    c = base;
    show(kESI, c.dc, c.r);
    EXPECT_FLOAT_EQ(c.r.Asf, 50.0f);  // the held area stays
}

// A gas in the tubes: DPt 0.0123 kgf/cm2 = 123.0 mmAq; 0.0123·0.098 MPa
// = 1205.4 Pa.
TEST(ResultsSummary, GasTubeSidePressureDropInHeadUnits) {
    Case base = sensibleWater();
    base.dc.tubePhase = TubePhase::Gas;
    base.r.DPt = 0.0123f;
    expectLines(base, {
                          // The tube drop in mmAq and the shell's in kg/cm2 on
                          // two rows, inside the column rules of the frame.
                          {kEE, "│PRESS.LOS             │  mmAq    │DPt=   123.0│            │"},
                          {kEE, "│                      │  kg/cm2  │            │DPs= 0.05000│"},
                          {kESI, "  │PRESS.LOS               │Pa,MPa│DPt=  1205.4│DPs=  0.0049│"},
                          {kJE, "  │圧力損失        │   mmAq   │DPt=   123.0  │              │"},
                          {kJE, "  │                │  kg/cm2  │              │DPs= 0.05000  │"},
                          {kJSI, "  │圧力損失          │  Pa,  MPa│DPt=  1205.4│DPs=  0.0049│"},
                      });
}

// Switching to SI and back prints the same screen and leaves every held
// value as it was, bit for bit.
TEST(ResultsSummary, SIRoundTripLeavesHeldValuesIdentical) {
    const struct {
        Presentation engineering;
        Presentation si;
    } table[] = {{kEE, kESI}, {kJE, kJSI}};
    for (const auto& t : table) {
        Case c = sensibleWater();
        const auto first = show(t.engineering, c.dc, c.r);
        const Solution before = c.r;
        show(t.si, c.dc, c.r);
        EXPECT_EQ(std::memcmp(&before, &c.r, sizeof(Solution)), 0);
        const auto again = show(t.engineering, c.dc, c.r);
        EXPECT_EQ(first, again);
        EXPECT_EQ(std::memcmp(&before, &c.r, sizeof(Solution)), 0);
    }
}

// Wet gas: every screen but the first shows and keeps the saturation
// temperatures; Et = |45 − 25|/|10 − 45| = 0.5714, Es = 8/35 = 0.2286.
TEST(ResultsSummary, WetGasSaturationTemperaturesStayAfterJapanese) {
    Case c = wetGas();
    const auto lines = show(kJE, c.dc, c.r);
    EXPECT_EQ(c.r.T3, 45.0f);
    EXPECT_EQ(c.r.T4, 25.0f);
    EXPECT_EQ(c.r.Q, 6000.0f);
    EXPECT_TRUE(contains(lines, "  │熱交入側飽和温度│   ﾟC     │Tti= 45.00    │Tsi= 10.00    │"));
    EXPECT_TRUE(contains(lines, "  │温度効率　　　  │          │Et=0.5714　　 │Es=0.2286     │"));
    EXPECT_TRUE(contains(lines, "  │管内側凝縮量　　│ 　kg/h   │Wt=   12.5    │     －　　   │"));
    EXPECT_TRUE(contains(lines, " * ガス成分(vol%):CO2=10.00  N2=70.00  O2= 5.00  H2O=15.00"));
    EXPECT_NEAR(c.r.Et, 20.0f / 35.0f, 1e-6f);

    const auto english = show(kEE, c.dc, c.r);
    EXPECT_TRUE(contains(english, "│THERMAL EFFICIENCY    │    -     │Et=0.5714   │Es=0.2286   │"));
    EXPECT_EQ(c.r.Q, 5000.0f);  // the shell-side sensible heat QK
}

// First screen of a wet-gas run: inlet row shows Tzi, Q becomes QK, the
// held Tti stays; Et = |50 − 28|/|10 − 50| = 0.55.
TEST(ResultsSummary, WetGasEnglishEngineeringFirst) {
    Case c = wetGas();
    const auto lines = show(kEE, c.dc, c.r);
    EXPECT_EQ(c.r.T3, 50.0f);
    EXPECT_EQ(c.r.Q, 5000.0f);
    EXPECT_TRUE(contains(lines, "│INLET TEMPERATURE     │  ﾟC      │Tti= 45.00  │Tsi= 10.00  │"));
    EXPECT_TRUE(contains(lines, "│EXCHANGED AS HEAT     │ kcal/h   │       Q =   5000         │"));
    EXPECT_TRUE(contains(lines, "│THERMAL EFFICIENCY    │    -     │Et=0.5500   │Es=0.2000   │"));
    EXPECT_TRUE(contains(lines, "│WEIGHT OF CONDENSATE  │   kg/h   │Wt=   12.5  │     -      │"));
    EXPECT_TRUE(
        contains(lines, " * Inside gases comp.(vol%):CO2=10.00  N2=70.00  O2= 5.00  H2O=15.00"));
}

// Dew-point humidity basis, Japanese: Twav from the conductances, As = 10·2·
// 0.02·3.14 = 1.256 m2: (100·1.256·20 + 50·10·40)/(125.6 + 500) = 35.985 ℃;
// Ttav = (35.985 + (50 + 28)/2)/2 = 37.492 ℃.
TEST(ResultsSummary, DewPointBasisJapaneseWallTemperature) {
    Case c = wetGas();
    c.dc.humidityBasis = kFromDewPoint;
    c.dc.Ta = 30.0f;
    c.dc.NT = 10.0f;
    c.dc.D0 = 0.02f;
    c.r.TL = 2.0f;
    c.r.Xs = 100.0f;
    c.r.Xt = 50.0f;
    c.r.At = 10.0f;
    c.r.wetShellMean = 20.0f;
    c.r.tubeFluidMean = 40.0f;
    const auto lines = show(kJE, c.dc, c.r);
    EXPECT_NEAR(c.r.Twav, 35.98465f, 1e-4f);
    EXPECT_NEAR(c.r.Ttav, 37.49233f, 1e-4f);
    EXPECT_TRUE(contains(lines, " * 伝熱形態------ 凝縮を伴う計算(管内側飽和湿り空気)"));
    EXPECT_TRUE(contains(lines, " * 流体成分 ----- ｼｪﾙ側水(相関式) / 管内側気体(ﾏﾆｭｱﾙ)"));
    EXPECT_TRUE(contains(lines, " * 大気条件 ---- 大気露点温度 Ta=30.00"));
    EXPECT_EQ(countContaining(lines, "ガス成分"), 0);

    Case e = c;
    const auto english = show(kEE, e.dc, e.r);
    EXPECT_EQ(countContaining(english, "comp.(vol%)"), 0);
    EXPECT_TRUE(contains(english, " * Inside fluid materi. --- Gases by manual set"));
    e = c;
    EXPECT_EQ(countContaining(show(kJSI, e.dc, e.r), "ガス成分"), 1);
}

// Equal inlet temperatures leave the efficiencies undefined: shown as 0.
TEST(ResultsSummary, EqualInletsGiveZeroEfficiencies) {
    Case c = sensibleWater();
    c.r.T1 = 20.0f;
    const auto lines = show(kEE, c.dc, c.r);
    EXPECT_EQ(c.r.Et, 0.0f);
    EXPECT_EQ(c.r.Es, 0.0f);
    EXPECT_TRUE(contains(lines, "│THERMAL EFFICIENCY    │    -     │Et=0.0000   │Es=0.0000   │"));
}

// The SI conversion, factors of the working units: 1.163 W per kcal/h,
// 3600 s per h, 0.098 MPa per kgf/cm2, 4.186 kJ per kcal, 273 K.
TEST(ResultsSummary, ConvertedToSIUsesTheConversionTable) {
    Solution r;
    r.TL = 2.5f;
    r.Xs = 1000.0f;
    r.Wcon = 36.0f;
    r.DPs = 2.0f;
    r.Cs = 0.5f;
    r.Tzi = 27.0f;
    r.Vs = 0.0036f;
    r.TM = 12.0f;
    r.GWo = 360.0f;
    const Solution s = convertedToSI(r);
    const struct {
        float got, expected;
    } table[] = {{s.TL, 2500.0f}, {s.Xs, 1163.0f}, {s.Wcon, 0.01f}, {s.DPs, 0.196f}, {s.Cs, 2.093f},
                 {s.Tzi, 300.0f}, {s.Vs, 1e-6f},   {s.TM, 12.0f},   {s.GWo, 360.0f}};
    for (const auto& t : table) EXPECT_NEAR(t.got, t.expected, 1e-5f * std::max(1.0f, t.expected));
}

}  // namespace
}  // namespace hx
