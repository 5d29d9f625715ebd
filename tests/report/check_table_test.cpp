// The heat-balance check table: the ratios of a small case worked by hand,
// the rows of each fluid mode and wet-gas flag, a base heat of 0, and the
// screen with its prompt.
#include "report/screen/check_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/scripted_console.h"

namespace hx {
namespace {

// A small case in engineering units, every heat chosen by hand:
//   KI·At·TM          = 500 · 2 · 10            = 10000 kcal/h
//   Ws·Cps·(T2 − T1)  = 1000 · 1.0 · (29.5 − 20) =  9500
//   Vt·Dt·Cpt·(T3−T4) = 0.5 · 1000 · 1.0 · 21    = 10500
//   tube latent 9900, shell latent 10100, wet gas QK 8000 and QG 8400.
Solution smallCase() {
    Solution r;
    r.Q = 10000.0f;
    r.KI = 500.0f;
    r.At = 2.0f;
    r.TM = 10.0f;
    r.KO = 400.0f;
    r.As = 2.5f;
    r.Asf = 5.0f;
    r.shellMassFlowTonH = 1.0f;
    r.Cs = 1.0f;
    r.Ds = 1000.0f;
    r.T1 = 20.0f;
    r.T2 = 29.5f;
    r.tubeVolumeFlow = 0.5f;
    r.tubeMassFlowKgH = 500.0f;
    r.Dt = 1000.0f;
    r.Ct = 1.0f;
    r.T3 = 80.0f;
    r.T4 = 59.0f;
    r.tubeCondensingDuty = 9900.0f;
    r.shellCondensingDuty = 10100.0f;
    r.QK = 8000.0f;
    r.QG = 8400.0f;
    return r;
}

DesignCase caseOf(int mode, bool wetGas = false, bool lowFin = false) {
    DesignCase dc;
    dc.fluidMode = mode;
    dc.wetGas = wetGas;
    dc.lowFin = lowFin;
    return dc;
}

std::vector<std::string> screenRows(const DesignCase& dc, const Solution& r) {
    std::vector<std::string> out;
    for (const CheckRow& row : screenCheckRows(dc, r)) out.push_back(checkRowText(row));
    return out;
}

// Row texts written out from the pictures with the hand-computed ratios.
const std::string kOverall1 = "     │1 │Qkt=KI･Ai･LMTD･F        │Qkt/Qba=1.0000│Overall";
const std::string kShell095 = "     │4 │Qs=Ws･Cps･(T2-T1)       │Qs/Qba=0.9500 │Sensible";

TEST(CheckTable, SensibleRowsWithHandRatios) {
    EXPECT_EQ(
        screenRows(caseOf(1), smallCase()),
        (std::vector<std::string>{kOverall1, kShell095,
                                  "     │5 │Qt2=Vat･Dat･Cpt･(T3-T4) │Qt/Qba=1.0500 │Sensible "}));
}

TEST(CheckTable, TubePhaseChangeHasRowsOneThreeFour) {
    EXPECT_EQ(
        screenRows(caseOf(3), smallCase()),
        (std::vector<std::string>{
            kOverall1, "     │3 │Qt=Wcond･hfg            │Qt/Qba=0.9900 │Latent", kShell095}));
}

TEST(CheckTable, ShellPhaseChangeExchangesTheSides) {
    EXPECT_EQ(screenRows(caseOf(4), smallCase()),
              (std::vector<std::string>{
                  kOverall1, "     │3 │Qs=Wcond･hfg            │Qs/Qba=1.0100 │Latent",
                  "     │4 │Qt=Wt･Cpt･(T3-T4)       │Qt/Qba=1.0500 │Sensible "}));
}

TEST(CheckTable, WetGasTakesQKAsBaseAndRowOneIsExactlyOne) {
    // Q is 10000 but the base is QK = 8000: 9500/8000 = 1.1875, 8400/8000 = 1.05.
    const auto rows = screenCheckRows(caseOf(2, true), smallCase());
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].ratio, 1.0f);
    EXPECT_EQ(checkRowText(rows[0]), "     │1 │Qkt=KI･Ai･LMTD          │Qkt/Qba=1.0000│Overall");
    EXPECT_EQ(checkRowText(rows[1]), "     │4 │Qs=Ws･Cps･(T2-T1)       │Qs/Qba=1.1875 │Sensible");
    EXPECT_EQ(checkRowText(rows[2]), "     │6 │Qt=ΔH･Wwt          　  │Qt/Qba=1.0500 │Enthalpy");
}

TEST(CheckTable, ScreenTakesTheSizeOfReversedDifferences) {
    // A hot shell and a cold tube stream: the same heats with the other sign.
    Solution r = smallCase();
    r.T1 = 29.5f;
    r.T2 = 20.0f;
    r.T3 = 59.0f;
    r.T4 = 80.0f;
    EXPECT_EQ(screenRows(caseOf(1), r), screenRows(caseOf(1), smallCase()));
}

TEST(CheckTable, NoBaseHeatShowsADashForEveryRatio) {
    // Q = 0 (or a wet gas whose QK is 0): no ratio is defined, no "inf" or
    // "nan" is printed, and the frame keeps its columns.
    Solution r = smallCase();
    r.Q = 0.0f;
    const std::vector<std::string> dry = screenRows(caseOf(1), r);
    EXPECT_EQ(dry[0], "     │1 │Qkt=KI･Ai･LMTD･F        │Qkt/Qba=  －  │Overall");
    EXPECT_EQ(dry[1], "     │4 │Qs=Ws･Cps･(T2-T1)       │Qs/Qba=  －   │Sensible");
    EXPECT_EQ(dry[2], "     │5 │Qt2=Vat･Dat･Cpt･(T3-T4) │Qt/Qba=  －   │Sensible ");
    r.QK = 0.0f;
    for (int mode : {3, 4})
        for (const CheckRow& row : screenCheckRows(caseOf(mode), r)) EXPECT_FALSE(row.ratio);
    for (const CheckRow& row : screenCheckRows(caseOf(2, true), smallCase() /*QK 8000*/))
        EXPECT_TRUE(row.ratio);
    r.Q = 10000.0f;  // QK = 0 with Q set: a wet gas still has no base
    for (const CheckRow& row : screenCheckRows(caseOf(2, true), r)) EXPECT_FALSE(row.ratio);
    for (const std::string& printed : printedCheckTable(Presentation::EnglishSI, {}, Solution{}))
        EXPECT_EQ(printed.find("inf"), std::string::npos) << printed;
    EXPECT_FALSE(checkRatio(3.0e38f, 1.0e-5f));  // a quotient beyond float
}

TEST(CheckTable, ScreenLayoutAndEitherAnswerEndsIt) {
    for (const char* answer : {"1", "2"}) {
        ScriptedConsole console;
        console.queueAnswer(answer);
        RunInputs in;
        in.dc = caseOf(1);
        showCheckTable(in, smallCase(), console);
        const auto& t = console.transcript();
        ASSERT_EQ(t.size(), 11u + 5u + 1u + 3u + 1u + 4u + 1u);
        for (int i = 0; i < 11; ++i) EXPECT_EQ(t[i], "");
        EXPECT_EQ(t[11], "   check!");
        EXPECT_EQ(t[16], "     ┌─┬────────────┬───────┐");
        EXPECT_EQ(t[17], kOverall1);
        EXPECT_EQ(t[20], "     └─┴────────────┴───────┘");
        EXPECT_EQ(t.back(), std::string("          <1> Return   <2> printout ") + answer);
        EXPECT_EQ(console.pendingAnswers(), 0u);
    }
}

// The row numbers of the printed lines that carry a ratio.
std::vector<char> printedRowNumbers(const std::vector<std::string>& lines) {
    std::vector<char> numbers;
    const std::string bar = "│";
    for (const std::string& l : lines)
        if (l.find("/Q") != std::string::npos) numbers.push_back(l[l.find(bar) + bar.size()]);
    return numbers;
}

TEST(CheckTable, PrintedRowsPerVersionModeAndSurface) {
    struct Row {
        Presentation p;
        DesignCase dc;
        std::vector<char> rows;
    };
    const Row rows[] = {
        {Presentation::EnglishEngineering, caseOf(1), {'1', '4', '4'}},
        {Presentation::JapaneseSI, caseOf(2, true), {'1', '4', '5'}},
        {Presentation::JapaneseEngineering, caseOf(3), {'1', '3', '4'}},
        {Presentation::EnglishEngineering, caseOf(4), {'1', '3', '4'}},
        {Presentation::EnglishSI, caseOf(1), {'1', '2', '4', '6'}},
        {Presentation::EnglishSI, caseOf(2, true), {'2', '4', '7'}},
        {Presentation::EnglishSI, caseOf(3), {'1', '2', '4', '6'}},
        {Presentation::EnglishSI, caseOf(3, false, true), {'1', '2', '4', '5'}},
        {Presentation::EnglishSI, caseOf(4, false, true), {'1', '2', '4', '5'}},
    };
    for (const Row& row : rows) {
        RunInputs in;
        in.dc = row.dc;
        EXPECT_EQ(printedRowNumbers(printedCheckTable(row.p, in, smallCase())), row.rows)
            << static_cast<int>(row.p) << " mode " << row.dc.fluidMode;
    }
}

TEST(CheckTable, PrintedVersionsHeadingsEndsAndSigns) {
    RunInputs in;
    in.dc = caseOf(1);
    Solution r = smallCase();
    r.T1 = 29.5f;  // shell cooled: the SI version keeps the sign
    r.T2 = 20.0f;
    const auto en = printedCheckTable(Presentation::EnglishEngineering, in, r);
    EXPECT_EQ(en.front(), "           Check!    ");
    EXPECT_EQ(en.back(),
              "                                                               － END － ");
    EXPECT_EQ(printedCheckTable(Presentation::JapaneseSI, in, r).front(),
              "          ◆ チェック!◆    ");
    const auto si = printedCheckTable(Presentation::EnglishSI, in, r);
    EXPECT_EQ(si.back(), "                                                  － END OF RESULTS －");
    // Row 2 on bare tubes: KO·As·TM = 400·2.5·10 = 10000. Row 4: 1 t/h ·
    // 1000 kg/m3 · 1.0 · (20 − 29.5) = −9500: the sign takes the place of
    // the leading zero.
    EXPECT_EQ(si[7], "         │2 │Qks=KO･Ao･LMTD･F        │Qks/Qba=1.0000│Over-all(shell) │");
    EXPECT_EQ(si[9], "         │4 │Qs=Vs･Ds･Cps･(T2-T1)    │Qs/Qba =-.9500│Sensible        │");
    in.dc.wetGas = true;
    EXPECT_EQ(printedCheckTable(Presentation::EnglishEngineering, in, r).back(),
              "         └─┴────────────┴───────┴────────┘");
}

}  // namespace
}  // namespace hx
