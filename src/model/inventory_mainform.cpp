// The main window: the selection panel (fluid mode, tube-side and
// shell-side property methods), the geometry column with its labels, the
// weight panel, the start button, the exchanger-type buttons and the strip
// of hidden option-code fields at the right edge.
//
// Launch state: the start button, the selection buttons, the geometry
// fields (all but the two flows), the step markers and the code fields are
// disabled until a unit system is chosen on FORM6.
#include "model/inventory_tables.h"

namespace hx::inventory {

namespace {

constexpr ControlSpec kMainForm[] = {
    // Selection panel, fluid-mode row.
    disabled(field("EDIT42", "step marker of the fluid-mode row: \" ■\" on the current step")),
    disabled(captioned("BUTTON24", " Fluid mode ON", "流体条件選択ボタン■")),
    disabled(captioned("BUTTON4", "  Both side sensible", " 両流体相変化無し(顕熱)")),
    disabled(captioned("BUTTON2", " Tube side ： Wet air", "  管内側 ： 湿り気体")),
    disabled(captioned("BUTTON22", "Tube side ：Cond./Vap.", " 管内 ： 凝縮／蒸発")),
    disabled(captioned("BUTTON28", "Shell side：Cond./Vap.", " ｼｪﾙ側 ：凝縮／蒸発　 ")),
    // Tube-side property row.
    disabled(field("EDIT43", "step marker of the tube-side property row")),
    disabled(captioned("BUTTON25", " Tube side physi.ON", "管内流体選択ボタン■")),
    disabled(captioned("BUTTON12", "  Liq. physi.：Manual", " 液体の物性：手動入力")),
    disabled(captioned("BUTTON16", "  Gas physi.：Manual", " 気体の物性：手動入力")),
    disabled(captioned("BUTTON14", "  Water physi.：Auto", "  水の物性　： 相関式")),
    disabled(captioned("BUTTON15", "  Gas physi. ：Auto", " 気体の物性 ： 相関式")),
    // Shell-side property row.
    disabled(field("EDIT44", "step marker of the shell-side property row")),
    disabled(captioned("BUTTON29", " Shell side physi.ON", "ｼｪﾙ流体選択ボタン ■")),
    disabled(captioned("BUTTON17", "  Liq. physi.：Manual", " 液体の物性：手動入力")),
    disabled(captioned("BUTTON18", "  Gas physi.：Manual", " 気体の物性：手動入力")),
    disabled(captioned("BUTTON19", "  Water physi.：Auto", " 水の物性　：相関式")),
    // Below the panel.
    disabled(fixed("BUTTON35", "OPEN", "loads the sample case")),
    disabled(fixed("BUTTON23", "CLOSE", "empties the sample case")),
    fixed("RADIO18", "重量計算 ON", "weight calculation on"),
    fixed("RADIO19", "重量計算 OFF", "weight calculation off"),
    fixed("TEXT33", "", "sample notice while a sample is loaded"),

    // Geometry column: each field, then its label.
    field("EDIT75", "tube-side mass flow, ton/h (double tube: kg/h)"),
    captioned("TEXT20", " Tube side flowrate(ton/h)", " 管内側流量(ton/h)"),
    field("EDIT76", "shell-side mass flow, ton/h (double tube: kg/h)"),
    captioned("TEXT21", " Shell side flowrate(ton/h)", " ｼｪﾙ側流量(ton/h)"),
    disabled(field("EDIT22", "H2O content unit of a wet gas: 1 percent, 2 kg/kg of dry gas")),
    captioned("TEXT22", " H2O wet rate unit：【1】% ,【2】kg/kg",
              " 水分湿り単位：【1】% ,【2】kg/kg"),
    disabled(field("EDIT28", "condensate film thickness of a wet gas, mm")),
    captioned("TEXT27", " H2O cond. liquid film thickness(mm)", " 湿り凝縮液膜厚さ(mm)"),
    disabled(field("EDIT2", "tube outside diameter, mm (double tube: inner tube)")),
    captioned("TEXT1", " Tube outside diameter(mm)", " 伝熱管外径(mm)"),
    disabled(field("EDIT1", "tube inside diameter, mm (double tube: inner tube)")),
    captioned("TEXT2", " Tube inside diameter(mm)", " 伝熱管内径(mm)"),
    disabled(field("EDIT3",
                   "tube pitch over outside diameter, - (double tube: outer tube diameter, mm)")),
    captioned("TEXT3", " Tube pitch(out side base)(-)", " 管ﾋﾟｯﾁ(管外径基準)(-)"),
    disabled(field("EDIT25", "tube surface code: 1 plain, 2 low fin")),
    disabled(captioned("BUTTON6", "【1】 Plane tube", "【1】 平滑管    ")),
    disabled(captioned("BUTTON7", "【2】 Fined tube", "【2】ﾗｼﾞｱﾙﾌｲﾝ管 ")),
    disabled(field("EDIT4", "fin thickness, mm")),
    captioned("TEXT4", " Fin thickness(mm)", " ﾌｨﾝ肉厚(mm)"),
    disabled(field("EDIT5", "fin height, mm")),
    captioned("TEXT5", " Fin hight(mm)", " ﾌｨﾝ高さ(mm)"),
    disabled(field("EDIT16", "fin thermal conductivity, W/mK (code 4: kcal/mh degC)")),
    captioned("TEXT16", " Fin thermal conductivity(W/mK)", " ﾌｨﾝの熱伝導率(W/mK)",
              " ﾌｨﾝの熱伝導率(kcal/mhc)"),
    disabled(field("EDIT6", "fins per inch")),
    captioned("TEXT6", " Fin number(N/in)", " ﾌｨﾝ枚数(N/ｲﾝﾁ)"),
    disabled(field("EDIT15", "tube wall thermal conductivity, W/mK (code 4: kcal/mh degC)")),
    captioned("TEXT15", " Tube thermal conductivity(W/mK)", " 伝熱管の熱伝導率(W/mK)",
              " 伝熱管の熱伝導率(kcal/mhc)"),
    disabled(field("EDIT73", "twisted-tape code: 1 used, 2 not used")),
    captioned("TEXT126", " Twisted tape ", " 管内側捻りﾃｰﾌﾟ"),
    disabled(captioned("BUTTON30", "【1】 use", "【1】 有り")),
    disabled(captioned("BUTTON31", "【2】 non", "【2】 無し")),
    disabled(field("EDIT17", "tube-side fouling factor, m2K/W (code 4: m2h degC/kcal)")),
    captioned("TEXT17", " Tube side fouling factor(m2K/W)", " 管内側汚れ係数(m2K/W)",
              " 管内側汚れ係数(m2hc/kcal)"),
    disabled(field("EDIT18", "shell-side fouling factor, m2K/W (code 4: m2h degC/kcal)")),
    captioned("TEXT18", " Shell side fouling factor(m2K/W)", " ｼｪﾙ側汚れ係数(m2K/W)",
              " ｼｪﾙ側汚れ係数(m2hc/kcal)"),
    disabled(
        field("EDIT53", "flow arrangement: 1 counter-current cross flow, 2 parallel cross flow")),
    disabled(captioned("BUTTON26", "【1】 Cross flow ", "【1】  向流ｸﾛｽ")),
    disabled(captioned("BUTTON27", "【2】 Pararel flow", "【2】  平行流   ", "【2】  並流ｸﾛｽ")),
    disabled(field("EDIT19", "tube-side passes")),
    captioned("TEXT19", " Tube side fluid pass number(-)", " 管内側パス数(-)"),
    disabled(field("EDIT45", "baffle spacing, mm")),
    captioned("TEXT105", " Baffle space(mm)", " ﾊﾞｯﾌﾙ板(BP)間隔(mm)"),
    disabled(field("EDIT29", "tubes on the baffle cut line: 1 no, 2 yes")),
    captioned("TEXT28", " Tubes on baffle cut line:【1】no【2】yes",
              " BP切欠線上の管【1】無,【2】有"),
    disabled(
        field("EDIT46", "baffle cut level from the shell centre, fraction of the radius 0..0.6")),
    captioned("TEXT8", " Buffle cat line level from center(～.6)", " BP切欠位置(ｼｪﾙ中心0～0.6)"),
    disabled(field("EDIT47", "tubes on the baffle cut line")),
    captioned("TEXT9", " Tube number on buffle cut line(-)", " BP切欠き線上の管数(-)"),
    disabled(field("EDIT48", "opening angle of the baffle edge seen from a tube centre, deg")),
    captioned("TEXT11", " Angle at buffle edge/tube center(deg)",
              " 管中心からBP切欠ｴｯｼﾞ開口角度(deg)"),
    disabled(field("EDIT49", "gap between shell inside and baffle diameters, mm")),
    captioned("TEXT13", " Gap at inside shell/buffle dia.(mm)", " ｼｪﾙ内径とBP外径間のｷﾞｬｯﾌﾟ(mm)"),
    disabled(field("EDIT50", "gap between shell inside and tube bundle, mm")),
    captioned("TEXT12", " Gap at inside shell/tube bundle(mm)", " ｼｪﾙ内径と管束外径間のｷﾞｬｯﾌﾟ(mm)"),
    disabled(field("EDIT51", "gap between baffle hole and tube outside, mm")),
    captioned("TEXT14", " Gap at buffle hole/outside tube(mm)", " BP穴径と管外径間ｷﾞｬｯﾌﾟ(mm)"),
    disabled(field("EDIT52", "bypass sealing plates")),
    captioned("TEXT10", " Plate number for privention bypass", " ﾊﾞｲﾊﾟｽ防止板の枚数"),

    // Under the column.
    disabled(fixed("BUTTON41", "MAIN INPUT", "opens the main data form FORM7")),
    disabled(captioned("BUTTON1", " CALC.ON ", " 計算開始")),

    // Weight panel; TEXT225 is a blank cover laid over it while the weight
    // calculation is off. Thicknesses and diameters in mm, densities in kg/m3.
    hidden(fixed("TEXT225", "", "blank cover of the weight panel")),
    hidden(fixed("TEXT220", "", "weight panel label shown while the weight calculation is off")),
    field("EDIT150", "tube-sheet thickness, mm", "    10 "),
    field("EDIT127", "tube-sheet density, kg/m3", "  7800"),
    field("EDIT128", "tube-sheet outside diameter, mm", "   600"),
    field("EDIT156", "number of tube sheets", " 2"),
    field("EDIT129", "shell wall thickness, mm", "     5"),
    field("EDIT130", "shell density, kg/m3", "  7800"),
    field("EDIT131", "baffle thickness, mm", "     5"),
    field("EDIT132", "baffle density, kg/m3", "  7800"),
    field("EDIT126", "number of baffles", " 10"),
    field("EDIT133", "tube density, kg/m3", "  7800"),
    field("EDIT149", "other weight, kg", " 22"),

    disabled(fixed("BUTTON20", "Fig. refer", "shows the exchanger drawing on FORM2")),
    captioned("RADIO7", " Sample data", " S/T"),
    fixed("RADIO8", " 二重管", "double-tube exchanger"),
    fixed("TEXT82", "", "figure notice while the result figure is shown"),
    fixed("TEXT74", "", "figure marker while the result figure is shown"),

    // Hidden option codes, 16 x 16 pixels each in a strip at the right edge.
    codeField("EDIT74",
              "unit and language: 1 English SI, 2 English engineering, 3 Japanese SI, "
              "4 Japanese engineering",
              "4"),
    codeField("EDIT39",
              "fluid mode: 1 sensible, 2 tube wet gas, 3 tube phase change, "
              "4 shell phase change"),
    codeField("EDIT40",
              "tube-side property method: 1 liquid by hand, 2 gas by hand, "
              "3 water correlation, 4 gas correlation"),
    codeField("EDIT41",
              "shell-side property method: 1 liquid by hand, 2 gas by hand, "
              "3 water correlation"),
    codeField("EDIT114", "exchanger type: 1 shell-and-tube, 2 double tube", "1"),
    codeField("EDIT77", "sample geometry loaded: 0 shell-and-tube or none, 1 double tube"),
    codeField("EDIT86", "solve-for choice: 1 tube length, 2 shell outlet, 3 tube outlet given"),
    codeField("EDIT91",
              "gas composition: 4 all components, 5 standard air with H2O, "
              "6 standard air",
              "4"),
    codeField("EDIT92", "composition adjustment: 1 CO2 and O2 fixed, 2 mixed with all", "2"),
    codeField("EDIT139", "weight calculation: 1 on, 2 off", "1"),
    codeField("EDIT79", "option-code field disabled at start-up"),
    codeField("EDIT24", "field emptied at start-up", "", true),
};

// Weight panel headings and item names (Japanese only).
constexpr LabelSpec kMainFormLabels[] = {
    {"", nullptr, "    肉厚 mm "},
    {"", nullptr, " 密度 kg/m3"},
    {"", nullptr, "   外径　mm"},
    {"", nullptr, "　数量"},
    {"EDIT150", nullptr, "　　管板"},
    {"EDIT129", nullptr, "　　シェル"},
    {"EDIT131", nullptr, "　　バッフル"},
    {"EDIT133", nullptr, " 　伝熱管"},
    {"EDIT149", nullptr, "   その他重量　kg"},
};

}  // namespace

std::span<const ControlSpec> mainFormControls() { return kMainForm; }
std::span<const LabelSpec> mainFormLabels() { return kMainFormLabels; }

}  // namespace hx::inventory
