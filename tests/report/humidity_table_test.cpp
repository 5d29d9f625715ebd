// The humidity table: its values in each presentation's units, the rows of
// the screen and printed versions, and the total pressure the Japanese
// engineering table takes on the 1 atm basis.
#include "report/screen/humidity_table.h"

#include <gtest/gtest.h>

#include "console/scripted_console.h"
#include "core/option_codes.h"

namespace hx {
namespace {

RunInputs wetInputs(int basis) {
    RunInputs in;
    in.dc.wetGas = true;
    in.dc.fluidMode = kTubeWetGas;
    in.dc.humidityBasis = basis;
    in.dc.Dt = 11.5f;
    return in;
}

Solution wetSolution() {
    Solution s;
    s.Hi = 54.0f;
    s.Ho = 48.0f;
    s.Pi = 0.1033f;
    s.Po = 0.0916f;
    s.Xi = 0.0694f;
    s.Xo = 0.0608f;
    s.Tzi = 46.1f;
    s.TZo = 43.7f;
    s.Wti = 649.0f;
    s.Wto = 568.5f;
    s.Wcon = 80.5f;
    s.GWo = 9919.5f;
    s.MAW = 0.6244f;
    s.Density = 1.25f;
    s.tubeGasVolumeFlow = 8000.0f;  // Nm3/h: 10000 kg/h at 1.25 kg/Nm3
    return s;
}

TEST(HumidityTable, ValuesInEachPresentationsUnits) {
    const RunInputs in = wetInputs(kFromComposition);
    const Solution s = wetSolution();
    const HumidityValues e = humidityValues(Presentation::EnglishEngineering, in, s, 1.033f);
    EXPECT_FLOAT_EQ(e.GWi, 10000.0f);
    EXPECT_FLOAT_EQ(e.Tzi, 46.1f);
    const HumidityValues si = humidityValues(Presentation::JapaneseSI, in, s, 1.033f);
    EXPECT_FLOAT_EQ(si.Hi, 54.0f * 4.186f);     // kJ/kg
    EXPECT_FLOAT_EQ(si.Pt, 1.033f * 0.098f);    // MPa
    EXPECT_FLOAT_EQ(si.Tzi, 46.1f + 273.0f);    // K
    EXPECT_FLOAT_EQ(si.Wcon, 80.5f / 3600.0f);  // kg/s
    EXPECT_FLOAT_EQ(si.GWo, 9919.5f / 3600.0f);
    EXPECT_FLOAT_EQ(si.Xi, 0.0694f);  // kg/kgda in both
    // On the pressurised basis the gas flow is taken at the entered density.
    EXPECT_FLOAT_EQ(
        humidityValues(Presentation::EnglishEngineering, wetInputs(kFromDewPoint), s, 10.0f).GWi,
        8000.0f * 11.5f);
}

TEST(HumidityTable, RowsOfTheScreenAndPrintedVersions) {
    const RunInputs in = wetInputs(kFromComposition);
    const Solution s = wetSolution();
    const HumidityValues v = humidityValues(Presentation::EnglishEngineering, in, s, 1.033f);
    const auto screen = humidityScreenLines(Presentation::EnglishEngineering, v);
    ASSERT_EQ(screen.size(), 15u);
    EXPECT_EQ(screen[4], " │1 │SAT.ENTHALPY        (kcal/kg) │Hi= 54.00 │Ho= 48.00 │");
    EXPECT_EQ(screen[13], " │9 │H2O DRAIN RECOVERY RATE (kg/h)│     Wcon=  80.50     │");
    // The English SI table numbers the total pressure and the water flow both 5.
    const auto si = humidityScreenLines(Presentation::EnglishSI,
                                        humidityValues(Presentation::EnglishSI, in, s, 1.033f));
    ASSERT_EQ(si.size(), 15u);
    EXPECT_EQ(si[8].rfind("   │5 │", 0), 0u);
    EXPECT_EQ(si[10].rfind("   │5 │", 0), 0u);
    // Each printed version ends with its end line.
    for (Presentation p : {Presentation::EnglishEngineering, Presentation::EnglishSI,
                           Presentation::JapaneseEngineering, Presentation::JapaneseSI}) {
        const auto printed = humidityPrintedLines(p, in, s, 1.033f);
        ASSERT_EQ(printed.size(), 16u);
        EXPECT_NE(printed.back().find("END"), std::string::npos);
    }
    EXPECT_EQ(humidityPrintedLines(Presentation::EnglishEngineering, in, s, 1.033f)[7],
              "         │4 │SAT.GAS TEMPERATUR  (℃)      │ Tzi= 46.10 │ TZo= 43.70 │");
}

// The Japanese engineering table takes 1.03 on the 1 atm basis and the
// value stays; on the pressurised basis the entered pressure stays.
TEST(HumidityTable, JapaneseEngineeringTotalPressure) {
    const Solution s = wetSolution();
    ScriptedConsole console;
    float Pt = 1.033f;
    console.queueAnswer("1");
    showHumidityTable(Presentation::EnglishEngineering, wetInputs(kFromComposition), s, Pt,
                      console);
    EXPECT_FLOAT_EQ(Pt, 1.033f);
    console.queueAnswer("1");
    showHumidityTable(Presentation::JapaneseEngineering, wetInputs(kFromComposition), s, Pt,
                      console);
    EXPECT_FLOAT_EQ(Pt, 1.03f);
    float entered = 10.0f;
    console.queueAnswer("1");
    showHumidityTable(Presentation::JapaneseEngineering, wetInputs(kFromDewPoint), s, entered,
                      console);
    EXPECT_FLOAT_EQ(entered, 10.0f);
}

// Any other key asks again; "2" hands the printed table to the printer.
TEST(HumidityTable, PromptAsksUntilReturn) {
    ScriptedConsole console;
    float Pt = 1.033f;
    int printed = 0;
    for (const char* key : {"x", "2", "2", "1"}) console.queueAnswer(key);
    showHumidityTable(Presentation::EnglishSI, wetInputs(kFromComposition), wetSolution(), Pt,
                      console, [&](const std::vector<std::string>& lines) {
                          EXPECT_EQ(lines.size(), 16u);
                          ++printed;
                      });
    EXPECT_EQ(printed, 2);
    EXPECT_EQ(console.pendingAnswers(), 0u);
}

}  // namespace
}  // namespace hx
