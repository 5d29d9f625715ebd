#include "calc/case/read_design_case.h"

#include "core/option_codes.h"
#include "core/units.h"

namespace hx {

namespace {

using DC = DesignCase;
using WP = DesignCase::WeightPanel;

constexpr CaseField code(const char* form, const char* control, int DC::*m) {
    return CaseField{form, control, m, nullptr, nullptr};
}
constexpr CaseField qty(const char* form, const char* control, float DC::*m) {
    return CaseField{form, control, nullptr, m, nullptr};
}
constexpr CaseField wgt(const char* control, float WP::*m) {
    return CaseField{"MAINFORM", control, nullptr, nullptr, m};
}

constexpr const char* kMain = "MAINFORM";
constexpr const char* kData = "FORM7";

constexpr CaseField kFields[] = {
    // Option codes kept in the hidden and choice fields.
    code(kMain, "EDIT74", &DC::unitCode),
    code(kMain, "EDIT114", &DC::exchangerType),
    code(kMain, "EDIT77", &DC::doubleTubeGeometry),
    code(kMain, "EDIT39", &DC::fluidMode),
    code(kMain, "EDIT40", &DC::tubeMethod),
    code(kMain, "EDIT41", &DC::shellMethod),
    code(kMain, "EDIT86", &DC::solveFor),
    code(kData, "EDIT122", &DC::solveForMirror),
    code(kMain, "EDIT53", &DC::flowArrangement),
    code(kMain, "EDIT25", &DC::tubeSurface),
    code(kMain, "EDIT73", &DC::twistedTape),
    code(kMain, "EDIT29", &DC::cutLineTubesCode),
    code(kMain, "EDIT22", &DC::waterContentUnit),
    code(kMain, "EDIT91", &DC::gasComposition),
    code(kMain, "EDIT92", &DC::compositionAdjustment),
    code(kMain, "EDIT139", &DC::weightCalculation),
    code("FORM9", "EDIT121", &DC::phaseChange),
    code("FORM10", "EDIT125", &DC::humidityBasis),
    code("FORM8", "EDIT117", &DC::coefficientSetting),
    code("FORM8", "EDIT118", &DC::manualSide),
    code("FORM8", "EDIT157", &DC::calculationBasis),
    // Streams and the geometry column of the main form.
    qty(kMain, "EDIT75", &DC::Wt),
    qty(kMain, "EDIT76", &DC::Ws),
    qty(kMain, "EDIT28", &DC::filmThickness),
    qty(kMain, "EDIT2", &DC::D0),
    qty(kMain, "EDIT1", &DC::DI),
    qty(kMain, "EDIT3", &DC::TP),
    qty(kMain, "EDIT4", &DC::FT),
    qty(kMain, "EDIT5", &DC::FH),
    qty(kMain, "EDIT16", &DC::FM),
    qty(kMain, "EDIT6", &DC::FN),
    qty(kMain, "EDIT15", &DC::CM),
    qty(kMain, "EDIT17", &DC::Ft),
    qty(kMain, "EDIT18", &DC::Fs),
    qty(kMain, "EDIT19", &DC::PN),
    qty(kMain, "EDIT45", &DC::B),
    qty(kMain, "EDIT46", &DC::baffleCut),
    qty(kMain, "EDIT47", &DC::cutLineTubes),
    qty(kMain, "EDIT48", &DC::cutEdgeAngle),
    qty(kMain, "EDIT49", &DC::shellBaffleGap),
    qty(kMain, "EDIT50", &DC::shellBundleGap),
    qty(kMain, "EDIT51", &DC::baffleHoleGap),
    qty(kMain, "EDIT52", &DC::sealingStrips),
    // Main data form: duty, wet-gas conditions, composition, twisted tape.
    qty(kData, "EDIT80", &DC::NT),
    qty(kData, "EDIT81", &DC::T1),
    qty(kData, "EDIT82", &DC::T3),
    qty(kData, "EDIT124", &DC::Ta),
    qty(kData, "EDIT83", &DC::TL),
    qty(kData, "EDIT85", &DC::T2),
    qty(kData, "EDIT85", &DC::Ps),
    qty(kData, "EDIT84", &DC::T4),
    qty(kData, "EDIT84", &DC::sigma),
    qty(kData, "EDIT123", &DC::Pt),
    qty(kData, "EDIT87", &DC::CO2),
    qty(kData, "EDIT88", &DC::O2),
    qty(kData, "EDIT89", &DC::H2O),
    qty(kData, "EDIT90", &DC::N2),
    qty(kData, "EDIT113", &DC::waterContent),
    qty(kData, "EDIT111", &DC::tapePitch),
    qty(kData, "EDIT112", &DC::tapeThickness),
    // Hand-entered properties: tube side EDIT93-101, shell side EDIT102-110,
    // rows latent heat, density, specific heat, kinematic viscosity,
    // conductivity, then the condensate's density, specific heat, kinematic
    // viscosity, conductivity.
    qty(kData, "EDIT93", &DC::Ltv),
    qty(kData, "EDIT94", &DC::Dt),
    qty(kData, "EDIT95", &DC::Ct),
    qty(kData, "EDIT96", &DC::Vt),
    qty(kData, "EDIT97", &DC::Kt),
    qty(kData, "EDIT98", &DC::Dtlv),
    qty(kData, "EDIT99", &DC::Ctlv),
    qty(kData, "EDIT100", &DC::Vtl),
    qty(kData, "EDIT101", &DC::Ktl),
    qty(kData, "EDIT102", &DC::Lsv),
    qty(kData, "EDIT103", &DC::Ds),
    qty(kData, "EDIT104", &DC::Cs),
    qty(kData, "EDIT105", &DC::Vs),
    qty(kData, "EDIT106", &DC::KS),
    qty(kData, "EDIT107", &DC::Dslv),
    qty(kData, "EDIT108", &DC::Cslv),
    qty(kData, "EDIT109", &DC::Vsl),
    qty(kData, "EDIT110", &DC::Ksl),
    // Heat-transfer-coefficient form.
    qty("FORM8", "EDIT115", &DC::manualXt),
    qty("FORM8", "EDIT116", &DC::manualXs),
    qty("FORM8", "EDIT119", &DC::enteredTubeFactor),
    qty("FORM8", "EDIT120", &DC::enteredShellFactor),
    qty("FORM8", "EDIT158", &DC::tubeLayout),
    qty("FORM8", "EDIT159", &DC::enteredDS),
    qty("FORM8", "EDIT160", &DC::enteredDotl),
    qty("FORM8", "EDIT161", &DC::enteredLbb),
    qty("FORM8", "EDIT162", &DC::enteredLsb),
    qty("FORM8", "EDIT163", &DC::enteredLtb),
    qty("FORM8", "EDIT164", &DC::enteredBin),
    qty("FORM8", "EDIT165", &DC::enteredBout),
    code("FORM8", "EDIT166", &DC::headType),
    code("FORM8", "EDIT167", &DC::tubeCountFromLayout),
    // Tube-side nozzle bores (textbook basis).
    qty("FORM8", "EDIT180", &DC::tubeInletNozzle),
    qty("FORM8", "EDIT181", &DC::tubeOutletNozzle),
    // Weight panel.
    wgt("EDIT150", &WP::tubeSheetThickness),
    wgt("EDIT127", &WP::tubeSheetDensity),
    wgt("EDIT128", &WP::tubeSheetDiameter),
    wgt("EDIT156", &WP::tubeSheetCount),
    wgt("EDIT129", &WP::shellThickness),
    wgt("EDIT130", &WP::shellDensity),
    wgt("EDIT131", &WP::baffleThickness),
    wgt("EDIT132", &WP::baffleDensity),
    wgt("EDIT126", &WP::baffleCount),
    wgt("EDIT133", &WP::tubeDensity),
    wgt("EDIT149", &WP::otherWeight),
};

}  // namespace

std::span<const CaseField> designCaseFields() { return kFields; }

DesignCase readDesignCase(const FormStore& forms) {
    DesignCase dc;
    for (const CaseField& f : kFields) {
        const float value = forms.number(f.form, f.control);
        if (f.code) dc.*f.code = static_cast<int>(value);
        if (f.quantity) dc.*f.quantity = value;
        if (f.weight) dc.weight.*f.weight = value;
    }
    return dc;
}

void convertMillimetres(DesignCase& dc) {
    for (float DesignCase::*m : {&DC::DI, &DC::D0, &DC::FT, &DC::FH, &DC::B, &DC::shellBaffleGap,
                                 &DC::shellBundleGap, &DC::baffleHoleGap}) {
        dc.*m *= units::kMetresPerMm;
    }
}

void convertSIEntries(DesignCase& dc) {
    if (!isSI(dc.unitCode)) return;
    dc.CM /= units::kWattPerKcalH;  // W/mK → kcal/mh℃
    dc.FM /= units::kWattPerKcalH;
    dc.Ft *= units::kWattPerKcalH;  // m2K/W → m2h℃/kcal
    dc.Fs *= units::kWattPerKcalH;
    dc.manualXt *= units::kKcalHPerWatt;  // W/m2K → kcal/m2h℃
    dc.manualXs *= units::kKcalHPerWatt;
    const bool shellEvaporation =
        dc.fluidMode == kShellPhaseChange && dc.phaseChange == kEvaporation;
    if (shellEvaporation) {
        dc.Pt -= units::kKelvinOffset;  // shell inlet liquid temperature, K → ℃
    } else {
        dc.Pt /= units::kMPaPerKgfCm2;  // MPa → kg/cm2
    }
    dc.Ta -= units::kKelvinOffset;
}

}  // namespace hx
