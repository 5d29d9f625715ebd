// The small forms: the figure window FORM2, the flow figure FORM3, the
// unit-system form FORM6, the heat-transfer-coefficient form FORM8, the
// phase-change form FORM9 and the wet-gas saturation-basis form FORM10.
#include "model/inventory_tables.h"

namespace hx::inventory {

namespace {

// Figure window: the exchanger drawing and its print button.
constexpr ControlSpec kForm2[] = {
    fixed("PICTURE1", "", "exchanger drawing, bitmap file 熱交詳細図.bmp"),
    fixed("BUTTON3", "Prt", "print button of the figure window"),
};

// Flow figure: the schematic with the nozzle temperatures and flows. Each
// row of values names its quantity as the drawing does, then the value
// and its unit (℃ or K, kg/h or kg/s), all set by the results.
constexpr ControlSpec kForm3[] = {
    fixed("PICTURE3", "",
          "flow figure, bitmap file vornfig1.bmp (odd tube passes: vornfig1_odd.bmp)"),
    fixed("TEXT400", "", "Tsi, shell inlet temperature"),
    fixed("TEXT420", "", "unit of Tsi"),
    fixed("TEXT401", "", "Tso, shell outlet temperature"),
    fixed("TEXT421", "", "unit of Tso"),
    fixed("TEXT402", "", "Tti, tube inlet temperature (wet gas: Tzi)"),
    fixed("TEXT422", "", "unit of Tti"),
    fixed("TEXT403", "", "Tto, tube outlet temperature (wet gas: TZo)"),
    fixed("TEXT423", "", "unit of Tto"),
    fixed("TEXT404", "", "tube-side inlet flow"),
    fixed("TEXT424", "", "unit of the tube inlet flow"),
    fixed("TEXT405", "", "tube-side outlet flow (wet gas: GWo)"),
    fixed("TEXT425", "", "unit of the tube outlet flow"),
    fixed("TEXT406", "", "shell-side inlet flow (wet gas only)"),
    fixed("TEXT426", "", "unit of the shell inlet flow"),
    fixed("TEXT407", "", "shell-side outlet flow (wet gas only)"),
    fixed("TEXT427", "", "unit of the shell outlet flow"),
    fixed("TEXT430", "", "caption of the tube drain (wet gas only)"),
    fixed("TEXT408", "", "tube drain Wcon (wet gas only)"),
    fixed("TEXT431", "", "caption of the H2O content of the gas (wet gas only)"),
    fixed("TEXT409", "", "H2O content at the inlet, vol %"),
    fixed("TEXT419", "", "H2O content at the outlet, vol %"),
};

// The quantity names beside the values, as the flow figure writes them.
constexpr LabelSpec kForm3Labels[] = {
    {"TEXT400", "Tsi", nullptr},   {"TEXT401", "Tso", nullptr},    {"TEXT402", "Tti", nullptr},
    {"TEXT403", "Tto", nullptr},   {"TEXT404", "Wt in", nullptr},  {"TEXT405", "Wt out", nullptr},
    {"TEXT406", "Ws in", nullptr}, {"TEXT407", "Ws out", nullptr},
};

// Unit system and language; OK stays disabled until a unit button is pressed.
constexpr ControlSpec kForm6[] = {
    fixed("BUTTON32", "SI unit ENGLISH", "code 1: English, SI units"),
    fixed("BUTTON33", "旧工学単位系 ", "code 4: Japanese, engineering units"),
    fixed("BUTTON34", "ＳＩ 単位系", "code 3: Japanese, SI units"),
    disabled(fixed("BUTTON43", "O K")),
};

// Film coefficients by formula (with correction factors) or by hand. The
// manual coefficients are in kcal/m2h degC (code 4) or W/m2K (codes 1, 3);
// at launch the formula is chosen and the manual side is disabled.
constexpr ControlSpec kForm8[] = {
    captioned("TEXT173", "Selection of Heat transfer coefficient", "【熱伝達率の設定】"),
    captioned("RADIO9", "by formula calculation", "計算式指定"),
    captioned("TEXT174", "Modification coefficient for tube side Heat Tran.Coeffi.",
              " ・管内側熱伝達率補正係数"),
    field("EDIT119", "correction factor on the tube-side film coefficient, -", "1.0"),
    captioned("TEXT175", "Modification coefficient for shell side Heat Tran.Coeffi.",
              "・シェル側熱伝達率補正係数"),
    field("EDIT120", "correction factor on the shell-side film coefficient, -", "1.0"),
    captioned("RADIO10", "by manual input", "マニュアル指定"),
    disabled(captioned("RADIO11", "Selection of a tube side", "管内側熱伝達率設定")),
    disabled(captioned("RADIO12", "Selection of a shell side", "管外側熱伝達率設定")),
    disabled(
        captioned("RADIO13", "Selection of the tube and shell side", "管内、管外側熱伝達率指定 ")),
    disabled(captioned("TEXT169", "Tube side heat transfer coefficient",
                       "                       管内側熱伝達率")),
    disabled(
        field("EDIT115", "tube-side film coefficient by hand, kcal/m2h degC or W/m2K", "    ―")),
    disabled(captioned("TEXT171", "W/m2K", "W/m2K", "kcal/m2hC")),
    disabled(captioned("TEXT170", "Shell side heat transfer coefficient",
                       "                       管外側熱伝達率")),
    disabled(
        field("EDIT116", "shell-side film coefficient by hand, kcal/m2h degC or W/m2K", "    ―")),
    disabled(captioned("TEXT172", "W/m2K", "W/m2K", "kcal/m2hC")),
    fixed("BUTTON45", "Ｏ Ｋ"),
    fixed("TEXT176", "", "message line of the manual-coefficient check"),
    codeField("EDIT117", "film coefficients: 1 by formula, 2 by hand", "1", true),
    codeField("EDIT118", "side entered by hand: 1 tube, 2 shell, 3 both", "1", true),
    // The method of the shell side and the mean temperature difference, and
    // the tube layout the textbook method needs (open on that basis only).
    captioned("TEXT182", "Calculation basis", "【計算基準】"),
    captioned("RADIO20", "original method", "従来方式"),
    captioned("RADIO21", "textbook Bell-Delaware", "教科書ベル・デラウェア法"),
    disabled(captioned("TEXT183", "Tube layout (30,45,60,90 deg)", "管配列角度 (30,45,60,90°)")),
    disabled(field("EDIT158", "tube layout angle to the flow, deg", "30")),
    codeField("EDIT157", "calculation basis: 1 original, 2 textbook Bell-Delaware", "1", true),
    // The bundle as specified, textbook basis only; a blank field is derived.
    disabled(captioned("TEXT184", "Bundle as specified (blank: derived)",
                       "管束の仕様（空欄：自動設定）")),
    disabled(captioned("TEXT185", "Shell inside diameter DS (mm)", "シェル内径 DS (mm)")),
    disabled(field("EDIT159", "shell inside diameter, mm; blank: derived", "")),
    disabled(captioned("TEXT186", "Outer tube limit Dotl (mm)", "管束外径 Dotl (mm)")),
    disabled(field("EDIT160", "outer tube limit, mm; blank: derived", "")),
    disabled(
        captioned("TEXT187", "Bundle-to-shell clearance Lbb (mm)", "シェル・管束間隙間 Lbb (mm)")),
    disabled(field("EDIT161", "diametral bundle-to-shell clearance, mm; blank: derived", "")),
    disabled(captioned("TEXT188", "Baffle-to-shell clearance Lsb (mm)",
                       "シェル・バッフル間隙間 Lsb (mm)")),
    disabled(field("EDIT162", "diametral baffle-to-shell clearance, mm; blank: derived", "")),
    disabled(
        captioned("TEXT189", "Tube-to-hole clearance Ltb (mm)", "管・バッフル穴隙間 Ltb (mm)")),
    disabled(field("EDIT163", "diametral tube-to-baffle-hole clearance, mm; blank: derived", "")),
    disabled(captioned("TEXT190", "Inlet baffle spacing (mm)", "入口バッフル間隔 (mm)")),
    disabled(field("EDIT164", "inlet baffle spacing, mm; blank: the central spacing", "")),
    disabled(captioned("TEXT191", "Outlet baffle spacing (mm)", "出口バッフル間隔 (mm)")),
    disabled(field("EDIT165", "outlet baffle spacing, mm; blank: the central spacing", "")),
    disabled(captioned("TEXT192", "Head: 1 fixed/U-tube, 2 split ring, 3 pull-through",
                       "ヘッド形式：1 固定管板/U字管、2 スプリットリング、3 プルスルー")),
    disabled(field("EDIT166",
                   "head type: 1 fixed tube sheet or U-tube, 2 split ring, 3 pull-through", "")),
    disabled(captioned("TEXT193", "Tube count: 1 as entered, 2 from the layout",
                       "管本数：1 入力値、2 配列から算出")),
    disabled(field("EDIT167", "tube count: 1 as entered, 2 counted from the layout", "")),
    // Tube-side nozzle bores for the nozzle losses (textbook basis; blank: none).
    disabled(captioned("TEXT194", "Tube inlet nozzle ID, mm", "管内側入口ノズル内径 mm")),
    disabled(field("EDIT180", "tube-side inlet nozzle inside diameter, mm", "")),
    disabled(captioned("TEXT195", "Tube outlet nozzle ID, mm", "管内側出口ノズル内径 mm")),
    disabled(field("EDIT181", "tube-side outlet nozzle inside diameter, mm", "")),
};

// Phase change of the condensing or evaporating side.
constexpr ControlSpec kForm9[] = {
    fixed("GROUP4", "【相変化の形態】"),
    captioned("RADIO14", "Condensation", "凝縮"),
    captioned("RADIO15", "Evaporation", "蒸発"),
    fixed("BUTTON47", "OK"),
    codeField("EDIT121", "phase change: 1 condensation, 2 evaporation, 0 not chosen", "", true),
};

// Saturation basis of a wet gas in the tubes.
constexpr ControlSpec kForm10[] = {
    fixed("GROUP5", ""),
    captioned("RADIO16", " Sat.TemP.at Pressure air", " 加圧気体飽和温度選択"),
    captioned("RADIO17", " Sat.Temp. at 1 atm", " 大気圧飽和温度選択"),
    fixed("BUTTON48", "O K"),
    codeField("EDIT125", "wet-gas saturation basis: 1 at the gas pressure, 2 at 1 atm"),
};

}  // namespace

std::span<const ControlSpec> form2Controls() { return kForm2; }
std::span<const ControlSpec> form3Controls() { return kForm3; }
std::span<const LabelSpec> form3Labels() { return kForm3Labels; }
std::span<const ControlSpec> form6Controls() { return kForm6; }
std::span<const ControlSpec> form8Controls() { return kForm8; }
std::span<const ControlSpec> form9Controls() { return kForm9; }
std::span<const ControlSpec> form10Controls() { return kForm10; }

}  // namespace hx::inventory
