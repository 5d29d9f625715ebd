#include "calc/checks/entry_checks.h"

#include <charconv>
#include <cmath>
#include <set>

#include "calc/case/read_design_case.h"
#include "core/lenient_number.h"
#include "core/option_codes.h"
#include "core/run_ended.h"
#include "model/field_catalogue.h"

namespace hx {

namespace {

struct Name {
    std::string_view japanese;
    std::string_view english;
    std::string_view in(int unitCode) const { return isJapanese(unitCode) ? japanese : english; }
};

// Each field named as its caption names it.
struct FieldNameRow {
    std::string_view control;
    Name name;
};
// clang-format off
constexpr FieldNameRow kFieldNames[] = {
    {"EDIT75", {"管内側流量", "Tube side flowrate"}},
    {"EDIT76", {"ｼｪﾙ側流量", "Shell side flowrate"}},
    {"EDIT28", {"湿り凝縮液膜厚さ", "H2O cond. liquid film thickness"}},
    {"EDIT2", {"伝熱管外径", "Tube outside diameter"}},
    {"EDIT1", {"伝熱管内径", "Tube inside diameter"}},
    {"EDIT3", {"管ﾋﾟｯﾁ(管外径基準)", "Tube pitch(out side base)"}},
    {"EDIT4", {"ﾌｨﾝ肉厚", "Fin thickness"}},
    {"EDIT5", {"ﾌｨﾝ高さ", "Fin hight"}},
    {"EDIT16", {"ﾌｨﾝの熱伝導率", "Fin thermal conductivity"}},
    {"EDIT6", {"ﾌｨﾝ枚数", "Fin number"}},
    {"EDIT15", {"伝熱管の熱伝導率", "Tube thermal conductivity"}},
    {"EDIT17", {"管内側汚れ係数", "Tube side fouling factor"}},
    {"EDIT18", {"ｼｪﾙ側汚れ係数", "Shell side fouling factor"}},
    {"EDIT19", {"管内側パス数", "Tube side fluid pass number"}},
    {"EDIT45", {"ﾊﾞｯﾌﾙ板(BP)間隔", "Baffle space"}},
    {"EDIT46", {"BP切欠位置", "Buffle cat line level from center"}},
    {"EDIT47", {"BP切欠き線上の管数", "Tube number on buffle cut line"}},
    {"EDIT48", {"管中心からBP切欠ｴｯｼﾞ開口角度", "Angle at buffle edge/tube center"}},
    {"EDIT49", {"ｼｪﾙ内径とBP外径間のｷﾞｬｯﾌﾟ", "Gap at inside shell/buffle dia."}},
    {"EDIT50", {"ｼｪﾙ内径と管束外径間のｷﾞｬｯﾌﾟ", "Gap at inside shell/tube bundle"}},
    {"EDIT51", {"BP穴径と管外径間ｷﾞｬｯﾌﾟ", "Gap at buffle hole/outside tube"}},
    {"EDIT52", {"ﾊﾞｲﾊﾟｽ防止板の枚数", "Plate number for privention bypass"}},
    {"EDIT80", {"伝熱管本数", "Number of tubes"}},
    {"EDIT81", {"シェル入側温度", "Shell side inlet Temp."}},
    {"EDIT82", {"管内入側温度", "Tube side inlet Temp."}},
    {"EDIT124", {"大気圧露点温度", "Atom.Sat.Temp."}},
    {"EDIT83", {"伝熱管長さ", "Tube length"}},
    {"EDIT85", {"シェル出側温度", "Shell outlet temp."}},
    {"EDIT84", {"伝熱管出側温度", "Tube outlet temp."}},
    {"EDIT123", {"管内気体圧力", "air pressure in tube"}},
    {"EDIT87", {"CO2", "CO2"}},
    {"EDIT88", {"O2", "O2"}},
    {"EDIT89", {"H2O", "H2O"}},
    {"EDIT90", {"N2", "N2"}},
    {"EDIT113", {"H2O(kg/kgda)", "H2O(kg/kgda)"}},
    {"EDIT111", {"捻りﾃｰﾌﾟﾋﾟｯﾁ", "Twist tape pitch"}},
    {"EDIT112", {"捻りﾃｰﾌﾟ板厚", "Twist tape thickness"}},
    {"EDIT93", {"管内側物性値 飽和蒸気凝縮潜熱", "Tube side physical prop. Sat.Latent heat"}},
    {"EDIT94", {"管内側物性値 密度", "Tube side physical prop. Density"}},
    {"EDIT95", {"管内側物性値 比熱", "Tube side physical prop. Specific heat"}},
    {"EDIT96", {"管内側物性値 動粘性係数", "Tube side physical prop. Kinetic viscocity"}},
    {"EDIT97", {"管内側物性値 熱伝導率", "Tube side physical prop. Thermal conductivity"}},
    {"EDIT98", {"管内側物性値 凝縮液密度", "Tube side physical prop. Condensate density"}},
    {"EDIT99", {"管内側物性値 凝縮液比熱", "Tube side physical prop. Cond.Specific heat"}},
    {"EDIT100", {"管内側物性値 凝縮液動粘性係数", "Tube side physical prop. Cond.kinetic visc."}},
    {"EDIT101", {"管内側物性値 凝縮液熱伝導率", "Tube side physical prop. Cond.thermal conduc."}},
    {"EDIT102", {"シェル側物性値 飽和蒸気凝縮潜熱", "Shell side physical prop. Sat.Latent heat"}},
    {"EDIT103", {"シェル側物性値 密度", "Shell side physical prop. Density"}},
    {"EDIT104", {"シェル側物性値 比熱", "Shell side physical prop. Specific heat"}},
    {"EDIT105", {"シェル側物性値 動粘性係数", "Shell side physical prop. Kinetic viscocity"}},
    {"EDIT106", {"シェル側物性値 熱伝導率", "Shell side physical prop. Thermal conductivity"}},
    {"EDIT107", {"シェル側物性値 凝縮液密度", "Shell side physical prop. Condensate density"}},
    {"EDIT108", {"シェル側物性値 凝縮液比熱", "Shell side physical prop. Cond.Specific heat"}},
    {"EDIT109", {"シェル側物性値 凝縮液動粘性係数", "Shell side physical prop. Cond.kinetic visc."}},
    {"EDIT110", {"シェル側物性値 凝縮液熱伝導率", "Shell side physical prop. Cond.thermal conduc."}},
    {"EDIT115", {"管内側熱伝達率", "Tube side heat transfer coefficient"}},
    {"EDIT116", {"管外側熱伝達率", "Shell side heat transfer coefficient"}},
    {"EDIT119", {"管内側熱伝達率補正係数", "Modification coefficient for tube side Heat Tran.Coeffi."}},
    {"EDIT120", {"シェル側熱伝達率補正係数", "Modification coefficient for shell side Heat Tran.Coeffi."}},
    {"EDIT158", {"管配列角度", "Tube layout"}},
    {"EDIT159", {"シェル内径", "Shell inside diameter"}},
    {"EDIT160", {"管束外径", "Outer tube limit"}},
    {"EDIT161", {"シェル・管束間隙間", "Bundle-to-shell clearance"}},
    {"EDIT162", {"シェル・バッフル間隙間", "Baffle-to-shell clearance"}},
    {"EDIT163", {"管・バッフル穴隙間", "Tube-to-hole clearance"}},
    {"EDIT164", {"入口バッフル間隔", "Inlet baffle spacing"}},
    {"EDIT165", {"出口バッフル間隔", "Outlet baffle spacing"}},
    {"EDIT180", {"管内側入口ノズル内径", "Tube side inlet nozzle diameter"}},
    {"EDIT181", {"管内側出口ノズル内径", "Tube side outlet nozzle diameter"}},
    {"EDIT150", {"管板厚さ", "Tube sheet thickness"}},
    {"EDIT127", {"管板密度", "Tube sheet density"}},
    {"EDIT128", {"管板外径", "Tube sheet outside diameter"}},
    {"EDIT156", {"管板枚数", "Number of tube sheets"}},
    {"EDIT129", {"シェル肉厚", "Shell thickness"}},
    {"EDIT130", {"シェル密度", "Shell density"}},
    {"EDIT131", {"バッフル板厚", "Baffle thickness"}},
    {"EDIT132", {"バッフル密度", "Baffle density"}},
    {"EDIT126", {"バッフル枚数", "Number of baffles"}},
    {"EDIT133", {"伝熱管密度", "Tube density"}},
    {"EDIT149", {"その他重量", "Other weight"}},
};
// clang-format on

// The fields whose caption changes in the evaporating modes.
constexpr Name kShellLiquidInlet{"シェル入側液温度", "Shell side liq. inlet Temp."};
constexpr Name kSurfaceTension{"蒸発液の表面張力", "Surface tension"};
constexpr Name kVapourPressure{"飽和蒸気圧力", "Sat.vapour pressure"};
// The option-code fields, named for the choice they keep.
constexpr Name kCodeField{"選択番号", "Selection No."};

// A number as the messages show it: the shortest text that reads back as
// the same float ("0.001", "1e+30").
std::string numberText(float v) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, v);
    return std::string(text, result.ptr);
}

// The text of a field as quoted in a message: blanks trimmed, at most 40
// characters.
std::string quoted(std::string_view text) {
    const auto b = text.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    const auto e = text.find_last_not_of(' ');
    std::string t(text.substr(b, e - b + 1));
    if (t.size() > 40) t = t.substr(0, 40) + "…";
    return t;
}

std::string partlyReadMessage(std::string_view name, std::string_view text, std::string_view rest,
                              int unitCode) {
    if (isJapanese(unitCode))
        return "    " + std::string(name) + "：「" + quoted(text) +
               "」は数値として読めません（数値の後に「" + quoted(rest) + "」）";
    return "    " + std::string(name) + ": \"" + quoted(text) + "\" is not a number (\"" +
           quoted(rest) + "\" after the number)";
}

// How a quantity's lower bound is checked.
enum class Lower {
    Inclusive,     // the catalogue minimum is allowed (an empty field reads as 0)
    Exclusive,     // the quantity must lie above it: a typed film coefficient
    AbsoluteZero,  // a temperature: above absolute zero
};

struct RangeRule {
    const char* key;  // the catalogue entry: form, field, range and unit
    float DesignCase::*value;
    bool (*uses)(const DesignCase&);
    Lower lower = Lower::Inclusive;
    const Name* name = nullptr;  // where the caption differs from the usual one
};

bool always(const DesignCase&) { return true; }
bool shellAndTube(const DesignCase& dc) {
    return dc.exchangerType != kDoubleTube && dc.doubleTubeGeometry != 1;
}
bool lowFin(const DesignCase& dc) { return dc.tubeSurface == kLowFinTube; }
bool wetGas(const DesignCase& dc) { return dc.fluidMode == kTubeWetGas; }
bool pressurisedWetGas(const DesignCase& dc) {
    return wetGas(dc) && dc.humidityBasis == kFromDewPoint;
}
bool evaporation(const DesignCase& dc) {
    return (dc.fluidMode == kTubePhaseChange || dc.fluidMode == kShellPhaseChange) &&
           dc.phaseChange == kEvaporation;
}
bool shellEvaporation(const DesignCase& dc) {
    return dc.fluidMode == kShellPhaseChange && dc.phaseChange == kEvaporation;
}
bool tapeUsed(const DesignCase& dc) { return dc.twistedTape == kTapeUsed; }
bool byHand(int method) { return method == kLiquidByHand || method == kGasByHand; }
bool tubeTwoPhase(const DesignCase& dc) { return dc.fluidMode == kTubePhaseChange; }
bool shellTwoPhase(const DesignCase& dc) { return dc.fluidMode == kShellPhaseChange; }
bool tubeProperties(const DesignCase& dc) { return byHand(dc.tubeMethod) || tubeTwoPhase(dc); }
bool shellProperties(const DesignCase& dc) { return byHand(dc.shellMethod) || shellTwoPhase(dc); }
bool byFormula(const DesignCase& dc) { return dc.coefficientSetting != kByHand; }
bool tubeCoefficientTyped(const DesignCase& dc) {
    return dc.coefficientSetting == kByHand &&
           (dc.manualSide == kManualTube || dc.manualSide == kManualBoth);
}
bool shellCoefficientTyped(const DesignCase& dc) {
    return dc.coefficientSetting == kByHand &&
           (dc.manualSide == kManualShell || dc.manualSide == kManualBoth);
}

using DC = DesignCase;
// clang-format off
// In the order of the forms. The strictly positive dimensions, flows and
// properties and the inlet temperatures have their own checks at the start
// of a run (input_checks.h); these are the rest of the ranges.
constexpr RangeRule kRangeRules[] = {
    {"condensate_film_thickness_mm", &DC::filmThickness, wetGas},
    {"fin_conductivity", &DC::FM, lowFin},
    {"tube_wall_conductivity", &DC::CM, always},
    {"tube_fouling", &DC::Ft, always},
    {"shell_fouling", &DC::Fs, always},
    {"baffle_cut", &DC::baffleCut, shellAndTube},
    {"cut_line_tube_count", &DC::cutLineTubes, shellAndTube},
    {"baffle_edge_angle_deg", &DC::cutEdgeAngle, shellAndTube},
    {"shell_baffle_gap_mm", &DC::shellBaffleGap, shellAndTube},
    {"shell_bundle_gap_mm", &DC::shellBundleGap, shellAndTube},
    {"baffle_hole_gap_mm", &DC::baffleHoleGap, shellAndTube},
    {"sealing_strips", &DC::sealingStrips, shellAndTube},
    {"dew_point_temperature", &DC::Ta, pressurisedWetGas, Lower::AbsoluteZero},
    {"tube_gas_pressure", &DC::Pt, pressurisedWetGas, Lower::Exclusive},
    {"shell_liquid_inlet_temperature", &DC::Pt, shellEvaporation, Lower::AbsoluteZero, &kShellLiquidInlet},
    {"surface_tension_kgf_m", &DC::sigma, evaporation, Lower::Inclusive, &kSurfaceTension},
    {"saturated_vapour_pressure_kgf_cm2", &DC::Ps, shellEvaporation, Lower::Inclusive, &kVapourPressure},
    {"tape_pitch_mm", &DC::tapePitch, tapeUsed},
    {"tape_thickness_mm", &DC::tapeThickness, tapeUsed},
    {"tube_latent_heat", &DC::Ltv, tubeTwoPhase},
    {"tube_fluid_density_kg_m3", &DC::Dt, tubeProperties},
    {"tube_fluid_specific_heat", &DC::Ct, tubeProperties},
    {"tube_fluid_viscosity", &DC::Vt, tubeProperties},
    {"tube_fluid_conductivity", &DC::Kt, tubeProperties},
    {"tube_condensate_density_kg_m3", &DC::Dtlv, tubeTwoPhase},
    {"tube_condensate_specific_heat", &DC::Ctlv, tubeTwoPhase},
    {"tube_condensate_viscosity", &DC::Vtl, tubeTwoPhase},
    {"tube_condensate_conductivity", &DC::Ktl, tubeTwoPhase},
    {"shell_latent_heat", &DC::Lsv, shellTwoPhase},
    {"shell_fluid_density_kg_m3", &DC::Ds, shellProperties},
    {"shell_fluid_specific_heat", &DC::Cs, shellProperties},
    {"shell_fluid_viscosity", &DC::Vs, shellProperties},
    {"shell_fluid_conductivity", &DC::KS, shellProperties},
    {"shell_condensate_density_kg_m3", &DC::Dslv, shellTwoPhase},
    {"shell_condensate_specific_heat", &DC::Cslv, shellTwoPhase},
    {"shell_condensate_viscosity", &DC::Vsl, shellTwoPhase},
    {"shell_condensate_conductivity", &DC::Ksl, shellTwoPhase},
    {"tube_coefficient_factor", &DC::enteredTubeFactor, byFormula},
    {"shell_coefficient_factor", &DC::enteredShellFactor, byFormula},
    {"tube_film_coefficient", &DC::manualXt, tubeCoefficientTyped, Lower::Exclusive},
    {"shell_film_coefficient", &DC::manualXs, shellCoefficientTyped, Lower::Exclusive},
};
// clang-format on

std::string rangeMessage(std::string_view name, float v, float lo, float hi, Lower lower,
                         std::string_view unit, int unitCode) {
    const std::string u = unit == "-" || unit.empty() ? "" : " " + std::string(unit);
    const std::string n = "    " + std::string(name);
    const bool japanese = isJapanese(unitCode);
    // A text beyond the float range reads as infinite: said so, without
    // printing the infinity.
    if (!std::isfinite(v))
        return japanese ? n + "の値が数値の範囲を超えています" : n + " is beyond the number range";
    if (lower == Lower::AbsoluteZero && !(v > lo))
        return japanese ? n + "が絶対零度以下です" : n + " is below absolute zero";
    if (lower == Lower::Exclusive && !(v > lo)) {
        return japanese ? n + " " + numberText(v) + " は " + numberText(lo) + u +
                              " より大きく設定して下さい"
                        : n + " " + numberText(v) + " must be above " + numberText(lo) + u;
    }
    return japanese ? n + " " + numberText(v) + " は範囲 " + numberText(lo) + " … " +
                          numberText(hi) + u + " の外です"
                    : n + " " + numberText(v) + " lies outside " + numberText(lo) + " … " +
                          numberText(hi) + u;
}

bool inRange(float v, float lo, float hi, Lower lower) {
    const bool above = lower == Lower::Inclusive ? v >= lo : v > lo;
    return above && v <= hi;  // written so that a NaN fails
}

}  // namespace

std::string_view fieldName(std::string_view control, int unitCode) {
    for (const FieldNameRow& row : kFieldNames)
        if (row.control == control) return row.name.in(unitCode);
    return {};
}

std::optional<FieldRefusal> findPartlyReadField(const FormStore& forms, std::string_view form) {
    const int unitCode = static_cast<int>(forms.number("MAINFORM", "EDIT74"));
    std::set<std::pair<std::string_view, std::string_view>> seen;
    for (const CaseField& f : designCaseFields()) {
        if (!form.empty() && f.form != form) continue;
        if (!seen.insert({f.form, f.control}).second) continue;
        // A disabled field is one the case does not use (or a code a button
        // writes): the user could not retype it.
        if (!forms.enabled(f.form, f.control)) continue;
        const std::string& text = forms.text(f.form, f.control);
        const NumberText read = readWholeNumber(text);
        if (read.whole) continue;
        std::string_view name = fieldName(f.control, unitCode);
        if (name.empty()) name = kCodeField.in(unitCode);
        return FieldRefusal{f.form, f.control, partlyReadMessage(name, text, read.rest, unitCode)};
    }
    return std::nullopt;
}

std::optional<FieldRefusal> findEntryOutOfRange(const DesignCase& dc, std::string_view form) {
    const bool si = isSI(dc.unitCode);
    for (const RangeRule& rule : kRangeRules) {
        const CatalogueField* f = findCatalogueField(rule.key);
        if (f == nullptr || (!form.empty() && f->form != form) || !rule.uses(dc)) continue;
        const float v = dc.*rule.value;
        const float lo = si ? f->minSI : f->minEngineering;
        const float hi = si ? f->maxSI : f->maxEngineering;
        if (inRange(v, lo, hi, rule.lower)) continue;
        const std::string_view name =
            rule.name ? rule.name->in(dc.unitCode) : fieldName(f->control, dc.unitCode);
        return FieldRefusal{f->form, f->control,
                            rangeMessage(name, v, lo, hi, rule.lower,
                                         si ? f->unitSI : f->unitEngineering, dc.unitCode)};
    }
    return std::nullopt;
}

void selectRefusedField(FormStore& forms, const FieldRefusal& refusal) {
    if (!forms.formVisible(refusal.form)) forms.showForm(refusal.form);
    forms.selectField(refusal.form, refusal.control);
}

MainDataVerdict checkMainData(const MainDataEntries& e) {
    constexpr std::string_view kTubeSideMessage = " Illegal temperature setting";
    constexpr std::string_view kTemperatureMessage = "  Illegal temperature setting";
    constexpr std::string_view kLengthMessage = "  Illegal tube length setting";
    const float t1 = e.shellInlet;
    const float t3 = e.tubeInlet;

    // A condensing stream must be hotter than the stream it heats, an
    // evaporating one colder than the stream that heats it.
    if (e.fluidMode == kTubePhaseChange) {
        if ((e.phaseChange == kCondensation && !(t3 > t1)) ||
            (e.phaseChange == kEvaporation && !(t3 < t1)))
            return {MainDataStage::PhaseChange, kTubeSideMessage};
    }
    if (e.fluidMode == kShellPhaseChange) {
        if ((e.phaseChange == kCondensation && !(t3 < t1)) ||
            (e.phaseChange == kEvaporation && !(t3 > t1)))
            return {MainDataStage::PhaseChange, kTemperatureMessage};
    }
    // Equal inlets exchange no heat.
    if (t1 == t3) return {MainDataStage::Duty, kTemperatureMessage};
    if (e.fluidMode != kSensible) return {};

    // A given outlet must lie between the two inlets: a stream cannot be
    // cooled below the other's inlet nor heated above it.
    const bool shellCooled = t3 < t1;
    switch (e.solveFor) {
        case kLengthGiven:
            if (e.length <= 0.0f) return {MainDataStage::Duty, kLengthMessage};
            break;
        case kShellOutletGiven: {
            const float t2 = e.shellOutlet;
            const bool bad = shellCooled ? (t2 > t1 || t2 < t3) : (t2 < t1 || t2 > t3);
            if (bad) return {MainDataStage::Duty, kTemperatureMessage};
            break;
        }
        case kTubeOutletGiven: {
            const float t4 = e.tubeOutlet;
            const bool bad = shellCooled ? (t4 < t3 || t4 > t1) : (t4 > t3 || t4 < t1);
            if (bad) return {MainDataStage::Duty, kTemperatureMessage};
            break;
        }
        default: break;
    }
    return {};
}

MainDataEntries mainDataEntries(const DesignCase& dc) {
    MainDataEntries e;
    e.fluidMode = dc.fluidMode;
    e.solveFor = dc.solveForMirror;
    e.phaseChange = dc.phaseChange;
    e.shellInlet = dc.T1;
    e.tubeInlet = dc.T3;
    e.length = dc.TL;
    e.shellOutlet = dc.T2;
    e.tubeOutlet = dc.T4;
    return e;
}

void checkEntryRanges(const DesignCase& dc, TextConsole& console) {
    if (const std::optional<FieldRefusal> refusal = findEntryOutOfRange(dc, ""))
        endRun(console, refusal->message);
}

void checkMainDataEntries(const DesignCase& dc, TextConsole& console) {
    const MainDataVerdict verdict = checkMainData(mainDataEntries(dc));
    if (verdict.stage != MainDataStage::Passed) endRun(console, verdict.message);
}

}  // namespace hx
