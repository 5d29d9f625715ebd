// FORM4, the result form: the exchanger drawing, the performance table (an
// item caption, a unit label and the tube-side and shell-side fields of
// each row) and the weight table. The captions and unit labels are named
// controls: the results set them for the language and units of the
// presentation shown, which need not be those of the unit code. Lengths are
// shown in mm, efficiencies in per cent.
#include "model/inventory_tables.h"

namespace hx::inventory {

namespace {

// A caption or unit label that the results set; its launch text is the
// Japanese engineering one.
constexpr ControlSpec label(const char* name, const char* resource, const char* role) {
    return fixed(name, resource, role);
}

constexpr ControlSpec kForm4[] = {
    fixed("PICTURE2", "",
          "exchanger drawing, vorn2-4J.bmp (double tube: vorn2-4JD.bmp, odd tube passes: "
          "vorn2-4J_odd.bmp)"),

    // Headings of the performance table.
    label("TEXT300", "        項目", "heading of the item captions"),
    label("TEXT301", "   単位", "heading of the unit labels"),
    label("TEXT302", " 　管内側", "heading of the tube-side column"),
    label("TEXT303", " 　ｼｪﾙ側", "heading of the shell-side column"),

    // The nozzles: inlet temperature and flow, outlet temperature and flow.
    label("TEXT340", " IN", "inlet nozzles marker"),
    label("TEXT310", "       温度.", "caption of the inlet temperatures"),
    label("TEXT330", "℃", "unit of the inlet temperatures, ℃ or K"),
    field("EDIT47", "tube inlet temperature (wet gas: saturation temperature Tzi)"),
    field("EDIT50", "shell inlet temperature"),
    label("TEXT311", "   　  流量", "caption of the inlet flows"),
    label("TEXT331", "kg/h", "unit of the inlet flows, ton/h, kg/h or kg/s"),
    field("EDIT48", "tube-side inlet flow"),
    field("EDIT51", "shell-side inlet flow"),
    label("TEXT341", " OUT", "outlet nozzles marker"),
    label("TEXT312", "        温度", "caption of the outlet temperatures"),
    label("TEXT332", "℃", "unit of the outlet temperatures"),
    field("EDIT52", "tube outlet temperature (wet gas: saturation temperature TZo)"),
    field("EDIT44", "shell outlet temperature"),
    label("TEXT313", "               　     流量", "caption of the outlet flows"),
    label("TEXT333", "kg/h", "unit of the outlet flows"),
    field("EDIT53", "tube-side outlet flow"),
    field("EDIT45", "shell-side outlet flow"),
    label("TEXT314", "管内側凝縮量", "caption of the tube-side condensate or evaporation"),
    label("TEXT334", "kg/h", "unit of the tube-side condensate"),
    field("EDIT54", "tube-side condensate or evaporation rate"),
    label("TEXT315", "ｼｪﾙ側凝縮量", "caption of the shell-side condensate or evaporation"),
    label("TEXT335", "kg/h", "unit of the shell-side condensate"),
    field("EDIT72", "shell-side condensate or evaporation rate"),

    // Performance.
    label("TEXT316", "　　　ｼｪﾙ内径", "caption of the shell inside diameter"),
    label("TEXT336", "mm", "unit of the shell diameter"),
    field("EDIT46", "shell inside diameter, mm"),
    label("TEXT317", "     伝熱管長さ", "caption of the tube length"),
    label("TEXT337", "mm", "unit of the tube length"),
    field("EDIT49", "tube length, mm"),
    label("TEXT318", "　 圧力損失", "caption of the pressure losses"),
    label("TEXT338", "      mmAq", "unit of the pressure losses, mmAq or Pa"),
    field("EDIT58", "tube-side pressure loss"),
    field("EDIT57", "shell-side pressure loss"),
    label("TEXT319", " 　温度効率", "caption of the thermal efficiencies"),
    label("TEXT339", "       %", "unit of the efficiencies"),
    field("EDIT59", "tube-side thermal efficiency, % (phase-changing side: a dash)"),
    field("EDIT60", "shell-side thermal efficiency, %"),
    label("TEXT320", "　 交換熱量", "caption of the exchanged heat"),
    label("TEXT350", "  kcal/h  ", "unit of the exchanged heat, kcal/h or W"),
    field("EDIT61", "exchanged heat"),
    label("TEXT321", " 　熱通過率", "caption of the overall coefficients"),
    label("TEXT351", " kcal/m2h℃", "unit of the overall coefficients, kcal/m2h℃ or W/m2K"),
    field("EDIT62", "overall coefficient on the inside area"),
    field("EDIT63", "overall coefficient on the outside area"),
    label("TEXT322", " 　LMTD ", "caption of the corrected mean temperature difference"),
    label("TEXT352", "℃", "unit of the mean temperature difference, ℃ or K"),
    field("EDIT64", "corrected mean temperature difference"),
    label("TEXT323", " 　伝熱面積", "caption of the areas"),
    label("TEXT353", "m2", "unit of the areas"),
    field("EDIT65", "tube inside area"),
    field("EDIT66", "tube outside area (low fin: finned area)"),
    label("TEXT324", " 　熱伝達率", "caption of the film coefficients"),
    label("TEXT354", " kcal/m2h℃", "unit of the film coefficients, kcal/m2h℃ or W/m2K"),
    field("EDIT67", "tube-side film coefficient"),
    field("EDIT68", "shell-side film coefficient"),
    label("TEXT325", " 　伝熱管本数", "caption of the number of tubes"),
    field("EDIT69", "number of tubes"),

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

// The weight table's captions, the same in every presentation.
constexpr LabelSpec kForm4Labels[] = {
    {"", "  Weight（Kg）  ", nullptr},   {"", " Thick.（mm）　 ", nullptr},
    {"", "Dens.（Kg/m3） ", nullptr},    {"", "  OD（mm） ", nullptr},
    {"EDIT134", "     Tubes", nullptr},  {"EDIT135", "     Tube Sheet   ", nullptr},
    {"EDIT136", "     Baffle", nullptr}, {"EDIT137", "     Shell", nullptr},
    {"EDIT155", "     Other", nullptr},  {"EDIT138", "    Total Weight", nullptr},
};

}  // namespace

std::span<const ControlSpec> form4Controls() { return kForm4; }
std::span<const LabelSpec> form4Labels() { return kForm4Labels; }

}  // namespace hx::inventory
