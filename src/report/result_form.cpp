#include "report/result_form.h"

#include <optional>
#include <string>

#include "console/number_picture.h"
#include "core/option_codes.h"
#include "core/units.h"
#include "report/results_summary.h"

namespace hx {

namespace {

constexpr const char* kForm = "FORM4";
constexpr const char* kNotApplicable = "    ― ";

// Captions and unit labels of one language or unit system.
struct FormCaptions {
    const char *items, *unit, *tubeSide, *shellSide, *inlets, *outlets;
    const char *inletTemp, *inletFlow, *outletTemp, *outletFlow;
    const char *tubeCondensate, *tubeEvaporate, *shellCondensate, *shellEvaporate;
    const char *shellDiameter, *tubeLength, *pressureLoss, *efficiency, *heat, *overall, *lmtd,
        *area, *film, *tubes;
};

constexpr FormCaptions kEnglish = {"        Items",
                                   "   Unit",
                                   " Tube side",
                                   " Shell side",
                                   " IN",
                                   " OUT",
                                   "      Temp.",
                                   "    flowrate",
                                   "       Temp.",
                                   "                  flowrate",
                                   "Tube Condensate",
                                   "Tube Evaporate",
                                   "Shell condensate",
                                   "Shell Evaporate",
                                   "shell inside dia.",
                                   "     Tube length",
                                   " Pressure loss",
                                   " Thermal effeicient",
                                   " Exchanged as heat",
                                   " Over-all heat tr.coeffi.",
                                   " LMTD ",
                                   " Tube Area",
                                   " Heat tr. coeffi.",
                                   " Number of tubes"};

constexpr FormCaptions kJapanese = {
    "        項目",    "   単位",      " 　管内側",   " 　ｼｪﾙ側",     " 入口",
    " 出口",           "       温度.", "   　  流量", "        温度", "               　     流量",
    "管内側凝縮量",    "管内側蒸発量", "ｼｪﾙ側凝縮量", "ｼｪﾙ側蒸発量",  "　　　ｼｪﾙ内径",
    "     伝熱管長さ", "　 圧力損失",  " 　温度効率", "　 交換熱量",  " 　熱通過率",
    " 　LMTD ",        " 　伝熱面積",  " 　熱伝達率", " 　伝熱管本数"};

struct FormUnits {
    const char *temperature, *flow, *pressure, *heat, *coefficient;
};

FormUnits unitsOf(Presentation p) {
    if (isSI(p)) return {"K", "kg/s", "Pa", "     W", "   W/m2K"};
    const char* flow = p == Presentation::EnglishEngineering ? "ton/h" : "kg/h";
    return {"℃", flow, "      mmAq", "  kcal/h  ", " kcal/m2h℃"};
}

void setText(FormStore& forms, const char* control, const std::string& text) {
    forms.setText(kForm, control, text);
}

void setNumber(FormStore& forms, const char* control, std::optional<float> value) {
    setText(forms, control, value ? freeNumber(*value) : kNotApplicable);
}

void fillCaptions(FormStore& forms, Presentation p, const DesignCase& dc) {
    const FormCaptions& c = isJapanese(p) ? kJapanese : kEnglish;
    const FormUnits u = unitsOf(p);
    const bool tubeEvaporates = dc.fluidMode == kTubePhaseChange && dc.phaseChange == kEvaporation;
    const bool shellEvaporates =
        dc.fluidMode == kShellPhaseChange && dc.phaseChange == kEvaporation;
    const std::pair<const char*, const char*> texts[] = {
        {"TEXT300", c.items},
        {"TEXT301", c.unit},
        {"TEXT302", c.tubeSide},
        {"TEXT303", c.shellSide},
        {"TEXT340", c.inlets},
        {"TEXT341", c.outlets},
        {"TEXT310", c.inletTemp},
        {"TEXT311", c.inletFlow},
        {"TEXT312", c.outletTemp},
        {"TEXT313", c.outletFlow},
        {"TEXT314", tubeEvaporates ? c.tubeEvaporate : c.tubeCondensate},
        {"TEXT315", shellEvaporates ? c.shellEvaporate : c.shellCondensate},
        {"TEXT316", c.shellDiameter},
        {"TEXT317", c.tubeLength},
        {"TEXT318", c.pressureLoss},
        {"TEXT319", c.efficiency},
        {"TEXT320", c.heat},
        {"TEXT321", c.overall},
        {"TEXT322", c.lmtd},
        {"TEXT323", c.area},
        {"TEXT324", c.film},
        {"TEXT325", c.tubes},
        {"TEXT330", u.temperature},
        {"TEXT332", u.temperature},
        {"TEXT352", u.temperature},
        {"TEXT331", u.flow},
        {"TEXT333", u.flow},
        {"TEXT334", u.flow},
        {"TEXT335", u.flow},
        {"TEXT338", u.pressure},
        {"TEXT350", u.heat},
        {"TEXT351", u.coefficient},
        {"TEXT354", u.coefficient},
    };
    for (const auto& [control, text] : texts) setText(forms, control, text);
}

}  // namespace

ResultFormValues resultFormValues(Presentation p, const RunInputs& in, const Solution& shown) {
    const DesignCase& dc = in.dc;
    const bool si = isSI(p);
    const Solution s = inUnitsOf(p, in, shown);
    ResultFormValues v;
    // A wet gas shows its saturation temperatures at the tube nozzles.
    v.tubeIn = dc.wetGas ? s.Tzi : s.T3;
    v.tubeOut = dc.wetGas ? s.TZo : s.T4;
    v.shellIn = s.T1;
    v.shellOut = s.T2;
    // Flows in kg/h (kg/s in SI): the tube flow of the solution when it is
    // held in kg, else × 1000 from ton; the English engineering form shows
    // ton/h, so its flows go back to tons.
    const float perTon = p == Presentation::EnglishEngineering ? 1.0f / units::kKgPerTon : 1.0f;
    const float tubeFlow =
        s.tubeMassFlowKgH > 0.0f ? s.tubeMassFlowKgH : units::kKgPerTon * s.tubeMassFlowTonH;
    const float shellFlow = units::kKgPerTon * s.shellMassFlowTonH;
    v.tubeRate = dc.wetGas ? s.Wcon : dc.fluidMode == kTubePhaseChange ? s.tubeCondensation : 0.0f;
    v.shellRate = dc.fluidMode == kShellPhaseChange ? s.shellCondensation : 0.0f;
    v.tubeInFlow = tubeFlow * perTon;
    v.tubeOutFlow = (tubeFlow - v.tubeRate) * perTon;
    v.shellInFlow = shellFlow * perTon;
    v.shellOutFlow = (shellFlow - v.shellRate) * perTon;
    v.tubeRate *= perTon;
    v.shellRate *= perTon;
    // SI already holds mm; engineering m × 1000.
    v.DS = si ? s.shellDiameter : s.shellDiameter * 1000.0f;
    v.TL = si ? s.TL : s.TL * 1000.0f;
    // kgf/cm2 × 10000 = mmAq (a metre of water is 0.1 kgf/cm2); MPa × 10^6 = Pa.
    const float headPerPressure = si ? 1000000.0f : 10000.0f;
    v.DPt = s.DPt * headPerPressure;
    v.DPs = s.DPs * headPerPressure;
    // A side at its saturation temperature has no temperature efficiency.
    if (dc.fluidMode != kTubePhaseChange) v.Et = s.Et * 100.0f;
    if (dc.fluidMode != kShellPhaseChange) v.Es = s.Es * 100.0f;
    v.Q = s.Q;
    v.KI = s.KI;
    v.KO = s.KO;
    v.TM = s.TM;
    v.At = s.At;
    v.outsideArea = dc.lowFin ? s.Asf : s.As;
    v.Xt = s.Xt;
    v.Xs = s.Xs;
    v.NT = dc.NT;
    return v;
}

void fillResultForm(FormStore& forms, Presentation p, const RunInputs& in, const Solution& shown) {
    fillCaptions(forms, p, in.dc);
    const ResultFormValues v = resultFormValues(p, in, shown);
    const std::pair<const char*, std::optional<float>> fields[] = {
        {"EDIT47", v.tubeIn},      {"EDIT52", v.tubeOut},
        {"EDIT50", v.shellIn},     {"EDIT44", v.shellOut},
        {"EDIT48", v.tubeInFlow},  {"EDIT53", v.tubeOutFlow},
        {"EDIT51", v.shellInFlow}, {"EDIT45", v.shellOutFlow},
        {"EDIT54", v.tubeRate},    {"EDIT72", v.shellRate},
        {"EDIT46", v.DS},          {"EDIT49", v.TL},
        {"EDIT58", v.DPt},         {"EDIT57", v.DPs},
        {"EDIT59", v.Et},          {"EDIT60", v.Es},
        {"EDIT61", v.Q},           {"EDIT62", v.KI},
        {"EDIT63", v.KO},          {"EDIT64", v.TM},
        {"EDIT65", v.At},          {"EDIT66", v.outsideArea},
        {"EDIT67", v.Xt},          {"EDIT68", v.Xs},
        {"EDIT69", v.NT},
    };
    for (const auto& [control, value] : fields) setNumber(forms, control, value);
}

bool showResultForm(FormStore& forms, Platform& platform, const DesignCase& dc) {
    forms.showForm(kForm);
    return platform.loadBitmap(dc.exchangerType == kDoubleTube ? "vorn2-4JD.bmp" : "vorn2-4J.bmp");
}

}  // namespace hx
