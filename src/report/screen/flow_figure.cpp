#include "report/screen/flow_figure.h"

#include <cmath>
#include <string>

#include "console/number_picture.h"
#include "core/option_codes.h"
#include "core/units.h"
#include "report/screen/results_summary.h"

namespace hx {

namespace {

constexpr const char* kForm = "FORM3";

void setText(FormStore& forms, const char* control, const std::string& text) {
    forms.setText(kForm, control, text);
}

// The tube drain caption of a presentation.
const char* drainCaption(Presentation p) {
    switch (p) {
        case Presentation::EnglishEngineering: return "Tube drain(kg/h)";
        case Presentation::EnglishSI: return "Tube drain(kg/s)";
        case Presentation::JapaneseEngineering: return "管側凝縮量(kg/h)";
        case Presentation::JapaneseSI: return "管内側凝縮量kg/s";
    }
    return "";
}

// Water vapour in the gas at the tube outlet, vol %: the inlet share scaled
// by the water carried out over the water carried in. With the dry gas
// flow unchanged that ratio is the outlet over the inlet absolute humidity
// (kg/kgda); without inlet humidity there is nothing to scale.
float outletWaterPercent(float inletPercent, float Xi, float Xo) {
    const float out = inletPercent * Xo / Xi;
    return std::isfinite(out) ? out : inletPercent;
}

// The shell flow in and out (the same: the shell stream keeps its mass).
void fillShellFlow(FormStore& forms, float shellFlow, const char* flowUnit) {
    setText(forms, "TEXT406", freeNumber(shellFlow));
    setText(forms, "TEXT407", freeNumber(shellFlow));
    setText(forms, "TEXT426", flowUnit);
    setText(forms, "TEXT427", flowUnit);
}

void fillWetGas(FormStore& forms, Presentation p, const RunInputs& in, const Solution& s) {
    const float inletPercent = in.dc.H2O * 100.0f;  // fraction to vol %
    setText(forms, "TEXT430", drainCaption(p));
    setText(forms, "TEXT408", freeNumber(s.Wcon));
    setText(forms, "TEXT431", isJapanese(p) ? "水分量%(V/V)" : "H2O gas％(v/v)");
    setText(forms, "TEXT409", freeNumber(inletPercent));
    setText(forms, "TEXT419", freeNumber(outletWaterPercent(inletPercent, s.Xi, s.Xo)));
}

void clearWetGas(FormStore& forms) {
    for (const char* control : {"TEXT430", "TEXT408", "TEXT431", "TEXT409", "TEXT419"})
        setText(forms, control, "");
}

}  // namespace

bool hasFlowFigure(const DesignCase& dc) {
    return dc.fluidMode == kSensible || dc.fluidMode == kTubeWetGas;
}

void fillFlowFigure(FormStore& forms, Presentation p, const RunInputs& in, const Solution& shown) {
    const DesignCase& dc = in.dc;
    const bool si = isSI(p);
    const Solution s = si ? convertedToSI(shown) : shown;
    const char* temperatureUnit = si ? "K" : "℃";
    const char* flowUnit = si ? "kg/s" : "kg/h";
    setText(forms, "TEXT400", freeNumber(s.T1));
    setText(forms, "TEXT401", freeNumber(s.T2));
    setText(forms, "TEXT402", freeNumber(dc.wetGas ? s.Tzi : s.T3));
    setText(forms, "TEXT403", freeNumber(dc.wetGas ? s.TZo : s.T4));
    for (const char* unit : {"TEXT420", "TEXT421", "TEXT422", "TEXT423"})
        setText(forms, unit, temperatureUnit);
    // kg/h, or kg/s in SI; GWo is held in kg/h in both.
    const float tubeFlow =
        s.tubeMassFlowKgH > 0.0f ? s.tubeMassFlowKgH : units::kKgPerTon * s.tubeMassFlowTonH;
    const float tubeOutlet = si ? s.GWo / units::kSecondsPerHour : s.GWo;
    setText(forms, "TEXT404", freeNumber(tubeFlow));
    setText(forms, "TEXT405", freeNumber(dc.wetGas ? tubeOutlet : tubeFlow));
    setText(forms, "TEXT424", flowUnit);
    setText(forms, "TEXT425", flowUnit);
    fillShellFlow(forms, units::kKgPerTon * s.shellMassFlowTonH, flowUnit);
    if (dc.wetGas)
        fillWetGas(forms, p, in, s);
    else
        clearWetGas(forms);
}

bool oddTubePasses(const DesignCase& dc) { return static_cast<int>(dc.PN) % 2 == 1; }

bool showFlowFigure(FormStore& forms, Platform& platform, const DesignCase& dc) {
    forms.showForm(kForm);
    return platform.loadBitmap(oddTubePasses(dc) ? "vornfig1_odd.bmp" : "vornfig1.bmp");
}

}  // namespace hx
