#include "model/field_catalogue.h"

#include <algorithm>
#include <cstdio>
#include <unordered_map>

#include "core/lenient_number.h"

namespace hx {

namespace {

constexpr float kBig = 1.0e9f;

// clang-format off
constexpr ChoiceOption kUnitSystem[] = {
    {"english_si", "1", "FORM6.BUTTON32", "English, SI units (K, W, MPa)", "英語・SI 単位 (K, W, MPa)"},
    {"japanese_si", "3", "FORM6.BUTTON34", "Japanese, SI units (K, W, MPa)", "日本語・SI 単位 (K, W, MPa)"},
    {"japanese_engineering", "4", "FORM6.BUTTON33", "Japanese, engineering units (℃, kcal, kgf/cm2)", "日本語・旧工学単位 (℃, kcal, kgf/cm2)"},
};
constexpr ChoiceOption kExchangerType[] = {
    {"shell_and_tube", "1", "MAINFORM.RADIO7", "shell-and-tube", "シェル＆チューブ式"},
    {"double_tube", "2", "MAINFORM.RADIO8", "double tube (annulus)", "二重管式"},
};
constexpr ChoiceOption kFluidMode[] = {
    {"sensible", "1", "MAINFORM.BUTTON4", "sensible heat on both sides", "両流体相変化無し(顕熱)"},
    {"wet_gas", "2", "MAINFORM.BUTTON2", "wet gas in the tubes (dehumidifying)", "管内側湿り気体(除湿)"},
    {"tube_phase_change", "3", "MAINFORM.BUTTON22", "condensation or evaporation in the tubes", "管内凝縮／蒸発"},
    {"shell_phase_change", "4", "MAINFORM.BUTTON28", "condensation or evaporation on the shell side", "シェル側凝縮／蒸発"},
};
constexpr ChoiceOption kWetGasBasis[] = {
    {"gas_pressure", "1", "FORM10.RADIO16", "saturation at the gas pressure (pressurised gas)", "加圧気体飽和温度"},
    {"one_atm", "2", "FORM10.RADIO17", "saturation at 1 atm", "大気圧飽和温度"},
};
constexpr ChoiceOption kTubeProperties[] = {
    {"liquid_by_hand", "1", "MAINFORM.BUTTON12", "liquid, properties typed in", "液体の物性：手動入力"},
    {"gas_by_hand", "2", "MAINFORM.BUTTON16", "gas or saturated vapour, properties typed in", "気体の物性：手動入力"},
    {"water", "3", "MAINFORM.BUTTON14", "water by correlation", "水の物性：相関式"},
    {"gas", "4", "MAINFORM.BUTTON15", "gas mixture by correlation", "気体の物性：相関式"},
};
constexpr ChoiceOption kShellProperties[] = {
    {"liquid_by_hand", "1", "MAINFORM.BUTTON17", "liquid, properties typed in", "液体の物性：手動入力"},
    {"gas_by_hand", "2", "MAINFORM.BUTTON18", "gas or saturated vapour, properties typed in", "気体の物性：手動入力"},
    {"water", "3", "MAINFORM.BUTTON19", "water by correlation", "水の物性：相関式"},
};
constexpr ChoiceOption kPhaseChange[] = {
    {"condensation", "1", "FORM9.RADIO14", "condensation", "凝縮"},
    {"evaporation", "2", "FORM9.RADIO15", "evaporation", "蒸発"},
};
constexpr ChoiceOption kTubeSurface[] = {
    {"plain", "1", "MAINFORM.BUTTON6", "plain tubes", "裸管"},
    {"low_fin", "2", "MAINFORM.BUTTON7", "low-fin tubes", "ローフィン管"},
};
constexpr ChoiceOption kTwistedTape[] = {
    {"used", "1", "MAINFORM.BUTTON30", "twisted-tape inserts", "ねじりテープ挿入"},
    {"not_used", "2", "MAINFORM.BUTTON31", "no inserts", "ねじりテープ無し"},
};
constexpr ChoiceOption kFlowArrangement[] = {
    {"counter_current", "1", "MAINFORM.BUTTON26", "counter-current cross flow", "向流クロス"},
    {"parallel", "2", "MAINFORM.BUTTON27", "parallel cross flow", "並流クロス"},
};
constexpr ChoiceOption kSolveFor[] = {
    {"tube_length_given", "1", "FORM7.RADIO1", "tube length given; outlets found", "伝熱管長さ指定"},
    {"shell_outlet_given", "2", "FORM7.RADIO2", "shell outlet temperature given; length found", "シェル出側温度指定"},
    {"tube_outlet_given", "3", "FORM7.RADIO3", "tube outlet temperature given; length found", "伝熱管出側温度指定"},
};
constexpr ChoiceOption kGasComposition[] = {
    {"components", "4", "FORM7.RADIO4", "CO2, O2, H2O and N2 entered", "組成入力 CO2,O2,H2O,N2"},
    {"air_with_h2o", "5", "FORM7.RADIO5", "standard air mixed with H2O", "標準空気と水分の混合"},
    {"standard_air", "6", "FORM7.RADIO6", "standard air", "標準空気"},
};
constexpr ChoiceOption kCompositionAdjustment[] = {
    {"n2_adjusted", "1", "FORM7.BUTTON37", "CO2 and O2 fixed, N2 adjusted with H2O", "CO2、O2固定、N2と調整"},
    {"all_mixed", "2", "FORM7.BUTTON38", "mixed with all components", "全成分と混合"},
};
constexpr ChoiceOption kCalculationBasis[] = {
    {"original", "1", "FORM8.RADIO20", "the program's original method", "従来方式"},
    {"textbook", "2", "FORM8.RADIO21", "textbook correlations: Bell-Delaware shell side, Gnielinski tube side, Manglik-Bergles twisted tape, Shah-London and Gnielinski annulus, Nusselt-Kern, Akers-Deans-Crosser and Gungor-Winterton phase change, return and nozzle losses; 1-2N shell for even passes", "教科書ベル・デラウェア法"},
};
constexpr ChoiceOption kWaterContentUnit[] = {
    {"percent", "1", nullptr, "H2O content in percent", "水分 %"},
    {"kg_per_kg", "2", nullptr, "H2O content in kg/kg of dry gas", "水分 kg/kg"},
};
constexpr ChoiceOption kCutLineTubes[] = {
    {"no", "1", nullptr, "no tubes on the baffle cut line", "バッフルカット線上に管無し"},
    {"yes", "2", nullptr, "tubes on the baffle cut line (the run asks the window counts)", "バッフルカット線上に管有り"},
};
constexpr ChoiceOption kCoefficientSetting[] = {
    {"formula", "1", "FORM8.RADIO9", "film coefficients by formula", "計算式指定"},
    {"by_hand", "2", "FORM8.RADIO10", "film coefficients typed in", "マニュアル指定"},
};
constexpr ChoiceOption kManualSide[] = {
    {"tube", "1", "FORM8.RADIO11", "tube side typed in", "管内側"},
    {"shell", "2", "FORM8.RADIO12", "shell side typed in", "管外側"},
    {"both", "3", "FORM8.RADIO13", "both sides typed in", "管内、管外側"},
};
constexpr ChoiceOption kWeightCalculation[] = {
    {"on", "1", "MAINFORM.RADIO18", "steel weight estimated", "重量計算 ON"},
    {"off", "2", "MAINFORM.RADIO19", "no weight estimate", "重量計算 OFF"},
};

constexpr ChoiceOption kHeadType[] = {
    {"fixed_or_u_tube", "1", nullptr, "fixed tube sheets or U-tubes", "固定管板／U字管"},
    {"split_ring", "2", nullptr, "split-ring floating head", "スプリットリング遊動頭"},
    {"pull_through", "3", nullptr, "pull-through floating head", "プルスルー遊動頭"},
};
constexpr ChoiceOption kTubeCount[] = {
    {"as_entered", "1", nullptr, "tube count as entered", "管本数は入力値"},
    {"from_layout", "2", nullptr, "tubes counted inside the outer tube limit", "管本数を配列から算出"},
};

constexpr CatalogueField choice(const char* key, const char* form, const char* control,
                                const char* english, const char* japanese,
                                std::span<const ChoiceOption> options) {
    return CatalogueField{key, form, control, "", "", "", 0.0f, 0.0f, 0.0f, 0.0f,
                          english, japanese, Applies::Always, options};
}

// A number in the same unit in both systems.
constexpr CatalogueField number(const char* key, const char* form, const char* control,
                                const char* symbol, const char* unit, float min, float max,
                                const char* english, const char* japanese,
                                Applies applies = Applies::Always) {
    return CatalogueField{key, form, control, symbol, unit, unit, min, max, min, max,
                          english, japanese, applies, {}};
}

// A number whose unit differs between the SI and the engineering codes.
constexpr CatalogueField twoUnits(const char* key, const char* form, const char* control,
                                  const char* symbol, const char* si, const char* engineering,
                                  float minSI, float maxSI, float minEng, float maxEng,
                                  const char* english, const char* japanese,
                                  Applies applies = Applies::Always) {
    return CatalogueField{key, form, control, symbol, si, engineering, minSI, maxSI, minEng,
                          maxEng, english, japanese, applies, {}};
}

// Temperatures are typed in K under the SI codes and in ℃ under code 4.
constexpr CatalogueField temperature(const char* key, const char* form, const char* control,
                                     const char* symbol, const char* english,
                                     const char* japanese, Applies applies = Applies::Always) {
    return twoUnits(key, form, control, symbol, "K", "℃", 0.0f, 2000.0f, -273.0f, 1727.0f,
                    english, japanese, applies);
}

// An entry of the bundle as specified or a nozzle bore: optional in a case
// file, blank (derived, or no nozzle loss) when left out.
constexpr CatalogueField optionalChoice(CatalogueField f) {
    f.optional = true;
    return f;
}
constexpr CatalogueField optionalNumber(CatalogueField f) { return optionalChoice(f); }
constexpr CatalogueField bundleEntry(const char* key, const char* control, const char* symbol,
                                     const char* unit, float max, const char* english,
                                     const char* japanese) {
    CatalogueField f = number(key, "FORM8", control, symbol, unit, 0.0f, max, english, japanese,
                              Applies::ShellAndTube);
    f.optional = true;
    return f;
}

constexpr const char* M = "MAINFORM";
constexpr const char* D = "FORM7";

constexpr CatalogueField kCatalogue[] = {
    // Choices, in the order the dialogs take them.
    choice("unit_system", M, "EDIT74", "Unit system and language", "単位系と言語", kUnitSystem),
    choice("exchanger_type", M, "EDIT114", "Exchanger type", "熱交換器の形式", kExchangerType),
    choice("fluid_mode", M, "EDIT39", "Heat-transfer mode", "流体条件", kFluidMode),
    choice("wet_gas_basis", "FORM10", "EDIT125", "Saturation basis of a wet gas", "湿り気体の飽和基準", kWetGasBasis),
    choice("tube_properties", M, "EDIT40", "Tube-side property method", "管内側物性の与え方", kTubeProperties),
    choice("shell_properties", M, "EDIT41", "Shell-side property method", "シェル側物性の与え方", kShellProperties),
    choice("phase_change", "FORM9", "EDIT121", "Phase change", "相変化の形態", kPhaseChange),
    choice("tube_surface", M, "EDIT25", "Tube surface", "伝熱管の表面", kTubeSurface),
    choice("twisted_tape", M, "EDIT73", "Twisted-tape inserts", "管内ねじりテープ", kTwistedTape),
    choice("flow_arrangement", M, "EDIT53", "Flow arrangement", "流れ方式", kFlowArrangement),
    choice("solve_for", M, "EDIT86", "Quantity given (the others are found)", "指定する量", kSolveFor),
    choice("gas_composition", M, "EDIT91", "Tube gas composition", "管内気体組成", kGasComposition),
    choice("composition_adjustment", M, "EDIT92", "Composition adjustment", "組成の調整", kCompositionAdjustment),
    choice("water_content_unit", M, "EDIT22", "H2O content unit of a wet gas", "水分湿り単位", kWaterContentUnit),
    choice("tubes_on_cut_line", M, "EDIT29", "Tubes on the baffle cut line", "バッフルカット線上の管", kCutLineTubes),
    choice("coefficient_setting", "FORM8", "EDIT117", "Film coefficients", "熱伝達率の設定", kCoefficientSetting),
    choice("manual_side", "FORM8", "EDIT118", "Side whose coefficient is typed in", "熱伝達率を手入力する側", kManualSide),
    choice("calculation_basis", "FORM8", "EDIT157", "Calculation basis", "計算基準", kCalculationBasis),
    optionalChoice(choice("head_type", "FORM8", "EDIT166", "Bundle head type (textbook basis; the bundle-to-shell clearance of a blank outer tube limit)", "ヘッド形式(教科書法)", kHeadType)),
    optionalChoice(choice("tube_count_method", "FORM8", "EDIT167", "Tube count as entered or counted from the layout (textbook basis)", "管本数の与え方(教科書法)", kTubeCount)),
    choice("weight_calculation", M, "EDIT139", "Weight estimate", "重量計算", kWeightCalculation),

    // Streams and the geometry column of the main window.
    number("tube_flow_t_h", M, "EDIT75", "Wt", "t/h", 0.0f, kBig, "Tube-side mass flow", "管内側流量", Applies::ShellAndTube),
    number("tube_flow_kg_h", M, "EDIT75", "Wt", "kg/h", 0.0f, kBig, "Tube-side mass flow (inner tube)", "管内側流量(内管)", Applies::DoubleTube),
    number("shell_flow_t_h", M, "EDIT76", "Ws", "t/h", 0.0f, kBig, "Shell-side mass flow", "シェル側流量", Applies::ShellAndTube),
    number("shell_flow_kg_h", M, "EDIT76", "Ws", "kg/h", 0.0f, kBig, "Annulus mass flow", "シェル側流量(環状部)", Applies::DoubleTube),
    number("condensate_film_thickness_mm", M, "EDIT28", "", "mm", 0.0f, 100.0f, "Condensate film thickness of a wet gas", "湿り凝縮液膜厚さ"),
    number("tube_outside_diameter_mm", M, "EDIT2", "D0", "mm", 0.0f, 10000.0f, "Tube outside diameter (double tube: inner tube)", "伝熱管外径(二重管: 内管)"),
    number("tube_inside_diameter_mm", M, "EDIT1", "DI", "mm", 0.0f, 10000.0f, "Tube inside diameter (double tube: inner tube)", "伝熱管内径(二重管: 内管)"),
    number("tube_pitch_ratio", M, "EDIT3", "TP", "-", 0.0f, 100.0f, "Tube pitch over outside diameter", "管ピッチ(管外径基準)", Applies::ShellAndTube),
    number("outer_tube_diameter_mm", M, "EDIT3", "", "mm", 0.0f, 10000.0f, "Inside diameter of the outer tube", "外管の内径", Applies::DoubleTube),
    number("fin_thickness_mm", M, "EDIT4", "FT", "mm", 0.0f, 100.0f, "Fin thickness of low-fin tubes", "フィン肉厚"),
    number("fin_height_mm", M, "EDIT5", "FH", "mm", 0.0f, 100.0f, "Fin height of low-fin tubes", "フィン高さ"),
    number("fins_per_inch", M, "EDIT6", "FN", "1/in", 0.0f, 1000.0f, "Fins per inch of low-fin tubes", "フィン数(1インチ当り)"),
    twoUnits("fin_conductivity", M, "EDIT16", "FM", "W/mK", "kcal/mh℃", 0.0f, 10000.0f, 0.0f, 10000.0f, "Fin thermal conductivity", "フィンの熱伝導率"),
    twoUnits("tube_wall_conductivity", M, "EDIT15", "CM", "W/mK", "kcal/mh℃", 0.0f, 10000.0f, 0.0f, 10000.0f, "Tube wall thermal conductivity", "伝熱管の熱伝導率"),
    twoUnits("tube_fouling", M, "EDIT17", "Ft", "m2K/W", "m2h℃/kcal", 0.0f, 1.0f, 0.0f, 1.0f, "Tube-side fouling factor", "管内側汚れ係数"),
    twoUnits("shell_fouling", M, "EDIT18", "Fs", "m2K/W", "m2h℃/kcal", 0.0f, 1.0f, 0.0f, 1.0f, "Shell-side fouling factor", "シェル側汚れ係数"),
    number("tube_passes", M, "EDIT19", "PN", "-", 0.0f, 100.0f, "Tube-side passes", "管内側パス数"),
    number("baffle_spacing_mm", M, "EDIT45", "B", "mm", 0.0f, 100000.0f, "Baffle spacing", "バッフル間隔"),
    number("baffle_cut", M, "EDIT46", "", "-", 0.0f, 1.0f, "Baffle cut level from the shell centre, fraction of the radius", "バッフルカット高さ(半径比)"),
    number("cut_line_tube_count", M, "EDIT47", "", "-", 0.0f, 100000.0f, "Tubes on the baffle cut line", "カット線上の管本数"),
    number("baffle_edge_angle_deg", M, "EDIT48", "", "deg", 0.0f, 360.0f, "Opening angle of the baffle edge seen from a tube centre", "バッフル端の開き角"),
    number("shell_baffle_gap_mm", M, "EDIT49", "", "mm", 0.0f, 1000.0f, "Gap between shell and baffle diameters", "シェルとバッフルの隙間"),
    number("shell_bundle_gap_mm", M, "EDIT50", "", "mm", 0.0f, 1000.0f, "Gap between shell and tube bundle", "シェルと管束の隙間"),
    number("baffle_hole_gap_mm", M, "EDIT51", "", "mm", 0.0f, 1000.0f, "Gap between baffle hole and tube", "バッフル穴と管の隙間"),
    number("sealing_strips", M, "EDIT52", "", "-", 0.0f, 1000.0f, "Bypass sealing strips", "バイパス防止板の数"),

    // Weight panel.
    number("tube_sheet_thickness_mm", M, "EDIT150", "", "mm", 0.0f, 10000.0f, "Tube-sheet thickness", "管板の肉厚"),
    number("tube_sheet_density_kg_m3", M, "EDIT127", "", "kg/m3", 0.0f, 100000.0f, "Tube-sheet density", "管板の密度"),
    number("tube_sheet_diameter_mm", M, "EDIT128", "", "mm", 0.0f, 100000.0f, "Tube-sheet outside diameter", "管板の外径"),
    number("tube_sheet_count", M, "EDIT156", "", "-", 0.0f, 1000.0f, "Number of tube sheets", "管板の数量"),
    number("shell_wall_thickness_mm", M, "EDIT129", "", "mm", 0.0f, 10000.0f, "Shell wall thickness", "シェルの肉厚"),
    number("shell_steel_density_kg_m3", M, "EDIT130", "", "kg/m3", 0.0f, 100000.0f, "Shell material density", "シェルの密度"),
    number("baffle_thickness_mm", M, "EDIT131", "", "mm", 0.0f, 10000.0f, "Baffle thickness", "バッフルの肉厚"),
    number("baffle_density_kg_m3", M, "EDIT132", "", "kg/m3", 0.0f, 100000.0f, "Baffle material density", "バッフルの密度"),
    number("baffle_count", M, "EDIT126", "", "-", 0.0f, 100000.0f, "Number of baffles", "バッフルの数量"),
    number("tube_steel_density_kg_m3", M, "EDIT133", "", "kg/m3", 0.0f, 100000.0f, "Tube material density", "伝熱管の密度"),
    number("other_weight_kg", M, "EDIT149", "", "kg", 0.0f, kBig, "Other weight", "その他重量"),

    // Main data form: duty.
    number("tube_count", D, "EDIT80", "NT", "-", 0.0f, 1000000.0f, "Number of tubes (double tube: 1)", "伝熱管本数(二重管: 1)"),
    temperature("shell_inlet_temperature", D, "EDIT81", "T1", "Shell inlet temperature (shell-side phase change: saturation temperature)", "シェル入側温度(シェル側相変化: 飽和温度)"),
    temperature("tube_inlet_temperature", D, "EDIT82", "T3", "Tube inlet temperature (tube-side phase change: saturation temperature)", "管内入側温度(管内相変化: 飽和温度)"),
    temperature("dew_point_temperature", D, "EDIT124", "Ta", "Atmospheric dew point of a pressurised wet gas", "大気圧露点温度"),
    number("tube_length_mm", D, "EDIT83", "TL", "mm", 0.0f, 1.0e7f, "Tube length", "伝熱管長さ"),
    temperature("shell_outlet_temperature", D, "EDIT85", "T2", "Shell outlet temperature", "シェル出側温度", Applies::NotShellEvaporation),
    number("saturated_vapour_pressure_kgf_cm2", D, "EDIT85", "Ps", "kgf/cm2", 0.0f, 10000.0f, "Saturated vapour pressure of the evaporating shell side", "飽和蒸気圧力", Applies::ShellEvaporation),
    temperature("tube_outlet_temperature", D, "EDIT84", "T4", "Tube outlet temperature", "伝熱管出側温度", Applies::NotEvaporation),
    number("surface_tension_kgf_m", D, "EDIT84", "σ", "kgf/m", 0.0f, 10.0f, "Surface tension of the evaporating liquid", "蒸発液の表面張力", Applies::Evaporation),
    twoUnits("tube_gas_pressure", D, "EDIT123", "Pt", "MPa", "kg/cm2", 0.0f, 1000.0f, 0.0f, 10000.0f, "Tube inlet gas pressure of a pressurised wet gas", "管内気体圧力", Applies::NotShellEvaporation),
    temperature("shell_liquid_inlet_temperature", D, "EDIT123", "", "Inlet temperature of the evaporating shell liquid", "シェル入側液温度", Applies::ShellEvaporation),

    // Main data form: tube gas composition and twisted tape.
    number("co2_percent", D, "EDIT87", "CO2", "%", 0.0f, 100.0f, "CO2 content of the tube gas", "管内気体の CO2"),
    number("o2_percent", D, "EDIT88", "O2", "%", 0.0f, 100.0f, "O2 content of the tube gas", "管内気体の O2"),
    number("h2o_percent", D, "EDIT89", "H2O", "%", 0.0f, 100.0f, "H2O content of the tube gas", "管内気体の H2O"),
    number("n2_percent", D, "EDIT90", "N2", "%", 0.0f, 100.0f, "N2 content of the tube gas", "管内気体の N2"),
    number("h2o_kg_per_kg", D, "EDIT113", "", "kg/kg", 0.0f, 100.0f, "H2O content of the tube gas per kg of dry gas", "管内気体の水分(乾き気体基準)"),
    number("tape_pitch_mm", D, "EDIT111", "", "mm", 0.0f, 100000.0f, "Twisted-tape pitch between necks", "ねじりテープピッチ(節間長さ)"),
    number("tape_thickness_mm", D, "EDIT112", "", "mm", 0.0f, 1000.0f, "Twisted-tape thickness", "ねじりテープ板厚"),

    // Hand-entered properties, tube side then shell side.
    twoUnits("tube_latent_heat", D, "EDIT93", "Ltv", "kJ/kg", "kcal/kg", 0.0f, 1.0e5f, 0.0f, 1.0e5f, "Tube-side latent heat", "管内側凝縮潜熱"),
    number("tube_fluid_density_kg_m3", D, "EDIT94", "Dt", "kg/m3", 0.0f, 1.0e5f, "Tube fluid density", "管内流体の密度"),
    twoUnits("tube_fluid_specific_heat", D, "EDIT95", "Ct", "kJ/kgK", "kcal/kg℃", 0.0f, 1.0e3f, 0.0f, 1.0e3f, "Tube fluid specific heat", "管内流体の比熱"),
    twoUnits("tube_fluid_viscosity", D, "EDIT96", "Vt", "m2/s", "m2/h", 0.0f, 1.0e3f, 0.0f, 1.0e3f, "Tube fluid kinematic viscosity", "管内流体の動粘性係数"),
    twoUnits("tube_fluid_conductivity", D, "EDIT97", "Kt", "W/mK", "kcal/mh℃", 0.0f, 1.0e4f, 0.0f, 1.0e4f, "Tube fluid thermal conductivity", "管内流体の熱伝導率"),
    number("tube_condensate_density_kg_m3", D, "EDIT98", "", "kg/m3", 0.0f, 1.0e5f, "Tube-side condensate density", "管内側凝縮液密度"),
    twoUnits("tube_condensate_specific_heat", D, "EDIT99", "", "kJ/kgK", "kcal/kg℃", 0.0f, 1.0e3f, 0.0f, 1.0e3f, "Tube-side condensate specific heat", "管内側凝縮液比熱"),
    twoUnits("tube_condensate_viscosity", D, "EDIT100", "", "m2/s", "m2/h", 0.0f, 1.0e3f, 0.0f, 1.0e3f, "Tube-side condensate kinematic viscosity", "管内側凝縮液動粘性係数"),
    twoUnits("tube_condensate_conductivity", D, "EDIT101", "", "W/mK", "kcal/mh℃", 0.0f, 1.0e4f, 0.0f, 1.0e4f, "Tube-side condensate thermal conductivity", "管内側凝縮液熱伝導率"),
    twoUnits("shell_latent_heat", D, "EDIT102", "Ls", "kJ/kg", "kcal/kg", 0.0f, 1.0e5f, 0.0f, 1.0e5f, "Shell-side latent heat", "シェル側凝縮潜熱"),
    number("shell_fluid_density_kg_m3", D, "EDIT103", "Ds", "kg/m3", 0.0f, 1.0e5f, "Shell fluid density", "シェル側流体の密度"),
    twoUnits("shell_fluid_specific_heat", D, "EDIT104", "Cs", "kJ/kgK", "kcal/kg℃", 0.0f, 1.0e3f, 0.0f, 1.0e3f, "Shell fluid specific heat", "シェル側流体の比熱"),
    twoUnits("shell_fluid_viscosity", D, "EDIT105", "Vs", "m2/s", "m2/h", 0.0f, 1.0e3f, 0.0f, 1.0e3f, "Shell fluid kinematic viscosity", "シェル側流体の動粘性係数"),
    twoUnits("shell_fluid_conductivity", D, "EDIT106", "KS", "W/mK", "kcal/mh℃", 0.0f, 1.0e4f, 0.0f, 1.0e4f, "Shell fluid thermal conductivity", "シェル側流体の熱伝導率"),
    number("shell_condensate_density_kg_m3", D, "EDIT107", "", "kg/m3", 0.0f, 1.0e5f, "Shell-side condensate density", "シェル側凝縮液密度"),
    twoUnits("shell_condensate_specific_heat", D, "EDIT108", "", "kJ/kgK", "kcal/kg℃", 0.0f, 1.0e3f, 0.0f, 1.0e3f, "Shell-side condensate specific heat", "シェル側凝縮液比熱"),
    twoUnits("shell_condensate_viscosity", D, "EDIT109", "", "m2/s", "m2/h", 0.0f, 1.0e3f, 0.0f, 1.0e3f, "Shell-side condensate kinematic viscosity", "シェル側凝縮液動粘性係数"),
    twoUnits("shell_condensate_conductivity", D, "EDIT110", "", "W/mK", "kcal/mh℃", 0.0f, 1.0e4f, 0.0f, 1.0e4f, "Shell-side condensate thermal conductivity", "シェル側凝縮液熱伝導率"),

    // Heat-transfer-coefficient form.
    number("tube_coefficient_factor", "FORM8", "EDIT119", "", "-", 0.0f, 100.0f, "Correction factor on the tube-side film coefficient", "管内側熱伝達率補正係数"),
    number("tube_layout_deg", "FORM8", "EDIT158", "θtp", "deg", 0.0f, 90.0f, "Tube layout angle to the flow: 30, 45, 60 or 90 (textbook basis)", "管配列角度 30,45,60,90° (教科書法)"),
    bundleEntry("shell_inside_diameter_mm", "EDIT159", "DS", "mm", 10000.0f, "Shell inside diameter (textbook basis; blank: derived)", "シェル内径(教科書法、空欄: 自動)"),
    bundleEntry("outer_tube_limit_mm", "EDIT160", "Dotl", "mm", 10000.0f, "Outer tube limit diameter (textbook basis; blank: derived)", "管束外径(教科書法、空欄: 自動)"),
    bundleEntry("bundle_shell_clearance_mm", "EDIT161", "Lbb", "mm", 1000.0f, "Diametral bundle-to-shell clearance (textbook basis; blank: derived, by head type for an entered shell)", "シェル・管束間隙間(教科書法)"),
    bundleEntry("baffle_shell_clearance_mm", "EDIT162", "Lsb", "mm", 100.0f, "Diametral baffle-to-shell clearance (textbook basis; blank: TEMA RCB-4.3 for an entered shell)", "シェル・バッフル間隙間(教科書法)"),
    bundleEntry("tube_hole_clearance_mm", "EDIT163", "Ltb", "mm", 100.0f, "Diametral tube-to-baffle-hole clearance (textbook basis; blank: TEMA RCB-4.2 for an entered shell)", "管・バッフル穴隙間(教科書法)"),
    bundleEntry("inlet_baffle_spacing_mm", "EDIT164", "Bin", "mm", 100000.0f, "Inlet baffle spacing (textbook basis; blank: the central spacing)", "入口バッフル間隔(教科書法)"),
    bundleEntry("outlet_baffle_spacing_mm", "EDIT165", "Bout", "mm", 100000.0f, "Outlet baffle spacing (textbook basis; blank: the central spacing)", "出口バッフル間隔(教科書法)"),
    number("shell_coefficient_factor", "FORM8", "EDIT120", "", "-", 0.0f, 100.0f, "Correction factor on the shell-side film coefficient", "シェル側熱伝達率補正係数"),
    // Tube-side nozzle bores (textbook basis; blank: no nozzle loss).
    optionalNumber(number("tube_inlet_nozzle_mm", "FORM8", "EDIT180", "", "mm", 0.0f, 10000.0f, "Tube-side inlet nozzle inside diameter (textbook basis; blank: no nozzle loss)", "管内側入口ノズル内径 (教科書法、空欄: ノズル損失なし)")),
    optionalNumber(number("tube_outlet_nozzle_mm", "FORM8", "EDIT181", "", "mm", 0.0f, 10000.0f, "Tube-side outlet nozzle inside diameter (textbook basis; blank: no nozzle loss)", "管内側出口ノズル内径 (教科書法、空欄: ノズル損失なし)")),
    twoUnits("tube_film_coefficient", "FORM8", "EDIT115", "Xt", "W/m2K", "kcal/m2h℃", 0.0f, 1.0e7f, 0.0f, 1.0e7f, "Tube-side film coefficient typed in", "管内側熱伝達率"),
    twoUnits("shell_film_coefficient", "FORM8", "EDIT116", "Xs", "W/m2K", "kcal/m2h℃", 0.0f, 1.0e7f, 0.0f, 1.0e7f, "Shell-side film coefficient typed in", "管外側熱伝達率"),
};
// clang-format on

std::string tooltipUnit(const CatalogueField& f, bool japanese) {
    const std::string_view si = f.unitSI;
    const std::string_view eng = f.unitEngineering;
    if (si == "-" || si.empty()) return {};
    if (!japanese || si == eng) return std::string(si);
    return std::string(si) + "（旧工学単位 " + std::string(eng) + "）";
}

std::string rangeText(float min, float max) {
    char text[64];
    std::snprintf(text, sizeof text, "%g … %g", static_cast<double>(min), static_cast<double>(max));
    return text;
}

std::string choicesText(const CatalogueField& f) {
    std::string text;
    for (const ChoiceOption& o : f.choices) {
        if (!text.empty()) text += ", ";
        text += "`" + std::string(o.name) + "` (" + o.english + ")";
    }
    return text;
}

}  // namespace

std::span<const CatalogueField> fieldCatalogue() { return kCatalogue; }

const CatalogueField* findCatalogueField(std::string_view key) {
    // An index of the constant catalogue, made once: every run of a sweep
    // looks its range checks up here, and a search of the table measured
    // each key.
    static const std::unordered_map<std::string_view, const CatalogueField*> index = [] {
        std::unordered_map<std::string_view, const CatalogueField*> keys;
        for (const CatalogueField& f : kCatalogue) keys.emplace(f.key, &f);
        return keys;
    }();
    const auto it = index.find(key);
    return it == index.end() ? nullptr : it->second;
}

const ChoiceOption* findChoiceByName(const CatalogueField& field, std::string_view name) {
    for (const ChoiceOption& o : field.choices)
        if (o.name == name) return &o;
    return nullptr;
}

const ChoiceOption* findChoiceByCode(const CatalogueField& field, int code) {
    for (const ChoiceOption& o : field.choices)
        if (std::string_view(o.code) == std::to_string(code)) return &o;
    return nullptr;
}

std::string fieldTooltip(std::string_view form, std::string_view control, bool japanese) {
    std::string tip;
    for (const CatalogueField& f : kCatalogue) {
        if (f.form != form || f.control != control) continue;
        std::string line = japanese ? f.japanese : f.english;
        if (*f.symbol) line += std::string(" ") + f.symbol;
        const std::string unit = tooltipUnit(f, japanese);
        if (!unit.empty()) line += ", " + unit;
        // A field holding another quantity in another mode names both.
        if (!tip.empty()) tip += japanese ? "／" : " / ";
        tip += line;
    }
    return tip;
}

FieldMark fieldMark(std::string_view form, std::string_view control, std::string_view text,
                    int unitCode) {
    FieldMark mark;
    const bool si = isSICode(unitCode);
    const NumberText number = readWholeNumber(text);
    bool inSomeRange = false;
    bool found = false;
    for (const CatalogueField& f : kCatalogue) {
        if (f.form != form || f.control != control || f.isChoice()) continue;
        found = true;
        const float lo = si ? f.minSI : f.minEngineering;
        const float hi = si ? f.maxSI : f.maxEngineering;
        const std::string_view unit = si ? f.unitSI : f.unitEngineering;
        std::string range = rangeText(lo, hi);
        if (unit != "-") range += " " + std::string(unit);
        if (mark.range.find(range) == std::string::npos)
            mark.range += (mark.range.empty() ? "" : " / ") + range;
        if (number.value >= lo && number.value <= hi) inSomeRange = true;
    }
    if (!found) return mark;
    // A text that is no number at all (empty, a dash, a word) reads as 0
    // and is left unmarked; a number with more text after it is marked.
    mark.outside = !number.whole || (number.number && !inSomeRange);
    return mark;
}

std::string catalogueMarkdown() {
    std::string md =
        "| key | field | unit (SI / engineering) | range or choices | description | 説明 |\n"
        "|---|---|---|---|---|---|\n";
    for (const CatalogueField& f : kCatalogue) {
        std::string unit, range;
        if (f.isChoice()) {
            range = choicesText(f);
        } else {
            unit = f.unitSI == std::string_view(f.unitEngineering)
                       ? std::string(f.unitSI)
                       : std::string(f.unitSI) + " / " + f.unitEngineering;
            range = rangeText(f.minSI, f.maxSI);
            if (f.minSI != f.minEngineering || f.maxSI != f.maxEngineering)
                range += " / " + rangeText(f.minEngineering, f.maxEngineering);
        }
        md += "| `" + std::string(f.key) + "` | " + f.form + "." + f.control + " | " + unit +
              " | " + range + " | " + f.english + " | " + f.japanese + " |\n";
    }
    return md;
}

}  // namespace hx
