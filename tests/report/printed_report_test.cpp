// The printed reports: the structure of a text summary and a text detail,
// the rows the case chooses, the double-tube Bell table, the place of the
// humidity and check sections, and the units of an SI report.
#include "report/print/printed_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/option_codes.h"

namespace hx {
namespace {

// A small sensible-heat case with water on both sides, values chosen by
// hand in the working units.
RunInputs waterCase() {
    RunInputs in;
    DesignCase& dc = in.dc;
    dc.exchangerType = kShellAndTube;
    dc.fluidMode = kSensible;
    dc.tubeMethod = kWaterCorrelation;
    dc.shellMethod = kWaterCorrelation;
    dc.tubePhase = TubePhase::Liquid;
    dc.lengthGiven = true;
    dc.DI = 0.025f;
    dc.D0 = 0.027f;
    dc.NT = 100.0f;
    dc.TL = 1.0f;
    dc.PN = 1.0f;
    dc.B = 0.25f;
    dc.Ft = 0.000582f;  // m2h℃/kcal: 0.0005 m2K/W
    dc.CM = 100.0f;     // kcal/mh℃: 116.3 W/mK
    in.geometry.P = 0.03375f;
    return in;
}

Solution waterSolution() {
    Solution r;
    r.Q = 100000.0f;
    r.T1 = 20.0f;
    r.T2 = 30.0f;
    r.T3 = 80.0f;
    r.T4 = 70.0f;
    r.TL = 1.0f;
    r.shellDiameter = 0.423f;
    r.Et = 0.1667f;
    r.Es = 0.1667f;
    r.shellMassFlowTonH = 10.0f;
    r.tubeMassFlowTonH = 10.0f;
    return r;
}

std::vector<std::string> print(Presentation p, ReportContent content, const RunInputs& in,
                               ReportSections sections = {{}, {"CHECK SECTION"}}) {
    return printedReport(p, content, in, waterSolution(), "2026/12/08", sections);
}

bool has(const std::vector<std::string>& lines, const std::string& text) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& l) { return l.find(text) != std::string::npos; });
}

std::size_t indexOf(const std::vector<std::string>& lines, const std::string& text) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].find(text) != std::string::npos) return i;
    return lines.size();
}

TEST(PrintedReport, TextSummaryHasNoInputSectionsAndEndsWithNineEmptyLines) {
    const auto lines = print(Presentation::EnglishEngineering, ReportContent::Summary, waterCase());
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "                 【 SHELL AND TUBE HEAT EXCHANGER COMPUTER PROGRAM 】 ");
    EXPECT_EQ(lines[4], "                                                       DATE(2026/12/08)");
    EXPECT_EQ(lines[5], "           * Sensible heat calculation of each side tubes");
    EXPECT_FALSE(has(lines, "■ INPUT ■"));
    EXPECT_LT(indexOf(lines, "■ Summary of calculation ■"), indexOf(lines, "CHECK SECTION"));
    ASSERT_GE(lines.size(), 10u);
    EXPECT_EQ(lines[lines.size() - 10], "CHECK SECTION");
    for (std::size_t i = lines.size() - 9; i < lines.size(); ++i) EXPECT_EQ(lines[i], "");
}

TEST(PrintedReport, TextDetailHasItsInputSectionsBeforeTheSummary) {
    const auto lines = print(Presentation::EnglishEngineering, ReportContent::Detail, waterCase());
    const std::size_t input = indexOf(lines, "■ INPUT ■");
    EXPECT_LT(input, indexOf(lines, "Ⅱ. Thermo-pyhsical propertys"));
    EXPECT_LT(indexOf(lines, "Ⅳ. Fluid Temperatur and Flowrate"),
              indexOf(lines, "■ Summary of calculation ■"));
    EXPECT_EQ(lines.back(), "CHECK SECTION");
    // Fouling and wall conductivity in the engineering units as held.
    EXPECT_TRUE(has(lines, "│Ft=0.00058│Fs=0.00000│"));
    EXPECT_TRUE(has(lines, "CM=100.00(kca/mhﾟC)"));
}

TEST(PrintedReport, SIReportPrintsSIUnits) {
    const auto lines = print(Presentation::EnglishSI, ReportContent::Detail, waterCase());
    EXPECT_TRUE(has(lines, "│DI=25.00  │D0=27.00  │"));
    EXPECT_TRUE(has(lines, "│Ft=.00050     │Fs=.00000     │"));
    EXPECT_TRUE(has(lines, "CM=116.30(W/mK)"));
    EXPECT_TRUE(has(lines, "│DL  =  250│"));
    EXPECT_TRUE(has(lines, "│Tti=353.00│Tsi=293.00│"));
}

TEST(PrintedReport, DoubleTubePrintsTheBellTableWithDashesAndNoPitch) {
    RunInputs in = waterCase();
    in.dc.exchangerType = kDoubleTube;
    for (Presentation p : {Presentation::EnglishEngineering, Presentation::EnglishSI,
                           Presentation::JapaneseEngineering, Presentation::JapaneseSI}) {
        const auto lines = print(p, ReportContent::Detail, in);
        EXPECT_FALSE(has(lines, "TP=")) << static_cast<int>(p);
        for (const char* cell :
             {"TANG=", "NON =", "NSS =", "TBSS=", "BSS =", "BTS =", "RY1 =", "KB  ="}) {
            const std::size_t i = indexOf(lines, cell);
            ASSERT_LT(i, lines.size()) << cell;
            EXPECT_NE(lines[i].find("－"), std::string::npos) << lines[i];
        }
    }
}

TEST(PrintedReport, HumiditySectionOnlyForAWetGasAndBeforeTheCheck) {
    const ReportSections sections{{"HUMIDITY TABLE"}, {"CHECK SECTION"}};
    EXPECT_FALSE(
        has(print(Presentation::EnglishEngineering, ReportContent::Summary, waterCase(), sections),
            "HUMIDITY TABLE"));
    RunInputs wet = waterCase();
    wet.dc.fluidMode = kTubeWetGas;
    wet.dc.wetGas = true;
    wet.dc.tubeMethod = kGasCorrelation;
    wet.dc.tubePhase = TubePhase::Gas;
    const auto lines =
        print(Presentation::EnglishEngineering, ReportContent::Detail, wet, sections);
    EXPECT_LT(indexOf(lines, "HUMIDITY TABLE"), indexOf(lines, "CHECK SECTION"));
    EXPECT_TRUE(has(lines, "INLET TEMP.(tube:Sat.)"));
    EXPECT_TRUE(has(lines, "* Inside gases comp.(vol%)"));
    // An absent humidity table is left out without a trace.
    const auto without = print(Presentation::EnglishEngineering, ReportContent::Detail, wet,
                               {{}, {"CHECK SECTION"}});
    EXPECT_EQ(without.size() + 1, lines.size());
}

TEST(PrintedReport, JapaneseModeSentenceOfADewPointWetGas) {
    RunInputs wet = waterCase();
    wet.dc.fluidMode = kTubeWetGas;
    wet.dc.wetGas = true;
    wet.dc.tubeMethod = kGasCorrelation;
    wet.dc.tubePhase = TubePhase::Gas;
    wet.dc.humidityBasis = kFromDewPoint;
    wet.dc.Ta = 15.0f;
    const auto engineering = print(Presentation::JapaneseEngineering, ReportContent::Summary, wet);
    EXPECT_TRUE(
        has(engineering, "伝熱形態----------- 凝縮を伴う計算(管内側飽和湿り空気)：物性相関式"));
    EXPECT_TRUE(has(engineering, "露点飽和温度　Ta=15.00"));
    const auto si = print(Presentation::JapaneseSI, ReportContent::Summary, wet);
    EXPECT_EQ(si[3], "           * 伝熱形態----------- 凝縮を伴う計算(管内側飽和湿り空気)");
    EXPECT_TRUE(has(si, "* ガス成分(vol%)"));
}

}  // namespace
}  // namespace hx
