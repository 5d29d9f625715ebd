#include "report/screen/result_form.h"

#include <optional>
#include <string>

#include "console/number_picture.h"
#include "core/option_codes.h"
#include "core/units.h"
#include "report/screen/flow_figure.h"
#include "report/screen/results_summary.h"

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

// The pressure drops in the units of the summary beside the table: a gas in
// the tubes has its drop in mmAq (Pa), the shell side and a liquid in the
// tubes in kg/cm2 (MPa); a kg/cm2 (MPa) value is followed by the same drop
// in mmAq (Pa) in brackets, as the digits of a small drop are all zero.
const char* pressureUnit(Presentation p, bool tubeGas) {
    if (isSI(p)) return tubeGas ? "Pa, MPa (Pa)" : "MPa (Pa)";
    return tubeGas ? "mmAq, kg/cm2 (mmAq)" : "kg/cm2 (mmAq)";
}

FormUnits unitsOf(Presentation p, bool tubeGas) {
    const char* pressure = pressureUnit(p, tubeGas);
    if (isSI(p)) return {"K", "kg/s", pressure, "     W", "   W/m2K"};
    const char* flow = p == Presentation::EnglishEngineering ? "ton/h" : "kg/h";
    return {"℃", flow, pressure, "  kcal/h  ", " kcal/m2h℃"};
}

// Decimals of each value, those of the summary's picture of the same
// quantity (converted where the form shows another unit: m to mm, kg/h to
// ton/h, an efficiency to per cent).
struct FormDigits {
    int temperature, flow, rate, DS, TL, dpLiquid, dpHead, dpShell, efficiency, Q, K, TM, area, Xt,
        Xs;
};

// Indexed by Presentation.
constexpr FormDigits kDigits[] = {
    {2, 4, 4, 0, 0, 5, 1, 5, 2, 0, 1, 2, 2, 1, 1},  // English engineering (flows in ton/h)
    {2, 4, 4, 1, 1, 4, 1, 4, 2, 0, 1, 2, 2, 1, 1},  // English SI
    {2, 1, 1, 0, 0, 5, 1, 5, 2, 0, 1, 2, 2, 1, 1},  // Japanese engineering
    {2, 4, 3, 1, 1, 4, 1, 4, 2, 0, 1, 2, 2, 1, 1},  // Japanese SI
};

// A value with a fixed number of decimals, without leading blanks.
std::string fixed(float value, int decimals) {
    std::string picture = "##########";
    if (decimals > 0) picture += "." + std::string(static_cast<std::size_t>(decimals), '#');
    std::string text = formatUsing(picture, {value});
    text.erase(0, text.find_first_not_of(' '));
    return text;
}

void setText(FormStore& forms, const char* control, const std::string& text) {
    forms.setText(kForm, control, text);
}

void fillCaptions(FormStore& forms, Presentation p, const DesignCase& dc) {
    const FormCaptions& c = isJapanese(p) ? kJapanese : kEnglish;
    const FormUnits u = unitsOf(p, dc.tubePhase == TubePhase::Gas);
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
    v.tubeGas = dc.tubePhase == TubePhase::Gas;
    v.DPt = v.tubeGas ? s.DPt * headPerPressure : s.DPt;
    v.DPs = s.DPs;
    v.DPtHead = s.DPt * headPerPressure;
    v.DPsHead = s.DPs * headPerPressure;
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

std::vector<std::pair<const char*, std::string>> resultFormTexts(Presentation p,
                                                                 const ResultFormValues& v) {
    const FormDigits& d = kDigits[static_cast<int>(p)];
    const auto percent = [&d](std::optional<float> e) {
        return e ? fixed(*e, d.efficiency) : std::string(kNotApplicable);
    };
    // A drop as the summary shows it, with its value in mmAq or Pa after it.
    const auto drop = [](float value, int decimals, std::optional<float> head) {
        std::string text = fixed(value, decimals);
        if (head) text += " (" + fixed(*head, 1) + ")";
        return text;
    };
    const int dpTube = v.tubeGas ? d.dpHead : d.dpLiquid;
    return {
        {"EDIT47", fixed(v.tubeIn, d.temperature)},
        {"EDIT52", fixed(v.tubeOut, d.temperature)},
        {"EDIT50", fixed(v.shellIn, d.temperature)},
        {"EDIT44", fixed(v.shellOut, d.temperature)},
        {"EDIT48", fixed(v.tubeInFlow, d.flow)},
        {"EDIT53", fixed(v.tubeOutFlow, d.flow)},
        {"EDIT51", fixed(v.shellInFlow, d.flow)},
        {"EDIT45", fixed(v.shellOutFlow, d.flow)},
        {"EDIT54", fixed(v.tubeRate, d.rate)},
        {"EDIT72", fixed(v.shellRate, d.rate)},
        {"EDIT46", fixed(v.DS, d.DS)},
        {"EDIT49", fixed(v.TL, d.TL)},
        // A gas's tube drop is already in mmAq (Pa): no second value.
        {"EDIT58", drop(v.DPt, dpTube, v.tubeGas ? std::nullopt : std::optional(v.DPtHead))},
        {"EDIT57", drop(v.DPs, d.dpShell, v.DPsHead)},
        {"EDIT59", percent(v.Et)},
        {"EDIT60", percent(v.Es)},
        {"EDIT61", fixed(v.Q, d.Q)},
        {"EDIT62", fixed(v.KI, d.K)},
        {"EDIT63", fixed(v.KO, d.K)},
        {"EDIT64", fixed(v.TM, d.TM)},
        {"EDIT65", fixed(v.At, d.area)},
        {"EDIT66", fixed(v.outsideArea, d.area)},
        {"EDIT67", fixed(v.Xt, d.Xt)},
        {"EDIT68", fixed(v.Xs, d.Xs)},
        {"EDIT69", fixed(v.NT, 0)},
    };
}

void fillResultForm(FormStore& forms, Presentation p, const RunInputs& in, const Solution& shown) {
    fillCaptions(forms, p, in.dc);
    for (const auto& [control, text] : resultFormTexts(p, resultFormValues(p, in, shown)))
        setText(forms, control, text);
}

bool showResultForm(FormStore& forms, Platform& platform, const DesignCase& dc) {
    forms.showForm(kForm);
    if (dc.exchangerType == kDoubleTube) return platform.loadBitmap("vorn2-4JD.bmp");
    return platform.loadBitmap(oddTubePasses(dc) ? "vorn2-4J_odd.bmp" : "vorn2-4J.bmp");
}

}  // namespace hx
