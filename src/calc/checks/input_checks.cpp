#include "calc/checks/input_checks.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "calc/case/read_design_case.h"
#include "calc/checks/entry_checks.h"
#include "console/number_picture.h"
#include "core/option_codes.h"
#include "core/run_ended.h"
#include "core/units.h"

namespace hx {

namespace {

// A message in the two wordings.
struct Message {
    std::string_view japanese;
    std::string_view english;
    std::string_view in(int unitCode) const { return isJapanese(unitCode) ? japanese : english; }
};

// The presence checks, in the order they are made.
constexpr Message kNoFluidMode{"         ｛上表｝流体の選択を行ってください",
                               "         ｛ Upper colums 1 ｝still did not entry "};
constexpr Message kNoTubeMethod{"         ｛上表｝管内側物性値が未登録",
                                "         ｛ Upper colums 2 ｝still did not entry "};
constexpr Message kNoShellMethod{"         ｛上表｝管外側物性値が未登録",
                                 "         ｛ Upper colums 3 ｝still did not entry "};
constexpr Message kNoFlowArrangement{"    ｛ 右表 ｝向流／並流の番号未登録",
                                     "    ｛ Right colums ｝set the flow pattern No.(1 or 2)"};
constexpr Message kNoDI{"    ｛ 右表 ｝伝熱管内径未登録",
                        "    ｛ Right colums ｝set the Tube inside diameter"};
constexpr Message kNoD0{"    ｛ 右表 ｝伝熱管外径未登録",
                        "    ｛ Right colums ｝set the Tube outside diameter"};
constexpr Message kNoPN{"    ｛ 右表 ｝管内側流体ﾊﾟｽ数未登録",
                        "    ｛ Right colums ｝set the Tube side fluid pass number"};
constexpr Message kNoFT{"    ｛ 右表 ｝ﾌｨﾝ肉厚が未登録",
                        "    ｛ Right colums ｝set the Fin thicknes"};
constexpr Message kNoFH{"    ｛ 右表 ｝ﾌｲﾝ高さが未登録", "    ｛ Right colums ｝set the Fin hight"};
constexpr Message kNoFN{"    ｛ 右表 ｝ﾌｲﾝ間隔（山数/吋）未登録",
                        "    ｛ Right colums ｝set the Fin pitch"};
constexpr Message kNoTape{"     ｛ 右表 ｝伝熱促進用管内捻りﾃｰﾌﾟの有無未登録",
                          "     ｛ Right colums ｝set the use of Twistet tape ”or not”"};

constexpr std::string_view kBadTubeMethod = "        管内物性値入力方法は１～４の範囲です。";
constexpr std::string_view kBadShellMethod = "        シェル側物性値入力方法は１～3の範囲です。";
constexpr std::string_view kEqualInlets = "   Illegal setting temperature";
constexpr std::string_view kOutletOutOfOrder = "   Illegal setting of outlet temperature";
constexpr std::string_view kBadSurface = "   管外面形状は　1 or 2 を選択して下さい。";
constexpr std::string_view kSelectionError =
    "       <<<< 設定が間違ってます　→  １ or ２を選択して下さい >>>>";
constexpr std::string_view kBadCutLineCode = "     管群配列の選択";
constexpr std::string_view kBadTubeFluid = "     管内流体の選択";
constexpr std::string_view kBadHeatTransferForm = "     伝熱形態の選択";
constexpr std::string_view kCO2Over = "     CO2 over 100% range !";
constexpr std::string_view kCO2O2Over = "     CO2+O2 over 100% range !";
constexpr std::string_view kCO2O2H2OOver = "     CO2+O2+H2O over 100% range !";
constexpr std::string_view kRuleLine =
    "  =============================================================";

// Entries out of their physical range, each naming its field as the
// field's caption does.
constexpr Message kBadWt{"    ｛ 右表 ｝管内側流量の設定値が不正です",
                         "    ｛ Right colums ｝Illegal setting of Tube side flowrate"};
constexpr Message kBadWs{"    ｛ 右表 ｝ｼｪﾙ側流量の設定値が不正です",
                         "    ｛ Right colums ｝Illegal setting of Shell side flowrate"};
constexpr Message kBadD0{"    ｛ 右表 ｝伝熱管外径の設定値が不正です",
                         "    ｛ Right colums ｝Illegal setting of Tube outside diameter"};
constexpr Message kBadDI{"    ｛ 右表 ｝伝熱管内径の設定値が不正です",
                         "    ｛ Right colums ｝Illegal setting of Tube inside diameter"};
constexpr Message kDIOverD0{
    "    ｛ 右表 ｝伝熱管内径は伝熱管外径より小さく設定して下さい",
    "    ｛ Right colums ｝set the Tube inside diameter below the Tube outside diameter"};
constexpr Message kBadTP{"    ｛ 右表 ｝管ﾋﾟｯﾁ(管外径基準)は１より大きく設定して下さい",
                         "    ｛ Right colums ｝set the Tube pitch(out side base) over 1"};
constexpr Message kBadPN{
    "    ｛ 右表 ｝管内側パス数は１以上の整数を設定して下さい",
    "    ｛ Right colums ｝set the Tube side fluid pass number as a whole number of 1 or more"};
constexpr Message kBadFT{"    ｛ 右表 ｝ﾌｨﾝ肉厚の設定値が不正です",
                         "    ｛ Right colums ｝Illegal setting of Fin thickness"};
constexpr Message kBadFH{"    ｛ 右表 ｝ﾌｨﾝ高さの設定値が不正です",
                         "    ｛ Right colums ｝Illegal setting of Fin hight"};
constexpr Message kBadFN{"    ｛ 右表 ｝ﾌｨﾝ枚数の設定値が不正です",
                         "    ｛ Right colums ｝Illegal setting of Fin number"};
constexpr Message kBadB{"    ｛ 右表 ｝ﾊﾞｯﾌﾙ板(BP)間隔の設定値が不正です",
                        "    ｛ Right colums ｝Illegal setting of Baffle space"};
constexpr Message kBadNT{"    伝熱管本数は１以上の整数を設定して下さい",
                         "    set the Number of tubes as a whole number of 1 or more"};
constexpr Message kBadT1{"    シェル入側温度が絶対零度以下です",
                         "    Shell side inlet Temp. is below absolute zero"};
constexpr Message kBadT3{"    管内入側温度が絶対零度以下です",
                         "    Tube side inlet Temp. is below absolute zero"};
// The tube length check of the main data form, in its one wording.
constexpr std::string_view kBadTL = "  Illegal tube length setting";
constexpr Message kCO2Under{"     CO2 0%未満は設定できません !", "     CO2 under 0% range !"};
constexpr Message kO2Under{"     O2 0%未満は設定できません !", "     O2 under 0% range !"};
constexpr Message kH2OUnder{"     H2O 0%未満は設定できません !", "     H2O under 0% range !"};

// Hand-entered properties: latent heat, density, specific heat, kinematic
// viscosity, conductivity, then those of the condensate.
struct PropertyRow {
    float DesignCase::*tube;
    float DesignCase::*shell;
    Message tubeMessage;
    Message shellMessage;
};
constexpr PropertyRow kLatentHeat{
    &DesignCase::Ltv,
    &DesignCase::Lsv,
    {"    管内側物性値 飽和蒸気凝縮潜熱の設定値が不正です",
     "    Illegal setting of Tube side physical prop. Sat.Latent heat"},
    {"    シェル側物性値 飽和蒸気凝縮潜熱の設定値が不正です",
     "    Illegal setting of Shell side physical prop. Sat.Latent heat"}};
constexpr PropertyRow kSinglePhaseProperties[] = {
    {&DesignCase::Dt,
     &DesignCase::Ds,
     {"    管内側物性値 密度の設定値が不正です",
      "    Illegal setting of Tube side physical prop. Density"},
     {"    シェル側物性値 密度の設定値が不正です",
      "    Illegal setting of Shell side physical prop. Density"}},
    {&DesignCase::Ct,
     &DesignCase::Cs,
     {"    管内側物性値 比熱の設定値が不正です",
      "    Illegal setting of Tube side physical prop. Specific heat"},
     {"    シェル側物性値 比熱の設定値が不正です",
      "    Illegal setting of Shell side physical prop. Specific heat"}},
    {&DesignCase::Vt,
     &DesignCase::Vs,
     {"    管内側物性値 動粘性係数の設定値が不正です",
      "    Illegal setting of Tube side physical prop. Kinetic viscocity"},
     {"    シェル側物性値 動粘性係数の設定値が不正です",
      "    Illegal setting of Shell side physical prop. Kinetic viscocity"}},
    {&DesignCase::Kt,
     &DesignCase::KS,
     {"    管内側物性値 熱伝導率の設定値が不正です",
      "    Illegal setting of Tube side physical prop. Thermal conductivity"},
     {"    シェル側物性値 熱伝導率の設定値が不正です",
      "    Illegal setting of Shell side physical prop. Thermal conductivity"}},
};
constexpr PropertyRow kCondensateProperties[] = {
    {&DesignCase::Dtlv,
     &DesignCase::Dslv,
     {"    管内側物性値 凝縮液密度の設定値が不正です",
      "    Illegal setting of Tube side physical prop. Condensate density"},
     {"    シェル側物性値 凝縮液密度の設定値が不正です",
      "    Illegal setting of Shell side physical prop. Condensate density"}},
    {&DesignCase::Ctlv,
     &DesignCase::Cslv,
     {"    管内側物性値 凝縮液比熱の設定値が不正です",
      "    Illegal setting of Tube side physical prop. Cond.Specific heat"},
     {"    シェル側物性値 凝縮液比熱の設定値が不正です",
      "    Illegal setting of Shell side physical prop. Cond.Specific heat"}},
    {&DesignCase::Vtl,
     &DesignCase::Vsl,
     {"    管内側物性値 凝縮液動粘性係数の設定値が不正です",
      "    Illegal setting of Tube side physical prop. Cond.kinetic visc."},
     {"    シェル側物性値 凝縮液動粘性係数の設定値が不正です",
      "    Illegal setting of Shell side physical prop. Cond.kinetic visc."}},
    {&DesignCase::Ktl,
     &DesignCase::Ksl,
     {"    管内側物性値 凝縮液熱伝導率の設定値が不正です",
      "    Illegal setting of Tube side physical prop. Cond.thermal conduc."},
     {"    シェル側物性値 凝縮液熱伝導率の設定値が不正です",
      "    Illegal setting of Shell side physical prop. Cond.thermal conduc."}},
};

// The message for an entry beyond the float range, naming the field as its
// caption names it; a control without a name is a programming error.
std::string notFiniteMessage(std::string_view control, int unitCode) {
    const std::string_view name = fieldName(control, unitCode);
    if (name.empty()) throw std::logic_error("no field name for control " + std::string(control));
    return "    " + std::string(name) +
           (isJapanese(unitCode) ? "の値が数値の範囲を超えています"
                                 : " is beyond the number range");
}

void clearAndHalt(TextConsole& console, int emptyLines, std::string_view message) {
    console.clear();
    for (int i = 0; i < emptyLines; ++i) console.print("");
    endRun(console, {message});
}

}  // namespace

void checkPresence(const DesignCase& dc, TextConsole& console) {
    const auto failIf = [&](bool missing, const Message& m) {
        if (missing) endRun(console, {m.in(dc.unitCode)});
    };
    failIf(dc.fluidMode == 0, kNoFluidMode);
    failIf(dc.tubeMethod == 0, kNoTubeMethod);
    failIf(dc.shellMethod == 0, kNoShellMethod);
    failIf(dc.fluidMode == kSensible && dc.flowArrangement == 0, kNoFlowArrangement);
    failIf(dc.DI == 0.0f, kNoDI);
    failIf(dc.D0 == 0.0f, kNoD0);
    failIf(dc.PN == 0.0f, kNoPN);
    if (dc.tubeSurface == kLowFinTube) {
        failIf(dc.FT == 0.0f, kNoFT);
        failIf(dc.FH == 0.0f, kNoFH);
        failIf(dc.FN == 0.0f, kNoFN);
    }
    failIf(dc.twistedTape == 0, kNoTape);
}

void checkEnteredValues(const DesignCase& dc, bool doubleTube, TextConsole& console) {
    const auto failIf = [&](bool bad, const Message& m) {
        if (bad) endRun(console, {m.in(dc.unitCode)});
    };
    // Strictly positive and finite; written so that a NaN fails too.
    const auto positive = [](float v) { return v > 0.0f && std::isfinite(v); };
    const auto wholeCount = [](float v) {
        return v >= 1.0f && std::isfinite(v) && v == std::floor(v);
    };
    failIf(!positive(dc.Wt), kBadWt);
    failIf(!positive(dc.Ws), kBadWs);
    failIf(!positive(dc.D0), kBadD0);
    failIf(!positive(dc.DI), kBadDI);
    failIf(!(dc.DI < dc.D0), kDIOverD0);
    if (doubleTube) {
        // The pitch field holds the outer tube's diameter (mm); the fit of
        // the inner tube is checked once the surface is known.
        failIf(!positive(dc.TP), kBadTP);
    } else {
        failIf(!(dc.TP > 1.0f && std::isfinite(dc.TP)), kBadTP);
        failIf(!positive(dc.B), kBadB);
        failIf(!wholeCount(dc.NT), kBadNT);
    }
    failIf(!wholeCount(dc.PN), kBadPN);
    if (dc.tubeSurface == kLowFinTube) {
        failIf(!positive(dc.FT), kBadFT);
        failIf(!positive(dc.FH), kBadFH);
        failIf(!positive(dc.FN), kBadFN);
    }

    // Temperatures as entered: K for the SI codes, ℃ otherwise. The wet gas
    // enters the tubes at a temperature found from its humidity.
    const float absoluteZero = isSI(dc.unitCode) ? 0.0f : -units::kKelvinOffset;
    const auto aboveZero = [&](float t) { return t > absoluteZero && std::isfinite(t); };
    failIf(!aboveZero(dc.T1), kBadT1);
    if (dc.fluidMode != kTubeWetGas) failIf(!aboveZero(dc.T3), kBadT3);

    // The length, when it is given.
    const bool lengthGiven = dc.fluidMode != kSensible || dc.solveFor == kLengthGiven;
    if (lengthGiven && !positive(dc.TL)) endRun(console, {kBadTL});

    // Hand-entered properties of a side entered by hand or changing phase.
    const bool tubeByHand = dc.tubeMethod == kLiquidByHand || dc.tubeMethod == kGasByHand;
    const bool shellByHand = dc.shellMethod == kLiquidByHand || dc.shellMethod == kGasByHand;
    const bool tubeTwoPhase = dc.fluidMode == kTubePhaseChange;
    const bool shellTwoPhase = dc.fluidMode == kShellPhaseChange;
    for (const PropertyRow& row : kSinglePhaseProperties) {
        if (tubeByHand || tubeTwoPhase) failIf(!positive(dc.*row.tube), row.tubeMessage);
        if (shellByHand || shellTwoPhase) failIf(!positive(dc.*row.shell), row.shellMessage);
    }
    if (tubeTwoPhase) failIf(!positive(dc.*kLatentHeat.tube), kLatentHeat.tubeMessage);
    if (shellTwoPhase) failIf(!positive(dc.*kLatentHeat.shell), kLatentHeat.shellMessage);
    for (const PropertyRow& row : kCondensateProperties) {
        if (tubeTwoPhase) failIf(!positive(dc.*row.tube), row.tubeMessage);
        if (shellTwoPhase) failIf(!positive(dc.*row.shell), row.shellMessage);
    }

    // Gas components as entered (their sums are checked with the balance).
    const bool tubeGasByCorrelation = dc.tubeMethod == kGasCorrelation;
    if (tubeGasByCorrelation && dc.gasComposition == kAllComponents) {
        failIf(!(dc.CO2 >= 0.0f), kCO2Under);
        failIf(!(dc.O2 >= 0.0f), kO2Under);
    }
    if (tubeGasByCorrelation && dc.gasComposition != kStandardAir) {
        const float water = dc.waterContentUnit == kKgPerKgDryGas ? dc.waterContent : dc.H2O;
        failIf(!(water >= 0.0f), kH2OUnder);
    }

    // Every other entry: finite.
    for (const CaseField& f : designCaseFields()) {
        const bool finite = f.code || (f.quantity && std::isfinite(dc.*f.quantity)) ||
                            (f.weight && std::isfinite(dc.weight.*f.weight));
        if (!finite) endRun(console, notFiniteMessage(f.control, dc.unitCode));
    }
}

bool decodePropertyMethods(DesignCase& dc, TextConsole& console) {
    bool known = false;
    if (dc.fluidMode != kTubeWetGas) {
        switch (dc.tubeMethod) {
            case kLiquidByHand:
            case kWaterCorrelation: dc.tubePhase = TubePhase::Liquid; break;
            case kGasByHand:
            case kGasCorrelation: dc.tubePhase = TubePhase::Gas; break;
            default: endRun(console, {kBadTubeMethod});
        }
        known = true;
        if (dc.shellMethod < kLiquidByHand || dc.shellMethod > kWaterCorrelation) {
            endRun(console, {kBadShellMethod});
        }
    } else if (dc.tubeMethod == kGasCorrelation) {
        dc.tubePhase = TubePhase::Gas;
        known = true;
    }
    return known;
}

void checkTemperatureOrder(int fluidMode, int solveFor, float T1, float T2, float T3, float T4,
                           TextConsole& console) {
    if (fluidMode != kSensible) return;
    float outlet = 0.0f;
    if (solveFor == kTubeOutletGiven) {
        outlet = T4;
    } else if (solveFor == kShellOutletGiven) {
        outlet = T2;
    } else {
        return;
    }
    if (T3 == T1) clearAndHalt(console, 3, kEqualInlets);
    const float low = T3 < T1 ? T3 : T1;
    const float high = T3 < T1 ? T1 : T3;
    if (!(low < outlet && outlet < high)) clearAndHalt(console, 3, kOutletOutOfOrder);
}

void checkTubeSurface(int tubeSurface, TextConsole& console) {
    if (tubeSurface != kPlainTube && tubeSurface != kLowFinTube) endRun(console, {kBadSurface});
}

void checkCutLineCode(int cutLineTubesCode, TextConsole& console) {
    if (cutLineTubesCode != kNoCutLineTubes && cutLineTubesCode != kCutLineTubes) {
        endRun(console, {kBadCutLineCode, kSelectionError});
    }
}

HeatTransferPath chooseHeatTransferPath(bool tubePhaseKnown, TubePhase phase, int fluidMode,
                                        TextConsole& console) {
    if (!tubePhaseKnown) endRun(console, {kBadTubeFluid, kSelectionError});
    if (phase == TubePhase::Gas && fluidMode == kTubeWetGas) return HeatTransferPath::WetGas;
    const bool ordinaryMode =
        fluidMode == kSensible || fluidMode == kTubePhaseChange || fluidMode == kShellPhaseChange;
    if (phase == TubePhase::Liquid || ordinaryMode) return HeatTransferPath::Ordinary;
    endRun(console, {kBadHeatTransferForm, kSelectionError});
}

void checkCompositionLimits(float CO2, float O2, float H2O, TextConsole& console) {
    if (CO2 > 100.0f) clearAndHalt(console, 4, kCO2Over);
    if (CO2 + O2 > 100.0f) clearAndHalt(console, 4, kCO2O2Over);
    if (CO2 + O2 + H2O > 100.0f) clearAndHalt(console, 4, kCO2O2H2OOver);
}

void checkDoubleTubeFit(bool lowFin, float D0, float FH, float DS, int unitCode,
                        TextConsole& console) {
    const float limit = lowFin ? D0 + FH : D0;  // m
    if (limit < DS) return;
    const std::string mm = freeNumber(limit * 1000.0f);
    std::string line;
    if (isJapanese(unitCode)) {
        line = std::string(lowFin ? "   !!  (" : "    !! (") + mm + "＜DS)に設定して下さい。";
        if (!lowFin) line += "    DS=" + freeNumber(DS);
    } else {
        line =
            std::string(lowFin ? "    !! DS must be set(" : "   !! DS must be set(") + mm + "＜DS)";
    }
    endRun(console, {line});
}

void checkWaterTemperature(float enteredT, int unitCode, std::string_view name,
                           TextConsole& console) {
    const bool si = isSI(unitCode);
    const float low = si ? 273.0f : 0.0f;  // K or ℃
    const float high = si ? 440.0f : 160.0f;
    if (low < enteredT && enteredT < high) return;
    const std::string line = si ? "     set the temperature(K) 273<" + std::string(name) + "<440"
                                : "     set the temperature(℃) 0<" + std::string(name) + "<160";
    endRun(console, {line});
}

void checkShellEvaporationGeometry(bool doubleTube, int fluidMode, int phaseChange, int unitCode,
                                   TextConsole& console) {
    constexpr Message kLine1{
        "    二重管の環状部（シェル側）の蒸発は計算できません。",
        "    Shell side evaporation in a double tube (annulus) cannot be calculated:"};
    constexpr Message kLine2{
        "    シェル側沸騰の相関式は管群のものです。シェル＆チューブ式で計算して下さい。",
        "    the shell side boiling correlation is one of a tube bundle."};
    if (!doubleTube || fluidMode != kShellPhaseChange || phaseChange != kEvaporation) return;
    endRun(console, {kLine1.in(unitCode), kLine2.in(unitCode)});
}

void checkTapeLeavesFlowArea(float tapeThickness, float DI, int unitCode, TextConsole& console) {
    constexpr Message kNoFlowArea{
        "    捻りﾃｰﾌﾟ板厚が管内の流路を塞ぎます。板厚を管内径の0.785倍未満にして下さい",
        "    Twist tape thickness leaves no flow area: set it below 0.785 x tube inside diameter"};
    // The tape across the bore takes thickness × DI of the 0.785·DI² section.
    if (tapeThickness * DI < 0.785f * DI * DI) return;
    endRun(console, kNoFlowArea.in(unitCode));
}

void checkCoolantColder(float T1, float T3, int unitCode, TextConsole& console) {
    constexpr std::string_view kTemperatureMessage = "  Illegal temperature setting";
    constexpr Message kCoolantNotColder{
        "    シェル入側温度は管内湿り気体の入側温度より低く設定して下さい",
        "    set the Shell side inlet Temp. below the wet gas inlet Temp."};
    if (T1 < T3) return;
    endRun(console, {kTemperatureMessage, kCoolantNotColder.in(unitCode)});
}

// ---------------------------------------------------------------------------

namespace {
constexpr float kMolarCO2 = 44.01f;  // kg/kmol
constexpr float kMolarO2 = 31.999f;
constexpr float kMolarN2 = 28.013f;
constexpr float kMolarH2O = 18.0153f;
constexpr float kMolarVolume = 22.4f;  // Nm3/kmol
constexpr float kAirMAW = 0.622f;      // textbook molar mass ratio water/air
}  // namespace

HumidityResult humiditySetup(const TubeGas& gas, bool absoluteEntered, float X) {
    HumidityResult h;
    h.xH2O = gas.xH2O;
    // Dry molar mass: N2 with the entered CO2 and O2.
    const float Md =
        kMolarN2 * (1.0f - gas.xO2 - gas.xCO2) + kMolarCO2 * gas.xCO2 + kMolarO2 * gas.xO2;
    float r = kAirMAW;  // first estimate of MAW
    float band = 1.0f;
    for (int n = 1;; ++n) {
        if (absoluteEntered) {
            h.Xi = X;
            h.xH2O = X / (X + r);  // mole fraction from the absolute humidity
        }
        h.M = kMolarCO2 * gas.xCO2 + kMolarO2 * gas.xO2 + kMolarN2 * gas.xN2 + kMolarH2O * h.xH2O;
        h.Density = h.M / kMolarVolume;
        h.MAW = kMolarH2O / Md;
        if (!absoluteEntered) {
            h.Xi = h.MAW * h.xH2O / (1.0f - h.xH2O);
            return h;
        }
        if (std::fabs(h.MAW - r) < 0.0001f * band) return h;
        if (n > 100) band *= 5.0f;  // widen the band rather than loop for ever
        r = (r + h.MAW) / 2.0f;
    }
}

TubeGas nitrogenBalance(const TubeGas& gas) {
    TubeGas g = gas;
    g.N2 = 100.0f - g.CO2 - g.O2 - g.H2O;
    g.xN2 = g.N2 / 100.0f;
    g.xCO2 = g.CO2 / 100.0f;
    g.xO2 = g.O2 / 100.0f;
    return g;
}

TubeGas averageMixture(const TubeGas& gas) {
    TubeGas g = gas;
    g.N2 = 100.0f - g.CO2 - g.O2;  // dry basis
    g.xH2O = g.H2O / 100.0f;
    g.xN2 = g.N2 * (1.0f - g.xH2O) / 100.0f;
    g.xCO2 = g.CO2 * (1.0f - g.xH2O) / 100.0f;
    g.xO2 = g.O2 * (1.0f - g.xH2O) / 100.0f;
    g.H2O = 100.0f * g.xH2O;
    g.N2 = 100.0f * g.xN2;
    g.CO2 = 100.0f * g.xCO2;
    g.O2 = 100.0f * g.xO2;
    return g;
}

void printComposition(TextConsole& console, std::string_view title, const TubeGas& gas) {
    console.print(title);
    console.print(kRuleLine);
    console.print("    CO2(%)=" + freeNumber(gas.CO2) + "  N2(%)=" + freeNumber(gas.N2) +
                  "  O2(%)=" + freeNumber(gas.O2) + "  H2O(%)=" + freeNumber(gas.H2O));
    console.print(kRuleLine);
}

float gasSaturationTemperature(float X) {
    const float Pw = X * 1.033f / (kAirMAW + X);  // kg/cm2
    if (!(Pw > 0.0f)) return -226.18f;
    return 3795.53f / (11.6693f - std::log(Pw)) - 226.18f;
}

}  // namespace hx
