// FORM4, the result form: the performance table (tube side and shell side
// columns), the exchanger drawing and the weight table. The fields are
// filled by the results; lengths are shown in mm and pressure losses in
// mmAq, efficiencies in per cent.
#include "model/inventory_tables.h"

namespace hx::inventory {

namespace {

constexpr ControlSpec kForm4[] = {
    field("EDIT47", "tube inlet temperature (wet gas: gas inlet temperature)"),
    field("EDIT52", "tube outlet temperature (wet gas: gas outlet temperature)"),
    field("EDIT48", "tube-side inlet flow"),
    field("EDIT53", "tube-side outlet flow"),
    field("EDIT50", "shell inlet temperature"),
    field("EDIT44", "shell outlet temperature"),
    field("EDIT51", "shell-side inlet flow"),
    field("EDIT45", "shell-side outlet flow"),
    field("EDIT54", "tube-side condensate or evaporation rate"),
    field("EDIT72", "shell-side condensate or evaporation rate"),
    field("EDIT46", "shell inside diameter, mm"),
    field("EDIT49", "tube length, mm"),
    field("EDIT58", "tube-side pressure loss, mmAq"),
    field("EDIT57", "shell-side pressure loss, mmAq"),
    field("EDIT59", "tube-side thermal efficiency, %"),
    field("EDIT60", "shell-side thermal efficiency, %"),
    field("EDIT61", "exchanged heat, kcal/h or W"),
    field("EDIT62", "overall coefficient on the inside area"),
    field("EDIT63", "overall coefficient on the outside area"),
    field("EDIT64", "corrected mean temperature difference"),
    field("EDIT65", "tube inside area"),
    field("EDIT66", "tube outside area (low fin: finned area)"),
    field("EDIT67", "tube-side film coefficient"),
    field("EDIT68", "shell-side film coefficient"),
    field("EDIT69", "number of tubes"),
    fixed("PICTURE2", "", "exchanger drawing, vorn2-4J.bmp (double tube: vorn2-4JD.bmp)"),

    // Weight table: weight, thickness, density, outside diameter per row.
    field("EDIT134", "tube weight, kg"),
    field("EDIT140", "tube wall thickness, mm"),
    field("EDIT145", "tube density, kg/m3"),
    field("EDIT152", "tube outside diameter, mm"),
    field("EDIT135", "tube-sheet weight, kg (whole number)"),
    field("EDIT142", "tube-sheet thickness, mm"),
    field("EDIT146", "tube-sheet density, kg/m3"),
    field("EDIT151", "tube-sheet outside diameter, mm"),
    field("EDIT136", "baffle weight, kg (whole number)"),
    field("EDIT143", "baffle thickness, mm"),
    field("EDIT147", "baffle density, kg/m3"),
    field("EDIT153", "baffle outside diameter, mm (whole number)"),
    field("EDIT137", "shell weight, kg (whole number)"),
    field("EDIT144", "shell wall thickness, mm"),
    field("EDIT148", "shell density, kg/m3"),
    field("EDIT154", "shell outside diameter, mm (whole number)"),
    field("EDIT155", "other weight, kg"),
    field("EDIT138", "total weight, kg (whole number)"),
};

constexpr LabelSpec kForm4Labels[] = {
    // Performance table headings.
    {"", "        Items", "        項目"},
    {"", "   Unit", "   単位"},
    {"", " Tube side", " 　管内側"},
    {"", " Shell side", " 　ｼｪﾙ側"},
    // Row captions, beside the first field of their row.
    {"EDIT47", "      Temp.", "       温度."},
    {"EDIT48", "    flowrate", "   　  流量"},
    {"EDIT50", "       Temp.", "        温度"},
    {"EDIT44", "   Shell outlet Temp.", "   　 　ｼｪﾙ出側温度"},
    {"EDIT51", "                  flowrate", "               　     流量"},
    {"EDIT54", "Tube Condensate", "管内側凝縮量"},
    {"EDIT72", "Shell condensate", "ｼｪﾙ側凝縮量"},
    {"EDIT46", "shell inside dia.", "　　　ｼｪﾙ内径"},
    {"EDIT49", "     Tube length", "     伝熱管長さ"},
    {"EDIT58", " Pressure loss", "　 圧力損失"},
    {"EDIT58", "      mmAq", nullptr},
    {"EDIT59", " Thermal effeicient", " 　温度効率"},
    {"EDIT59", "       %", nullptr},
    {"EDIT61", " Exchanged as heat", "　 交換熱量"},
    {"EDIT62", " Over-all heat tr.coeffi.", " 　熱通過率"},
    {"EDIT64", " LMTD ", " 　LMTD "},
    {"EDIT65", " Tube Area", " 　伝熱面積"},
    {"EDIT67", " Heat tr. coeffi.", " 　熱伝達率"},
    {"EDIT69", " Number of tubes", " 　伝熱管本数"},
    // Weight table: column headings, then the row captions.
    {"", "  Weight（Kg）  ", nullptr},
    {"", " Thick.（mm）　 ", nullptr},
    {"", "Dens.（Kg/m3） ", nullptr},
    {"", "  OD（mm） ", nullptr},
    {"EDIT134", "     Tubes", nullptr},
    {"EDIT135", "     Tube Sheet   ", nullptr},
    {"EDIT136", "     Baffle", nullptr},
    {"EDIT137", "     Shell", nullptr},
    {"EDIT155", "     Other", nullptr},
    {"EDIT138", "    Total Weight", nullptr},
};

}  // namespace

std::span<const ControlSpec> form4Controls() { return kForm4; }
std::span<const LabelSpec> form4Labels() { return kForm4Labels; }

}  // namespace hx::inventory
