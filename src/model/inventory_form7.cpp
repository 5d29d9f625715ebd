// FORM7, the main data form: tube count, temperatures and length with their
// "must be filled" markers, the solve-for buttons, the property block of
// two columns of nine rows, the tube-side gas composition, the twisted-tape
// frame and the form's buttons.
//
// Temperatures are in degC for code 4 and in K for codes 1 and 3. The
// captions below are those of the unit buttons and of MAIN INPUT in fluid
// mode 1; the temperature rows and property rows are re-captioned by the
// fluid mode, the phase change and the wet-gas basis.
#include "model/inventory_tables.h"

namespace hx::inventory {

namespace {

constexpr ControlSpec kForm7[] = {
    // Left block: field, label, marker ("→" while the field must be filled).
    field("EDIT80", "number of tubes (double tube: 1)"),
    captioned("TEXT132", "Number of tubes.(-)", "伝熱管本数（－）"),
    fixed("TEXT147", "", "marker of the tube count"),
    field("EDIT81", "shell inlet temperature (mode 4: shell saturation temperature)"),
    withResource(
        captioned("TEXT127", "Shell side inlet Temp.(K)", "シェル入側温度(K)", "シェル入側温度(℃)"),
        "シェル入側温度（℃）"),
    fixed("TEXT148", "", "marker of the shell inlet temperature"),
    field("EDIT82", "tube inlet temperature (mode 3: tube saturation temperature)"),
    withResource(
        captioned("TEXT128", "Tube side inlet Temp.(K)", "管内入側温度(K)", "伝熱管入側温度(℃)"),
        "伝熱管入側温度（℃）"),
    fixed("TEXT149", "", "marker of the tube inlet temperature"),
    field("EDIT124", "atmospheric dew point of a pressurised wet gas"),
    withResource(
        captioned("TEXT180", "Atom.Sat.Temp.(K)", "大気圧露点温度(K)", "大気圧露点温度(℃)"),
        "大気露点温度（℃）"),
    fixed("TEXT181", "", "marker of the dew point"),
    field("EDIT83", "tube length, mm"),
    captioned("TEXT129", "Tube length.(mm)", "伝熱管長さ（ｍｍ）"),
    fixed("TEXT146", "", "marker of the tube length"),
    field("EDIT85", "shell outlet temperature (evaporation: saturated vapour pressure, kgf/cm2)"),
    withResource(
        captioned("TEXT131", "Shell outlet temp.(K)", "シェル出側温度(K)", "シェル出側温度(℃)"),
        "シェル出側温度（℃）"),
    fixed("TEXT142", "", "marker of the shell outlet temperature"),
    field("EDIT84", "tube outlet temperature (evaporation: surface tension, kgf/m)"),
    withResource(
        captioned("TEXT130", "Tube outlet temp.(K)", "伝熱管出側温度(K)", "伝熱管出側温度(℃)"),
        "伝熱管出側温度（℃）"),
    fixed("TEXT141", "", "marker of the tube outlet temperature"),
    field("EDIT123",
          "tube inlet gas pressure, kg/cm2 or MPa (shell evaporation: "
          "shell liquid inlet temperature)"),
    withResource(captioned("TEXT178", "air pressure in tube(kg/cm2)", "管内気体圧力(MPa)",
                           "管内気体圧力(kg/cm2)"),
                 "管入側気体の圧力（kg/cm2）"),
    fixed("TEXT179", "", "marker of the gas pressure"),

    // Solve-for choice, above the block.
    captioned("RADIO1", "Fix tube length", "伝熱管長さ指定"),
    captioned("RADIO2", "Fix shell outlet temp.", "シェル出側温度指定"),
    captioned("RADIO3", "Fix tube outlet temp.", "伝熱管出側温度指定"),

    // Property block: column headings, the nine row labels (their
    // two-phase captions; single-phase modes re-caption four and empty five),
    // then the tube column and the shell column in the same row order.
    // Engineering units for code 4, SI for codes 1 and 3.
    captioned("TEXT161", "Tube side physical prop.", "管内側物性値"),
    captioned("TEXT162", "Shell side physical prop.", "シェル側物性値"),
    captioned("TEXT152", "Sat.Latent heat(kJ/kg) -----", "  飽和蒸気凝縮潜熱(kJ/kg) --",
              "  飽和蒸気凝縮潜熱(kcal/kg)"),
    captioned("TEXT153", "Density(kg/m3) --------------", "  密　　度 (kg/m3) ----------"),
    captioned("TEXT154", "Specific heat(kJ/kgK) --------", "  比　　熱 (kJ/kgK) ----------",
              "  比　　熱 (kcal/kg℃) -------"),
    captioned("TEXT155", "Kinetic viscocity(m2/s) ----", "  動粘性係数 (m2/s) --------",
              "  動粘性係数 (m2/h) --------"),
    captioned("TEXT156", "Thermal conductivity(W/mK) -", "  熱伝導率 (W/mK) ----------",
              "  熱伝導率 (kcal/mh℃) -----"),
    captioned("TEXT157", "Condensate density(kg/m3) --", "  凝縮液密度 (kg/m3) -------"),
    captioned("TEXT158", "Cond.Specific heat(kJ/kgK) --", "  凝縮液比熱 (kJ/kgK) -------",
              "  凝縮液比熱 (kcal/kg℃) ----"),
    captioned("TEXT159", "Cond.kinetic visc.(m2/s) ---", "  凝縮液動粘性係数 (m2/s) --",
              "  凝縮液動粘性係数 (m2/h) --"),
    captioned("TEXT160", "Cond.thermal conduc.(W/mK) --", "  凝縮液熱伝導率 (W/mK) -----",
              "  凝縮液熱伝導率 (kcal/mh℃)"),
    field("EDIT93", "tube latent heat, kcal/kg or kJ/kg"),
    field("EDIT94", "tube density, kg/m3"),
    field("EDIT95", "tube specific heat, kcal/kg degC or kJ/kgK"),
    field("EDIT96", "tube kinematic viscosity, m2/h or m2/s"),
    field("EDIT97", "tube thermal conductivity, kcal/mh degC or W/mK"),
    field("EDIT98", "tube condensate density, kg/m3"),
    field("EDIT99", "tube condensate specific heat, kcal/kg degC or kJ/kgK"),
    field("EDIT100", "tube condensate kinematic viscosity, m2/h or m2/s"),
    field("EDIT101", "tube condensate thermal conductivity, kcal/mh degC or W/mK"),
    disabled(field("EDIT102", "shell latent heat, kcal/kg or kJ/kg")),
    field("EDIT103", "shell density, kg/m3"),
    field("EDIT104", "shell specific heat, kcal/kg degC or kJ/kgK"),
    field("EDIT105", "shell kinematic viscosity, m2/h or m2/s"),
    field("EDIT106", "shell thermal conductivity, kcal/mh degC or W/mK"),
    field("EDIT107", "shell condensate density, kg/m3"),
    field("EDIT108", "shell condensate specific heat, kcal/kg degC or kJ/kgK"),
    field("EDIT109", "shell condensate kinematic viscosity, m2/h or m2/s"),
    field("EDIT110", "shell condensate thermal conductivity, kcal/mh degC or W/mK"),

    // Composition block. The option-button captions are those of the unit
    // buttons; MAIN INPUT gives them their "(管内)" captions.
    captioned("RADIO6", "Selection of standard air ", "標準空気"),
    captioned("RADIO5", "Standard air mixed with H2O ", "標準空気と水分の混合"),
    captioned("RADIO4", "Input the all components of gases ", "組成入力"),
    disabled(captioned("BUTTON38", "mixed with all components", "全成分と混合")),
    disabled(captioned("BUTTON37", "N2 variable with H2O", "CO2、O2固定、N2と調整")),
    fixed("TEXT144", "", "marker of BUTTON38"),
    fixed("TEXT145", "", "marker of BUTTON37"),
    fixed("TEXT150", "", "marker of CO2"),
    fixed("TEXT133", "ＣＯ２ ： "),
    field("EDIT87", "CO2 content of the tube gas, %", "0.03"),
    fixed("TEXT137", "（％）"),
    fixed("TEXT151", "", "marker of O2"),
    fixed("TEXT134", " Ｏ２  ："),
    field("EDIT88", "O2 content of the tube gas, %", "20.95"),
    fixed("TEXT138", "（％）"),
    fixed("TEXT143", "", "marker of H2O"),
    fixed("TEXT135", "Ｈ２Ｏ ："),
    field("EDIT89", "H2O content of the tube gas, %", "0"),
    fixed("TEXT139", "（％）", "unit label of the H2O percentage"),
    fixed("TEXT136", " Ｎ２  ："),
    field("EDIT90", "N2 content of the tube gas, % (may show the remainder notice)", "79.02"),
    fixed("TEXT140", "（％）"),
    field("EDIT113", "H2O content of the tube gas, kg/kg of dry air"),
    fixed("TEXT164", " (kg/kgda)", "unit label of EDIT113"),
    fixed("TEXT163", " 管内湿り条件の設定"),

    // Twisted-tape frame.
    captioned("GROUP6", "Twisted tape spec.inside of tubes", "管内ねじりテープ仕様"),
    field("EDIT111", "twisted-tape pitch between necks, mm"),
    captioned("TEXT165", "          Twist tape pitch               (neck to neck)",
              " 捻りﾃｰﾌﾟﾋﾟｯﾁ（節間長さ)"),
    field("EDIT112", "twisted-tape thickness, mm"),
    captioned("TEXT166", "     Twist tape thickness", "　　　　   　捻りﾃｰﾌﾟ板厚"),

    // Buttons and the message line.
    fixed("BUTTON39", "RESET"),
    fixed("BUTTON40", "O K"),
    captioned("BUTTON42", "Window close", "ウィンドウ　閉じる"),
    fixed("TEXT177", "", "message line of the checks"),

    codeField("EDIT122", "copy of the solve-for choice read by the form's checks", "1", true),
};

constexpr LabelSpec kForm7Labels[] = {
    {"EDIT111", "(mm)", nullptr},
    {"EDIT112", "(mm)", nullptr},
};

}  // namespace

std::span<const ControlSpec> form7Controls() { return kForm7; }
std::span<const LabelSpec> form7Labels() { return kForm7Labels; }

}  // namespace hx::inventory
