#include "report/screen/run_header.h"

#include <initializer_list>
#include <string>
#include <string_view>

#include "core/option_codes.h"

namespace hx {

namespace {

using Text = std::string_view;

int presentationIndex(Presentation p) {
    switch (p) {
        case Presentation::EnglishEngineering: return 0;
        case Presentation::EnglishSI: return 1;
        case Presentation::JapaneseEngineering: return 2;
        case Presentation::JapaneseSI: return 3;
    }
    return 0;
}

// Column of the sentence tables: English engineering, English SI, Japanese.
int sentenceColumn(Presentation p) { return isJapanese(p) ? 2 : presentationIndex(p); }

// Blank lines above the title, by presentation.
constexpr int kBlankLines[4] = {2, 3, 0, 3};

constexpr Text kEnglishShellAndTubeTitle =
    "       【 SHELL AND TUBE HEAT EXCHANGER COMPUTER PROGRAM 】 ";
constexpr Text kEnglishDoubleTubeTitle = "       【 DOUBLE TUBE HEAT EXCHANGER COMPUTER PROGRAM 】";
constexpr Text kJapaneseShellAndTubeTitle =
    "           【 シェル/チューブ型 熱交換器計算プログラム 】";
constexpr Text kJapaneseEngineeringDoubleTubeTitle =
    "     　　  【 二重管式熱交換器計算プログラム 】   ";
constexpr Text kJapaneseSIDoubleTubeTitle = "                 【 二重管式熱交換器計算プログラム 】";

constexpr Text kEnglishModePrefix = " * ";
constexpr Text kJapaneseModePrefix = " * 伝熱形態------ ";

// Heat-transfer mode by fluid mode 1..4: English SI, Japanese. The English
// engineering screen prints no mode line.
constexpr Text kModeSentences[4][2] = {
    {"Sensible heat calculation of both side fluid", "顕熱計算(両流体)"},
    {"Wet air calculationin of inside tubes", "凝縮を伴う計算(管内側飽和湿り空気)：物性相関式"},
    {"Tube side sat.condensation heat hxchange calculation", "凝縮計算(管内側飽和蒸気)"},
    {"Shell side sat condensation heat hxchange calculation", "凝縮計算(ｼｪﾙ側飽和蒸気)"},
};
// Wet gas whose humidity comes from the dew point (no gas correlation).
constexpr Text kJapaneseDewPointWetGasMode = "凝縮を伴う計算(管内側飽和湿り空気)";

// Fluid sentences by property method; columns as sentenceColumn().
constexpr Text kTubeFluids[4][3] = {
    {"Liquid by manual set", "Liquid by manual set", "管内側液体(ﾏﾆｭｱﾙ)"},
    {"Gases by manual set", "Gases by manual set", "管内側気体(ﾏﾆｭｱﾙ)"},
    {"Water by corrilation function", "Water by function", "管内側水(相関式)"},
    {"Gases by corrilation function(CO2,N2,O2,H2O)", "Gases by function(CO2,N2,O2,H2O)",
     "管内側気体(相関式)"},
};
constexpr Text kShellFluids[3][3] = {
    {"Liquid by manual set", "Liquid by manual set", "ｼｪﾙ側液体(ﾏﾆｭｱﾙ)"},
    {"Gases by manual set", "Gases by manual set", "ｼｪﾙ側気体(ﾏﾆｭｱﾙ)"},
    {"Water by corrilation function", "Water by function", "ｼｪﾙ側水(相関式)"},
};
// Tube configuration: inside with and without twisted tape; outside bare
// and low fin.
constexpr Text kInsideWithTape[3] = {"<Inside>:with twist tape", "<Inside> :with twist tape",
                                     "ﾂｲｽﾄﾃｰﾌﾟ内蔵"};
constexpr Text kInsideBare[3] = {"<Inside>:Bare tube", "<Inside>:bare tube  ", "平滑管"};
constexpr Text kShellBare[3] = {"/<Shell>:Bare tube", "/<Shell>:Bare tube", "平滑管"};
constexpr Text kShellLowFin[3] = {"/<Shell>:Low fin", "/<Shell>:Low fin ", "ﾛｰﾌｨﾝ管"};

struct EnglishLabels {
    Text tubeFluid;
    Text shellFluid;
    Text configuration;
};
constexpr EnglishLabels kEnglishLabels[2] = {
    {" * Inside fluid materi. --- ", " * Outside fluid materi.--- ",
     " * Tube configuration ----- "},
    {" * Tube side fluid materi.--- ", " * Shell side fluid materi.-- ",
     " * Tube configuration--------"},
};
constexpr Text kJapaneseFluidsLabel = " * 流体成分 ----- ";
constexpr Text kJapaneseFluidsSeparator = " / ";
constexpr Text kJapaneseShellTubeLabel = " * 伝熱管形状 --- ｼｪﾙ側：";
constexpr Text kJapaneseTubeSeparator = "/";
constexpr Text kJapaneseInsideLabel = " 管内側：";

// Gas composition (vol %: CO2, N2, O2, H2O), by presentation.
constexpr Text kGasComposition[4] = {
    " * Inside gases comp.(vol%):CO2=##.##  N2=##.##  O2=##.##  H2O=##.##",
    " * Gas components(vol%):CO2=##.##  N2=##.##  O2=##.##  H2O=##.##",
    " * ガス成分(vol%):CO2=##.##  N2=##.##  O2=##.##  H2O=##.##",
    " * ガス成分(vol%):CO2=##.##  N2=##.##  O2=##.##  H2O=##.##"};
// Japanese engineering, dew-point humidity: the atmospheric dew point, ℃.
constexpr Text kDewPointLine = " * 大気条件 ---- 大気露点温度 Ta=##.##";

// Property block: heading, density (kg/m3), specific heat, kinematic
// viscosity, conductivity; tube side then shell side on each line.
constexpr Text kPropertyBlock[4][5] = {
    {"                    【Tube side】 【Shell side】",
     " Dencity ----------- Dt=####.## ,  Ds=####.## (kg/m3)",
     " Specific heat ----- Ct=#.###   ,  Cs=#.###   (kcal/kgC) ",
     " Kinetic viscocity-- Vt=#.######,  Vs=#.######(m2/h) ",
     " Thermal conductiv.- Kt=#.###   ,  KS=#.###   (Kcal/mhC)  "},
    {"                    【tube side】  【Shell side】",
     " Density ----------- Dt=####.##   , Ds=####.##   (kg/m3)",
     " Specific heat ----- Ct=#.###     , Cs=#.###     (kJ/kgK)",
     " Kinetic viscosity-- Vt=##.###^^^^, Vs=##.###^^^^(m2/s)",
     " Thermal conducti.-- Kt=#.###     , KS=#.###     (W/mK)"},
    {"                 【管内側】　　【シェル側】",
     "   密度(実体温度)- Dt=####.##  , Ds=####.##  (kg/m3)",
     "   比熱　--------- Ct=#.###    , Cs=#.###    (kcal/kgC)",
     "   動粘性係数----- Vt=.######  , Vs=.######  (m2/h)",
     "   熱伝導率 ------ Kt=#.###    , KS=#.###    (kcal/mhC)"},
    {"                  【管内側】　　 【シェル側】                            ",
     "   密度(実体温度） Dt=####.##   , Ds=####.##   (kg/m3) ",
     "   比熱  --------- Ct=#.###     , Cs=#.###     (kJ/kgK)",
     "   動粘性係数 ---- Vt=##.###^^^^, Vs=##.###^^^^(m2/s)  ",
     "   熱伝導率 ------ Kt=##.###    , Ks=##.###    (W/mK)  "},
};

Text title(Presentation p, int exchangerType) {
    const bool doubleTube = exchangerType == kDoubleTube;
    switch (p) {
        case Presentation::EnglishEngineering:
        case Presentation::EnglishSI:
            return doubleTube ? kEnglishDoubleTubeTitle : kEnglishShellAndTubeTitle;
        case Presentation::JapaneseEngineering:
            return doubleTube ? kJapaneseEngineeringDoubleTubeTitle : kJapaneseShellAndTubeTitle;
        case Presentation::JapaneseSI:
            return doubleTube ? kJapaneseSIDoubleTubeTitle : kJapaneseShellAndTubeTitle;
    }
    return kEnglishShellAndTubeTitle;
}

Text modeSentence(Presentation p, const DesignCase& dc) {
    if (dc.fluidMode < kSensible || dc.fluidMode > kShellPhaseChange) return {};
    if (isJapanese(p) && dc.fluidMode == kTubeWetGas && dewPointBasis(dc))
        return kJapaneseDewPointWetGasMode;
    return kModeSentences[dc.fluidMode - 1][isJapanese(p) ? 1 : 0];
}

// A dew-point wet gas is entered by hand even though its method code is the
// gas correlation's, so it reads as a gas by hand.
Text tubeFluid(Presentation p, const DesignCase& dc) {
    return tubeFluidSentence(p, dewPointBasis(dc) ? kGasByHand : dc.tubeMethod);
}

Text shellFluid(Presentation p, const DesignCase& dc) {
    return shellFluidSentence(p, dc.shellMethod);
}

Text insideTube(Presentation p, const DesignCase& dc) { return insideTubeSentence(p, dc.tapeUsed); }

Text shellTube(Presentation p, const DesignCase& dc) { return shellTubeSentence(p, dc.lowFin); }

std::string joined(std::initializer_list<Text> parts) {
    std::string line;
    for (Text part : parts) line += part;
    return line;
}

void printFluidsAndTubes(Presentation p, const DesignCase& dc, TextConsole& console) {
    if (isJapanese(p)) {
        console.print(joined(
            {kJapaneseFluidsLabel, shellFluid(p, dc), kJapaneseFluidsSeparator, tubeFluid(p, dc)}));
        console.print(joined({kJapaneseShellTubeLabel, shellTube(p, dc), kJapaneseTubeSeparator,
                              kJapaneseInsideLabel, insideTube(p, dc)}));
        return;
    }
    const EnglishLabels& labels = kEnglishLabels[presentationIndex(p)];
    console.print(joined({labels.tubeFluid, tubeFluid(p, dc)}));
    console.print(joined({labels.shellFluid, shellFluid(p, dc)}));
    console.print(joined({labels.configuration, insideTube(p, dc), shellTube(p, dc)}));
}

// The composition of a gas by correlation. The dew-point basis has no
// composition of its own; the Japanese engineering screen shows the dew
// point instead, the Japanese SI screen the composition all the same.
void printGasLine(Presentation p, const DesignCase& dc, TextConsole& console) {
    if (dc.tubeMethod != kGasCorrelation) return;
    if (p == Presentation::JapaneseEngineering && dewPointBasis(dc)) {
        console.printUsing(kDewPointLine, {dc.Ta});
        return;
    }
    if (dewPointBasis(dc) && p != Presentation::JapaneseSI) return;
    // Held as fractions; printed in per cent by volume.
    console.printUsing(kGasComposition[presentationIndex(p)],
                       {dc.CO2 * 100.0f, dc.N2 * 100.0f, dc.O2 * 100.0f, dc.H2O * 100.0f});
}

void printPropertyBlock(Presentation p, const Solution& shown, TextConsole& console) {
    const auto& lines = kPropertyBlock[presentationIndex(p)];
    console.print(lines[0]);
    console.printUsing(lines[1], {shown.Dt, shown.Ds});
    console.printUsing(lines[2], {shown.Ct, shown.Cs});
    console.printUsing(lines[3], {shown.Vt, shown.Vs});
    console.printUsing(lines[4], {shown.Kt, shown.KS});
}

}  // namespace

std::string_view tubeFluidSentence(Presentation p, int tubeMethod) {
    if (tubeMethod < kLiquidByHand || tubeMethod > kGasCorrelation) return {};
    return kTubeFluids[tubeMethod - 1][sentenceColumn(p)];
}

std::string_view shellFluidSentence(Presentation p, int shellMethod) {
    if (shellMethod < kLiquidByHand || shellMethod > kWaterCorrelation) return {};
    return kShellFluids[shellMethod - 1][sentenceColumn(p)];
}

std::string_view insideTubeSentence(Presentation p, bool tapeUsed) {
    return (tapeUsed ? kInsideWithTape : kInsideBare)[sentenceColumn(p)];
}

std::string_view shellTubeSentence(Presentation p, bool lowFin) {
    return (lowFin ? kShellLowFin : kShellBare)[sentenceColumn(p)];
}

bool dewPointBasis(const DesignCase& dc) { return dc.wetGas && dc.humidityBasis == kFromDewPoint; }

void printRunHeader(Presentation p, const RunInputs& in, const Solution& shown,
                    TextConsole& console) {
    const DesignCase& dc = in.dc;
    for (int i = 0; i < kBlankLines[presentationIndex(p)]; ++i) console.print("");
    console.print(title(p, dc.exchangerType));
    if (p == Presentation::EnglishSI)
        console.print(joined({kEnglishModePrefix, modeSentence(p, dc)}));
    if (isJapanese(p)) console.print(joined({kJapaneseModePrefix, modeSentence(p, dc)}));
    printFluidsAndTubes(p, dc, console);
    printGasLine(p, dc, console);
    printPropertyBlock(p, shown, console);
}

}  // namespace hx
